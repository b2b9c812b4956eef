#include <benchmark/benchmark.h>

#include "platform/gui/DeviceContext.h"

using namespace z5t8::platform::gui;

namespace {

void BM_FillRect1024x768(benchmark::State& state) {
  Surface s(1024, 768);
  DeviceContext dc(&s);
  Brush brush = Brush::solid(RGB(0xD4, 0xD0, 0xC8));
  for (auto _ : state) {
    dc.fillRect({0, 0, 1024, 768}, brush);
    benchmark::DoNotOptimize(s.bits());
  }
  state.SetItemsProcessed(state.iterations() * 1024 * 768);
}
BENCHMARK(BM_FillRect1024x768);

void BM_KeyColourBlit64x64(benchmark::State& state) {
  Surface sprite(64, 64);
  for (int32_t y = 0; y < 64; ++y)
    for (int32_t x = 0; x < 64; ++x) sprite.scanLine(y)[x] = ((x / 8 + y / 8) % 2) ? 0x007F007F : 0xFF3366CC;
  DeviceContext src(&sprite);
  Surface target(1024, 768);
  DeviceContext dc(&target);
  for (auto _ : state) {
    dc.transparentBlt(100, 100, 64, 64, src, 0, 0, 64, 64, RGB(0x7F, 0, 0x7F));
    benchmark::DoNotOptimize(target.bits());
  }
  state.SetItemsProcessed(state.iterations() * 64 * 64);
}
BENCHMARK(BM_KeyColourBlit64x64);

void BM_ChineseLine20(benchmark::State& state) {
  LogFont lf;
  lf.faceName = "新細明體";
  lf.height = -12;
  lf.charSet = CHINESEBIG5_CHARSET;
  Surface target(400, 40);
  DeviceContext dc(&target);
  dc.selectFont(Font(lf));
  dc.setBkMode(TRANSPARENT);
  const std::u16string line = u"請將手機關機並按住一鍵後插入傳輸線開始下載";
  Rect r{0, 0, 400, 40};
  dc.drawText(line, r, DT_SINGLELINE | DT_VCENTER);  // warms the glyph cache
  for (auto _ : state) {
    Rect box = r;
    benchmark::DoNotOptimize(dc.drawText(line, box, DT_SINGLELINE | DT_VCENTER));
  }
  state.SetItemsProcessed(state.iterations() * int64_t(line.size()));
}
BENCHMARK(BM_ChineseLine20);

}  // namespace
