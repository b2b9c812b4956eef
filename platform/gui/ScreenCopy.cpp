#include "platform/gui/ScreenCopy.h"

#include "platform/gui/Backend.h"
#include "platform/gui/Color.h"
#include "platform/gui/SystemMetrics.h"
#include "platform/gui/WindowManager.h"

namespace z5t8::platform::gui {

namespace {

// Our top-level windows as they are painted, bottom first, within `clip`;
// `out` starts at the screen point `origin`.
void ComposeWindows(WindowManager& m, const Rect& clip, Point origin, HWND under, Surface& out) {
  for (auto it = m.topLevels.rbegin(); it != m.topLevels.rend(); ++it) {
    const WindowObject* w = m.find(*it);
    if (*it == under || !w || !w->surface || !m.reallyVisible(*it)) continue;
    Region shown(w->rect);
    if (w->shape) {
      Region shape = *w->shape;
      shape.offset(w->rect.left, w->rect.top);
      shown.combine(shown, shape, RGN_AND);
    }
    shown.intersect(clip);
    for (const Rect& r : shown.rects()) {
      for (int y = r.top; y < r.bottom; ++y) {
        int sy = y - w->rect.top;
        if (sy < 0 || sy >= w->surface->height()) continue;
        const Pixel* src = w->surface->scanLine(sy);
        Pixel* dst = out.scanLine(y - origin.y);
        for (int x = r.left; x < r.right; ++x) {
          int sx = x - w->rect.left;
          if (sx >= 0 && sx < w->surface->width()) dst[x - origin.x] = src[sx] | 0xFF000000u;
        }
      }
    }
  }
}

}  // namespace

Surface CopyScreen(const Rect& area, HWND under, bool* withoutUnder) {
  if (withoutUnder) *withoutUnder = true;
  if (area.isEmpty() || int64_t(area.width()) * area.height() > Surface::kMaxPixels) return Surface();
  Surface out(area.width(), area.height());
  out.fill(pixelFromColor(GetSysColor(COLOR_DESKTOP), 0xFF));
  if (!HasBackend()) return out;
  WindowManager& m = wm();
  Size s = m.backend().screenSize();
  Rect onScreen = intersectRect(area, Rect{0, 0, s.cx, s.cy});
  if (onScreen.isEmpty()) return out;
  Surface shown;
  if (m.backend().readScreen(onScreen, shown) && shown.width() == onScreen.width() &&
      shown.height() == onScreen.height()) {
    for (int y = 0; y < shown.height(); ++y) {
      const Pixel* src = shown.scanLine(y);
      Pixel* dst = out.scanLine(y + onScreen.top - area.top) + (onScreen.left - area.left);
      for (int x = 0; x < shown.width(); ++x) dst[x] = src[x] | 0xFF000000u;
    }
    // The display may still show our windows where they were a move ago,
    // until their neighbours repaint; where our windows are, their own pixels
    // as painted now are surer.
    ComposeWindows(m, onScreen, {area.left, area.top}, under, out);
    if (withoutUnder && under) *withoutUnder = false;
    return out;
  }
  ComposeWindows(m, onScreen, {area.left, area.top}, under, out);
  return out;
}

}  // namespace z5t8::platform::gui
