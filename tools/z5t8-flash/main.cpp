// z5t8-flash: the firmware update from the command line. It checks the image
// file in the working folder, then runs the same update as the window's
// Download button, with the log on standard output.
#include "app/UpdateProcedure.h"
#include "platform/process/Console.h"

#include <algorithm>
#include <csignal>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <string>

using namespace z5t8;

namespace {

const char usage[] =
    "usage: z5t8-flash\n"
    "Updates a Z5T8 phone with the image file Z5T8-QUEX-TW-R104-0-V4_4_0.bin of the working folder.\n"
    "Checks the file, searches every serial port until the phone's boot ROM answers, then erases\n"
    "the phone's flash and sends the image. Log lines go to standard output as the window's log\n"
    "shows them, message boxes as lines \"[message] TEXT\", a progress bar to standard error when\n"
    "that is a terminal. Z5T8_SERIAL_MAP (COM<n>=<path> entries separated by ':') replaces the\n"
    "list of serial ports. Exit status 0 after a completed update, 1 after any other end.\n";

// A text bar on standard error, drawn only on a terminal.
class Terminal_Bar : public link::ProgressBar {
public:
  explicit Terminal_Bar(bool shown) : shown_(shown) {}

  void Set_Min(std::int32_t v) override { min_ = v; }
  void Set_Max(std::int32_t v) override { max_ = v; }
  std::int32_t Max() const override { return max_; }
  void Set_Step(std::int32_t) override {}
  void Set_Position(std::int32_t v) override {
    position_ = std::clamp(v, min_, std::max(min_, max_));
    draw();
  }
  std::int32_t Position() const override { return position_; }

  // Clears the bar's line so that other output starts at its left.
  void Clear() {
    if (drawn_) std::fputs("\r\033[K", stderr);
    drawn_ = false;
    percent_ = -1;
  }

private:
  void draw() {
    if (!shown_) return;
    std::int64_t range = std::int64_t(max_) - min_;
    int percent = range > 0 ? static_cast<int>((std::int64_t(position_) - min_) * 100 / range) : 0;
    if (percent == percent_) return;
    percent_ = percent;
    char bar[41];
    std::memset(bar, '.', 40);
    std::memset(bar, '#', static_cast<std::size_t>(percent * 40 / 100));
    bar[40] = '\0';
    std::fprintf(stderr, "\r[%s] %3d%%", bar, percent);
    std::fflush(stderr);
    drawn_ = true;
  }

  bool shown_;
  bool drawn_ = false;
  int percent_ = -1;
  std::int32_t min_ = 0, max_ = 100, position_ = 0;
};

class Console_Window : public app::UpdateWindow {
public:
  Console_Window() : bar_(platform::process::Standard_Error_Is_Terminal()) {}

  void Clean_Memo() override {}
  void Print_Str_to_Memo(const std::string& text) override {
    bar_.Clear();
    std::fputs((text + "\r\n").c_str(), stdout);
    std::fflush(stdout);
  }
  void Enable_Download_Button(bool) override {}
  void Show_Message(const std::string& text) override {
    bar_.Clear();
    std::fputs(("[message] " + text + "\n").c_str(), stdout);
    std::fflush(stdout);
    last_message = text;
  }
  link::ProgressBar* Progress_Bar() override { return &bar_; }
  void Process_Messages() override {}
  // Every end but the completed update is a failure here.
  void End_Process(int) override {
    bar_.Clear();
    std::fflush(stdout);
    std::exit(1);
  }

  std::string last_message;

private:
  Terminal_Bar bar_;
};

link::CComport* interrupted_port = nullptr;

extern "C" void on_interrupt(int) {
  // Only calls that are safe in a signal handler: close the descriptor, end.
  if (interrupted_port) interrupted_port->Close_Port();
  static const char line_break[] = "\n";
  if (platform::process::Standard_Error_Is_Terminal()) platform::process::Write_Standard_Error(line_break, 1);
  std::_Exit(1);
}

}  // namespace

int main(int argc, char** argv) {
  platform::process::Prepare_Output();
  if (argc > 1) {
    bool help = argc == 2 && std::strcmp(argv[1], "--help") == 0;
    std::fputs(usage, help ? stdout : stderr);
    return help ? 0 : 1;
  }
  Console_Window window;
  app::UpdateProcedure update(window);
  interrupted_port = &update.Comport;
  std::signal(SIGINT, on_interrupt);
  std::signal(SIGTERM, on_interrupt);

  if (!update.Start_Up()) return 1;
  update.Button_DownloadClick();
  return window.last_message == app::Text_Update_Complete ? 0 : 1;
}
