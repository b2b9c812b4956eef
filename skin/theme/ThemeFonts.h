#pragma once

#include <array>
#include <string>

#include "framework/Font.h"
#include "framework/Persistent.h"
#include "framework/Stream.h"
#include "skin/theme/ThemeDataTypes.h"
#include "skin/theme/ThemeOwner.h"

namespace z5t8::skin::theme {

// The 66 fonts a theme gives the texts of controls, each created with the face "Tahoma".
class TteThemeFonts : public framework::TPersistent {
  Z5T8_CLASS(TteThemeFonts, framework::TPersistent)

public:
  explicit TteThemeFonts(IteThemeOwner* theme);

  void Assign(const framework::TPersistent* source) override;
  // Entry count minus one in a byte, then one font description per font; entries beyond
  // the table are read and dropped, missing ones leave their fonts as they were.
  virtual void LoadFromStream(framework::TStream& stream);
  virtual void SaveToStream(framework::TStream& stream) const;

  // nullptr for a value outside the enumeration, where SetFont does nothing.
  framework::TFont* GetFont(TteThemeFont index);
  void SetFont(TteThemeFont index, const framework::TFont* font);
  // The stored font for "default" or without an owner theme; otherwise a copy the owner
  // adjusts for the object, valid until the next call.
  framework::TFont* GetFontForObject(TteThemeFont index, const std::string& objectName);
  // Every font colour passes through the colour model, also for a delta of 0.
  void ChangeFontsHue(int delta);
  void ChangeFontsBrightness(int delta);

  // The base theme's fonts; the fonts it has no default for keep theirs.
  void SetDefaultFonts();

  IteThemeOwner* Theme() const { return FTheme; }

private:
  IteThemeOwner* FTheme;
  std::array<framework::TFont, ThemeFontCount> FFonts;
  framework::TFont FScratchFont;
};

}  // namespace z5t8::skin::theme
