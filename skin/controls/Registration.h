#pragma once

namespace z5t8::skin::controls {

// Lets layouts name the skinned controls, and dresses message boxes in the
// current theme.
void RegisterSkinControlClasses();

}  // namespace z5t8::skin::controls
