// window-demo: a shaped window that draws and hit-tests its own frame and moves
// by its caption with the mouse captured, child windows that light up under the
// mouse, a timer-driven bar, and a second window with the classic frame.
//
//   window-demo [--headless] [--snapshot FILE.png]
//
// Without --headless it opens the X11 display named by DISPLAY. With --snapshot
// it writes the screen once everything is painted and ends.

#include <cstdio>
#include <string>

#include "platform/gui/Backend.h"
#include "platform/gui/DefWindowProc.h"
#include "platform/gui/Input.h"
#include "platform/gui/MessageQueue.h"
#include "platform/gui/Paint.h"
#include "platform/gui/ScrollBar.h"
#include "platform/gui/Snapshot.h"
#include "platform/gui/SystemMetrics.h"
#include "platform/gui/Timer.h"
#include "platform/gui/Window.h"
#include "platform/gui/headless/HeadlessBackend.h"
#include "tools/demo-common/DemoCommandLine.h"

using namespace z5t8::platform::gui;

namespace {

constexpr int kCaption = 26;
constexpr int kBorder = 3;
constexpr int kWidth = 360;
constexpr int kHeight = 240;
constexpr ColorRef kFrame = RGB(0x2B, 0x57, 0x9A);
constexpr ColorRef kFace = RGB(0xF4, 0xF1, 0xEA);

HWND gShaped = nullptr;
HWND gClassic = nullptr;
int gTicks = 0;

struct Drag {
  bool on = false;
  Point grab;
} gDrag;

Font captionFont() {
  LogFont lf;
  lf.height = -13;
  lf.weight = FW_BOLD;
  lf.faceName = "Tahoma";
  return Font(lf);
}

void paintOwnFrame(HWND h, DeviceContext& dc) {
  Rect r;
  GetWindowRect(h, &r);
  int w = r.width(), ht = r.height();
  dc.fillRect({0, 0, w, kCaption}, Brush::solid(kFrame));
  dc.fillRect({0, kCaption, kBorder, ht}, Brush::solid(kFrame));
  dc.fillRect({w - kBorder, kCaption, w, ht}, Brush::solid(kFrame));
  dc.fillRect({0, ht - kBorder, w, ht}, Brush::solid(kFrame));
  dc.selectFont(captionFont());
  dc.setBkMode(TRANSPARENT);
  dc.setTextColor(RGB(255, 255, 255));
  Rect t{14, 0, w - 40, kCaption};
  char16_t text[64];
  GetWindowTextW(h, text, 64);
  dc.drawText(text, t, DT_LEFT | DT_VCENTER | DT_SINGLELINE | DT_NOPREFIX);
  // A close box of its own.
  dc.fillRect({w - 30, 6, w - 12, 20}, Brush::solid(RGB(0xC8, 0x3C, 0x32)));
}

LRESULT shapedProc(HWND h, UINT msg, WPARAM wp, LPARAM lp) {
  switch (msg) {
    case WM_NCCALCSIZE: {
      Rect* r = wp ? &reinterpret_cast<NCCALCSIZE_PARAMS*>(lp)->rgrc[0] : reinterpret_cast<Rect*>(lp);
      r->left += kBorder;
      r->top += kCaption;
      r->right -= kBorder;
      r->bottom -= kBorder;
      return 0;
    }
    case WM_NCPAINT: {
      DeviceContext* dc = GetWindowDC(h);
      paintOwnFrame(h, *dc);
      ReleaseDC(h, dc);
      return 0;
    }
    case WM_NCACTIVATE:
      return TRUE;
    case WM_NCHITTEST: {
      Rect r;
      GetWindowRect(h, &r);
      Point p = lParamToPoint(lp);
      int x = p.x - r.left, y = p.y - r.top;
      if (y < kCaption)
        return (x >= r.width() - 30 && x < r.width() - 12 && y >= 6 && y < 20) ? HTCLOSE : HTCAPTION;
      if (x < kBorder || y >= r.height() - kBorder || x >= r.width() - kBorder) return HTBORDER;
      return HTCLIENT;
    }
    case WM_NCLBUTTONDOWN:
      if (wp == HTCLOSE) {
        PostMessageW(h, WM_CLOSE, 0, 0);
        return 0;
      }
      if (wp == HTCAPTION) {
        Rect r;
        GetWindowRect(h, &r);
        Point p = lParamToPoint(lp);
        gDrag = {true, {p.x - r.left, p.y - r.top}};
        SetCapture(h);
        return 0;
      }
      return 0;
    case WM_MOUSEMOVE:
      if (gDrag.on) {
        Point p = lParamToPoint(lp);
        ClientToScreen(h, &p);
        SetWindowPos(h, nullptr, p.x - gDrag.grab.x, p.y - gDrag.grab.y, 0, 0, SWP_NOSIZE | SWP_NOZORDER);
      }
      return 0;
    case WM_LBUTTONUP:
      if (gDrag.on) ReleaseCapture();
      return 0;
    case WM_CAPTURECHANGED:
      gDrag.on = false;
      return 0;
    case WM_ERASEBKGND: {
      auto* dc = reinterpret_cast<DeviceContext*>(wp);
      Rect c;
      GetClientRect(h, &c);
      dc->fillRect(c, Brush::solid(kFace));
      return 1;
    }
    case WM_DESTROY:
      gShaped = nullptr;
      if (!gClassic) PostQuitMessage(0);
      return 0;
    default:
      return DefWindowProcW(h, msg, wp, lp);
  }
}

// Child windows: a hover button and a bar the timer fills.
LRESULT childProc(HWND h, UINT msg, WPARAM wp, LPARAM lp) {
  bool hot = GetPropW(h, u"hot") != nullptr;
  switch (msg) {
    case WM_MOUSEMOVE:
      if (!hot) {
        SetPropW(h, u"hot", h);
        TRACKMOUSEEVENT t;
        t.dwFlags = TME_LEAVE;
        t.hwndTrack = h;
        TrackMouseEvent(&t);
        InvalidateRect(h, nullptr, FALSE);
      }
      return 0;
    case WM_MOUSELEAVE:
      RemovePropW(h, u"hot");
      InvalidateRect(h, nullptr, FALSE);
      return 0;
    case WM_PAINT: {
      PAINTSTRUCT ps;
      DeviceContext* dc = BeginPaint(h, &ps);
      Rect c;
      GetClientRect(h, &c);
      if (GetWindowLongPtrW(h, GWLP_ID) == 100) {
        dc->fillRect(c, Brush::solid(RGB(0xDD, 0xDD, 0xDD)));
        Rect filled{0, 0, c.width() * (gTicks % 51) / 50, c.height()};
        dc->fillRect(filled, Brush::solid(RGB(0x3C, 0x9A, 0x4B)));
      } else {
        dc->fillRect(c, Brush::solid(hot ? RGB(0xFF, 0xD0, 0x60) : RGB(0xB8, 0xC8, 0xE0)));
        dc->setBkMode(TRANSPARENT);
        char16_t text[32];
        GetWindowTextW(h, text, 32);
        dc->drawText(text, c, DT_CENTER | DT_VCENTER | DT_SINGLELINE);
      }
      EndPaint(h, &ps);
      return 0;
    }
    default:
      return DefWindowProcW(h, msg, wp, lp);
  }
}

LRESULT classicProc(HWND h, UINT msg, WPARAM wp, LPARAM lp) {
  if (msg == WM_DESTROY) {
    gClassic = nullptr;
    if (!gShaped) PostQuitMessage(0);
    return 0;
  }
  if (msg == WM_TIMER) {
    ++gTicks;
    if (HWND bar = GetPropW(h, u"bar") ? static_cast<HWND>(GetPropW(h, u"bar")) : nullptr)
      InvalidateRect(bar, nullptr, FALSE);
    return 0;
  }
  return DefWindowProcW(h, msg, wp, lp);
}

void registerClasses() {
  WNDCLASSEXW wc;
  wc.lpfnWndProc = shapedProc;
  wc.hCursor = LoadCursorW(IDC_ARROW);
  wc.lpszClassName = u"DemoShaped";
  RegisterClassExW(wc);
  wc.lpfnWndProc = childProc;
  wc.hCursor = LoadCursorW(IDC_HAND);
  wc.lpszClassName = u"DemoChild";
  RegisterClassExW(wc);
  wc.lpfnWndProc = classicProc;
  wc.hCursor = LoadCursorW(IDC_ARROW);
  wc.hbrBackground = GetSysColorBrush(COLOR_BTNFACE);
  wc.lpszClassName = u"DemoClassic";
  RegisterClassExW(wc);
}

void createWindows() {
  gShaped = CreateWindowExW(0, u"DemoShaped", u"Shaped window", WS_POPUP | WS_CLIPCHILDREN, 60, 60, kWidth,
                            kHeight, nullptr, 0, nullptr);
  Region shape = Region::roundRect({0, 0, kWidth + 1, kHeight + 1}, 24, 24);
  SetWindowRgn(gShaped, &shape, FALSE);
  const char16_t* names[] = {u"One", u"Two", u"Three"};
  for (int i = 0; i < 3; ++i)
    CreateWindowExW(0, u"DemoChild", names[i], WS_CHILD | WS_VISIBLE, 20 + i * 110, 30, 100, 40, gShaped,
                    i + 1, nullptr);
  HWND bar =
      CreateWindowExW(0, u"DemoChild", u"", WS_CHILD | WS_VISIBLE, 20, 110, 320, 20, gShaped, 100, nullptr);
  ShowWindow(gShaped, SW_SHOW);

  gClassic = CreateWindowExW(0, u"DemoClassic", u"Classic frame", WS_OVERLAPPEDWINDOW | WS_VSCROLL, 460, 120,
                             300, 220, nullptr, 0, nullptr);
  SetPropW(gClassic, u"bar", bar);
  SCROLLINFO si;
  si.fMask = SIF_RANGE | SIF_PAGE;
  si.nMax = 99;
  si.nPage = 20;
  SetScrollInfo(gClassic, SB_VERT, &si, FALSE);
  ShowWindow(gClassic, SW_SHOW);
  SetTimer(gClassic, 1, 100, nullptr);
}

}  // namespace

int main(int argc, char** argv) {
  auto line = z5t8::tools::ReadDemoCommandLine(argc, argv, "--snapshot", false, {"--headless"},
                                               "window-demo [--headless] [--snapshot FILE.png]");
  if (!line) return 2;
  const std::string& snapshot = line->picture;
  if (line->has("--headless")) {
    UseHeadlessBackend();
  } else {
    std::string error;
    if (!OpenDefaultBackend(error)) {
      std::fprintf(stderr, "window-demo: %s\n", error.c_str());
      return 1;
    }
  }
  registerClasses();
  createWindows();
  if (!snapshot.empty()) {
    // A few timer ticks, then what the screen shows.
    DWORD until = GetTickCount() + 350;
    while (GetTickCount() < until) {
      PumpPendingMessages();
      WaitMessage();
    }
    PumpPendingMessages();
    bool ok = SnapshotScreen(snapshot);
    ShutdownWindowSystem();
    if (!ok) std::fprintf(stderr, "window-demo: cannot write %s\n", snapshot.c_str());
    return ok ? 0 : 1;
  }
  MSG msg;
  while (GetMessageW(&msg, nullptr, 0, 0) > 0) {
    TranslateMessage(&msg);
    DispatchMessageW(&msg);
  }
  ShutdownWindowSystem();
  return 0;
}
