#pragma once

#include "platform/gui/DeviceContext.h"
#include "platform/gui/WindowTypes.h"

namespace z5t8::platform::gui {

struct WindowObject;

enum ScrollPart { SP_NONE, SP_LINEUP, SP_PAGEUP, SP_THUMB, SP_PAGEDOWN, SP_LINEDOWN };

// Where the parts of a window's standard scroll bar lie, in window coordinates.
struct ScrollBarLayout {
  bool vertical = true;
  Rect bar;
  Rect up;
  Rect down;
  Rect track;
  Rect thumb;
  bool thumbShown = false;
  int thumbLength = 0;
};

// Empty when the window shows no such bar.
Rect scrollBarRect(const WindowObject& w, int bar);
ScrollBarLayout scrollBarLayout(const WindowObject& w, int bar, int pos);
ScrollPart scrollPartAt(const ScrollBarLayout& layout, Point windowPt);
// The position the thumb's leading edge at `start` (along the bar) stands for.
int scrollPosFromThumb(const WindowObject& w, int bar, const ScrollBarLayout& layout, int start);
void paintScrollBar(DeviceContext& windowDC, HWND h, int bar);
void redrawScrollBar(HWND h, int bar);
// A press on a scroll bar at a screen point: steps, repeats and thumb drags.
void startScrollTracking(HWND h, int bar, Point screen);

}  // namespace z5t8::platform::gui
