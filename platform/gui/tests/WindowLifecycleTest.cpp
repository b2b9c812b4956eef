#include "platform/gui/Input.h"
#include "platform/gui/Paint.h"
#include "platform/gui/ScrollBar.h"
#include "platform/gui/Timer.h"
#include "platform/gui/tests/WindowTestSupport.h"

namespace z5t8::platform::gui::testing {
namespace {

class WindowLifecycleIntegration : public WindowTest {};

TEST_F(WindowLifecycleIntegration, TopLevelCreateShowPaintDestroyInOrder) {
  HWND h = topLevel(100, 100, 300, 200);
  ASSERT_TRUE(IsWindow(h));
  pump();
  std::vector<UINT> expected{WM_GETMINMAXINFO, WM_NCCREATE,   WM_NCCALCSIZE,       WM_CREATE,
                             WM_SIZE,          WM_MOVE,       WM_SHOWWINDOW,       WM_WINDOWPOSCHANGING,
                             WM_ACTIVATEAPP,   WM_NCACTIVATE, WM_ACTIVATE,         WM_SETFOCUS,
                             WM_NCPAINT,       WM_ERASEBKGND, WM_WINDOWPOSCHANGED, WM_PAINT};
  EXPECT_EQ(messagesOf(h), expected);
  EXPECT_EQ(GetActiveWindow(), h);
  EXPECT_EQ(GetFocus(), h);

  log.clear();
  ASSERT_TRUE(SetWindowPos(h, nullptr, 0, 0, 320, 240, SWP_NOMOVE | SWP_NOZORDER));
  std::vector<UINT> sized{WM_GETMINMAXINFO, WM_WINDOWPOSCHANGING, WM_NCCALCSIZE, WM_NCPAINT,
                          WM_ERASEBKGND,    WM_WINDOWPOSCHANGED,  WM_SIZE};
  EXPECT_EQ(messagesOf(h), sized);
  Rect c;
  GetClientRect(h, &c);
  // The classic frame: 4-pixel borders and a 19-pixel caption.
  EXPECT_EQ(c, (Rect{0, 0, 320 - 8, 240 - 8 - 19}));
  auto sizeMsg = only(WM_SIZE).back();
  EXPECT_EQ(sizeMsg.lp, MAKELPARAM(312, 213));

  log.clear();
  ASSERT_TRUE(DestroyWindow(h));
  std::vector<UINT> destroyed{WM_WINDOWPOSCHANGING, WM_NCACTIVATE,       WM_ACTIVATE, WM_KILLFOCUS,
                              WM_ACTIVATEAPP,       WM_WINDOWPOSCHANGED, WM_DESTROY,  WM_NCDESTROY};
  EXPECT_EQ(messagesOf(h), destroyed);
  EXPECT_FALSE(IsWindow(h));
  EXPECT_EQ(GetActiveWindow(), nullptr);
}

TEST_F(WindowLifecycleIntegration, ChildrenGoFirstOnNcDestroyAndLastOnDestroy) {
  HWND top = topLevel(0, 0, 200, 200);
  HWND a = child(top, 0, 0, 50, 50);
  HWND b = child(a, 0, 0, 20, 20);
  log.clear();
  DestroyWindow(top);
  std::vector<HWND> destroyOrder, ncOrder;
  for (const Logged& l : log) {
    if (l.msg == WM_DESTROY) destroyOrder.push_back(l.hwnd);
    if (l.msg == WM_NCDESTROY) ncOrder.push_back(l.hwnd);
  }
  EXPECT_EQ(destroyOrder, (std::vector<HWND>{top, a, b}));
  EXPECT_EQ(ncOrder, (std::vector<HWND>{b, a, top}));
  EXPECT_FALSE(IsWindow(a));
  EXPECT_FALSE(IsWindow(b));
}

TEST_F(WindowLifecycleIntegration, CreateFailsWhenCreateAnswersMinusOne) {
  anyHandler = [](HWND, UINT m, WPARAM, LPARAM) -> std::optional<LRESULT> {
    if (m == WM_CREATE) return -1;
    return std::nullopt;
  };
  HWND h = topLevel(0, 0, 100, 100);
  EXPECT_EQ(h, nullptr);
  EXPECT_FALSE(only(WM_NCDESTROY).empty());
}

TEST_F(WindowLifecycleIntegration, SubclassingChainsToThePreviousProcedure) {
  HWND h = topLevel(0, 0, 100, 100, WS_OVERLAPPEDWINDOW);
  static WNDPROC previous = nullptr;
  static int seen = 0;
  seen = 0;
  WNDPROC hook = [](HWND w, UINT m, WPARAM wp, LPARAM lp) -> LRESULT {
    if (m == WM_USER + 1) {
      ++seen;
      return 42;
    }
    return CallWindowProcW(previous, w, m, wp, lp);
  };
  previous = reinterpret_cast<WNDPROC>(SetWindowLongPtrW(h, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(hook)));
  EXPECT_EQ(SendMessageW(h, WM_USER + 1, 0, 0), 42);
  EXPECT_EQ(seen, 1);
  log.clear();
  SetWindowTextW(h, u"Changed");
  EXPECT_EQ(messagesOf(h), std::vector<UINT>{WM_SETTEXT});
  char16_t buf[32];
  EXPECT_EQ(GetWindowTextW(h, buf, 32), 7);
  EXPECT_EQ(std::u16string(buf), u"Changed");
  EXPECT_EQ(GetWindowTextW(h, buf, 4), 3);
  EXPECT_EQ(std::u16string(buf), u"Cha");
}

TEST_F(WindowLifecycleIntegration, MinMaxInfoLimitsSizing) {
  anyHandler = [](HWND, UINT m, WPARAM, LPARAM lp) -> std::optional<LRESULT> {
    if (m == WM_GETMINMAXINFO) {
      auto* mmi = reinterpret_cast<MINMAXINFO*>(lp);
      mmi->ptMinTrackSize = {150, 120};
      mmi->ptMaxTrackSize = {400, 300};
      return 0;
    }
    return std::nullopt;
  };
  HWND h = topLevel(10, 10, 100, 100);
  Rect r;
  GetWindowRect(h, &r);
  EXPECT_EQ(r, (Rect{10, 10, 160, 130}));
  SetWindowPos(h, nullptr, 0, 0, 900, 900, SWP_NOMOVE | SWP_NOZORDER);
  GetWindowRect(h, &r);
  EXPECT_EQ(r, (Rect{10, 10, 410, 310}));
}

// A frame that keeps only a title band answers WM_GETMINMAXINFO with a lower
// minimum; the size a window procedure sees in WM_WINDOWPOSCHANGING is already
// the one the answer allows.
TEST_F(WindowLifecycleIntegration, WindowPosChangingSeesTheSizeRaisedToTheAnsweredMinimum) {
  std::optional<Point> minimum;
  std::vector<Size> changing;
  anyHandler = [&](HWND, UINT m, WPARAM, LPARAM lp) -> std::optional<LRESULT> {
    if (m == WM_GETMINMAXINFO && minimum) {
      reinterpret_cast<MINMAXINFO*>(lp)->ptMinTrackSize = *minimum;
      return 0;
    }
    if (m == WM_WINDOWPOSCHANGING) {
      const auto* wp = reinterpret_cast<const WINDOWPOS*>(lp);
      if (!(wp->flags & SWP_NOSIZE)) changing.push_back({wp->cx, wp->cy});
    }
    return std::nullopt;
  };
  HWND h = topLevel(10, 10, 300, 200);
  struct Case {
    std::optional<Point> minimum;
    Size asked;
    Size seen;
  };
  const Case cases[] = {
      {std::nullopt, {300, 24}, {300, GetSystemMetrics(SM_CYMINTRACK)}},
      {std::nullopt, {50, 100}, {GetSystemMetrics(SM_CXMINTRACK), 100}},
      {Point{140, 24}, {300, 24}, {300, 24}},
      {Point{140, 24}, {300, 10}, {300, 24}},
      {Point{140, 24}, {100, 24}, {140, 24}},
  };
  for (const Case& c : cases) {
    minimum = c.minimum;
    changing.clear();
    SetWindowPos(h, nullptr, 0, 0, c.asked.cx, c.asked.cy, SWP_NOMOVE | SWP_NOZORDER);
    ASSERT_EQ(changing.size(), 1u);
    EXPECT_EQ(changing[0].cx, c.seen.cx) << c.asked.cx << "x" << c.asked.cy;
    EXPECT_EQ(changing[0].cy, c.seen.cy) << c.asked.cx << "x" << c.asked.cy;
    Rect r;
    GetWindowRect(h, &r);
    EXPECT_EQ(r.width(), c.seen.cx);
    EXPECT_EQ(r.height(), c.seen.cy);
  }
}

TEST_F(WindowLifecycleIntegration, ShowCommandsMinimizeMaximizeRestore) {
  HWND h = topLevel(50, 60, 300, 200);
  ShowWindow(h, SW_MAXIMIZE);
  EXPECT_TRUE(IsZoomed(h));
  Rect r;
  GetWindowRect(h, &r);
  Rect work;
  SystemParametersInfoW(SPI_GETWORKAREA, 0, &work, 0);
  // The frame falls off the work area, as classic maximized windows do.
  EXPECT_EQ(r, work.inflate(4, 4));
  EXPECT_EQ(only(WM_SIZE).back().wp, WPARAM(SIZE_MAXIMIZED));
  ShowWindow(h, SW_MINIMIZE);
  EXPECT_TRUE(IsIconic(h));
  EXPECT_FALSE(IsZoomed(h));
  EXPECT_FALSE(IsWindowVisible(h));
  EXPECT_NE(GetActiveWindow(), h);
  ShowWindow(h, SW_RESTORE);
  EXPECT_TRUE(IsZoomed(h)) << "restoring a window minimized from maximized maximizes it again";
  ShowWindow(h, SW_RESTORE);
  GetWindowRect(h, &r);
  EXPECT_EQ(r, (Rect{50, 60, 350, 260}));
  EXPECT_FALSE(IsZoomed(h) || IsIconic(h));
}

}  // namespace
}  // namespace z5t8::platform::gui::testing

namespace z5t8::platform::gui::testing {
namespace {

class WindowOrderIntegration : public WindowTest {};

TEST_F(WindowOrderIntegration, TopmostAndOwnedWindowsKeepTheirPlaceInTheOrder) {
  HWND a = topLevel(0, 0, 100, 100);
  HWND pinned = topLevel(20, 20, 100, 100, WS_POPUP | WS_VISIBLE, WS_EX_TOPMOST);
  HWND b = topLevel(40, 40, 100, 100);
  HWND owned = topLevel(60, 60, 50, 50, WS_POPUP | WS_VISIBLE, 0, a);
  auto order = [] {
    std::vector<HWND> out;
    for (HWND h = GetTopWindow(nullptr); h; h = GetWindow(h, GW_HWNDNEXT)) out.push_back(h);
    return out;
  };
  EXPECT_EQ(order(), (std::vector<HWND>{pinned, owned, b, a}));
  SetActiveWindow(a);
  EXPECT_EQ(order(), (std::vector<HWND>{pinned, owned, a, b})) << "the owned window stays above its owner";
  SetWindowPos(pinned, HWND_NOTOPMOST, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE | SWP_NOACTIVATE);
  EXPECT_FALSE(GetWindowLongPtrW(pinned, GWL_EXSTYLE) & WS_EX_TOPMOST);
  SetWindowPos(b, HWND_TOPMOST, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE | SWP_NOACTIVATE);
  EXPECT_EQ(order().front(), b);
  EXPECT_EQ(WindowFromPoint({50, 50}), b);
  SetWindowPos(a, HWND_TOP, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE | SWP_NOACTIVATE);
  EXPECT_EQ(order().front(), b) << "a normal window cannot go above a topmost one";
  SetWindowPos(pinned, HWND_BOTTOM, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE | SWP_NOACTIVATE);
  EXPECT_EQ(order().back(), pinned);
}

}  // namespace
}  // namespace z5t8::platform::gui::testing

namespace z5t8::platform::gui::testing {
namespace {

class WindowReentryIntegration : public WindowTest {};

// A window may destroy itself from inside any message the system sends it; the
// system must never touch it afterwards.
TEST_F(WindowReentryIntegration, DestroyingItselfFromAnyMessageIsSafe) {
  const UINT messages[] = {
      WM_CREATE,           WM_SIZE,          WM_MOVE,       WM_SHOWWINDOW,     WM_WINDOWPOSCHANGING,
      WM_WINDOWPOSCHANGED, WM_ACTIVATE,      WM_NCACTIVATE, WM_SETFOCUS,       WM_NCPAINT,
      WM_ERASEBKGND,       WM_PAINT,         WM_NCHITTEST,  WM_SETCURSOR,      WM_MOUSEACTIVATE,
      WM_NCLBUTTONDOWN,    WM_ENTERSIZEMOVE, WM_MOVING,     WM_CAPTURECHANGED, WM_GETMINMAXINFO,
      WM_NCCALCSIZE,       WM_LBUTTONDOWN,   WM_KILLFOCUS,  WM_VSCROLL,        WM_EXITSIZEMOVE,
      WM_SYSCOMMAND};
  for (UINT target : messages) {
    HWND other = topLevel(500, 500, 100, 100);
    bool fired = false;
    anyHandler = [&](HWND h, UINT m, WPARAM, LPARAM) -> std::optional<LRESULT> {
      if (m == target && h != other && !fired) {
        fired = true;
        DestroyWindow(h);
        return 0;
      }
      return std::nullopt;
    };
    HWND h = topLevel(100, 100, 300, 200, WS_OVERLAPPEDWINDOW | WS_VISIBLE | WS_VSCROLL);
    if (IsWindow(h)) SetScrollRange(h, SB_VERT, 0, 100, TRUE);
    if (IsWindow(h)) {
      SetActiveWindow(other);
      headless::Click(200, 200);
      pump();
    }
    if (IsWindow(h)) {
      headless::AdvanceClock(1000);
      headless::MoveMouse(200, 110);
      headless::PressButton();
      headless::MoveMouse(220, 130);
      headless::ReleaseButton();
      pump();
      headless::Click(200, 200);
      pump();
    }
    // The down arrow of the bar, held for a few repeats, then the close button.
    if (IsWindow(h)) {
      Rect r;
      GetWindowRect(h, &r);
      headless::AdvanceClock(1000);
      headless::MoveMouse(r.right - 12, r.bottom - 8);
      headless::PressButton();
      pump();
      headless::AdvanceClock(400);
      pump();
      headless::ReleaseButton();
      pump();
    }
    if (IsWindow(h)) {
      Rect r;
      GetWindowRect(h, &r);
      headless::AdvanceClock(1000);
      headless::Click(r.right - 15, r.top + 12);
      pump();
    }
    if (IsWindow(h)) {
      SetFocus(other);
      pump();
    }
    EXPECT_TRUE(fired) << target;
    EXPECT_FALSE(IsWindow(h)) << target;
    anyHandler = nullptr;
    DestroyWindow(other);
    EXPECT_EQ(GetCapture(), nullptr) << target;
  }
}

TEST_F(WindowReentryIntegration, ChildAndParentDestroyingEachOtherMidMessageIsSafe) {
  const std::vector<UINT> childMessages{
      WM_PAINT, WM_ERASEBKGND,       WM_NCPAINT, WM_SETFOCUS,   WM_KILLFOCUS, WM_LBUTTONDOWN,   WM_MOUSEMOVE,
      WM_TIMER, WM_WINDOWPOSCHANGED, WM_SIZE,    WM_SHOWWINDOW, WM_SETCURSOR, WM_CAPTURECHANGED};
  // What the parent gets while its child is busy.
  const std::vector<UINT> parentMessages{WM_PAINT,     WM_ERASEBKGND, WM_NCPAINT,   WM_SETFOCUS,
                                         WM_KILLFOCUS, WM_TIMER,      WM_SETCURSOR, WM_MOUSEACTIVATE};
  for (bool childKillsParent : {true, false}) {
    for (UINT target : childKillsParent ? childMessages : parentMessages) {
      HWND top = topLevel(100, 100, 300, 200);
      HWND c = child(top, 20, 20, 100, 80, WS_CHILD | WS_VISIBLE | WS_BORDER);
      HWND other = child(top, 150, 20, 100, 80);
      bool fired = false;
      anyHandler = [&](HWND h, UINT m, WPARAM, LPARAM) -> std::optional<LRESULT> {
        HWND who = childKillsParent ? c : top;
        if (m == target && h == who && !fired) {
          fired = true;
          DestroyWindow(childKillsParent ? top : c);
          return 0;
        }
        if (m == WM_LBUTTONDOWN && h == c) SetCapture(c);
        if (m == WM_LBUTTONUP && h == c) ReleaseCapture();
        return std::nullopt;
      };
      SetTimer(c, 1, 50, nullptr);
      SetTimer(top, 1, 50, nullptr);
      for (int round = 0; round < 2 && IsWindow(top) && IsWindow(c); ++round) {
        SetActiveWindow(nullptr);
        headless::AdvanceClock(1000);
        headless::MoveMouse(140, 160);
        headless::PressButton();
        headless::MoveMouse(145, 165);
        headless::ReleaseButton();
        pump();
        if (IsWindow(c)) SetFocus(c);
        if (IsWindow(top)) SetFocus(top);
        if (IsWindow(other)) SetFocus(other);
        if (IsWindow(c)) ShowWindow(c, SW_HIDE);
        if (IsWindow(c)) ShowWindow(c, SW_SHOW);
        if (IsWindow(c)) MoveWindow(c, 25, 25, 90 + round, 70, TRUE);
        if (IsWindow(top)) RedrawWindow(top, nullptr, nullptr, RDW_INVALIDATE | RDW_ERASE | RDW_FRAME);
        headless::AdvanceClock(100);
        pump();
      }
      EXPECT_TRUE(fired) << target << " " << childKillsParent;
      EXPECT_FALSE(IsWindow(childKillsParent ? top : c)) << target;
      anyHandler = nullptr;
      if (IsWindow(top)) DestroyWindow(top);
      EXPECT_EQ(GetCapture(), nullptr);
    }
  }
}

}  // namespace
}  // namespace z5t8::platform::gui::testing
