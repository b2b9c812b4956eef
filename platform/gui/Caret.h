#pragma once

#include "platform/gui/Geometry.h"
#include "platform/gui/WindowTypes.h"

namespace z5t8::platform::gui {

// One caret per program: a blinking inverted rectangle in a window's client area.
// It starts hidden; ShowCaret and HideCaret nest.
BOOL CreateCaret(HWND hwnd, int width, int height);
BOOL DestroyCaret();
BOOL ShowCaret(HWND hwnd);
BOOL HideCaret(HWND hwnd);
BOOL SetCaretPos(int x, int y);
BOOL GetCaretPos(Point* pt);
UINT GetCaretBlinkTime();
BOOL SetCaretBlinkTime(UINT ms);
// Whether the caret is drawn at this moment (its blink phase).
bool CaretIsDrawn();

}  // namespace z5t8::platform::gui
