#pragma once

#include <cstdint>
#include <memory>
#include <string>
#include <vector>

#include "platform/gui/Geometry.h"
#include "platform/gui/Region.h"
#include "platform/gui/Surface.h"
#include "platform/gui/WindowTypes.h"

namespace z5t8::platform::gui {

class Icon;

// What the window system needs from a display: a screen, a clock, one native
// window per top-level window, and input. Child windows never reach it.
class Backend {
public:
  virtual ~Backend() = default;

  virtual Size screenSize() const = 0;
  virtual Rect workArea() const = 0;
  // Milliseconds; only differences matter.
  virtual uint64_t now() = 0;
  virtual void sleep(uint32_t ms) = 0;
  // Waits until input arrives or `timeoutMs` passes (negative: no limit) and
  // hands the input over through the Queue* functions below. `cosmetic` says
  // that the time limit only serves a change of look (a blinking caret). False
  // when nothing can ever arrive.
  virtual bool wait(int64_t timeoutMs, bool cosmetic) = 0;
  // Hands over input that is already there.
  virtual void poll() = 0;

  virtual void windowCreated(HWND top) = 0;
  virtual void windowDestroyed(HWND top) = 0;
  // The window rectangle on the screen.
  virtual void windowMoved(HWND top, const Rect& rect) = 0;
  virtual void windowShown(HWND top, bool visible) = 0;
  // Window coordinates; null: no shape.
  virtual void windowShapeChanged(HWND top, const Region* shape) = 0;
  virtual void windowTextChanged(HWND top, const std::u16string& text) = 0;
  virtual void windowIconChanged(HWND top, const Icon* icon) = 0;
  virtual void windowStateChanged(HWND top, bool minimized, bool maximized) = 0;
  // Every top-level window, topmost first.
  virtual void windowOrderChanged(const std::vector<HWND>& order) = 0;
  virtual void windowActivated(HWND top) = 0;
  virtual void windowTopmostChanged(HWND top, bool topmost) = 0;
  // `dirty` is in surface (window) coordinates.
  virtual void present(HWND top, const Surface& surface, const Rect& dirty) = 0;
  // Null releases the pointer grab.
  virtual void captureChanged(HWND top) = 0;
  virtual void cursorChanged(int cursorId) = 0;
  virtual void cursorMoved(Point screen) = 0;
  // The screen context's drawing, combined with the screen by exclusive or.
  virtual void overlayChanged(const Surface& overlay, const Rect& dirty) = 0;
  // What the display shows in `area` (screen coordinates, inside the screen),
  // every program's windows included. False when the display cannot say; the
  // screen as our own windows make it then serves.
  virtual bool readScreen(const Rect& area, Surface& out) {
    (void)area;
    (void)out;
    return false;
  }

  // The notification area; `key` names one icon for the session.
  virtual bool hasNotifyArea() = 0;
  // False when there is no notification area to take it.
  virtual bool notifyIconAdded(int key, const Icon* icon, const std::u16string& tip) = 0;
  virtual void notifyIconChanged(int key, const Icon* icon, const std::u16string& tip) = 0;
  virtual void notifyIconRemoved(int key) = 0;
};

// The window system runs on one backend at a time; installing one ends the
// previous session (every window is destroyed).
void UseBackend(std::unique_ptr<Backend> backend);
// Destroys every window and drops the backend; safe to call twice.
void ShutdownWindowSystem();
bool HasBackend();
// The X11 display when DISPLAY is set; otherwise false with a message for the
// user in `error`.
bool OpenDefaultBackend(std::string& error);

// Input and events from the backend, in screen coordinates. The clock of the
// input is the backend's.
void QueueMouseMove(Point screen);
// Button 0 left, 1 right, 2 middle.
void QueueMouseButton(int button, bool down, Point screen);
void QueueMouseWheel(int delta, Point screen);
// `chars` are what the key types with the current modifiers, for TranslateMessage.
void QueueKey(int vk, int scanCode, bool extended, bool down, const std::u16string& chars);
// A part of a top-level window (window coordinates) must be painted again.
void NotifyExposed(HWND top, const Rect& rect);
// The user asked to close the window from outside (window manager).
void NotifyCloseRequested(HWND top);
// The display gave or took the keyboard focus of a top-level window.
void NotifyFocusChanged(HWND top, bool gained);
// The user minimized or restored the window from outside (window manager).
void NotifyIconified(HWND top, bool iconified);
// The window manager moved or resized the window.
void NotifyMoved(HWND top, const Rect& rect);
// The screen took a new size: every top-level window hears WM_DISPLAYCHANGE.
void NotifyDisplayChanged(Size screen);
// A mouse button went down or up on a notification-area icon (button 0 left,
// 1 right, 2 middle); a second press soon after the first is a double-click.
void NotifyIconButton(int key, int button, bool down);
void NotifyIconMouseMove(int key);

}  // namespace z5t8::platform::gui
