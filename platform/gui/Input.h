#pragma once

#include "platform/gui/WindowTypes.h"

namespace z5t8::platform::gui {

// Returns the window that had the focus. A window of another top-level window
// activates that one first.
HWND SetFocus(HWND hwnd);
HWND GetFocus();
HWND SetActiveWindow(HWND hwnd);
HWND GetActiveWindow();
BOOL SetForegroundWindow(HWND hwnd);
HWND GetForegroundWindow();

// Returns the window that had the capture.
HWND SetCapture(HWND hwnd);
BOOL ReleaseCapture();
HWND GetCapture();

// High bit (negative result): down; low bit: toggled.
int16_t GetKeyState(int vk);
int16_t GetAsyncKeyState(int vk);

constexpr DWORD TME_LEAVE = 0x00000002;
constexpr DWORD TME_NONCLIENT = 0x00000010;
constexpr DWORD TME_QUERY = 0x40000000;
constexpr DWORD TME_CANCEL = 0x80000000;

struct TRACKMOUSEEVENT {
  DWORD dwFlags = 0;
  HWND hwndTrack = nullptr;
  DWORD dwHoverTime = 0;
};

// Leave tracking: WM_MOUSELEAVE when the mouse leaves the client area (or, with
// TME_NONCLIENT, WM_NCMOUSELEAVE when it leaves the frame); once, then off.
BOOL TrackMouseEvent(TRACKMOUSEEVENT* tme);

UINT GetDoubleClickTime();
BOOL SetDoubleClickTime(UINT ms);

}  // namespace z5t8::platform::gui
