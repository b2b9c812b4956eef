#include <gtest/gtest.h>

#include <string>

#include "framework/Color.h"
#include "skin/render/Bitmap.h"
#include "skin/render/Color.h"
#include "skin/theme/Theme.h"
#include "skin/theme/ThemeColorShift.h"

namespace z5t8::skin::theme {
namespace {

using framework::TColor;
using render::TteBitmap;

const std::string kDefault = "default";
constexpr uint32_t kPaper = 0x00FEDCBA;  // RGB of the untouched sheet

// The RGB a framework colour lands as on a sheet.
uint32_t Rgb(TColor c) {
  uint32_t v = ResolvedColor(c);
  return (v & 0xFF) << 16 | (v & 0xFF00) | (v >> 16 & 0xFF);
}

struct TSheet {
  TteBitmap Bitmap;
  TSheet(int w, int h) {
    Bitmap.SetSize(w, h);
    Bitmap.Clear(0xFF000000u | kPaper);
  }
  framework::TCanvas* Canvas() { return Bitmap.GetCanvas(); }
  uint32_t At(int x, int y) const { return uint32_t(Bitmap.GetPixel(x, y)) & 0xFFFFFF; }
};

TEST(ThemeBaseLook, WindowFrameRingsStripsAndCaption) {
  TteTheme theme;
  const TColor face = theme.Colors()->GetColor(ktcButtonNormal);
  for (bool active : {true, false}) {
    TSheet s(370, 400);
    TteWindowDrawStates states;
    if (active) states.Include(kwdsActive);
    theme.WindowDraw(kwscStandard, s.Canvas(), WindowInfo({0, 0, 370, 400}, states, NullRect, {}, u"", false),
                     kDefault);
    EXPECT_EQ(s.At(0, 0), 0u);
    EXPECT_EQ(s.At(369, 399), 0u);
    EXPECT_EQ(s.At(1, 200), Rgb(render::StdChangeColor(face, 100)));
    EXPECT_EQ(s.At(200, 1), Rgb(render::StdChangeColor(face, 100)));
    EXPECT_EQ(s.At(368, 200), Rgb(render::StdChangeColor(face, -100)));
    EXPECT_EQ(s.At(200, 398), Rgb(render::StdChangeColor(face, -100)));
    for (auto [x, y] : {std::pair{2, 200}, {3, 200}, {366, 200}, {367, 200}, {200, 396}, {200, 397}, {2, 2}})
      EXPECT_EQ(s.At(x, y), Rgb(theme.Colors()->GetColor(ktcWindowBorder))) << x << "," << y;
    TColor bar = theme.Colors()->GetColor(active ? ktcCaptionNormal : ktcCaptionInactive);
    for (auto [x, y] : {std::pair{4, 3}, {365, 21}, {200, 12}})
      EXPECT_EQ(s.At(x, y), Rgb(bar)) << x << "," << y;
    EXPECT_EQ(s.At(200, 200), kPaper);  // the client is left to WindowDrawClient
  }
}

TEST(ThemeBaseLook, CaptionButtonsPressInward) {
  TteTheme theme;
  const TRect r{10, 10, 32, 27};
  for (TteWindowButtonDrawState state : {kwbdsNormal, kwbdsHot, kwbdsPressed, kwbdsInactive}) {
    TSheet s(40, 40);
    theme.WindowDrawButton(kwscStandard, s.Canvas(), WindowButtonInfo(r, kwbTray, state, nullptr), kDefault);
    TColor body = theme.Colors()->GetColor(state == kwbdsHot ? ktcButtonHot : ktcButtonNormal);
    bool pressed = state == kwbdsPressed;
    EXPECT_EQ(s.At(10, 10), Rgb(render::StdChangeColor(body, pressed ? -100 : 100)));
    EXPECT_EQ(s.At(31, 26), Rgb(render::StdChangeColor(body, pressed ? 100 : -100)));
    // The tray square sits at the bottom right of the rectangle shrunk by 3, one pixel
    // further out unless pressed.
    int x = pressed ? 26 : 27, y = pressed ? 21 : 22;
    EXPECT_EQ(s.At(x, y), 0u);
    EXPECT_EQ(s.At(x + 2, y + 2), 0u);
    EXPECT_NE(s.At(x + 3, y + 3), 0u);
    EXPECT_NE(s.At(x - 1, y - 1), 0u);
  }
  TSheet empty(40, 40);
  theme.WindowDrawButton(kwscStandard, empty.Canvas(),
                         WindowButtonInfo({10, 10, 10, 27}, kwbClose, kwbdsNormal, nullptr), kDefault);
  EXPECT_EQ(empty.At(10, 15), kPaper);
}

TEST(ThemeBaseLook, PushButtonStates) {
  TteTheme theme;
  theme.Colors()->SetColor(ktcButtonNormal, 0x404040);
  theme.Colors()->SetColor(ktcButtonHot, 0x505050);
  theme.Colors()->SetColor(ktcButtonPressed, 0x606060);
  theme.Colors()->SetColor(ktcButtonFocused, 0x707070);
  const TRect r{0, 0, 40, 20};
  struct Case {
    TteButtonDrawState State;
    uint32_t Face;         // RGB in the middle
    uint32_t TopLeft;      // at (1, 1)
    uint32_t BottomRight;  // at (38, 18)
  };
  const Case cases[] = {
      {kbdsNormal, 0x404040, 0x404040, 0x404040},     {kbdsHot, 0x505050, 0x6E6E6E, 0x505050},
      {kbdsPressed, 0x606060, 0x424242, 0x7E7E7E},    {kbdsFocused, 0x707070, 0x707070, 0x525252},
      {kbdsFocusedHot, 0x505050, 0x6E6E6E, 0x323232},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(int(c.State));
    TSheet s(40, 20);
    theme.ButtonDraw(kbscButton, s.Canvas(), ButtonInfo(r, c.State), kDefault);
    EXPECT_EQ(s.At(0, 0), 0u);
    EXPECT_EQ(s.At(39, 19), 0u);
    EXPECT_EQ(s.At(20, 10), c.Face);
    EXPECT_EQ(s.At(1, 1), c.TopLeft);
    EXPECT_EQ(s.At(38, 18), c.BottomRight);
  }
  TSheet disabled(40, 20);
  theme.ButtonDraw(kbscButton, disabled.Canvas(), ButtonInfo(r, kbdsDisabled), kDefault);
  EXPECT_EQ(disabled.At(0, 0), kPaper);
  EXPECT_EQ(disabled.At(20, 10), kPaper);
}

TEST(ThemeBaseLook, ScrollPartsByState) {
  TteTheme theme;
  const uint32_t fills[] = {0x808080, 0x0000FF, 0xFF0000, 0xC0C0C0};  // normal, pressed, hot, disabled
  for (int state = 0; state < 4; ++state) {
    TSheet s(40, 30);
    theme.ScrollDrawButton(zqscScrollBar, s.Canvas(),
                           ScrollButtonInfo({0, 0, 40, 30}, TteScrollButtonDrawState(state), zqbcUp),
                           kDefault);
    EXPECT_EQ(s.At(0, 0), 0u);
    EXPECT_EQ(s.At(2, 2), fills[state]);
    EXPECT_EQ(s.At(20, 15), 0x000080u);  // the navy inner shape
    TSheet a(40, 30);
    theme.ScrollDrawArea(zqscScrollBar, a.Canvas(),
                         ScrollAreaInfo({0, 0, 40, 30}, TteScrollAreaDrawState(state), zqacVertical),
                         kDefault);
    EXPECT_EQ(a.At(39, 29), 0u);
    EXPECT_EQ(a.At(20, 15), fills[state]);
  }
  TSheet slider(40, 30);
  theme.ScrollDrawButton(zqscScrollBar, slider.Canvas(),
                         ScrollButtonInfo({0, 0, 40, 30}, zqbdsNormal, zqbcVertSlider), kDefault);
  EXPECT_EQ(slider.At(5, 4), 0x000080u);
  EXPECT_EQ(slider.At(20, 15), 0x808080u);  // a frame, not a fill
}

TEST(ThemeBaseLook, ClientRectanglesAndSizes) {
  TteTheme theme;
  const TRect r{10, 20, 110, 220};
  EXPECT_EQ(theme.HintGetClientRect(khscHintWindow, nullptr, HintInfo(r), kDefault),
            (TRect{20, 33, 100, 207}));
  EXPECT_EQ(theme.EditGetClientRect(kescEdit, nullptr, EditInfo(r, kedsNormal), kDefault),
            (TRect{13, 23, 107, 217}));
  EXPECT_EQ(theme.ListGetClientRect(klscListBox, ListInfo(r), kDefault), (TRect{14, 25, 106, 215}));
  EXPECT_EQ(theme.StatusGetClientRect(zqscStatusBar, StatusInfo(r), kDefault), (TRect{15, 22, 105, 218}));
  EXPECT_EQ(theme.MenuGetClientRect(kmscMenuBar, MenuInfo(r), kDefault), (TRect{13, 25, 107, 215}));
  EXPECT_EQ(theme.BarDockGetClientRect(kbdscBarDock, nullptr, BarDockInfo(r), kDefault),
            (TRect{13, 23, 107, 217}));
  EXPECT_EQ(theme.PanelGetClientRect(kpscPanel, PanelInfo(r), kDefault), r);
  EXPECT_EQ(theme.MemoGetClientRect(kmscMemo, nullptr, MemoInfo(r, kmdsNormal), kDefault), r);
  EXPECT_EQ(theme.CheckGetSize(kcscCheckBox, kDefault), (TPoint{13, 13}));
  EXPECT_EQ(
      theme.TrackGetThumbSize(ktscTrackBar, nullptr, TrackThumbInfo(r, ktbmVertBoth, kttdsNormal), kDefault),
      (TPoint{0, 0}));
  EXPECT_FALSE(theme.WindowGetRegion(kwscStandard, r, kDefault).has_value());
}

TEST(ThemeBaseLook, FamiliesWithoutALookDrawNothing) {
  TteTheme theme;
  const TRect r{0, 0, 30, 30};
  TSheet s(30, 30);
  framework::TCanvas* c = s.Canvas();
  theme.ScrollDraw(zqscScrollBar, c, ScrollInfo(r), kDefault);
  theme.ProgressDraw(kpscProgressBar, c, ProgressInfo(r, kppBarHorz, kpdsNormal), kDefault);
  theme.CheckDraw(kcscCheckBox, c, CheckInfo(r, kcdsCheckedNormal), kDefault);
  theme.PanelDrawButton(kpscPanel, c, PanelButtonInfo(r, kpbcClose, kpbdsNormal), kDefault);
  theme.TrackBarDraw(ktscTrackBar, c, TrackBarInfo(r, ktbcHorizontal, ktrbdsNormal), kDefault);
  theme.BarDraw(kbscOutlookBar, c, BarInfo(r), kDefault);
  theme.DockDraw(kdscDock, c, DockInfo(r), kDefault);
  theme.ToolDrawItem(ktscToolBar, c, ToolItemInfo(r, kticNormal, mtidsNormal), kDefault);
  theme.BoxDraw(kbscBox, c, BoxInfo(r, kbxdsNormal), kDefault);
  for (int y = 0; y < 30; ++y)
    for (int x = 0; x < 30; ++x) ASSERT_EQ(s.At(x, y), kPaper) << x << "," << y;

  // A family the base theme only marks is filled in its theme colour.
  theme.ListDraw(klscListBox, c, ListInfo(r), kDefault);
  EXPECT_EQ(s.At(15, 15), Rgb(theme.Colors()->GetColor(ktcList)));
  EXPECT_NE(s.At(0, 0), Rgb(theme.Colors()->GetColor(ktcList)));
  // The tool bar's frame is one of them; only its items draw nothing.
  theme.ToolDraw(ktscToolBar, c, ToolInfo(r), kDefault);
  EXPECT_EQ(s.At(15, 15), Rgb(theme.Colors()->GetColor(ktcPanelNormal)));
  EXPECT_NE(s.At(0, 0), Rgb(theme.Colors()->GetColor(ktcPanelNormal)));
}

}  // namespace
}  // namespace z5t8::skin::theme
