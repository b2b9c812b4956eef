#include "platform/gui/Icon.h"
#include "platform/gui/Input.h"
#include "platform/gui/Paint.h"
#include "platform/gui/ScrollBar.h"
#include "platform/gui/VirtualKeys.h"

#include <algorithm>
#include "platform/gui/tests/WindowTestSupport.h"

namespace z5t8::platform::gui::testing {
namespace {

using namespace headless;

class WindowFrameIntegration : public WindowTest {
protected:
  Rect windowRect(HWND h) {
    Rect r;
    GetWindowRect(h, &r);
    return r;
  }
};

TEST_F(WindowFrameIntegration, CaptionDragMovesAndBorderDragSizesWithinTheMinimum) {
  HWND h = topLevel(100, 100, 300, 200);
  pump();
  MoveMouse(200, 110);
  PressButton();
  MoveMouse(230, 120);
  MoveMouse(250, 140);
  ReleaseButton();
  pump();
  EXPECT_EQ(windowRect(h), (Rect{150, 130, 450, 330}));
  EXPECT_EQ(only(WM_ENTERSIZEMOVE).size(), 1u);
  EXPECT_EQ(only(WM_EXITSIZEMOVE).size(), 1u);
  EXPECT_EQ(GetCapture(), nullptr);
  EXPECT_TRUE(only(WM_MOUSEMOVE).empty()) << "the move took the mouse, not the window procedure";

  AdvanceClock(1000);
  MoveMouse(151, 230);
  PressButton();
  MoveMouse(800, 230);
  ReleaseButton();
  pump();
  EXPECT_EQ(windowRect(h), (Rect{450 - GetSystemMetrics(SM_CXMINTRACK), 130, 450, 330}));
}

TEST_F(WindowFrameIntegration, KeyboardMoveStepsByArrowsAndEscapeGoesBack) {
  HWND h = topLevel(100, 100, 300, 200);
  pump();
  struct Case {
    std::vector<int> keys;
    Rect expected;
  } cases[] = {
      {{VK_RIGHT, VK_RIGHT, VK_DOWN, VK_RETURN}, {116, 108, 416, 308}},
      {{VK_LEFT, VK_ESCAPE}, {116, 108, 416, 308}},
  };
  for (const Case& k : cases) {
    SendMessageW(h, WM_SYSCOMMAND, SC_MOVE, 0);
    for (int vk : k.keys) TypeKey(vk);
    pump();
    EXPECT_EQ(windowRect(h), k.expected);
    EXPECT_EQ(GetCapture(), nullptr);
  }
}

TEST_F(WindowFrameIntegration, CloseButtonActsOnlyWhenReleasedOverIt) {
  HWND h = topLevel(100, 100, 300, 200);
  pump();
  // Close button: 16 by 14, two pixels in from the caption's right end.
  MoveMouse(385, 112);
  PressButton();
  MoveMouse(300, 150);
  ReleaseButton();
  pump();
  EXPECT_TRUE(IsWindow(h));
  EXPECT_TRUE(only(WM_SYSCOMMAND).empty());
  AdvanceClock(1000);
  Click(385, 112);
  pump();
  EXPECT_FALSE(IsWindow(h));
}

TEST_F(WindowFrameIntegration, CaptionDoubleClickMaximizesAndRestores) {
  HWND h = topLevel(100, 100, 300, 200);
  pump();
  DoubleClick(200, 110);
  pump();
  EXPECT_TRUE(IsZoomed(h));
  EXPECT_EQ(SendMessageW(h, WM_NCHITTEST, 0, MAKELPARAM(-4, 300)), HTBORDER) << "no sizing when maximized";
  AdvanceClock(1000);
  DoubleClick(200, 5);
  pump();
  EXPECT_FALSE(IsZoomed(h));
  EXPECT_EQ(windowRect(h), (Rect{100, 100, 400, 300}));
}

class ScrollBarIntegration : public WindowTest {
protected:
  // A bar on the right of a borderless 200 by 200 window: arrows 16 high, a
  // track from 16 to 184, and a program that follows the scroll requests.
  HWND makeScrolling() {
    HWND h = topLevel(0, 0, 200, 200, WS_POPUP | WS_VISIBLE | WS_VSCROLL);
    SCROLLINFO si;
    si.fMask = SIF_RANGE | SIF_PAGE | SIF_POS;
    si.nMin = 0;
    si.nMax = 99;
    si.nPage = 10;
    si.nPos = 0;
    SetScrollInfo(h, SB_VERT, &si, TRUE);
    handlers[h] = [](HWND w, UINT m, WPARAM wp, LPARAM) -> std::optional<LRESULT> {
      if (m != WM_VSCROLL) return std::nullopt;
      int pos = GetScrollPos(w, SB_VERT);
      switch (LOWORD(wp)) {
        case SB_LINEDOWN:
          pos += 1;
          break;
        case SB_LINEUP:
          pos -= 1;
          break;
        case SB_PAGEDOWN:
          pos += 10;
          break;
        case SB_PAGEUP:
          pos -= 10;
          break;
        case SB_THUMBTRACK:
        case SB_THUMBPOSITION:
          pos = HIWORD(wp);
          break;
        default:
          break;
      }
      SetScrollPos(w, SB_VERT, pos, TRUE);
      return 0;
    };
    pump();
    return h;
  }

  std::vector<int> codes() const {
    std::vector<int> out;
    for (const Logged& l : only(WM_VSCROLL)) out.push_back(LOWORD(l.wp));
    return out;
  }
};

TEST_F(ScrollBarIntegration, HeldArrowStepsAtOnceThenAfterTheDelayThenRepeats) {
  HWND h = makeScrolling();
  log.clear();
  MoveMouse(192, 190);
  PressButton();
  pump();
  EXPECT_EQ(codes(), std::vector<int>{SB_LINEDOWN});
  AdvanceClock(SCROLL_FIRST_DELAY - 1);
  pump();
  EXPECT_EQ(codes().size(), 1u);
  AdvanceClock(1);
  pump();
  EXPECT_EQ(codes().size(), 2u);
  AdvanceClock(SCROLL_REPEAT_DELAY);
  pump();
  EXPECT_EQ(codes().size(), 3u);
  // Off the arrow the steps pause, back on it they go on.
  MoveMouse(100, 100);
  AdvanceClock(SCROLL_REPEAT_DELAY * 3);
  pump();
  EXPECT_EQ(codes().size(), 3u);
  MoveMouse(192, 190);
  AdvanceClock(SCROLL_REPEAT_DELAY);
  pump();
  EXPECT_EQ(codes().size(), 4u);
  ReleaseButton();
  AdvanceClock(1000);
  pump();
  EXPECT_EQ(codes(), (std::vector<int>{SB_LINEDOWN, SB_LINEDOWN, SB_LINEDOWN, SB_LINEDOWN, SB_ENDSCROLL}));
  EXPECT_EQ(GetScrollPos(h, SB_VERT), 4);
  EXPECT_TRUE(only(WM_LBUTTONUP).empty());
}

TEST_F(ScrollBarIntegration, TrackPagesUntilTheThumbReachesTheMouse) {
  HWND h = makeScrolling();
  log.clear();
  MoveMouse(192, 100);
  PressButton();
  AdvanceClock(5000);
  pump();
  for (int i = 0; i < 20; ++i) {
    AdvanceClock(SCROLL_REPEAT_DELAY);
    pump();
  }
  ReleaseButton();
  pump();
  std::vector<int> c = codes();
  ASSERT_FALSE(c.empty());
  EXPECT_EQ(c.back(), SB_ENDSCROLL);
  EXPECT_EQ(std::count(c.begin(), c.end(), SB_PAGEDOWN), 5);
  EXPECT_EQ(GetScrollPos(h, SB_VERT), 50);
}

TEST_F(ScrollBarIntegration, ThumbDragTracksThenSetsThePosition) {
  HWND h = makeScrolling();
  SCROLLBARINFO info;
  ASSERT_TRUE(GetScrollBarInfo(h, OBJID_VSCROLL, &info));
  EXPECT_EQ(info.rcScrollBar, (Rect{184, 0, 200, 200}));
  EXPECT_EQ(info.xyThumbTop, 16);
  EXPECT_EQ(info.xyThumbBottom, 33);
  log.clear();
  MoveMouse(192, 20);
  PressButton();
  MoveMouse(192, 95);
  pump();
  SCROLLINFO si;
  si.fMask = SIF_TRACKPOS;
  GetScrollInfo(h, SB_VERT, &si);
  EXPECT_EQ(si.nTrackPos, 45);
  ReleaseButton();
  pump();
  auto msgs = only(WM_VSCROLL);
  ASSERT_EQ(msgs.size(), 3u);
  EXPECT_EQ(msgs[0].wp, MAKEWPARAM(SB_THUMBTRACK, 45));
  EXPECT_EQ(msgs[1].wp, MAKEWPARAM(SB_THUMBPOSITION, 45));
  EXPECT_EQ(msgs[2].wp, MAKEWPARAM(SB_ENDSCROLL, 0));
  EXPECT_EQ(GetScrollPos(h, SB_VERT), 45);
}

TEST_F(ScrollBarIntegration, BarHidesWhenNothingScrollsAndInfoSaysSo) {
  HWND h = makeScrolling();
  Rect c;
  GetClientRect(h, &c);
  EXPECT_EQ(c.right, 184);
  SCROLLINFO si;
  si.fMask = SIF_RANGE | SIF_PAGE;
  si.nMin = 0;
  si.nMax = 9;
  si.nPage = 10;
  SetScrollInfo(h, SB_VERT, &si, TRUE);
  GetClientRect(h, &c);
  EXPECT_EQ(c.right, 200) << "the hidden bar gives its width back to the client area";
  EXPECT_FALSE(GetWindowLongPtrW(h, GWL_STYLE) & WS_VSCROLL);
  SCROLLBARINFO info;
  ASSERT_TRUE(GetScrollBarInfo(h, OBJID_VSCROLL, &info));
  EXPECT_TRUE(info.rgstate[0] & STATE_SYSTEM_INVISIBLE);
  si.fMask = SIF_RANGE | SIF_DISABLENOSCROLL;
  si.nMax = 200;
  SetScrollInfo(h, SB_VERT, &si, TRUE);
  GetClientRect(h, &c);
  EXPECT_EQ(c.right, 184);
  // Positions stay inside the range less the page.
  EXPECT_EQ(SetScrollPos(h, SB_VERT, 500, TRUE), 0);
  EXPECT_EQ(GetScrollPos(h, SB_VERT), 191);
}

}  // namespace
}  // namespace z5t8::platform::gui::testing

namespace z5t8::platform::gui::testing {
namespace {

class OwnFrameIntegration : public WindowTest {};

// A window that does its frame itself, the way a skinned frame hooks one: its
// own client insets and hit test, its caption press handled so the system
// never starts a move, and the move done with the mouse captured.
TEST_F(OwnFrameIntegration, OwnCaptionMovesTheWindowWithCapture) {
  HWND h = topLevel(100, 100, 200, 150, WS_POPUP);
  Point grab{-1, -1};
  int ncPaints = 0;
  handlers[h] = [&](HWND w, UINT m, WPARAM wp, LPARAM lp) -> std::optional<LRESULT> {
    switch (m) {
      case WM_NCCALCSIZE: {
        Rect* r = wp ? &reinterpret_cast<NCCALCSIZE_PARAMS*>(lp)->rgrc[0] : reinterpret_cast<Rect*>(lp);
        r->top += 30;
        return 0;
      }
      case WM_NCHITTEST: {
        Rect wr;
        GetWindowRect(w, &wr);
        return GET_Y_LPARAM(lp) - wr.top < 30 ? HTCAPTION : HTCLIENT;
      }
      case WM_NCPAINT:
        ++ncPaints;
        return 0;
      case WM_NCLBUTTONDOWN: {
        Rect wr;
        GetWindowRect(w, &wr);
        grab = {GET_X_LPARAM(lp) - wr.left, GET_Y_LPARAM(lp) - wr.top};
        SetCapture(w);
        return 0;
      }
      case WM_MOUSEMOVE:
        if (GetCapture() == w) {
          Point p = lParamToPoint(lp);
          ClientToScreen(w, &p);
          SetWindowPos(w, nullptr, p.x - grab.x, p.y - grab.y, 0, 0, SWP_NOSIZE | SWP_NOZORDER);
        }
        return 0;
      case WM_LBUTTONUP:
        ReleaseCapture();
        return 0;
      default:
        return std::nullopt;
    }
  };
  SetWindowPos(h, nullptr, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE | SWP_NOZORDER | SWP_FRAMECHANGED);
  ShowWindow(h, SW_SHOW);
  pump();
  Rect c;
  GetClientRect(h, &c);
  EXPECT_EQ(c, (Rect{0, 0, 200, 120}));
  EXPECT_GT(ncPaints, 0);
  MoveMouse(150, 110);
  PressButton();
  MoveMouse(180, 150);
  MoveMouse(400, 300);
  ReleaseButton();
  pump();
  Rect r;
  GetWindowRect(h, &r);
  EXPECT_EQ(r, (Rect{350, 290, 550, 440}));
  EXPECT_EQ(GetCapture(), nullptr);
  EXPECT_TRUE(only(WM_ENTERSIZEMOVE).empty()) << "the system's own move never ran";
  auto ups = only(WM_LBUTTONUP);
  ASSERT_EQ(ups.size(), 1u) << "the release comes as a client message through the capture";
}

// A caption or icon change must not let the classic caption show over a frame
// the window paints itself, and must repaint that frame before the call returns.
TEST_F(OwnFrameIntegration, CaptionAndIconChangesRepaintThroughTheWindowsOwnFramePainting) {
  HWND h = topLevel(100, 100, 200, 150);
  constexpr ColorRef kOwnTitle = RGB(200, 30, 40);
  int ncPaints = 0;
  handlers[h] = [&](HWND w, UINT m, WPARAM, LPARAM) -> std::optional<LRESULT> {
    if (m != WM_NCPAINT) return std::nullopt;
    ++ncPaints;
    DeviceContext* dc = GetWindowDC(w);
    dc->fillRect({0, 0, 200, 30}, Brush::solid(kOwnTitle));
    ReleaseDC(w, dc);
    return 0;
  };
  SetWindowPos(h, nullptr, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE | SWP_NOZORDER | SWP_FRAMECHANGED);
  pump();
  auto titlePixel = [&] {
    DeviceContext* dc = GetWindowDC(h);
    ColorRef c = dc->getPixel(40, 12);
    ReleaseDC(h, dc);
    return c;
  };
  ASSERT_EQ(titlePixel(), kOwnTitle);
  static const Icon icon = Icon::standardApplication(16);
  struct Change {
    const char* what;
    std::function<void()> apply;
  };
  const Change changes[] = {
      {"caption", [&] { SetWindowTextW(h, u"A much longer caption than before"); }},
      {"small icon", [&] { SendMessageW(h, WM_SETICON, ICON_SMALL, reinterpret_cast<LPARAM>(&icon)); }},
      {"big icon", [&] { SendMessageW(h, WM_SETICON, ICON_BIG, reinterpret_cast<LPARAM>(&icon)); }},
  };
  for (const Change& c : changes) {
    int before = ncPaints;
    c.apply();
    EXPECT_EQ(ncPaints, before + 1) << c.what;
    EXPECT_EQ(titlePixel(), kOwnTitle) << c.what;
  }
  // A hidden window has nothing on the screen to repaint.
  ShowWindow(h, SW_HIDE);
  int before = ncPaints;
  SetWindowTextW(h, u"Hidden");
  EXPECT_EQ(ncPaints, before);
}

}  // namespace
}  // namespace z5t8::platform::gui::testing
