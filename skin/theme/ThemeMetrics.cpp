#include "skin/theme/ThemeMetrics.h"

#include "framework/Properties.h"

namespace z5t8::skin::theme {

Z5T8_IMPLEMENT_CLASS(TteThemeMetrics, framework::TPersistent) {}

void TteThemeMetrics::Assign(const framework::TPersistent* source) {
  // Nothing to copy but the class check: the owner stays.
  if (!dynamic_cast<const TteThemeMetrics*>(source)) framework::TPersistent::Assign(source);
}

}  // namespace z5t8::skin::theme
