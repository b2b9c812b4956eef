#include <gtest/gtest.h>

#include <fcntl.h>
#include <signal.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

#include <chrono>
#include <cstdlib>
#include <functional>
#include <memory>
#include <string>
#include <thread>

#include "framework/gui/Application.h"
#include "framework/gui/Form.h"
#include "platform/gui/Backend.h"
#include "platform/gui/MessageQueue.h"
#include "platform/gui/ScrollBar.h"
#include "platform/gui/Timer.h"
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

bool OnPath(const char* tool) {
  std::string cmd = std::string("command -v ") + tool + " > /dev/null 2>&1";
  return std::system(cmd.c_str()) == 0;
}

// A private X server on a display number nobody uses, and the X11 window
// system opened on it.
class XServer {
public:
  bool Start(std::string& error) {
    for (int n = 121; n < 170; ++n) {
      struct stat st;
      if (stat(("/tmp/.X11-unix/X" + std::to_string(n)).c_str(), &st) == 0) continue;
      if (stat(("/tmp/.X" + std::to_string(n) + "-lock").c_str(), &st) == 0) continue;
      name_ = ":" + std::to_string(n);
      pid_ = fork();
      if (pid_ == 0) {
        int devnull = open("/dev/null", O_WRONLY);
        dup2(devnull, 1);
        dup2(devnull, 2);
        execlp("Xvfb", "Xvfb", name_.c_str(), "-screen", "0", "800x600x24", "-nolisten", "tcp", "-noreset",
               nullptr);
        _exit(127);
      }
      for (int i = 0; i < 100; ++i) {
        std::this_thread::sleep_for(std::chrono::milliseconds(50));
        if (auto backend = pg::OpenX11Backend(name_, error)) {
          pg::UseBackend(std::move(backend));
          return true;
        }
        int status;
        if (waitpid(pid_, &status, WNOHANG) == pid_) break;
      }
      Stop();
    }
    return false;
  }
  void Stop() {
    if (pid_ > 0) {
      kill(pid_, SIGTERM);
      waitpid(pid_, nullptr, 0);
    }
    pid_ = -1;
  }
  ~XServer() { Stop(); }
  const std::string& Name() const { return name_; }

private:
  pid_t pid_ = -1;
  std::string name_;
};

class ControlsX11E2e : public ::testing::Test {
protected:
  void SetUp() override {
    if (!OnPath("Xvfb") || !OnPath("xdotool")) GTEST_SKIP() << "Xvfb and xdotool are needed";
    std::string error;
    ASSERT_TRUE(server_.Start(error)) << error;
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
  void Xdotool(const std::string& args) {
    std::string cmd = "DISPLAY=" + server_.Name() + " xdotool " + args;
    ASSERT_EQ(std::system(cmd.c_str()), 0) << cmd;
  }
  std::string At(framework::TControl* c, int x, int y) {
    pg::Point p = c->ClientToScreen({x, y});
    return std::to_string(p.x) + " " + std::to_string(p.y);
  }

  XServer server_;
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
