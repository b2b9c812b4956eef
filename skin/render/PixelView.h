#pragma once

#include <cstddef>

#include "platform/gui/Geometry.h"
#include "skin/render/Color.h"

namespace z5t8::skin::render {

// Rows of 32-bit pixels as drawing routines see them: row y starts at
// origin + y * pitch, so a bottom-up DIB is a view with a negative pitch.
struct PixelView {
  teColor* origin = nullptr;
  std::ptrdiff_t pitch = 0;
  int width = 0;
  int height = 0;

  bool Empty() const { return !origin || width <= 0 || height <= 0; }
  teColor* Row(int y) const { return origin + y * pitch; }
  platform::gui::Rect Bounds() const { return {0, 0, width, height}; }

  static PixelView TopDown(teColor* bits, int width, int height) { return {bits, width, width, height}; }
  static PixelView BottomUp(teColor* bits, int width, int height) {
    return {bits + std::ptrdiff_t(height - 1) * width, -std::ptrdiff_t(width), width, height};
  }
};

}  // namespace z5t8::skin::render
