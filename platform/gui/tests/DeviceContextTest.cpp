#include <gtest/gtest.h>

#include "platform/gui/DeviceContext.h"
#include "platform/gui/tests/PixelArt.h"

namespace z5t8::platform::gui {
namespace {

using test::pixelArt;
using test::whiteSurface;

constexpr ColorRef kBlack = RGB(0, 0, 0);
constexpr ColorRef kRed = RGB(255, 0, 0);

TEST(DeviceContext, SurfaceMemoryIsTheDibLayout) {
  Surface s(3, 2);
  DeviceContext dc(&s);
  dc.setPixel(1, 1, RGB(0x10, 0x20, 0x30));
  const uint8_t* bytes = reinterpret_cast<const uint8_t*>(s.bits());
  // Row 1 starts 3 pixels in (no padding), blue first.
  EXPECT_EQ(bytes[(3 + 1) * 4 + 0], 0x30);
  EXPECT_EQ(bytes[(3 + 1) * 4 + 1], 0x20);
  EXPECT_EQ(bytes[(3 + 1) * 4 + 2], 0x10);
  EXPECT_EQ(bytes[(3 + 1) * 4 + 3], 0x00);
  EXPECT_EQ(dc.getPixel(1, 1), RGB(0x10, 0x20, 0x30));
  EXPECT_EQ(dc.getPixel(3, 0), CLR_INVALID);
  EXPECT_EQ(dc.setPixel(-1, 0, kRed), CLR_INVALID);
}

TEST(DeviceContext, RectangleEdgesAndNullPen) {
  Surface s = whiteSurface(7, 6);
  DeviceContext dc(&s);
  dc.selectPen(Pen::solid(kBlack));
  dc.selectBrush(Brush::solid(kRed));
  dc.rectangle(1, 1, 6, 5);
  EXPECT_EQ(pixelArt(s),
            ".......\n"
            ".#####.\n"
            ".#rrr#.\n"
            ".#rrr#.\n"
            ".#####.\n"
            ".......\n");
  s.fill(0x00FFFFFF);
  dc.selectPen(Pen::null());
  dc.rectangle(1, 1, 6, 5);  // one pixel smaller without a pen
  dc.fillRect({0, 5, 2, 6}, Brush::solid(kBlack));
  dc.frameRect({4, 4, 4, 6}, Brush::solid(kBlack));  // empty: nothing
  EXPECT_EQ(pixelArt(s),
            ".......\n"
            ".rrrr..\n"
            ".rrrr..\n"
            ".rrrr..\n"
            ".......\n"
            "##.....\n");
}

TEST(DeviceContext, LinesLeaveTheirEndPoint) {
  Surface s = whiteSurface(6, 5);
  DeviceContext dc(&s);
  dc.moveTo(0, 0);
  dc.lineTo(5, 0);
  dc.moveTo(5, 4);
  dc.lineTo(1, 0);  // diagonal, drawn from (5,4) towards (1,0), end excluded
  EXPECT_EQ(dc.currentPosition(), (Point{1, 0}));
  EXPECT_EQ(pixelArt(s),
            "#####.\n"
            "..#...\n"
            "...#..\n"
            "....#.\n"
            ".....#\n");
  // A line from far outside still draws the part that crosses the surface.
  s.fill(0x00FFFFFF);
  dc.moveTo(-2000000000, 2);
  dc.lineTo(2000000000, 2);
  EXPECT_EQ(pixelArt(s).substr(14, 7), "######\n");
  s.fill(0x00FFFFFF);
  std::vector<Point> pts{{0, 4}, {0, 1}, {3, 1}};
  dc.polyline(pts);
  EXPECT_EQ(pixelArt(s),
            "......\n"
            "###...\n"
            "#.....\n"
            "#.....\n"
            "#.....\n");
}

TEST(DeviceContext, XorPenDrawsAndErases) {
  Surface s = whiteSurface(4, 1);
  DeviceContext dc(&s);
  dc.selectPen(Pen::solid(RGB(255, 255, 255)));
  dc.setROP2(R2_XORPEN);
  dc.moveTo(0, 0);
  dc.lineTo(3, 0);
  EXPECT_EQ(pixelArt(s), "###.\n");
  dc.moveTo(0, 0);
  dc.lineTo(3, 0);
  EXPECT_EQ(pixelArt(s), "....\n");
  dc.drawFocusRect({0, 0, 4, 1});
  EXPECT_EQ(pixelArt(s), "#.#.\n");
  dc.drawFocusRect({0, 0, 4, 1});
  EXPECT_EQ(pixelArt(s), "....\n");
}

TEST(DeviceContext, PolygonFillModesAndOutline) {
  Surface s = whiteSurface(5, 5);
  DeviceContext dc(&s);
  dc.selectPen(Pen::null());
  dc.selectBrush(Brush::solid(kBlack));
  std::vector<Point> square{{1, 1}, {4, 1}, {4, 4}, {1, 4}};
  dc.polygon(square);
  EXPECT_EQ(pixelArt(s),
            ".....\n"
            ".###.\n"
            ".###.\n"
            ".###.\n"
            ".....\n");
  // Outline adds the right and bottom edges.
  s.fill(0x00FFFFFF);
  dc.selectPen(Pen::solid(kRed));
  dc.polygon(square);
  EXPECT_EQ(pixelArt(s),
            ".....\n"
            ".rrrr\n"
            ".r##r\n"
            ".r##r\n"
            ".rrrr\n");
  // Two overlapping windings of the same square: winding fills, alternate leaves it.
  std::vector<Point> twice{{0, 0}, {5, 0}, {5, 5}, {0, 5}, {0, 0}, {5, 0}, {5, 5}, {0, 5}};
  dc.selectPen(Pen::null());
  s.fill(0x00FFFFFF);
  dc.setPolyFillMode(ALTERNATE);
  dc.polygon(twice);
  EXPECT_EQ(s.pixel(2, 2) & 0xFFFFFF, 0xFFFFFFu);
  dc.setPolyFillMode(WINDING);
  dc.polygon(twice);
  EXPECT_EQ(s.pixel(2, 2) & 0xFFFFFF, 0u);
}

TEST(DeviceContext, EllipseAndRoundRectStayInsideAndAreSymmetric) {
  Surface s = whiteSurface(8, 6);
  DeviceContext dc(&s);
  dc.selectPen(Pen::solid(kBlack));
  dc.selectBrush(Brush::solid(kRed));
  dc.ellipse(0, 0, 8, 6);
  EXPECT_EQ(pixelArt(s),
            "..####..\n"
            ".#rrrr#.\n"
            "#rrrrrr#\n"
            "#rrrrrr#\n"
            ".#rrrr#.\n"
            "..####..\n");
  s.fill(0x00FFFFFF);
  dc.roundRect(0, 0, 8, 6, 4, 4);
  EXPECT_EQ(pixelArt(s),
            ".######.\n"
            "#rrrrrr#\n"
            "#rrrrrr#\n"
            "#rrrrrr#\n"
            "#rrrrrr#\n"
            ".######.\n");
}

TEST(DeviceContext, ClippingWithOffsetOrigins) {
  Surface s = whiteSurface(8, 4);
  // A child at (2, 1) on its parent's surface, visible only in (0,0)-(5,3).
  DeviceContext dc(&s, {2, 1}, Region(Rect{0, 0, 5, 3}));
  dc.setViewportOrg(1, 0);
  dc.setWindowOrg(1, 1);  // logical (1,1) maps to device (1,0)
  EXPECT_EQ(dc.clipBox(), (Rect{0, 1, 5, 4}));
  dc.fillRect({-10, -10, 20, 20}, Brush::solid(kBlack));
  EXPECT_EQ(pixelArt(s),
            "........\n"
            "..#####.\n"
            "..#####.\n"
            "..#####.\n");
  // User clipping only narrows the base clip.
  s.fill(0x00FFFFFF);
  dc.saveDC();
  Region wide(Rect{-50, -50, 50, 50});
  dc.selectClipRgn(&wide);
  dc.excludeClipRect(2, 1, 3, 4);  // logical column 2 = device column 2
  dc.intersectClipRect(0, 0, 4, 4);
  dc.fillRect({-10, -10, 20, 20}, Brush::solid(kRed));
  EXPECT_EQ(pixelArt(s),
            "........\n"
            "..rr.r..\n"
            "..rr.r..\n"
            "..rr.r..\n");
  EXPECT_TRUE(dc.restoreDC(-1));
  EXPECT_FALSE(dc.restoreDC(-1));
  EXPECT_FALSE(dc.clipRgn().has_value());
  EXPECT_EQ(dc.clipBox(), (Rect{0, 1, 5, 4}));

  // Re-basing the context (the window moved) keeps the user clip: logical
  // (0,1)-(2,4) is device (0,0)-(2,3), cut by the new base clip to one row.
  dc.intersectClipRect(0, 1, 2, 4);
  dc.setDeviceOrigin({5, 0}, Region(Rect{0, 0, 3, 1}));
  s.fill(0x00FFFFFF);
  dc.fillRect({-10, -10, 20, 20}, Brush::solid(kBlack));
  EXPECT_EQ(pixelArt(s),
            ".....##.\n"
            "........\n"
            "........\n"
            "........\n");
}

TEST(DeviceContext, WildCoordinatesClipAway) {
  Surface s = whiteSurface(4, 3);
  DeviceContext dc(&s, {1, 1}, std::nullopt);
  dc.setWindowOrg(-2000000000, 0);
  constexpr int32_t kFar = 2000000000;
  dc.fillRect({-kFar, -kFar, kFar, kFar}, Brush::solid(kBlack));
  dc.drawFocusRect({-kFar, -kFar, kFar, kFar});
  dc.selectPen(Pen::solid(kRed));
  dc.rectangle(-kFar, -kFar, kFar, kFar);
  dc.ellipse(-kFar, -kFar, kFar, kFar);
  Surface big(2, 2);
  DeviceContext src(&big);
  dc.stretchBlt(-kFar, -kFar, kFar, kFar, src, 0, 0, 2, 2);
  dc.textOut(kFar, kFar, u"x");
  Region r(Rect{-kFar, -kFar, kFar, kFar});
  r.offset(kFar, kFar);
  EXPECT_FALSE(r.isEmpty());
  EXPECT_EQ(Rect({-kFar, 0, kFar, 1}).width(), INT32_MAX);
}

TEST(DeviceContext, SaveAndRestoreTheWholeState) {
  Surface s(4, 4);
  DeviceContext dc(&s);
  int level = dc.saveDC();
  EXPECT_EQ(level, 1);
  dc.selectPen(Pen::solid(kRed, 3));
  dc.setTextColor(kRed);
  dc.setBkMode(TRANSPARENT);
  dc.setWindowOrg(5, 5);
  dc.intersectClipRect(0, 0, 1, 1);
  dc.moveTo(2, 2);
  EXPECT_EQ(dc.saveDC(), 2);
  dc.setTextColor(kBlack);
  EXPECT_TRUE(dc.restoreDC(1));
  EXPECT_EQ(dc.pen(), Pen());
  EXPECT_EQ(dc.textColor(), kBlack);
  EXPECT_EQ(dc.bkMode(), OPAQUE);
  EXPECT_EQ(dc.windowOrg(), (Point{0, 0}));
  EXPECT_EQ(dc.clipBox(), (Rect{0, 0, 4, 4}));
  EXPECT_EQ(dc.currentPosition(), (Point{0, 0}));
  EXPECT_FALSE(dc.restoreDC(1));
}

TEST(DeviceContext, PatternBrushFollowsTheBrushOrigin) {
  BrushPattern checker;
  for (int i = 0; i < 64; ++i) checker[size_t(i)] = ((i / 8 + i % 8) % 2) ? kBlack : kRed;
  Surface s = whiteSurface(4, 2);
  DeviceContext dc(&s);
  dc.fillRect({0, 0, 4, 2}, Brush::withPattern(checker));
  EXPECT_EQ(pixelArt(s), "r#r#\n#r#r\n");
  dc.setBrushOrg(1, 0);
  dc.fillRect({0, 0, 4, 2}, Brush::withPattern(checker));
  EXPECT_EQ(pixelArt(s), "#r#r\nr#r#\n");
}

TEST(DeviceContext, BlitsCopyStretchKeyAndAlpha) {
  Surface src(2, 2);
  src.setPixel(0, 0, pixelFromColor(kRed, 255));
  src.setPixel(1, 0, pixelFromColor(RGB(0x7F, 0, 0x7F)));
  src.setPixel(0, 1, pixelFromColor(kBlack, 255));
  src.setPixel(1, 1, pixelFromColor(RGB(0, 0, 255), 255));
  DeviceContext srcDc(&src);

  Surface s = whiteSurface(5, 4);
  DeviceContext dc(&s);
  dc.bitBlt(1, 1, 2, 2, srcDc, 0, 0);
  EXPECT_EQ(s.pixel(1, 1), 0xFFFF0000u);  // alpha travels with a copy
  EXPECT_EQ(pixelArt(s),
            ".....\n"
            ".r?..\n"
            ".#b..\n"
            ".....\n");
  s.fill(0x00FFFFFF);
  dc.transparentBlt(0, 0, 4, 4, srcDc, 0, 0, 2, 2, RGB(0x7F, 0, 0x7F));
  EXPECT_EQ(pixelArt(s),
            "rr...\n"
            "rr...\n"
            "##bb.\n"
            "##bb.\n");
  s.fill(0x00FFFFFF);
  dc.stretchBlt(3, 0, -2, 1, srcDc, 0, 1, 2, 1);  // mirrored
  EXPECT_EQ(pixelArt(s).substr(0, 6), ".b#..\n");

  // Per-pixel alpha: a half-covered premultiplied red over white.
  Surface half(1, 1);
  half.setPixel(0, 0, 0x80800000);
  DeviceContext halfDc(&half);
  s.fill(0x00FFFFFF);
  dc.alphaBlend(0, 0, 1, 1, halfDc, 0, 0, 1, 1, BlendFunction{});
  EXPECT_EQ(s.pixel(0, 0) & 0xFFFFFF, 0xFF7F7Fu);
  // Overlapping copy within one surface.
  Surface line = whiteSurface(5, 1);
  DeviceContext lineDc(&line);
  lineDc.setPixel(0, 0, kBlack);
  lineDc.setPixel(1, 0, kRed);
  lineDc.bitBlt(1, 0, 2, 1, lineDc, 0, 0);
  EXPECT_EQ(pixelArt(line), "##r..\n");
}

TEST(DeviceContext, ReadPixelsIgnoresTheClip) {
  Surface s = whiteSurface(3, 3);
  DeviceContext dc(&s, {1, 1}, Region(Rect{0, 0, 1, 1}));
  s.setPixel(2, 2, pixelFromColor(kRed));
  Surface out;
  dc.readPixels({0, 0, 2, 3}, out);
  ASSERT_EQ(out.width(), 2);
  ASSERT_EQ(out.height(), 3);
  EXPECT_EQ(out.pixel(1, 1) & 0xFFFFFF, 0xFF0000u);
  EXPECT_EQ(out.pixel(0, 2), 0u);  // below the surface
}

TEST(DeviceContext, RopBlitsAndRegions) {
  Surface s = whiteSurface(4, 2);
  DeviceContext dc(&s);
  dc.selectBrush(Brush::solid(kBlack));
  dc.patBlt(0, 0, 2, 1, PATCOPY);
  dc.patBlt(1, 0, 2, 2, DSTINVERT);
  EXPECT_EQ(pixelArt(s), "#.#.\n.##.\n");
  s.fill(0x00FFFFFF);
  Region r(Rect{0, 0, 4, 2});
  r.subtract({1, 0, 3, 1});
  dc.setWindowOrg(1, 0);
  dc.fillRgn(r, Brush::solid(kRed));
  EXPECT_EQ(pixelArt(s), "..r.\nrrr.\n");
  s.fill(0x00FFFFFF);
  dc.setWindowOrg(0, 0);
  dc.frameRgn(Region(Rect{0, 0, 4, 2}), Brush::solid(kBlack), 1, 1);
  EXPECT_EQ(pixelArt(s), "####\n####\n");
}

}  // namespace
}  // namespace z5t8::platform::gui
