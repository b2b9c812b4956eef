#include <gtest/gtest.h>

#include <climits>

#include <memory>

#include "framework/gui/tests/GuiFixture.h"
#include "platform/gui/SystemMetrics.h"
#include "skin/controls/ScrollBar.h"

namespace z5t8::skin::controls {
namespace {

using framework::Rect;
namespace pg = platform::gui;

class ScrollBarGeometry : public framework::GuiTest {
protected:
  void SetUp() override {
    GuiTest::SetUp();
    bar = std::make_unique<TTeScrollBar>(nullptr);
  }
  void TearDown() override {
    bar.reset();
    GuiTest::TearDown();
  }
  // A vertical bar whose track is `track` pixels long between 16-pixel buttons.
  void Vertical(int track) {
    bar->SetOrientation(zqoVertical);
    bar->SetBounds(0, 0, 16, track + 32);
  }
  std::unique_ptr<TTeScrollBar> bar;
};

TEST_F(ScrollBarGeometry, ThumbSizeAndPlaceFollowRangeAndPage) {
  ASSERT_EQ(pg::GetSystemMetrics(pg::SM_CYVTHUMB), 16);
  Vertical(200);
  bar->SetMax(100);
  bar->SetPageSize(10);
  EXPECT_EQ(bar->GetBackgroundRect(), Rect(0, 16, 16, 216));
  EXPECT_EQ(bar->GetSliderSize(), 20) << "nearest(200 * 10 / 101)";
  EXPECT_EQ(bar->GetSliderRect(), Rect(0, 16, 16, 36));
  bar->SetPosition(91);
  EXPECT_EQ(bar->GetSliderRect().bottom, 216) << "the last page ends the thumb at the track end";
  bar->SetPosition(45);
  EXPECT_EQ(bar->PositionCoordinate(), 16 + 89) << "nearest(45 * 180 / 91) = 89";
  EXPECT_EQ(bar->GetLeftTopTrackRect(), Rect(0, 16, 16, 105));
  EXPECT_EQ(bar->GetRightBottomTrackRect(), Rect(0, 125, 16, 216));
}

TEST_F(ScrollBarGeometry, ThumbSizeRules) {
  struct Case {
    int track, min, max, page, size;
  } cases[] = {
      {200, 0, 100, 10, 20},  // proportional
      {200, 0, 1000, 1, 10},  // never below (16 div 3) * 2
      {200, 0, 100, 0, 16},   // no page: the system thumb
      {200, 0, 100, 101, 0},  // the page covers the range: no thumb
      {12, 0, 100, 0, 0},     // a thumb as long as the track is not drawn
  };
  for (const Case& c : cases) {
    Vertical(c.track);
    bar->SetMin(c.min);
    bar->SetMax(c.max);
    bar->SetPageSize(c.page);
    EXPECT_EQ(bar->GetSliderSize(), c.size) << c.track << " " << c.max << " " << c.page;
    EXPECT_EQ(bar->SliderVisible(), c.size > 0);
    bar->SetPageSize(0);
  }
}

TEST_F(ScrollBarGeometry, NarrowBarHalvesItsButtons) {
  bar->SetBounds(0, 0, 20, 16);  // horizontal, shorter than two 16-pixel buttons
  EXPECT_EQ(bar->GetBtnSize(), 10);
  EXPECT_EQ(bar->GetLeftTopBtnRect(), Rect(0, 0, 10, 16));
  EXPECT_EQ(bar->GetRightBottomBtnRect(), Rect(10, 0, 20, 16));
  EXPECT_TRUE(bar->GetBackgroundRect().isEmpty());
  bar->SetBorderWidth(2);
  bar->SetBounds(0, 0, 100, 20);
  EXPECT_EQ(bar->GetLeftTopBtnRect(), Rect(2, 2, 18, 18));
  EXPECT_EQ(bar->GetRightBottomBtnRect(), Rect(82, 2, 98, 18));
  bar->SetShowButtons(false);
  EXPECT_EQ(bar->GetBackgroundRect(), Rect(2, 2, 98, 18));
}

TEST_F(ScrollBarGeometry, CoordinatesMapBackToPositions) {
  Vertical(200);
  bar->SetMax(100);
  bar->SetPageSize(10);
  for (int p : {0, 1, 30, 45, 90, 91}) {
    bar->SetPosition(p);
    EXPECT_EQ(bar->CoordinatePosition(bar->PositionCoordinate()), p);
  }
  EXPECT_EQ(bar->CoordinatePosition(-50), 0) << "raised to Min";
  EXPECT_EQ(bar->CoordinatePosition(1000), 91) << "lowered to Max - PageSize + 1";
  bar->SetPageSize(0);
  bar->SetPosition(100);
  EXPECT_EQ(bar->GetSliderRect().bottom, 216) << "without a page the position runs to Max";
}

TEST_F(ScrollBarGeometry, SettersKeepTheRangeConsistent) {
  bar->SetMax(50);
  bar->SetPosition(40);
  bar->SetPageSize(80);
  EXPECT_EQ(bar->PageSize(), 51);
  bar->SetMax(20);
  EXPECT_EQ(bar->Position(), 20);
  EXPECT_EQ(bar->PageSize(), 21);
  bar->SetMin(30);
  EXPECT_EQ(bar->Min(), 20) << "Min is lowered to Max";
  bar->SetPageSize(-1);
  EXPECT_EQ(bar->PageSize(), 1);
  bar->SetPosition(-5);
  EXPECT_EQ(bar->Position(), 20);
}

TEST_F(ScrollBarGeometry, ARangeSpanningAllOfIntKeepsItsPageAndItsThumb) {
  Vertical(200);
  bar->SetMin(INT_MIN);
  bar->SetMax(INT_MAX);
  bar->SetPageSize(INT_MAX);
  EXPECT_EQ(bar->PageSize(), INT_MAX) << "Max - Min + 1 is past int, so any page fits";
  bar->SetMax(INT_MAX - 1);
  EXPECT_EQ(bar->PageSize(), INT_MAX);
  // A thumb of about half the track, at its start, and positions that map back into the range.
  EXPECT_NEAR(bar->GetSliderSize(), 100, 1);
  bar->SetPosition(INT_MIN);
  EXPECT_EQ(bar->CoordinatePosition(bar->PositionCoordinate()), INT_MIN);
  EXPECT_EQ(bar->CoordinatePosition(100000), 0) << "lowered to Max - PageSize + 1";
  bar->SetPageSize(0);
  bar->SetPosition(INT_MAX - 1);
  EXPECT_EQ(bar->CoordinatePosition(bar->PositionCoordinate()), INT_MAX - 1);
}

}  // namespace
}  // namespace z5t8::skin::controls
