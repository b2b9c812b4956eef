#pragma once

#include <string>
#include <string_view>

#include "framework/gui/Bitmap.h"
#include "platform/gui/ScrollBar.h"
#include "platform/gui/WindowTypes.h"
#include "skin/render/RectUtils.h"

namespace z5t8::skin::render {

using platform::gui::HWND;

// Nested mouse capture: the first call captures for the window, later ones
// only count; the EndCapture that brings the count to 0 releases the
// capture if that window still holds it.
void CaptureMouse(HWND window);
void EndCapture();

// At most 1000 characters, UTF-8; empty on failure.
std::string GetWndClassName(HWND window);
std::string GetWndText(HWND window);

// Auto-repeat in milliseconds from the system keyboard settings.
int GetKeyBoardDelayInterval();
int GetKeyBoardSpeedInterval();
// The same for a given setting (delay 0..3, speed 0..31).
int KeyBoardDelayIntervalFor(int setting);
int KeyBoardSpeedIntervalFor(int setting);

// The screen's pixel format, found once.
framework::TPixelFormat GetPixelFormat();

// The system's scroll bar information.
bool MyGetScrollBarInfo(HWND window, platform::gui::LONG_PTR object, platform::gui::SCROLLBARINFO& info);

// The primary monitor's work area or whole area.
void GetRectOfPrimaryMonitor(bool workArea, Rect& r);
// The monitor nearest to the rectangle, point or window.
void GetRectOfMonitorContainingRect(const Rect& rect, bool workArea, Rect& r);
void GetRectOfMonitorContainingPoint(Point p, bool workArea, Rect& r);
void GetRectOfMonitorContainingWindow(HWND window, bool workArea, Rect& r);

// 8-bit text in a code page as UTF-16. The ANSI code page is UTF-8 here
// (0, 3 and 65001 name it); 1252 and 28591 decode by table. A code page
// this platform cannot decode, or bytes that are not valid in it, fall back
// to the ANSI code page, and then to one "?" per byte.
std::u16string StringToWideString(unsigned codePage, std::string_view text);

}  // namespace z5t8::skin::render
