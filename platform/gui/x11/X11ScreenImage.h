#pragma once

#include <string>

namespace z5t8::platform::gui {

// What an X server's screen shows, read from outside as any client may, into
// a PNG file. False with a message in `error` when the display cannot be
// opened or the file written.
bool SaveX11ScreenImage(const std::string& displayName, const std::string& pngPath, std::string& error);

}  // namespace z5t8::platform::gui
