// Draws one sheet of the base theme's look and writes it as a PNG:
// theme-demo --out FILE.png
#include <cstdio>
#include <string>

#include "framework/Font.h"
#include "platform/gui/DeviceContext.h"
#include "platform/gui/Png.h"
#include "skin/render/Bitmap.h"
#include "skin/render/CanvasDrawing.h"
#include "skin/theme/Theme.h"
#include "tools/demo-common/DemoCommandLine.h"

using namespace z5t8;
using namespace z5t8::skin::theme;
using framework::TCanvas;
using framework::TColor;
using skin::render::TteBitmap;

namespace {

const std::string kDefault = "default";
constexpr int kWindowWidth = 370;
constexpr int kWindowHeight = 400;

void SetFont(TCanvas* canvas, int size, bool bold, TColor colour) {
  framework::TFont font;
  font.SetName("Tahoma");
  font.SetSize(size);
  font.SetColor(colour);
  if (bold) font.SetStyle({framework::fsBold});
  canvas->SetFont(font);
}

void Title(TCanvas* canvas, int x, int y, const std::u16string& text) {
  SetFont(canvas, 9, true, 0x800000);
  skin::render::DrawText(canvas, text, x, y);
}

void Label(TCanvas* canvas, int x, int y, const std::u16string& text) {
  SetFont(canvas, 8, false, 0);
  skin::render::DrawText(canvas, text, x, y);
}

const TteWindowButtonClass kAllButtons[] = {kwbSysMenu, kwbClose,      kwbHelp, kwbMin,         kwbMinRestore,
                                            kwbMax,     kwbMaxRestore, kwbRoll, kwbRollRestore, kwbTray};
const char16_t* const kButtonNames[] = {u"SysMenu", u"Close",      u"Help", u"Min",         u"MinRestore",
                                        u"Max",     u"MaxRestore", u"Roll", u"RollRestore", u"Tray"};

// A small picture for the system menu button.
TteBitmap& SysMenuPicture() {
  static TteBitmap picture;
  if (picture.Empty()) {
    picture.SetSize(16, 16);
    picture.Clear(skin::render::teColor(0xFF2060C0));
    picture.FillRect({2, 2, 14, 5}, skin::render::teColor(0xFFFFFFFF));
    picture.FillRect({2, 6, 14, 14}, skin::render::teColor(0xFFE8E8E8));
  }
  return picture;
}

TteWindowInfo DemoWindow(bool active) {
  TteWindowDrawStates states;
  if (active) states.Include(kwdsActive);
  return WindowInfo({0, 0, kWindowWidth, kWindowHeight}, states, NullRect,
                    {kwbSysMenu, kwbClose, kwbMax, kwbMin, kwbRoll, kwbTray, kwbHelp},
                    active ? u"Base theme \u2013 active" : u"Base theme \u2013 inactive", false);
}

// The whole frame as a form draws it: frame, client, buttons and the caption between them.
void DrawFrame(TteTheme& theme, TCanvas* canvas, const TteWindowInfo& info) {
  theme.WindowDraw(kwscStandard, canvas, info, kDefault);
  theme.WindowDrawClient(kwscStandard, canvas, theme.WindowGetClientRect(kwscStandard, info.Rect, kDefault),
                         kDefault);
  TRect text = theme.WindowGetTitleRect(kwscStandard, info, kDefault);
  for (TteWindowButtonClass button : kAllButtons) {
    TRect r = theme.WindowGetButtonRect(kwscStandard, info, button, kDefault);
    if (r == NullRect) continue;
    TteWindowButtonDrawState state = info.States.Contains(kwdsActive) ? kwbdsNormal : kwbdsInactive;
    theme.WindowDrawButton(kwscStandard, canvas, WindowButtonInfo(r, button, state, &SysMenuPicture()),
                           kDefault);
    if (button == kwbSysMenu)
      text.left = std::max(text.left, r.right + 2);
    else
      text.right = std::min(text.right, r.left - 2);
  }
  theme.WindowDrawText(kwscStandard, canvas, info, text, kDefault);
}

// Every caption button in each of its four draw states, in the client area.
void DrawButtonStates(TteTheme& theme, TCanvas* canvas, int x, int y) {
  const char16_t* states[] = {u"normal", u"hot", u"pressed", u"inactive"};
  Label(canvas, x, y, u"caption buttons");
  for (int s = 0; s < 4; ++s) Label(canvas, x + 96 + s * 56, y, states[s]);
  for (int b = 0; b < 10; ++b) {
    int top = y + 18 + b * 24;
    Label(canvas, x, top + 3, kButtonNames[b]);
    for (int s = 0; s < 4; ++s) {
      TRect r = framework::Bounds(x + 104 + s * 56, top, 22, 17);
      theme.WindowDrawButton(
          kwscStandard, canvas,
          WindowButtonInfo(r, kAllButtons[b], TteWindowButtonDrawState(s), &SysMenuPicture()), kDefault);
    }
  }
}

struct THitColour {
  TteWindowHitTest Hit;
  uint32_t Colour;
  const char16_t* Name;
};
const THitColour kHitColours[] = {
    {kwhtCaption, 0x0060C0FF, u"Caption"},
    {kwhtLeft, 0x00FF6060, u"Left"},
    {kwhtTop, 0x0060D060, u"Top"},
    {kwhtRight, 0x00FFB040, u"Right"},
    {kwhtBottom, 0x00C060FF, u"Bottom"},
    {kwhtTopLeft, 0x00E02020, u"TopLeft"},
    {kwhtTopRight, 0x00208020, u"TopRight"},
    {kwhtBottomLeft, 0x002020E0, u"BottomLeft"},
    {kwhtBottomRight, 0x00E0E020, u"BottomRight"},
    {kwhtCloseButton, 0x00FF0000, u"CloseButton"},
    {kwhtMaxButton, 0x0000C000, u"MaxButton"},
    {kwhtMinButton, 0x00D0D000, u"MinButton"},
    {kwhtRollButton, 0x00C000C0, u"RollButton"},
    {kwhtTrayButton, 0x00FF8000, u"TrayButton"},
    {kwhtHelpButton, 0x0000C0C0, u"HelpButton"},
    {kwhtSysMenu, 0x00404040, u"SysMenu"},
};

// Each answer of the hit test its own colour over the frame, with a legend in the client.
void DrawHitMap(TteTheme& theme, const TteWindowInfo& info, TteBitmap& map) {
  for (int py = 0; py < kWindowHeight; ++py)
    for (int px = 0; px < kWindowWidth; ++px) {
      TteWindowHitTest hit = theme.WindowGetHitTest(kwscStandard, info, px, py, kDefault);
      for (const THitColour& h : kHitColours) {
        if (h.Hit != hit) continue;
        uint32_t c = map.GetPixel(px, py), o = h.Colour;
        auto mix = [&](int shift) { return (((c >> shift & 0xFF) + 3 * (o >> shift & 0xFF)) / 4) << shift; };
        map.SetPixel(px, py, skin::render::teColor(0xFF000000u | mix(16) | mix(8) | mix(0)));
      }
    }
  TCanvas* canvas = map.GetCanvas();
  TRect client = theme.WindowGetClientRect(kwscStandard, info.Rect, kDefault);
  Label(canvas, client.left + 20, client.top + 16, u"hit-test answers (client: no overlay)");
  int i = 0;
  for (const THitColour& h : kHitColours) {
    int x = client.left + 20 + (i % 2) * 160, y = client.top + 40 + (i / 2) * 22;
    // The map's colours are pixels (0xRRGGBB); the swatch takes a framework colour (0xBBGGRR).
    uint32_t o = h.Colour;
    skin::render::FillRect(canvas, framework::Bounds(x, y, 16, 14),
                           TColor((o & 0xFF) << 16 | (o & 0xFF00) | (o >> 16 & 0xFF)));
    skin::render::DrawRect(canvas, framework::Bounds(x, y, 16, 14), TColor(0));
    Label(canvas, x + 24, y, std::u16string(u"kwht") + h.Name);
    ++i;
  }
}

void DrawWindows(TteTheme& theme, TteBitmap& sheet, int y) {
  TCanvas* canvas = sheet.GetCanvas();
  Title(canvas, 10, y, u"Window frame 370 \u00d7 400: active, its hit-test map, inactive");
  y += 20;
  for (bool active : {true, false}) {
    TteBitmap window;
    window.SetSize(kWindowWidth, kWindowHeight);
    TteWindowInfo info = DemoWindow(active);
    DrawFrame(theme, window.GetCanvas(), info);
    if (active) {
      TteBitmap map;
      map.Assign(&window);
      DrawHitMap(theme, info, map);
      map.Draw(canvas, kWindowWidth + 30, y);
      TRect client = theme.WindowGetClientRect(kwscStandard, info.Rect, kDefault);
      DrawButtonStates(theme, window.GetCanvas(), client.left + 20, client.top + 16);
    }
    if (!active) {
      TRect client = theme.WindowGetClientRect(kwscStandard, info.Rect, kDefault);
      Label(window.GetCanvas(), client.left + 20, client.top + 16,
            u"The inactive caption font and bar are both 0xC0C0C0");
      Label(window.GetCanvas(), client.left + 20, client.top + 32,
            u"by default, so the title does not show here.");
    }
    window.Draw(canvas, active ? 10 : 2 * (kWindowWidth + 20) + 10, y);
  }
}

void DrawPushButtons(TteTheme& theme, TCanvas* canvas, int x, int y) {
  Title(canvas, x, y, u"Push button: the twelve draw states, captions by DrawThemeText in nine alignments");
  const char16_t* names[] = {u"Normal",     u"Hot",           u"Pressed",    u"Disabled", u"Focused",
                             u"FocusedHot", u"Default",       u"DefaultHot", u"Checked",  u"CheckedDisabled",
                             u"CheckedHot", u"CheckedFocused"};
  const char16_t* aligns[] = {u"TopLeft",      u"MiddleLeft", u"BottomLeft",  u"TopCenter",  u"MiddleCenter",
                              u"BottomCenter", u"TopRight",   u"MiddleRight", u"BottomRight"};
  for (int s = 0; s < 12; ++s) {
    TRect r = framework::Bounds(x + (s % 6) * 128, y + 22 + (s / 6) * 74, 118, 56);
    theme.ButtonDraw(kbscButton, canvas, ButtonInfo(r, TteButtonDrawState(s)), kDefault);
    SetFont(canvas, 8, false, s == kbdsDisabled ? TColor(0x808080) : TColor(0));
    TteTextAlign align = TteTextAlign(s == 3 ? ktxaMiddleCenter : s % 9);
    std::u16string caption = std::u16string(names[s]) + u"\n" + aligns[align];
    theme.ButtonDrawText(kbscButton, canvas, ButtonInfo(r, TteButtonDrawState(s)),
                         TextInfo(r.inflate(-4, -3), caption, align, {}, ktxoHorizontal), kDefault);
  }
  // Vertical captions in the placed alignments and two of the open ones.
  int vx = x + 6 * 128 + 6;
  const std::pair<TteTextAlign, TteTextOrientation> vertical[] = {{ktxaTopLeft, ktxoVerticalTop},
                                                                  {ktxaMiddleCenter, ktxoVerticalTop},
                                                                  {ktxaMiddleCenter, ktxoVerticalBottom},
                                                                  {ktxaBottomRight, ktxoVerticalTop}};
  const char16_t* verticalNames[] = {u"TL", u"MC", u"MC\u2191", u"BR"};
  for (int i = 0; i < 4; ++i) {
    Label(canvas, vx + i * 34 + 2, y + 156, verticalNames[i]);
    TRect r = framework::Bounds(vx + i * 34, y + 22, 28, 130);
    theme.ButtonDraw(kbscButton, canvas, ButtonInfo(r, kbdsNormal), kDefault);
    SetFont(canvas, 8, false, 0);
    theme.ButtonDrawText(kbscButton, canvas, ButtonInfo(r, kbdsNormal),
                         TextInfo(r.inflate(-3, -3), u"Vertical", vertical[i].first, {}, vertical[i].second),
                         kDefault);
  }
}

void DrawScroll(TteTheme& theme, TCanvas* canvas, int x, int y) {
  Title(canvas, x, y, u"Scroll family: buttons by class and state, areas by state");
  const char16_t* states[] = {u"normal", u"pressed", u"hot", u"disabled"};
  const char16_t* classes[] = {u"Up",    u"Down",     u"PageUp",    u"PageDown",   u"Left",
                               u"Right", u"PageLeft", u"PageRight", u"HorzSlider", u"VertSlider",
                               u"Plus",  u"Minus",    u"Custom"};
  for (int s = 0; s < 4; ++s) Label(canvas, x, y + 40 + s * 30, states[s]);
  for (int c = 0; c < 13; ++c) {
    Label(canvas, x + 60 + c * 60, y + 20, classes[c]);
    for (int s = 0; s < 4; ++s) {
      TRect r = framework::Bounds(x + 60 + c * 60, y + 36 + s * 30, 52, 24);
      theme.ScrollDrawButton(zqscScrollBar, canvas,
                             ScrollButtonInfo(r, TteScrollButtonDrawState(s), TteScrollButtonClass(c)),
                             kDefault);
    }
  }
  int ax = x + 60 + 13 * 60 + 10;
  Label(canvas, ax, y + 20, u"areas");
  for (int s = 0; s < 4; ++s) {
    theme.ScrollDrawArea(zqscScrollBar, canvas,
                         ScrollAreaInfo(framework::Bounds(ax, y + 36 + s * 30, 60, 24),
                                        TteScrollAreaDrawState(s), zqacHorizontal),
                         kDefault);
  }
}

void DrawOthers(TteTheme& theme, TCanvas* canvas, int x, int y) {
  Title(canvas, x, y,
        u"Other families with a base look; plain fills mark the looks the base theme leaves to skins");
  y += 22;
  auto box = [&](int col, int row) { return framework::Bounds(x + col * 116, y + row * 66 + 14, 104, 46); };
  auto caption = [&](int col, int row, const char16_t* text) {
    Label(canvas, x + col * 116, y + row * 66, text);
  };

  caption(0, 0, u"Panel");
  theme.PanelDraw(kpscPanel, canvas, PanelInfo(box(0, 0)), kDefault);
  caption(1, 0, u"Panel header");
  theme.PanelDraw(kpscHeader, canvas, PanelInfo(box(1, 0)), kDefault);
  caption(2, 0, u"Gripper");
  theme.WindowDrawGripper(kwscStandard, canvas, WindowGripperInfo(box(2, 0), true), kDefault);
  caption(3, 0, u"Window client");
  theme.WindowDrawClient(kwscStandard, canvas, box(3, 0), kDefault);

  caption(4, 0, u"Menu marks");
  TRect marks = box(4, 0);
  theme.MenuDraw(kmscPopupMenu, canvas, MenuInfo(marks), kDefault);
  SetFont(canvas, 8, false, 0);
  for (int g = 0; g < 13; ++g) {
    TRect r = framework::Bounds(marks.left + 2 + (g % 7) * 14, marks.top + 5 + (g / 7) * 18, 16, 16);
    if (g == kmgGlyph) {
      theme.MenuDrawItemGlyph(kmscPopupMenu, canvas, MenuItemInfo(r, kmicNormal, kmidsNormal),
                              MenuGlyphInfo(r, &SysMenuPicture(), kgfaCenter, kmgGlyph), kDefault);
    } else {
      theme.MenuDrawItemGlyph(kmscPopupMenu, canvas, MenuItemInfo(r, kmicNormal, kmidsNormal),
                              MenuGlyphInfo(r, TteMenuGlyph(g)), kDefault);
    }
  }
  caption(5, 0, u"List marks");
  TRect lists = box(5, 0);
  theme.ListDraw(klscListBox, canvas, ListInfo(lists), kDefault);
  for (int g = 0; g < 4; ++g) {
    TRect r = framework::Bounds(lists.left + 6 + g * 24, lists.top + 14, 18, 18);
    TteListGlyphInfo glyph = g == klgCustom ? ListGlyphInfo(r, &SysMenuPicture(), kgfaCenter, klgCustom)
                                            : ListGlyphInfo(r, TteListGlyph(g));
    theme.ListDrawGlyph(klscListBox, canvas, ListItemInfo(r, klidsNormal), glyph, kDefault);
  }

  struct Marker {
    const char16_t* Name;
    void (*Draw)(TteTheme&, TCanvas*, const TRect&);
  };
  const Marker markers[] = {
      {u"Hint",
       [](TteTheme& t, TCanvas* c, const TRect& r) { t.HintDraw(khscHintWindow, c, HintInfo(r), kDefault); }},
      {u"Edit", [](TteTheme& t, TCanvas* c,
                   const TRect& r) { t.EditDraw(kescEdit, c, EditInfo(r, kedsNormal), kDefault); }},
      {u"Edit button",
       [](TteTheme& t, TCanvas* c, const TRect& r) {
         t.EditDrawButton(kescEdit, c, EditButtonInfo(r, kebdsNormal, kebcDropDown), kDefault);
       }},
      {u"Memo", [](TteTheme& t, TCanvas* c,
                   const TRect& r) { t.MemoDraw(kmscMemo, c, MemoInfo(r, kmdsNormal), kDefault); }},
      {u"Splitter", [](TteTheme& t, TCanvas* c,
                       const TRect& r) { t.SplitterDraw(zqscSplitter, c, SplitterInfo(r), kDefault); }},
      {u"Track",
       [](TteTheme& t, TCanvas* c, const TRect& r) { t.TrackDraw(ktscTrackBar, c, TrackInfo(r), kDefault); }},
      {u"Header",
       [](TteTheme& t, TCanvas* c, const TRect& r) { t.HeaderDraw(khscHeader, c, HeaderInfo(r), kDefault); }},
      {u"Status", [](TteTheme& t, TCanvas* c,
                     const TRect& r) { t.StatusDraw(zqscStatusBar, c, StatusInfo(r), kDefault); }},
      {u"Tab", [](TteTheme& t, TCanvas* c, const TRect& r) { t.TabDraw(ktscTab, c, TabInfo(r), kDefault); }},
      {u"Bar dock", [](TteTheme& t, TCanvas* c,
                       const TRect& r) { t.BarDockDraw(kbdscBarDock, c, BarDockInfo(r), kDefault); }},
      {u"Tree",
       [](TteTheme& t, TCanvas* c, const TRect& r) { t.TreeDraw(ktscTreeList, c, TreeInfo(r), kDefault); }},
      {u"Grid",
       [](TteTheme& t, TCanvas* c, const TRect& r) { t.GridDraw(kgscGrid, c, GridInfo(r), kDefault); }},
      {u"Group",
       [](TteTheme& t, TCanvas* c, const TRect& r) {
         t.GroupDraw(kgscGroupBox, c, GroupInfo(r, NullRect, kgdsNormal), kDefault);
       }},
  };
  int i = 0;
  for (const Marker& m : markers) {
    int col = i % 9, row = 1 + i / 9;
    caption(col, row, m.Name);
    m.Draw(theme, canvas, box(col, row));
    ++i;
  }
}

}  // namespace

int main(int argc, char** argv) {
  auto line = z5t8::tools::ReadDemoCommandLine(argc, argv, "--out", true, {}, "theme-demo --out FILE.png");
  if (!line) return 2;
  const std::string& out = line->picture;
  TteTheme theme;
  TteBitmap sheet;
  sheet.SetSize(3 * (kWindowWidth + 20) + 10, 1040);
  sheet.Clear(skin::render::teColor(0xFFD4D0C8));
  TCanvas* canvas = sheet.GetCanvas();
  DrawWindows(theme, sheet, 8);
  DrawPushButtons(theme, canvas, 10, 450);
  DrawScroll(theme, canvas, 10, 640);
  DrawOthers(theme, canvas, 10, 800);
  if (!platform::gui::writePngFile(*sheet.DC()->surface(), out, false)) {
    std::fprintf(stderr, "theme-demo: cannot write %s\n", out.c_str());
    return 1;
  }
  return 0;
}
