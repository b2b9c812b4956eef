#pragma once

#include "platform/gui/DeviceContext.h"
#include "platform/gui/WindowTypes.h"

namespace z5t8::platform::gui {

// The frame the default window procedure gives a window: borders, caption with
// icon, text and buttons, client edge and standard scroll bars, in the classic
// metrics and colours. All rectangles are in window coordinates.

// Thickness of the frame on each side (caption included at the top), without
// the scroll bars.
Rect frameInsets(DWORD style, DWORD exStyle);
Rect classicClientRect(HWND h, int width, int height);
Rect captionRect(HWND h);
// HTCLOSE, HTMAXBUTTON, HTMINBUTTON or HTSYSMENU; empty when the window has none.
Rect captionButtonRect(HWND h, int hit);
int classicHitTest(HWND h, Point windowPt);
// Paints the whole frame on a window context (clipped to what needs it).
void paintClassicFrame(HWND h, DeviceContext& dc, bool active);
// Paints the frame straight away, without WM_NCPAINT, as the platform does on
// activation and for pressed caption buttons; nothing while a frame repaint is
// pending anyway.
void redrawClassicFrame(HWND h);
// Sends WM_NCPAINT for the whole frame at once, so that a window painting its
// own frame (a hooked one) shows a new caption or icon straight away; nothing
// for a hidden window, one without a frame, a child without a caption, or one
// whose frame repaint is due.
void repaintFrameNow(HWND h);

// The system's own mouse interactions with the frame.
// `edge` 0 moves, a WMSZ_ value sizes; `screen` is where the drag starts.
void startMoveSize(HWND h, int edge, Point screen);
void startCaptionButton(HWND h, int hit);

}  // namespace z5t8::platform::gui
