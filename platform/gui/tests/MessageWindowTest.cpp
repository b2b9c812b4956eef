#include <gtest/gtest.h>

#include <vector>

#include "platform/gui/Backend.h"
#include "platform/gui/MessageQueue.h"
#include "platform/gui/MessageWindow.h"
#include "platform/gui/SystemMetrics.h"
#include "platform/gui/Timer.h"
#include "platform/gui/Window.h"
#include "platform/gui/headless/HeadlessBackend.h"

namespace z5t8::platform::gui {
namespace {

struct Heard {
  UINT msg;
  WPARAM wp;
  LPARAM lp;
};

class MessageWindowIntegration : public ::testing::Test {
protected:
  void TearDown() override { ShutdownWindowSystem(); }

  // Answers 2048 itself, leaves everything else to the default procedure.
  MessageWindow::Handler recorder() {
    return [this](UINT msg, WPARAM wp, LPARAM lp) -> std::optional<LRESULT> {
      heard.push_back({msg, wp, lp});
      if (msg == 2048) return LRESULT(77);
      return std::nullopt;
    };
  }
  std::vector<LPARAM> heardOf(UINT msg) const {
    std::vector<LPARAM> out;
    for (const Heard& h : heard)
      if (h.msg == msg) out.push_back(h.lp);
    return out;
  }

  std::vector<Heard> heard;
};

TEST_F(MessageWindowIntegration, MadeBeforeAnySessionLivesInEachSessionHidden) {
  ShutdownWindowSystem();
  MessageWindow window(recorder());
  EXPECT_EQ(window.handle(), nullptr);

  UseHeadlessBackend();
  HWND first = window.handle();
  ASSERT_TRUE(IsWindow(first));
  EXPECT_FALSE(IsWindowVisible(first));
  EXPECT_EQ(GetParent(first), nullptr);
  EXPECT_EQ(SendMessageW(first, 2048, 0, 0), 77);
  // Not answered by the handler: the default procedure answers WM_GETTEXTLENGTH.
  EXPECT_EQ(SendMessageW(first, WM_GETTEXTLENGTH, 0, 0), 0);

  ShutdownWindowSystem();
  EXPECT_EQ(window.handle(), nullptr);
  UseHeadlessBackend();
  ASSERT_TRUE(IsWindow(window.handle()));
  heard.clear();
  SendMessageW(HWND_BROADCAST, WM_SYSCOLORCHANGE, 0, 0);
  EXPECT_EQ(heardOf(WM_SYSCOLORCHANGE).size(), 1u);
}

TEST_F(MessageWindowIntegration, GoesWithItsObjectAndTakesPostedMessagesAndTimers) {
  UseHeadlessBackend();
  HWND h;
  {
    MessageWindow window(recorder());
    h = window.handle();
    ASSERT_TRUE(IsWindow(h));
    PostMessageW(h, WM_APP + 1, 5, 6);
    SetTimer(h, 7, 10, nullptr);
    headless::AdvanceClock(20);
    PumpPendingMessages();
    ASSERT_EQ(heardOf(WM_APP + 1), std::vector<LPARAM>{6});
    bool timer = false;
    for (const Heard& x : heard) timer |= x.msg == WM_TIMER && x.wp == 7;
    EXPECT_TRUE(timer);
  }
  EXPECT_FALSE(IsWindow(h));
  heard.clear();
  SendMessageW(HWND_BROADCAST, 2048, 0, 0);
  EXPECT_TRUE(heard.empty());
}

TEST_F(MessageWindowIntegration, ScreenSizeChangeIsBroadcastAsDisplayChange) {
  UseHeadlessBackend();
  MessageWindow window(recorder());
  Headless().setScreenSize({640, 480});
  ASSERT_EQ(heardOf(WM_DISPLAYCHANGE), std::vector<LPARAM>{MAKELPARAM(640, 480)});
  for (const Heard& x : heard)
    if (x.msg == WM_DISPLAYCHANGE) EXPECT_EQ(x.wp, 32u);
  EXPECT_EQ(GetSystemMetrics(SM_CXSCREEN), 640);
  EXPECT_EQ(GetSystemMetrics(SM_CYSCREEN), 480);
}

}  // namespace
}  // namespace z5t8::platform::gui
