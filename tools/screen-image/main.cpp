// screen-image: saves what the X display in DISPLAY shows as a PNG file, for
// scripts and tests that watch a program from outside.
//
//   screen-image OUT.png
#include "platform/gui/x11/X11ScreenImage.h"

#include <cstdio>
#include <cstdlib>
#include <string>

int main(int argc, char** argv) {
  if (argc != 2) {
    std::fprintf(stderr, "usage: screen-image OUT.png\n");
    return 2;
  }
  const char* display = std::getenv("DISPLAY");
  std::string error;
  if (!z5t8::platform::gui::SaveX11ScreenImage(display ? display : "", argv[1], error)) {
    std::fprintf(stderr, "screen-image: %s\n", error.c_str());
    return 1;
  }
  return 0;
}
