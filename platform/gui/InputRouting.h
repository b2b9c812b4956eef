#pragma once

#include <cstdint>
#include <functional>
#include <optional>
#include <string>

#include "platform/gui/WindowTypes.h"

namespace z5t8::platform::gui {

struct RawInput;

// Turns one piece of backend input into the messages it makes (hit tests and
// WM_SETCURSOR are sent on the way), queued as routed input.
void routeRawInput(const RawInput& raw);
// Key state follows the input messages as the program takes them.
void noteInputTaken(const MSG& msg, const std::u16string& chars);

// Timers: due window timers become WM_TIMER; the window system's own run at once.
bool takeTimerMessage(MSG* msg, HWND filter, bool remove);
void runSystemTimers();
// Milliseconds until the next timer is due; none when no timer runs.
// `cosmetic` tells whether only look-only timers remain.
std::optional<int64_t> nextTimerDelay(bool& cosmetic);
uintptr_t startSystemTimer(uint32_t interval, std::function<void()> fn, bool cosmetic);
void stopSystemTimer(uintptr_t id);

bool messageMatches(const MSG& msg, HWND filter, UINT minMsg, UINT maxMsg);

}  // namespace z5t8::platform::gui
