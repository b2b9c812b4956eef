#include "skin/render/BitmapRegion.h"

#include <gtest/gtest.h>

namespace z5t8::skin::render {
namespace {

TEST(BitmapRegionTest, KeyPixelsAreLeftOut) {
  TteBitmap empty;
  EXPECT_FALSE(CreateRegionFromBitmap(empty, 0, 0).has_value());

  TteBitmap b;
  b.SetSize(4, 3);
  b.Clear(teTransparentVar);
  auto none = CreateRegionFromBitmap(b, 0, 0);
  ASSERT_TRUE(none.has_value());
  EXPECT_TRUE(none->isEmpty());

  b.Clear(0xFF000000u);
  auto full = CreateRegionFromBitmap(b, 10, 20);
  EXPECT_EQ(full->rects(), (std::vector<Rect>{{10, 20, 14, 23}}));
  EXPECT_EQ(full->box(), (Rect{10, 20, 14, 23}));

  // Alpha does not matter, only the colour: a key with alpha 255 is left out.
  b.SetPixel(1, 1, 0xFF7F007Fu);
  b.SetPixel(3, 2, 0x007F007Fu);
  b.SetPixel(0, 0, 0x00123456u);
  auto holes = CreateRegionFromBitmap(b, 0, 0);
  EXPECT_FALSE(holes->contains({1, 1}));
  EXPECT_FALSE(holes->contains({3, 2}));
  EXPECT_TRUE(holes->contains({0, 0}));
  EXPECT_TRUE(holes->contains({2, 1}));
  EXPECT_TRUE(holes->contains({3, 1}));
}

TEST(BitmapRegionTest, MoreRunsThanTheBufferHintStillGiveTheWholeRegion) {
  // A checkerboard of 200 x 100 has 10,000 runs.
  TteBitmap b;
  b.SetSize(200, 100);
  for (int y = 0; y < 100; ++y)
    for (int x = 0; x < 200; ++x) b.SetPixel(x, y, (x + y) % 2 ? teTransparentVar : teBlack);
  auto r = CreateRegionFromBitmap(b, 0, 0);
  for (int y = 0; y < 100; ++y)
    for (int x = 0; x < 200; ++x) ASSERT_EQ(r->contains({x, y}), (x + y) % 2 == 0) << x << "," << y;
}

}  // namespace
}  // namespace z5t8::skin::render
