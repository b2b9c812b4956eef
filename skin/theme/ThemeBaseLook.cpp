#include "skin/theme/Theme.h"

#include "skin/render/CanvasDrawing.h"

namespace z5t8::skin::theme {

using namespace framework;
namespace gui = platform::gui;

// The base theme's look: plain primitives in the theme colours, so that every family
// shows something and a look a derived theme lacks is plain to see.

// Window geometry.

std::optional<gui::Region> TteTheme::WindowGetRegion(TteWindowSubclass, const TRect&, const std::string&) {
  return std::nullopt;
}

TRect TteTheme::WindowGetClientRect(TteWindowSubclass, const TRect& rect, const std::string&) {
  return {rect.left + 4, rect.top + 22, rect.right - 4, rect.bottom - 4};
}

TRect TteTheme::WindowGetTitleRect(TteWindowSubclass subclass, const TteWindowInfo& info,
                                   const std::string&) {
  TRect client = WindowGetClientRect(subclass, info.Rect, "default");
  return {client.left, 3, client.right, client.top};
}

namespace {

// Right to left from the close position; each class stands for its restore twin too.
constexpr TteWindowButtonClass kRightToLeft[] = {kwbClose, kwbMax, kwbMin, kwbRoll, kwbTray, kwbHelp};

TteWindowButtonClass PlaceOf(TteWindowButtonClass button) {
  switch (button) {
    case kwbMaxRestore:
      return kwbMax;
    case kwbMinRestore:
      return kwbMin;
    case kwbRollRestore:
      return kwbRoll;
    default:
      return button;
  }
}

bool HasPlace(TteWindowButtons buttons, TteWindowButtonClass place) {
  switch (place) {
    case kwbMax:
      return buttons.Contains(kwbMax) || buttons.Contains(kwbMaxRestore);
    case kwbMin:
      return buttons.Contains(kwbMin) || buttons.Contains(kwbMinRestore);
    case kwbRoll:
      return buttons.Contains(kwbRoll) || buttons.Contains(kwbRollRestore);
    default:
      return buttons.Contains(place);
  }
}

}  // namespace

TRect TteTheme::WindowGetButtonRect(TteWindowSubclass subclass, const TteWindowInfo& info,
                                    TteWindowButtonClass button, const std::string&) {
  if (!info.Buttons.Contains(button)) return NullRect;
  TRect client = WindowGetClientRect(subclass, info.Rect, "default");
  if (button == kwbSysMenu) return {client.left, 4, client.left + 22, client.top - 1};
  TteWindowButtonClass place = PlaceOf(button);
  TRect close{client.right - 23, 4, client.right - 1, client.top - 1};
  int shift = 0;
  for (TteWindowButtonClass earlier : kRightToLeft) {
    if (earlier == place) return close.offset(-shift, 0);
    if (HasPlace(info.Buttons, earlier)) shift += 22;
  }
  return NullRect;  // topmost and custom buttons have no place here
}

TteWindowHitTest TteTheme::WindowGetHitTest(TteWindowSubclass subclass, const TteWindowInfo& info, int x,
                                            int y, const std::string&) {
  if (subclass != kwscStandard && subclass != kwscDialog && subclass != kwscBorder &&
      subclass != kwscToolWindow)
    return kwhtClient;
  const TRect& r = info.Rect;
  TRect client = WindowGetClientRect(subclass, r, "default");
  gui::Point p{x, y};
  bool left = TRect{r.left, r.top, client.left, r.bottom}.contains(p);
  bool top = TRect{r.left, r.top, r.right, client.top}.contains(p);
  bool right = TRect{client.right, r.top, r.right, r.bottom}.contains(p);
  bool bottom = TRect{r.left, client.bottom, r.right, r.bottom}.contains(p);

  TteWindowHitTest result = kwhtClient;
  if (left) result = kwhtLeft;
  if (top) result = kwhtTop;
  if (right) result = kwhtRight;
  if (bottom) result = kwhtBottom;
  if (left && top) result = kwhtTopLeft;
  if (right && top) result = kwhtTopRight;
  if (left && bottom) result = kwhtBottomLeft;
  if (right && bottom) result = kwhtBottomRight;
  if (WindowGetTitleRect(subclass, info, "default").contains(p)) result = kwhtCaption;
  for (int b = kwbSysMenu; b <= kwbCustom; ++b) {
    auto button = TteWindowButtonClass(b);
    if (WindowGetButtonRect(subclass, info, button, "default").contains(p))
      return WindowButtonToHitTest(button);
  }
  return result;
}

// Window.

bool TteTheme::IsWindowDefined(TteWindowSubclass, const std::string&) { return true; }
void TteTheme::WindowDraw(TteWindowSubclass, framework::TCanvas*, const TteWindowInfo&, const std::string&) {}
void TteTheme::WindowDrawClient(TteWindowSubclass, framework::TCanvas*, const TRect&, const std::string&) {}
void TteTheme::WindowDrawText(TteWindowSubclass, framework::TCanvas*, const TteWindowInfo&, const TRect&,
                              const std::string&) {}
void TteTheme::WindowDrawButton(TteWindowSubclass, framework::TCanvas*, const TteWindowButtonInfo&,
                                const std::string&) {}
void TteTheme::WindowDrawGripper(TteWindowSubclass, framework::TCanvas*, const TteWindowGripperInfo&,
                                 const std::string&) {}

// Hint.

bool TteTheme::IsHintDefined(TteHintSubclass, const std::string&) { return true; }
TRect TteTheme::HintGetClientRect(TteHintSubclass, framework::TCanvas*, const TteHintInfo& info,
                                  const std::string&) {
  return info.Rect.inflate(-10, -13);
}
void TteTheme::HintDraw(TteHintSubclass, framework::TCanvas*, const TteHintInfo&, const std::string&) {}

// Label.

bool TteTheme::IsLabelDefined(TteLabelSubclass, const std::string&) { return true; }
bool TteTheme::IsLabelTransparent(TteLabelSubclass, const std::string&) { return false; }
void TteTheme::LabelDrawText(TteLabelSubclass, framework::TCanvas* canvas, TteLabelInfo,
                             const TteTextInfo& text, const std::string&) {
  DrawThemeText(canvas, text);
}

// Panel.

bool TteTheme::IsPanelDefined(TtePanelSubclass, const std::string&) { return true; }
bool TteTheme::IsPanelTransparent(TtePanelSubclass, const std::string&) { return false; }
TRect TteTheme::PanelGetClientRect(TtePanelSubclass, const TtePanelInfo& info, const std::string&) {
  return info.Rect;
}
void TteTheme::PanelDraw(TtePanelSubclass, framework::TCanvas*, const TtePanelInfo&, const std::string&) {}
void TteTheme::PanelDrawButton(TtePanelSubclass, framework::TCanvas*, const TtePanelButtonInfo&,
                               const std::string&) {}
void TteTheme::PanelDrawText(TtePanelSubclass, framework::TCanvas* canvas, const TtePanelInfo&,
                             const TteTextInfo& text, const std::string&) {
  DrawThemeText(canvas, text);
}

// Button.

bool TteTheme::IsButtonDefined(TteButtonSubclass, const std::string&) { return true; }
bool TteTheme::IsButtonTransparent(TteButtonSubclass, const std::string&) { return false; }
void TteTheme::ButtonDraw(TteButtonSubclass, framework::TCanvas*, const TteButtonInfo&, const std::string&) {}
void TteTheme::ButtonDrawText(TteButtonSubclass, framework::TCanvas* canvas, const TteButtonInfo&,
                              const TteTextInfo& text, const std::string&) {
  DrawThemeText(canvas, text);
}
void TteTheme::ButtonDrawGlyph(TteButtonSubclass, framework::TCanvas*, const TteButtonInfo&,
                               const TteGlyphInfo&, const std::string&) {}

// Check.

bool TteTheme::IsCheckDefined(TteCheckSubclass, const std::string&) { return true; }
bool TteTheme::IsCheckTransparent(TteCheckSubclass, const std::string&) { return false; }
void TteTheme::CheckDraw(TteCheckSubclass, framework::TCanvas*, const TteCheckInfo&, const std::string&) {}
void TteTheme::CheckDrawText(TteCheckSubclass, framework::TCanvas* canvas, const TteCheckInfo&,
                             const TteTextInfo& text, const std::string&) {
  DrawThemeText(canvas, text);
}
TPoint TteTheme::CheckGetSize(TteCheckSubclass, const std::string&) { return {13, 13}; }

// Splitter.

bool TteTheme::IsSplitterDefined(TteSplitterSubclass, const std::string&) { return true; }
bool TteTheme::IsSplitterTransparent(TteSplitterSubclass, const std::string&) { return false; }
void TteTheme::SplitterDraw(TteSplitterSubclass, framework::TCanvas*, const TteSplitterInfo&,
                            const std::string&) {}

// Scroll.

bool TteTheme::IsScrollDefined(TteScrollSubclass, const std::string&) { return true; }
bool TteTheme::IsScrollTransparent(TteScrollSubclass, const std::string&) { return false; }
void TteTheme::ScrollDraw(TteScrollSubclass, framework::TCanvas*, const TteScrollInfo&, const std::string&) {}
void TteTheme::ScrollDrawButton(TteScrollSubclass, framework::TCanvas*, const TteScrollButtonInfo&,
                                const std::string&) {}
void TteTheme::ScrollDrawArea(TteScrollSubclass, framework::TCanvas*, const TteScrollAreaInfo&,
                              const std::string&) {}

// Progress.

bool TteTheme::IsProgressDefined(TteProgressSubclass, const std::string&) { return true; }
bool TteTheme::IsProgressTransparent(TteProgressSubclass, const std::string&) { return false; }
TRect TteTheme::ProgressGetClientRect(TteProgressSubclass, const TteProgressInfo& info, const std::string&) {
  return info.Rect;
}
void TteTheme::ProgressDraw(TteProgressSubclass, framework::TCanvas*, const TteProgressInfo&,
                            const std::string&) {}

// Track.

bool TteTheme::IsTrackDefined(TteTrackSubclass, const std::string&) { return true; }
bool TteTheme::IsTrackTransparent(TteTrackSubclass, const std::string&) { return false; }
void TteTheme::TrackDraw(TteTrackSubclass, framework::TCanvas*, const TteTrackInfo&, const std::string&) {}
void TteTheme::TrackBarDraw(TteTrackSubclass, framework::TCanvas*, const TteTrackBarInfo&,
                            const std::string&) {}
void TteTheme::TrackDrawThumb(TteTrackSubclass, framework::TCanvas*, const TteTrackThumbInfo&,
                              const std::string&) {}
TPoint TteTheme::TrackGetThumbSize(TteTrackSubclass, framework::TCanvas*, const TteTrackThumbInfo&,
                                   const std::string&) {
  return {0, 0};
}

// Header.

bool TteTheme::IsHeaderDefined(TteHeaderSubclass, const std::string&) { return true; }
bool TteTheme::IsHeaderTransparent(TteHeaderSubclass, const std::string&) { return false; }
void TteTheme::HeaderDraw(TteHeaderSubclass, framework::TCanvas*, const TteHeaderInfo&, const std::string&) {}
void TteTheme::HeaderDrawSection(TteHeaderSubclass, framework::TCanvas*, const TteHeaderSectionInfo&,
                                 const std::string&) {}
void TteTheme::HeaderDrawText(TteHeaderSubclass, framework::TCanvas* canvas, const TteHeaderSectionInfo&,
                              const TteTextInfo& text, const std::string&) {
  DrawThemeText(canvas, text);
}
void TteTheme::HeaderDrawGlyph(TteHeaderSubclass, framework::TCanvas*, const TteHeaderSectionInfo&,
                               const TteGlyphInfo&, const std::string&) {}

// Status.

bool TteTheme::IsStatusDefined(TteStatusSubclass, const std::string&) { return true; }
bool TteTheme::IsStatusTransparent(TteStatusSubclass, const std::string&) { return false; }
TRect TteTheme::StatusGetClientRect(TteStatusSubclass, const TteStatusInfo& info, const std::string&) {
  return info.Rect.inflate(-5, -2);
}
void TteTheme::StatusDraw(TteStatusSubclass, framework::TCanvas*, const TteStatusInfo&, const std::string&) {}
void TteTheme::StatusDrawPanel(TteStatusSubclass, framework::TCanvas*, const TteStatusPanelInfo&,
                               const std::string&) {}
void TteTheme::StatusDrawText(TteStatusSubclass, framework::TCanvas* canvas, const TteStatusPanelInfo&,
                              const TteTextInfo& text, const std::string&) {
  DrawThemeText(canvas, text);
}
void TteTheme::StatusDrawGlyph(TteStatusSubclass, framework::TCanvas*, const TteStatusPanelInfo&,
                               const TteGlyphInfo&, const std::string&) {}

// Edit.

bool TteTheme::IsEditDefined(TteEditSubclass, const std::string&) { return true; }
bool TteTheme::IsEditTransparent(TteEditSubclass, const std::string&) { return false; }
TRect TteTheme::EditGetClientRect(TteEditSubclass, framework::TCanvas*, const TteEditInfo& info,
                                  const std::string&) {
  return info.Rect.inflate(-3, -3);
}
void TteTheme::EditDraw(TteEditSubclass, framework::TCanvas*, const TteEditInfo&, const std::string&) {}
void TteTheme::EditDrawButton(TteEditSubclass, framework::TCanvas*, const TteEditButtonInfo&,
                              const std::string&) {}

// Group.

bool TteTheme::IsGroupDefined(TteGroupSubclass, const std::string&) { return true; }
bool TteTheme::IsGroupTransparent(TteGroupSubclass, const std::string&) { return false; }
TRect TteTheme::GroupGetClientRect(TteGroupSubclass, const TteGroupInfo& info, const std::string&) {
  return info.Rect;
}
void TteTheme::GroupDraw(TteGroupSubclass, framework::TCanvas*, const TteGroupInfo&, const std::string&) {}
void TteTheme::GroupDrawText(TteGroupSubclass, framework::TCanvas* canvas, const TteGroupInfo&,
                             const TteTextInfo& text, const std::string&) {
  DrawThemeText(canvas, text);
}

// Memo.

bool TteTheme::IsMemoDefined(TteMemoSubclass, const std::string&) { return true; }
bool TteTheme::IsMemoTransparent(TteMemoSubclass, const std::string&) { return false; }
TRect TteTheme::MemoGetClientRect(TteMemoSubclass, framework::TCanvas*, const TteMemoInfo& info,
                                  const std::string&) {
  return info.Rect;
}
void TteTheme::MemoDraw(TteMemoSubclass, framework::TCanvas*, const TteMemoInfo&, const std::string&) {}

// Box.

bool TteTheme::IsBoxDefined(TteBoxSubclass, const std::string&) { return true; }
bool TteTheme::IsBoxTransparent(TteBoxSubclass, const std::string&) { return false; }
TRect TteTheme::BoxGetClientRect(TteBoxSubclass, framework::TCanvas*, const TteBoxInfo& info,
                                 const std::string&) {
  return info.Rect;
}
void TteTheme::BoxDraw(TteBoxSubclass, framework::TCanvas*, const TteBoxInfo&, const std::string&) {}

// Menu.

bool TteTheme::IsMenuDefined(TteMenuSubclass, const std::string&) { return true; }
bool TteTheme::IsMenuTransparent(TteMenuSubclass, const std::string&) { return false; }
TRect TteTheme::MenuGetClientRect(TteMenuSubclass, const TteMenuInfo& info, const std::string&) {
  return info.Rect.inflate(-3, -5);
}
void TteTheme::MenuDraw(TteMenuSubclass, framework::TCanvas*, const TteMenuInfo&, const std::string&) {}
void TteTheme::MenuDrawItem(TteMenuSubclass, framework::TCanvas*, const TteMenuItemInfo&,
                            const std::string&) {}
void TteTheme::MenuDrawItemText(TteMenuSubclass, framework::TCanvas* canvas, const TteMenuItemInfo&,
                                const TteTextInfo& text, const std::string&) {
  DrawThemeText(canvas, text);
}
void TteTheme::MenuDrawItemGlyph(TteMenuSubclass, framework::TCanvas*, const TteMenuItemInfo&,
                                 const TteMenuGlyphInfo&, const std::string&) {}

// Dock.

bool TteTheme::IsDockDefined(TteDockSubclass, const std::string&) { return true; }
TRect TteTheme::DockGetClientRect(TteDockSubclass, const TteDockInfo& info, const std::string&) {
  return info.Rect;
}
void TteTheme::DockDraw(TteDockSubclass, framework::TCanvas*, const TteDockInfo&, const std::string&) {}

// Tool.

bool TteTheme::IsToolDefined(TteToolSubclass, const std::string&) { return true; }
TRect TteTheme::ToolGetClientRect(TteToolSubclass, const TteToolInfo& info, const std::string&) {
  return info.Rect.inflate(-2, -2);
}
void TteTheme::ToolDraw(TteToolSubclass, framework::TCanvas*, const TteToolInfo&, const std::string&) {}
void TteTheme::ToolDrawItem(TteToolSubclass, framework::TCanvas*, const TteToolItemInfo&,
                            const std::string&) {}
void TteTheme::ToolDrawItemText(TteToolSubclass, framework::TCanvas* canvas, const TteToolItemInfo&,
                                const TteTextInfo& text, const std::string&) {
  DrawThemeText(canvas, text);
}
void TteTheme::ToolDrawItemGlyph(TteToolSubclass, framework::TCanvas*, const TteToolItemInfo&,
                                 const TteToolGlyphInfo&, const std::string&) {}

// BarDock.

bool TteTheme::IsBarDockDefined(TteBarDockSubclass, const std::string&) { return true; }
TRect TteTheme::BarDockGetClientRect(TteBarDockSubclass, framework::TCanvas*, const TteBarDockInfo& info,
                                     const std::string&) {
  return info.Rect.inflate(-3, -3);
}
void TteTheme::BarDockDraw(TteBarDockSubclass, framework::TCanvas*, const TteBarDockInfo&,
                           const std::string&) {}

// Bar.

bool TteTheme::IsBarDefined(TteBarSubclass, const std::string&) { return true; }
bool TteTheme::IsBarTransparent(TteBarSubclass, const std::string&) { return false; }
TRect TteTheme::BarGetClientRect(TteBarSubclass, framework::TCanvas*, const TteBarInfo& info,
                                 const std::string&) {
  return info.Rect;
}
void TteTheme::BarDraw(TteBarSubclass, framework::TCanvas*, const TteBarInfo&, const std::string&) {}
void TteTheme::BarDrawCaption(TteBarSubclass, framework::TCanvas*, const TteBarCaptionInfo&,
                              const std::string&) {}
void TteTheme::BarDrawButton(TteBarSubclass, framework::TCanvas*, const TteBarButtonInfo&,
                             const std::string&) {}
void TteTheme::BarDrawItem(TteBarSubclass, framework::TCanvas*, const TteBarItemInfo&, const std::string&) {}
void TteTheme::BarDrawText(TteBarSubclass, framework::TCanvas* canvas, const TteTextInfo& text,
                           const std::string&) {
  DrawThemeText(canvas, text);
}

// Tab.

bool TteTheme::IsTabDefined(TteTabSubclass, const std::string&) { return true; }
bool TteTheme::IsTabTransparent(TteTabSubclass, const std::string&) { return false; }
TRect TteTheme::TabGetClientRect(TteTabSubclass, const TteTabInfo& info, const std::string&) {
  return info.Rect;
}
void TteTheme::TabDraw(TteTabSubclass, framework::TCanvas*, const TteTabInfo&, const std::string&) {}
void TteTheme::TabDrawItem(TteTabSubclass, framework::TCanvas*, const TteTabItemInfo&, const std::string&) {}
void TteTheme::TabDrawButton(TteTabSubclass, framework::TCanvas*, const TteTabButtonInfo&,
                             const std::string&) {}
void TteTheme::TabDrawText(TteTabSubclass, framework::TCanvas* canvas, const TteTabItemInfo&,
                           const TteTextInfo& text, const std::string&) {
  DrawThemeText(canvas, text);
}
void TteTheme::TabDrawGlyph(TteTabSubclass, framework::TCanvas*, const TteTabItemInfo&, const TteGlyphInfo&,
                            const std::string&) {}

// List.

bool TteTheme::IsListDefined(TteListSubclass, const std::string&) { return true; }
bool TteTheme::IsListTransparent(TteListSubclass, const std::string&) { return false; }
TRect TteTheme::ListGetClientRect(TteListSubclass, const TteListInfo& info, const std::string&) {
  return info.Rect.inflate(-4, -5);
}
void TteTheme::ListDraw(TteListSubclass, framework::TCanvas*, const TteListInfo&, const std::string&) {}
void TteTheme::ListDrawColumn(TteListSubclass, framework::TCanvas*, const TteListColumnInfo&,
                              const std::string&) {}
void TteTheme::ListDrawItem(TteListSubclass, framework::TCanvas*, const TteListItemInfo&,
                            const std::string&) {}
void TteTheme::ListDrawText(TteListSubclass, framework::TCanvas* canvas, const TteListItemInfo&,
                            const TteTextInfo& text, const std::string&) {
  DrawThemeText(canvas, text);
}
void TteTheme::ListDrawGlyph(TteListSubclass, framework::TCanvas*, const TteListItemInfo&,
                             const TteListGlyphInfo&, const std::string&) {}

// Tree.

bool TteTheme::IsTreeDefined(TteTreeSubclass, const std::string&) { return true; }
bool TteTheme::IsTreeTransparent(TteTreeSubclass, const std::string&) { return false; }
TRect TteTheme::TreeGetClientRect(TteTreeSubclass, const TteTreeInfo& info, const std::string&) {
  return info.Rect.inflate(-2, -2);
}
void TteTheme::TreeDraw(TteTreeSubclass, framework::TCanvas*, const TteTreeInfo&, const std::string&) {}
void TteTheme::TreeDrawItem(TteTreeSubclass, framework::TCanvas*, const TteTreeItemInfo&,
                            const std::string&) {}
void TteTheme::TreeDrawText(TteTreeSubclass, framework::TCanvas* canvas, const TteTreeItemInfo&,
                            const TteTextInfo& text, const std::string&) {
  DrawThemeText(canvas, text);
}
void TteTheme::TreeDrawGlyph(TteTreeSubclass, framework::TCanvas*, const TteTreeItemInfo&,
                             const TteGlyphInfo&, const std::string&) {}

// Grid.

bool TteTheme::IsGridDefined(TteGridSubclass, const std::string&) { return true; }
bool TteTheme::IsGridTransparent(TteGridSubclass, const std::string&) { return false; }
TRect TteTheme::GridGetClientRect(TteGridSubclass, const TteGridInfo& info, const std::string&) {
  return info.Rect.inflate(-2, -2);
}
void TteTheme::GridDraw(TteGridSubclass, framework::TCanvas*, const TteGridInfo&, const std::string&) {}
void TteTheme::GridDrawItem(TteGridSubclass, framework::TCanvas*, const TteGridItemInfo&,
                            const std::string&) {}
void TteTheme::GridDrawText(TteGridSubclass, framework::TCanvas* canvas, const TteGridItemInfo&,
                            const TteTextInfo& text, const std::string&) {
  DrawThemeText(canvas, text);
}
void TteTheme::GridDrawGlyph(TteGridSubclass, framework::TCanvas*, const TteGridItemInfo&,
                             const TteGlyphInfo&, const std::string&) {}

}  // namespace z5t8::skin::theme
