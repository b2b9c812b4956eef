#pragma once

// Plain per-pixel reference drawing that the bitmap routines are checked
// against, and a fixture running a test once per pixel routine set.

#include <gtest/gtest.h>

#include <cmath>
#include <random>
#include <string>
#include <vector>

#include "skin/render/Bitmap.h"
#include "skin/render/PixelRoutines.h"

namespace z5t8::skin::render::model {

enum class Kind { Opaque, Alpha, Transparent };

inline uint32_t Blend(uint32_t a, uint32_t b) {
  uint32_t alpha = a >> 24;
  if (alpha == 255) return a;
  if (alpha == 0) return b;
  uint32_t out = 0xFF000000u;
  for (int shift : {0, 8, 16}) {
    uint32_t ca = a >> shift & 0xFF, cb = b >> shift & 0xFF;
    out |= ((alpha * ca + (255 - alpha) * cb) >> 8) << shift;
  }
  return out;
}

inline uint32_t Apply(Kind kind, uint32_t src, uint32_t dst) {
  switch (kind) {
    case Kind::Opaque:
      return src;
    case Kind::Alpha:
      return Blend(src, dst);
    case Kind::Transparent:
      return (src & 0xFFFFFF) == 0x7F007F ? dst : src | 0xFF000000u;
  }
  return dst;
}

// A plain image: width, height and pixels top row first.
struct Image {
  int w = 0, h = 0;
  std::vector<uint32_t> px;
  uint32_t& at(int x, int y) { return px[size_t(y) * w + x]; }
  uint32_t at(int x, int y) const { return px[size_t(y) * w + x]; }
  friend bool operator==(const Image&, const Image&) = default;
};

inline int Nearest(long long o, long long destExtent, int first, int last) {
  if (destExtent < 2) return int((first + last - 1) >> 1);
  return int(std::nearbyint(double(o) * (last - first - 1) / double(destExtent - 1) + first));
}

// srcRect of src into destRect of dst, visiting every destination pixel.
inline void Draw(Image& dst, const Rect& destRect, const Rect& clipRect, const Image& src,
                 const Rect& srcRect, Kind kind) {
  if (srcRect.right <= srcRect.left || srcRect.bottom <= srcRect.top) return;
  if (srcRect.left < 0 || srcRect.top < 0 || srcRect.right > src.w || srcRect.bottom > src.h) return;
  long long dw = (long long)destRect.right - destRect.left;
  long long dh = (long long)destRect.bottom - destRect.top;
  for (int y = 0; y < dst.h; ++y)
    for (int x = 0; x < dst.w; ++x) {
      if (x < destRect.left || x >= destRect.right || y < destRect.top || y >= destRect.bottom) continue;
      if (x < clipRect.left || x >= clipRect.right || y < clipRect.top || y >= clipRect.bottom) continue;
      int sx = Nearest((long long)x - destRect.left, dw, srcRect.left, srcRect.right);
      int sy = Nearest((long long)y - destRect.top, dh, srcRect.top, srcRect.bottom);
      dst.at(x, y) = Apply(kind, src.at(sx, sy), dst.at(x, y));
    }
}

// Pixels hitting every case: alpha 0, 255 and between, and the key colour.
inline std::vector<uint32_t> RandomPixels(size_t n, unsigned seed) {
  std::mt19937 rng(seed);
  std::vector<uint32_t> v(n);
  for (auto& p : v) {
    uint32_t x = rng();
    switch (x % 6) {
      case 0:
        x &= 0x00FFFFFFu;
        break;
      case 1:
        x |= 0xFF000000u;
        break;
      case 2:
        x = (x & 0xFF000000u) | 0x7F007Fu;
        break;
      default:
        break;
    }
    p = x;
  }
  return v;
}

inline Image Random(int w, int h, unsigned seed) { return {w, h, RandomPixels(size_t(w) * h, seed)}; }

inline Image Of(const TteBitmap& b) {
  Image img{b.Width(), b.Height(), {}};
  for (int y = 0; y < b.Height(); ++y)
    for (int x = 0; x < b.Width(); ++x) img.px.push_back(b.GetPixel(x, y));
  return img;
}

inline void Fill(TteBitmap& b, const Image& img) {
  b.SetSize(img.w, img.h);
  for (int y = 0; y < img.h; ++y)
    for (int x = 0; x < img.w; ++x) b.SetPixel(x, y, img.at(x, y));
}

inline std::string Describe(const Rect& r) {
  return "(" + std::to_string(r.left) + "," + std::to_string(r.top) + "," + std::to_string(r.right) + "," +
         std::to_string(r.bottom) + ")";
}

}  // namespace z5t8::skin::render::model

namespace z5t8::skin::render {

// Runs each test once per pixel routine set the processor has.
class EveryRoutineSet : public testing::TestWithParam<PixelIsa> {
protected:
  void SetUp() override { ASSERT_TRUE(SelectPixelRoutines(GetParam())); }
  void TearDown() override { SelectPixelRoutines(SupportedPixelIsas().back()); }
};

inline std::string IsaName(const testing::TestParamInfo<PixelIsa>& info) { return PixelIsaName(info.param); }

}  // namespace z5t8::skin::render
