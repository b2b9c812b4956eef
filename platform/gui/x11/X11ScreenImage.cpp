#include "platform/gui/x11/X11ScreenImage.h"

#include "platform/gui/Png.h"
#include "platform/gui/Surface.h"
#include "platform/gui/x11/X11Images.h"

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

}  // namespace

bool SaveX11ScreenImage(const std::string& displayName, const std::string& pngPath, std::string& error) {
  std::unique_ptr<Display, Display_Closer> display(
      XOpenDisplay(displayName.empty() ? nullptr : displayName.c_str()));
  if (!display) {
    error = "cannot open display " + displayName;
    return false;
  }
  Window root = DefaultRootWindow(display.get());
  XWindowAttributes attributes;
  XGetWindowAttributes(display.get(), root, &attributes);
  std::unique_ptr<XImage, Image_Destroyer> image(XGetImage(display.get(), root, 0, 0,
                                                           unsigned(attributes.width),
                                                           unsigned(attributes.height), AllPlanes, ZPixmap));
  if (!image) {
    error = "cannot read the screen";
    return false;
  }
  Surface surface = SurfaceFromXImage(*image);
  if (!writePngFile(surface, pngPath, false)) {
    error = "cannot write " + pngPath;
    return false;
  }
  return true;
}

}  // namespace z5t8::platform::gui
