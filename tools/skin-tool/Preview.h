#pragma once

#include <string>

#include "skin/se3/SkinSource.h"

namespace z5t8::skin_tool {

// One sheet of the skin's objects drawn the way the window uses them: an active main
// window with push buttons in every state, a memo with scroll bars, an inactive tool
// window, and the pieces of the other families. Objects the skin lacks are left out.
void RenderPreview(skin::se3::TSeSkinSource& skin, const std::string& pngPath);

}  // namespace z5t8::skin_tool
