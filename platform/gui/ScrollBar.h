#pragma once

#include "platform/gui/Geometry.h"
#include "platform/gui/WindowTypes.h"

namespace z5t8::platform::gui {

// The standard scroll bars of windows with WS_HSCROLL / WS_VSCROLL.
constexpr int SB_HORZ = 0;
constexpr int SB_VERT = 1;
constexpr int SB_CTL = 2;
constexpr int SB_BOTH = 3;

constexpr UINT SIF_RANGE = 0x0001;
constexpr UINT SIF_PAGE = 0x0002;
constexpr UINT SIF_POS = 0x0004;
constexpr UINT SIF_DISABLENOSCROLL = 0x0008;
constexpr UINT SIF_TRACKPOS = 0x0010;
constexpr UINT SIF_ALL = SIF_RANGE | SIF_PAGE | SIF_POS | SIF_TRACKPOS;

struct SCROLLINFO {
  UINT cbSize = sizeof(SCROLLINFO);
  UINT fMask = 0;
  int nMin = 0;
  int nMax = 0;
  UINT nPage = 0;
  int nPos = 0;
  int nTrackPos = 0;
};

// EnableScrollBar arrows.
constexpr UINT ESB_ENABLE_BOTH = 0x0000;
constexpr UINT ESB_DISABLE_LTUP = 0x0001;
constexpr UINT ESB_DISABLE_RTDN = 0x0002;
constexpr UINT ESB_DISABLE_BOTH = 0x0003;

// GetScrollBarInfo objects.
constexpr LONG_PTR OBJID_HSCROLL = -6;
constexpr LONG_PTR OBJID_VSCROLL = -5;
constexpr LONG_PTR OBJID_CLIENT = -4;

constexpr DWORD STATE_SYSTEM_UNAVAILABLE = 0x00000001;
constexpr DWORD STATE_SYSTEM_PRESSED = 0x00000008;
constexpr DWORD STATE_SYSTEM_INVISIBLE = 0x00008000;
constexpr DWORD STATE_SYSTEM_OFFSCREEN = 0x00010000;

struct SCROLLBARINFO {
  DWORD cbSize = sizeof(SCROLLBARINFO);
  Rect rcScrollBar;  // screen coordinates
  int dxyLineButton = 0;
  int xyThumbTop = 0;  // from the bar's top (left) edge
  int xyThumbBottom = 0;
  int reserved = 0;
  // The bar, the top (left) arrow, the page-up part, the thumb, the page-down
  // part, the bottom (right) arrow.
  DWORD rgstate[6] = {};
};

// Returns the new position. A bar whose range no longer scrolls hides (its style
// bit goes and the frame is recomputed) unless SIF_DISABLENOSCROLL is given.
int SetScrollInfo(HWND hwnd, int bar, const SCROLLINFO* info, BOOL redraw);
BOOL GetScrollInfo(HWND hwnd, int bar, SCROLLINFO* info);
int SetScrollPos(HWND hwnd, int bar, int pos, BOOL redraw);
int GetScrollPos(HWND hwnd, int bar);
BOOL SetScrollRange(HWND hwnd, int bar, int min, int max, BOOL redraw);
BOOL GetScrollRange(HWND hwnd, int bar, int* min, int* max);
BOOL ShowScrollBar(HWND hwnd, int bar, BOOL show);
BOOL EnableScrollBar(HWND hwnd, int bar, UINT arrows);
BOOL GetScrollBarInfo(HWND hwnd, LONG_PTR object, SCROLLBARINFO* info);

// Delays of a held arrow or track part: first step at once, the second after
// the first delay, the rest at the repeat interval.
constexpr UINT SCROLL_FIRST_DELAY = 250;
constexpr UINT SCROLL_REPEAT_DELAY = 50;

}  // namespace z5t8::platform::gui
