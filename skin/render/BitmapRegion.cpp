#include "skin/render/BitmapRegion.h"

#include <vector>

namespace z5t8::skin::render {

std::optional<platform::gui::Region> CreateRegionFromBitmap(const TteBitmap& bitmap, int x, int y) {
  if (bitmap.Empty()) return std::nullopt;
  // One rectangle per run of kept pixels, row by row; the list grows with
  // the picture, so large images give their whole region.
  std::vector<Rect> runs;
  runs.reserve(5001);
  for (int row = 0; row < bitmap.Height(); ++row) {
    const teColor* line = bitmap.Bits() + ptrdiff_t(row) * bitmap.Width();
    int top = Saturate(int64_t(y) + row), bottom = Saturate(int64_t(y) + row + 1);
    for (int j = 0; j < bitmap.Width();) {
      if (line[j].Rgb() == teTransparentRgb) {
        ++j;
        continue;
      }
      int k = j;
      while (k < bitmap.Width() && line[k].Rgb() != teTransparentRgb) ++k;
      runs.push_back({Saturate(int64_t(x) + j), top, Saturate(int64_t(x) + k), bottom});
      j = k;
    }
  }
  return platform::gui::Region::fromRects(runs);
}

}  // namespace z5t8::skin::render
