#pragma once

#include <string>

#include "skin/render/Bitmap.h"
#include "skin/theme/Theme.h"

namespace z5t8::skin_tool {

// The preview sheet of a theme, drawn only through the theme interface, the way a reviewer
// sees a skin before it reaches a window: window frames (active and inactive, with the
// normal, maximised and rolled-up button sets), the caption buttons in their four states,
// push buttons in every draw state, the memo frame, scroll bars with their parts in each
// state, and every other family the theme defines.
void RenderThemeSheet(skin::theme::TteTheme& theme, skin::render::TteBitmap& sheet);

// A skin container or a directory of skin sources drawn as a preview sheet into a PNG.
void RenderThemeSheetFile(const std::string& skinPath, const std::string& pngPath);

}  // namespace z5t8::skin_tool
