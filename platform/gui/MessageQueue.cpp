#include "platform/gui/MessageQueue.h"

#include <algorithm>

#include "platform/gui/Backend.h"
#include "platform/gui/InputRouting.h"
#include "platform/gui/Timer.h"
#include "platform/gui/Window.h"
#include "platform/gui/WindowManager.h"

namespace z5t8::platform::gui {

namespace {

DWORD lastMessageTime = 0;
Point lastMessagePos;

MSG makeMessage(HWND h, UINT message, WPARAM wp, LPARAM lp) {
  MSG m;
  m.hwnd = h;
  m.message = message;
  m.wParam = wp;
  m.lParam = lp;
  m.time = currentTime();
  m.pt = wm().cursorPos;
  return m;
}

bool inRange(UINT msg, UINT minMsg, UINT maxMsg) {
  return (minMsg == 0 && maxMsg == 0) || (msg >= minMsg && msg <= maxMsg);
}

}  // namespace

bool messageMatches(const MSG& msg, HWND filter, UINT minMsg, UINT maxMsg) {
  if (!inRange(msg.message, minMsg, maxMsg)) return false;
  if (!filter) return true;
  return msg.hwnd == filter || IsChild(filter, msg.hwnd);
}

LRESULT SendMessageW(HWND h, UINT msg, WPARAM wParam, LPARAM lParam) {
  if (h == HWND_BROADCAST) {
    std::vector<HWND> list = wm().topLevels;
    for (HWND t : list) {
      if (IsWindow(t)) sendMessage(t, msg, wParam, lParam);
    }
    return 0;
  }
  return sendMessage(h, msg, wParam, lParam);
}

BOOL PostMessageW(HWND h, UINT msg, WPARAM wParam, LPARAM lParam) {
  WindowManager& m = wm();
  if (h == HWND_BROADCAST) {
    for (HWND t : m.topLevels) m.posted.push_back(makeMessage(t, msg, wParam, lParam));
    return TRUE;
  }
  if (h && !m.find(h)) return FALSE;
  m.posted.push_back(makeMessage(h, msg, wParam, lParam));
  return TRUE;
}

void PostQuitMessage(int exitCode) {
  wm().quitPosted = true;
  wm().quitCode = exitCode;
}

BOOL PeekMessageW(MSG* msg, HWND filter, UINT minMsg, UINT maxMsg, UINT removeFlags) {
  if (!msg) return FALSE;
  WindowManager& m = wm();
  bool remove = removeFlags & PM_REMOVE;
  m.backend().poll();

  // The window system's own timers rank with WM_TIMER, after input; what they
  // post or send is looked at once more.
  for (bool timersRan = false;; timersRan = true) {
    for (auto it = m.posted.begin(); it != m.posted.end(); ++it) {
      if (!messageMatches(*it, filter, minMsg, maxMsg)) continue;
      *msg = *it;
      if (remove) m.posted.erase(it);
      lastMessageTime = msg->time;
      lastMessagePos = msg->pt;
      return TRUE;
    }
    if (m.quitPosted && inRange(WM_QUIT, minMsg, maxMsg)) {
      *msg = makeMessage(nullptr, WM_QUIT, WPARAM(m.quitCode), 0);
      if (remove) m.quitPosted = false;
      return TRUE;
    }
    for (;;) {
      auto it = std::find_if(m.inputReady.begin(), m.inputReady.end(),
                             [&](const auto& x) { return messageMatches(x.msg, filter, minMsg, maxMsg); });
      if (it != m.inputReady.end()) {
        *msg = it->msg;
        if (remove) {
          std::u16string chars = it->chars;
          m.inputReady.erase(it);
          noteInputTaken(*msg, chars);
        }
        lastMessageTime = msg->time;
        lastMessagePos = msg->pt;
        return TRUE;
      }
      if (m.rawInput.empty()) break;
      RawInput raw = m.rawInput.front();
      m.rawInput.pop_front();
      routeRawInput(raw);
    }
    if (timersRan) break;
    size_t before = m.posted.size() + m.inputReady.size() + m.rawInput.size();
    runSystemTimers();
    if (m.posted.size() + m.inputReady.size() + m.rawInput.size() == before && !m.quitPosted) break;
  }
  if (inRange(WM_PAINT, minMsg, maxMsg)) {
    if (HWND p = m.findPaintWindow(); p && (!filter || p == filter || IsChild(filter, p))) {
      *msg = makeMessage(p, WM_PAINT, 0, 0);
      if (WindowObject* w = m.find(p)) w->internalPaint = false;
      return TRUE;
    }
  }
  if (inRange(WM_TIMER, minMsg, maxMsg) && takeTimerMessage(msg, filter, remove)) return TRUE;
  // An empty queue is the moment what was drawn goes to the screen, also for
  // loops that only peek.
  m.presentAll();
  return FALSE;
}

BOOL WaitMessage() {
  WindowManager& m = wm();
  MSG probe;
  while (!PeekMessageW(&probe, nullptr, 0, 0, PM_NOREMOVE)) {
    bool cosmetic = false;
    std::optional<int64_t> delay = nextTimerDelay(cosmetic);
    if (!m.backend().wait(delay ? *delay : -1, cosmetic)) return FALSE;
  }
  return TRUE;
}

BOOL GetMessageW(MSG* msg, HWND filter, UINT minMsg, UINT maxMsg) {
  WindowManager& m = wm();
  if (!msg || (filter && !m.find(filter))) return -1;
  while (!PeekMessageW(msg, filter, minMsg, maxMsg, PM_REMOVE)) {
    bool cosmetic = false;
    std::optional<int64_t> delay = nextTimerDelay(cosmetic);
    if (!m.backend().wait(delay ? *delay : -1, cosmetic)) return -1;
    if (filter && !m.find(filter)) return -1;
  }
  return msg->message == WM_QUIT ? 0 : 1;
}

BOOL TranslateMessage(const MSG* msg) {
  WindowManager& m = wm();
  if (!msg || (msg->message != WM_KEYDOWN && msg->message != WM_SYSKEYDOWN)) return FALSE;
  const MSG& k = m.lastKeyMessage;
  if (k.hwnd != msg->hwnd || k.message != msg->message || k.wParam != msg->wParam ||
      k.lParam != msg->lParam || k.time != msg->time || m.lastKeyChars.empty())
    return FALSE;
  UINT charMsg = msg->message == WM_KEYDOWN ? WM_CHAR : WM_SYSCHAR;
  for (char16_t c : m.lastKeyChars) {
    MSG c2 = *msg;
    c2.message = charMsg;
    c2.wParam = WPARAM(c);
    m.posted.push_back(c2);
  }
  m.lastKeyChars.clear();
  return TRUE;
}

LRESULT DispatchMessageW(const MSG* msg) {
  if (!msg) return 0;
  if (msg->message == WM_TIMER && msg->lParam) {
    auto proc = reinterpret_cast<TIMERPROC>(msg->lParam);
    proc(msg->hwnd, WM_TIMER, msg->wParam, GetTickCount());
    return 0;
  }
  if (!msg->hwnd) return 0;
  return sendMessage(msg->hwnd, msg->message, msg->wParam, msg->lParam);
}

DWORD GetMessageTime() { return lastMessageTime; }

LPARAM GetMessagePos() { return MAKELPARAM(lastMessagePos.x, lastMessagePos.y); }

bool PumpPendingMessages() {
  MSG msg;
  while (PeekMessageW(&msg, nullptr, 0, 0, PM_REMOVE)) {
    if (msg.message == WM_QUIT) {
      PostQuitMessage(int(msg.wParam));
      return false;
    }
    TranslateMessage(&msg);
    DispatchMessageW(&msg);
  }
  return true;
}

}  // namespace z5t8::platform::gui
