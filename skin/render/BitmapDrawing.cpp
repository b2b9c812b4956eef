#include "skin/render/BitmapDrawing.h"

#include "platform/gui/FrameControls.h"
#include "skin/render/CanvasDrawing.h"

namespace z5t8::skin::render {

void FillAlphaRect(framework::TCanvas* canvas, const Rect& r, framework::TColor colour, uint8_t alpha) {
  if (!canvas || IsRectEmpty(r)) return;
  TteBitmap b;
  b.SetSize(RectWidth(r), RectHeight(r));
  b.Clear(teColor(colour, alpha));
  b.AlphaBlend = true;
  b.Draw(canvas, r.left, r.top);
}

void DrawFrameControlGlyph(framework::TCanvas* canvas, const Rect& r, unsigned controlType,
                           unsigned controlState, framework::TColor colour) {
  if (!canvas || IsRectEmpty(r)) return;
  TteBitmap b;
  b.SetSize(RectWidth(r), RectHeight(r));
  Rect area = b.BoundsRect();
  platform::gui::DrawFrameControl(*b.DC(), &area, controlType, controlState);
  teColor ink(colour, 255);
  teColor* end = b.Bits() + ptrdiff_t(b.Width()) * b.Height();
  for (teColor* p = b.Bits(); p != end; ++p) *p = *p == 0 ? ink : teTransparentVar;
  b.Transparent = true;
  b.Draw(canvas, r.left, r.top);
}

void DrawGlyphShadow(framework::TCanvas* canvas, int x, int y, const TteBitmap& glyph,
                     framework::TColor colour) {
  if (!canvas || glyph.Empty()) return;
  TteBitmap shadow;
  shadow.Assign(&glyph);
  shadow.AlphaBlend = true;
  shadow.CheckingTransparent(teTransparentVar);
  teColor ink(colour, 100);
  teColor* end = shadow.Bits() + ptrdiff_t(shadow.Width()) * shadow.Height();
  for (teColor* p = shadow.Bits(); p != end; ++p)
    if (p->A() != 0) *p = ink;
  shadow.Draw(canvas, x, y);
}

int DrawVerticalText(framework::TCanvas* canvas, std::u16string_view text, const Rect& r, uint32_t format,
                     bool clockwise) {
  if (!canvas || IsRectEmpty(r)) return 0;
  platform::gui::DeviceContext* target = canvas->Handle();
  if (!target) return 0;
  // Only the part of r that can be drawn is turned, so a rectangle far larger than the
  // target costs no more than the target.
  const Rect v = platform::gui::intersectRect(r, target->clipBox());
  if (v.isEmpty()) return 0;
  const int64_t w = RectWidth(r), h = RectHeight(r);
  const int vw = v.width(), vh = v.height();
  const int64_t vx0 = int64_t(v.left) - r.left, vx1 = int64_t(v.right) - r.left;
  const int64_t vy0 = int64_t(v.top) - r.top, vy1 = int64_t(v.bottom) - r.top;
  // The text is drawn upright over the target's own pixels turned back, so that its
  // smoothed edges blend with what it lands on rather than with a key colour.
  TteBitmap upright, turned;
  turned.SetSize(vw, vh);
  upright.SetSize(vh, vw);
  if (turned.Empty() || upright.Empty()) return 0;
  turned.DC()->bitBlt(0, 0, vw, vh, *target, v.left, v.top, platform::gui::SRCCOPY);
  // Upright (i, j) lands on (vw - 1 - j, i) turned clockwise, on (j, vh - 1 - i) anticlockwise;
  // the upright picture starts at (i0, j0) of the whole turned rectangle.
  const int64_t i0 = clockwise ? vy0 : h - vy1, j0 = clockwise ? w - vx1 : vx0;
  auto turn = [&](auto&& move) {
    for (int j = 0; j < vw; ++j)
      for (int i = 0; i < vh; ++i) {
        if (clockwise)
          move(*upright.GetPixelPtr(i, j), *turned.GetPixelPtr(vw - 1 - j, i));
        else
          move(*upright.GetPixelPtr(i, j), *turned.GetPixelPtr(j, vh - 1 - i));
      }
  };
  turn([](teColor& up, const teColor& side) { up = side; });
  framework::TCanvas* c = upright.GetCanvas();
  c->SetFont(*canvas->Font());
  c->Brush()->SetStyle(framework::bsClear);
  Rect area{Saturate(-i0), Saturate(-j0), Saturate(h - i0), Saturate(w - j0)};
  int result = DrawText(c, text, area, format);
  turn([](const teColor& up, teColor& side) { side = up; });
  target->bitBlt(v.left, v.top, vw, vh, *turned.DC(), 0, 0, platform::gui::SRCCOPY);
  return result;
}

}  // namespace z5t8::skin::render
