#include "framework/gui/ColorMap.h"

#include "platform/gui/SystemMetrics.h"

namespace z5t8::framework {

platform::gui::ColorRef ColorToRGB(TColor color) {
  if (IsSystemColor(color)) return platform::gui::GetSysColor(static_cast<int>(SystemColorIndex(color)));
  if (color == clNone || color == clDefault) return 0;
  return color & 0x00FFFFFF;
}

}  // namespace z5t8::framework
