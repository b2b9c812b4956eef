#include "skin/theme/ThemeUnit.h"

#include "framework/gui/GroupBox.h"
#include "skin/theme/ThemeComponents.h"

namespace z5t8::skin::theme {

using namespace framework;

namespace {

bool DrawGroupBoxBackground(TCanvas* canvas, const TteBackground& background) {
  canvas->Brush()->SetColor(background.Parent->Color());
  canvas->FillRect(background.Rect);
  return true;
}

// Start-up happens with the program's static start-up, not at the first call.
[[maybe_unused]] const TteThemeUnit& startUp = ThemeUnit();

}  // namespace

TteThemeUnit::TteThemeUnit() : Manager(std::make_unique<TteThemeManager>()) {
  Manager->RegisterTheme(ThemeClass<TteTheme>());
  Backgrounds.push_back({&TGroupBox::StaticClass(), DrawGroupBoxBackground});
  RegisterThemeComponents();
}

TteThemeUnit::~TteThemeUnit() {
  Backgrounds.clear();
  Manager.reset();
  Objects.clear();
  Props.clear();
}

TteThemeUnit& ThemeUnit() {
  static TteThemeUnit unit;
  return unit;
}

}  // namespace z5t8::skin::theme
