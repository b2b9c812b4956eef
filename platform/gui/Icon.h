#pragma once

#include <cstdint>
#include <optional>
#include <span>
#include <vector>

#include "platform/gui/Surface.h"

namespace z5t8::platform::gui {

// An icon picture: a colour image and a mask (1 where the background shows
// through), or, for icons with an alpha channel, colours with straight alpha.
class Icon {
public:
  // From ICO data: the image closest to cx by cy (0 takes the first size found,
  // largest first), the deepest colour among equals. Images of 1, 4, 8, 24 and 32
  // bits per pixel and PNG images are read; malformed data gives nothing.
  static std::optional<Icon> fromIco(std::span<const uint8_t> data, int32_t cx = 32, int32_t cy = 32);
  // A colour image with straight alpha.
  static Icon fromSurface(Surface colorWithAlpha);
  // A colour image and its mask (1 where the background shows through, one byte
  // per pixel); drawn as background AND mask XOR colour.
  static Icon fromColorAndMask(Surface color, std::vector<uint8_t> mask);
  // Our own application icon (a small window), drawn for the size asked for.
  static Icon standardApplication(int32_t size = 32);

  int32_t width() const { return color_.width(); }
  int32_t height() const { return color_.height(); }
  const Surface& color() const { return color_; }
  bool hasAlpha() const { return hasAlpha_; }
  // 1 where the background shows through; one byte per pixel, rows top first.
  const std::vector<uint8_t>& mask() const { return mask_; }
  // The pixels as ARGB with their alpha, rows top first, for a display's own
  // icons; where the colour has no alpha the mask gives it (a clear pixel is 0).
  std::vector<uint32_t> argb() const;
  // The colour depth of the image the icon was read from.
  int32_t bitsPerPixel() const { return bitsPerPixel_; }

private:
  Surface color_;
  std::vector<uint8_t> mask_;
  bool hasAlpha_ = false;
  int32_t bitsPerPixel_ = 32;
};

}  // namespace z5t8::platform::gui
