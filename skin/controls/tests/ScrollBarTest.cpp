#include <gtest/gtest.h>

#include <vector>

#include "skin/controls/ScrollBar.h"
#include "skin/controls/tests/ControlsFixture.h"
#include "skin/render/WindowUtils.h"

namespace z5t8::skin::controls {
namespace {

using framework::TObject;

// A vertical bar with a 200-pixel track: Max 100, page 10.
class ScrollBarIntegration : public ControlsTest {
protected:
  void SetUp() override {
    ControlsTest::SetUp();
    bar = new TTeScrollBar(form.get());
    bar->SetParent(form.get());
    bar->SetOrientation(zqoVertical);
    bar->SetBounds(300, 10, 16, 232);
    bar->SetPageSize(10);
    bar->OnScroll = [this](TObject*, TTeScrollCode code, int& position) {
      calls.push_back({code, position});
    };
    Show();
    delay = render::GetKeyBoardDelayInterval();
    speed = render::GetKeyBoardSpeedInterval();
  }
  void Wait(int ms) {
    hl::AdvanceClock(static_cast<uint32_t>(ms));
    Pump();
  }
  struct Call {
    TTeScrollCode code;
    int position;
  };
  TTeScrollBar* bar = nullptr;
  std::vector<Call> calls;
  int delay = 0;
  int speed = 0;
};

TEST_F(ScrollBarIntegration, ArrowRepeatsAfterTheDelayAtTheSpeedAndPausesOffTheButton) {
  ASSERT_GT(delay, speed);
  Press(bar, 8, 224);  // the down button
  EXPECT_EQ(bar->Position(), 1) << "one line at once";
  Wait(delay - 1);
  EXPECT_EQ(bar->Position(), 1);
  Wait(1);
  EXPECT_EQ(bar->Position(), 2) << "the next after the keyboard delay";
  Wait(speed);
  EXPECT_EQ(bar->Position(), 3) << "then one per speed interval";
  Wait(speed);
  EXPECT_EQ(bar->Position(), 4);
  MoveTo(bar, 8, 100);
  for (int i = 0; i < 3; ++i) Wait(speed);
  EXPECT_EQ(bar->Position(), 4) << "off the button the steps pause";
  MoveTo(bar, 8, 220);
  Wait(speed);
  EXPECT_EQ(bar->Position(), 5) << "back on it they resume";
  Release();
  for (int i = 0; i < 5; ++i) Wait(speed);
  EXPECT_EQ(bar->Position(), 5);
  EXPECT_FALSE(bar->RepeatRunning());
  ASSERT_GE(calls.size(), 2u);
  EXPECT_EQ(calls.front().code, zqcLineDown);
  EXPECT_EQ(calls.back().code, zqcEndScroll);
}

TEST_F(ScrollBarIntegration, TrackPagingStopsWhenTheThumbReachesTheMouse) {
  Press(bar, 8, 200);
  EXPECT_EQ(bar->Position(), 10);
  Wait(delay);
  for (int i = 0; i < 20; ++i) Wait(speed);
  // Position 90 puts the thumb over y = 200 (194 .. 214): no lower track part under the mouse.
  EXPECT_EQ(bar->Position(), 90);
  EXPECT_TRUE(bar->GetSliderRect().contains({8, 200}));
  Release();
  for (const Call& c : calls)
    if (c.code != zqcEndScroll) EXPECT_EQ(c.code, zqcPageDown);
}

TEST_F(ScrollBarIntegration, ThumbDragFromItsFirstPixel) {
  Press(bar, 8, 16);  // the thumb's first pixel at position 0
  EXPECT_EQ(bar->GrabOffset(), 0);
  ASSERT_FALSE(calls.empty());
  EXPECT_EQ(calls.back().code, zqcTrack);
  MoveTo(bar, 8, 16 + 89);
  EXPECT_EQ(bar->Position(), 45) << "nearest(89 * 91 / 180)";
  EXPECT_EQ(bar->PositionCoordinate(), 16 + 89);
  MoveTo(bar, 8, 400);
  EXPECT_EQ(bar->Position(), 91) << "held at the track end";
  MoveTo(bar, 8, -50);
  EXPECT_EQ(bar->Position(), 0);
  Release();
  ASSERT_GE(calls.size(), 2u);
  EXPECT_EQ(calls[calls.size() - 2].code, zqcPosition);
  EXPECT_EQ(calls.back().code, zqcEndScroll);
  EXPECT_EQ(bar->GrabOffset(), -1);
}

TEST_F(ScrollBarIntegration, ScrollHandlerMayChangeThePosition) {
  bar->OnScroll = [](TObject*, TTeScrollCode code, int& position) {
    if (code == zqcLineDown) position = 42;
  };
  Press(bar, 8, 224);
  Release();
  EXPECT_EQ(bar->Position(), 42);
}

TEST_F(ScrollBarIntegration, StepsAsKeysStayInTheRange) {
  struct Case {
    TTeScrollCode code;
    int from, to;
  } cases[] = {{zqcLineUp, 0, 0},      {zqcLineDown, 99, 100}, {zqcLineDown, 100, 100}, {zqcPageUp, 5, 0},
               {zqcPageDown, 95, 100}, {zqcTop, 50, 0},        {zqcBottom, 50, 100}};
  for (const Case& c : cases) {
    bar->SetPosition(c.from);
    bar->ScrollStep(c.code);
    EXPECT_EQ(bar->Position(), c.to) << c.code << " from " << c.from;
  }
  bar->SetPageSize(0);
  bar->SetLargeChange(7);
  bar->SetPosition(20);
  bar->ScrollStep(zqcPageDown);
  EXPECT_EQ(bar->Position(), 27) << "LargeChange pages without a page size";
}

TEST_F(ScrollBarIntegration, AutoScrollRunsAtTheSpeedAndStopsAtTheEnd) {
  bar->SetPosition(97);
  bar->SetAutoScrollDown(true);
  EXPECT_EQ(bar->Position(), 97);
  Wait(speed);
  EXPECT_EQ(bar->Position(), 98);
  for (int i = 0; i < 5; ++i) Wait(speed);
  EXPECT_EQ(bar->Position(), 100);
  EXPECT_FALSE(bar->AutoScrollDown());
  EXPECT_FALSE(bar->RepeatRunning());
}

TEST_F(ScrollBarIntegration, HotPartsClearWhenTheMouseLeaves) {
  MoveTo(bar, 8, 224);
  MoveTo(form.get(), 10, 300);
  Press(bar, 8, 224);
  EXPECT_EQ(bar->Position(), 1) << "hot again under the press";
  Release();
  bar->SetEnabled(false);
  Press(bar, 8, 224);
  EXPECT_EQ(bar->Position(), 1) << "a disabled bar does not step";
  Release();
}

}  // namespace
}  // namespace z5t8::skin::controls
