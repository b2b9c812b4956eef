#pragma once

#include <functional>
#include <memory>
#include <string>

#include "skin/render/Bitmap.h"
#include "skin/render/BitmapList.h"
#include "skin/se3/SkinObject.h"

namespace z5t8::skin::se3::fixtures {

inline constexpr Rect NoClip{-1, -1, -1, -1};

// A picture whose every pixel is told apart from the others.
inline uint32_t Probe(int x, int y) {
  return 0xFF000000u | uint32_t(x & 0xFF) << 16 | uint32_t(y & 0xFF) << 8 | 0x40u;
}

// Adds a picture of the size to the list, each pixel from the function.
inline render::TteBitmap* AddPicture(render::TteBitmapList& list, const std::string& name, int w, int h,
                                     const std::function<uint32_t(int, int)>& pixel) {
  auto bitmap = std::make_unique<render::TteBitmap>();
  bitmap->Name = name;
  bitmap->SetSize(w, h);
  for (int y = 0; y < h; ++y)
    for (int x = 0; x < w; ++x) bitmap->SetPixel(x, y, pixel(x, y));
  render::TteBitmap* raw = bitmap.get();
  list.Add(std::move(bitmap));
  return raw;
}

inline uint32_t Solid(uint32_t rgb) { return 0xFF000000u | rgb; }

// Points a picture reference at a rectangle of a named picture.
inline void Link(render::TteBitmapLink& link, const std::string& name, const Rect& r) {
  link.Name = name;
  link.SetRect(r);
}

// A 32-bit target cleared to one colour.
struct Target {
  render::TteBitmap bitmap;
  Target(int w, int h, uint32_t clear = 0xFF000000u) {
    bitmap.SetSize(w, h);
    bitmap.Clear(clear);
  }
  framework::TCanvas* Canvas() { return bitmap.GetCanvas(); }
  uint32_t At(int x, int y) const { return uint32_t(bitmap.GetPixel(x, y)); }
  uint32_t Rgb(int x, int y) const { return At(x, y) & 0xFFFFFFu; }
};

}  // namespace z5t8::skin::se3::fixtures
