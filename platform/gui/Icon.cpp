#include "platform/gui/Icon.h"

#include <algorithm>
#include <cstdlib>
#include <cstring>

#include "platform/gui/DeviceContext.h"
#include "platform/gui/Png.h"

namespace z5t8::platform::gui {

namespace {

constexpr int32_t kMaxIconSide = 1024;

uint16_t u16(std::span<const uint8_t> d, size_t at) { return uint16_t(d[at] | (d[at + 1] << 8)); }
uint32_t u32(std::span<const uint8_t> d, size_t at) {
  return uint32_t(d[at]) | (uint32_t(d[at + 1]) << 8) | (uint32_t(d[at + 2]) << 16) |
         (uint32_t(d[at + 3]) << 24);
}

struct Entry {
  int32_t width;
  int32_t height;
  int32_t bits;
  std::span<const uint8_t> image;
};

size_t rowBytes(int64_t width, int64_t bits) { return size_t(((width * bits + 31) / 32) * 4); }

// A device-independent bitmap image of an icon: header, palette, colour rows and
// mask rows, both bottom row first.
std::optional<Icon> decodeDib(std::span<const uint8_t> d, int32_t& bitsOut) {
  if (d.size() < 40) return std::nullopt;
  uint32_t headerSize = u32(d, 0);
  int32_t width = int32_t(u32(d, 4));
  int32_t doubledHeight = int32_t(u32(d, 8));
  uint16_t bits = u16(d, 14);
  uint32_t compression = u32(d, 16);
  uint32_t used = u32(d, 32);
  if (headerSize < 40 || headerSize > d.size() || compression != 0) return std::nullopt;
  if (width <= 0 || width > kMaxIconSide || doubledHeight <= 0 || doubledHeight > 2 * kMaxIconSide)
    return std::nullopt;
  if (bits != 1 && bits != 4 && bits != 8 && bits != 24 && bits != 32) return std::nullopt;
  int32_t height = doubledHeight / 2;
  if (height == 0) return std::nullopt;
  size_t paletteCount = bits <= 8 ? (used ? std::min<uint32_t>(used, 1u << bits) : (1u << bits)) : 0;
  size_t paletteAt = headerSize;
  size_t colorAt = paletteAt + paletteCount * 4;
  size_t colorStride = rowBytes(width, bits), maskStride = rowBytes(width, 1);
  size_t maskAt = colorAt + colorStride * size_t(height);
  if (maskAt > d.size()) return std::nullopt;
  bool haveMask = maskAt + maskStride * size_t(height) <= d.size();
  if (!haveMask && bits != 32) return std::nullopt;

  Surface color(width, height);
  std::vector<uint8_t> mask(size_t(width) * size_t(height), 0);
  bool anyAlpha = false;
  for (int32_t row = 0; row < height; ++row) {
    int32_t y = height - 1 - row;
    const uint8_t* src = d.data() + colorAt + colorStride * size_t(row);
    Pixel* out = color.scanLine(y);
    for (int32_t x = 0; x < width; ++x) {
      Pixel p = 0;
      if (bits == 32) {
        p = Pixel(src[x * 4]) | (Pixel(src[x * 4 + 1]) << 8) | (Pixel(src[x * 4 + 2]) << 16) |
            (Pixel(src[x * 4 + 3]) << 24);
        anyAlpha = anyAlpha || (p >> 24) != 0;
      } else if (bits == 24) {
        p = Pixel(src[x * 3]) | (Pixel(src[x * 3 + 1]) << 8) | (Pixel(src[x * 3 + 2]) << 16);
      } else {
        unsigned index = bits == 8   ? src[x]
                         : bits == 4 ? (src[x / 2] >> ((x & 1) ? 0 : 4)) & 15
                                     : (src[x / 8] >> (7 - (x & 7))) & 1;
        if (index < paletteCount) {
          const uint8_t* q = d.data() + paletteAt + size_t(index) * 4;
          p = Pixel(q[0]) | (Pixel(q[1]) << 8) | (Pixel(q[2]) << 16);
        }
      }
      out[x] = p;
    }
    if (haveMask) {
      const uint8_t* m = d.data() + maskAt + maskStride * size_t(row);
      for (int32_t x = 0; x < width; ++x)
        mask[size_t(y) * size_t(width) + size_t(x)] = (m[x / 8] >> (7 - (x & 7))) & 1;
    }
  }
  bitsOut = bits;
  if (bits == 32 && anyAlpha) return Icon::fromSurface(std::move(color));
  if (!haveMask) return std::nullopt;
  return Icon::fromColorAndMask(std::move(color), std::move(mask));
}

}  // namespace

std::vector<uint32_t> Icon::argb() const {
  std::vector<uint32_t> out;
  out.reserve(size_t(color_.width()) * size_t(color_.height()));
  for (int y = 0; y < color_.height(); ++y) {
    for (int x = 0; x < color_.width(); ++x) {
      uint32_t p = color_.pixel(x, y);
      if (!hasAlpha_) {
        size_t i = size_t(y) * size_t(color_.width()) + size_t(x);
        bool clear = i < mask_.size() && mask_[i];
        p = clear ? 0u : (p | 0xFF000000u);
      }
      out.push_back(p);
    }
  }
  return out;
}

Icon Icon::fromSurface(Surface colorWithAlpha) {
  Icon icon;
  icon.color_ = std::move(colorWithAlpha);
  icon.hasAlpha_ = true;
  icon.mask_.assign(size_t(icon.color_.width()) * size_t(icon.color_.height()), 0);
  for (int32_t y = 0; y < icon.color_.height(); ++y)
    for (int32_t x = 0; x < icon.color_.width(); ++x)
      icon.mask_[size_t(y) * size_t(icon.color_.width()) + size_t(x)] =
          (icon.color_.scanLine(y)[x] >> 24) == 0;
  return icon;
}

Icon Icon::fromColorAndMask(Surface color, std::vector<uint8_t> mask) {
  Icon icon;
  mask.resize(size_t(color.width()) * size_t(color.height()), 1);
  // Alpha follows the mask so that the colour image alone also reads right.
  for (int32_t y = 0; y < color.height(); ++y)
    for (int32_t x = 0; x < color.width(); ++x) {
      Pixel& p = color.scanLine(y)[x];
      p = (p & 0x00FFFFFF) | (mask[size_t(y) * size_t(color.width()) + size_t(x)] ? 0u : 0xFF000000u);
    }
  icon.color_ = std::move(color);
  icon.mask_ = std::move(mask);
  return icon;
}

std::optional<Icon> Icon::fromIco(std::span<const uint8_t> data, int32_t cx, int32_t cy) {
  if (data.size() < 6 || u16(data, 0) != 0 || (u16(data, 2) != 1 && u16(data, 2) != 2)) return std::nullopt;
  size_t count = u16(data, 4);
  if (count == 0 || 6 + count * 16 > data.size()) return std::nullopt;
  std::vector<Entry> entries;
  for (size_t i = 0; i < count; ++i) {
    size_t e = 6 + i * 16;
    uint32_t size = u32(data, e + 8), offset = u32(data, e + 12);
    if (offset > data.size() || size > data.size() - offset || size == 0) continue;
    Entry entry;
    entry.width = data[e] ? data[e] : 256;
    entry.height = data[e + 1] ? data[e + 1] : 256;
    entry.bits = u16(data, e + 6);
    entry.image = data.subspan(offset, size);
    if (entry.bits == 0 && entry.image.size() >= 16 && !isPng(entry.image)) entry.bits = u16(entry.image, 14);
    if (entry.bits == 0) entry.bits = data[e + 2] ? (data[e + 2] <= 2 ? 1 : data[e + 2] <= 16 ? 4 : 8) : 32;
    entries.push_back(entry);
  }
  // Closest size first, then deeper colour.
  auto distance = [&](const Entry& e) {
    if (cx <= 0 || cy <= 0) return -int64_t(e.width) * e.height;
    return int64_t(std::abs(e.width - cx)) + std::abs(e.height - cy);
  };
  std::stable_sort(entries.begin(), entries.end(), [&](const Entry& a, const Entry& b) {
    int64_t da = distance(a), db = distance(b);
    if (da != db) return da < db;
    return a.bits > b.bits;
  });
  for (const Entry& e : entries) {
    int32_t bits = e.bits;
    std::optional<Icon> icon;
    if (isPng(e.image)) {
      std::optional<Surface> s = readPng(e.image);
      if (s && s->width() <= kMaxIconSide && s->height() <= kMaxIconSide) icon = fromSurface(std::move(*s));
      bits = 32;
    } else {
      icon = decodeDib(e.image, bits);
    }
    if (icon) {
      icon->bitsPerPixel_ = bits;
      return icon;
    }
  }
  return std::nullopt;
}

Icon Icon::standardApplication(int32_t size) {
  size = std::clamp(size, 8, 256);
  Surface s(size, size);
  DeviceContext dc(&s);
  int32_t unit = std::max(1, size / 16);
  Rect window{unit, 2 * unit, size - unit, size - 2 * unit};
  dc.selectPen(Pen::solid(RGB(0, 0, 0), unit));
  dc.selectBrush(Brush::solid(RGB(255, 255, 255)));
  dc.rectangle(window.left, window.top, window.right, window.bottom);
  Rect caption{window.left + unit, window.top + unit, window.right - unit,
               window.top + unit + std::max(2, size / 5)};
  dc.fillRect(caption, Brush::solid(RGB(0, 0, 128)));
  int32_t box = std::max(1, caption.height() - 2 * unit);
  dc.fillRect(rectFromSize(caption.right - unit - box, caption.top + unit, box, box),
              Brush::solid(RGB(192, 192, 192)));
  // Everything drawn is opaque; the rest stays transparent.
  for (int32_t y = window.top; y < window.bottom; ++y)
    for (int32_t x = window.left; x < window.right; ++x) s.scanLine(y)[x] |= 0xFF000000u;
  return fromSurface(std::move(s));
}

}  // namespace z5t8::platform::gui
