#include <gtest/gtest.h>

#include <string>

#include "framework/gui/EditControl.h"
#include "platform/gui/ScrollBar.h"
#include "platform/gui/VirtualKeys.h"
#include "platform/gui/Window.h"
#include "skin/controls/Control.h"
#include "skin/controls/Memo.h"
#include "skin/controls/tests/ControlsFixture.h"

namespace z5t8::skin::controls {
namespace {

class MemoIntegration : public ControlsTest {
protected:
  void SetUp() override {
    ControlsTest::SetUp();
    memo = new TTeMemo(form.get());
    memo->SetParent(form.get());
    memo->SetBounds(1, 17, 368, 273);
    memo->SetScrollBars(framework::ssVertical);
    std::u16string text;
    for (int i = 0; i < 60; ++i) text += u"line " + std::u16string(1, char16_t(u'A' + i % 26)) + u"\r\n";
    memo->SetText(text);
    Show();
  }
  TTeInplaceScrollBar* Inplace() { return memo->SubScrollBar()->VertScrollBar(); }
  // The in-place bar matches the platform bar: place, range, page and position.
  void ExpectInStep(const std::string& when) {
    SCOPED_TRACE(when);
    pg::SCROLLBARINFO info;
    ASSERT_TRUE(pg::GetScrollBarInfo(memo->Handle(), pg::OBJID_VSCROLL, &info));
    TTeInplaceScrollBar* bar = Inplace();
    ASSERT_TRUE(bar->Visible());
    pg::Point topLeft = form->ScreenToClient({info.rcScrollBar.left, info.rcScrollBar.top});
    EXPECT_EQ(bar->BoundsRect(),
              framework::Bounds(topLeft.x, topLeft.y, info.rcScrollBar.width(), info.rcScrollBar.height()));
    pg::SCROLLINFO si;
    si.fMask = pg::SIF_ALL;
    ASSERT_TRUE(pg::GetScrollInfo(memo->Handle(), pg::SB_VERT, &si));
    EXPECT_EQ(bar->ScrollBar()->Min(), si.nMin);
    EXPECT_EQ(bar->ScrollBar()->Max(), si.nMax);
    EXPECT_EQ(bar->ScrollBar()->PageSize(), static_cast<int>(si.nPage));
    EXPECT_EQ(bar->ScrollBar()->Position(), si.nPos);
  }
  int TopRow() { return pg::GetScrollPos(memo->Handle(), pg::SB_VERT); }
  TTeMemo* memo = nullptr;
};

TEST_F(MemoIntegration, InplaceBarIsASiblingOverThePlatformBar) {
  EXPECT_EQ(Inplace()->Parent(), form.get());
  EXPECT_GT(Inplace()->Width(), 0);
  ExpectInStep("after showing");
  EXPECT_EQ(Inplace()->ScrollBar()->Orientation(), zqoVertical);
  EXPECT_FALSE(memo->SubScrollBar()->HorzScrollBar()->Visible()) << "no horizontal platform bar";
}

TEST_F(MemoIntegration, InplaceBarFollowsAppendsKeysAndWheel) {
  for (int i = 0; i < 40; ++i) memo->Lines()->Add("appended");
  Pump();
  ExpectInStep("after appends");
  memo->SetFocus();
  Pump();
  Key(pg::VK_NEXT);
  Key(pg::VK_NEXT);
  ASSERT_GT(TopRow(), 0);
  ExpectInStep("after Page Down");
  MoveTo(memo, 100, 100);
  hl::Wheel(-120);
  Pump();
  ExpectInStep("after the wheel");
  Key(pg::VK_HOME);
  hl::PressKey(pg::VK_CONTROL);
  Key(pg::VK_END);
  hl::ReleaseKey(pg::VK_CONTROL);
  Pump();
  ExpectInStep("after Ctrl+End");
}

TEST_F(MemoIntegration, DraggingTheSkinnedThumbScrollsTheMemo) {
  TTeScrollBar* bar = Inplace()->ScrollBar();
  ASSERT_TRUE(bar->SliderVisible());
  TRect thumb = bar->GetSliderRect();
  ASSERT_EQ(TopRow(), 0);
  Press(bar, thumb.left + 4, thumb.top + 2);
  MoveTo(bar, thumb.left + 4, thumb.top + 2 + 60);
  int top = TopRow();
  EXPECT_GT(top, 0) << "the memo scrolls while the thumb moves";
  Release();
  EXPECT_EQ(TopRow(), top);
  ExpectInStep("after the drag");
  Press(bar, 8, bar->Height() - 4);
  Release();
  EXPECT_EQ(TopRow(), top + 1) << "the down arrow scrolls one line";
  ExpectInStep("after the arrow");
}

// The memo's window is made again (a style change does that); its in-place bar
// follows the new window as it did the old one.
TEST_F(MemoIntegration, InplaceBarKeepsWorkingAfterTheMemosWindowIsMadeAgain) {
  pg::HWND old = memo->Handle();
  memo->RecreateWnd();
  Pump();
  ASSERT_TRUE(memo->HandleAllocated());
  ASSERT_NE(memo->Handle(), old);
  ASSERT_FALSE(Inplace()->Closing());
  ExpectInStep("after the new window");
  TTeScrollBar* bar = Inplace()->ScrollBar();
  Press(bar, 8, bar->Height() - 4);
  Release();
  EXPECT_EQ(TopRow(), 1) << "the down arrow scrolls the new window";
  for (int i = 0; i < 40; ++i) memo->Lines()->Add("appended");
  Pump();
  ExpectInStep("after appends");
}

TEST_F(MemoIntegration, HotStateEndsWhenTheMouseLeaves) {
  MoveTo(memo, 50, 50);
  EXPECT_TRUE(memo->IsHot());
  MoveTo(form.get(), 400, 330);
  EXPECT_FALSE(memo->IsHot());
}

TEST_F(MemoIntegration, FreeingTheMemoTakesItsBarsAlong) {
  int before = form->ControlCount();
  delete memo;
  memo = nullptr;
  Pump();
  EXPECT_EQ(form->ControlCount(), before - 3) << "the memo and both in-place bars";
  form->Invalidate();
  Pump();
}

TEST_F(MemoIntegration, HiddenMemoHidesItsBar) {
  memo->Hide();
  Pump();
  EXPECT_FALSE(Inplace()->Visible());
  memo->Show();
  Pump();
  ExpectInStep("shown again");
}

}  // namespace
}  // namespace z5t8::skin::controls

namespace z5t8::skin::controls {
namespace {

class WideMemoIntegration : public ControlsTest {};

TEST_F(WideMemoIntegration, HorizontalInplaceBarScrollsSideways) {
  auto* memo = new TTeMemo(form.get());
  memo->SetParent(form.get());
  memo->SetBounds(10, 10, 200, 150);
  memo->SetWordWrap(false);
  memo->SetScrollBars(framework::ssBoth);
  std::u16string text;
  for (int i = 0; i < 30; ++i)
    text += u"a long line that does not fit into the memo's width at all " +
            std::u16string(1, char16_t(u'A' + i)) + u"\r\n";
  memo->SetText(text);
  Show();
  TTeInplaceScrollBar* horz = memo->SubScrollBar()->HorzScrollBar();
  ASSERT_TRUE(horz->Visible());
  EXPECT_EQ(horz->ScrollBar()->Orientation(), zqoHorizontal);
  EXPECT_GT(horz->Width(), horz->Height());
  EXPECT_EQ(pg::GetScrollPos(memo->Handle(), pg::SB_HORZ), 0);
  TTeScrollBar* bar = horz->ScrollBar();
  Press(bar, bar->Width() - 4, 8);  // the right arrow
  Release();
  int pos = pg::GetScrollPos(memo->Handle(), pg::SB_HORZ);
  EXPECT_GT(pos, 0) << "the memo scrolls sideways";
  EXPECT_EQ(bar->Position(), pos);
  EXPECT_EQ(pg::GetScrollPos(memo->Handle(), pg::SB_VERT), 0) << "and not down";
}

TEST_F(WideMemoIntegration, InvalidateNowPaintsBeforeReturning) {
  auto* control = new TTeControl(form.get());
  control->SetParent(form.get());
  control->SetBounds(10, 10, 50, 50);
  Show();
  int paints = 0;
  auto old = control->WindowProc;
  control->WindowProc = [&](framework::TMessage& m) {
    if (m.Msg == pg::WM_PAINT) ++paints;
    old(m);
  };
  control->InvalidateNow();
  EXPECT_EQ(paints, 1);
  control->WindowProc = old;
}

}  // namespace
}  // namespace z5t8::skin::controls
