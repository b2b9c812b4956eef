#include "platform/gui/x11/X11Backend.h"

#include <poll.h>
#include <time.h>

#include <algorithm>
#include <map>
#include <optional>
#include <string>
#include <vector>

#include "platform/gui/Cursor.h"
#include "platform/gui/Icon.h"
#include "platform/gui/NotifyIcon.h"
#include "platform/gui/OverlayChanges.h"
#include "platform/gui/Window.h"
#include "platform/gui/WindowStyles.h"
#include "platform/gui/x11/X11Images.h"
#include "platform/gui/x11/X11Keyboard.h"
#include "platform/gui/x11/X11Properties.h"
#include "platform/gui/x11/X11Tray.h"

#include <X11/XKBlib.h>
#include <X11/Xatom.h>
#include <X11/Xlib.h>
#include <X11/Xutil.h>
#include <X11/cursorfont.h>
#include <X11/extensions/XShm.h>
#include <X11/extensions/Xrandr.h>
#include <X11/extensions/shape.h>

namespace z5t8::platform::gui {

namespace {

// Protocol errors (a window the server already dropped, shared memory a remote
// server cannot reach) must not end the program; the code is kept for whoever
// checks right after a request.
}  // namespace

int lastXError = 0;

namespace {

int onXError(Display*, XErrorEvent* e) {
  lastXError = e->error_code;
  return 0;
}

uint64_t monotonicMs() {
  timespec ts;
  clock_gettime(CLOCK_MONOTONIC, &ts);
  return uint64_t(ts.tv_sec) * 1000 + uint64_t(ts.tv_nsec) / 1000000;
}

unsigned int fontCursor(int id) {
  switch (id) {
    case IDC_IBEAM:
      return XC_xterm;
    case IDC_WAIT:
      return XC_watch;
    case IDC_CROSS:
      return XC_crosshair;
    case IDC_UPARROW:
      return XC_sb_up_arrow;
    case IDC_SIZENWSE:
      return XC_bottom_right_corner;
    case IDC_SIZENESW:
      return XC_bottom_left_corner;
    case IDC_SIZEWE:
      return XC_sb_h_double_arrow;
    case IDC_SIZENS:
      return XC_sb_v_double_arrow;
    case IDC_SIZEALL:
      return XC_fleur;
    case IDC_NO:
      return XC_X_cursor;
    case IDC_HAND:
      return XC_hand2;
    case IDC_APPSTARTING:
      return XC_watch;
    case IDC_HELP:
      return XC_question_arrow;
    default:
      return XC_left_ptr;
  }
}

struct Native {
  Window xid = 0;
  GC gc = nullptr;
  bool mapped = false;
  bool wantVisible = false;
  bool iconic = false;  // minimized by the window system
  bool menu = false;    // override-redirect: never managed, never focused
  // Where we last placed the window, and the request that did it: older
  // configure events are echoes of our own moves.
  Rect placed;
  unsigned long configureSerial = 0;
  bool framed = false;  // reparented into a window manager's frame
  std::unique_ptr<ShmImage> shm;
};

class X11Backend : public Backend {
public:
  explicit X11Backend(Display* d) : display_(d) {
    screen_ = DefaultScreen(d);
    root_ = RootWindow(d, screen_);
    visual_ = DefaultVisual(d, screen_);
    depth_ = DefaultDepth(d, screen_);
    int major, minor;
    Bool pixmaps;
    shm_ = XShmQueryVersion(d, &major, &minor, &pixmaps) && depth_ >= 24;
    int eventBase, errorBase;
    shape_ = XShapeQueryExtension(d, &eventBase, &errorBase);
    // Screen size changes reach the windows as WM_DISPLAYCHANGE.
    if (XRRQueryExtension(d, &randrEventBase_, &errorBase)) {
      randr_ = true;
      XRRSelectInput(d, root_, RRScreenChangeNotifyMask);
    }
    screenSize_ = {DisplayWidth(d, screen_), DisplayHeight(d, screen_)};
    wmDelete_ = XInternAtom(d, "WM_DELETE_WINDOW", False);
    wmProtocols_ = XInternAtom(d, "WM_PROTOCOLS", False);
    netWmName_ = XInternAtom(d, "_NET_WM_NAME", False);
    utf8String_ = XInternAtom(d, "UTF8_STRING", False);
    netWmIcon_ = XInternAtom(d, "_NET_WM_ICON", False);
    netWmState_ = XInternAtom(d, "_NET_WM_STATE", False);
    netWmStateAbove_ = XInternAtom(d, "_NET_WM_STATE_ABOVE", False);
    motifHints_ = XInternAtom(d, "_MOTIF_WM_HINTS", False);
    netWorkArea_ = XInternAtom(d, "_NET_WORKAREA", False);
    tray_.emplace(d, screen_, root_, visual_, depth_);
    // A held key repeats as presses only, as the window system reports it.
    Bool detectable = False;
    XkbSetDetectableAutoRepeat(d, True, &detectable);
    overlayGc_ = XCreateGC(d, root_, 0, nullptr);
    XSetFunction(d, overlayGc_, GXxor);
    XSetSubwindowMode(d, overlayGc_, IncludeInferiors);
  }

  ~X11Backend() override {
    tray_.reset();
    for (auto& [h, n] : windows_) destroyNative(n);
    for (auto& [id, c] : cursors_) XFreeCursor(display_, c);
    XFreeGC(display_, overlayGc_);
    XCloseDisplay(display_);
  }

  Size screenSize() const override { return screenSize_; }

  Rect workArea() const override {
    Size s = screenSize();
    Rect full{0, 0, s.cx, s.cy};
    Atom type;
    int format;
    unsigned long count, after;
    unsigned char* data = nullptr;
    if (XGetWindowProperty(display_, root_, netWorkArea_, 0, 4, False, XA_CARDINAL, &type, &format, &count,
                           &after, &data) == Success &&
        data && count >= 4 && format == 32) {
      auto* v = reinterpret_cast<long*>(data);
      Rect r = rectFromSize(int(v[0]), int(v[1]), int(v[2]), int(v[3]));
      XFree(data);
      Rect clipped = intersectRect(r, full);
      return clipped.isEmpty() ? full : clipped;
    }
    if (data) XFree(data);
    return full;
  }

  uint64_t now() override { return monotonicMs(); }

  void sleep(uint32_t ms) override {
    timespec ts{time_t(ms / 1000), long(ms % 1000) * 1000000L};
    while (nanosleep(&ts, &ts) != 0) {
    }
  }

  bool wait(int64_t timeoutMs, bool) override {
    XFlush(display_);
    if (!XPending(display_)) {
      pollfd p{ConnectionNumber(display_), POLLIN, 0};
      ::poll(&p, 1, timeoutMs < 0 ? -1 : int(std::min<int64_t>(timeoutMs, 1 << 30)));
    }
    poll();
    return true;
  }

  void poll() override {
    while (XPending(display_)) {
      XEvent e;
      XNextEvent(display_, &e);
      handle(e);
    }
  }

  bool readScreen(const Rect& area, Surface& out) override {
    XImage* image = XGetImage(display_, root_, area.left, area.top, unsigned(area.width()),
                              unsigned(area.height()), AllPlanes, ZPixmap);
    if (!image) return false;
    out = SurfaceFromXImage(*image);
    XDestroyImage(image);
    return true;
  }

  void windowCreated(HWND top) override {
    bool menu =
        IsMenuStyle(DWORD(GetWindowLongPtrW(top, GWL_STYLE)), DWORD(GetWindowLongPtrW(top, GWL_EXSTYLE)));
    XSetWindowAttributes a{};
    a.background_pixmap = None;
    a.bit_gravity = NorthWestGravity;
    a.event_mask = ExposureMask | KeyPressMask | KeyReleaseMask | ButtonPressMask | ButtonReleaseMask |
                   PointerMotionMask | FocusChangeMask | StructureNotifyMask | EnterWindowMask |
                   LeaveWindowMask;
    // A menu opens where it is asked to, at once and above everything: the
    // window manager must neither place, frame nor focus it.
    a.override_redirect = menu ? True : False;
    Native n;
    n.menu = menu;
    n.xid = XCreateWindow(display_, root_, 0, 0, 1, 1, 0, CopyFromParent, InputOutput, CopyFromParent,
                          CWBackPixmap | CWBitGravity | CWEventMask | CWOverrideRedirect, &a);
    n.gc = XCreateGC(display_, n.xid, 0, nullptr);
    if (menu) {
      Atom type = XInternAtom(display_, "_NET_WM_WINDOW_TYPE", False);
      Atom popup = XInternAtom(display_, "_NET_WM_WINDOW_TYPE_POPUP_MENU", False);
      XChangeProperty(display_, n.xid, type, XA_ATOM, 32, PropModeReplace,
                      reinterpret_cast<unsigned char*>(&popup), 1);
    } else {
      XSetWMProtocols(display_, n.xid, &wmDelete_, 1);
      // No decorations: the window draws its own frame.
      long hints[5] = {2, 0, 0, 0, 0};
      XChangeProperty(display_, n.xid, motifHints_, motifHints_, 32, PropModeReplace,
                      reinterpret_cast<unsigned char*>(hints), 5);
      XWMHints wmh{};
      wmh.flags = InputHint;
      wmh.input = True;
      XSetWMHints(display_, n.xid, &wmh);
    }
    XDefineCursor(display_, n.xid, cursorFor(cursor_));
    byX_[n.xid] = top;
    windows_[top] = std::move(n);
  }

  void windowDestroyed(HWND top) override {
    auto it = windows_.find(top);
    if (it == windows_.end()) return;
    byX_.erase(it->second.xid);
    destroyNative(it->second);
    windows_.erase(it);
    if (grab_ == top) grab_ = nullptr;
  }

  void windowMoved(HWND top, const Rect& r) override {
    Native* n = native(top);
    if (!n || r.width() <= 0 || r.height() <= 0) return;
    XSizeHints sh{};
    sh.flags = USPosition | USSize | PPosition | PSize;
    sh.x = r.left;
    sh.y = r.top;
    sh.width = r.width();
    sh.height = r.height();
    XSetWMNormalHints(display_, n->xid, &sh);
    n->configureSerial = NextRequest(display_);
    n->placed = r;
    XMoveResizeWindow(display_, n->xid, r.left, r.top, unsigned(r.width()), unsigned(r.height()));
  }

  void windowShown(HWND top, bool visible) override {
    Native* n = native(top);
    if (!n) return;
    n->wantVisible = visible;
    if (visible) {
      XMapRaised(display_, n->xid);
    } else {
      XUnmapWindow(display_, n->xid);
    }
    n->mapped = visible;
  }

  void windowShapeChanged(HWND top, const Region* shape) override {
    Native* n = native(top);
    if (!n || !shape_) return;
    if (!shape) {
      XShapeCombineMask(display_, n->xid, ShapeBounding, 0, 0, None, ShapeSet);
      return;
    }
    std::vector<XRectangle> rects;
    for (const Rect& r : shape->rects())
      rects.push_back({short(r.left), short(r.top), (unsigned short)r.width(), (unsigned short)r.height()});
    XShapeCombineRectangles(display_, n->xid, ShapeBounding, 0, 0, rects.data(), int(rects.size()), ShapeSet,
                            Unsorted);
  }

  void windowTextChanged(HWND top, const std::u16string& text) override {
    Native* n = native(top);
    if (!n) return;
    SetX11WindowName(display_, n->xid, netWmName_, utf8String_, text);
  }

  void windowIconChanged(HWND top, const Icon* icon) override {
    Native* n = native(top);
    if (!n) return;
    if (!icon || icon->width() <= 0) {
      XDeleteProperty(display_, n->xid, netWmIcon_);
      return;
    }
    std::vector<long> data{icon->width(), icon->height()};
    for (uint32_t p : icon->argb()) data.push_back(long(p));
    XChangeProperty(display_, n->xid, netWmIcon_, XA_CARDINAL, 32, PropModeReplace,
                    reinterpret_cast<unsigned char*>(data.data()), int(data.size()));
  }

  void windowStateChanged(HWND top, bool minimized, bool) override {
    Native* n = native(top);
    if (!n) return;
    n->iconic = minimized;
    if (minimized) {
      XIconifyWindow(display_, n->xid, screen_);
    } else if (n->wantVisible) {
      XMapRaised(display_, n->xid);
    }
  }

  void windowOrderChanged(const std::vector<HWND>& order) override {
    std::vector<Window> stack;
    for (HWND h : order) {
      if (Native* n = native(h)) stack.push_back(n->xid);
    }
    if (!stack.empty()) XRestackWindows(display_, stack.data(), int(stack.size()));
  }

  void windowActivated(HWND top) override {
    Native* n = native(top);
    if (!n || !n->mapped || n->menu) return;
    XRaiseWindow(display_, n->xid);
    XWindowAttributes a;
    if (XGetWindowAttributes(display_, n->xid, &a) && a.map_state == IsViewable) {
      focusSerial_ = NextRequest(display_);
      XSetInputFocus(display_, n->xid, RevertToParent, CurrentTime);
    }
  }

  void windowTopmostChanged(HWND top, bool topmost) override {
    Native* n = native(top);
    if (!n) return;
    XEvent e{};
    e.xclient.type = ClientMessage;
    e.xclient.window = n->xid;
    e.xclient.message_type = netWmState_;
    e.xclient.format = 32;
    e.xclient.data.l[0] = topmost ? 1 : 0;
    e.xclient.data.l[1] = long(netWmStateAbove_);
    e.xclient.data.l[3] = 1;
    XSendEvent(display_, root_, False, SubstructureRedirectMask | SubstructureNotifyMask, &e);
  }

  void present(HWND top, const Surface& s, const Rect& dirty) override {
    Native* n = native(top);
    Rect r = intersectRect(dirty, s.bounds());
    if (!n || r.isEmpty() || s.isEmpty()) return;
    if (shm_) {
      if (!n->shm || n->shm->width() != s.width() || n->shm->height() != s.height())
        n->shm = std::make_unique<ShmImage>(display_, visual_, depth_, s.width(), s.height());
      if (n->shm->ok()) {
        XImage* img = n->shm->image();
        for (int y = r.top; y < r.bottom; ++y)
          std::copy_n(
              s.scanLine(y) + r.left, r.width(),
              reinterpret_cast<uint32_t*>(img->data + size_t(y) * size_t(img->bytes_per_line)) + r.left);
        XShmPutImage(display_, n->xid, n->gc, img, r.left, r.top, r.left, r.top, unsigned(r.width()),
                     unsigned(r.height()), False);
        XFlush(display_);
        return;
      }
      shm_ = false;
    }
    PutSurface(display_, visual_, depth_, n->xid, n->gc, s, r);
    XFlush(display_);
  }

  void captureChanged(HWND top) override {
    if (grab_) XUngrabPointer(display_, CurrentTime);
    if (keyboardGrabbed_) XUngrabKeyboard(display_, CurrentTime);
    grab_ = nullptr;
    keyboardGrabbed_ = false;
    Native* n = native(top);
    if (!n || !n->mapped) return;
    unsigned mask = ButtonPressMask | ButtonReleaseMask | PointerMotionMask;
    if (XGrabPointer(display_, n->xid, True, mask, GrabModeAsync, GrabModeAsync, None, None, CurrentTime) ==
        GrabSuccess)
      grab_ = top;
    // A menu takes the keys too, even when another program has the focus.
    if (n->menu)
      keyboardGrabbed_ =
          XGrabKeyboard(display_, n->xid, True, GrabModeAsync, GrabModeAsync, CurrentTime) == GrabSuccess;
  }

  void cursorChanged(int id) override {
    cursor_ = id;
    for (auto& [h, n] : windows_) XDefineCursor(display_, n.xid, cursorFor(id));
  }

  void cursorMoved(Point p) override { XWarpPointer(display_, None, root_, 0, 0, 0, 0, p.x, p.y); }

  void overlayChanged(const Surface& overlay, const Rect& dirty) override {
    Surface diff;
    Rect r;
    if (changes_.take(overlay, dirty, diff, r))
      PutSurface(display_, visual_, depth_, root_, overlayGc_, diff, diff.bounds(), r.left, r.top);
    XFlush(display_);
  }

  bool hasNotifyArea() override { return tray_->hasNotifyArea(); }

  bool notifyIconAdded(int key, const Icon* icon, const std::u16string& tip) override {
    return tray_->add(key, icon, tip);
  }

  void notifyIconChanged(int key, const Icon* icon, const std::u16string& tip) override {
    tray_->change(key, icon, tip);
  }

  void notifyIconRemoved(int key) override { tray_->remove(key); }

private:
  Native* native(HWND h) {
    auto it = windows_.find(h);
    return it == windows_.end() ? nullptr : &it->second;
  }

  void destroyNative(Native& n) {
    n.shm.reset();
    if (n.gc) XFreeGC(display_, n.gc);
    if (n.xid) XDestroyWindow(display_, n.xid);
    n.gc = nullptr;
    n.xid = 0;
  }

  Cursor cursorFor(int id) {
    unsigned shape = fontCursor(id);
    auto it = cursors_.find(shape);
    if (it != cursors_.end()) return it->second;
    Cursor c = XCreateFontCursor(display_, shape);
    cursors_[shape] = c;
    return c;
  }

  HWND hwndOf(Window w) const {
    auto it = byX_.find(w);
    return it == byX_.end() ? nullptr : it->second;
  }

  void handle(XEvent& e) {
    if (randr_ && e.type == randrEventBase_ + RRScreenChangeNotify) {
      XRRUpdateConfiguration(&e);
      Size now{DisplayWidth(display_, screen_), DisplayHeight(display_, screen_)};
      // A rotation or a refresh change of the same size is no display change to us.
      if (now.cx != screenSize_.cx || now.cy != screenSize_.cy) {
        screenSize_ = now;
        NotifyDisplayChanged(now);
      }
      return;
    }
    if (tray_->handle(e)) return;
    HWND h = hwndOf(e.xany.window);
    switch (e.type) {
      case Expose:
        if (h) NotifyExposed(h, rectFromSize(e.xexpose.x, e.xexpose.y, e.xexpose.width, e.xexpose.height));
        break;
      case MotionNotify:
        QueueMouseMove({e.xmotion.x_root, e.xmotion.y_root});
        break;
      // Leaving for the desktop: the window system must learn the mouse is gone.
      case LeaveNotify:
        if (e.xcrossing.mode == NotifyNormal) QueueMouseMove({e.xcrossing.x_root, e.xcrossing.y_root});
        break;
      case ReparentNotify: {
        if (Native* n = h ? native(h) : nullptr) n->framed = e.xreparent.parent != root_;
        break;
      }
      case ConfigureNotify: {
        Native* n = h ? native(h) : nullptr;
        if (!n || e.xany.serial < n->configureSerial) break;
        // A real notice of a window in a frame tells where it sits in the
        // frame; the window manager's own (synthetic) notices give its place
        // on the screen. Translating the real one when it arrives read a frame
        // that might not be placed yet, and a box went to the screen's corner:
        // in a frame it keeps the place and tells the size alone.
        int x = e.xconfigure.x, y = e.xconfigure.y;
        if (n->framed && !e.xconfigure.send_event) {
          x = n->placed.left;
          y = n->placed.top;
        }
        Rect r = rectFromSize(x, y, e.xconfigure.width, e.xconfigure.height);
        if (r != n->placed) {
          n->placed = r;
          NotifyMoved(h, r);
        }
        break;
      }
      case ButtonPress:
      case ButtonRelease: {
        Point p{e.xbutton.x_root, e.xbutton.y_root};
        unsigned b = e.xbutton.button;
        if (b == Button4 || b == Button5) {
          if (e.type == ButtonPress) QueueMouseWheel(b == Button4 ? 120 : -120, p);
          break;
        }
        int button = b == Button1 ? 0 : b == Button3 ? 1 : b == Button2 ? 2 : -1;
        if (button >= 0) {
          QueueMouseMove(p);
          QueueMouseButton(button, e.type == ButtonPress, p);
        }
        break;
      }
      case KeyPress:
      case KeyRelease: {
        char buf[8];
        KeySym sym = 0;
        int n = XLookupString(&e.xkey, buf, sizeof buf, &sym, nullptr);
        int vk = X11VirtualKey(sym);
        if (!vk) {
          KeySym plain = XLookupKeysym(&e.xkey, 0);
          vk = X11VirtualKey(plain);
        }
        std::u16string text = e.type == KeyPress ? X11KeyText(sym, buf, n) : std::u16string();
        if (vk || !text.empty())
          QueueKey(vk ? vk : 0xE7, int(e.xkey.keycode), X11ExtendedKey(sym), e.type == KeyPress, text);
        break;
      }
      // Focus changes from before our own last focus request are stale.
      case FocusIn:
        if (h && e.xany.serial >= focusSerial_) NotifyFocusChanged(h, true);
        break;
      case FocusOut:
        if (h && e.xany.serial >= focusSerial_ && e.xfocus.mode != NotifyGrab &&
            e.xfocus.mode != NotifyUngrab)
          NotifyFocusChanged(h, false);
        break;
      // A window manager iconifies by unmapping and restores by mapping.
      case UnmapNotify:
        if (Native* n = h ? native(h) : nullptr; n && n->wantVisible && !n->iconic) NotifyIconified(h, true);
        break;
      case MapNotify:
        if (Native* n = h ? native(h) : nullptr; n && n->iconic) NotifyIconified(h, false);
        break;
      case ClientMessage:
        if (h && e.xclient.message_type == wmProtocols_ && Atom(e.xclient.data.l[0]) == wmDelete_)
          NotifyCloseRequested(h);
        break;
      default:
        break;
    }
  }

  Display* display_;
  int screen_;
  Window root_;
  Visual* visual_;
  int depth_;
  bool shm_ = false;
  bool shape_ = false;
  bool randr_ = false;
  int randrEventBase_ = 0;
  Size screenSize_;
  Atom wmDelete_, wmProtocols_, netWmName_, utf8String_, netWmIcon_, netWmState_, netWmStateAbove_,
      motifHints_, netWorkArea_;
  std::optional<X11Tray> tray_;
  GC overlayGc_;
  OverlayChanges changes_;
  std::map<HWND, Native> windows_;
  std::map<Window, HWND> byX_;
  std::map<unsigned, Cursor> cursors_;
  HWND grab_ = nullptr;
  bool keyboardGrabbed_ = false;
  int cursor_ = IDC_ARROW;
  unsigned long focusSerial_ = 0;
};

}  // namespace

std::unique_ptr<Backend> OpenX11Backend(const std::string& displayName, std::string& error) {
  XSetErrorHandler(onXError);
  Display* d = XOpenDisplay(displayName.empty() ? nullptr : displayName.c_str());
  if (!d) {
    error = "cannot open the X11 display \"" + displayName + "\"";
    return nullptr;
  }
  // Surfaces go to the screen as they are: blue, green, red and a pad byte.
  Visual* v = DefaultVisual(d, DefaultScreen(d));
  if (DefaultDepth(d, DefaultScreen(d)) < 24 || v->c_class != TrueColor || v->red_mask != 0xFF0000 ||
      v->green_mask != 0xFF00 || v->blue_mask != 0xFF) {
    XCloseDisplay(d);
    error = "the X11 display \"" + displayName + "\" has no 24-bit true-colour visual";
    return nullptr;
  }
  return std::make_unique<X11Backend>(d);
}

}  // namespace z5t8::platform::gui
