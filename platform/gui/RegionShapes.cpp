// Shapes are rasterised by our own code on every system, so a round rectangle,
// an ellipse or a polygon covers the same pixels whatever region engine holds it.
#include "platform/gui/Region.h"

#include "platform/gui/Raster.h"

#include <vector>

namespace z5t8::platform::gui {

namespace {

Region fromSpans(const std::vector<Span>& spans) {
  std::vector<Rect> rects;
  rects.reserve(spans.size());
  for (const Span& s : spans) rects.push_back({s.x0, s.y, s.x1, s.y + 1});
  return Region::fromRects(rects);
}

}  // namespace

Region Region::roundRect(const Rect& r, int32_t cornerWidth, int32_t cornerHeight) {
  return fromSpans(raster::roundRect(r, cornerWidth, cornerHeight));
}

Region Region::ellipse(const Rect& r) { return fromSpans(raster::ellipse(r)); }

Region Region::polygon(std::span<const Point> points, int fillMode) {
  return fromSpans(raster::polygon(points, fillMode));
}

}  // namespace z5t8::platform::gui
