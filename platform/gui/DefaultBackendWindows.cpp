#include "platform/gui/Backend.h"

namespace z5t8::platform::gui {

// Windows programs draw on the headless screen only, for tests, until the
// backend over real Windows windows is built; a program that needs a window
// says so instead of running unseen.
bool OpenDefaultBackend(std::string& error) {
  error = "this Windows build has no window backend yet";
  return false;
}

}  // namespace z5t8::platform::gui
