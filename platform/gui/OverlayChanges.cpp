#include "platform/gui/OverlayChanges.h"

namespace z5t8::platform::gui {

bool OverlayChanges::take(const Surface& overlay, const Rect& dirty, Surface& changes, Rect& area) {
  if (shown_.width() != overlay.width() || shown_.height() != overlay.height())
    shown_ = Surface(overlay.width(), overlay.height());
  area = intersectRect(dirty, overlay.bounds());
  if (area.isEmpty()) return false;
  changes = Surface(area.width(), area.height());
  bool any = false;
  for (int y = area.top; y < area.bottom; ++y) {
    const Pixel* o = overlay.scanLine(y) + area.left;
    Pixel* was = shown_.scanLine(y) + area.left;
    Pixel* d = changes.scanLine(y - area.top);
    for (int x = 0; x < area.width(); ++x) {
      d[x] = (o[x] ^ was[x]) & 0x00FFFFFFu;
      any |= d[x] != 0;
      was[x] = o[x];
    }
  }
  return any;
}

}  // namespace z5t8::platform::gui
