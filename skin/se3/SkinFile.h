#pragma once

#include <array>
#include <memory>
#include <string>

#include "skin/se3/SkinSource.h"
#include "skin/theme/Theme.h"

namespace z5t8::skin::se3 {

// The entries of a skin theme's object cache, in table order. The first ten are the
// window frames; the rest are the top-level objects of the families by name.
enum TTeSkinCacheEntry : uint8_t {
  kseForm,
  kseFormClientPlaceholder,
  kseFormButtonFrame,
  kseFormButtonDrawingFrame,
  kseFormClient,
  kseToolWindow,
  kseToolWindowClientPlaceholder,
  kseToolWindowButtonFrame,
  kseToolWindowButtonDrawingFrame,
  kseToolWindowClient,
  kseButton,
  kseCheckbox,
  kseRadioButton,
  kseGroupBox,
  kseScrollBar,
  kseProgressBar,
  kseEdit,
  kseComboBox,
  kseTrackBar,
  kseMenuBar,
  ksePopupMenu,
  kseHeader,
  kseStatusBar,
  kseTabs,
  kseContainer,
  kseFrame,
  kseScrollBox,
  kseSplitter,
  kseSpinButton,
  kseControlBar,
  kseGrid,
  kseListBox,
  kseHint,
  kseSpeedButton,
  kseToolBar,
  ksePanel,
  // The bar dock's own reference to the ScrollBox object.
  kseBarDockScrollBox,
};
inline constexpr size_t SkinCacheSize = 50;

// The SE3 skin as a theme: the skin as loaded, a working copy rebuilt from it by every
// reset with the hue and brightness deltas applied, and the cache of working objects
// the drawing operations use.
class TTeSkinFile : public theme::TteTheme {
  Z5T8_CLASS(TTeSkinFile, theme::TteTheme)
  Z5T8_THEME_CLASS(TTeSkinFile)

public:
  TTeSkinFile();
  ~TTeSkinFile() override;

  static std::string GetThemeName();
  static theme::TteThemeConfig GetThemeConfig();
  // A registered container signature, or "ZQLZ" where the signature would be.
  static bool CheckStream(framework::TStream& stream);

  // From another skin theme: the loaded skin too, then a reset.
  void Assign(const framework::TPersistent* source) override;
  // True when the skin has at least one top-level object; it is then the theme's.
  bool LoadFromStream(framework::TStream& stream) override;
  bool SaveToStream(framework::TStream& stream) override;
  bool LoadFromFile(const std::string& fileName) override;
  bool SaveToFile(const std::string& fileName) override;
  void ResetTheme() override;
  void ResetThemeColors() override;
  void ResetThemeFonts() override;

  // Rebuilds the object cache from the working source.
  virtual void ResetObjects();
  void FreeObjects();

  TSeSkinSource* LoadedSource() const { return FLoaded.get(); }
  TSeSkinSource* WorkingSource() const { return FWorking.get(); }
  // None for an entry the skin has no object for.
  TSeSkinObject* CachedObject(TTeSkinCacheEntry entry) const { return FCache[entry]; }

private:
  // Takes the client out of a frame: the placeholder goes where it was, copies of the
  // frame keep all its buttons, and the frame's own system buttons are hidden.
  void CacheFrame(const char* name, TTeSkinCacheEntry first, bool placeholderInFrame);
  void CopyThemeTablesToLoaded();

  std::unique_ptr<TSeSkinSource> FLoaded;
  std::unique_ptr<TSeSkinSource> FWorking;
  std::array<TSeSkinObject*, SkinCacheSize> FCache{};
};

}  // namespace z5t8::skin::se3
