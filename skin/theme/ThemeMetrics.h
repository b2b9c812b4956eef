#pragma once

#include "framework/Persistent.h"
#include "skin/theme/ThemeDataTypes.h"
#include "skin/theme/ThemeMargin.h"
#include "skin/theme/ThemeOwner.h"

namespace z5t8::skin::theme {

// The theme's window metrics; the margins come from the current theme, through the
// theme manager.
class TteThemeMetrics : public framework::TPersistent {
  Z5T8_CLASS(TteThemeMetrics, framework::TPersistent)

public:
  explicit TteThemeMetrics(IteThemeOwner* theme) : FTheme(theme) {}

  void Assign(const framework::TPersistent* source) override;
  // The window frame's width on each side for the margin's window subclass, from the
  // current theme's client rectangle of a 400 x 400 window; zero without a look for it.
  TktlMargin GetMargin(TktlMarginId id) const;

  IteThemeOwner* Theme() const { return FTheme; }

private:
  IteThemeOwner* FTheme;
};

}  // namespace z5t8::skin::theme
