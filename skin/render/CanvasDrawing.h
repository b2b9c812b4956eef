#pragma once

#include <span>
#include <string>
#include <string_view>

#include "framework/Color.h"
#include "framework/gui/Canvas.h"
#include "platform/gui/DeviceContext.h"
#include "platform/gui/Icon.h"
#include "skin/render/RectUtils.h"

namespace z5t8::framework {
class TIcon;
}

namespace z5t8::skin::render {

using framework::TCanvas;
using framework::TColor;

// Calls draw with a canvas bound to dc for the call; the canvas lets go of the
// context afterwards, even when draw throws.
template <class Draw>
void WithCanvas(platform::gui::DeviceContext* dc, Draw&& draw) {
  TCanvas canvas;
  canvas.SetHandle(dc);
  struct Unbind {
    TCanvas& canvas;
    ~Unbind() { canvas.SetHandle(nullptr); }
  } unbind{canvas};
  draw(&canvas);
}

// Canvas primitives that set the pen and brush they need before drawing.
// Colours are framework colours; system colours are allowed.

void MoveTo(TCanvas* canvas, int x, int y);
// A solid line in the colour from the pen position.
void LineTo(TCanvas* canvas, int x, int y, TColor colour);
// colour1 along the left and top, colour2 along the right and bottom.
void DrawEdge(TCanvas* canvas, const Rect& r, TColor colour1, TColor colour2);
void DrawEdge(TCanvas* canvas, int x1, int y1, int x2, int y2, TColor colour1, TColor colour2);
void DrawRect(TCanvas* canvas, const Rect& r, TColor colour);
void DrawRect(TCanvas* canvas, int x1, int y1, int x2, int y2, TColor colour);
void DrawFocusRect(TCanvas* canvas, const Rect& r, TColor colour);
void FillRect(TCanvas* canvas, const Rect& r, TColor colour);
void FillRect(TCanvas* canvas, int x1, int y1, int x2, int y2, TColor colour);
void FillRect(platform::gui::DeviceContext& dc, int x1, int y1, int x2, int y2, TColor colour);
void FillEllipse(TCanvas* canvas, const Rect& r, TColor colour);
void FillEllipse(TCanvas* canvas, int x1, int y1, int x2, int y2, TColor colour);
void DrawRoundRect(TCanvas* canvas, const Rect& r, int radius, TColor colour);
void FillRoundRect(TCanvas* canvas, const Rect& r, int radius, TColor colour);
void DrawPolygon(TCanvas* canvas, std::span<const Point> points, TColor colour);
void FillPolygon(TCanvas* canvas, std::span<const Point> points, TColor colour);
// Inside the polygon under the winding rule.
bool PointInPolygon(Point p, std::span<const Point> points);

// Bands from colour1 to colour2 across (or, vertical, down) r; at most 255.
void FillGradientRect(TCanvas* canvas, const Rect& r, TColor colour1, TColor colour2, bool vertical);
// Circles from colour2 outside to colour1 at centre, given in percent of r.
void FillRadialGradientRect(TCanvas* canvas, const Rect& r, TColor colour1, TColor colour2, Point centre);
// A one-pixel checkerboard of the two colours.
void FillHalftoneRect(TCanvas* canvas, Rect r, TColor colour1, TColor colour2);
void FillHalftonePolygon(TCanvas* canvas, std::span<const Point> points, TColor colour1, TColor colour2);

// With flags 0 the text extent's width; otherwise the width the formatted
// text drawing computes with those flags.
int TextWidth(TCanvas* canvas, std::u16string_view text, uint32_t flags = 0);
int TextHeight(TCanvas* canvas, std::u16string_view text);
// Transparent background; returns the height of the text drawn.
int DrawText(TCanvas* canvas, std::u16string_view text, Rect& r, uint32_t format);
int DrawText(TCanvas* canvas, std::u16string_view text, int x, int y);
// The text, or as much of it as fits before "..." within maxWidth.
std::u16string FormatStr(platform::gui::DeviceContext& dc, std::u16string_view text, int maxWidth);

// The icon at its own size, placed where a small-icon square centred in r starts.
void DrawIcon(TCanvas* canvas, const Rect& r, const framework::TIcon* icon);
void DrawIcon(platform::gui::DeviceContext& dc, const Rect& r, const platform::gui::Icon* icon);

// (a * b) / c rounded to the nearest, halves away from zero; -1 when c is 0.
int MulDiv(int a, int b, int c);

}  // namespace z5t8::skin::render
