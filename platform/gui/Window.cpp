#include "platform/gui/Window.h"

#include <algorithm>
#include <cstring>

#include "platform/gui/Backend.h"
#include "platform/gui/Caret.h"
#include "platform/gui/ClassicFrame.h"
#include "platform/gui/Input.h"
#include "platform/gui/MessageQueue.h"
#include "platform/gui/Paint.h"
#include "platform/gui/SystemMetrics.h"
#include "platform/gui/SystemTracker.h"
#include "platform/gui/Timer.h"
#include "platform/gui/WindowManager.h"
#include "platform/gui/WindowPosition.h"

namespace z5t8::platform::gui {

namespace {

WindowClassEntry* findClass(const char16_t* name) {
  if (!name) return nullptr;
  std::u16string_view n(name);
  for (auto& c : wm().classes) {
    if (c->name.size() != n.size()) continue;
    bool same = true;
    for (size_t i = 0; i < n.size() && same; ++i) {
      char16_t a = c->name[i], b = n[i];
      if (a >= u'a' && a <= u'z') a = char16_t(a - 32);
      if (b >= u'a' && b <= u'z') b = char16_t(b - 32);
      same = a == b;
    }
    if (same) return c.get();
  }
  return nullptr;
}

void collectSubtree(HWND h, std::vector<HWND>& out) {
  out.push_back(h);
  if (WindowObject* w = wm().find(h)) {
    for (HWND c : w->children) collectSubtree(c, out);
  }
}

bool inSubtree(HWND root, HWND h) {
  while (h) {
    if (h == root) return true;
    const WindowObject* w = wm().find(h);
    if (!w || !wm().isChildStyle(*w)) return false;
    h = w->parent;
  }
  return false;
}

void insertTopLevel(HWND h, bool topmost) {
  auto& order = wm().topLevels;
  auto pos = order.begin();
  if (!topmost) {
    while (pos != order.end()) {
      const WindowObject* o = wm().find(*pos);
      if (!o || !(o->exStyle & WS_EX_TOPMOST)) break;
      ++pos;
    }
  }
  order.insert(pos, h);
}

}  // namespace

ATOM RegisterClassExW(const WNDCLASSEXW& wc) {
  if (!wc.lpszClassName || !*wc.lpszClassName || !wc.lpfnWndProc) return 0;
  if (findClass(wc.lpszClassName)) return 0;
  auto entry = std::make_unique<WindowClassEntry>();
  entry->name = wc.lpszClassName;
  entry->style = wc.style;
  entry->proc = wc.lpfnWndProc;
  entry->background = wc.hbrBackground;
  entry->cursor = wc.hCursor;
  entry->icon = wc.hIcon;
  entry->smallIcon = wc.hIconSm;
  wm().classes.push_back(std::move(entry));
  return ATOM(0xC000 + wm().classes.size());
}

BOOL UnregisterClassW(const char16_t* name) {
  WindowClassEntry* c = findClass(name);
  if (!c) return FALSE;
  for (auto& [id, w] : wm().windows) {
    if (w->cls == c) return FALSE;
  }
  auto& list = wm().classes;
  list.erase(std::remove_if(list.begin(), list.end(), [&](auto& e) { return e.get() == c; }), list.end());
  return TRUE;
}

BOOL GetClassInfoExW(const char16_t* name, WNDCLASSEXW* out) {
  const WindowClassEntry* c = findClass(name);
  if (!c || !out) return FALSE;
  out->style = c->style;
  out->lpfnWndProc = c->proc;
  out->hbrBackground = c->background;
  out->hCursor = c->cursor;
  out->hIcon = c->icon;
  out->hIconSm = c->smallIcon;
  out->lpszClassName = c->name.c_str();
  return TRUE;
}

int GetClassNameW(HWND h, char16_t* buffer, int maxCount) {
  const WindowObject* w = wm().find(h);
  if (!w || !buffer || maxCount <= 0) return 0;
  int n = std::min(int(w->cls->name.size()), maxCount - 1);
  std::copy_n(w->cls->name.data(), n, buffer);
  buffer[n] = 0;
  return n;
}

HWND CreateWindowExW(DWORD exStyle, const char16_t* className, const char16_t* windowName, DWORD style, int x,
                     int y, int width, int height, HWND parent, LONG_PTR menuOrId, void* param) {
  WindowManager& m = wm();
  const WindowClassEntry* cls = findClass(className);
  if (!cls) return nullptr;
  bool child = style & WS_CHILD;
  if (child && !m.find(parent)) return nullptr;
  if (parent && !m.find(parent)) return nullptr;
  HWND owner = child ? nullptr : GetAncestor(parent, GA_ROOT);

  Rect work = m.backend().workArea();
  if (x == CW_USEDEFAULT) {
    if (child) {
      x = y = 0;
    } else {
      int n = int(m.topLevels.size() % 8);
      x = work.left + 26 * (n + 1);
      y = work.top + 26 * (n + 1);
    }
  }
  if (width == CW_USEDEFAULT) {
    width = child ? 0 : work.width() * 3 / 5;
    height = child ? 0 : work.height() * 3 / 5;
  }
  width = std::max(width, 0);
  height = std::max(height, 0);
  if (!child) style |= WS_CLIPSIBLINGS;
  if (!child && !(style & WS_POPUP)) style |= WS_CAPTION;
  if ((style & WS_CAPTION) == WS_CAPTION && !child) exStyle |= WS_EX_WINDOWEDGE;

  HWND h = m.newHandle();
  auto obj = std::make_unique<WindowObject>();
  WindowObject* w = obj.get();
  w->handle = h;
  w->cls = cls;
  w->proc = cls->proc;
  w->style = style & ~(WS_VISIBLE | WS_MINIMIZE | WS_MAXIMIZE);
  w->exStyle = exStyle;
  w->id = child ? menuOrId : 0;
  w->parent = child ? parent : nullptr;
  w->owner = owner;
  w->rect = rectFromSize(x, y, width, height);
  w->client = {0, 0, width, height};
  w->normalRect = w->rect;
  m.windows.emplace(reinterpret_cast<uintptr_t>(h), std::move(obj));
  if (child) {
    auto& sib = m.find(parent)->children;
    sib.insert(sib.begin(), h);
  } else {
    insertTopLevel(h, exStyle & WS_EX_TOPMOST);
    w->surface = std::make_unique<Surface>(width, height);
    m.backend().windowCreated(h);
    m.backend().windowMoved(h, w->rect);
    if (cls->icon) m.backend().windowIconChanged(h, cls->icon);
    m.backend().windowOrderChanged(m.topLevels);
  }

  CREATESTRUCTW cs;
  cs.lpCreateParams = param;
  cs.hwndParent = parent;
  cs.hMenu = menuOrId;
  cs.x = x;
  cs.y = y;
  cs.cx = width;
  cs.cy = height;
  cs.style = style;
  cs.lpszName = windowName;
  cs.lpszClass = className;
  cs.dwExStyle = exStyle;

  if (!child && ((style & WS_THICKFRAME) || !(style & WS_POPUP))) {
    MINMAXINFO mmi = defaultMinMaxInfo(h);
    sendMessage(h, WM_GETMINMAXINFO, 0, reinterpret_cast<LPARAM>(&mmi));
    if ((w = m.find(h))) {
      int cx = std::clamp(width, int(mmi.ptMinTrackSize.x),
                          std::max(int(mmi.ptMinTrackSize.x), int(mmi.ptMaxTrackSize.x)));
      int cy = std::clamp(height, int(mmi.ptMinTrackSize.y),
                          std::max(int(mmi.ptMinTrackSize.y), int(mmi.ptMaxTrackSize.y)));
      if (style & WS_THICKFRAME) {
        w->rect = rectFromSize(x, y, cx, cy);
        cs.cx = cx;
        cs.cy = cy;
      }
    }
  }
  if (!m.find(h)) return nullptr;
  if (!sendMessage(h, WM_NCCREATE, 0, reinterpret_cast<LPARAM>(&cs))) {
    if (m.find(h)) DestroyWindow(h);
    return nullptr;
  }
  if (!(w = m.find(h))) return nullptr;
  recalcClient(h);
  if (!(w = m.find(h))) return nullptr;
  if (w->surface) {
    w->surface->resize(w->rect.width(), w->rect.height());
    m.backend().windowMoved(h, w->rect);
  }
  if (sendMessage(h, WM_CREATE, 0, reinterpret_cast<LPARAM>(&cs)) == -1) {
    if (m.find(h)) DestroyWindow(h);
    return nullptr;
  }
  if (!(w = m.find(h))) return nullptr;
  w->created = true;
  sendMessage(h, WM_SIZE, SIZE_RESTORED, MAKELPARAM(w->client.width(), w->client.height()));
  if (!(w = m.find(h))) return nullptr;
  Point co{w->rect.left + w->client.left, w->rect.top + w->client.top};
  sendMessage(h, WM_MOVE, 0, MAKELPARAM(co.x, co.y));
  if (!(w = m.find(h))) return nullptr;
  if (child && !(exStyle & WS_EX_NOPARENTNOTIFY)) {
    sendMessage(parent, WM_PARENTNOTIFY, MAKEWPARAM(WM_CREATE, UINT(menuOrId)), reinterpret_cast<LPARAM>(h));
    if (!m.find(h)) return nullptr;
  }
  if (style & WS_VISIBLE) {
    int cmd = (style & WS_MAXIMIZE) ? SW_SHOWMAXIMIZED : (style & WS_MINIMIZE) ? SW_SHOWMINIMIZED : SW_SHOW;
    ShowWindow(h, cmd);
  }
  return m.find(h) ? h : nullptr;
}

BOOL DestroyWindow(HWND h) {
  WindowManager& m = wm();
  WindowObject* w = m.find(h);
  if (!w || w->destroying) return FALSE;
  bool child = m.isChildStyle(*w);

  // Owned windows go first.
  if (!child) {
    std::vector<HWND> owned;
    for (HWND t : m.topLevels) {
      const WindowObject* o = m.find(t);
      if (o && o->owner == h) owned.push_back(t);
    }
    for (HWND o : owned) DestroyWindow(o);
    if (!(w = m.find(h))) return TRUE;
  }

  if (w->style & WS_VISIBLE) {
    SetWindowPos(
        h, nullptr, 0, 0, 0, 0,
        SWP_HIDEWINDOW | SWP_NOMOVE | SWP_NOSIZE | SWP_NOZORDER | (m.active == h ? 0 : SWP_NOACTIVATE));
    if (!(w = m.find(h))) return TRUE;
  }
  if (m.active == h) activateOtherWindow(h);
  if (!(w = m.find(h)) || w->destroying) return TRUE;
  if (m.focus && inSubtree(h, m.focus)) {
    if (child) {
      SetFocus(w->parent);
    } else {
      HWND old = m.focus;
      m.focus = nullptr;
      sendMessage(old, WM_KILLFOCUS, 0, 0);
    }
    if (!m.find(h)) return TRUE;
  }
  if (m.tracker && inSubtree(h, m.tracker->hwnd())) {
    TrackerCall call;
    SystemTracker* t = m.tracker.get();
    t->cancel();
    if (stillRunning(t)) dropTracker();
  }
  if (m.capture && inSubtree(h, m.capture)) ReleaseCapture();

  std::vector<HWND> all;
  collectSubtree(h, all);
  for (HWND x : all) {
    if (WindowObject* o = m.find(x)) o->destroying = true;
  }
  if (m.caret.hwnd && std::find(all.begin(), all.end(), m.caret.hwnd) != all.end()) DestroyCaret();
  for (HWND x : all) {
    if (m.find(x)) sendMessage(x, WM_DESTROY, 0, 0);
  }
  for (HWND x : all) {
    auto& t = m.timers;
    t.erase(std::remove_if(t.begin(), t.end(), [&](const TimerEntry& e) { return e.hwnd == x; }), t.end());
  }
  for (auto it = all.rbegin(); it != all.rend(); ++it) {
    if (m.find(*it)) sendMessage(*it, WM_NCDESTROY, 0, 0);
  }
  for (HWND x : all) {
    WindowObject* o = m.find(x);
    if (!o) continue;
    removeNotifyIconsOf(x);
    if (m.isChildStyle(*o)) {
      if (WindowObject* p = m.find(o->parent)) {
        auto& s = p->children;
        s.erase(std::remove(s.begin(), s.end(), x), s.end());
      }
    } else {
      auto& t = m.topLevels;
      t.erase(std::remove(t.begin(), t.end(), x), t.end());
      m.backend().windowDestroyed(x);
    }
    auto& q = m.posted;
    q.erase(std::remove_if(q.begin(), q.end(), [&](const MSG& msg) { return msg.hwnd == x; }), q.end());
    auto& in = m.inputReady;
    in.erase(std::remove_if(in.begin(), in.end(), [&](const auto& r) { return r.msg.hwnd == x; }), in.end());
    // Contexts still held for a window that is gone draw nothing.
    for (auto& l : m.lentDCs) {
      if (l.window == x || l.top == x) l.dc->selectSurface(nullptr);
    }
    if (m.lastMouseWindow == x) m.lastMouseWindow = nullptr;
    if (m.leaveTracking.hwnd == x) m.leaveTracking = {};
    if (m.lastClick.hwnd == x) m.lastClick = {};
    m.windows.erase(reinterpret_cast<uintptr_t>(x));
  }
  return TRUE;
}

BOOL IsWindow(HWND h) { return WindowManager::running() && wm().find(h) != nullptr; }

HWND GetParent(HWND h) {
  const WindowObject* w = wm().find(h);
  if (!w) return nullptr;
  return wm().isChildStyle(*w) ? w->parent : w->owner;
}

HWND SetParent(HWND h, HWND newParent) {
  WindowManager& m = wm();
  WindowObject* w = m.find(h);
  if (!w || !m.isChildStyle(*w) || !m.find(newParent) || inSubtree(h, newParent)) return nullptr;
  HWND old = w->parent;
  bool visible = w->style & WS_VISIBLE;
  if (visible) ShowWindow(h, SW_HIDE);
  if (!(w = m.find(h))) return nullptr;
  auto& s = m.find(old)->children;
  s.erase(std::remove(s.begin(), s.end(), h), s.end());
  w->parent = newParent;
  auto& ns = m.find(newParent)->children;
  ns.insert(ns.begin(), h);
  if (visible) ShowWindow(h, SW_SHOWNA);
  return old;
}

HWND GetAncestor(HWND h, UINT flags) {
  WindowManager& m = wm();
  const WindowObject* w = m.find(h);
  if (!w) return nullptr;
  switch (flags) {
    case GA_PARENT:
      return m.isChildStyle(*w) ? w->parent : nullptr;
    case GA_ROOT:
      return m.topLevelOf(h);
    case GA_ROOTOWNER: {
      HWND r = m.topLevelOf(h);
      while (const WindowObject* o = m.find(r)) {
        if (!o->owner) break;
        r = o->owner;
      }
      return r;
    }
    default:
      return nullptr;
  }
}

HWND GetWindow(HWND h, UINT relation) {
  WindowManager& m = wm();
  const WindowObject* w = m.find(h);
  if (!w) return nullptr;
  const std::vector<HWND>& siblings = m.isChildStyle(*w) ? m.find(w->parent)->children : m.topLevels;
  auto pos = std::find(siblings.begin(), siblings.end(), h);
  switch (relation) {
    case GW_HWNDFIRST:
      return siblings.empty() ? nullptr : siblings.front();
    case GW_HWNDLAST:
      return siblings.empty() ? nullptr : siblings.back();
    case GW_HWNDNEXT:
      return (pos == siblings.end() || pos + 1 == siblings.end()) ? nullptr : *(pos + 1);
    case GW_HWNDPREV:
      return (pos == siblings.end() || pos == siblings.begin()) ? nullptr : *(pos - 1);
    case GW_OWNER:
      return w->owner;
    case GW_CHILD:
      return w->children.empty() ? nullptr : w->children.front();
    case GW_ENABLEDPOPUP:
      for (HWND t : m.topLevels) {
        const WindowObject* o = m.find(t);
        if (o && o->owner == h && (o->style & WS_VISIBLE) && !(o->style & WS_DISABLED)) return t;
      }
      return nullptr;
    default:
      return nullptr;
  }
}

HWND GetTopWindow(HWND parent) {
  if (!parent) return wm().topLevels.empty() ? nullptr : wm().topLevels.front();
  return GetWindow(parent, GW_CHILD);
}

BOOL IsChild(HWND parent, HWND h) {
  const WindowObject* w = wm().find(h);
  if (!w || !wm().isChildStyle(*w) || h == parent) return FALSE;
  return inSubtree(parent, h);
}

BOOL EnumWindows(WNDENUMPROC proc, LPARAM lParam) {
  std::vector<HWND> list = wm().topLevels;
  for (HWND h : list) {
    if (IsWindow(h) && !proc(h, lParam)) return FALSE;
  }
  return TRUE;
}

BOOL EnumChildWindows(HWND parent, WNDENUMPROC proc, LPARAM lParam) {
  std::vector<HWND> all;
  collectSubtree(parent, all);
  for (size_t i = 1; i < all.size(); ++i) {
    if (IsWindow(all[i]) && !proc(all[i], lParam)) return FALSE;
  }
  return TRUE;
}

LONG_PTR GetWindowLongPtrW(HWND h, int index) {
  const WindowObject* w = wm().find(h);
  if (!w) return 0;
  switch (index) {
    case GWLP_WNDPROC:
      return reinterpret_cast<LONG_PTR>(w->proc);
    case GWLP_HWNDPARENT:
      return reinterpret_cast<LONG_PTR>(GetParent(h));
    case GWLP_ID:
      return w->id;
    case GWL_STYLE:
      return LONG_PTR(w->style);
    case GWL_EXSTYLE:
      return LONG_PTR(w->exStyle);
    case GWLP_USERDATA:
      return w->userData;
    default:
      return 0;
  }
}

namespace {
struct STYLESTRUCT {
  DWORD styleOld;
  DWORD styleNew;
};
}  // namespace

LONG_PTR SetWindowLongPtrW(HWND h, int index, LONG_PTR value) {
  WindowManager& m = wm();
  WindowObject* w = m.find(h);
  if (!w) return 0;
  LONG_PTR old = GetWindowLongPtrW(h, index);
  switch (index) {
    case GWLP_WNDPROC:
      if (value) w->proc = reinterpret_cast<WNDPROC>(value);
      break;
    case GWLP_ID:
      w->id = value;
      break;
    case GWLP_USERDATA:
      w->userData = value;
      break;
    case GWL_STYLE:
    case GWL_EXSTYLE: {
      WPARAM kind = WPARAM(index);
      STYLESTRUCT ss{DWORD(old), DWORD(value)};
      if (index == GWL_STYLE) {
        // The platform keeps these bits itself.
        const DWORD kept = WS_VISIBLE | WS_CHILD | WS_MINIMIZE | WS_MAXIMIZE;
        ss.styleNew = (ss.styleNew & ~kept) | (ss.styleOld & kept);
      }
      sendMessage(h, WM_STYLECHANGING, kind, reinterpret_cast<LPARAM>(&ss));
      if (!(w = m.find(h))) return old;
      bool topmostBefore = w->exStyle & WS_EX_TOPMOST;
      if (index == GWL_STYLE)
        w->style = ss.styleNew;
      else
        w->exStyle = (ss.styleNew & ~WS_EX_TOPMOST) | (topmostBefore ? WS_EX_TOPMOST : 0);
      sendMessage(h, WM_STYLECHANGED, kind, reinterpret_cast<LPARAM>(&ss));
      break;
    }
    default:
      return 0;
  }
  return old;
}

LRESULT CallWindowProcW(WNDPROC proc, HWND h, UINT msg, WPARAM wParam, LPARAM lParam) {
  return proc ? proc(h, msg, wParam, lParam) : 0;
}

BOOL SetPropW(HWND h, const char16_t* name, void* value) {
  WindowObject* w = wm().find(h);
  if (!w || !name) return FALSE;
  w->props[name] = value;
  return TRUE;
}

void* GetPropW(HWND h, const char16_t* name) {
  WindowObject* w = wm().find(h);
  if (!w || !name) return nullptr;
  auto it = w->props.find(name);
  return it == w->props.end() ? nullptr : it->second;
}

void* RemovePropW(HWND h, const char16_t* name) {
  WindowObject* w = wm().find(h);
  if (!w || !name) return nullptr;
  auto it = w->props.find(name);
  if (it == w->props.end()) return nullptr;
  void* v = it->second;
  w->props.erase(it);
  return v;
}

BOOL SetWindowTextW(HWND h, const char16_t* text) {
  if (!wm().find(h)) return FALSE;
  return sendMessage(h, WM_SETTEXT, 0, reinterpret_cast<LPARAM>(text ? text : u"")) ? TRUE : FALSE;
}

int GetWindowTextW(HWND h, char16_t* buffer, int maxCount) {
  if (!buffer || maxCount <= 0 || !wm().find(h)) return 0;
  return int(sendMessage(h, WM_GETTEXT, WPARAM(maxCount), reinterpret_cast<LPARAM>(buffer)));
}

int GetWindowTextLengthW(HWND h) {
  if (!wm().find(h)) return 0;
  return int(sendMessage(h, WM_GETTEXTLENGTH, 0, 0));
}

BOOL GetWindowRect(HWND h, Rect* rect) {
  const WindowObject* w = wm().find(h);
  if (!w || !rect) return FALSE;
  Point o = wm().windowOrigin(h);
  *rect = rectFromSize(o.x, o.y, w->rect.width(), w->rect.height());
  return TRUE;
}

BOOL GetClientRect(HWND h, Rect* rect) {
  const WindowObject* w = wm().find(h);
  if (!w || !rect) return FALSE;
  *rect = {0, 0, w->client.width(), w->client.height()};
  return TRUE;
}

BOOL ClientToScreen(HWND h, Point* pt) {
  if (!wm().find(h) || !pt) return FALSE;
  Point o = wm().clientOrigin(h);
  pt->x += o.x;
  pt->y += o.y;
  return TRUE;
}

BOOL ScreenToClient(HWND h, Point* pt) {
  if (!wm().find(h) || !pt) return FALSE;
  Point o = wm().clientOrigin(h);
  pt->x -= o.x;
  pt->y -= o.y;
  return TRUE;
}

int MapWindowPoints(HWND from, HWND to, Point* points, UINT count) {
  Point a = from ? wm().clientOrigin(from) : Point{};
  Point b = to ? wm().clientOrigin(to) : Point{};
  int dx = a.x - b.x, dy = a.y - b.y;
  for (UINT i = 0; points && i < count; ++i) {
    points[i].x += dx;
    points[i].y += dy;
  }
  return int(MAKELONG(uint32_t(dx), uint32_t(dy)));
}

BOOL AdjustWindowRectEx(Rect* rect, DWORD style, BOOL menu, DWORD exStyle) {
  if (!rect) return FALSE;
  Rect in = frameInsets(style, exStyle);
  rect->left -= in.left;
  rect->top -= in.top + (menu ? GetSystemMetrics(SM_CYMENU) : 0);
  rect->right += in.right;
  rect->bottom += in.bottom;
  return TRUE;
}

BOOL SetWindowRgn(HWND h, const Region* region, BOOL redraw) {
  WindowManager& m = wm();
  WindowObject* w = m.find(h);
  if (!w) return FALSE;
  bool visible = m.reallyVisible(h);
  Region before = visible ? m.visibleRegion(h, false, false) : Region();
  if (region)
    w->shape = *region;
  else
    w->shape.reset();
  if (!m.isChildStyle(*w)) m.backend().windowShapeChanged(h, w->shape ? &*w->shape : nullptr);
  m.refreshLentDCs(m.topLevelOf(h));
  if (redraw && visible) {
    RedrawWindow(h, nullptr, nullptr, RDW_INVALIDATE | RDW_ERASE | RDW_FRAME | RDW_ALLCHILDREN);
    if (m.isChildStyle(*w)) {
      HWND p = w->parent;
      Point po = m.surfaceOrigin(p);
      const WindowObject* pw = m.find(p);
      before.offset(-(po.x + pw->client.left), -(po.y + pw->client.top));
      RedrawWindow(p, nullptr, &before, RDW_INVALIDATE | RDW_ERASE | RDW_ALLCHILDREN);
    }
  }
  return TRUE;
}

int GetWindowRgn(HWND h, Region& out) {
  const WindowObject* w = wm().find(h);
  if (!w || !w->shape) return RGN_ERROR;
  out = *w->shape;
  return out.complexity();
}

namespace {

bool pointInWindow(const WindowObject& w, Point windowPt) {
  if (!Rect{0, 0, w.rect.width(), w.rect.height()}.contains(windowPt)) return false;
  return !w.shape || w.shape->contains(windowPt);
}

}  // namespace

HWND childFromPointDeep(HWND h, Point screenPt, bool skipDisabled, bool skipTransparent) {
  WindowManager& m = wm();
  for (;;) {
    const WindowObject* w = m.find(h);
    Point co = m.clientOrigin(h);
    if (!w->client.offset(co.x - w->client.left, co.y - w->client.top).contains(screenPt)) return h;
    HWND next = nullptr;
    for (HWND c : w->children) {
      const WindowObject* cw = m.find(c);
      if (!cw || !(cw->style & WS_VISIBLE)) continue;
      if (skipDisabled && (cw->style & WS_DISABLED)) continue;
      if (skipTransparent && (cw->exStyle & WS_EX_TRANSPARENT)) continue;
      Point o = m.windowOrigin(c);
      if (pointInWindow(*cw, {screenPt.x - o.x, screenPt.y - o.y})) {
        next = c;
        break;
      }
    }
    if (!next) return h;
    h = next;
  }
}

HWND topLevelFromPoint(Point screenPt) {
  WindowManager& m = wm();
  for (HWND t : m.topLevels) {
    const WindowObject* w = m.find(t);
    if (!w || !m.reallyVisible(t)) continue;
    if (pointInWindow(*w, {screenPt.x - w->rect.left, screenPt.y - w->rect.top})) return t;
  }
  return nullptr;
}

HWND WindowFromPoint(Point screenPt) {
  HWND t = topLevelFromPoint(screenPt);
  return t ? childFromPointDeep(t, screenPt, true, true) : nullptr;
}

HWND ChildWindowFromPoint(HWND parent, Point pt) {
  WindowManager& m = wm();
  const WindowObject* w = m.find(parent);
  if (!w) return nullptr;
  if (!Rect{0, 0, w->client.width(), w->client.height()}.contains(pt)) return nullptr;
  for (HWND c : w->children) {
    const WindowObject* cw = m.find(c);
    if (!cw) continue;
    if (pointInWindow(*cw, {pt.x - cw->rect.left, pt.y - cw->rect.top})) return c;
  }
  return parent;
}

}  // namespace z5t8::platform::gui
