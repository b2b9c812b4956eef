#pragma once

#include "platform/gui/WindowTypes.h"

namespace z5t8::platform::gui {

using TIMERPROC = void (*)(HWND, UINT, uintptr_t, DWORD);

constexpr UINT USER_TIMER_MINIMUM = 10;

// A window timer answers with WM_TIMER (or calls `proc`); setting an existing
// id again restarts it. Without a window the id is chosen and returned.
uintptr_t SetTimer(HWND hwnd, uintptr_t id, UINT elapse, TIMERPROC proc);
BOOL KillTimer(HWND hwnd, uintptr_t id);
// Milliseconds on the backend's clock (the headless one is driven by tests).
DWORD GetTickCount();
// Does not pump messages.
void Sleep(DWORD ms);

}  // namespace z5t8::platform::gui
