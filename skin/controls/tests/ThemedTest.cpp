#include <gtest/gtest.h>

#include <cstdlib>
#include <memory>
#include <string>
#include <vector>

#include "framework/MemoryStream.h"
#include "framework/Properties.h"
#include "framework/Writer.h"
#include "framework/gui/Bitmap.h"
#include "framework/gui/ColorMap.h"
#include "framework/gui/FontRealizer.h"
#include "framework/gui/Label.h"
#include "skin/controls/Button.h"
#include "skin/controls/ControlTheme.h"
#include "skin/controls/Memo.h"
#include "skin/controls/ScrollBar.h"
#include "skin/controls/tests/ControlsFixture.h"
#include "skin/render/CanvasDrawing.h"
#include "skin/theme/ControlBackground.h"
#include "skin/theme/CustomThemeLink.h"
#include "skin/theme/Theme.h"
#include "skin/theme/ThemeInfo.h"
#include "skin/theme/ThemeManager.h"
#include "skin/theme/ThemeServices.h"

namespace z5t8::skin::controls {

using namespace theme;
using framework::TCanvas;
using framework::TColor;

// A theme with flat colours per state, so that tests can read which look was drawn.
class TFlatTheme : public TteTheme {
  Z5T8_CLASS(TFlatTheme, TteTheme)
  Z5T8_THEME_CLASS(TFlatTheme)

public:
  static TColor FaceColour(TteButtonDrawState s) { return TColor(0x00100000 + 0x10 * int(s)); }
  static TColor ScrollColour(TteScrollButtonDrawState s) { return TColor(0x00200000 + 0x10 * int(s)); }
  static constexpr TColor kTrack = 0x00303030;
  static constexpr TColor kMemo = 0x00E0F0FF;

  int LastTextSize = 0;
  TRect LastTextRect;
  std::u16string LastText;
  TteTextInfo LastTextInfo;

  bool IsButtonDefined(TteButtonSubclass subclass, const std::string& name) override {
    return subclass == kbscButton && (name == "default" || name == "Glass");
  }
  bool IsButtonTransparent(TteButtonSubclass, const std::string& name) override { return name == "Glass"; }
  void ButtonDraw(TteButtonSubclass, TCanvas* canvas, const TteButtonInfo& info,
                  const std::string& name) override {
    TRect r = name == "Glass" ? info.Rect.inflate(-10, -10) : info.Rect;
    render::FillRect(canvas, r, FaceColour(info.DrawState));
  }
  void ButtonDrawText(TteButtonSubclass, TCanvas* canvas, const TteButtonInfo&, const TteTextInfo& text,
                      const std::string&) override {
    LastTextSize = canvas->Font()->Size();
    LastTextRect = text.Rect;
    LastText = text.Text;
    LastTextInfo = text;
  }
  bool IsScrollDefined(TteScrollSubclass, const std::string& name) override { return name == "default"; }
  void ScrollDrawButton(TteScrollSubclass, TCanvas* canvas, const TteScrollButtonInfo& info,
                        const std::string&) override {
    render::FillRect(canvas, info.Rect, ScrollColour(info.DrawState));
  }
  void ScrollDrawArea(TteScrollSubclass, TCanvas* canvas, const TteScrollAreaInfo& info,
                      const std::string&) override {
    render::FillRect(canvas, info.Rect, kTrack);
  }
  bool IsMemoDefined(TteMemoSubclass, const std::string& name) override { return name == "default"; }
  void MemoDraw(TteMemoSubclass, TCanvas* canvas, const TteMemoInfo& info, const std::string&) override {
    render::FillRect(canvas, info.Rect, kMemo);
  }
  TRect GetBounds(const std::string& name) override {
    if (name == "Placed") return {-1, -1, 150, 90};
    return NullRect;
  }
};

Z5T8_IMPLEMENT_CLASS(TFlatTheme, TteTheme) {}

// A link holding a theme of its own.
class TTestLink : public TteCustomThemeLink {
  Z5T8_CLASS(TTestLink, TteCustomThemeLink)

public:
  using TteCustomThemeLink::TteCustomThemeLink;
  std::unique_ptr<TteTheme> Theme;
  TteTheme* GetTheme() override { return Theme.get(); }
};

Z5T8_IMPLEMENT_CLASS(TTestLink, TteCustomThemeLink) {}

namespace {

uint32_t Rgb(TColor c) {
  pg::ColorRef r = framework::ColorToRGB(c);
  return ((r & 0xFF) << 16) | (r & 0xFF00) | ((r >> 16) & 0xFF);
}

class ThemedIntegration : public ControlsTest {
protected:
  void SetUp() override {
    ControlsTest::SetUp();
    auto owned = std::make_unique<TFlatTheme>();
    theme = owned.get();
    ChangeTheme(std::move(owned));
    button = new TTeButton(form.get());
    button->SetParent(form.get());
    button->SetBounds(10, 10, 178, 41);
    button->SetCaption(u"Update");
    // Otherwise the form gives it the focus when it shows.
    button->SetTabStop(false);
  }
  void TearDown() override {
    form.reset();
    ReleaseTheme();
    ControlsTest::TearDown();
  }
  TFlatTheme* theme = nullptr;
  TTeButton* button = nullptr;
};

TEST_F(ThemedIntegration, ButtonFaceFollowsTheStateTable) {
  auto* other = new TTeButton(form.get());
  other->SetParent(form.get());
  other->SetBounds(10, 100, 75, 25);
  other->SetTabStop(false);
  Show();
  EXPECT_EQ(PixelAt(button, 2, 2), Rgb(TFlatTheme::FaceColour(kbdsNormal)));
  MoveTo(button, 20, 20);
  EXPECT_EQ(PixelAt(button, 2, 2), Rgb(TFlatTheme::FaceColour(kbdsHot)));
  Press(button, 20, 20);
  EXPECT_EQ(PixelAt(button, 2, 2), Rgb(TFlatTheme::FaceColour(kbdsPressed)));
  Release();
  MoveTo(form.get(), 300, 300);
  EXPECT_EQ(PixelAt(button, 2, 2), Rgb(TFlatTheme::FaceColour(kbdsFocused))) << "focused by the press";
  other->SetDefault(true);
  Pump();
  EXPECT_EQ(PixelAt(other, 2, 2), Rgb(TFlatTheme::FaceColour(kbdsNormal))) << "no ActiveDefault on a button";
  button->SetEnabled(false);
  Pump();
  EXPECT_EQ(PixelAt(button, 2, 2), Rgb(TFlatTheme::FaceColour(kbdsDisabled)));
}

// The locale comes from the environment on Linux; Windows keeps its own.
#ifndef _WIN32
TEST_F(ThemedIntegration, CaptionReadsRightToLeftOnlyInARightToLeftModeAndLocale) {
  const char* saved = std::getenv("LC_ALL");
  std::string restore = saved ? saved : "";
  const struct {
    const char* locale;
    framework::TBiDiMode mode;
    bool rtl;
  } cases[] = {{"C.UTF-8", framework::bdRightToLeft, false},
               {"ar_EG.UTF-8", framework::bdLeftToRight, false},
               {"ar_EG.UTF-8", framework::bdRightToLeft, true},
               {"he_IL.UTF-8", framework::bdRightToLeftNoAlign, false}};
  Show();
  for (const auto& c : cases) {
    SCOPED_TRACE(std::string(c.locale) + " " + std::to_string(c.mode));
    setenv("LC_ALL", c.locale, 1);
    button->SetBiDiMode(c.mode);
    button->Invalidate();
    Pump();
    EXPECT_EQ(theme->LastTextInfo.Style.Contains(ktxsRTLReading), c.rtl);
    EXPECT_EQ(theme->LastTextInfo.Align, ktxaTopCenter) << "centred text stays centred";
    button->SetBiDiMode(framework::bdLeftToRight);
  }
  if (saved)
    setenv("LC_ALL", restore.c_str(), 1);
  else
    unsetenv("LC_ALL");
}
#endif

TEST_F(ThemedIntegration, CaptionIsDrawnTenPointsAboveTheThemeButtonFont) {
  button->FontOptions()->SetSizeDelta(10);
  Show();
  int base = theme->Fonts()->GetFont(ktfButtonTextNormal)->Size();
  EXPECT_EQ(theme->LastTextSize, base + 10);
  EXPECT_EQ(theme->LastText, u"Update");
  framework::TFont font;
  font.Assign(theme->Fonts()->GetFont(ktfButtonTextNormal));
  font.SetSize(base + 10);
  pg::Size extent = framework::RealizeFont(font).textExtent(u"Update");
  EXPECT_EQ(theme->LastTextRect.width(), extent.cx);
  EXPECT_EQ(theme->LastTextRect.height(), extent.cy);
  EXPECT_EQ(theme->LastTextRect.left, (178 - extent.cx) / 2) << "centred in the layout";
  EXPECT_EQ(button->GetLayoutRect().height(), extent.cy) << "the layout is measured with the same font";
}

TEST_F(ThemedIntegration, TransparentLookShowsTheFormUnderneath) {
  form->SetColor(0x00123456);
  button->SetThemeObject("Glass");
  Show();
  EXPECT_EQ(PixelAt(button, 2, 2), Rgb(0x00123456));
  EXPECT_EQ(PixelAt(button, 20, 20), Rgb(TFlatTheme::FaceColour(kbdsNormal)));
}

TEST_F(ThemedIntegration, UnknownObjectFallsBackToDefaultWithoutALink) {
  button->SetThemeObject("Nothing");
  Show();
  EXPECT_EQ(PixelAt(button, 2, 2), Rgb(TFlatTheme::FaceColour(kbdsNormal)));
}

TEST_F(ThemedIntegration, ThemeBoundsPlaceTheButton) {
  button->SetThemeObject("Placed");
  EXPECT_EQ(button->BoundsRect(), framework::Rect(10, 10, 150, 90)) << "negative sides keep the control's";
  button->SetBounds(0, 0, 60, 20);
  ChangeTheme(std::make_unique<TFlatTheme>());
  EXPECT_EQ(button->BoundsRect(), framework::Rect(-1, -1, 150, 90))
      << "a theme change takes the rectangle as is";
}

TEST_F(ThemedIntegration, LinkedThemeAnswersAloneAndLeavesWithItsLink) {
  auto* link = new TTestLink(form.get());
  link->Theme = std::make_unique<TFlatTheme>();
  button->SetThemeLink(link);
  button->SetThemeObject("Nothing");
  Show();
  EXPECT_EQ(PixelAt(button, 3, 20), Rgb(framework::clBtnFace)) << "no fall-back to default through a link";
  button->SetThemeObject("default");
  Pump();
  EXPECT_EQ(PixelAt(button, 3, 20), Rgb(TFlatTheme::FaceColour(kbdsNormal)));
  delete link;
  EXPECT_EQ(button->ThemeLink(), nullptr);
}

TEST_F(ThemedIntegration, LinkChangeMovesOnlyItsButtons) {
  auto* link = new TTestLink(form.get());
  auto* other = new TTestLink(form.get());
  link->Theme = std::make_unique<TFlatTheme>();
  button->SetThemeLink(link);
  button->SetThemeObject("Placed");
  button->SetBounds(0, 0, 60, 20);
  UpdateLinkedControls(other);
  EXPECT_EQ(button->BoundsRect(), framework::Rect(0, 0, 60, 20)) << "another link's change";
  UpdateLinkedControls(link);
  EXPECT_EQ(button->BoundsRect(), framework::Rect(0, 0, 150, 90));
}

TEST_F(ThemedIntegration, DesignTimeWritingFramesTheStateWithReleaseAndApply) {
  std::vector<uintptr_t> codes;
  auto old = button->WindowProc;
  button->WindowProc = [&](framework::TMessage& m) {
    if (m.Msg == TM_THEMENOTIFY) codes.push_back(m.WParam);
    old(m);
  };
  framework::TMemoryStream stream;
  framework::WriteComponent(stream, button);
  EXPECT_TRUE(codes.empty()) << "only at design time";
  button->SetDesigning(true);
  framework::WriteComponent(stream, button);
  EXPECT_EQ(codes, (std::vector<uintptr_t>{tncReleased, tncApplied}));
  button->WindowProc = old;
}

TEST_F(ThemedIntegration, ReleasingTheThemeBringsBackTheClassicLook) {
  Show();
  ReleaseTheme();
  Pump();
  EXPECT_EQ(PixelAt(button, 0, 0), Rgb(framework::clBtnHighlight));
  EXPECT_EQ(PixelAt(button, 20, 20), Rgb(framework::clBtnFace));
}

TEST_F(ThemedIntegration, ScrollBarPartsTakeTheirStates) {
  auto* bar = new TTeScrollBar(form.get());
  bar->SetParent(form.get());
  bar->SetOrientation(zqoVertical);
  bar->SetBounds(300, 10, 16, 232);
  bar->SetPageSize(10);
  Show();
  EXPECT_EQ(PixelAt(bar, 8, 4), Rgb(TFlatTheme::ScrollColour(zqbdsNormal)));
  EXPECT_EQ(PixelAt(bar, 8, 100), Rgb(TFlatTheme::kTrack));
  Press(bar, 8, 20);
  EXPECT_EQ(PixelAt(bar, 8, 20), Rgb(TFlatTheme::ScrollColour(zqbdsPressed))) << "held thumb";
  Release();
  MoveTo(bar, 8, 4);
  EXPECT_EQ(PixelAt(bar, 8, 4), Rgb(TFlatTheme::ScrollColour(zqbdsHot)));
  bar->SetEnabled(false);
  Pump();
  EXPECT_EQ(PixelAt(bar, 8, 4), Rgb(TFlatTheme::ScrollColour(zqbdsDisabled)));
  EXPECT_EQ(PixelAt(bar, 8, 20), Rgb(TFlatTheme::kTrack)) << "no thumb on a disabled bar";
}

TEST_F(ThemedIntegration, MemoTextLiesOnTheThemedBackground) {
  auto* memo = new TTeMemo(form.get());
  memo->SetParent(form.get());
  memo->SetBounds(10, 60, 200, 120);
  memo->SetScrollBars(framework::ssVertical);
  std::u16string text = u"ABC\r\nsecond line\r\n";
  for (int i = 0; i < 30; ++i) text += u"more\r\n";
  memo->SetText(text);
  Show();
  TTeInplaceScrollBar* bar = memo->SubScrollBar()->VertScrollBar();
  ASSERT_TRUE(bar->Visible());
  EXPECT_EQ(PixelAt(bar, 8, 4), Rgb(TFlatTheme::ScrollColour(zqbdsNormal))) << "the skinned bar lies on top";
  EXPECT_EQ(PixelAt(bar, 8, bar->Height() - 4), Rgb(TFlatTheme::ScrollColour(zqbdsNormal)));
  TRect client = memo->ClientRect();
  EXPECT_EQ(PixelAt(memo, client.right - 4, client.bottom - 4), Rgb(TFlatTheme::kMemo));
  int themed = 0, other = 0;
  pg::Surface image = pg::WindowImage(form->Handle());
  for (int x = 0; x < 30; ++x) {
    uint32_t p = PixelIn(image, memo, x, 6);
    (p == Rgb(TFlatTheme::kMemo) ? themed : other)++;
  }
  EXPECT_GT(themed, 10) << "between the letters";
  EXPECT_GT(other, 0) << "the letters";
}

}  // namespace
}  // namespace z5t8::skin::controls

namespace z5t8::skin::controls {

// Stands in for the skinned form frame: a component of the form that paints
// the client background in one colour.
class TFakeFrame : public framework::TComponent {
public:
  using framework::TComponent::TComponent;
  bool Active = true;
  int Paints = 0;
};

namespace {

TTeForm* ActiveFakeFrame(framework::TComponent* c) {
  auto* frame = dynamic_cast<TFakeFrame*>(c);
  return frame && frame->Active ? reinterpret_cast<TTeForm*>(frame) : nullptr;
}

void PaintFakeFrame(TTeForm* form, TCanvas* canvas, const TRect& rect) {
  auto* frame = reinterpret_cast<TFakeFrame*>(form);
  ++frame->Paints;
  render::FillRect(canvas, rect, TColor(0x0000AA00));
}

TEST_F(ThemedIntegration, FormFrameHooksPaintUnderTransparentButtons) {
  auto* frame = new TFakeFrame(form.get());
  SetFormFrameHooks({ActiveFakeFrame, PaintFakeFrame});
  form->SetColor(0x00123456);
  button->SetThemeObject("Glass");
  EXPECT_EQ(GetParentZqForm(button), reinterpret_cast<TTeForm*>(frame));
  Show();
  EXPECT_GT(frame->Paints, 0);
  EXPECT_EQ(PixelAt(button, 2, 2), Rgb(0x0000AA00)) << "the frame's client background";
  frame->Active = false;
  EXPECT_EQ(GetParentZqForm(button), nullptr);
  button->Invalidate();
  Pump();
  EXPECT_EQ(PixelAt(button, 2, 2), Rgb(0x00123456)) << "without an active frame, the form's colour";
  SetFormFrameHooks({});
}

// Only a fresh process shows it: there, no skinned control has been made yet
// when the form's background procedure has the frame paint under a plain label.
TEST(ControlBackgroundsDeathTest, AreRegisteredAtStartUpBeforeAnyControlIsMade) {
  GTEST_FLAG_SET(death_test_style, "threadsafe");
  EXPECT_EXIT(
      {
        pg::UseHeadlessBackend();
        framework::Application()->Initialize();
        framework::TForm form(nullptr);
        auto* frame = new TFakeFrame(&form);
        SetFormFrameHooks({ActiveFakeFrame, PaintFakeFrame});
        auto* label = new framework::TLabel(&form);
        label->SetParent(&form);
        label->SetBounds(0, 0, 10, 10);
        framework::TBitmap target;
        target.SetSize(10, 10);
        DrawControlBackground(label, target.Canvas());
        std::_Exit(frame->Paints == 1 ? 0 : 1);
      },
      ::testing::ExitedWithCode(0), "");
}

TEST_F(ThemedIntegration, MemoFrameFollowsTheTheme) {
  auto* memo = new TTeMemo(form.get());
  memo->SetParent(form.get());
  memo->SetBounds(10, 60, 200, 120);
  Show();
  // The frame lies outside the client area, two pixels wide.
  EXPECT_EQ(PixelAt(memo, -2, 20), Rgb(TFlatTheme::kMemo));
  EXPECT_EQ(PixelAt(memo, -1, 20), Rgb(TFlatTheme::kMemo));
  ReleaseTheme();
  Pump();
  EXPECT_EQ(PixelAt(memo, -2, 20), Rgb(framework::clBtnShadow)) << "the classic frame after the release";
  EXPECT_EQ(PixelAt(memo, -1, 20), Rgb(framework::cl3DDkShadow));
  EXPECT_EQ(PixelAt(memo, 20, 20), Rgb(framework::clWindow));
}

}  // namespace
}  // namespace z5t8::skin::controls
