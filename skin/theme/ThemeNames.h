#pragma once

#include <array>
#include <string_view>

#include "framework/Color.h"
#include "skin/theme/ThemeDataTypes.h"

namespace z5t8::skin::theme {

// Entry names of the stored colour table, one per TteThemeColor.
inline constexpr std::array<std::string_view, ThemeColorCount> ThemeColorNames{
    "CaptionNormal", "CaptionInactive", "WindowBorder", "Window",    "Border",
    "PanelNormal",   "PanelDisabled",   "ButtonNormal", "ButtonHot", "ButtonPressed",
    "ButtonFocused", "ButtonDisabled",  "EditNormal",   "EditHot",   "EditFocused",
    "EditDisabled",  "EditSelection",   "Hint",         "List",      "Tree",
    "Grid",          "BarDock",
};

// Entry names of the stored font table, one per TteThemeFont.
inline constexpr std::array<std::string_view, ThemeFontCount> ThemeFontNames{
    "CaptionTextNormal",
    "CaptionTextInactive",
    "SmCaptionTextNormal",
    "SmCaptionTextInactive",
    "StaticTextNormal",
    "StaticTextHot",
    "StaticTextFocused",
    "StaticTextDisabled",
    "PanelTextNormal",
    "PanelTextDisabled",
    "ButtonTextNormal",
    "ButtonTextPressed",
    "ButtonTextHot",
    "ButtonTextFocused",
    "ButtonTextDisabled",
    "CheckBoxTextNormal",
    "CheckBoxTextPressed",
    "CheckBoxTextHot",
    "CheckBoxTextFocused",
    "CheckBoxTextDisabled",
    "RadioButtonTextNormal",
    "RadioButtonTextPressed",
    "RadioButtonTextHot",
    "RadioButtonTextFocused",
    "RadioButtonTextDisabled",
    "GroupBoxTextNormal",
    "GroupBoxTextDisabled",
    "WindowTextNormal",
    "WindowTextDisabled",
    "EditBoxTextNormal",
    "EditBoxTextFocused",
    "EditBoxTextHot",
    "EditBoxTextDisabled",
    "EditBoxTextSelected",
    "MenuItemTextNormal",
    "MenuItemTextSelected",
    "MenuItemTextHot",
    "MenuItemTextDisabled",
    "ToolItemTextNormal",
    "ToolItemTextSelected",
    "ToolItemTextHot",
    "ToolItemTextDisabled",
    "HeaderSectionTextNormal",
    "HeaderSectionTextPressed",
    "HeaderSectionTextDraggedOut",
    "HeaderSectionTextDragging",
    "HeaderSectionTextHot",
    "HeaderSectionTextUnderDrag",
    "HeaderSectionTextDisabled",
    "StatusPanelTextNormal",
    "StatusPanelTextDisabled",
    "TabTextInactiveNormal",
    "TabTextInactiveHot",
    "TabTextInactiveDisabled",
    "TabTextActiveNormal",
    "TabTextActiveHot",
    "TabTextActiveDisabled",
    "ListItemTextNormal",
    "ListItemTextHot",
    "ListItemTextSelected",
    "ListItemTextFocused",
    "ListItemTextDisabled",
    "PopupMenuItemTextNormal",
    "PopupMenuItemTextSelected",
    "PopupMenuItemTextHot",
    "PopupMenuItemTextDisabled",
};

// The system colours a theme keeps, with the names its stored table uses. The eleventh
// entry repeats the second; lookups by identifier find the first.
struct TSysColorEntry {
  framework::TColor Color;
  std::string_view Name;
};
inline constexpr size_t SysColorCount = 26;
inline constexpr std::array<TSysColorEntry, SysColorCount> SysColors{{
    {framework::clActiveBorder, "clActiveBorder"},
    {framework::clActiveCaption, "clActiveCaption"},
    {framework::clAppWorkSpace, "clAppWorkSpace"},
    {framework::clBackground, "clBackground"},
    {framework::clBtnFace, "clBtnFace"},
    {framework::clBtnHighlight, "clBtnHighlight"},
    {framework::clBtnShadow, "clBtnShadow"},
    {framework::clBtnText, "clBtnText"},
    {framework::clCaptionText, "clCaptionText"},
    {framework::clDefault, "clDefault"},
    {framework::clActiveCaption, "clActiveCaption"},
    {framework::clGrayText, "clGrayText"},
    {framework::clHighlight, "clHighlight"},
    {framework::clHighlightText, "clHighlightText"},
    {framework::clInactiveBorder, "clInactiveBorder"},
    {framework::clInactiveCaption, "clInactiveCaption"},
    {framework::clInactiveCaptionText, "clInactiveCaptionText"},
    {framework::clInfoBk, "clInfoBk"},
    {framework::clInfoText, "clInfoText"},
    {framework::clMenu, "clMenu"},
    {framework::clMenuText, "clMenuText"},
    {framework::clScrollBar, "clScrollBar"},
    {framework::cl3DDkShadow, "cl3DDkShadow"},
    {framework::cl3DLight, "cl3DLight"},
    {framework::clWindow, "clWindow"},
    {framework::clWindowFrame, "clWindowFrame"},
}};

inline constexpr std::array<std::string_view, ThemeOptionCount> ThemeOptionNames{
    "One object for kescEditButtonLeft, kescEditButtonRight and kescEditButtonBoth",
    "One object for kescComboBoxLeft, kescComboBoxRight",
};

}  // namespace z5t8::skin::theme
