#include <gtest/gtest.h>

#include <functional>
#include <memory>
#include <stdexcept>
#include <string>

#include "framework/gui/Button.h"
#include "framework/gui/Form.h"
#include "framework/gui/Timer.h"
#include "framework/gui/tests/GuiFixture.h"
#include "platform/gui/Backend.h"
#include "platform/gui/MessageQueue.h"
#include "platform/gui/Window.h"

namespace z5t8::framework {
namespace {

namespace pg = platform::gui;

class ApplicationIntegration : public GuiTest {};

TEST_F(ApplicationIntegration, RunShowsTheMainFormAndEndsOnTerminate) {
  auto* form = new TForm(Application());
  Application()->SetMainForm(form);
  TTimer timer(nullptr);
  timer.SetInterval(50);
  int ticks = 0;
  timer.OnTimer = [&](TObject*) {
    EXPECT_TRUE(form->Visible());
    if (++ticks == 3) Application()->Terminate();
  };
  Application()->Run();
  EXPECT_EQ(ticks, 3);
  EXPECT_TRUE(Application()->Terminated());
  // The form is the main form, so closing it ends the program too.
  Application()->Initialize();
  form->Close();
  Application()->ProcessMessages();
  EXPECT_TRUE(Application()->Terminated());
  Application()->Done();
  EXPECT_EQ(Application()->MainForm(), nullptr);
}

TEST_F(ApplicationIntegration, ExceptionsInHandlersReachOnExceptionAndTheLoopGoesOn) {
  std::unique_ptr<TForm> form(new TForm(nullptr));
  auto* button = new TButton(form.get());
  button->SetParent(form.get());
  button->SetBounds(10, 10, 75, 25);
  button->OnClick = [](TObject*) { throw std::runtime_error("Port is busy"); };
  form->Show();
  Application()->ProcessMessages();
  std::string seen;
  Application()->OnException = [&](TObject*, const std::exception& e) { seen = e.what(); };
  TPoint o = button->ClientOrigin();
  pg::headless::Click(o.x + 5, o.y + 5);
  Application()->ProcessMessages();
  EXPECT_EQ(seen, "Port is busy");
  int clicks = 0;
  button->OnClick = [&](TObject*) { ++clicks; };
  pg::headless::Click(o.x + 5, o.y + 5);
  Application()->ProcessMessages();
  EXPECT_EQ(clicks, 1);
  Application()->OnException = nullptr;
}

TEST_F(ApplicationIntegration, MinimizeAndRestoreActOnTheMainFormOnlyWhenItsStateChanges) {
  std::unique_ptr<TForm> form(new TForm(nullptr));
  std::unique_ptr<TForm> other(new TForm(nullptr));
  Application()->SetMainForm(form.get());
  form->Show();
  other->Show();
  Application()->ProcessMessages();
  std::string events;
  Application()->OnMinimize = [&](TObject*) { events += "min "; };
  Application()->OnRestore = [&](TObject*) { events += "restore "; };
  auto sys = [](TForm* f, pg::WPARAM cmd) { pg::SendMessageW(f->Handle(), pg::WM_SYSCOMMAND, cmd, 0); };
  struct Step {
    const char* what;
    std::function<void()> act;
    bool iconic;
    const char* events;
  };
  const Step steps[] = {
      {"minimize", [] { Application()->Minimize(); }, true, "min "},
      {"minimize again", [] { Application()->Minimize(); }, true, ""},
      {"SC_MINIMIZE while minimized", [&] { sys(form.get(), pg::SC_MINIMIZE); }, true, ""},
      {"restore", [] { Application()->Restore(); }, false, "restore "},
      {"restore again", [] { Application()->Restore(); }, false, ""},
      {"SC_MINIMIZE", [&] { sys(form.get(), pg::SC_MINIMIZE); }, true, "min "},
      {"SC_RESTORE", [&] { sys(form.get(), pg::SC_RESTORE); }, false, "restore "},
      {"the window manager iconifies",
       [&] {
         pg::NotifyIconified(form->Handle(), true);
         Application()->ProcessMessages();
       },
       true, "min "},
      {"and brings it back",
       [&] {
         pg::NotifyIconified(form->Handle(), false);
         Application()->ProcessMessages();
       },
       false, "restore "},
      {"SC_RESTORE of a maximized form",
       [&] {
         sys(form.get(), pg::SC_MAXIMIZE);
         sys(form.get(), pg::SC_RESTORE);
       },
       false, ""},
      {"minimized and hidden, as to the tray",
       [&] {
         Application()->Minimize();
         pg::ShowWindow(form->Handle(), pg::SW_HIDE);
       },
       true, "min "},
      {"restore brings it back into view", [] { Application()->Restore(); }, false, "restore "},
      {"another form minimizes", [&] { sys(other.get(), pg::SC_MINIMIZE); }, false, ""},
  };
  for (const Step& step : steps) {
    events.clear();
    step.act();
    EXPECT_EQ(bool(pg::IsIconic(form->Handle())), step.iconic) << step.what;
    EXPECT_FALSE(pg::IsZoomed(form->Handle())) << step.what;
    if (!step.iconic) EXPECT_TRUE(pg::IsWindowVisible(form->Handle())) << step.what;
    EXPECT_EQ(events, step.events) << step.what;
  }
  EXPECT_TRUE(pg::IsIconic(other->Handle()));
  // A handler that minimizes again, as a frame chained to the event does,
  // finds the form minimized and does not come back.
  int calls = 0;
  Application()->OnMinimize = [&](TObject*) {
    ++calls;
    Application()->Minimize();
  };
  Application()->Minimize();
  EXPECT_EQ(calls, 1);
  Application()->OnMinimize = nullptr;
  Application()->OnRestore = nullptr;
}

}  // namespace
}  // namespace z5t8::framework
