#pragma once

#include <cstdint>

#include "platform/gui/Color.h"

namespace z5t8::platform::gui {

constexpr int PS_SOLID = 0;
constexpr int PS_NULL = 5;
constexpr int PS_INSIDEFRAME = 6;

// A pen is a plain value: selecting one into a device context copies it. Wide
// outlines of rectangles, ellipses and rounded rectangles always lie inside the
// shape's bounds (as PS_INSIDEFRAME asks); wide lines are centred on their path
// with round ends.
struct Pen {
  int style = PS_SOLID;
  int32_t width = 1;
  ColorRef color = 0;

  static Pen solid(ColorRef c, int32_t width = 1) { return {PS_SOLID, width, c}; }
  static Pen null() { return {PS_NULL, 1, 0}; }
  bool isNull() const { return style == PS_NULL; }
  friend bool operator==(const Pen&, const Pen&) = default;
};

}  // namespace z5t8::platform::gui
