#include "platform/gui/Snapshot.h"

#include "platform/gui/Backend.h"
#include "platform/gui/Png.h"
#include "platform/gui/SystemMetrics.h"
#include "platform/gui/WindowManager.h"

namespace z5t8::platform::gui {

Surface ScreenImage() {
  WindowManager& m = wm();
  Size s = m.backend().screenSize();
  Surface out(s.cx, s.cy);
  out.fill(pixelFromColor(GetSysColor(COLOR_DESKTOP)));
  for (auto it = m.topLevels.rbegin(); it != m.topLevels.rend(); ++it) {
    const WindowObject* w = m.find(*it);
    if (!w || !w->surface || !m.reallyVisible(*it)) continue;
    Region area(w->rect);
    if (w->shape) {
      Region shape = *w->shape;
      shape.offset(w->rect.left, w->rect.top);
      area.combine(area, shape, RGN_AND);
    }
    area.intersect(out.bounds());
    for (const Rect& r : area.rects()) {
      for (int y = r.top; y < r.bottom; ++y) {
        const Pixel* src = w->surface->scanLine(y - w->rect.top) + (r.left - w->rect.left);
        Pixel* dst = out.scanLine(y) + r.left;
        for (int x = 0; x < r.width(); ++x) dst[x] = src[x] | 0xFF000000u;
      }
    }
  }
  if (m.screenOverlay && m.screenOverlay->width() == out.width() &&
      m.screenOverlay->height() == out.height()) {
    for (int y = 0; y < out.height(); ++y) {
      const Pixel* o = m.screenOverlay->scanLine(y);
      Pixel* d = out.scanLine(y);
      for (int x = 0; x < out.width(); ++x) d[x] ^= (o[x] & 0x00FFFFFFu);
    }
  }
  return out;
}

Surface WindowImage(HWND h) {
  WindowManager& m = wm();
  const WindowObject* w = m.find(h);
  if (!w) return Surface();
  const WindowObject* t = m.find(m.topLevelOf(h));
  Point o = m.surfaceOrigin(h);
  Surface out(w->rect.width(), w->rect.height());
  Rect r = intersectRect(rectFromSize(o.x, o.y, out.width(), out.height()), t->surface->bounds());
  for (int y = r.top; y < r.bottom; ++y) {
    const Pixel* src = t->surface->scanLine(y) + r.left;
    Pixel* dst = out.scanLine(y - o.y) + (r.left - o.x);
    for (int x = 0; x < r.width(); ++x) dst[x] = src[x] | 0xFF000000u;
  }
  return out;
}

bool SnapshotScreen(const std::string& pngPath) { return writePngFile(ScreenImage(), pngPath, false); }

bool SnapshotWindow(HWND h, const std::string& pngPath) {
  Surface s = WindowImage(h);
  return !s.isEmpty() && writePngFile(s, pngPath, false);
}

}  // namespace z5t8::platform::gui
