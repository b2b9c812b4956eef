#pragma once

#include <optional>
#include <string>

#include "platform/gui/Brush.h"
#include "platform/gui/Cursor.h"
#include "platform/gui/Messages.h"
#include "platform/gui/Region.h"
#include "platform/gui/WindowStyles.h"
#include "platform/gui/WindowTypes.h"

namespace z5t8::platform::gui {

class Icon;
// Icons are the caller's: a window or class only refers to one, so it must
// outlive its use there.
using HICON = const Icon*;

struct WNDCLASSEXW {
  UINT style = 0;
  WNDPROC lpfnWndProc = nullptr;
  // Painted by the default WM_ERASEBKGND; none leaves the background alone.
  std::optional<Brush> hbrBackground;
  HCURSOR hCursor = nullptr;
  HICON hIcon = nullptr;
  HICON hIconSm = nullptr;
  const char16_t* lpszClassName = nullptr;
};

// Registering a name twice fails (returns 0).
ATOM RegisterClassExW(const WNDCLASSEXW& wc);
BOOL UnregisterClassW(const char16_t* name);
BOOL GetClassInfoExW(const char16_t* name, WNDCLASSEXW* out);
// Copies the class name with its terminator; returns its length (0 on failure).
int GetClassNameW(HWND hwnd, char16_t* buffer, int maxCount);

// `menuOrId` is a child's control id. `param` arrives in CREATESTRUCTW.
HWND CreateWindowExW(DWORD exStyle, const char16_t* className, const char16_t* windowName, DWORD style, int x,
                     int y, int width, int height, HWND parent, LONG_PTR menuOrId, void* param);
BOOL DestroyWindow(HWND hwnd);
BOOL IsWindow(HWND hwnd);

// The parent of a child window, the owner of a top-level one.
HWND GetParent(HWND hwnd);
HWND SetParent(HWND hwnd, HWND newParent);
HWND GetAncestor(HWND hwnd, UINT flags);
HWND GetWindow(HWND hwnd, UINT relation);
HWND GetTopWindow(HWND parent);
BOOL IsChild(HWND parent, HWND hwnd);
using WNDENUMPROC = BOOL (*)(HWND, LPARAM);
// Top-level windows in z-order, topmost first.
BOOL EnumWindows(WNDENUMPROC proc, LPARAM lParam);
// All descendants, depth first.
BOOL EnumChildWindows(HWND parent, WNDENUMPROC proc, LPARAM lParam);

LONG_PTR GetWindowLongPtrW(HWND hwnd, int index);
// GWL_STYLE and GWL_EXSTYLE changes send WM_STYLECHANGING and WM_STYLECHANGED;
// the frame is recomputed only by SetWindowPos with SWP_FRAMECHANGED.
LONG_PTR SetWindowLongPtrW(HWND hwnd, int index, LONG_PTR value);
LRESULT CallWindowProcW(WNDPROC proc, HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam);
// Named values attached to a window; hooks find their state through them.
BOOL SetPropW(HWND hwnd, const char16_t* name, void* value);
void* GetPropW(HWND hwnd, const char16_t* name);
void* RemovePropW(HWND hwnd, const char16_t* name);

BOOL SetWindowTextW(HWND hwnd, const char16_t* text);
int GetWindowTextW(HWND hwnd, char16_t* buffer, int maxCount);
int GetWindowTextLengthW(HWND hwnd);

BOOL GetWindowRect(HWND hwnd, Rect* rect);
BOOL GetClientRect(HWND hwnd, Rect* rect);
BOOL ClientToScreen(HWND hwnd, Point* pt);
BOOL ScreenToClient(HWND hwnd, Point* pt);
// Client coordinates of `from` to those of `to`; null stands for the screen.
int MapWindowPoints(HWND from, HWND to, Point* points, UINT count);
BOOL AdjustWindowRectEx(Rect* rect, DWORD style, BOOL menu, DWORD exStyle);

BOOL SetWindowPos(HWND hwnd, HWND insertAfter, int x, int y, int cx, int cy, UINT flags);
BOOL MoveWindow(HWND hwnd, int x, int y, int width, int height, BOOL repaint);
BOOL BringWindowToTop(HWND hwnd);
// Returns whether the window was visible before.
BOOL ShowWindow(HWND hwnd, int command);
BOOL IsWindowVisible(HWND hwnd);
BOOL IsIconic(HWND hwnd);
BOOL IsZoomed(HWND hwnd);
// Returns whether the window was disabled before.
BOOL EnableWindow(HWND hwnd, BOOL enable);
BOOL IsWindowEnabled(HWND hwnd);

// The window region, in window coordinates; null removes it. The window keeps
// a copy.
BOOL SetWindowRgn(HWND hwnd, const Region* region, BOOL redraw);
// RGN_ERROR when the window has no region.
int GetWindowRgn(HWND hwnd, Region& out);

HWND WindowFromPoint(Point screenPt);
// Client coordinates of `parent`; the parent itself when no child is there,
// null when the point is outside the parent.
HWND ChildWindowFromPoint(HWND parent, Point pt);

}  // namespace z5t8::platform::gui
