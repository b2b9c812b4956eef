#pragma once

#include <cstdint>
#include <string>

#include "framework/gui/Canvas.h"
#include "skin/render/Bitmap.h"
#include "skin/theme/ThemeTypes.h"

namespace z5t8::framework {
class TControl;
class TGraphic;
class TImageList;
class TWinControl;
}  // namespace z5t8::framework

namespace z5t8::skin::theme {

using framework::TPoint;
using framework::TRect;
using render::TteBitmap;

// No rectangle.
inline constexpr TRect NullRect{-1, -1, -1, -1};

// The records a control fills to describe the part it wants drawn or measured. Bitmaps are
// never owned; a bitmap made by GraphicToBitmap or ImagesToBitmap lives until the next
// such conversion.

struct TteTextInfo {
  TRect Rect = NullRect;
  std::u16string Text;
  TteTextAlign Align = ktxaTopLeft;
  TteTextStyles Style;
  TteTextOrientation Orientation = ktxoHorizontal;
};

struct TteGlyphInfo {
  TRect Rect = NullRect;
  TteBitmap* Bitmap = nullptr;
  TteGlyphAlign Align = kgfaTopLeft;
};

struct TteWindowInfo {
  // The whole window, in window coordinates.
  TRect Rect = NullRect;
  TteWindowDrawStates States;
  TteWindowButtons Buttons;
  TRect ClipRect = NullRect;
  std::u16string Caption;
  bool DisabledNCArea = false;
};

struct TteWindowButtonInfo {
  TRect Rect = NullRect;
  TteWindowButtonClass ButtonClass = kwbSysMenu;
  TteWindowButtonDrawState DrawState = kwbdsNormal;
  // The picture shown for kwbSysMenu.
  TteBitmap* Bitmap = nullptr;
};

struct TteWindowGripperInfo {
  TRect Rect = NullRect;
  bool Visible = false;
};

// Records that carry only a rectangle.
struct TteHintInfo {
  TRect Rect = NullRect;
};
struct TteScrollInfo {
  TRect Rect = NullRect;
};
struct TtePanelInfo {
  TRect Rect = NullRect;
};
struct TteTrackInfo {
  TRect Rect = NullRect;
};
struct TteSplitterInfo {
  TRect Rect = NullRect;
};
struct TteMemoGutterInfo {
  TRect Rect = NullRect;
};
struct TteTabInfo {
  TRect Rect = NullRect;
};
struct TteHeaderInfo {
  TRect Rect = NullRect;
};
struct TteStatusInfo {
  TRect Rect = NullRect;
};
struct TteBarDockInfo {
  TRect Rect = NullRect;
};
struct TteBarInfo {
  TRect Rect = NullRect;
};
struct TteBarCaptionInfo {
  TRect Rect = NullRect;
};
struct TteMenuInfo {
  TRect Rect = NullRect;
};
struct TteDockInfo {
  TRect Rect = NullRect;
};
struct TteToolInfo {
  TRect Rect = NullRect;
};
struct TteListInfo {
  TRect Rect = NullRect;
};
struct TteListColumnInfo {
  TRect Rect = NullRect;
};
struct TteTreeInfo {
  TRect Rect = NullRect;
};
struct TteGridInfo {
  TRect Rect = NullRect;
};

struct TteLabelInfo {
  TteLabelDrawState DrawState = kldsNormal;
};

// Records of a rectangle and the family's draw state.
struct TteButtonInfo {
  TRect Rect = NullRect;
  TteButtonDrawState DrawState = kbdsNormal;
};
struct TteCheckInfo {
  TRect Rect = NullRect;
  TteCheckDrawState DrawState = kcdsUncheckedNormal;
};
struct TteEditInfo {
  TRect Rect = NullRect;
  TteEditDrawState DrawState = kedsNormal;
};
struct TteMemoInfo {
  TRect Rect = NullRect;
  TteMemoDrawState DrawState = kmdsNormal;
};
struct TteBoxInfo {
  TRect Rect = NullRect;
  TteBoxDrawState DrawState = kbxdsNormal;
};
struct TteListItemInfo {
  TRect Rect = NullRect;
  TteListItemDrawState DrawState = klidsNormal;
};
struct TteTreeItemInfo {
  TRect Rect = NullRect;
  TteTreeItemDrawState DrawState = kridsNormal;
};

struct TteEditButtonInfo {
  TRect Rect = NullRect;
  TteEditButtonDrawState DrawState = kebdsNormal;
  TteEditButtonClass ButtonClass = kebcDropDown;
};

struct TteScrollButtonInfo {
  TRect Rect = NullRect;
  TteScrollButtonClass ButtonClass = zqbcUp;
  TteScrollButtonDrawState DrawState = zqbdsNormal;
};

struct TteScrollAreaInfo {
  TRect Rect = NullRect;
  TteScrollAreaClass AreaClass = zqacVertical;
  TteScrollAreaDrawState DrawState = zqadsNormal;
};

struct TteProgressInfo {
  TRect Rect = NullRect;
  TteProgressPart Part = kppBarVert;
  TteProgressDrawState DrawState = kpdsNormal;
};

struct TtePanelButtonInfo {
  TRect Rect = NullRect;
  TtePanelButtonClass ButtonClass = kpbcRollUp;
  TtePanelButtonDrawState DrawState = kpbdsNormal;
};

struct TteTabButtonInfo {
  TRect Rect = NullRect;
  TteTabButtonClass ButtonClass = ktbcClose;
  TteTabButtonDrawState DrawState = ktbdsNormal;
};

struct TteBarButtonInfo {
  TRect Rect = NullRect;
  TteBarButtonClass ButtonClass = kbbcText;
  TteBarButtonDrawState DrawState = kbbdsNormal;
};

struct TteTrackBarInfo {
  TRect Rect = NullRect;
  TteTrackBarClass BarClass = ktbcVertical;
  TteTrackBarDrawState DrawState = ktrbdsNormal;
};

struct TteTrackThumbInfo {
  TRect Rect = NullRect;
  TteTrackThumbClass ThumbClass = ktbmVertBoth;
  TteTrackThumbDrawState DrawState = kttdsNormal;
};

struct TteTabItemInfo {
  TRect Rect = NullRect;
  TteTabItemClass ItemClass = ktisTopMiddle;
  TteTabItemDrawState DrawState = ktidsNormal;
};

struct TteBarItemInfo {
  TRect Rect = NullRect;
  TteBarItemClass ItemClass = kbicNormal;
  TteBarItemDrawState DrawState = kbidsNormal;
};

struct TteMenuItemInfo {
  TRect Rect = NullRect;
  TteMenuItemClass ItemClass = kmicNormal;
  TteMenuItemDrawState DrawState = kmidsNormal;
};

struct TteToolItemInfo {
  TRect Rect = NullRect;
  TteToolItemClass ItemClass = kticNormal;
  TteToolItemDrawState DrawState = mtidsNormal;
};

struct TteGridItemInfo {
  TRect Rect = NullRect;
  TteGridItemDrawState DrawState = kgidsNormal;
  TteGridItemClass ItemClass = kgicNormal;
};

struct TteHeaderSectionInfo {
  TRect Rect = NullRect;
  TteSectionState SectionState = khssFirst;
  TteSectionDrawState DrawState = khdsNormal;
};

struct TteStatusPanelInfo {
  TRect Rect = NullRect;
  TteStatusPanelClass PanelClass = zqpcNormal;
};

struct TteSplitterButtonInfo {
  TRect Rect = NullRect;
  TteSplitterButtonClass ButtonClass = zqpbcLeft;
};

struct TteGroupInfo {
  // The box.
  TRect Rect = NullRect;
  TRect CaptionRect = NullRect;
  TteGroupDrawState DrawState = kgdsNormal;
};

struct TteMenuGlyphInfo {
  TRect Rect = NullRect;
  TteBitmap* Bitmap = nullptr;
  TteGlyphAlign Align = kgfaCenter;
  TteMenuGlyph Glyph = kmgNone;
};

struct TteToolGlyphInfo {
  TRect Rect = NullRect;
  TteBitmap* Bitmap = nullptr;
  TteGlyphAlign Align = kgfaCenter;
  TteToolGlyph Glyph = ktgNone;
};

struct TteListGlyphInfo {
  TRect Rect = NullRect;
  TteGlyphAlign Align = kgfaCenter;
  TteBitmap* Bitmap = nullptr;
  TteListGlyph Glyph = klgCustom;
};

// Filled by DrawControlBackground for the procedure that paints a parent's background.
struct TteBackground {
  TRect Rect = NullRect;
  TRect ClipRect = NullRect;
  framework::TControl* Control = nullptr;
  framework::TWinControl* Parent = nullptr;
};

// Factories, named after their records without the prefix. Arguments come in field order
// except where noted.

// The factory of a record whose arguments are its fields, in field order.
template <class Info, class... Fields>
struct TteInfoFactory {
  constexpr Info operator()(Fields... fields) const { return Info{fields...}; }
};

TteTextInfo TextInfo(const TRect& rect, std::u16string text, TteTextAlign align, TteTextStyles style,
                     TteTextOrientation orientation);
// From DT_* flags: DT_VCENTER, else DT_BOTTOM, picks the row, DT_CENTER, else DT_RIGHT, the
// column; DT_RTLREADING, DT_NOPREFIX, DT_SINGLELINE and DT_WORDBREAK become styles.
TteTextInfo TextInfo(const TRect& rect, std::u16string text, uint32_t flags);

TteGlyphInfo GlyphInfo();
TteGlyphInfo GlyphInfo(const TRect& rect, TteBitmap* bitmap, TteGlyphAlign align);
TteGlyphInfo GlyphInfo(const TRect& rect, framework::TGraphic* graphic, TteGlyphAlign align);
TteGlyphInfo GlyphInfo(const TRect& rect, framework::TImageList* images, int index, TteGlyphAlign align);

// ClipRect before Buttons; NullRect when nothing is clipped.
TteWindowInfo WindowInfo(const TRect& rect, TteWindowDrawStates states, const TRect& clipRect,
                         TteWindowButtons buttons, std::u16string caption, bool disabledNCArea);
inline constexpr TteInfoFactory<TteWindowButtonInfo, TRect, TteWindowButtonClass, TteWindowButtonDrawState,
                                TteBitmap*>
    WindowButtonInfo{};
inline constexpr TteInfoFactory<TteWindowGripperInfo, TRect, bool> WindowGripperInfo{};

inline constexpr TteInfoFactory<TteHintInfo, TRect> HintInfo{};
inline constexpr TteInfoFactory<TteScrollInfo, TRect> ScrollInfo{};
inline constexpr TteInfoFactory<TtePanelInfo, TRect> PanelInfo{};
inline constexpr TteInfoFactory<TteTrackInfo, TRect> TrackInfo{};
inline constexpr TteInfoFactory<TteSplitterInfo, TRect> SplitterInfo{};
inline constexpr TteInfoFactory<TteMemoGutterInfo, TRect> MemoGutterInfo{};
inline constexpr TteInfoFactory<TteTabInfo, TRect> TabInfo{};
inline constexpr TteInfoFactory<TteHeaderInfo, TRect> HeaderInfo{};
inline constexpr TteInfoFactory<TteStatusInfo, TRect> StatusInfo{};
inline constexpr TteInfoFactory<TteBarDockInfo, TRect> BarDockInfo{};
inline constexpr TteInfoFactory<TteBarInfo, TRect> BarInfo{};
// The text is not kept.
TteBarCaptionInfo BarCaptionInfo(const TRect& rect, const std::u16string& text);
inline constexpr TteInfoFactory<TteMenuInfo, TRect> MenuInfo{};
inline constexpr TteInfoFactory<TteDockInfo, TRect> DockInfo{};
inline constexpr TteInfoFactory<TteToolInfo, TRect> ToolInfo{};
inline constexpr TteInfoFactory<TteListInfo, TRect> ListInfo{};
inline constexpr TteInfoFactory<TteListColumnInfo, TRect> ListColumnInfo{};
inline constexpr TteInfoFactory<TteTreeInfo, TRect> TreeInfo{};
inline constexpr TteInfoFactory<TteGridInfo, TRect> GridInfo{};

inline constexpr TteInfoFactory<TteLabelInfo, TteLabelDrawState> LabelInfo{};
inline constexpr TteInfoFactory<TteButtonInfo, TRect, TteButtonDrawState> ButtonInfo{};
inline constexpr TteInfoFactory<TteCheckInfo, TRect, TteCheckDrawState> CheckInfo{};
inline constexpr TteInfoFactory<TteEditInfo, TRect, TteEditDrawState> EditInfo{};
inline constexpr TteInfoFactory<TteMemoInfo, TRect, TteMemoDrawState> MemoInfo{};
inline constexpr TteInfoFactory<TteBoxInfo, TRect, TteBoxDrawState> BoxInfo{};
inline constexpr TteInfoFactory<TteListItemInfo, TRect, TteListItemDrawState> ListItemInfo{};
inline constexpr TteInfoFactory<TteTreeItemInfo, TRect, TteTreeItemDrawState> TreeItemInfo{};

inline constexpr TteInfoFactory<TteEditButtonInfo, TRect, TteEditButtonDrawState, TteEditButtonClass>
    EditButtonInfo{};
// The scroll factories take the draw state first.
TteScrollButtonInfo ScrollButtonInfo(const TRect& rect, TteScrollButtonDrawState drawState,
                                     TteScrollButtonClass buttonClass);
TteScrollAreaInfo ScrollAreaInfo(const TRect& rect, TteScrollAreaDrawState drawState,
                                 TteScrollAreaClass areaClass);
inline constexpr TteInfoFactory<TteProgressInfo, TRect, TteProgressPart, TteProgressDrawState> ProgressInfo{};
inline constexpr TteInfoFactory<TtePanelButtonInfo, TRect, TtePanelButtonClass, TtePanelButtonDrawState>
    PanelButtonInfo{};
inline constexpr TteInfoFactory<TteTabButtonInfo, TRect, TteTabButtonClass, TteTabButtonDrawState>
    TabButtonInfo{};
inline constexpr TteInfoFactory<TteBarButtonInfo, TRect, TteBarButtonClass, TteBarButtonDrawState>
    BarButtonInfo{};
inline constexpr TteInfoFactory<TteTrackBarInfo, TRect, TteTrackBarClass, TteTrackBarDrawState>
    TrackBarInfo{};
inline constexpr TteInfoFactory<TteTrackThumbInfo, TRect, TteTrackThumbClass, TteTrackThumbDrawState>
    TrackThumbInfo{};
inline constexpr TteInfoFactory<TteTabItemInfo, TRect, TteTabItemClass, TteTabItemDrawState> TabItemInfo{};
inline constexpr TteInfoFactory<TteBarItemInfo, TRect, TteBarItemClass, TteBarItemDrawState> BarItemInfo{};
inline constexpr TteInfoFactory<TteMenuItemInfo, TRect, TteMenuItemClass, TteMenuItemDrawState>
    MenuItemInfo{};
inline constexpr TteInfoFactory<TteToolItemInfo, TRect, TteToolItemClass, TteToolItemDrawState>
    ToolItemInfo{};
inline constexpr TteInfoFactory<TteGridItemInfo, TRect, TteGridItemDrawState, TteGridItemClass>
    GridItemInfo{};
inline constexpr TteInfoFactory<TteHeaderSectionInfo, TRect, TteSectionState, TteSectionDrawState>
    HeaderSectionInfo{};
inline constexpr TteInfoFactory<TteStatusPanelInfo, TRect, TteStatusPanelClass> StatusPanelInfo{};
inline constexpr TteInfoFactory<TteSplitterButtonInfo, TRect, TteSplitterButtonClass> SplitterButtonInfo{};
inline constexpr TteInfoFactory<TteGroupInfo, TRect, TRect, TteGroupDrawState> GroupInfo{};

// () has no rectangle, no bitmap and the glyph kmgNone; (rect, glyph) centres a standard
// mark; the graphic and image-list forms convert the picture and give kmgGlyph.
TteMenuGlyphInfo MenuGlyphInfo();
TteMenuGlyphInfo MenuGlyphInfo(const TRect& rect, TteMenuGlyph glyph);
TteMenuGlyphInfo MenuGlyphInfo(const TRect& rect, TteBitmap* bitmap, TteGlyphAlign align, TteMenuGlyph glyph);
TteMenuGlyphInfo MenuGlyphInfo(const TRect& rect, framework::TGraphic* graphic, TteGlyphAlign align);
TteMenuGlyphInfo MenuGlyphInfo(const TRect& rect, framework::TImageList* images, int index,
                               TteGlyphAlign align, bool enabled);

TteToolGlyphInfo ToolGlyphInfo();
TteToolGlyphInfo ToolGlyphInfo(const TRect& rect, TteToolGlyph glyph);
TteToolGlyphInfo ToolGlyphInfo(const TRect& rect, TteBitmap* bitmap, TteGlyphAlign align, TteToolGlyph glyph);
TteToolGlyphInfo ToolGlyphInfo(const TRect& rect, framework::TGraphic* graphic, TteGlyphAlign align);
TteToolGlyphInfo ToolGlyphInfo(const TRect& rect, framework::TImageList* images, int index,
                               TteGlyphAlign align, bool enabled);

// The bitmap before the alignment, unlike the record; the picture forms are centred and
// give klgCustom.
TteListGlyphInfo ListGlyphInfo(const TRect& rect, TteBitmap* bitmap, TteGlyphAlign align, TteListGlyph glyph);
TteListGlyphInfo ListGlyphInfo(const TRect& rect, TteListGlyph glyph);
TteListGlyphInfo ListGlyphInfo(const TRect& rect, framework::TGraphic* graphic);
TteListGlyphInfo ListGlyphInfo(const TRect& rect, framework::TImageList* images, int index, bool enabled);

// The unit's one conversion bitmap, refilled by each call: the graphic at its own size, or
// image index of the list (enabled or greyed) on the transparent key. Null for no graphic,
// an empty graphic or no list.
TteBitmap* GraphicToBitmap(framework::TGraphic* graphic);
TteBitmap* ImagesToBitmap(framework::TImageList* images, int index, bool enabled);

}  // namespace z5t8::skin::theme
