#include <gtest/gtest.h>

#include <vector>

#include "framework/gui/ColorMap.h"
#include "platform/gui/SystemMetrics.h"
#include "platform/gui/Window.h"
#include "platform/gui/WindowStyles.h"
#include "skin/controls/Control.h"
#include "skin/controls/FontOptions.h"
#include "skin/controls/ScrollBar.h"
#include "skin/controls/SharedBuffer.h"
#include "skin/controls/tests/ControlsFixture.h"
#include "skin/render/Bitmap.h"

namespace z5t8::skin::controls {
namespace {

using framework::Rect;
using framework::TColor;

uint32_t Rgb(TColor c) {
  pg::ColorRef r = framework::ColorToRGB(c);
  return ((r & 0xFF) << 16) | (r & 0xFF00) | ((r >> 16) & 0xFF);
}

TEST(FontOptions, ApplyOptionsAddsAndNeverRemoves) {
  framework::TFont font;
  font.SetSize(9);
  font.SetColor(0x123456);
  font.SetStyle({framework::fsItalic});
  TTeFontOptions options;
  int changes = 0;
  options.OnChange = [&] { ++changes; };
  options.SetSizeDelta(10);
  options.SetSizeDelta(10);
  options.SetBold(true);
  EXPECT_EQ(changes, 2) << "only real changes notify";
  options.ApplyOptions(&font);
  EXPECT_EQ(font.Size(), 19);
  EXPECT_EQ(font.Color(), 0x123456) << "clNone keeps the colour";
  EXPECT_TRUE(font.Style().Contains(framework::fsBold));
  EXPECT_TRUE(font.Style().Contains(framework::fsItalic)) << "styles are only added";
  options.SetFontName("Serif");
  options.SetFontColor(0xFF);
  options.ApplyOptions(&font);
  EXPECT_EQ(font.Name(), "Serif");
  EXPECT_EQ(font.Color(), 0xFF);
  options.ApplyOptions(nullptr);
  TTeFontOptions copy;
  copy.Assign(&options);
  EXPECT_EQ(copy.SizeDelta(), 10);
  EXPECT_EQ(copy.FontName(), "Serif");
}

class ControlIntegration : public ControlsTest {
protected:
  void SetUp() override {
    ControlsTest::SetUp();
    control = new TTeControl(form.get());
    control->SetParent(form.get());
    control->SetBounds(10, 10, 120, 80);
  }
  TTeControl* control = nullptr;
};

TEST_F(ControlIntegration, BorderRectFollowsRingsBevelsAndSides) {
  struct Case {
    int border, bevelWidth;
    TTeBevelCut inner, outer;
    TTeBevelSides sides;
    TRect expected;
  } cases[] = {
      {0, 0, kbvLowered, kbvLowered, {kbsLeft, kbsTop, kbsRight, kbsBottom}, Rect(0, 0, 120, 80)},
      {2, 0, kbvLowered, kbvLowered, {kbsLeft, kbsTop, kbsRight, kbsBottom}, Rect(2, 2, 118, 78)},
      {1, 2, kbvLowered, kbvRaised, {kbsLeft, kbsTop, kbsRight, kbsBottom}, Rect(5, 5, 115, 75)},
      {0, 3, kbvNone, kbvRaised, {kbsLeft, kbsTop}, Rect(3, 3, 120, 80)},
  };
  for (const Case& c : cases) {
    control->SetBorderWidth(c.border);
    control->SetBevelWidth(c.bevelWidth);
    control->SetBevelInner(c.inner);
    control->SetBevelOuter(c.outer);
    control->SetBevelSides(c.sides);
    EXPECT_EQ(control->GetBorderRect(), c.expected);
  }
  control->SetBevelKind(kbkFlat);
  EXPECT_EQ(control->BevelInner(), kbvFlatBorder);
  EXPECT_EQ(control->BevelOuter(), kbvFlatBorder);
  control->SetBevelInner(kbvRaised);
  EXPECT_EQ(control->BevelKind(), kbkNone);
}

TEST_F(ControlIntegration, BothBarsMeetAtTheCornerSquare) {
  control->SetScrollBars(framework::ssBoth);
  control->SetColor(0x00336699);
  Show();
  int s = pg::GetSystemMetrics(pg::SM_CYVTHUMB);
  ASSERT_NE(control->HorzScrollBar(), nullptr);
  ASSERT_NE(control->VertScrollBar(), nullptr);
  EXPECT_EQ(control->HorzScrollBar()->BoundsRect(), Rect(0, 80 - s, 120 - s, 80));
  EXPECT_EQ(control->VertScrollBar()->BoundsRect(), Rect(120 - s, 0, 120, 80 - s));
  EXPECT_EQ(control->GetClientRect(), Rect(0, 0, 120 - s, 80 - s));
  EXPECT_EQ(PixelAt(control, 119, 79), Rgb(0x00336699)) << "the corner square in Color";
  EXPECT_EQ(PixelAt(control, 10, 10), Rgb(0x00336699)) << "the face";
  EXPECT_NE(PixelAt(control, 110, 10), Rgb(0x00336699)) << "the vertical bar is painted";
  EXPECT_FALSE(pg::GetWindowLongPtrW(control->Handle(), pg::GWL_STYLE) & (pg::WS_HSCROLL | pg::WS_VSCROLL));
}

TEST_F(ControlIntegration, OwnBarsForwardScrollsUnlessSuppressed) {
  control->SetScrollBars(framework::ssVertical);
  Show();
  std::vector<std::pair<uintptr_t, intptr_t>> seen;
  auto old = control->WindowProc;
  control->WindowProc = [&](framework::TMessage& m) {
    if (m.Msg == pg::WM_VSCROLL) {
      seen.emplace_back(m.WParam, m.LParam);
      // A descendant scrolls its content here and takes the position.
      control->SetScrollPos(1, static_cast<int>(m.LParam), false);
    }
    old(m);
  };
  TTeScrollBar* bar = control->VertScrollBar();
  bar->SetMax(50);
  bar->ScrollStep(zqcLineDown);
  ASSERT_EQ(seen.size(), 1u);
  EXPECT_EQ(seen[0].first, uintptr_t(zqcLineDown));
  EXPECT_EQ(seen[0].second, 1);
  EXPECT_EQ(control->GetScrollPos(1), 1);
  control->SetScrollPos(1, 20, false);
  EXPECT_EQ(bar->Position(), 20);
  pg::SCROLLINFO info;
  EXPECT_TRUE(control->GetScrollInfo(1, info));
  EXPECT_EQ(info.nMax, 50);
  EXPECT_FALSE(control->GetScrollInfo(0, info)) << "no horizontal bar";
  EXPECT_EQ(control->GetScrollPos(0), 0);
  control->WindowProc = old;
}

TEST_F(ControlIntegration, WindowSizeChangesMoveTheBars) {
  control->SetScrollBars(framework::ssVertical);
  Show();
  pg::SetWindowPos(control->Handle(), nullptr, 0, 0, 200, 100, pg::SWP_NOMOVE | pg::SWP_NOZORDER);
  Pump();
  EXPECT_EQ(control->CachedWidth(), 200);
  EXPECT_EQ(control->CachedHeight(), 100);
  EXPECT_EQ(control->VertScrollBar()->BoundsRect().right, 200);
  EXPECT_EQ(control->VertScrollBar()->BoundsRect().bottom, 100);
}

TEST_F(ControlIntegration, BackgroundRequestDrawsBorderAndFacePlainEraseNothing) {
  control->SetBorderWidth(3);
  control->SetColor(0x00204080);
  control->SetBevelWidth(1);
  Show();
  render::TteBitmap target;
  target.SetSize(120, 80);
  target.Clear(render::teColor(0x00FFFFFF));
  EXPECT_EQ(control->Perform(pg::WM_ERASEBKGND, reinterpret_cast<uintptr_t>(target.DC()), 0), 1);
  EXPECT_EQ(target.GetPixel(60, 40).value & 0xFFFFFF, 0xFFFFFFu) << "a plain erase draws nothing";
  EXPECT_EQ(control->Perform(pg::WM_ERASEBKGND, reinterpret_cast<uintptr_t>(target.DC()), 1), 1);
  EXPECT_EQ(target.GetPixel(60, 40).value & 0xFFFFFF, Rgb(0x00204080)) << "face";
  EXPECT_EQ(target.GetPixel(0, 40).value & 0xFFFFFF, Rgb(framework::clBtnShadow)) << "outer lowered ring";
  EXPECT_EQ(target.GetPixel(1, 40).value & 0xFFFFFF, Rgb(framework::cl3DDkShadow)) << "inner lowered ring";
  EXPECT_EQ(target.GetPixel(119, 40).value & 0xFFFFFF, Rgb(framework::clBtnHighlight));
  EXPECT_EQ(target.GetPixel(2, 40).value & 0xFFFFFF, Rgb(0x00204080)) << "border rings in Color";
}

TEST_F(ControlIntegration, PerformanceModesPaintTheSamePixels) {
  control->SetBorderWidth(2);
  control->SetBevelWidth(1);
  control->SetScrollBars(framework::ssBoth);
  Show();
  auto capture = [&] {
    control->Invalidate();
    Pump();
    return pg::WindowImage(control->Handle());
  };
  control->SetPerformance(zqpNoBuffer);
  pg::Surface direct = capture();
  for (TTePerformance mode : {zqpSharedBuffer, zqpDoubleBuffer}) {
    control->SetPerformance(mode);
    pg::Surface buffered = capture();
    ASSERT_EQ(buffered.width(), direct.width());
    int differing = 0;
    for (int y = 0; y < direct.height(); ++y)
      for (int x = 0; x < direct.width(); ++x)
        differing += (direct.scanLine(y)[x] & 0xFFFFFF) != (buffered.scanLine(y)[x] & 0xFFFFFF);
    EXPECT_EQ(differing, 0) << "mode " << mode;
  }
  EXPECT_EQ(SharedBuffer().Width(), pg::GetSystemMetrics(pg::SM_CXSCREEN) + 500);
}

TEST_F(ControlIntegration, SharedBufferKeepsItsFirstSize) {
  InitSharedBuffer();
  int width = SharedBuffer().Width(), height = SharedBuffer().Height();
  ASSERT_GT(width, 500);
  form.reset();
  Pump();
  framework::Application()->SetMainForm(nullptr);
  pg::ShutdownWindowSystem();
  pg::HeadlessOptions small;
  small.screen = {640, 480};
  small.workArea = {0, 0, 640, 450};
  pg::UseHeadlessBackend(small);
  framework::Application()->Initialize();
  InitSharedBuffer();
  EXPECT_EQ(SharedBuffer().Width(), width);
  EXPECT_EQ(SharedBuffer().Height(), height);
}

TEST_F(ControlIntegration, HoverAndFocusFlags) {
  auto* other = new TTeControl(form.get());
  other->SetParent(form.get());
  other->SetBounds(200, 10, 50, 50);
  other->SetTabStop(true);
  control->SetTabStop(true);
  int enters = 0, leaves = 0;
  control->OnMouseEnter = [&](framework::TObject*) { ++enters; };
  control->OnMouseLeave = [&](framework::TObject*) { ++leaves; };
  Show();
  MoveTo(control, 5, 5);
  EXPECT_TRUE(control->IsHot());
  MoveTo(form.get(), 300, 300);
  EXPECT_FALSE(control->IsHot());
  EXPECT_EQ(enters, 1);
  EXPECT_EQ(leaves, 1);
  control->SetFocus();
  Pump();
  EXPECT_TRUE(control->IsFocused());
  other->SetFocus();
  Pump();
  EXPECT_FALSE(control->IsFocused());
  EXPECT_TRUE(other->IsFocused());
  other->Hide();
  Pump();
  EXPECT_FALSE(other->IsFocused()) << "a hidden control drops its focus flag";
}

TEST_F(ControlIntegration, NothingIsPaintedWithoutArea) {
  control->SetBounds(10, 10, 0, 40);
  Show();
  control->Invalidate();
  Pump();
  EXPECT_EQ(control->CachedWidth(), 0);
}

}  // namespace
}  // namespace z5t8::skin::controls
