#include "platform/gui/Input.h"
#include "platform/gui/NotifyIcon.h"
#include "platform/gui/WindowManager.h"
#include "platform/gui/Region.h"
#include "platform/gui/VirtualKeys.h"
#include "platform/gui/tests/win32/SystemWindows.h"
#include "platform/gui/tests/WindowTestSupport.h"
#include "platform/gui/win32/Win32Backend.h"

namespace z5t8::platform::gui::testing {
namespace {

// The system's message numbers, as it posts them to its windows.
constexpr unsigned kSysKeyDown = 0x0104, kSysKeyUp = 0x0105, kKeyDown = 0x0100, kLButtonDown = 0x0201,
                   kLButtonUp = 0x0202, kClose = 0x0010, kCancelMode = 0x001F;

constexpr ColorRef kBackground = RGB(0xC8, 0x20, 0x30);

// Our windows on real system windows.
class Win32BackendIntegration : public WindowTest {
protected:
  void SetUp() override {
    current() = this;
    std::string error;
    std::unique_ptr<Backend> b = OpenWin32Backend(error);
    ASSERT_TRUE(b) << error;
    UseBackend(std::move(b));
    WNDCLASSEXW wc;
    wc.lpfnWndProc = &recordingProc;
    wc.hCursor = LoadCursorW(IDC_ARROW);
    wc.hbrBackground = Brush::solid(kBackground);
    wc.lpszClassName = u"TestWindow";
    ASSERT_NE(RegisterClassExW(wc), 0);
    // No frame of the system's: client and window coincide on both sides.
    h = topLevel(100, 120, 200, 150, WS_POPUP | WS_VISIBLE);
    SetActiveWindow(h);
    pump();
    native = system::FindOurWindow(u"Test");
    ASSERT_NE(native, nullptr);
    log.clear();
  }

  // What the system posts, handed over as a program's loop would.
  void post(unsigned msg, uintptr_t wp, intptr_t lp) {
    system::Post(native, msg, wp, lp);
    pump();
  }

  HWND h = nullptr;
  void* native = nullptr;
};

TEST_F(Win32BackendIntegration, SystemMouseInputArrivesAtOurWindowAtItsPoint) {
  // Window coordinates on the system's side become screen coordinates and
  // then our client coordinates again: a wrong origin moves the click.
  post(kLButtonDown, 0, MAKELPARAM(30, 40));
  post(kLButtonUp, 0, MAKELPARAM(30, 40));
  std::vector<Logged> downs = only(WM_LBUTTONDOWN), ups = only(WM_LBUTTONUP);
  ASSERT_EQ(downs.size(), 1u);
  ASSERT_EQ(ups.size(), 1u);
  EXPECT_EQ(downs[0].hwnd, h);
  EXPECT_EQ(GET_X_LPARAM(downs[0].lp), 30);
  EXPECT_EQ(GET_Y_LPARAM(downs[0].lp), 40);
}

TEST_F(Win32BackendIntegration, KeysReachOurWindowManagerAndAltF4ClosesThroughIt) {
  constexpr intptr_t kAlt = intptr_t(1) << 29;
  post(kKeyDown, VK_DELETE, 0x01530001);
  ASSERT_EQ(only(WM_KEYDOWN).size(), 1u);
  EXPECT_EQ(only(WM_KEYDOWN)[0].wp, WPARAM(VK_DELETE));
  // The system's own handling would run its menu loop or close the window
  // itself; ours turns Alt+F4 into our close command.
  post(kSysKeyDown, VK_MENU, kAlt | 0x00380001);
  post(kSysKeyDown, VK_F4, kAlt | 0x003E0001);
  bool closeCommand = false;
  for (const Logged& l : only(WM_SYSCOMMAND)) closeCommand |= (l.wp & 0xFFF0) == SC_CLOSE;
  EXPECT_TRUE(closeCommand);
  EXPECT_EQ(only(WM_CLOSE).size(), 1u);
  post(kSysKeyUp, VK_F4, kAlt | 0xC03E0001);
}

TEST_F(Win32BackendIntegration, CloseFromOutsideBecomesOurCloseCommand) {
  handlers[h] = [](HWND, UINT m, WPARAM, LPARAM) -> std::optional<LRESULT> {
    if (m == WM_CLOSE) return 0;  // kept open, as a program asking first would
    return std::nullopt;
  };
  post(kClose, 0, 0);
  ASSERT_EQ(only(WM_SYSCOMMAND).size(), 1u);
  EXPECT_EQ(only(WM_SYSCOMMAND)[0].wp & 0xFFF0, WPARAM(SC_CLOSE));
  EXPECT_TRUE(IsWindow(h));
  EXPECT_NE(system::FindOurWindow(u"Test"), nullptr);
}

TEST_F(Win32BackendIntegration, SystemEndingTheCaptureEndsOursWithCaptureChanged) {
  SetCapture(h);
  pump();
  log.clear();
  void* other = system::TakeCapture();
  pump();
  EXPECT_EQ(GetCapture(), nullptr);
  ASSERT_EQ(only(WM_CAPTURECHANGED).size(), 1u);
  EXPECT_EQ(only(WM_CAPTURECHANGED)[0].hwnd, h);
  system::DestroyOther(other);

  // The system asking the window to end its mode (a box of another program
  // coming up) ends a drag just as cleanly.
  SetCapture(h);
  pump();
  log.clear();
  post(kCancelMode, 0, 0);
  EXPECT_EQ(only(WM_CANCELMODE).size(), 1u);
  EXPECT_EQ(only(WM_CAPTURECHANGED).size(), 1u);
  EXPECT_EQ(GetCapture(), nullptr);
}

TEST_F(Win32BackendIntegration, WindowRegionBecomesTheSystemWindowsRegion) {
  EXPECT_TRUE(system::InRegion(native, 0, 0));
  Region shape = Region::roundRect({0, 0, 201, 151}, 16, 16);
  SetWindowRgn(h, &shape, TRUE);
  pump();
  EXPECT_FALSE(system::InRegion(native, 0, 0));
  EXPECT_TRUE(system::InRegion(native, 100, 2));
  EXPECT_TRUE(system::InRegion(native, 0, 75));
  SetWindowRgn(h, nullptr, TRUE);
  pump();
  EXPECT_TRUE(system::InRegion(native, 0, 0));
}

TEST_F(Win32BackendIntegration, MinimizingAndRestoringGoBothWays) {
  // From the system (the task bar) to us, and from us to the system.
  system::Minimize(native, true);
  pump();
  EXPECT_TRUE(IsIconic(h));
  system::Minimize(native, false);
  pump();
  EXPECT_FALSE(IsIconic(h));
  ShowWindow(h, SW_MINIMIZE);
  pump();
  EXPECT_TRUE(system::IsMinimized(native));
  ShowWindow(h, SW_RESTORE);
  pump();
  EXPECT_FALSE(system::IsMinimized(native));
}

TEST_F(Win32BackendIntegration, NotificationAreaIconTakesTheShellsMouseMessages) {
  ASSERT_TRUE(HasNotifyArea());
  constexpr UINT kCallback = WM_USER + 7;
  NOTIFYICONDATAW d;
  d.hWnd = h;
  d.uID = 3;
  d.uFlags = NIF_MESSAGE | NIF_TIP;
  d.uCallbackMessage = kCallback;
  d.szTip[0] = u'Z';
  ASSERT_TRUE(Shell_NotifyIconW(NIM_ADD, &d));
  // The first icon of the session has the backend's first key.
  const NotifyIconRecord* record = nullptr;
  for (const NotifyIconRecord& r : wm().notifyIcons)
    if (r.hwnd == h) record = &r;
  ASSERT_NE(record, nullptr);
  int key = record->key;
  for (unsigned mouse : {kLButtonDown, kLButtonUp, 0x0204u /* right down */, 0x0205u /* right up */}) {
    ASSERT_TRUE(system::PostNotifyIconMouse(key, mouse));
    pump();
  }
  std::vector<LPARAM> got;
  for (const Logged& l : only(kCallback)) {
    EXPECT_EQ(l.wp, WPARAM(3));
    got.push_back(l.lp);
  }
  EXPECT_EQ(got, (std::vector<LPARAM>{WM_LBUTTONDOWN, WM_LBUTTONUP, WM_RBUTTONDOWN, WM_RBUTTONUP}));
  EXPECT_TRUE(Shell_NotifyIconW(NIM_DELETE, &d));
}

TEST_F(Win32BackendIntegration, ScreenReadShowsOurPaintedWindowOnTheDisplay) {
  // What the window presents reaches the display, and the screen read gives
  // it back: the frame's screen copy rests on both.
  Surface seen;
  bool painted = false;
  for (int attempt = 0; attempt < 50 && !painted; ++attempt) {
    pump();
    ASSERT_TRUE(wm().backend().readScreen(rectFromSize(150, 170, 20, 20), seen));
    painted = seen.pixel(0, 0) == (pixelFromColor(kBackground) | 0xFF000000u);
    if (!painted) wm().backend().sleep(20);
  }
  ASSERT_TRUE(painted) << std::hex << seen.pixel(0, 0);
  EXPECT_EQ(seen.width(), 20);
  EXPECT_EQ(seen.pixel(19, 19), seen.pixel(0, 0));
  // Beside the window, the empty display.
  ASSERT_TRUE(wm().backend().readScreen(rectFromSize(20, 20, 4, 4), seen));
  EXPECT_NE(seen.pixel(0, 0), pixelFromColor(kBackground) | 0xFF000000u);
}

}  // namespace
}  // namespace z5t8::platform::gui::testing
