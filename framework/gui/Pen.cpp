#include "framework/gui/Pen.h"

#include "platform/gui/DeviceContext.h"

namespace z5t8::framework {

void TPen::SetColor(TColor value) {
  if (value == FColor) return;
  FColor = value;
  Changed();
}

void TPen::SetWidth(int value) {
  if (value < 0 || value == FWidth) return;
  FWidth = value;
  Changed();
}

void TPen::SetStyle(TPenStyle value) {
  if (value == FStyle) return;
  FStyle = value;
  Changed();
}

void TPen::SetMode(TPenMode value) {
  if (value == FMode) return;
  FMode = value;
  Changed();
}

void TPen::Assign(const TPen& source) {
  FColor = source.FColor;
  FWidth = source.FWidth;
  FStyle = source.FStyle;
  FMode = source.FMode;
  Changed();
}

void TPen::Changed() {
  if (OnChange) OnChange();
}

platform::gui::Pen TPen::Realize() const {
  namespace pg = platform::gui;
  if (FStyle == psClear) return pg::Pen::null();
  pg::Pen pen = pg::Pen::solid(ColorToRGB(FColor), FWidth < 1 ? 1 : FWidth);
  if (FStyle == psInsideFrame) pen.style = pg::PS_INSIDEFRAME;
  return pen;
}

int TPen::RasterOp() const {
  namespace pg = platform::gui;
  static constexpr int ops[] = {pg::R2_BLACK,       pg::R2_WHITE,      pg::R2_NOP,         pg::R2_NOT,
                                pg::R2_COPYPEN,     pg::R2_NOTCOPYPEN, pg::R2_MERGEPENNOT, pg::R2_MASKPENNOT,
                                pg::R2_MERGENOTPEN, pg::R2_MASKNOTPEN, pg::R2_MERGEPEN,    pg::R2_NOTMERGEPEN,
                                pg::R2_MASKPEN,     pg::R2_NOTMASKPEN, pg::R2_XORPEN,      pg::R2_NOTXORPEN};
  return ops[FMode];
}

}  // namespace z5t8::framework
