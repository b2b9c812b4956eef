// The main window with its Aqua skin on the headless screen: start-up to the
// first complete paint (the image check measured apart), a full repaint, a
// log line at 2,000 lines with its repaint, and a transfer at 115200 baud
// through the window against phone-sim: the longest gap between two turns of
// the message pump, and the share of the line's time the transfer used. Then
// the Aqua frame's hot paths on the 370 x 400 window (an unbuffered non-client
// paint, one full-drag move with the paints it dispatches, the hit test) and
// the repaint of a 178 x 41 button and of the memo with its bar, under Aqua; and
// a message box under Aqua from the call to its first complete paint.
#include "app/MainWindow.h"
#include "app/bench/BenchWindow.h"
#include "app/ProgramStartUp.h"
#include "framework/gui/Application.h"
#include "framework/gui/Dialogs.h"
#include "framework/gui/Memo.h"
#include "link/WindowHooks.h"
#include "platform/gui/Backend.h"
#include "platform/gui/headless/HeadlessBackend.h"
#include "platform/gui/Paint.h"
#include "skin/controls/Button.h"
#include "skin/controls/Form.h"
#include "skin/controls/InplaceScrollBar.h"
#include "skin/controls/Memo.h"
#include "tools/make-image/ImageMaker.h"
#include "tools/phone-sim/PhoneSimProcess.h"

#include <benchmark/benchmark.h>

#include <algorithm>
#include <chrono>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <memory>

namespace {

using namespace z5t8;
using Clock = std::chrono::steady_clock;
namespace fs = std::filesystem;

// A working folder holding the smallest image that passes the check.
struct Working_Folder {
  Working_Folder() {
    previous = fs::current_path();
    path = fs::temp_directory_path() / "z5t8-window-bench";
    fs::create_directories(path);
    fs::current_path(path);
    auto plan = make_image::Plan_Image(make_image::Smallest_Image_Size());
    std::vector<std::uint8_t> image = make_image::Make_Image(*plan, 3);
    std::ofstream(app::Image_File_Name, std::ios::binary)
        .write(reinterpret_cast<const char*>(image.data()), std::streamsize(image.size()));
  }
  ~Working_Folder() {
    fs::current_path(previous);
    fs::remove_all(path);
  }
  fs::path previous, path;
};

app::TForm1* Create_Window() { return app::bench::Create_Window(true); }
using app::bench::Destroy_Window;

// Layout, skin, FormCreate with the check, show and the first paint; the
// check's own time is reported beside and taken off.
void StartUpToFirstPaint(benchmark::State& state) {
  Working_Folder folder;
  double check_ms = 0;
  for (auto _ : state) {
    auto start = Clock::now();
    app::TForm1* form = Create_Window();
    form->Show();
    framework::Application()->ProcessMessages();
    auto end = Clock::now();
    state.PauseTiming();
    auto check_start = Clock::now();
    form->Checksum(app::Image_File_Name);
    double check = std::chrono::duration<double, std::milli>(Clock::now() - check_start).count();
    check_ms += check;
    state.SetIterationTime(std::chrono::duration<double>(end - start).count() - check / 1000);
    Destroy_Window(form);
    state.ResumeTiming();
  }
  state.counters["check_ms"] = check_ms / double(state.iterations());
}
BENCHMARK(StartUpToFirstPaint)->UseManualTime()->Unit(benchmark::kMillisecond)->Iterations(20);

void FullRepaint(benchmark::State& state) {
  Working_Folder folder;
  app::TForm1* form = Create_Window();
  form->Show();
  framework::Application()->ProcessMessages();
  for (auto _ : state) form->Repaint();
  Destroy_Window(form);
}
BENCHMARK(FullRepaint)->Unit(benchmark::kMillisecond);

void PrintAt2000Lines(benchmark::State& state) {
  Working_Folder folder;
  app::TForm1* form = Create_Window();
  form->Show();
  form->Clean_Memo();
  for (int i = 0; i < 2000; ++i)
    form->Print_Str_to_Memo("開始傳送檔案: Thu Dec 10 11:05:42 2026\n. " + std::to_string(i));
  framework::Application()->ProcessMessages();
  const std::u16string base = form->mReceive->GetText();
  for (auto _ : state) {
    state.PauseTiming();
    form->mReceive->SetText(base);
    framework::Application()->ProcessMessages();
    state.ResumeTiming();
    form->Print_Str_to_Memo("找到COM5");
    framework::Application()->ProcessMessages();
  }
  Destroy_Window(form);
}
BENCHMARK(PrintAt2000Lines)->Unit(benchmark::kMillisecond);

// 200,000 bytes (about 17 s of line time) through the window's channel.
void TransferAt115200(benchmark::State& state) {
  Working_Folder folder;
  app::TForm1* form = Create_Window();
  form->Show();
  framework::Application()->ProcessMessages();
  const std::uint32_t size = 200000;
  std::vector<std::uint8_t> image =
      make_image::Make_Image(*make_image::Plan_Image(make_image::Smallest_Image_Size()), 5);
  image.resize(size);
  for (auto _ : state) {
    phone_sim::PhoneSimProcess sim(std::string(Z5T8_BIN_DIR) + "/phone-sim", {"--baud", "115200"});
    setenv("Z5T8_SERIAL_MAP", ("COM5=" + sim.Path()).c_str(), 1);
    Clock::time_point last = Clock::now();
    double longest = 0;
    bool measuring = false;
    link::Set_Message_Pump([&] {
      auto now = Clock::now();
      if (measuring)
        longest = std::max(longest, std::chrono::duration<double, std::milli>(now - last).count());
      form->Process_Messages();
      last = Clock::now();
    });
    std::uint16_t port = 0;
    link::CComport& channel = form->Comport();
    if (!channel.Find_Brom_Port(port) || !form->Check_Version() || !channel.Brom_Erase(size)) {
      state.SkipWithError("the phone did not answer");
      break;
    }
    measuring = true;
    auto start = Clock::now();
    bool ok = channel.Brom_Download(size, image.data(), link::Brom_Block_Size, 1);
    double seconds = std::chrono::duration<double>(Clock::now() - start).count();
    measuring = false;
    channel.Brom_Finish();
    channel.Close_Port();
    if (!ok) {
      state.SkipWithError("the transfer failed");
      break;
    }
    // Ten bits a byte on the line: image, size word and checksum.
    double line_seconds = double(size + 4 + 2) * 10 / 115200;
    state.counters["longest_gap_ms"] = longest;
    state.counters["efficiency"] = line_seconds / seconds;
    state.SetIterationTime(seconds);
  }
  link::Set_Message_Pump([form] { form->Process_Messages(); });
  unsetenv("Z5T8_SERIAL_MAP");
  Destroy_Window(form);
}
BENCHMARK(TransferAt115200)->UseManualTime()->Unit(benchmark::kSecond)->Iterations(1);

// The shown window at 370 x 400 with its frame unbuffered.
struct Aqua_Window {
  Aqua_Window() {
    form = Create_Window();
    form->TeForm1->SetPerformance(skin::controls::zqfpNoBuffer);
    form->Show();
    form->SetBounds(100, 100, 370, 400);
    framework::Application()->ProcessMessages();
  }
  ~Aqua_Window() { Destroy_Window(form); }
  Working_Folder folder;
  app::TForm1* form = nullptr;
};

void AquaNonClientPaint(benchmark::State& state) {
  Aqua_Window w;
  if (!w.form->TeForm1->Themed()) state.SkipWithError("the frame is not themed");
  for (auto _ : state) w.form->TeForm1->UpdateNonClientArea();
}
BENCHMARK(AquaNonClientPaint)->Unit(benchmark::kMicrosecond);

void AquaFullDragMove(benchmark::State& state) {
  Aqua_Window w;
  auto* frame = w.form->TeForm1;
  frame->NCMouseDown(framework::mbLeft, {framework::ssLeft}, 150, 10);
  int step = 1;
  for (auto _ : state) {
    // Window coordinates follow the window: each move is one pixel from the press.
    frame->NCMouseMove({framework::ssLeft}, 150 + step, 10);
    step = -step;
  }
  frame->NCMouseUp(framework::mbLeft, {}, 150, 10);
}
BENCHMARK(AquaFullDragMove)->Unit(benchmark::kMicrosecond);

void AquaHitTest(benchmark::State& state) {
  Aqua_Window w;
  int x = 0;
  for (auto _ : state) {
    benchmark::DoNotOptimize(w.form->TeForm1->GetHitTest(x, (x * 7) % 400));
    x = (x + 13) % 370;
  }
}
BENCHMARK(AquaHitTest);

void Repaint(framework::TWinControl* control) {
  platform::gui::InvalidateRect(control->Handle(), nullptr, true);
  platform::gui::UpdateWindow(control->Handle());
}

void AquaButtonRepaint(benchmark::State& state) {
  Aqua_Window w;
  for (auto _ : state) Repaint(w.form->Button_Download);
}
BENCHMARK(AquaButtonRepaint)->Unit(benchmark::kMicrosecond);

void AquaMemoRepaint(benchmark::State& state) {
  Aqua_Window w;
  framework::TWinControl* bar = w.form->mReceive->SubScrollBar()->VertScrollBar();
  for (auto _ : state) {
    Repaint(w.form->mReceive);
    Repaint(bar);
  }
}
BENCHMARK(AquaMemoRepaint)->Unit(benchmark::kMicrosecond);

// The outcome box as the window shows it: made with Aqua's frame and button,
// shown over the main window, and every paint that asks for done (the box's
// and the main window's, which turns inactive).
void AquaMessageBoxToFirstPaint(benchmark::State& state) {
  Working_Folder folder;
  app::TForm1* form = Create_Window();
  form->Show();
  framework::Application()->ProcessMessages();
  for (auto _ : state) {
    auto start = Clock::now();
    std::unique_ptr<framework::TCustomForm> box(
        framework::CreateMessageForm(u"\u66F4\u65B0\u5B8C\u6210.", u"z5t8-updater"));
    box->Show();
    framework::Application()->ProcessMessages();
    state.SetIterationTime(std::chrono::duration<double>(Clock::now() - start).count());
    state.PauseTiming();
    if (!box->FindComponent("MessageFrame")) state.SkipWithError("the box has no Aqua frame");
    box.reset();
    framework::Application()->ProcessMessages();
    state.ResumeTiming();
  }
  Destroy_Window(form);
}
BENCHMARK(AquaMessageBoxToFirstPaint)->UseManualTime()->Unit(benchmark::kMillisecond)->Iterations(50);

}  // namespace
