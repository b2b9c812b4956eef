#include "skin/render/CanvasDrawing.h"

#include <gtest/gtest.h>

#include <cmath>
#include <set>

#include "framework/gui/ColorMap.h"
#include "platform/gui/Surface.h"

namespace z5t8::skin::render {
namespace {

namespace pg = platform::gui;

// A canvas over a white memory surface.
struct Sheet {
  explicit Sheet(int w, int h) : surface(w, h), dc(&surface) {
    surface.fill(0x00FFFFFFu);
    canvas.SetHandle(&dc);
  }
  ~Sheet() { canvas.SetHandle(nullptr); }
  uint32_t rgb(int x, int y) const { return surface.pixel(x, y) & 0xFFFFFF; }
  pg::Surface surface;
  pg::DeviceContext dc;
  TCanvas canvas;
};

// The pixel value a framework colour is drawn with.
uint32_t Px(TColor c) { return pg::pixelFromColor(framework::ColorToRGB(c)) & 0xFFFFFF; }

TEST(GradientTest, BandCountsFollowTheExtent) {
  struct Case {
    int extent;
    bool vertical;
    size_t bands;
    int minWidth, maxWidth;
  } cases[] = {{10, false, 10, 1, 1}, {1000, false, 255, 3, 4}, {7, true, 7, 1, 1}, {300, true, 255, 1, 2}};
  for (const Case& c : cases) {
    int w = c.vertical ? 3 : c.extent, h = c.vertical ? c.extent : 3;
    Sheet s(w, h);
    FillGradientRect(&s.canvas, {0, 0, w, h}, 0x000000, 0xFFFFFF, c.vertical);
    // Runs of one colour along the gradient, and that it fills across.
    std::vector<int> runs;
    uint32_t last = 0xFFFFFFFF;
    for (int i = 0; i < c.extent; ++i) {
      uint32_t p = c.vertical ? s.rgb(1, i) : s.rgb(i, 1);
      ASSERT_EQ(p, c.vertical ? s.rgb(0, i) : s.rgb(i, 0));
      if (p != last) runs.push_back(0);
      ++runs.back();
      last = p;
    }
    EXPECT_EQ(runs.size(), c.bands) << c.extent;
    EXPECT_EQ(*std::min_element(runs.begin(), runs.end()), c.minWidth) << c.extent;
    EXPECT_EQ(*std::max_element(runs.begin(), runs.end()), c.maxWidth) << c.extent;
    // The last band has step n - 1's colour, not colour2.
    uint32_t end = c.vertical ? s.rgb(0, c.extent - 1) : s.rgb(c.extent - 1, 0);
    int n = int(c.bands);
    int want = int(std::nearbyint(double(n - 1) * 255.0 / n));
    EXPECT_EQ(end, uint32_t(want * 0x010101)) << c.extent;
    EXPECT_EQ(c.vertical ? s.rgb(0, 0) : s.rgb(0, 0), 0u);
  }
}

TEST(GradientTest, RadialGoesFromOutsideInAndStaysInside) {
  Sheet s(60, 40);
  FillRadialGradientRect(&s.canvas, {10, 5, 50, 35}, 0x0000FF, 0x00FF00, {50, 50});
  EXPECT_EQ(s.rgb(5, 5), 0xFFFFFFu);  // outside r: untouched
  // Red (colour1) at the centre fades towards green (colour2) outwards.
  uint32_t centre = s.rgb(30, 20);
  EXPECT_GE(centre >> 16, 0xF0u);
  EXPECT_LE(centre >> 8 & 0xFF, 0x10u);
  for (int x = 31; x < 50; ++x) EXPECT_LE(s.rgb(x, 20) >> 16, s.rgb(x - 1, 20) >> 16) << x;
  EXPECT_GT(s.rgb(10, 5) >> 8 & 0xFF, s.rgb(40, 20) >> 8 & 0xFF);
  // The clip is gone afterwards.
  FillRect(&s.canvas, {0, 0, 2, 2}, 0x123456);
  EXPECT_EQ(s.rgb(1, 1), Px(0x123456));
}

TEST(HalftoneTest, CheckerboardAndNegativeOrigin) {
  Sheet s(8, 6);
  FillHalftoneRect(&s.canvas, {-3, -3, 5, 4}, 0x0000FF, 0x00FF00);
  for (int y = 0; y < 6; ++y)
    for (int x = 0; x < 8; ++x) {
      uint32_t want = x >= 5 || y >= 4 ? 0xFFFFFFu : (x % 2 == y % 2 ? Px(0x00FF00) : Px(0x0000FF));
      ASSERT_EQ(s.rgb(x, y), want) << x << "," << y;
    }
  EXPECT_EQ(s.canvas.Brush()->Bitmap(), nullptr);
  Sheet t(4, 4);
  FillHalftoneRect(&t.canvas, {-3, 0, 0, 4}, 0, 0);
  EXPECT_EQ(t.rgb(0, 0), 0xFFFFFFu);
}

TEST(PrimitivesTest, EdgeRectAndFills) {
  Sheet s(10, 8);
  DrawEdge(&s.canvas, {1, 1, 9, 7}, 0x0000FF, 0x00FF00);
  // colour1: left column from bottom - 2 up, top row to right - 2.
  EXPECT_EQ(s.rgb(1, 5), Px(0x0000FF));
  EXPECT_EQ(s.rgb(1, 1), Px(0x0000FF));
  EXPECT_EQ(s.rgb(7, 1), Px(0x0000FF));
  // colour2: right column from the top, bottom row back to left.
  EXPECT_EQ(s.rgb(8, 1), Px(0x00FF00));
  EXPECT_EQ(s.rgb(8, 6), Px(0x00FF00));
  EXPECT_EQ(s.rgb(1, 6), Px(0x00FF00));
  EXPECT_EQ(s.rgb(4, 4), 0xFFFFFFu);

  Sheet f(6, 6);
  FillRect(f.dc, 1, 1, 3, 4, 0xFF0000);
  EXPECT_EQ(f.rgb(2, 3), Px(0xFF0000));
  EXPECT_EQ(f.rgb(3, 3), 0xFFFFFFu);
  DrawRect(&f.canvas, {0, 0, 6, 6}, 0x00FF00);
  EXPECT_EQ(f.rgb(5, 5), Px(0x00FF00));
  EXPECT_EQ(f.rgb(2, 3), Px(0xFF0000));  // clear brush: the inside stays
  EXPECT_EQ(framework::TBrushStyle(f.canvas.Brush()->Style()), framework::bsClear);
}

TEST(PrimitivesTest, PointInPolygonWinding) {
  // A pentagram: its centre is inside under the winding rule.
  const Point star[] = {{50, 0}, {79, 90}, {2, 35}, {98, 35}, {21, 90}};
  EXPECT_TRUE(PointInPolygon({50, 45}, star));
  EXPECT_TRUE(PointInPolygon({50, 10}, star));
  EXPECT_FALSE(PointInPolygon({5, 80}, star));
}

TEST(TextTest, FormatStrCutsBeforeTheEllipsis) {
  Sheet s(200, 20);
  pg::DeviceContext& dc = s.dc;
  std::u16string text = u"Firmware update";
  int full = dc.textExtent(text).cx;
  EXPECT_EQ(FormatStr(dc, text, full), text);
  int dots = dc.textExtent(u"...").cx;
  EXPECT_EQ(FormatStr(dc, text, dots - 1), u"...");
  EXPECT_EQ(FormatStr(dc, text, 0), u"...");
  std::u16string cut = FormatStr(dc, text, full - 1);
  ASSERT_GE(cut.size(), 4u);
  EXPECT_EQ(cut.substr(cut.size() - 3), u"...");
  EXPECT_LE(dc.textExtent(cut).cx, full - 1);
  std::u16string prefix = cut.substr(0, cut.size() - 3);
  EXPECT_EQ(text.substr(0, prefix.size()), prefix);
  // One more character would not fit.
  EXPECT_GT(dc.textExtent(text.substr(0, prefix.size() + 1) + u"...").cx, full - 1);
}

TEST(TextTest, WidthsAndDrawing) {
  Sheet s(200, 30);
  std::u16string text = u"Ab";
  EXPECT_EQ(TextWidth(&s.canvas, text), s.canvas.TextExtent(text).cx);
  EXPECT_EQ(TextWidth(&s.canvas, text, pg::DT_SINGLELINE), s.canvas.TextExtent(text).cx);
  EXPECT_EQ(TextHeight(&s.canvas, text), s.canvas.TextExtent(text).cy);
  s.canvas.Brush()->SetColor(0x00FF00);  // an opaque brush must not paint the cells
  s.canvas.Font()->SetColor(0x000000);
  int h = DrawText(&s.canvas, text, 2, 2);
  EXPECT_GT(h, 0);
  std::set<uint32_t> colours;
  for (int y = 0; y < 30; ++y)
    for (int x = 0; x < 200; ++x) colours.insert(s.rgb(x, y));
  EXPECT_FALSE(colours.count(Px(0x00FF00)));
  EXPECT_GT(colours.size(), 1u);
}

TEST(IconTest, DrawnAtItsOwnSizeWhereASmallIconCentredStarts) {
  pg::Icon icon = pg::Icon::standardApplication(32);
  Sheet with(80, 80), without(80, 80);
  DrawIcon(with.dc, {10, 10, 50, 40}, &icon);
  DrawIcon(without.dc, {10, 10, 50, 40}, nullptr);
  // A 16 x 16 square centred in 40 x 30 starts at (22, 17).
  Sheet ref(80, 80);
  ref.dc.drawIconEx(22, 17, icon, 0, 0, pg::DI_NORMAL);
  for (int y = 0; y < 80; ++y)
    for (int x = 0; x < 80; ++x) {
      ASSERT_EQ(with.surface.pixel(x, y), ref.surface.pixel(x, y)) << x << "," << y;
      ASSERT_EQ(without.rgb(x, y), 0xFFFFFFu);
    }
}

TEST(MulDivTest, RoundsHalvesAwayFromZero) {
  EXPECT_EQ(MulDiv(3, 1, 2), 2);
  EXPECT_EQ(MulDiv(-3, 1, 2), -2);
  EXPECT_EQ(MulDiv(5, 1, 3), 2);
  EXPECT_EQ(MulDiv(4, 1, 3), 1);
  EXPECT_EQ(MulDiv(1, 1, 0), -1);
  EXPECT_EQ(MulDiv(INT32_MAX, INT32_MAX, 1), INT32_MAX);
}

}  // namespace
}  // namespace z5t8::skin::render
