#pragma once

#include "framework/Component.h"

namespace z5t8::skin::theme {

class TteTheme;

// A component that gives controls a theme of their own instead of the current one.
class TteCustomThemeLink : public framework::TComponent {
  Z5T8_CLASS(TteCustomThemeLink, framework::TComponent)

public:
  explicit TteCustomThemeLink(framework::TComponent* owner) : framework::TComponent(owner) {}

  // The linked theme, or null while the link has none; the link keeps it.
  virtual TteTheme* GetTheme() = 0;
};

}  // namespace z5t8::skin::theme
