#include "platform/gui/Paint.h"

#include <algorithm>

#include "platform/gui/Backend.h"
#include "platform/gui/Caret.h"
#include "platform/gui/Messages.h"
#include "platform/gui/Window.h"
#include "platform/gui/WindowManager.h"

namespace z5t8::platform::gui {

namespace {

DeviceContext* lend(WindowManager::LentDC lent) {
  DeviceContext* raw = lent.dc.get();
  wm().lentDCs.push_back(std::move(lent));
  return raw;
}

DeviceContext* screenDC() {
  WindowManager& m = wm();
  Size s = m.backend().screenSize();
  if (!m.screenOverlay || m.screenOverlay->width() != s.cx || m.screenOverlay->height() != s.cy)
    m.screenOverlay = std::make_unique<Surface>(s.cx, s.cy);
  WindowManager::LentDC lent;
  lent.dc = std::make_unique<DeviceContext>(m.screenOverlay.get());
  lent.screen = true;
  lent.dirty = m.screenOverlay->bounds();
  return lend(std::move(lent));
}

void paintNow(HWND h, bool children) {
  WindowManager& m = wm();
  m.eraseNow(h, false);
  WindowObject* w = m.find(h);
  if (!w) return;
  if ((!w->update.isEmpty() || w->internalPaint) && m.reallyVisible(h)) {
    w->internalPaint = false;
    sendMessage(h, WM_PAINT, 0, 0);
    if (!(w = m.find(h))) return;
  }
  if (!children) return;
  std::vector<HWND> kids = w->children;
  for (HWND c : kids) paintNow(c, true);
}

// Where a window context lies on its top-level surface and what it may touch
// (device coordinates).
struct DCPlace {
  Point origin;
  Region clip;
  Rect reach;
};

DCPlace placeDC(HWND h, DWORD flags, const std::optional<Region>& clip) {
  WindowManager& m = wm();
  const WindowObject* w = m.find(h);
  const WindowObject* t = m.find(m.topLevelOf(h));
  bool window = flags & DCX_WINDOW;
  bool clipChildren = (flags & DCX_CLIPCHILDREN) || (w->style & WS_CLIPCHILDREN);
  Region vis = m.visibleRegion(h, !window, clipChildren);
  if (clip && (flags & (DCX_INTERSECTRGN | DCX_EXCLUDERGN))) {
    Region c = *clip;
    c.offset(-t->rect.left, -t->rect.top);
    vis.combine(vis, c, (flags & DCX_INTERSECTRGN) ? RGN_AND : RGN_DIFF);
  }
  Point origin = m.surfaceOrigin(h);
  if (!window) origin = {origin.x + w->client.left, origin.y + w->client.top};
  Rect reach = vis.box();
  vis.offset(-origin.x, -origin.y);
  return {origin, std::move(vis), reach};
}

}  // namespace

void WindowManager::refreshLentDCs(HWND top) {
  for (LentDC& l : lentDCs) {
    if (l.screen || l.top != top || !find(l.window) || !l.dc->surface()) continue;
    DCPlace p = placeDC(l.window, l.flags, l.clip);
    l.dc->selectSurface(find(top)->surface.get());
    l.dc->setDeviceOrigin(p.origin, std::move(p.clip));
    l.dirty = unionRect(l.dirty, p.reach);
  }
}

DeviceContext* GetDCEx(HWND h, const Region* clip, DWORD flags) {
  WindowManager& m = wm();
  if (!h) return screenDC();
  if (!m.find(h)) return nullptr;
  HWND top = m.topLevelOf(h);
  WindowManager::LentDC lent;
  lent.window = h;
  lent.top = top;
  lent.flags = flags;
  if (clip) lent.clip = *clip;
  DCPlace p = placeDC(h, flags, lent.clip);
  lent.dc = std::make_unique<DeviceContext>(m.find(top)->surface.get(), p.origin, std::move(p.clip));
  lent.dirty = p.reach;
  return lend(std::move(lent));
}

DeviceContext* GetDC(HWND h) { return GetDCEx(h, nullptr, 0); }

DeviceContext* GetWindowDC(HWND h) { return GetDCEx(h, nullptr, DCX_WINDOW); }

int ReleaseDC(HWND h, DeviceContext* dc) {
  WindowManager& m = wm();
  auto it = std::find_if(m.lentDCs.begin(), m.lentDCs.end(), [&](const auto& l) { return l.dc.get() == dc; });
  if (it == m.lentDCs.end()) return 0;
  if (it->screen) {
    m.backend().overlayChanged(*m.screenOverlay, it->dirty);
  } else {
    m.markDirty(it->top, it->dirty);
  }
  m.lentDCs.erase(it);
  return 1;
}

DeviceContext* BeginPaint(HWND h, PAINTSTRUCT* ps) {
  WindowManager& m = wm();
  if (!ps || !m.find(h)) return nullptr;
  bool caretHidden = m.caret.hwnd == h && HideCaret(h);
  m.paintFrameNow(h);
  WindowObject* w = m.find(h);
  if (!w) return nullptr;
  Region area = Region::combined(w->update, Region(w->client), RGN_AND);
  bool erase = w->erasePending;
  bool failed = w->eraseFailed;
  m.validate(h, nullptr);
  Point o = m.windowOrigin(h);
  Region screenArea = area;
  screenArea.offset(o.x, o.y);
  DeviceContext* dc = GetDCEx(h, &screenArea, DCX_INTERSECTRGN);
  ps->hdc = dc;
  ps->fErase = failed;
  if (erase) ps->fErase = sendMessage(h, WM_ERASEBKGND, reinterpret_cast<WPARAM>(dc), 0) ? FALSE : TRUE;
  if ((w = m.find(h))) {
    Rect box = area.box();
    ps->rcPaint = box.isEmpty() ? Rect{} : box.offset(-w->client.left, -w->client.top);
    w->caretHiddenByPaint = caretHidden;
  }
  return dc;
}

BOOL EndPaint(HWND h, const PAINTSTRUCT* ps) {
  if (!ps) return FALSE;
  ReleaseDC(h, ps->hdc);
  WindowObject* w = wm().find(h);
  if (w && w->caretHiddenByPaint) {
    w->caretHiddenByPaint = false;
    ShowCaret(h);
  }
  return TRUE;
}

BOOL RedrawWindow(HWND h, const Rect* rect, const Region* rgn, UINT flags) {
  WindowManager& m = wm();
  if (!h) {
    std::vector<HWND> tops = m.topLevels;
    for (HWND t : tops) RedrawWindow(t, rect, rgn, flags);
    return TRUE;
  }
  WindowObject* w = m.find(h);
  if (!w) return FALSE;
  std::optional<Region> area;
  if (rgn)
    area = *rgn;
  else if (rect)
    area = Region(*rect);
  if (area) area->offset(w->client.left, w->client.top);
  if (flags & (RDW_INVALIDATE | RDW_VALIDATE | RDW_INTERNALPAINT | RDW_NOINTERNALPAINT))
    m.invalidate(h, area ? &*area : nullptr, flags);
  bool children = (flags & RDW_ALLCHILDREN) != 0;
  if (flags & RDW_UPDATENOW) {
    paintNow(h, children);
  } else if (flags & RDW_ERASENOW) {
    m.eraseNow(h, children);
  }
  return TRUE;
}

BOOL InvalidateRect(HWND h, const Rect* rect, BOOL erase) {
  return RedrawWindow(h, rect, nullptr, RDW_INVALIDATE | (erase ? RDW_ERASE : 0));
}

BOOL InvalidateRgn(HWND h, const Region* rgn, BOOL erase) {
  return RedrawWindow(h, nullptr, rgn, RDW_INVALIDATE | (erase ? RDW_ERASE : 0));
}

BOOL ValidateRect(HWND h, const Rect* rect) {
  return RedrawWindow(h, rect, nullptr, RDW_VALIDATE | RDW_NOCHILDREN);
}

BOOL ValidateRgn(HWND h, const Region* rgn) {
  return RedrawWindow(h, nullptr, rgn, RDW_VALIDATE | RDW_NOCHILDREN);
}

BOOL UpdateWindow(HWND h) {
  if (!wm().find(h)) return FALSE;
  paintNow(h, false);
  return TRUE;
}

BOOL GetUpdateRect(HWND h, Rect* rect, BOOL erase) {
  WindowObject* w = wm().find(h);
  if (!w) return FALSE;
  Region area = Region::combined(w->update, Region(w->client), RGN_AND);
  if (rect) {
    Rect box = area.box();
    *rect = box.isEmpty() ? Rect{} : box.offset(-w->client.left, -w->client.top);
  }
  if (erase && !area.isEmpty()) wm().eraseNow(h, false);
  return area.isEmpty() ? FALSE : TRUE;
}

int GetUpdateRgn(HWND h, Region& out, BOOL erase) {
  WindowObject* w = wm().find(h);
  if (!w) return RGN_ERROR;
  out = Region::combined(w->update, Region(w->client), RGN_AND);
  out.offset(-w->client.left, -w->client.top);
  if (erase && !out.isEmpty()) wm().eraseNow(h, false);
  return out.complexity();
}

int ScrollWindowEx(HWND h, int dx, int dy, const Rect* scroll, const Rect* clip, Region* update,
                   Rect* updateRect, UINT flags) {
  WindowManager& m = wm();
  WindowObject* w = m.find(h);
  if (!w) return RGN_ERROR;
  Rect client{0, 0, w->client.width(), w->client.height()};
  Rect area = intersectRect(scroll ? *scroll : client, clip ? *clip : client);
  area = intersectRect(area, client);
  bool caret = m.caret.hwnd == h && HideCaret(h);
  Point co = m.surfaceOrigin(h);
  co = {co.x + w->client.left, co.y + w->client.top};
  // All in client coordinates: what can be seen, what moves, where it lands.
  Region vis = m.visibleRegion(h, true, !(flags & SW_SCROLLCHILDREN));
  vis.offset(-co.x, -co.y);
  Region source = scroll ? Region(*scroll) : Region(client);
  source.combine(source, vis, RGN_AND);
  Region dest = source;
  dest.offset(dx, dy);
  dest.intersect(area);
  dest.combine(dest, vis, RGN_AND);
  Surface& s = *m.find(m.topLevelOf(h))->surface;
  Rect box = dest.box();
  if (!box.isEmpty()) {
    Surface copy(box.width(), box.height());
    for (int y = 0; y < box.height(); ++y) {
      int sy = box.top + y - dy + co.y;
      if (sy < 0 || sy >= s.height()) continue;
      for (int x = 0; x < box.width(); ++x) copy.setPixel(x, y, s.pixel(box.left + x - dx + co.x, sy));
    }
    for (const Rect& r : dest.rects()) {
      for (int y = r.top; y < r.bottom; ++y) {
        for (int x = r.left; x < r.right; ++x)
          s.setPixel(x + co.x, y + co.y, copy.pixel(x - box.left, y - box.top));
      }
    }
    m.markDirty(m.topLevelOf(h), box.offset(co.x, co.y));
  }
  Region uncovered(area);
  uncovered.combine(uncovered, vis, RGN_AND);
  uncovered.combine(uncovered, dest, RGN_DIFF);
  // A pending update moves with the pixels it belongs to.
  Region pending = Region::combined(w->update, Region(w->client), RGN_AND);
  pending.offset(-w->client.left, -w->client.top);
  pending.intersect(area);
  if (!pending.isEmpty()) {
    Region moved = pending;
    moved.offset(dx, dy);
    moved.intersect(area);
    Region old = pending;
    old.offset(w->client.left, w->client.top);
    w->update.combine(w->update, old, RGN_DIFF);
    moved.offset(w->client.left, w->client.top);
    w->update.combine(w->update, moved, RGN_OR);
  }
  if (flags & SW_SCROLLCHILDREN) {
    std::vector<HWND> kids = w->children;
    for (HWND c : kids) {
      const WindowObject* cw = m.find(c);
      if (!cw || !area.contains(cw->rect.topLeft())) continue;
      SetWindowPos(c, nullptr, cw->rect.left + dx, cw->rect.top + dy, 0, 0,
                   SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE | SWP_NOREDRAW);
    }
  }
  if (flags & SW_INVALIDATE) InvalidateRgn(h, &uncovered, (flags & SW_ERASE) ? TRUE : FALSE);
  if (update) *update = uncovered;
  if (updateRect) *updateRect = uncovered.box();
  if (caret) ShowCaret(h);
  return uncovered.complexity();
}

BOOL ScrollWindow(HWND h, int dx, int dy, const Rect* scroll, const Rect* clip) {
  return ScrollWindowEx(h, dx, dy, scroll, clip, nullptr, nullptr, SW_INVALIDATE | SW_ERASE) != RGN_ERROR;
}

void GdiFlush() { wm().presentAll(); }

}  // namespace z5t8::platform::gui
