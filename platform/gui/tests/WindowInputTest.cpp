#include "platform/gui/Backend.h"
#include "platform/gui/Caret.h"
#include "platform/gui/Input.h"
#include "platform/gui/Paint.h"
#include "platform/gui/Timer.h"
#include "platform/gui/VirtualKeys.h"
#include "platform/gui/tests/WindowTestSupport.h"

namespace z5t8::platform::gui::testing {
namespace {

using namespace headless;

class WindowInputIntegration : public WindowTest {
protected:
  std::vector<Logged> mouseMessages() const {
    std::vector<Logged> out;
    for (const Logged& l : log) {
      bool client = l.msg >= WM_MOUSEFIRST && l.msg <= WM_MOUSELAST;
      bool nc = l.msg >= WM_NCMOUSEMOVE && l.msg <= WM_NCMBUTTONDBLCLK;
      if (client || nc || l.msg == WM_MOUSELEAVE || l.msg == WM_NCMOUSELEAVE || l.msg == WM_CAPTURECHANGED)
        out.push_back(l);
    }
    return out;
  }
};

TEST_F(WindowInputIntegration, HitTestRoutesToClientAndFrameMessages) {
  // Frame 4, caption 19: the client starts at (104, 123) on the screen.
  HWND h = topLevel(100, 100, 300, 200);
  HWND c = child(h, 20, 30, 50, 40);
  pump();
  struct Case {
    Point at;
    HWND hwnd;
    UINT msg;
    WPARAM wp;
    LPARAM lp;
  } cases[] = {
      {{150, 110}, h, WM_NCLBUTTONDOWN, HTCAPTION, MAKELPARAM(150, 110)},
      {{101, 200}, h, WM_NCLBUTTONDOWN, HTLEFT, MAKELPARAM(101, 200)},
      {{398, 298}, h, WM_NCLBUTTONDOWN, HTBOTTOMRIGHT, MAKELPARAM(398, 298)},
      {{200, 200}, h, WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(96, 77)},
      {{130, 160}, c, WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(6, 7)},
  };
  for (const Case& k : cases) {
    log.clear();
    MoveMouse(k.at.x, k.at.y);
    PressButton();
    pump();
    auto downs = only(k.msg);
    ASSERT_EQ(downs.size(), 1u) << k.at.x << "," << k.at.y;
    EXPECT_EQ(downs[0].hwnd, k.hwnd);
    EXPECT_EQ(downs[0].wp, k.wp);
    EXPECT_EQ(downs[0].lp, k.lp);
    ReleaseButton();
    pump();
    if (GetCapture()) ReleaseCapture();
    AdvanceClock(1000);
  }
}

TEST_F(WindowInputIntegration, SetCursorAsksParentsAndPicksFrameShapes) {
  HWND h = topLevel(100, 100, 300, 200);
  pump();
  MoveMouse(101, 200);
  pump();
  EXPECT_EQ(Headless().cursorShape(), IDC_SIZEWE);
  MoveMouse(200, 200);
  pump();
  EXPECT_EQ(Headless().cursorShape(), IDC_ARROW);
  auto sc = only(WM_SETCURSOR);
  ASSERT_FALSE(sc.empty());
  EXPECT_EQ(sc.back().hwnd, h);
  EXPECT_EQ(sc.back().lp, MAKELPARAM(HTCLIENT, WM_MOUSEMOVE));
}

TEST_F(WindowInputIntegration, CaptureGetsEverythingUntilReleased) {
  HWND a = topLevel(0, 0, 200, 200, WS_POPUP | WS_VISIBLE);
  HWND b = topLevel(300, 0, 200, 200, WS_POPUP | WS_VISIBLE);
  handlers[a] = [](HWND w, UINT m, WPARAM, LPARAM) -> std::optional<LRESULT> {
    if (m == WM_LBUTTONDOWN) SetCapture(w);
    if (m == WM_LBUTTONUP) ReleaseCapture();
    return std::nullopt;
  };
  pump();
  log.clear();
  Click(50, 50);
  pump();
  AdvanceClock(1000);
  log.clear();
  PressButton();
  MoveMouse(350, 50);
  pump();
  EXPECT_EQ(GetCapture(), a);
  EXPECT_EQ(Headless().pointerGrab(), a);
  auto moves = only(WM_MOUSEMOVE);
  ASSERT_FALSE(moves.empty());
  EXPECT_EQ(moves.back().hwnd, a);
  EXPECT_EQ(moves.back().lp, MAKELPARAM(350, 50)) << "client coordinates of the captured window";
  EXPECT_TRUE(messagesOf(b).empty());
  ReleaseButton();
  pump();
  EXPECT_EQ(GetCapture(), nullptr);
  auto changed = only(WM_CAPTURECHANGED);
  ASSERT_EQ(changed.size(), 1u);
  EXPECT_EQ(changed[0].hwnd, a);

  SetCapture(a);
  log.clear();
  SetCapture(b);
  changed = only(WM_CAPTURECHANGED);
  ASSERT_EQ(changed.size(), 1u);
  EXPECT_EQ(changed[0].hwnd, a);
  EXPECT_EQ(changed[0].lp, reinterpret_cast<LPARAM>(b));
}

// Where the system takes the mouse from a window that holds it, the holder
// hears of it: a modal box disabling its owner cancels the owner's mode first,
// and another program coming to the front ends the capture as well.
TEST_F(WindowInputIntegration, SystemEndsCaptureWithCancelModeAndCaptureChanged) {
  struct Case {
    const char* what;
    void (*take)(HWND top);
    bool cancelMode;
  } cases[] = {
      {"owner disabled", [](HWND top) { EnableWindow(top, FALSE); }, true},
      {"another program focused", [](HWND top) { NotifyFocusChanged(top, false); }, false},
      {"hidden", [](HWND top) { ShowWindow(top, SW_HIDE); }, false},
  };
  for (const Case& k : cases) {
    HWND top = topLevel(100, 100, 300, 200);
    HWND c = child(top, 20, 30, 50, 40);
    SetActiveWindow(top);
    pump();
    SetCapture(c);
    ASSERT_EQ(Headless().pointerGrab(), top) << k.what;
    log.clear();
    k.take(top);
    pump();
    EXPECT_EQ(GetCapture(), nullptr) << k.what;
    EXPECT_EQ(Headless().pointerGrab(), nullptr) << k.what;
    std::vector<std::pair<HWND, UINT>> seen;
    for (const Logged& l : log)
      if (l.msg == WM_CANCELMODE || l.msg == WM_CAPTURECHANGED) seen.push_back({l.hwnd, l.msg});
    std::vector<std::pair<HWND, UINT>> expected;
    if (k.cancelMode) expected.push_back({top, WM_CANCELMODE});
    expected.push_back({c, WM_CAPTURECHANGED});
    EXPECT_EQ(seen, expected) << k.what;
    DestroyWindow(top);
    pump();
  }
}

TEST_F(WindowInputIntegration, MouseLeaveForClientAndFrame) {
  HWND h = topLevel(100, 100, 300, 200);
  HWND c = child(h, 20, 30, 50, 40);
  pump();
  MoveMouse(130, 160);
  pump();
  TRACKMOUSEEVENT t;
  t.dwFlags = TME_LEAVE;
  t.hwndTrack = c;
  TrackMouseEvent(&t);
  log.clear();
  MoveMouse(135, 165);
  pump();
  EXPECT_TRUE(only(WM_MOUSELEAVE).empty());
  MoveMouse(200, 200);
  pump();
  auto leaves = only(WM_MOUSELEAVE);
  ASSERT_EQ(leaves.size(), 1u);
  EXPECT_EQ(leaves[0].hwnd, c);

  MoveMouse(150, 110);
  pump();
  t.dwFlags = TME_LEAVE | TME_NONCLIENT;
  t.hwndTrack = h;
  TrackMouseEvent(&t);
  log.clear();
  MoveMouse(200, 200);
  pump();
  auto ncLeaves = only(WM_NCMOUSELEAVE);
  ASSERT_EQ(ncLeaves.size(), 1u) << "into the client area ends frame tracking";
  EXPECT_EQ(ncLeaves[0].hwnd, h);
  // Tracking a window the mouse is not over answers at once.
  t.dwFlags = TME_LEAVE;
  t.hwndTrack = c;
  log.clear();
  TrackMouseEvent(&t);
  pump();
  EXPECT_EQ(only(WM_MOUSELEAVE).size(), 1u);
}

TEST_F(WindowInputIntegration, WindowRegionDecidesWhereTheWindowIs) {
  HWND under = topLevel(0, 0, 300, 300, WS_POPUP | WS_VISIBLE);
  HWND shaped = topLevel(50, 50, 100, 100, WS_POPUP | WS_VISIBLE);
  Region r = Region::ellipse({0, 0, 100, 100});
  SetWindowRgn(shaped, &r, TRUE);
  pump();
  EXPECT_EQ(WindowFromPoint({100, 100}), shaped);
  EXPECT_EQ(WindowFromPoint({52, 52}), under) << "the corner lies outside the ellipse";
  log.clear();
  Click(52, 52);
  pump();
  EXPECT_EQ(only(WM_LBUTTONDOWN).at(0).hwnd, under);
}

TEST_F(WindowInputIntegration, DoubleClicksNeedTheClassStyleTimeAndPlace) {
  topLevel(0, 0, 200, 200, WS_POPUP | WS_VISIBLE);
  pump();
  struct Case {
    uint32_t gap;
    int dx;
    bool dbl;
  } cases[] = {{100, 0, true}, {100, 1, true}, {600, 0, false}, {100, 5, false}};
  for (const Case& k : cases) {
    AdvanceClock(2000);
    log.clear();
    Click(50, 50);
    AdvanceClock(k.gap);
    Click(50 + k.dx, 50);
    pump();
    EXPECT_EQ(only(WM_LBUTTONDBLCLK).size(), k.dbl ? 1u : 0u) << k.gap << " " << k.dx;
    EXPECT_EQ(only(WM_LBUTTONDOWN).size(), k.dbl ? 1u : 2u);
  }
}

TEST_F(WindowInputIntegration, KeysGoToTheFocusAndTranslateToUtf16Characters) {
  HWND h = topLevel(0, 0, 200, 200);
  HWND edit = child(h, 10, 10, 50, 20);
  SetFocus(edit);
  pump();
  log.clear();
  TypeText(u"aB");
  QueueKey(0xE7, 0, false, true, u"\u4e2d");
  pump();
  std::u16string typed;
  for (const Logged& l : only(WM_CHAR)) {
    EXPECT_EQ(l.hwnd, edit);
    typed += char16_t(l.wp);
  }
  EXPECT_EQ(typed, u"aB\u4e2d");
  auto downs = only(WM_KEYDOWN);
  ASSERT_GE(downs.size(), 3u);
  EXPECT_EQ(downs[0].wp, WPARAM('A'));
  EXPECT_EQ(downs[1].wp, WPARAM(VK_SHIFT));
  PressKey(VK_SHIFT);
  pump();
  EXPECT_LT(GetKeyState(VK_SHIFT), 0);
  ReleaseKey(VK_SHIFT);
  pump();
  EXPECT_GE(GetKeyState(VK_SHIFT), 0);
}

TEST_F(WindowInputIntegration, FocusMovesWithKillAndSetFocus) {
  HWND h = topLevel(0, 0, 200, 200);
  HWND a = child(h, 0, 0, 20, 20);
  HWND b = child(h, 30, 0, 20, 20);
  SetFocus(a);
  log.clear();
  EXPECT_EQ(SetFocus(b), a);
  ASSERT_EQ(log.size(), 2u);
  EXPECT_EQ(log[0].hwnd, a);
  EXPECT_EQ(log[0].msg, UINT(WM_KILLFOCUS));
  EXPECT_EQ(log[0].wp, reinterpret_cast<WPARAM>(b));
  EXPECT_EQ(log[1].hwnd, b);
  EXPECT_EQ(log[1].msg, UINT(WM_SETFOCUS));
  EXPECT_EQ(log[1].wp, reinterpret_cast<WPARAM>(a));
  EnableWindow(b, FALSE);
  EXPECT_EQ(GetFocus(), nullptr) << "disabling the focus window takes the focus away";
  EXPECT_EQ(SetFocus(b), nullptr);
}

TEST_F(WindowInputIntegration, ActivationMessagesBetweenTwoWindows) {
  HWND a = topLevel(0, 0, 200, 200);
  HWND b = topLevel(300, 0, 200, 200);
  EXPECT_EQ(GetActiveWindow(), b);
  pump();
  log.clear();
  Click(50, 50);
  pump();
  EXPECT_EQ(GetActiveWindow(), a);
  std::vector<std::pair<HWND, UINT>> seen;
  for (const Logged& l : log) {
    if (l.msg == WM_NCACTIVATE || l.msg == WM_ACTIVATE || l.msg == WM_MOUSEACTIVATE || l.msg == WM_SETFOCUS ||
        l.msg == WM_KILLFOCUS)
      seen.push_back({l.hwnd, l.msg});
  }
  std::vector<std::pair<HWND, UINT>> expected{{a, WM_MOUSEACTIVATE}, {b, WM_NCACTIVATE}, {b, WM_ACTIVATE},
                                              {a, WM_NCACTIVATE},    {a, WM_ACTIVATE},   {b, WM_KILLFOCUS},
                                              {a, WM_SETFOCUS}};
  EXPECT_EQ(seen, expected);
  auto act = only(WM_ACTIVATE);
  EXPECT_EQ(LOWORD(act[1].wp), WA_CLICKACTIVE);
  EXPECT_EQ(GetTopWindow(nullptr), a);
}

TEST_F(WindowInputIntegration, AltF4ClosesTheActiveWindow) {
  HWND h = topLevel(0, 0, 200, 200);
  HWND c = child(h, 0, 0, 20, 20);
  SetFocus(c);
  pump();
  log.clear();
  PressKey(VK_MENU);
  PressKey(VK_F4);
  ReleaseKey(VK_F4);
  ReleaseKey(VK_MENU);
  pump();
  EXPECT_FALSE(IsWindow(h));
  auto sys = only(WM_SYSCOMMAND);
  ASSERT_EQ(sys.size(), 1u);
  EXPECT_EQ(sys[0].hwnd, h);
  EXPECT_EQ(sys[0].wp, WPARAM(SC_CLOSE));
  EXPECT_EQ(only(WM_CLOSE).size(), 1u);
}

TEST_F(WindowInputIntegration, ModalLoopWithDisabledOwner) {
  HWND owner = topLevel(0, 0, 300, 300);
  pump();
  HWND dialog = topLevel(50, 50, 150, 100, WS_POPUP | WS_CAPTION | WS_SYSMENU | WS_VISIBLE, 0, owner);
  EnableWindow(owner, FALSE);
  EXPECT_EQ(GetParent(dialog), owner);
  bool done = false;
  handlers[dialog] = [&](HWND, UINT m, WPARAM, LPARAM) -> std::optional<LRESULT> {
    if (m == WM_CLOSE) {
      done = true;
      return 0;
    }
    return std::nullopt;
  };
  // Clicks on the owner do nothing but bring the dialog forward.
  SetActiveWindow(owner);
  EXPECT_EQ(GetActiveWindow(), dialog) << "a disabled window cannot be activated";
  Click(250, 250);
  PressKey(VK_MENU);
  TypeKey(VK_F4);
  ReleaseKey(VK_MENU);
  MSG msg;
  int taken = 0;
  while (!done && GetMessageW(&msg, nullptr, 0, 0) > 0) {
    ++taken;
    TranslateMessage(&msg);
    DispatchMessageW(&msg);
  }
  EXPECT_TRUE(done);
  for (const Logged& l : log) {
    EXPECT_FALSE(l.hwnd == owner && l.msg == WM_LBUTTONDOWN);
  }
  EnableWindow(owner, TRUE);
  DestroyWindow(dialog);
  EXPECT_EQ(GetActiveWindow(), owner) << "the owner gets the activation back";
}

TEST_F(WindowInputIntegration, TimersRunOnTheControllableClock) {
  HWND h = topLevel(0, 0, 100, 100, WS_POPUP | WS_VISIBLE);
  pump();
  SetTimer(h, 7, 100, nullptr);
  SetTimer(h, 8, 250, nullptr);
  log.clear();
  AdvanceClock(99);
  pump();
  EXPECT_TRUE(only(WM_TIMER).empty());
  AdvanceClock(1);
  pump();
  ASSERT_EQ(only(WM_TIMER).size(), 1u);
  EXPECT_EQ(only(WM_TIMER)[0].wp, 7u);
  // A late timer fires once, not once per missed interval.
  AdvanceClock(1000);
  pump();
  EXPECT_EQ(only(WM_TIMER).size(), 3u);
  KillTimer(h, 7);
  log.clear();
  DWORD start = GetTickCount();
  MSG msg;
  ASSERT_EQ(GetMessageW(&msg, nullptr, 0, 0), 1) << "waiting jumps the clock to the next timer";
  EXPECT_EQ(msg.message, UINT(WM_TIMER));
  EXPECT_EQ(msg.wParam, 8u);
  EXPECT_EQ(GetTickCount() - start, 250u);
  KillTimer(h, 8);
  static int calls = 0;
  calls = 0;
  uintptr_t id = SetTimer(nullptr, 0, 40, [](HWND, UINT, uintptr_t, DWORD) { ++calls; });
  EXPECT_NE(id, 0u);
  AdvanceClock(40);
  pump();
  EXPECT_EQ(calls, 1) << "a window-less timer calls its procedure";
  KillTimer(nullptr, id);
  EXPECT_EQ(GetMessageW(&msg, nullptr, 0, 0), -1) << "nothing can come any more";
  HWND gone = topLevel(0, 0, 10, 10, WS_POPUP);
  DestroyWindow(gone);
  SetTimer(h, 9, 10, nullptr);
  EXPECT_EQ(GetMessageW(&msg, gone, 0, 0), -1) << "a window that is gone gets nothing";
}

TEST_F(WindowInputIntegration, CaretBlinksAndHidesDuringPaint) {
  HWND h = topLevel(0, 0, 100, 100, WS_POPUP | WS_VISIBLE);
  pump();
  CreateCaret(h, 2, 10);
  SetCaretPos(5, 5);
  ShowCaret(h);
  EXPECT_TRUE(CaretIsDrawn());
  AdvanceClock(GetCaretBlinkTime());
  pump();
  EXPECT_FALSE(CaretIsDrawn());
  AdvanceClock(GetCaretBlinkTime());
  pump();
  EXPECT_TRUE(CaretIsDrawn());
  HideCaret(h);
  EXPECT_FALSE(CaretIsDrawn());
  DestroyCaret();
}

}  // namespace
}  // namespace z5t8::platform::gui::testing
