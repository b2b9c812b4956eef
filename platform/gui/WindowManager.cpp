#include "platform/gui/WindowManager.h"

#include <algorithm>
#include <stdexcept>

#include "platform/gui/Backend.h"
#include "platform/gui/MessageQueue.h"
#include "platform/gui/Paint.h"
#include "platform/gui/SystemTracker.h"
#include "platform/gui/Window.h"

namespace z5t8::platform::gui {

namespace {
std::unique_ptr<WindowManager>& instance() {
  static std::unique_ptr<WindowManager> manager;
  return manager;
}
}  // namespace

WindowManager::~WindowManager() {
  // Also at exit, when no window was destroyed: message windows must not keep stale handles.
  forgetMessageWindows();
}

WindowManager& WindowManager::get() {
  auto& m = instance();
  if (!m) throw std::logic_error("window system used before a backend was installed");
  return *m;
}

bool WindowManager::running() { return instance() != nullptr; }

bool HasBackend() { return WindowManager::running(); }

void UseBackend(std::unique_ptr<Backend> backend) {
  ShutdownWindowSystem();
  instance().reset(new WindowManager());
  instance()->backend_ = std::move(backend);
  instance()->cursor = LoadCursorW(IDC_ARROW);
  startMessageWindows();
}

void ShutdownWindowSystem() {
  auto& m = instance();
  if (!m) return;
  // Owned and child windows go with their top-level windows.
  while (!m->topLevels.empty()) {
    HWND h = m->topLevels.back();
    if (!DestroyWindow(h)) {
      auto pos = std::find(m->topLevels.begin(), m->topLevels.end(), h);
      if (pos != m->topLevels.end()) m->topLevels.erase(pos);
    }
  }
  m.reset();
}

WindowObject* WindowManager::find(HWND h) {
  auto it = windows.find(reinterpret_cast<uintptr_t>(h));
  return it == windows.end() ? nullptr : it->second.get();
}

const WindowObject* WindowManager::find(HWND h) const {
  auto it = windows.find(reinterpret_cast<uintptr_t>(h));
  return it == windows.end() ? nullptr : it->second.get();
}

HWND WindowManager::newHandle() {
  nextHandle_ += 2;
  return reinterpret_cast<HWND>(nextHandle_);
}

HWND WindowManager::topLevelOf(HWND h) const {
  const WindowObject* w = find(h);
  while (w && isChildStyle(*w)) {
    h = w->parent;
    w = find(h);
  }
  return w ? h : nullptr;
}

Point WindowManager::windowOrigin(HWND h) const {
  const WindowObject* w = find(h);
  if (!w) return {};
  if (!isChildStyle(*w)) return w->rect.topLeft();
  Point p = clientOrigin(w->parent);
  return {p.x + w->rect.left, p.y + w->rect.top};
}

Point WindowManager::clientOrigin(HWND h) const {
  const WindowObject* w = find(h);
  if (!w) return {};
  Point p = windowOrigin(h);
  return {p.x + w->client.left, p.y + w->client.top};
}

Point WindowManager::surfaceOrigin(HWND h) const {
  const WindowObject* w = find(h);
  if (!w || !isChildStyle(*w)) return {};
  const WindowObject* p = find(w->parent);
  Point o = surfaceOrigin(w->parent);
  return {o.x + p->client.left + w->rect.left, o.y + p->client.top + w->rect.top};
}

bool WindowManager::reallyVisible(HWND h) const {
  const WindowObject* w = find(h);
  while (w) {
    if (!(w->style & WS_VISIBLE) || w->destroying) return false;
    if (!isChildStyle(*w)) return !(w->style & WS_MINIMIZE);
    w = find(w->parent);
  }
  return false;
}

namespace {
Region windowArea(const WindowObject& w, Point origin) {
  Region r(rectFromSize(origin.x, origin.y, w.rect.width(), w.rect.height()));
  if (w.shape) {
    Region s = *w.shape;
    s.offset(origin.x, origin.y);
    r.combine(r, s, RGN_AND);
  }
  return r;
}
}  // namespace

Region WindowManager::visibleRegion(HWND h, bool clientOnly, bool clipChildren) const {
  const WindowObject* w = find(h);
  if (!w || !reallyVisible(h)) return Region();
  Point o = surfaceOrigin(h);
  Region rgn = windowArea(*w, o);
  if (clientOnly) rgn.intersect(w->client.offset(o.x, o.y));
  HWND cur = h;
  const WindowObject* c = w;
  while (isChildStyle(*c)) {
    const WindowObject* p = find(c->parent);
    if (c->style & WS_CLIPSIBLINGS) {
      for (HWND s : p->children) {
        if (s == cur) break;
        const WindowObject* sw = find(s);
        if (sw && (sw->style & WS_VISIBLE)) rgn.combine(rgn, windowArea(*sw, surfaceOrigin(s)), RGN_DIFF);
      }
    }
    Point po = surfaceOrigin(c->parent);
    rgn.intersect(p->client.offset(po.x, po.y));
    if (p->shape) {
      Region s = *p->shape;
      s.offset(po.x, po.y);
      rgn.combine(rgn, s, RGN_AND);
    }
    cur = c->parent;
    c = p;
  }
  if (clipChildren) {
    for (HWND ch : w->children) {
      const WindowObject* cw = find(ch);
      if (cw && (cw->style & WS_VISIBLE)) rgn.combine(rgn, windowArea(*cw, surfaceOrigin(ch)), RGN_DIFF);
    }
  }
  return rgn;
}

void WindowManager::invalidate(HWND h, const Region* area, UINT flags) {
  WindowObject* w = find(h);
  if (!w || w->destroying || !reallyVisible(h)) return;
  Rect whole{0, 0, w->rect.width(), w->rect.height()};
  Region rgn = area ? *area : Region((flags & RDW_FRAME) ? whole : w->client);
  rgn.intersect((flags & RDW_FRAME) ? whole : w->client);
  Point o = surfaceOrigin(h);
  Region vis = visibleRegion(h, false, false);
  vis.offset(-o.x, -o.y);
  rgn.combine(rgn, vis, RGN_AND);
  if (flags & RDW_INVALIDATE) {
    if (!w->redrawOff && !rgn.isEmpty()) {
      w->update.combine(w->update, rgn, RGN_OR);
      if (flags & RDW_ERASE) w->erasePending = true;
      if (!Region::combined(rgn, Region(w->client), RGN_DIFF).isEmpty()) w->frameUpdate = true;
    }
    if (flags & RDW_INTERNALPAINT) w->internalPaint = true;
  } else if (flags & RDW_VALIDATE) {
    w->update.combine(w->update, rgn, RGN_DIFF);
    if (w->update.isEmpty() || (flags & RDW_NOERASE)) w->erasePending = false;
    if (w->update.isEmpty() || (flags & RDW_NOFRAME)) w->frameUpdate = false;
    if (flags & RDW_NOINTERNALPAINT) w->internalPaint = false;
  }
  bool children = (flags & RDW_ALLCHILDREN) || (!(flags & RDW_NOCHILDREN) && !(w->style & WS_CLIPCHILDREN));
  if (!children) return;
  std::vector<HWND> kids = w->children;
  Point co = w->client.topLeft();
  for (HWND c : kids) {
    WindowObject* cw = find(c);
    if (!cw || !(cw->style & WS_VISIBLE)) continue;
    Region part = rgn;
    part.offset(-(co.x + cw->rect.left), -(co.y + cw->rect.top));
    part.intersect({0, 0, cw->rect.width(), cw->rect.height()});
    if (part.isEmpty()) continue;
    invalidate(c, &part, flags | RDW_FRAME);
  }
}

void WindowManager::validate(HWND h, const Region* area) {
  WindowObject* w = find(h);
  if (!w) return;
  if (!area) {
    w->update = Region();
    w->erasePending = false;
    w->frameUpdate = false;
    w->internalPaint = false;
    return;
  }
  w->update.combine(w->update, *area, RGN_DIFF);
  if (w->update.isEmpty()) {
    w->erasePending = false;
    w->frameUpdate = false;
  }
  w->internalPaint = false;
}

void WindowManager::eraseNow(HWND h, bool children) {
  WindowObject* w = find(h);
  if (!w || !reallyVisible(h)) return;
  if (w->frameUpdate) {
    paintFrameNow(h);
    if (!(w = find(h))) return;
  }
  if (w->erasePending && !w->update.isEmpty()) {
    w->erasePending = false;
    Point o = windowOrigin(h);
    Region clip = w->update;
    clip.offset(o.x, o.y);
    DeviceContext* dc = GetDCEx(h, &clip, DCX_INTERSECTRGN);
    LRESULT erased = sendMessage(h, WM_ERASEBKGND, reinterpret_cast<WPARAM>(dc), 0);
    ReleaseDC(h, dc);
    w = find(h);
    if (!w) return;
    w->eraseFailed = !erased;
  }
  if (!children) return;
  std::vector<HWND> kids = w->children;
  for (HWND c : kids) eraseNow(c, true);
}

void WindowManager::paintFrameNow(HWND h) {
  WindowObject* w = find(h);
  if (!w || !w->frameUpdate) return;
  w->frameUpdate = false;
  Rect whole{0, 0, w->rect.width(), w->rect.height()};
  Region frame = Region::combined(w->update, Region(w->client), RGN_DIFF);
  bool wholeFrame = Region::combined(Region(whole), w->update, RGN_DIFF).isEmpty();
  w->update.intersect(w->client);
  Point o = windowOrigin(h);
  frame.offset(o.x, o.y);
  sendMessage(h, WM_NCPAINT, wholeFrame ? NCPAINT_WHOLE_FRAME : reinterpret_cast<WPARAM>(&frame), 0);
}

namespace {
HWND findPaint(const WindowManager& m, HWND h) {
  const WindowObject* w = m.find(h);
  if (!w || !(w->style & WS_VISIBLE)) return nullptr;
  if (!w->update.isEmpty() || w->internalPaint) return h;
  for (HWND c : w->children) {
    if (HWND f = findPaint(m, c)) return f;
  }
  return nullptr;
}
}  // namespace

HWND WindowManager::findPaintWindow() const {
  for (HWND t : topLevels) {
    if (!reallyVisible(t)) continue;
    if (HWND f = findPaint(*this, t)) return f;
  }
  return nullptr;
}

void WindowManager::markDirty(HWND top, const Rect& r) {
  WindowObject* w = find(top);
  if (w && w->surface) w->dirty = unionRect(w->dirty, intersectRect(r, w->surface->bounds()));
}

void WindowManager::presentAll() {
  for (HWND t : topLevels) {
    WindowObject* w = find(t);
    if (!w || !w->surface || w->dirty.isEmpty()) continue;
    Rect d = w->dirty;
    w->dirty = {};
    if (reallyVisible(t)) backend_->present(t, *w->surface, d);
  }
}

DWORD currentTime() { return DWORD(wm().backend().now()); }

LRESULT sendMessage(HWND h, UINT msg, WPARAM wp, LPARAM lp) {
  WindowObject* w = wm().find(h);
  if (!w || !w->proc) return 0;
  return w->proc(h, msg, wp, lp);
}

}  // namespace z5t8::platform::gui
