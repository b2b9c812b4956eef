#pragma once

#include "platform/gui/Messages.h"
#include "platform/gui/WindowTypes.h"

namespace z5t8::platform::gui {

// The window system's own steps around placing windows.

// Internal SetWindowPos flags, reported in WM_WINDOWPOSCHANGED: the client area
// kept its size / its position.
constexpr UINT SWP_NOCLIENTSIZE = 0x0800;
constexpr UINT SWP_NOCLIENTMOVE = 0x1000;

MINMAXINFO defaultMinMaxInfo(HWND h);
// Asks WM_NCCALCSIZE for the client rectangle of the current window rectangle.
void recalcClient(HWND h);
// Activation with its messages; null deactivates the program.
void activateWindow(HWND h, int how);
// Moves activation away from a window that is going (its owner first).
void activateOtherWindow(HWND leaving);
// Window (and its descendants) under a screen point, for input.
HWND topLevelFromPoint(Point screenPt);
HWND childFromPointDeep(HWND top, Point screenPt, bool skipDisabled, bool skipTransparent);

}  // namespace z5t8::platform::gui
