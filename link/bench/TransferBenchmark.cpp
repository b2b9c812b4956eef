// The transfer of an image through phone-sim paced at 115200 baud 8N1: how
// close the link comes to the line's 11,520 bytes per second.
#include "link/CComport.h"
#include "tools/phone-sim/PhoneSimProcess.h"

#include <benchmark/benchmark.h>

#include <chrono>
#include <cstdlib>

namespace {

constexpr double line_bytes_per_second = 115200.0 / 10.0;

void Transfer(benchmark::State& state) {
  const auto size = static_cast<std::uint32_t>(state.range(0));
  std::vector<std::uint8_t> image(size);
  for (std::uint32_t i = 0; i < size; ++i) image[i] = static_cast<std::uint8_t>(i * 131 + (i >> 9));

  for (auto _ : state) {
    state.PauseTiming();
    z5t8::phone_sim::PhoneSimProcess sim(std::string(Z5T8_BIN_DIR) + "/phone-sim", {"--baud", "115200"});
    if (!sim.Started()) {
      state.SkipWithError("phone-sim did not start");
      return;
    }
    setenv("Z5T8_SERIAL_MAP", ("COM5=" + sim.Path()).c_str(), 1);
    z5t8::link::CComport port;
    std::uint16_t found = 0;
    if (!port.Find_Brom_Port(found) || !port.Brom_Erase(size)) {
      state.SkipWithError("no boot ROM");
      return;
    }
    state.ResumeTiming();
    auto start = std::chrono::steady_clock::now();
    bool ok = port.Brom_Download(size, image.data(), z5t8::link::Brom_Block_Size, 1);
    double seconds = std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
    state.PauseTiming();
    if (!ok) {
      state.SkipWithError("the transfer failed");
      return;
    }
    state.SetIterationTime(seconds);
    state.counters["efficiency"] = size / seconds / line_bytes_per_second;
    state.counters["payload_Bps"] = size / seconds;
    port.Brom_Finish();
    port.Close_Port();
    state.ResumeTiming();
  }
}
// 256 KiB: about 23 seconds of line time.
BENCHMARK(Transfer)->Arg(262144)->Iterations(1)->UseManualTime()->Unit(benchmark::kSecond);

}  // namespace

BENCHMARK_MAIN();
