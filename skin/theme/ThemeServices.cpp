#include "skin/theme/ThemeServices.h"

#include "framework/gui/Control.h"
#include "skin/theme/CustomThemeLink.h"
#include "skin/theme/ThemeManager.h"

namespace z5t8::skin::theme {

using namespace framework;

namespace {

// One string for the fall-back name, so a query allocates nothing.
const std::string& DefaultObjectName() {
  static const std::string name = "default";
  return name;
}

template <class Subclass>
bool Defined(bool (TteTheme::*query)(Subclass, const std::string&), Subclass subclass,
             const std::string& objectName, TteCustomThemeLink* link) {
  if (link) {
    if (TteTheme* linked = link->GetTheme()) return (linked->*query)(subclass, objectName);
  }
  TteTheme* current = CurrentTheme();
  if (!current) return false;
  return (current->*query)(subclass, objectName) || (current->*query)(subclass, DefaultObjectName());
}

void SendNotification(TComponent* component, uintptr_t code) {
  if (auto* control = dynamic_cast<TControl*>(component)) {
    control->Perform(TM_THEMENOTIFY, code, 0);
  } else {
    TMessage message{TM_THEMENOTIFY, code, 0, 0};
    component->Dispatch(message);
  }
}

}  // namespace

TteTheme* GetThemeLink(TteCustomThemeLink* link) {
  if (link) {
    if (TteTheme* linked = link->GetTheme()) return linked;
  }
  return CurrentTheme();
}

#define Z5T8_IS_OBJECT_DEFINED(Subclass, Query)                                                      \
  bool IsObjectDefined(Subclass subclass, const std::string& objectName, TteCustomThemeLink* link) { \
    return Defined(&TteTheme::Query, subclass, objectName, link);                                    \
  }
Z5T8_IS_OBJECT_DEFINED(TteWindowSubclass, IsWindowDefined)
Z5T8_IS_OBJECT_DEFINED(TteHintSubclass, IsHintDefined)
Z5T8_IS_OBJECT_DEFINED(TteLabelSubclass, IsLabelDefined)
Z5T8_IS_OBJECT_DEFINED(TtePanelSubclass, IsPanelDefined)
Z5T8_IS_OBJECT_DEFINED(TteButtonSubclass, IsButtonDefined)
Z5T8_IS_OBJECT_DEFINED(TteCheckSubclass, IsCheckDefined)
Z5T8_IS_OBJECT_DEFINED(TteSplitterSubclass, IsSplitterDefined)
Z5T8_IS_OBJECT_DEFINED(TteScrollSubclass, IsScrollDefined)
Z5T8_IS_OBJECT_DEFINED(TteProgressSubclass, IsProgressDefined)
Z5T8_IS_OBJECT_DEFINED(TteTrackSubclass, IsTrackDefined)
Z5T8_IS_OBJECT_DEFINED(TteHeaderSubclass, IsHeaderDefined)
Z5T8_IS_OBJECT_DEFINED(TteStatusSubclass, IsStatusDefined)
Z5T8_IS_OBJECT_DEFINED(TteEditSubclass, IsEditDefined)
Z5T8_IS_OBJECT_DEFINED(TteGroupSubclass, IsGroupDefined)
Z5T8_IS_OBJECT_DEFINED(TteMemoSubclass, IsMemoDefined)
Z5T8_IS_OBJECT_DEFINED(TteBoxSubclass, IsBoxDefined)
Z5T8_IS_OBJECT_DEFINED(TteMenuSubclass, IsMenuDefined)
Z5T8_IS_OBJECT_DEFINED(TteDockSubclass, IsDockDefined)
Z5T8_IS_OBJECT_DEFINED(TteToolSubclass, IsToolDefined)
Z5T8_IS_OBJECT_DEFINED(TteBarDockSubclass, IsBarDockDefined)
Z5T8_IS_OBJECT_DEFINED(TteBarSubclass, IsBarDefined)
Z5T8_IS_OBJECT_DEFINED(TteTabSubclass, IsTabDefined)
Z5T8_IS_OBJECT_DEFINED(TteListSubclass, IsListDefined)
Z5T8_IS_OBJECT_DEFINED(TteTreeSubclass, IsTreeDefined)
Z5T8_IS_OBJECT_DEFINED(TteGridSubclass, IsGridDefined)
#undef Z5T8_IS_OBJECT_DEFINED

void ChangeThemeHue(int deltaHue) {
  TteTheme* theme = CurrentTheme();
  if (!theme || deltaHue == 0) return;
  theme->ChangeThemeHue(deltaHue);
  ThemeManager()->Broadcast(TM_THEMENOTIFY, tncRepaint, 1);
}

void ChangeThemeBrightness(int deltaBrightness) {
  TteTheme* theme = CurrentTheme();
  if (!theme || deltaBrightness == 0) return;
  theme->ChangeThemeBrightness(deltaBrightness);
  ThemeManager()->Broadcast(TM_THEMENOTIFY, tncRepaint, 1);
}

void ChangeThemeHueAndBrightness(int deltaHue, int deltaBrightness) {
  TteTheme* theme = CurrentTheme();
  if (!theme || (deltaHue == 0 && deltaBrightness == 0)) return;
  theme->ChangeThemeHueAndBrightness(deltaHue, deltaBrightness);
  ThemeManager()->Broadcast(TM_THEMENOTIFY, tncRepaint, 1);
}

void RepaintThemedControls() { ThemeManager()->Broadcast(TM_THEMENOTIFY, tncRepaint, 0); }

void UpdateThemedControls() { ThemeManager()->Broadcast(TM_THEMENOTIFY, tncChanged, 0); }

void UpdateLinkedControls(TteCustomThemeLink* link) {
  ThemeManager()->Broadcast(TM_THEMELINKCHANGED, reinterpret_cast<uintptr_t>(link),
                            reinterpret_cast<intptr_t>(link));
}

void BeforeWriteState(TComponent* component) {
  if (component && component->InState(csDesigning) && CurrentTheme())
    SendNotification(component, tncReleased);
}

void AfterWriteState(TComponent* component) {
  if (component && component->InState(csDesigning) && CurrentTheme()) SendNotification(component, tncApplied);
}

}  // namespace z5t8::skin::theme
