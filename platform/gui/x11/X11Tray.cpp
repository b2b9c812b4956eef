#include "platform/gui/x11/X11Tray.h"

#include <algorithm>
#include <vector>

#include "platform/gui/Backend.h"
#include "platform/gui/NotifyIcon.h"
#include "platform/gui/x11/X11Images.h"
#include "platform/gui/x11/X11Properties.h"

#include <X11/Xutil.h>

namespace z5t8::platform::gui {

X11Tray::X11Tray(Display* d, int screen, Window root, Visual* visual, int depth)
    : display_(d), root_(root), visual_(visual), depth_(depth) {
  netWmName_ = XInternAtom(d, "_NET_WM_NAME", False);
  utf8String_ = XInternAtom(d, "UTF8_STRING", False);
  trayOwner_ = XInternAtom(d, ("_NET_SYSTEM_TRAY_S" + std::to_string(screen)).c_str(), False);
  trayOpcode_ = XInternAtom(d, "_NET_SYSTEM_TRAY_OPCODE", False);
  xembedInfo_ = XInternAtom(d, "_XEMBED_INFO", False);
  manager_ = XInternAtom(d, "MANAGER", False);
  // A tray manager that starts later announces itself on the root window.
  XSelectInput(d, root, StructureNotifyMask);
}

X11Tray::~X11Tray() {
  for (auto& [key, t] : trayIcons_) {
    XFreeGC(display_, t.gc);
    XDestroyWindow(display_, t.xid);
  }
}

bool X11Tray::add(int key, const Icon* icon, const std::u16string& tip) {
  Window manager = trayManager();
  if (manager == None) return false;
  XSetWindowAttributes a{};
  a.background_pixmap = ParentRelative;
  a.event_mask = ExposureMask | ButtonPressMask | ButtonReleaseMask | PointerMotionMask | StructureNotifyMask;
  TrayIcon t;
  t.xid = XCreateWindow(display_, root_, 0, 0, kTrayIconSize, kTrayIconSize, 0, CopyFromParent, InputOutput,
                        CopyFromParent, CWBackPixmap | CWEventMask, &a);
  t.gc = XCreateGC(display_, t.xid, 0, nullptr);
  // Version 0, and mapped as soon as the tray takes it in.
  long info[2] = {0, 1};
  XChangeProperty(display_, t.xid, xembedInfo_, xembedInfo_, 32, PropModeReplace,
                  reinterpret_cast<unsigned char*>(info), 2);
  // Embedders size the icon from its size hints.
  XSizeHints sh{};
  sh.flags = PMinSize | PBaseSize | PSize;
  sh.width = sh.min_width = sh.base_width = kTrayIconSize;
  sh.height = sh.min_height = sh.base_height = kTrayIconSize;
  XSetWMNormalHints(display_, t.xid, &sh);
  XClassHint cls{const_cast<char*>("z5t8"), const_cast<char*>("Z5T8")};
  XSetClassHint(display_, t.xid, &cls);
  trayByX_[t.xid] = key;
  auto& placed = trayIcons_[key] = std::move(t);
  setTrayIcon(placed, icon, tip);
  dock(placed, manager);
  return true;
}

void X11Tray::change(int key, const Icon* icon, const std::u16string& tip) {
  auto it = trayIcons_.find(key);
  if (it == trayIcons_.end()) return;
  setTrayIcon(it->second, icon, tip);
  XClearArea(display_, it->second.xid, 0, 0, 0, 0, True);
  XFlush(display_);
}

void X11Tray::remove(int key) {
  auto it = trayIcons_.find(key);
  if (it == trayIcons_.end()) return;
  trayByX_.erase(it->second.xid);
  XFreeGC(display_, it->second.gc);
  XDestroyWindow(display_, it->second.xid);
  trayIcons_.erase(it);
  XFlush(display_);
}

Window X11Tray::trayManager() {
  Window w = XGetSelectionOwner(display_, trayOwner_);
  // To learn when it goes away, and with it the icons it held.
  if (w != None && w != watchedManager_) {
    XSelectInput(display_, w, StructureNotifyMask);
    watchedManager_ = w;
  }
  return w;
}

// The freedesktop system-tray request: the manager embeds the window (XEmbed).
void X11Tray::dock(const TrayIcon& t, Window manager) {
  XEvent e{};
  e.xclient.type = ClientMessage;
  e.xclient.window = manager;
  e.xclient.message_type = trayOpcode_;
  e.xclient.format = 32;
  e.xclient.data.l[0] = CurrentTime;
  e.xclient.data.l[1] = 0;  // SYSTEM_TRAY_REQUEST_DOCK
  e.xclient.data.l[2] = long(t.xid);
  XSendEvent(display_, manager, False, NoEventMask, &e);
  XFlush(display_);
}

void X11Tray::setTrayIcon(TrayIcon& t, const Icon* icon, const std::u16string& tip) {
  t.icon = icon ? std::optional<Icon>(*icon) : std::nullopt;
  SetX11WindowName(display_, t.xid, netWmName_, utf8String_, tip);
}

// The icon centred in the place the tray gave; pixels the icon leaves
// clear show the tray behind (the window's background is its parent's).
void X11Tray::paintTrayIcon(const TrayIcon& t) {
  XClearWindow(display_, t.xid);
  if (!t.icon || t.icon->width() <= 0 || t.icon->height() <= 0) return;
  XWindowAttributes a;
  if (!XGetWindowAttributes(display_, t.xid, &a) || a.width <= 0 || a.height <= 0) return;
  const Icon& icon = *t.icon;
  const Surface& c = icon.color();
  // Smaller icons keep their pixels; only a larger one is scaled down to fit.
  int side = std::min({a.width, a.height, std::max(c.width(), c.height())});
  Surface pixels(side, side);
  int bytesPerRow = (side + 7) / 8;
  std::vector<unsigned char> bits(size_t(bytesPerRow) * size_t(side), 0);
  for (int y = 0; y < side; ++y) {
    int sy = y * c.height() / side;
    for (int x = 0; x < side; ++x) {
      int sx = x * c.width() / side;
      uint32_t p = c.pixel(sx, sy);
      bool opaque;
      if (icon.hasAlpha()) {
        opaque = (p >> 24) >= 0x80;
      } else {
        size_t i = size_t(sy) * size_t(c.width()) + size_t(sx);
        opaque = !(i < icon.mask().size() && icon.mask()[i]);
      }
      pixels.scanLine(y)[x] = p & 0x00FFFFFFu;
      if (opaque) bits[size_t(y) * size_t(bytesPerRow) + size_t(x / 8)] |= (unsigned char)(1u << (x % 8));
    }
  }
  int ox = (a.width - side) / 2, oy = (a.height - side) / 2;
  Pixmap mask = XCreateBitmapFromData(display_, t.xid, reinterpret_cast<char*>(bits.data()), unsigned(side),
                                      unsigned(side));
  XSetClipMask(display_, t.gc, mask);
  XSetClipOrigin(display_, t.gc, ox, oy);
  PutSurface(display_, visual_, depth_, t.xid, t.gc, pixels, pixels.bounds(), ox, oy);
  XSetClipMask(display_, t.gc, None);
  XFreePixmap(display_, mask);
  XFlush(display_);
}

bool X11Tray::handle(XEvent& e) {
  if (e.type == ClientMessage && e.xclient.window == root_ && e.xclient.message_type == manager_ &&
      Atom(e.xclient.data.l[1]) == trayOwner_) {
    // A new tray manager: it takes every icon the last one held.
    if (Window m = trayManager(); m != None)
      for (auto& [key, t] : trayIcons_) dock(t, m);
    return true;
  }
  if (e.type == DestroyNotify && e.xdestroywindow.window == watchedManager_) {
    watchedManager_ = None;
    return true;
  }
  auto it = trayByX_.find(e.xany.window);
  if (it == trayByX_.end()) return false;
  int key = it->second;
  auto icon = trayIcons_.find(key);
  if (icon == trayIcons_.end()) return true;
  switch (e.type) {
    case Expose:
      if (e.xexpose.count == 0) paintTrayIcon(icon->second);
      break;
    case ButtonPress:
    case ButtonRelease: {
      unsigned b = e.xbutton.button;
      int button = b == Button1 ? 0 : b == Button3 ? 1 : b == Button2 ? 2 : -1;
      if (button >= 0) NotifyIconButton(key, button, e.type == ButtonPress);
      break;
    }
    case MotionNotify:
      NotifyIconMouseMove(key);
      break;
    // A tray that goes away hands the icon back to the root window; it must
    // not stay there as a stray square on the desktop.
    case ReparentNotify:
      if (e.xreparent.parent == root_) XUnmapWindow(display_, icon->second.xid);
      break;
    default:
      break;
  }
  return true;
}

}  // namespace z5t8::platform::gui
