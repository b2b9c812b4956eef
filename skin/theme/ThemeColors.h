#pragma once

#include <array>

#include "framework/Color.h"
#include "framework/Persistent.h"
#include "framework/Stream.h"
#include "skin/theme/ThemeDataTypes.h"
#include "skin/theme/ThemeOwner.h"

namespace z5t8::skin::theme {

// The 22 colours a theme gives the parts of controls.
class TteThemeColors : public framework::TPersistent {
  Z5T8_CLASS(TteThemeColors, framework::TPersistent)

public:
  explicit TteThemeColors(IteThemeOwner* theme) : FTheme(theme) {}

  void Assign(const framework::TPersistent* source) override;
  // Entry count minus one in a byte, then one entry per colour; entries beyond the
  // table are read and dropped, missing ones leave their colours as they were.
  virtual void LoadFromStream(framework::TStream& stream);
  virtual void SaveToStream(framework::TStream& stream) const;

  // clNone for a value outside the enumeration, where SetColor does nothing.
  framework::TColor GetColor(TteThemeColor index) const;
  void SetColor(TteThemeColor index, framework::TColor color);
  // Nothing for a delta of 0.
  void ChangeColorsHue(int delta);
  void ChangeColorsBrightness(int delta);

  // The base theme's colours; Border keeps its value.
  void SetDefaultColors();

  IteThemeOwner* Theme() const { return FTheme; }

private:
  IteThemeOwner* FTheme;
  std::array<framework::TColor, ThemeColorCount> FColors{};
};

}  // namespace z5t8::skin::theme
