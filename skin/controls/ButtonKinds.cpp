// The stock button kinds: the caption each shows and the glyph this library
// draws for it.

#include "skin/controls/Button.h"

#include "skin/render/CanvasDrawing.h"

namespace z5t8::skin::controls {

using namespace framework;

std::u16string BitBtnKindCaption(TBitBtnKind kind) {
  static const char16_t* const captions[] = {u"",       u"OK",    u"Cancel", u"&Help",   u"&Yes", u"&No",
                                             u"&Close", u"Abort", u"&Retry", u"&Ignore", u"&All"};
  return captions[kind];
}

void DrawBitBtnKindGlyph(TBitBtnKind kind, TBitmap& glyph) {
  glyph.SetSize(36, 18);
  TCanvas* canvas = glyph.Canvas();
  render::FillRect(canvas, Rect(0, 0, 36, 18), TColor(kGlyphKey));
  static constexpr TColor colours[] = {0,        0x00A000, 0x0000C0, 0xC05000, 0x00A000, 0x0000C0,
                                       0x404040, 0x0000C0, 0x008080, 0x808000, 0x00A000};
  for (int frame = 0; frame < 2; ++frame) {
    TColor colour = frame == 0 ? colours[kind] : TColor(0x808080);
    int x0 = frame * 18;
    // Strokes three pixels wide, so the mark reads beside a large caption.
    auto line = [&](int x1, int y1, int x2, int y2) {
      for (int d = -1; d <= 1; ++d) {
        render::MoveTo(canvas, x0 + x1 + d, y1);
        render::LineTo(canvas, x0 + x2 + d, y2, colour);
        render::MoveTo(canvas, x0 + x1, y1 + d);
        render::LineTo(canvas, x0 + x2, y2 + d, colour);
      }
    };
    switch (kind) {
      case bkOK:
      case bkYes:
      case bkAll:
        line(3, 9, 7, 13);
        line(7, 13, 14, 4);
        break;
      case bkCancel:
      case bkNo:
      case bkAbort:
        line(4, 4, 13, 13);
        line(13, 4, 4, 13);
        break;
      case bkHelp:
      case bkIgnore:
        render::FillEllipse(canvas, Rect(x0 + 3, 3, x0 + 15, 15), colour);
        render::FillRect(canvas, Rect(x0 + 8, 6, x0 + 10, 12), clWhite);
        break;
      case bkRetry:
        line(4, 5, 13, 5);
        line(13, 5, 13, 12);
        line(13, 12, 4, 12);
        break;
      case bkClose:
        render::FillRect(canvas, Rect(x0 + 5, 3, x0 + 13, 15), colour);
        render::FillRect(canvas, Rect(x0 + 10, 9, x0 + 12, 11), clWhite);
        break;
      case bkCustom:
        break;
    }
  }
}

}  // namespace z5t8::skin::controls
