#include "platform/gui/Input.h"

#include <algorithm>
#include <cstdlib>
#include <tuple>

#include "platform/gui/Backend.h"
#include "platform/gui/InputRouting.h"
#include "platform/gui/MessageQueue.h"
#include "platform/gui/SystemMetrics.h"
#include "platform/gui/SystemTracker.h"
#include "platform/gui/VirtualKeys.h"
#include "platform/gui/Window.h"
#include "platform/gui/WindowManager.h"
#include "platform/gui/WindowPosition.h"

namespace z5t8::platform::gui {

namespace {

bool down(const uint8_t* state, int vk) { return state[vk & 0xFF] & 0x80; }

WPARAM mouseKeys(const uint8_t* s) {
  WPARAM k = 0;
  if (down(s, VK_LBUTTON)) k |= MK_LBUTTON;
  if (down(s, VK_RBUTTON)) k |= MK_RBUTTON;
  if (down(s, VK_MBUTTON)) k |= MK_MBUTTON;
  if (down(s, VK_SHIFT)) k |= MK_SHIFT;
  if (down(s, VK_CONTROL)) k |= MK_CONTROL;
  return k;
}

void setKey(uint8_t* s, int vk, bool isDown) {
  vk &= 0xFF;
  if (isDown) {
    if (!(s[vk] & 0x80)) s[vk] ^= 0x01;
    s[vk] |= 0x80;
  } else {
    s[vk] &= uint8_t(~0x80);
  }
}

int buttonVk(int button) { return button == 1 ? VK_RBUTTON : button == 2 ? VK_MBUTTON : VK_LBUTTON; }

UINT buttonMessage(int button, bool isDown, bool dbl, bool nc) {
  static const UINT client[3][3] = {{WM_LBUTTONDOWN, WM_LBUTTONUP, WM_LBUTTONDBLCLK},
                                    {WM_RBUTTONDOWN, WM_RBUTTONUP, WM_RBUTTONDBLCLK},
                                    {WM_MBUTTONDOWN, WM_MBUTTONUP, WM_MBUTTONDBLCLK}};
  UINT m = client[button][dbl ? 2 : isDown ? 0 : 1];
  return nc ? m - (WM_LBUTTONDOWN - WM_NCLBUTTONDOWN) : m;
}

void queueRouted(HWND h, UINT message, WPARAM wp, LPARAM lp, const RawInput& raw, std::u16string chars = {}) {
  MSG m;
  m.hwnd = h;
  m.message = message;
  m.wParam = wp;
  m.lParam = lp;
  m.time = raw.time;
  m.pt = wm().cursorPos;
  wm().inputReady.push_back({m, std::move(chars)});
}

void postLeave(HWND h, bool nonClient) {
  MSG m;
  m.hwnd = h;
  m.message = nonClient ? WM_NCMOUSELEAVE : WM_MOUSELEAVE;
  m.time = currentTime();
  m.pt = wm().cursorPos;
  wm().posted.push_back(m);
}

// Whether the mouse at `screen` is over the tracked area of `h`.
bool overTrackedArea(HWND h, DWORD flags, Point screen) {
  WindowManager& m = wm();
  HWND top = topLevelFromPoint(screen);
  HWND under = top ? childFromPointDeep(top, screen, true, true) : nullptr;
  if (under != h) return false;
  const WindowObject* w = m.find(h);
  Point co = m.clientOrigin(h);
  bool inClient =
      Rect{0, 0, w->client.width(), w->client.height()}.contains({screen.x - co.x, screen.y - co.y});
  return (flags & TME_NONCLIENT) ? !inClient : inClient;
}

void checkLeave(Point screen) {
  MouseTracking& t = wm().leaveTracking;
  if (!t.hwnd) return;
  if (!IsWindow(t.hwnd)) {
    t = {};
    return;
  }
  if (!overTrackedArea(t.hwnd, t.flags, screen)) {
    HWND h = t.hwnd;
    bool nc = t.flags & TME_NONCLIENT;
    t = {};
    postLeave(h, nc);
  }
}

// The window under the point and its hit-test answer.
std::pair<HWND, int> hitTest(Point screen) {
  WindowManager& m = wm();
  HWND top = topLevelFromPoint(screen);
  if (!top) return {nullptr, HTNOWHERE};
  if (m.find(top)->style & WS_DISABLED) return {top, HTERROR};
  HWND target = childFromPointDeep(top, screen, true, true);
  for (;;) {
    int hit = int(sendMessage(target, WM_NCHITTEST, 0, pointToLParam(screen)));
    if (!IsWindow(target)) return {nullptr, HTNOWHERE};
    if (hit != HTTRANSPARENT || target == top) return {target, hit == HTTRANSPARENT ? HTNOWHERE : hit};
    target = m.find(target)->parent;
  }
}

void routeMouse(const RawInput& raw) {
  WindowManager& m = wm();
  m.cursorPos = raw.pt;
  checkLeave(raw.pt);
  if (m.tracker) {
    TrackerCall call;
    if (m.capture != m.tracker->hwnd() || !IsWindow(m.tracker->hwnd())) {
      SystemTracker* t = m.tracker.get();
      t->cancel();
      if (stillRunning(t)) dropTracker();
    } else {
      switch (raw.kind) {
        case RawKind::MouseMove:
          m.tracker->mouseMove(raw.pt);
          break;
        case RawKind::ButtonUp:
          m.tracker->buttonUp(raw.button, raw.pt);
          break;
        default:
          break;
      }
      return;
    }
  }
  if (raw.kind == RawKind::Wheel) {
    HWND target = m.focus ? m.focus : m.active;
    if (target) {
      queueRouted(target, WM_MOUSEWHEEL,
                  MAKEWPARAM(uint32_t(mouseKeys(m.asyncKeyState)), uint32_t(raw.wheel)),
                  pointToLParam(raw.pt), raw);
    }
    return;
  }

  HWND target;
  int hit;
  if (m.capture) {
    target = m.capture;
    hit = HTCLIENT;
  } else {
    std::tie(target, hit) = hitTest(raw.pt);
  }
  if (!target) return;
  UINT mouseMsg = raw.kind == RawKind::MouseMove
                      ? WM_MOUSEMOVE
                      : buttonMessage(raw.button, raw.kind == RawKind::ButtonDown, false, false);

  if (hit == HTERROR) {
    sendMessage(target, WM_SETCURSOR, reinterpret_cast<WPARAM>(target), MAKELPARAM(HTERROR, mouseMsg));
    if (raw.kind == RawKind::ButtonDown) {
      // A click on a window a modal one disables brings the modal one forward.
      if (HWND popup = GetWindow(target, GW_ENABLEDPOPUP)) SetActiveWindow(popup);
    }
    return;
  }

  if (raw.kind == RawKind::ButtonDown && !m.capture) {
    HWND top = GetAncestor(target, GA_ROOT);
    if (top && top != m.active) {
      LRESULT r =
          sendMessage(target, WM_MOUSEACTIVATE, reinterpret_cast<WPARAM>(top), MAKELPARAM(hit, mouseMsg));
      if (r == MA_ACTIVATE || r == MA_ACTIVATEANDEAT) {
        if (IsWindow(top)) activateWindow(top, WA_CLICKACTIVE);
      }
      if (r == MA_ACTIVATEANDEAT || r == MA_NOACTIVATEANDEAT) return;
      if (!IsWindow(target)) return;
    }
  }
  if (!m.capture && raw.kind != RawKind::ButtonUp) {
    sendMessage(target, WM_SETCURSOR, reinterpret_cast<WPARAM>(target), MAKELPARAM(hit, mouseMsg));
    if (!IsWindow(target)) return;
  }

  bool nc = hit != HTCLIENT;
  LPARAM lp;
  if (nc) {
    lp = pointToLParam(raw.pt);
  } else {
    Point p = raw.pt;
    ScreenToClient(target, &p);
    lp = pointToLParam(p);
  }
  WPARAM wp = nc ? WPARAM(hit) : mouseKeys(m.asyncKeyState);

  switch (raw.kind) {
    case RawKind::MouseMove:
      queueRouted(target, nc ? WM_NCMOUSEMOVE : WM_MOUSEMOVE, wp, lp, raw);
      break;
    case RawKind::ButtonDown: {
      auto& last = m.lastClick;
      bool dbl = last.hwnd == target && last.message == buttonMessage(raw.button, true, false, nc) &&
                 raw.time - last.time <= m.doubleClickTime &&
                 std::abs(raw.pt.x - last.pt.x) <= GetSystemMetrics(SM_CXDOUBLECLK) / 2 &&
                 std::abs(raw.pt.y - last.pt.y) <= GetSystemMetrics(SM_CYDOUBLECLK) / 2 &&
                 (nc ? last.hit == hit : true);
      if (dbl && !nc && !(m.find(target)->cls->style & CS_DBLCLKS)) dbl = false;
      UINT msg = buttonMessage(raw.button, true, dbl, nc);
      if (dbl) {
        last = {};
      } else {
        last = {target, msg, raw.time, raw.pt, hit};
      }
      queueRouted(target, msg, wp, lp, raw);
      break;
    }
    case RawKind::ButtonUp:
      queueRouted(target, buttonMessage(raw.button, false, false, nc), wp, lp, raw);
      break;
    default:
      break;
  }
  m.lastMouseWindow = target;
  m.lastMouseHit = hit;
}

void routeKey(const RawInput& raw) {
  WindowManager& m = wm();
  bool isDown = raw.kind == RawKind::KeyDown;
  bool wasDown = down(m.asyncKeyState, raw.vk);
  setKey(m.asyncKeyState, raw.vk, isDown);
  if (m.tracker) {
    TrackerCall call;
    if (isDown) m.tracker->key(raw.vk);
    return;
  }
  // With no window of the program active, a window holding the capture (a menu
  // opened from the notification area) is the one the keys are for.
  HWND target = m.focus ? m.focus : m.active ? m.active : m.capture;
  if (!target) return;
  bool alt = down(m.asyncKeyState, VK_MENU);
  bool ctrl = down(m.asyncKeyState, VK_CONTROL);
  bool sys = !m.focus || raw.vk == VK_F10 || (alt && !ctrl) || (raw.vk == VK_MENU && !isDown && !ctrl);
  UINT msg = isDown ? (sys ? WM_SYSKEYDOWN : WM_KEYDOWN) : (sys ? WM_SYSKEYUP : WM_KEYUP);
  uint32_t lp = 1u | (uint32_t(raw.scan & 0xFF) << 16);
  if (raw.extended) lp |= 1u << 24;
  if (alt && !ctrl) lp |= 1u << 29;
  if (isDown ? wasDown : true) lp |= 1u << 30;
  if (!isDown) lp |= 1u << 31;
  queueRouted(target, msg, WPARAM(raw.vk), LPARAM(int32_t(lp)), raw, isDown ? raw.chars : std::u16string());
}

}  // namespace

void routeRawInput(const RawInput& raw) {
  WindowManager& m = wm();
  switch (raw.kind) {
    case RawKind::ButtonDown:
    case RawKind::ButtonUp:
      setKey(m.asyncKeyState, buttonVk(raw.button), raw.kind == RawKind::ButtonDown);
      routeMouse(raw);
      break;
    case RawKind::MouseMove:
    case RawKind::Wheel:
      routeMouse(raw);
      break;
    case RawKind::KeyDown:
    case RawKind::KeyUp:
      routeKey(raw);
      break;
  }
}

void noteInputTaken(const MSG& msg, const std::u16string& chars) {
  WindowManager& m = wm();
  switch (msg.message) {
    case WM_KEYDOWN:
    case WM_SYSKEYDOWN:
      setKey(m.keyState, int(msg.wParam), true);
      m.lastKeyMessage = msg;
      m.lastKeyChars = chars;
      break;
    case WM_KEYUP:
    case WM_SYSKEYUP:
      setKey(m.keyState, int(msg.wParam), false);
      break;
    case WM_LBUTTONDOWN:
    case WM_LBUTTONDBLCLK:
    case WM_NCLBUTTONDOWN:
    case WM_NCLBUTTONDBLCLK:
      setKey(m.keyState, VK_LBUTTON, true);
      break;
    case WM_LBUTTONUP:
    case WM_NCLBUTTONUP:
      setKey(m.keyState, VK_LBUTTON, false);
      break;
    case WM_RBUTTONDOWN:
    case WM_RBUTTONDBLCLK:
    case WM_NCRBUTTONDOWN:
    case WM_NCRBUTTONDBLCLK:
      setKey(m.keyState, VK_RBUTTON, true);
      break;
    case WM_RBUTTONUP:
    case WM_NCRBUTTONUP:
      setKey(m.keyState, VK_RBUTTON, false);
      break;
    case WM_MBUTTONDOWN:
    case WM_MBUTTONDBLCLK:
    case WM_NCMBUTTONDOWN:
      setKey(m.keyState, VK_MBUTTON, true);
      break;
    case WM_MBUTTONUP:
    case WM_NCMBUTTONUP:
      setKey(m.keyState, VK_MBUTTON, false);
      break;
    default:
      break;
  }
}

void QueueMouseMove(Point screen) {
  WindowManager& m = wm();
  // Moves that nobody has seen yet collapse into the latest one.
  if (!m.rawInput.empty() && m.rawInput.back().kind == RawKind::MouseMove) {
    m.rawInput.back().pt = screen;
    m.rawInput.back().time = currentTime();
    return;
  }
  RawInput r;
  r.kind = RawKind::MouseMove;
  r.pt = screen;
  r.time = currentTime();
  m.rawInput.push_back(r);
}

void QueueMouseButton(int button, bool isDown, Point screen) {
  RawInput r;
  r.kind = isDown ? RawKind::ButtonDown : RawKind::ButtonUp;
  r.button = std::clamp(button, 0, 2);
  r.pt = screen;
  r.time = currentTime();
  wm().rawInput.push_back(r);
}

void QueueMouseWheel(int delta, Point screen) {
  RawInput r;
  r.kind = RawKind::Wheel;
  r.wheel = delta;
  r.pt = screen;
  r.time = currentTime();
  wm().rawInput.push_back(r);
}

void QueueKey(int vk, int scanCode, bool extended, bool isDown, const std::u16string& chars) {
  RawInput r;
  r.kind = isDown ? RawKind::KeyDown : RawKind::KeyUp;
  r.vk = vk & 0xFF;
  r.scan = scanCode;
  r.extended = extended;
  r.chars = chars;
  r.time = currentTime();
  wm().rawInput.push_back(r);
}

void NotifyCloseRequested(HWND top) {
  if (IsWindow(top)) PostMessageW(top, WM_SYSCOMMAND, SC_CLOSE, 0);
}

void NotifyFocusChanged(HWND top, bool gained) {
  WindowManager& m = wm();
  if (!IsWindow(top)) return;
  if (gained) {
    if (m.active != top && IsWindowEnabled(top)) activateWindow(top, WA_ACTIVE);
  } else if (m.active == top) {
    activateWindow(nullptr, WA_INACTIVE);
    // As when another program comes to the front: its windows get the mouse.
    if (m.capture) ReleaseCapture();
  }
}

void activateWindow(HWND h, int how) {
  WindowManager& m = wm();
  if (h) h = GetAncestor(h, GA_ROOT);
  if (h == m.active) return;
  HWND old = m.active;
  if (old) {
    sendMessage(old, WM_NCACTIVATE, FALSE, 0);
    sendMessage(old, WM_ACTIVATE, MAKEWPARAM(WA_INACTIVE, IsIconic(old) ? 1 : 0),
                reinterpret_cast<LPARAM>(h));
  }
  m.active = h;
  if (!h) {
    if (m.focus) {
      HWND f = m.focus;
      m.focus = nullptr;
      sendMessage(f, WM_KILLFOCUS, 0, 0);
    }
    if (m.appActive) {
      m.appActive = false;
      SendMessageW(HWND_BROADCAST, WM_ACTIVATEAPP, FALSE, 0);
    }
    return;
  }
  if (!m.topLevels.empty() && m.topLevels.front() != h)
    SetWindowPos(h, HWND_TOP, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE | SWP_NOACTIVATE);
  if (!m.appActive) {
    m.appActive = true;
    SendMessageW(HWND_BROADCAST, WM_ACTIVATEAPP, TRUE, 0);
  }
  if (m.active != h || !IsWindow(h)) return;
  m.backend().windowActivated(h);
  sendMessage(h, WM_NCACTIVATE, TRUE, 0);
  if (m.active != h) return;
  sendMessage(h, WM_ACTIVATE, MAKEWPARAM(uint32_t(how), IsIconic(h) ? 1 : 0), reinterpret_cast<LPARAM>(old));
}

void activateOtherWindow(HWND leaving) {
  WindowManager& m = wm();
  auto usable = [&](HWND t) {
    const WindowObject* w = m.find(t);
    return w && t != leaving && m.reallyVisible(t) && !(w->style & WS_DISABLED);
  };
  const WindowObject* lw = m.find(leaving);
  if (lw && lw->owner && usable(lw->owner)) {
    activateWindow(lw->owner, WA_ACTIVE);
    return;
  }
  for (HWND t : m.topLevels) {
    if (usable(t)) {
      activateWindow(t, WA_ACTIVE);
      return;
    }
  }
  activateWindow(nullptr, WA_INACTIVE);
}

HWND SetFocus(HWND h) {
  WindowManager& m = wm();
  HWND old = m.focus;
  if (!h) {
    m.focus = nullptr;
    if (old) sendMessage(old, WM_KILLFOCUS, 0, 0);
    return old;
  }
  const WindowObject* w = m.find(h);
  if (!w) return nullptr;
  for (HWND a = h; a; a = GetAncestor(a, GA_PARENT)) {
    if (m.find(a)->style & WS_DISABLED) return nullptr;
  }
  HWND top = GetAncestor(h, GA_ROOT);
  if (top != m.active) {
    activateWindow(top, WA_ACTIVE);
    if (!IsWindow(h) || m.active != top) return nullptr;
    old = m.focus;
  }
  if (m.focus == h) return old;
  old = m.focus;
  m.focus = h;
  if (old) sendMessage(old, WM_KILLFOCUS, reinterpret_cast<WPARAM>(h), 0);
  if (m.focus == h && IsWindow(h)) sendMessage(h, WM_SETFOCUS, reinterpret_cast<WPARAM>(old), 0);
  return old;
}

HWND GetFocus() { return wm().focus; }

HWND SetActiveWindow(HWND h) {
  WindowManager& m = wm();
  HWND old = m.active;
  if (h && (!m.find(h) || !IsWindowEnabled(GetAncestor(h, GA_ROOT)))) return nullptr;
  activateWindow(h, WA_ACTIVE);
  return old;
}

HWND GetActiveWindow() { return wm().active; }

BOOL SetForegroundWindow(HWND h) { return SetActiveWindow(h) || wm().active == h; }

HWND GetForegroundWindow() { return wm().active; }

HWND SetCapture(HWND h) {
  WindowManager& m = wm();
  if (!m.find(h)) return nullptr;
  HWND old = m.capture;
  if (old == h) return old;
  m.capture = h;
  if (old) sendMessage(old, WM_CAPTURECHANGED, 0, reinterpret_cast<LPARAM>(h));
  if (m.capture == h) m.backend().captureChanged(GetAncestor(h, GA_ROOT));
  return old;
}

BOOL ReleaseCapture() {
  WindowManager& m = wm();
  HWND old = m.capture;
  if (!old) return TRUE;
  m.capture = nullptr;
  m.backend().captureChanged(nullptr);
  sendMessage(old, WM_CAPTURECHANGED, 0, 0);
  return TRUE;
}

HWND GetCapture() { return wm().capture; }

int16_t GetKeyState(int vk) {
  uint8_t s = wm().keyState[vk & 0xFF];
  return int16_t(((s & 0x80) ? 0x8000 : 0) | (s & 0x01));
}

int16_t GetAsyncKeyState(int vk) {
  uint8_t s = wm().asyncKeyState[vk & 0xFF];
  return int16_t((s & 0x80) ? 0x8000 : 0);
}

BOOL TrackMouseEvent(TRACKMOUSEEVENT* tme) {
  if (!tme) return FALSE;
  WindowManager& m = wm();
  if (tme->dwFlags & TME_QUERY) {
    tme->hwndTrack = m.leaveTracking.hwnd;
    tme->dwFlags = m.leaveTracking.hwnd ? (m.leaveTracking.flags | TME_LEAVE) : 0;
    return TRUE;
  }
  if (!m.find(tme->hwndTrack)) return FALSE;
  if (tme->dwFlags & TME_CANCEL) {
    if (m.leaveTracking.hwnd == tme->hwndTrack &&
        (m.leaveTracking.flags & TME_NONCLIENT) == (tme->dwFlags & TME_NONCLIENT))
      m.leaveTracking = {};
    return TRUE;
  }
  if (!(tme->dwFlags & TME_LEAVE)) return TRUE;
  DWORD flags = tme->dwFlags & TME_NONCLIENT;
  if (!overTrackedArea(tme->hwndTrack, flags, m.cursorPos)) {
    postLeave(tme->hwndTrack, flags & TME_NONCLIENT);
    return TRUE;
  }
  m.leaveTracking = {tme->hwndTrack, flags};
  return TRUE;
}

UINT GetDoubleClickTime() { return wm().doubleClickTime; }

BOOL SetDoubleClickTime(UINT ms) {
  wm().doubleClickTime = ms ? ms : 500;
  return TRUE;
}

void startTracker(std::unique_ptr<SystemTracker> tracker) {
  WindowManager& m = wm();
  if (m.tracker) endTracker();
  HWND h = tracker->hwnd();
  SetCapture(h);
  m.tracker = std::move(tracker);
}

void dropTracker() {
  WindowManager& m = wm();
  if (!m.tracker) return;
  m.endedTrackers.push_back(std::move(m.tracker));
  if (m.trackerCalls == 0) m.endedTrackers.clear();
}

void endTracker() {
  WindowManager& m = wm();
  if (!m.tracker) return;
  HWND h = m.tracker->hwnd();
  dropTracker();
  if (m.capture == h) ReleaseCapture();
}

TrackerCall::TrackerCall() { ++wm().trackerCalls; }

TrackerCall::~TrackerCall() {
  WindowManager& m = wm();
  if (--m.trackerCalls == 0) m.endedTrackers.clear();
}

bool stillRunning(const SystemTracker* tracker) { return wm().tracker.get() == tracker; }

}  // namespace z5t8::platform::gui
