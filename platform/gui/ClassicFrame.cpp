#include "platform/gui/ClassicFrame.h"

#include <algorithm>

#include "platform/gui/FrameControls.h"
#include "platform/gui/Icon.h"
#include "platform/gui/MessageQueue.h"
#include "platform/gui/Paint.h"
#include "platform/gui/ScrollBarLayout.h"
#include "platform/gui/SystemMetrics.h"
#include "platform/gui/SystemParameters.h"
#include "platform/gui/SystemTracker.h"
#include "platform/gui/VirtualKeys.h"
#include "platform/gui/Window.h"
#include "platform/gui/WindowManager.h"
#include "platform/gui/WindowPosition.h"

namespace z5t8::platform::gui {

namespace {

int borderWidth(DWORD style, DWORD exStyle) {
  if (style & WS_THICKFRAME) return GetSystemMetrics(SM_CXFRAME);
  if ((style & WS_DLGFRAME) || (exStyle & WS_EX_DLGMODALFRAME)) return GetSystemMetrics(SM_CXDLGFRAME);
  if (style & WS_BORDER) return GetSystemMetrics(SM_CXBORDER);
  return 0;
}

bool hasCaption(DWORD style) { return (style & WS_CAPTION) == WS_CAPTION; }

int captionHeight(DWORD style, DWORD exStyle) {
  if (!hasCaption(style)) return 0;
  return GetSystemMetrics((exStyle & WS_EX_TOOLWINDOW) ? SM_CYSMCAPTION : SM_CYCAPTION);
}

int edgeWidth(DWORD exStyle) {
  if (exStyle & WS_EX_CLIENTEDGE) return GetSystemMetrics(SM_CXEDGE);
  if (exStyle & WS_EX_STATICEDGE) return GetSystemMetrics(SM_CXBORDER);
  return 0;
}

const Font& captionFont(bool small) {
  static const Font normal = [] {
    NONCLIENTMETRICSW ncm;
    ncm.lfCaptionFont.height = -11;
    ncm.lfCaptionFont.weight = FW_BOLD;
    ncm.lfCaptionFont.faceName = "Tahoma";
    return Font(ncm.lfCaptionFont);
  }();
  static const Font smallFont = [] {
    LogFont lf;
    lf.height = -11;
    lf.weight = FW_BOLD;
    lf.faceName = "Tahoma";
    return Font(lf);
  }();
  return small ? smallFont : normal;
}

// The window's own small icon, its class's, or the standard application icon.
HICON smallIconOf(const WindowObject& w) {
  if (w.smallIcon) return w.smallIcon;
  if (w.cls->smallIcon) return w.cls->smallIcon;
  if (w.icon) return w.icon;
  if (w.cls->icon) return w.cls->icon;
  static const Icon standard = Icon::standardApplication(GetSystemMetrics(SM_CXSMICON));
  return &standard;
}

// The text cut to fit `width`, ending in "..." when cut.
std::u16string fitText(const DeviceContext& dc, const std::u16string& text, int width) {
  if (dc.textExtent(text).cx <= width) return text;
  std::u16string out;
  for (char16_t c : text) {
    std::u16string next = out + c + u"...";
    if (dc.textExtent(next).cx > width) break;
    out += c;
  }
  return out + u"...";
}

}  // namespace

Rect frameInsets(DWORD style, DWORD exStyle) {
  int b = borderWidth(style, exStyle) + edgeWidth(exStyle);
  return {b, b + captionHeight(style, exStyle), b, b};
}

Rect classicClientRect(HWND h, int width, int height) {
  const WindowObject* w = wm().find(h);
  if (!w) return {};
  Rect in = frameInsets(w->style, w->exStyle);
  Rect c{in.left, in.top, width - in.right, height - in.bottom};
  if (w->style & WS_MINIMIZE) return {in.left, in.top, in.left, in.top};
  c.right = std::max(c.right, c.left);
  c.bottom = std::max(c.bottom, c.top);
  if ((w->style & WS_VSCROLL) && c.width() >= GetSystemMetrics(SM_CXVSCROLL))
    c.right -= GetSystemMetrics(SM_CXVSCROLL);
  if ((w->style & WS_HSCROLL) && c.height() >= GetSystemMetrics(SM_CYHSCROLL))
    c.bottom -= GetSystemMetrics(SM_CYHSCROLL);
  return c;
}

Rect captionRect(HWND h) {
  const WindowObject* w = wm().find(h);
  if (!w || !hasCaption(w->style)) return {};
  int b = borderWidth(w->style, w->exStyle);
  int c = captionHeight(w->style, w->exStyle);
  return {b, b, w->rect.width() - b, b + c - 1};
}

Rect captionButtonRect(HWND h, int hit) {
  const WindowObject* w = wm().find(h);
  Rect cap = captionRect(h);
  if (!w || cap.isEmpty() || !(w->style & WS_SYSMENU)) return {};
  bool tool = w->exStyle & WS_EX_TOOLWINDOW;
  int bw = GetSystemMetrics(tool ? SM_CXSMSIZE : SM_CXSIZE) - 2;
  int bh = GetSystemMetrics(tool ? SM_CYSMSIZE : SM_CYSIZE) - 4;
  int top = cap.top + 2;
  Rect close{cap.right - 2 - bw, top, cap.right - 2, top + bh};
  bool boxes = !tool && (w->style & (WS_MINIMIZEBOX | WS_MAXIMIZEBOX));
  Rect max{close.left - 2 - bw, top, close.left - 2, top + bh};
  Rect min{max.left - bw, top, max.left, top + bh};
  switch (hit) {
    case HTCLOSE:
      return close;
    case HTMAXBUTTON:
      return boxes ? max : Rect{};
    case HTMINBUTTON:
      return boxes ? min : Rect{};
    case HTSYSMENU:
      return tool ? Rect{} : Rect{cap.left, cap.top, cap.left + cap.height(), cap.bottom};
    default:
      return {};
  }
}

int classicHitTest(HWND h, Point p) {
  const WindowObject* w = wm().find(h);
  if (!w) return HTNOWHERE;
  int W = w->rect.width(), H = w->rect.height();
  if (!Rect{0, 0, W, H}.contains(p)) return HTNOWHERE;
  if (w->client.contains(p)) return HTCLIENT;
  int b = borderWidth(w->style, w->exStyle);
  bool inBorder = p.x < b || p.y < b || p.x >= W - b || p.y >= H - b;
  if (inBorder) {
    if (!(w->style & WS_THICKFRAME) || (w->style & (WS_MAXIMIZE | WS_MINIMIZE))) return HTBORDER;
    int k = GetSystemMetrics(SM_CXSIZE) + b;
    bool left = p.x < k, right = p.x >= W - k, top = p.y < k, bottom = p.y >= H - k;
    if (p.x < b) return top ? HTTOPLEFT : bottom ? HTBOTTOMLEFT : HTLEFT;
    if (p.x >= W - b) return top ? HTTOPRIGHT : bottom ? HTBOTTOMRIGHT : HTRIGHT;
    if (p.y < b) return left ? HTTOPLEFT : right ? HTTOPRIGHT : HTTOP;
    return left ? HTBOTTOMLEFT : right ? HTBOTTOMRIGHT : HTBOTTOM;
  }
  Rect cap = captionRect(h);
  if (!cap.isEmpty() && p.y < cap.bottom + 1) {
    for (int hit : {HTCLOSE, HTMAXBUTTON, HTMINBUTTON, HTSYSMENU}) {
      if (captionButtonRect(h, hit).contains(p)) return hit;
    }
    return HTCAPTION;
  }
  if (scrollBarRect(*w, SB_VERT).contains(p)) return HTVSCROLL;
  if (scrollBarRect(*w, SB_HORZ).contains(p)) return HTHSCROLL;
  return HTBORDER;
}

void paintClassicFrame(HWND h, DeviceContext& dc, bool active) {
  const WindowObject* w = wm().find(h);
  if (!w) return;
  int W = w->rect.width(), H = w->rect.height();
  Rect r{0, 0, W, H};
  int b = borderWidth(w->style, w->exStyle);
  if (w->style & WS_THICKFRAME) {
    DrawEdge(dc, &r, EDGE_RAISED, BF_RECT | BF_ADJUST);
    Brush band = GetSysColorBrush(active ? COLOR_ACTIVEBORDER : COLOR_INACTIVEBORDER);
    Region ring(r);
    ring.subtract(r.inflate(-(b - 2), -(b - 2)));
    dc.fillRgn(ring, band);
  } else if ((w->style & WS_DLGFRAME) || (w->exStyle & WS_EX_DLGMODALFRAME)) {
    DrawEdge(dc, &r, EDGE_RAISED, BF_RECT | BF_ADJUST);
    Region ring(r);
    ring.subtract(r.inflate(-(b - 2), -(b - 2)));
    dc.fillRgn(ring, GetSysColorBrush(COLOR_BTNFACE));
  } else if (w->style & WS_BORDER) {
    dc.frameRect(r, GetSysColorBrush(COLOR_WINDOWFRAME));
  }

  Rect cap = captionRect(h);
  if (!cap.isEmpty()) {
    ColorRef c1 = GetSysColor(active ? COLOR_ACTIVECAPTION : COLOR_INACTIVECAPTION);
    ColorRef c2 = GetSysColor(active ? COLOR_GRADIENTACTIVECAPTION : COLOR_GRADIENTINACTIVECAPTION);
    int n = std::max(cap.width(), 1);
    for (int x = 0; x < cap.width(); ++x) {
      auto mix = [&](int a, int z) { return uint8_t(a + (z - a) * x / n); };
      ColorRef c = RGB(mix(GetRValue(c1), GetRValue(c2)), mix(GetGValue(c1), GetGValue(c2)),
                       mix(GetBValue(c1), GetBValue(c2)));
      dc.fillRect({cap.left + x, cap.top, cap.left + x + 1, cap.bottom}, Brush::solid(c));
    }
    dc.fillRect({cap.left, cap.bottom, cap.right, cap.bottom + 1}, GetSysColorBrush(COLOR_BTNFACE));
    int textLeft = cap.left + 2;
    Rect sys = captionButtonRect(h, HTSYSMENU);
    if (!sys.isEmpty()) {
      if (HICON icon = smallIconOf(*w)) {
        int s = GetSystemMetrics(SM_CXSMICON);
        dc.drawIconEx(sys.left + (sys.width() - s) / 2 + 1, sys.top + (sys.height() - s) / 2, *icon, s, s);
      }
      textLeft = sys.right + 1;
    }
    int textRight = cap.right - 2;
    for (int hit : {HTMINBUTTON, HTMAXBUTTON, HTCLOSE}) {
      Rect br = captionButtonRect(h, hit);
      if (!br.isEmpty()) {
        textRight = std::min(textRight, br.left - 2);
        break;
      }
    }
    if (!w->text.empty() && textRight > textLeft) {
      dc.saveDC();
      dc.selectFont(captionFont(w->exStyle & WS_EX_TOOLWINDOW));
      dc.setBkMode(TRANSPARENT);
      dc.setTextColor(GetSysColor(active ? COLOR_CAPTIONTEXT : COLOR_INACTIVECAPTIONTEXT));
      Rect tr{textLeft, cap.top, textRight, cap.bottom};
      std::u16string shown = fitText(dc, w->text, tr.width());
      dc.drawText(shown, tr, DT_LEFT | DT_VCENTER | DT_SINGLELINE | DT_NOPREFIX);
      dc.restoreDC(-1);
    }
    struct Button {
      int hit;
      UINT kind;
      bool inactive;
    } buttons[] = {
        {HTCLOSE, DFCS_CAPTIONCLOSE, bool(w->cls->style & CS_NOCLOSE)},
        {HTMAXBUTTON, (w->style & WS_MAXIMIZE) ? DFCS_CAPTIONRESTORE : DFCS_CAPTIONMAX,
         !(w->style & WS_MAXIMIZEBOX)},
        {HTMINBUTTON, (w->style & WS_MINIMIZE) ? DFCS_CAPTIONRESTORE : DFCS_CAPTIONMIN,
         !(w->style & WS_MINIMIZEBOX)},
    };
    for (const Button& bt : buttons) {
      Rect br = captionButtonRect(h, bt.hit);
      if (br.isEmpty()) continue;
      UINT state =
          bt.kind | (bt.inactive ? DFCS_INACTIVE : 0) | (w->pressedCaptionButton == bt.hit ? DFCS_PUSHED : 0);
      DrawFrameControl(dc, &br, DFC_CAPTION, state);
    }
  }

  int e = edgeWidth(w->exStyle);
  if (e) {
    Rect in = frameInsets(w->style, w->exStyle);
    Rect er{in.left - e, in.top - e, W - in.right + e, H - in.bottom + e};
    DrawEdge(dc, &er, e == 2 ? EDGE_SUNKEN : BDR_SUNKENOUTER, BF_RECT);
  }
  paintScrollBar(dc, h, SB_VERT);
  paintScrollBar(dc, h, SB_HORZ);
  Rect v = scrollBarRect(*w, SB_VERT), hz = scrollBarRect(*w, SB_HORZ);
  if (!v.isEmpty() && !hz.isEmpty())
    dc.fillRect({v.left, hz.top, v.right, hz.bottom}, GetSysColorBrush(COLOR_BTNFACE));
}

void redrawClassicFrame(HWND h) {
  WindowManager& m = wm();
  const WindowObject* w = m.find(h);
  if (!w || !m.reallyVisible(h) || w->frameUpdate) return;
  DeviceContext* dc = GetWindowDC(h);
  if (!dc) return;
  dc->excludeClipRect(w->client.left, w->client.top, w->client.right, w->client.bottom);
  paintClassicFrame(h, *dc, m.isChildStyle(*w) || w->ncActive);
  ReleaseDC(h, dc);
}

void repaintFrameNow(HWND h) {
  WindowManager& m = wm();
  const WindowObject* w = m.find(h);
  if (!w || !m.reallyVisible(h) || w->frameUpdate) return;
  // Only a caption shows the text or the icon; a top-level window may paint one
  // of its own without the style.
  if (!hasCaption(w->style) && m.isChildStyle(*w)) return;
  if (w->client == Rect{0, 0, w->rect.width(), w->rect.height()}) return;
  sendMessage(h, WM_NCPAINT, NCPAINT_WHOLE_FRAME, 0);
}

namespace {

class MoveSizeTracker : public SystemTracker {
public:
  MoveSizeTracker(HWND h, int edge, Point start) : SystemTracker(h), edge_(edge), start_(start) {
    const WindowObject* w = wm().find(h);
    startRect_ = w->rect;
    current_ = startRect_;
    mmi_ = defaultMinMaxInfo(h);
    SendMessageW(h, WM_GETMINMAXINFO, 0, reinterpret_cast<LPARAM>(&mmi_));
    full_ = wm().dragFullWindows;
    SendMessageW(h, WM_ENTERSIZEMOVE, 0, 0);
  }

  void mouseMove(Point p) override {
    int dx = p.x - start_.x, dy = p.y - start_.y;
    Rect r = startRect_;
    if (edge_ == 0) {
      r = r.offset(dx, dy);
    } else {
      int minW = mmi_.ptMinTrackSize.x, minH = mmi_.ptMinTrackSize.y;
      int maxW = std::max(minW, int(mmi_.ptMaxTrackSize.x)),
          maxH = std::max(minH, int(mmi_.ptMaxTrackSize.y));
      bool left = edge_ == WMSZ_LEFT || edge_ == WMSZ_TOPLEFT || edge_ == WMSZ_BOTTOMLEFT;
      bool right = edge_ == WMSZ_RIGHT || edge_ == WMSZ_TOPRIGHT || edge_ == WMSZ_BOTTOMRIGHT;
      bool top = edge_ == WMSZ_TOP || edge_ == WMSZ_TOPLEFT || edge_ == WMSZ_TOPRIGHT;
      bool bottom = edge_ == WMSZ_BOTTOM || edge_ == WMSZ_BOTTOMLEFT || edge_ == WMSZ_BOTTOMRIGHT;
      if (left) r.left = std::clamp(r.left + dx, r.right - maxW, r.right - minW);
      if (right) r.right = std::clamp(r.right + dx, r.left + minW, r.left + maxW);
      if (top) r.top = std::clamp(r.top + dy, r.bottom - maxH, r.bottom - minH);
      if (bottom) r.bottom = std::clamp(r.bottom + dy, r.top + minH, r.top + maxH);
    }
    SendMessageW(hwnd(), edge_ ? WM_SIZING : WM_MOVING, WPARAM(edge_), reinterpret_cast<LPARAM>(&r));
    if (!stillRunning(this) || !IsWindow(hwnd())) return;
    if (full_) {
      SetWindowPos(hwnd(), nullptr, r.left, r.top, r.width(), r.height(), SWP_NOZORDER | SWP_NOACTIVATE);
      if (!stillRunning(this)) return;
    } else {
      outline(current_);
      outline(r);
    }
    current_ = r;
  }

  void buttonUp(int button, Point) override {
    if (button != 0) return;
    finish(true);
    endTracker();
  }

  // Arrow keys move (or size) by eight pixels, as a keyboard move does.
  void key(int vk) override {
    if (vk == VK_ESCAPE || vk == VK_RETURN) {
      finish(vk == VK_RETURN);
      endTracker();
      return;
    }
    int dx = vk == VK_LEFT ? -8 : vk == VK_RIGHT ? 8 : 0;
    int dy = vk == VK_UP ? -8 : vk == VK_DOWN ? 8 : 0;
    if (!dx && !dy) return;
    keyed_ = {keyed_.x + dx, keyed_.y + dy};
    mouseMove({start_.x + keyed_.x, start_.y + keyed_.y});
  }

  void cancel() override { finish(false); }

private:
  void outline(const Rect& r) {
    DeviceContext* dc = GetDC(nullptr);
    Point o = wm().isChildStyle(*wm().find(hwnd())) ? wm().clientOrigin(wm().find(hwnd())->parent) : Point{};
    Rect s = r.offset(o.x, o.y);
    int t = 3;
    dc->invertRect({s.left, s.top, s.right, s.top + t});
    dc->invertRect({s.left, s.bottom - t, s.right, s.bottom});
    dc->invertRect({s.left, s.top + t, s.left + t, s.bottom - t});
    dc->invertRect({s.right - t, s.top + t, s.right, s.bottom - t});
    ReleaseDC(nullptr, dc);
  }

  void finish(bool commit) {
    if (done_) return;
    done_ = true;
    HWND h = hwnd();
    if (!IsWindow(h)) return;
    if (!full_) {
      outline(current_);
      outline(startRect_);
    }
    Rect r = commit ? current_ : startRect_;
    if (!full_ || !commit)
      SetWindowPos(h, nullptr, r.left, r.top, r.width(), r.height(), SWP_NOZORDER | SWP_NOACTIVATE);
    if (IsWindow(h)) SendMessageW(h, WM_EXITSIZEMOVE, 0, 0);
  }

  int edge_;
  Point start_;
  Point keyed_;
  Rect startRect_;
  Rect current_;
  MINMAXINFO mmi_;
  bool full_ = true;
  bool done_ = false;
};

class CaptionButtonTracker : public SystemTracker {
public:
  CaptionButtonTracker(HWND h, int hit) : SystemTracker(h), hit_(hit) { show(true); }

  void mouseMove(Point p) override { show(over(p)); }

  void buttonUp(int button, Point p) override {
    if (button != 0) return;
    HWND h = hwnd();
    int hit = hit_;
    bool hitIt = over(p);
    show(false);
    endTracker();  // this tracker is gone from here on
    if (!hitIt || !IsWindow(h)) return;
    UINT cmd = SC_CLOSE;
    if (hit == HTMAXBUTTON) cmd = IsZoomed(h) ? SC_RESTORE : SC_MAXIMIZE;
    if (hit == HTMINBUTTON) cmd = IsIconic(h) ? SC_RESTORE : SC_MINIMIZE;
    SendMessageW(h, WM_SYSCOMMAND, cmd, pointToLParam(p));
  }

  void cancel() override { show(false); }

private:
  bool over(Point screen) const {
    Rect wr;
    GetWindowRect(hwnd(), &wr);
    return captionButtonRect(hwnd(), hit_).contains({screen.x - wr.left, screen.y - wr.top});
  }

  void show(bool pressed) {
    WindowObject* w = wm().find(hwnd());
    if (!w) return;
    int want = pressed ? hit_ : 0;
    if (w->pressedCaptionButton == want) return;
    w->pressedCaptionButton = want;
    redrawClassicFrame(hwnd());
  }

  int hit_;
};

}  // namespace

void startMoveSize(HWND h, int edge, Point screen) {
  const WindowObject* w = wm().find(h);
  if (!w) return;
  if (edge == 0 && (w->style & WS_MAXIMIZE)) return;
  if (edge != 0 && (!(w->style & WS_THICKFRAME) || (w->style & (WS_MAXIMIZE | WS_MINIMIZE)))) return;
  auto tracker = std::make_unique<MoveSizeTracker>(h, edge, screen);
  if (IsWindow(h)) startTracker(std::move(tracker));
}

void startCaptionButton(HWND h, int hit) {
  const WindowObject* w = wm().find(h);
  if (!w) return;
  if (hit == HTMAXBUTTON && !(w->style & WS_MAXIMIZEBOX)) return;
  if (hit == HTMINBUTTON && !(w->style & WS_MINIMIZEBOX)) return;
  if (hit == HTCLOSE && (w->cls->style & CS_NOCLOSE)) return;
  startTracker(std::make_unique<CaptionButtonTracker>(h, hit));
}

}  // namespace z5t8::platform::gui
