#include <gtest/gtest.h>

#include <chrono>
#include <cstdlib>
#include <functional>
#include <memory>
#include <optional>
#include <string>

#include "framework/gui/Application.h"
#include "framework/gui/Form.h"
#include "platform/gui/Backend.h"
#include "platform/gui/MessageQueue.h"
#include "platform/gui/ScrollBar.h"
#include "platform/gui/Timer.h"
#include "platform/gui/testing/XSession.h"
#include "platform/gui/x11/X11Backend.h"
#include "skin/controls/Button.h"
#include "skin/controls/Memo.h"
#include "skin/theme/Theme.h"
#include "skin/theme/ThemeManager.h"

namespace z5t8::skin::controls {
namespace {

namespace pg = platform::gui;
using framework::Application;
using framework::TObject;

class ControlsX11E2e : public ::testing::Test {
protected:
  void SetUp() override {
    if (std::string tool = pg::testing::XSession::MissingTool({}); !tool.empty())
      GTEST_SKIP() << tool << " is needed";
    if (std::system("command -v xdotool >/dev/null 2>&1") != 0) GTEST_SKIP() << "xdotool is needed";
    server_.emplace();
    ASSERT_TRUE(server_->Started()) << server_->Error();
    std::string error;
    auto backend = pg::OpenX11Backend(server_->Display(), error);
    ASSERT_TRUE(backend) << error;
    pg::UseBackend(std::move(backend));
    started_ = true;
    Application()->Initialize();
    theme::ChangeTheme(std::make_unique<theme::TteTheme>());
    form = std::make_unique<framework::TForm>(nullptr);
    form->SetBounds(40, 40, 420, 400);
    memo = new TTeMemo(form.get());
    memo->SetParent(form.get());
    memo->SetBounds(1, 17, 368, 273);
    memo->SetReadOnly(true);
    memo->SetScrollBars(framework::ssVertical);
    std::u16string text;
    for (int i = 0; i < 80; ++i) text += u"Line " + std::u16string(1, char16_t(u'A' + i % 26)) + u"\r\n";
    memo->SetText(text);
    button = new TTeButton(form.get());
    button->SetParent(form.get());
    button->SetBounds(1, 297, 178, 41);
    button->SetCaption(u"Download");
    button->OnClick = [this](TObject*) { ++clicks; };
    form->Show();
    Settle();
  }
  void TearDown() override {
    form.reset();
    theme::ReleaseTheme();
    if (started_) {
      Application()->ProcessMessages();
      Application()->SetMainForm(nullptr);
      pg::ShutdownWindowSystem();
    }
  }
  // Runs the message loop until `done` or a few seconds pass.
  bool PumpUntil(const std::function<bool()>& done) {
    uintptr_t timer = pg::SetTimer(form->Handle(), 0x5EED, 20, nullptr);
    auto until = std::chrono::steady_clock::now() + std::chrono::seconds(5);
    bool ok = false;
    while (std::chrono::steady_clock::now() < until) {
      Application()->ProcessMessages();
      if (done()) {
        ok = true;
        break;
      }
      pg::WaitMessage();
    }
    pg::KillTimer(form->Handle(), timer);
    return ok;
  }
  void Settle() {
    auto until = std::chrono::steady_clock::now() + std::chrono::milliseconds(300);
    PumpUntil([&] { return std::chrono::steady_clock::now() > until; });
  }
  void Xdotool(const std::string& args) { ASSERT_EQ(server_->ExitStatus("xdotool " + args), 0) << args; }
  std::string At(framework::TControl* c, int x, int y) {
    pg::Point p = c->ClientToScreen({x, y});
    return std::to_string(p.x) + " " + std::to_string(p.y);
  }

  std::optional<pg::testing::XSession> server_;
  bool started_ = false;
  std::unique_ptr<framework::TForm> form;
  TTeMemo* memo = nullptr;
  TTeButton* button = nullptr;
  int clicks = 0;
};

TEST_F(ControlsX11E2e, HoverAndClickAButtonThenDragTheMemoThumb) {
  Xdotool("mousemove " + At(button, 30, 20));
  EXPECT_TRUE(PumpUntil([&] { return button->IsHot(); })) << "hover";
  Xdotool("click 1");
  EXPECT_TRUE(PumpUntil([&] { return clicks == 1; })) << "click";
  EXPECT_FALSE(button->Pressed());

  TTeScrollBar* bar = memo->SubScrollBar()->VertScrollBar()->ScrollBar();
  ASSERT_TRUE(bar->SliderVisible());
  ASSERT_EQ(pg::GetScrollPos(memo->Handle(), pg::SB_VERT), 0);
  TRect thumb = bar->GetSliderRect();
  int x = thumb.left + thumb.width() / 2, y = thumb.top + 3;
  Xdotool("mousemove " + At(bar, x, y) + " mousedown 1");
  EXPECT_TRUE(PumpUntil([&] { return bar->GrabOffset() >= 0; })) << "thumb held";
  Xdotool("mousemove " + At(bar, x, y + 80));
  EXPECT_TRUE(PumpUntil([&] { return pg::GetScrollPos(memo->Handle(), pg::SB_VERT) > 0; })) << "text scrolls";
  Xdotool("mouseup 1");
  EXPECT_TRUE(PumpUntil([&] { return bar->GrabOffset() < 0; }));
  int top = pg::GetScrollPos(memo->Handle(), pg::SB_VERT);
  EXPECT_GT(top, 10);
  EXPECT_EQ(bar->Position(), top) << "the skinned bar shows where the memo is";
}

}  // namespace
}  // namespace z5t8::skin::controls
