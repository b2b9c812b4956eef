#pragma once

#include <algorithm>

#include "platform/gui/DeviceContext.h"

// What the device context's drawing and blits share: the raster operations,
// which run per pixel in the inner loops and so stay inline, and the rectangle
// of two corners given in either order.
namespace z5t8::platform::gui {

constexpr Pixel kRgbMask = 0x00FFFFFF;

// A ROP2 code is a truth table over (pen, destination) bits, offset by one.
inline Pixel applyRop2(int code, Pixel p, Pixel d) {
  unsigned t = unsigned(code - 1) & 15;
  Pixel r = 0;
  if (t & 1) r |= ~p & ~d;
  if (t & 2) r |= ~p & d;
  if (t & 4) r |= p & ~d;
  if (t & 8) r |= p & d;
  // Operations that ignore the destination overwrite alpha with 0 like the other
  // drawing calls; the rest leave the destination's alpha alone.
  bool overwrites = code == R2_BLACK || code == R2_WHITE || code == R2_COPYPEN || code == R2_NOTCOPYPEN;
  return (r & kRgbMask) | (overwrites ? 0 : (d & ~kRgbMask));
}

// A ROP3 code's third byte is a truth table indexed by pattern, source and
// destination bits (pattern the most significant).
inline Pixel applyRop3(uint32_t rop, Pixel p, Pixel s, Pixel d) {
  unsigned t = (rop >> 16) & 0xFF;
  switch (t) {
    case 0xCC:
      return s;
    case 0xF0:
      return p;
    case 0x00:
      return 0;
    case 0xFF:
      return kRgbMask;
    case 0x55:
      return d ^ kRgbMask;
    case 0x5A:
      return p ^ d;
    case 0x66:
      return s ^ d;
    case 0x88:
      return s & d;
    case 0xEE:
      return s | d;
    default:
      break;
  }
  Pixel r = 0;
  for (unsigned i = 0; i < 8; ++i) {
    if (!(t & (1u << i))) continue;
    r |= ((i & 4) ? p : ~p) & ((i & 2) ? s : ~s) & ((i & 1) ? d : ~d);
  }
  return r;
}

inline bool ropUsesSource(uint32_t rop) {
  unsigned t = (rop >> 16) & 0xFF;
  return ((t >> 2) & 0x33) != (t & 0x33);
}

constexpr Rect normalizedRect(int32_t l, int32_t t, int32_t r, int32_t b) {
  return {std::min(l, r), std::min(t, b), std::max(l, r), std::max(t, b)};
}

}  // namespace z5t8::platform::gui
