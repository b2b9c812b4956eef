#include "skin/render/WindowUtils.h"

#include <gtest/gtest.h>

#include "platform/gui/DefWindowProc.h"
#include "platform/gui/Input.h"
#include "platform/gui/SystemParameters.h"
#include "platform/gui/Window.h"
#include "platform/gui/WindowStyles.h"
#include "platform/gui/headless/HeadlessBackend.h"

namespace z5t8::skin::render {
namespace {

namespace pg = platform::gui;

TEST(KeyboardTest, Intervals) {
  struct Case {
    int setting, delay, speed;
  } cases[] = {{0, 200, 435}, {1, 400, 217}, {3, 800, 109}, {31, 800, 14}, {-5, 200, 435}, {99, 800, 14}};
  for (const Case& c : cases) {
    EXPECT_EQ(KeyBoardDelayIntervalFor(c.setting), c.delay) << c.setting;
    EXPECT_EQ(KeyBoardSpeedIntervalFor(c.setting), c.speed) << c.setting;
  }
}

TEST(TextConversionTest, StringToWideString) {
  struct Case {
    unsigned cp;
    std::string text;
    std::u16string want;
  } cases[] = {
      {0, "", u""},
      {0, "abc", u"abc"},
      {65001, "\xE4\xB8\xAD", u"\u4E2D"},
      {1252, "\x80\xE9", u"\u20AC\u00E9"},
      {28591, "\xE9", u"\u00E9"},
      // Not decodable in 1252: the ANSI code page (UTF-8) takes over.
      {1252, "\x81", u"?"},
      {950, "ok", u"ok"},
      {0, "\xFF\xFE", u"??"},
  };
  for (const Case& c : cases) EXPECT_EQ(StringToWideString(c.cp, c.text), c.want) << c.cp << " " << c.text;
}

TEST(PixelFormatTest, ScreenIsThirtyTwoBits) { EXPECT_EQ(GetPixelFormat(), framework::pf32bit); }

class WindowUtilsIntegration : public testing::Test {
protected:
  static void SetUpTestSuite() {
    pg::UseHeadlessBackend({});
    pg::WNDCLASSEXW wc;
    wc.lpfnWndProc = pg::DefWindowProcW;
    wc.lpszClassName = u"RenderTestWindow";
    pg::RegisterClassExW(wc);
  }
  HWND Make(const char16_t* text) {
    HWND w = pg::CreateWindowExW(0, u"RenderTestWindow", text, pg::WS_POPUP | pg::WS_VSCROLL, 0, 0, 50, 40,
                                 nullptr, 0, nullptr);
    windows_.push_back(w);
    return w;
  }
  void TearDown() override {
    for (HWND w : windows_) pg::DestroyWindow(w);
  }
  std::vector<HWND> windows_;
};

TEST_F(WindowUtilsIntegration, NestedCaptureReleasesOnTheLastEnd) {
  HWND a = Make(u"a"), b = Make(u"b");
  CaptureMouse(a);
  CaptureMouse(b);  // only counts
  EXPECT_EQ(pg::GetCapture(), a);
  EndCapture();
  EXPECT_EQ(pg::GetCapture(), a);
  EndCapture();
  EXPECT_EQ(pg::GetCapture(), nullptr);
  EndCapture();  // unbalanced: harmless

  // Another window that took the capture meanwhile keeps it.
  CaptureMouse(a);
  pg::SetCapture(b);
  EndCapture();
  EXPECT_EQ(pg::GetCapture(), b);
  pg::ReleaseCapture();
}

TEST_F(WindowUtilsIntegration, ClassNameTextAndMonitors) {
  HWND w = Make(u"\u4E0B\u8F09");
  EXPECT_EQ(GetWndClassName(w), "RenderTestWindow");
  EXPECT_EQ(GetWndText(w), "\xE4\xB8\x8B\xE8\xBC\x89");
  EXPECT_EQ(GetWndText(nullptr), "");

  Rect r;
  GetRectOfPrimaryMonitor(false, r);
  EXPECT_EQ(r, (Rect{0, 0, 1024, 768}));
  GetRectOfPrimaryMonitor(true, r);
  EXPECT_EQ(r, (Rect{0, 0, 1024, 738}));
  GetRectOfMonitorContainingWindow(w, true, r);
  EXPECT_EQ(r, (Rect{0, 0, 1024, 738}));
  GetRectOfMonitorContainingPoint({5000, 5000}, false, r);
  EXPECT_EQ(r, (Rect{0, 0, 1024, 768}));

  int delay = 0, speed = 0;
  pg::SystemParametersInfoW(pg::SPI_GETKEYBOARDDELAY, 0, &delay, 0);
  pg::SystemParametersInfoW(pg::SPI_GETKEYBOARDSPEED, 0, &speed, 0);
  EXPECT_EQ(GetKeyBoardDelayInterval(), KeyBoardDelayIntervalFor(delay));
  EXPECT_EQ(GetKeyBoardSpeedInterval(), KeyBoardSpeedIntervalFor(speed));
}

}  // namespace
}  // namespace z5t8::skin::render
