#include "platform/gui/Timer.h"

#include <algorithm>

#include "platform/gui/Backend.h"
#include "platform/gui/InputRouting.h"
#include "platform/gui/Messages.h"
#include "platform/gui/Window.h"
#include "platform/gui/WindowManager.h"

namespace z5t8::platform::gui {

uintptr_t SetTimer(HWND hwnd, uintptr_t id, UINT elapse, TIMERPROC proc) {
  WindowManager& m = wm();
  if (hwnd && !m.find(hwnd)) return 0;
  elapse = std::clamp<UINT>(elapse, USER_TIMER_MINIMUM, 0x7FFFFFFF);
  uint64_t now = m.backend().now();
  if (!hwnd) {
    // Window-less timers get their own ids and always call back.
    if (!proc) return 0;
    id = ++m.nextSystemTimer;
  }
  for (TimerEntry& t : m.timers) {
    if (t.hwnd == hwnd && t.id == id && !t.system) {
      t.interval = elapse;
      t.due = now + elapse;
      t.proc = proc;
      t.fired = false;
      return hwnd ? (id ? id : 1) : id;
    }
  }
  TimerEntry t;
  t.hwnd = hwnd;
  t.id = id;
  t.interval = elapse;
  t.due = now + elapse;
  t.proc = proc;
  m.timers.push_back(std::move(t));
  return hwnd ? (id ? id : 1) : id;
}

BOOL KillTimer(HWND hwnd, uintptr_t id) {
  auto& t = wm().timers;
  auto it = std::find_if(t.begin(), t.end(),
                         [&](const TimerEntry& e) { return e.hwnd == hwnd && e.id == id && !e.system; });
  if (it == t.end()) return FALSE;
  t.erase(it);
  return TRUE;
}

DWORD GetTickCount() { return DWORD(wm().backend().now()); }

void Sleep(DWORD ms) { wm().backend().sleep(ms); }

bool takeTimerMessage(MSG* msg, HWND filter, bool remove) {
  WindowManager& m = wm();
  uint64_t now = m.backend().now();
  TimerEntry* best = nullptr;
  for (TimerEntry& t : m.timers) {
    if (t.system || t.due > now) continue;
    if (filter && t.hwnd != filter && !IsChild(filter, t.hwnd)) continue;
    if (!best || t.due < best->due) best = &t;
  }
  if (!best) return false;
  msg->hwnd = best->hwnd;
  msg->message = WM_TIMER;
  msg->wParam = best->id;
  msg->lParam = reinterpret_cast<LPARAM>(best->proc);
  msg->time = DWORD(now);
  msg->pt = m.cursorPos;
  // A late timer does not catch up: one WM_TIMER, then a full interval.
  if (remove) best->due = now + best->interval;
  return true;
}

void runSystemTimers() {
  WindowManager& m = wm();
  uint64_t now = m.backend().now();
  std::vector<uintptr_t> due;
  for (const TimerEntry& t : m.timers) {
    if (t.system && t.due <= now) due.push_back(t.id);
  }
  for (uintptr_t id : due) {
    auto it = std::find_if(m.timers.begin(), m.timers.end(),
                           [&](const TimerEntry& e) { return e.system && e.id == id; });
    if (it == m.timers.end()) continue;
    it->due = now + it->interval;
    std::function<void()> fn = it->system;
    fn();
  }
}

std::optional<int64_t> nextTimerDelay(bool& cosmetic) {
  WindowManager& m = wm();
  uint64_t now = m.backend().now();
  std::optional<uint64_t> next;
  cosmetic = true;
  for (const TimerEntry& t : m.timers) {
    if (!next || t.due < *next) next = t.due;
    if (!t.cosmetic) cosmetic = false;
  }
  if (!next) return std::nullopt;
  return *next > now ? int64_t(*next - now) : 0;
}

uintptr_t startSystemTimer(uint32_t interval, std::function<void()> fn, bool cosmetic) {
  WindowManager& m = wm();
  TimerEntry t;
  t.id = ++m.nextSystemTimer;
  t.interval = std::max<uint32_t>(interval, 1);
  t.due = m.backend().now() + t.interval;
  t.system = std::move(fn);
  t.cosmetic = cosmetic;
  m.timers.push_back(std::move(t));
  return t.id;
}

void stopSystemTimer(uintptr_t id) {
  auto& t = wm().timers;
  t.erase(std::remove_if(t.begin(), t.end(), [&](const TimerEntry& e) { return e.system && e.id == id; }),
          t.end());
}

}  // namespace z5t8::platform::gui
