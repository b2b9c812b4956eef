#include <gtest/gtest.h>

#include <sys/stat.h>
#include <unistd.h>

#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <functional>
#include <optional>
#include <string>
#include <vector>

#include "platform/gui/Backend.h"
#include "platform/gui/DefWindowProc.h"
#include "platform/gui/MessageQueue.h"
#include "platform/gui/MessageWindow.h"
#include "platform/gui/SystemMetrics.h"
#include "platform/gui/NotifyIcon.h"
#include "platform/gui/Icon.h"
#include "platform/gui/Paint.h"
#include "platform/gui/Input.h"
#include "platform/gui/Timer.h"
#include "platform/gui/VirtualKeys.h"
#include "platform/gui/Window.h"
#include "platform/gui/x11/X11Backend.h"
#include "platform/gui/testing/XSession.h"

#include <X11/Xatom.h>
#include <X11/Xlib.h>
#include <X11/Xutil.h>
#include <X11/extensions/Xrandr.h>
#include <X11/extensions/shape.h>

namespace z5t8::platform::gui {
namespace {

struct Seen {
  UINT msg;
  WPARAM wp;
  LPARAM lp;
};
std::vector<Seen> seen;

LRESULT recordingProc(HWND h, UINT msg, WPARAM wp, LPARAM lp) {
  seen.push_back({msg, wp, lp});
  if (msg == WM_PAINT) {
    PAINTSTRUCT ps;
    DeviceContext* dc = BeginPaint(h, &ps);
    Rect c;
    GetClientRect(h, &c);
    dc->fillRect(c, Brush::solid(RGB(255, 0, 0)));
    EndPaint(h, &ps);
    return 0;
  }
  return DefWindowProcW(h, msg, wp, lp);
}

class X11E2e : public ::testing::Test {
protected:
  void SetUp() override {
    if (std::string tool = testing::XSession::MissingTool({}); !tool.empty())
      GTEST_SKIP() << tool << " is needed";
    if (system("command -v xdotool >/dev/null 2>&1") != 0) GTEST_SKIP() << "xdotool is needed";
    server_.emplace();
    ASSERT_TRUE(server_->Started()) << server_->Error();
    std::string error;
    auto backend = OpenX11Backend(server_->Display(), error);
    ASSERT_TRUE(backend) << error;
    UseBackend(std::move(backend));
    probe_ = XOpenDisplay(server_->Display().c_str());
    ASSERT_NE(probe_, nullptr);
    seen.clear();
  }
  void TearDown() override {
    ShutdownWindowSystem();
    if (probe_) XCloseDisplay(probe_);
  }

  // Runs the message loop until `done` or a few seconds pass.
  bool pumpUntil(HWND h, const std::function<bool()>& done) {
    SetTimer(h, 99, 20, nullptr);
    auto until = std::chrono::steady_clock::now() + std::chrono::seconds(5);
    while (std::chrono::steady_clock::now() < until) {
      PumpPendingMessages();
      if (done()) return true;
      WaitMessage();
    }
    return false;
  }

  void xdotool(const std::string& args) { ASSERT_EQ(server_->ExitStatus("xdotool " + args), 0) << args; }

  Window findByName(const char* name) {
    Window root = DefaultRootWindow(probe_), parent, *kids = nullptr;
    unsigned n = 0;
    Window found = 0;
    if (XQueryTree(probe_, root, &root, &parent, &kids, &n)) {
      for (unsigned i = 0; i < n && !found; ++i) {
        char* title = nullptr;
        if (XFetchName(probe_, kids[i], &title) && title) {
          if (std::string(title) == name) found = kids[i];
          XFree(title);
        }
      }
      if (kids) XFree(kids);
    }
    return found;
  }

  // Anywhere in the tree, for windows another client took in (a tray's icons).
  Window findAnywhere(Window under, const char* name) {
    Window root, parent, *kids = nullptr;
    unsigned n = 0;
    Window found = 0;
    if (!XQueryTree(probe_, under, &root, &parent, &kids, &n)) return 0;
    for (unsigned i = 0; i < n && !found; ++i) {
      char* title = nullptr;
      if (XFetchName(probe_, kids[i], &title) && title) {
        if (std::string(title) == name) found = kids[i];
        XFree(title);
      }
      if (!found) found = findAnywhere(kids[i], name);
    }
    if (kids) XFree(kids);
    return found;
  }

  Window parentOf(Window w) {
    Window root, parent = 0, *kids = nullptr;
    unsigned n = 0;
    if (XQueryTree(probe_, w, &root, &parent, &kids, &n) && kids) XFree(kids);
    return parent;
  }

  bool viewable(Window w) {
    XWindowAttributes a;
    return XGetWindowAttributes(probe_, w, &a) && a.map_state == IsViewable;
  }

  std::optional<testing::XSession> server_;
  Display* probe_ = nullptr;
};

TEST_F(X11E2e, ShapedWindowAppearsAndTakesClicksAndKeys) {
  WNDCLASSEXW wc;
  wc.lpfnWndProc = recordingProc;
  wc.lpszClassName = u"E2eWindow";
  ASSERT_NE(RegisterClassExW(wc), 0);
  HWND h = CreateWindowExW(0, u"E2eWindow", u"E2e window", WS_POPUP, 120, 80, 200, 150, nullptr, 0, nullptr);
  Region ellipse = Region::ellipse({0, 0, 200, 150});
  SetWindowRgn(h, &ellipse, FALSE);
  ShowWindow(h, SW_SHOW);

  Window xw = 0;
  ASSERT_TRUE(pumpUntil(h, [&] {
    XSync(probe_, False);
    xw = findByName("E2e window");
    if (!xw) return false;
    XWindowAttributes a;
    return XGetWindowAttributes(probe_, xw, &a) && a.map_state == IsViewable;
  }));
  int x = 0, y = 0;
  Window child;
  XTranslateCoordinates(probe_, xw, DefaultRootWindow(probe_), 0, 0, &x, &y, &child);
  EXPECT_EQ(x, 120);
  EXPECT_EQ(y, 80);
  int count = 0, ordering = 0;
  XRectangle* rects = XShapeGetRectangles(probe_, xw, ShapeBounding, &count, &ordering);
  ASSERT_GT(count, 1) << "an ellipse is more than one rectangle";
  int minX = 1000, maxX = 0;
  bool corner = false;
  for (int i = 0; i < count; ++i) {
    minX = std::min<int>(minX, rects[i].x);
    maxX = std::max<int>(maxX, rects[i].x + rects[i].width);
    if (rects[i].x == 0 && rects[i].y == 0) corner = true;
  }
  XFree(rects);
  EXPECT_EQ(minX, 0);
  EXPECT_EQ(maxX, 200);
  EXPECT_FALSE(corner);
  ASSERT_TRUE(pumpUntil(h, [&] {
    XImage* img = XGetImage(probe_, DefaultRootWindow(probe_), 220, 155, 1, 1, AllPlanes, ZPixmap);
    if (!img) return false;
    unsigned long p = XGetPixel(img, 0, 0);
    XDestroyImage(img);
    return (p & 0xFFFFFF) == 0xFF0000;
  })) << "the window's painting reaches the screen";

  seen.clear();
  xdotool("mousemove 150 120 click 1");
  ASSERT_TRUE(pumpUntil(h, [&] {
    for (const Seen& s : seen) {
      if (s.msg == WM_LBUTTONUP) return true;
    }
    return false;
  }));
  bool down = false;
  for (const Seen& s : seen) {
    if (s.msg == WM_LBUTTONDOWN) {
      down = true;
      EXPECT_EQ(s.lp, MAKELPARAM(30, 40));
    }
  }
  EXPECT_TRUE(down);

  seen.clear();
  xdotool("key a");
  ASSERT_TRUE(pumpUntil(h, [&] {
    for (const Seen& s : seen) {
      if (s.msg == WM_CHAR) return true;
    }
    return false;
  }));
  for (const Seen& s : seen) {
    if (s.msg == WM_CHAR) EXPECT_EQ(s.wp, WPARAM(u'a'));
    if (s.msg == WM_KEYDOWN) EXPECT_EQ(s.wp, WPARAM('A'));
  }
}

// Another client shrinks the screen as a display settings tool would. Xvfb offers no
// smaller mode and its output reports 0 mm, which the xrandr program refuses; the same
// requests sent directly (output off, then a new screen size) change the size for real.
bool shrinkScreen(Display* d, int width, int height) {
  Window root = DefaultRootWindow(d);
  XRRScreenResources* res = XRRGetScreenResources(d, root);
  if (!res) return false;
  for (int i = 0; i < res->ncrtc; ++i)
    XRRSetCrtcConfig(d, res, res->crtcs[i], CurrentTime, 0, 0, None, RR_Rotate_0, nullptr, 0);
  XRRFreeScreenResources(res);
  XRRSetScreenSize(d, root, width, height, width / 4, height / 4);
  XSync(d, False);
  return true;
}

TEST_F(X11E2e, ScreenSizeChangeReachesWindowsAsDisplayChange) {
  std::vector<LPARAM> changes;
  MessageWindow listener([&](UINT msg, WPARAM wp, LPARAM lp) -> std::optional<LRESULT> {
    if (msg == WM_DISPLAYCHANGE && wp == 32) changes.push_back(lp);
    return std::nullopt;
  });
  ASSERT_EQ(GetSystemMetrics(SM_CXSCREEN), 800);
  ASSERT_TRUE(shrinkScreen(probe_, 640, 480));
  ASSERT_TRUE(pumpUntil(listener.handle(), [&] { return !changes.empty(); }));
  EXPECT_EQ(changes, std::vector<LPARAM>{MAKELPARAM(640, 480)});
  EXPECT_EQ(GetSystemMetrics(SM_CXSCREEN), 640);
  EXPECT_EQ(GetSystemMetrics(SM_CYSCREEN), 480);
}

// The freedesktop system tray: with a tray manager on the display the icon is
// embedded in it and takes clicks; when the tray goes, the icon does not stay
// behind on the desktop, and callers learn that there is no tray any more.
TEST_F(X11E2e, NotifyIconDocksInTheSystemTrayAndTakesClicks) {
  WNDCLASSEXW wc;
  wc.lpfnWndProc = recordingProc;
  wc.lpszClassName = u"E2eTrayOwner";
  ASSERT_NE(RegisterClassExW(wc), 0);
  HWND h = CreateWindowExW(0, u"E2eTrayOwner", u"Tray owner", WS_POPUP, 0, 0, 10, 10, nullptr, 0, nullptr);
  const Icon icon = Icon::standardApplication(16);
  NOTIFYICONDATAW d;
  d.hWnd = h;
  d.uID = 5;
  d.uFlags = NIF_MESSAGE | NIF_ICON | NIF_TIP;
  d.uCallbackMessage = 1388;
  d.hIcon = &icon;
  std::u16string tip = u"Z5T8 tray icon";
  std::copy(tip.begin(), tip.end(), d.szTip);

  EXPECT_FALSE(HasNotifyArea()) << "no tray manager runs yet";
  EXPECT_FALSE(Shell_NotifyIconW(NIM_ADD, &d));
  if (!testing::XSession::MissingTool({.tray = true}).empty())
    GTEST_SKIP() << "trayer (a tray manager) is needed for the rest";

  ASSERT_TRUE(server_->StartTray());
  ASSERT_TRUE(pumpUntil(h, [&] { return HasNotifyArea() != FALSE; }))
      << "the tray manager owns the selection";
  ASSERT_TRUE(Shell_NotifyIconW(NIM_ADD, &d));
  Window icon_ = 0;
  int x = 0, y = 0;
  ASSERT_TRUE(pumpUntil(h, [&] {
    XSync(probe_, False);
    icon_ = findAnywhere(DefaultRootWindow(probe_), "Z5T8 tray icon");
    if (!icon_ || parentOf(icon_) == DefaultRootWindow(probe_) || !viewable(icon_)) return false;
    // The tray has made room for it on the screen.
    XWindowAttributes a;
    XGetWindowAttributes(probe_, icon_, &a);
    Window child;
    XTranslateCoordinates(probe_, icon_, DefaultRootWindow(probe_), a.width / 2, a.height / 2, &x, &y,
                          &child);
    return a.width >= 16 && a.height >= 16 && x > 0 && x < 800 && y > 0 && y < 600;
  })) << "the tray embeds the icon";

  auto callbacks = [&] {
    std::vector<LPARAM> out;
    for (const Seen& s : seen) {
      if (s.msg == 1388 && s.wp == 5 && s.lp != WM_MOUSEMOVE) out.push_back(s.lp);
    }
    return out;
  };
  seen.clear();
  xdotool("mousemove " + std::to_string(x) + " " + std::to_string(y) + " click 3");
  ASSERT_TRUE(pumpUntil(h, [&] { return callbacks().size() >= 2; }));
  EXPECT_EQ(callbacks(), (std::vector<LPARAM>{WM_RBUTTONDOWN, WM_RBUTTONUP}));
  seen.clear();
  xdotool("click --repeat 2 --delay 80 1");
  ASSERT_TRUE(pumpUntil(h, [&] { return callbacks().size() >= 4; }));
  EXPECT_EQ(callbacks(), (std::vector<LPARAM>{WM_LBUTTONDOWN, WM_LBUTTONUP, WM_LBUTTONDBLCLK, WM_LBUTTONUP}));

  server_->StopTray();
  ASSERT_TRUE(pumpUntil(h, [&] {
    XSync(probe_, False);
    return !HasNotifyArea() && !viewable(icon_);
  })) << "the icon is not left on the desktop";
  // A tray that starts again takes the icon back.
  ASSERT_TRUE(server_->StartTray());
  ASSERT_TRUE(pumpUntil(h, [&] {
    XSync(probe_, False);
    return HasNotifyArea() && parentOf(icon_) != DefaultRootWindow(probe_) && viewable(icon_);
  }));
  EXPECT_TRUE(Shell_NotifyIconW(NIM_DELETE, &d));
  ASSERT_TRUE(pumpUntil(h, [&] {
    XSync(probe_, False);
    return !findAnywhere(DefaultRootWindow(probe_), "Z5T8 tray icon");
  })) << "a deleted icon leaves the tray";
}

TEST_F(X11E2e, MenuStyleWindowsBypassTheWindowManager) {
  WNDCLASSEXW wc;
  wc.lpfnWndProc = recordingProc;
  wc.lpszClassName = u"E2eMenu";
  ASSERT_NE(RegisterClassExW(wc), 0);
  HWND menu = CreateWindowExW(WS_EX_TOOLWINDOW | WS_EX_TOPMOST, u"E2eMenu", u"E2e menu", WS_POPUP, 300, 200,
                              120, 80, nullptr, 0, nullptr);
  HWND plain = CreateWindowExW(0, u"E2eMenu", u"E2e plain", WS_POPUP, 10, 10, 120, 80, nullptr, 0, nullptr);
  ShowWindow(menu, SW_SHOWNOACTIVATE);
  ShowWindow(plain, SW_SHOW);
  Window xm = 0, xp = 0;
  ASSERT_TRUE(pumpUntil(menu, [&] {
    XSync(probe_, False);
    xm = findByName("E2e menu");
    xp = findByName("E2e plain");
    return xm && xp && viewable(xm) && viewable(xp);
  }));
  XWindowAttributes a;
  ASSERT_TRUE(XGetWindowAttributes(probe_, xm, &a));
  EXPECT_TRUE(a.override_redirect);
  EXPECT_EQ(a.x, 300);
  EXPECT_EQ(a.y, 200);
  ASSERT_TRUE(XGetWindowAttributes(probe_, xp, &a));
  EXPECT_FALSE(a.override_redirect);

  // Holding the capture, the menu takes the keyboard as well, though it never
  // has the focus.
  DestroyWindow(plain);
  SetCapture(menu);
  seen.clear();
  xdotool("key Escape");
  ASSERT_TRUE(pumpUntil(menu, [&] {
    for (const Seen& s : seen) {
      if (s.msg == WM_KEYDOWN && s.wp == WPARAM(VK_ESCAPE)) return true;
    }
    return false;
  }));
  ReleaseCapture();
}

TEST_F(X11E2e, WindowDemoRunsAndSnapshotsItself) {
  std::string demo = std::string(Z5T8_BIN_DIR) + "/window-demo";
  if (access(demo.c_str(), X_OK) != 0) GTEST_SKIP() << "window-demo is not built";
  std::string png = ::testing::TempDir() + "window-demo-x11.png";
  std::remove(png.c_str());
  ASSERT_EQ(server_->ExitStatus(demo + " --snapshot " + png), 0);
  struct stat st;
  ASSERT_EQ(stat(png.c_str(), &st), 0);
  EXPECT_GT(st.st_size, 1000);
  std::string headless = demo + " --headless --snapshot " + png;
  EXPECT_EQ(std::system(headless.c_str()), 0);
  std::string noDisplay = "env -u DISPLAY " + demo + " > /dev/null 2>&1";
  EXPECT_NE(std::system(noDisplay.c_str()), 0) << "without a display the program ends with a message";
}

}  // namespace
}  // namespace z5t8::platform::gui
