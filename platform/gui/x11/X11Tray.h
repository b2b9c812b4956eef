#pragma once

#include <map>
#include <optional>
#include <string>

#include "platform/gui/Icon.h"

#include <X11/Xlib.h>

namespace z5t8::platform::gui {

// The notification-area icons on the freedesktop system tray: each icon is a
// small window the tray manager embeds (XEmbed). Follows the manager as it
// comes and goes, and turns the icons' input into notify-icon notifications.
class X11Tray {
public:
  X11Tray(Display* d, int screen, Window root, Visual* visual, int depth);
  ~X11Tray();
  X11Tray(const X11Tray&) = delete;
  X11Tray& operator=(const X11Tray&) = delete;

  bool hasNotifyArea() { return trayManager() != None; }
  bool add(int key, const Icon* icon, const std::u16string& tip);
  void change(int key, const Icon* icon, const std::u16string& tip);
  void remove(int key);

  // True when the event was for a tray icon or the tray manager.
  bool handle(XEvent& e);

private:
  static constexpr int kTrayIconSize = 22;

  struct TrayIcon {
    Window xid = 0;
    GC gc = nullptr;
    std::optional<Icon> icon;
  };

  Window trayManager();
  void dock(const TrayIcon& t, Window manager);
  void setTrayIcon(TrayIcon& t, const Icon* icon, const std::u16string& tip);
  void paintTrayIcon(const TrayIcon& t);

  Display* display_;
  Window root_;
  Visual* visual_;
  int depth_;
  Atom netWmName_, utf8String_, trayOwner_, trayOpcode_, xembedInfo_, manager_;
  Window watchedManager_ = None;
  std::map<int, TrayIcon> trayIcons_;
  std::map<Window, int> trayByX_;
};

}  // namespace z5t8::platform::gui
