#include "skin/theme/ThemeInfo.h"

#include <utility>

#include "framework/gui/Graphic.h"
#include "framework/gui/ImageList.h"
#include "platform/gui/DeviceContext.h"

namespace z5t8::skin::theme {

namespace gui = platform::gui;

TteTextInfo TextInfo(const TRect& rect, std::u16string text, TteTextAlign align, TteTextStyles style,
                     TteTextOrientation orientation) {
  return {rect, std::move(text), align, style, orientation};
}

TteTextInfo TextInfo(const TRect& rect, std::u16string text, uint32_t flags) {
  // The alignments run down the left column, then the centre, then the right.
  int row = flags & gui::DT_VCENTER ? 1 : flags & gui::DT_BOTTOM ? 2 : 0;
  int column = flags & gui::DT_CENTER ? 3 : flags & gui::DT_RIGHT ? 6 : 0;
  TteTextStyles style;
  if (flags & gui::DT_RTLREADING) style.Include(ktxsRTLReading);
  if (flags & gui::DT_NOPREFIX) style.Include(ktxsNoPrefix);
  if (flags & gui::DT_SINGLELINE) style.Include(ktxsSingleLine);
  if (flags & gui::DT_WORDBREAK) style.Include(ktxsWordBreak);
  return {rect, std::move(text), TteTextAlign(row + column), style, ktxoHorizontal};
}

TteGlyphInfo GlyphInfo() { return {NullRect, nullptr, kgfaTopLeft}; }
TteGlyphInfo GlyphInfo(const TRect& rect, TteBitmap* bitmap, TteGlyphAlign align) {
  return {rect, bitmap, align};
}
TteGlyphInfo GlyphInfo(const TRect& rect, framework::TGraphic* graphic, TteGlyphAlign align) {
  return {rect, GraphicToBitmap(graphic), align};
}
TteGlyphInfo GlyphInfo(const TRect& rect, framework::TImageList* images, int index, TteGlyphAlign align) {
  return {rect, ImagesToBitmap(images, index, true), align};
}

TteWindowInfo WindowInfo(const TRect& rect, TteWindowDrawStates states, const TRect& clipRect,
                         TteWindowButtons buttons, std::u16string caption, bool disabledNCArea) {
  return {rect, states, buttons, clipRect, std::move(caption), disabledNCArea};
}
TteWindowButtonInfo WindowButtonInfo(const TRect& rect, TteWindowButtonClass buttonClass,
                                     TteWindowButtonDrawState drawState, TteBitmap* bitmap) {
  return {rect, buttonClass, drawState, bitmap};
}
TteWindowGripperInfo WindowGripperInfo(const TRect& rect, bool visible) { return {rect, visible}; }

TteHintInfo HintInfo(const TRect& rect) { return {rect}; }
TteScrollInfo ScrollInfo(const TRect& rect) { return {rect}; }
TtePanelInfo PanelInfo(const TRect& rect) { return {rect}; }
TteTrackInfo TrackInfo(const TRect& rect) { return {rect}; }
TteSplitterInfo SplitterInfo(const TRect& rect) { return {rect}; }
TteMemoGutterInfo MemoGutterInfo(const TRect& rect) { return {rect}; }
TteTabInfo TabInfo(const TRect& rect) { return {rect}; }
TteHeaderInfo HeaderInfo(const TRect& rect) { return {rect}; }
TteStatusInfo StatusInfo(const TRect& rect) { return {rect}; }
TteBarDockInfo BarDockInfo(const TRect& rect) { return {rect}; }
TteBarInfo BarInfo(const TRect& rect) { return {rect}; }
TteBarCaptionInfo BarCaptionInfo(const TRect& rect, const std::u16string&) { return {rect}; }
TteMenuInfo MenuInfo(const TRect& rect) { return {rect}; }
TteDockInfo DockInfo(const TRect& rect) { return {rect}; }
TteToolInfo ToolInfo(const TRect& rect) { return {rect}; }
TteListInfo ListInfo(const TRect& rect) { return {rect}; }
TteListColumnInfo ListColumnInfo(const TRect& rect) { return {rect}; }
TteTreeInfo TreeInfo(const TRect& rect) { return {rect}; }
TteGridInfo GridInfo(const TRect& rect) { return {rect}; }

TteLabelInfo LabelInfo(TteLabelDrawState drawState) { return {drawState}; }
TteButtonInfo ButtonInfo(const TRect& rect, TteButtonDrawState drawState) { return {rect, drawState}; }
TteCheckInfo CheckInfo(const TRect& rect, TteCheckDrawState drawState) { return {rect, drawState}; }
TteEditInfo EditInfo(const TRect& rect, TteEditDrawState drawState) { return {rect, drawState}; }
TteMemoInfo MemoInfo(const TRect& rect, TteMemoDrawState drawState) { return {rect, drawState}; }
TteBoxInfo BoxInfo(const TRect& rect, TteBoxDrawState drawState) { return {rect, drawState}; }
TteListItemInfo ListItemInfo(const TRect& rect, TteListItemDrawState drawState) { return {rect, drawState}; }
TteTreeItemInfo TreeItemInfo(const TRect& rect, TteTreeItemDrawState drawState) { return {rect, drawState}; }

TteEditButtonInfo EditButtonInfo(const TRect& rect, TteEditButtonDrawState drawState,
                                 TteEditButtonClass buttonClass) {
  return {rect, drawState, buttonClass};
}
TteScrollButtonInfo ScrollButtonInfo(const TRect& rect, TteScrollButtonDrawState drawState,
                                     TteScrollButtonClass buttonClass) {
  return {rect, buttonClass, drawState};
}
TteScrollAreaInfo ScrollAreaInfo(const TRect& rect, TteScrollAreaDrawState drawState,
                                 TteScrollAreaClass areaClass) {
  return {rect, areaClass, drawState};
}
TteProgressInfo ProgressInfo(const TRect& rect, TteProgressPart part, TteProgressDrawState drawState) {
  return {rect, part, drawState};
}
TtePanelButtonInfo PanelButtonInfo(const TRect& rect, TtePanelButtonClass buttonClass,
                                   TtePanelButtonDrawState drawState) {
  return {rect, buttonClass, drawState};
}
TteTabButtonInfo TabButtonInfo(const TRect& rect, TteTabButtonClass buttonClass,
                               TteTabButtonDrawState drawState) {
  return {rect, buttonClass, drawState};
}
TteBarButtonInfo BarButtonInfo(const TRect& rect, TteBarButtonClass buttonClass,
                               TteBarButtonDrawState drawState) {
  return {rect, buttonClass, drawState};
}
TteTrackBarInfo TrackBarInfo(const TRect& rect, TteTrackBarClass barClass, TteTrackBarDrawState drawState) {
  return {rect, barClass, drawState};
}
TteTrackThumbInfo TrackThumbInfo(const TRect& rect, TteTrackThumbClass thumbClass,
                                 TteTrackThumbDrawState drawState) {
  return {rect, thumbClass, drawState};
}
TteTabItemInfo TabItemInfo(const TRect& rect, TteTabItemClass itemClass, TteTabItemDrawState drawState) {
  return {rect, itemClass, drawState};
}
TteBarItemInfo BarItemInfo(const TRect& rect, TteBarItemClass itemClass, TteBarItemDrawState drawState) {
  return {rect, itemClass, drawState};
}
TteMenuItemInfo MenuItemInfo(const TRect& rect, TteMenuItemClass itemClass, TteMenuItemDrawState drawState) {
  return {rect, itemClass, drawState};
}
TteToolItemInfo ToolItemInfo(const TRect& rect, TteToolItemClass itemClass, TteToolItemDrawState drawState) {
  return {rect, itemClass, drawState};
}
TteGridItemInfo GridItemInfo(const TRect& rect, TteGridItemDrawState drawState, TteGridItemClass itemClass) {
  return {rect, drawState, itemClass};
}
TteHeaderSectionInfo HeaderSectionInfo(const TRect& rect, TteSectionState sectionState,
                                       TteSectionDrawState drawState) {
  return {rect, sectionState, drawState};
}
TteStatusPanelInfo StatusPanelInfo(const TRect& rect, TteStatusPanelClass panelClass) {
  return {rect, panelClass};
}
TteSplitterButtonInfo SplitterButtonInfo(const TRect& rect, TteSplitterButtonClass buttonClass) {
  return {rect, buttonClass};
}
TteGroupInfo GroupInfo(const TRect& rect, const TRect& captionRect, TteGroupDrawState drawState) {
  return {rect, captionRect, drawState};
}

TteMenuGlyphInfo MenuGlyphInfo() { return {NullRect, nullptr, kgfaCenter, kmgNone}; }
TteMenuGlyphInfo MenuGlyphInfo(const TRect& rect, TteMenuGlyph glyph) {
  return {rect, nullptr, kgfaCenter, glyph};
}
TteMenuGlyphInfo MenuGlyphInfo(const TRect& rect, TteBitmap* bitmap, TteGlyphAlign align,
                               TteMenuGlyph glyph) {
  return {rect, bitmap, align, glyph};
}
TteMenuGlyphInfo MenuGlyphInfo(const TRect& rect, framework::TGraphic* graphic, TteGlyphAlign align) {
  return {rect, GraphicToBitmap(graphic), align, kmgGlyph};
}
TteMenuGlyphInfo MenuGlyphInfo(const TRect& rect, framework::TImageList* images, int index,
                               TteGlyphAlign align, bool enabled) {
  return {rect, ImagesToBitmap(images, index, enabled), align, kmgGlyph};
}

TteToolGlyphInfo ToolGlyphInfo() { return {NullRect, nullptr, kgfaCenter, ktgNone}; }
TteToolGlyphInfo ToolGlyphInfo(const TRect& rect, TteToolGlyph glyph) {
  return {rect, nullptr, kgfaCenter, glyph};
}
TteToolGlyphInfo ToolGlyphInfo(const TRect& rect, TteBitmap* bitmap, TteGlyphAlign align,
                               TteToolGlyph glyph) {
  return {rect, bitmap, align, glyph};
}
TteToolGlyphInfo ToolGlyphInfo(const TRect& rect, framework::TGraphic* graphic, TteGlyphAlign align) {
  return {rect, GraphicToBitmap(graphic), align, ktigGlyph};
}
TteToolGlyphInfo ToolGlyphInfo(const TRect& rect, framework::TImageList* images, int index,
                               TteGlyphAlign align, bool enabled) {
  return {rect, ImagesToBitmap(images, index, enabled), align, ktigGlyph};
}

TteListGlyphInfo ListGlyphInfo(const TRect& rect, TteBitmap* bitmap, TteGlyphAlign align,
                               TteListGlyph glyph) {
  return {rect, align, bitmap, glyph};
}
TteListGlyphInfo ListGlyphInfo(const TRect& rect, TteListGlyph glyph) {
  return {rect, kgfaCenter, nullptr, glyph};
}
TteListGlyphInfo ListGlyphInfo(const TRect& rect, framework::TGraphic* graphic) {
  return {rect, kgfaCenter, GraphicToBitmap(graphic), klgCustom};
}
TteListGlyphInfo ListGlyphInfo(const TRect& rect, framework::TImageList* images, int index, bool enabled) {
  return {rect, kgfaCenter, ImagesToBitmap(images, index, enabled), klgCustom};
}

namespace {

// Shared by both conversions; one caller at a time, as everything runs on the GUI thread.
TteBitmap& ConversionBitmap() {
  static TteBitmap bitmap;
  return bitmap;
}

}  // namespace

TteBitmap* GraphicToBitmap(framework::TGraphic* graphic) {
  if (!graphic || graphic->Empty() || graphic->Width() <= 0 || graphic->Height() <= 0) return nullptr;
  TteBitmap& bitmap = ConversionBitmap();
  bitmap.SetSize(graphic->Width(), graphic->Height());
  if (bitmap.Empty()) return nullptr;
  // What a transparent graphic leaves unpainted must not show the previous picture.
  bitmap.Clear(render::teTransparentVar);
  bitmap.AlphaBlend = false;
  bitmap.Transparent = graphic->Transparent();
  bitmap.Assign(graphic);
  return &bitmap;
}

TteBitmap* ImagesToBitmap(framework::TImageList* images, int index, bool enabled) {
  if (!images || images->Width() <= 0 || images->Height() <= 0) return nullptr;
  TteBitmap& bitmap = ConversionBitmap();
  bitmap.SetSize(images->Width(), images->Height());
  if (bitmap.Empty()) return nullptr;
  // Every image list here is masked: clear to the key so its transparent parts stay out.
  bitmap.Clear(render::teTransparentVar);
  bitmap.AlphaBlend = false;
  bitmap.Transparent = true;
  images->Draw(bitmap.GetCanvas(), 0, 0, index, enabled);
  return &bitmap;
}

}  // namespace z5t8::skin::theme
