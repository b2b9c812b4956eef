#pragma once

#include <string>

#include "platform/gui/Surface.h"

namespace z5t8::platform::gui::test {

// The surface as rows of characters: '.' white, '#' black, 'r' red, 'g' green,
// 'b' blue, '?' anything else; rows end in '\n'. Alpha is ignored.
inline std::string pixelArt(const Surface& s) {
  std::string out;
  for (int32_t y = 0; y < s.height(); ++y) {
    for (int32_t x = 0; x < s.width(); ++x) {
      switch (s.pixel(x, y) & 0x00FFFFFF) {
        case 0xFFFFFF:
          out += '.';
          break;
        case 0x000000:
          out += '#';
          break;
        case 0xFF0000:
          out += 'r';
          break;
        case 0x00FF00:
          out += 'g';
          break;
        case 0x0000FF:
          out += 'b';
          break;
        default:
          out += '?';
          break;
      }
    }
    out += '\n';
  }
  return out;
}

inline Surface whiteSurface(int32_t w, int32_t h) {
  Surface s(w, h);
  s.fill(0x00FFFFFF);
  return s;
}

}  // namespace z5t8::platform::gui::test
