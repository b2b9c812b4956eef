#include "skin/theme/Theme.h"

#include "skin/render/CanvasDrawing.h"
#include "skin/theme/ThemeBaseMarks.h"

namespace z5t8::skin::theme {

using namespace framework;
namespace gui = platform::gui;

// The base theme's look of the control families: plain primitives in the theme
// colours, so that every family shows something and a look a derived theme lacks
// is plain to see. The window family is in ThemeBaseWindow.cpp.

namespace {

using baselook::CentredBox;
using baselook::DrawCentred;
using baselook::DrawCheckMark;
using baselook::DrawMark;
using baselook::Marker;
using render::DrawEdge;
using render::DrawRect;
using render::FillRect;
using render::FillRoundRect;
using render::IsRectEmpty;
using render::StdChangeColor;

constexpr TColor kNavy = 0x800000;

struct TteButtonLook {
  TteThemeColor Face;
  bool Pressed;
  bool Hot;
  bool Focused;
};

// The default and checked states borrow the face and lines of their nearest plain state.
TteButtonLook ButtonLook(TteButtonDrawState state) {
  switch (state) {
    case kbdsHot:
      return {ktcButtonHot, false, true, false};
    case kbdsPressed:
      return {ktcButtonPressed, true, false, false};
    case kbdsFocused:
      return {ktcButtonFocused, false, false, true};
    case kbdsFocusedHot:
      return {ktcButtonHot, false, true, true};
    case kbdsDefault:
      return {ktcButtonFocused, false, false, true};
    case kbdsDefaultHot:
      return {ktcButtonHot, false, true, true};
    case kbdsChecked:
      return {ktcButtonPressed, true, false, false};
    case kbdsCheckedDisabled:
      return {ktcButtonDisabled, true, false, false};
    case kbdsCheckedHot:
      return {ktcButtonHot, true, true, false};
    case kbdsCheckedFocused:
      return {ktcButtonPressed, true, false, true};
    default:
      return {ktcButtonNormal, false, false, false};
  }
}

TteThemeColor EditFace(TteEditDrawState state) {
  switch (state) {
    case kedsHot:
      return ktcEditHot;
    case kedsFocused:
    case kedsFocusedHot:
      return ktcEditFocused;
    case kedsDisabled:
    case kedsReadOnly:
      return ktcEditDisabled;
    case kedsSelection:
      return ktcEditSelection;
    default:
      return ktcEditNormal;
  }
}

TColor ScrollStateColor(TteScrollButtonDrawState state) {
  switch (state) {
    case zqbdsPressed:
      return 0xFF0000;
    case zqbdsHot:
      return 0x0000FF;
    case zqbdsDisabled:
      return 0xC0C0C0;
    default:
      return 0x808080;
  }
}

}  // namespace

// Hint.

bool TteTheme::IsHintDefined(TteHintSubclass, const std::string&) { return true; }
TRect TteTheme::HintGetClientRect(TteHintSubclass, TCanvas*, const TteHintInfo& info, const std::string&) {
  return info.Rect.inflate(-10, -13);
}
void TteTheme::HintDraw(TteHintSubclass, TCanvas* canvas, const TteHintInfo& info, const std::string&) {
  Marker(canvas, info.Rect, FColors->GetColor(ktcHint));
}

// Label.

bool TteTheme::IsLabelDefined(TteLabelSubclass, const std::string&) { return true; }
bool TteTheme::IsLabelTransparent(TteLabelSubclass, const std::string&) { return false; }
void TteTheme::LabelDrawText(TteLabelSubclass, TCanvas* canvas, TteLabelInfo, const TteTextInfo& text,
                             const std::string&) {
  DrawThemeText(canvas, text);
}

// Panel.

bool TteTheme::IsPanelDefined(TtePanelSubclass, const std::string&) { return true; }
bool TteTheme::IsPanelTransparent(TtePanelSubclass, const std::string&) { return false; }
TRect TteTheme::PanelGetClientRect(TtePanelSubclass, const TtePanelInfo& info, const std::string&) {
  return info.Rect;
}
void TteTheme::PanelDraw(TtePanelSubclass subclass, TCanvas* canvas, const TtePanelInfo& info,
                         const std::string&) {
  const TRect& r = info.Rect;
  if (!canvas || IsRectEmpty(r)) return;
  FillRect(canvas, r, TColor(0xC0C0C0));
  if (subclass == kpscHeader) {
    DrawRect(canvas, r, clBlack);
    DrawEdge(canvas, r.inflate(-1, -1), clBtnShadow, clBtnHighlight);
  } else {
    DrawEdge(canvas, r, clBtnHighlight, clBtnShadow);
  }
}
void TteTheme::PanelDrawButton(TtePanelSubclass, TCanvas*, const TtePanelButtonInfo&, const std::string&) {}
void TteTheme::PanelDrawText(TtePanelSubclass, TCanvas* canvas, const TtePanelInfo&, const TteTextInfo& text,
                             const std::string&) {
  DrawThemeText(canvas, text);
}

// Button.

bool TteTheme::IsButtonDefined(TteButtonSubclass, const std::string&) { return true; }
bool TteTheme::IsButtonTransparent(TteButtonSubclass, const std::string&) { return false; }
void TteTheme::ButtonDraw(TteButtonSubclass, TCanvas* canvas, const TteButtonInfo& info, const std::string&) {
  const TRect& r = info.Rect;
  if (!canvas || IsRectEmpty(r) || info.DrawState == kbdsDisabled) return;
  const TteButtonLook look = ButtonLook(info.DrawState);
  TColor face = FColors->GetColor(look.Face);
  DrawRect(canvas, r, clBlack);
  TRect in = r.inflate(-1, -1);
  if (look.Pressed) {
    DrawEdge(canvas, in, StdChangeColor(face, -30), StdChangeColor(face, 30));
    in = in.inflate(-1, -1);
  }
  if (look.Hot) {
    TColor light = StdChangeColor(face, 30);
    FillRect(canvas, in.left, in.top, in.right, in.top + 1, light);
    FillRect(canvas, in.left, in.top, in.left + 1, in.bottom, light);
    in.left += 1;
    in.top += 1;
  }
  if (look.Focused) {
    TColor dark = StdChangeColor(face, -30);
    FillRect(canvas, in.left, in.bottom - 1, in.right, in.bottom, dark);
    FillRect(canvas, in.right - 1, in.top, in.right, in.bottom, dark);
    in.right -= 1;
    in.bottom -= 1;
  }
  FillRect(canvas, in, face);
}
void TteTheme::ButtonDrawText(TteButtonSubclass, TCanvas* canvas, const TteButtonInfo&,
                              const TteTextInfo& text, const std::string&) {
  DrawThemeText(canvas, text);
}
void TteTheme::ButtonDrawGlyph(TteButtonSubclass, TCanvas* canvas, const TteButtonInfo&,
                               const TteGlyphInfo& glyph, const std::string&) {
  if (canvas && glyph.Bitmap) glyph.Bitmap->Draw(canvas, glyph.Rect.left, glyph.Rect.top);
}

// Check.

bool TteTheme::IsCheckDefined(TteCheckSubclass, const std::string&) { return true; }
bool TteTheme::IsCheckTransparent(TteCheckSubclass, const std::string&) { return false; }
void TteTheme::CheckDraw(TteCheckSubclass, TCanvas*, const TteCheckInfo&, const std::string&) {}
void TteTheme::CheckDrawText(TteCheckSubclass, TCanvas* canvas, const TteCheckInfo&, const TteTextInfo& text,
                             const std::string&) {
  DrawThemeText(canvas, text);
}
TPoint TteTheme::CheckGetSize(TteCheckSubclass, const std::string&) { return {13, 13}; }

// Splitter.

bool TteTheme::IsSplitterDefined(TteSplitterSubclass, const std::string&) { return true; }
bool TteTheme::IsSplitterTransparent(TteSplitterSubclass, const std::string&) { return false; }
void TteTheme::SplitterDraw(TteSplitterSubclass, TCanvas* canvas, const TteSplitterInfo& info,
                            const std::string&) {
  Marker(canvas, info.Rect, FColors->GetColor(ktcPanelNormal));
}

// Scroll.

bool TteTheme::IsScrollDefined(TteScrollSubclass, const std::string&) { return true; }
bool TteTheme::IsScrollTransparent(TteScrollSubclass, const std::string&) { return false; }
void TteTheme::ScrollDraw(TteScrollSubclass, TCanvas*, const TteScrollInfo&, const std::string&) {}
void TteTheme::ScrollDrawButton(TteScrollSubclass, TCanvas* canvas, const TteScrollButtonInfo& info,
                                const std::string&) {
  const TRect& r = info.Rect;
  if (!canvas || IsRectEmpty(r)) return;
  FillRect(canvas, r, ScrollStateColor(info.DrawState));
  DrawRect(canvas, r, clBlack);
  TRect inner = r.inflate(-5, -4);
  switch (info.ButtonClass) {
    case zqbcUp:
    case zqbcDown:
    case zqbcPageUp:
    case zqbcPageDown:
      if (!IsRectEmpty(inner)) FillRoundRect(canvas, inner, 4, kNavy);
      break;
    case zqbcHorzSlider:
    case zqbcVertSlider:
      if (!IsRectEmpty(inner)) DrawRect(canvas, inner, kNavy);
      break;
    default:
      break;
  }
}
void TteTheme::ScrollDrawArea(TteScrollSubclass, TCanvas* canvas, const TteScrollAreaInfo& info,
                              const std::string&) {
  const TRect& r = info.Rect;
  if (!canvas || IsRectEmpty(r)) return;
  // The area states run like the button states.
  FillRect(canvas, r, ScrollStateColor(TteScrollButtonDrawState(info.DrawState)));
  DrawRect(canvas, r, clBlack);
}

// Progress.

bool TteTheme::IsProgressDefined(TteProgressSubclass, const std::string&) { return true; }
bool TteTheme::IsProgressTransparent(TteProgressSubclass, const std::string&) { return false; }
TRect TteTheme::ProgressGetClientRect(TteProgressSubclass, const TteProgressInfo& info, const std::string&) {
  return info.Rect;
}
void TteTheme::ProgressDraw(TteProgressSubclass, TCanvas*, const TteProgressInfo&, const std::string&) {}

// Track.

bool TteTheme::IsTrackDefined(TteTrackSubclass, const std::string&) { return true; }
bool TteTheme::IsTrackTransparent(TteTrackSubclass, const std::string&) { return false; }
void TteTheme::TrackDraw(TteTrackSubclass, TCanvas* canvas, const TteTrackInfo& info, const std::string&) {
  Marker(canvas, info.Rect, FColors->GetColor(ktcPanelNormal));
}
void TteTheme::TrackBarDraw(TteTrackSubclass, TCanvas*, const TteTrackBarInfo&, const std::string&) {}
void TteTheme::TrackDrawThumb(TteTrackSubclass, TCanvas* canvas, const TteTrackThumbInfo& info,
                              const std::string&) {
  Marker(canvas, info.Rect, FColors->GetColor(ktcButtonNormal));
}
TPoint TteTheme::TrackGetThumbSize(TteTrackSubclass, TCanvas*, const TteTrackThumbInfo&, const std::string&) {
  return {0, 0};
}

// Header.

bool TteTheme::IsHeaderDefined(TteHeaderSubclass, const std::string&) { return true; }
bool TteTheme::IsHeaderTransparent(TteHeaderSubclass, const std::string&) { return false; }
void TteTheme::HeaderDraw(TteHeaderSubclass, TCanvas* canvas, const TteHeaderInfo& info, const std::string&) {
  Marker(canvas, info.Rect, FColors->GetColor(ktcPanelNormal));
}
void TteTheme::HeaderDrawSection(TteHeaderSubclass, TCanvas* canvas, const TteHeaderSectionInfo& info,
                                 const std::string&) {
  Marker(canvas, info.Rect, FColors->GetColor(ktcButtonNormal));
}
void TteTheme::HeaderDrawText(TteHeaderSubclass, TCanvas* canvas, const TteHeaderSectionInfo&,
                              const TteTextInfo& text, const std::string&) {
  DrawThemeText(canvas, text);
}
void TteTheme::HeaderDrawGlyph(TteHeaderSubclass, TCanvas* canvas, const TteHeaderSectionInfo&,
                               const TteGlyphInfo& glyph, const std::string&) {
  if (canvas && glyph.Bitmap) glyph.Bitmap->Draw(canvas, glyph.Rect);
}

// Status.

bool TteTheme::IsStatusDefined(TteStatusSubclass, const std::string&) { return true; }
bool TteTheme::IsStatusTransparent(TteStatusSubclass, const std::string&) { return false; }
TRect TteTheme::StatusGetClientRect(TteStatusSubclass, const TteStatusInfo& info, const std::string&) {
  return info.Rect.inflate(-5, -2);
}
void TteTheme::StatusDraw(TteStatusSubclass, TCanvas* canvas, const TteStatusInfo& info, const std::string&) {
  Marker(canvas, info.Rect, FColors->GetColor(ktcPanelNormal));
}
void TteTheme::StatusDrawPanel(TteStatusSubclass, TCanvas* canvas, const TteStatusPanelInfo& info,
                               const std::string&) {
  Marker(canvas, info.Rect,
         FColors->GetColor(info.PanelClass == zqpcDisabled ? ktcPanelDisabled : ktcPanelNormal));
}
void TteTheme::StatusDrawText(TteStatusSubclass, TCanvas* canvas, const TteStatusPanelInfo&,
                              const TteTextInfo& text, const std::string&) {
  DrawThemeText(canvas, text);
}
void TteTheme::StatusDrawGlyph(TteStatusSubclass, TCanvas* canvas, const TteStatusPanelInfo&,
                               const TteGlyphInfo& glyph, const std::string&) {
  if (canvas && glyph.Bitmap) glyph.Bitmap->Draw(canvas, glyph.Rect);
}

// Edit.

bool TteTheme::IsEditDefined(TteEditSubclass, const std::string&) { return true; }
bool TteTheme::IsEditTransparent(TteEditSubclass, const std::string&) { return false; }
TRect TteTheme::EditGetClientRect(TteEditSubclass, TCanvas*, const TteEditInfo& info, const std::string&) {
  return info.Rect.inflate(-3, -3);
}
void TteTheme::EditDraw(TteEditSubclass, TCanvas* canvas, const TteEditInfo& info, const std::string&) {
  Marker(canvas, info.Rect, FColors->GetColor(EditFace(info.DrawState)));
}
void TteTheme::EditDrawButton(TteEditSubclass, TCanvas* canvas, const TteEditButtonInfo& info,
                              const std::string&) {
  Marker(canvas, info.Rect, FColors->GetColor(ktcButtonNormal));
}

// Group.

bool TteTheme::IsGroupDefined(TteGroupSubclass, const std::string&) { return true; }
bool TteTheme::IsGroupTransparent(TteGroupSubclass, const std::string&) { return false; }
TRect TteTheme::GroupGetClientRect(TteGroupSubclass, const TteGroupInfo& info, const std::string&) {
  return info.Rect;
}
void TteTheme::GroupDraw(TteGroupSubclass, TCanvas* canvas, const TteGroupInfo& info, const std::string&) {
  Marker(canvas, info.Rect, FColors->GetColor(ktcPanelNormal));
}
void TteTheme::GroupDrawText(TteGroupSubclass, TCanvas* canvas, const TteGroupInfo&, const TteTextInfo& text,
                             const std::string&) {
  DrawThemeText(canvas, text);
}

// Memo.

bool TteTheme::IsMemoDefined(TteMemoSubclass, const std::string&) { return true; }
bool TteTheme::IsMemoTransparent(TteMemoSubclass, const std::string&) { return false; }
TRect TteTheme::MemoGetClientRect(TteMemoSubclass, TCanvas*, const TteMemoInfo& info, const std::string&) {
  return info.Rect;
}
void TteTheme::MemoDraw(TteMemoSubclass, TCanvas* canvas, const TteMemoInfo& info, const std::string&) {
  Marker(canvas, info.Rect,
         FColors->GetColor(info.DrawState == kmdsDisabled ? ktcEditDisabled : ktcEditNormal));
}

// Box.

bool TteTheme::IsBoxDefined(TteBoxSubclass, const std::string&) { return true; }
bool TteTheme::IsBoxTransparent(TteBoxSubclass, const std::string&) { return false; }
TRect TteTheme::BoxGetClientRect(TteBoxSubclass, TCanvas*, const TteBoxInfo& info, const std::string&) {
  return info.Rect;
}
void TteTheme::BoxDraw(TteBoxSubclass, TCanvas*, const TteBoxInfo&, const std::string&) {}

// Menu.

bool TteTheme::IsMenuDefined(TteMenuSubclass, const std::string&) { return true; }
bool TteTheme::IsMenuTransparent(TteMenuSubclass, const std::string&) { return false; }
TRect TteTheme::MenuGetClientRect(TteMenuSubclass, const TteMenuInfo& info, const std::string&) {
  return info.Rect.inflate(-3, -5);
}
void TteTheme::MenuDraw(TteMenuSubclass, TCanvas* canvas, const TteMenuInfo& info, const std::string&) {
  Marker(canvas, info.Rect, FColors->GetColor(ktcPanelNormal));
}
void TteTheme::MenuDrawItem(TteMenuSubclass, TCanvas* canvas, const TteMenuItemInfo& info,
                            const std::string&) {
  Marker(canvas, info.Rect, FColors->GetColor(ktcPanelNormal));
}
void TteTheme::MenuDrawItemText(TteMenuSubclass, TCanvas* canvas, const TteMenuItemInfo&,
                                const TteTextInfo& text, const std::string&) {
  DrawThemeText(canvas, text);
}
void TteTheme::MenuDrawItemGlyph(TteMenuSubclass, TCanvas* canvas, const TteMenuItemInfo&,
                                 const TteMenuGlyphInfo& glyph, const std::string&) {
  DrawMark(canvas, glyph.Rect, glyph.Bitmap, glyph.Glyph);
}

// Dock.

bool TteTheme::IsDockDefined(TteDockSubclass, const std::string&) { return true; }
TRect TteTheme::DockGetClientRect(TteDockSubclass, const TteDockInfo& info, const std::string&) {
  return info.Rect;
}
void TteTheme::DockDraw(TteDockSubclass, TCanvas*, const TteDockInfo&, const std::string&) {}

// Tool.

bool TteTheme::IsToolDefined(TteToolSubclass, const std::string&) { return true; }
TRect TteTheme::ToolGetClientRect(TteToolSubclass, const TteToolInfo& info, const std::string&) {
  return info.Rect.inflate(-2, -2);
}
void TteTheme::ToolDraw(TteToolSubclass, TCanvas* canvas, const TteToolInfo& info, const std::string&) {
  Marker(canvas, info.Rect, FColors->GetColor(ktcPanelNormal));
}
void TteTheme::ToolDrawItem(TteToolSubclass, TCanvas*, const TteToolItemInfo&, const std::string&) {}
void TteTheme::ToolDrawItemText(TteToolSubclass, TCanvas* canvas, const TteToolItemInfo&,
                                const TteTextInfo& text, const std::string&) {
  DrawThemeText(canvas, text);
}
void TteTheme::ToolDrawItemGlyph(TteToolSubclass, TCanvas* canvas, const TteToolItemInfo&,
                                 const TteToolGlyphInfo& glyph, const std::string&) {
  // The tool glyphs are the menu glyphs, value for value.
  DrawMark(canvas, glyph.Rect, glyph.Bitmap, TteMenuGlyph(glyph.Glyph));
}

// BarDock.

bool TteTheme::IsBarDockDefined(TteBarDockSubclass, const std::string&) { return true; }
TRect TteTheme::BarDockGetClientRect(TteBarDockSubclass, TCanvas*, const TteBarDockInfo& info,
                                     const std::string&) {
  return info.Rect.inflate(-3, -3);
}
void TteTheme::BarDockDraw(TteBarDockSubclass, TCanvas* canvas, const TteBarDockInfo& info,
                           const std::string&) {
  Marker(canvas, info.Rect, FColors->GetColor(ktcBarDock));
}

// Bar.

bool TteTheme::IsBarDefined(TteBarSubclass, const std::string&) { return true; }
bool TteTheme::IsBarTransparent(TteBarSubclass, const std::string&) { return false; }
TRect TteTheme::BarGetClientRect(TteBarSubclass, TCanvas*, const TteBarInfo& info, const std::string&) {
  return info.Rect;
}
void TteTheme::BarDraw(TteBarSubclass, TCanvas*, const TteBarInfo&, const std::string&) {}
void TteTheme::BarDrawCaption(TteBarSubclass, TCanvas* canvas, const TteBarCaptionInfo& info,
                              const std::string&) {
  Marker(canvas, info.Rect, FColors->GetColor(ktcButtonNormal));
}
void TteTheme::BarDrawButton(TteBarSubclass, TCanvas* canvas, const TteBarButtonInfo& info,
                             const std::string&) {
  Marker(canvas, info.Rect, FColors->GetColor(ktcButtonNormal));
}
void TteTheme::BarDrawItem(TteBarSubclass, TCanvas* canvas, const TteBarItemInfo& info, const std::string&) {
  Marker(canvas, info.Rect, FColors->GetColor(ktcButtonNormal));
}
void TteTheme::BarDrawText(TteBarSubclass, TCanvas* canvas, const TteTextInfo& text, const std::string&) {
  DrawThemeText(canvas, text);
}

// Tab.

bool TteTheme::IsTabDefined(TteTabSubclass, const std::string&) { return true; }
bool TteTheme::IsTabTransparent(TteTabSubclass, const std::string&) { return false; }
TRect TteTheme::TabGetClientRect(TteTabSubclass, const TteTabInfo& info, const std::string&) {
  return info.Rect;
}
void TteTheme::TabDraw(TteTabSubclass, TCanvas* canvas, const TteTabInfo& info, const std::string&) {
  Marker(canvas, info.Rect, FColors->GetColor(ktcPanelNormal));
}
void TteTheme::TabDrawItem(TteTabSubclass, TCanvas* canvas, const TteTabItemInfo& info, const std::string&) {
  Marker(canvas, info.Rect, FColors->GetColor(ktcButtonNormal));
}
void TteTheme::TabDrawButton(TteTabSubclass, TCanvas* canvas, const TteTabButtonInfo& info,
                             const std::string&) {
  Marker(canvas, info.Rect, FColors->GetColor(ktcButtonNormal));
}
void TteTheme::TabDrawText(TteTabSubclass, TCanvas* canvas, const TteTabItemInfo&, const TteTextInfo& text,
                           const std::string&) {
  DrawThemeText(canvas, text);
}
void TteTheme::TabDrawGlyph(TteTabSubclass, TCanvas* canvas, const TteTabItemInfo&, const TteGlyphInfo& glyph,
                            const std::string&) {
  if (canvas && glyph.Bitmap) glyph.Bitmap->Draw(canvas, glyph.Rect.left, glyph.Rect.top);
}

// List.

bool TteTheme::IsListDefined(TteListSubclass, const std::string&) { return true; }
bool TteTheme::IsListTransparent(TteListSubclass, const std::string&) { return false; }
TRect TteTheme::ListGetClientRect(TteListSubclass, const TteListInfo& info, const std::string&) {
  return info.Rect.inflate(-4, -5);
}
void TteTheme::ListDraw(TteListSubclass, TCanvas* canvas, const TteListInfo& info, const std::string&) {
  Marker(canvas, info.Rect, FColors->GetColor(ktcList));
}
void TteTheme::ListDrawColumn(TteListSubclass, TCanvas* canvas, const TteListColumnInfo& info,
                              const std::string&) {
  Marker(canvas, info.Rect, FColors->GetColor(ktcList));
}
void TteTheme::ListDrawItem(TteListSubclass, TCanvas* canvas, const TteListItemInfo& info,
                            const std::string&) {
  Marker(canvas, info.Rect, FColors->GetColor(ktcList));
}
void TteTheme::ListDrawText(TteListSubclass, TCanvas* canvas, const TteListItemInfo&, const TteTextInfo& text,
                            const std::string&) {
  DrawThemeText(canvas, text);
}
void TteTheme::ListDrawGlyph(TteListSubclass, TCanvas* canvas, const TteListItemInfo&,
                             const TteListGlyphInfo& glyph, const std::string&) {
  if (!canvas || IsRectEmpty(glyph.Rect)) return;
  if (glyph.Glyph == klgCustom) {
    if (glyph.Bitmap) DrawCentred(canvas, *glyph.Bitmap, glyph.Rect);
    return;
  }
  TRect box = CentredBox(glyph.Rect, 13, 13);
  FillRect(canvas, box, clWindow);
  DrawRect(canvas, box, clBlack);
  if (glyph.Glyph == klgChecked) DrawCheckMark(canvas, box, clBlack);
  if (glyph.Glyph == klgMixed) FillRect(canvas, box.inflate(-3, -3), TColor(0x808080));
}

// Tree.

bool TteTheme::IsTreeDefined(TteTreeSubclass, const std::string&) { return true; }
bool TteTheme::IsTreeTransparent(TteTreeSubclass, const std::string&) { return false; }
TRect TteTheme::TreeGetClientRect(TteTreeSubclass, const TteTreeInfo& info, const std::string&) {
  return info.Rect.inflate(-2, -2);
}
void TteTheme::TreeDraw(TteTreeSubclass, TCanvas* canvas, const TteTreeInfo& info, const std::string&) {
  Marker(canvas, info.Rect, FColors->GetColor(ktcTree));
}
void TteTheme::TreeDrawItem(TteTreeSubclass, TCanvas* canvas, const TteTreeItemInfo& info,
                            const std::string&) {
  Marker(canvas, info.Rect, FColors->GetColor(ktcTree));
}
void TteTheme::TreeDrawText(TteTreeSubclass, TCanvas* canvas, const TteTreeItemInfo&, const TteTextInfo& text,
                            const std::string&) {
  DrawThemeText(canvas, text);
}
void TteTheme::TreeDrawGlyph(TteTreeSubclass, TCanvas* canvas, const TteTreeItemInfo&,
                             const TteGlyphInfo& glyph, const std::string&) {
  if (canvas && glyph.Bitmap) glyph.Bitmap->Draw(canvas, glyph.Rect.left, glyph.Rect.top);
}

// Grid.

bool TteTheme::IsGridDefined(TteGridSubclass, const std::string&) { return true; }
bool TteTheme::IsGridTransparent(TteGridSubclass, const std::string&) { return false; }
TRect TteTheme::GridGetClientRect(TteGridSubclass, const TteGridInfo& info, const std::string&) {
  return info.Rect.inflate(-2, -2);
}
void TteTheme::GridDraw(TteGridSubclass, TCanvas* canvas, const TteGridInfo& info, const std::string&) {
  Marker(canvas, info.Rect, FColors->GetColor(ktcGrid));
}
void TteTheme::GridDrawItem(TteGridSubclass, TCanvas* canvas, const TteGridItemInfo& info,
                            const std::string&) {
  Marker(canvas, info.Rect, FColors->GetColor(ktcGrid));
}
void TteTheme::GridDrawText(TteGridSubclass, TCanvas* canvas, const TteGridItemInfo&, const TteTextInfo& text,
                            const std::string&) {
  DrawThemeText(canvas, text);
}
void TteTheme::GridDrawGlyph(TteGridSubclass, TCanvas* canvas, const TteGridItemInfo&,
                             const TteGlyphInfo& glyph, const std::string&) {
  if (canvas && glyph.Bitmap) glyph.Bitmap->Draw(canvas, glyph.Rect.left, glyph.Rect.top);
}

}  // namespace z5t8::skin::theme
