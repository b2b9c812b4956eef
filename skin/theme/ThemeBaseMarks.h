#pragma once

#include <cstdint>

#include "framework/gui/Canvas.h"
#include "skin/render/Bitmap.h"
#include "skin/render/RectUtils.h"
#include "skin/theme/ThemeTypes.h"

// The primitives the base theme's look draws with, shared by its window and
// control families: saturated offsets, the marker fill of a family with no
// real look, centred boxes and pictures, triangles, ticks and the item marks.
namespace z5t8::skin::theme::baselook {

using framework::TCanvas;
using framework::TColor;
using framework::TRect;

// Outlines the plain fill of a family the base theme has no real look for.
constexpr TColor kMarkerOutline = 0x808000;

// a + d, saturated.
inline int Add(int a, int64_t d) { return render::Saturate(int64_t(a) + d); }

// r filled with `fill` and outlined in kMarkerOutline; nothing for an empty r.
void Marker(TCanvas* canvas, const TRect& r, TColor fill);

// A w x h box centred in r, halves toward the top left.
TRect CentredBox(const TRect& r, int w, int h);

void DrawCentred(TCanvas* canvas, const render::TteBitmap& bitmap, const TRect& r);

// An isosceles triangle filling r, pointing up or down.
void DrawTriangle(TCanvas* canvas, const TRect& r, bool up, TColor colour);

// A tick three pixels thick, scaled to fill a square box.
void DrawCheckMark(TCanvas* canvas, const TRect& box, TColor colour);

// The standard marks of menu and tool items, centred in r; a picture at its own size.
void DrawMark(TCanvas* canvas, const TRect& r, const render::TteBitmap* bitmap, TteMenuGlyph glyph);

}  // namespace z5t8::skin::theme::baselook
