// Our Aqua skin answering the window's calls: a 370 x 400 frame with its caption and
// caption buttons, the window region, one hit test, and a 178 x 41 push button.

#include <benchmark/benchmark.h>

#include <memory>
#include <string>

#include "skin/render/Bitmap.h"
#include "skin/se3/SkinFile.h"
#include "tools/skin-tool/SkinSources.h"

namespace {

using namespace z5t8::skin::theme;
using z5t8::skin::se3::TTeSkinFile;

const std::string kDefault = "default";
const TteWindowButtons kButtons{kwbSysMenu, kwbClose, kwbMin, kwbMax};

std::unique_ptr<TTeSkinFile> Aqua() {
  auto theme = std::make_unique<TTeSkinFile>();
  auto sources = z5t8::skin_tool::ReadSkinSources(std::string(Z5T8_SOURCE_DIR) + "/resources/skins/Aqua");
  theme->LoadedSource()->Assign(sources.get());
  theme->ResetTheme();
  return theme;
}

TteWindowInfo Window() {
  return WindowInfo({0, 0, 370, 400}, {kwdsActive}, NullRect, kButtons, u"Z5T8 \u97cc\u9ad4\u66f4\u65b0",
                    false);
}

// WindowDraw, then the caption and the caption buttons, as the form frame paints them.
void BM_AquaFrameDraw(benchmark::State& state) {
  auto theme = Aqua();
  z5t8::skin::render::TteBitmap target;
  target.SetSize(370, 400);
  z5t8::framework::TCanvas* canvas = target.GetCanvas();
  const TteWindowInfo info = Window();
  const TteWindowButtonClass buttons[] = {kwbSysMenu, kwbClose, kwbMin, kwbMax};
  for (auto _ : state) {
    theme->WindowDraw(kwscStandard, canvas, info, kDefault);
    TRect title = theme->WindowGetTitleRect(kwscStandard, info, kDefault);
    theme->WindowDrawText(kwscStandard, canvas, info, title, kDefault);
    for (TteWindowButtonClass button : buttons) {
      TRect r = theme->WindowGetButtonRect(kwscStandard, info, button, kDefault);
      theme->WindowDrawButton(kwscStandard, canvas, WindowButtonInfo(r, button, kwbdsNormal, nullptr),
                              kDefault);
    }
    benchmark::DoNotOptimize(target.Bits());
  }
}
BENCHMARK(BM_AquaFrameDraw)->Unit(benchmark::kMicrosecond);

void BM_AquaWindowRegion(benchmark::State& state) {
  auto theme = Aqua();
  for (auto _ : state)
    benchmark::DoNotOptimize(theme->WindowGetRegion(kwscStandard, {0, 0, 370, 400}, kDefault));
}
BENCHMARK(BM_AquaWindowRegion)->Unit(benchmark::kMicrosecond);

// One call per point, over the title, a button, a border and the client in turn.
void BM_AquaHitTest(benchmark::State& state) {
  auto theme = Aqua();
  const TteWindowInfo info = Window();
  const int points[][2] = {{150, 13}, {355, 13}, {1, 200}, {200, 200}};
  size_t i = 0;
  for (auto _ : state) {
    const int* p = points[i++ % 4];
    benchmark::DoNotOptimize(theme->WindowGetHitTest(kwscStandard, info, p[0], p[1], kDefault));
  }
}
BENCHMARK(BM_AquaHitTest)->Unit(benchmark::kMicrosecond);

void BM_AquaButtonDraw(benchmark::State& state) {
  auto theme = Aqua();
  z5t8::skin::render::TteBitmap target;
  target.SetSize(178, 41);
  z5t8::framework::TCanvas* canvas = target.GetCanvas();
  for (auto _ : state) {
    theme->ButtonDraw(kbscButton, canvas, ButtonInfo({0, 0, 178, 41}, kbdsHot), kDefault);
    benchmark::DoNotOptimize(target.Bits());
  }
}
BENCHMARK(BM_AquaButtonDraw)->Unit(benchmark::kMicrosecond);

}  // namespace

BENCHMARK_MAIN();
