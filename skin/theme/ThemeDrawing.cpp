#include "skin/theme/ThemeDrawing.h"

#include "framework/Properties.h"

namespace z5t8::skin::theme {

Z5T8_IMPLEMENT_CLASS(TteThemeDrawing, framework::TPersistent) {}

void TteThemeDrawing::Assign(const framework::TPersistent* source) {
  if (!dynamic_cast<const TteThemeDrawing*>(source)) framework::TPersistent::Assign(source);
}

}  // namespace z5t8::skin::theme
