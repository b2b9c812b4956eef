#include "skin/render/SystemQueries.h"

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

// Every surface of the platform is 32 bits per pixel, one plane.
int ScreenBitsPerPixel() { return 32; }

}  // namespace z5t8::skin::render
