#pragma once

#include <string>

#include "framework/Component.h"
#include "framework/Event.h"
#include "skin/theme/ThemeList.h"
#include "skin/theme/ThemeSelection.h"

namespace z5t8::skin::theme {

// Makes one theme the program-wide current one: an item of a theme list, a theme file or
// a built-in theme class. Of ThemeFile, ThemeIndex and ThemeBuilding at most one names
// the current theme; the engine listens to the theme manager and keeps them in line with
// whatever theme it holds, also when someone else changed it. The current theme belongs to
// the manager, so destroying the engine leaves it in place.
class TTeThemeEngine : public framework::TComponent {
  Z5T8_CLASS(TTeThemeEngine, framework::TComponent)

public:
  explicit TTeThemeEngine(framework::TComponent* owner);
  ~TTeThemeEngine() override;

  int DeltaHue() const { return FDeltaHue; }
  int GetDeltaHue() const { return FDeltaHue; }
  int DeltaBrightness() const { return FDeltaBrightness; }
  const std::string& ThemeFile() const { return FThemeFile; }
  TTeThemeList* ThemeList() const { return FThemeList; }
  int ThemeIndex() const { return FThemeIndex; }
  const std::string& ThemeBuilding() const { return FThemeBuilding; }
  std::string Version() const { return "6.0"; }

  // A new hue or brightness shifts the current theme (with the other delta when that is
  // not 0); a shift back to 0 with the other delta 0 leaves the theme as it is.
  void SetDeltaHue(int value);
  void SetDeltaBrightness(int value);
  // Loads the file and makes its theme current; without a theme the current one is
  // released only when no list item is selected.
  void SetThemeFile(const std::string& fileName);
  // Selects nothing, loads nothing.
  void SetThemeList(TTeThemeList* list);
  // Makes the item current (an index beyond the list selects the last item); with no item
  // to select and no theme file, releases the current theme.
  void SetThemeIndex(int index);
  // Makes a new theme of the built-in class of that name (any case) current; an unknown
  // name sets the property back to "No theme".
  void SetThemeBuilding(const std::string& name);

  // Back to no shift: the deltas become 0, the current theme is reset, and every themed
  // control repaints.
  void ResetThemeColors();
  void ResetThemeHue();
  void ResetThemeBrightness();

  // "1,<file>,<hue>,<brightness>", "2,<index>,...", "3,<built-in name>,..." or "0".
  std::string GetState() const;
  // Accepts a state text and ignores it: nothing reads the text back.
  void SetState(const std::string& state);

  // After every theme change the engine is told of, also while loading.
  framework::TNotifyEvent OnThemeChanged;

  // Selects the stored item again, now that the list is there.
  void Loaded() override;
  // A list going away releases the current theme.
  void Notification(framework::TComponent* component, framework::TOperation operation) override;

private:
  void TMThemeNotify(framework::TMessage& message);
  // The theme manager owns theme from now on; the engine's deltas apply to it.
  void MakeCurrent(std::unique_ptr<TteTheme> theme);
  bool Quiet() const { return InState(framework::csDesigning) || InState(framework::csLoading); }

  int FDeltaHue = 0;
  int FDeltaBrightness = 0;
  std::string FThemeFile;
  TTeThemeList* FThemeList = nullptr;
  int FThemeIndex = -1;
  std::string FThemeBuilding = SNoTheme;
};

}  // namespace z5t8::skin::theme
