#pragma once

#include <cstdint>

namespace z5t8::platform::gui {

// 0x00BBGGRR, the colour value every drawing call takes.
using ColorRef = uint32_t;

// A surface pixel: 0xAARRGGBB, so the bytes in memory are blue, green, red, alpha.
using Pixel = uint32_t;

constexpr ColorRef RGB(uint8_t r, uint8_t g, uint8_t b) {
  return ColorRef(r) | (ColorRef(g) << 8) | (ColorRef(b) << 16);
}
constexpr uint8_t GetRValue(ColorRef c) { return uint8_t(c); }
constexpr uint8_t GetGValue(ColorRef c) { return uint8_t(c >> 8); }
constexpr uint8_t GetBValue(ColorRef c) { return uint8_t(c >> 16); }

// Drawing operations leave the alpha byte 0, as the classic drawing calls do on a
// 32-bit surface; blits carry the source's alpha unchanged.
constexpr Pixel pixelFromColor(ColorRef c, uint8_t alpha = 0) {
  return (Pixel(alpha) << 24) | (Pixel(GetRValue(c)) << 16) | (Pixel(GetGValue(c)) << 8) | GetBValue(c);
}
constexpr ColorRef colorFromPixel(Pixel p) { return RGB(uint8_t(p >> 16), uint8_t(p >> 8), uint8_t(p)); }

constexpr ColorRef CLR_INVALID = 0xFFFFFFFF;

}  // namespace z5t8::platform::gui
