#pragma once

#include <string>

#include <X11/Xlib.h>

namespace z5t8::platform::gui {

// The name a window manager or a tray shows for a window: the UTF-8 property
// current managers read, and the legacy one older ones do.
void SetX11WindowName(Display* d, Window w, Atom netWmName, Atom utf8String, const std::u16string& name);

}  // namespace z5t8::platform::gui
