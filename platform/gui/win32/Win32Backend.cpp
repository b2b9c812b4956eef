#include "platform/gui/win32/Win32Backend.h"

#include <map>
#include <optional>

#include "platform/gui/Icon.h"
#include "platform/gui/Input.h"
#include "platform/gui/MessageQueue.h"
#include "platform/gui/Messages.h"
#include "platform/gui/OverlayChanges.h"
#include "platform/gui/Window.h"
#include "platform/gui/WindowStyles.h"
#include "platform/gui/win32/Win32Display.h"

namespace z5t8::platform::gui {

namespace {

using win32::NativeWindow;
using win32::WindowKind;
using win32::WindowTag;

WindowTag tagOf(HWND h) { return reinterpret_cast<WindowTag>(h); }
HWND hwndOf(WindowTag t) { return reinterpret_cast<HWND>(t); }

// The icon's pixels with their alpha; a masked icon's mask becomes the alpha.
std::optional<win32::IconImage> imageOf(const Icon* icon) {
  if (!icon || icon->width() <= 0 || icon->height() <= 0) return std::nullopt;
  return win32::IconImage{icon->width(), icon->height(), icon->argb()};
}

class Win32Backend final : public Backend, private win32::DisplayEvents {
public:
  bool open(std::string& error) {
    display_ = win32::Display::open(*this, error);
    return display_ != nullptr;
  }

  Size screenSize() const override { return display_->screenSize(); }
  Rect workArea() const override { return display_->workArea(); }
  uint64_t now() override { return display_->now(); }
  void sleep(uint32_t ms) override { display_->sleep(ms); }

  bool wait(int64_t timeoutMs, bool) override {
    display_->wait(timeoutMs);
    return true;
  }

  void poll() override { display_->poll(); }

  // A system window is made when ours is first shown or painted: windows
  // that never show (helpers, a form made again before it shows) cost a trip
  // to the system each, and several under Wine.
  void windowCreated(HWND top) override { windows_[top] = {}; }

  void windowDestroyed(HWND top) override {
    auto it = windows_.find(top);
    if (it == windows_.end()) return;
    if (it->second.native) display_->destroy(it->second.native);
    windows_.erase(it);
  }

  void windowMoved(HWND top, const Rect& rect) override {
    Top* t = find(top);
    if (!t) return;
    t->rect = rect;
    if (t->native) display_->move(t->native, rect);
  }

  void windowShown(HWND top, bool visible) override {
    NativeWindow n = visible ? realize(top) : native(top);
    if (n) display_->show(n, visible);
  }

  void windowShapeChanged(HWND top, const Region* shape) override {
    Top* t = find(top);
    if (!t) return;
    t->shape.reset();
    if (shape) {
      auto parts = shape->rects();
      t->shape.emplace(parts.begin(), parts.end());
    }
    if (t->native) display_->setShape(t->native, t->shape ? &*t->shape : nullptr);
  }

  void windowTextChanged(HWND top, const std::u16string& text) override {
    Top* t = find(top);
    if (!t) return;
    t->text = text;
    if (t->native) display_->setText(t->native, text);
  }

  void windowIconChanged(HWND top, const Icon* icon) override {
    Top* t = find(top);
    if (!t) return;
    t->icon = imageOf(icon);
    if (t->native) display_->setIcon(t->native, t->icon ? &*t->icon : nullptr);
  }

  void windowStateChanged(HWND top, bool minimized, bool) override {
    // Maximized is a size and place of ours within the work area; to the
    // system the window stays a normal one.
    Top* t = find(top);
    if (!t) return;
    t->minimized = minimized;
    if (t->native) display_->setMinimized(t->native, minimized);
  }

  void windowOrderChanged(const std::vector<HWND>& order) override {
    std::vector<NativeWindow> stack;
    for (HWND h : order) {
      if (NativeWindow n = native(h)) stack.push_back(n);
    }
    display_->restack(stack);
  }

  void windowActivated(HWND top) override {
    if (NativeWindow n = native(top)) display_->activate(n);
  }

  void windowTopmostChanged(HWND top, bool topmost) override {
    Top* t = find(top);
    if (!t) return;
    t->topmost = topmost;
    if (t->native) display_->setTopmost(t->native, topmost);
  }

  void present(HWND top, const Surface& surface, const Rect& dirty) override {
    NativeWindow n = realize(top);
    if (!n || surface.isEmpty()) return;
    display_->present(n, surface.bits(), surface.width(), surface.height(), dirty);
  }

  void captureChanged(HWND top) override { display_->setCapture(top ? realize(top) : nullptr); }
  void cursorChanged(int id) override { display_->setCursor(id); }
  void cursorMoved(Point p) override { display_->moveCursor(p); }

  void overlayChanged(const Surface& overlay, const Rect& dirty) override {
    Surface diff;
    Rect r;
    if (changes_.take(overlay, dirty, diff, r)) display_->xorScreen(diff.bits(), r);
  }

  bool readScreen(const Rect& area, Surface& out) override {
    if (area.isEmpty()) return false;
    Surface s(area.width(), area.height());
    if (!display_->readScreen(area, s.bits())) return false;
    out = std::move(s);
    return true;
  }

  bool hasNotifyArea() override { return display_->hasNotifyArea(); }

  bool notifyIconAdded(int key, const Icon* icon, const std::u16string& tip) override {
    std::optional<win32::IconImage> image = imageOf(icon);
    return display_->addNotifyIcon(key, image ? &*image : nullptr, tip);
  }

  void notifyIconChanged(int key, const Icon* icon, const std::u16string& tip) override {
    std::optional<win32::IconImage> image = imageOf(icon);
    display_->changeNotifyIcon(key, image ? &*image : nullptr, tip);
  }

  void notifyIconRemoved(int key) override { display_->removeNotifyIcon(key); }

private:
  // What the system window is to show, kept until there is one.
  struct Top {
    NativeWindow native = nullptr;
    Rect rect;
    std::u16string text;
    std::optional<win32::IconImage> icon;
    std::optional<std::vector<Rect>> shape;
    bool topmost = false;
    bool minimized = false;
  };

  Top* find(HWND h) {
    auto it = windows_.find(h);
    return it == windows_.end() ? nullptr : &it->second;
  }

  NativeWindow native(HWND h) {
    Top* t = find(h);
    return t ? t->native : nullptr;
  }

  NativeWindow realize(HWND top) {
    Top* t = find(top);
    if (!t) return nullptr;
    if (t->native) return t->native;
    DWORD style = DWORD(GetWindowLongPtrW(top, GWL_STYLE));
    DWORD exStyle = DWORD(GetWindowLongPtrW(top, GWL_EXSTYLE));
    // An owned window stays above its owner and has no task-bar button of its own.
    HWND owner = GetWindow(top, GW_OWNER);
    NativeWindow ownerNative = owner && owner != top ? realize(owner) : nullptr;
    WindowKind kind = IsMenuStyle(style, exStyle)    ? WindowKind::Menu
                      : (exStyle & WS_EX_TOOLWINDOW) ? WindowKind::Tool
                      : ownerNative                  ? WindowKind::Owned
                                                     : WindowKind::Main;
    NativeWindow n = display_->create(tagOf(top), kind, ownerNative);
    if (!n) return nullptr;
    t->native = n;
    display_->move(n, t->rect);
    if (!t->text.empty()) display_->setText(n, t->text);
    if (t->icon) display_->setIcon(n, &*t->icon);
    if (t->shape) display_->setShape(n, &*t->shape);
    if (t->topmost) display_->setTopmost(n, true);
    if (t->minimized) display_->setMinimized(n, true);
    return n;
  }

  // What the system reports becomes our input and our window manager's events.
  void mouseMoved(Point p) override { QueueMouseMove(p); }
  void mouseButton(int button, bool down, Point p) override { QueueMouseButton(button, down, p); }
  void mouseWheel(int delta, Point p) override { QueueMouseWheel(delta, p); }
  void key(int vk, int scan, bool extended, bool down, const std::u16string& chars) override {
    QueueKey(vk, scan, extended, down, chars);
  }
  void closeRequested(WindowTag w) override { NotifyCloseRequested(hwndOf(w)); }
  void focusChanged(WindowTag w, bool gained) override { NotifyFocusChanged(hwndOf(w), gained); }
  void iconified(WindowTag w, bool iconified) override { NotifyIconified(hwndOf(w), iconified); }
  void moved(WindowTag w, const Rect& rect) override { NotifyMoved(hwndOf(w), rect); }

  // As when the display takes a grab away: the window holding the mouse hears
  // WM_CAPTURECHANGED and ends its drag.
  void captureLost() override {
    if (GetCapture()) ReleaseCapture();
  }

  void cancelMode(WindowTag w) override {
    HWND h = hwndOf(w);
    if (IsWindow(h)) SendMessageW(h, WM_CANCELMODE, 0, 0);
    if (HWND c = GetCapture(); c && c != h && IsWindow(c)) SendMessageW(c, WM_CANCELMODE, 0, 0);
  }

  void displayChanged(Size screen) override { NotifyDisplayChanged(screen); }
  void notifyIconButton(int key, int button, bool down) override { NotifyIconButton(key, button, down); }
  void notifyIconMouseMove(int key) override { NotifyIconMouseMove(key); }

  std::unique_ptr<win32::Display> display_;
  std::map<HWND, Top> windows_;
  OverlayChanges changes_;
};

}  // namespace

std::unique_ptr<Backend> OpenWin32Backend(std::string& error) {
  auto b = std::make_unique<Win32Backend>();
  if (!b->open(error)) return nullptr;
  return b;
}

}  // namespace z5t8::platform::gui
