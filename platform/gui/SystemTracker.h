#pragma once

#include <memory>

#include "platform/gui/Geometry.h"
#include "platform/gui/WindowTypes.h"

namespace z5t8::platform::gui {

// A mouse interaction the window system runs itself (moving, sizing, pressing a
// caption button, holding a scroll bar). While one runs it holds the capture and
// takes the mouse input of its window before any window procedure sees it.
class SystemTracker {
public:
  explicit SystemTracker(HWND hwnd) : hwnd_(hwnd) {}
  virtual ~SystemTracker() = default;
  HWND hwnd() const { return hwnd_; }

  virtual void mouseMove(Point screen) = 0;
  virtual void buttonUp(int button, Point screen) = 0;
  virtual void key(int vk) {}
  // The capture went elsewhere or the window is going.
  virtual void cancel() {}

private:
  HWND hwnd_;
};

// Takes the capture for the tracker's window.
void startTracker(std::unique_ptr<SystemTracker> tracker);
// Ends the running tracker (if any) and releases its capture.
void endTracker();
// Ends the running tracker without releasing the capture (it went already).
void dropTracker();

// Held around every call into a tracker: a tracker that ends while one of its
// own calls runs (its window destroyed from a message it sent) is freed only
// when the outermost call returns, so it may check `stillRunning()` after any
// message it sends.
class TrackerCall {
public:
  TrackerCall();
  ~TrackerCall();
  TrackerCall(const TrackerCall&) = delete;
  TrackerCall& operator=(const TrackerCall&) = delete;
};
bool stillRunning(const SystemTracker* tracker);

}  // namespace z5t8::platform::gui
