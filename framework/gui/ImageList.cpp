#include "framework/gui/ImageList.h"

#include <algorithm>

#include "framework/Properties.h"
#include "framework/gui/ColorMap.h"

namespace z5t8::framework {

namespace pg = platform::gui;

Z5T8_IMPLEMENT_CLASS(TImageList, TComponent) {
  p.Integer("Width", &TImageList::Width, &TImageList::SetWidth).Default(16);
  p.Integer("Height", &TImageList::Height, &TImageList::SetHeight).Default(16);
}

TImageList::TImageList(TComponent* owner) : TComponent(owner) {}

void TImageList::SetWidth(int value) {
  if (value < 1 || value == FWidth) return;
  FWidth = value;
  Clear();
}

void TImageList::SetHeight(int value) {
  if (value < 1 || value == FHeight) return;
  FHeight = value;
  Clear();
}

int TImageList::AddMasked(TBitmap& image, TColor maskColor) {
  int first = Count();
  pg::ColorRef key = ColorToRGB(maskColor);
  for (int left = 0; left + FWidth <= image.Width(); left += FWidth) {
    pg::Surface s(FWidth, FHeight);
    for (int y = 0; y < FHeight && y < image.Height(); ++y) {
      const pg::Pixel* row = image.ScanLine(y);
      for (int x = 0; x < FWidth; ++x) {
        pg::Pixel p = row[left + x];
        s.setPixel(x, y, pg::colorFromPixel(p) == key ? 0 : (p | 0xFF000000u));
      }
    }
    FImages.push_back(std::move(s));
  }
  return first;
}

void TImageList::Delete(int index) {
  if (index >= 0 && index < Count()) FImages.erase(FImages.begin() + index);
}

void TImageList::Clear() { FImages.clear(); }

void TImageList::Draw(TCanvas* canvas, int x, int y, int index, bool enabled) {
  auto* dc = canvas ? canvas->Handle() : nullptr;
  if (!dc || index < 0 || index >= Count()) return;
  pg::Surface s = FImages[static_cast<size_t>(index)];
  // Straight alpha 0 or 255 only, so premultiplying is zeroing the clear pixels.
  for (int yy = 0; yy < s.height(); ++yy) {
    pg::Pixel* row = s.scanLine(yy);
    for (int xx = 0; xx < s.width(); ++xx) {
      if (!(row[xx] >> 24)) {
        row[xx] = 0;
      } else if (!enabled) {
        uint32_t r = (row[xx] >> 16) & 0xFF, g = (row[xx] >> 8) & 0xFF, b = row[xx] & 0xFF;
        uint32_t grey = 128 + (r * 30 + g * 59 + b * 11) / 200;
        row[xx] = 0xFF000000u | grey << 16 | grey << 8 | grey;
      }
    }
  }
  pg::DeviceContext src(&s);
  dc->alphaBlend(x, y, s.width(), s.height(), src, 0, 0, s.width(), s.height(), pg::BlendFunction{});
}

bool TImageList::GetBitmap(int index, TBitmap& bitmap) const {
  if (index < 0 || index >= Count()) return false;
  const pg::Surface& s = FImages[static_cast<size_t>(index)];
  bitmap.SetSize(s.width(), s.height());
  for (int y = 0; y < s.height(); ++y) {
    pg::Pixel* row = bitmap.ScanLine(y);
    for (int x = 0; x < s.width(); ++x) {
      pg::Pixel p = s.pixel(x, y);
      row[x] = (p >> 24) ? (p & 0x00FFFFFF) : pg::pixelFromColor(0xFF00FF);
    }
  }
  return true;
}

}  // namespace z5t8::framework
