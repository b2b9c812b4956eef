// Deflating and inflating a store body of the embedded skin's size through the
// container's zlib streams.
#include <benchmark/benchmark.h>

#include <cstdint>
#include <vector>

#include "framework/MemoryStream.h"
#include "skin/se3/CompressionStream.h"
#include "skin/se3/DecompressionStream.h"

using namespace z5t8;
using skin::se3::TCompressionLevel;

namespace {

constexpr size_t kBodySize = 380000;

// Mostly images: rows of smooth gradients with a transparent key border and a little
// noise, the way skin bitmaps compress, plus a stretch of property text.
std::vector<uint8_t> StoreBody() {
  std::vector<uint8_t> body;
  body.reserve(kBodySize);
  uint32_t noise = 12345;
  while (body.size() < kBodySize - 20000) {
    const int w = 64 + int(body.size() % 97), h = 24;
    for (int y = 0; y < h; ++y)
      for (int x = 0; x < w; ++x) {
        noise = noise * 1103515245u + 12345u;
        const bool key = x < 2 || x >= w - 2;
        const uint8_t v = uint8_t(0x80 + y * 3 + ((noise >> 16) & 3));
        const uint8_t px[4] = {key ? uint8_t(0x7F) : v, key ? uint8_t(0) : uint8_t(v - 8),
                               key ? uint8_t(0x7F) : uint8_t(v - 16), key ? uint8_t(0) : uint8_t(0xFF)};
        body.insert(body.end(), px, px + 4);
      }
  }
  static const char kText[] =
      "object TSeBitmapObject\r\n  Name = 'Face'\r\n  Align = saClient\r\n  Tile = True\r\nend\r\n";
  while (body.size() < kBodySize) body.push_back(uint8_t(kText[body.size() % (sizeof kText - 1)]));
  return body;
}

std::vector<uint8_t> Deflate(const std::vector<uint8_t>& body, TCompressionLevel level) {
  framework::TMemoryStream out;
  skin::se3::TCompressionStream z(level, out);
  z.WriteBuffer(body.data(), int64_t(body.size()));
  z.Finish();
  return out.Bytes();
}

void BM_Deflate(benchmark::State& state, TCompressionLevel level) {
  const std::vector<uint8_t> body = StoreBody();
  size_t compressed = 0;
  for (auto _ : state) compressed = Deflate(body, level).size();
  state.SetBytesProcessed(int64_t(state.iterations() * body.size()));
  state.counters["compressed"] = double(compressed);
}
BENCHMARK_CAPTURE(BM_Deflate, fastest, skin::se3::clFastest)->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(BM_Deflate, default, skin::se3::clDefault)->Unit(benchmark::kMillisecond);

void BM_Inflate(benchmark::State& state, TCompressionLevel level) {
  const std::vector<uint8_t> body = StoreBody();
  const std::vector<uint8_t> z = Deflate(body, level);
  std::vector<uint8_t> out(body.size());
  for (auto _ : state) {
    framework::TCustomMemoryStream source(z.data(), int64_t(z.size()));
    skin::se3::TDecompressionStream in(source);
    in.ReadBuffer(out.data(), int64_t(out.size()));
    benchmark::DoNotOptimize(out.data());
  }
  state.SetBytesProcessed(int64_t(state.iterations() * body.size()));
}
BENCHMARK_CAPTURE(BM_Inflate, fastest, skin::se3::clFastest)->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(BM_Inflate, default, skin::se3::clDefault)->Unit(benchmark::kMillisecond);

}  // namespace

BENCHMARK_MAIN();
