#pragma once

namespace z5t8::skin::controls {

// Lets layouts name the skinned controls.
void RegisterSkinControlClasses();

}  // namespace z5t8::skin::controls
