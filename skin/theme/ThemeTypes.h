#pragma once

#include <cstdint>
#include <initializer_list>
#include <type_traits>

namespace z5t8::skin::theme {

// The enumerations the theme operations take, one byte each, grouped by control family.
// Value names are part of the interface that skins and controls share, misspellings included.

// Window.
enum TteWindowSubclass : uint8_t {
  kwscStandard,
  kwscDialog,
  kwscBorder,
  kwscMessage,
  kwscNoBorder,
  kwscTextured,
  kwscToolWindow
};
enum TteWindowDrawState : uint8_t { kwdsActive, kwdsMaximized, kwdsMinimized, kwdsRolled, kwdsTopmost };
enum TteWindowButtonClass : uint8_t {
  kwbSysMenu,
  kwbClose,
  kwbHelp,
  kwbMin,
  kwbMinRestore,
  kwbMax,
  kwbMaxRestore,
  kwbRoll,
  kwbRollRestore,
  kwbTray,
  kwbTopmost,
  kwbTopmostRestore,
  kwbCustom
};
enum TteWindowButtonDrawState : uint8_t { kwbdsNormal, kwbdsHot, kwbdsPressed, kwbdsInactive };
enum TteWindowHitTest : uint8_t {
  kwhtClient,
  kwhtCaption,
  kwhtLeft,
  kwhtTop,
  kwhtRight,
  kwhtBottom,
  kwhtBorder,
  kwhtTopLeft,
  kwhtTopRight,
  kwhtBottomLeft,
  kwhtBottomRight,
  kwhtCloseButton,
  kwhtHelpButton,
  kwhtMinButton,
  kwhtMaxButton,
  kwhtRollButton,
  kwhtTrayButton,
  kwhtSysMenu,
  kwhtNonClient,
  kwhtMenu
};

// Hint.
enum TteHintSubclass : uint8_t { khscHintWindow };

// Label.
enum TteLabelSubclass : uint8_t { klscLabel, klscHyperlink, klscHighlight };
enum TteLabelDrawState : uint8_t { kldsNormal, kldsHot, kldsDisabled };

// Panel.
enum TtePanelSubclass : uint8_t { kpscPanel, kpscHeader };
enum TtePanelButtonClass : uint8_t {
  kpbcRollUp,
  kpbcRollDown,
  kpbcRollLeft,
  kpbcRollRight,
  kpbcClose,
  kpbcCustom
};
enum TtePanelButtonDrawState : uint8_t { kpbdsNormal, kpbdsHot, kpbdsPressed, kpbdsDiabled };

// Button.
enum TteButtonSubclass : uint8_t {
  kbscButton,
  kbscComboButton,
  kbscComboDropDown,
  kbscDropDown,
  kbscSpinUp,
  kbscSpinDown,
  kbscSpinLeft,
  kbscSpinRight,
  kbscSpinPlus,
  kbscSpinMinus
};
enum TteButtonDrawState : uint8_t {
  kbdsNormal,
  kbdsHot,
  kbdsPressed,
  kbdsDisabled,
  kbdsFocused,
  kbdsFocusedHot,
  kbdsDefault,
  kbdsDefaultHot,
  kbdsChecked,
  kbdsCheckedDisabled,
  kbdsCheckedHot,
  kbdsCheckedFocused
};

// Check.
enum TteCheckSubclass : uint8_t { kcscCheckBox, kcscRadioButton };
enum TteCheckDrawState : uint8_t {
  kcdsCheckedNormal,
  kcdsCheckedHot,
  kcdsCheckedPressed,
  kcdsCheckedDisabled,
  kcdsCheckedFocused,
  kcdsUncheckedNormal,
  kcdsUncheckedHot,
  kcdsUncheckedPressed,
  kcdsUncheckedDisabled,
  kcdsUncheckedFocused,
  kcdsMixedNormal,
  kcdsMixedHot,
  kcdsMixedPressed,
  kcdsMixedDisabled,
  kcdsMixedFocused
};

// Splitter.
enum TteSplitterSubclass : uint8_t { zqscSplitter };
enum TteSplitterButtonClass : uint8_t { zqpbcLeft, zqpbcUp, zqpbcDown, zqpbcRight };

// Scroll.
enum TteScrollSubclass : uint8_t { zqscScrollBar };
enum TteScrollButtonClass : uint8_t {
  zqbcUp,
  zqbcDown,
  zqbcPageUp,
  zqbcPageDown,
  zqbcLeft,
  zqbcRight,
  zqbcPageLeft,
  zqbcPageRight,
  zqbcHorzSlider,
  zqbcVertSlider,
  zqbcPlus,
  zqbcMinus,
  zqbcCustom
};
enum TteScrollButtonDrawState : uint8_t { zqbdsNormal, zqbdsPressed, zqbdsHot, zqbdsDisabled };
enum TteScrollAreaClass : uint8_t { zqacVertical, zqacHorizontal };
enum TteScrollAreaDrawState : uint8_t { zqadsNormal, zqadsPressed, zqadsHot, zqadsDisabled };

// Progress.
enum TteProgressSubclass : uint8_t { kpscProgressBar, kpscSingleProgressBar };
enum TteProgressPart : uint8_t {
  kppBarVert,
  kppBarHorz,
  kppChunkVert,
  kppChunkHorz,
  kppSolidVert,
  kppSolidHorz
};
enum TteProgressDrawState : uint8_t { kpdsNormal, kpdsDisabled };

// Track.
enum TteTrackSubclass : uint8_t { ktscTrackBar, ktscRangeBar };
enum TteTrackBarClass : uint8_t { ktbcVertical, ktbcHorizontal };
enum TteTrackBarDrawState : uint8_t { ktrbdsNormal, ktrbdsDisabled };
enum TteTrackThumbClass : uint8_t {
  ktbmVertBoth,
  ktbmVertRight,
  ktbmVertLeft,
  ktbmHorzBoth,
  ktbmHorzBottom,
  ktbmHorzTop
};
enum TteTrackThumbDrawState : uint8_t { kttdsNormal, kttdsHot, kttdsPressed, kttdsFocused, kttdsDisabled };

// Header.
enum TteHeaderSubclass : uint8_t { khscHeader };
enum TteSectionState : uint8_t { khssFirst, khssMiddle, khssLast };
enum TteSectionDrawState : uint8_t {
  khdsNormal,
  khdsPressed,
  khdsDraggedOut,
  khdsDragging,
  khdsHot,
  khdsUnderDrag,
  khdsDisabled
};

// Status.
enum TteStatusSubclass : uint8_t { zqscStatusBar };
enum TteStatusPanelClass : uint8_t { zqpcNormal, zqpcDisabled, zqpcGripperPanel, zqpcGripper };

// Edit.
enum TteEditSubclass : uint8_t {
  kescEdit,
  kescEditLeft,
  kescEditRight,
  kescEditBoth,
  kescComboBox,
  kescComboBoxLeft,
  kescComboBoxRight,
  kescSingleEdit,
  kescSingleComboBox
};
enum TteEditDrawState : uint8_t {
  kedsNormal,
  kedsHot,
  kedsFocused,
  kedsFocusedHot,
  kedsDisabled,
  kedsReadOnly,
  kedsSelection
};
enum TteEditButtonClass : uint8_t {
  kebcDropDown,
  kebcUpDown,
  kebcUp,
  kebcDown,
  kebcLeft,
  kebcRight,
  kebcPlus,
  kebcMinus,
  kebcDialog,
  kebcCustom
};
enum TteEditButtonDrawState : uint8_t { kebdsNormal, kebdsHot, kebdsPressed, kebdsFocused, kebdsDisabled };

// Group.
enum TteGroupSubclass : uint8_t { kgscGroupBox, kgscRadioGroup };
enum TteGroupDrawState : uint8_t { kgdsNormal, kgdsDisabled };

// Memo.
enum TteMemoSubclass : uint8_t { kmscMemo };
enum TteMemoDrawState : uint8_t {
  kmdsNormal,
  kmdsHot,
  kmdsFocused,
  kmdsDisabled,
  kmdsReadOnly,
  kmdsSelection
};

// Box.
enum TteBoxSubclass : uint8_t { kbscBox };
enum TteBoxDrawState : uint8_t { kbxdsNormal, kbxdsDisabled };

// Menu.
enum TteMenuSubclass : uint8_t { kmscMenuBar, kmscPopupMenu };
enum TteMenuItemClass : uint8_t {
  kmicNormal,
  kmicSeparator,
  kmicSpace,
  kmicHomeButton,
  kmicEndButton,
  kmicExpandButton,
  kmicSysMenu,
  kmicMin,
  kmicRestore,
  kmicClose
};
enum TteMenuItemDrawState : uint8_t { kmidsNormal, kmidsHot, kmidsSelected, kmidsDisabled, kmidsUnused };
enum TteMenuGlyph : uint8_t {
  kmgCheckGlyph,
  kmgRadioGlyph,
  kmgSubMenuGlyph,
  kmgGlyph,
  kmgSysMenu,
  kmgClose,
  kmgMin,
  kmgMax,
  kmgRoll,
  kmgMinRestore,
  kmgMaxRestore,
  kmgRollRestore,
  kmgTray,
  kmgNone
};

// Dock.
enum TteDockSubclass : uint8_t { kdscDock };

// Tool.
enum TteToolSubclass : uint8_t { ktscToolMenu, ktscToolBar, ktscToolPopup, ktscToolWindow, ktscRebar };
enum TteToolButtonClass : uint8_t { ktlbcCaption, ktlbcGripper, ktlbcClose, ktlbcPick };
enum TteToolItemClass : uint8_t {
  kticNormal,
  kticSeparator,
  kticSpace,
  kticComboButton,
  kticComboDropDown,
  kticDropDown,
  kticHomeButton,
  kticendButton,
  kticExpandButton,
  kticSysMenu,
  kticMin,
  kticRestore,
  kticClose,
  kticGripper,
  kticGripperVert
};
enum TteToolItemDrawState : uint8_t {
  mtidsNormal,
  mtidsHot,
  mtidsPressed,
  mtidsDisabled,
  mtidsUnused,
  mtidsChecked,
  mtidsCheckedHot,
  mtidsCheckedPressed
};
enum TteToolGlyph : uint8_t {
  ktigCheckGlyph,
  ktigRadioGlyph,
  ktigSubMenuGlyph,
  ktigGlyph,
  ktigSysMenu,
  ktigClose,
  ktigMin,
  ktigMax,
  ktigRoll,
  ktigMinRestore,
  ktigMaxRestore,
  ktigRollRestore,
  ktigTray,
  ktgNone
};

// BarDock.
enum TteBarDockSubclass : uint8_t { kbdscBarDock };

// Bar.
enum TteBarSubclass : uint8_t { kbscOutlookBar, kbscExplorerBar, kbscGroupBar };
enum TteBarCaptionDrawState : uint8_t { kbcdsNormal, kbcdsHot, kbcdsPressed, kbcdsDisabled, kbcdsRolled };
enum TteBarButtonClass : uint8_t { kbbcText, kbbcUp, kbbcDown, kbbcClose };
enum TteBarButtonDrawState : uint8_t { kbbdsNormal, kbbdsHot, kbbdsPressed, kbbdsDisabled };
enum TteBarItemClass : uint8_t { kbicNormal };
enum TteBarItemDrawState : uint8_t { kbidsNormal, kbidsHot, kbidsPressed, kbidsDisabled };

// Tab.
enum TteTabSubclass : uint8_t { ktscTab, ktscPage };
enum TteTabItemClass : uint8_t {
  ktisTopMiddle,
  ktisTopFirst,
  ktisTopLast,
  ktisLeftMiddle,
  ktisLeftFirst,
  ktisLeftLast,
  ktisRightMiddle,
  ktisRightFirst,
  ktisRightLast,
  ktisBottomMiddle,
  ktisBottomFirst,
  ktisBottomLast
};
enum TteTabItemDrawState : uint8_t {
  ktidsNormal,
  ktidsHot,
  ktidsDisabled,
  ktidsActive,
  ktidsActiveHot,
  ktidsActiveDisabled
};
enum TteTabButtonClass : uint8_t { ktbcClose, ktbcLeft, ktbcDown, ktbcUp, ktbcRight, ktbcCustom };
enum TteTabButtonDrawState : uint8_t { ktbdsNormal, ktbdsHot, ktbdsPressed, ktbdsDisabled };

// List.
enum TteListSubclass : uint8_t { klscListBox };
enum TteListItemDrawState : uint8_t { klidsNormal, klidsHot, klidsSelected, klidsFocused, klidsDisabled };
enum TteListGlyph : uint8_t { klgChecked, klgUnchecked, klgMixed, klgCustom };

// Tree.
enum TteTreeSubclass : uint8_t { ktscTreeList };
enum TteTreeItemDrawState : uint8_t { kridsNormal, kridsHot, kridsSelected, kridsFocused, kridsDisabled };

// Grid.
enum TteGridSubclass : uint8_t { kgscGrid };
enum TteGridItemClass : uint8_t { kgicNormal, kgicFixed };
enum TteGridItemDrawState : uint8_t { kgidsNormal, kgidsHot, kgidsSelected, kgidsFocused, kgidsDisabled };

// Text and glyphs.
enum TteTextAlign : uint8_t {
  ktxaTopLeft,
  ktxaMiddleLeft,
  ktxaBottomLeft,
  ktxaTopCenter,
  ktxaMiddleCenter,
  ktxaBottomCenter,
  ktxaTopRight,
  ktxaMiddleRight,
  ktxaBottomRight
};
enum TteTextStyle : uint8_t { ktxsDropShadow, ktxsRTLReading, ktxsNoPrefix, ktxsWordBreak, ktxsSingleLine };
enum TteTextOrientation : uint8_t { ktxoHorizontal, ktxoVerticalTop, ktxoVerticalBottom };
enum TteGlyphAlign : uint8_t { kgfaTopLeft, kgfaTopRight, kgfaBottomLeft, kgfaBottomRight, kgfaCenter };

// A set of enumeration values as a bit field of Bits (bit n = value n).
template <class E, class Bits>
class TteSet {
public:
  static_assert(std::is_unsigned_v<Bits>);

  constexpr TteSet() = default;
  constexpr TteSet(std::initializer_list<E> values) {
    for (E e : values) Include(e);
  }
  static constexpr TteSet FromBits(Bits bits) {
    TteSet s;
    s.FBits = bits;
    return s;
  }

  constexpr Bits ToBits() const { return FBits; }
  constexpr bool Empty() const { return FBits == 0; }
  constexpr bool Contains(E e) const { return unsigned(e) < sizeof(Bits) * 8 && (FBits >> unsigned(e) & 1u); }
  constexpr TteSet& Include(E e) {
    if (unsigned(e) < sizeof(Bits) * 8) FBits = Bits(FBits | (1u << unsigned(e)));
    return *this;
  }
  constexpr TteSet& Exclude(E e) {
    if (unsigned(e) < sizeof(Bits) * 8) FBits = Bits(FBits & ~(1u << unsigned(e)));
    return *this;
  }
  constexpr TteSet operator+(TteSet o) const { return FromBits(Bits(FBits | o.FBits)); }
  constexpr TteSet operator-(TteSet o) const { return FromBits(Bits(FBits & ~o.FBits)); }
  constexpr TteSet operator*(TteSet o) const { return FromBits(Bits(FBits & o.FBits)); }
  constexpr bool operator==(const TteSet&) const = default;

private:
  Bits FBits = 0;
};

using TteWindowDrawStates = TteSet<TteWindowDrawState, uint8_t>;
using TteWindowButtons = TteSet<TteWindowButtonClass, uint16_t>;
using TteTextStyles = TteSet<TteTextStyle, uint8_t>;

static_assert(sizeof(TteWindowDrawStates) == 1 && sizeof(TteWindowButtons) == 2 &&
              sizeof(TteTextStyles) == 1);

}  // namespace z5t8::skin::theme
