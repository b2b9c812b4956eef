#include "skin/theme/ThemeColorShift.h"

#include "platform/gui/SystemMetrics.h"
#include "skin/render/Color.h"

namespace z5t8::skin::theme {

using framework::TColor;

TColor ResolvedColor(TColor color) {
  if (framework::IsSystemColor(color)) return platform::gui::GetSysColor(int(framework::SystemColorIndex(color)));
  return color;
}

TColor HueShifted(TColor color, int delta) {
  return render::ToRGB(render::ChangeHue(render::FromRGB(ResolvedColor(color)), delta));
}

TColor BrightnessShifted(TColor color, int delta) {
  return render::ToRGB(render::ChangeBrightness(render::FromRGB(ResolvedColor(color)), delta));
}

}  // namespace z5t8::skin::theme
