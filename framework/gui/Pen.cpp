#include "framework/gui/Pen.h"

#include "platform/gui/DeviceContext.h"

namespace z5t8::framework {

void TPen::SetColor(TColor value) {
  if (value == color_) return;
  color_ = value;
  Changed();
}

void TPen::SetWidth(int value) {
  if (value < 0 || value == width_) return;
  width_ = value;
  Changed();
}

void TPen::SetStyle(TPenStyle value) {
  if (value == style_) return;
  style_ = value;
  Changed();
}

void TPen::SetMode(TPenMode value) {
  if (value == mode_) return;
  mode_ = value;
  Changed();
}

void TPen::Assign(const TPen& source) {
  color_ = source.color_;
  width_ = source.width_;
  style_ = source.style_;
  mode_ = source.mode_;
  Changed();
}

void TPen::Changed() {
  if (OnChange) OnChange();
}

platform::gui::Pen TPen::Realize() const {
  namespace pg = platform::gui;
  if (style_ == psClear) return pg::Pen::null();
  pg::Pen pen = pg::Pen::solid(ColorToRGB(color_), width_ < 1 ? 1 : width_);
  if (style_ == psInsideFrame) pen.style = pg::PS_INSIDEFRAME;
  return pen;
}

int TPen::RasterOp() const {
  namespace pg = platform::gui;
  static constexpr int ops[] = {pg::R2_BLACK,       pg::R2_WHITE,      pg::R2_NOP,          pg::R2_NOT,
                                pg::R2_COPYPEN,     pg::R2_NOTCOPYPEN, pg::R2_MERGEPENNOT,  pg::R2_MASKPENNOT,
                                pg::R2_MERGENOTPEN, pg::R2_MASKNOTPEN, pg::R2_MERGEPEN,     pg::R2_NOTMERGEPEN,
                                pg::R2_MASKPEN,     pg::R2_NOTMASKPEN, pg::R2_XORPEN,       pg::R2_NOTXORPEN};
  return ops[mode_];
}

}  // namespace z5t8::framework
