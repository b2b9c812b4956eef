// The update log rebuilds the memo's whole text for every line it appends
// (read the text, concatenate, write it back); this measures that step on a
// memo the size of the main window's holding 2,000 lines, with and without the
// repaint that follows.
#include <benchmark/benchmark.h>

#include <memory>
#include <string>

#include "framework/TextUtils.h"
#include "framework/gui/Application.h"
#include "framework/gui/Form.h"
#include "framework/gui/Memo.h"
#include "platform/gui/Backend.h"
#include "platform/gui/headless/HeadlessBackend.h"

namespace {

using namespace z5t8::framework;
namespace pg = z5t8::platform::gui;

struct LogWindow {
  LogWindow() {
    pg::UseHeadlessBackend();
    Application()->Initialize();
    form = std::make_unique<TForm>(nullptr);
    form->SetClientSize(370, 370);
    memo = new TMemo(form.get());
    memo->SetParent(form.get());
    memo->SetBounds(1, 17, 368, 273);
    memo->SetReadOnly(true);
    memo->SetScrollBars(ssVertical);
    form->Show();
    for (int i = 0; i < 2000; ++i)
      base += u"\u958B\u59CB\u50B3\u9001\u6A94\u6848: Thu Dec 10 11:05:42 2026\n. block " +
              Utf8ToUtf16(std::to_string(i)) + u"\r\n";
    memo->SetText(base);
    Application()->ProcessMessages();
  }
  ~LogWindow() {
    form.reset();
    pg::ShutdownWindowSystem();
  }
  std::unique_ptr<TForm> form;
  TMemo* memo = nullptr;
  std::u16string base;
};

void Append(benchmark::State& state, bool repaint) {
  LogWindow window;
  const std::u16string line = u"\u627E\u5230COM5";
  for (auto _ : state) {
    state.PauseTiming();
    window.memo->SetText(window.base);
    Application()->ProcessMessages();
    state.ResumeTiming();
    window.memo->SetText(window.memo->GetText() + line + u"\r\n");
    if (repaint) Application()->ProcessMessages();
  }
  benchmark::DoNotOptimize(window.memo->Lines()->Count());
}

void BM_MemoAppendLineTo2000(benchmark::State& state) { Append(state, false); }
void BM_MemoAppendLineTo2000AndRepaint(benchmark::State& state) { Append(state, true); }

BENCHMARK(BM_MemoAppendLineTo2000)->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_MemoAppendLineTo2000AndRepaint)->Unit(benchmark::kMicrosecond);

}  // namespace

BENCHMARK_MAIN();
