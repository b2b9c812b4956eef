#include "framework/gui/Brush.h"

#include "framework/gui/Bitmap.h"

namespace z5t8::framework {

void TBrush::SetColor(TColor value) {
  if (value == FColor && FStyle != bsClear) return;
  FColor = value;
  if (FStyle == bsClear) FStyle = bsSolid;
  Changed();
}

void TBrush::SetStyle(TBrushStyle value) {
  if (value == FStyle) return;
  FStyle = value;
  Changed();
}

void TBrush::SetBitmap(TBitmap* value) {
  FBitmap = value;
  Changed();
}

void TBrush::Assign(const TBrush& source) {
  FColor = source.FColor;
  FStyle = source.FStyle;
  FBitmap = source.FBitmap;
  Changed();
}

void TBrush::Changed() {
  if (OnChange) OnChange();
}

platform::gui::Brush TBrush::Realize() const {
  namespace pg = platform::gui;
  if (FBitmap && !FBitmap->Empty()) return pg::Brush::withPattern(BrushPatternOf(*FBitmap));
  if (FStyle == bsClear) return pg::Brush::hollow();
  pg::ColorRef c = ColorToRGB(FColor);
  if (FStyle == bsSolid) return pg::Brush::solid(c);
  // Hatches: lines in the brush colour on white, one pixel wide, every 8 pixels.
  pg::BrushPattern pattern;
  for (int y = 0; y < 8; ++y) {
    for (int x = 0; x < 8; ++x) {
      bool on = false;
      switch (FStyle) {
        case bsHorizontal:
          on = y == 7;
          break;
        case bsVertical:
          on = x == 7;
          break;
        case bsFDiagonal:
          on = x == y;
          break;
        case bsBDiagonal:
          on = x + y == 7;
          break;
        case bsCross:
          on = x == 7 || y == 7;
          break;
        case bsDiagCross:
          on = x == y || x + y == 7;
          break;
        default:
          break;
      }
      pattern[y * 8 + x] = on ? c : 0x00FFFFFF;
    }
  }
  return pg::Brush::withPattern(pattern);
}

}  // namespace z5t8::framework
