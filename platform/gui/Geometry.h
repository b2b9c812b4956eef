#pragma once

#include <algorithm>
#include <cstdint>

namespace z5t8::platform::gui {

// Coordinate arithmetic saturates instead of overflowing: a wild coordinate must
// clip away, not wrap around.
constexpr int32_t clampToInt32(int64_t v) {
  return v < INT32_MIN ? INT32_MIN : v > INT32_MAX ? INT32_MAX : int32_t(v);
}

struct Point {
  int32_t x = 0;
  int32_t y = 0;
  friend bool operator==(const Point&, const Point&) = default;
};

struct Size {
  int32_t cx = 0;
  int32_t cy = 0;
  friend bool operator==(const Size&, const Size&) = default;
};

// Right and bottom are exclusive, as everywhere in the drawing layer.
struct Rect {
  int32_t left = 0;
  int32_t top = 0;
  int32_t right = 0;
  int32_t bottom = 0;

  constexpr int32_t width() const { return clampToInt32(int64_t(right) - left); }
  constexpr int32_t height() const { return clampToInt32(int64_t(bottom) - top); }
  constexpr bool isEmpty() const { return right <= left || bottom <= top; }
  constexpr bool contains(Point p) const { return p.x >= left && p.x < right && p.y >= top && p.y < bottom; }
  constexpr Point topLeft() const { return {left, top}; }
  constexpr Rect offset(int32_t dx, int32_t dy) const {
    return {clampToInt32(int64_t(left) + dx), clampToInt32(int64_t(top) + dy),
            clampToInt32(int64_t(right) + dx), clampToInt32(int64_t(bottom) + dy)};
  }
  constexpr Rect inflate(int32_t dx, int32_t dy) const {
    return {clampToInt32(int64_t(left) - dx), clampToInt32(int64_t(top) - dy),
            clampToInt32(int64_t(right) + dx), clampToInt32(int64_t(bottom) + dy)};
  }
  friend bool operator==(const Rect&, const Rect&) = default;
};

constexpr Rect rectFromSize(int32_t x, int32_t y, int32_t cx, int32_t cy) {
  return {x, y, clampToInt32(int64_t(x) + cx), clampToInt32(int64_t(y) + cy)};
}

// Empty when the two do not overlap; the empty result is (0, 0, 0, 0).
constexpr Rect intersectRect(const Rect& a, const Rect& b) {
  Rect r{std::max(a.left, b.left), std::max(a.top, b.top), std::min(a.right, b.right),
         std::min(a.bottom, b.bottom)};
  return r.isEmpty() ? Rect{} : r;
}

// An empty operand does not count.
constexpr Rect unionRect(const Rect& a, const Rect& b) {
  if (a.isEmpty()) return b.isEmpty() ? Rect{} : b;
  if (b.isEmpty()) return a;
  return {std::min(a.left, b.left), std::min(a.top, b.top), std::max(a.right, b.right),
          std::max(a.bottom, b.bottom)};
}

}  // namespace z5t8::platform::gui
