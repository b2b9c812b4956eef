#include "platform/gui/Surface.h"

#include <algorithm>
#include <cstdlib>
#include <cstring>
#include <new>

namespace z5t8::platform::gui {

Surface::Surface(int32_t width, int32_t height) { resize(width, height); }

Surface::Surface(const Surface& other) { *this = other; }

Surface& Surface::operator=(const Surface& other) {
  if (this == &other) return *this;
  resize(other.width_, other.height_);
  if (pixels_) std::memcpy(pixels_.get(), other.pixels_.get(), byteSize());
  return *this;
}

Surface::Surface(Surface&& other) noexcept { *this = std::move(other); }

Surface& Surface::operator=(Surface&& other) noexcept {
  if (this == &other) return *this;
  width_ = other.width_;
  height_ = other.height_;
  pixels_ = std::move(other.pixels_);
  other.width_ = other.height_ = 0;
  return *this;
}

void Surface::resize(int32_t width, int32_t height) {
  int64_t w = std::llabs(int64_t(width));
  int64_t h = std::llabs(int64_t(height));
  pixels_.reset();
  width_ = height_ = 0;
  if (w == 0 || h == 0) return;
  if (w > kMaxSide || h > kMaxSide || w * h > kMaxPixels) throw std::bad_alloc();
  pixels_.reset(new Pixel[size_t(w * h)]());
  width_ = int32_t(w);
  height_ = int32_t(h);
}

Pixel Surface::pixel(int32_t x, int32_t y) const {
  if (!pixels_ || x < 0 || y < 0 || x >= width_ || y >= height_) return 0;
  return pixels_[size_t(y) * size_t(width_) + size_t(x)];
}

void Surface::setPixel(int32_t x, int32_t y, Pixel p) {
  if (!pixels_ || x < 0 || y < 0 || x >= width_ || y >= height_) return;
  pixels_[size_t(y) * size_t(width_) + size_t(x)] = p;
}

void Surface::fill(Pixel p) {
  if (pixels_) std::fill_n(pixels_.get(), size_t(width_) * size_t(height_), p);
}

void Surface::fillRect(const Rect& r, Pixel p) {
  Rect c = intersectRect(r, bounds());
  if (c.isEmpty()) return;
  for (int32_t y = c.top; y < c.bottom; ++y) std::fill(scanLine(y) + c.left, scanLine(y) + c.right, p);
}

}  // namespace z5t8::platform::gui
