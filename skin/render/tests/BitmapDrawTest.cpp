#include <gtest/gtest.h>

#include "platform/gui/DeviceContext.h"
#include "platform/gui/Surface.h"
#include "skin/render/Bitmap.h"
#include "skin/render/tests/Model.h"

namespace z5t8::skin::render {
namespace {

using model::Image;
using model::Kind;

void SetKind(TteBitmap& b, Kind kind) {
  b.AlphaBlend = kind == Kind::Alpha;
  b.Transparent = kind == Kind::Transparent;
}

struct DrawCase {
  const char* what;
  Rect dest, src;
};

// Each case runs for every kind of draw.
const DrawCase kDrawCases[] = {
    {"same size", {3, 2, 13, 9}, {1, 1, 11, 8}},
    {"partly outside the target", {-4, -3, 8, 7}, {0, 0, 12, 10}},
    {"past the right and bottom", {15, 12, 27, 22}, {0, 0, 12, 10}},
    {"stretched up", {1, 1, 19, 16}, {2, 3, 9, 8}},
    {"stretched down", {0, 0, 5, 4}, {0, 0, 12, 10}},
    {"one pixel wide", {4, 0, 5, 12}, {2, 1, 9, 9}},
    {"one source pixel", {0, 0, 7, 5}, {5, 5, 6, 6}},
    {"source past its right edge", {0, 0, 13, 10}, {0, 0, 13, 10}},
    {"source above its top", {0, 0, 12, 11}, {0, -1, 12, 10}},
    {"empty source", {0, 0, 12, 10}, {4, 4, 4, 9}},
    {"wholly outside", {40, 40, 52, 50}, {0, 0, 12, 10}},
    {"huge destination", {INT32_MIN, INT32_MIN, INT32_MAX, INT32_MAX}, {0, 0, 12, 10}},
    {"reversed destination", {10, 10, 2, 2}, {0, 0, 12, 10}},
};

class BitmapDrawTest : public EveryRoutineSet {};

TEST_P(BitmapDrawTest, OntoBitmapMatchesModel) {
  Image src = model::Random(12, 10, 7), base = model::Random(20, 16, 8);
  for (Kind kind : {Kind::Opaque, Kind::Alpha, Kind::Transparent})
    for (const DrawCase& c : kDrawCases) {
      TteBitmap s, t;
      model::Fill(s, src);
      model::Fill(t, base);
      SetKind(s, kind);
      s.Draw(t, c.dest, c.src);
      Image want = base;
      model::Draw(want, c.dest, c.dest, src, c.src, kind);
      ASSERT_EQ(model::Of(t), want) << c.what << " kind " << int(kind);
    }
}

TEST_P(BitmapDrawTest, PositionedFormsDrawTheWholeOrThePart) {
  Image src = model::Random(6, 5, 3), base = model::Random(10, 9, 4);
  TteBitmap s, t;
  model::Fill(s, src);
  s.AlphaBlend = true;
  model::Fill(t, base);
  s.Draw(t, 2, 3);
  s.Draw(t, -1, 6, Rect{1, 1, 4, 5});
  Image want = base;
  model::Draw(want, {2, 3, 8, 8}, {2, 3, 8, 8}, src, {0, 0, 6, 5}, Kind::Alpha);
  model::Draw(want, {-1, 6, 2, 10}, {-1, 6, 2, 10}, src, {1, 1, 4, 5}, Kind::Alpha);
  EXPECT_EQ(model::Of(t), want);
}

TEST_P(BitmapDrawTest, OntoTheDeviceContextOfABitmapUsesItsOrigin) {
  Image src = model::Random(12, 10, 11), base = model::Random(20, 16, 12);
  for (Kind kind : {Kind::Opaque, Kind::Alpha, Kind::Transparent}) {
    TteBitmap s, t;
    model::Fill(s, src);
    model::Fill(t, base);
    SetKind(s, kind);
    ASSERT_EQ(FindBitmapByDC(t.DC()), &t);
    t.DC()->setWindowOrg(5, -2);
    s.Draw(*t.DC(), Rect{6, 0, 22, 9}, Rect{1, 1, 12, 9});
    Image want = base;
    model::Draw(want, {1, 2, 17, 11}, {1, 2, 17, 11}, src, {1, 1, 12, 9}, kind);
    ASSERT_EQ(model::Of(t), want) << int(kind);
  }
}

// A device context that belongs to no bitmap: the platform's blits draw.
TEST_P(BitmapDrawTest, OntoAPlainDeviceContext) {
  Image src = model::Random(12, 10, 21), base = model::Random(20, 16, 22);
  for (Kind kind : {Kind::Opaque, Kind::Alpha, Kind::Transparent}) {
    platform::gui::Surface surface(base.w, base.h);
    std::copy(base.px.begin(), base.px.end(), surface.bits());
    DeviceContext dc(&surface);
    ASSERT_EQ(FindBitmapByDC(&dc), nullptr);
    TteBitmap s;
    model::Fill(s, src);
    SetKind(s, kind);
    s.Draw(dc, 5, 4);
    Image want = base;
    model::Draw(want, {5, 4, 17, 14}, {5, 4, 17, 14}, src, {0, 0, 12, 10}, kind);
    for (int y = 0; y < base.h; ++y)
      for (int x = 0; x < base.w; ++x) {
        uint32_t got = surface.pixel(x, y);
        // The platform's transparent blit may carry the source alpha.
        if (kind == Kind::Transparent) {
          got &= 0xFFFFFF;
          want.at(x, y) &= 0xFFFFFF;
        }
        ASSERT_EQ(got, want.at(x, y)) << x << "," << y << " kind " << int(kind);
      }
  }
}

TEST_P(BitmapDrawTest, AlphaBlendOntoAClippedPlainDeviceContext) {
  Image src = model::Random(12, 10, 31), base = model::Random(20, 16, 32);
  platform::gui::Surface surface(base.w, base.h);
  std::copy(base.px.begin(), base.px.end(), surface.bits());
  DeviceContext dc(&surface);
  dc.intersectClipRect(0, 0, 9, 8);
  TteBitmap s;
  model::Fill(s, src);
  s.AlphaBlend = true;
  s.Draw(dc, Rect{-30, -20, 200, 300});
  Image want = base;
  model::Draw(want, {-30, -20, 200, 300}, {0, 0, 9, 8}, src, {0, 0, 12, 10}, Kind::Alpha);
  for (int y = 0; y < base.h; ++y)
    for (int x = 0; x < base.w; ++x) ASSERT_EQ(surface.pixel(x, y), want.at(x, y)) << x << "," << y;
}

TEST_P(BitmapDrawTest, HugeRectanglesOntoAPlainDeviceContextStayDefined) {
  Image src = model::Random(12, 10, 91);
  for (Kind kind : {Kind::Opaque, Kind::Alpha, Kind::Transparent}) {
    platform::gui::Surface surface(16, 16);
    DeviceContext dc(&surface);
    TteBitmap s;
    model::Fill(s, src);
    SetKind(s, kind);
    s.Draw(dc, Rect{INT32_MIN, INT32_MIN, INT32_MAX, INT32_MAX});
    s.Tile(dc, Rect{INT32_MIN, INT32_MIN, INT32_MAX, INT32_MAX}, Rect{0, 0, 12, 10});
    s.TileClip(dc, Rect{INT32_MIN, INT32_MIN, INT32_MAX, INT32_MAX}, Rect{0, 0, 12, 10}, Rect{0, 0, 3, 3});
  }
}

// A memory context with a clip of its own is drawn through the platform,
// tile by tile, and the clip holds.
TEST_P(BitmapDrawTest, TileOntoAClippedContextKeepsTheClip) {
  Image src = model::Random(7, 5, 95), base = model::Random(30, 20, 96);
  const Rect dest{1, 2, 29, 19}, srcRect{1, 0, 6, 4}, clip{4, 3, 23, 15};
  for (Kind kind : {Kind::Opaque, Kind::Alpha, Kind::Transparent}) {
    platform::gui::Surface surface(base.w, base.h);
    std::copy(base.px.begin(), base.px.end(), surface.bits());
    DeviceContext dc(&surface);
    dc.intersectClipRect(clip.left, clip.top, clip.right, clip.bottom);
    TteBitmap s;
    model::Fill(s, src);
    SetKind(s, kind);
    s.Tile(dc, dest, srcRect);
    Image want = base;
    int w = RectWidth(srcRect), h = RectHeight(srcRect);
    for (int ty = dest.top; ty < dest.bottom; ty += h)
      for (int tx = dest.left; tx < dest.right; tx += w) {
        Rect tile{tx, ty, std::min(tx + w, dest.right), std::min(ty + h, dest.bottom)};
        Rect from{srcRect.left, srcRect.top, srcRect.left + RectWidth(tile), srcRect.top + RectHeight(tile)};
        model::Draw(want, tile, platform::gui::intersectRect(tile, clip), src, from, kind);
      }
    for (int y = 0; y < base.h; ++y)
      for (int x = 0; x < base.w; ++x) {
        uint32_t got = surface.pixel(x, y), exp = want.at(x, y);
        if (kind == Kind::Transparent) got &= 0xFFFFFF, exp &= 0xFFFFFF;
        ASSERT_EQ(got, exp) << x << "," << y << " kind " << int(kind);
      }
  }
}

INSTANTIATE_TEST_SUITE_P(EverySet, BitmapDrawTest, testing::ValuesIn(SupportedPixelIsas()), IsaName);

class BitmapTileTest : public EveryRoutineSet {};

// The reference tiling: copies of srcRect from destRect's top-left, cut at
// the far edges, only those touching clip when it is not empty.
Image ModelTile(Image dst, const Rect& dest, const Image& src, const Rect& srcRect, Kind kind,
                const Rect& clip = {}) {
  int w = srcRect.right - srcRect.left, h = srcRect.bottom - srcRect.top;
  for (int ty = dest.top; ty < dest.bottom; ty += h)
    for (int tx = dest.left; tx < dest.right; tx += w) {
      Rect tile{tx, ty, std::min(tx + w, dest.right), std::min(ty + h, dest.bottom)};
      if (!IsRectEmpty(clip) && IsRectEmpty(platform::gui::intersectRect(tile, clip))) continue;
      Rect s{srcRect.left, srcRect.top, srcRect.left + RectWidth(tile), srcRect.top + RectHeight(tile)};
      model::Draw(dst, tile, tile, src, s, kind);
    }
  return dst;
}

TEST_P(BitmapTileTest, TenByTenIntoTwentyFiveWide) {
  Image src = model::Random(10, 10, 41), base = model::Random(30, 12, 42);
  TteBitmap s, t;
  model::Fill(s, src);
  model::Fill(t, base);
  s.Tile(t, Rect{0, 1, 25, 11}, Rect{0, 0, 10, 10});
  Image got = model::Of(t);
  for (int y = 1; y < 11; ++y) {
    for (int x = 0; x < 25; ++x) ASSERT_EQ(got.at(x, y), src.at(x % 10, y - 1)) << x << "," << y;
    for (int x = 25; x < 30; ++x) ASSERT_EQ(got.at(x, y), base.at(x, y));
  }
  EXPECT_EQ(got.at(3, 0), base.at(3, 0));
}

TEST_P(BitmapTileTest, EveryTargetKindMatchesModel) {
  Image src = model::Random(14, 9, 51), base = model::Random(40, 30, 52);
  const Rect dest{-3, 2, 37, 33}, srcRect{2, 1, 9, 6};
  for (Kind kind : {Kind::Opaque, Kind::Alpha, Kind::Transparent}) {
    Image want = ModelTile(base, dest, src, srcRect, kind);
    TteBitmap s;
    model::Fill(s, src);
    SetKind(s, kind);

    TteBitmap t;
    model::Fill(t, base);
    s.Tile(t, dest, srcRect);
    ASSERT_EQ(model::Of(t), want) << "bitmap, kind " << int(kind);

    TteBitmap viaDC;
    model::Fill(viaDC, base);
    viaDC.DC()->setWindowOrg(-1, 1);
    s.Tile(*viaDC.DC(), dest.offset(-1, 1), srcRect);
    ASSERT_EQ(model::Of(viaDC), want) << "bitmap context, kind " << int(kind);

    // A memory context over a plain surface is written directly.
    platform::gui::Surface surface(base.w, base.h);
    std::copy(base.px.begin(), base.px.end(), surface.bits());
    DeviceContext dc(&surface);
    s.Tile(dc, dest, srcRect);
    Image direct{base.w, base.h, std::vector<uint32_t>(surface.bits(), surface.bits() + base.px.size())};
    ASSERT_EQ(direct, want) << "memory context, kind " << int(kind);
  }
}

TEST_P(BitmapTileTest, TileClipDrawsWholeTilesTouchingTheClip) {
  Image src = model::Random(8, 8, 61), base = model::Random(40, 30, 62);
  const Rect dest{0, 0, 40, 30}, srcRect{0, 0, 8, 8}, clip{9, 9, 10, 17};
  TteBitmap s, t;
  model::Fill(s, src);
  model::Fill(t, base);
  s.TileClip(t, dest, srcRect, clip);
  EXPECT_EQ(model::Of(t), ModelTile(base, dest, src, srcRect, Kind::Opaque, clip));
}

TEST_P(BitmapTileTest, HugeDestinationOnlyVisitsVisibleTiles) {
  Image src = model::Random(1, 1, 71), base = model::Random(16, 16, 72);
  TteBitmap s, t;
  model::Fill(s, src);
  model::Fill(t, base);
  s.Tile(t, Rect{INT32_MIN, INT32_MIN, INT32_MAX, INT32_MAX}, Rect{0, 0, 1, 1});
  for (uint32_t p : model::Of(t).px) ASSERT_EQ(p, src.px[0]);
}

INSTANTIATE_TEST_SUITE_P(EverySet, BitmapTileTest, testing::ValuesIn(SupportedPixelIsas()), IsaName);

}  // namespace
}  // namespace z5t8::skin::render
