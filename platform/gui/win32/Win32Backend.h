#pragma once

#include <memory>
#include <string>

#include "platform/gui/Backend.h"

namespace z5t8::platform::gui {

// The Windows desktop: one system window without the system's frame per
// top-level window, shaped by the window region, painted from our surfaces.
// Null with a message in `error` when the window class cannot be made.
std::unique_ptr<Backend> OpenWin32Backend(std::string& error);

}  // namespace z5t8::platform::gui
