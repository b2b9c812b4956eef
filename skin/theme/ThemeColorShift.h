#pragma once

#include "framework/Color.h"

namespace z5t8::skin::theme {

// The RGB value a colour stands for, system colours resolved through the platform.
framework::TColor ResolvedColor(framework::TColor color);

// A framework colour through the 32-bit colour model (system colours resolved to RGB,
// full opacity), shifted, and back.
framework::TColor HueShifted(framework::TColor color, int delta);
framework::TColor BrightnessShifted(framework::TColor color, int delta);

}  // namespace z5t8::skin::theme
