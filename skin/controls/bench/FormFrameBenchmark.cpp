// The skinned frame's hot paths: a non-client paint (every hot-part change,
// press and release paints one), one mouse move of a full drag (the move and
// the paints it dispatches), and the hit test the platform asks for on every
// mouse move. The frame is 370 x 400, unbuffered, once with the classic look
// and once through a theme's window family (the base theme's look with a
// rounded region, standing in for a skin). The embedded Aqua skin's frame
// paints its non-client area plain, with a drop shadow and with translucent
// bands.
#include <benchmark/benchmark.h>

#include <memory>
#include <span>
#include <stdexcept>

#include "framework/MemoryStream.h"
#include "framework/Properties.h"
#include "framework/Resources.h"
#include "framework/gui/Application.h"
#include "framework/gui/Form.h"
#include "platform/gui/Backend.h"
#include "platform/gui/headless/HeadlessBackend.h"
#include "skin/controls/Form.h"
#include "skin/se3/SkinFile.h"
#include "skin/theme/CustomThemeLink.h"
#include "skin/theme/Theme.h"
#include "skin/theme/ThemeManager.h"

namespace {

using namespace z5t8;
using namespace z5t8::skin::controls;
using namespace z5t8::skin::theme;
namespace fw = z5t8::framework;
namespace pg = z5t8::platform::gui;

class TBenchTheme : public TteTheme {
  Z5T8_CLASS(TBenchTheme, TteTheme)
  Z5T8_THEME_CLASS(TBenchTheme)
public:
  std::optional<pg::Region> WindowGetRegion(TteWindowSubclass, const TRect& r, const std::string&) override {
    pg::Region region = pg::Region::roundRect({r.left, r.top, r.right, r.bottom + 20}, 20, 20);
    region.intersect(r);
    return region;
  }
};
Z5T8_IMPLEMENT_CLASS(TBenchTheme, TteTheme) {}

class TBenchLink : public TteCustomThemeLink {
  Z5T8_CLASS(TBenchLink, TteCustomThemeLink)
public:
  using TteCustomThemeLink::TteCustomThemeLink;
  TBenchTheme Theme;
  TteTheme* GetTheme() override { return &Theme; }
};
Z5T8_IMPLEMENT_CLASS(TBenchLink, TteCustomThemeLink) {}

struct Window {
  explicit Window(bool themed) {
    pg::UseHeadlessBackend();
    fw::Application()->Initialize();
    link = std::make_unique<TBenchLink>(nullptr);
    form = std::make_unique<fw::TForm>(nullptr);
    form->SetBounds(100, 100, 370, 400);
    form->SetCaption(u"Z5T8 Updater");
    frame = new TTeForm(form.get());
    frame->IncludeState(fw::csLoading);
    if (themed) frame->SetThemeLink(link.get());
    frame->ExcludeState(fw::csLoading);
    frame->Loaded();
    form->Show();
    form->SetBounds(100, 100, 370, 400);
    fw::Application()->ProcessMessages();
  }
  ~Window() {
    form.reset();
    link.reset();
    fw::Application()->ProcessMessages();
    pg::ShutdownWindowSystem();
  }
  std::unique_ptr<TBenchLink> link;
  std::unique_ptr<fw::TForm> form;
  TTeForm* frame = nullptr;
};

void NonClientPaint(benchmark::State& state) {
  Window w(state.range(0) != 0);
  for (auto _ : state) w.frame->UpdateNonClientArea();
  state.SetLabel(w.frame->Themed() ? "themed" : "classic");
}
BENCHMARK(NonClientPaint)->Arg(0)->Arg(1)->Unit(benchmark::kMicrosecond);

void FullDragMove(benchmark::State& state) {
  Window w(state.range(0) != 0);
  w.frame->NCMouseDown(fw::mbLeft, {fw::ssLeft}, 150, 10);
  int step = 1;
  for (auto _ : state) {
    // Window coordinates follow the window: each move is one pixel from the press.
    w.frame->NCMouseMove({fw::ssLeft}, 150 + step, 10);
    step = -step;
  }
  w.frame->NCMouseUp(fw::mbLeft, {}, 150, 10);
  state.SetLabel(w.frame->Themed() ? "themed" : "classic");
}
BENCHMARK(FullDragMove)->Arg(0)->Arg(1)->Unit(benchmark::kMicrosecond);

void HitTest(benchmark::State& state) {
  Window w(state.range(0) != 0);
  int x = 0;
  for (auto _ : state) {
    benchmark::DoNotOptimize(w.frame->GetHitTest(x, (x * 7) % 400));
    x = (x + 13) % 370;
  }
  state.SetLabel(w.frame->Themed() ? "themed" : "classic");
}
BENCHMARK(HitTest)->Arg(0)->Arg(1);

// The theme list value: version 2, the skin's name, the container's length
// and a zero word, then the container.
std::unique_ptr<skin::se3::TTeSkinFile> LoadAqua() {
  std::span<const uint8_t> value = fw::FindResource("AquaThemeStream");
  fw::TCustomMemoryStream wrapper(value.data(), int64_t(value.size()));
  if (value.size() < 13 || wrapper.ReadByte() != 2) throw std::runtime_error("bad embedded skin");
  (void)fw::ReadCountedString(wrapper);
  const uint32_t count = wrapper.ReadUInt32();
  if (wrapper.ReadUInt32() != 0 || int64_t(count) != wrapper.Size() - wrapper.Position())
    throw std::runtime_error("bad embedded skin");
  fw::TMemoryStream container;
  container.WriteBuffer(value.data() + wrapper.Position(), int64_t(count));
  container.SetPosition(0);
  auto aqua = std::make_unique<skin::se3::TTeSkinFile>();
  if (!aqua->LoadFromStream(container)) throw std::runtime_error("the embedded skin does not load");
  return aqua;
}

enum Effect { Plain, WithShadow, WithBlending };

// A 370 x 400 Aqua frame (its shadow outside that) over a backdrop window.
struct AquaWindow {
  explicit AquaWindow(Effect effect) {
    pg::UseHeadlessBackend();
    fw::Application()->Initialize();
    ChangeTheme(LoadAqua());
    backdrop = std::make_unique<fw::TForm>(nullptr);
    backdrop->SetBorderStyle(fw::bsNone);
    backdrop->SetBounds(0, 0, 1024, 738);
    backdrop->SetColor(fw::clTeal);
    backdrop->Show();
    form = std::make_unique<fw::TForm>(nullptr);
    form->SetCaption(u"Z5T8 Updater");
    frame = new TTeForm(form.get());
    frame->IncludeState(fw::csLoading);
    frame->Shadow()->SetEnabled(effect == WithShadow);
    frame->Blending()->SetEnabled(effect == WithBlending);
    frame->ExcludeState(fw::csLoading);
    frame->Loaded();
    form->Show();
    int s = effect == WithShadow ? frame->Shadow()->Size() : 0;
    form->SetBounds(100, 100, 370 + s, 400 + s);
    fw::Application()->ProcessMessages();
    if (!frame->Themed() || frame->FrameWidth() != 370 || frame->FrameHeight() != 400)
      throw std::runtime_error("the Aqua frame is not 370 x 400");
  }
  ~AquaWindow() {
    form.reset();
    backdrop.reset();
    fw::Application()->ProcessMessages();
    ReleaseTheme();
    pg::ShutdownWindowSystem();
  }
  std::unique_ptr<fw::TForm> backdrop;
  std::unique_ptr<fw::TForm> form;
  TTeForm* frame = nullptr;
};

void AquaNonClientPaint(benchmark::State& state) {
  AquaWindow w(Effect(state.range(0)));
  for (auto _ : state) w.frame->UpdateNonClientArea();
  const char* labels[] = {"plain", "shadow", "blending"};
  state.SetLabel(labels[state.range(0)]);
}
BENCHMARK(AquaNonClientPaint)->Arg(Plain)->Arg(WithShadow)->Arg(WithBlending)->Unit(benchmark::kMicrosecond);

}  // namespace

BENCHMARK_MAIN();
