#pragma once

#include <functional>
#include <optional>

#include "platform/gui/Messages.h"
#include "platform/gui/WindowTypes.h"

namespace z5t8::platform::gui {

// A hidden top-level window that only receives messages: the window system's broadcasts
// (WM_DISPLAYCHANGE, WM_SYSCOLORCHANGE, WM_THEMECHANGED), posted messages and timers.
// It may be made before any window system runs and outlive several: a window is made for
// it in every session (at once if one runs, else when a backend is installed) and goes
// with that session's windows, so long-lived objects made at start-up hear every session.
class MessageWindow {
public:
  // An answer, or nullopt to let the default window procedure answer.
  using Handler = std::function<std::optional<LRESULT>(UINT msg, WPARAM wParam, LPARAM lParam)>;

  explicit MessageWindow(Handler handler);
  ~MessageWindow();
  MessageWindow(const MessageWindow&) = delete;
  MessageWindow& operator=(const MessageWindow&) = delete;

  // Null while no window system runs.
  HWND handle() const { return handle_; }

private:
  friend void startMessageWindows();
  friend void forgetMessageWindows();
  static LRESULT windowProc(HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam);
  void create();

  Handler handler_;
  HWND handle_ = nullptr;
  // Every message window, so that each session can make theirs; plain pointers, so the
  // list needs no destruction at exit.
  MessageWindow* prev_ = nullptr;
  MessageWindow* next_ = nullptr;
};

}  // namespace z5t8::platform::gui
