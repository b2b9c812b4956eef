#pragma once

// The theme and its link, for headers that only hold pointers to them.
namespace z5t8::skin::theme {
class TteCustomThemeLink;
class TteTheme;
}  // namespace z5t8::skin::theme
