#pragma once

namespace z5t8::skin::theme {

// Makes TTeThemeEngine, TTeThemeList and TTeThemeLink known to component streams by
// name. The theme unit's start-up calls it, so a layout naming them reads wherever the
// theme library is linked; calling it again does nothing.
void RegisterThemeComponents();

}  // namespace z5t8::skin::theme
