#pragma once

#include <cstdint>

#include "platform/gui/Geometry.h"

namespace z5t8::platform::gui {

// A window handle: an opaque number, never a pointer, so a stale handle is
// recognised instead of followed.
struct HWND__;
using HWND = HWND__*;

using UINT = uint32_t;
using DWORD = uint32_t;
using WORD = uint16_t;
using BOOL = int;
using WPARAM = uintptr_t;
using LPARAM = intptr_t;
using LRESULT = intptr_t;
using LONG_PTR = intptr_t;
using ATOM = uint16_t;

constexpr BOOL TRUE = 1;
constexpr BOOL FALSE = 0;

using WNDPROC = LRESULT (*)(HWND, UINT, WPARAM, LPARAM);

struct MSG {
  HWND hwnd = nullptr;
  UINT message = 0;
  WPARAM wParam = 0;
  LPARAM lParam = 0;
  DWORD time = 0;
  Point pt;
};

constexpr WORD LOWORD(uintptr_t v) { return WORD(v & 0xFFFF); }
constexpr WORD HIWORD(uintptr_t v) { return WORD((v >> 16) & 0xFFFF); }
constexpr int16_t GET_X_LPARAM(LPARAM l) { return int16_t(uintptr_t(l) & 0xFFFF); }
constexpr int16_t GET_Y_LPARAM(LPARAM l) { return int16_t((uintptr_t(l) >> 16) & 0xFFFF); }
constexpr int16_t GET_WHEEL_DELTA_WPARAM(WPARAM w) { return int16_t(HIWORD(w)); }
constexpr DWORD MAKELONG(uint32_t lo, uint32_t hi) { return (lo & 0xFFFF) | ((hi & 0xFFFF) << 16); }
constexpr WPARAM MAKEWPARAM(uint32_t lo, uint32_t hi) { return MAKELONG(lo, hi); }
// Sign-extended like the platform's: a packed pair of negative coordinates
// survives a round trip through GET_X_LPARAM / GET_Y_LPARAM.
constexpr LPARAM MAKELPARAM(int32_t lo, int32_t hi) {
  return LPARAM(int32_t(MAKELONG(uint32_t(lo), uint32_t(hi))));
}
inline LPARAM pointToLParam(Point p) { return MAKELPARAM(p.x, p.y); }
inline Point lParamToPoint(LPARAM l) { return {GET_X_LPARAM(l), GET_Y_LPARAM(l)}; }

}  // namespace z5t8::platform::gui
