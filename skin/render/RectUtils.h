#pragma once

#include <cstdint>
#include <string>

#include "platform/gui/Geometry.h"

namespace z5t8::skin::render {

using platform::gui::Point;
using platform::gui::Rect;

// Saturated, so rectangles read from outside data cannot overflow.
inline constexpr int Saturate(int64_t v) {
  return v > INT32_MAX ? INT32_MAX : v < INT32_MIN ? INT32_MIN : int(v);
}
inline constexpr int SatDiff(int32_t a, int32_t b) { return Saturate(int64_t(a) - b); }
inline constexpr int RectWidth(const Rect& r) { return SatDiff(r.right, r.left); }
inline constexpr int RectHeight(const Rect& r) { return SatDiff(r.bottom, r.top); }
inline constexpr bool IsRectEmpty(const Rect& r) { return RectWidth(r) <= 0 || RectHeight(r) <= 0; }
// r grown by d on every side.
inline constexpr Rect RectOffset(const Rect& r, int d) {
  return {SatDiff(r.left, d), SatDiff(r.top, d), Saturate(int64_t(r.right) + d),
          Saturate(int64_t(r.bottom) + d)};
}
inline constexpr bool RectInRect(const Rect& a, const Rect& b) {
  return a.left >= b.left && a.top >= b.top && a.right <= b.right && a.bottom <= b.bottom;
}
inline constexpr bool CompareRect(const Rect& a, const Rect& b) { return a == b; }

// r moved to the centre of bounds (both ways, vertically, horizontally);
// r itself receives the result as well.
Rect RectCenter(Rect& r, const Rect& bounds);
Rect RectVCenter(Rect& r, const Rect& bounds);
Rect RectHCenter(Rect& r, const Rect& bounds);

// r shrunk by the margins (a rectangle of left, top, right, bottom widths);
// margins that do not fit are scaled down in proportion on that axis.
Rect MarginRect(const Rect& r, const Rect& margins);

// "(left,top,right,bottom)"
std::string RectToString(const Rect& r);
// Four tokens as decimal numbers; anything unreadable gives (0, 0, 0, 0), so
// the bracketed form of RectToString does not read back.
Rect StringToRect(const std::string& text);

}  // namespace z5t8::skin::render
