#pragma once

#include "platform/gui/Messages.h"
#include "platform/gui/WindowTypes.h"

namespace z5t8::platform::gui {

constexpr UINT PM_NOREMOVE = 0x0000;
constexpr UINT PM_REMOVE = 0x0001;

// To HWND_BROADCAST: every top-level window.
LRESULT SendMessageW(HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam);
// A null window posts to the queue itself (taken with a null hwnd).
BOOL PostMessageW(HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam);
void PostQuitMessage(int exitCode);

// Order of taking: posted messages, WM_QUIT, input, WM_PAINT, WM_TIMER.
// `filter` limits to a window and its children; min/max 0 take everything.
BOOL PeekMessageW(MSG* msg, HWND filter, UINT minMsg, UINT maxMsg, UINT removeFlags);
// 0 for WM_QUIT, -1 when nothing can ever arrive (a headless queue with no
// input, paint or timer left, or a filter window that is gone), else 1.
BOOL GetMessageW(MSG* msg, HWND filter, UINT minMsg, UINT maxMsg);
// Blocks until something is in the queue; FALSE when nothing can ever arrive.
BOOL WaitMessage();
// Posts WM_CHAR / WM_SYSCHAR for a key message that types characters.
BOOL TranslateMessage(const MSG* msg);
LRESULT DispatchMessageW(const MSG* msg);
DWORD GetMessageTime();
LPARAM GetMessagePos();

// Runs every message already waiting, without blocking; returns false when
// WM_QUIT was met (it is posted again for the outer loop).
bool PumpPendingMessages();

}  // namespace z5t8::platform::gui
