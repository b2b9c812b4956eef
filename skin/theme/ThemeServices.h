#pragma once

#include <string>

#include "framework/Component.h"
#include "skin/theme/ThemeTypes.h"

namespace z5t8::skin::theme {

class TteTheme;
class TteCustomThemeLink;

// The theme a control draws with: its link's theme when the link has one, else the
// current theme (null when there is none).
TteTheme* GetThemeLink(TteCustomThemeLink* link);

// Whether the theme has a look for the family's subclass under the object name. Through a
// link with a theme: that theme alone answers. Otherwise the current theme answers, and
// when it lacks the name its "default" object does. No allocation.
bool IsObjectDefined(TteWindowSubclass subclass, const std::string& objectName, TteCustomThemeLink* link);
bool IsObjectDefined(TteHintSubclass subclass, const std::string& objectName, TteCustomThemeLink* link);
bool IsObjectDefined(TteLabelSubclass subclass, const std::string& objectName, TteCustomThemeLink* link);
bool IsObjectDefined(TtePanelSubclass subclass, const std::string& objectName, TteCustomThemeLink* link);
bool IsObjectDefined(TteButtonSubclass subclass, const std::string& objectName, TteCustomThemeLink* link);
bool IsObjectDefined(TteCheckSubclass subclass, const std::string& objectName, TteCustomThemeLink* link);
bool IsObjectDefined(TteSplitterSubclass subclass, const std::string& objectName, TteCustomThemeLink* link);
bool IsObjectDefined(TteScrollSubclass subclass, const std::string& objectName, TteCustomThemeLink* link);
bool IsObjectDefined(TteProgressSubclass subclass, const std::string& objectName, TteCustomThemeLink* link);
bool IsObjectDefined(TteTrackSubclass subclass, const std::string& objectName, TteCustomThemeLink* link);
bool IsObjectDefined(TteHeaderSubclass subclass, const std::string& objectName, TteCustomThemeLink* link);
bool IsObjectDefined(TteStatusSubclass subclass, const std::string& objectName, TteCustomThemeLink* link);
bool IsObjectDefined(TteEditSubclass subclass, const std::string& objectName, TteCustomThemeLink* link);
bool IsObjectDefined(TteGroupSubclass subclass, const std::string& objectName, TteCustomThemeLink* link);
bool IsObjectDefined(TteMemoSubclass subclass, const std::string& objectName, TteCustomThemeLink* link);
bool IsObjectDefined(TteBoxSubclass subclass, const std::string& objectName, TteCustomThemeLink* link);
bool IsObjectDefined(TteMenuSubclass subclass, const std::string& objectName, TteCustomThemeLink* link);
bool IsObjectDefined(TteDockSubclass subclass, const std::string& objectName, TteCustomThemeLink* link);
bool IsObjectDefined(TteToolSubclass subclass, const std::string& objectName, TteCustomThemeLink* link);
bool IsObjectDefined(TteBarDockSubclass subclass, const std::string& objectName, TteCustomThemeLink* link);
bool IsObjectDefined(TteBarSubclass subclass, const std::string& objectName, TteCustomThemeLink* link);
bool IsObjectDefined(TteTabSubclass subclass, const std::string& objectName, TteCustomThemeLink* link);
bool IsObjectDefined(TteListSubclass subclass, const std::string& objectName, TteCustomThemeLink* link);
bool IsObjectDefined(TteTreeSubclass subclass, const std::string& objectName, TteCustomThemeLink* link);
bool IsObjectDefined(TteGridSubclass subclass, const std::string& objectName, TteCustomThemeLink* link);

// Hue and brightness shifts of the current theme, then tncRepaint with 1; nothing without
// a current theme or for no shift.
void ChangeThemeHue(int deltaHue);
void ChangeThemeBrightness(int deltaBrightness);
void ChangeThemeHueAndBrightness(int deltaHue, int deltaBrightness);

// tncRepaint to every client.
void RepaintThemedControls();
// tncChanged to every client.
void UpdateThemedControls();
// TM_THEMELINKCHANGED with the link.
void UpdateLinkedControls(TteCustomThemeLink* link);

// At design time with a current theme: tncReleased (before) or tncApplied (after) to the
// component, so that its own, unthemed values are what gets written.
void BeforeWriteState(framework::TComponent* component);
void AfterWriteState(framework::TComponent* component);

}  // namespace z5t8::skin::theme
