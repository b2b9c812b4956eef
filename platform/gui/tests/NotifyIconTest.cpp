#include "platform/gui/Input.h"
#include "platform/gui/Icon.h"
#include "platform/gui/NotifyIcon.h"
#include "platform/gui/tests/WindowTestSupport.h"

namespace z5t8::platform::gui::testing {
namespace {

using namespace headless;

constexpr UINT kTrayCallback = 1388;

class NotifyIconIntegration : public WindowTest {
protected:
  NOTIFYICONDATAW data(HWND h, UINT id, const std::u16string& tip = u"", const Icon* icon = nullptr) {
    NOTIFYICONDATAW d;
    d.hWnd = h;
    d.uID = id;
    d.uFlags = NIF_MESSAGE | NIF_ICON | NIF_TIP;
    d.uCallbackMessage = kTrayCallback;
    d.hIcon = icon;
    std::copy_n(tip.begin(), std::min<size_t>(tip.size(), 63), d.szTip);
    return d;
  }

  // The mouse messages the window was told of, in order.
  std::vector<LPARAM> callbacks(HWND h, UINT id) {
    pump();
    std::vector<LPARAM> out;
    for (const Logged& l : log) {
      if (l.hwnd == h && l.msg == kTrayCallback && l.wp == WPARAM(id)) out.push_back(l.lp);
    }
    log.clear();
    return out;
  }

  const std::vector<HeadlessNotifyIcon>& shown() { return Headless().notifyIcons(); }
};

TEST_F(NotifyIconIntegration, IconsAreAddedChangedAndDeletedOncePerWindowAndId) {
  HWND h = topLevel(10, 10, 200, 100);
  HWND other = topLevel(10, 200, 200, 100);
  const Icon small = Icon::standardApplication(16);
  NOTIFYICONDATAW d = data(h, 7, u"Updater", &small);
  ASSERT_TRUE(HasNotifyArea());
  EXPECT_TRUE(Shell_NotifyIconW(NIM_ADD, &d));
  EXPECT_FALSE(Shell_NotifyIconW(NIM_ADD, &d)) << "the same window and id twice";
  NOTIFYICONDATAW second = data(h, 8, u"Second");
  NOTIFYICONDATAW third = data(other, 7, u"Other window");
  EXPECT_TRUE(Shell_NotifyIconW(NIM_ADD, &second));
  EXPECT_TRUE(Shell_NotifyIconW(NIM_ADD, &third));
  ASSERT_EQ(shown().size(), 3u);
  EXPECT_EQ(shown()[0].tip, u"Updater");
  ASSERT_TRUE(shown()[0].icon);
  EXPECT_EQ(shown()[0].icon->width(), 16);
  EXPECT_FALSE(shown()[1].icon);

  // Only what the flags name changes.
  NOTIFYICONDATAW tipOnly;
  tipOnly.hWnd = h;
  tipOnly.uID = 7;
  tipOnly.uFlags = NIF_TIP;
  std::u16string longTip(80, u'x');
  std::copy_n(longTip.begin(), 64, tipOnly.szTip);  // no terminator: read no further than the array
  EXPECT_TRUE(Shell_NotifyIconW(NIM_MODIFY, &tipOnly));
  EXPECT_EQ(shown()[0].tip, std::u16string(63, u'x'));
  EXPECT_TRUE(shown()[0].icon) << "the icon stays";
  ASSERT_EQ(NotifyIcons().size(), 3u);
  EXPECT_EQ(NotifyIcons()[0].callbackMessage, kTrayCallback);

  NOTIFYICONDATAW unknown = data(h, 99);
  EXPECT_FALSE(Shell_NotifyIconW(NIM_MODIFY, &unknown));
  EXPECT_FALSE(Shell_NotifyIconW(NIM_DELETE, &unknown));
  EXPECT_FALSE(Shell_NotifyIconW(NIM_ADD, nullptr));
  NOTIFYICONDATAW noWindow = data(reinterpret_cast<HWND>(0x1234), 1);
  EXPECT_FALSE(Shell_NotifyIconW(NIM_ADD, &noWindow));

  EXPECT_TRUE(Shell_NotifyIconW(NIM_DELETE, &second));
  EXPECT_FALSE(Shell_NotifyIconW(NIM_DELETE, &second));
  ASSERT_EQ(shown().size(), 2u);
  // A window that goes takes its icons along.
  DestroyWindow(h);
  ASSERT_EQ(shown().size(), 1u);
  EXPECT_EQ(shown()[0].tip, u"Other window");
  EXPECT_EQ(NotifyIcons().size(), 1u);
}

TEST_F(NotifyIconIntegration, MouseInputComesAsTheCallbackMessageWithTheMouseMessage) {
  HWND h = topLevel(10, 10, 200, 100);
  NOTIFYICONDATAW d = data(h, 3, u"Tip");
  ASSERT_TRUE(Shell_NotifyIconW(NIM_ADD, &d));
  struct Case {
    const char* what;
    std::function<void()> input;
    std::vector<LPARAM> expected;
  };
  const Case cases[] = {
      {"left click", [&] { ClickNotifyIcon(h, 3); }, {WM_LBUTTONDOWN, WM_LBUTTONUP}},
      {"right click", [&] { ClickNotifyIcon(h, 3, 1); }, {WM_RBUTTONDOWN, WM_RBUTTONUP}},
      {"double-click",
       [&] { DoubleClickNotifyIcon(h, 3); },
       {WM_LBUTTONDOWN, WM_LBUTTONUP, WM_LBUTTONDBLCLK, WM_LBUTTONUP}},
      {"two clicks further apart than the double-click time",
       [&] {
         ClickNotifyIcon(h, 3);
         AdvanceClock(GetDoubleClickTime() + 1);
         ClickNotifyIcon(h, 3);
       },
       {WM_LBUTTONDOWN, WM_LBUTTONUP, WM_LBUTTONDOWN, WM_LBUTTONUP}},
      {"a left and a right press are no double-click",
       [&] {
         ClickNotifyIcon(h, 3);
         ClickNotifyIcon(h, 3, 1);
       },
       {WM_LBUTTONDOWN, WM_LBUTTONUP, WM_RBUTTONDOWN, WM_RBUTTONUP}},
  };
  for (const Case& c : cases) {
    AdvanceClock(5000);
    log.clear();
    c.input();
    EXPECT_EQ(callbacks(h, 3), c.expected) << c.what;
  }
  // Without a callback message the window hears nothing.
  NOTIFYICONDATAW silent;
  silent.hWnd = h;
  silent.uID = 3;
  silent.uFlags = NIF_MESSAGE;
  ASSERT_TRUE(Shell_NotifyIconW(NIM_MODIFY, &silent));
  log.clear();
  EXPECT_TRUE(ClickNotifyIcon(h, 3));
  pump();
  EXPECT_TRUE(only(kTrayCallback).empty());
  EXPECT_FALSE(ClickNotifyIcon(h, 4)) << "no such icon";
}

TEST_F(NotifyIconIntegration, WithoutANotificationAreaAddingFailsAndCallersCanTell) {
  HWND h = topLevel(10, 10, 200, 100);
  NOTIFYICONDATAW d = data(h, 1, u"Tip");
  ASSERT_TRUE(Shell_NotifyIconW(NIM_ADD, &d));
  Headless().setNotifyArea(false);
  EXPECT_FALSE(HasNotifyArea());
  EXPECT_FALSE(ClickNotifyIcon(h, 1)) << "nothing shows it any more";
  NOTIFYICONDATAW d2 = data(h, 2, u"Tip");
  EXPECT_FALSE(Shell_NotifyIconW(NIM_ADD, &d2));
  EXPECT_EQ(NotifyIcons().size(), 1u);
  Headless().setNotifyArea(true);
  EXPECT_TRUE(HasNotifyArea());
  EXPECT_TRUE(Shell_NotifyIconW(NIM_ADD, &d2));
  ShutdownWindowSystem();
  EXPECT_FALSE(HasNotifyArea());
  EXPECT_TRUE(NotifyIcons().empty());
}

}  // namespace
}  // namespace z5t8::platform::gui::testing
