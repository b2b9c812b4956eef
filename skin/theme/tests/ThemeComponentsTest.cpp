#include <gtest/gtest.h>

#include <cstring>
#include <filesystem>
#include <memory>
#include <optional>
#include <sstream>
#include <string>
#include <vector>

#include "framework/Exceptions.h"
#include "framework/FileStream.h"
#include "framework/MemoryStream.h"
#include "framework/Properties.h"
#include "framework/Reader.h"
#include "framework/Stream.h"
#include "framework/TextForm.h"
#include "framework/Writer.h"
#include "framework/gui/Form.h"
#include "framework/gui/tests/GuiFixture.h"
#include "skin/theme/tests/ThemedWindow.h"
#include "skin/theme/Theme.h"
#include "skin/theme/ThemeEngine.h"
#include "skin/theme/ThemeLink.h"
#include "skin/theme/ThemeList.h"
#include "skin/theme/ThemeManager.h"
#include "skin/theme/ThemeServices.h"

namespace z5t8::skin::theme::testing {

// A theme that stores itself as "STT" and its name as a counted string; a stored empty
// name is a theme without content, which does not load.
class TStoredTheme : public TteTheme {
  Z5T8_CLASS(TStoredTheme, TteTheme)
  Z5T8_THEME_CLASS(TStoredTheme)

public:
  static std::string GetThemeName() { return "Stored"; }
  static TteThemeConfig GetThemeConfig() { return {false, true, true, "Stored themes (*.stt)|*.stt", "stt"}; }
  static bool CheckStream(framework::TStream& stream) {
    char magic[3];
    return stream.Read(magic, 3) == 3 && std::memcmp(magic, "STT", 3) == 0;
  }
  bool LoadFromStream(framework::TStream& stream) override {
    if (!CheckStream(stream)) return false;
    ThemeName = framework::ReadCountedString(stream);
    return !ThemeName.empty();
  }
  bool SaveToStream(framework::TStream& stream) override {
    stream.WriteBuffer("STT", 3);
    framework::WriteCountedString(stream, ThemeName);
    return true;
  }
  bool LoadFromFile(const std::string& fileName) override {
    if (!TteTheme::LoadFromFile(fileName)) return false;
    FileName = fileName;
    return true;
  }
};

// A built-in theme class, selected by name.
class TPlainTheme : public TteTheme {
  Z5T8_CLASS(TPlainTheme, TteTheme)
  Z5T8_THEME_CLASS(TPlainTheme)

public:
  TPlainTheme() { ThemeName = "Plain Look"; }
  static std::string GetThemeName() { return "Plain Look"; }
  static TteThemeConfig GetThemeConfig() { return {true, false, false, "", ""}; }
};

Z5T8_IMPLEMENT_CLASS(TStoredTheme, TteTheme) {}
Z5T8_IMPLEMENT_CLASS(TPlainTheme, TteTheme) {}

std::string Le32(uint32_t value) {
  return {char(value), char(value >> 8), char(value >> 16), char(value >> 24)};
}
// The bytes TStoredTheme saves for a theme of that name.
std::string StoredTheme(const std::string& name) { return "STT" + Le32(uint32_t(name.size())) + name; }
// A ThemeStream value of version 2; upper is what the four bytes above the count hold.
std::string Wrapped(const std::string& name, const std::string& data, uint32_t upper = 0) {
  return "\x02" + Le32(uint32_t(name.size())) + name + Le32(uint32_t(data.size())) + Le32(upper) + data;
}
std::string Bytes(const std::vector<uint8_t>& bytes) { return std::string(bytes.begin(), bytes.end()); }

// Everything the theme manager broadcasts: 2048 as its code, 2049 as "L".
class TNotifyRecorder : public framework::TObject {
public:
  std::vector<std::string> Heard;
  uintptr_t LastLink = 0;
  void DefaultHandler(framework::TMessage& message) override {
    if (message.Msg == TM_THEMENOTIFY) {
      Heard.push_back(std::to_string(message.WParam) + (message.LParam ? "+" : ""));
    } else if (message.Msg == TM_THEMELINKCHANGED) {
      Heard.push_back("L");
      LastLink = message.WParam;
    }
  }
};

// The two test theme classes registered after the manager's own, a recorder listening,
// and no current theme before or after.
struct TestThemes {
  TNotifyRecorder Recorder;
  void Begin() {
    ReleaseTheme();
    RegisterTheme(ThemeClass<TStoredTheme>());
    RegisterTheme(ThemeClass<TPlainTheme>());
    AddThemeNotification(&Recorder);
  }
  void End() {
    RemoveThemeNotification(&Recorder);
    ReleaseTheme();
    UnregisterTheme(ThemeClass<TPlainTheme>());
    UnregisterTheme(ThemeClass<TStoredTheme>());
  }
};

class ThemeComponentsFixture : public ::testing::Test {
protected:
  void SetUp() override { Themes.Begin(); }
  void TearDown() override { Themes.End(); }
  // A list owned by root with one stored theme per name.
  static TTeThemeList* MakeList(framework::TComponent* root, std::vector<std::string> names) {
    auto* list = new TTeThemeList(root);
    for (const std::string& name : names) {
      std::string bytes = Wrapped(name, StoredTheme(name));
      framework::TCustomMemoryStream stream(bytes.data(), int64_t(bytes.size()));
      list->Themes()->Add()->ReadData(stream);
    }
    return list;
  }
  static std::string Write(const TTeThemeStream& item) {
    framework::TMemoryStream out;
    item.WriteData(out);
    return Bytes(out.Bytes());
  }
  static void Read(TTeThemeStream& item, const std::string& bytes) {
    framework::TCustomMemoryStream stream(bytes.data(), int64_t(bytes.size()));
    item.ReadData(stream);
  }
  TestThemes Themes;
  TNotifyRecorder& Recorder = Themes.Recorder;
  framework::TComponent Root{nullptr};
};

using framework::EReadError;

// ---- The ThemeStream wrapper ----

TEST_F(ThemeComponentsFixture, WrappedValueReadsAndWritesBackByteForByte) {
  TTeThemeList list(nullptr);
  TTeThemeStream* item = list.Themes()->Add();
  EXPECT_EQ(item->StoreName(), "(empty)");
  std::string data = StoredTheme("Aqua") + std::string(300, '\x5A');
  std::string value = Wrapped("Aqua", data);
  Read(*item, value);
  EXPECT_EQ(item->StoreName(), "Aqua");
  EXPECT_EQ(item->DisplayName(), "Aqua");
  EXPECT_EQ(Bytes(item->Data()), data);
  EXPECT_EQ(Write(*item), value) << "version 2, four zero bytes above the count";

  std::unique_ptr<TteTheme> theme = item->GetTheme();
  ASSERT_NE(dynamic_cast<TStoredTheme*>(theme.get()), nullptr);
  EXPECT_EQ(theme->ThemeName, "Aqua");
  EXPECT_NE(item->GetTheme().get(), theme.get()) << "every call decodes a new theme";
}

TEST_F(ThemeComponentsFixture, CountTakesOnlyItsLowFourBytes) {
  TTeThemeList list(nullptr);
  TTeThemeStream* item = list.Themes()->Add();
  std::string data = StoredTheme("Hi");
  for (uint32_t upper : {1u, 0x80000000u, 0xFFFFFFFFu}) {
    Read(*item, Wrapped("Hi", data, upper) + "trailing bytes are left alone");
    EXPECT_EQ(Bytes(item->Data()), data);
    EXPECT_EQ(Write(*item), Wrapped("Hi", data)) << "written back with the upper bytes zero";
  }
}

TEST_F(ThemeComponentsFixture, EmptyItemIsTheSingleByteZero) {
  TTeThemeList list(nullptr);
  TTeThemeStream* item = list.Themes()->Add();
  EXPECT_EQ(Write(*item), std::string(1, '\0'));
  for (std::string value : {std::string(1, '\0'), std::string(), std::string("\x07\x01\x02", 3)}) {
    Read(*item, value);
    EXPECT_TRUE(item->Data().empty()) << "version " << (value.empty() ? -1 : int(value[0]));
    EXPECT_EQ(item->StoreName(), "(empty)");
    EXPECT_EQ(item->GetTheme(), nullptr);
    EXPECT_EQ(Write(*item), std::string(1, '\0'));
  }
}

TEST_F(ThemeComponentsFixture, DamagedWrappedValueRaisesAndLeavesTheItem) {
  TTeThemeList list(nullptr);
  TTeThemeStream* item = list.Themes()->Add();
  Read(*item, Wrapped("Old", StoredTheme("Old")));
  std::string good = Wrapped("New", StoredTheme("New"));
  std::string beyond = good;
  beyond[1 + 4 + 3] = char(0x7F);  // the count's low byte, far past the data
  for (std::string bad :
       {beyond, good.substr(0, 10), good.substr(0, 3), std::string("\x02\xFF\xFF\xFF\x7F", 5)}) {
    EXPECT_THROW(Read(*item, bad), EReadError);
    EXPECT_EQ(item->StoreName(), "Old");
    EXPECT_EQ(Bytes(item->Data()), StoredTheme("Old"));
  }
}

TEST_F(ThemeComponentsFixture, BareThemeIsDecodedStoredAgainAndKeptUntilTheListIsLoaded) {
  TTeThemeList list(nullptr);
  TTeThemeStream* item = list.Themes()->Add();
  // What follows the version byte runs to the end; our class writes it back without the tail.
  Read(*item, "\x01" + StoredTheme("Bare") + "tail");
  EXPECT_EQ(item->StoreName(), "Bare");
  EXPECT_EQ(Bytes(item->Data()), StoredTheme("Bare"));
  ASSERT_NE(item->KeptTheme(), nullptr);
  EXPECT_EQ(item->KeptTheme()->ThemeName, "Bare");
  EXPECT_EQ(Write(*item), Wrapped("Bare", StoredTheme("Bare")));
  list.Loaded();
  EXPECT_EQ(item->KeptTheme(), nullptr);

  // Nothing a registered class accepts, or a theme without content: no theme, no change.
  TTeThemeStream* other = list.Themes()->Add();
  for (std::string bare : {std::string("\x01XYZ"), "\x01" + StoredTheme("")}) {
    Read(*other, bare);
    EXPECT_EQ(other->KeptTheme(), nullptr);
    EXPECT_TRUE(other->Data().empty());
    EXPECT_EQ(other->StoreName(), "(empty)");
  }
}

TEST_F(ThemeComponentsFixture, SetThemeStoresWhatTheClassSavesAndTellsTheOwner) {
  TTeThemeList list(nullptr);
  TTeThemeStream* item = list.Themes()->Add();
  int changes = 0;
  item->OnChange = [&](framework::TObject* sender) { changes += sender == item; };
  item->SetTheme(nullptr);
  EXPECT_EQ(changes, 0);
  TStoredTheme stored;
  stored.ThemeName = "Mine";
  item->SetTheme(&stored);
  EXPECT_EQ(changes, 1);
  EXPECT_EQ(item->StoreName(), "Mine");
  EXPECT_EQ(Bytes(item->Data()), StoredTheme("Mine"));
  // A class that cannot save leaves the item without data, named after the theme.
  TPlainTheme plain;
  item->SetTheme(&plain);
  EXPECT_EQ(changes, 2);
  EXPECT_TRUE(item->Data().empty());
  EXPECT_EQ(item->StoreName(), "Plain Look");
}

TEST_F(ThemeComponentsFixture, ListStreamsItsItemsAndNotItsVersion) {
  TTeThemeList* list = MakeList(&Root, {"Aqua", "Ruby"});
  list->SetName("TeThemeList1");
  list->Themes()->Items(1)->SetTag(7);
  list->Themes()->Add();
  framework::TMemoryStream stream;
  framework::WriteComponent(stream, list);
  std::string text = framework::ObjectBinaryToText(Bytes(stream.Bytes()));
  EXPECT_EQ(text.find("Version"), std::string::npos);
  EXPECT_NE(text.find("      ThemeStore = '(empty)'\n      Tag = 0\n      ThemeStream = {\n        00}\n"),
            std::string::npos)
      << text;

  stream.SetPosition(0);
  std::unique_ptr<framework::TComponent> copy(framework::ReadComponent(stream, nullptr));
  auto* read = dynamic_cast<TTeThemeList*>(copy.get());
  ASSERT_NE(read, nullptr);
  ASSERT_EQ(read->Themes()->Count(), 3);
  EXPECT_EQ(read->Version(), "6.0");
  for (int i = 0; i < 3; ++i) {
    EXPECT_EQ(read->Themes()->Items(i)->StoreName(), list->Themes()->Items(i)->StoreName());
    EXPECT_EQ(read->Themes()->Items(i)->Data(), list->Themes()->Items(i)->Data());
    EXPECT_EQ(read->Themes()->Items(i)->Tag(), list->Themes()->Items(i)->Tag());
  }
  // Copying a list's items carries data, name and Tag.
  TTeThemeList assigned(nullptr);
  assigned.Themes()->Assign(list->Themes());
  EXPECT_EQ(assigned.Themes()->Items(1)->StoreName(), "Ruby");
  EXPECT_EQ(assigned.Themes()->Items(1)->Tag(), 7);
  EXPECT_EQ(assigned.Themes()->Items(1)->Data(), list->Themes()->Items(1)->Data());
}

// ---- The engine ----

TEST_F(ThemeComponentsFixture, EngineClampsTheIndexAndMakesTheItemCurrent) {
  TTeThemeList* list = MakeList(&Root, {"First", "Second"});
  TTeThemeEngine engine(nullptr);
  EXPECT_EQ(engine.ThemeBuilding(), "No theme");
  EXPECT_EQ(engine.ThemeIndex(), -1);
  EXPECT_EQ(engine.GetState(), "0");
  engine.SetThemeList(list);
  EXPECT_EQ(CurrentTheme(), nullptr) << "setting the list loads nothing";
  Recorder.Heard.clear();
  engine.SetThemeIndex(5);
  EXPECT_EQ(engine.ThemeIndex(), 1);
  ASSERT_NE(CurrentTheme(), nullptr);
  EXPECT_EQ(CurrentTheme()->ThemeName, "Second");
  EXPECT_EQ(Recorder.Heard, (std::vector<std::string>{"1", "3", "2"}));
  EXPECT_EQ(engine.GetState(), "2,1,0,0");
  // The state text is only ever written: reading one back selects nothing.
  Recorder.Heard.clear();
  engine.SetState("1,elsewhere.uskn,30,40");
  engine.SetState("garbage");
  EXPECT_EQ(engine.GetState(), "2,1,0,0");
  EXPECT_EQ(CurrentTheme()->ThemeName, "Second");
  EXPECT_TRUE(Recorder.Heard.empty());

  // A negative index releases the theme, unless a theme file is set.
  engine.SetThemeIndex(-1);
  EXPECT_EQ(CurrentTheme(), nullptr);
  EXPECT_EQ(engine.ThemeIndex(), -1);
  engine.SetThemeIndex(0);
  EXPECT_EQ(CurrentTheme()->ThemeName, "First");
}

TEST_F(ThemeComponentsFixture, EngineKeepsItsThemeWhenTheItemGivesNone) {
  TTeThemeList* list = MakeList(&Root, {"First"});
  list->Themes()->Add();                                         // no data
  Read(*list->Themes()->Add(), Wrapped("Junk", "not a theme"));  // no class accepts it
  TTeThemeEngine engine(nullptr);
  engine.SetThemeList(list);
  engine.SetThemeIndex(0);
  TteTheme* first = CurrentTheme();
  for (int index : {1, 2}) {
    engine.SetThemeIndex(index);
    EXPECT_EQ(CurrentTheme(), first);
    EXPECT_EQ(engine.ThemeIndex(), index) << "only the index changes";
  }
}

TEST_F(ThemeComponentsFixture, EngineSelectsBuiltInThemesByNameInAnyCase) {
  TTeThemeEngine engine(nullptr);
  engine.SetThemeBuilding("PLAIN look");
  EXPECT_EQ(engine.ThemeBuilding(), "Plain Look");
  ASSERT_NE(dynamic_cast<TPlainTheme*>(CurrentTheme()), nullptr);
  EXPECT_EQ(engine.GetState(), "3,Plain Look,0,0");
  TteTheme* plain = CurrentTheme();
  // Loadable but not built in, or unknown: back to "No theme", the theme stays.
  for (std::string name : {"Stored", "Nothing such"}) {
    engine.SetThemeBuilding(name);
    EXPECT_EQ(engine.ThemeBuilding(), "No theme");
    EXPECT_EQ(CurrentTheme(), plain);
  }
}

TEST_F(ThemeComponentsFixture, EngineLoadsThemeFiles) {
  std::string dir = ::testing::TempDir();
  std::string file = dir + "/engine-file.stt";
  {
    framework::TFileStream out(file, framework::fmCreate);
    std::string bytes = StoredTheme("From file");
    out.WriteBuffer(bytes.data(), int64_t(bytes.size()));
  }
  TTeThemeList* list = MakeList(&Root, {"Other", "From file"});
  TTeThemeEngine engine(nullptr);
  engine.SetThemeList(list);
  engine.SetThemeIndex(0);
  engine.SetThemeFile(file);
  ASSERT_NE(CurrentTheme(), nullptr);
  EXPECT_EQ(CurrentTheme()->ThemeName, "From file");
  // The list holds an item of the same name; the file stays the selection.
  EXPECT_EQ(engine.ThemeFile(), file);
  EXPECT_EQ(engine.ThemeIndex(), -1);
  EXPECT_EQ(engine.GetState(), "1," + file + ",0,0");

  // A missing file releases the theme only when no item is selected.
  engine.SetThemeFile(dir + "/missing.stt");
  EXPECT_EQ(CurrentTheme(), nullptr);
  EXPECT_EQ(engine.ThemeFile(), "") << "the release clears the selection";
  engine.SetThemeIndex(1);
  engine.SetThemeFile(dir + "/missing.stt");
  ASSERT_NE(CurrentTheme(), nullptr);
  EXPECT_EQ(CurrentTheme()->ThemeName, "From file");
  EXPECT_EQ(engine.ThemeIndex(), 1);
  // With a file set, an index with nothing to select keeps the theme.
  engine.SetThemeIndex(-1);
  EXPECT_NE(CurrentTheme(), nullptr);
  std::filesystem::remove(file);
}

TEST_F(ThemeComponentsFixture, EngineSelectionOfAnItemSharingItsNameWithAnEarlierOne) {
  TTeThemeList* list = MakeList(&Root, {"Twin", "Twin"});
  TTeThemeEngine engine(nullptr);
  engine.SetThemeList(list);
  engine.SetThemeIndex(1);
  EXPECT_EQ(engine.ThemeIndex(), 1);
}

TEST_F(ThemeComponentsFixture, EngineHueStaysUntilResetAndBrightnessGoesWithIt) {
  TTeThemeList* list = MakeList(&Root, {"Hued"});
  TTeThemeEngine engine(nullptr);
  engine.SetThemeList(list);
  engine.SetThemeIndex(0);
  framework::TColor plain = CurrentTheme()->Colors()->GetColor(ktcCaptionNormal);
  Recorder.Heard.clear();
  engine.SetDeltaHue(30);
  EXPECT_EQ(CurrentTheme()->DeltaHue(), 30);
  framework::TColor shifted = CurrentTheme()->Colors()->GetColor(ktcCaptionNormal);
  EXPECT_NE(shifted, plain);
  EXPECT_EQ(Recorder.Heard, (std::vector<std::string>{"5+"}));

  engine.SetDeltaHue(0);
  EXPECT_EQ(engine.DeltaHue(), 0);
  EXPECT_EQ(CurrentTheme()->Colors()->GetColor(ktcCaptionNormal), shifted) << "left shifted";
  engine.ResetThemeHue();
  EXPECT_EQ(CurrentTheme()->DeltaHue(), 0);
  EXPECT_EQ(CurrentTheme()->Colors()->GetColor(ktcCaptionNormal), plain);

  // With a brightness set, a hue change carries it along; a new theme gets both.
  engine.SetDeltaBrightness(20);
  engine.SetDeltaHue(-40);
  EXPECT_EQ(CurrentTheme()->DeltaHue(), -40);
  EXPECT_EQ(CurrentTheme()->DeltaBrightness(), 20);
  engine.SetThemeIndex(0);
  EXPECT_EQ(CurrentTheme()->DeltaHue(), -40);
  EXPECT_EQ(CurrentTheme()->DeltaBrightness(), 20);
  EXPECT_EQ(engine.GetState(), "2,0,-40,20");
  engine.ResetThemeBrightness();
  EXPECT_EQ(CurrentTheme()->DeltaBrightness(), 0);
  EXPECT_EQ(CurrentTheme()->DeltaHue(), -40);
  Recorder.Heard.clear();
  engine.ResetThemeColors();
  EXPECT_EQ(engine.DeltaHue(), 0);
  EXPECT_EQ(CurrentTheme()->DeltaHue(), 0);
  EXPECT_EQ(CurrentTheme()->Colors()->GetColor(ktcCaptionNormal), plain);
  EXPECT_EQ(Recorder.Heard, (std::vector<std::string>{"5+"}));
}

TEST_F(ThemeComponentsFixture, EngineFollowsThemesOthersMakeCurrent) {
  TTeThemeList* list = MakeList(&Root, {"Listed"});
  TTeThemeEngine engine(nullptr);
  int told = 0;
  engine.OnThemeChanged = [&](framework::TObject* sender) { told += sender == &engine; };
  engine.SetThemeList(list);

  auto listed = std::make_unique<TStoredTheme>();
  listed->ThemeName = "Listed";
  ChangeTheme(std::move(listed));
  EXPECT_EQ(engine.ThemeIndex(), 0);
  EXPECT_EQ(told, 1);

  ChangeTheme(ThemeClass<TPlainTheme>());
  EXPECT_EQ(engine.ThemeBuilding(), "Plain Look");
  EXPECT_EQ(engine.ThemeIndex(), -1);

  auto filed = std::make_unique<TStoredTheme>();
  filed->ThemeName = "Listed";
  filed->FileName = "/skins/listed.stt";
  ChangeTheme(std::move(filed));
  EXPECT_EQ(engine.ThemeFile(), "/skins/listed.stt");
  EXPECT_EQ(engine.ThemeBuilding(), "No theme");
  EXPECT_EQ(engine.ThemeIndex(), -1);

  ReleaseTheme();
  EXPECT_EQ(engine.GetState(), "0");
  EXPECT_EQ(told, 4);

  // While loading or designing only the event hears of it.
  for (framework::TComponentStateFlag flag : {framework::csLoading, framework::csDesigning}) {
    engine.IncludeState(flag);
    ChangeTheme(ThemeClass<TPlainTheme>());
    ReleaseTheme();
    EXPECT_EQ(engine.ThemeBuilding(), "No theme");
    engine.ExcludeState(flag);
  }
  EXPECT_EQ(told, 8);
}

TEST_F(ThemeComponentsFixture, EngineCreatedWhileAThemeIsCurrentTakesItUp) {
  ChangeTheme(ThemeClass<TPlainTheme>());
  TTeThemeEngine engine(nullptr);
  EXPECT_EQ(engine.ThemeBuilding(), "Plain Look");
}

TEST_F(ThemeComponentsFixture, ListGoingAwayReleasesTheEnginesTheme) {
  auto* list = MakeList(&Root, {"Gone"});
  TTeThemeEngine engine(nullptr);
  engine.SetThemeList(list);
  engine.SetThemeIndex(0);
  ASSERT_NE(CurrentTheme(), nullptr);
  delete list;
  EXPECT_EQ(CurrentTheme(), nullptr);
  EXPECT_EQ(engine.ThemeList(), nullptr);
  EXPECT_EQ(engine.ThemeIndex(), -1);
}

TEST_F(ThemeComponentsFixture, DestroyedEngineLeavesTheThemeAndHearsNoMore) {
  TTeThemeList* list = MakeList(&Root, {"Stays"});
  {
    TTeThemeEngine engine(nullptr);
    engine.SetThemeList(list);
    engine.SetThemeIndex(0);
  }
  ASSERT_NE(CurrentTheme(), nullptr);
  ChangeTheme(ThemeClass<TPlainTheme>());  // would reach a freed engine if it stayed listed
  delete list;
  EXPECT_NE(CurrentTheme(), nullptr);
}

// ---- The link ----

TEST_F(ThemeComponentsFixture, LinkHoldsAThemeOfItsOwnAndTellsItsControls) {
  TTeThemeList* list = MakeList(&Root, {"First", "Second"});
  TTeThemeEngine engine(nullptr);
  engine.SetThemeList(list);
  engine.SetThemeIndex(0);
  TteTheme* current = CurrentTheme();
  TTeThemeLink link(nullptr);
  EXPECT_EQ(link.GetTheme(), nullptr);
  EXPECT_EQ(GetThemeLink(&link), current) << "a link without a theme gives the current one";
  link.SetThemeList(list);
  Recorder.Heard.clear();
  link.SetThemeIndex(7);
  EXPECT_EQ(link.ThemeIndex(), 1);
  ASSERT_NE(link.GetTheme(), nullptr);
  EXPECT_EQ(link.GetTheme()->ThemeName, "Second");
  EXPECT_EQ(CurrentTheme(), current);
  EXPECT_EQ(engine.ThemeIndex(), 0);
  EXPECT_EQ(Recorder.Heard, (std::vector<std::string>{"L"}));
  EXPECT_EQ(Recorder.LastLink, uintptr_t(static_cast<TteCustomThemeLink*>(&link)));
  EXPECT_EQ(GetThemeLink(&link), link.GetTheme());

  link.SetThemeIndex(0);
  EXPECT_EQ(link.GetTheme()->ThemeName, "First");
  EXPECT_NE(link.GetTheme(), CurrentTheme()) << "a second instance of the same data";

  // A built-in theme by name, in any case.
  link.SetThemeBuilding("plain LOOK");
  EXPECT_EQ(link.ThemeBuilding(), "Plain Look");
  EXPECT_NE(dynamic_cast<TPlainTheme*>(link.GetTheme()), nullptr);
  EXPECT_EQ(link.ThemeIndex(), -1);
  link.SetThemeBuilding("Unknown");
  EXPECT_EQ(link.ThemeBuilding(), "No theme");
  EXPECT_NE(dynamic_cast<TPlainTheme*>(link.GetTheme()), nullptr);

  // A file without a theme leaves the link's.
  link.SetThemeFile(::testing::TempDir() + "/missing.stt");
  EXPECT_NE(link.GetTheme(), nullptr);

  Recorder.Heard.clear();
  link.SetThemeIndex(-1);
  EXPECT_EQ(link.GetTheme(), nullptr);
  EXPECT_EQ(Recorder.Heard, (std::vector<std::string>{"L"}));
  link.ReleaseTheme();
  EXPECT_EQ(Recorder.Heard.size(), 1u) << "nothing to release, nothing told";
}

TEST_F(ThemeComponentsFixture, LinkHueGoesBackAtOnce) {
  TTeThemeList* list = MakeList(&Root, {"Hued"});
  TTeThemeLink link(nullptr);
  link.SetDeltaHue(30);  // before any theme: stored, told, applied to the next theme
  EXPECT_EQ(Recorder.Heard, (std::vector<std::string>{"L"}));
  link.SetThemeList(list);
  link.SetThemeIndex(0);
  TteTheme* theme = link.GetTheme();
  EXPECT_EQ(theme->DeltaHue(), 30);
  framework::TColor shifted = theme->Colors()->GetColor(ktcCaptionNormal);
  link.SetDeltaHue(0);
  EXPECT_EQ(theme->DeltaHue(), 0);
  EXPECT_NE(theme->Colors()->GetColor(ktcCaptionNormal), shifted);
  link.SetDeltaBrightness(15);
  EXPECT_EQ(theme->DeltaBrightness(), 15);
  EXPECT_EQ(CurrentTheme(), nullptr) << "the current theme is not the link's business";
}

TEST_F(ThemeComponentsFixture, LinkKeepsItsThemeWhileLoadingAndWhenTheListGoes) {
  TTeThemeList* list = MakeList(&Root, {"Kept"});
  TTeThemeLink link(nullptr);
  link.SetThemeList(list);
  link.SetThemeIndex(0);
  TteTheme* theme = link.GetTheme();
  link.IncludeState(framework::csLoading);
  link.SetThemeIndex(-1);
  EXPECT_EQ(link.GetTheme(), theme);
  link.ExcludeState(framework::csLoading);
  link.SetThemeIndex(0);
  delete list;
  EXPECT_EQ(link.ThemeList(), nullptr);
  EXPECT_EQ(link.ThemeIndex(), -1);
  EXPECT_NE(link.GetTheme(), nullptr);
}

// ---- The main window's layout ----

class ThemeLayoutIntegration : public framework::GuiTest {
protected:
  void SetUp() override {
    GuiTest::SetUp();
    Themes.Begin();
  }
  void TearDown() override {
    Themes.End();
    GuiTest::TearDown();
  }
  std::unique_ptr<TThemedWindow> Load(const std::string& layout) {
    AddLayout(TThemedWindowResource, layout);
    return TThemedWindow::Create();
  }
  TestThemes Themes;
};

TEST_F(ThemeLayoutIntegration, LoadingTheWindowMakesTheStoredThemeCurrentAndGivesTheLinkItsOwn) {
  std::string value = Wrapped("Aqua", StoredTheme("Aqua") + std::string(1000, '\x11'));
  std::string layout = MainLayout(value);
  std::unique_ptr<TThemedWindow> form = Load(layout);
  ASSERT_TRUE(form->TeThemeEngine1 && form->TeThemeList1 && form->TeThemeLink1);
  TTeThemeEngine& engine = *form->TeThemeEngine1;
  TTeThemeLink& link = *form->TeThemeLink1;

  EXPECT_EQ(Themes.Recorder.Heard, (std::vector<std::string>{"1", "4", "2", "L", "L", "1", "3", "2", "L"}))
      << "engine while read, link while read, then the engine's and the link's Loaded";
  auto* current = dynamic_cast<TStoredTheme*>(CurrentTheme());
  auto* own = dynamic_cast<TStoredTheme*>(link.GetTheme());
  ASSERT_TRUE(current && own);
  EXPECT_NE(current, own);
  EXPECT_EQ(current->ThemeName, "Aqua");
  EXPECT_EQ(own->ThemeName, "Aqua");
  EXPECT_EQ(engine.ThemeList(), form->TeThemeList1);
  EXPECT_EQ(engine.ThemeIndex(), 0);
  EXPECT_EQ(engine.ThemeBuilding(), "No theme");
  EXPECT_EQ(engine.ThemeFile(), "");
  EXPECT_EQ(engine.GetState(), "2,0,0,0");
  EXPECT_EQ(link.ThemeIndex(), 0);
  EXPECT_EQ(form->TeThemeList1->Themes()->Items(0)->StoreName(), "Aqua");

  // Written back, the three components are what was read, value and all.
  framework::TMemoryStream written;
  framework::WriteComponent(written, form.get());
  std::string text = framework::ObjectBinaryToText(Bytes(written.Bytes()));
  for (std::string name : {"TeThemeEngine1", "TeThemeList1", "TeThemeLink1"}) {
    ASSERT_FALSE(Block(layout, name).empty()) << name;
    EXPECT_EQ(Block(text, name), Block(layout, name));
  }
}

TEST_F(ThemeLayoutIntegration, StoredLayoutWithTheStandInDataReadsWithoutATheme) {
  std::unique_ptr<TThemedWindow> form = Load(MainLayout(std::nullopt));
  ASSERT_TRUE(form->TeThemeEngine1 && form->TeThemeList1 && form->TeThemeLink1);
  EXPECT_EQ(CurrentTheme(), nullptr);
  EXPECT_EQ(form->TeThemeLink1->GetTheme(), nullptr);
  ASSERT_EQ(form->TeThemeList1->Themes()->Count(), 1);
  EXPECT_TRUE(form->TeThemeList1->Themes()->Items(0)->Data().empty());
  EXPECT_EQ(form->TeThemeEngine1->GetState(), "2,0,0,0");
  EXPECT_EQ(form->TeThemeLink1->ThemeList(), form->TeThemeList1);
}

}  // namespace z5t8::skin::theme::testing
