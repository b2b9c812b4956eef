#pragma once

#include "framework/Persistent.h"
#include "skin/theme/ThemeOwner.h"

namespace z5t8::skin::theme {

// The theme's drawing object; it holds only its owner.
class TteThemeDrawing : public framework::TPersistent {
  Z5T8_CLASS(TteThemeDrawing, framework::TPersistent)

public:
  explicit TteThemeDrawing(IteThemeOwner* theme) : FTheme(theme) {}

  void Assign(const framework::TPersistent* source) override;

  IteThemeOwner* Theme() const { return FTheme; }

private:
  IteThemeOwner* FTheme;
};

}  // namespace z5t8::skin::theme
