// The two queries every skinned control makes on every paint: which theme draws it
// (GetThemeLink) and whether that theme has a look for it (IsObjectDefined). They must
// not allocate; the counter allocs_per_call says whether they do.

#include <benchmark/benchmark.h>

#include <atomic>
#include <cstdlib>
#include <memory>
#include <new>
#include <string>

#include "framework/Properties.h"
#include "skin/theme/CustomThemeLink.h"
#include "skin/theme/Theme.h"
#include "skin/theme/ThemeManager.h"
#include "skin/theme/ThemeServices.h"

namespace {

std::atomic<long> allocations{0};

}  // namespace

void* operator new(std::size_t size) {
  allocations.fetch_add(1, std::memory_order_relaxed);
  if (void* p = std::malloc(size ? size : 1)) return p;
  throw std::bad_alloc();
}
void operator delete(void* p) noexcept { std::free(p); }
void operator delete(void* p, std::size_t) noexcept { std::free(p); }

namespace z5t8::skin::theme {
namespace {

// Knows only its "default" button, as a skin without a look of that name would.
class TDefaultOnlyTheme : public TteTheme {
  Z5T8_CLASS(TDefaultOnlyTheme, TteTheme)
  Z5T8_THEME_CLASS(TDefaultOnlyTheme)

public:
  bool IsButtonDefined(TteButtonSubclass, const std::string& objectName) override {
    return objectName == "default";
  }
};
Z5T8_IMPLEMENT_CLASS(TDefaultOnlyTheme, TteTheme) {}

class TBenchLink : public TteCustomThemeLink {
  Z5T8_CLASS(TBenchLink, TteCustomThemeLink)

public:
  explicit TBenchLink(framework::TComponent* owner) : TteCustomThemeLink(owner) {}
  std::unique_ptr<TteTheme> Theme = std::make_unique<TDefaultOnlyTheme>();
  TteTheme* GetTheme() override { return Theme.get(); }
};
Z5T8_IMPLEMENT_CLASS(TBenchLink, TteCustomThemeLink) {}

// link: whether the control has a theme link; objectName: found directly, or only
// through the current theme's "default".
void Query(benchmark::State& state, bool linked, const std::string& objectName) {
  ChangeTheme(std::make_unique<TDefaultOnlyTheme>());
  TBenchLink link(nullptr);
  TteCustomThemeLink* controlLink = linked ? &link : nullptr;
  long before = allocations.load();
  for (auto _ : state) {
    TteTheme* theme = GetThemeLink(controlLink);
    bool defined = IsObjectDefined(kbscButton, objectName, controlLink);
    benchmark::DoNotOptimize(theme);
    benchmark::DoNotOptimize(defined);
  }
  state.counters["allocs_per_call"] =
      benchmark::Counter(double(allocations.load() - before) / double(state.iterations()));
  ReleaseTheme();
}

void BM_QueryCurrentTheme(benchmark::State& state) { Query(state, false, "default"); }
void BM_QueryCurrentThemeFallingBack(benchmark::State& state) { Query(state, false, "Button_Download"); }
void BM_QueryThroughLink(benchmark::State& state) { Query(state, true, "Button_Download"); }

BENCHMARK(BM_QueryCurrentTheme);
BENCHMARK(BM_QueryCurrentThemeFallingBack);
BENCHMARK(BM_QueryThroughLink);

}  // namespace
}  // namespace z5t8::skin::theme

BENCHMARK_MAIN();
