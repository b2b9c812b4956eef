// The image check of a full-size (16 MiB) image file, as the window runs it
// before it is shown.
#include "app/UpdateProcedure.h"
#include "tools/make-image/ImageMaker.h"

#include <benchmark/benchmark.h>

#include <cstdlib>
#include <filesystem>
#include <fstream>

namespace {

class Quiet_Window : public z5t8::app::UpdateWindow {
public:
  void Clean_Memo() override {}
  void Print_Str_to_Memo(const std::string&) override {}
  void Enable_Download_Button(bool) override {}
  void Show_Message(const std::string&) override {}
  z5t8::link::ProgressBar* Progress_Bar() override { return nullptr; }
  void Process_Messages() override {}
  void End_Process(int) override { std::abort(); }  // the image must pass
};

void ImageCheck16MiB(benchmark::State& state) {
  auto file = std::filesystem::temp_directory_path() / "z5t8-bench-image.bin";
  auto plan = z5t8::make_image::Plan_Image(16777216);
  std::vector<std::uint8_t> image = z5t8::make_image::Make_Image(*plan, 1);
  std::ofstream(file, std::ios::binary)
      .write(reinterpret_cast<const char*>(image.data()), static_cast<std::streamsize>(image.size()));
  Quiet_Window window;
  z5t8::app::UpdateProcedure update(window);
  for (auto _ : state) benchmark::DoNotOptimize(update.Checksum(file.string()));
  state.SetBytesProcessed(static_cast<std::int64_t>(state.iterations()) * 16777216);
  std::filesystem::remove(file);
}
BENCHMARK(ImageCheck16MiB)->Unit(benchmark::kMillisecond);

}  // namespace

BENCHMARK_MAIN();
