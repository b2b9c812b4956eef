#include "tools/skin-tool/Render.h"

#include <algorithm>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <sstream>

#include "framework/Exceptions.h"
#include "framework/Font.h"
#include "framework/MemoryStream.h"
#include "platform/gui/DeviceContext.h"
#include "platform/gui/Png.h"
#include "skin/render/CanvasDrawing.h"
#include "skin/se3/SkinFile.h"
#include "tools/skin-tool/SkinSources.h"

namespace z5t8::skin_tool {

using framework::Bounds;
using framework::TCanvas;
using framework::TColor;
using skin::render::teColor;
using skin::render::TteBitmap;
using namespace skin::theme;

namespace {

const std::string kDefault = "default";
constexpr int kMargin = 16;
constexpr int kGap = 24;
constexpr int kWindowWidth = 370;
constexpr int kWindowHeight = 400;
constexpr int kSheetWidth = 2 * kMargin + 3 * kWindowWidth + 2 * kGap;
constexpr TColor kBackground = 0x00F8F6F4;
constexpr TColor kInk = 0x00403830;

void LabelFont(TCanvas* canvas, bool heading) {
  framework::TFont font;
  font.SetName("Tahoma");
  font.SetSize(heading ? 9 : 8);
  font.SetColor(heading ? TColor(0x00704A20) : kInk);
  if (heading) font.SetStyle({framework::fsBold});
  canvas->SetFont(font);
}

void Label(TCanvas* canvas, int x, int y, const std::u16string& text) {
  LabelFont(canvas, false);
  skin::render::DrawText(canvas, text, x, y);
}

// A section heading; returns where the section's content starts.
int Heading(TCanvas* canvas, int y, const std::u16string& text) {
  LabelFont(canvas, true);
  skin::render::DrawText(canvas, text, kMargin, y);
  return y + 22;
}

// Text through the theme, in one of its fonts, centred in r.
void ThemeText(TteTheme& theme, TCanvas* canvas, TteThemeFont font, const TRect& r,
               const std::u16string& text) {
  canvas->SetFont(*theme.Fonts()->GetFont(font));
  theme.DrawThemeText(canvas, TextInfo(r, text, ktxaMiddleCenter, {ktxsSingleLine}, ktxoHorizontal));
}

// A small picture for the system menu button: a window with a blue title.
TteBitmap& SysMenuIcon() {
  static TteBitmap icon;
  if (icon.Width() == 0) {
    icon.SetSize(16, 16);
    icon.Clear(teColor(0x00000000u));
    icon.FillRect({1, 2, 15, 14}, teColor(0xFF3D7BD9u));
    icon.FillRect({2, 6, 14, 13}, teColor(0xFFFFFFFFu));
    icon.FillRect({3, 8, 10, 9}, teColor(0xFF9CC3F5u));
    icon.FillRect({3, 10, 12, 11}, teColor(0xFF9CC3F5u));
    icon.AlphaBlend = true;
  }
  return icon;
}

constexpr TteWindowButtonClass kCaptionButtons[] = {
    kwbSysMenu, kwbClose,       kwbHelp, kwbMin,     kwbMinRestore,     kwbMax,   kwbMaxRestore,
    kwbRoll,    kwbRollRestore, kwbTray, kwbTopmost, kwbTopmostRestore, kwbCustom};

// A whole frame as a form paints it: frame, client, the caption, then the caption buttons.
void DrawFrame(TteTheme& theme, TCanvas* canvas, const TteWindowInfo& info,
               TteWindowButtonDrawState buttonState) {
  theme.WindowDraw(kwscStandard, canvas, info, kDefault);
  TRect client = theme.WindowGetClientRect(kwscStandard, info.Rect, kDefault);
  theme.WindowDrawClient(kwscStandard, canvas, client, kDefault);
  // The caption first: a skin's title picture spans the title bar, buttons included.
  TRect text = theme.WindowGetTitleRect(kwscStandard, info, kDefault);
  if (!skin::render::IsRectEmpty(text)) theme.WindowDrawText(kwscStandard, canvas, info, text, kDefault);
  for (TteWindowButtonClass button : kCaptionButtons) {
    TRect r = theme.WindowGetButtonRect(kwscStandard, info, button, kDefault);
    if (skin::render::IsRectEmpty(r)) continue;
    theme.WindowDrawButton(kwscStandard, canvas, WindowButtonInfo(r, button, buttonState, &SysMenuIcon()),
                           kDefault);
  }
}

struct TButtonSet {
  const char16_t* Name;
  TteWindowButtons Buttons;
};
const TButtonSet kButtonSets[] = {
    {u"normal", {kwbSysMenu, kwbClose, kwbMin, kwbMax, kwbRoll}},
    {u"maximized", {kwbSysMenu, kwbClose, kwbMin, kwbMaxRestore, kwbRoll}},
    {u"rolled up", {kwbSysMenu, kwbClose, kwbMin, kwbMax, kwbRollRestore}},
};

// The frame drawn apart and laid onto the sheet through the region the theme gives it,
// so what the region cuts away shows as the sheet.
void PlaceFrame(TteTheme& theme, TCanvas* canvas, int x, int y, const TteWindowInfo& info,
                TteWindowButtonDrawState buttonState) {
  TteBitmap window;
  window.SetSize(info.Rect.right, info.Rect.bottom);
  window.Clear(teColor(kBackground, 255));
  DrawFrame(theme, window.GetCanvas(), info, buttonState);
  std::optional<platform::gui::Region> region = theme.WindowGetRegion(kwscStandard, info.Rect, kDefault);
  for (int py = 0; py < window.Height(); ++py)
    for (int px = 0; px < window.Width(); ++px)
      if (region && !region->contains({px, py})) window.SetPixel(px, py, teColor(kBackground, 255));
  window.Draw(canvas, x, y);
}

int DrawFrames(TteTheme& theme, TCanvas* canvas, int y) {
  if (!theme.IsWindowDefined(kwscStandard, kDefault)) return y;
  y = Heading(canvas, y, u"Window frames, 370 \u00d7 400: active and inactive, three button sets");
  for (bool active : {true, false}) {
    for (int i = 0; i < 3; ++i) {
      const TButtonSet& set = kButtonSets[i];
      TteWindowDrawStates states;
      if (active) states.Include(kwdsActive);
      std::u16string caption = std::u16string(u"Z5T8 \u97cc\u9ad4\u66f4\u65b0 \u2013 ") +
                               (active ? u"active, " : u"inactive, ") + set.Name;
      TteWindowInfo info =
          WindowInfo({0, 0, kWindowWidth, kWindowHeight}, states, NullRect, set.Buttons, caption, false);
      int x = kMargin + i * (kWindowWidth + kGap);
      PlaceFrame(theme, canvas, x, y, info, active ? kwbdsNormal : kwbdsInactive);
      TRect client = theme.WindowGetClientRect(kwscStandard, info.Rect, kDefault);
      Label(canvas, x + client.left + 12, y + client.top + 10,
            std::u16string(active ? u"active" : u"inactive") + u" window, " + set.Name + u" buttons");
    }
    y += kWindowHeight + kGap;
  }
  return y;
}

// Each caption button in the four draw states, on a strip of title bar.
int DrawCaptionButtons(TteTheme& theme, TCanvas* canvas, int y) {
  if (!theme.IsWindowDefined(kwscStandard, kDefault)) return y;
  y = Heading(canvas, y, u"Caption buttons: normal, hot, pressed, inactive");
  const char16_t* states[] = {u"normal", u"hot", u"pressed", u"inactive"};
  const TteWindowButtons sets[] = {{kwbSysMenu, kwbClose, kwbMin, kwbMax, kwbRoll},
                                   {kwbSysMenu, kwbClose, kwbMin, kwbMaxRestore, kwbRollRestore}};
  constexpr int kStripWidth = 260, kStripHeight = 34;
  for (int s = 0; s < 4; ++s) {
    int x = kMargin + s * (kStripWidth + 30);
    Label(canvas, x, y, states[s]);
    for (int row = 0; row < 2; ++row) {
      TteWindowDrawStates drawStates;
      if (s != kwbdsInactive) drawStates.Include(kwdsActive);
      TteWindowInfo info =
          WindowInfo({0, 0, kStripWidth, kStripHeight}, drawStates, NullRect, sets[row], u"Caption", false);
      PlaceFrame(theme, canvas, x, y + 16 + row * (kStripHeight + 8), info, TteWindowButtonDrawState(s));
    }
  }
  return y + 16 + 2 * (kStripHeight + 8) + 12;
}

const char16_t* const kButtonStateNames[] = {
    u"Normal",  u"Hot",        u"Pressed", u"Disabled",        u"Focused",    u"FocusedHot",
    u"Default", u"DefaultHot", u"Checked", u"CheckedDisabled", u"CheckedHot", u"CheckedFocused"};

TteThemeFont ButtonFont(TteButtonDrawState s) {
  switch (s) {
    case kbdsDisabled:
    case kbdsCheckedDisabled:
      return ktfButtonTextDisabled;
    case kbdsPressed:
    case kbdsChecked:
      return ktfButtonTextPressed;
    case kbdsHot:
    case kbdsFocusedHot:
    case kbdsDefaultHot:
    case kbdsCheckedHot:
      return ktfButtonTextHot;
    case kbdsFocused:
    case kbdsDefault:
    case kbdsCheckedFocused:
      return ktfButtonTextFocused;
    default:
      return ktfButtonTextNormal;
  }
}

int DrawPushButtons(TteTheme& theme, TCanvas* canvas, int y) {
  if (!theme.IsButtonDefined(kbscButton, kDefault)) return y;
  y = Heading(canvas, y, u"Push buttons, 178 \u00d7 41 and 75 \u00d7 25, in every draw state");
  for (int s = 0; s < 12; ++s) {
    auto state = TteButtonDrawState(s);
    TRect r = Bounds(kMargin + (s % 6) * 190, y + (s / 6) * 53, 178, 41);
    theme.ButtonDraw(kbscButton, canvas, ButtonInfo(r, state), kDefault);
    canvas->SetFont(*theme.Fonts()->GetFont(ButtonFont(state)));
    theme.ButtonDrawText(
        kbscButton, canvas, ButtonInfo(r, state),
        TextInfo(r, kButtonStateNames[s], ktxaMiddleCenter, {ktxsSingleLine}, ktxoHorizontal), kDefault);
  }
  y += 2 * 53;
  for (int s = 0; s < 12; ++s) {
    auto state = TteButtonDrawState(s);
    TRect r = Bounds(kMargin + s * 87, y, 75, 25);
    theme.ButtonDraw(kbscButton, canvas, ButtonInfo(r, state), kDefault);
    canvas->SetFont(*theme.Fonts()->GetFont(ButtonFont(state)));
    theme.ButtonDrawText(kbscButton, canvas, ButtonInfo(r, state),
                         TextInfo(r, u"OK", ktxaMiddleCenter, {ktxsSingleLine}, ktxoHorizontal), kDefault);
  }
  return y + 25 + kGap;
}

int DrawMemoAndScrollBars(TteTheme& theme, TCanvas* canvas, int y) {
  y = Heading(canvas, y,
              u"Memo frame (normal, focused, disabled) and scroll bars (normal, pressed, hot, disabled)");
  int x = kMargin;
  if (theme.IsMemoDefined(kmscMemo, kDefault)) {
    const TteMemoDrawState states[] = {kmdsNormal, kmdsFocused, kmdsDisabled};
    for (TteMemoDrawState s : states) {
      TRect r = Bounds(x, y, 180, 150);
      theme.MemoDraw(kmscMemo, canvas, MemoInfo(r, s), kDefault);
      TRect inner = theme.MemoGetClientRect(kmscMemo, canvas, MemoInfo(r, s), kDefault);
      canvas->SetFont(
          *theme.Fonts()->GetFont(s == kmdsDisabled ? ktfEditBoxTextDisabled : ktfEditBoxTextNormal));
      TRect line = Bounds(inner.left + 2, inner.top + 2, inner.right - inner.left - 4, 16);
      theme.DrawThemeText(canvas, TextInfo(line, u"\u6b63\u5728\u5beb\u5165 Flash...", ktxaMiddleLeft,
                                           {ktxsSingleLine}, ktxoHorizontal));
      x += 196;
    }
  }
  if (!theme.IsScrollDefined(zqscScrollBar, kDefault)) return y + 150 + kGap;
  constexpr int kBar = 16;
  const char16_t* names[] = {u"normal", u"pressed", u"hot", u"disabled"};
  for (int s = 0; s < 4; ++s) {
    auto bs = TteScrollButtonDrawState(s);
    auto as = TteScrollAreaDrawState(s);
    int bx = x + s * 52;
    TRect track = Bounds(bx, y, kBar, 150);
    theme.ScrollDrawArea(zqscScrollBar, canvas, ScrollAreaInfo(track, as, zqacVertical), kDefault);
    theme.ScrollDrawButton(zqscScrollBar, canvas, ScrollButtonInfo(Bounds(bx, y, kBar, kBar), bs, zqbcUp),
                           kDefault);
    theme.ScrollDrawButton(zqscScrollBar, canvas,
                           ScrollButtonInfo(Bounds(bx, y + 150 - kBar, kBar, kBar), bs, zqbcDown), kDefault);
    theme.ScrollDrawButton(zqscScrollBar, canvas,
                           ScrollButtonInfo(Bounds(bx, y + 40, kBar, 50), bs, zqbcVertSlider), kDefault);
    Label(canvas, bx - 8, y + 154, names[s]);
  }
  int hx = x + 4 * 52 + 10;
  for (int s = 0; s < 4; ++s) {
    auto bs = TteScrollButtonDrawState(s);
    auto as = TteScrollAreaDrawState(s);
    int hy = y + s * 38;
    TRect track = Bounds(hx, hy, 220, kBar);
    theme.ScrollDrawArea(zqscScrollBar, canvas, ScrollAreaInfo(track, as, zqacHorizontal), kDefault);
    theme.ScrollDrawButton(zqscScrollBar, canvas, ScrollButtonInfo(Bounds(hx, hy, kBar, kBar), bs, zqbcLeft),
                           kDefault);
    theme.ScrollDrawButton(zqscScrollBar, canvas,
                           ScrollButtonInfo(Bounds(hx + 220 - kBar, hy, kBar, kBar), bs, zqbcRight),
                           kDefault);
    theme.ScrollDrawButton(zqscScrollBar, canvas,
                           ScrollButtonInfo(Bounds(hx + 60, hy, 70, kBar), bs, zqbcHorzSlider), kDefault);
    Label(canvas, hx + 228, hy + 1, names[s]);
  }
  return y + 172 + kGap;
}

// The families a window of this program does not use, each where the theme defines it.
int DrawOtherFamilies(TteTheme& theme, TCanvas* canvas, int y) {
  y = Heading(canvas, y, u"Other families");
  const int top = y;
  int x = kMargin;

  // Check boxes and radio buttons: checked, unchecked, mixed in their five states.
  const char16_t* lookNames[] = {u"normal", u"hot", u"pressed", u"disabled", u"focused"};
  for (TteCheckSubclass sub : {kcscCheckBox, kcscRadioButton}) {
    if (!theme.IsCheckDefined(sub, kDefault)) continue;
    TPoint size = theme.CheckGetSize(sub, kDefault);
    Label(canvas, x, y, sub == kcscCheckBox ? u"check box" : u"radio button");
    for (int value = 0; value < 3; ++value) {
      if (sub == kcscRadioButton && value == 2) break;
      for (int look = 0; look < 5; ++look) {
        TRect r = Bounds(x + look * 26, y + 18 + value * 22, size.x, size.y);
        theme.CheckDraw(sub, canvas, CheckInfo(r, TteCheckDrawState(value * 5 + look)), kDefault);
      }
    }
    x += 5 * 26 + 16;
  }
  for (int look = 0; look < 5; ++look)
    Label(canvas, kMargin + look * 26, y + 86, std::u16string(lookNames[look]).substr(0, 3));

  // Progress bars at 60 %.
  if (theme.IsProgressDefined(kpscProgressBar, kDefault)) {
    Label(canvas, x, y, u"progress");
    TRect h = Bounds(x, y + 18, 200, 18);
    theme.ProgressDraw(kpscProgressBar, canvas, ProgressInfo(h, kppBarHorz, kpdsNormal), kDefault);
    theme.ProgressDraw(kpscProgressBar, canvas,
                       ProgressInfo(Bounds(x + 2, y + 20, 118, 14), kppChunkHorz, kpdsNormal), kDefault);
    TRect v = Bounds(x + 210, y + 18, 18, 80);
    theme.ProgressDraw(kpscProgressBar, canvas, ProgressInfo(v, kppBarVert, kpdsNormal), kDefault);
    theme.ProgressDraw(kpscProgressBar, canvas,
                       ProgressInfo(Bounds(x + 212, y + 50, 14, 46), kppChunkVert, kpdsNormal), kDefault);
    TRect d = Bounds(x, y + 44, 200, 18);
    theme.ProgressDraw(kpscProgressBar, canvas, ProgressInfo(d, kppBarHorz, kpdsDisabled), kDefault);
    theme.ProgressDraw(kpscProgressBar, canvas,
                       ProgressInfo(Bounds(x + 2, y + 46, 118, 14), kppChunkHorz, kpdsDisabled), kDefault);
    x += 250;
  }

  // Track bars with a thumb in each state.
  if (theme.IsTrackDefined(ktscTrackBar, kDefault)) {
    Label(canvas, x, y, u"track bar");
    theme.TrackBarDraw(ktscTrackBar, canvas,
                       TteTrackBarInfo{Bounds(x, y + 28, 200, 6), ktbcHorizontal, ktrbdsNormal}, kDefault);
    for (int s = 0; s < 5; ++s)
      theme.TrackDrawThumb(
          ktscTrackBar, canvas,
          TteTrackThumbInfo{Bounds(x + 10 + s * 38, y + 20, 11, 21), ktbmHorzBoth, TteTrackThumbDrawState(s)},
          kDefault);
    theme.TrackBarDraw(ktscTrackBar, canvas,
                       TteTrackBarInfo{Bounds(x + 220, y + 18, 6, 80), ktbcVertical, ktrbdsNormal}, kDefault);
    theme.TrackDrawThumb(ktscTrackBar, canvas,
                         TteTrackThumbInfo{Bounds(x + 213, y + 40, 21, 11), ktbmVertBoth, kttdsNormal},
                         kDefault);
    x += 250;
  }

  // Edit and combo box.
  if (theme.IsEditDefined(kescEdit, kDefault)) {
    Label(canvas, x, y, u"edit, combo box");
    const TteEditDrawState states[] = {kedsNormal, kedsFocused, kedsDisabled};
    for (int i = 0; i < 3; ++i)
      theme.EditDraw(kescEdit, canvas, TteEditInfo{Bounds(x, y + 18 + i * 28, 150, 22), states[i]}, kDefault);
    if (theme.IsEditDefined(kescComboBoxRight, kDefault))
      for (int s = 0; s < 3; ++s) {
        TRect combo = Bounds(x + 160, y + 18 + s * 28, 120, 22);
        theme.EditDraw(kescComboBoxRight, canvas, TteEditInfo{combo, kedsNormal}, kDefault);
        theme.EditDrawButton(kescComboBoxRight, canvas,
                             EditButtonInfo(Bounds(combo.right - 20, combo.top + 2, 18, 18),
                                            TteEditButtonDrawState(s), kebcDropDown),
                             kDefault);
      }
  }
  y = std::max(y + 110, top + 110);

  // Group box, panel, header, status bar.
  x = kMargin;
  if (theme.IsGroupDefined(kgscGroupBox, kDefault)) {
    TRect box = Bounds(x, y, 200, 100);
    theme.GroupDraw(kgscGroupBox, canvas, TteGroupInfo{box, Bounds(x + 8, y, 60, 14), kgdsNormal}, kDefault);
    canvas->SetFont(*theme.Fonts()->GetFont(ktfGroupBoxTextNormal));
    theme.GroupDrawText(
        kgscGroupBox, canvas, TteGroupInfo{box, Bounds(x + 8, y, 60, 14), kgdsNormal},
        TextInfo(Bounds(x + 10, y, 70, 14), u"Group box", ktxaMiddleLeft, {ktxsSingleLine}, ktxoHorizontal),
        kDefault);
    x += 216;
  }
  if (theme.IsPanelDefined(kpscPanel, kDefault)) {
    theme.PanelDraw(kpscPanel, canvas, TtePanelInfo{Bounds(x, y, 140, 100)}, kDefault);
    Label(canvas, x + 10, y + 8, u"panel");
    x += 156;
  }
  if (theme.IsHeaderDefined(khscHeader, kDefault)) {
    Label(canvas, x, y, u"header: first, middle (hot), last (pressed)");
    theme.HeaderDraw(khscHeader, canvas, TteHeaderInfo{Bounds(x, y + 18, 300, 22)}, kDefault);
    const TteSectionState sections[] = {khssFirst, khssMiddle, khssLast};
    const TteSectionDrawState looks[] = {khdsNormal, khdsHot, khdsPressed};
    for (int i = 0; i < 3; ++i) {
      TRect r = Bounds(x + i * 100, y + 18, 100, 22);
      theme.HeaderDrawSection(khscHeader, canvas, TteHeaderSectionInfo{r, sections[i], looks[i]}, kDefault);
      ThemeText(theme, canvas, ktfWindowTextNormal, r, i == 0 ? u"Name" : i == 1 ? u"Size" : u"Date");
    }
  }
  if (theme.IsStatusDefined(zqscStatusBar, kDefault)) {
    Label(canvas, x, y + 52, u"status bar with panels and gripper");
    TRect bar = Bounds(x, y + 70, 300, 22);
    theme.StatusDraw(zqscStatusBar, canvas, TteStatusInfo{bar}, kDefault);
    theme.StatusDrawPanel(zqscStatusBar, canvas,
                          TteStatusPanelInfo{Bounds(x + 2, y + 72, 140, 18), zqpcNormal}, kDefault);
    theme.StatusDrawPanel(zqscStatusBar, canvas,
                          TteStatusPanelInfo{Bounds(x + 144, y + 72, 130, 18), zqpcDisabled}, kDefault);
    theme.StatusDrawPanel(zqscStatusBar, canvas,
                          TteStatusPanelInfo{Bounds(x + 282, y + 74, 16, 16), zqpcGripper}, kDefault);
    ThemeText(theme, canvas, ktfWindowTextNormal, Bounds(x + 2, y + 72, 140, 18), u"COM5 115200");
    x += 316;
  }
  if (theme.IsSplitterDefined(zqscSplitter, kDefault)) {
    Label(canvas, x, y, u"splitter");
    theme.SplitterDraw(zqscSplitter, canvas, TteSplitterInfo{Bounds(x + 20, y + 18, 6, 80)}, kDefault);
    x += 60;
  }
  if (theme.IsButtonDefined(kbscSpinUp, kDefault)) {
    Label(canvas, x, y, u"spin");
    for (int s = 0; s < 3; ++s) {
      const TteButtonDrawState looks[] = {kbdsNormal, kbdsHot, kbdsPressed};
      theme.ButtonDraw(kbscSpinUp, canvas, ButtonInfo(Bounds(x + s * 22, y + 18, 16, 11), looks[s]),
                       kDefault);
      theme.ButtonDraw(kbscSpinDown, canvas, ButtonInfo(Bounds(x + s * 22, y + 29, 16, 11), looks[s]),
                       kDefault);
    }
  }
  y += 110;

  // Menus, tool bar, tabs.
  x = kMargin;
  if (theme.IsMenuDefined(kmscMenuBar, kDefault)) {
    Label(canvas, x, y, u"menu: normal, hot, selected, disabled");
    TRect bar = Bounds(x, y + 18, 300, 22);
    theme.MenuDraw(kmscMenuBar, canvas, TteMenuInfo{bar}, kDefault);
    const char16_t* items[] = {u"File", u"Edit", u"View", u"Help"};
    for (int i = 0; i < 4; ++i) {
      TRect r = Bounds(x + 4 + i * 60, y + 20, 56, 18);
      const TteMenuItemDrawState looks[] = {kmidsNormal, kmidsHot, kmidsSelected, kmidsDisabled};
      const TteThemeFont fonts[] = {ktfMenuItemTextNormal, ktfMenuItemTextHot, ktfMenuItemTextSelected,
                                    ktfMenuItemTextDisabled};
      theme.MenuDrawItem(kmscMenuBar, canvas, TteMenuItemInfo{r, kmicNormal, looks[i]}, kDefault);
      ThemeText(theme, canvas, fonts[i], r, items[i]);
    }
  }
  if (theme.IsMenuDefined(kmscPopupMenu, kDefault)) {
    TRect popup = Bounds(x, y + 48, 160, 92);
    theme.MenuDraw(kmscPopupMenu, canvas, TteMenuInfo{popup}, kDefault);
    const char16_t* items[] = {u"Open", u"Save", nullptr, u"Exit"};
    const TteMenuItemDrawState looks[] = {kmidsNormal, kmidsHot, kmidsNormal, kmidsDisabled};
    int iy = y + 52;
    for (int i = 0; i < 4; ++i) {
      int h = items[i] ? 22 : 8;
      TRect r = Bounds(x + 3, iy, 154, h);
      theme.MenuDrawItem(kmscPopupMenu, canvas,
                         TteMenuItemInfo{r, items[i] ? kmicNormal : kmicSeparator, looks[i]}, kDefault);
      if (items[i]) {
        canvas->SetFont(*theme.Fonts()->GetFont(looks[i] == kmidsHot        ? ktfPopupMenuItemTextHot
                                                : looks[i] == kmidsDisabled ? ktfPopupMenuItemTextDisabled
                                                                            : ktfPopupMenuItemTextNormal));
        theme.DrawThemeText(canvas, TextInfo(Bounds(r.left + 20, r.top, 120, h), items[i], ktxaMiddleLeft,
                                             {ktxsSingleLine}, ktxoHorizontal));
      }
      iy += h;
    }
  }
  x += 316;
  if (theme.IsToolDefined(ktscToolBar, kDefault)) {
    Label(canvas, x, y, u"tool bar: normal, hot, pressed | checked");
    theme.DockDraw(kdscDock, canvas, TteDockInfo{Bounds(x, y + 18, 300, 34)}, kDefault);
    theme.ToolDraw(ktscToolBar, canvas, TteToolInfo{Bounds(x + 2, y + 20, 250, 30)}, kDefault);
    theme.ToolDrawItem(ktscToolBar, canvas,
                       TteToolItemInfo{Bounds(x + 4, y + 22, 8, 26), kticGripper, mtidsNormal}, kDefault);
    const TteToolItemDrawState looks[] = {mtidsNormal, mtidsHot, mtidsPressed};
    for (int i = 0; i < 3; ++i)
      theme.ToolDrawItem(ktscToolBar, canvas,
                         TteToolItemInfo{Bounds(x + 16 + i * 30, y + 22, 26, 26), kticNormal, looks[i]},
                         kDefault);
    theme.ToolDrawItem(ktscToolBar, canvas,
                       TteToolItemInfo{Bounds(x + 108, y + 22, 6, 26), kticSeparator, mtidsNormal}, kDefault);
    theme.ToolDrawItem(ktscToolBar, canvas,
                       TteToolItemInfo{Bounds(x + 118, y + 22, 26, 26), kticNormal, mtidsChecked}, kDefault);
  }
  if (theme.IsTabDefined(ktscTab, kDefault)) {
    int ty = y + 64;
    Label(canvas, x, ty, u"tabs: active, normal, hot, disabled");
    theme.TabDraw(ktscTab, canvas, TteTabInfo{Bounds(x, ty + 38, 300, 60)}, kDefault);
    const TteTabItemDrawState looks[] = {ktidsActive, ktidsNormal, ktidsHot, ktidsDisabled};
    const char16_t* names[] = {u"General", u"Port", u"Image", u"Log"};
    for (int i = 0; i < 4; ++i) {
      TRect r = i == 0 ? Bounds(x + 2, ty + 16, 70, 24) : Bounds(x + 2 + i * 70, ty + 18, 68, 21);
      theme.TabDrawItem(ktscTab, canvas,
                        TteTabItemInfo{r, TteTabItemClass(i == 0 ? ktisTopFirst : ktisTopMiddle), looks[i]},
                        kDefault);
      ThemeText(theme, canvas, ktfWindowTextNormal, r, names[i]);
    }
  }
  x += 316;
  if (theme.IsListDefined(klscListBox, kDefault)) {
    Label(canvas, x, y, u"list and grid");
    TRect list = Bounds(x, y + 18, 160, 96);
    theme.ListDraw(klscListBox, canvas, TteListInfo{list}, kDefault);
    const char16_t* items[] = {u"COM1", u"COM3", u"COM5", u"COM7"};
    const TteListItemDrawState looks[] = {klidsNormal, klidsHot, klidsSelected, klidsDisabled};
    for (int i = 0; i < 4; ++i) {
      TRect r = Bounds(x + 2, y + 20 + i * 20, 156, 20);
      theme.ListDrawItem(klscListBox, canvas, TteListItemInfo{r, looks[i]}, kDefault);
      theme.ListDrawGlyph(
          klscListBox, canvas, TteListItemInfo{r, looks[i]},
          ListGlyphInfo(Bounds(r.left + 3, r.top + 3, 13, 13), i % 2 ? klgUnchecked : klgChecked), kDefault);
      const TteThemeFont fonts[] = {ktfListItemTextNormal, ktfListItemTextHot, ktfListItemTextSelected,
                                    ktfListItemTextDisabled};
      canvas->SetFont(*theme.Fonts()->GetFont(fonts[i]));
      theme.DrawThemeText(canvas, TextInfo(Bounds(r.left + 22, r.top, 120, 20), items[i], ktxaMiddleLeft,
                                           {ktxsSingleLine}, ktxoHorizontal));
    }
  }
  if (theme.IsGridDefined(kgscGrid, kDefault)) {
    int gx = x + 176;
    TRect grid = Bounds(gx, y + 18, 130, 96);
    theme.GridDraw(kgscGrid, canvas, TteGridInfo{grid}, kDefault);
    for (int row = 0; row < 4; ++row)
      for (int col = 0; col < 2; ++col) {
        TRect r = Bounds(gx + 2 + col * 63, y + 20 + row * 23, 63, 23);
        bool fixed = row == 0;
        theme.GridDrawItem(kgscGrid, canvas,
                           GridItemInfo(r, row == 2 && col == 1 ? kgidsSelected : kgidsNormal,
                                        fixed ? kgicFixed : kgicNormal),
                           kDefault);
      }
  }
  y += 150;

  // Hint and the panel-like bar.
  x = kMargin;
  if (theme.IsHintDefined(khscHintWindow, kDefault)) {
    TRect hint = Bounds(x, y, 180, 24);
    theme.HintDraw(khscHintWindow, canvas, TteHintInfo{hint}, kDefault);
    ThemeText(theme, canvas, ktfWindowTextNormal, hint, u"A hint window");
    x += 196;
  }
  if (theme.IsBarDefined(kbscGroupBar, kDefault)) {
    TRect bar = Bounds(x, y, 200, 90);
    theme.BarDraw(kbscGroupBar, canvas, TteBarInfo{bar}, kDefault);
    TRect caption = Bounds(x + 2, y + 2, 196, 22);
    theme.BarDrawCaption(kbscGroupBar, canvas, TteBarCaptionInfo{caption}, kDefault);
    theme.BarDrawButton(kbscGroupBar, canvas,
                        TteBarButtonInfo{Bounds(x + 176, y + 5, 16, 16), kbbcUp, kbbdsNormal}, kDefault);
    ThemeText(theme, canvas, ktfWindowTextNormal, Bounds(x + 8, y + 2, 120, 22), u"Bar caption");
  }
  return y + 100;
}

// The theme's look for every family on one sheet, as tall as what is drawn.
void DrawAll(TteTheme& theme, TteBitmap& sheet) {
  TCanvas* canvas = sheet.GetCanvas();
  LabelFont(canvas, true);
  std::u16string name(theme.ThemeName.begin(), theme.ThemeName.end());
  skin::render::DrawText(canvas, u"Preview of the skin \u201c" + name + u"\u201d", kMargin, 10);
  int y = 36;
  y = DrawFrames(theme, canvas, y);
  y = DrawCaptionButtons(theme, canvas, y);
  y = DrawPushButtons(theme, canvas, y);
  y = DrawMemoAndScrollBars(theme, canvas, y);
  y = DrawOtherFamilies(theme, canvas, y);
  sheet.SetPixel(0, std::min(y, sheet.Height() - 1), teColor(kBackground, 255));
}

}  // namespace

void RenderThemeSheet(TteTheme& theme, TteBitmap& sheet) {
  TteBitmap scratch;
  scratch.SetSize(kSheetWidth, 3000);
  scratch.Clear(teColor(kBackground, 255));
  DrawAll(theme, scratch);
  // The sheet ends below the last thing drawn.
  int used = scratch.Height();
  while (used > 1) {
    bool blank = true;
    for (int x = 0; x < scratch.Width() && blank; ++x)
      blank = scratch.GetPixel(x, used - 1) == scratch.GetPixel(0, 0);
    if (!blank) break;
    --used;
  }
  sheet.SetSize(kSheetWidth, std::min(scratch.Height(), used + kMargin));
  sheet.Clear(teColor(kBackground, 255));
  scratch.Draw(sheet.GetCanvas(), 0, 0);
}

void RenderThemeSheetFile(const std::string& skinPath, const std::string& pngPath) {
  skin::se3::TTeSkinFile theme;
  if (std::filesystem::is_directory(skinPath)) {
    std::unique_ptr<skin::se3::TSeSkinSource> sources = ReadSkinSources(skinPath);
    theme.LoadedSource()->Assign(sources.get());
    theme.ResetTheme();
  } else {
    std::ifstream in(skinPath, std::ios::binary);
    if (!in) throw framework::Exception("cannot read " + skinPath);
    std::string bytes{std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
    framework::TMemoryStream stream;
    stream.WriteBuffer(bytes.data(), int64_t(bytes.size()));
    stream.SetPosition(0);
    if (!theme.LoadFromStream(stream)) throw framework::Exception(skinPath + ": the skin has no objects");
  }
  TteBitmap sheet;
  RenderThemeSheet(theme, sheet);
  if (!platform::gui::writePngFile(*sheet.DC()->surface(), pngPath, false))
    throw framework::Exception("cannot write " + pngPath);
}

}  // namespace z5t8::skin_tool
