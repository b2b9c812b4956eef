#include <gtest/gtest.h>

#include "platform/gui/Region.h"

namespace z5t8::platform::gui {
namespace {

TEST(Region, CombineModes) {
  Region a(Rect{0, 0, 10, 10});
  Region b(Rect{5, 5, 15, 15});
  struct Case {
    int mode;
    int complexity;
    int area;
  } cases[] = {
      {RGN_AND, SIMPLEREGION, 25},   {RGN_OR, COMPLEXREGION, 175},  {RGN_XOR, COMPLEXREGION, 150},
      {RGN_DIFF, COMPLEXREGION, 75}, {RGN_COPY, SIMPLEREGION, 100},
  };
  for (const Case& c : cases) {
    Region r;
    EXPECT_EQ(r.combine(a, b, c.mode), c.complexity) << c.mode;
    int area = 0;
    for (const Rect& q : r.rects()) area += q.width() * q.height();
    EXPECT_EQ(area, c.area) << c.mode;
  }
  Region r;
  EXPECT_EQ(r.combine(a, b, 9), RGN_ERROR);
  EXPECT_EQ(Region::combined(Region(Rect{0, 0, 2, 2}), Region(Rect{5, 5, 6, 6}), RGN_AND).complexity(),
            NULLREGION);
}

TEST(Region, TestsBoxOffsetAndEquality) {
  Region r(Rect{0, 0, 10, 10});
  r.subtract({3, 3, 6, 6});
  EXPECT_TRUE(r.contains({0, 0}));
  EXPECT_FALSE(r.contains({10, 0}));  // right edge excluded
  EXPECT_FALSE(r.contains({4, 4}));
  EXPECT_TRUE(r.intersects({5, 5, 7, 7}));
  EXPECT_FALSE(r.intersects({3, 3, 6, 6}));
  EXPECT_FALSE(r.containsRect({5, 5, 7, 7}));
  EXPECT_TRUE(r.containsRect({0, 0, 10, 3}));
  r.offset(5, -2);
  EXPECT_EQ(r.box(), (Rect{5, -2, 15, 8}));
  Region same =
      Region::fromRects(std::vector<Rect>{{5, -2, 15, 1}, {5, 1, 8, 4}, {11, 1, 15, 4}, {5, 4, 15, 8}});
  EXPECT_TRUE(r == same);
  same.unite({8, 1, 9, 2});
  EXPECT_FALSE(r == same);
  EXPECT_EQ(Region().box(), (Rect{}));
  EXPECT_TRUE(Region(Rect{3, 3, 3, 9}).isEmpty());
}

TEST(Region, PolygonFillModesAndCentreSampling) {
  std::vector<Point> square{{0, 0}, {10, 0}, {10, 10}, {0, 10}};
  EXPECT_TRUE(Region::polygon(square, ALTERNATE) == Region(Rect{0, 0, 10, 10}));
  // A pentagram: the centre is inside under winding, outside under alternate.
  std::vector<Point> star{{50, 0}, {79, 90}, {2, 35}, {98, 35}, {21, 90}};
  Region winding = Region::polygon(star, WINDING);
  Region alternate = Region::polygon(star, ALTERNATE);
  EXPECT_TRUE(winding.contains({50, 50}));
  EXPECT_FALSE(alternate.contains({50, 50}));
  EXPECT_TRUE(alternate.contains({50, 10}));
  // A right triangle takes the pixels whose centres are inside.
  std::vector<Point> tri{{0, 0}, {4, 0}, {0, 4}};
  std::vector<Rect> rows = Region::polygon(tri, ALTERNATE).rects();
  ASSERT_EQ(rows.size(), 3u);
  EXPECT_EQ(rows[0], (Rect{0, 0, 3, 1}));
  EXPECT_EQ(rows[1], (Rect{0, 1, 2, 2}));
  EXPECT_EQ(rows[2], (Rect{0, 2, 1, 3}));
}

TEST(Region, RoundRectAndEllipseStayInsideTheirBounds) {
  Region rr = Region::roundRect({0, 0, 20, 10}, 6, 6);
  EXPECT_EQ(rr.box(), (Rect{0, 0, 20, 10}));
  EXPECT_FALSE(rr.contains({0, 0}));
  EXPECT_TRUE(rr.contains({10, 0}));
  EXPECT_TRUE(rr.contains({0, 5}));
  Region e = Region::ellipse({0, 0, 9, 9});
  EXPECT_EQ(e.box(), (Rect{0, 0, 9, 9}));
  EXPECT_TRUE(e.contains({4, 0}));
  EXPECT_FALSE(e.contains({0, 0}));
  // Symmetric left to right and top to bottom.
  for (const Rect& r : e.rects()) {
    EXPECT_EQ(r.left, 9 - r.right);
  }
}

}  // namespace
}  // namespace z5t8::platform::gui
