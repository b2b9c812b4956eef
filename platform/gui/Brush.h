#pragma once

#include <array>
#include <memory>

#include "platform/gui/Color.h"

namespace z5t8::platform::gui {

constexpr int BS_SOLID = 0;
constexpr int BS_NULL = 1;
constexpr int BS_HOLLOW = BS_NULL;
constexpr int BS_PATTERN = 3;

// 8 by 8 colours, row by row; the pattern repeats from the brush origin.
using BrushPattern = std::array<ColorRef, 64>;

// A brush is a plain value: selecting one into a device context copies it (a pattern
// is shared, not copied).
struct Brush {
  int style = BS_SOLID;
  ColorRef color = 0x00FFFFFF;
  std::shared_ptr<const BrushPattern> pattern;

  static Brush solid(ColorRef c) { return {BS_SOLID, c, nullptr}; }
  static Brush hollow() { return {BS_NULL, 0, nullptr}; }
  static Brush withPattern(const BrushPattern& p) {
    return {BS_PATTERN, 0, std::make_shared<const BrushPattern>(p)};
  }
  bool isNull() const { return style == BS_NULL; }
};

}  // namespace z5t8::platform::gui
