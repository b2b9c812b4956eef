#pragma once

#include <cstdint>

namespace z5t8::skin::theme {

// The width of a window frame on each side.
struct TktlMargin {
  int32_t Left = 0;
  int32_t Top = 0;
  int32_t Right = 0;
  int32_t Bottom = 0;

  friend constexpr bool operator==(const TktlMargin&, const TktlMargin&) = default;
};

constexpr TktlMargin Margin(int32_t left, int32_t top, int32_t right, int32_t bottom) {
  return TktlMargin{left, top, right, bottom};
}

}  // namespace z5t8::skin::theme
