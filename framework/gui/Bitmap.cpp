#include "framework/gui/Bitmap.h"

#include <algorithm>
#include <cstring>
#include <vector>

#include "framework/Properties.h"

namespace z5t8::framework {

namespace pg = platform::gui;

namespace {

constexpr const char* SInvalidBitmap = "Bitmap image is not valid";
// Larger pictures are refused rather than allocated from untrusted sizes.
constexpr int64_t MaxPixels = 64 * 1024 * 1024;

uint16_t U16(const uint8_t* p) { return uint16_t(p[0] | p[1] << 8); }
uint32_t U32(const uint8_t* p) {
  return uint32_t(p[0]) | uint32_t(p[1]) << 8 | uint32_t(p[2]) << 16 | uint32_t(p[3]) << 24;
}

// Expands a channel given by a bit mask to 8 bits.
uint8_t Channel(uint32_t value, uint32_t mask) {
  if (!mask) return 0;
  int shift = 0;
  while (!((mask >> shift) & 1)) ++shift;
  int bits = 0;
  while (shift + bits < 32 && ((mask >> (shift + bits)) & 1)) ++bits;
  uint32_t v = (value & mask) >> shift;
  if (bits >= 8) return uint8_t(v >> (bits - 8));
  uint32_t max = (1u << bits) - 1;
  return uint8_t((v * 255 + max / 2) / max);
}

}  // namespace

Z5T8_IMPLEMENT_CLASS(TBitmap, TGraphic) {}

TBitmap::TBitmap() : FDC(&FSurface) {}

TBitmap::~TBitmap() = default;

void TBitmap::SetSize(int width, int height) {
  width = std::max(0, width);
  height = std::max(0, height);
  if (width == Width() && height == Height()) return;
  if (int64_t(width) * height > MaxPixels) throw EInvalidGraphic("Out of system resources");
  pg::Surface next(width, height);
  next.fill(pg::pixelFromColor(0x00FFFFFF));
  for (int y = 0; y < std::min(height, Height()); ++y)
    std::memcpy(next.scanLine(y), FSurface.scanLine(y), size_t(std::min(width, Width())) * 4);
  FSurface = std::move(next);
  FDC.selectSurface(&FSurface);
  Changed();
}

void TBitmap::SetPixelFormat(TPixelFormat value) {
  if (value == FPixelFormat) return;
  FPixelFormat = value;
  if (value != pf32bit) {
    for (int y = 0; y < Height(); ++y) {
      pg::Pixel* row = FSurface.scanLine(y);
      for (int x = 0; x < Width(); ++x) row[x] &= 0x00FFFFFF;
    }
  }
  Changed();
}

void TBitmap::SetHandleType(TBitmapHandleType value) {
  if (value == bmDDB)
    SetPixelFormat(pfDevice);
  else if (FPixelFormat == pfDevice)
    SetPixelFormat(pf24bit);
}

TCanvas* TBitmap::Canvas() {
  if (!FCanvas) {
    FCanvas = std::make_unique<TCanvas>();
    FCanvas->SetHandle(&FDC);
  }
  return FCanvas.get();
}

pg::Pixel* TBitmap::ScanLine(int y) {
  if (y < 0 || y >= Height()) return nullptr;
  return FSurface.scanLine(y);
}

void TBitmap::Draw(TCanvas* canvas, const pg::Rect& r) {
  auto* dc = canvas ? canvas->Handle() : nullptr;
  if (!dc || Empty()) return;
  if (FTransparent) {
    pg::ColorRef key = pg::colorFromPixel(FSurface.pixel(0, Height() - 1));
    dc->transparentBlt(r.left, r.top, r.width(), r.height(), FDC, 0, 0, Width(), Height(), key);
  } else if (r.width() == Width() && r.height() == Height()) {
    dc->bitBlt(r.left, r.top, Width(), Height(), FDC, 0, 0, canvas->CopyMode());
  } else {
    dc->stretchBlt(r.left, r.top, r.width(), r.height(), FDC, 0, 0, Width(), Height(), canvas->CopyMode());
  }
}

void TBitmap::LoadFromStream(TStream& stream) {
  uint8_t file[14];
  stream.ReadBuffer(file, sizeof file);
  if (file[0] != 'B' || file[1] != 'M') throw EInvalidGraphic(SInvalidBitmap);
  uint32_t offBits = U32(file + 10);
  uint8_t info[124] = {};
  stream.ReadBuffer(info, 4);
  uint32_t headerSize = U32(info);
  if (headerSize != 12 && (headerSize < 40 || headerSize > 124)) throw EInvalidGraphic(SInvalidBitmap);
  stream.ReadBuffer(info + 4, headerSize - 4);
  int32_t width, height;
  int bitCount;
  uint32_t compression = 0, colorsUsed = 0;
  if (headerSize == 12) {
    width = U16(info + 4);
    height = int16_t(U16(info + 6));
    bitCount = U16(info + 10);
  } else {
    width = int32_t(U32(info + 4));
    height = int32_t(U32(info + 8));
    bitCount = U16(info + 14);
    compression = U32(info + 16);
    colorsUsed = U32(info + 32);
  }
  bool topDown = height < 0;
  int64_t rows = topDown ? -int64_t(height) : height;
  if (width <= 0 || rows <= 0 || int64_t(width) * rows > MaxPixels) throw EInvalidGraphic(SInvalidBitmap);
  constexpr uint32_t BI_RGB = 0, BI_BITFIELDS = 3;
  if (compression != BI_RGB && !(compression == BI_BITFIELDS && (bitCount == 16 || bitCount == 32)))
    throw EInvalidGraphic(SInvalidBitmap);
  if (bitCount != 1 && bitCount != 4 && bitCount != 8 && bitCount != 16 && bitCount != 24 && bitCount != 32)
    throw EInvalidGraphic(SInvalidBitmap);

  uint32_t masks[4] = {0, 0, 0, 0};
  if (compression == BI_BITFIELDS) {
    if (headerSize >= 52) {
      for (int i = 0; i < 3; ++i) masks[i] = U32(info + 40 + 4 * i);
    } else {
      uint8_t m[12];
      stream.ReadBuffer(m, sizeof m);
      for (int i = 0; i < 3; ++i) masks[i] = U32(m + 4 * i);
    }
    if (headerSize >= 56) masks[3] = U32(info + 52);
  } else if (bitCount == 16) {
    masks[0] = 0x7C00, masks[1] = 0x03E0, masks[2] = 0x001F;
  }

  std::vector<pg::Pixel> palette;
  if (bitCount <= 8) {
    uint32_t count = colorsUsed ? colorsUsed : (1u << bitCount);
    if (count > (1u << bitCount)) throw EInvalidGraphic(SInvalidBitmap);
    int entry = headerSize == 12 ? 3 : 4;
    std::vector<uint8_t> raw(size_t(count) * entry);
    stream.ReadBuffer(raw.data(), int64_t(raw.size()));
    palette.assign(1u << bitCount, 0);
    for (uint32_t i = 0; i < count; ++i)
      palette[i] = pg::Pixel(raw[i * entry]) | pg::Pixel(raw[i * entry + 1]) << 8 |
                   pg::Pixel(raw[i * entry + 2]) << 16;
  }

  int64_t stride = ((int64_t(width) * bitCount + 31) / 32) * 4;
  if (offBits >= 14 && stream.Position() < offBits) stream.SetPosition(offBits);
  // The rows must all be there before anything is allocated for them.
  if (stride * rows > stream.Remaining()) throw EInvalidGraphic(SInvalidBitmap);
  pg::Surface surface(width, int32_t(rows));
  std::vector<uint8_t> line(static_cast<size_t>(stride));
  for (int64_t r = 0; r < rows; ++r) {
    stream.ReadBuffer(line.data(), stride);
    pg::Pixel* out = surface.scanLine(int32_t(topDown ? r : rows - 1 - r));
    for (int32_t x = 0; x < width; ++x) {
      pg::Pixel p = 0;
      switch (bitCount) {
        case 1:
          p = palette[(line[x / 8] >> (7 - x % 8)) & 1];
          break;
        case 4:
          p = palette[(line[x / 2] >> (x % 2 ? 0 : 4)) & 0xF];
          break;
        case 8:
          p = palette[line[x]];
          break;
        case 16: {
          uint32_t v = U16(&line[size_t(x) * 2]);
          p = pg::Pixel(Channel(v, masks[2])) | pg::Pixel(Channel(v, masks[1])) << 8 |
              pg::Pixel(Channel(v, masks[0])) << 16;
          break;
        }
        case 24:
          p = pg::Pixel(line[x * 3]) | pg::Pixel(line[x * 3 + 1]) << 8 | pg::Pixel(line[x * 3 + 2]) << 16;
          break;
        case 32: {
          uint32_t v = U32(&line[size_t(x) * 4]);
          if (compression == BI_BITFIELDS)
            p = pg::Pixel(Channel(v, masks[2])) | pg::Pixel(Channel(v, masks[1])) << 8 |
                pg::Pixel(Channel(v, masks[0])) << 16 | pg::Pixel(masks[3] ? Channel(v, masks[3]) : 0) << 24;
          else
            p = v;
          break;
        }
      }
      out[x] = p;
    }
  }
  FSurface = std::move(surface);
  FDC.selectSurface(&FSurface);
  static constexpr TPixelFormat formats[] = {pf1bit, pf4bit, pf8bit};
  FPixelFormat = bitCount == 1    ? formats[0]
                 : bitCount == 4  ? formats[1]
                 : bitCount == 8  ? formats[2]
                 : bitCount == 16 ? pf16bit
                 : bitCount == 24 ? pf24bit
                                  : pf32bit;
  Changed();
}

void TBitmap::SaveToStream(TStream& stream) {
  uint32_t imageSize = uint32_t(Width()) * uint32_t(Height()) * 4;
  uint8_t header[54] = {'B', 'M'};
  auto put32 = [&](int at, uint32_t v) {
    for (int i = 0; i < 4; ++i) header[at + i] = uint8_t(v >> (8 * i));
  };
  put32(2, 54 + imageSize);
  put32(10, 54);
  put32(14, 40);
  put32(18, uint32_t(Width()));
  put32(22, uint32_t(-Height()));
  header[26] = 1;
  header[28] = 32;
  put32(34, imageSize);
  stream.WriteBuffer(header, sizeof header);
  for (int y = 0; y < Height(); ++y) stream.WriteBuffer(FSurface.scanLine(y), int64_t(Width()) * 4);
}

void TBitmap::Assign(const TPersistent* source) {
  if (const auto* other = dynamic_cast<const TBitmap*>(source)) {
    FSurface = other->FSurface;
    FDC.selectSurface(&FSurface);
    FPixelFormat = other->FPixelFormat;
    FTransparent = other->FTransparent;
    Changed();
    return;
  }
  if (!source) {
    FSurface = pg::Surface();
    FDC.selectSurface(&FSurface);
    Changed();
    return;
  }
  TGraphic::Assign(source);
}

pg::BrushPattern BrushPatternOf(TBitmap& bitmap) {
  pg::BrushPattern pattern{};
  if (bitmap.Empty()) return pattern;
  for (int y = 0; y < 8; ++y)
    for (int x = 0; x < 8; ++x)
      pattern[y * 8 + x] =
          pg::colorFromPixel(bitmap.Surface().pixel(x % bitmap.Width(), y % bitmap.Height()));
  return pattern;
}

}  // namespace z5t8::framework
