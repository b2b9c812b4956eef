#include "platform/gui/DeviceContext.h"

#include "platform/gui/Icon.h"
#include "platform/gui/RasterOps.h"

#include <algorithm>
#include <cstring>

namespace z5t8::platform::gui {

// ---- blits ----

void DeviceContext::blit(Rect dst, const DeviceContext& src, Rect srcRect, BlitKind kind, uint32_t arg,
                         BlendFunction blend) {
  if (!surface_) return;
  int64_t dw = int64_t(dst.right) - dst.left, dh = int64_t(dst.bottom) - dst.top;
  int64_t sw = int64_t(srcRect.right) - srcRect.left, sh = int64_t(srcRect.bottom) - srcRect.top;
  if (dw == 0 || dh == 0) return;
  bool needsSource = kind != BlitKind::Rop || ropUsesSource(arg);
  if (needsSource && (sw == 0 || sh == 0)) return;
  bool mirrorX = (dw < 0) != (sw < 0), mirrorY = (dh < 0) != (sh < 0);
  Rect d = normalizedRect(dst.left, dst.top, dst.right, dst.bottom);
  Rect s = normalizedRect(srcRect.left, srcRect.top, srcRect.right, srcRect.bottom);
  int64_t adw = int64_t(d.right) - d.left, adh = int64_t(d.bottom) - d.top;
  int64_t asw = int64_t(s.right) - s.left, ash = int64_t(s.bottom) - s.top;

  Rect box = intersectRect(d, effectiveClip_.box());
  if (box.isEmpty()) return;

  // Source column for each destination column of the box (nearest pixel); rows
  // are mapped the same way as they come.
  bool scaled = adw != asw || adh != ash || mirrorX || mirrorY;
  std::vector<int32_t> cols;
  if (needsSource && scaled) {
    cols.resize(size_t(box.width()));
    for (int32_t x = box.left; x < box.right; ++x) {
      int64_t j = (int64_t(x - d.left) * asw) / adw;
      if (mirrorX) j = asw - 1 - j;
      cols[size_t(x - box.left)] = int32_t(s.left + j);
    }
  }
  auto sourceRow = [&](int32_t y) {
    int64_t j = (int64_t(y - d.top) * ash) / adh;
    if (mirrorY) j = ash - 1 - j;
    return int32_t(s.top + j);
  };

  // Reading from the surface being written needs a copy of the source part first.
  const Surface* source = src.surface_;
  Surface copy;
  int32_t copyX = 0, copyY = 0;
  if (needsSource && source == surface_ && source) {
    Rect part = intersectRect(s, source->bounds());
    if (!part.isEmpty()) {
      copy.resize(part.width(), part.height());
      for (int32_t y = part.top; y < part.bottom; ++y)
        std::memcpy(copy.scanLine(y - part.top), source->scanLine(y) + part.left, size_t(part.width()) * 4);
    }
    copyX = part.left;
    copyY = part.top;
    source = &copy;
  }
  int32_t sourceW = source ? source->width() : 0, sourceH = source ? source->height() : 0;

  // Each destination row's source pixels are gathered into one line first (pixels
  // outside the source read as 0), then combined with the destination.
  std::vector<Pixel> line(size_t(box.width()));
  Ink ink = brushInk(state_.brush);
  Pixel key = pixelFromColor(arg) & kRgbMask;
  Region::RectView view = effectiveClip_.rectView();
  const auto* boxes = static_cast<const int32_t*>(view.data);
  for (int i = 0; i < view.count; ++i) {
    Rect c = intersectRect(box, {boxes[4 * i], boxes[4 * i + 1], boxes[4 * i + 2], boxes[4 * i + 3]});
    if (c.isEmpty()) continue;
    int32_t n = c.width();
    for (int32_t y = c.top; y < c.bottom; ++y) {
      Pixel* row = surface_->scanLine(y) + c.left;
      if (needsSource) {
        int32_t srcY = sourceRow(y) - copyY;
        const Pixel* srcRow = (source && srcY >= 0 && srcY < sourceH) ? source->scanLine(srcY) : nullptr;
        if (!srcRow) {
          std::fill_n(line.data(), n, 0);
        } else if (!scaled) {
          // Wide: a far-off source position must clip, not wrap around.
          int64_t x0 = int64_t(s.left) + (int64_t(c.left) - d.left) - copyX;
          int32_t from = int32_t(std::clamp<int64_t>(-x0, 0, n));
          int32_t to = int32_t(std::clamp<int64_t>(sourceW - x0, 0, n));
          std::fill_n(line.data(), from, 0);
          if (to > from) std::memcpy(line.data() + from, srcRow + x0 + from, size_t(to - from) * 4);
          if (to < n) std::fill(line.data() + std::max(from, to), line.data() + n, 0);
        } else {
          const int32_t* map = cols.data() + (c.left - box.left);
          for (int32_t k = 0; k < n; ++k) {
            int32_t sx = map[k] - copyX;
            line[size_t(k)] = (sx >= 0 && sx < sourceW) ? srcRow[sx] : 0;
          }
        }
      }
      const Pixel* sp = line.data();
      switch (kind) {
        case BlitKind::Rop:
          if (arg == SRCCOPY) {
            std::memcpy(row, sp, size_t(n) * 4);
            break;
          }
          for (int32_t k = 0; k < n; ++k) {
            int32_t x = c.left + k;
            Pixel p =
                ink.pattern
                    ? pixelFromColor(
                          (*ink.pattern)[size_t(((y - ink.origin.y) & 7) * 8 + ((x - ink.origin.x) & 7))])
                    : ink.solid;
            row[k] = applyRop3(arg, p, sp[k], row[k]);
          }
          break;
        case BlitKind::Transparent:
          for (int32_t k = 0; k < n; ++k)
            if ((sp[k] & kRgbMask) != key) row[k] = sp[k];
          break;
        case BlitKind::Alpha: {
          unsigned ca = blend.sourceConstantAlpha;
          bool perPixel = blend.alphaFormat == AC_SRC_ALPHA;
          for (int32_t k = 0; k < n; ++k) {
            Pixel spx = sp[k], dp = row[k];
            unsigned sa = perPixel ? ((spx >> 24) * ca + 127) / 255 : ca;
            unsigned inv = 255 - sa;
            Pixel out = 0;
            for (int shift = 0; shift < 32; shift += 8) {
              unsigned sc = (spx >> shift) & 0xFF, dc = (dp >> shift) & 0xFF;
              if (shift == 24 && !perPixel) sc = 255;
              unsigned v = (sc * ca + 127) / 255 + (dc * inv + 127) / 255;
              out |= Pixel(std::min(v, 255u)) << shift;
            }
            row[k] = out;
          }
          break;
        }
      }
    }
  }
}

void DeviceContext::bitBlt(int32_t x, int32_t y, int32_t w, int32_t h, const DeviceContext& src, int32_t srcX,
                           int32_t srcY, uint32_t rop) {
  blit(toSurface({x, y, x + w, y + h}), src, {src.sx(srcX), src.sy(srcY), src.sx(srcX) + w, src.sy(srcY) + h},
       BlitKind::Rop, rop, {});
}

void DeviceContext::stretchBlt(int32_t x, int32_t y, int32_t w, int32_t h, const DeviceContext& src,
                               int32_t srcX, int32_t srcY, int32_t sw, int32_t sh, uint32_t rop) {
  blit(toSurface({x, y, x + w, y + h}), src,
       {src.sx(srcX), src.sy(srcY), src.sx(srcX) + sw, src.sy(srcY) + sh}, BlitKind::Rop, rop, {});
}

void DeviceContext::transparentBlt(int32_t x, int32_t y, int32_t w, int32_t h, const DeviceContext& src,
                                   int32_t srcX, int32_t srcY, int32_t sw, int32_t sh, ColorRef key) {
  blit(toSurface({x, y, x + w, y + h}), src,
       {src.sx(srcX), src.sy(srcY), src.sx(srcX) + sw, src.sy(srcY) + sh}, BlitKind::Transparent, key, {});
}

void DeviceContext::alphaBlend(int32_t x, int32_t y, int32_t w, int32_t h, const DeviceContext& src,
                               int32_t srcX, int32_t srcY, int32_t sw, int32_t sh, BlendFunction blend) {
  blit(toSurface({x, y, x + w, y + h}), src,
       {src.sx(srcX), src.sy(srcY), src.sx(srcX) + sw, src.sy(srcY) + sh}, BlitKind::Alpha, 0, blend);
}

void DeviceContext::drawIconEx(int32_t x, int32_t y, const Icon& icon, int32_t cx, int32_t cy,
                               uint32_t flags) {
  if (!surface_ || icon.width() <= 0 || icon.height() <= 0 || !(flags & DI_NORMAL)) return;
  if (cx <= 0) cx = icon.width();
  if (cy <= 0) cy = icon.height();
  Rect d = toSurface(rectFromSize(x, y, cx, cy));
  const Surface& color = icon.color();
  const std::vector<uint8_t>& mask = icon.mask();
  Region::RectView view = effectiveClip_.rectView();
  const auto* boxes = static_cast<const int32_t*>(view.data);
  for (int i = 0; i < view.count; ++i) {
    Rect c = intersectRect(d, {boxes[4 * i], boxes[4 * i + 1], boxes[4 * i + 2], boxes[4 * i + 3]});
    for (int32_t py = c.top; py < c.bottom; ++py) {
      int32_t iy = int32_t(int64_t(py - d.top) * icon.height() / cy);
      Pixel* row = surface_->scanLine(py);
      for (int32_t px = c.left; px < c.right; ++px) {
        int32_t ix = int32_t(int64_t(px - d.left) * icon.width() / cx);
        Pixel s = color.scanLine(iy)[ix];
        bool transparent = mask[size_t(iy) * size_t(icon.width()) + size_t(ix)] != 0;
        Pixel& dp = row[px];
        if ((flags & DI_NORMAL) == DI_NORMAL && icon.hasAlpha()) {
          uint32_t a = s >> 24, inv = 255 - a;
          Pixel out = 0;
          for (int shift = 0; shift < 24; shift += 8)
            out |= (((((s >> shift) & 0xFF) * a + ((dp >> shift) & 0xFF) * inv + 127) / 255) << shift);
          uint32_t outAlpha = a + ((dp >> 24) * inv + 127) / 255;
          dp = out | (outAlpha << 24);
        } else if ((flags & DI_NORMAL) == DI_NORMAL) {
          dp = ((transparent ? dp : 0) ^ s) & kRgbMask;
        } else if (flags & DI_MASK) {
          dp = transparent ? dp : (dp & ~kRgbMask);
        } else {
          dp = s & kRgbMask;
        }
      }
    }
  }
}

void DeviceContext::readPixels(const Rect& r, Surface& out) const {
  Rect n = normalizedRect(r.left, r.top, r.right, r.bottom);
  out.resize(n.width(), n.height());
  if (out.isEmpty()) return;
  out.fill(0);
  if (!surface_) return;
  Rect s = toSurface(n);
  Rect part = intersectRect(s, surface_->bounds());
  for (int32_t y = part.top; y < part.bottom; ++y)
    std::memcpy(out.scanLine(y - s.top) + (part.left - s.left), surface_->scanLine(y) + part.left,
                size_t(part.width()) * 4);
}

}  // namespace z5t8::platform::gui
