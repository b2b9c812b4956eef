#include "framework/gui/Edges.h"

namespace z5t8::framework {

namespace pg = platform::gui;

void DrawEdgeRing(pg::DeviceContext& dc, const pg::Rect& r, pg::ColorRef topLeft, pg::ColorRef bottomRight) {
  if (r.isEmpty()) return;
  dc.fillRect({r.left, r.top, r.right - 1, r.top + 1}, pg::Brush::solid(topLeft));
  dc.fillRect({r.left, r.top, r.left + 1, r.bottom - 1}, pg::Brush::solid(topLeft));
  dc.fillRect({r.left, r.bottom - 1, r.right, r.bottom}, pg::Brush::solid(bottomRight));
  dc.fillRect({r.right - 1, r.top, r.right, r.bottom}, pg::Brush::solid(bottomRight));
}

}  // namespace z5t8::framework
