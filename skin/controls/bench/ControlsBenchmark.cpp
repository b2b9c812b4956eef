// Repaint costs of the skinned controls on the headless screen, themed by the
// current theme (the base theme until a skin is embedded): the main window's
// 178 x 41 button (double buffer), its 368 x 273 memo with the 42 instruction
// lines and the in-place bar, and a 2,000-line memo taking one more line.

#include <benchmark/benchmark.h>

#include <memory>
#include <string>

#include "framework/Properties.h"
#include "framework/Resources.h"
#include "framework/TextForm.h"
#include "framework/gui/Application.h"
#include "framework/gui/Form.h"
#include "platform/gui/Backend.h"
#include "platform/gui/Paint.h"
#include "platform/gui/headless/HeadlessBackend.h"
#include "skin/controls/Button.h"
#include "skin/controls/Memo.h"
#include "skin/controls/Registration.h"
#include "skin/controls/tests/MainLayout.h"
#include "skin/theme/Theme.h"
#include "skin/theme/ThemeManager.h"

using namespace z5t8::framework;
using namespace z5t8::skin::controls;
namespace pg = z5t8::platform::gui;

class TBenchWindow : public TForm {
  Z5T8_CLASS(TBenchWindow, TForm)
public:
  using TForm::TForm;
  TTeMemo* mReceive = nullptr;
  TTeButton* Button_Download = nullptr;
  void FormCreate(TObject*) {}
  void FormClose(TObject*, TCloseAction&) {}
  void Button_DownloadClick(TObject*) {}
  void Button_Exit_SystemClick(TObject*) {}
};

Z5T8_IMPLEMENT_CLASS(TBenchWindow, TForm) {
  p.Field("mReceive", &TBenchWindow::mReceive);
  p.Field("Button_Download", &TBenchWindow::Button_Download);
  p.Method("FormCreate", &TBenchWindow::FormCreate);
  p.Method("FormClose", &TBenchWindow::FormClose);
  p.Method("Button_DownloadClick", &TBenchWindow::Button_DownloadClick);
  p.Method("Button_Exit_SystemClick", &TBenchWindow::Button_Exit_SystemClick);
}

namespace {

struct Window {
  std::unique_ptr<TBenchWindow> form;
  Window() {
    static bool once = [] {
      pg::UseHeadlessBackend();
      Application()->Initialize();
      RegisterSkinControlClasses();
      RegisterClass(TBenchWindow::StaticClass());
      static std::string layout = ObjectTextToBinary(MainLayoutWithoutThemeComponents("TBenchWindow"));
      RegisterResource("TBENCHWINDOW", reinterpret_cast<const uint8_t*>(layout.data()), layout.size());
      z5t8::skin::theme::ChangeTheme(std::make_unique<z5t8::skin::theme::TteTheme>());
      return true;
    }();
    (void)once;
    form.reset(TCustomForm::CreateForm<TBenchWindow>(nullptr));
    form->Show();
    Application()->ProcessMessages();
  }
  ~Window() {
    form.reset();
    Application()->ProcessMessages();
  }
};

// Paints counted per iteration show that every round really paints.
void CountPaints(TWinControl* control, int& counter) {
  auto old = control->WindowProc;
  control->WindowProc = [old, &counter](TMessage& m) {
    if (m.Msg == pg::WM_PAINT) ++counter;
    old(m);
  };
}

void Repaint(TWinControl* control) {
  pg::InvalidateRect(control->Handle(), nullptr, true);
  pg::UpdateWindow(control->Handle());
}

void BM_ButtonRepaint(benchmark::State& state) {
  Window w;
  TTeButton* button = w.form->Button_Download;
  int paints = 0;
  CountPaints(button, paints);
  for (auto _ : state) Repaint(button);
  state.counters["paints"] = benchmark::Counter(paints, benchmark::Counter::kAvgIterations);
}
BENCHMARK(BM_ButtonRepaint)->Unit(benchmark::kMillisecond);

void BM_MemoRepaint(benchmark::State& state) {
  Window w;
  TTeMemo* memo = w.form->mReceive;
  TWinControl* bar = memo->SubScrollBar()->VertScrollBar();
  int paints = 0;
  CountPaints(memo, paints);
  for (auto _ : state) {
    Repaint(memo);
    Repaint(bar);
  }
  state.counters["paints"] = benchmark::Counter(paints, benchmark::Counter::kAvgIterations);
}
BENCHMARK(BM_MemoRepaint)->Unit(benchmark::kMillisecond);

void BM_MemoAddLineAt2000(benchmark::State& state) {
  Window w;
  TTeMemo* memo = w.form->mReceive;
  std::string text;
  for (int i = 0; i < 2000; ++i) text += "Log line " + std::to_string(i) + "\r\n";
  memo->Lines()->SetText(text);
  Application()->ProcessMessages();
  for (auto _ : state) {
    memo->Lines()->Add("One more line");
    Application()->ProcessMessages();
    state.PauseTiming();
    memo->Lines()->Delete(memo->Lines()->Count() - 1);
    Application()->ProcessMessages();
    state.ResumeTiming();
  }
}
BENCHMARK(BM_MemoAddLineAt2000)->Unit(benchmark::kMillisecond);

}  // namespace

BENCHMARK_MAIN();
