#include <gtest/gtest.h>

#include "framework/gui/ProgressBar.h"

namespace z5t8::framework {
namespace {

TEST(ProgressBar, BlocksFillInProportionWithGaps) {
  TProgressBar bar(nullptr);
  bar.SetBounds(0, 0, 354, 9);
  struct Case {
    int position;
    size_t blocks;
    int lastRight;
  } cases[] = {{0, 0, 0}, {1, 1, 5}, {50, 30, 179}, {100, 59, 353}};
  for (const Case& c : cases) {
    bar.SetPosition(c.position);
    auto blocks = bar.Blocks();
    ASSERT_EQ(blocks.size(), c.blocks) << c.position;
    if (blocks.empty()) continue;
    EXPECT_EQ(blocks.front(), Rect(1, 1, 5, 8));
    EXPECT_EQ(blocks.back().right, c.lastRight) << c.position;
  }
  bar.SetSmooth(true);
  bar.SetPosition(50);
  EXPECT_EQ(bar.Blocks(), (std::vector<TRect>{Rect(1, 1, 177, 8)}));
}

TEST(ProgressBar, PositionStaysInRangeAndStepItWraps) {
  TProgressBar bar(nullptr);
  bar.SetRange(0, 100);
  bar.SetStep(30);
  int seen[5];
  for (int& s : seen) {
    bar.StepIt();
    s = bar.Position();
  }
  EXPECT_EQ(std::vector<int>(seen, seen + 5), (std::vector<int>{30, 60, 90, 20, 50}));
  bar.SetPosition(500);
  EXPECT_EQ(bar.Position(), 100);
  bar.StepBy(-300);
  EXPECT_EQ(bar.Position(), 0);
  bar.SetMax(-5);
  EXPECT_EQ(bar.Min(), -5);
  EXPECT_EQ(bar.Position(), -5);
}

}  // namespace
}  // namespace z5t8::framework
