#include <gtest/gtest.h>

#include "skin/render/RectUtils.h"
#include "skin/render/Tokens.h"

namespace z5t8::skin::render {
namespace {

TEST(TokensTest, GetTokenSplitsAtTheFirstDelimiter) {
  std::string text = "Width =  12";
  EXPECT_EQ(GetToken(text), "Width");
  EXPECT_EQ(text, "=  12");
  EXPECT_EQ(GetToken(text), "");
  EXPECT_EQ(text, "12");
  EXPECT_EQ(GetToken(text), "12");
  EXPECT_EQ(text, "");
  EXPECT_EQ(GetToken(text), "");

  text = " leading";
  EXPECT_EQ(GetToken(text), "");
  EXPECT_EQ(text, "leading");
}

TEST(TokensTest, GivenDelimitersReplaceTheStandardOnes) {
  std::string text = "a b|c";
  EXPECT_EQ(GetToken(text, "|"), "a b");
  EXPECT_EQ(text, "c");
  TSysCharSet set;
  set.set('x');
  text = "1 2x3";
  EXPECT_EQ(GetToken(text, set), "1 2");
  EXPECT_EQ(text, "3");
}

TEST(RectTextTest, StringToRect) {
  struct Case {
    const char* text;
    Rect want;
  } cases[] = {
      {"1,2,3,4", {1, 2, 3, 4}},
      {"-5, 6,7,  8 ", {-5, 6, 7, 8}},
      {" 1,2,3,4", {}},
      {"1 ,2,3,4", {}},
      {"1,2,x,4", {}},
      {"(1,2,3,4)", {}},
      {"1,2,3", {}},
      {"1,2,3,99999999999", {}},
      {"", {}},
  };
  for (const Case& c : cases) EXPECT_EQ(StringToRect(c.text), c.want) << c.text;
  EXPECT_EQ(RectToString({1, -2, 30, 4}), "(1,-2,30,4)");
}

TEST(RectTest, MarginRectScalesMarginsThatDoNotFit) {
  struct Case {
    Rect r, margins, want;
  } cases[] = {
      // 10 wide against 8 + 12: q = 0.5.
      {{0, 0, 10, 50}, {8, 1, 12, 2}, {4, 1, 4, 48}},
      // Height too small: top and bottom scaled, sides in full.
      {{0, 0, 50, 6}, {3, 4, 5, 8}, {3, 2, 45, 2}},
      {{10, 10, 40, 40}, {1, 2, 3, 4}, {11, 12, 37, 36}},
      // Zero margins on a zero-width rectangle.
      {{5, 5, 5, 9}, {0, 0, 0, 0}, {5, 5, 5, 9}},
  };
  for (const Case& c : cases) {
    Rect got = MarginRect(c.r, c.margins);
    EXPECT_EQ(got, c.want) << RectToString(c.r) << " " << RectToString(c.margins) << " -> "
                           << RectToString(got);
  }
  // Hostile margins saturate instead of overflowing.
  (void)MarginRect({0, 0, 10, 10}, {INT32_MAX, INT32_MIN, -INT32_MAX, INT32_MAX});
}

TEST(RectTest, CentringTruncatesTowardZero) {
  Rect r{0, 0, 3, 3};
  EXPECT_EQ(RectCenter(r, {10, 10, 20, 18}), (Rect{13, 12, 16, 15}));
  EXPECT_EQ(r, (Rect{13, 12, 16, 15}));
  r = {0, 0, 5, 5};
  EXPECT_EQ(RectVCenter(r, {0, 0, 2, 2}), (Rect{0, -1, 5, 4}));
  r = {0, 0, 5, 5};
  EXPECT_EQ(RectHCenter(r, {0, 0, 2, 2}), (Rect{-1, 0, 4, 5}));
}

TEST(RectTest, Arithmetic) {
  EXPECT_TRUE(IsRectEmpty({0, 0, 0, 5}));
  EXPECT_TRUE(IsRectEmpty({3, 0, 1, 5}));
  EXPECT_FALSE(IsRectEmpty({0, 0, 1, 1}));
  EXPECT_EQ(RectOffset({1, 2, 3, 4}, 2), (Rect{-1, 0, 5, 6}));
  EXPECT_TRUE(RectInRect({1, 1, 2, 2}, {0, 0, 2, 2}));
  EXPECT_FALSE(RectInRect({1, 1, 3, 2}, {0, 0, 2, 2}));
  EXPECT_EQ(RectWidth({INT32_MIN, 0, INT32_MAX, 0}), INT32_MAX);
}

}  // namespace
}  // namespace z5t8::skin::render
