#pragma once

#include "framework/Color.h"
#include "platform/gui/Color.h"

namespace z5t8::framework {

// The RGB value a colour stands for: system colours resolve through the
// platform's colour table; clNone and clDefault give black.
platform::gui::ColorRef ColorToRGB(TColor color);

}  // namespace z5t8::framework
