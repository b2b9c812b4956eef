#pragma once

#include <optional>
#include <string>
#include <vector>

#include "platform/gui/Icon.h"
#include "platform/gui/Window.h"

namespace z5t8::platform::gui {

// Icons in the desktop's notification area (the tray). Each belongs to a window
// and an id chosen by it; mouse input on the icon comes to the window as its
// callback message, with the id as first parameter and the mouse message
// (WM_LBUTTONDOWN, WM_LBUTTONDBLCLK, WM_RBUTTONUP ...) as second.

constexpr DWORD NIM_ADD = 0;
constexpr DWORD NIM_MODIFY = 1;
constexpr DWORD NIM_DELETE = 2;

constexpr UINT NIF_MESSAGE = 0x1;
constexpr UINT NIF_ICON = 0x2;
constexpr UINT NIF_TIP = 0x4;

struct NOTIFYICONDATAW {
  DWORD cbSize = sizeof(NOTIFYICONDATAW);
  HWND hWnd = nullptr;
  UINT uID = 0;
  UINT uFlags = 0;
  UINT uCallbackMessage = 0;
  // Copied: the caller may free its icon after the call.
  HICON hIcon = nullptr;
  // At most 63 characters; read up to the first 0 or the end of the array.
  char16_t szTip[64] = {};
};

// Adding an icon that exists, or changing or removing one that does not, fails;
// adding fails as well when the desktop has no notification area. Icons go with
// their window.
BOOL Shell_NotifyIconW(DWORD message, const NOTIFYICONDATAW* data);
// Whether the desktop shows a notification area now. Without one, a window that
// would hide itself to the tray has to stay reachable some other way.
BOOL HasNotifyArea();

// What the window system keeps about one icon.
struct NotifyIconRecord {
  int key = 0;  // the backend's name for it
  HWND hwnd = nullptr;
  UINT id = 0;
  UINT callbackMessage = 0;  // 0: none
  std::optional<Icon> icon;
  std::u16string tip;
  // The last press, for telling double-clicks.
  int lastButton = -1;
  DWORD lastDownTime = 0;
};

// The icons there are now, oldest first.
std::vector<NotifyIconRecord> NotifyIcons();

}  // namespace z5t8::platform::gui
