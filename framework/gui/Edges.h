#pragma once

#include "platform/gui/DeviceContext.h"

namespace z5t8::framework {

// One ring: top and left lines in topLeft, bottom and right in bottomRight.
void DrawEdgeRing(platform::gui::DeviceContext& dc, const platform::gui::Rect& r,
                  platform::gui::ColorRef topLeft, platform::gui::ColorRef bottomRight);

}  // namespace z5t8::framework
