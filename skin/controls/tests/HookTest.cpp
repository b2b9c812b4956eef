#include <gtest/gtest.h>

#include <functional>
#include <string>
#include <vector>

#include "framework/Properties.h"
#include "skin/controls/tests/FrameFixture.h"

namespace z5t8::skin::controls::testing {
namespace {

std::vector<std::string>* gTrace = nullptr;

// Records both passes; answers WM_USER + 1 itself when told to.
class TRecordingHook : public TTeHook {
  Z5T8_CLASS(TRecordingHook, TTeHook)
public:
  using TTeHook::TTeHook;
  std::string Tag;
  bool Handles = false;
  bool Destructed = false;
  std::function<void()> During;  // runs inside the before-pass
  void DoAfterMessage(fw::TMessage& m, bool& handled) override {
    if (m.Msg == pg::WM_USER + 1 && gTrace) gTrace->push_back("after " + Tag);
    TTeHook::DoAfterMessage(m, handled);
  }
  void DoBeforeDestruction() override { Destructed = true; }
  void UserMessage(fw::TMessage& m) {
    if (gTrace) gTrace->push_back("before " + Tag);
    if (During) {
      std::function<void()> during = During;
      during();
      return;
    }
    if (Handles) {
      m.Result = 42;
      MessageHandled();
    }
  }
};

Z5T8_IMPLEMENT_CLASS(TRecordingHook, TTeHook) { p.Message(pg::WM_USER + 1, &TRecordingHook::UserMessage); }

class HookIntegration : public FrameTest<> {
protected:
  void SetUp() override {
    FrameTest<>::SetUp();
    gTrace = &trace;
    form = new fw::TForm(nullptr);
    form->SetBounds(10, 10, 200, 150);
    form->Show();
    pump();
  }
  void TearDown() override {
    gTrace = nullptr;
    FrameTest<>::TearDown();
  }
  TRecordingHook* hook(const std::string& tag) {
    auto* h = new TRecordingHook(form);
    h->Tag = tag;
    h->SetWinControl(form);
    return h;
  }
  std::vector<std::string> trace;
};

TEST_F(HookIntegration, ClientsSeeMessagesLastAddedFirstAndAHandledMessageStops) {
  TRecordingHook* a = hook("a");
  TRecordingHook* b = hook("b");
  pg::SendMessageW(hwnd(), pg::WM_USER + 1, 0, 0);
  EXPECT_EQ(trace, (std::vector<std::string>{"before b", "before a", "after b", "after a"}));

  trace.clear();
  a->Handles = true;
  EXPECT_EQ(pg::SendMessageW(hwnd(), pg::WM_USER + 1, 0, 0), 42);
  EXPECT_EQ(trace, (std::vector<std::string>{"before b", "before a"})) << "no after-pass once handled";

  trace.clear();
  b->Handles = true;
  pg::SendMessageW(hwnd(), pg::WM_USER + 1, 0, 0);
  EXPECT_EQ(trace, (std::vector<std::string>{"before b"}));
}

// A client may go while a message runs through the hook: freed by its own
// handler, freeing another client, or unhooking. Nothing touches what is gone,
// and the clients that remain see the rest of the message.
TEST_F(HookIntegration, AClientGoingDuringAMessageIsNotTouchedAgain) {
  struct Case {
    const char* what;
    std::function<void(TRecordingHook*& a, TRecordingHook*& b)> during;
    std::vector<std::string> trace;
  } cases[] = {
      {"b frees itself", [](TRecordingHook*&, TRecordingHook*& b) { delete b, b = nullptr; }, {"before b"}},
      {"b frees a",
       [](TRecordingHook*& a, TRecordingHook*&) { delete a, a = nullptr; },
       {"before b", "after b"}},
      {"b unhooks itself",
       [](TRecordingHook*&, TRecordingHook*& b) { b->SetActive(false); },
       {"before b", "before a", "after a"}},
  };
  for (const Case& c : cases) {
    TRecordingHook* a = hook("a");
    TRecordingHook* b = hook("b");
    b->During = [&] { c.during(a, b); };
    trace.clear();
    pg::SendMessageW(hwnd(), pg::WM_USER + 1, 0, 0);
    EXPECT_EQ(trace, c.trace) << c.what;
    delete a;
    delete b;
    pump();
  }
}

TEST_F(HookIntegration, UnhookingTheLastClientGivesTheProcedureBack) {
  auto original = pg::GetWindowLongPtrW(hwnd(), pg::GWLP_WNDPROC);
  TRecordingHook* a = hook("a");
  TRecordingHook* b = hook("b");
  EXPECT_NE(pg::GetWindowLongPtrW(hwnd(), pg::GWLP_WNDPROC), original);
  a->SetActive(false);
  EXPECT_NE(pg::GetWindowLongPtrW(hwnd(), pg::GWLP_WNDPROC), original);
  EXPECT_FALSE(b->Destructed);
  delete b;
  EXPECT_EQ(pg::GetWindowLongPtrW(hwnd(), pg::GWLP_WNDPROC), original);
  pg::SendMessageW(hwnd(), pg::WM_USER + 1, 0, 0);
  EXPECT_TRUE(trace.empty());
  a->SetActive(true);
  pg::SendMessageW(hwnd(), pg::WM_USER + 1, 0, 0);
  EXPECT_EQ(trace, (std::vector<std::string>{"before a", "after a"}));
}

TEST_F(HookIntegration, ARecreatedWindowIsHookedAgain) {
  hook("a");
  pg::HWND old = hwnd();
  form->SetBorderStyle(fw::bsDialog);  // the form makes a new window
  ASSERT_NE(hwnd(), old);
  pump();
  pg::SendMessageW(hwnd(), pg::WM_USER + 1, 0, 0);
  EXPECT_EQ(trace, (std::vector<std::string>{"before a", "after a"}));
}

TEST_F(HookIntegration, AFormGoingAwayTakesItsHooksWithIt) {
  TRecordingHook* a = hook("a");
  auto* other = new TRecordingHook(nullptr);
  other->SetWinControl(form);
  delete form;
  form = nullptr;
  pump();
  EXPECT_EQ(other->GetWinControl(), nullptr);
  delete other;
  (void)a;
}

}  // namespace
}  // namespace z5t8::skin::controls::testing
