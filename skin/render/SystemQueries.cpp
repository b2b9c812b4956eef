#include "skin/render/SystemQueries.h"

#include "platform/gui/DeviceContext.h"

namespace z5t8::skin::render {

bool IsWinNT() { return true; }
bool IsWinNT4() { return false; }
// Layered windows are absent.
bool IsWin2k() { return false; }
// Visual styles are absent.
bool IsWinXP() { return false; }
bool IsMsImg() { return IsWinNT() && !IsWinNT4(); }
bool UseThemesSlow() { return false; }
bool UseThemes() { return UseThemesSlow(); }

int ScreenBitsPerPixel() {
  platform::gui::DeviceContext screenFormat;
  return screenFormat.deviceCaps(platform::gui::BITSPIXEL) * screenFormat.deviceCaps(platform::gui::PLANES);
}

}  // namespace z5t8::skin::render
