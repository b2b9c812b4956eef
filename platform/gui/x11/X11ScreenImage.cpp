#include "platform/gui/x11/X11ScreenImage.h"

#include "platform/gui/Png.h"
#include "platform/gui/Surface.h"

#include <X11/Xlib.h>
#include <X11/Xutil.h>

#include <memory>

namespace z5t8::platform::gui {

namespace {

struct Display_Closer {
  void operator()(Display* d) const { XCloseDisplay(d); }
};
struct Image_Destroyer {
  void operator()(XImage* i) const { XDestroyImage(i); }
};

// The channel's bits of a pixel, scaled to eight.
uint32_t Channel(unsigned long pixel, unsigned long mask) {
  if (!mask) return 0;
  int shift = 0;
  while (!((mask >> shift) & 1)) ++shift;
  unsigned long max = mask >> shift;
  return uint32_t(((pixel & mask) >> shift) * 255 / max);
}

}  // namespace

bool SaveX11ScreenImage(const std::string& displayName, const std::string& pngPath, std::string& error) {
  std::unique_ptr<Display, Display_Closer> display(XOpenDisplay(displayName.empty() ? nullptr : displayName.c_str()));
  if (!display) {
    error = "cannot open display " + displayName;
    return false;
  }
  Window root = DefaultRootWindow(display.get());
  XWindowAttributes attributes;
  XGetWindowAttributes(display.get(), root, &attributes);
  std::unique_ptr<XImage, Image_Destroyer> image(
      XGetImage(display.get(), root, 0, 0, unsigned(attributes.width), unsigned(attributes.height), AllPlanes, ZPixmap));
  if (!image) {
    error = "cannot read the screen";
    return false;
  }
  Surface surface(attributes.width, attributes.height);
  for (int y = 0; y < attributes.height; ++y) {
    Pixel* row = surface.scanLine(y);
    for (int x = 0; x < attributes.width; ++x) {
      unsigned long p = XGetPixel(image.get(), x, y);
      row[x] = 0xFF000000u | Channel(p, image->red_mask) << 16 | Channel(p, image->green_mask) << 8 |
               Channel(p, image->blue_mask);
    }
  }
  if (!writePngFile(surface, pngPath, false)) {
    error = "cannot write " + pngPath;
    return false;
  }
  return true;
}

}  // namespace z5t8::platform::gui
