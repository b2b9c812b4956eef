#pragma once

#include <string>

#include "platform/gui/Surface.h"
#include "platform/gui/WindowTypes.h"

namespace z5t8::platform::gui {

// The screen as the windows on it look: top-level windows composed in their
// z-order and shapes over the desktop colour, with the screen context's
// exclusive-or drawing on top.
Surface ScreenImage();
// A window's whole area as painted (its top-level surface, cut to it).
Surface WindowImage(HWND hwnd);
bool SnapshotScreen(const std::string& pngPath);
bool SnapshotWindow(HWND hwnd, const std::string& pngPath);

}  // namespace z5t8::platform::gui
