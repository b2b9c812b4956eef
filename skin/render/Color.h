#pragma once

#include <cstdint>

#include "framework/Color.h"

namespace z5t8::skin::render {

// A 32-bit colour with alpha; in memory blue, green, red, alpha, which is
// exactly a 32-bit DIB pixel. Converts freely to and from its raw value so
// pixel arrays and constants read naturally.
struct teColor {
  uint32_t value = 0;

  constexpr teColor() = default;
  constexpr teColor(uint32_t raw) : value(raw) {}
  // Each of red, green and blue clamped to 0..255; alpha taken as it is.
  constexpr teColor(int16_t red, int16_t green, int16_t blue, uint8_t alpha)
      : value(uint32_t(alpha) << 24 | uint32_t(Clamp(red)) << 16 | uint32_t(Clamp(green)) << 8 |
              uint32_t(Clamp(blue))) {}

  // The framework colour's red, green and blue (a system colour resolved
  // through the platform's colour table) with the given alpha.
  teColor(framework::TColor color, uint8_t alpha);

  constexpr operator uint32_t() const { return value; }

  constexpr uint8_t B() const { return uint8_t(value); }
  constexpr uint8_t G() const { return uint8_t(value >> 8); }
  constexpr uint8_t R() const { return uint8_t(value >> 16); }
  constexpr uint8_t A() const { return uint8_t(value >> 24); }
  constexpr uint32_t Rgb() const { return value & 0x00FFFFFFu; }

  static constexpr uint8_t Clamp(int v) { return uint8_t(v < 0 ? 0 : v > 255 ? 255 : v); }
};
static_assert(sizeof(teColor) == 4);

// The same four bytes as a record.
struct TteColorRec {
  uint8_t B, G, R, A;
};
static_assert(sizeof(TteColorRec) == 4);

inline constexpr teColor teBlack = 0xFF000000u;
inline constexpr teColor teGray = 0xFF7F7F7Fu;
inline constexpr teColor teWhite = 0xFFFFFFFFu;
inline constexpr teColor teMaroon = 0xFF7F0000u;
inline constexpr teColor teGreen = 0xFF007F00u;
inline constexpr teColor teOlive = 0xFF7F7F00u;
inline constexpr teColor teNavy = 0xFF00007Fu;
inline constexpr teColor tePurple = 0xFF7F007Fu;
inline constexpr teColor teTeal = 0xFF007F7Fu;
inline constexpr teColor teRed = 0xFFFF0000u;
inline constexpr teColor teLime = 0xFF00FF00u;
inline constexpr teColor teYellow = 0xFFFFFF00u;
inline constexpr teColor teBlue = 0xFF0000FFu;
inline constexpr teColor teFuchsia = 0xFFFF00FFu;
inline constexpr teColor teAqua = 0xFF00FFFFu;
inline constexpr teColor teMenu = 0xFFEDEDEEu;
inline constexpr teColor teBorder = 0xFF003399u;
inline constexpr teColor teWindow = 0xFFEBEBEEu;
inline constexpr teColor teBtnFace = 0xFFD2D2D2u;
inline constexpr teColor teBtnShadow = 0xFFA8A8A8u;
inline constexpr teColor teHotHighlight = 0xFFF8C751u;
inline constexpr teColor teHighlight = 0xFF64A0FFu;
inline constexpr teColor teHintBack = 0xFFEBEBEEu;
inline constexpr teColor teNone = 0x33333333u;
// Pixels equal to this key (alpha 0 included) are left out by transparent draws.
inline constexpr teColor teTransparentVar = 0x007F007Fu;
inline constexpr uint32_t teTransparentRgb = 0x007F007Fu;

// Allows the direct-memory path of tiling onto a 32-bit DIB.
extern bool EnableDibOperation;

// COLORREF conversions: 0x00BBGGRR, no alpha.
teColor FromRGB(uint32_t colorref);
uint32_t ToRGB(teColor c);

// The framework colour: red and blue swapped back, alpha dropped.
framework::TColor teColorToColor(teColor c);
uint16_t teColorToColor16(teColor c);
uint16_t teColorToColor15(teColor c);

// (a * b) / c with a 32-bit product; a zero divisor saturates to 0xFFFF.
uint16_t MulDiv16(uint16_t a, uint16_t b, uint16_t c);

// Hue, saturation and lightness, each in 0..1.
void RGBtoHSL(teColor c, float& h, float& s, float& l);
teColor HSLtoRGB(float h, float s, float l);

teColor SetHue(teColor c, int hue);
teColor ChangeHue(teColor c, int delta);
teColor ChangeSat(teColor c, int delta);
teColor ChangeBrightness(teColor c, int delta);

teColor ChangeColor(teColor c, int dRed, int dGreen, int dBlue, int dAlpha);
teColor ChangeColor(teColor c, int delta);
teColor SunkenColor(teColor c, int dRed, int dGreen, int dBlue, int dAlpha);
teColor SunkenColor(teColor c, int delta);
teColor RaisedColor(teColor c, int dRed, int dGreen, int dBlue, int dAlpha);
teColor RaisedColor(teColor c, int delta);

// ChangeColor on a framework colour (system colours resolved first).
framework::TColor StdChangeColor(framework::TColor c, int dRed, int dGreen, int dBlue, int dAlpha);
framework::TColor StdChangeColor(framework::TColor c, int delta);

}  // namespace z5t8::skin::render
