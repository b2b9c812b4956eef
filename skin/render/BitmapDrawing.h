#pragma once

#include <string_view>

#include "framework/Color.h"
#include "framework/gui/Canvas.h"
#include "skin/render/Bitmap.h"

namespace z5t8::skin::render {

// Drawing utilities that work through a temporary 32-bit bitmap.

// The colour blended over r with the opacity alpha.
void FillAlphaRect(framework::TCanvas* canvas, const Rect& r, framework::TColor colour, uint8_t alpha);
// Only the black strokes of the system's frame-control picture, in the colour.
void DrawFrameControlGlyph(framework::TCanvas* canvas, const Rect& r, unsigned controlType,
                           unsigned controlState, framework::TColor colour);
// The glyph's silhouette in the colour at opacity 100 of 255.
void DrawGlyphShadow(framework::TCanvas* canvas, int x, int y, const TteBitmap& glyph,
                     framework::TColor colour);
// The text turned a quarter clockwise or anticlockwise into r, in the
// canvas's font; returns the height of the text drawn.
int DrawVerticalText(framework::TCanvas* canvas, std::u16string_view text, const Rect& r, uint32_t format,
                     bool clockwise);

}  // namespace z5t8::skin::render
