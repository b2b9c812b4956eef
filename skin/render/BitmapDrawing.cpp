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
  int w = RectWidth(r), h = RectHeight(r);
  TteBitmap upright, turned;
  turned.SetSize(w, h);
  upright.SetSize(h, w);
  turned.Clear(teTransparentVar);
  upright.Clear(teTransparentVar);
  framework::TCanvas* c = upright.GetCanvas();
  c->SetFont(*canvas->Font());
  c->Brush()->SetStyle(framework::bsClear);
  Rect area = upright.BoundsRect();
  int result = DrawText(c, text, area, format);
  for (int j = 0; j < upright.Height(); ++j)
    for (int i = 0; i < upright.Width(); ++i) {
      teColor p = upright.GetPixel(i, j);
      if (p == teTransparentVar) continue;
      if (clockwise)
        turned.SetPixel(w - j, i, p);
      else
        turned.SetPixel(j, h - i, p);
    }
  turned.Transparent = true;
  turned.Draw(canvas, r.left, r.top);
  return result;
}

}  // namespace z5t8::skin::render
