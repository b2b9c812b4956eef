#pragma once

#include <array>

#include "framework/Color.h"
#include "framework/Persistent.h"
#include "framework/Stream.h"
#include "skin/theme/ThemeNames.h"
#include "skin/theme/ThemeOwner.h"

namespace z5t8::skin::theme {

// The theme's own values of the system colours listed in SysColors, addressed by their
// system-colour identifiers.
class TteThemeSysColors : public framework::TPersistent {
  Z5T8_CLASS(TteThemeSysColors, framework::TPersistent)

public:
  // Each colour starts as the platform's current value, resolved to RGB.
  explicit TteThemeSysColors(IteThemeOwner* theme);

  void Assign(const framework::TPersistent* source) override;
  // Every colour the platform's current value again.
  void SetPlatformColors();
  // A 32-bit entry count, then one entry per colour, placed by position; entries beyond
  // the table are read and dropped, missing ones leave their colours as they were.
  virtual void LoadFromStream(framework::TStream& stream);
  virtual void SaveToStream(framework::TStream& stream) const;

  // clNone for an identifier not in the table, where SetColor does nothing.
  framework::TColor GetColor(framework::TColor sysColor) const;
  void SetColor(framework::TColor sysColor, framework::TColor color);
  // Nothing for a delta of 0.
  void ChangeColorsHue(int delta);
  void ChangeColorsBrightness(int delta);

  IteThemeOwner* Theme() const { return FTheme; }

private:
  IteThemeOwner* FTheme;
  std::array<framework::TColor, SysColorCount> FColors{};
};

}  // namespace z5t8::skin::theme
