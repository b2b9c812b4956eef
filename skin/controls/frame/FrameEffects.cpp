#include "skin/controls/frame/FrameEffects.h"

#include <algorithm>

#include "platform/gui/Color.h"
#include "platform/gui/ScreenCopy.h"
#include "platform/gui/SystemMetrics.h"

namespace z5t8::skin::controls {

namespace {

// `top` over `bottom` at `alpha` (0 ... 256), two channels at a time.
inline uint32_t Mix(uint32_t top, uint32_t bottom, uint32_t alpha) {
  uint32_t rest = 256 - alpha;
  uint32_t rb = ((top & 0xFF00FF) * alpha + (bottom & 0xFF00FF) * rest) >> 8;
  uint32_t g = ((top & 0x00FF00) * alpha + (bottom & 0x00FF00) * rest) >> 8;
  return 0xFF000000u | (rb & 0xFF00FF) | (g & 0x00FF00);
}

uint32_t DesktopPixel() { return pg::pixelFromColor(pg::GetSysColor(pg::COLOR_DESKTOP), 0xFF); }

// The screen copy's row y, or null below its last row.
const uint32_t* RowOf(const render::TteBitmap& copy, int y) {
  if (y >= copy.Height()) return nullptr;
  return reinterpret_cast<const uint32_t*>(copy.Bits() + ptrdiff_t(y) * copy.Width());
}

}  // namespace

void TTeFrameEffects::TakeBackground(const TRect& target, pg::HWND window,
                                     const std::optional<TRect>& current) {
  if (target.width() <= 0 || target.height() <= 0) return;
  bool clean = true;
  pg::Surface shown = pg::CopyScreen(target, window, &clean);
  if (shown.isEmpty()) return;
  render::TteBitmap copy;
  copy.SetSize(target.width(), target.height());
  for (int y = 0; y < copy.Height(); ++y)
    std::copy_n(shown.scanLine(y), copy.Width(), reinterpret_cast<uint32_t*>(copy.GetScanLine(y)));
  // The screen showed the window itself where it is now: what lies under it
  // there is what the last copy saw.
  if (!clean && current && !FBackground.Empty() && FBackgroundRect == *current) {
    TRect overlap = pg::intersectRect(target, *current);
    for (int y = overlap.top; y < overlap.bottom; ++y) {
      const render::teColor* from = FBackground.GetPixelPtr(overlap.left - current->left, y - current->top);
      std::copy_n(from, overlap.width(), copy.GetPixelPtr(overlap.left - target.left, y - target.top));
    }
  }
  FBackground.SetSize(copy.Width(), copy.Height());
  std::copy_n(copy.Bits(), size_t(copy.Width()) * size_t(copy.Height()), FBackground.Bits());
  FBackgroundRect = target;
}

uint8_t TTeFrameEffects::ShadowAlpha(int distance, int size) {
  int step = std::max(1, size / 4);
  int k = std::max(0, distance) / step;
  return k >= 3 ? uint8_t(ShadowColor >> 24) : uint8_t((k + 1) * 0x20);
}

pg::Region TTeFrameEffects::FrameArea(int frameWidth, int frameHeight) const {
  pg::Region area(TRect{0, 0, frameWidth, frameHeight});
  if (FFrameRegion) area = pg::Region::combined(area, *FFrameRegion, pg::RGN_AND);
  return area;
}

void TTeFrameEffects::PaintShadow(render::TteBitmap& buffer, int frameWidth, int frameHeight,
                                  int size) const {
  if (size <= 0 || frameWidth <= 0 || frameHeight <= 0 || buffer.Empty()) return;
  pg::Region frame = FrameArea(frameWidth, frameHeight);
  pg::Region shadow = frame;
  shadow.offset(size, size);
  shadow = pg::Region::combined(shadow, frame, pg::RGN_DIFF);
  shadow.intersect(TRect{0, 0, std::min(buffer.Width(), frameWidth + size),
                         std::min(buffer.Height(), frameHeight + size)});
  const uint32_t grey = ShadowColor & 0xFFFFFF;
  const uint32_t desktop = DesktopPixel();
  const int right = frameWidth + size - 1, bottom = frameHeight + size - 1;
  for (const TRect& r : shadow.rects()) {
    for (int y = r.top; y < r.bottom; ++y) {
      auto* row = reinterpret_cast<uint32_t*>(buffer.GetScanLine(y));
      const uint32_t* bg = RowOf(FBackground, y);
      int dy = std::min(bottom - y, y - size);
      for (int x = r.left; x < r.right; ++x) {
        int d = std::min({dy, right - x, x - size});
        uint32_t alpha = ShadowAlpha(d, size);
        uint32_t back = bg && x < FBackground.Width() ? bg[x] : desktop;
        row[x] = Mix(grey, back, alpha + (alpha >> 7));
      }
    }
  }
}

void TTeFrameEffects::BlendBands(render::TteBitmap& buffer, int frameWidth, int frameHeight,
                                 const TRect& client, int alpha) const {
  if (buffer.Empty()) return;
  pg::Region bands = FrameArea(frameWidth, frameHeight);
  bands.subtract(client);
  bands.intersect(TRect{0, 0, buffer.Width(), buffer.Height()});
  uint32_t a = uint32_t(std::clamp(alpha, 0, 255));
  a += a >> 7;
  const uint32_t desktop = DesktopPixel();
  for (const TRect& r : bands.rects()) {
    for (int y = r.top; y < r.bottom; ++y) {
      auto* row = reinterpret_cast<uint32_t*>(buffer.GetScanLine(y));
      const uint32_t* bg = RowOf(FBackground, y);
      for (int x = r.left; x < r.right; ++x)
        row[x] = Mix(row[x], bg && x < FBackground.Width() ? bg[x] : desktop, a);
    }
  }
}

}  // namespace z5t8::skin::controls
