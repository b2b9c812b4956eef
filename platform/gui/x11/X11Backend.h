#pragma once

#include <memory>
#include <string>

#include "platform/gui/Backend.h"

namespace z5t8::platform::gui {

// A real display: one undecorated X11 window per top-level window, shaped by
// the window region, presented through shared memory when the server offers it.
// Null with a message in `error` when the display cannot be opened.
std::unique_ptr<Backend> OpenX11Backend(const std::string& displayName, std::string& error);

}  // namespace z5t8::platform::gui
