#include "platform/gui/win32/Win32Display.h"

#include <windows.h>
#include <shellapi.h>

#include <algorithm>
#include <map>

namespace z5t8::platform::gui::win32 {

namespace {

constexpr wchar_t kWindowClass[] = L"Z5T8Window";
constexpr wchar_t kNotifyClass[] = L"Z5T8NotifyArea";
constexpr UINT kNotifyCallback = WM_APP + 1;

// A top-down 32-bit DIB header for `width` × `height` pixels.
BITMAPINFO dibHeader(int width, int height) {
  BITMAPINFO bmi{};
  bmi.bmiHeader.biSize = sizeof(BITMAPINFOHEADER);
  bmi.bmiHeader.biWidth = width;
  bmi.bmiHeader.biHeight = -height;
  bmi.bmiHeader.biPlanes = 1;
  bmi.bmiHeader.biBitCount = 32;
  bmi.bmiHeader.biCompression = BI_RGB;
  return bmi;
}

// The pixels become an alpha icon: the colour bitmap carries the alpha, and the
// all-zero mask lets it speak.
HICON makeIcon(const IconImage* image) {
  if (!image || image->width <= 0 || image->height <= 0 ||
      image->argb.size() != size_t(image->width) * size_t(image->height))
    return nullptr;
  BITMAPINFO bmi = dibHeader(image->width, image->height);
  void* bits = nullptr;
  HDC screen = GetDC(nullptr);
  HBITMAP color = CreateDIBSection(screen, &bmi, DIB_RGB_COLORS, &bits, nullptr, 0);
  ReleaseDC(nullptr, screen);
  if (!color) return nullptr;
  std::copy(image->argb.begin(), image->argb.end(), static_cast<uint32_t*>(bits));
  HBITMAP mask = CreateBitmap(image->width, image->height, 1, 1, nullptr);
  ICONINFO info{};
  info.fIcon = TRUE;
  info.hbmColor = color;
  info.hbmMask = mask;
  HICON icon = mask ? CreateIconIndirect(&info) : nullptr;
  DeleteObject(color);
  if (mask) DeleteObject(mask);
  return icon;
}

Point screenPoint(HWND h, LPARAM lp) {
  POINT p{short(LOWORD(lp)), short(HIWORD(lp))};
  ClientToScreen(h, &p);
  return {int32_t(p.x), int32_t(p.y)};
}

struct Native {
  WindowTag tag = 0;
  WindowKind kind = WindowKind::Main;
  // What the window shows, so that the system's own repaints need nothing of us.
  std::vector<uint32_t> pixels;
  int width = 0;
  int height = 0;
  HICON icon = nullptr;
  std::vector<uint32_t> iconPixels;  // what `icon` shows, and its width
  // Where we last placed it: a position report of the same rectangle is our own.
  RECT placed{};
  bool minimized = false;
  bool trackingLeave = false;
};

struct NotifyIcon {
  HICON icon = nullptr;
  std::u16string tip;
};

class Win32Display final : public Display {
public:
  explicit Win32Display(DisplayEvents& events) : events_(events) {
    LARGE_INTEGER f;
    QueryPerformanceFrequency(&f);
    frequency_ = uint64_t(f.QuadPart);
    instance_ = GetModuleHandleW(nullptr);
    cursor_ = LoadCursorW(nullptr, MAKEINTRESOURCEW(32512));
    taskbarCreated_ = RegisterWindowMessageW(L"TaskbarCreated");
    screen_ = screenSize();
  }

  ~Win32Display() override {
    for (auto& [key, icon] : icons_) removeIcon(key, icon);
    for (auto& [h, n] : windows_) {
      SetWindowLongPtrW(h, GWLP_USERDATA, 0);
      DestroyWindow(h);
      if (n.icon) DestroyIcon(n.icon);
    }
    if (notifyWindow_) DestroyWindow(notifyWindow_);
    UnregisterClassW(kWindowClass, instance_);
    UnregisterClassW(kNotifyClass, instance_);
    current_ = nullptr;
  }

  bool registerClasses(std::string& error) {
    WNDCLASSEXW wc{};
    wc.cbSize = sizeof wc;
    wc.lpfnWndProc = &Win32Display::windowProc;
    wc.hInstance = instance_;
    wc.hCursor = nullptr;  // WM_SETCURSOR sets the frame's shapes
    wc.lpszClassName = kWindowClass;
    if (!RegisterClassExW(&wc)) {
      error = "cannot register the window class (error " + std::to_string(GetLastError()) + ")";
      return false;
    }
    WNDCLASSEXW nc{};
    nc.cbSize = sizeof nc;
    nc.lpfnWndProc = &Win32Display::notifyProc;
    nc.hInstance = instance_;
    nc.lpszClassName = kNotifyClass;
    if (!RegisterClassExW(&nc)) {
      error = "cannot register the notification window class (error " + std::to_string(GetLastError()) + ")";
      return false;
    }
    current_ = this;
    return true;
  }

  Size screenSize() const override { return {GetSystemMetrics(SM_CXSCREEN), GetSystemMetrics(SM_CYSCREEN)}; }

  Rect workArea() const override {
    RECT r;
    Size s = screenSize();
    if (!SystemParametersInfoW(SPI_GETWORKAREA, 0, &r, 0) || r.right <= r.left || r.bottom <= r.top)
      return {0, 0, s.cx, s.cy};
    return {r.left, r.top, r.right, r.bottom};
  }

  uint64_t now() override {
    LARGE_INTEGER c;
    QueryPerformanceCounter(&c);
    return uint64_t(c.QuadPart) / (frequency_ / 1000);
  }

  void sleep(uint32_t ms) override { Sleep(ms); }

  void wait(int64_t timeoutMs) override {
    DWORD limit = timeoutMs < 0 ? INFINITE : DWORD(std::min<int64_t>(timeoutMs, INFINITE - 1));
    MsgWaitForMultipleObjectsEx(0, nullptr, limit, QS_ALLINPUT, MWMO_INPUTAVAILABLE);
    poll();
  }

  void poll() override {
    MSG msg;
    while (PeekMessageW(&msg, nullptr, 0, 0, PM_REMOVE)) {
      switch (msg.message) {
        case WM_KEYDOWN:
        case WM_KEYUP:
        case WM_SYSKEYDOWN:
        case WM_SYSKEYUP:
          handleKey(msg);
          break;
        // Characters reach us with their key; the system's own handling of
        // WM_SYSCHAR would open its menu.
        case WM_CHAR:
        case WM_SYSCHAR:
        case WM_DEADCHAR:
        case WM_SYSDEADCHAR:
        case WM_QUIT:
          break;
        default:
          DispatchMessageW(&msg);
      }
    }
  }

  NativeWindow create(WindowTag tag, WindowKind kind, NativeWindow owner) override {
    // No caption and no border: our frame draws the non-client area. The
    // system menu and minimize box are what let the task bar minimize and
    // restore a popup; without a caption they draw nothing.
    DWORD style = WS_POPUP | WS_CLIPCHILDREN;
    DWORD exStyle = 0;
    switch (kind) {
      case WindowKind::Main:
        style |= WS_SYSMENU | WS_MINIMIZEBOX | WS_MAXIMIZEBOX;
        exStyle |= WS_EX_APPWINDOW;
        break;
      case WindowKind::Owned:
        style |= WS_SYSMENU;
        break;
      case WindowKind::Tool:
        style |= WS_SYSMENU;
        exStyle |= WS_EX_TOOLWINDOW;
        break;
      case WindowKind::Menu:
        exStyle |= WS_EX_TOOLWINDOW | WS_EX_TOPMOST | WS_EX_NOACTIVATE;
        break;
    }
    HWND h = CreateWindowExW(exStyle, kWindowClass, L"", style, 0, 0, 1, 1, static_cast<HWND>(owner), nullptr,
                             instance_, nullptr);
    if (!h) return nullptr;
    Native& n = windows_[h];
    n.tag = tag;
    n.kind = kind;
    return h;
  }

  void destroy(NativeWindow w) override {
    HWND h = static_cast<HWND>(w);
    auto it = windows_.find(h);
    if (it == windows_.end()) return;
    HICON icon = it->second.icon;
    windows_.erase(it);
    stacked_.clear();
    DestroyWindow(h);
    if (icon) DestroyIcon(icon);
  }

  void move(NativeWindow w, const Rect& r) override {
    Native* n = find(w);
    // A minimized window keeps its place on the task bar; the system restores it.
    if (!n || n->minimized || r.width() <= 0 || r.height() <= 0) return;
    RECT to{r.left, r.top, r.right, r.bottom};
    // Every request is a trip to the system (and under Wine to its server and
    // the display): one that changes nothing is not made.
    if (EqualRect(&to, &n->placed)) return;
    n->placed = to;
    Own own(*this);
    SetWindowPos(static_cast<HWND>(w), nullptr, r.left, r.top, r.width(), r.height(),
                 SWP_NOZORDER | SWP_NOACTIVATE | SWP_NOOWNERZORDER);
  }

  void show(NativeWindow w, bool visible) override {
    if (!find(w)) return;
    Own own(*this);
    // Activation is ours to give (activate()); showing never takes it.
    ShowWindow(static_cast<HWND>(w), visible ? SW_SHOWNOACTIVATE : SW_HIDE);
  }

  void setShape(NativeWindow w, const std::vector<Rect>* rects) override {
    if (!find(w)) return;
    HRGN rgn = nullptr;
    if (rects) {
      std::vector<char> data(sizeof(RGNDATAHEADER) + rects->size() * sizeof(RECT));
      auto* header = reinterpret_cast<RGNDATAHEADER*>(data.data());
      header->dwSize = sizeof(RGNDATAHEADER);
      header->iType = RDH_RECTANGLES;
      header->nCount = DWORD(rects->size());
      header->nRgnSize = DWORD(rects->size() * sizeof(RECT));
      RECT bounds{0, 0, 0, 0};
      auto* out = reinterpret_cast<RECT*>(data.data() + sizeof(RGNDATAHEADER));
      for (size_t i = 0; i < rects->size(); ++i) {
        const Rect& r = (*rects)[i];
        out[i] = {r.left, r.top, r.right, r.bottom};
        if (i == 0) {
          bounds = out[i];
        } else {
          UnionRect(&bounds, &bounds, &out[i]);
        }
      }
      header->rcBound = bounds;
      rgn = ExtCreateRegion(nullptr, DWORD(data.size()), reinterpret_cast<RGNDATA*>(data.data()));
      // An empty shape hides every pixel, as on any system.
      if (!rgn) rgn = CreateRectRgn(0, 0, 0, 0);
    }
    Own own(*this);
    // The system owns the region from here on.
    SetWindowRgn(static_cast<HWND>(w), rgn, TRUE);
  }

  void setText(NativeWindow w, const std::u16string& text) override {
    if (!find(w)) return;
    SetWindowTextW(static_cast<HWND>(w), reinterpret_cast<const wchar_t*>(text.c_str()));
  }

  void setIcon(NativeWindow w, const IconImage* image) override {
    Native* n = find(w);
    if (!n) return;
    // The big and the small icon come one after the other, mostly the same.
    std::vector<uint32_t> key;
    if (image) {
      key = image->argb;
      key.push_back(uint32_t(image->width));
    }
    if (n->icon && key == n->iconPixels) return;
    n->iconPixels = std::move(key);
    HICON icon = makeIcon(image);
    HWND h = static_cast<HWND>(w);
    SendMessageW(h, WM_SETICON, ICON_BIG, reinterpret_cast<LPARAM>(icon));
    SendMessageW(h, WM_SETICON, ICON_SMALL, reinterpret_cast<LPARAM>(icon));
    if (n->icon) DestroyIcon(n->icon);
    n->icon = icon;
  }

  void setMinimized(NativeWindow w, bool minimized) override {
    Native* n = find(w);
    if (!n || n->minimized == minimized) return;
    n->minimized = minimized;
    Own own(*this);
    HWND h = static_cast<HWND>(w);
    if (minimized) {
      ShowWindow(h, SW_SHOWMINNOACTIVE);
    } else if (IsWindowVisible(h)) {
      ShowWindow(h, SW_SHOWNOACTIVATE);
    }
  }

  void restack(const std::vector<NativeWindow>& topFirst) override {
    if (topFirst == stacked_) return;
    stacked_ = topFirst;
    Own own(*this);
    // Only our windows move against each other; other programs' stay where they are.
    for (size_t i = 1; i < topFirst.size(); ++i) {
      if (!find(topFirst[i]) || !find(topFirst[i - 1])) continue;
      SetWindowPos(static_cast<HWND>(topFirst[i]), static_cast<HWND>(topFirst[i - 1]), 0, 0, 0, 0,
                   SWP_NOMOVE | SWP_NOSIZE | SWP_NOACTIVATE | SWP_NOOWNERZORDER);
    }
  }

  void activate(NativeWindow w) override {
    Native* n = find(w);
    HWND h = static_cast<HWND>(w);
    if (!n || n->kind == WindowKind::Menu || !IsWindowVisible(h)) return;
    Own own(*this);
    SetForegroundWindow(h);
    SetActiveWindow(h);
    SetFocus(h);
  }

  void setTopmost(NativeWindow w, bool topmost) override {
    if (!find(w)) return;
    Own own(*this);
    SetWindowPos(static_cast<HWND>(w), topmost ? HWND_TOPMOST : HWND_NOTOPMOST, 0, 0, 0, 0,
                 SWP_NOMOVE | SWP_NOSIZE | SWP_NOACTIVATE);
  }

  void present(NativeWindow w, const uint32_t* bits, int width, int height, const Rect& dirty) override {
    Native* n = find(w);
    if (!n || !bits || width <= 0 || height <= 0) return;
    Rect r{std::max(dirty.left, 0), std::max(dirty.top, 0), std::min(dirty.right, width),
           std::min(dirty.bottom, height)};
    if (n->width != width || n->height != height) {
      // A new size: every pixel is news.
      n->pixels.assign(bits, bits + size_t(width) * size_t(height));
      n->width = width;
      n->height = height;
      r = {0, 0, width, height};
    } else {
      if (r.right <= r.left || r.bottom <= r.top) return;
      for (int y = r.top; y < r.bottom; ++y) {
        size_t row = size_t(y) * size_t(width);
        std::copy(bits + row + r.left, bits + row + r.right, n->pixels.begin() + ptrdiff_t(row + r.left));
      }
    }
    HWND h = static_cast<HWND>(w);
    if (!IsWindowVisible(h) || n->minimized) return;
    HDC dc = GetDC(h);
    draw(dc, *n, r);
    ReleaseDC(h, dc);
  }

  void setCapture(NativeWindow w) override {
    Own own(*this);
    if (w && find(w)) {
      SetCapture(static_cast<HWND>(w));
    } else if (GetCapture() && find(GetCapture())) {
      ReleaseCapture();
    }
  }

  void setCursor(int id) override {
    HCURSOR c = LoadCursorW(nullptr, MAKEINTRESOURCEW(id));
    cursor_ = c ? c : LoadCursorW(nullptr, MAKEINTRESOURCEW(32512));
    // Only while the mouse is over one of our windows is the shape ours to set.
    POINT p;
    if (GetCursorPos(&p) && find(GetAncestor(WindowFromPoint(p), GA_ROOT)))
      SetCursor(cursor_);
    else if (GetCapture() && find(GetCapture()))
      SetCursor(cursor_);
  }

  void moveCursor(Point p) override { SetCursorPos(p.x, p.y); }

  void xorScreen(const uint32_t* bits, const Rect& at) override {
    if (at.width() <= 0 || at.height() <= 0) return;
    BITMAPINFO bmi = dibHeader(at.width(), at.height());
    HDC dc = GetDC(nullptr);
    StretchDIBits(dc, at.left, at.top, at.width(), at.height(), 0, 0, at.width(), at.height(), bits, &bmi,
                  DIB_RGB_COLORS, SRCINVERT);
    ReleaseDC(nullptr, dc);
  }

  bool readScreen(const Rect& area, uint32_t* out) override {
    int w = area.width(), h = area.height();
    if (w <= 0 || h <= 0) return false;
    HDC screen = GetDC(nullptr);
    if (!screen) return false;
    HDC mem = CreateCompatibleDC(screen);
    BITMAPINFO bmi = dibHeader(w, h);
    void* bits = nullptr;
    HBITMAP dib = mem ? CreateDIBSection(mem, &bmi, DIB_RGB_COLORS, &bits, nullptr, 0) : nullptr;
    bool ok = false;
    if (dib) {
      HGDIOBJ old = SelectObject(mem, dib);
      ok = BitBlt(mem, 0, 0, w, h, screen, area.left, area.top, SRCCOPY | CAPTUREBLT);
      GdiFlush();
      if (ok) {
        const auto* src = static_cast<const uint32_t*>(bits);
        for (size_t i = 0; i < size_t(w) * size_t(h); ++i) out[i] = src[i] | 0xFF000000u;
      }
      SelectObject(mem, old);
      DeleteObject(dib);
    }
    if (mem) DeleteDC(mem);
    ReleaseDC(nullptr, screen);
    return ok;
  }

  bool hasNotifyArea() override { return FindWindowW(L"Shell_TrayWnd", nullptr) != nullptr; }

  bool addNotifyIcon(int key, const IconImage* image, const std::u16string& tip) override {
    if (!ensureNotifyWindow()) return false;
    NotifyIcon icon{makeIcon(image), tip};
    if (!shellIcon(NIM_ADD, key, icon)) {
      if (icon.icon) DestroyIcon(icon.icon);
      return false;
    }
    auto [it, fresh] = icons_.try_emplace(key, icon);
    if (!fresh) {
      if (it->second.icon) DestroyIcon(it->second.icon);
      it->second = icon;
    }
    return true;
  }

  void changeNotifyIcon(int key, const IconImage* image, const std::u16string& tip) override {
    auto it = icons_.find(key);
    if (it == icons_.end()) return;
    HICON old = it->second.icon;
    it->second = {makeIcon(image), tip};
    shellIcon(NIM_MODIFY, key, it->second);
    if (old) DestroyIcon(old);
  }

  void removeNotifyIcon(int key) override {
    auto it = icons_.find(key);
    if (it == icons_.end()) return;
    removeIcon(key, it->second);
    icons_.erase(it);
  }

private:
  // Holds off the reports of what our own requests do: the window system
  // already knows, and a report would come back to it as the user's doing.
  struct Own {
    explicit Own(Win32Display& d) : d(d) { ++d.own_; }
    ~Own() { --d.own_; }
    Win32Display& d;
  };

  Native* find(NativeWindow w) {
    auto it = windows_.find(static_cast<HWND>(w));
    return it == windows_.end() ? nullptr : &it->second;
  }

  void draw(HDC dc, const Native& n, const Rect& r) {
    if (r.right <= r.left || r.bottom <= r.top || n.pixels.empty()) return;
    // A header for the changed rows alone, so that the source rows need no
    // bottom-up arithmetic.
    BITMAPINFO bmi = dibHeader(n.width, r.height());
    const uint32_t* rows = n.pixels.data() + size_t(r.top) * size_t(n.width);
    SetDIBitsToDevice(dc, r.left, r.top, DWORD(r.width()), DWORD(r.height()), r.left, 0, 0, UINT(r.height()),
                      rows, &bmi, DIB_RGB_COLORS);
  }

  void handleKey(const MSG& msg) {
    bool down = msg.message == WM_KEYDOWN || msg.message == WM_SYSKEYDOWN;
    int vk = int(msg.wParam);
    if (vk == VK_PROCESSKEY) return;
    std::u16string chars;
    if (down) {
      // What this press types comes straight after it.
      TranslateMessage(&msg);
      MSG c;
      while (PeekMessageW(&c, msg.hwnd, WM_CHAR, WM_DEADCHAR, PM_REMOVE) ||
             PeekMessageW(&c, msg.hwnd, WM_SYSCHAR, WM_SYSDEADCHAR, PM_REMOVE)) {
        if (c.message == WM_CHAR || c.message == WM_SYSCHAR) chars += char16_t(c.wParam);
      }
    }
    int scan = int((msg.lParam >> 16) & 0xFF);
    bool extended = (msg.lParam >> 24) & 1;
    events_.key(vk, scan, extended, down, chars);
  }

  bool ensureNotifyWindow() {
    if (!notifyWindow_)
      notifyWindow_ =
          CreateWindowExW(0, kNotifyClass, L"", 0, 0, 0, 0, 0, HWND_MESSAGE, nullptr, instance_, nullptr);
    return notifyWindow_ != nullptr;
  }

  bool shellIcon(DWORD what, int key, const NotifyIcon& icon) {
    NOTIFYICONDATAW d{};
    d.cbSize = sizeof d;
    d.hWnd = notifyWindow_;
    d.uID = UINT(key);
    d.uFlags = NIF_MESSAGE | NIF_ICON | NIF_TIP;
    d.uCallbackMessage = kNotifyCallback;
    d.hIcon = icon.icon;
    size_t n = std::min(icon.tip.size(), std::size(d.szTip) - 1);
    std::copy_n(icon.tip.begin(), n, d.szTip);
    return Shell_NotifyIconW(what, &d);
  }

  void removeIcon(int key, NotifyIcon& icon) {
    NOTIFYICONDATAW d{};
    d.cbSize = sizeof d;
    d.hWnd = notifyWindow_;
    d.uID = UINT(key);
    Shell_NotifyIconW(NIM_DELETE, &d);
    if (icon.icon) DestroyIcon(icon.icon);
    icon.icon = nullptr;
  }

  static LRESULT CALLBACK notifyProc(HWND h, UINT msg, WPARAM wp, LPARAM lp) {
    Win32Display* d = current_;
    if (!d) return DefWindowProcW(h, msg, wp, lp);
    if (msg == kNotifyCallback) {
      int key = int(wp);
      switch (UINT(lp)) {
        case WM_MOUSEMOVE:
          d->events_.notifyIconMouseMove(key);
          break;
        // A second press soon after the first is a double-click to our side too.
        case WM_LBUTTONDOWN:
        case WM_LBUTTONDBLCLK:
          d->events_.notifyIconButton(key, 0, true);
          break;
        case WM_LBUTTONUP:
          d->events_.notifyIconButton(key, 0, false);
          break;
        case WM_RBUTTONDOWN:
        case WM_RBUTTONDBLCLK:
          d->events_.notifyIconButton(key, 1, true);
          break;
        case WM_RBUTTONUP:
          d->events_.notifyIconButton(key, 1, false);
          break;
        case WM_MBUTTONDOWN:
        case WM_MBUTTONDBLCLK:
          d->events_.notifyIconButton(key, 2, true);
          break;
        case WM_MBUTTONUP:
          d->events_.notifyIconButton(key, 2, false);
          break;
        default:
          break;
      }
      return 0;
    }
    // A new task bar (the shell restarted) has none of the icons the old one held.
    if (msg == d->taskbarCreated_ && d->taskbarCreated_) {
      for (auto& [key, icon] : d->icons_) d->shellIcon(NIM_ADD, key, icon);
      return 0;
    }
    return DefWindowProcW(h, msg, wp, lp);
  }

  static LRESULT CALLBACK windowProc(HWND h, UINT msg, WPARAM wp, LPARAM lp) {
    Win32Display* d = current_;
    Native* n = d ? d->find(h) : nullptr;
    if (!n) return DefWindowProcW(h, msg, wp, lp);
    return d->handle(h, *n, msg, wp, lp);
  }

  void mouseButton(int button, bool down, HWND h, LPARAM lp) {
    Point p = screenPoint(h, lp);
    events_.mouseMoved(p);
    events_.mouseButton(button, down, p);
  }

  LRESULT handle(HWND h, Native& n, UINT msg, WPARAM wp, LPARAM lp) {
    WindowTag tag = n.tag;
    switch (msg) {
      // The whole window is client area: our frame is drawn inside it.
      case WM_NCCALCSIZE:
        return 0;
      case WM_NCHITTEST:
        return HTCLIENT;
      case WM_NCACTIVATE:
        return TRUE;
      case WM_NCPAINT:
        return 0;
      case WM_ERASEBKGND:
        return 1;
      case WM_PAINT: {
        PAINTSTRUCT ps;
        HDC dc = BeginPaint(h, &ps);
        draw(dc, n,
             {int32_t(std::max(0L, ps.rcPaint.left)), int32_t(std::max(0L, ps.rcPaint.top)),
              int32_t(std::min(LONG(n.width), ps.rcPaint.right)),
              int32_t(std::min(LONG(n.height), ps.rcPaint.bottom))});
        EndPaint(h, &ps);
        return 0;
      }
      case WM_MOUSEACTIVATE:
        return n.kind == WindowKind::Menu ? MA_NOACTIVATE : MA_ACTIVATE;
      case WM_MOUSEMOVE: {
        if (!n.trackingLeave) {
          TRACKMOUSEEVENT t{sizeof t, TME_LEAVE, h, 0};
          n.trackingLeave = TrackMouseEvent(&t);
        }
        events_.mouseMoved(screenPoint(h, lp));
        return 0;
      }
      // Leaving for the desktop or another program: the window system must
      // learn the mouse is gone.
      case WM_MOUSELEAVE: {
        n.trackingLeave = false;
        POINT p;
        if (GetCursorPos(&p)) events_.mouseMoved({int32_t(p.x), int32_t(p.y)});
        return 0;
      }
      case WM_LBUTTONDOWN:
      case WM_LBUTTONDBLCLK:
        mouseButton(0, true, h, lp);
        return 0;
      case WM_LBUTTONUP:
        mouseButton(0, false, h, lp);
        return 0;
      case WM_RBUTTONDOWN:
      case WM_RBUTTONDBLCLK:
        mouseButton(1, true, h, lp);
        return 0;
      case WM_RBUTTONUP:
        mouseButton(1, false, h, lp);
        return 0;
      case WM_MBUTTONDOWN:
      case WM_MBUTTONDBLCLK:
        mouseButton(2, true, h, lp);
        return 0;
      case WM_MBUTTONUP:
        mouseButton(2, false, h, lp);
        return 0;
      case WM_MOUSEWHEEL:
        events_.mouseWheel(GET_WHEEL_DELTA_WPARAM(wp), {short(LOWORD(lp)), short(HIWORD(lp))});
        return 0;
      case WM_SETCURSOR:
        if (LOWORD(lp) == HTCLIENT) {
          SetCursor(cursor_);
          return TRUE;
        }
        break;
      case WM_SETFOCUS:
        if (!own_) events_.focusChanged(tag, true);
        return 0;
      case WM_KILLFOCUS:
        if (!own_) events_.focusChanged(tag, false);
        return 0;
      case WM_ACTIVATE:
        if (!own_) events_.focusChanged(tag, LOWORD(wp) != WA_INACTIVE);
        // The system's handling gives the keyboard focus to the window.
        break;
      case WM_CAPTURECHANGED:
        // Taken by another window of the system's (a drag, another program):
        // our frame must end what it was doing with the mouse.
        if (!own_ && !find(reinterpret_cast<HWND>(lp))) events_.captureLost();
        return 0;
      case WM_CANCELMODE:
        events_.cancelMode(tag);
        return 0;
      case WM_CLOSE:
        events_.closeRequested(tag);
        return 0;
      // The system's own menu loop, move loop and close never run: the task
      // bar's minimize and restore reach our window manager, the rest is ours.
      case WM_SYSCOMMAND:
        switch (wp & 0xFFF0) {
          case SC_MINIMIZE:
            if (!n.minimized) events_.iconified(tag, true);
            break;
          case SC_RESTORE:
            if (n.minimized) events_.iconified(tag, false);
            break;
          case SC_CLOSE:
            events_.closeRequested(tag);
            break;
          default:
            break;
        }
        return 0;
      case WM_SIZE:
        // Minimized or restored by the system itself (a window manager under Wine).
        if (!own_) {
          if (wp == SIZE_MINIMIZED && !n.minimized) {
            events_.iconified(tag, true);
          } else if (wp != SIZE_MINIMIZED && n.minimized && !IsIconic(h)) {
            events_.iconified(tag, false);
          }
        }
        return 0;
      case WM_WINDOWPOSCHANGED: {
        auto* pos = reinterpret_cast<const WINDOWPOS*>(lp);
        if (!own_ && !IsIconic(h) && !(pos->flags & SWP_NOMOVE && pos->flags & SWP_NOSIZE)) {
          RECT r;
          GetWindowRect(h, &r);
          if (!EqualRect(&r, &n.placed) && r.right > r.left && r.bottom > r.top) {
            n.placed = r;
            events_.moved(tag, {r.left, r.top, r.right, r.bottom});
          }
        }
        // The system's handling sends WM_SIZE, which tells of minimizing.
        break;
      }
      case WM_GETMINMAXINFO: {
        auto* mmi = reinterpret_cast<MINMAXINFO*>(lp);
        mmi->ptMinTrackSize = {1, 1};
        return 0;
      }
      case WM_DISPLAYCHANGE: {
        Size s{short(LOWORD(lp)), short(HIWORD(lp))};
        // Every top-level window hears it; ours hear it once.
        if (!(s == screen_)) {
          screen_ = s;
          events_.displayChanged(s);
        }
        return 0;
      }
      case WM_KEYDOWN:
      case WM_KEYUP:
      case WM_SYSKEYDOWN:
      case WM_SYSKEYUP:
      case WM_CHAR:
      case WM_SYSCHAR:
        // Sent rather than posted (by another program): never the system's handling.
        return 0;
      default:
        break;
    }
    return DefWindowProcW(h, msg, wp, lp);
  }

  static inline Win32Display* current_ = nullptr;

  DisplayEvents& events_;
  HINSTANCE instance_;
  uint64_t frequency_ = 1000;
  HCURSOR cursor_;
  UINT taskbarCreated_ = 0;
  Size screen_;
  int own_ = 0;
  std::map<HWND, Native> windows_;
  std::vector<NativeWindow> stacked_;  // the order last made, topmost first
  HWND notifyWindow_ = nullptr;
  std::map<int, NotifyIcon> icons_;
};

}  // namespace

std::unique_ptr<Display> Display::open(DisplayEvents& events, std::string& error) {
  auto d = std::make_unique<Win32Display>(events);
  if (!d->registerClasses(error)) return nullptr;
  return d;
}

}  // namespace z5t8::platform::gui::win32
