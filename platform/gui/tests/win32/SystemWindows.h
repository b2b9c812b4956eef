#pragma once

// The system's side of our windows on Windows, for the backend's tests: what
// the system itself holds and the input it posts. Plain numbers only, since the
// system's headers and ours name the same things.

#include <cstdint>
#include <string>

namespace z5t8::platform::gui::testing::system {

// The system window that stands for our top-level window titled `title`.
void* FindOurWindow(const std::u16string& title);
void Post(void* window, unsigned message, uintptr_t wParam, intptr_t lParam);
// Whether the point (window coordinates) is inside the window's region; true
// everywhere when it has none.
bool InRegion(void* window, int x, int y);
// A plain system window of another class takes the mouse capture; it is
// destroyed by DestroyOther.
void* TakeCapture();
void DestroyOther(void* window);
// As the task bar does: minimizes or restores the system window.
void Minimize(void* window, bool minimize);
bool IsMinimized(void* window);
// As the shell does for a mouse message (WM_LBUTTONDOWN ...) on the icon `key`:
// the callback to the backend's hidden notification window. False without one.
bool PostNotifyIconMouse(int key, unsigned mouseMessage);

}  // namespace z5t8::platform::gui::testing::system
