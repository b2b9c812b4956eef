#include "platform/gui/DeviceContext.h"

#include "platform/gui/RasterOps.h"

#include <algorithm>
#include <cstdlib>
#include <utility>

namespace z5t8::platform::gui {

// ---- painting core ----

DeviceContext::Ink DeviceContext::brushInk(const Brush& brush) const {
  Ink ink;
  ink.rop2 = state_.rop2;
  if (brush.style == BS_PATTERN && brush.pattern) {
    ink.pattern = brush.pattern.get();
    ink.origin = {state_.brushOrg.x + deviceOffset_.x, state_.brushOrg.y + deviceOffset_.y};
  } else {
    ink.solid = pixelFromColor(brush.color);
  }
  return ink;
}

DeviceContext::Ink DeviceContext::penInk() const {
  Ink ink;
  ink.rop2 = state_.rop2;
  ink.solid = pixelFromColor(state_.pen.color);
  return ink;
}

void DeviceContext::paintRect(const Rect& r, const Ink& ink) {
  if (!surface_ || r.isEmpty()) return;
  Region::RectView view = effectiveClip_.rectView();
  const auto* boxes = static_cast<const int32_t*>(view.data);
  for (int i = 0; i < view.count; ++i) {
    Rect c = intersectRect(r, {boxes[4 * i], boxes[4 * i + 1], boxes[4 * i + 2], boxes[4 * i + 3]});
    if (c.isEmpty()) continue;
    for (int32_t y = c.top; y < c.bottom; ++y) {
      Pixel* row = surface_->scanLine(y);
      if (!ink.pattern) {
        if (ink.rop2 == R2_COPYPEN) {
          std::fill(row + c.left, row + c.right, ink.solid);
        } else {
          for (int32_t x = c.left; x < c.right; ++x) row[x] = applyRop2(ink.rop2, ink.solid, row[x]);
        }
        continue;
      }
      const ColorRef* patternRow = ink.pattern->data() + size_t((y - ink.origin.y) & 7) * 8;
      for (int32_t x = c.left; x < c.right; ++x) {
        Pixel p = pixelFromColor(patternRow[(x - ink.origin.x) & 7]);
        row[x] = ink.rop2 == R2_COPYPEN ? p : applyRop2(ink.rop2, p, row[x]);
      }
    }
  }
}

void DeviceContext::paintSpans(std::span<const Span> spans, const Ink& ink) {
  for (const Span& s : spans) paintRect({s.x0, s.y, s.x1, s.y + 1}, ink);
}

void DeviceContext::paintSurfaceRegion(const Region& rgn, const Ink& ink) {
  Region clipped;
  clipped.combine(rgn, effectiveClip_, RGN_AND);
  for (const Rect& r : clipped.rects()) paintRect(r, ink);
}

void DeviceContext::plot(int32_t x, int32_t y, const Ink& ink) {
  if (!surface_ || !visible(x, y)) return;
  Pixel& d = surface_->scanLine(y)[x];
  d = applyRop2(ink.rop2, ink.solid, d);
}

// ---- pixels ----

ColorRef DeviceContext::getPixel(int32_t x, int32_t y) const {
  int32_t px = sx(x), py = sy(y);
  if (!surface_ || !visible(px, py)) return CLR_INVALID;
  return colorFromPixel(surface_->scanLine(py)[px]);
}

ColorRef DeviceContext::setPixel(int32_t x, int32_t y, ColorRef c) {
  int32_t px = sx(x), py = sy(y);
  if (!surface_ || !visible(px, py)) return CLR_INVALID;
  surface_->scanLine(py)[px] = pixelFromColor(c);
  return c & kRgbMask;
}

// ---- rectangles ----

void DeviceContext::fillRect(const Rect& r, const Brush& brush) {
  if (brush.isNull()) return;
  Ink ink = brushInk(brush);
  ink.rop2 = R2_COPYPEN;
  paintRect(toSurface(r), ink);
}

void DeviceContext::frameRect(const Rect& r, const Brush& brush) {
  if (brush.isNull() || r.isEmpty()) return;
  Ink ink = brushInk(brush);
  ink.rop2 = R2_COPYPEN;
  Rect s = toSurface(r);
  paintRect({s.left, s.top, s.right, s.top + 1}, ink);
  paintRect({s.left, s.bottom - 1, s.right, s.bottom}, ink);
  paintRect({s.left, s.top + 1, s.left + 1, s.bottom - 1}, ink);
  paintRect({s.right - 1, s.top + 1, s.right, s.bottom - 1}, ink);
}

void DeviceContext::invertRect(const Rect& r) {
  Ink ink;
  ink.rop2 = R2_NOT;
  paintRect(toSurface(r), ink);
}

void DeviceContext::drawFocusRect(const Rect& r) {
  if (r.isEmpty()) return;
  Ink ink;
  ink.rop2 = R2_XORPEN;
  ink.solid = kRgbMask;
  Rect s = toSurface(r);
  Rect box = effectiveClip_.box();
  // Every other pixel, counted in device coordinates so that a repeat cancels it.
  auto dot = [&](int32_t x, int32_t y) {
    if (((int64_t(x) - deviceOffset_.x + y - deviceOffset_.y) & 1) == 0) plot(x, y, ink);
  };
  for (int32_t x = std::max(s.left, box.left); x < std::min(s.right, box.right); ++x) {
    dot(x, s.top);
    if (s.bottom - 1 > s.top) dot(x, s.bottom - 1);
  }
  for (int32_t y = std::max(s.top + 1, box.top); y < std::min(s.bottom - 1, box.bottom); ++y) {
    dot(s.left, y);
    if (s.right - 1 > s.left) dot(s.right - 1, y);
  }
}

void DeviceContext::patBlt(int32_t x, int32_t y, int32_t w, int32_t h, uint32_t rop) {
  if (!surface_) return;
  Rect s = toSurface(normalizedRect(x, y, x + w, y + h));
  Ink ink = brushInk(state_.brush);
  if (state_.brush.isNull()) ink.solid = 0;
  Region::RectView view = effectiveClip_.rectView();
  const auto* boxes = static_cast<const int32_t*>(view.data);
  for (int i = 0; i < view.count; ++i) {
    Rect c = intersectRect(s, {boxes[4 * i], boxes[4 * i + 1], boxes[4 * i + 2], boxes[4 * i + 3]});
    for (int32_t py = c.top; py < c.bottom; ++py) {
      Pixel* row = surface_->scanLine(py);
      for (int32_t px = c.left; px < c.right; ++px) {
        Pixel p = ink.pattern
                      ? pixelFromColor(
                            (*ink.pattern)[size_t(((py - ink.origin.y) & 7) * 8 + ((px - ink.origin.x) & 7))])
                      : ink.solid;
        row[px] = applyRop3(rop, p, 0, row[px]);
      }
    }
  }
}

void DeviceContext::drawShape(const std::vector<Span>& shape) {
  const Pen& pen = state_.pen;
  int32_t w = pen.isNull() ? 0 : std::max(1, pen.width);
  std::vector<Span> inner = w ? raster::erode(shape, w) : shape;
  if (!state_.brush.isNull()) paintSpans(inner, brushInk(state_.brush));
  if (w) paintSpans(raster::outline(shape, w), penInk());
}

void DeviceContext::rectangle(int32_t left, int32_t top, int32_t right, int32_t bottom) {
  Rect r = toSurface(normalizedRect(left, top, right, bottom));
  const Pen& pen = state_.pen;
  if (pen.isNull()) {
    // Without a pen the rectangle is one pixel smaller, as with the classic call.
    if (!state_.brush.isNull()) paintRect({r.left, r.top, r.right - 1, r.bottom - 1}, brushInk(state_.brush));
    return;
  }
  int32_t w = std::max(1, pen.width);
  Rect inner{r.left + w, r.top + w, r.right - w, r.bottom - w};
  if (!state_.brush.isNull()) paintRect(inner, brushInk(state_.brush));
  Ink ink = penInk();
  if (inner.isEmpty()) {
    paintRect(r, ink);
    return;
  }
  paintRect({r.left, r.top, r.right, inner.top}, ink);
  paintRect({r.left, inner.bottom, r.right, r.bottom}, ink);
  paintRect({r.left, inner.top, inner.left, inner.bottom}, ink);
  paintRect({inner.right, inner.top, r.right, inner.bottom}, ink);
}

void DeviceContext::ellipse(int32_t left, int32_t top, int32_t right, int32_t bottom) {
  Rect r = toSurface(normalizedRect(left, top, right, bottom));
  if (state_.pen.isNull()) r = {r.left, r.top, r.right - 1, r.bottom - 1};
  drawShape(raster::ellipse(r));
}

void DeviceContext::roundRect(int32_t left, int32_t top, int32_t right, int32_t bottom, int32_t cornerWidth,
                              int32_t cornerHeight) {
  Rect r = toSurface(normalizedRect(left, top, right, bottom));
  if (state_.pen.isNull()) r = {r.left, r.top, r.right - 1, r.bottom - 1};
  drawShape(raster::roundRect(r, std::abs(cornerWidth), std::abs(cornerHeight)));
}

void DeviceContext::polygon(std::span<const Point> points) {
  if (points.size() < 2) return;
  std::vector<Point> surfacePoints;
  surfacePoints.reserve(points.size());
  for (const Point& p : points) surfacePoints.push_back({sx(p.x), sy(p.y)});
  if (!state_.brush.isNull())
    paintSpans(raster::polygon(surfacePoints, state_.polyFillMode), brushInk(state_.brush));
  if (state_.pen.isNull()) return;
  for (size_t i = 0; i < surfacePoints.size(); ++i)
    drawLine(surfacePoints[i], surfacePoints[(i + 1) % surfacePoints.size()]);
}

void DeviceContext::fillRgn(const Region& rgn, const Brush& brush) {
  if (brush.isNull()) return;
  Region s = rgn;
  s.offset(sx(0), sy(0));
  Ink ink = brushInk(brush);
  ink.rop2 = R2_COPYPEN;
  paintSurfaceRegion(s, ink);
}

void DeviceContext::paintRgn(const Region& rgn) {
  if (state_.brush.isNull()) return;
  Region s = rgn;
  s.offset(sx(0), sy(0));
  paintSurfaceRegion(s, brushInk(state_.brush));
}

void DeviceContext::frameRgn(const Region& rgn, const Brush& brush, int32_t w, int32_t h) {
  // The frame is the part of the region within w, h of its outside.
  Region inner = rgn;
  const Point shifts[] = {{w, 0}, {-w, 0}, {0, h}, {0, -h}};
  for (Point d : shifts) {
    Region shifted = rgn;
    shifted.offset(d.x, d.y);
    inner.combine(inner, shifted, RGN_AND);
  }
  fillRgn(Region::combined(rgn, inner, RGN_DIFF), brush);
}

// ---- lines ----

Point DeviceContext::moveTo(int32_t x, int32_t y) { return std::exchange(state_.penPos, Point{x, y}); }

void DeviceContext::lineTo(int32_t x, int32_t y) {
  Point from = state_.penPos;
  state_.penPos = {x, y};
  if (state_.pen.isNull()) return;
  drawLine({sx(from.x), sy(from.y)}, {sx(x), sy(y)});
}

void DeviceContext::polyline(std::span<const Point> points) {
  if (state_.pen.isNull()) return;
  for (size_t i = 1; i < points.size(); ++i)
    drawLine({sx(points[i - 1].x), sy(points[i - 1].y)}, {sx(points[i].x), sy(points[i].y)});
}

void DeviceContext::drawLine(Point from, Point to) {
  if (!surface_) return;
  Ink ink = penInk();
  int32_t w = std::max(1, state_.pen.width);
  std::vector<Span> dot;
  if (w > 1) dot = raster::ellipse({-w / 2, -w / 2, w - w / 2, w - w / 2});
  int64_t dx = int64_t(to.x) - from.x, dy = int64_t(to.y) - from.y;
  int64_t n = std::max(std::llabs(dx), std::llabs(dy));
  if (n == 0) return;
  // Step along the major axis, the other coordinate rounded to the nearest pixel;
  // only the steps that can reach the surface are walked, and the end point is
  // left out.
  bool xMajor = std::llabs(dx) >= std::llabs(dy);
  int64_t major0 = xMajor ? from.x : from.y, minor0 = xMajor ? from.y : from.x;
  int64_t majorStep = (xMajor ? dx : dy) < 0 ? -1 : 1, minorDelta = xMajor ? dy : dx;
  Rect reach = surface_->bounds().inflate(w, w);
  int64_t lo = xMajor ? reach.left : reach.top, hi = xMajor ? reach.right : reach.bottom;
  int64_t first = majorStep > 0 ? lo - major0 : major0 - hi + 1;
  int64_t last = majorStep > 0 ? hi - major0 : major0 - lo + 1;
  first = std::max<int64_t>(first, 0);
  last = std::min<int64_t>(last, n);
  for (int64_t i = first; i < last; ++i) {
    __int128 num = __int128(2) * i * minorDelta + n;
    __int128 den = __int128(2) * n;
    __int128 q = num / den;
    if ((num % den != 0) && ((num < 0) != (den < 0))) --q;
    int64_t major = major0 + i * majorStep, minor = minor0 + int64_t(q);
    int64_t x = xMajor ? major : minor, y = xMajor ? minor : major;
    if (x < reach.left || x >= reach.right || y < reach.top || y >= reach.bottom) continue;
    if (w == 1) {
      plot(int32_t(x), int32_t(y), ink);
    } else {
      for (const Span& sp : dot)
        paintRect({int32_t(x) + sp.x0, int32_t(y) + sp.y, int32_t(x) + sp.x1, int32_t(y) + sp.y + 1}, ink);
    }
  }
}

}  // namespace z5t8::platform::gui
