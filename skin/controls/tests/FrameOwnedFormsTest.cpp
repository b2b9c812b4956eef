#include <gtest/gtest.h>

#include <memory>

#include "skin/controls/tests/FrameFixture.h"

namespace z5t8::skin::controls::testing {
namespace {

class OwnedFormsIntegration : public FrameTest<> {
protected:
  // The window (Gravitation.OwnedForm) and a follower touching its right edge.
  void MakePair(TTeFormDragMode mode) {
    Make(100, 100, 378, 397, false, [mode](TTeDefaultForm* f) {
      f->Gravitation()->SetOwnedForm(true);
      f->Gravitation()->SetSnapToDesktop(false);
      f->Dragging()->SetDragMode(mode);
    });
    follower = std::make_unique<fw::TForm>(nullptr);
    follower->SetBounds(form->BoundsRect().right, 150, 200, 220);
    followerFrame = new TTeDefaultForm(follower.get());
    followerFrame->Gravitation()->SetSnapToForms(true);
    followerFrame->Loaded();
    follower->Show();
    follower->SetBounds(form->BoundsRect().right, 150, 200, 220);
    pump();
    start = follower->BoundsRect();
  }
  void TearDown() override {
    follower.reset();
    FrameTest<>::TearDown();
  }
  std::unique_ptr<fw::TForm> follower;
  TTeDefaultForm* followerFrame = nullptr;
  TRect start;
};

TEST_F(OwnedFormsIntegration, AFullDragTakesTheFollowerAlong) {
  MakePair(kfdmFullDrag);
  drag(screen(150, 12), screen(190, 42));
  EXPECT_EQ(form->Left(), 140);
  EXPECT_EQ(form->Top(), 130);
  EXPECT_EQ(follower->Left(), start.left + 40);
  EXPECT_EQ(follower->Top(), start.top + 30);
}

TEST_F(OwnedFormsIntegration, AnOutlineDragShowsTheFollowersOutlineAndMovesBothToTheReleasePoint) {
  MakePair(kfdmBorder);
  pg::Surface before = pg::ScreenImage();
  press(screen(150, 12));
  moveTo(screen(210, 52));
  EXPECT_EQ(follower->BoundsRect(), start) << "nothing moves before the release";
  // The follower's outline, 60 right and 40 down of it, is on the screen.
  pg::Surface during = pg::ScreenImage();
  EXPECT_NE(during.pixel(start.left + 60 + 100, start.top + 40),
            before.pixel(start.left + 60 + 100, start.top + 40));
  // Released at another point than the last move: both go where the mouse let go.
  hl::MoveMouse(screen(170, 22).x, screen(170, 22).y);
  release();
  EXPECT_EQ(form->Left(), 120);
  EXPECT_EQ(form->Top(), 110);
  EXPECT_EQ(follower->Left(), start.left + 20);
  EXPECT_EQ(follower->Top(), start.top + 10);
  pg::Surface after = pg::ScreenImage();
  EXPECT_EQ(after.pixel(start.left + 60 + 100, start.top + 40),
            before.pixel(start.left + 60 + 100, start.top + 40))
      << "the outlines are gone";
}

TEST_F(OwnedFormsIntegration, FormsNotTouchingOrNotSnappingStayPut) {
  MakePair(kfdmFullDrag);
  followerFrame->Gravitation()->SetSnapToForms(false);
  auto apart = std::make_unique<fw::TForm>(nullptr);
  apart->SetBounds(form->BoundsRect().right + 5, 450, 150, 150);
  auto* apartFrame = new TTeDefaultForm(apart.get());
  apartFrame->Gravitation()->SetSnapToForms(true);
  apartFrame->Loaded();
  apart->Show();
  pump();
  TRect apartStart = apart->BoundsRect();
  drag(screen(150, 12), screen(190, 42));
  EXPECT_EQ(form->Left(), 140);
  EXPECT_EQ(follower->BoundsRect(), start);
  EXPECT_EQ(apart->BoundsRect(), apartStart);
}

}  // namespace
}  // namespace z5t8::skin::controls::testing
