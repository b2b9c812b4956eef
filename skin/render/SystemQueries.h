#pragma once

namespace z5t8::skin::render {

// The operating-system family questions the skin library asks. This
// platform answers as an NT-family system with the transparent blit built
// in, and without visual styles or layered windows, so callers take their
// documented fallbacks.
bool IsWinNT();
bool IsWinNT4();
bool IsWin2k();
bool IsWinXP();
bool IsMsImg();
bool UseThemesSlow();
bool UseThemes();

// Bits per pixel times planes of the screen's device format.
int ScreenBitsPerPixel();

}  // namespace z5t8::skin::render
