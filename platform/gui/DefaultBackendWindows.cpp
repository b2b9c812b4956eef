#include "platform/gui/Backend.h"
#include "platform/gui/win32/Win32Backend.h"

namespace z5t8::platform::gui {

bool OpenDefaultBackend(std::string& error) {
  std::unique_ptr<Backend> b = OpenWin32Backend(error);
  if (!b) return false;
  UseBackend(std::move(b));
  return true;
}

}  // namespace z5t8::platform::gui
