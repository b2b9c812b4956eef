#include "skin/theme/ThemeEngine.h"

#include "framework/Properties.h"
#include "skin/theme/ThemeManager.h"
#include "skin/theme/ThemeServices.h"

namespace z5t8::skin::theme {

using namespace framework;

Z5T8_IMPLEMENT_CLASS(TTeThemeEngine, TComponent) {
  p.Integer("DeltaHue", &TTeThemeEngine::DeltaHue, &TTeThemeEngine::SetDeltaHue);
  p.Integer("DeltaBrightness", &TTeThemeEngine::DeltaBrightness, &TTeThemeEngine::SetDeltaBrightness);
  p.String("ThemeFile", &TTeThemeEngine::ThemeFile, &TTeThemeEngine::SetThemeFile);
  p.Component("ThemeList", &TTeThemeEngine::ThemeList, &TTeThemeEngine::SetThemeList);
  p.Integer("ThemeIndex", &TTeThemeEngine::ThemeIndex, &TTeThemeEngine::SetThemeIndex).Default(-1);
  p.String("ThemeBuilding", &TTeThemeEngine::ThemeBuilding, &TTeThemeEngine::SetThemeBuilding);
  p.String("Version", &TTeThemeEngine::Version, [](TTeThemeEngine&, const std::string&) {});
  p.Event("OnThemeChanged", &TTeThemeEngine::OnThemeChanged);
  p.Message(TM_THEMENOTIFY, &TTeThemeEngine::TMThemeNotify);
}

TTeThemeEngine::TTeThemeEngine(TComponent* owner) : TComponent(owner) { AddThemeNotification(this); }

TTeThemeEngine::~TTeThemeEngine() { RemoveThemeNotification(this); }

void TTeThemeEngine::MakeCurrent(std::unique_ptr<TteTheme> theme) {
  ChangeTheme(std::move(theme));
  if (FDeltaHue != 0) ChangeThemeHue(FDeltaHue);
  if (FDeltaBrightness != 0) ChangeThemeBrightness(FDeltaBrightness);
}

void TTeThemeEngine::SetDeltaHue(int value) {
  if (value == FDeltaHue) return;
  FDeltaHue = value;
  if (FDeltaBrightness != 0)
    ChangeThemeHueAndBrightness(FDeltaHue, FDeltaBrightness);
  else
    ChangeThemeHue(FDeltaHue);
}

void TTeThemeEngine::SetDeltaBrightness(int value) {
  if (value == FDeltaBrightness) return;
  FDeltaBrightness = value;
  if (FDeltaHue != 0)
    ChangeThemeHueAndBrightness(FDeltaHue, FDeltaBrightness);
  else
    ChangeThemeBrightness(FDeltaBrightness);
}

// Each setter states its own selection again after the change: the notification handler
// may meanwhile have matched a list item that only shares the theme's name.
void TTeThemeEngine::SetThemeFile(const std::string& fileName) {
  FThemeFile = fileName;
  std::unique_ptr<TteTheme> theme = ThemeManager()->LoadFromFile(fileName);
  if (theme) {
    MakeCurrent(std::move(theme));
    FThemeFile = fileName;
    FThemeIndex = -1;
    FThemeBuilding = SNoTheme;
  } else if (FThemeIndex == -1) {
    ReleaseTheme();
  }
}

void TTeThemeEngine::SetThemeList(TTeThemeList* list) {
  SetThemeListReference(this, FThemeList, FThemeIndex, list);
}

void TTeThemeEngine::SetThemeIndex(int index) {
  FThemeIndex = index;
  int selected = SelectThemeIndex(FThemeList, index);
  if (selected < 0) {
    if (FThemeFile.empty()) ReleaseTheme();
    return;
  }
  FThemeIndex = selected;
  std::unique_ptr<TteTheme> theme = FThemeList->Themes()->Items(selected)->GetTheme();
  if (!theme) return;
  MakeCurrent(std::move(theme));
  FThemeIndex = selected;
  FThemeFile.clear();
  FThemeBuilding = SNoTheme;
}

void TTeThemeEngine::SetThemeBuilding(const std::string& name) {
  FThemeBuilding = name;
  if (name == SNoTheme) return;
  TteThemeClass themeClass = FindBuiltInTheme(name);
  if (!themeClass) {
    FThemeBuilding = SNoTheme;
    return;
  }
  if (std::unique_ptr<TteTheme> theme = themeClass->Create()) {
    MakeCurrent(std::move(theme));
    FThemeFile.clear();
    FThemeIndex = -1;
  }
  FThemeBuilding = themeClass->GetThemeName();
}

void TTeThemeEngine::ResetThemeColors() {
  FDeltaHue = 0;
  FDeltaBrightness = 0;
  if (TteTheme* theme = CurrentTheme()) theme->ChangeThemeHueAndBrightness(0, 0);
  ThemeManager()->Broadcast(TM_THEMENOTIFY, tncRepaint, 1);
}

void TTeThemeEngine::ResetThemeHue() {
  FDeltaHue = 0;
  if (TteTheme* theme = CurrentTheme()) theme->ChangeThemeHue(0);
  ThemeManager()->Broadcast(TM_THEMENOTIFY, tncRepaint, 1);
}

void TTeThemeEngine::ResetThemeBrightness() {
  FDeltaBrightness = 0;
  if (TteTheme* theme = CurrentTheme()) theme->ChangeThemeBrightness(0);
  ThemeManager()->Broadcast(TM_THEMENOTIFY, tncRepaint, 1);
}

std::string TTeThemeEngine::GetState() const {
  std::string deltas = std::to_string(FDeltaHue) + "," + std::to_string(FDeltaBrightness);
  if (!FThemeFile.empty()) return "1," + FThemeFile + "," + deltas;
  if (FThemeIndex >= 0 && FThemeList) return "2," + std::to_string(FThemeIndex) + "," + deltas;
  if (FThemeBuilding != SNoTheme) return "3," + FThemeBuilding + "," + deltas;
  return "0";
}

void TTeThemeEngine::SetState(const std::string&) {}

void TTeThemeEngine::Loaded() {
  TComponent::Loaded();
  if (FThemeList && FThemeIndex >= 0) SetThemeIndex(FThemeIndex);
}

void TTeThemeEngine::Notification(TComponent* component, TOperation operation) {
  TComponent::Notification(component, operation);
  if (operation != opRemove || !component || component != FThemeList) return;
  ReleaseTheme();
  SetThemeIndex(-1);
  SetThemeList(nullptr);
}

void TTeThemeEngine::TMThemeNotify(TMessage& message) {
  switch (message.WParam) {
    case tncChanged:
    case tncApplied: {
      TteTheme* theme = CurrentTheme();
      if (!Quiet() && theme) {
        TteThemeClass themeClass = theme->ThemeClassType();
        if (themeClass->GetThemeConfig().BuiltIn) {
          FThemeBuilding = themeClass->GetThemeName();
          FThemeIndex = -1;
          FThemeFile.clear();
        } else {
          FThemeBuilding = SNoTheme;
          if (FThemeFile.empty() && !theme->FileName.empty()) {
            FThemeFile = theme->FileName;
            FThemeIndex = -1;
          } else if (FThemeList) {
            TTeThemeCollection* items = FThemeList->Themes();
            for (int i = 0; i < items->Count(); ++i) {
              if (items->Items(i)->StoreName() == theme->ThemeName) {
                FThemeIndex = i;
                FThemeFile.clear();
                break;
              }
            }
          }
        }
      }
      OnThemeChanged(this);
      return;
    }
    case tncReleased:
      if (!Quiet()) {
        FThemeFile.clear();
        FThemeBuilding = SNoTheme;
        FThemeIndex = -1;
      }
      OnThemeChanged(this);
      return;
    default:
      return;
  }
}

}  // namespace z5t8::skin::theme
