#pragma once

#include <cstdint>
#include <deque>
#include <functional>
#include <map>
#include <memory>
#include <optional>
#include <string>
#include <unordered_map>
#include <vector>

#include "platform/gui/Brush.h"
#include "platform/gui/Cursor.h"
#include "platform/gui/DeviceContext.h"
#include "platform/gui/NotifyIcon.h"
#include "platform/gui/Region.h"
#include "platform/gui/ScrollBar.h"
#include "platform/gui/Surface.h"
#include "platform/gui/Timer.h"
#include "platform/gui/Window.h"

namespace z5t8::platform::gui {

class Backend;
class SystemTracker;

struct WindowClassEntry {
  std::u16string name;
  UINT style = 0;
  WNDPROC proc = nullptr;
  std::optional<Brush> background;
  HCURSOR cursor = nullptr;
  HICON icon = nullptr;
  HICON smallIcon = nullptr;
};

struct ScrollBarState {
  int min = 0;
  int max = 100;
  int page = 0;
  int pos = 0;
  int trackPos = 0;
  bool tracking = false;
  UINT disabled = 0;    // ESB_ arrows
  int pressedPart = 0;  // a ScrollPart while the mouse holds it
};

// Everything the window system keeps about one window. Only the window
// system's own files see it; the rest of the program holds handles.
struct WindowObject {
  HWND handle = nullptr;
  const WindowClassEntry* cls = nullptr;
  WNDPROC proc = nullptr;
  DWORD style = 0;
  DWORD exStyle = 0;
  LONG_PTR userData = 0;
  LONG_PTR id = 0;
  std::u16string text;
  HWND parent = nullptr;       // child windows only
  HWND owner = nullptr;        // top-level windows only
  std::vector<HWND> children;  // z-order, topmost first
  // Window rectangle: in the parent's client coordinates for a child, on the
  // screen for a top-level window.
  Rect rect;
  // Client rectangle relative to the window's top-left corner.
  Rect client;
  // Update region relative to the window's top-left corner.
  Region update;
  bool erasePending = false;
  bool eraseFailed = false;  // WM_ERASEBKGND was answered 0: fErase for BeginPaint
  bool frameUpdate = false;
  bool internalPaint = false;
  bool redrawOff = false;
  std::optional<Region> shape;  // window region, window coordinates
  ScrollBarState vscroll;
  ScrollBarState hscroll;
  HICON icon = nullptr;
  HICON smallIcon = nullptr;
  Rect normalRect;  // restored placement while minimized or maximized
  bool restoreToMaximized = false;
  bool caretHiddenByPaint = false;
  bool ncActive = false;         // the frame is drawn active
  int pressedCaptionButton = 0;  // hit code while the mouse holds it down
  bool destroying = false;
  bool created = false;
  std::map<std::u16string, void*> props;
  // Top-level windows own the surface their whole tree is composed on.
  std::unique_ptr<Surface> surface;
  Rect dirty;  // of the surface, not yet presented
};

struct PostedMessage {
  MSG msg;
};

enum class RawKind { MouseMove, ButtonDown, ButtonUp, Wheel, KeyDown, KeyUp };

// Input as the backend reports it, at screen coordinates, before routing.
struct RawInput {
  RawKind kind = RawKind::MouseMove;
  Point pt;
  int button = 0;  // 0 left, 1 right, 2 middle
  int wheel = 0;
  int vk = 0;
  int scan = 0;
  bool extended = false;
  std::u16string chars;  // what the key types, for TranslateMessage
  DWORD time = 0;
};

struct TimerEntry {
  HWND hwnd = nullptr;
  uintptr_t id = 0;
  uint32_t interval = 0;
  uint64_t due = 0;
  TIMERPROC proc = nullptr;
  std::function<void()> system;  // the window system's own timers
  bool cosmetic = false;         // only changes the look (caret blinking)
  bool fired = false;            // a WM_TIMER is waiting to be taken
};

struct MouseTracking {
  HWND hwnd = nullptr;
  DWORD flags = 0;
};

struct CaretState {
  HWND hwnd = nullptr;
  Size size;
  Point pos;
  int hideCount = 1;
  bool on = false;  // drawn now
  uint32_t blinkTime = 530;
  uintptr_t timer = 0;
};

class WindowManager {
public:
  static WindowManager& get();
  static bool running();

  WindowObject* find(HWND h);
  const WindowObject* find(HWND h) const;
  HWND newHandle();

  Backend& backend() { return *backend_; }

  // Tree geometry.
  HWND topLevelOf(HWND h) const;
  bool isChildStyle(const WindowObject& w) const { return (w.style & WS_CHILD) && w.parent; }
  // The window's top-left corner on the screen and on its top-level surface.
  Point windowOrigin(HWND h) const;
  Point surfaceOrigin(HWND h) const;
  Point clientOrigin(HWND h) const;
  bool reallyVisible(HWND h) const;
  // Visible area in surface coordinates: the whole window, or its client part,
  // clipped by ancestors, siblings above (WS_CLIPSIBLINGS), window regions and,
  // when asked, the window's children.
  Region visibleRegion(HWND h, bool clientOnly, bool clipChildren) const;

  // Painting.
  void invalidate(HWND h, const Region* windowCoords, UINT flags);
  void validate(HWND h, const Region* windowCoords);
  void eraseNow(HWND h, bool children);
  // Sends WM_NCPAINT for a pending frame update, which leaves the client part.
  void paintFrameNow(HWND h);
  HWND findPaintWindow() const;
  void markDirty(HWND top, const Rect& surfaceRect);
  // Window contexts follow their window when it moves, resizes or is covered.
  void refreshLentDCs(HWND top);
  void presentAll();

  // Top-level z-order, topmost first.
  std::vector<HWND> topLevels;
  std::unordered_map<uintptr_t, std::unique_ptr<WindowObject>> windows;
  std::vector<std::unique_ptr<WindowClassEntry>> classes;

  std::deque<MSG> posted;
  std::deque<RawInput> rawInput;
  struct RoutedInput {
    MSG msg;
    std::u16string chars;
  };
  std::deque<RoutedInput> inputReady;  // routed input, taken before raw input
  bool quitPosted = false;
  int quitCode = 0;

  std::vector<TimerEntry> timers;
  uintptr_t nextSystemTimer = 0x10000;

  HWND active = nullptr;
  HWND focus = nullptr;
  HWND capture = nullptr;
  bool appActive = false;
  std::unique_ptr<SystemTracker> tracker;
  std::vector<std::unique_ptr<SystemTracker>> endedTrackers;  // freed outside tracker calls
  int trackerCalls = 0;

  // Mouse state.
  Point cursorPos;
  HWND lastMouseWindow = nullptr;
  int lastMouseHit = HTNOWHERE;
  MouseTracking leaveTracking;
  struct Click {
    HWND hwnd = nullptr;
    UINT message = 0;
    DWORD time = 0;
    Point pt;
    int hit = 0;
  } lastClick;
  HCURSOR cursor = nullptr;
  int cursorShowCount = 0;

  // Key state: bit 0x80 down, bit 0x01 toggled. Sync follows the messages taken
  // from the queue, async follows the input as it arrives.
  uint8_t keyState[256] = {};
  uint8_t asyncKeyState[256] = {};
  bool altAlone = false;
  MSG lastKeyMessage;
  std::u16string lastKeyChars;

  CaretState caret;

  std::vector<NotifyIconRecord> notifyIcons;
  int nextNotifyIconKey = 1;

  // Output currently handed out by GetDC / BeginPaint.
  struct LentDC {
    HWND window = nullptr;
    HWND top = nullptr;
    DWORD flags = 0;
    std::optional<Region> clip;  // screen coordinates
    std::unique_ptr<DeviceContext> dc;
    bool screen = false;
    Rect dirty;  // what it can have reached, surface coordinates
  };
  std::vector<LentDC> lentDCs;
  std::unique_ptr<Surface> screenOverlay;

  // System settings (SystemParametersInfo).
  int keyboardDelay = 1;
  int keyboardSpeed = 31;
  bool dragFullWindows = true;
  uint32_t doubleClickTime = 500;
  // Caption fonts set through SPI_SETNONCLIENTMETRICS; none: the classic ones.
  std::optional<LogFont> captionFont;
  std::optional<LogFont> smallCaptionFont;

  std::unique_ptr<Backend> backend_;

  ~WindowManager();

private:
  WindowManager() = default;
  friend void UseBackend(std::unique_ptr<Backend> backend);
  friend void ShutdownWindowSystem();
  uintptr_t nextHandle_ = 0x10010;
};

// Shared helpers of the window system's files.
inline WindowManager& wm() { return WindowManager::get(); }
DWORD currentTime();
LRESULT sendMessage(HWND h, UINT msg, WPARAM wp, LPARAM lp);
// Message windows get a window in each new session and lose it when the session ends.
void startMessageWindows();
void forgetMessageWindows();
// A window that goes takes its notification-area icons with it.
void removeNotifyIconsOf(HWND h);

}  // namespace z5t8::platform::gui
