// Pixel throughput of the bitmap drawing paths, for each pixel routine set:
// a 256 x 256 bitmap drawn, stretched and tiled onto a 1024 x 768 target,
// and the hue shift of a 512 x 512 bitmap.

#include <benchmark/benchmark.h>

#include <random>

#include "skin/render/Bitmap.h"
#include "skin/render/PixelRoutines.h"

namespace {

using namespace z5t8::skin::render;

// Mixed alpha and some key pixels, as skin images have.
void FillSource(TteBitmap& b, int w, int h) {
  b.SetSize(w, h);
  std::mt19937 rng(1);
  for (int y = 0; y < h; ++y)
    for (int x = 0; x < w; ++x) {
      uint32_t v = rng();
      uint32_t alpha = (x / 16 + y / 16) % 3 == 0 ? 0xFF : (v >> 24);
      uint32_t p = alpha << 24 | (v & 0xFFFFFF);
      if ((x + y) % 17 == 0) p = teTransparentVar;
      b.SetPixel(x, y, p);
    }
}

struct Scene {
  TteBitmap source, target;
  Scene() {
    FillSource(source, 256, 256);
    target.SetSize(1024, 768);
    target.Clear(0xFF336699u);
  }
};

bool Use(benchmark::State& state) {
  auto isa = PixelIsa(state.range(0));
  if (!SelectPixelRoutines(isa)) {
    state.SkipWithError("not supported by this processor");
    return false;
  }
  state.SetLabel(PixelIsaName(isa));
  return true;
}

void Report(benchmark::State& state, double pixelsPerIteration) {
  state.counters["Mpx/s"] =
      benchmark::Counter(pixelsPerIteration * double(state.iterations()) / 1e6, benchmark::Counter::kIsRate);
}

void BM_AlphaBlendDraw(benchmark::State& state) {
  if (!Use(state)) return;
  Scene s;
  s.source.AlphaBlend = true;
  for (auto _ : state) {
    s.source.Draw(s.target, 300, 200);
    benchmark::ClobberMemory();
  }
  Report(state, 256.0 * 256);
}

void BM_KeyColourDraw(benchmark::State& state) {
  if (!Use(state)) return;
  Scene s;
  s.source.Transparent = true;
  for (auto _ : state) {
    s.source.Draw(s.target, 300, 200);
    benchmark::ClobberMemory();
  }
  Report(state, 256.0 * 256);
}

void BM_StretchAlphaBlend(benchmark::State& state) {
  if (!Use(state)) return;
  Scene s;
  s.source.AlphaBlend = true;
  for (auto _ : state) {
    s.source.Draw(s.target, Rect{0, 0, 1024, 768});
    benchmark::ClobberMemory();
  }
  Report(state, 1024.0 * 768);
}

void BM_TileAlphaBlend(benchmark::State& state) {
  if (!Use(state)) return;
  Scene s;
  s.source.AlphaBlend = true;
  for (auto _ : state) {
    s.source.Tile(s.target, Rect{0, 0, 1024, 768}, Rect{0, 0, 256, 256});
    benchmark::ClobberMemory();
  }
  Report(state, 1024.0 * 768);
}

void BM_TileOpaque(benchmark::State& state) {
  if (!Use(state)) return;
  Scene s;
  for (auto _ : state) {
    s.source.Tile(s.target, Rect{0, 0, 1024, 768}, Rect{0, 0, 256, 256});
    benchmark::ClobberMemory();
  }
  Report(state, 1024.0 * 768);
}

// range(0): 0 a skin-like picture (bands of one colour), 1 noise.
void BM_ChangeBitmapHue(benchmark::State& state) {
  TteBitmap original, work;
  original.SetSize(512, 512);
  std::mt19937 rng(2);
  for (int y = 0; y < 512; ++y)
    for (int x = 0; x < 512; ++x)
      original.SetPixel(
          x, y,
          state.range(0) ? (rng() | 0xFF000000u) : 0xFF000000u | uint32_t(y) << 16 | uint32_t(x / 32) << 4);
  state.SetLabel(state.range(0) ? "noise" : "bands");
  for (auto _ : state) {
    state.PauseTiming();
    work.Assign(&original);
    state.ResumeTiming();
    work.ChangeBitmapHue(40);
    benchmark::ClobberMemory();
  }
  Report(state, 512.0 * 512);
}

void EverySet(benchmark::internal::Benchmark* b) {
  for (PixelIsa isa : {PixelIsa::Portable, PixelIsa::Sse2, PixelIsa::Avx2}) b->Arg(int(isa));
}

BENCHMARK(BM_AlphaBlendDraw)->Apply(EverySet);
BENCHMARK(BM_KeyColourDraw)->Apply(EverySet);
BENCHMARK(BM_StretchAlphaBlend)->Apply(EverySet);
BENCHMARK(BM_TileAlphaBlend)->Apply(EverySet);
BENCHMARK(BM_TileOpaque)->Apply(EverySet);
BENCHMARK(BM_ChangeBitmapHue)->Arg(0)->Arg(1)->Unit(benchmark::kMillisecond);

}  // namespace

BENCHMARK_MAIN();
