#include "platform/gui/tests/win32/SystemWindows.h"

#include <windows.h>

namespace z5t8::platform::gui::testing::system {

void* FindOurWindow(const std::u16string& title) {
  return FindWindowW(L"Z5T8Window", reinterpret_cast<const wchar_t*>(title.c_str()));
}

void Post(void* window, unsigned message, uintptr_t wParam, intptr_t lParam) {
  PostMessageW(static_cast<HWND>(window), message, wParam, lParam);
}

bool InRegion(void* window, int x, int y) {
  HRGN rgn = CreateRectRgn(0, 0, 0, 0);
  int kind = GetWindowRgn(static_cast<HWND>(window), rgn);
  bool inside = kind == ERROR || PtInRegion(rgn, x, y);
  DeleteObject(rgn);
  return inside;
}

void* TakeCapture() {
  HWND other = CreateWindowExW(0, L"STATIC", L"other", WS_POPUP, 0, 0, 10, 10, nullptr, nullptr,
                               GetModuleHandleW(nullptr), nullptr);
  SetCapture(other);
  return other;
}

void DestroyOther(void* window) { DestroyWindow(static_cast<HWND>(window)); }

void Minimize(void* window, bool minimize) {
  ShowWindow(static_cast<HWND>(window), minimize ? SW_MINIMIZE : SW_RESTORE);
}

bool IsMinimized(void* window) { return IsIconic(static_cast<HWND>(window)); }

bool PostNotifyIconMouse(int key, unsigned mouseMessage) {
  HWND w = FindWindowExW(HWND_MESSAGE, nullptr, L"Z5T8NotifyArea", nullptr);
  return w && PostMessageW(w, WM_APP + 1, WPARAM(key), LPARAM(mouseMessage));
}

}  // namespace z5t8::platform::gui::testing::system
