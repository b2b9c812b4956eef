#include <cstdlib>

#include "platform/gui/Backend.h"
#include "platform/gui/x11/X11Backend.h"

namespace z5t8::platform::gui {

bool OpenDefaultBackend(std::string& error) {
  const char* display = std::getenv("DISPLAY");
  if (!display || !*display) {
    error = "no display: set DISPLAY to an X11 display (for example DISPLAY=:0)";
    return false;
  }
  std::unique_ptr<Backend> b = OpenX11Backend(display, error);
  if (!b) return false;
  UseBackend(std::move(b));
  return true;
}

}  // namespace z5t8::platform::gui
