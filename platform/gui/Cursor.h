#pragma once

#include "platform/gui/Geometry.h"
#include "platform/gui/WindowTypes.h"

namespace z5t8::platform::gui {

// Cursors are the standard shapes only; a handle names one of them.
struct HCURSOR__;
using HCURSOR = HCURSOR__*;

constexpr int IDC_ARROW = 32512;
constexpr int IDC_IBEAM = 32513;
constexpr int IDC_WAIT = 32514;
constexpr int IDC_CROSS = 32515;
constexpr int IDC_UPARROW = 32516;
constexpr int IDC_SIZENWSE = 32642;
constexpr int IDC_SIZENESW = 32643;
constexpr int IDC_SIZEWE = 32644;
constexpr int IDC_SIZENS = 32645;
constexpr int IDC_SIZEALL = 32646;
constexpr int IDC_NO = 32648;
constexpr int IDC_HAND = 32649;
constexpr int IDC_APPSTARTING = 32650;
constexpr int IDC_HELP = 32651;

// Null for an unknown id.
HCURSOR LoadCursorW(int id);
// The standard shape id of a cursor handle (0 for null).
int CursorId(HCURSOR cursor);
// Returns the previous cursor.
HCURSOR SetCursor(HCURSOR cursor);
HCURSOR GetCursor();
int ShowCursor(BOOL show);
BOOL GetCursorPos(Point* pt);
BOOL SetCursorPos(int x, int y);

}  // namespace z5t8::platform::gui
