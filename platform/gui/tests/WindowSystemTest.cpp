#include "platform/gui/Input.h"
#include "platform/gui/Paint.h"
#include "platform/gui/Snapshot.h"
#include "platform/gui/SystemParameters.h"
#include "platform/gui/VirtualKeys.h"
#include "platform/gui/tests/WindowTestSupport.h"

namespace z5t8::platform::gui::testing {
namespace {

using namespace headless;

class WindowSystemIntegration : public WindowTest {};

TEST_F(WindowSystemIntegration, ClassicMetricsAndTheLightScheme) {
  struct Metric {
    int index;
    int value;
  } metrics[] = {{SM_CYCAPTION, 19}, {SM_CXFRAME, 4},   {SM_CYVTHUMB, 16}, {SM_CXSMICON, 16},
                 {SM_CXVSCROLL, 16}, {SM_CXSIZE, 18},   {SM_CXEDGE, 2},    {SM_CXSCREEN, 1024},
                 {SM_CYSCREEN, 768}, {SM_CMONITORS, 1}, {12345, 0}};
  for (const Metric& m : metrics) EXPECT_EQ(GetSystemMetrics(m.index), m.value) << m.index;
  EXPECT_EQ(GetSysColor(COLOR_BTNFACE), RGB(0xE8, 0xED, 0xF2)) << "Aqua's window colour";
  EXPECT_EQ(GetSysColor(COLOR_HIGHLIGHT), RGB(0x3D, 0x7B, 0xD9)) << "Aqua's accent";
  EXPECT_EQ(GetSysColor(COLOR_BTNSHADOW), RGB(0xAA, 0xBA, 0xC8));
  EXPECT_EQ(GetSysColor(-1), 0u);
  int delay = -1, speed = -1;
  SystemParametersInfoW(SPI_GETKEYBOARDDELAY, 0, &delay, 0);
  SystemParametersInfoW(SPI_GETKEYBOARDSPEED, 0, &speed, 0);
  EXPECT_EQ(delay, 1);
  EXPECT_EQ(speed, 31);
  Rect work;
  ASSERT_TRUE(SystemParametersInfoW(SPI_GETWORKAREA, 0, &work, 0));
  EXPECT_EQ(work, (Rect{0, 0, 1024, 738}));
  EXPECT_FALSE(SystemParametersInfoW(SPI_GETWORKAREA, 0, nullptr, 0));
}

TEST_F(WindowSystemIntegration, BroadcastReachesEveryTopLevelWindowOnly) {
  HWND a = topLevel(0, 0, 100, 100);
  HWND hidden = topLevel(0, 0, 100, 100, WS_POPUP);
  HWND c = child(a, 0, 0, 10, 10);
  log.clear();
  SendMessageW(HWND_BROADCAST, 2048, 3, 0);
  std::vector<HWND> got;
  for (const Logged& l : only(2048)) got.push_back(l.hwnd);
  EXPECT_EQ(got.size(), 2u);
  EXPECT_NE(std::find(got.begin(), got.end(), hidden), got.end());
  EXPECT_EQ(std::find(got.begin(), got.end(), c), got.end());
}

TEST_F(WindowSystemIntegration, RedrawFlagsPaintNowOrLater) {
  HWND top = topLevel(0, 0, 200, 200, WS_POPUP | WS_VISIBLE | WS_CLIPCHILDREN);
  HWND c = child(top, 10, 10, 50, 50);
  pump();
  struct Case {
    UINT flags;
    std::vector<HWND> paintedAtOnce;
    std::vector<HWND> paintedLater;
  } cases[] = {
      {RDW_INVALIDATE, {}, {top}},
      {RDW_INVALIDATE | RDW_ALLCHILDREN, {}, {top, c}},
      {RDW_INVALIDATE | RDW_UPDATENOW, {top}, {}},
      {RDW_INVALIDATE | RDW_UPDATENOW | RDW_ALLCHILDREN, {top, c}, {}},
  };
  for (const Case& k : cases) {
    log.clear();
    RedrawWindow(top, nullptr, nullptr, k.flags);
    std::vector<HWND> now;
    for (const Logged& l : only(WM_PAINT)) now.push_back(l.hwnd);
    EXPECT_EQ(now, k.paintedAtOnce) << k.flags;
    log.clear();
    pump();
    std::vector<HWND> later;
    for (const Logged& l : only(WM_PAINT)) later.push_back(l.hwnd);
    EXPECT_EQ(later, k.paintedLater) << k.flags;
  }
}

TEST_F(WindowSystemIntegration, ContextsReachOnlyWhatIsVisible) {
  HWND top = topLevel(0, 0, 200, 200, WS_POPUP | WS_VISIBLE);
  HWND c = child(top, 20, 20, 60, 60, WS_CHILD | WS_VISIBLE | WS_BORDER);
  child(top, 50, 50, 60, 60, WS_CHILD | WS_VISIBLE);
  SetWindowLongPtrW(c, GWL_STYLE, GetWindowLongPtrW(c, GWL_STYLE) | WS_CLIPSIBLINGS);
  pump();
  DeviceContext* dc = GetDC(c);
  dc->fillRect({-50, -50, 500, 500}, Brush::solid(RGB(1, 2, 3)));
  ReleaseDC(c, dc);
  Surface img = WindowImage(top);
  auto colour = [&](int x, int y) { return colorFromPixel(img.pixel(x, y)); };
  EXPECT_EQ(colour(30, 30), RGB(1, 2, 3));
  EXPECT_NE(colour(20, 20), RGB(1, 2, 3)) << "the border is not the client area";
  EXPECT_NE(colour(60, 60), RGB(1, 2, 3)) << "the sibling above is clipped out";
  EXPECT_NE(colour(90, 30), RGB(1, 2, 3));
  dc = GetWindowDC(c);
  dc->fillRect({-50, -50, 500, 500}, Brush::solid(RGB(4, 5, 6)));
  ReleaseDC(c, dc);
  img = WindowImage(top);
  EXPECT_EQ(colour(20, 20), RGB(4, 5, 6));
  EXPECT_NE(colour(19, 19), RGB(4, 5, 6));
}

TEST_F(WindowSystemIntegration, OutlineDragDrawsOnTheScreenContext) {
  SystemParametersInfoW(SPI_SETDRAGFULLWINDOWS, FALSE, nullptr, 0);
  HWND h = topLevel(100, 100, 300, 200);
  pump();
  Surface before = ScreenImage();
  MoveMouse(200, 110);
  PressButton();
  MoveMouse(260, 150);
  pump();
  Surface during = ScreenImage();
  Rect r;
  GetWindowRect(h, &r);
  EXPECT_EQ(r.left, 100) << "an outline drag leaves the window until the release";
  // The outline's left edge now runs at x 160..163 from y 140 down.
  EXPECT_EQ(during.pixel(161, 200) & 0xFFFFFF, ~before.pixel(161, 200) & 0xFFFFFF);
  ReleaseButton();
  pump();
  GetWindowRect(h, &r);
  EXPECT_EQ(r, (Rect{160, 140, 460, 340}));
  Surface after = ScreenImage();
  EXPECT_EQ(after.pixel(500, 500), before.pixel(500, 500));
  EXPECT_EQ(after.pixel(161, 400), before.pixel(161, 400)) << "the outline is gone";
}

TEST_F(WindowSystemIntegration, AltKeysMakeSystemCommandsAndWheelGoesToTheFocus) {
  HWND h = topLevel(0, 0, 200, 200);
  HWND c = child(h, 0, 0, 50, 50);
  SetFocus(c);
  pump();
  struct Case {
    std::vector<std::pair<int, bool>> keys;
    LPARAM expected;
  } cases[] = {
      {{{VK_MENU, true}, {VK_MENU, false}}, 0},
      {{{VK_MENU, true}, {VK_SPACE, true}, {VK_SPACE, false}, {VK_MENU, false}}, LPARAM(u' ')},
      {{{VK_MENU, true}, {'X', true}, {'X', false}, {VK_MENU, false}}, LPARAM(u'x')},
  };
  for (const Case& k : cases) {
    log.clear();
    for (auto [vk, down] : k.keys) down ? PressKey(vk) : ReleaseKey(vk);
    pump();
    auto sys = only(WM_SYSCOMMAND);
    ASSERT_EQ(sys.size(), 1u);
    EXPECT_EQ(sys[0].hwnd, h);
    EXPECT_EQ(sys[0].wp, WPARAM(SC_KEYMENU));
    EXPECT_EQ(sys[0].lp, k.expected);
  }
  log.clear();
  MoveMouse(150, 150);
  Wheel(-WHEEL_DELTA);
  pump();
  auto wheel = only(WM_MOUSEWHEEL);
  ASSERT_EQ(wheel.size(), 2u) << "the focus gets it and hands it to its parent";
  EXPECT_EQ(wheel[0].hwnd, c);
  EXPECT_EQ(GET_WHEEL_DELTA_WPARAM(wheel[0].wp), -WHEEL_DELTA);
  EXPECT_EQ(wheel[1].hwnd, h);
}

}  // namespace
}  // namespace z5t8::platform::gui::testing
