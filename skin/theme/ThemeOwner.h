#pragma once

#include <string>

#include "framework/Font.h"
#include "skin/theme/ThemeDataTypes.h"

namespace z5t8::skin::theme {

// What the theme data objects need of the theme that owns them.
class IteThemeOwner {
public:
  // Adjusts font, a copy of the theme's font fontId, for the named object.
  virtual void SetFontForObject(framework::TFont& font, TteThemeFont fontId,
                                const std::string& objectName) = 0;

protected:
  ~IteThemeOwner() = default;
};

}  // namespace z5t8::skin::theme
