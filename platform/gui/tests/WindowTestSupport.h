#pragma once

#include <gtest/gtest.h>

#include <functional>
#include <map>
#include <optional>
#include <vector>

#include "platform/gui/DefWindowProc.h"
#include "platform/gui/MessageQueue.h"
#include "platform/gui/SystemMetrics.h"
#include "platform/gui/SystemParameters.h"
#include "platform/gui/Window.h"
#include "platform/gui/headless/HeadlessBackend.h"

namespace z5t8::platform::gui::testing {

struct Logged {
  HWND hwnd;
  UINT msg;
  WPARAM wp;
  LPARAM lp;
};

// A headless session with one window class whose procedure records every
// message and lets a test answer any of them before the default procedure.
class WindowTest : public ::testing::Test {
public:
  using Handler = std::function<std::optional<LRESULT>(HWND, UINT, WPARAM, LPARAM)>;

  static WindowTest*& current() {
    static WindowTest* t = nullptr;
    return t;
  }

  static LRESULT recordingProc(HWND h, UINT m, WPARAM w, LPARAM l) {
    WindowTest* t = current();
    t->log.push_back({h, m, w, l});
    auto it = t->handlers.find(h);
    if (it != t->handlers.end() && it->second) {
      if (auto r = it->second(h, m, w, l)) return *r;
    }
    if (t->anyHandler) {
      if (auto r = t->anyHandler(h, m, w, l)) return *r;
    }
    return DefWindowProcW(h, m, w, l);
  }

  void SetUp() override {
    current() = this;
    UseHeadlessBackend();
    WNDCLASSEXW wc;
    wc.style = CS_DBLCLKS;
    wc.lpfnWndProc = &recordingProc;
    wc.hbrBackground = GetSysColorBrush(COLOR_BTNFACE);
    wc.hCursor = LoadCursorW(IDC_ARROW);
    wc.lpszClassName = u"TestWindow";
    ASSERT_NE(RegisterClassExW(wc), 0);
  }

  void TearDown() override {
    ShutdownWindowSystem();
    current() = nullptr;
  }

  HWND topLevel(int x, int y, int w, int h, DWORD style = WS_OVERLAPPEDWINDOW | WS_VISIBLE, DWORD ex = 0,
                HWND owner = nullptr) {
    return CreateWindowExW(ex, u"TestWindow", u"Test", style, x, y, w, h, owner, 0, nullptr);
  }

  HWND child(HWND parent, int x, int y, int w, int h, DWORD style = WS_CHILD | WS_VISIBLE, int id = 0) {
    return CreateWindowExW(0, u"TestWindow", u"", style, x, y, w, h, parent, id, nullptr);
  }

  // Runs every message waiting, as a program's loop would.
  void pump() { PumpPendingMessages(); }

  std::vector<UINT> messagesOf(HWND h) const {
    std::vector<UINT> out;
    for (const Logged& l : log) {
      if (l.hwnd == h) out.push_back(l.msg);
    }
    return out;
  }

  std::vector<Logged> only(UINT msg) const {
    std::vector<Logged> out;
    for (const Logged& l : log) {
      if (l.msg == msg) out.push_back(l);
    }
    return out;
  }

  std::vector<Logged> log;
  std::map<HWND, Handler> handlers;
  Handler anyHandler;
};

}  // namespace z5t8::platform::gui::testing
