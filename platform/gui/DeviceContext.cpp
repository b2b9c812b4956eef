#include "platform/gui/DeviceContext.h"

#include "platform/gui/Icon.h"

#include <algorithm>
#include <cstdlib>
#include <cstring>
#include <utility>

namespace z5t8::platform::gui {

namespace {

constexpr Pixel kRgbMask = 0x00FFFFFF;

// A ROP2 code is a truth table over (pen, destination) bits, offset by one.
Pixel applyRop2(int code, Pixel p, Pixel d) {
  unsigned t = unsigned(code - 1) & 15;
  Pixel r = 0;
  if (t & 1) r |= ~p & ~d;
  if (t & 2) r |= ~p & d;
  if (t & 4) r |= p & ~d;
  if (t & 8) r |= p & d;
  // Operations that ignore the destination overwrite alpha with 0 like the other
  // drawing calls; the rest leave the destination's alpha alone.
  bool overwrites = code == R2_BLACK || code == R2_WHITE || code == R2_COPYPEN || code == R2_NOTCOPYPEN;
  return (r & kRgbMask) | (overwrites ? 0 : (d & ~kRgbMask));
}

// A ROP3 code's third byte is a truth table indexed by pattern, source and
// destination bits (pattern the most significant).
Pixel applyRop3(uint32_t rop, Pixel p, Pixel s, Pixel d) {
  unsigned t = (rop >> 16) & 0xFF;
  switch (t) {
    case 0xCC:
      return s;
    case 0xF0:
      return p;
    case 0x00:
      return 0;
    case 0xFF:
      return kRgbMask;
    case 0x55:
      return d ^ kRgbMask;
    case 0x5A:
      return p ^ d;
    case 0x66:
      return s ^ d;
    case 0x88:
      return s & d;
    case 0xEE:
      return s | d;
    default:
      break;
  }
  Pixel r = 0;
  for (unsigned i = 0; i < 8; ++i) {
    if (!(t & (1u << i))) continue;
    r |= ((i & 4) ? p : ~p) & ((i & 2) ? s : ~s) & ((i & 1) ? d : ~d);
  }
  return r;
}

bool ropUsesSource(uint32_t rop) {
  unsigned t = (rop >> 16) & 0xFF;
  return ((t >> 2) & 0x33) != (t & 0x33);
}

Rect normalized(int32_t l, int32_t t, int32_t r, int32_t b) {
  return {std::min(l, r), std::min(t, b), std::max(l, r), std::max(t, b)};
}

}  // namespace

DeviceContext::DeviceContext(Surface* surface) : surface_(surface) { updateEffectiveClip(); }

DeviceContext::DeviceContext(Surface* surface, Point deviceOffset, std::optional<Region> baseClip)
    : surface_(surface), memory_(false), deviceOffset_(deviceOffset), baseClip_(std::move(baseClip)) {
  updateEffectiveClip();
}

Surface* DeviceContext::selectSurface(Surface* surface) {
  Surface* old = surface_;
  surface_ = surface;
  updateEffectiveClip();
  return old;
}

int DeviceContext::deviceCaps(int index) const {
  switch (index) {
    case HORZRES:
      return surface_ ? surface_->width() : 0;
    case VERTRES:
      return surface_ ? surface_->height() : 0;
    case BITSPIXEL:
      return 32;
    case PLANES:
      return 1;
    case NUMCOLORS:
      return -1;
    case LOGPIXELSX:
    case LOGPIXELSY:
      return 96;
    default:
      return 0;
  }
}

void DeviceContext::setDeviceOrigin(Point deviceOffset, std::optional<Region> baseClip) {
  deviceOffset_ = deviceOffset;
  baseClip_ = std::move(baseClip);
  updateEffectiveClip();
}

// ---- mapping ----

Point DeviceContext::setViewportOrg(int32_t x, int32_t y) {
  Point old = state_.viewportOrg;
  state_.viewportOrg = {x, y};
  return old;
}

Point DeviceContext::offsetViewportOrg(int32_t dx, int32_t dy) {
  Point old = state_.viewportOrg;
  state_.viewportOrg = {old.x + dx, old.y + dy};
  return old;
}

Point DeviceContext::setWindowOrg(int32_t x, int32_t y) {
  Point old = state_.windowOrg;
  state_.windowOrg = {x, y};
  return old;
}

Point DeviceContext::offsetWindowOrg(int32_t dx, int32_t dy) {
  Point old = state_.windowOrg;
  state_.windowOrg = {old.x + dx, old.y + dy};
  return old;
}

Point DeviceContext::lpToDp(Point p) const {
  return {clampToInt32(int64_t(p.x) - state_.windowOrg.x + state_.viewportOrg.x),
          clampToInt32(int64_t(p.y) - state_.windowOrg.y + state_.viewportOrg.y)};
}

Point DeviceContext::dpToLp(Point p) const {
  return {clampToInt32(int64_t(p.x) + state_.windowOrg.x - state_.viewportOrg.x),
          clampToInt32(int64_t(p.y) + state_.windowOrg.y - state_.viewportOrg.y)};
}

Rect DeviceContext::toSurface(const Rect& r) const {
  return {sx(r.left), sy(r.top), sx(r.right), sy(r.bottom)};
}

// ---- clipping ----

Region DeviceContext::deviceArea() const {
  Region area;
  if (surface_) area = Region(surface_->bounds().offset(-deviceOffset_.x, -deviceOffset_.y));
  if (baseClip_) area.combine(area, *baseClip_, RGN_AND);
  return area;
}

void DeviceContext::updateEffectiveClip() {
  if (!surface_) {
    effectiveClip_ = Region();
    return;
  }
  effectiveClip_ = Region(surface_->bounds());
  if (baseClip_) {
    Region base = *baseClip_;
    base.offset(deviceOffset_.x, deviceOffset_.y);
    effectiveClip_.combine(effectiveClip_, base, RGN_AND);
  }
  if (state_.clip) {
    Region user = *state_.clip;
    user.offset(deviceOffset_.x, deviceOffset_.y);
    effectiveClip_.combine(effectiveClip_, user, RGN_AND);
  }
}

int DeviceContext::setUserClip(std::optional<Region> clip) {
  state_.clip = std::move(clip);
  updateEffectiveClip();
  return effectiveClip_.complexity();
}

int DeviceContext::selectClipRgn(const Region* rgn) {
  return setUserClip(rgn ? std::optional<Region>(*rgn) : std::nullopt);
}

int DeviceContext::extSelectClipRgn(const Region* rgn, int mode) {
  if (mode == RGN_COPY) return selectClipRgn(rgn);
  if (!rgn || mode < RGN_AND || mode > RGN_DIFF) return RGN_ERROR;
  Region current = state_.clip ? *state_.clip : deviceArea();
  Region result;
  result.combine(current, *rgn, mode);
  return setUserClip(std::move(result));
}

int DeviceContext::intersectClipRect(int32_t left, int32_t top, int32_t right, int32_t bottom) {
  Point a = lpToDp({left, top}), b = lpToDp({right, bottom});
  Region current = state_.clip ? *state_.clip : deviceArea();
  current.intersect(normalized(a.x, a.y, b.x, b.y));
  return setUserClip(std::move(current));
}

int DeviceContext::excludeClipRect(int32_t left, int32_t top, int32_t right, int32_t bottom) {
  Point a = lpToDp({left, top}), b = lpToDp({right, bottom});
  Region current = state_.clip ? *state_.clip : deviceArea();
  current.subtract(normalized(a.x, a.y, b.x, b.y));
  return setUserClip(std::move(current));
}

int DeviceContext::offsetClipRgn(int32_t dx, int32_t dy) {
  if (state_.clip) {
    state_.clip->offset(dx, dy);
    updateEffectiveClip();
  }
  return effectiveClip_.complexity();
}

Rect DeviceContext::clipBox() const {
  Rect b = effectiveClip_.box();
  if (b.isEmpty()) return {};
  int32_t dx = state_.windowOrg.x - state_.viewportOrg.x - deviceOffset_.x;
  int32_t dy = state_.windowOrg.y - state_.viewportOrg.y - deviceOffset_.y;
  return b.offset(dx, dy);
}

bool DeviceContext::visible(int32_t x, int32_t y) const { return effectiveClip_.contains({x, y}); }

bool DeviceContext::ptVisible(int32_t x, int32_t y) const { return visible(sx(x), sy(y)); }

bool DeviceContext::rectVisible(const Rect& r) const {
  Rect s = toSurface(r);
  return effectiveClip_.intersects(normalized(s.left, s.top, s.right, s.bottom));
}

// ---- state ----

int DeviceContext::saveDC() {
  saved_.push_back(state_);
  return int(saved_.size());
}

bool DeviceContext::restoreDC(int level) {
  int n = int(saved_.size());
  int index = level < 0 ? n + level : level - 1;
  if (level == 0 || index < 0 || index >= n) return false;
  state_ = std::move(saved_[size_t(index)]);
  saved_.resize(size_t(index));
  updateEffectiveClip();
  return true;
}

Pen DeviceContext::selectPen(const Pen& pen) { return std::exchange(state_.pen, pen); }
Brush DeviceContext::selectBrush(const Brush& brush) { return std::exchange(state_.brush, brush); }
Font DeviceContext::selectFont(const Font& font) { return std::exchange(state_.font, font); }
ColorRef DeviceContext::setTextColor(ColorRef c) { return std::exchange(state_.textColor, c & kRgbMask); }
ColorRef DeviceContext::setBkColor(ColorRef c) { return std::exchange(state_.bkColor, c & kRgbMask); }

int DeviceContext::setBkMode(int mode) {
  if (mode != TRANSPARENT && mode != OPAQUE) return 0;
  return std::exchange(state_.bkMode, mode);
}

int DeviceContext::setROP2(int rop2) {
  if (rop2 < R2_BLACK || rop2 > R2_WHITE) return 0;
  return std::exchange(state_.rop2, rop2);
}

int DeviceContext::setPolyFillMode(int mode) {
  if (mode != ALTERNATE && mode != WINDING) return 0;
  return std::exchange(state_.polyFillMode, mode);
}

uint32_t DeviceContext::setTextAlign(uint32_t align) { return std::exchange(state_.textAlign, align); }

Point DeviceContext::setBrushOrg(int32_t x, int32_t y) { return std::exchange(state_.brushOrg, Point{x, y}); }

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
  Rect s = toSurface(normalized(x, y, x + w, y + h));
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
  Rect r = toSurface(normalized(left, top, right, bottom));
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
  Rect r = toSurface(normalized(left, top, right, bottom));
  if (state_.pen.isNull()) r = {r.left, r.top, r.right - 1, r.bottom - 1};
  drawShape(raster::ellipse(r));
}

void DeviceContext::roundRect(int32_t left, int32_t top, int32_t right, int32_t bottom, int32_t cornerWidth,
                              int32_t cornerHeight) {
  Rect r = toSurface(normalized(left, top, right, bottom));
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

// ---- blits ----

void DeviceContext::blit(Rect dst, const DeviceContext& src, Rect srcRect, BlitKind kind, uint32_t arg,
                         BlendFunction blend) {
  if (!surface_) return;
  int64_t dw = int64_t(dst.right) - dst.left, dh = int64_t(dst.bottom) - dst.top;
  int64_t sw = int64_t(srcRect.right) - srcRect.left, sh = int64_t(srcRect.bottom) - srcRect.top;
  if (dw == 0 || dh == 0) return;
  bool needsSource = kind != BlitKind::Rop || ropUsesSource(arg);
  if (needsSource && (sw == 0 || sh == 0)) return;
  bool mirrorX = (dw < 0) != (sw < 0), mirrorY = (dh < 0) != (sh < 0);
  Rect d = normalized(dst.left, dst.top, dst.right, dst.bottom);
  Rect s = normalized(srcRect.left, srcRect.top, srcRect.right, srcRect.bottom);
  int64_t adw = int64_t(d.right) - d.left, adh = int64_t(d.bottom) - d.top;
  int64_t asw = int64_t(s.right) - s.left, ash = int64_t(s.bottom) - s.top;

  Rect box = intersectRect(d, effectiveClip_.box());
  if (box.isEmpty()) return;

  // Source column for each destination column of the box (nearest pixel); rows
  // are mapped the same way as they come.
  bool scaled = adw != asw || adh != ash || mirrorX || mirrorY;
  std::vector<int32_t> cols;
  if (needsSource && scaled) {
    cols.resize(size_t(box.width()));
    for (int32_t x = box.left; x < box.right; ++x) {
      int64_t j = (int64_t(x - d.left) * asw) / adw;
      if (mirrorX) j = asw - 1 - j;
      cols[size_t(x - box.left)] = int32_t(s.left + j);
    }
  }
  auto sourceRow = [&](int32_t y) {
    int64_t j = (int64_t(y - d.top) * ash) / adh;
    if (mirrorY) j = ash - 1 - j;
    return int32_t(s.top + j);
  };

  // Reading from the surface being written needs a copy of the source part first.
  const Surface* source = src.surface_;
  Surface copy;
  int32_t copyX = 0, copyY = 0;
  if (needsSource && source == surface_ && source) {
    Rect part = intersectRect(s, source->bounds());
    if (!part.isEmpty()) {
      copy.resize(part.width(), part.height());
      for (int32_t y = part.top; y < part.bottom; ++y)
        std::memcpy(copy.scanLine(y - part.top), source->scanLine(y) + part.left, size_t(part.width()) * 4);
    }
    copyX = part.left;
    copyY = part.top;
    source = &copy;
  }
  int32_t sourceW = source ? source->width() : 0, sourceH = source ? source->height() : 0;

  // Each destination row's source pixels are gathered into one line first (pixels
  // outside the source read as 0), then combined with the destination.
  std::vector<Pixel> line(size_t(box.width()));
  Ink ink = brushInk(state_.brush);
  Pixel key = pixelFromColor(arg) & kRgbMask;
  Region::RectView view = effectiveClip_.rectView();
  const auto* boxes = static_cast<const int32_t*>(view.data);
  for (int i = 0; i < view.count; ++i) {
    Rect c = intersectRect(box, {boxes[4 * i], boxes[4 * i + 1], boxes[4 * i + 2], boxes[4 * i + 3]});
    if (c.isEmpty()) continue;
    int32_t n = c.width();
    for (int32_t y = c.top; y < c.bottom; ++y) {
      Pixel* row = surface_->scanLine(y) + c.left;
      if (needsSource) {
        int32_t srcY = sourceRow(y) - copyY;
        const Pixel* srcRow = (source && srcY >= 0 && srcY < sourceH) ? source->scanLine(srcY) : nullptr;
        if (!srcRow) {
          std::fill_n(line.data(), n, 0);
        } else if (!scaled) {
          // Wide: a far-off source position must clip, not wrap around.
          int64_t x0 = int64_t(s.left) + (int64_t(c.left) - d.left) - copyX;
          int32_t from = int32_t(std::clamp<int64_t>(-x0, 0, n));
          int32_t to = int32_t(std::clamp<int64_t>(sourceW - x0, 0, n));
          std::fill_n(line.data(), from, 0);
          if (to > from) std::memcpy(line.data() + from, srcRow + x0 + from, size_t(to - from) * 4);
          if (to < n) std::fill(line.data() + std::max(from, to), line.data() + n, 0);
        } else {
          const int32_t* map = cols.data() + (c.left - box.left);
          for (int32_t k = 0; k < n; ++k) {
            int32_t sx = map[k] - copyX;
            line[size_t(k)] = (sx >= 0 && sx < sourceW) ? srcRow[sx] : 0;
          }
        }
      }
      const Pixel* sp = line.data();
      switch (kind) {
        case BlitKind::Rop:
          if (arg == SRCCOPY) {
            std::memcpy(row, sp, size_t(n) * 4);
            break;
          }
          for (int32_t k = 0; k < n; ++k) {
            int32_t x = c.left + k;
            Pixel p =
                ink.pattern
                    ? pixelFromColor(
                          (*ink.pattern)[size_t(((y - ink.origin.y) & 7) * 8 + ((x - ink.origin.x) & 7))])
                    : ink.solid;
            row[k] = applyRop3(arg, p, sp[k], row[k]);
          }
          break;
        case BlitKind::Transparent:
          for (int32_t k = 0; k < n; ++k)
            if ((sp[k] & kRgbMask) != key) row[k] = sp[k];
          break;
        case BlitKind::Alpha: {
          unsigned ca = blend.sourceConstantAlpha;
          bool perPixel = blend.alphaFormat == AC_SRC_ALPHA;
          for (int32_t k = 0; k < n; ++k) {
            Pixel spx = sp[k], dp = row[k];
            unsigned sa = perPixel ? ((spx >> 24) * ca + 127) / 255 : ca;
            unsigned inv = 255 - sa;
            Pixel out = 0;
            for (int shift = 0; shift < 32; shift += 8) {
              unsigned sc = (spx >> shift) & 0xFF, dc = (dp >> shift) & 0xFF;
              if (shift == 24 && !perPixel) sc = 255;
              unsigned v = (sc * ca + 127) / 255 + (dc * inv + 127) / 255;
              out |= Pixel(std::min(v, 255u)) << shift;
            }
            row[k] = out;
          }
          break;
        }
      }
    }
  }
}

void DeviceContext::bitBlt(int32_t x, int32_t y, int32_t w, int32_t h, const DeviceContext& src, int32_t srcX,
                           int32_t srcY, uint32_t rop) {
  blit(toSurface({x, y, x + w, y + h}), src, {src.sx(srcX), src.sy(srcY), src.sx(srcX) + w, src.sy(srcY) + h},
       BlitKind::Rop, rop, {});
}

void DeviceContext::stretchBlt(int32_t x, int32_t y, int32_t w, int32_t h, const DeviceContext& src,
                               int32_t srcX, int32_t srcY, int32_t sw, int32_t sh, uint32_t rop) {
  blit(toSurface({x, y, x + w, y + h}), src,
       {src.sx(srcX), src.sy(srcY), src.sx(srcX) + sw, src.sy(srcY) + sh}, BlitKind::Rop, rop, {});
}

void DeviceContext::transparentBlt(int32_t x, int32_t y, int32_t w, int32_t h, const DeviceContext& src,
                                   int32_t srcX, int32_t srcY, int32_t sw, int32_t sh, ColorRef key) {
  blit(toSurface({x, y, x + w, y + h}), src,
       {src.sx(srcX), src.sy(srcY), src.sx(srcX) + sw, src.sy(srcY) + sh}, BlitKind::Transparent, key, {});
}

void DeviceContext::alphaBlend(int32_t x, int32_t y, int32_t w, int32_t h, const DeviceContext& src,
                               int32_t srcX, int32_t srcY, int32_t sw, int32_t sh, BlendFunction blend) {
  blit(toSurface({x, y, x + w, y + h}), src,
       {src.sx(srcX), src.sy(srcY), src.sx(srcX) + sw, src.sy(srcY) + sh}, BlitKind::Alpha, 0, blend);
}

void DeviceContext::drawIconEx(int32_t x, int32_t y, const Icon& icon, int32_t cx, int32_t cy,
                               uint32_t flags) {
  if (!surface_ || icon.width() <= 0 || icon.height() <= 0 || !(flags & DI_NORMAL)) return;
  if (cx <= 0) cx = icon.width();
  if (cy <= 0) cy = icon.height();
  Rect d = toSurface(rectFromSize(x, y, cx, cy));
  const Surface& color = icon.color();
  const std::vector<uint8_t>& mask = icon.mask();
  Region::RectView view = effectiveClip_.rectView();
  const auto* boxes = static_cast<const int32_t*>(view.data);
  for (int i = 0; i < view.count; ++i) {
    Rect c = intersectRect(d, {boxes[4 * i], boxes[4 * i + 1], boxes[4 * i + 2], boxes[4 * i + 3]});
    for (int32_t py = c.top; py < c.bottom; ++py) {
      int32_t iy = int32_t(int64_t(py - d.top) * icon.height() / cy);
      Pixel* row = surface_->scanLine(py);
      for (int32_t px = c.left; px < c.right; ++px) {
        int32_t ix = int32_t(int64_t(px - d.left) * icon.width() / cx);
        Pixel s = color.scanLine(iy)[ix];
        bool transparent = mask[size_t(iy) * size_t(icon.width()) + size_t(ix)] != 0;
        Pixel& dp = row[px];
        if ((flags & DI_NORMAL) == DI_NORMAL && icon.hasAlpha()) {
          uint32_t a = s >> 24, inv = 255 - a;
          Pixel out = 0;
          for (int shift = 0; shift < 24; shift += 8)
            out |= (((((s >> shift) & 0xFF) * a + ((dp >> shift) & 0xFF) * inv + 127) / 255) << shift);
          uint32_t outAlpha = a + ((dp >> 24) * inv + 127) / 255;
          dp = out | (outAlpha << 24);
        } else if ((flags & DI_NORMAL) == DI_NORMAL) {
          dp = ((transparent ? dp : 0) ^ s) & kRgbMask;
        } else if (flags & DI_MASK) {
          dp = transparent ? dp : (dp & ~kRgbMask);
        } else {
          dp = s & kRgbMask;
        }
      }
    }
  }
}

void DeviceContext::readPixels(const Rect& r, Surface& out) const {
  Rect n = normalized(r.left, r.top, r.right, r.bottom);
  out.resize(n.width(), n.height());
  if (out.isEmpty()) return;
  out.fill(0);
  if (!surface_) return;
  Rect s = toSurface(n);
  Rect part = intersectRect(s, surface_->bounds());
  for (int32_t y = part.top; y < part.bottom; ++y)
    std::memcpy(out.scanLine(y - s.top) + (part.left - s.left), surface_->scanLine(y) + part.left,
                size_t(part.width()) * 4);
}

}  // namespace z5t8::platform::gui
