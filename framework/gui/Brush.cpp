#include "framework/gui/Brush.h"

#include "framework/gui/Bitmap.h"

namespace z5t8::framework {

void TBrush::SetColor(TColor value) {
  if (value == color_ && style_ != bsClear) return;
  color_ = value;
  if (style_ == bsClear) style_ = bsSolid;
  Changed();
}

void TBrush::SetStyle(TBrushStyle value) {
  if (value == style_) return;
  style_ = value;
  Changed();
}

void TBrush::SetBitmap(TBitmap* value) {
  bitmap_ = value;
  Changed();
}

void TBrush::Assign(const TBrush& source) {
  color_ = source.color_;
  style_ = source.style_;
  bitmap_ = source.bitmap_;
  Changed();
}

void TBrush::Changed() {
  if (OnChange) OnChange();
}

platform::gui::Brush TBrush::Realize() const {
  namespace pg = platform::gui;
  if (bitmap_ && !bitmap_->Empty()) return pg::Brush::withPattern(BrushPatternOf(*bitmap_));
  if (style_ == bsClear) return pg::Brush::hollow();
  pg::ColorRef c = ColorToRGB(color_);
  if (style_ == bsSolid) return pg::Brush::solid(c);
  // Hatches: lines in the brush colour on white, one pixel wide, every 8 pixels.
  pg::BrushPattern pattern;
  for (int y = 0; y < 8; ++y) {
    for (int x = 0; x < 8; ++x) {
      bool on = false;
      switch (style_) {
        case bsHorizontal: on = y == 7; break;
        case bsVertical: on = x == 7; break;
        case bsFDiagonal: on = x == y; break;
        case bsBDiagonal: on = x + y == 7; break;
        case bsCross: on = x == 7 || y == 7; break;
        case bsDiagCross: on = x == y || x + y == 7; break;
        default: break;
      }
      pattern[y * 8 + x] = on ? c : 0x00FFFFFF;
    }
  }
  return pg::Brush::withPattern(pattern);
}

}  // namespace z5t8::framework
