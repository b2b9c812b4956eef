#pragma once

#include <memory>
#include <string>

#include "skin/theme/CustomThemeLink.h"
#include "skin/theme/ThemeList.h"
#include "skin/theme/ThemeSelection.h"

namespace z5t8::skin::theme {

// A theme of its own for the controls that point to it, chosen like the engine chooses
// the current one (a list item, a file or a built-in class) but kept here. The linked
// controls are told of every change; the link does not listen to the theme manager.
class TTeThemeLink : public TteCustomThemeLink {
  Z5T8_CLASS(TTeThemeLink, TteCustomThemeLink)

public:
  explicit TTeThemeLink(framework::TComponent* owner);
  ~TTeThemeLink() override;

  TteTheme* GetTheme() override { return FTheme.get(); }

  int DeltaHue() const { return FDeltaHue; }
  int DeltaBrightness() const { return FDeltaBrightness; }
  const std::string& ThemeFile() const { return FThemeFile; }
  const std::string& ThemeBuilding() const { return FThemeBuilding; }
  TTeThemeList* ThemeList() const { return FThemeList; }
  int ThemeIndex() const { return FThemeIndex; }

  // Shift the link's theme at once (0 included, which restores it); the linked controls
  // are told even without a theme.
  void SetDeltaHue(int value);
  void SetDeltaBrightness(int value);
  // A theme loaded from the file replaces the link's; a file without one leaves it.
  void SetThemeFile(const std::string& fileName);
  // A new theme of the built-in class of that name (any case) replaces the link's; an
  // unknown name sets the property back to "No theme".
  void SetThemeBuilding(const std::string& name);
  // Selects nothing, loads nothing.
  void SetThemeList(TTeThemeList* list);
  // Decodes the item into the link's theme (an index beyond the list selects the last
  // item); with no item to select the theme is released, except while loading.
  void SetThemeIndex(int index);
  // Frees the link's theme and tells the linked controls.
  void ReleaseTheme();

  // Selects the stored item again, now that the list is there.
  void Loaded() override;
  // A list going away is forgotten; the link keeps its theme.
  void Notification(framework::TComponent* component, framework::TOperation operation) override;

private:
  // The link owns theme from now on; the previous one is freed.
  void Replace(std::unique_ptr<TteTheme> theme);

  int FDeltaHue = 0;
  int FDeltaBrightness = 0;
  std::string FThemeFile;
  std::string FThemeBuilding = SNoTheme;
  TTeThemeList* FThemeList = nullptr;
  int FThemeIndex = -1;
  std::unique_ptr<TteTheme> FTheme;
};

}  // namespace z5t8::skin::theme
