// Our embedded skin in a skin theme: loading the "ThemeStream" value's container (inflate,
// parse, reset) and a hue change (a reset with a new delta). Release build only.
#include <benchmark/benchmark.h>

#include <cstring>

#include "framework/MemoryStream.h"
#include "framework/Resources.h"
#include "skin/se3/SkinFile.h"

using namespace z5t8;

namespace {

// The container inside the wrapper: version, counted name, 8-byte count, data.
std::span<const uint8_t> Container() {
  std::span<const uint8_t> value = framework::FindResource("AquaThemeStream");
  int32_t nameLength;
  std::memcpy(&nameLength, value.data() + 1, 4);
  return value.subspan(size_t(1 + 4 + nameLength + 8));
}

void BM_LoadEmbeddedSkin(benchmark::State& state) {
  std::span<const uint8_t> bytes = Container();
  for (auto _ : state) {
    framework::TCustomMemoryStream stream(bytes.data(), int64_t(bytes.size()));
    skin::se3::TTeSkinFile theme;
    benchmark::DoNotOptimize(theme.LoadFromStream(stream));
  }
  state.counters["compressed_bytes"] = double(bytes.size());
}
BENCHMARK(BM_LoadEmbeddedSkin)->Unit(benchmark::kMillisecond);

void BM_HueChange(benchmark::State& state) {
  std::span<const uint8_t> bytes = Container();
  framework::TCustomMemoryStream stream(bytes.data(), int64_t(bytes.size()));
  skin::se3::TTeSkinFile theme;
  theme.LoadFromStream(stream);
  int delta = 0;
  for (auto _ : state) {
    delta = delta == 30 ? -30 : 30;
    theme.ChangeThemeHue(delta);
  }
}
BENCHMARK(BM_HueChange)->Unit(benchmark::kMillisecond);

}  // namespace

BENCHMARK_MAIN();
