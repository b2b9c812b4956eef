#include "skin/render/BlitRoutines.h"

#include <cmath>
#include <cstdint>
#include <vector>

#include "skin/render/PixelRoutines.h"
#include "skin/render/RectUtils.h"

namespace z5t8::skin::render {

namespace {

using LineFunc = void (*)(const teColor*, teColor*, int);

void Blt(LineFunc line, const PixelView& target, const Rect& dest, const PixelView& source, Point srcOrigin) {
  int w = RectWidth(dest);
  for (int y = dest.top; y < dest.bottom; ++y)
    line(source.Row(srcOrigin.y + y - dest.top) + srcOrigin.x, target.Row(y) + dest.left, w);
}

void BltOpaque(const PixelView& t, const Rect& d, const PixelView& s, Point o) {
  Blt(MoveLongwordFunc, t, d, s, o);
}
void BltAlphaBlend(const PixelView& t, const Rect& d, const PixelView& s, Point o) {
  Blt(LineAlphaBlendFunc, t, d, s, o);
}
void BltTransparent(const PixelView& t, const Rect& d, const PixelView& s, Point o) {
  Blt(LineTransparentFunc, t, d, s, o);
}

// The source column (or row) for offset o of a destination extent.
int MapNearest(int64_t o, int64_t destExtent, int srcFirst, int srcLast) {
  int srcExtent = srcLast - srcFirst;
  if (destExtent < 2) return int((int64_t(srcFirst) + srcLast - 1) >> 1);
  double q = double(o) * double(srcExtent - 1) / double(destExtent - 1);
  return int(std::nearbyint(q + srcFirst));
}

void Stretch(LineFunc line, BltFunc blt, const PixelView& target, const Rect& destRect, const Rect& clipRect,
             const PixelView& source, const Rect& srcRect) {
  if (IsRectEmpty(srcRect) || target.Empty() || source.Empty()) return;
  if (srcRect.left < 0 || srcRect.top < 0 || srcRect.right > source.width || srcRect.bottom > source.height)
    return;
  Rect clip = platform::gui::intersectRect(platform::gui::intersectRect(clipRect, target.Bounds()), destRect);
  if (IsRectEmpty(clip)) return;
  int64_t destW = int64_t(destRect.right) - destRect.left;
  int64_t destH = int64_t(destRect.bottom) - destRect.top;
  if (destW == RectWidth(srcRect) && destH == RectHeight(srcRect)) {
    blt(target, clip, source,
        {srcRect.left + (clip.left - destRect.left), srcRect.top + (clip.top - destRect.top)});
    return;
  }
  int w = RectWidth(clip);
  std::vector<int> columns(static_cast<size_t>(w));
  for (int i = 0; i < w; ++i)
    columns[size_t(i)] =
        MapNearest(int64_t(clip.left) + i - destRect.left, destW, srcRect.left, srcRect.right);
  std::vector<teColor> gathered(static_cast<size_t>(w));
  int lastRow = -1;
  for (int y = clip.top; y < clip.bottom; ++y) {
    int row = MapNearest(int64_t(y) - destRect.top, destH, srcRect.top, srcRect.bottom);
    if (row != lastRow) {
      const teColor* src = source.Row(row);
      for (int i = 0; i < w; ++i) gathered[size_t(i)] = src[columns[size_t(i)]];
      lastRow = row;
    }
    line(gathered.data(), target.Row(y) + clip.left, w);
  }
}

void StretchOpaque(const PixelView& t, const Rect& d, const Rect& c, const PixelView& s, const Rect& r) {
  Stretch(MoveLongwordFunc, BltOpaqueFunc, t, d, c, s, r);
}
void StretchAlphaBlend(const PixelView& t, const Rect& d, const Rect& c, const PixelView& s, const Rect& r) {
  Stretch(LineAlphaBlendFunc, BltAlphaBlendFunc, t, d, c, s, r);
}
void StretchTransparent(const PixelView& t, const Rect& d, const Rect& c, const PixelView& s, const Rect& r) {
  Stretch(LineTransparentFunc, BltTransparentFunc, t, d, c, s, r);
}

}  // namespace

BltFunc BltOpaqueFunc = BltOpaque;
BltFunc BltAlphaBlendFunc = BltAlphaBlend;
BltFunc BltTransparentFunc = BltTransparent;
StretchFunc StretchOpaqueFunc = StretchOpaque;
StretchFunc StretchAlphaBlendFunc = StretchAlphaBlend;
StretchFunc StretchTransparentFunc = StretchTransparent;
// A view already carries the DIB's row order, so the same routines serve.
StretchFunc StretchToDibOpaqueFunc = StretchOpaque;
StretchFunc StretchToDibAlphaBlendFunc = StretchAlphaBlend;
StretchFunc StretchToDibTransparentFunc = StretchTransparent;

}  // namespace z5t8::skin::render
