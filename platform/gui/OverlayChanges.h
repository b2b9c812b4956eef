#pragma once

#include "platform/gui/Geometry.h"
#include "platform/gui/Surface.h"

namespace z5t8::platform::gui {

// The screen context's drawing reaches a display combined with the screen by
// exclusive or, so a backend must send only what changed since it last sent:
// the previous overlay combined with the new one cancels what is already there.
class OverlayChanges {
public:
  // The pixels to combine with the screen over `area` (the dirty part of the
  // overlay); false when nothing on the screen changes.
  bool take(const Surface& overlay, const Rect& dirty, Surface& changes, Rect& area);

private:
  Surface shown_;
};

}  // namespace z5t8::platform::gui
