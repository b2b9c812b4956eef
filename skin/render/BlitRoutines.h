#pragma once

#include "platform/gui/Geometry.h"
#include "skin/render/PixelView.h"

namespace z5t8::skin::render {

using platform::gui::Point;
using platform::gui::Rect;

// Same-size copies of an already clipped area: dest is inside the target and
// the source area of dest's size at srcOrigin is inside the source.
using BltFunc = void (*)(const PixelView& target, const Rect& dest, const PixelView& source, Point srcOrigin);
extern BltFunc BltOpaqueFunc;
extern BltFunc BltAlphaBlendFunc;
extern BltFunc BltTransparentFunc;

// srcRect of source drawn into destRect of target, scaled to the nearest
// pixel, limited to clipRect. Out-of-range source rectangles draw nothing.
using StretchFunc = void (*)(const PixelView& target, const Rect& destRect, const Rect& clipRect,
                             const PixelView& source, const Rect& srcRect);
extern StretchFunc StretchOpaqueFunc;
extern StretchFunc StretchAlphaBlendFunc;
extern StretchFunc StretchTransparentFunc;
// The same straight into the memory of a DIB selected in a device context.
extern StretchFunc StretchToDibOpaqueFunc;
extern StretchFunc StretchToDibAlphaBlendFunc;
extern StretchFunc StretchToDibTransparentFunc;

}  // namespace z5t8::skin::render
