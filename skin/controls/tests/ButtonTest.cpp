#include <gtest/gtest.h>

#include <functional>

#include "framework/gui/ColorMap.h"
#include "framework/gui/FontRealizer.h"
#include "framework/gui/Memo.h"
#include "platform/gui/VirtualKeys.h"
#include "skin/controls/Button.h"
#include "skin/controls/tests/ControlsFixture.h"
#include "skin/render/CanvasDrawing.h"

namespace z5t8::skin::controls {
namespace {

using framework::TObject;

class ButtonIntegration : public ControlsTest {
protected:
  void SetUp() override {
    ControlsTest::SetUp();
    first = Make(10, u"&First");
    second = Make(200, u"Second");
    memo = new framework::TMemo(form.get());
    memo->SetParent(form.get());
    memo->SetBounds(10, 80, 180, 60);
    first->OnClick = [this](TObject*) { ++firstClicks; };
    second->OnClick = [this](TObject*) { ++secondClicks; };
  }
  TTeButton* Make(int left, const std::u16string& caption) {
    auto* b = new TTeButton(form.get());
    b->SetParent(form.get());
    b->SetBounds(left, 10, 178, 41);
    b->SetCaption(caption);
    return b;
  }
  TTeButton* first = nullptr;
  TTeButton* second = nullptr;
  framework::TMemo* memo = nullptr;
  int firstClicks = 0;
  int secondClicks = 0;
};

TEST_F(ButtonIntegration, MouseTrackingPressesOnlyInsideAndClicksOnReleaseInside) {
  Show();
  struct Step {
    enum { Press, Move, Release } action;
    int x, y;
    bool pressed;
    int clicks;
  } steps[] = {
      {Step::Press, 20, 20, true, 0}, {Step::Move, 200, 20, false, 0}, {Step::Move, 177, 40, true, 0},
      {Step::Move, 20, 41, false, 0}, {Step::Move, 20, 40, true, 0},   {Step::Release, 20, 40, false, 1},
      {Step::Press, 5, 5, true, 1},   {Step::Move, 178, 5, false, 1},  {Step::Release, 178, 5, false, 1},
  };
  int i = 0;
  for (const Step& s : steps) {
    if (s.action == Step::Press) Press(first, s.x, s.y);
    if (s.action == Step::Move) MoveTo(first, s.x, s.y);
    if (s.action == Step::Release) {
      MoveTo(first, s.x, s.y);
      Release();
    }
    EXPECT_EQ(first->Pressed(), s.pressed) << "step " << i;
    EXPECT_EQ(firstClicks, s.clicks) << "step " << i;
    ++i;
  }
  EXPECT_TRUE(first->Focused()) << "a press takes the focus";
}

// A modal box disabling the form, another window taking the mouse, or the
// button itself being disabled ends the press: the pressed look goes, the
// release clicks nothing, and the next press is tracked afresh.
TEST_F(ButtonIntegration, PressEndsWithoutAClickWhenTheMouseIsTakenAway) {
  Show();
  struct Case {
    const char* what;
    std::function<void()> take, undo;
  } cases[] = {
      {"the form disabled", [&] { pg::EnableWindow(form->Handle(), pg::FALSE); },
       [&] { pg::EnableWindow(form->Handle(), pg::TRUE); }},
      {"another window captures", [&] { pg::SetCapture(memo->Handle()); }, [] { pg::ReleaseCapture(); }},
      {"the button's window disabled", [&] { pg::EnableWindow(first->Handle(), pg::FALSE); },
       [&] { pg::EnableWindow(first->Handle(), pg::TRUE); }},
  };
  for (const Case& c : cases) {
    Press(first, 20, 20);
    ASSERT_TRUE(first->Pressed()) << c.what;
    c.take();
    Pump();
    EXPECT_FALSE(first->Pressed()) << c.what;
    MoveTo(first, 30, 20);
    EXPECT_FALSE(first->Pressed()) << c.what << ": no longer tracking";
    Release();
    c.undo();
    Pump();
    EXPECT_EQ(firstClicks, 0) << c.what;
    hl::AdvanceClock(1000);
    Press(first, 20, 20);
    MoveTo(first, 200, 20);
    EXPECT_FALSE(first->Pressed()) << c.what << ": the next press captures the mouse again";
    MoveTo(first, 20, 20);
    Release();
    EXPECT_EQ(firstClicks, 1) << c.what;
    firstClicks = 0;
    hl::AdvanceClock(1000);
  }
}

// A handler may free the button it was called from, whichever way it was
// clicked; nothing touches the button afterwards.
TEST_F(ButtonIntegration, AButtonFreedByItsOwnClickIsNotTouchedAgain) {
  struct Case {
    const char* what;
    std::function<void(TTeButton*)> click;
  } cases[] = {
      {"mouse",
       [](TTeButton* b) {
         Press(b, 20, 20);
         Release();
       }},
      {"space",
       [](TTeButton* b) {
         b->SetFocus();
         Pump();
         Key(pg::VK_SPACE);
       }},
      {"enter",
       [](TTeButton* b) {
         b->SetFocus();
         Pump();
         Key(pg::VK_RETURN);
       }},
      {"its accelerator", [](TTeButton*) { Key('D'); }},
  };
  Show();
  for (const Case& c : cases) {
    TTeButton* doomed = Make(10, u"&Doomed");
    doomed->SetTop(200);
    int clicks = 0;
    doomed->OnClick = [&](TObject*) {
      ++clicks;
      delete doomed;
      doomed = nullptr;
    };
    second->SetFocus();
    Pump();
    c.click(doomed);
    EXPECT_EQ(clicks, 1) << c.what;
    EXPECT_EQ(doomed, nullptr) << c.what;
    delete doomed;
    hl::AdvanceClock(1000);
    Pump();
  }
}

TEST_F(ButtonIntegration, KeysClickTheFocusedDefaultAndCancelButtons) {
  second->SetCancel(true);
  Show();
  first->SetFocus();
  Pump();
  hl::PressKey(pg::VK_SPACE);
  Pump();
  EXPECT_TRUE(first->Pressed());
  EXPECT_EQ(firstClicks, 0);
  hl::ReleaseKey(pg::VK_SPACE);
  Pump();
  EXPECT_FALSE(first->Pressed());
  EXPECT_EQ(firstClicks, 1) << "space clicks once, on release";

  Key(pg::VK_RETURN);
  EXPECT_EQ(firstClicks, 2) << "Enter clicks the focused button";
  Key(pg::VK_ESCAPE);
  EXPECT_EQ(secondClicks, 1) << "Escape clicks the Cancel button";
  EXPECT_EQ(firstClicks, 2);

  second->SetFocus();
  Pump();
  Key('F');
  EXPECT_EQ(firstClicks, 3) << "the caption's accelerator clicks";
  EXPECT_TRUE(first->Focused()) << "and takes the focus";
}

TEST_F(ButtonIntegration, ActiveDefaultFollowsTheFocus) {
  second->SetDefault(true);
  Show();
  memo->SetFocus();
  Pump();
  EXPECT_TRUE(second->ActiveDefault());
  first->SetFocus();
  Pump();
  EXPECT_FALSE(second->ActiveDefault()) << "another skinned button has the focus";
  memo->SetFocus();
  Pump();
  EXPECT_TRUE(second->ActiveDefault()) << "back on for an edit";
  second->SetDefault(false);
  EXPECT_FALSE(second->ActiveDefault());
}

TEST_F(ButtonIntegration, EnterClicksTheActiveDefaultButton) {
  second->SetDefault(true);
  memo->SetWantReturns(false);
  Show();
  memo->SetFocus();
  Pump();
  Key(pg::VK_RETURN);
  EXPECT_EQ(secondClicks, 1) << "the memo leaves Enter to the form";
  EXPECT_EQ(firstClicks, 0);
}

TEST_F(ButtonIntegration, SizeDeltaEnlargesTheMeasuredCaption) {
  Show();
  framework::TFont base;
  base.Assign(first->Font());
  TRect plain = first->GetLayoutRect();
  first->FontOptions()->SetSizeDelta(10);
  TRect larger = first->GetLayoutRect();
  framework::TFont expected;
  expected.Assign(&base);
  expected.SetSize(base.Size() + 10);
  pg::Size extent = framework::RealizeFont(expected).textExtent(u"&First");
  EXPECT_EQ(larger.width(), extent.cx);
  EXPECT_EQ(larger.height(), extent.cy);
  EXPECT_GT(larger.height(), plain.height());
  EXPECT_EQ(larger.left, (178 - extent.cx) / 2) << "centred";
}

TEST_F(ButtonIntegration, GlyphWidthGivesTheFrameCount) {
  struct Case {
    int width, height, frames;
  } cases[] = {{64, 16, 4}, {96, 16, 1}, {32, 16, 2}, {20, 16, 1}};
  for (const Case& c : cases) {
    first->SetNumGlyphs(1);
    framework::TBitmap glyph;
    glyph.SetSize(c.width, c.height);
    first->SetGlyph(&glyph);
    EXPECT_EQ(first->NumGlyphs(), c.frames) << c.width << " x " << c.height;
  }
}

TEST_F(ButtonIntegration, ClassicFocusedLookHasFrameAndFocusRectangle) {
  Show();
  first->SetFocus();
  Pump();
  auto face = framework::ColorToRGB(framework::clBtnFace);
  auto shadow = framework::ColorToRGB(framework::clBtnShadow);
  auto rgb = [](pg::ColorRef c) { return ((c & 0xFF) << 16) | (c & 0xFF00) | ((c >> 16) & 0xFF); };
  EXPECT_EQ(PixelAt(first, 0, 0), 0u) << "black frame";
  EXPECT_EQ(PixelAt(first, 177, 40), 0u);
  EXPECT_EQ(PixelAt(first, 1, 1), 0xFFFFFFu) << "highlight edge inside the frame";
  EXPECT_TRUE(PixelAt(first, 4, 20) != rgb(face) || PixelAt(first, 4, 21) != rgb(face))
      << "dotted focus rectangle 4 pixels inside";
  EXPECT_EQ(PixelAt(first, 3, 20), rgb(face));
  EXPECT_EQ(PixelAt(first, 5, 20), rgb(face));
  Press(first, 20, 20);
  EXPECT_EQ(PixelAt(first, 1, 1), rgb(shadow)) << "pressed edge";
  Release();
}

}  // namespace
}  // namespace z5t8::skin::controls

namespace z5t8::skin::controls {
namespace {

class ButtonLookIntegration : public ControlsTest {
protected:
  void SetUp() override {
    ControlsTest::SetUp();
    button = new TTeButton(form.get());
    button->SetParent(form.get());
    button->SetBounds(10, 10, 100, 40);
    button->SetTabStop(false);
  }
  int Count(uint32_t rgb) { return CountIn(button, rgb); }
  // A 16 x 16 glyph of (200, 40, 40) whose bottom-left pixel marks the transparent colour.
  void SetGlyph() {
    framework::TBitmap glyph;
    glyph.SetSize(16, 16);
    render::FillRect(glyph.Canvas(), framework::Rect(0, 0, 16, 16), framework::TColor(0x002828C8));
    render::FillRect(glyph.Canvas(), framework::Rect(0, 15, 1, 16), framework::TColor(0x0000FF00));
    button->SetGlyph(&glyph);
  }
  TTeButton* button = nullptr;
};

TEST_F(ButtonLookIntegration, GlyphConversions) {
  SetGlyph();
  ASSERT_EQ(button->NumGlyphs(), 1);
  Show();
  EXPECT_EQ(Count(0xC82828), 255) << "as drawn, less the transparent pixel";
  EXPECT_EQ(Count(0x00FF00), 0);
  button->SetBlackAndWhiteGlyph(true);
  Pump();
  EXPECT_EQ(Count(0x787878), 255) << "grey of lightness 0.47 * 255 = 120";
  MoveTo(button, 50, 20);
  EXPECT_EQ(Count(0xC82828), 255) << "in colour while hot";
  MoveTo(form.get(), 300, 300);
  button->SetBlackAndWhiteGlyph(false);
  button->SetEnabled(false);
  Pump();
  EXPECT_EQ(Count(0xB8B8B8), 255) << "a single frame disabled: 160 + 0.47 * 50";
}

TEST_F(ButtonLookIntegration, KindsSetRoleCaptionResultAndTwoFrameGlyph) {
  struct Case {
    TBitBtnKind kind;
    bool isDefault;
    framework::TModalResult result;
    std::u16string caption;
  } cases[] = {{bkOK, true, framework::mrOk, u"OK"},
               {bkCancel, false, framework::mrCancel, u"Cancel"},
               {bkYes, true, framework::mrYes, u"&Yes"},
               {bkHelp, false, framework::mrNone, u"&Help"},
               {bkAll, false, framework::mrAll, u"&All"}};
  for (const Case& c : cases) {
    button->SetKind(c.kind);
    EXPECT_EQ(button->Default(), c.isDefault) << c.kind;
    EXPECT_EQ(button->ModalResult(), c.result) << c.kind;
    EXPECT_EQ(button->Caption(), c.caption);
    EXPECT_EQ(button->NumGlyphs(), 2);
    EXPECT_EQ(button->Glyph()->Width(), 2 * button->Glyph()->Height());
  }
  button->SetKind(bkCancel);
  Show();
  button->Click();
  EXPECT_EQ(form->ModalResult(), framework::mrCancel) << "the form takes the button's result";
  button->SetKind(bkClose);
  button->Click();
  Pump();
  EXPECT_FALSE(form->Visible()) << "a Close button closes its form";
}

TEST_F(ButtonLookIntegration, WordWrapLaysOutWithinTheButton) {
  button->SetWordWrap(true);
  button->SetCaption(u"a caption long enough to wrap inside");
  TRect layout = button->GetLayoutRect();
  EXPECT_EQ(layout.width(), 100 - 4 - 10);
  EXPECT_EQ(layout.height(), 40 - 4 - 10);
  EXPECT_EQ(layout.left, 7) << "centred";
}

}  // namespace
}  // namespace z5t8::skin::controls
