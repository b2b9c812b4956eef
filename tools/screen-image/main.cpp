// screen-image: saves what the X display in DISPLAY shows as a PNG file, for
// scripts and tests that watch a program from outside; with a rectangle, only
// that part of the screen.
//
//   screen-image OUT.png [X Y WIDTH HEIGHT]
#include "platform/gui/Png.h"
#include "platform/gui/x11/X11ScreenImage.h"

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <string>

namespace pg = z5t8::platform::gui;

int main(int argc, char** argv) {
  if (argc != 2 && argc != 6) {
    std::fprintf(stderr, "usage: screen-image OUT.png [X Y WIDTH HEIGHT]\n");
    return 2;
  }
  const char* display = std::getenv("DISPLAY");
  std::string error;
  if (!pg::SaveX11ScreenImage(display ? display : "", argv[1], error)) {
    std::fprintf(stderr, "screen-image: %s\n", error.c_str());
    return 1;
  }
  if (argc == 6) {
    auto screen = pg::readPngFile(argv[1]);
    int x = std::atoi(argv[2]), y = std::atoi(argv[3]);
    if (!screen || x < 0 || y < 0) return 1;
    int width = std::clamp(std::atoi(argv[4]), 0, screen->width() - x);
    int height = std::clamp(std::atoi(argv[5]), 0, screen->height() - y);
    if (width <= 0 || height <= 0) {
      std::fprintf(stderr, "screen-image: the rectangle is off the screen\n");
      return 1;
    }
    pg::Surface part(width, height);
    for (int row = 0; row < height; ++row)
      std::copy_n(screen->scanLine(y + row) + x, width, part.scanLine(row));
    if (!pg::writePngFile(part, argv[1], false)) return 1;
  }
  return 0;
}
