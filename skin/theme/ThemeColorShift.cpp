#include "skin/theme/ThemeColorShift.h"

#include "skin/render/Color.h"

namespace z5t8::skin::theme {

using framework::TColor;

TColor ResolvedColor(TColor color) { return render::teColorToColor(render::teColor(color, 255)); }

TColor HueShifted(TColor color, int delta) {
  return render::teColorToColor(render::ChangeHue(render::teColor(color, 255), delta));
}

TColor BrightnessShifted(TColor color, int delta) {
  return render::teColorToColor(render::ChangeBrightness(render::teColor(color, 255), delta));
}

}  // namespace z5t8::skin::theme
