#pragma once

#include <cstddef>
#include <cstdint>
#include <memory>

#include "platform/gui/Color.h"
#include "platform/gui/Geometry.h"

namespace z5t8::platform::gui {

// A 32-bit top-down pixel surface in exactly the DIB layout: blue, green, red,
// alpha per pixel, rows top first, no padding. The memory is reachable directly.
class Surface {
public:
  // A surface larger than this is a corrupt size, not a real request.
  static constexpr int64_t kMaxSide = 32767;
  static constexpr int64_t kMaxPixels = int64_t(1) << 26;

  Surface() = default;
  // Negative sizes count as their absolute values; pixels start as 0. Sizes past
  // kMaxSide or kMaxPixels throw std::bad_alloc.
  Surface(int32_t width, int32_t height);
  Surface(const Surface& other);
  Surface& operator=(const Surface& other);
  Surface(Surface&& other) noexcept;
  Surface& operator=(Surface&& other) noexcept;
  ~Surface() = default;

  // Reallocates; the old pixels are not kept. A zero size makes the surface empty.
  void resize(int32_t width, int32_t height);

  bool isEmpty() const { return !pixels_; }
  int32_t width() const { return width_; }
  int32_t height() const { return height_; }
  Rect bounds() const { return {0, 0, width_, height_}; }
  // Bytes per row: always width * 4.
  size_t stride() const { return size_t(width_) * 4; }
  size_t byteSize() const { return stride() * size_t(height_); }

  Pixel* bits() { return pixels_.get(); }
  const Pixel* bits() const { return pixels_.get(); }
  Pixel* scanLine(int32_t y) { return pixels_.get() + size_t(y) * size_t(width_); }
  const Pixel* scanLine(int32_t y) const { return pixels_.get() + size_t(y) * size_t(width_); }

  // Outside the surface: pixel() gives 0 and setPixel() does nothing.
  Pixel pixel(int32_t x, int32_t y) const;
  void setPixel(int32_t x, int32_t y, Pixel p);
  void fill(Pixel p);
  // Clipped to the surface.
  void fillRect(const Rect& r, Pixel p);

private:
  int32_t width_ = 0;
  int32_t height_ = 0;
  std::unique_ptr<Pixel[]> pixels_;
};

}  // namespace z5t8::platform::gui
