// A whole base-look window frame of 370 x 400 as a form paints it: frame, client,
// seven caption buttons and the title text between them.

#include <benchmark/benchmark.h>

#include <algorithm>
#include <string>

#include "skin/render/Bitmap.h"
#include "skin/theme/Theme.h"

namespace {

using namespace z5t8::skin::theme;

const std::string kDefault = "default";

void BM_BaseFrameDraw(benchmark::State& state) {
  TteTheme theme;
  z5t8::skin::render::TteBitmap target;
  target.SetSize(370, 400);
  z5t8::framework::TCanvas* canvas = target.GetCanvas();
  const TteWindowInfo info = WindowInfo({0, 0, 370, 400}, {kwdsActive}, NullRect,
                                        {kwbSysMenu, kwbClose, kwbMax, kwbMin, kwbRoll, kwbTray, kwbHelp},
                                        u"Z5T8 firmware update", false);
  const TteWindowButtonClass buttons[] = {kwbSysMenu, kwbClose, kwbHelp, kwbMin, kwbMax, kwbRoll, kwbTray};
  for (auto _ : state) {
    theme.WindowDraw(kwscStandard, canvas, info, kDefault);
    theme.WindowDrawClient(kwscStandard, canvas, theme.WindowGetClientRect(kwscStandard, info.Rect, kDefault),
                           kDefault);
    TRect title = theme.WindowGetTitleRect(kwscStandard, info, kDefault);
    for (TteWindowButtonClass button : buttons) {
      TRect r = theme.WindowGetButtonRect(kwscStandard, info, button, kDefault);
      theme.WindowDrawButton(kwscStandard, canvas, WindowButtonInfo(r, button, kwbdsNormal, nullptr),
                             kDefault);
      if (button == kwbSysMenu)
        title.left = std::max(title.left, r.right + 2);
      else
        title.right = std::min(title.right, r.left - 2);
    }
    theme.WindowDrawText(kwscStandard, canvas, info, title, kDefault);
    benchmark::DoNotOptimize(target.Bits());
  }
}
BENCHMARK(BM_BaseFrameDraw)->Unit(benchmark::kMicrosecond);

void BM_BaseHitTest(benchmark::State& state) {
  TteTheme theme;
  const TteWindowInfo info =
      WindowInfo({0, 0, 370, 400}, {kwdsActive}, NullRect, {kwbClose, kwbMax, kwbMin}, u"", false);
  int i = 0;
  for (auto _ : state) {
    int x = i * 37 % 370, y = i * 53 % 400;
    benchmark::DoNotOptimize(theme.WindowGetHitTest(kwscStandard, info, x, y, kDefault));
    ++i;
  }
}
BENCHMARK(BM_BaseHitTest);

}  // namespace

BENCHMARK_MAIN();
