#include "platform/gui/headless/HeadlessBackend.h"

#include <algorithm>
#include <stdexcept>

#include "platform/gui/VirtualKeys.h"
#include "platform/gui/Window.h"
#include "platform/gui/WindowManager.h"

namespace z5t8::platform::gui {

namespace {

constexpr int VK_PACKET = 0xE7;

// What a key types on a US layout, or nothing.
std::u16string typedBy(int vk, const HeadlessBackend& b) {
  if (b.control && !b.alt) {
    if (vk >= 'A' && vk <= 'Z') return std::u16string(1, char16_t(vk - 'A' + 1));
    return {};
  }
  if (vk >= 'A' && vk <= 'Z') {
    bool upper = b.shift != b.capsLock;
    return std::u16string(1, char16_t(upper ? vk : vk + 32));
  }
  if (vk >= '0' && vk <= '9') {
    static const char16_t shifted[] = u")!@#$%^&*(";
    return std::u16string(1, b.shift ? shifted[vk - '0'] : char16_t(vk));
  }
  if (vk >= VK_NUMPAD0 && vk <= VK_NUMPAD0 + 9) return std::u16string(1, char16_t('0' + vk - VK_NUMPAD0));
  struct Oem {
    int vk;
    char16_t plain, shifted;
  };
  static const Oem oem[] = {
      {VK_SPACE, u' ', u' '},       {VK_OEM_1, u';', u':'},     {VK_OEM_PLUS, u'=', u'+'},
      {VK_OEM_COMMA, u',', u'<'},   {VK_OEM_MINUS, u'-', u'_'}, {VK_OEM_PERIOD, u'.', u'>'},
      {VK_OEM_2, u'/', u'?'},       {VK_OEM_3, u'`', u'~'},     {VK_OEM_4, u'[', u'{'},
      {VK_OEM_5, u'\\', u'|'},      {VK_OEM_6, u']', u'}'},     {VK_OEM_7, u'\'', u'"'},
      {VK_RETURN, u'\r', u'\r'},    {VK_BACK, u'\b', u'\b'},    {VK_TAB, u'\t', u'\t'},
      {VK_ESCAPE, u'\x1b', u'\x1b'}};
  for (const Oem& o : oem) {
    if (o.vk == vk) return std::u16string(1, b.shift ? o.shifted : o.plain);
  }
  return {};
}

// The key and shift state that type a character, when the layout has it.
bool keyFor(char16_t c, int& vk, bool& shift) {
  HeadlessBackend probe({});
  for (int k = 1; k < 0xFF; ++k) {
    for (bool s : {false, true}) {
      probe.shift = s;
      std::u16string t = typedBy(k, probe);
      if (t.size() == 1 && t[0] == c) {
        vk = k;
        shift = s;
        return true;
      }
    }
  }
  return false;
}

bool extendedKey(int vk) {
  return (vk >= VK_PRIOR && vk <= VK_DOWN) || vk == VK_INSERT || vk == VK_DELETE || vk == VK_DIVIDE;
}

}  // namespace

HeadlessBackend::HeadlessBackend(const HeadlessOptions& options)
    : options_(options), clock_(options.startTime) {}

bool HeadlessBackend::wait(int64_t timeoutMs, bool cosmetic) {
  // Only a timer can still make something happen: jump to it.
  if (timeoutMs < 0 || cosmetic) return false;
  clock_ += uint64_t(timeoutMs);
  return true;
}

void HeadlessBackend::windowDestroyed(HWND top) {
  if (grab_ == top) grab_ = nullptr;
}

void HeadlessBackend::setScreenSize(Size screen) {
  options_.screen = screen;
  options_.workArea = intersectRect(options_.workArea, Rect{0, 0, screen.cx, screen.cy});
  NotifyDisplayChanged(screen);
}

bool HeadlessBackend::notifyIconAdded(int key, const Icon* icon, const std::u16string& tip) {
  if (!options_.notifyArea) return false;
  icons_.push_back({key, icon ? std::optional<Icon>(*icon) : std::nullopt, tip});
  return true;
}

void HeadlessBackend::notifyIconChanged(int key, const Icon* icon, const std::u16string& tip) {
  for (HeadlessNotifyIcon& i : icons_) {
    if (i.key != key) continue;
    i.icon = icon ? std::optional<Icon>(*icon) : std::nullopt;
    i.tip = tip;
  }
}

void HeadlessBackend::notifyIconRemoved(int key) {
  icons_.erase(std::remove_if(icons_.begin(), icons_.end(), [&](const auto& i) { return i.key == key; }),
               icons_.end());
}

void HeadlessBackend::setNotifyArea(bool present) {
  options_.notifyArea = present;
  if (!present) icons_.clear();
}

void UseHeadlessBackend(const HeadlessOptions& options) {
  UseBackend(std::make_unique<HeadlessBackend>(options));
}

HeadlessBackend& Headless() {
  auto* b = dynamic_cast<HeadlessBackend*>(&wm().backend());
  if (!b) throw std::logic_error("the headless backend is not the one installed");
  return *b;
}

namespace headless {

void AdvanceClock(uint32_t ms) { Headless().advance(ms); }

void MoveMouse(int x, int y) { QueueMouseMove({x, y}); }

void PressButton(int button) {
  Point p;
  GetCursorPos(&p);
  if (!wm().rawInput.empty()) {
    for (auto it = wm().rawInput.rbegin(); it != wm().rawInput.rend(); ++it) {
      if (it->kind == RawKind::MouseMove) {
        p = it->pt;
        break;
      }
    }
  }
  QueueMouseButton(button, true, p);
}

void ReleaseButton(int button) {
  Point p;
  GetCursorPos(&p);
  for (auto it = wm().rawInput.rbegin(); it != wm().rawInput.rend(); ++it) {
    if (it->kind != RawKind::KeyDown && it->kind != RawKind::KeyUp) {
      p = it->pt;
      break;
    }
  }
  QueueMouseButton(button, false, p);
}

void Click(int x, int y, int button) {
  QueueMouseMove({x, y});
  QueueMouseButton(button, true, {x, y});
  QueueMouseButton(button, false, {x, y});
}

void DoubleClick(int x, int y, int button) {
  Click(x, y, button);
  QueueMouseButton(button, true, {x, y});
  QueueMouseButton(button, false, {x, y});
}

void Wheel(int delta) {
  Point p;
  GetCursorPos(&p);
  QueueMouseWheel(delta, p);
}

void PressKey(int vk) {
  HeadlessBackend& b = Headless();
  if (vk == VK_SHIFT || vk == VK_LSHIFT || vk == VK_RSHIFT) b.shift = true;
  if (vk == VK_CONTROL || vk == VK_LCONTROL || vk == VK_RCONTROL) b.control = true;
  if (vk == VK_MENU || vk == VK_LMENU || vk == VK_RMENU) b.alt = true;
  if (vk == VK_CAPITAL) b.capsLock = !b.capsLock;
  QueueKey(vk, vk & 0x7F, extendedKey(vk), true, typedBy(vk, b));
}

void ReleaseKey(int vk) {
  HeadlessBackend& b = Headless();
  if (vk == VK_SHIFT || vk == VK_LSHIFT || vk == VK_RSHIFT) b.shift = false;
  if (vk == VK_CONTROL || vk == VK_LCONTROL || vk == VK_RCONTROL) b.control = false;
  if (vk == VK_MENU || vk == VK_LMENU || vk == VK_RMENU) b.alt = false;
  QueueKey(vk, vk & 0x7F, extendedKey(vk), false, {});
}

void TypeKey(int vk) {
  PressKey(vk);
  ReleaseKey(vk);
}

void TypeText(const std::u16string& text) {
  HeadlessBackend& b = Headless();
  for (char16_t c : text) {
    int vk = 0;
    bool shift = false;
    if (!keyFor(c, vk, shift)) {
      QueueKey(VK_PACKET, 0, false, true, std::u16string(1, c));
      QueueKey(VK_PACKET, 0, false, false, {});
      continue;
    }
    bool held = b.shift;
    if (shift && !held) PressKey(VK_SHIFT);
    if (!shift && held) ReleaseKey(VK_SHIFT);
    TypeKey(vk);
    if (shift && !held) ReleaseKey(VK_SHIFT);
    if (!shift && held) PressKey(VK_SHIFT);
  }
}

namespace {

int shownKey(HWND hwnd, UINT id) {
  for (const NotifyIconRecord& r : NotifyIcons()) {
    if (r.hwnd != hwnd || r.id != id) continue;
    for (const HeadlessNotifyIcon& i : Headless().notifyIcons()) {
      if (i.key == r.key) return r.key;
    }
  }
  return 0;
}

}  // namespace

bool ClickNotifyIcon(HWND hwnd, UINT id, int button) {
  int key = shownKey(hwnd, id);
  if (!key) return false;
  NotifyIconButton(key, button, true);
  NotifyIconButton(key, button, false);
  return true;
}

bool DoubleClickNotifyIcon(HWND hwnd, UINT id, int button) {
  if (!ClickNotifyIcon(hwnd, id, button)) return false;
  return ClickNotifyIcon(hwnd, id, button);
}

}  // namespace headless
}  // namespace z5t8::platform::gui
