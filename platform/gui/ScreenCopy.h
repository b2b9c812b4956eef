#pragma once

#include "platform/gui/Geometry.h"
#include "platform/gui/Surface.h"
#include "platform/gui/WindowTypes.h"

namespace z5t8::platform::gui {

// A copy of what the screen shows in `area` (screen coordinates): the display's
// own pixels where it gives them (an X server's root window) with our own
// windows composed over them as they are painted now, else our windows alone
// composed in their z-order over the desktop colour. Parts of `area` off the
// screen are the desktop colour. Empty for an empty area. The top-level window
// `under` is left out where the screen is composed from our windows, and
// `withoutUnder` (when given) says whether it was.
Surface CopyScreen(const Rect& area, HWND under = nullptr, bool* withoutUnder = nullptr);

}  // namespace z5t8::platform::gui
