#include <gtest/gtest.h>

#include <cstring>

#include "platform/gui/DeviceContext.h"
#include "platform/gui/Icon.h"
#include "platform/gui/Png.h"
#include "platform/gui/tests/PixelArt.h"

namespace z5t8::platform::gui {
namespace {

void put16(std::vector<uint8_t>& v, uint32_t x) {
  v.push_back(uint8_t(x));
  v.push_back(uint8_t(x >> 8));
}
void put32(std::vector<uint8_t>& v, uint32_t x) {
  put16(v, x & 0xFFFF);
  put16(v, x >> 16);
}

// One icon image: header, palette, colour rows and mask rows, bottom row first.
// `pixel(x, y)` gives a palette index or a 0xAARRGGBB colour; `masked(x, y)` the mask.
template <typename PixelFn, typename MaskFn>
std::vector<uint8_t> dib(int w, int h, int bits, const std::vector<uint32_t>& palette, PixelFn pixel,
                         MaskFn masked) {
  std::vector<uint8_t> v;
  put32(v, 40);
  put32(v, uint32_t(w));
  put32(v, uint32_t(2 * h));
  put16(v, 1);
  put16(v, uint16_t(bits));
  for (int i = 0; i < 6; ++i) put32(v, 0);
  for (uint32_t c : palette) put32(v, c);
  size_t stride = size_t(((w * bits + 31) / 32) * 4);
  for (int y = h - 1; y >= 0; --y) {
    std::vector<uint8_t> row(stride, 0);
    for (int x = 0; x < w; ++x) {
      uint32_t p = pixel(x, y);
      switch (bits) {
        case 1:
          row[size_t(x / 8)] |= uint8_t((p & 1) << (7 - x % 8));
          break;
        case 4:
          row[size_t(x / 2)] |= uint8_t((p & 15) << (x % 2 ? 0 : 4));
          break;
        case 8:
          row[size_t(x)] = uint8_t(p);
          break;
        case 24:
          std::memcpy(&row[size_t(x) * 3], &p, 3);
          break;
        case 32:
          std::memcpy(&row[size_t(x) * 4], &p, 4);
          break;
      }
    }
    v.insert(v.end(), row.begin(), row.end());
  }
  size_t maskStride = size_t(((w + 31) / 32) * 4);
  for (int y = h - 1; y >= 0; --y) {
    std::vector<uint8_t> row(maskStride, 0);
    for (int x = 0; x < w; ++x)
      if (masked(x, y)) row[size_t(x / 8)] |= uint8_t(0x80 >> (x % 8));
    v.insert(v.end(), row.begin(), row.end());
  }
  return v;
}

std::vector<uint8_t> ico(const std::vector<std::pair<int, std::vector<uint8_t>>>& images) {
  std::vector<uint8_t> v;
  put16(v, 0);
  put16(v, 1);
  put16(v, uint16_t(images.size()));
  uint32_t offset = uint32_t(6 + 16 * images.size());
  for (const auto& [size, data] : images) {
    v.push_back(uint8_t(size));
    v.push_back(uint8_t(size));
    v.push_back(0);
    v.push_back(0);
    put16(v, 1);
    put16(v, 0);  // depth from the image header
    put32(v, uint32_t(data.size()));
    put32(v, offset);
    offset += uint32_t(data.size());
  }
  for (const auto& image : images) v.insert(v.end(), image.second.begin(), image.second.end());
  return v;
}

const std::vector<uint32_t> kTwoColours{0x000000, 0xFFFFFF};

TEST(Icon, ChoosesTheClosestSizeThenTheDeepestColour) {
  auto black = [](int, int) { return 0u; };
  auto none = [](int, int) { return false; };
  std::vector<uint32_t> grey16(16, 0x808080);
  std::vector<uint8_t> data = ico({{16, dib(16, 16, 1, kTwoColours, black, none)},
                                   {16, dib(16, 16, 4, grey16, black, none)},
                                   {32, dib(32, 32, 24, {}, black, none)}});
  std::optional<Icon> small = Icon::fromIco(data, 16, 16);
  ASSERT_TRUE(small);
  EXPECT_EQ(small->width(), 16);
  EXPECT_EQ(small->bitsPerPixel(), 4);
  EXPECT_EQ(small->color().pixel(3, 3) & 0xFFFFFF, 0x808080u);
  EXPECT_EQ(Icon::fromIco(data, 20, 20)->width(), 16);
  EXPECT_EQ(Icon::fromIco(data, 30, 30)->width(), 32);
  EXPECT_EQ(Icon::fromIco(data, 0, 0)->width(), 32);
}

TEST(Icon, EveryDepthDrawsWithItsMaskOrAlpha) {
  // Left half opaque, right half transparent; the top-right pixel inverts.
  auto mask = [](int x, int) { return x >= 2; };
  std::vector<uint32_t> palette256(256, 0);
  palette256[7] = 0x0000FF;
  std::vector<uint32_t> palette16(16, 0);
  palette16[3] = 0x0000FF;
  struct Case {
    int bits;
    std::vector<uint32_t> palette;
    uint32_t blue;
  } cases[] = {{1, {0x000000, 0x0000FF}, 1}, {4, palette16, 3}, {8, palette256, 7}, {24, {}, 0x0000FF}};
  for (const Case& c : cases) {
    auto pixel = [&](int x, int y) {
      return x < 2 ? c.blue : (x == 3 && y == 0 ? (c.bits == 24 ? 0xFFFFFFu : c.blue) : 0u);
    };
    std::optional<Icon> icon = Icon::fromIco(ico({{4, dib(4, 2, c.bits, c.palette, pixel, mask)}}), 4, 4);
    ASSERT_TRUE(icon) << c.bits;
    Surface s(4, 2);
    s.fill(0x00FF0000);
    DeviceContext dc(&s);
    dc.drawIconEx(0, 0, *icon);
    const char* expected = c.bits == 24 ? "bbr?\nbbrr\n" : "bbr?\nbbrr\n";
    EXPECT_EQ(test::pixelArt(s), expected) << c.bits;
  }
  // 32 bits with alpha: straight alpha blends.
  auto alpha = [](int x, int) { return x == 0 ? 0xFF0000FFu : x == 1 ? 0x800000FFu : 0u; };
  std::optional<Icon> icon =
      Icon::fromIco(ico({{2, dib(2, 1, 32, {}, alpha, [](int, int) { return false; })}}), 2, 2);
  ASSERT_TRUE(icon);
  EXPECT_TRUE(icon->hasAlpha());
  Surface s(4, 2);
  s.fill(0x00FF0000);
  DeviceContext dc(&s);
  dc.drawIconEx(0, 0, *icon, 4, 2);  // stretched
  EXPECT_EQ(s.pixel(0, 0) & 0xFFFFFF, 0x0000FFu);
  EXPECT_EQ(s.pixel(2, 1) & 0xFFFFFF, 0x7F0080u);
  // Drawing is clipped like everything else.
  dc.intersectClipRect(0, 0, 1, 1);
  s.fill(0x00FF0000);
  dc.drawIconEx(0, 0, *icon, 4, 2);
  EXPECT_EQ(s.pixel(1, 0) & 0xFFFFFF, 0xFF0000u);
}

TEST(Icon, MalformedDataGivesNothing) {
  auto black = [](int, int) { return 0u; };
  auto none = [](int, int) { return false; };
  std::vector<uint8_t> good = ico({{8, dib(8, 8, 8, std::vector<uint32_t>(256, 0), black, none)}});
  ASSERT_TRUE(Icon::fromIco(good));
  for (size_t cut : {size_t(0), size_t(5), size_t(21), size_t(60), good.size() - 1}) {
    std::vector<uint8_t> shortData(good.begin(), good.begin() + std::ptrdiff_t(cut));
    EXPECT_FALSE(Icon::fromIco(shortData)) << cut;
  }
  std::vector<uint8_t> badOffset = good;
  badOffset[18] = 0xFF;
  badOffset[21] = 0x7F;
  EXPECT_FALSE(Icon::fromIco(badOffset));
  std::vector<uint8_t> huge = good;
  huge[22 + 4] = 0xFF;
  huge[22 + 5] = 0xFF;  // width 65535
  EXPECT_FALSE(Icon::fromIco(huge));
  std::vector<uint8_t> compressed = good;
  compressed[22 + 16] = 1;
  EXPECT_FALSE(Icon::fromIco(compressed));
}

TEST(Icon, StandardApplicationIconIsDrawnForItsSize) {
  for (int32_t size : {16, 32}) {
    Icon icon = Icon::standardApplication(size);
    EXPECT_EQ(icon.width(), size);
    EXPECT_TRUE(icon.mask()[0]);  // corner shows the background
    EXPECT_FALSE(icon.mask()[size_t(size / 2) * size_t(size) + size_t(size / 2)]);
  }
}

// What a display's own icon (the title bar's, the tray's) is given: a masked
// icon's mask becomes its alpha, an icon with alpha keeps it.
TEST(Icon, ArgbTakesTheMaskAsAlpha) {
  Surface color(2, 1);
  color.setPixel(0, 0, 0x00123456);
  color.setPixel(1, 0, 0x00ABCDEF);
  Icon masked = Icon::fromColorAndMask(color, {1, 0});
  EXPECT_EQ(masked.argb(), (std::vector<uint32_t>{0u, 0xFFABCDEFu}));
  Surface withAlpha(2, 1);
  withAlpha.setPixel(0, 0, 0x80123456);
  withAlpha.setPixel(1, 0, 0x00ABCDEF);
  EXPECT_EQ(Icon::fromSurface(withAlpha).argb(), (std::vector<uint32_t>{0x80123456u, 0x00ABCDEFu}));
}

TEST(Png, RoundTripKeepsPixelsAndRejectsBadData) {
  Surface s(3, 2);
  s.setPixel(0, 0, 0xFF102030);
  s.setPixel(1, 0, 0x80FF0000);
  s.setPixel(2, 1, 0x00000000);
  std::vector<uint8_t> bytes = encodePng(s, true);
  std::optional<Surface> back = readPng(bytes);
  ASSERT_TRUE(back);
  ASSERT_EQ(back->width(), 3);
  ASSERT_EQ(back->height(), 2);
  EXPECT_EQ(std::memcmp(back->bits(), s.bits(), s.byteSize()), 0);
  std::optional<Surface> opaque = readPng(encodePng(s, false));
  ASSERT_TRUE(opaque);
  EXPECT_EQ(opaque->pixel(1, 0), 0xFFFF0000u);

  std::vector<uint8_t> cut(bytes.begin(), bytes.begin() + std::ptrdiff_t(bytes.size() / 2));
  EXPECT_FALSE(readPng(cut));
  std::vector<uint8_t> corrupt = bytes;
  corrupt[bytes.size() / 2] ^= 0xFF;
  EXPECT_FALSE(readPng(corrupt));
  EXPECT_FALSE(readPng(std::vector<uint8_t>{1, 2, 3}));
  // A header claiming an enormous image is refused before any pixels are read.
  std::vector<uint8_t> giant = bytes;
  giant[16] = 0x7F;
  EXPECT_FALSE(readPng(giant));
  // An ICO entry may hold a PNG image.
  std::vector<uint8_t> data;
  put16(data, 0);
  put16(data, 1);
  put16(data, 1);
  data.insert(data.end(), {3, 2, 0, 0});
  put16(data, 1);
  put16(data, 32);
  put32(data, uint32_t(bytes.size()));
  put32(data, 22);
  data.insert(data.end(), bytes.begin(), bytes.end());
  std::optional<Icon> icon = Icon::fromIco(data, 3, 2);
  ASSERT_TRUE(icon);
  EXPECT_EQ(icon->color().pixel(0, 0), 0xFF102030u);
}

}  // namespace
}  // namespace z5t8::platform::gui
