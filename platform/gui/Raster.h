#pragma once

#include <cstdint>
#include <span>
#include <vector>

#include "platform/gui/Geometry.h"

namespace z5t8::platform::gui {

// One horizontal run of pixels [x0, x1) on row y.
struct Span {
  int32_t y;
  int32_t x0;
  int32_t x1;
};

// Scan conversion shared by regions and the device context. Pixels are sampled at
// their centres, so right and bottom edges stay outside, as the drawing rules want.
namespace raster {

std::vector<Span> polygon(std::span<const Point> points, int fillMode);
std::vector<Span> ellipse(const Rect& r);
std::vector<Span> roundRect(const Rect& r, int32_t cornerWidth, int32_t cornerHeight);
// The outline of a shape given as one span per row (convex rows): the spans less
// the shape shrunk by `thickness` pixels on every side.
std::vector<Span> outline(const std::vector<Span>& shape, int32_t thickness);
// The shape shrunk by `thickness` pixels on every side.
std::vector<Span> erode(const std::vector<Span>& shape, int32_t thickness);

}  // namespace raster
}  // namespace z5t8::platform::gui
