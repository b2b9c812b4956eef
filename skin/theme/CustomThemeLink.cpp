#include "skin/theme/CustomThemeLink.h"

#include "framework/Properties.h"

namespace z5t8::skin::theme {

Z5T8_IMPLEMENT_CLASS(TteCustomThemeLink, framework::TComponent) {}

}  // namespace z5t8::skin::theme
