#include "platform/gui/ScrollBar.h"

#include <algorithm>

#include "platform/gui/ClassicFrame.h"
#include "platform/gui/FrameControls.h"
#include "platform/gui/InputRouting.h"
#include "platform/gui/MessageQueue.h"
#include "platform/gui/Messages.h"
#include "platform/gui/Paint.h"
#include "platform/gui/ScrollBarLayout.h"
#include "platform/gui/SystemMetrics.h"
#include "platform/gui/SystemTracker.h"
#include "platform/gui/Window.h"
#include "platform/gui/WindowManager.h"

namespace z5t8::platform::gui {

namespace {

ScrollBarState* stateOf(HWND h, int bar) {
  WindowObject* w = wm().find(h);
  if (!w || (bar != SB_HORZ && bar != SB_VERT)) return nullptr;
  return bar == SB_VERT ? &w->vscroll : &w->hscroll;
}

DWORD styleBit(int bar) { return bar == SB_VERT ? WS_VSCROLL : WS_HSCROLL; }

int maxPos(const ScrollBarState& s) { return s.max - std::max(int(s.page) - 1, 0); }

bool scrollable(const ScrollBarState& s) { return s.max > s.min && s.page <= s.max - s.min; }

// Shows or hides a bar by its style bit and lays the frame out again.
void setShown(HWND h, int bar, bool show) {
  WindowObject* w = wm().find(h);
  if (!w) return;
  DWORD bits = 0;
  if (bar == SB_VERT || bar == SB_BOTH) bits |= WS_VSCROLL;
  if (bar == SB_HORZ || bar == SB_BOTH) bits |= WS_HSCROLL;
  DWORD style = show ? (w->style | bits) : (w->style & ~bits);
  if (style == w->style) return;
  w->style = style;
  SetWindowPos(h, nullptr, 0, 0, 0, 0,
               SWP_NOMOVE | SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE | SWP_FRAMECHANGED);
}

int mulDivRound(int a, int b, int c) {
  if (c == 0) return 0;
  long long n = (long long)a * b;
  long long q = (n + (n >= 0 ? c / 2 : -c / 2)) / c;
  return int(q);
}

}  // namespace

Rect scrollBarRect(const WindowObject& w, int bar) {
  const Rect& c = w.client;
  if (bar == SB_VERT && (w.style & WS_VSCROLL))
    return {c.right, c.top, c.right + GetSystemMetrics(SM_CXVSCROLL), c.bottom};
  if (bar == SB_HORZ && (w.style & WS_HSCROLL))
    return {c.left, c.bottom, c.right, c.bottom + GetSystemMetrics(SM_CYHSCROLL)};
  return {};
}

ScrollBarLayout scrollBarLayout(const WindowObject& w, int bar, int pos) {
  ScrollBarLayout l;
  l.vertical = bar == SB_VERT;
  l.bar = scrollBarRect(w, bar);
  const ScrollBarState& s = bar == SB_VERT ? w.vscroll : w.hscroll;
  int length = l.vertical ? l.bar.height() : l.bar.width();
  int arrow = l.vertical ? GetSystemMetrics(SM_CYVSCROLL) : GetSystemMetrics(SM_CXHSCROLL);
  if (length < 2 * arrow) arrow = length / 2;
  int start = l.vertical ? l.bar.top : l.bar.left;
  auto along = [&](int a, int b) {
    return l.vertical ? Rect{l.bar.left, a, l.bar.right, b} : Rect{a, l.bar.top, b, l.bar.bottom};
  };
  l.up = along(start, start + arrow);
  l.down = along(start + length - arrow, start + length);
  l.track = along(start + arrow, start + length - arrow);
  int trackLen = length - 2 * arrow;
  int range = s.max - s.min + 1;
  int thumb = s.page ? std::max(mulDivRound(trackLen, int(s.page), range), 8) : GetSystemMetrics(SM_CYVTHUMB);
  bool enabled = (s.disabled & ESB_DISABLE_BOTH) != ESB_DISABLE_BOTH && scrollable(s);
  l.thumbShown = enabled && thumb <= trackLen && trackLen > 0;
  l.thumbLength = thumb;
  if (l.thumbShown) {
    int span = maxPos(s) - s.min;
    int offset =
        span > 0 ? mulDivRound(trackLen - thumb, std::clamp(pos, s.min, maxPos(s)) - s.min, span) : 0;
    int ts = start + arrow + offset;
    l.thumb = along(ts, ts + thumb);
  }
  return l;
}

ScrollPart scrollPartAt(const ScrollBarLayout& l, Point p) {
  if (!l.bar.contains(p)) return SP_NONE;
  if (l.up.contains(p)) return SP_LINEUP;
  if (l.down.contains(p)) return SP_LINEDOWN;
  if (!l.thumbShown) return SP_NONE;
  if (l.thumb.contains(p)) return SP_THUMB;
  int a = l.vertical ? p.y : p.x;
  int t = l.vertical ? l.thumb.top : l.thumb.left;
  return a < t ? SP_PAGEUP : SP_PAGEDOWN;
}

int scrollPosFromThumb(const WindowObject& w, int bar, const ScrollBarLayout& l, int start) {
  const ScrollBarState& s = bar == SB_VERT ? w.vscroll : w.hscroll;
  int trackStart = l.vertical ? l.track.top : l.track.left;
  int trackLen = l.vertical ? l.track.height() : l.track.width();
  int free = trackLen - l.thumbLength;
  if (free <= 0) return s.min;
  int p = s.min + mulDivRound(std::clamp(start - trackStart, 0, free), maxPos(s) - s.min, free);
  return std::clamp(p, s.min, maxPos(s));
}

void paintScrollBar(DeviceContext& dc, HWND h, int bar) {
  const WindowObject* w = wm().find(h);
  if (!w) return;
  const ScrollBarState& s = bar == SB_VERT ? w->vscroll : w->hscroll;
  ScrollBarLayout l = scrollBarLayout(*w, bar, s.tracking ? s.trackPos : s.pos);
  if (l.bar.isEmpty()) return;
  bool usable = scrollable(s);
  UINT upKind = l.vertical ? DFCS_SCROLLUP : DFCS_SCROLLLEFT;
  UINT downKind = l.vertical ? DFCS_SCROLLDOWN : DFCS_SCROLLRIGHT;
  UINT upState = upKind | ((s.pressedPart == SP_LINEUP) ? DFCS_PUSHED : 0) |
                 ((!usable || (s.disabled & ESB_DISABLE_LTUP)) ? DFCS_INACTIVE : 0);
  UINT downState = downKind | ((s.pressedPart == SP_LINEDOWN) ? DFCS_PUSHED : 0) |
                   ((!usable || (s.disabled & ESB_DISABLE_RTDN)) ? DFCS_INACTIVE : 0);
  Rect up = l.up, down = l.down;
  DrawFrameControl(dc, &up, DFC_SCROLL, upState);
  DrawFrameControl(dc, &down, DFC_SCROLL, downState);
  auto pattern = [](ColorRef a, ColorRef b) {
    BrushPattern p;
    for (int y = 0; y < 8; ++y)
      for (int x = 0; x < 8; ++x) p[size_t(y * 8 + x)] = ((x + y) % 2) ? a : b;
    return Brush::withPattern(p);
  };
  Brush normal = pattern(GetSysColor(COLOR_BTNHIGHLIGHT), GetSysColor(COLOR_SCROLLBAR));
  Brush pressed = Brush::solid(GetSysColor(COLOR_3DDKSHADOW));
  if (!l.thumbShown) {
    if (!l.track.isEmpty()) dc.fillRect(l.track, normal);
    return;
  }
  Rect before = l.vertical ? Rect{l.track.left, l.track.top, l.track.right, l.thumb.top}
                           : Rect{l.track.left, l.track.top, l.thumb.left, l.track.bottom};
  Rect after = l.vertical ? Rect{l.track.left, l.thumb.bottom, l.track.right, l.track.bottom}
                          : Rect{l.thumb.right, l.track.top, l.track.right, l.track.bottom};
  if (!before.isEmpty()) dc.fillRect(before, s.pressedPart == SP_PAGEUP ? pressed : normal);
  if (!after.isEmpty()) dc.fillRect(after, s.pressedPart == SP_PAGEDOWN ? pressed : normal);
  Rect thumb = l.thumb;
  DrawEdge(dc, &thumb, EDGE_RAISED, BF_RECT | BF_MIDDLE);
}

void redrawScrollBar(HWND h, int bar) {
  if (!IsWindowVisible(h)) return;
  DeviceContext* dc = GetWindowDC(h);
  if (!dc) return;
  paintScrollBar(*dc, h, bar);
  ReleaseDC(h, dc);
}

namespace {

class ScrollTracker : public SystemTracker {
public:
  ScrollTracker(HWND h, int bar, ScrollPart part, int grab)
      : SystemTracker(h), bar_(bar), part_(part), grab_(grab) {}
  ~ScrollTracker() override {
    if (timer_) stopSystemTimer(timer_);
  }

  void begin(Point screen) {
    last_ = screen;
    ScrollBarState* s = stateOf(hwnd(), bar_);
    if (part_ == SP_THUMB) {
      s->tracking = true;
      s->trackPos = s->pos;
      redrawScrollBar(hwnd(), bar_);
      return;
    }
    s->pressedPart = part_;
    redrawScrollBar(hwnd(), bar_);
    step();
    if (!IsWindow(hwnd()) || !stillRunning(this)) return;
    timer_ = startSystemTimer(
        SCROLL_FIRST_DELAY,
        [this] {
          TrackerCall call;
          repeat();
        },
        false);
  }

  void mouseMove(Point screen) override {
    last_ = screen;
    WindowObject* w = wm().find(hwnd());
    ScrollBarState* s = stateOf(hwnd(), bar_);
    if (!w || !s) return;
    ScrollBarLayout l = scrollBarLayout(*w, bar_, s->trackPos);
    Point wp = toWindow(screen);
    if (part_ == SP_THUMB) {
      int start = (l.vertical ? wp.y : wp.x) - grab_;
      int pos = scrollPosFromThumb(*w, bar_, l, start);
      if (pos != s->trackPos) {
        s->trackPos = pos;
        redrawScrollBar(hwnd(), bar_);
        send(SB_THUMBTRACK, pos);
      }
      return;
    }
    int shown = scrollPartAt(scrollBarLayout(*w, bar_, s->pos), wp) == part_ ? part_ : SP_NONE;
    if (shown != s->pressedPart) {
      s->pressedPart = shown;
      redrawScrollBar(hwnd(), bar_);
    }
  }

  void buttonUp(int button, Point screen) override {
    if (button != 0) return;
    finish(true);
    endTracker();
  }

  void key(int vk) override {
    if (vk == 0x1B) {
      finish(false);
      endTracker();
    }
  }

  void cancel() override { finish(false); }

private:
  Point toWindow(Point screen) const {
    Rect r;
    GetWindowRect(hwnd(), &r);
    return {screen.x - r.left, screen.y - r.top};
  }

  void send(int code, int pos) {
    UINT msg = bar_ == SB_VERT ? WM_VSCROLL : WM_HSCROLL;
    SendMessageW(hwnd(), msg, MAKEWPARAM(uint32_t(code), uint32_t(pos)), 0);
  }

  void step() {
    static const int codes[] = {0, SB_LINEUP, SB_PAGEUP, 0, SB_PAGEDOWN, SB_LINEDOWN};
    send(codes[part_], 0);
  }

  void repeat() {
    if (!stillRunning(this)) return;
    WindowObject* w = wm().find(hwnd());
    ScrollBarState* s = stateOf(hwnd(), bar_);
    if (!w || !s) return;
    if (timer_) stopSystemTimer(timer_);
    timer_ = 0;
    // A page part steps only while the mouse is still on it: the thumb moves
    // towards the mouse and stops there.
    ScrollPart now = scrollPartAt(scrollBarLayout(*w, bar_, s->pos), toWindow(last_));
    int shown = now == part_ ? part_ : SP_NONE;
    if (shown != s->pressedPart) {
      s->pressedPart = shown;
      redrawScrollBar(hwnd(), bar_);
    }
    if (now == part_) step();
    if (IsWindow(hwnd()) && stillRunning(this))
      timer_ = startSystemTimer(
          SCROLL_REPEAT_DELAY,
          [this] {
            TrackerCall call;
            repeat();
          },
          false);
  }

  void finish(bool commit) {
    if (done_) return;
    done_ = true;
    if (timer_) stopSystemTimer(timer_);
    timer_ = 0;
    HWND h = hwnd();
    ScrollBarState* s = stateOf(h, bar_);
    if (!s) return;
    if (part_ == SP_THUMB) {
      int pos = s->trackPos;
      if (commit) send(SB_THUMBPOSITION, pos);
      if ((s = stateOf(h, bar_))) s->tracking = false;
    }
    if ((s = stateOf(h, bar_))) s->pressedPart = SP_NONE;
    if (IsWindow(h)) send(SB_ENDSCROLL, 0);
    if (IsWindow(h)) redrawScrollBar(h, bar_);
  }

  int bar_;
  ScrollPart part_;
  int grab_;
  Point last_;
  uintptr_t timer_ = 0;
  bool done_ = false;
};

}  // namespace

void startScrollTracking(HWND h, int bar, Point screen) {
  WindowObject* w = wm().find(h);
  if (!w) return;
  ScrollBarState* s = stateOf(h, bar);
  ScrollBarLayout l = scrollBarLayout(*w, bar, s->pos);
  Rect wr;
  GetWindowRect(h, &wr);
  Point wp{screen.x - wr.left, screen.y - wr.top};
  ScrollPart part = scrollPartAt(l, wp);
  if (part == SP_NONE || !scrollable(*s)) return;
  if ((part == SP_LINEUP && (s->disabled & ESB_DISABLE_LTUP)) ||
      (part == SP_LINEDOWN && (s->disabled & ESB_DISABLE_RTDN)))
    return;
  int grab = part == SP_THUMB ? (l.vertical ? wp.y - l.thumb.top : wp.x - l.thumb.left) : 0;
  auto tracker = std::make_unique<ScrollTracker>(h, bar, part, grab);
  ScrollTracker* t = tracker.get();
  TrackerCall call;
  startTracker(std::move(tracker));
  t->begin(screen);
}

int SetScrollInfo(HWND h, int bar, const SCROLLINFO* info, BOOL redraw) {
  ScrollBarState* s = stateOf(h, bar);
  if (!s || !info) return 0;
  if (info->fMask & SIF_RANGE) {
    s->min = info->nMin;
    s->max = std::max(info->nMax, info->nMin);
  }
  if (info->fMask & SIF_PAGE) s->page = std::min<UINT>(info->nPage, UINT(std::max(s->max - s->min + 1, 0)));
  if (info->fMask & SIF_POS) s->pos = info->nPos;
  s->pos = std::clamp(s->pos, s->min, std::max(maxPos(*s), s->min));
  int pos = s->pos;
  if (info->fMask & (SIF_RANGE | SIF_PAGE)) {
    bool can = scrollable(*s);
    if (info->fMask & SIF_DISABLENOSCROLL) {
      s->disabled = can ? ESB_ENABLE_BOTH : ESB_DISABLE_BOTH;
      if (can) setShown(h, bar, true);
    } else {
      setShown(h, bar, can);
    }
  }
  if (redraw) redrawScrollBar(h, bar);
  return pos;
}

BOOL GetScrollInfo(HWND h, int bar, SCROLLINFO* info) {
  ScrollBarState* s = stateOf(h, bar);
  if (!s || !info) return FALSE;
  if (info->fMask & SIF_RANGE) {
    info->nMin = s->min;
    info->nMax = s->max;
  }
  if (info->fMask & SIF_PAGE) info->nPage = s->page;
  if (info->fMask & SIF_POS) info->nPos = s->pos;
  if (info->fMask & SIF_TRACKPOS) info->nTrackPos = s->tracking ? s->trackPos : s->pos;
  return TRUE;
}

int SetScrollPos(HWND h, int bar, int pos, BOOL redraw) {
  ScrollBarState* s = stateOf(h, bar);
  if (!s) return 0;
  int old = s->pos;
  SCROLLINFO si;
  si.fMask = SIF_POS;
  si.nPos = pos;
  SetScrollInfo(h, bar, &si, redraw);
  return old;
}

int GetScrollPos(HWND h, int bar) {
  ScrollBarState* s = stateOf(h, bar);
  return s ? s->pos : 0;
}

BOOL SetScrollRange(HWND h, int bar, int min, int max, BOOL redraw) {
  if (!stateOf(h, bar)) return FALSE;
  SCROLLINFO si;
  si.fMask = SIF_RANGE;
  si.nMin = min;
  si.nMax = max;
  SetScrollInfo(h, bar, &si, redraw);
  return TRUE;
}

BOOL GetScrollRange(HWND h, int bar, int* min, int* max) {
  ScrollBarState* s = stateOf(h, bar);
  if (!s) return FALSE;
  if (min) *min = s->min;
  if (max) *max = s->max;
  return TRUE;
}

BOOL ShowScrollBar(HWND h, int bar, BOOL show) {
  if (!wm().find(h) || bar < SB_HORZ || bar > SB_BOTH || bar == SB_CTL) return FALSE;
  setShown(h, bar, show);
  return TRUE;
}

BOOL EnableScrollBar(HWND h, int bar, UINT arrows) {
  if (bar == SB_BOTH) return EnableScrollBar(h, SB_HORZ, arrows) && EnableScrollBar(h, SB_VERT, arrows);
  ScrollBarState* s = stateOf(h, bar);
  if (!s) return FALSE;
  if (s->disabled == arrows) return FALSE;
  s->disabled = arrows & ESB_DISABLE_BOTH;
  redrawScrollBar(h, bar);
  return TRUE;
}

BOOL GetScrollBarInfo(HWND h, LONG_PTR object, SCROLLBARINFO* info) {
  WindowObject* w = wm().find(h);
  if (!w || !info || (object != OBJID_VSCROLL && object != OBJID_HSCROLL)) return FALSE;
  int bar = object == OBJID_VSCROLL ? SB_VERT : SB_HORZ;
  const ScrollBarState& s = bar == SB_VERT ? w->vscroll : w->hscroll;
  *info = SCROLLBARINFO();
  Rect wr;
  GetWindowRect(h, &wr);
  if (!(w->style & styleBit(bar))) {
    // The platform still reports where the bar would be.
    Rect c = w->client;
    Rect would = bar == SB_VERT ? Rect{c.right, c.top, c.right + GetSystemMetrics(SM_CXVSCROLL), c.bottom}
                                : Rect{c.left, c.bottom, c.right, c.bottom + GetSystemMetrics(SM_CYHSCROLL)};
    info->rcScrollBar = would.offset(wr.left, wr.top);
    info->rgstate[0] = STATE_SYSTEM_INVISIBLE;
    return TRUE;
  }
  ScrollBarLayout l = scrollBarLayout(*w, bar, s.tracking ? s.trackPos : s.pos);
  info->rcScrollBar = l.bar.offset(wr.left, wr.top);
  info->dxyLineButton = l.vertical ? l.up.height() : l.up.width();
  if (l.thumbShown) {
    info->xyThumbTop = l.vertical ? l.thumb.top - l.bar.top : l.thumb.left - l.bar.left;
    info->xyThumbBottom = l.vertical ? l.thumb.bottom - l.bar.top : l.thumb.right - l.bar.left;
  }
  bool usable = scrollable(s) && (s.disabled & ESB_DISABLE_BOTH) != ESB_DISABLE_BOTH;
  if (!usable) info->rgstate[0] |= STATE_SYSTEM_UNAVAILABLE;
  if (!wm().reallyVisible(h)) info->rgstate[0] |= STATE_SYSTEM_OFFSCREEN;
  // The parts are numbered as the state slots are.
  if (s.pressedPart != SP_NONE) info->rgstate[s.pressedPart] |= STATE_SYSTEM_PRESSED;
  if (s.tracking) info->rgstate[3] |= STATE_SYSTEM_PRESSED;
  return TRUE;
}

}  // namespace z5t8::platform::gui
