#include "skin/theme/ThemeLink.h"

#include "framework/Properties.h"
#include "skin/theme/ThemeManager.h"
#include "skin/theme/ThemeServices.h"

namespace z5t8::skin::theme {

using namespace framework;

Z5T8_IMPLEMENT_CLASS(TTeThemeLink, TteCustomThemeLink) {
  p.Integer("DeltaHue", &TTeThemeLink::DeltaHue, &TTeThemeLink::SetDeltaHue);
  p.Integer("DeltaBrightness", &TTeThemeLink::DeltaBrightness, &TTeThemeLink::SetDeltaBrightness);
  p.String("ThemeFile", &TTeThemeLink::ThemeFile, &TTeThemeLink::SetThemeFile);
  p.String("ThemeBuilding", &TTeThemeLink::ThemeBuilding, &TTeThemeLink::SetThemeBuilding);
  p.Component("ThemeList", &TTeThemeLink::ThemeList, &TTeThemeLink::SetThemeList);
  p.Integer("ThemeIndex", &TTeThemeLink::ThemeIndex, &TTeThemeLink::SetThemeIndex).Default(-1);
}

TTeThemeLink::TTeThemeLink(TComponent* owner) : TteCustomThemeLink(owner) {}

TTeThemeLink::~TTeThemeLink() = default;

void TTeThemeLink::Replace(std::unique_ptr<TteTheme> theme) {
  // The new theme is in place before the old one goes, so nothing sees the link empty.
  FTheme.swap(theme);
  theme.reset();
  if (FDeltaHue != 0) FTheme->ChangeThemeHue(FDeltaHue);
  if (FDeltaBrightness != 0) FTheme->ChangeThemeBrightness(FDeltaBrightness);
}

void TTeThemeLink::SetDeltaHue(int value) {
  FDeltaHue = value;
  if (FTheme) FTheme->ChangeThemeHue(value);
  UpdateLinkedControls(this);
}

void TTeThemeLink::SetDeltaBrightness(int value) {
  FDeltaBrightness = value;
  if (FTheme) FTheme->ChangeThemeBrightness(value);
  UpdateLinkedControls(this);
}

void TTeThemeLink::SetThemeFile(const std::string& fileName) {
  FThemeFile = fileName;
  std::unique_ptr<TteTheme> theme = ThemeManager()->LoadFromFile(fileName);
  if (!theme) return;
  FThemeBuilding = SNoTheme;
  FThemeIndex = -1;
  Replace(std::move(theme));
  UpdateLinkedControls(this);
}

void TTeThemeLink::SetThemeBuilding(const std::string& name) {
  FThemeBuilding = name;
  if (name == SNoTheme) return;
  TteThemeClass themeClass = FindBuiltInTheme(name);
  if (!themeClass) {
    FThemeBuilding = SNoTheme;
    return;
  }
  if (std::unique_ptr<TteTheme> theme = themeClass->Create()) {
    FThemeFile.clear();
    FThemeIndex = -1;
    Replace(std::move(theme));
    UpdateLinkedControls(this);
  }
  FThemeBuilding = themeClass->GetThemeName();
}

void TTeThemeLink::SetThemeList(TTeThemeList* list) {
  SetThemeListReference(this, FThemeList, FThemeIndex, list);
}

void TTeThemeLink::SetThemeIndex(int index) {
  FThemeIndex = index;
  int selected = SelectThemeIndex(FThemeList, index);
  if (selected < 0) {
    if (!InState(csLoading)) ReleaseTheme();
    return;
  }
  FThemeIndex = selected;
  std::unique_ptr<TteTheme> theme = FThemeList->Themes()->Items(selected)->GetTheme();
  if (!theme) return;
  FThemeFile.clear();
  FThemeBuilding = SNoTheme;
  Replace(std::move(theme));
  UpdateLinkedControls(this);
}

void TTeThemeLink::ReleaseTheme() {
  if (!FTheme) return;
  FTheme.reset();
  UpdateLinkedControls(this);
}

void TTeThemeLink::Loaded() {
  TComponent::Loaded();
  if (FThemeList && FThemeIndex >= 0) SetThemeIndex(FThemeIndex);
}

void TTeThemeLink::Notification(TComponent* component, TOperation operation) {
  TComponent::Notification(component, operation);
  if (operation == opRemove && component && component == FThemeList) SetThemeList(nullptr);
}

}  // namespace z5t8::skin::theme
