#include <gtest/gtest.h>

#include <functional>
#include <vector>

#include "framework/gui/Memo.h"

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

// The bar holds the mouse through its parent's window; when a modal box
// disables the form or another window takes the mouse, the repeat and the thumb
// drag stop where they are and the bar ends the scroll.
TEST_F(ScrollBarIntegration, RepeatAndThumbDragEndWhenTheMouseIsTakenAway) {
  auto* other = new framework::TMemo(form.get());
  other->SetParent(form.get());
  other->SetBounds(10, 10, 100, 60);
  Pump();
  struct Take {
    const char* what;
    std::function<void()> take, undo;
  } takes[] = {
      {"the form disabled", [&] { pg::EnableWindow(form->Handle(), pg::FALSE); },
       [&] { pg::EnableWindow(form->Handle(), pg::TRUE); }},
      {"another window captures", [&] { pg::SetCapture(other->Handle()); }, [] { pg::ReleaseCapture(); }},
  };
  struct Start {
    const char* what;
    int y;
  } starts[] = {{"down button", 224}, {"thumb", 20}, {"track", 150}};
  for (const Take& t : takes) {
    for (const Start& s : starts) {
      bar->SetPosition(0);
      calls.clear();
      Press(bar, 8, s.y);
      t.take();
      Pump();
      EXPECT_FALSE(bar->RepeatRunning()) << t.what << ", " << s.what;
      EXPECT_EQ(bar->GrabOffset(), -1) << t.what << ", " << s.what;
      ASSERT_FALSE(calls.empty());
      EXPECT_EQ(calls.back().code, zqcEndScroll) << t.what << ", " << s.what;
      int position = bar->Position();
      Wait(delay + 3 * speed);
      MoveTo(bar, 8, 200);
      EXPECT_EQ(bar->Position(), position) << t.what << ", " << s.what;
      Release();
      t.undo();
      Pump();
      hl::AdvanceClock(1000);
    }
  }
  // Pressed again, the bar has the mouse once more.
  bar->SetPosition(0);
  Press(bar, 8, 20);
  MoveTo(bar, 8, 120);
  EXPECT_GT(bar->Position(), 0);
  Release();
}

// The scroll handler may free the bar at any of its notifications; the bar's
// code touches nothing of it afterwards (the sanitizer would see it).
TEST_F(ScrollBarIntegration, ABarFreedByItsScrollHandlerIsNotTouchedAgain) {
  struct Case {
    const char* what;
    TTeScrollCode code;
    int pressY;
    int moveY;      // -1: no move while held
    int waitSteps;  // repeat steps to wait for
  } cases[] = {
      {"a line at the press", zqcLineDown, 224, -1, 0}, {"a repeated line", zqcLineDown, 224, -1, 2},
      {"a page at the press", zqcPageDown, 150, -1, 0}, {"the thumb grabbed", zqcTrack, 20, -1, 0},
      {"the thumb tracked", zqcTrack, 20, 60, 0},       {"the end of the scroll", zqcEndScroll, 224, -1, 0},
  };
  for (const Case& c : cases) {
    auto* doomed = new TTeScrollBar(form.get());
    doomed->SetParent(form.get());
    doomed->SetOrientation(zqoVertical);
    doomed->SetBounds(300, 10, 16, 232);
    doomed->SetPageSize(10);
    Pump();
    int seen = 0;
    int after = c.waitSteps;
    bool grabbed = false;
    doomed->OnScroll = [&](TObject*, TTeScrollCode code, int&) {
      if (code != c.code) return;
      if (c.moveY >= 0 && !grabbed) {
        grabbed = true;  // the grab itself; free at the first tracked move
        return;
      }
      if (seen++ < after) return;
      delete doomed;
      doomed = nullptr;
    };
    Press(doomed, 8, c.pressY);
    if (doomed && c.moveY >= 0) MoveTo(doomed, 8, c.moveY);
    for (int i = 0; doomed && i < c.waitSteps; ++i) Wait(delay);
    if (doomed) Release();
    Pump();
    EXPECT_EQ(doomed, nullptr) << c.what;
    delete doomed;
    hl::ReleaseButton();
    Pump();
    hl::AdvanceClock(1000);
  }
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
