#include <gtest/gtest.h>

#include <chrono>
#include <climits>

#include <cstdio>
#include <filesystem>
#include <fstream>
#include <memory>
#include <string>
#include <vector>

#include "platform/process/Program.h"
#include "framework/Font.h"
#include "framework/MemoryStream.h"
#include "framework/Properties.h"
#include "framework/gui/GraphicControl.h"
#include "platform/gui/Backend.h"
#include "platform/gui/MessageQueue.h"
#include "platform/gui/Window.h"
#include "platform/gui/WindowStyles.h"
#include "platform/gui/headless/HeadlessBackend.h"
#include "skin/theme/CustomThemeLink.h"
#include "skin/theme/Theme.h"
#include "skin/theme/ThemeManager.h"
#include "skin/theme/ThemeServices.h"

namespace z5t8::skin::theme {
namespace {

using namespace framework;

// What the test clients and themes did, in order.
std::vector<std::string> events;

std::string Code(const TMessage& m) {
  if (m.Msg == TM_THEMELINKCHANGED) return "link";
  return std::to_string(m.WParam) + (m.LParam ? "+" + std::to_string(m.LParam) : "");
}

// Two loadable theme classes: each knows its files by the first byte and its own filter,
// and says when it is freed.
class TAlphaTestTheme : public TteTheme {
  Z5T8_CLASS(TAlphaTestTheme, TteTheme)
  Z5T8_THEME_CLASS(TAlphaTestTheme)

public:
  ~TAlphaTestTheme() override { events.push_back("freed " + ThemeName); }
  static std::string GetThemeName() { return "Alpha Theme"; }
  static TteThemeConfig GetThemeConfig() { return {false, true, true, "Alpha skins|*.a", "a"}; }
  static bool CheckStream(TStream& stream) { return FirstByte(stream) == 'A'; }
  static int FirstByte(TStream& stream) {
    uint8_t b = 0;
    return stream.Read(&b, 1) == 1 ? b : -1;
  }
  bool LoadFromStream(TStream& stream) override {
    // "A" then the name; a lone "A" is a damaged file.
    if (FirstByte(stream) != 'A') return false;
    char name[16] = {};
    if (stream.Read(name, sizeof name - 1) <= 0) return false;
    ThemeName = name;
    return true;
  }
  bool SaveToStream(TStream& stream) override {
    stream.Write("A", 1);
    stream.Write(ThemeName.data(), int32_t(ThemeName.size()));
    return true;
  }
  // Knows buttons called "default" and "shiny", and only the standard window.
  bool IsButtonDefined(TteButtonSubclass, const std::string& objectName) override {
    return objectName == "default" || objectName == "shiny";
  }
  bool IsWindowDefined(TteWindowSubclass subclass, const std::string&) override {
    return subclass == kwscStandard;
  }
  TRect WindowGetClientRect(TteWindowSubclass, const TRect& r, const std::string&) override {
    return TRect{r.left + 6, r.top + 26, r.right - 5, r.bottom - 4};
  }
};
Z5T8_IMPLEMENT_CLASS(TAlphaTestTheme, TteTheme) {}

class TBetaTestTheme : public TAlphaTestTheme {
  Z5T8_CLASS(TBetaTestTheme, TAlphaTestTheme)
  Z5T8_THEME_CLASS(TBetaTestTheme)

public:
  static std::string GetThemeName() { return "Beta Theme"; }
  static TteThemeConfig GetThemeConfig() { return {false, false, true, "Beta skins|*.b", "b"}; }
  static bool CheckStream(TStream& stream) { return FirstByte(stream) == 'B'; }
  bool LoadFromStream(TStream& stream) override { return FirstByte(stream) == 'B'; }
  // Knows only its "default" button.
  bool IsButtonDefined(TteButtonSubclass, const std::string& objectName) override {
    return objectName == "default";
  }
};
Z5T8_IMPLEMENT_CLASS(TBetaTestTheme, TAlphaTestTheme) {}

std::unique_ptr<TteTheme> Named(std::unique_ptr<TteTheme> theme, const std::string& name) {
  theme->ThemeName = name;
  return theme;
}

// A client that is no control: it hears notifications through Dispatch, and may act on
// the manager from inside one.
class TTestClient : public TComponent {
  Z5T8_CLASS(TTestClient, TComponent)

public:
  explicit TTestClient(TComponent* owner) : TComponent(owner) {}
  std::string Label;
  std::function<void()> OnNotify;
  void ThemeNotify(TMessage& m) {
    events.push_back(Label + ":" + Code(m));
    if (OnNotify) OnNotify();
  }
};
Z5T8_IMPLEMENT_CLASS(TTestClient, TComponent) {
  p.Message(TM_THEMENOTIFY, &TTestClient::ThemeNotify);
  p.Message(TM_THEMELINKCHANGED, &TTestClient::ThemeNotify);
}

// A control client: hears notifications through Perform.
class TTestControl : public TGraphicControl {
  Z5T8_CLASS(TTestControl, TGraphicControl)

public:
  explicit TTestControl(TComponent* owner) : TGraphicControl(owner) {}
  std::string Label;
  void ThemeNotify(TMessage& m) {
    events.push_back(Label + ":" + Code(m));
    m.Result = 1;
  }
};
Z5T8_IMPLEMENT_CLASS(TTestControl, TGraphicControl) { p.Message(TM_THEMENOTIFY, &TTestControl::ThemeNotify); }

class TTestLink : public TteCustomThemeLink {
  Z5T8_CLASS(TTestLink, TteCustomThemeLink)

public:
  explicit TTestLink(TComponent* owner) : TteCustomThemeLink(owner) {}
  std::unique_ptr<TteTheme> Theme;
  TteTheme* GetTheme() override { return Theme.get(); }
};
Z5T8_IMPLEMENT_CLASS(TTestLink, TteCustomThemeLink) {}

class ThemeManagerTest : public ::testing::Test {
protected:
  void SetUp() override {
    events.clear();
    for (auto* c : {&a, &b, &c}) manager.AddNotification(c);
    a.Label = "a";
    b.Label = "b";
    c.Label = "c";
    manager.RegisterTheme(ThemeClass<TAlphaTestTheme>());
    manager.RegisterTheme(ThemeClass<TBetaTestTheme>());
  }
  void TearDown() override { events.clear(); }

  // Only what client a heard, and what was freed.
  std::vector<std::string> SeenByA() const {
    std::vector<std::string> out;
    for (const std::string& e : events)
      if (e.rfind("a:", 0) == 0 || e.rfind("freed", 0) == 0) out.push_back(e);
    return out;
  }

  TteThemeManager manager;
  TTestClient a{nullptr}, b{nullptr}, c{nullptr};
};

using Events = std::vector<std::string>;

TEST_F(ThemeManagerTest, ChangingThemesSendsItsCodesAndFreesTheOldThemeFirst) {
  manager.ChangeTheme(Named(std::make_unique<TAlphaTestTheme>(), "one"));
  EXPECT_EQ(SeenByA(), (Events{"a:1", "a:3", "a:2"}));
  events.clear();
  manager.ChangeTheme(Named(std::make_unique<TAlphaTestTheme>(), "two"));
  EXPECT_EQ(SeenByA(), (Events{"a:1", "freed one", "a:0", "a:2"}));
  EXPECT_EQ(manager.CurrentTheme()->ThemeName, "two");

  events.clear();
  manager.ChangeTheme(ThemeClass<TBetaTestTheme>());
  EXPECT_EQ(SeenByA(), (Events{"a:1", "freed two", "a:0", "a:2"}));
  EXPECT_EQ(manager.CurrentTheme()->ClassName(), "TBetaTestTheme");

  // By display name, ignoring case; an unknown name leaves no theme but still notifies.
  events.clear();
  manager.ChangeTheme(std::string("alpha THEME"));
  EXPECT_EQ(SeenByA(), (Events{"a:1", "freed Default theme", "a:0", "a:2"}));
  EXPECT_EQ(manager.CurrentTheme()->ClassName(), "TAlphaTestTheme");
  events.clear();
  manager.ChangeTheme(std::string("Gamma"));
  EXPECT_EQ(manager.CurrentTheme(), nullptr);
  EXPECT_EQ(SeenByA(), (Events{"a:1", "freed Default theme", "a:0", "a:2"}));
  events.clear();
  manager.ChangeTheme(std::string("beta theme"));
  EXPECT_EQ(SeenByA(), (Events{"a:1", "a:3", "a:2"}));

  events.clear();
  manager.ReleaseTheme();
  EXPECT_EQ(SeenByA(), (Events{"a:1", "freed Default theme", "a:4", "a:2"}));
  EXPECT_EQ(manager.CurrentTheme(), nullptr);
}

TEST_F(ThemeManagerTest, HandingTheCurrentThemeBackKeepsIt) {
  auto theme = std::make_unique<TAlphaTestTheme>();
  TteTheme* raw = theme.get();
  manager.ChangeTheme(std::move(theme));
  events.clear();
  manager.ChangeTheme(std::unique_ptr<TteTheme>(raw));
  EXPECT_EQ(manager.CurrentTheme(), raw);
  EXPECT_EQ(SeenByA(), (Events{"a:1", "a:0", "a:2"}));
}

TEST_F(ThemeManagerTest, AClientRegistersOnceAndHearsOfACurrentThemeAtOnce) {
  TTestClient late(nullptr);
  late.Label = "late";
  manager.AddNotification(&late);
  EXPECT_TRUE(events.empty());
  manager.RemoveNotification(&late);
  manager.ChangeTheme(std::make_unique<TteTheme>());
  events.clear();
  manager.AddNotification(&late);
  EXPECT_EQ(events, (Events{"late:3"}));
  manager.AddNotification(&late);
  manager.AddNotification(&a);
  EXPECT_EQ(events, (Events{"late:3"}));
  events.clear();
  manager.Broadcast(TM_THEMENOTIFY, tncRepaint, 0);
  EXPECT_EQ(events, (Events{"a:5", "b:5", "c:5", "late:5"}));
}

TEST_F(ThemeManagerTest, ClientsLeavingOrJoiningDuringABroadcast) {
  TTestClient d(nullptr);
  d.Label = "d";
  struct Case {
    const char* what;
    std::function<void()> onA;
    std::function<void()> onB;
    Events first;
    Events next;
  } cases[] = {
      {"a removes b", [&] { manager.RemoveNotification(&b); }, nullptr, {"a:5", "c:5"}, {"a:5", "c:5"}},
      {"b removes itself",
       nullptr,
       [&] { manager.RemoveNotification(&b); },
       {"a:5", "b:5", "c:5"},
       {"a:5", "c:5"}},
      {"b removes a, which was called already",
       nullptr,
       [&] { manager.RemoveNotification(&a); },
       {"a:5", "b:5", "c:5"},
       {"b:5", "c:5"}},
      {"a adds d",
       [&] { manager.AddNotification(&d); },
       nullptr,
       {"a:5", "b:5", "c:5"},
       {"a:5", "b:5", "c:5", "d:5"}},
      {"a removes and adds back c",
       [&] {
         manager.RemoveNotification(&c);
         manager.AddNotification(&c);
       },
       nullptr,
       {"a:5", "b:5"},
       {"a:5", "b:5", "c:5"}},
  };
  for (const Case& k : cases) {
    for (auto* x : {&a, &b, &c, &d}) manager.RemoveNotification(x);
    for (auto* x : {&a, &b, &c}) manager.AddNotification(x);
    a.OnNotify = k.onA;
    b.OnNotify = k.onB;
    events.clear();
    manager.Broadcast(TM_THEMENOTIFY, tncRepaint, 0);
    EXPECT_EQ(events, k.first) << k.what;
    a.OnNotify = b.OnNotify = nullptr;
    events.clear();
    manager.Broadcast(TM_THEMENOTIFY, tncRepaint, 0);
    EXPECT_EQ(events, k.next) << k.what;
  }
  // A broadcast from inside a broadcast: a client removed in the inner one is not called
  // by the outer one either.
  for (auto* x : {&a, &b, &c, &d}) manager.RemoveNotification(x);
  for (auto* x : {&a, &b, &c}) manager.AddNotification(x);
  a.OnNotify = [&] {
    a.OnNotify = nullptr;
    b.OnNotify = [&] { manager.RemoveNotification(&c); };
    manager.Broadcast(TM_THEMENOTIFY, tncAfterChange, 0);
  };
  events.clear();
  manager.Broadcast(TM_THEMENOTIFY, tncBeforeChange, 0);
  EXPECT_EQ(events, (Events{"a:1", "a:2", "b:2", "b:1"}));
  b.OnNotify = nullptr;
}

TEST_F(ThemeManagerTest, ControlsHearThroughPerformAndMissRepaintsWhileHidden) {
  TTestControl shown(nullptr), hidden(nullptr);
  shown.Label = "shown";
  hidden.Label = "hidden";
  hidden.SetVisible(false);
  manager.AddNotification(&shown);
  manager.AddNotification(&hidden);
  events.clear();
  manager.Broadcast(TM_THEMENOTIFY, tncRepaint, 1);
  manager.Broadcast(TM_THEMENOTIFY, tncChanged, 0);
  manager.Broadcast(TM_THEMELINKCHANGED, 0, 0);
  EXPECT_EQ(events, (Events{"a:5+1", "b:5+1", "c:5+1", "shown:5+1", "a:0", "b:0", "c:0", "shown:0",
                            "hidden:0", "a:link", "b:link", "c:link"}));
  manager.RemoveNotification(&shown);
  manager.RemoveNotification(&hidden);
}

TEST_F(ThemeManagerTest, RegistryListsClassesInOrderWithDuplicates) {
  manager.RegisterTheme(ThemeClass<TAlphaTestTheme>());
  ASSERT_EQ(manager.GetThemeCount(), 3);
  EXPECT_EQ(manager.GetTheme(0), ThemeClass<TAlphaTestTheme>());
  EXPECT_EQ(manager.GetTheme(1), ThemeClass<TBetaTestTheme>());
  EXPECT_EQ(manager.GetTheme(3), nullptr);
  EXPECT_EQ(manager.GetTheme(-1), nullptr);
  EXPECT_EQ(manager.GetThemeClass("TBetaTestTheme"), ThemeClass<TBetaTestTheme>());
  EXPECT_EQ(manager.GetThemeClass("tbetatesttheme"), nullptr);
  manager.UnregisterTheme(ThemeClass<TAlphaTestTheme>());
  EXPECT_EQ(manager.GetThemeCount(), 2);
  EXPECT_EQ(manager.GetTheme(0), ThemeClass<TBetaTestTheme>());
}

TEST_F(ThemeManagerTest, ThemeAvailability) {
  manager.UnregisterTheme(ThemeClass<TBetaTestTheme>());
  EXPECT_TRUE(manager.IsThemeAvailable(std::string("ALPHA theme")));
  EXPECT_FALSE(manager.IsThemeAvailable(std::string("Beta Theme")));
  EXPECT_FALSE(manager.IsThemeAvailable(ThemeClass<TBetaTestTheme>()));
  EXPECT_TRUE(manager.IsThemeAvailable(ThemeClass<TAlphaTestTheme>()));
  EXPECT_FALSE(manager.IsThemeAvailable(static_cast<const TteTheme*>(nullptr)));

  // The current theme counts although its class is not registered; a descendant counts
  // for its ancestors' classes.
  manager.ChangeTheme(std::make_unique<TBetaTestTheme>());
  EXPECT_TRUE(manager.IsThemeAvailable(std::string("beta theme")));
  EXPECT_TRUE(manager.IsThemeAvailable(ThemeClass<TBetaTestTheme>()));
  EXPECT_TRUE(manager.IsThemeAvailable(manager.CurrentTheme()));
  TAlphaTestTheme other;
  EXPECT_FALSE(manager.IsThemeAvailable(&other));
  manager.UnregisterTheme(ThemeClass<TAlphaTestTheme>());
  EXPECT_TRUE(manager.IsThemeAvailable(ThemeClass<TAlphaTestTheme>()));
  EXPECT_TRUE(manager.IsThemeAvailable(ThemeClass<TteTheme>()));
}

TEST_F(ThemeManagerTest, DialogFilterAndFileNames) {
  EXPECT_EQ(manager.GetDialogFilter(), "All (*.a;*.b)|*.a;*.b|Alpha skins|*.a|Beta skins|*.b");
  struct Case {
    const char* file;
    TteThemeClass found;
  } cases[] = {{"skin.a", ThemeClass<TAlphaTestTheme>()},
               {"/x/y/SKIN.B", ThemeClass<TBetaTestTheme>()},
               {"dir.a/skin.b", ThemeClass<TBetaTestTheme>()},
               {"skin.c", nullptr},
               {"skin", nullptr}};
  for (const Case& k : cases) EXPECT_EQ(manager.GetThemeByFileName(k.file), k.found) << k.file;

  TteThemeManager bare;
  EXPECT_EQ(bare.GetDialogFilter(), "");
  bare.RegisterTheme(ThemeClass<TteTheme>());
  EXPECT_EQ(bare.GetDialogFilter(), "");
  EXPECT_EQ(bare.GetThemeByFileName("skin.a"), nullptr);
}

TEST_F(ThemeManagerTest, LoadingFromStreamsAskEveryClassFromTheSamePlace) {
  TMemoryStream stream;
  stream.Write("xxBbeta", 7);
  stream.SetPosition(2);
  std::unique_ptr<TteTheme> theme = manager.LoadFromStream(stream);
  ASSERT_TRUE(theme);
  EXPECT_EQ(theme->ClassName(), "TBetaTestTheme");
  EXPECT_EQ(manager.CurrentTheme(), nullptr);

  struct Case {
    std::string bytes;
    const char* loaded;
  } cases[] = {{"Aname", "name"}, {"A", nullptr}, {"Z", nullptr}, {"", nullptr}};
  for (const Case& k : cases) {
    theme.reset();
    events.clear();
    TMemoryStream s;
    s.Write(k.bytes.data(), int32_t(k.bytes.size()));
    s.SetPosition(0);
    theme = manager.LoadFromStream(s);
    if (!k.loaded) {
      EXPECT_FALSE(theme) << k.bytes;
    } else {
      ASSERT_TRUE(theme) << k.bytes;
      EXPECT_EQ(theme->ThemeName, k.loaded);
    }
    // The theme made for a damaged stream is freed, not leaked.
    bool accepted = !k.bytes.empty() && k.bytes[0] == 'A';
    EXPECT_EQ(events, accepted && !k.loaded ? Events{"freed Default theme"} : Events{}) << k.bytes;
  }
}

TEST_F(ThemeManagerTest, LoadingFromFilesByExtensionOrContents) {
  namespace fs = std::filesystem;
  fs::path dir = fs::path(::testing::TempDir()) / ("theme-files-" + std::to_string(getpid()));
  fs::create_directories(dir);
  auto write = [&](const std::string& name, const std::string& bytes) {
    std::ofstream(dir / name, std::ios::binary) << bytes;
    return (dir / name).string();
  };
  // By its extension a file goes to its class's own loader; without one it is recognised
  // by its contents.
  std::unique_ptr<TteTheme> theme = manager.LoadFromFile(write("one.A", "Afile"));
  ASSERT_TRUE(theme);
  EXPECT_EQ(theme->ThemeName, "file");
  theme = manager.LoadFromFile(write("two.bin", "Ablob"));
  ASSERT_TRUE(theme);
  EXPECT_EQ(theme->ThemeName, "blob");
  EXPECT_FALSE(manager.LoadFromFile(write("three.b", "Aname")));
  EXPECT_FALSE(manager.LoadFromFile(""));
  EXPECT_FALSE(manager.LoadFromFile((dir / "missing.a").string()));
  EXPECT_FALSE(manager.LoadFromFile("C:missing.a"));
  EXPECT_FALSE(manager.LoadFromFile("q"));
  EXPECT_FALSE(manager.LoadFromFile(dir.string()));

  // A relative name that is not found here is looked for beside the program.
  std::error_code error;
  fs::path beside =
      platform::process::Program_File(error).parent_path() /
      ("beside-" + std::to_string(std::chrono::steady_clock::now().time_since_epoch().count()) + ".a");
  ASSERT_FALSE(error);
  std::ofstream(beside, std::ios::binary) << "Abeside";
  theme = manager.LoadFromFile(beside.filename().string());
  fs::remove(beside);
  ASSERT_TRUE(theme);
  EXPECT_EQ(theme->ThemeName, "beside");

  // Only a class that can save writes.
  theme->ThemeName = "saved";
  TMemoryStream out;
  manager.SaveToStream(theme.get(), out);
  EXPECT_EQ(out.Size(), 6);
  TBetaTestTheme beta;
  manager.SaveToStream(&beta, out);
  manager.SaveToStream(nullptr, out);
  EXPECT_EQ(out.Size(), 6);
  manager.SaveToFile(theme.get(), (dir / "saved.a").string());
  theme = manager.LoadFromFile((dir / "saved.a").string());
  ASSERT_TRUE(theme);
  EXPECT_EQ(theme->ThemeName, "saved");
  fs::remove_all(dir);
}

// The unit's manager: registered classes, the current theme and the services on it.
class ThemeServicesTest : public ::testing::Test {
protected:
  void SetUp() override {
    RegisterTheme(ThemeClass<TAlphaTestTheme>());
    RegisterTheme(ThemeClass<TBetaTestTheme>());
  }
  void TearDown() override {
    ReleaseTheme();
    UnregisterTheme(ThemeClass<TAlphaTestTheme>());
    UnregisterTheme(ThemeClass<TBetaTestTheme>());
    events.clear();
  }
};

TEST_F(ThemeServicesTest, StartsWithTheBaseThemeRegisteredFirstAndNoCurrentTheme) {
  EXPECT_EQ(GetThemeClass("TteTheme"), ThemeClass<TteTheme>());
  EXPECT_EQ(ThemeManager()->GetTheme(0), ThemeClass<TteTheme>());
  EXPECT_EQ(CurrentTheme(), nullptr);
  EXPECT_EQ(GetThemeLink(nullptr), nullptr);
  EXPECT_FALSE(IsObjectDefined(kbscButton, "default", nullptr));
}

TEST_F(ThemeServicesTest, ObjectsAreDefinedThroughTheLinkAloneOrTheCurrentThemeWithItsDefault) {
  TTestLink link(nullptr);
  link.Theme = std::make_unique<TBetaTestTheme>();
  ChangeTheme(std::make_unique<TAlphaTestTheme>());
  struct Case {
    const char* name;
    bool linked;
    bool defined;
  } cases[] = {
      {"default", true, true},  {"shiny", true, false}, {"unknown", true, false},
      {"default", false, true}, {"shiny", false, true}, {"unknown", false, true},
  };
  for (const Case& k : cases) {
    EXPECT_EQ(IsObjectDefined(kbscButton, k.name, k.linked ? &link : nullptr), k.defined)
        << k.name << (k.linked ? " linked" : "");
  }
  EXPECT_EQ(GetThemeLink(&link), link.Theme.get());
  EXPECT_EQ(GetThemeLink(nullptr), CurrentTheme());
  // Families the theme lacks: no fall-back rescues them.
  EXPECT_TRUE(IsObjectDefined(kwscStandard, "unknown", nullptr));
  EXPECT_FALSE(IsObjectDefined(kwscMessage, "default", nullptr));
  EXPECT_FALSE(IsObjectDefined(kwscMessage, "default", &link));
  EXPECT_TRUE(IsObjectDefined(zqscScrollBar, "anything", &link));
  // A link without a theme gives way to the current theme.
  link.Theme.reset();
  EXPECT_TRUE(IsObjectDefined(kbscButton, "shiny", &link));
  EXPECT_EQ(GetThemeLink(&link), CurrentTheme());
  ReleaseTheme();
  EXPECT_FALSE(IsObjectDefined(kbscButton, "default", &link));
  EXPECT_FALSE(IsObjectDefined(kgscGrid, "default", nullptr));
}

TEST_F(ThemeServicesTest, MarginsComeFromTheCurrentThemesClientRectangle) {
  TteTheme owner;
  TteThemeMetrics* metrics = owner.Metrics();
  EXPECT_EQ(metrics->GetMargin(ktmiWindowStandard), Margin(0, 0, 0, 0));
  ChangeTheme(std::make_unique<TteTheme>());
  EXPECT_EQ(metrics->GetMargin(ktmiWindowDialog), Margin(4, 22, 4, 4));
  // Not the metrics' own theme: the current one answers, and a subclass it lacks falls
  // back to the standard window.
  ChangeTheme(std::make_unique<TAlphaTestTheme>());
  EXPECT_EQ(metrics->GetMargin(ktmiWindowStandard), Margin(6, 26, 5, 4));
  EXPECT_EQ(metrics->GetMargin(ktmiWindowToolWindow), Margin(6, 26, 5, 4));
}

// A theme whose window client rectangle lies at the far ends of int.
class TFarClientTheme : public TteTheme {
  Z5T8_CLASS(TFarClientTheme, TteTheme)
  Z5T8_THEME_CLASS(TFarClientTheme)

public:
  bool IsWindowDefined(TteWindowSubclass, const std::string&) override { return true; }
  TRect WindowGetClientRect(TteWindowSubclass, const TRect&, const std::string&) override {
    return {INT_MIN, 3, INT_MIN, -10};
  }
};
Z5T8_IMPLEMENT_CLASS(TFarClientTheme, TteTheme) {}

TEST_F(ThemeServicesTest, MarginsOfAFarClientRectangleSaturate) {
  TteTheme owner;
  ChangeTheme(std::make_unique<TFarClientTheme>());
  EXPECT_EQ(owner.Metrics()->GetMargin(ktmiWindowStandard), Margin(INT_MIN, 3, INT_MAX, 410));
  ReleaseTheme();
}

TEST_F(ThemeServicesTest, HueAndBrightnessRepaintOnlyWhenSomethingChanges) {
  TTestClient client(nullptr);
  client.Label = "c";
  AddThemeNotification(&client);
  ChangeThemeHue(10);
  EXPECT_TRUE(events.empty()) << "no current theme";
  ChangeTheme(std::make_unique<TteTheme>());
  events.clear();
  ChangeThemeHue(0);
  ChangeThemeHueAndBrightness(0, 0);
  EXPECT_TRUE(events.empty());
  ChangeThemeHue(10);
  ChangeThemeBrightness(-5);
  EXPECT_EQ(CurrentTheme()->DeltaHue(), 10);
  EXPECT_EQ(CurrentTheme()->DeltaBrightness(), -5);
  ChangeThemeHueAndBrightness(3, 4);
  EXPECT_EQ(CurrentTheme()->DeltaHue(), 3);
  ResetThemeColors();
  EXPECT_EQ(CurrentTheme()->DeltaHue(), 0);
  EXPECT_EQ(CurrentTheme()->DeltaBrightness(), 0);
  ResetTheme();
  RepaintThemedControls();
  UpdateThemedControls();
  TTestLink link(nullptr);
  UpdateLinkedControls(&link);
  EXPECT_EQ(events, (Events{"c:5+1", "c:5+1", "c:5+1", "c:5+1", "c:5+1", "c:5", "c:0", "c:link"}));
  RemoveThemeNotification(&client);
}

TEST_F(ThemeServicesTest, CopiesAreMadeThroughTheRegisteredClass) {
  TAlphaTestTheme original;
  original.ThemeName = "original";
  original.Colors()->SetColor(ktcWindow, 0x123456);
  std::unique_ptr<TteTheme> copy = original.CreateCopy();
  ASSERT_TRUE(copy);
  EXPECT_NE(copy.get(), &original);
  EXPECT_EQ(copy->ClassName(), "TAlphaTestTheme");
  EXPECT_EQ(copy->ThemeName, "original");
  EXPECT_EQ(copy->Colors()->GetColor(ktcWindow), 0x123456u);
  UnregisterTheme(ThemeClass<TAlphaTestTheme>());
  EXPECT_FALSE(original.CreateCopy());
}

TEST_F(ThemeServicesTest, WritingStateAtDesignTimeUnthemesTheComponentAround) {
  TTestClient designed(nullptr), running(nullptr);
  designed.Label = "designed";
  running.Label = "running";
  designed.SetDesigning(true);
  BeforeWriteState(&designed);
  EXPECT_TRUE(events.empty()) << "no current theme";
  ChangeTheme(std::make_unique<TteTheme>());
  BeforeWriteState(&designed);
  BeforeWriteState(&running);
  AfterWriteState(&running);
  AfterWriteState(&designed);
  EXPECT_EQ(events, (Events{"designed:4", "designed:3"}));
}

// The manager's hidden window turns the platform's notices into repaints.
class ThemeManagerWindowIntegration : public ThemeServicesTest {
protected:
  void TearDown() override {
    ThemeServicesTest::TearDown();
    platform::gui::ShutdownWindowSystem();
  }
};

TEST_F(ThemeManagerWindowIntegration, PlatformNoticesBecomeRepaints) {
  namespace pg = platform::gui;
  pg::UseHeadlessBackend();
  ASSERT_TRUE(pg::IsWindow(ThemeManager()->Handle()));
  TTestClient client(nullptr);
  client.Label = "c";
  AddThemeNotification(&client);
  pg::Headless().setScreenSize({800, 600});
  pg::SendMessageW(pg::HWND_BROADCAST, pg::WM_SYSCOLORCHANGE, 0, 0);
  pg::SendMessageW(pg::HWND_BROADCAST, pg::WM_THEMECHANGED, 0, 0);
  pg::SendMessageW(pg::HWND_BROADCAST, pg::WM_SETTINGCHANGE, 0, 0);
  EXPECT_EQ(events, (Events{"c:5", "c:5", "c:5"}));
  RemoveThemeNotification(&client);
}

}  // namespace
}  // namespace z5t8::skin::theme
