#include "platform/gui/DeviceContext.h"

#include "platform/gui/RasterOps.h"

#include <utility>

namespace z5t8::platform::gui {

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
  current.intersect(normalizedRect(a.x, a.y, b.x, b.y));
  return setUserClip(std::move(current));
}

int DeviceContext::excludeClipRect(int32_t left, int32_t top, int32_t right, int32_t bottom) {
  Point a = lpToDp({left, top}), b = lpToDp({right, bottom});
  Region current = state_.clip ? *state_.clip : deviceArea();
  current.subtract(normalizedRect(a.x, a.y, b.x, b.y));
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
  return effectiveClip_.intersects(normalizedRect(s.left, s.top, s.right, s.bottom));
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

}  // namespace z5t8::platform::gui
