#include <gtest/gtest.h>

#include <memory>
#include <stdexcept>
#include <string>

#include "framework/gui/Button.h"
#include "framework/gui/Form.h"
#include "framework/gui/Timer.h"
#include "framework/gui/tests/GuiFixture.h"
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

TEST_F(ApplicationIntegration, MinimizeAndRestoreActOnTheMainFormWithTheirEvents) {
  std::unique_ptr<TForm> form(new TForm(nullptr));
  Application()->SetMainForm(form.get());
  form->Show();
  Application()->ProcessMessages();
  std::string events;
  Application()->OnMinimize = [&](TObject*) { events += "min "; };
  Application()->OnRestore = [&](TObject*) { events += "restore"; };
  Application()->Minimize();
  EXPECT_TRUE(pg::IsIconic(form->Handle()));
  Application()->Restore();
  EXPECT_FALSE(pg::IsIconic(form->Handle()));
  EXPECT_EQ(events, "min restore");
  Application()->OnMinimize = nullptr;
  Application()->OnRestore = nullptr;
}

}  // namespace
}  // namespace z5t8::framework
