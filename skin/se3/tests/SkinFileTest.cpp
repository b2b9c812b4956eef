#include <gtest/gtest.h>

#include <algorithm>
#include <string>
#include <vector>

#include "framework/Exceptions.h"
#include "framework/MemoryStream.h"
#include "framework/Properties.h"
#include "skin/se3/SkinFile.h"
#include "skin/se3/SkinFilterRegistry.h"
#include "skin/se3/SkinFilters.h"
#include "skin/se3/SkinObjectRegistry.h"
#include "skin/se3/tests/TestSkins.h"
#include "skin/theme/ThemeManager.h"

namespace z5t8::skin::se3 {
namespace {

using framework::TMemoryStream;
using namespace testing;
using namespace theme;

// The small skin in a compressed container, as a stored layout carries it.
std::vector<uint8_t> Container(TSeSkinFilterClass kind = SkinFilterClass<TSeSkinFilterMaxCompression>()) {
  auto skin = SmallSkin();
  TMemoryStream s;
  std::unique_ptr<TSeSkinFilter> filter = kind->Create();
  filter->SetSkinSource(skin.get());
  filter->WriteSkin(s);
  return s.Bytes();
}

bool Load(TTeSkinFile& theme, const std::vector<uint8_t>& bytes) {
  TMemoryStream s;
  s.WriteBuffer(bytes.data(), int64_t(bytes.size()));
  s.SetPosition(0);
  return theme.LoadFromStream(s);
}

std::string Fonts(TteThemeFonts* fonts) {
  std::string out;
  for (size_t i = 0; i < ThemeFontCount; ++i)
    out += FontToDescription(*fonts->GetFont(TteThemeFont(i))) + "\n";
  return out;
}

std::vector<framework::TColor> Colors(TteTheme& theme) {
  std::vector<framework::TColor> out;
  for (size_t i = 0; i < ThemeColorCount; ++i) out.push_back(theme.Colors()->GetColor(TteThemeColor(i)));
  out.push_back(theme.SystemColors()->GetColor(framework::clBtnFace));
  return out;
}

TEST(SkinFile, ClassOperations) {
  EXPECT_FALSE(TTeSkinFile::GetThemeName().empty());
  TteThemeConfig config = TTeSkinFile::GetThemeConfig();
  EXPECT_FALSE(config.BuiltIn);
  EXPECT_TRUE(config.CanSave);
  EXPECT_TRUE(config.CanLoad);
  EXPECT_EQ(config.DialogFilter, GetDialogFilter3());
  EXPECT_EQ(config.DefaultExt, "mskn");

  struct Case {
    std::vector<uint8_t> bytes;
    bool accepted;
  } cases[] = {
      {Container(), true},
      {{'Z', 'Q', 'L', 'Z', 1, 2}, true},
      {{'_', 'X', 'C', 'T', 0, 1}, false},
      {{'Z', 'Q'}, false},
  };
  for (const Case& c : cases) {
    TMemoryStream s;
    s.WriteBuffer(c.bytes.data(), int64_t(c.bytes.size()));
    s.SetPosition(0);
    EXPECT_EQ(TTeSkinFile::CheckStream(s), c.accepted);
  }
}

TEST(SkinFile, TheThemeManagerKnowsTheSkinThemeAfterTheBaseTheme) {
  RegisterSkinTheme();
  std::vector<TteThemeClass> themes;
  for (int i = 0; i < ThemeManager()->GetThemeCount(); ++i) themes.push_back(ThemeManager()->GetTheme(i));
  auto base = std::find(themes.begin(), themes.end(), ThemeClass<TteTheme>());
  auto skin = std::find(themes.begin(), themes.end(), ThemeClass<TTeSkinFile>());
  ASSERT_NE(skin, themes.end());
  EXPECT_LT(base, skin);
  EXPECT_EQ(std::count(themes.begin(), themes.end(), ThemeClass<TTeSkinFile>()), 1);

  // The manager recognises a skin container and loads it into a skin theme.
  std::vector<uint8_t> bytes = Container(SkinFilterClass<TSeSkinFilterCompressed>());
  TMemoryStream s;
  s.WriteBuffer(bytes.data(), int64_t(bytes.size()));
  s.SetPosition(0);
  std::unique_ptr<TteTheme> loaded = LoadThemeFromStream(s);
  ASSERT_NE(dynamic_cast<TTeSkinFile*>(loaded.get()), nullptr);
  EXPECT_EQ(loaded->ThemeName, "Tiny");
}

TEST(SkinFile, LoadingBuildsTheWorkingCopyAndTheObjectCache) {
  for (TSeSkinFilterClass kind : RegisteredSkinFilters()) {
    SCOPED_TRACE(kind->GetFilterName());
    TTeSkinFile theme;
    ASSERT_TRUE(Load(theme, Container(kind)));
    EXPECT_EQ(theme.ThemeName, "Tiny");
    // Every reset leaves the uncompressed kind as the default.
    EXPECT_EQ(DefaultSkinFilterClass(), SkinFilterClass<TSeSkinFilterUncompressed>());

    TSeSkinObject* form = theme.CachedObject(kseForm);
    ASSERT_NE(form, nullptr);
    EXPECT_EQ(form, theme.WorkingSource()->GetObjectByName("Form"));
    // The client is replaced by an empty placeholder where it was.
    TSeSkinObject* placeholder = theme.CachedObject(kseFormClientPlaceholder);
    ASSERT_NE(placeholder, nullptr);
    EXPECT_EQ(form->FindObjectByKind(skClient), placeholder);
    EXPECT_EQ(placeholder->Owner(), form);
    EXPECT_EQ(placeholder->Color(), framework::clNone);
    EXPECT_EQ(placeholder->Align(), saClient);
    EXPECT_EQ(form->FindObjectByName("Client"), nullptr);
    TSeSkinObject* client = theme.CachedObject(kseFormClient);
    ASSERT_NE(client, nullptr);
    EXPECT_EQ(client->Name(), "Client");
    EXPECT_EQ(client->Owner(), nullptr);
    EXPECT_EQ(client->Color(), 0x00F2EDE8u);

    // The frame hides its system buttons; both button frames show them, with the placeholder.
    for (TSeAction action :
         {sbaClose, sbaMaximize, sbaMinimize, sbaRestore, sbaRollUp, sbaRollDown, sbaSysMenu}) {
      ASSERT_NE(form->FindObjectByAction(action), nullptr);
      EXPECT_FALSE(form->FindObjectByAction(action)->Visible()) << int(action);
      for (TTeSkinCacheEntry copy : {kseFormButtonFrame, kseFormButtonDrawingFrame}) {
        TSeSkinObject* frame = theme.CachedObject(copy);
        ASSERT_NE(frame, nullptr);
        EXPECT_NE(frame, form);
        EXPECT_TRUE(frame->FindObjectByAction(action)->Visible()) << int(action);
        EXPECT_EQ(frame->FindObjectByKind(skClient)->Color(), framework::clNone);
      }
    }
    EXPECT_NE(theme.CachedObject(kseFormButtonFrame), theme.CachedObject(kseFormButtonDrawingFrame));

    EXPECT_EQ(theme.CachedObject(kseButton), theme.WorkingSource()->GetObjectByName("Button"));
    for (TTeSkinCacheEntry missing :
         {kseToolWindow, kseToolWindowClient, kseEdit, kseScrollBox, kseBarDockScrollBox})
      EXPECT_EQ(theme.CachedObject(missing), nullptr);
    // The loaded source keeps its client.
    EXPECT_NE(theme.LoadedSource()->GetObjectByName("Form\\Client"), nullptr);
    // The theme's tables are the skin's.
    EXPECT_EQ(theme.Colors()->GetColor(ktcWindow), 0x00F2EDE8u);
    EXPECT_EQ(theme.SystemColors()->GetColor(framework::clBtnFace), 0x00E8DDD3u);
    EXPECT_EQ(FontToDescription(*theme.Fonts()->GetFont(ktfCaptionTextNormal)), "Arial,9,1,31,45,58,bold");
  }
}

TEST(SkinFile, AHueDeltaAndBackGivesTheFreshSkinExactly) {
  TTeSkinFile fresh;
  ASSERT_TRUE(Load(fresh, Container()));
  const std::vector<uint8_t> body = StoreBody(*fresh.WorkingSource(), sslExtended);

  TTeSkinFile theme;
  ASSERT_TRUE(Load(theme, Container()));
  theme.ChangeThemeHue(30);
  EXPECT_NE(StoreBody(*theme.WorkingSource(), sslExtended), body);
  EXPECT_NE(Colors(theme), Colors(fresh));
  EXPECT_NE(Fonts(theme.Fonts()), Fonts(fresh.Fonts()));
  EXPECT_NE(theme.CachedObject(kseFormClient)->Color(), fresh.CachedObject(kseFormClient)->Color());
  // A second time the same delta: nothing adds up.
  const std::vector<uint8_t> shifted = StoreBody(*theme.WorkingSource(), sslExtended);
  theme.ChangeThemeHueAndBrightness(30, 0);
  EXPECT_EQ(StoreBody(*theme.WorkingSource(), sslExtended), shifted);

  theme.ChangeThemeHue(0);
  EXPECT_EQ(StoreBody(*theme.WorkingSource(), sslExtended), body);
  EXPECT_EQ(Colors(theme), Colors(fresh));
  EXPECT_EQ(Fonts(theme.Fonts()), Fonts(fresh.Fonts()));
  EXPECT_EQ(theme.CachedObject(kseFormClient)->Color(), fresh.CachedObject(kseFormClient)->Color());
  // The loaded skin never moved.
  EXPECT_EQ(StoreBody(*theme.LoadedSource(), sslExtended), StoreBody(*fresh.LoadedSource(), sslExtended));
}

TEST(SkinFile, AssignCopiesTheSkinAndSaveWritesTheThemesTables) {
  TTeSkinFile theme;
  ASSERT_TRUE(Load(theme, Container()));
  TTeSkinFile copy;
  copy.Assign(&theme);
  EXPECT_EQ(copy.ThemeName, "Tiny");
  ASSERT_NE(copy.CachedObject(kseForm), nullptr);
  EXPECT_NE(copy.CachedObject(kseForm), theme.CachedObject(kseForm));
  EXPECT_EQ(StoreBody(*copy.LoadedSource(), sslExtended), StoreBody(*theme.LoadedSource(), sslExtended));

  theme.Colors()->SetColor(ktcGrid, 0x00010203);
  TMemoryStream saved;
  ASSERT_TRUE(theme.SaveToStream(saved));
  EXPECT_EQ(DefaultSkinFilterClass(), SkinFilterClass<TSeSkinFilterMaxCompression>());
  std::vector<uint8_t> bytes = saved.Bytes();
  ASSERT_GE(bytes.size(), 5u);
  EXPECT_EQ(std::string(bytes.begin(), bytes.begin() + 4), "_MCT");
  TTeSkinFile back;
  ASSERT_TRUE(Load(back, bytes));
  EXPECT_EQ(back.Colors()->GetColor(ktcGrid), 0x00010203u);
}

TEST(SkinFile, ASkinWithoutObjectsIsNotLoaded) {
  TSeSkinSource empty;
  TMemoryStream s;
  std::unique_ptr<TSeSkinFilter> filter = SkinFilterClass<TSeSkinFilterCompressed>()->Create();
  filter->SetSkinSource(&empty);
  filter->WriteSkin(s);
  s.SetPosition(0);
  TTeSkinFile theme;
  EXPECT_FALSE(theme.LoadFromStream(s));
  EXPECT_EQ(theme.CachedObject(kseForm), nullptr);
  EXPECT_FALSE(theme.LoadFromFile("no-such-skin.mskn"));
}

// A skin object whose copy fails, as a copy that runs out of memory would.
class TUncopyableObject : public TSeSkinObject {
  Z5T8_CLASS(TUncopyableObject, TSeSkinObject)

public:
  using TSeSkinObject::TSeSkinObject;
  void Assign(const framework::TPersistent*) override { throw framework::Exception("copy failed"); }
};
Z5T8_IMPLEMENT_CLASS(TUncopyableObject, TSeSkinObject) {}

// Loads and resets move the process-wide default container kind; these tests put it back.
struct TDefaultKindKept {
  TSeSkinFilterClass kind = DefaultSkinFilterClass();
  ~TDefaultKindKept() { SetDefaultSkinFilterClass(kind); }
};

TEST(SkinFile, AResetThatFailsLeavesNoCacheEntryIntoTheFreedTree) {
  TDefaultKindKept kept;
  RegisterSkinObject(TUncopyableObject::StaticClass());
  struct TUnregister {
    ~TUnregister() { UnregisterSkinObject(TUncopyableObject::StaticClass()); }
  } unregister;
  TTeSkinFile theme;
  ASSERT_TRUE(Load(theme, Container()));
  ASSERT_NE(theme.CachedObject(kseButton), nullptr);
  // The next reset copies the loaded skin into a new working tree and fails on the way.
  auto* uncopyable = new TUncopyableObject(nullptr);
  uncopyable->SetName("Uncopyable");
  theme.LoadedSource()->AddObject(std::unique_ptr<TSeSkinObject>(uncopyable));
  EXPECT_THROW(theme.ChangeThemeHue(30), framework::Exception);
  for (TTeSkinCacheEntry entry : {kseButton, kseForm, kseFormClient, kseFormButtonFrame})
    EXPECT_EQ(theme.CachedObject(entry), nullptr) << int(entry);
}

TEST(SkinFile, LoadingAFileThatIsNotThereLeavesTheThemeAsItWas) {
  TDefaultKindKept kept;
  TTeSkinFile theme;
  ASSERT_TRUE(Load(theme, Container()));
  theme.FileName = "before.mskn";
  TSeSkinObject* form = theme.CachedObject(kseForm);
  for (const char* name : {"no-such-skin.mskn", "", "no-such-skin.unknown"}) {
    SCOPED_TRACE(name);
    EXPECT_FALSE(theme.LoadFromFile(name));
    EXPECT_EQ(theme.FileName, "before.mskn");
    EXPECT_EQ(theme.ThemeName, "Tiny");
    EXPECT_EQ(theme.CachedObject(kseForm), form);
    EXPECT_EQ(theme.LoadedSource()->GetCount(), theme.WorkingSource()->GetCount());
  }
}

TEST(SkinFile, SavingUnderADeltaWritesTheSkinsOwnTables) {
  TDefaultKindKept kept;
  TTeSkinFile fresh;
  ASSERT_TRUE(Load(fresh, Container()));
  TTeSkinFile theme;
  ASSERT_TRUE(Load(theme, Container()));
  theme.ChangeThemeHueAndBrightness(30, 10);
  TMemoryStream saved;
  ASSERT_TRUE(theme.SaveToStream(saved));
  // Read back, the skin has its own colours and fonts, and the same delta shifts them once.
  TTeSkinFile back;
  ASSERT_TRUE(Load(back, saved.Bytes()));
  EXPECT_EQ(Colors(back), Colors(fresh));
  EXPECT_EQ(Fonts(back.Fonts()), Fonts(fresh.Fonts()));
  back.ChangeThemeHueAndBrightness(30, 10);
  EXPECT_EQ(Colors(back), Colors(theme));
  EXPECT_EQ(Fonts(back.Fonts()), Fonts(theme.Fonts()));
}

TEST(SkinFile, ASkinThemeTheManagerMakesIsResetLikeALoadedOne) {
  TDefaultKindKept kept;
  RegisterSkinTheme();
  const std::string placeholder = TSeSkinSource().SkinName();
  ChangeTheme(ThemeClass<TTeSkinFile>());
  ASSERT_NE(CurrentTheme(), nullptr);
  EXPECT_EQ(CurrentTheme()->ThemeName, placeholder);
  ChangeTheme(TTeSkinFile::GetThemeName());
  ASSERT_NE(dynamic_cast<TTeSkinFile*>(CurrentTheme()), nullptr);
  EXPECT_EQ(CurrentTheme()->ThemeName, placeholder);
  ReleaseTheme();
}

}  // namespace
}  // namespace z5t8::skin::se3
