#pragma once

// The Windows side of the window backend. It includes the system's headers,
// whose names (HWND, WM_PAINT, RGB ...) are macros and types that clash with
// our own window system's, so it speaks in plain numbers and our geometry only;
// Win32Backend.cpp translates between the two.

#include <cstdint>
#include <memory>
#include <string>
#include <vector>

#include "platform/gui/Geometry.h"

namespace z5t8::platform::gui::win32 {

// A system window handle.
using NativeWindow = void*;
// What the backend hangs on a native window to know it again: our own handle.
using WindowTag = uintptr_t;

// What the system reports, in screen coordinates, while Display::wait or poll
// hands the messages over.
class DisplayEvents {
public:
  virtual ~DisplayEvents() = default;
  virtual void mouseMoved(Point screen) = 0;
  // Button 0 left, 1 right, 2 middle.
  virtual void mouseButton(int button, bool down, Point screen) = 0;
  virtual void mouseWheel(int delta, Point screen) = 0;
  // `chars` are what a press typed (from WM_CHAR or WM_SYSCHAR).
  virtual void key(int vk, int scanCode, bool extended, bool down, const std::u16string& chars) = 0;
  virtual void closeRequested(WindowTag w) = 0;
  virtual void focusChanged(WindowTag w, bool gained) = 0;
  virtual void iconified(WindowTag w, bool iconified) = 0;
  virtual void moved(WindowTag w, const Rect& rect) = 0;
  // The system took the mouse capture away (another window or program took it).
  virtual void captureLost() = 0;
  // The system asked the window to end any mode it is in (a drag, a menu).
  virtual void cancelMode(WindowTag w) = 0;
  virtual void displayChanged(Size screen) = 0;
  virtual void notifyIconButton(int key, int button, bool down) = 0;
  virtual void notifyIconMouseMove(int key) = 0;
};

// An icon's pixels: 0xAARRGGBB with straight alpha, rows top first.
struct IconImage {
  int width = 0;
  int height = 0;
  std::vector<uint32_t> argb;
};

enum class WindowKind {
  Main,   // an unowned top-level window: it has a task-bar button
  Owned,  // a box or popup that belongs to another window: no button, above its owner
  Tool,   // a tool window: no button
  Menu,   // a menu: topmost, never activated, never managed
};

class Display {
public:
  // Null with a message in `error` when the window class cannot be made.
  static std::unique_ptr<Display> open(DisplayEvents& events, std::string& error);
  virtual ~Display() = default;

  virtual Size screenSize() const = 0;
  virtual Rect workArea() const = 0;
  virtual uint64_t now() = 0;
  virtual void sleep(uint32_t ms) = 0;
  // Negative: no limit.
  virtual void wait(int64_t timeoutMs) = 0;
  virtual void poll() = 0;

  virtual NativeWindow create(WindowTag tag, WindowKind kind, NativeWindow owner) = 0;
  virtual void destroy(NativeWindow w) = 0;
  virtual void move(NativeWindow w, const Rect& rect) = 0;
  virtual void show(NativeWindow w, bool visible) = 0;
  // Window coordinates; null: no region.
  virtual void setShape(NativeWindow w, const std::vector<Rect>* rects) = 0;
  virtual void setText(NativeWindow w, const std::u16string& text) = 0;
  virtual void setIcon(NativeWindow w, const IconImage* icon) = 0;
  virtual void setMinimized(NativeWindow w, bool minimized) = 0;
  virtual void restack(const std::vector<NativeWindow>& topFirst) = 0;
  virtual void activate(NativeWindow w) = 0;
  virtual void setTopmost(NativeWindow w, bool topmost) = 0;
  // `bits` is a top-down 32-bit picture of the whole window, `dirty` the part
  // that changed.
  virtual void present(NativeWindow w, const uint32_t* bits, int width, int height, const Rect& dirty) = 0;
  // Null releases it.
  virtual void setCapture(NativeWindow w) = 0;
  virtual void setCursor(int id) = 0;
  virtual void moveCursor(Point screen) = 0;
  // Combines `bits` (width × height, top-down) with the screen at `at` by exclusive or.
  virtual void xorScreen(const uint32_t* bits, const Rect& at) = 0;
  // `out` takes area.width() × area.height() pixels, 0xFFRRGGBB.
  virtual bool readScreen(const Rect& area, uint32_t* out) = 0;

  virtual bool hasNotifyArea() = 0;
  virtual bool addNotifyIcon(int key, const IconImage* icon, const std::u16string& tip) = 0;
  virtual void changeNotifyIcon(int key, const IconImage* icon, const std::u16string& tip) = 0;
  virtual void removeNotifyIcon(int key) = 0;
};

}  // namespace z5t8::platform::gui::win32
