#include "platform/gui/Paint.h"
#include "platform/gui/Snapshot.h"
#include "platform/gui/tests/WindowTestSupport.h"

namespace z5t8::platform::gui::testing {
namespace {

class WindowPaintIntegration : public WindowTest {
protected:
  // Each window paints its whole client area in its own colour.
  void paintsIn(HWND h, ColorRef c) {
    handlers[h] = [c](HWND w, UINT m, WPARAM, LPARAM) -> std::optional<LRESULT> {
      if (m != WM_PAINT) return std::nullopt;
      PAINTSTRUCT ps;
      DeviceContext* dc = BeginPaint(w, &ps);
      Rect r;
      GetClientRect(w, &r);
      dc->fillRect(r, Brush::solid(c));
      EndPaint(w, &ps);
      return 0;
    };
  }

  ColorRef at(HWND top, int x, int y) { return colorFromPixel(WindowImage(top).pixel(x, y)); }

  std::vector<HWND> paintOrder() const {
    std::vector<HWND> out;
    for (const Logged& l : only(WM_PAINT)) out.push_back(l.hwnd);
    return out;
  }
};

constexpr ColorRef kRed = RGB(255, 0, 0), kBlue = RGB(0, 0, 255), kGreen = RGB(0, 255, 0);

TEST_F(WindowPaintIntegration, ParentPaintsBeforeChildrenAndChildrenStayOnTop) {
  HWND top = topLevel(0, 0, 200, 150, WS_POPUP | WS_VISIBLE);
  HWND a = child(top, 10, 10, 40, 40);
  HWND b = child(top, 100, 10, 40, 40);
  paintsIn(top, kRed);
  paintsIn(a, kBlue);
  paintsIn(b, kGreen);
  log.clear();
  InvalidateRect(top, nullptr, TRUE);
  pump();
  std::vector<HWND> order = paintOrder();
  ASSERT_EQ(order.size(), 3u);
  EXPECT_EQ(order[0], top);
  EXPECT_EQ(at(top, 5, 5), kRed);
  EXPECT_EQ(at(top, 20, 20), kBlue);
  EXPECT_EQ(at(top, 139, 49), kGreen);
  EXPECT_EQ(at(top, 140, 50), kRed);
}

TEST_F(WindowPaintIntegration, ClipChildrenKeepsParentOffChildrenAndLeavesThemValid) {
  HWND top = topLevel(0, 0, 200, 150, WS_POPUP | WS_VISIBLE | WS_CLIPCHILDREN);
  HWND a = child(top, 10, 10, 40, 40);
  paintsIn(top, kRed);
  paintsIn(a, kBlue);
  pump();
  paintsIn(top, kGreen);
  log.clear();
  InvalidateRect(top, nullptr, FALSE);
  pump();
  EXPECT_EQ(paintOrder(), std::vector<HWND>{top});
  EXPECT_EQ(at(top, 20, 20), kBlue);
  EXPECT_EQ(at(top, 5, 5), kGreen);
}

TEST_F(WindowPaintIntegration, ClipSiblingsKeepsALowerSiblingUnderTheUpperOne) {
  HWND top = topLevel(0, 0, 200, 150, WS_POPUP | WS_VISIBLE);
  HWND lower = child(top, 10, 10, 60, 60, WS_CHILD | WS_VISIBLE | WS_CLIPSIBLINGS);
  HWND upper = child(top, 40, 40, 60, 60, WS_CHILD | WS_VISIBLE | WS_CLIPSIBLINGS);
  ASSERT_EQ(GetWindow(top, GW_CHILD), upper) << "new children go on top";
  paintsIn(top, kRed);
  paintsIn(lower, kBlue);
  paintsIn(upper, kGreen);
  pump();
  log.clear();
  InvalidateRect(lower, nullptr, FALSE);
  pump();
  EXPECT_EQ(paintOrder(), std::vector<HWND>{lower});
  EXPECT_EQ(at(top, 50, 50), kGreen);
  EXPECT_EQ(at(top, 20, 20), kBlue);
}

TEST_F(WindowPaintIntegration, UpdateRegionGivesPaintRectAndValidationStopsPaint) {
  HWND top = topLevel(0, 0, 200, 150, WS_POPUP | WS_VISIBLE);
  pump();
  Rect r{10, 20, 30, 40};
  InvalidateRect(top, &r, FALSE);
  Rect r2{50, 20, 60, 30};
  InvalidateRect(top, &r2, TRUE);
  Rect box;
  EXPECT_TRUE(GetUpdateRect(top, &box, FALSE));
  EXPECT_EQ(box, (Rect{10, 20, 60, 40}));
  Rect seen{};
  BOOL erase = FALSE;
  handlers[top] = [&](HWND w, UINT m, WPARAM, LPARAM) -> std::optional<LRESULT> {
    if (m == WM_ERASEBKGND) return 0;  // leaves erasing to the paint
    if (m != WM_PAINT) return std::nullopt;
    PAINTSTRUCT ps;
    BeginPaint(w, &ps);
    seen = ps.rcPaint;
    erase = ps.fErase;
    EndPaint(w, &ps);
    return 0;
  };
  pump();
  EXPECT_EQ(seen, (Rect{10, 20, 60, 40}));
  EXPECT_TRUE(erase);
  log.clear();
  InvalidateRect(top, nullptr, FALSE);
  ValidateRect(top, nullptr);
  pump();
  EXPECT_TRUE(only(WM_PAINT).empty());
}

TEST_F(WindowPaintIntegration, FrameRepaintSendsNcPaintWithTheRegionOnScreen) {
  HWND top = topLevel(30, 40, 200, 150, WS_POPUP | WS_VISIBLE);
  HWND c = child(top, 10, 10, 50, 50, WS_CHILD | WS_VISIBLE | WS_BORDER);
  pump();
  std::optional<Rect> box;
  bool whole = false;
  handlers[c] = [&](HWND, UINT m, WPARAM wp, LPARAM) -> std::optional<LRESULT> {
    if (m != WM_NCPAINT) return std::nullopt;
    if (wp == NCPAINT_WHOLE_FRAME)
      whole = true;
    else
      box = reinterpret_cast<const Region*>(wp)->box();
    return std::nullopt;
  };
  Rect part{-1, -1, 20, 20};
  RedrawWindow(c, &part, nullptr, RDW_INVALIDATE | RDW_FRAME);
  pump();
  ASSERT_TRUE(box);
  // Window at (40, 50) on the screen; the client starts one pixel in.
  EXPECT_EQ(*box, (Rect{40, 50, 61, 71}));
  RedrawWindow(c, nullptr, nullptr, RDW_INVALIDATE | RDW_FRAME);
  pump();
  EXPECT_TRUE(whole);
  // The default frame of a bordered child is its one-pixel window-frame line.
  EXPECT_EQ(at(top, 10, 10), GetSysColor(COLOR_WINDOWFRAME));
  EXPECT_EQ(at(top, 11, 11), GetSysColor(COLOR_BTNFACE));
}

TEST_F(WindowPaintIntegration, WindowRegionShapesPaintAndMoveExposesTheParent) {
  HWND top = topLevel(0, 0, 200, 150, WS_POPUP | WS_VISIBLE);
  HWND c = child(top, 10, 10, 40, 40);
  paintsIn(top, kRed);
  paintsIn(c, kBlue);
  Region round = Region::ellipse({0, 0, 40, 40});
  SetWindowRgn(c, &round, TRUE);
  pump();
  EXPECT_EQ(at(top, 30, 30), kBlue);
  EXPECT_EQ(at(top, 11, 11), kRed) << "outside the ellipse the parent shows";
  MoveWindow(c, 100, 10, 40, 40, TRUE);
  pump();
  EXPECT_EQ(at(top, 30, 30), kRed);
  EXPECT_EQ(at(top, 120, 30), kBlue);
}

}  // namespace
}  // namespace z5t8::platform::gui::testing

namespace z5t8::platform::gui::testing {
namespace {

class WindowScrollIntegration : public WindowTest {};

TEST_F(WindowScrollIntegration, ScrollMovesPixelsAndInvalidatesWhatIsUncovered) {
  HWND top = topLevel(0, 0, 100, 100, WS_POPUP | WS_VISIBLE);
  pump();
  DeviceContext* dc = GetDC(top);
  for (int y = 0; y < 100; ++y) dc->fillRect({0, y, 100, y + 1}, Brush::solid(RGB(uint8_t(y), 0, 0)));
  ReleaseDC(top, dc);
  Rect pending{0, 50, 10, 60};
  InvalidateRect(top, &pending, FALSE);
  Region uncovered;
  Rect box;
  int kind = ScrollWindowEx(top, 0, -10, nullptr, nullptr, &uncovered, &box, SW_INVALIDATE);
  EXPECT_EQ(kind, SIMPLEREGION);
  EXPECT_EQ(box, (Rect{0, 90, 100, 100}));
  Surface img = WindowImage(top);
  EXPECT_EQ(colorFromPixel(img.pixel(5, 20)), RGB(30, 0, 0));
  EXPECT_EQ(colorFromPixel(img.pixel(5, 89)), RGB(99, 0, 0));
  Rect update;
  GetUpdateRect(top, &update, FALSE);
  EXPECT_EQ(update, (Rect{0, 40, 100, 100})) << "the pending part moved up with its pixels";
}

}  // namespace
}  // namespace z5t8::platform::gui::testing

namespace z5t8::platform::gui::testing {
namespace {

class HeldContextIntegration : public WindowTest {};

TEST_F(HeldContextIntegration, AHeldWindowContextFollowsItsWindow) {
  HWND top = topLevel(0, 0, 100, 100, WS_POPUP | WS_VISIBLE);
  HWND c = child(top, 10, 10, 20, 20);
  pump();
  DeviceContext* dc = GetWindowDC(top);
  SetWindowPos(top, nullptr, 0, 0, 200, 150, SWP_NOMOVE | SWP_NOZORDER);
  pump();
  dc->fillRect({0, 0, 300, 300}, Brush::solid(RGB(9, 8, 7)));
  Surface img = WindowImage(top);
  EXPECT_EQ(colorFromPixel(img.pixel(150, 120)), RGB(9, 8, 7)) << "the grown part is reachable";
  EXPECT_EQ(colorFromPixel(img.pixel(15, 15)), RGB(9, 8, 7)) << "a window context reaches over children";
  DeviceContext* childDc = GetDC(c);
  DestroyWindow(c);
  childDc->fillRect({0, 0, 50, 50}, Brush::solid(RGB(1, 1, 1)));
  EXPECT_NE(colorFromPixel(WindowImage(top).pixel(15, 15)), RGB(1, 1, 1));
  ReleaseDC(c, childDc);
  DestroyWindow(top);
  dc->fillRect({0, 0, 50, 50}, Brush::solid(RGB(1, 1, 1)));
  EXPECT_EQ(ReleaseDC(top, dc), 1);
}

}  // namespace
}  // namespace z5t8::platform::gui::testing

namespace z5t8::platform::gui::testing {
namespace {

class WindowPrintIntegration : public WindowTest {};

TEST_F(WindowPrintIntegration, PrintRendersFrameBackgroundAndChildrenIntoAnyContext) {
  HWND top = topLevel(300, 300, 200, 150);
  HWND c = child(top, 10, 10, 40, 30);
  handlers[c] = [](HWND, UINT m, WPARAM wp, LPARAM) -> std::optional<LRESULT> {
    if (m != WM_PRINTCLIENT) return std::nullopt;
    reinterpret_cast<DeviceContext*>(wp)->fillRect({0, 0, 40, 30}, Brush::solid(RGB(0, 0, 255)));
    return 0;
  };
  Surface out(200, 150);
  DeviceContext dc(&out);
  SendMessageW(top, WM_PRINT, reinterpret_cast<WPARAM>(&dc),
               PRF_NONCLIENT | PRF_ERASEBKGND | PRF_CLIENT | PRF_CHILDREN);
  EXPECT_EQ(colorFromPixel(out.pixel(0, 0)), GetSysColor(COLOR_3DLIGHT));
  // Client at (4, 23): the child lies at (14, 33) in the window.
  EXPECT_EQ(colorFromPixel(out.pixel(8, 27)), GetSysColor(COLOR_BTNFACE));
  EXPECT_EQ(colorFromPixel(out.pixel(14, 33)), RGB(0, 0, 255));
  EXPECT_EQ(colorFromPixel(out.pixel(53, 62)), RGB(0, 0, 255));
  EXPECT_NE(colorFromPixel(out.pixel(54, 63)), RGB(0, 0, 255));
}

}  // namespace
}  // namespace z5t8::platform::gui::testing
