#pragma once

namespace z5t8::skin::controls {

// Gives the framework's message boxes the current theme's look: while a theme
// is current and draws windows (or buttons), a box gets a skinned frame (a
// TTeForm with the theme's caption, border, close button and shape) and a
// skinned OK button; without one it stays the framework's plain box.
// Installed once, from the controls' registration.
void InstallMessageFormLook();

}  // namespace z5t8::skin::controls
