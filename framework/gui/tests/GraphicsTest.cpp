#include <gtest/gtest.h>

#include <cstring>
#include <string>
#include <vector>

#include "framework/MemoryStream.h"
#include "framework/gui/Bitmap.h"
#include "framework/gui/ImageList.h"
#include "framework/gui/Picture.h"

namespace z5t8::framework {
namespace {

namespace pg = platform::gui;

void Put16(std::string& s, uint16_t v) { s += char(v & 0xFF), s += char(v >> 8); }
void Put32(std::string& s, uint32_t v) {
  for (int i = 0; i < 4; ++i) s += char((v >> (8 * i)) & 0xFF);
}

// A Windows bitmap file: header, info header, palette, rows as given.
std::string Bmp(int32_t w, int32_t h, uint16_t bits, uint32_t compression, const std::string& palette,
                const std::string& pixels, uint32_t colorsUsed = 0) {
  std::string s = "BM";
  Put32(s, uint32_t(54 + palette.size() + pixels.size()));
  Put32(s, 0);
  Put32(s, uint32_t(54 + palette.size()));
  Put32(s, 40);
  Put32(s, uint32_t(w));
  Put32(s, uint32_t(h));
  Put16(s, 1);
  Put16(s, bits);
  Put32(s, compression);
  Put32(s, uint32_t(pixels.size()));
  Put32(s, 2835);
  Put32(s, 2835);
  Put32(s, colorsUsed);
  Put32(s, 0);
  return s + palette + pixels;
}

void Load(TBitmap& b, const std::string& bytes) {
  TMemoryStream stream;
  stream.WriteBuffer(bytes.data(), int64_t(bytes.size()));
  stream.SetPosition(0);
  b.LoadFromStream(stream);
}

TEST(Bitmap, ReadsBottomUpTopDownPalettedAndBitFieldFiles) {
  TBitmap b;
  // 2 x 2 at 24 bits, bottom row first, rows padded to 4 bytes.
  std::string rows = std::string(
                         "\x00\x00\xFF"
                         "\x00\xFF\x00",
                         6) +
                     std::string(2, '\0') +
                     std::string(
                         "\xFF\x00\x00"
                         "\xFF\xFF\xFF",
                         6) +
                     std::string(2, '\0');
  Load(b, Bmp(2, 2, 24, 0, "", rows));
  EXPECT_EQ(b.PixelFormat(), pf24bit);
  EXPECT_EQ(b.Canvas()->Pixel(0, 0), TColor(0xFF0000)) << "top row is the second stored";
  EXPECT_EQ(b.Canvas()->Pixel(1, 0), TColor(0xFFFFFF));
  EXPECT_EQ(b.Canvas()->Pixel(0, 1), TColor(0x0000FF));
  // Same picture top-down.
  std::string down = rows.substr(8) + rows.substr(0, 8);
  Load(b, Bmp(2, -2, 24, 0, "", down));
  EXPECT_EQ(b.Canvas()->Pixel(0, 0), TColor(0xFF0000));
  // 4 bits with a two-colour palette: index 1 then 0.
  std::string palette = std::string(
      "\x00\x00\x00\x00"
      "\x00\x80\xFF\x00",
      8);
  Load(b, Bmp(2, 1, 4, 0, palette, std::string("\x10\x00\x00\x00", 4), 2));
  EXPECT_EQ(b.PixelFormat(), pf4bit);
  EXPECT_EQ(b.Canvas()->Pixel(0, 0), RGBColor(0xFF, 0x80, 0x00));
  EXPECT_EQ(b.Canvas()->Pixel(1, 0), TColor(0));
  // 32 bits keep their alpha in the scan line.
  Load(b, Bmp(1, 1, 32, 0, "", std::string("\x10\x20\x30\x80", 4)));
  EXPECT_EQ(b.PixelFormat(), pf32bit);
  EXPECT_EQ(b.ScanLine(0)[0], 0x80302010u);
  EXPECT_EQ(b.ScanLine(1), nullptr);
  // Saving and loading again keeps the pixels.
  TMemoryStream saved;
  b.SaveToStream(saved);
  saved.SetPosition(0);
  TBitmap again;
  again.LoadFromStream(saved);
  EXPECT_EQ(again.ScanLine(0)[0], 0x80302010u);
}

TEST(Bitmap, RefusesMalformedFilesWithoutReadingPastThem) {
  std::string good = Bmp(2, 2, 24, 0, "", std::string(16, '\0'));
  std::string badSignature = good;
  badSignature[0] = 'X';
  std::string shortPixels = good.substr(0, good.size() - 3);
  std::string header12 =
      good.substr(0, 14) + std::string("\x0C\x00\x00\x00\x02\x00\x02\x00\x01\x00\x08\x00", 12);
  const std::string cases[] = {
      "",
      "BM",
      badSignature,
      shortPixels,
      header12,
      Bmp(0, 2, 24, 0, "", std::string(16, '\0')),
      Bmp(2, 0, 24, 0, "", ""),
      Bmp(100000, 100000, 24, 0, "", ""),
      Bmp(-5, 2, 24, 0, "", std::string(16, '\0')),
      Bmp(2, 2, 7, 0, "", std::string(16, '\0')),
      Bmp(2, 2, 8, 1, "", std::string(16, '\0')),
      Bmp(2, 2, 8, 0, "", std::string(8, '\0'), 300),
      Bmp(int32_t(0x80000000), 2, 24, 0, "", ""),
      // Sizes under the pixel limit whose rows the file does not hold.
      Bmp(2, -33292289, 16, 0, "", std::string(64, '\0')),
  };
  for (size_t i = 0; i < std::size(cases); ++i) {
    TBitmap b;
    EXPECT_THROW(Load(b, cases[i]), Exception) << "case " << i;
  }
}

TEST(Picture, HoldsOneGraphicAndCopiesIt) {
  TPicture picture;
  int changes = 0;
  picture.OnChange = [&] { ++changes; };
  picture.Bitmap()->SetSize(3, 2);
  EXPECT_EQ(picture.Width(), 3);
  TPicture copy;
  copy.Assign(&picture);
  ASSERT_NE(dynamic_cast<TBitmap*>(copy.Graphic()), nullptr);
  EXPECT_NE(copy.Graphic(), picture.Graphic());
  EXPECT_EQ(copy.Height(), 2);
  picture.Icon();
  EXPECT_TRUE(picture.Graphic()->Empty());
  EXPECT_GE(changes, 2);
  EXPECT_THROW(picture.LoadFromFile("picture.gif"), EInvalidGraphic);
}

TEST(ImageList, SplitsAStripAndDrawsOnlyTheOpaquePixels) {
  TBitmap strip;
  strip.SetSize(8, 4);
  strip.Canvas()->Brush()->SetColor(clFuchsia);
  strip.Canvas()->FillRect(Rect(0, 0, 8, 4));
  strip.Canvas()->Brush()->SetColor(clRed);
  strip.Canvas()->FillRect(Rect(1, 1, 3, 3));
  strip.Canvas()->Brush()->SetColor(clBlue);
  strip.Canvas()->FillRect(Rect(4, 0, 8, 4));
  TImageList list(nullptr);
  list.SetWidth(4);
  list.SetHeight(4);
  EXPECT_EQ(list.AddMasked(strip, clFuchsia), 0);
  ASSERT_EQ(list.Count(), 2);
  TBitmap target;
  target.SetSize(4, 4);
  target.Canvas()->Brush()->SetColor(clLime);
  target.Canvas()->FillRect(Rect(0, 0, 4, 4));
  list.Draw(target.Canvas(), 0, 0, 0);
  EXPECT_EQ(target.Canvas()->Pixel(0, 0), clLime);
  EXPECT_EQ(target.Canvas()->Pixel(1, 1), clRed);
  list.Draw(target.Canvas(), 0, 0, 1);
  EXPECT_EQ(target.Canvas()->Pixel(0, 0), clBlue);
  list.Draw(target.Canvas(), 0, 0, 5);
  TBitmap out;
  EXPECT_TRUE(list.GetBitmap(0, out));
  EXPECT_EQ(out.Canvas()->Pixel(0, 0), clFuchsia);
  EXPECT_FALSE(list.GetBitmap(2, out));
}

TEST(Canvas, DrawsWithItsPenBrushAndFontModes) {
  TBitmap b;
  b.SetSize(40, 20);
  TCanvas* c = b.Canvas();
  c->Brush()->SetColor(clWhite);
  c->FillRect(Rect(0, 0, 40, 20));
  c->Pen()->SetColor(clRed);
  c->Brush()->SetColor(clBlue);
  c->Rectangle(2, 2, 10, 10);
  EXPECT_EQ(c->Pixel(2, 2), clRed) << "outline with the pen";
  EXPECT_EQ(c->Pixel(5, 5), clBlue) << "inside with the brush";
  EXPECT_EQ(c->Pixel(10, 10), clWhite) << "right and bottom edges excluded";
  c->Brush()->SetStyle(bsClear);
  c->Rectangle(12, 2, 20, 10);
  EXPECT_EQ(c->Pixel(15, 5), clWhite) << "a clear brush leaves the inside";
  // An exclusive-or pen drawn twice leaves the picture as it was.
  c->Pen()->SetMode(pmXor);
  c->Pen()->SetColor(clWhite);
  c->MoveTo(0, 15);
  c->LineTo(40, 15);
  EXPECT_EQ(c->Pixel(5, 15), clBlack);
  c->MoveTo(0, 15);
  c->LineTo(40, 15);
  EXPECT_EQ(c->Pixel(5, 15), clWhite);
  c->Pen()->SetMode(pmCopy);
  // Text lands in the font colour; extents grow with the text.
  c->Font()->SetColor(clBlack);
  c->Brush()->SetStyle(bsClear);
  c->TextOut(22, 2, u"W");
  int dark = 0;
  for (int x = 22; x < 34; ++x)
    for (int y = 2; y < 16; ++y) dark += c->Pixel(x, y) != clWhite;
  EXPECT_GT(dark, 5);
  EXPECT_GT(c->TextWidth(u"WW"), c->TextWidth(u"W"));
  EXPECT_GT(c->TextHeight(u"W"), 5);
}

}  // namespace
}  // namespace z5t8::framework
