#include <benchmark/benchmark.h>

#include "platform/gui/Backend.h"
#include "platform/gui/DefWindowProc.h"
#include "platform/gui/MessageQueue.h"
#include "platform/gui/Paint.h"
#include "platform/gui/SystemMetrics.h"
#include "platform/gui/Window.h"
#include "platform/gui/headless/HeadlessBackend.h"

namespace {

using namespace z5t8::platform::gui;

LRESULT childProc(HWND h, UINT msg, WPARAM wp, LPARAM lp) {
  if (msg == WM_PAINT) {
    PAINTSTRUCT ps;
    DeviceContext* dc = BeginPaint(h, &ps);
    Rect c;
    GetClientRect(h, &c);
    dc->fillRect(c, Brush::solid(RGB(0xB8, 0xC8, 0xE0)));
    dc->setBkMode(TRANSPARENT);
    dc->drawText(u"Button", c, DT_CENTER | DT_VCENTER | DT_SINGLELINE);
    EndPaint(h, &ps);
    return 0;
  }
  return DefWindowProcW(h, msg, wp, lp);
}

// From CreateWindowEx of a classic framed window with ten children to the
// moment nothing is left to paint: frame, backgrounds and every child drawn.
void BM_TopLevelWithTenChildrenToFirstPaint(benchmark::State& state) {
  UseHeadlessBackend();
  WNDCLASSEXW wc;
  wc.lpfnWndProc = DefWindowProcW;
  wc.hbrBackground = GetSysColorBrush(COLOR_BTNFACE);
  wc.lpszClassName = u"BenchTop";
  RegisterClassExW(wc);
  wc.lpfnWndProc = childProc;
  wc.lpszClassName = u"BenchChild";
  RegisterClassExW(wc);
  for (auto _ : state) {
    HWND top = CreateWindowExW(0, u"BenchTop", u"Benchmark window", WS_OVERLAPPEDWINDOW | WS_VISIBLE, 100,
                               100, 400, 300, nullptr, 0, nullptr);
    for (int i = 0; i < 10; ++i)
      CreateWindowExW(0, u"BenchChild", u"", WS_CHILD | WS_VISIBLE, 10 + (i % 5) * 75, 10 + (i / 5) * 40, 70,
                      30, top, i + 1, nullptr);
    PumpPendingMessages();
    benchmark::DoNotOptimize(top);
    state.PauseTiming();
    DestroyWindow(top);
    state.ResumeTiming();
  }
  ShutdownWindowSystem();
}
BENCHMARK(BM_TopLevelWithTenChildrenToFirstPaint)->Unit(benchmark::kMicrosecond);

}  // namespace
