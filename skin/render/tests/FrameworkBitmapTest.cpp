#include <gtest/gtest.h>

#include "framework/MemoryStream.h"
#include "framework/Resources.h"
#include "framework/gui/Bitmap.h"
#include "framework/gui/Canvas.h"
#include "framework/gui/ColorMap.h"
#include "framework/gui/Picture.h"
#include "platform/gui/FrameControls.h"
#include "skin/render/Bitmap.h"
#include "skin/render/BitmapDrawing.h"
#include "skin/render/BitmapLink.h"
#include "skin/render/tests/Model.h"

namespace z5t8::skin::render {
namespace {

namespace pg = platform::gui;
using framework::TBitmap;

// A graphic that paints only the left half of where it is drawn.
class HalfGraphic : public framework::TGraphic {
public:
  bool Empty() const override { return false; }
  int Width() const override { return 6; }
  int Height() const override { return 4; }
  void SetWidth(int) override {}
  void SetHeight(int) override {}
  void Draw(framework::TCanvas* canvas, const Rect& r) override {
    canvas->Brush()->SetColor(framework::clBlue);
    canvas->FillRect({r.left, r.top, r.left + RectWidth(r) / 2, r.bottom});
  }
  void LoadFromStream(framework::TStream&) override {}
  void SaveToStream(framework::TStream&) override {}
};

TEST(FrameworkBitmapTest, AssignFromA32BitBitmapKeepsAlpha) {
  TBitmap source;
  source.SetPixelFormat(framework::pf32bit);
  source.SetSize(3, 2);
  for (int y = 0; y < 2; ++y)
    for (int x = 0; x < 3; ++x) source.ScanLine(y)[x] = 0x10203040u * uint32_t(x + 1) + uint32_t(y);
  TteBitmap b;
  b.Assign(&source);
  ASSERT_EQ(b.Width(), 3);
  for (int y = 0; y < 2; ++y)
    for (int x = 0; x < 3; ++x)
      EXPECT_EQ(uint32_t(b.GetPixel(x, y)), 0x10203040u * uint32_t(x + 1) + uint32_t(y));
  EXPECT_TRUE(b.AlphaBlend);
}

TEST(FrameworkBitmapTest, AssignFromOtherBitmapsAndPicturesIsOpaque) {
  TBitmap source;
  source.SetPixelFormat(framework::pf24bit);
  source.SetSize(2, 2);
  source.ScanLine(1)[1] = 0x00123456u;
  TteBitmap b;
  b.Assign(&source);
  EXPECT_EQ(uint32_t(b.GetPixel(1, 1)), 0xFF123456u);
  EXPECT_FALSE(b.AlphaBlend);

  // A picture's bitmap is copied like a picture even when it is 32-bit.
  framework::TPicture picture;
  TBitmap* inside = picture.Bitmap();
  inside->SetPixelFormat(framework::pf32bit);
  inside->SetSize(2, 1);
  inside->ScanLine(0)[0] = 0x80654321u;
  TteBitmap p;
  p.Assign(&picture);
  EXPECT_EQ(uint32_t(p.GetPixel(0, 0)), 0xFF654321u);
}

TEST(FrameworkBitmapTest, AssignFromAGraphicCopiesWhatItPaints) {
  HalfGraphic g;
  TteBitmap b;
  b.Assign(&g);
  ASSERT_EQ(b.Width(), 6);
  ASSERT_EQ(b.Height(), 4);
  uint32_t blue = pg::pixelFromColor(framework::ColorToRGB(framework::clBlue), 255);
  for (int y = 0; y < 4; ++y)
    for (int x = 0; x < 6; ++x) EXPECT_EQ(uint32_t(b.GetPixel(x, y)), x < 3 ? blue : 0xFF000000u) << x;
}

TEST(FrameworkBitmapTest, AssignFromSomethingElseRaises) {
  TteBitmapLink link;
  TteBitmap b;
  EXPECT_THROW(b.Assign(&link), framework::EConvertError);
}

TEST(FrameworkBitmapTest, AssignToBitmapsAndPictures) {
  TteBitmap b;
  b.SetSize(3, 2);
  b.Clear(0xFF0000FFu);
  b.SetPixel(2, 1, 0xFF00FF00u);
  TBitmap target;
  target.Assign(&b);
  EXPECT_EQ(target.PixelFormat(), framework::pf32bit);
  ASSERT_EQ(target.Width(), 3);
  EXPECT_EQ(target.ScanLine(0)[0] & 0xFFFFFF, 0x0000FFu);
  EXPECT_EQ(target.ScanLine(1)[2] & 0xFFFFFF, 0x00FF00u);
  framework::TPicture picture;
  picture.Assign(&b);
  ASSERT_NE(picture.Bitmap(), nullptr);
  EXPECT_EQ(picture.Bitmap()->ScanLine(1)[2] & 0xFFFFFF, 0x00FF00u);
}

TEST(FrameworkBitmapTest, CanvasFollowsSizeChanges) {
  TteBitmap b;
  b.SetSize(2, 2);
  framework::TCanvas* c = b.GetCanvas();
  EXPECT_EQ(c->Handle(), b.DC());
  b.SetSize(8, 8);
  EXPECT_EQ(b.GetCanvas(), c);
  EXPECT_EQ(c->Handle(), b.DC());
  c->Brush()->SetColor(0x00FF0000);
  c->FillRect({6, 6, 8, 8});
  EXPECT_EQ(b.GetPixel(7, 7).Rgb(), 0x0000FFu);
}

// A canvas over a white surface.
struct Sheet {
  Sheet(int w, int h) : surface(w, h), dc(&surface) {
    surface.fill(0x00FFFFFFu);
    canvas.SetHandle(&dc);
  }
  ~Sheet() { canvas.SetHandle(nullptr); }
  pg::Surface surface;
  pg::DeviceContext dc;
  framework::TCanvas canvas;
};

TEST(BitmapDrawingTest, FillAlphaRectBlends) {
  Sheet s(6, 6);
  FillAlphaRect(&s.canvas, {1, 1, 4, 3}, 0x000000FF, 0x80);
  EXPECT_EQ(s.surface.pixel(0, 0), 0x00FFFFFFu);
  EXPECT_EQ(s.surface.pixel(1, 1), model::Blend(0x80FF0000u, 0x00FFFFFFu));
  EXPECT_EQ(s.surface.pixel(3, 2), model::Blend(0x80FF0000u, 0x00FFFFFFu));
  EXPECT_EQ(s.surface.pixel(4, 2), 0x00FFFFFFu);
}

TEST(BitmapDrawingTest, FrameControlGlyphKeepsOnlyTheBlackStrokes) {
  const Rect r{2, 3, 18, 19};
  TteBitmap raw;
  raw.SetSize(16, 16);
  Rect area = raw.BoundsRect();
  pg::DrawFrameControl(*raw.DC(), &area, pg::DFC_SCROLL, pg::DFCS_SCROLLUP);
  Sheet s(20, 22);
  DrawFrameControlGlyph(&s.canvas, r, pg::DFC_SCROLL, pg::DFCS_SCROLLUP, 0x0000FF00);
  int strokes = 0;
  for (int y = 0; y < 22; ++y)
    for (int x = 0; x < 20; ++x) {
      bool black = r.contains({x, y}) && raw.GetPixel(x - r.left, y - r.top) == 0;
      uint32_t want = black ? 0xFF00FF00u : 0x00FFFFFFu;
      ASSERT_EQ(s.surface.pixel(x, y), want) << x << "," << y;
      strokes += black;
    }
  EXPECT_GT(strokes, 0);
}

TEST(BitmapDrawingTest, GlyphShadowIsTheSilhouette) {
  TteBitmap glyph;
  glyph.SetSize(3, 1);
  glyph.SetPixel(0, 0, 0xFF112233u);
  glyph.SetPixel(1, 0, 0xFF7C027Cu);  // within 5 of the key
  glyph.SetPixel(2, 0, 0x40000000u);
  Sheet s(5, 2);
  DrawGlyphShadow(&s.canvas, 1, 1, glyph, 0x000000FF);
  uint32_t shade = model::Blend(0x64FF0000u, 0x00FFFFFFu);
  EXPECT_EQ(s.surface.pixel(1, 1), shade);
  EXPECT_EQ(s.surface.pixel(2, 1), 0x00FFFFFFu);
  EXPECT_EQ(s.surface.pixel(3, 1), shade);
  EXPECT_EQ(s.surface.pixel(1, 0), 0x00FFFFFFu);
  EXPECT_EQ(uint32_t(glyph.GetPixel(1, 0)), 0xFF7C027Cu);  // the glyph itself is untouched
}

TEST(BitmapDrawingTest, VerticalTextTurnsBothWays) {
  const Rect r{0, 0, 24, 90};
  Sheet cw(24, 90), acw(24, 90);
  for (Sheet* s : {&cw, &acw}) {
    s->canvas.Font()->SetColor(framework::clBlack);
    s->canvas.Font()->SetHeight(-14);
  }
  int h1 = DrawVerticalText(&cw.canvas, u"Download", r, pg::DT_SINGLELINE, true);
  int h2 = DrawVerticalText(&acw.canvas, u"Download", r, pg::DT_SINGLELINE, false);
  EXPECT_GT(h1, 0);
  EXPECT_EQ(h1, h2);
  int inked = 0, top = 90, bottom = -1;
  for (int y = 0; y < 90; ++y)
    for (int x = 0; x < 24; ++x) {
      uint32_t p = cw.surface.pixel(x, y);
      // Black on white smooths to greys only: no edge may blend with a key colour.
      ASSERT_TRUE((p & 0xFF) == (p >> 8 & 0xFF) && (p & 0xFF) == (p >> 16 & 0xFF)) << std::hex << p;
      bool a = p != 0x00FFFFFFu;
      inked += a;
      if (a) top = std::min(top, y), bottom = std::max(bottom, y);
      // Clockwise and anticlockwise are half a turn apart.
      bool b = acw.surface.pixel(23 - x, 89 - y) != 0x00FFFFFFu;
      ASSERT_EQ(a, b) << x << "," << y;
    }
  EXPECT_GT(inked, 20);
  EXPECT_GT(bottom - top, 30);  // the word runs down the strip
}

// Only the part on the target is turned: a rectangle reaching beyond it, or far beyond any
// picture, draws there exactly what the whole rectangle draws on a larger target.
TEST(BitmapDrawingTest, VerticalTextBeyondTheTargetDrawsItsVisiblePart) {
  for (bool clockwise : {true, false}) {
    Sheet whole(60, 140), part(30, 70);
    for (Sheet* s : {&whole, &part}) {
      s->canvas.Font()->SetColor(framework::clBlack);
      s->canvas.Font()->SetHeight(-14);
    }
    const Rect r{-10, -20, 40, 120};
    DrawVerticalText(&whole.canvas, u"Download", r.offset(20, 40), pg::DT_SINGLELINE, clockwise);
    DrawVerticalText(&part.canvas, u"Download", r, pg::DT_SINGLELINE, clockwise);
    int inked = 0;
    for (int y = 0; y < 70; ++y)
      for (int x = 0; x < 30; ++x) {
        ASSERT_EQ(part.surface.pixel(x, y), whole.surface.pixel(x + 20, y + 40))
            << clockwise << " " << x << "," << y;
        inked += part.surface.pixel(x, y) != 0x00FFFFFFu;
      }
    EXPECT_GT(inked, 0);
    DrawVerticalText(&part.canvas, u"Download", {-2000000000, -2000000000, 2000000000, 2000000000},
                     pg::DT_SINGLELINE, clockwise);
  }
}

}  // namespace
}  // namespace z5t8::skin::render

namespace z5t8::skin::render {
namespace {

TEST(BitmapResourceTest, LoadsABitmapResourceByName) {
  framework::TBitmap source;
  source.SetPixelFormat(framework::pf32bit);
  source.SetSize(2, 3);
  source.ScanLine(2)[1] = 0x80FF8040u;
  static framework::TMemoryStream file;
  source.SaveToStream(file);
  framework::RegisterResource("RENDER_TEST_BMP", file.Memory(), size_t(file.Size()));
  static const uint8_t notABitmap[] = {1, 2, 3};
  framework::RegisterResource("RENDER_TEST_TEXT", notABitmap, sizeof notABitmap);

  TteBitmap b;
  b.LoadFromResource("RENDER_TEST_BMP");
  ASSERT_EQ(b.Width(), 2);
  ASSERT_EQ(b.Height(), 3);
  EXPECT_EQ(uint32_t(b.GetPixel(1, 2)), 0x80FF8040u);
  b.LoadFromResource("RENDER_TEST_TEXT");
  b.LoadFromResource("RENDER_TEST_MISSING");
  EXPECT_EQ(uint32_t(b.GetPixel(1, 2)), 0x80FF8040u);
}

}  // namespace
}  // namespace z5t8::skin::render
