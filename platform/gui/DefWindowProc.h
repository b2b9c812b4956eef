#pragma once

#include "platform/gui/WindowTypes.h"

namespace z5t8::platform::gui {

// What a window that does not handle a message gets: the classic frame (its
// size, hit test and painting), caption buttons, moving and sizing by the
// mouse, the system commands, Alt+F4, WM_CLOSE destroying the window, the
// window text, background erasing and painting validation.
LRESULT DefWindowProcW(HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam);

}  // namespace z5t8::platform::gui
