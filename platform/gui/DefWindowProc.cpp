#include "platform/gui/DefWindowProc.h"

#include <algorithm>

#include "platform/gui/Backend.h"
#include "platform/gui/ClassicFrame.h"
#include "platform/gui/Cursor.h"
#include "platform/gui/Input.h"
#include "platform/gui/MessageQueue.h"
#include "platform/gui/Paint.h"
#include "platform/gui/ScrollBar.h"
#include "platform/gui/ScrollBarLayout.h"
#include "platform/gui/SystemTracker.h"
#include "platform/gui/VirtualKeys.h"
#include "platform/gui/Window.h"
#include "platform/gui/WindowManager.h"
#include "platform/gui/WindowPosition.h"

namespace z5t8::platform::gui {

namespace {

HWND rootOf(HWND h) { return GetAncestor(h, GA_ROOT); }

LRESULT setCursorFor(HWND h, WindowObject& w, int hit) {
  int id = IDC_ARROW;
  switch (hit) {
    case HTCLIENT:
      if (!w.cls->cursor) return FALSE;
      SetCursor(w.cls->cursor);
      return TRUE;
    case HTLEFT:
    case HTRIGHT:
      id = IDC_SIZEWE;
      break;
    case HTTOP:
    case HTBOTTOM:
      id = IDC_SIZENS;
      break;
    case HTTOPLEFT:
    case HTBOTTOMRIGHT:
      id = IDC_SIZENWSE;
      break;
    case HTTOPRIGHT:
    case HTBOTTOMLEFT:
      id = IDC_SIZENESW;
      break;
    case HTERROR:
      return FALSE;
    default:
      break;
  }
  SetCursor(LoadCursorW(id));
  return TRUE;
}

void ncButtonDown(HWND h, int hit, LPARAM lp) {
  switch (hit) {
    case HTCAPTION:
      SendMessageW(h, WM_SYSCOMMAND, SC_MOVE | HTCAPTION, lp);
      break;
    case HTLEFT:
    case HTRIGHT:
    case HTTOP:
    case HTTOPLEFT:
    case HTTOPRIGHT:
    case HTBOTTOM:
    case HTBOTTOMLEFT:
    case HTBOTTOMRIGHT:
      SendMessageW(h, WM_SYSCOMMAND, SC_SIZE | UINT(hit - HTLEFT + WMSZ_LEFT), lp);
      break;
    case HTVSCROLL:
      SendMessageW(h, WM_SYSCOMMAND, SC_VSCROLL | HTVSCROLL, lp);
      break;
    case HTHSCROLL:
      SendMessageW(h, WM_SYSCOMMAND, SC_HSCROLL | HTHSCROLL, lp);
      break;
    case HTCLOSE:
    case HTMINBUTTON:
    case HTMAXBUTTON:
      startCaptionButton(h, hit);
      break;
    case HTSYSMENU:
      SendMessageW(h, WM_SYSCOMMAND, SC_MOUSEMENU | HTSYSMENU, lp);
      break;
    default:
      break;
  }
}

// Renders the window into a given context (window coordinates at its origin).
void print(HWND h, DeviceContext& dc, LPARAM flags) {
  WindowManager& m = wm();
  const WindowObject* w = m.find(h);
  if (!w || ((flags & PRF_CHECKVISIBLE) && !IsWindowVisible(h))) return;
  Rect client = w->client;
  if (flags & PRF_NONCLIENT) {
    dc.saveDC();
    dc.excludeClipRect(client.left, client.top, client.right, client.bottom);
    paintClassicFrame(h, dc, m.isChildStyle(*w) || w->ncActive);
    dc.restoreDC(-1);
  }
  dc.saveDC();
  dc.intersectClipRect(client.left, client.top, client.right, client.bottom);
  dc.offsetViewportOrg(client.left, client.top);
  if (flags & PRF_ERASEBKGND) SendMessageW(h, WM_ERASEBKGND, reinterpret_cast<WPARAM>(&dc), 0);
  if ((flags & PRF_CLIENT) && IsWindow(h))
    SendMessageW(h, WM_PRINTCLIENT, reinterpret_cast<WPARAM>(&dc), flags);
  if ((flags & PRF_CHILDREN) && (w = m.find(h))) {
    std::vector<HWND> kids(w->children.rbegin(), w->children.rend());
    for (HWND c : kids) {
      const WindowObject* cw = m.find(c);
      if (!cw || !(cw->style & WS_VISIBLE)) continue;
      dc.saveDC();
      dc.intersectClipRect(cw->rect.left, cw->rect.top, cw->rect.right, cw->rect.bottom);
      dc.offsetViewportOrg(cw->rect.left, cw->rect.top);
      SendMessageW(c, WM_PRINT, reinterpret_cast<WPARAM>(&dc), flags | PRF_CHECKVISIBLE);
      dc.restoreDC(-1);
    }
  }
  dc.restoreDC(-1);
}

void sysCommand(HWND h, WindowObject& w, WPARAM wp, LPARAM lp) {
  WindowManager& m = wm();
  Point at = (wp & 0x000F) ? lParamToPoint(lp) : m.cursorPos;
  switch (wp & 0xFFF0) {
    case SC_CLOSE:
      if (!(w.cls->style & CS_NOCLOSE)) SendMessageW(h, WM_CLOSE, 0, 0);
      break;
    case SC_MINIMIZE:
      ShowWindow(h, SW_MINIMIZE);
      break;
    case SC_MAXIMIZE:
      ShowWindow(h, SW_MAXIMIZE);
      break;
    case SC_RESTORE:
      ShowWindow(h, SW_RESTORE);
      break;
    case SC_MOVE:
      startMoveSize(h, 0, at);
      break;
    case SC_SIZE:
      startMoveSize(h, (wp & 0x000F) ? int(wp & 0x000F) : WMSZ_BOTTOMRIGHT, at);
      break;
    case SC_VSCROLL:
      startScrollTracking(h, SB_VERT, at);
      break;
    case SC_HSCROLL:
      startScrollTracking(h, SB_HORZ, at);
      break;
    default:
      // Key and mouse menus, context help and window switching have nothing to
      // show here: there is no system menu.
      break;
  }
}

}  // namespace

LRESULT DefWindowProcW(HWND h, UINT msg, WPARAM wp, LPARAM lp) {
  WindowManager& m = wm();
  WindowObject* w = m.find(h);
  if (!w) return 0;
  bool child = m.isChildStyle(*w);
  switch (msg) {
    case WM_NCCREATE: {
      auto* cs = reinterpret_cast<const CREATESTRUCTW*>(lp);
      if (cs && cs->lpszName) {
        w->text = cs->lpszName;
        if (!child) m.backend().windowTextChanged(h, w->text);
      }
      return TRUE;
    }
    case WM_NCCALCSIZE: {
      Rect* r = wp ? &reinterpret_cast<NCCALCSIZE_PARAMS*>(lp)->rgrc[0] : reinterpret_cast<Rect*>(lp);
      if (!r) return 0;
      Rect c = classicClientRect(h, r->width(), r->height());
      *r = c.offset(r->left, r->top);
      return 0;
    }
    case WM_NCHITTEST: {
      Point p = lParamToPoint(lp);
      Point o = m.windowOrigin(h);
      return classicHitTest(h, {p.x - o.x, p.y - o.y});
    }
    case WM_NCPAINT: {
      DeviceContext* dc =
          (wp == NCPAINT_WHOLE_FRAME || wp == 0)
              ? GetWindowDC(h)
              : GetDCEx(h, reinterpret_cast<const Region*>(wp), DCX_WINDOW | DCX_INTERSECTRGN);
      if (!dc) return 0;
      dc->excludeClipRect(w->client.left, w->client.top, w->client.right, w->client.bottom);
      paintClassicFrame(h, *dc, child ? true : w->ncActive);
      ReleaseDC(h, dc);
      return 0;
    }
    case WM_NCACTIVATE:
      w->ncActive = wp != 0;
      redrawClassicFrame(h);
      return TRUE;
    case WM_ACTIVATE:
      if (LOWORD(wp) != WA_INACTIVE && !HIWORD(wp)) SetFocus(h);
      return 0;
    case WM_MOUSEACTIVATE:
      if (child) {
        if (LRESULT r = SendMessageW(w->parent, WM_MOUSEACTIVATE, wp, lp)) return r;
      }
      return MA_ACTIVATE;
    case WM_SETCURSOR:
      if (child && SendMessageW(w->parent, WM_SETCURSOR, wp, lp)) return TRUE;
      if (!(w = m.find(h))) return FALSE;
      return setCursorFor(h, *w, int16_t(LOWORD(lp)));
    case WM_NCLBUTTONDOWN:
      ncButtonDown(h, int(wp), lp);
      return 0;
    case WM_NCLBUTTONDBLCLK:
      switch (int(wp)) {
        case HTCAPTION:
          if (w->style & WS_MAXIMIZEBOX)
            SendMessageW(h, WM_SYSCOMMAND,
                         (w->style & (WS_MAXIMIZE | WS_MINIMIZE)) ? SC_RESTORE : SC_MAXIMIZE, lp);
          break;
        case HTSYSMENU:
          SendMessageW(h, WM_SYSCOMMAND, SC_CLOSE, lp);
          break;
        default:
          ncButtonDown(h, int(wp), lp);
          break;
      }
      return 0;
    case WM_RBUTTONUP: {
      Point p = lParamToPoint(lp);
      ClientToScreen(h, &p);
      SendMessageW(h, WM_CONTEXTMENU, reinterpret_cast<WPARAM>(h), pointToLParam(p));
      return 0;
    }
    case WM_CONTEXTMENU:
    case WM_MOUSEWHEEL:
      if (child) return SendMessageW(w->parent, msg, wp, lp);
      return 0;
    case WM_SYSCOMMAND:
      sysCommand(h, *w, wp, lp);
      return 0;
    case WM_SYSKEYDOWN:
      if ((lp & (1 << 29)) && wp == WPARAM(VK_F4)) {
        SendMessageW(rootOf(h), WM_SYSCOMMAND, SC_CLOSE, 0);
        return 0;
      }
      // Alt or F10 pressed and released alone opens the (key) menu.
      m.altAlone = (wp == WPARAM(VK_MENU) || wp == WPARAM(VK_F10)) && !(lp & (1 << 30));
      return 0;
    case WM_KEYDOWN:
      m.altAlone = false;
      return 0;
    case WM_SYSKEYUP:
    case WM_KEYUP:
      if ((wp == WPARAM(VK_MENU) || wp == WPARAM(VK_F10)) && m.altAlone) {
        m.altAlone = false;
        SendMessageW(rootOf(h), WM_SYSCOMMAND, SC_KEYMENU, 0);
      }
      return 0;
    case WM_SYSCHAR:
      m.altAlone = false;
      if (wp != u'\r') SendMessageW(rootOf(h), WM_SYSCOMMAND, SC_KEYMENU, LPARAM(wp));
      return 0;
    case WM_CLOSE:
      DestroyWindow(h);
      return 0;
    case WM_ERASEBKGND: {
      auto* dc = reinterpret_cast<DeviceContext*>(wp);
      if (!dc || !w->cls->background) return 0;
      dc->fillRect({0, 0, w->client.width(), w->client.height()}, *w->cls->background);
      return 1;
    }
    case WM_PAINT: {
      PAINTSTRUCT ps;
      BeginPaint(h, &ps);
      EndPaint(h, &ps);
      return 0;
    }
    case WM_SETTEXT:
      w->text = lp ? reinterpret_cast<const char16_t*>(lp) : u"";
      if (!child) m.backend().windowTextChanged(h, w->text);
      repaintFrameNow(h);
      return TRUE;
    case WM_GETTEXT: {
      if (wp == 0 || !lp) return 0;
      auto* out = reinterpret_cast<char16_t*>(lp);
      size_t n = std::min(w->text.size(), size_t(wp) - 1);
      std::copy_n(w->text.data(), n, out);
      out[n] = 0;
      return LRESULT(n);
    }
    case WM_GETTEXTLENGTH:
      return LRESULT(w->text.size());
    case WM_WINDOWPOSCHANGED: {
      const auto* p = reinterpret_cast<const WINDOWPOS*>(lp);
      if (!p) return 0;
      if (!(p->flags & SWP_NOCLIENTMOVE)) {
        SendMessageW(h, WM_MOVE, 0, MAKELPARAM(w->rect.left + w->client.left, w->rect.top + w->client.top));
        if (!(w = m.find(h))) return 0;
      }
      if (!(p->flags & SWP_NOCLIENTSIZE)) {
        WPARAM kind = (w->style & WS_MAXIMIZE)   ? SIZE_MAXIMIZED
                      : (w->style & WS_MINIMIZE) ? SIZE_MINIMIZED
                                                 : SIZE_RESTORED;
        SendMessageW(h, WM_SIZE, kind, MAKELPARAM(w->client.width(), w->client.height()));
      }
      return 0;
    }
    case WM_CANCELMODE:
      if (m.tracker && m.tracker->hwnd() == h) endTracker();
      if (m.capture == h) ReleaseCapture();
      return 0;
    case WM_SETICON: {
      HICON icon = reinterpret_cast<HICON>(lp);
      HICON old;
      if (wp == ICON_SMALL) {
        old = w->smallIcon;
        w->smallIcon = icon;
      } else {
        old = w->icon;
        w->icon = icon;
        if (!child) m.backend().windowIconChanged(h, icon);
      }
      repaintFrameNow(h);
      return reinterpret_cast<LRESULT>(old);
    }
    case WM_GETICON:
      if (wp == ICON_SMALL) return reinterpret_cast<LRESULT>(w->smallIcon);
      if (wp == ICON_BIG) return reinterpret_cast<LRESULT>(w->icon);
      return reinterpret_cast<LRESULT>(w->smallIcon ? w->smallIcon : w->icon);
    case WM_PRINT:
      if (wp) print(h, *reinterpret_cast<DeviceContext*>(wp), lp);
      return 0;
    case WM_SETREDRAW:
      w->redrawOff = wp == 0;
      return 0;
    case WM_QUERYENDSESSION:
      return TRUE;
    default:
      return 0;
  }
}

}  // namespace z5t8::platform::gui
