#pragma once

#include "platform/gui/DeviceContext.h"
#include "platform/gui/Region.h"
#include "platform/gui/WindowTypes.h"

namespace z5t8::platform::gui {

struct PAINTSTRUCT {
  DeviceContext* hdc = nullptr;
  // True when the background still needs erasing (WM_ERASEBKGND answered 0).
  BOOL fErase = FALSE;
  Rect rcPaint;
};

// RedrawWindow flags.
constexpr UINT RDW_INVALIDATE = 0x0001;
constexpr UINT RDW_INTERNALPAINT = 0x0002;
constexpr UINT RDW_ERASE = 0x0004;
constexpr UINT RDW_VALIDATE = 0x0008;
constexpr UINT RDW_NOINTERNALPAINT = 0x0010;
constexpr UINT RDW_NOERASE = 0x0020;
constexpr UINT RDW_NOCHILDREN = 0x0040;
constexpr UINT RDW_ALLCHILDREN = 0x0080;
constexpr UINT RDW_UPDATENOW = 0x0100;
constexpr UINT RDW_ERASENOW = 0x0200;
constexpr UINT RDW_FRAME = 0x0400;
constexpr UINT RDW_NOFRAME = 0x0800;

// GetDCEx flags.
constexpr DWORD DCX_WINDOW = 0x00000001;
constexpr DWORD DCX_CACHE = 0x00000002;
constexpr DWORD DCX_CLIPCHILDREN = 0x00000008;
constexpr DWORD DCX_CLIPSIBLINGS = 0x00000010;
constexpr DWORD DCX_PARENTCLIP = 0x00000020;
constexpr DWORD DCX_EXCLUDERGN = 0x00000040;
constexpr DWORD DCX_INTERSECTRGN = 0x00000080;
constexpr DWORD DCX_INTERSECTUPDATE = 0x00000200;

// WM_NCPAINT's first parameter when the whole frame is to be painted; any other
// value points to a Region in screen coordinates.
constexpr WPARAM NCPAINT_WHOLE_FRAME = 1;

DeviceContext* BeginPaint(HWND hwnd, PAINTSTRUCT* ps);
BOOL EndPaint(HWND hwnd, const PAINTSTRUCT* ps);

// Client area, clipped to what is visible; null gives the screen's context,
// whose drawing is combined with the screen by exclusive or (drag outlines).
DeviceContext* GetDC(HWND hwnd);
// The whole window, frame included.
DeviceContext* GetWindowDC(HWND hwnd);
// `clip` is in screen coordinates.
DeviceContext* GetDCEx(HWND hwnd, const Region* clip, DWORD flags);
int ReleaseDC(HWND hwnd, DeviceContext* dc);

// Rectangles in client coordinates; null means the whole client area.
BOOL InvalidateRect(HWND hwnd, const Rect* rect, BOOL erase);
BOOL InvalidateRgn(HWND hwnd, const Region* rgn, BOOL erase);
BOOL ValidateRect(HWND hwnd, const Rect* rect);
BOOL ValidateRgn(HWND hwnd, const Region* rgn);
// With RDW_FRAME the rectangle or region may reach into the frame: then they are
// in window coordinates less the client origin, as the platform has it.
BOOL RedrawWindow(HWND hwnd, const Rect* rect, const Region* rgn, UINT flags);
BOOL UpdateWindow(HWND hwnd);
BOOL GetUpdateRect(HWND hwnd, Rect* rect, BOOL erase);
int GetUpdateRgn(HWND hwnd, Region& out, BOOL erase);
// ScrollWindowEx flags.
constexpr UINT SW_SCROLLCHILDREN = 0x0001;
constexpr UINT SW_INVALIDATE = 0x0002;
constexpr UINT SW_ERASE = 0x0004;

// Moves the client pixels of `scroll` (null: the whole client area) by dx, dy
// within `clip`, and reports (and with SW_INVALIDATE invalidates) what was
// uncovered, in client coordinates. Pending updates move with the pixels.
int ScrollWindowEx(HWND hwnd, int dx, int dy, const Rect* scroll, const Rect* clip, Region* update,
                   Rect* updateRect, UINT flags);
BOOL ScrollWindow(HWND hwnd, int dx, int dy, const Rect* scroll, const Rect* clip);

// Presents what was drawn to the screen now instead of when the queue is idle.
void GdiFlush();

}  // namespace z5t8::platform::gui
