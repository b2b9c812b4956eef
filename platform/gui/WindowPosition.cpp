#include "platform/gui/WindowPosition.h"

#include <algorithm>

#include "platform/gui/Backend.h"
#include "platform/gui/ClassicFrame.h"
#include "platform/gui/Input.h"
#include "platform/gui/Paint.h"
#include "platform/gui/SystemMetrics.h"
#include "platform/gui/Window.h"
#include "platform/gui/WindowManager.h"

namespace z5t8::platform::gui {

MINMAXINFO defaultMinMaxInfo(HWND h) {
  const WindowObject* w = wm().find(h);
  MINMAXINFO mmi;
  Rect work = wm().backend().workArea();
  Rect in = w ? frameInsets(w->style, w->exStyle) : Rect{};
  int border = std::max(in.left, 0);
  mmi.ptMaxSize = {work.width() + 2 * border, work.height() + 2 * border};
  mmi.ptMaxPosition = {work.left - border, work.top - border};
  mmi.ptMinTrackSize = {GetSystemMetrics(SM_CXMINTRACK), GetSystemMetrics(SM_CYMINTRACK)};
  mmi.ptMaxTrackSize = {GetSystemMetrics(SM_CXMAXTRACK), GetSystemMetrics(SM_CYMAXTRACK)};
  return mmi;
}

void recalcClient(HWND h) {
  WindowObject* w = wm().find(h);
  if (!w) return;
  Rect r = rectFromSize(0, 0, w->rect.width(), w->rect.height()).offset(w->rect.left, w->rect.top);
  sendMessage(h, WM_NCCALCSIZE, FALSE, reinterpret_cast<LPARAM>(&r));
  if (!(w = wm().find(h))) return;
  Rect c = r.offset(-w->rect.left, -w->rect.top);
  c.right = std::max(c.right, c.left);
  c.bottom = std::max(c.bottom, c.top);
  w->client = c;
}

namespace {

bool isTopLevel(const WindowObject& w) { return !wm().isChildStyle(w); }

void restack(HWND h, HWND after, WindowObject& w) {
  WindowManager& m = wm();
  if (!isTopLevel(w)) {
    auto& s = m.find(w.parent)->children;
    s.erase(std::remove(s.begin(), s.end(), h), s.end());
    if (after == HWND_BOTTOM) {
      s.push_back(h);
    } else if (after == HWND_TOP || after == HWND_TOPMOST || after == HWND_NOTOPMOST) {
      s.insert(s.begin(), h);
    } else {
      auto pos = std::find(s.begin(), s.end(), after);
      s.insert(pos == s.end() ? s.begin() : pos + 1, h);
    }
    return;
  }
  auto& order = m.topLevels;
  order.erase(std::remove(order.begin(), order.end(), h), order.end());
  bool wasTopmost = w.exStyle & WS_EX_TOPMOST;
  if (after == HWND_TOPMOST) w.exStyle |= WS_EX_TOPMOST;
  if (after == HWND_NOTOPMOST) w.exStyle &= ~WS_EX_TOPMOST;
  bool topmost = w.exStyle & WS_EX_TOPMOST;
  if (topmost != wasTopmost) m.backend().windowTopmostChanged(h, topmost);
  auto firstNormal = std::find_if(order.begin(), order.end(), [&](HWND t) {
    const WindowObject* o = m.find(t);
    return o && !(o->exStyle & WS_EX_TOPMOST);
  });
  if (after == HWND_BOTTOM) {
    order.insert(topmost ? firstNormal : order.end(), h);
  } else if (after == HWND_TOP || after == HWND_TOPMOST || after == HWND_NOTOPMOST) {
    order.insert(topmost ? order.begin() : firstNormal, h);
  } else {
    auto pos = std::find(order.begin(), order.end(), after);
    if (pos == order.end()) {
      order.insert(topmost ? order.begin() : firstNormal, h);
    } else {
      // Never above the topmost group when not topmost, never below it when topmost.
      auto at = pos + 1;
      if (!topmost && at < firstNormal) at = firstNormal;
      if (topmost && at > firstNormal) at = firstNormal;
      order.insert(at, h);
    }
  }
  // Owned windows stay above their owners.
  for (size_t i = 0; i < order.size(); ++i) {
    const WindowObject* o = m.find(order[i]);
    if (!o || !o->owner) continue;
    auto ownerPos = std::find(order.begin(), order.end(), o->owner);
    if (ownerPos != order.end() && size_t(ownerPos - order.begin()) < i) {
      HWND owned = order[i];
      order.erase(order.begin() + long(i));
      ownerPos = std::find(order.begin(), order.end(), o->owner);
      order.insert(ownerPos, owned);
    }
  }
  m.backend().windowOrderChanged(order);
}

// Where the window was, in its parent's client coordinates.
Region parentArea(HWND h) {
  WindowManager& m = wm();
  const WindowObject* w = m.find(h);
  Region r = m.visibleRegion(h, false, false);
  const WindowObject* p = m.find(w->parent);
  Point po = m.surfaceOrigin(w->parent);
  r.offset(-(po.x + p->client.left), -(po.y + p->client.top));
  return r;
}

// What SWP_NOMOVE and SWP_NOSIZE leave alone stays as the window has it,
// whatever the call or a WM_WINDOWPOSCHANGING handler put there.
void keepPlaceAndSize(WINDOWPOS& wp, const WindowObject& w) {
  if (wp.flags & SWP_NOMOVE) {
    wp.x = w.rect.left;
    wp.y = w.rect.top;
  }
  if (wp.flags & SWP_NOSIZE) {
    wp.cx = w.rect.width();
    wp.cy = w.rect.height();
  }
}

}  // namespace

BOOL SetWindowPos(HWND h, HWND insertAfter, int x, int y, int cx, int cy, UINT flags) {
  WindowManager& m = wm();
  WindowObject* w = m.find(h);
  if (!w) return FALSE;
  bool visible = w->style & WS_VISIBLE;
  if ((flags & SWP_SHOWWINDOW) && visible) flags &= ~SWP_SHOWWINDOW;
  if ((flags & SWP_HIDEWINDOW) && !visible) flags &= ~SWP_HIDEWINDOW;
  if (flags & SWP_HIDEWINDOW) flags |= SWP_NOACTIVATE * (m.active != h);

  WINDOWPOS wp{h, insertAfter, x, y, cx, cy, flags};
  keepPlaceAndSize(wp, *w);
  wp.cx = std::max(wp.cx, 0);
  wp.cy = std::max(wp.cy, 0);
  if (!(flags & SWP_NOSIZE) && isTopLevel(*w) && !(w->style & WS_MINIMIZE) &&
      ((w->style & WS_THICKFRAME) || !(w->style & WS_POPUP))) {
    MINMAXINFO mmi = defaultMinMaxInfo(h);
    sendMessage(h, WM_GETMINMAXINFO, 0, reinterpret_cast<LPARAM>(&mmi));
    if (!(w = m.find(h))) return FALSE;
    if (!(w->style & WS_MAXIMIZE)) {
      wp.cx = std::clamp(wp.cx, int(mmi.ptMinTrackSize.x),
                         std::max(int(mmi.ptMinTrackSize.x), int(mmi.ptMaxTrackSize.x)));
      wp.cy = std::clamp(wp.cy, int(mmi.ptMinTrackSize.y),
                         std::max(int(mmi.ptMinTrackSize.y), int(mmi.ptMaxTrackSize.y)));
    }
  }
  if (!(flags & SWP_NOSENDCHANGING)) {
    sendMessage(h, WM_WINDOWPOSCHANGING, 0, reinterpret_cast<LPARAM>(&wp));
    if (!(w = m.find(h))) return FALSE;
    flags = wp.flags;
    keepPlaceAndSize(wp, *w);
  }
  wp.cx = std::max(wp.cx, 0);
  wp.cy = std::max(wp.cy, 0);

  Rect oldRect = w->rect;
  Rect oldClient = w->client;
  Rect newRect = rectFromSize(wp.x, wp.y, wp.cx, wp.cy);
  bool sized = newRect.width() != oldRect.width() || newRect.height() != oldRect.height();
  bool moved = newRect.left != oldRect.left || newRect.top != oldRect.top;
  bool wasShown = m.reallyVisible(h);
  bool child = !isTopLevel(*w);
  Region oldArea = (child && wasShown) ? parentArea(h) : Region();

  w->rect = newRect;
  Rect newClient = oldClient;
  if (sized || (flags & SWP_FRAMECHANGED)) {
    NCCALCSIZE_PARAMS p;
    p.rgrc[0] = newRect;
    p.rgrc[1] = oldRect;
    p.rgrc[2] = oldClient.offset(oldRect.left, oldRect.top);
    p.lppos = &wp;
    sendMessage(h, WM_NCCALCSIZE, TRUE, reinterpret_cast<LPARAM>(&p));
    if (!(w = m.find(h))) return FALSE;
    Rect c = p.rgrc[0].offset(-newRect.left, -newRect.top);
    c.right = std::max(c.right, c.left);
    c.bottom = std::max(c.bottom, c.top);
    w->client = c;
    newClient = c;
  }
  bool clientSized = newClient.width() != oldClient.width() || newClient.height() != oldClient.height();
  bool clientMoved = moved || newClient.left != oldClient.left || newClient.top != oldClient.top;
  if (!(flags & SWP_NOZORDER)) restack(h, wp.hwndInsertAfter, *w);
  if (flags & SWP_SHOWWINDOW) w->style |= WS_VISIBLE;
  if (flags & SWP_HIDEWINDOW) w->style &= ~WS_VISIBLE;

  if (!child) {
    if (sized && !(w->style & WS_MINIMIZE)) {
      // Resized in place: contexts handed out keep pointing at this surface.
      Surface before = std::move(*w->surface);
      w->surface->resize(newRect.width(), newRect.height());
      if (!before.isEmpty() && !w->surface->isEmpty()) {
        int cw = std::min(w->surface->width(), before.width());
        int ch = std::min(w->surface->height(), before.height());
        for (int row = 0; row < ch; ++row) std::copy_n(before.scanLine(row), cw, w->surface->scanLine(row));
      }
    }
    if (sized || moved) m.backend().windowMoved(h, newRect);
    if (flags & (SWP_SHOWWINDOW | SWP_HIDEWINDOW)) m.backend().windowShown(h, flags & SWP_SHOWWINDOW);
  }

  bool nowShown = m.reallyVisible(h);
  if (!(flags & SWP_NOREDRAW)) {
    if (child && wasShown && (!nowShown || moved || sized || !(flags & SWP_NOZORDER))) {
      RedrawWindow(w->parent, nullptr, &oldArea, RDW_INVALIDATE | RDW_ERASE | RDW_ALLCHILDREN);
      if (!(w = m.find(h))) return FALSE;
    }
    if (nowShown) {
      if (!wasShown || (child && (moved || sized || !(flags & SWP_NOZORDER)))) {
        RedrawWindow(h, nullptr, nullptr, RDW_INVALIDATE | RDW_ERASE | RDW_FRAME | RDW_ALLCHILDREN);
      } else if (sized || (flags & SWP_FRAMECHANGED)) {
        Region frame(Rect{0, 0, newRect.width(), newRect.height()});
        frame.subtract(newClient);
        m.invalidate(h, &frame, RDW_INVALIDATE | RDW_FRAME | RDW_NOCHILDREN);
        bool redrawAll = (w->cls->style & (CS_HREDRAW | CS_VREDRAW)) || clientMoved ||
                         newClient.left != oldClient.left || newClient.top != oldClient.top;
        Region exposed(newClient);
        if (!redrawAll) exposed.subtract(oldClient);
        if (!exposed.isEmpty()) m.invalidate(h, &exposed, RDW_INVALIDATE | RDW_ERASE | RDW_FRAME);
      }
      if (!(w = m.find(h))) return FALSE;
    }
  }

  if (!child && (flags & SWP_SHOWWINDOW) && !(flags & SWP_NOACTIVATE)) {
    SetActiveWindow(h);
  } else if (!child && !(flags & (SWP_NOACTIVATE | SWP_HIDEWINDOW)) && nowShown && m.active != h) {
    SetActiveWindow(h);
  }
  if ((flags & SWP_HIDEWINDOW) && !child && m.active == h) activateOtherWindow(h);
  if ((flags & SWP_HIDEWINDOW) && m.capture) {
    HWND c = m.capture;
    if (c == h || IsChild(h, c)) ReleaseCapture();
  }
  if (!(w = m.find(h))) return FALSE;

  if (!(flags & (SWP_NOREDRAW | SWP_DEFERERASE))) {
    HWND root = child ? w->parent : h;
    m.eraseNow(root, true);
    if (!(w = m.find(h))) return FALSE;
  }

  m.refreshLentDCs(m.topLevelOf(h));
  wp.flags = flags;
  if (!clientSized) wp.flags |= SWP_NOCLIENTSIZE;
  if (!clientMoved) wp.flags |= SWP_NOCLIENTMOVE;
  wp.x = w->rect.left;
  wp.y = w->rect.top;
  wp.cx = w->rect.width();
  wp.cy = w->rect.height();
  sendMessage(h, WM_WINDOWPOSCHANGED, 0, reinterpret_cast<LPARAM>(&wp));
  return TRUE;
}

BOOL MoveWindow(HWND h, int x, int y, int width, int height, BOOL repaint) {
  return SetWindowPos(h, nullptr, x, y, width, height,
                      SWP_NOZORDER | SWP_NOACTIVATE | (repaint ? 0 : SWP_NOREDRAW));
}

BOOL BringWindowToTop(HWND h) { return SetWindowPos(h, HWND_TOP, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE); }

namespace {

void rememberNormal(WindowObject& w) {
  if (!(w.style & (WS_MINIMIZE | WS_MAXIMIZE))) w.normalRect = w.rect;
}

}  // namespace

BOOL ShowWindow(HWND h, int command) {
  WindowManager& m = wm();
  WindowObject* w = m.find(h);
  if (!w) return FALSE;
  bool wasVisible = w->style & WS_VISIBLE;
  bool child = !isTopLevel(*w);
  auto showMessage = [&](bool show) {
    if (show != wasVisible) sendMessage(h, WM_SHOWWINDOW, show, 0);
    w = m.find(h);
    return w != nullptr;
  };
  switch (command) {
    case SW_HIDE:
      if (!wasVisible) return FALSE;
      if (!showMessage(false)) return TRUE;
      SetWindowPos(h, nullptr, 0, 0, 0, 0, SWP_HIDEWINDOW | SWP_NOMOVE | SWP_NOSIZE | SWP_NOZORDER);
      return TRUE;
    case SW_MAXIMIZE: {
      if (!showMessage(true)) return wasVisible;
      if (w->style & WS_MAXIMIZE) {
        SetWindowPos(h, nullptr, 0, 0, 0, 0, SWP_SHOWWINDOW | SWP_NOMOVE | SWP_NOSIZE);
        return wasVisible;
      }
      rememberNormal(*w);
      MINMAXINFO mmi = defaultMinMaxInfo(h);
      sendMessage(h, WM_GETMINMAXINFO, 0, reinterpret_cast<LPARAM>(&mmi));
      if (!(w = m.find(h))) return wasVisible;
      bool wasMin = w->style & WS_MINIMIZE;
      w->style = (w->style & ~WS_MINIMIZE) | WS_MAXIMIZE;
      if (!child) m.backend().windowStateChanged(h, false, true);
      SetWindowPos(h, nullptr, mmi.ptMaxPosition.x, mmi.ptMaxPosition.y, mmi.ptMaxSize.x, mmi.ptMaxSize.y,
                   SWP_SHOWWINDOW | SWP_FRAMECHANGED | (wasMin ? 0 : SWP_NOZORDER));
      return wasVisible;
    }
    case SW_MINIMIZE:
    case SW_SHOWMINIMIZED:
    case SW_SHOWMINNOACTIVE: {
      if (!showMessage(true)) return wasVisible;
      if (w->style & WS_MINIMIZE) return wasVisible;
      rememberNormal(*w);
      w->restoreToMaximized = w->style & WS_MAXIMIZE;
      w->style = (w->style & ~WS_MAXIMIZE) | WS_MINIMIZE;
      if (!child) m.backend().windowStateChanged(h, true, false);
      bool wasActive = m.active == h;
      Point at = child ? Point{0, w->rect.bottom} : Point{-32000, -32000};
      SetWindowPos(h, nullptr, at.x, at.y, GetSystemMetrics(SM_CXMINIMIZED), GetSystemMetrics(SM_CYMINIMIZED),
                   SWP_SHOWWINDOW | SWP_FRAMECHANGED | SWP_NOZORDER | SWP_NOACTIVATE);
      if (wasActive && IsWindow(h)) activateOtherWindow(h);
      return wasVisible;
    }
    case SW_RESTORE:
    case SW_SHOWNORMAL:
    case SW_SHOWDEFAULT:
    case SW_SHOWNOACTIVATE:
      if (w->style & (WS_MINIMIZE | WS_MAXIMIZE)) {
        if (!showMessage(true)) return wasVisible;
        if ((w->style & WS_MINIMIZE) && w->restoreToMaximized && command == SW_RESTORE) {
          w->restoreToMaximized = false;
          w->style &= ~WS_MINIMIZE;
          w->rect = w->normalRect;
          return ShowWindow(h, SW_MAXIMIZE), wasVisible;
        }
        w->style &= ~(WS_MINIMIZE | WS_MAXIMIZE);
        w->restoreToMaximized = false;
        if (!child) m.backend().windowStateChanged(h, false, false);
        Rect r = w->normalRect;
        SetWindowPos(h, nullptr, r.left, r.top, r.width(), r.height(),
                     SWP_SHOWWINDOW | SWP_FRAMECHANGED | SWP_NOZORDER |
                         (command == SW_SHOWNOACTIVATE ? SWP_NOACTIVATE : 0));
        return wasVisible;
      }
      [[fallthrough]];
    case SW_SHOW:
    case SW_SHOWNA:
    default: {
      if (wasVisible) {
        if (command == SW_SHOW && !child && m.active != h) SetActiveWindow(h);
        return TRUE;
      }
      if (!showMessage(true)) return FALSE;
      UINT f = SWP_SHOWWINDOW | SWP_NOMOVE | SWP_NOSIZE;
      if (command == SW_SHOWNA || command == SW_SHOWNOACTIVATE || child) f |= SWP_NOACTIVATE | SWP_NOZORDER;
      SetWindowPos(h, nullptr, 0, 0, 0, 0, f);
      return FALSE;
    }
  }
}

BOOL IsWindowVisible(HWND h) { return wm().find(h) && wm().reallyVisible(h) ? TRUE : FALSE; }

BOOL IsIconic(HWND h) {
  const WindowObject* w = wm().find(h);
  return w && (w->style & WS_MINIMIZE) ? TRUE : FALSE;
}

BOOL IsZoomed(HWND h) {
  const WindowObject* w = wm().find(h);
  return w && (w->style & WS_MAXIMIZE) ? TRUE : FALSE;
}

BOOL EnableWindow(HWND h, BOOL enable) {
  WindowManager& m = wm();
  WindowObject* w = m.find(h);
  if (!w) return FALSE;
  bool wasDisabled = w->style & WS_DISABLED;
  if (bool(enable) == !wasDisabled) return wasDisabled;
  if (enable) {
    w->style &= ~WS_DISABLED;
  } else {
    sendMessage(h, WM_CANCELMODE, 0, 0);
    if (!(w = m.find(h))) return FALSE;
    w->style |= WS_DISABLED;
    if (m.focus && (m.focus == h || IsChild(h, m.focus))) SetFocus(nullptr);
    if (m.capture && (m.capture == h || IsChild(h, m.capture))) ReleaseCapture();
  }
  if (m.find(h)) sendMessage(h, WM_ENABLE, enable, 0);
  return wasDisabled;
}

BOOL IsWindowEnabled(HWND h) {
  const WindowObject* w = wm().find(h);
  return w && !(w->style & WS_DISABLED) ? TRUE : FALSE;
}

}  // namespace z5t8::platform::gui
