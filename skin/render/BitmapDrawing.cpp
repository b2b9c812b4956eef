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
  int w = RectWidth(r), h = RectHeight(r);
  // The text is drawn upright over the target's own pixels turned back, so that its
  // smoothed edges blend with what it lands on rather than with a key colour.
  TteBitmap upright, turned;
  turned.SetSize(w, h);
  upright.SetSize(h, w);
  if (turned.Empty() || upright.Empty()) return 0;
  turned.DC()->bitBlt(0, 0, w, h, *target, r.left, r.top, platform::gui::SRCCOPY);
  // Upright (i, j) lands on (w - 1 - j, i) turned clockwise, on (j, h - 1 - i) anticlockwise.
  auto turn = [&](auto&& move) {
    for (int j = 0; j < w; ++j)
      for (int i = 0; i < h; ++i) {
        if (clockwise)
          move(*upright.GetPixelPtr(i, j), *turned.GetPixelPtr(w - 1 - j, i));
        else
          move(*upright.GetPixelPtr(i, j), *turned.GetPixelPtr(j, h - 1 - i));
      }
  };
  turn([](teColor& up, const teColor& side) { up = side; });
  framework::TCanvas* c = upright.GetCanvas();
  c->SetFont(*canvas->Font());
  c->Brush()->SetStyle(framework::bsClear);
  Rect area = upright.BoundsRect();
  int result = DrawText(c, text, area, format);
  turn([](const teColor& up, teColor& side) { side = up; });
  target->bitBlt(r.left, r.top, w, h, *turned.DC(), 0, 0, platform::gui::SRCCOPY);
  return result;
}

}  // namespace z5t8::skin::render
