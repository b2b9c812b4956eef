#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <vector>

#include "platform/gui/Backend.h"
#include "platform/gui/Icon.h"

namespace z5t8::platform::gui {

struct HeadlessOptions {
  Size screen{1024, 768};
  Rect workArea{0, 0, 1024, 738};
  uint64_t startTime = 100000;
  bool notifyArea = true;
};

// An icon the virtual notification area shows.
struct HeadlessNotifyIcon {
  int key = 0;
  std::optional<Icon> icon;
  std::u16string tip;
};

// A virtual screen for tests and snapshots. Its clock moves only when told to:
// by AdvanceClock, by Sleep, and by a message loop waiting for a timer (which
// jumps to it). A loop waiting for input that can never come is told so.
class HeadlessBackend : public Backend {
public:
  explicit HeadlessBackend(const HeadlessOptions& options);

  Size screenSize() const override { return options_.screen; }
  Rect workArea() const override { return options_.workArea; }
  uint64_t now() override { return clock_; }
  void sleep(uint32_t ms) override { clock_ += ms; }
  bool wait(int64_t timeoutMs, bool cosmetic) override;
  void poll() override {}

  void windowCreated(HWND) override {}
  void windowDestroyed(HWND top) override;
  void windowMoved(HWND, const Rect&) override {}
  void windowShown(HWND, bool) override {}
  void windowShapeChanged(HWND, const Region*) override {}
  void windowTextChanged(HWND, const std::u16string&) override {}
  void windowIconChanged(HWND, const Icon*) override {}
  void windowStateChanged(HWND, bool, bool) override {}
  void windowOrderChanged(const std::vector<HWND>&) override {}
  void windowActivated(HWND) override {}
  void windowTopmostChanged(HWND, bool) override {}
  void present(HWND, const Surface&, const Rect&) override { ++presents_; }
  void captureChanged(HWND top) override { grab_ = top; }
  void cursorChanged(int id) override { cursor_ = id; }
  void cursorMoved(Point) override {}
  void overlayChanged(const Surface&, const Rect&) override {}
  bool hasNotifyArea() override { return options_.notifyArea; }
  bool notifyIconAdded(int key, const Icon* icon, const std::u16string& tip) override;
  void notifyIconChanged(int key, const Icon* icon, const std::u16string& tip) override;
  void notifyIconRemoved(int key) override;

  void advance(uint32_t ms) { clock_ += ms; }
  // As a display whose mode was changed: the work area is cut to the new screen and the
  // windows hear WM_DISPLAYCHANGE.
  void setScreenSize(Size screen);
  int presents() const { return presents_; }
  int cursorShape() const { return cursor_; }
  HWND pointerGrab() const { return grab_; }
  // What the notification area shows, in the order the icons came.
  const std::vector<HeadlessNotifyIcon>& notifyIcons() const { return icons_; }
  // The notification area comes or goes (icons it had are dropped).
  void setNotifyArea(bool present);
  // Modifier keys held by the injected input, for the characters keys type.
  bool shift = false;
  bool control = false;
  bool alt = false;
  bool capsLock = false;

private:
  HeadlessOptions options_;
  uint64_t clock_;
  int presents_ = 0;
  int cursor_ = 0;
  HWND grab_ = nullptr;
  std::vector<HeadlessNotifyIcon> icons_;
};

void UseHeadlessBackend(const HeadlessOptions& options = {});
// The installed headless backend; throws when another backend runs.
HeadlessBackend& Headless();

namespace headless {

void AdvanceClock(uint32_t ms);
void MoveMouse(int x, int y);
// Buttons: 0 left, 1 right, 2 middle; at the current mouse position.
void PressButton(int button = 0);
void ReleaseButton(int button = 0);
void Click(int x, int y, int button = 0);
void DoubleClick(int x, int y, int button = 0);
void Wheel(int delta);
// Keys type characters by a US keyboard layout and the modifiers held.
void PressKey(int vk);
void ReleaseKey(int vk);
void TypeKey(int vk);
// Each character as one key stroke (characters off the layout come as packets).
void TypeText(const std::u16string& text);
// Mouse input on a window's notification-area icon; false when it has none there.
bool ClickNotifyIcon(HWND hwnd, UINT id, int button = 0);
bool DoubleClickNotifyIcon(HWND hwnd, UINT id, int button = 0);

}  // namespace headless
}  // namespace z5t8::platform::gui
