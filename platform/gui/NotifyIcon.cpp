#include "platform/gui/NotifyIcon.h"

#include <algorithm>

#include "platform/gui/Backend.h"
#include "platform/gui/Input.h"
#include "platform/gui/MessageQueue.h"
#include "platform/gui/WindowManager.h"

namespace z5t8::platform::gui {

namespace {

NotifyIconRecord* findIcon(HWND h, UINT id) {
  for (NotifyIconRecord& r : wm().notifyIcons) {
    if (r.hwnd == h && r.id == id) return &r;
  }
  return nullptr;
}

NotifyIconRecord* findKey(int key) {
  for (NotifyIconRecord& r : wm().notifyIcons) {
    if (r.key == key) return &r;
  }
  return nullptr;
}

std::u16string tipOf(const NOTIFYICONDATAW& d) {
  const char16_t* end = std::find(std::begin(d.szTip), std::end(d.szTip) - 1, u'\0');
  return std::u16string(std::begin(d.szTip), end);
}

void take(NotifyIconRecord& r, const NOTIFYICONDATAW& d) {
  if (d.uFlags & NIF_MESSAGE) r.callbackMessage = d.uCallbackMessage;
  if (d.uFlags & NIF_ICON) r.icon = d.hIcon ? std::optional<Icon>(*d.hIcon) : std::nullopt;
  if (d.uFlags & NIF_TIP) r.tip = tipOf(d);
}

const Icon* iconOf(const NotifyIconRecord& r) { return r.icon ? &*r.icon : nullptr; }

void send(const NotifyIconRecord& r, UINT mouseMessage) {
  if (r.callbackMessage) PostMessageW(r.hwnd, r.callbackMessage, WPARAM(r.id), LPARAM(mouseMessage));
}

}  // namespace

BOOL Shell_NotifyIconW(DWORD message, const NOTIFYICONDATAW* data) {
  if (!data || !WindowManager::running() || !IsWindow(data->hWnd)) return FALSE;
  WindowManager& m = wm();
  NotifyIconRecord* existing = findIcon(data->hWnd, data->uID);
  switch (message) {
    case NIM_ADD: {
      if (existing) return FALSE;
      NotifyIconRecord r;
      r.key = m.nextNotifyIconKey++;
      r.hwnd = data->hWnd;
      r.id = data->uID;
      take(r, *data);
      if (!m.backend().notifyIconAdded(r.key, iconOf(r), r.tip)) return FALSE;
      m.notifyIcons.push_back(std::move(r));
      return TRUE;
    }
    case NIM_MODIFY:
      if (!existing) return FALSE;
      take(*existing, *data);
      m.backend().notifyIconChanged(existing->key, iconOf(*existing), existing->tip);
      return TRUE;
    case NIM_DELETE: {
      if (!existing) return FALSE;
      int key = existing->key;
      auto& icons = m.notifyIcons;
      icons.erase(std::remove_if(icons.begin(), icons.end(), [&](const auto& r) { return r.key == key; }),
                  icons.end());
      m.backend().notifyIconRemoved(key);
      return TRUE;
    }
    default:
      return FALSE;
  }
}

BOOL HasNotifyArea() { return WindowManager::running() && wm().backend().hasNotifyArea() ? TRUE : FALSE; }

std::vector<NotifyIconRecord> NotifyIcons() {
  if (!WindowManager::running()) return {};
  return wm().notifyIcons;
}

void NotifyIconButton(int key, int button, bool down) {
  if (!WindowManager::running() || button < 0 || button > 2) return;
  NotifyIconRecord* r = findKey(key);
  if (!r) return;
  static constexpr UINT kDown[] = {WM_LBUTTONDOWN, WM_RBUTTONDOWN, WM_MBUTTONDOWN};
  static constexpr UINT kUp[] = {WM_LBUTTONUP, WM_RBUTTONUP, WM_MBUTTONUP};
  static constexpr UINT kDouble[] = {WM_LBUTTONDBLCLK, WM_RBUTTONDBLCLK, WM_MBUTTONDBLCLK};
  if (!down) {
    send(*r, kUp[button]);
    return;
  }
  DWORD now = currentTime();
  bool twice = r->lastButton == button && now - r->lastDownTime <= GetDoubleClickTime();
  // A third press starts over rather than making a second double-click.
  r->lastButton = twice ? -1 : button;
  r->lastDownTime = now;
  send(*r, twice ? kDouble[button] : kDown[button]);
}

void NotifyIconMouseMove(int key) {
  if (!WindowManager::running()) return;
  if (NotifyIconRecord* r = findKey(key)) send(*r, WM_MOUSEMOVE);
}

void removeNotifyIconsOf(HWND h) {
  WindowManager& m = wm();
  std::vector<int> keys;
  for (const NotifyIconRecord& r : m.notifyIcons) {
    if (r.hwnd == h) keys.push_back(r.key);
  }
  if (keys.empty()) return;
  auto& icons = m.notifyIcons;
  icons.erase(std::remove_if(icons.begin(), icons.end(), [&](const auto& r) { return r.hwnd == h; }),
              icons.end());
  for (int key : keys) m.backend().notifyIconRemoved(key);
}

}  // namespace z5t8::platform::gui
