#pragma once

#include <cstddef>
#include <cstdint>

namespace z5t8::skin::theme {

// Slots of a theme's colour table, in stored order.
enum TteThemeColor : uint8_t {
  ktcCaptionNormal,
  ktcCaptionInactive,
  ktcWindowBorder,
  ktcWindow,
  ktcBorder,
  ktcPanelNormal,
  ktcPanelDisabled,
  ktcButtonNormal,
  ktcButtonHot,
  ktcButtonPressed,
  ktcButtonFocused,
  ktcButtonDisabled,
  ktcEditNormal,
  ktcEditHot,
  ktcEditFocused,
  ktcEditDisabled,
  ktcEditSelection,
  ktcHint,
  ktcList,
  ktcTree,
  ktcGrid,
  ktcBarDock,
};
inline constexpr size_t ThemeColorCount = size_t(ktcBarDock) + 1;

enum TteThemeOption : uint8_t { ktoptOneEdit, ktoptOneComboBox };
inline constexpr size_t ThemeOptionCount = size_t(ktoptOneComboBox) + 1;

enum TktlMarginId : uint8_t {
  ktmiWindowStandard,
  ktmiWindowDialog,
  ktmiWindowBorder,
  ktmiWindowMessage,
  ktmiWindowTextured,
  ktmiWindowToolWindow,
  ktmiWindowToolbarVert,
  ktmiWindowToolbarHorz,
};

// Slots of a theme's font table, in stored order.
enum TteThemeFont : uint8_t {
  ktfCaptionTextNormal,
  ktfCaptionTextInactive,
  ktfSmCaptionTextNormal,
  ktfSmCaptionTextInactive,
  ktfStaticTextNormal,
  ktfStaticTextHot,
  ktfStaticTextFocused,
  ktfStaticTextDisabled,
  ktfPanelTextNormal,
  ktfPanelTextDisabled,
  ktfButtonTextNormal,
  ktfButtonTextPressed,
  ktfButtonTextHot,
  ktfButtonTextFocused,
  ktfButtonTextDisabled,
  ktfCheckBoxTextNormal,
  ktfCheckBoxTextPressed,
  ktfCheckBoxTextHot,
  ktfCheckBoxTextFocused,
  ktfCheckBoxTextDisabled,
  ktfRadioButtonTextNormal,
  ktfRadioButtonTextPressed,
  ktfRadioButtonTextHot,
  ktfRadioButtonTextFocused,
  ktfRadioButtonTextDisabled,
  ktfGroupBoxTextNormal,
  ktfGroupBoxTextDisabled,
  ktfWindowTextNormal,
  ktfWindowTextDisabled,
  ktfEditBoxTextNormal,
  ktfEditBoxTextFocused,
  ktfEditBoxTextHot,
  ktfEditBoxTextDisabled,
  ktfEditBoxTextSelected,
  ktfMenuItemTextNormal,
  ktfMenuItemTextSelected,
  ktfMenuItemTextHot,
  ktfMenuItemTextDisabled,
  ktfToolItemTextNormal,
  ktfToolItemTextSelected,
  ktfToolItemTextHot,
  ktfToolItemTextDisabled,
  ktfHeaderSectionTextNormal,
  ktfHeaderSectionTextPressed,
  ktfHeaderSectionTextDraggedOut,
  ktfHeaderSectionTextDragging,
  ktfHeaderSectionTextHot,
  ktfHeaderSectionTextUnderDrag,
  ktfHeaderSectionTextDisabled,
  ktfStatusPanelTextNormal,
  ktfStatusPanelTextDisabled,
  ktfTabTextInactiveNormal,
  ktfTabTextInactiveHot,
  ktfTabTextInactiveDisabled,
  ktfTabTextActiveNormal,
  ktfTabTextActiveHot,
  ktfTabTextActiveDisabled,
  ktfListItemTextNormal,
  ktfListItemTextHot,
  ktfListItemTextSelected,
  ktfListItemTextFocused,
  ktfListItemTextDisabled,
  ktfPopupMenuItemTextNormal,
  ktfPopupMenuItemTextSelected,
  ktfPopupMenuItemTextHot,
  ktfPopupMenuItemTextDisabled,
};
inline constexpr size_t ThemeFontCount = size_t(ktfPopupMenuItemTextDisabled) + 1;

static_assert(ThemeColorCount == 22);
static_assert(ThemeFontCount == 66);

}  // namespace z5t8::skin::theme
