// The main window's figures on the Windows build, where Google Benchmark has no
// build: start-up to the first complete paint (the image check measured apart),
// a full repaint, and the longest gap between two turns of the message pump
// during a transfer at 115200 baud against a paced phone-sim on the first
// boot-ROM port. The window is a real one (the system's window backend) unless
// --headless asks for the virtual screen, which tells the drawing apart from
// the presenting. scripts/bench-windows runs it under Wine beside the Linux
// figures.
//
//   window-timing [--headless] [TRANSFER-BYTES]
#include "app/MainWindow.h"
#include "app/bench/BenchWindow.h"
#include "app/ProgramStartUp.h"
#include "framework/gui/Application.h"
#include "link/WindowHooks.h"
#include "platform/gui/Backend.h"
#include "platform/gui/headless/HeadlessBackend.h"
#include "tools/make-image/ImageMaker.h"

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <filesystem>
#include <fstream>
#include <string>
#include <vector>

namespace {

using namespace z5t8;
using Clock = std::chrono::steady_clock;
namespace fs = std::filesystem;

bool headless = false;

double Ms(Clock::duration d) { return std::chrono::duration<double, std::milli>(d).count(); }

app::TForm1* Create_Window() { return app::bench::Create_Window(headless); }
using app::bench::Destroy_Window;

struct Figures {
  double mean = 0, best = 1e300, worst = 0;
  int n = 0;
  void add(double v) {
    mean += (v - mean) / ++n;
    best = std::min(best, v);
    worst = std::max(worst, v);
  }
};

void Report(const char* name, const Figures& f, const char* extra = "") {
  std::printf("%-28s mean %8.3f ms  best %8.3f ms  worst %8.3f ms  (%d runs)%s\n", name, f.mean, f.best,
              f.worst, f.n, extra);
}

}  // namespace

int main(int argc, char** argv) {
  std::uint32_t transfer = 200000;
  for (int i = 1; i < argc; ++i) {
    if (std::strcmp(argv[i], "--headless") == 0)
      headless = true;
    else
      transfer = std::uint32_t(std::strtoul(argv[i], nullptr, 10));
  }
  // A working folder holding the smallest image that passes the check.
  fs::path previous = fs::current_path();
  fs::path folder = fs::temp_directory_path() / "z5t8-window-timing";
  fs::create_directories(folder);
  fs::current_path(folder);
  auto plan = make_image::Plan_Image(make_image::Smallest_Image_Size());
  std::vector<std::uint8_t> image = make_image::Make_Image(*plan, 3);
  std::ofstream(app::Image_File_Name, std::ios::binary)
      .write(reinterpret_cast<const char*>(image.data()), std::streamsize(image.size()));

  // Layout, skin, FormCreate with the check, show and every paint it asks
  // for. The check is timed apart and its mean taken off the mean: taken off
  // each run, a slow check beside a fast run would give a time below nothing.
  Figures startUp, check;
  for (int i = 0; i < 10; ++i) {
    auto start = Clock::now();
    app::TForm1* form = Create_Window();
    form->Show();
    framework::Application()->ProcessMessages();
    startUp.add(Ms(Clock::now() - start));
    auto checkStart = Clock::now();
    form->Checksum(app::Image_File_Name);
    check.add(Ms(Clock::now() - checkStart));
    Destroy_Window(form);
  }
  char note[96];
  std::snprintf(note, sizeof note, "\n%-28s mean %8.3f ms beyond the image check (%.3f ms)", "",
                startUp.mean - check.mean, check.mean);
  Report("start-up to first paint", startUp, note);

  app::TForm1* form = Create_Window();
  form->Show();
  framework::Application()->ProcessMessages();
  Figures repaint;
  for (int i = 0; i < 200; ++i) {
    auto start = Clock::now();
    form->Repaint();
    repaint.add(Ms(Clock::now() - start));
  }
  Report("full repaint", repaint);

  if (transfer) {
    std::vector<std::uint8_t> data = make_image::Make_Image(*plan, 5);
    data.resize(transfer);
    Clock::time_point last = Clock::now();
    double longest = 0, longestTurn = 0;
    int turns = 0, over50 = 0;
    bool measuring = false;
    link::Set_Message_Pump([&] {
      auto now = Clock::now();
      if (measuring) {
        double gap = Ms(now - last);
        longest = std::max(longest, gap);
        ++turns;
        over50 += gap > 50;
      }
      form->Process_Messages();
      last = Clock::now();
      if (measuring) longestTurn = std::max(longestTurn, Ms(last - now));
    });
    std::uint16_t port = 0;
    link::CComport& channel = form->Comport();
    if (!channel.Find_Brom_Port(port) || !form->Check_Version() || !channel.Brom_Erase(transfer)) {
      std::fputs("transfer: the phone did not answer\n", stderr);
    } else {
      measuring = true;
      auto start = Clock::now();
      bool ok = channel.Brom_Download(transfer, data.data(), link::Brom_Block_Size, 1);
      double seconds = std::chrono::duration<double>(Clock::now() - start).count();
      measuring = false;
      channel.Brom_Finish();
      channel.Close_Port();
      // Ten bits a byte on the line: image, size word and checksum.
      double lineSeconds = double(transfer + 4 + 2) * 10 / 115200;
      if (ok)
        std::printf(
            "transfer at 115200 baud      longest gap %.3f ms (%d of %d gaps over 50 ms), longest pump turn "
            "%.3f ms, "
            "%u bytes in %.3f s, efficiency %.4f\n",
            longest, over50, turns, longestTurn, unsigned(transfer), seconds, lineSeconds / seconds);
      else
        std::fputs("transfer: failed\n", stderr);
    }
    link::Set_Message_Pump([form] { form->Process_Messages(); });
  }
  Destroy_Window(form);
  fs::current_path(previous);
  std::error_code ignored;
  fs::remove_all(folder, ignored);
  return 0;
}
