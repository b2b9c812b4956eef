#pragma once

#include <array>

#include "framework/Persistent.h"
#include "framework/Stream.h"
#include "skin/theme/ThemeDataTypes.h"
#include "skin/theme/ThemeOwner.h"

namespace z5t8::skin::theme {

// The theme's option flags (see ThemeOptionNames).
class TteThemeOptions : public framework::TPersistent {
  Z5T8_CLASS(TteThemeOptions, framework::TPersistent)

public:
  explicit TteThemeOptions(IteThemeOwner* theme) : FTheme(theme) {}

  void Assign(const framework::TPersistent* source) override;
  // Flag count minus one in a byte, then one byte per flag; flags beyond the table are
  // read and dropped, missing ones keep their values.
  virtual void LoadFromStream(framework::TStream& stream);
  virtual void SaveToStream(framework::TStream& stream) const;

  // false for a value outside the enumeration, where SetOptions does nothing.
  bool GetOptions(TteThemeOption option) const;
  void SetOptions(TteThemeOption option, bool value);

  IteThemeOwner* Theme() const { return FTheme; }

private:
  IteThemeOwner* FTheme;
  std::array<bool, ThemeOptionCount> FOptions{};
};

}  // namespace z5t8::skin::theme
