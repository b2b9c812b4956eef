// A Form-like skin object tree at 370 x 400: four frame strips with corner pieces, a
// title with text, six caption buttons and a client. Measures the draw into a 32-bit
// bitmap, building the window region, and a second layout at the same size.
// `--snapshot=FILE.png` writes the drawn tree for a look.

#include <benchmark/benchmark.h>

#include <cmath>
#include <cstring>
#include <memory>
#include <string>

#include "platform/gui/Png.h"
#include "skin/render/Bitmap.h"
#include "skin/render/BitmapList.h"
#include "skin/se3/SkinBitmapSkinObjects.h"
#include "skin/se3/SkinObject.h"

namespace {

using namespace z5t8;
using namespace z5t8::skin::se3;
using skin::render::TteBitmap;
using skin::render::TteBitmapList;

constexpr uint32_t kKey = 0x007F007Fu;

uint32_t Mix(uint32_t a, uint32_t b, double t) {
  auto ch = [&](int s) {
    return uint32_t(std::lround(((a >> s) & 0xFF) * (1 - t) + ((b >> s) & 0xFF) * t)) << s;
  };
  return 0xFF000000u | ch(16) | ch(8) | ch(0);
}

// The title bar: a glossy blue band whose two outer corners are rounded off in the key.
void TitleBar(TteBitmap& b) {
  const int w = 120, h = 24, r = 7;
  b.SetSize(w, h);
  for (int y = 0; y < h; ++y)
    for (int x = 0; x < w; ++x) {
      double t = double(y) / (h - 1);
      uint32_t c =
          y < h / 2 ? Mix(0xFFB8D4F4u, 0xFF6D9FE0u, t * 2) : Mix(0xFF3C78D0u, 0xFF2A5CB0u, (t - 0.5) * 2);
      int cx = x < r ? r : x >= w - r ? w - 1 - r : x;
      if (y < r && (x < r || x >= w - r) && std::hypot(x - cx, y - r) > r) c = kKey;
      b.SetPixel(x, y, c);
    }
}

void Frame(TteBitmap& b) {
  b.SetSize(4, 4);
  for (int y = 0; y < 4; ++y)
    for (int x = 0; x < 4; ++x) b.SetPixel(x, y, Mix(0xFF2A5CB0u, 0xFF5A8AD8u, (x + y) / 6.0));
}

// A round caption button in the colour, its outside in the key.
void Button(TteBitmap& b, uint32_t colour) {
  const int s = 15;
  b.SetSize(s, s);
  for (int y = 0; y < s; ++y)
    for (int x = 0; x < s; ++x) {
      double d = std::hypot(x - 7, y - 7);
      uint32_t c = d > 7.2   ? kKey
                   : d > 6.2 ? 0xFF304060u
                             : Mix(0xFFFFFFFFu, colour, std::min(1.0, (y + 2) / 9.0));
      b.SetPixel(x, y, c);
    }
}

struct FormTree {
  TteBitmapList pictures;
  std::unique_ptr<TSeSkinObject> form = std::make_unique<TSeSkinObject>(nullptr);
  TteBitmap target;

  FormTree() {
    auto add = [&](const char* name, auto paint) {
      auto b = std::make_unique<TteBitmap>();
      b->Name = name;
      paint(*b);
      pictures.Add(std::move(b));
    };
    add("title", TitleBar);
    add("frame", Frame);
    add("red", [](TteBitmap& b) { Button(b, 0xFFE0463Cu); });
    add("amber", [](TteBitmap& b) { Button(b, 0xFFF0B030u); });
    add("green", [](TteBitmap& b) { Button(b, 0xFF58B848u); });
    add("grey", [](TteBitmap& b) { Button(b, 0xFF9098A8u); });

    form->SetName("Form");
    form->SetKind(skForm);
    form->SetBoundsRect({0, 0, 300, 250});
    auto strip = [&](TSeSkinObject* owner, const char* name, TSeAlign align, TSeKind kind, const Rect& r) {
      auto* o = new TSeBitmapSkinObject(owner);
      o->SetName(name);
      o->SetAlign(align);
      o->SetKind(kind);
      o->SetBoundsRect(r);
      o->SetTileStyle(tsStretch);
      return o;
    };
    auto* top = new TSeSkinObject(form.get());
    top->SetName("Top");
    top->SetAlign(saTop);
    top->SetBoundsRect({0, 0, 300, 24});
    Link(strip(top, "TopLeft", saLeft, skTopLeft, {0, 0, 8, 24}), "title", {0, 0, 8, 24});
    Link(strip(top, "TopRight", saRight, skTopRight, {292, 0, 300, 24}), "title", {112, 0, 120, 24});
    auto* caption = strip(top, "TopCenter", saClient, skTitle, {8, 0, 292, 24});
    Link(caption, "title", {8, 0, 112, 24});
    caption->SetTextMarginLeft(45);
    caption->SetTextMarginRight(60);
    caption->SetTextAlign(taLeft);
    caption->Font()->SetName("Arial");
    caption->Font()->SetStyle({framework::fsBold});
    caption->Font()->SetColor(0xFFFFFF);
    const struct {
      const char* name;
      TSeAction action;
      const char* picture;
      int left;
      TSeAlign align;
    } buttons[] = {
        {"Close", sbaClose, "red", 277, saTopRight},       {"Max", sbaMaximize, "green", 259, saTopRight},
        {"Restore", sbaRestore, "green", 259, saTopRight}, {"Min", sbaMinimize, "amber", 241, saTopRight},
        {"RollUp", sbaRollUp, "grey", 223, saNone},        {"RollDown", sbaRollDown, "grey", 223, saNone}};
    for (const auto& b : buttons) {
      auto* o = new TSeSysButtonSkinObject(top);
      o->SetName(b.name);
      o->SetAction(b.action);
      o->SetAlign(b.align);
      o->SetBoundsRect({b.left, 4, b.left + 15, 19});
      Link(o, b.picture, {0, 0, 15, 15});
    }
    auto* bottom = new TSeSkinObject(form.get());
    bottom->SetName("Bottom");
    bottom->SetAlign(saBottom);
    bottom->SetBoundsRect({0, 246, 300, 250});
    Link(strip(bottom, "BottomLeft", saLeft, skBottomLeft, {0, 246, 4, 250}), "frame", {0, 0, 4, 4});
    Link(strip(bottom, "BottomRight", saRight, skBottomRight, {296, 246, 300, 250}), "frame", {0, 0, 4, 4});
    Link(strip(bottom, "BottomCenter", saClient, skBottom, {4, 246, 296, 250}), "frame", {0, 0, 4, 4});
    Link(strip(form.get(), "Left", saLeft, skLeft, {0, 24, 4, 246}), "frame", {0, 0, 4, 4});
    auto* right = strip(form.get(), "Right", saRight, skRight, {296, 24, 300, 246});
    right->SetTileStyle(tsTile);
    Link(right, "frame", {0, 0, 4, 4});
    auto* client = new TSeSkinObject(form.get());
    client->SetName("Client");
    client->SetAlign(saClient);
    client->SetKind(skClient);
    client->SetMasked(false);
    client->SetColor(0xE8E8E8);

    form->SetBitmaps(&pictures);
    form->AfterLoad();
    form->SetState(ssNormal);
    form->SetSysButtons(
        {skin::theme::kwbClose, skin::theme::kwbMin, skin::theme::kwbMax, skin::theme::kwbSysMenu});
    form->SetActive(true);
    caption->SetText(u"Z5T8 Firmware Update");
    form->SetBoundsRect({0, 0, 370, 400});
    target.SetSize(370, 400);
    target.Clear(0xFF000000u);
  }

  static void Link(TSeSkinObject* o, const char* name, const Rect& r) {
    auto* link = static_cast<TSeBitmapSkinObject*>(o)->Bitmap();
    link->Name = name;
    link->SetRect(r);
  }
};

void BM_DrawForm(benchmark::State& state) {
  FormTree t;
  for (auto _ : state) {
    t.form->Draw(t.target.GetCanvas(), {-1, -1, -1, -1});
    benchmark::DoNotOptimize(t.target.Bits());
  }
}
BENCHMARK(BM_DrawForm)->Unit(benchmark::kMicrosecond);

void BM_FormRegion(benchmark::State& state) {
  FormTree t;
  for (auto _ : state) {
    std::optional<Region> region = t.form->GetRegion();
    benchmark::DoNotOptimize(region);
  }
}
BENCHMARK(BM_FormRegion)->Unit(benchmark::kMicrosecond);

void BM_SecondLayoutSameSize(benchmark::State& state) {
  FormTree t;
  for (auto _ : state) {
    t.form->SetBoundsRect({0, 0, 370, 400});
    benchmark::ClobberMemory();
  }
}
BENCHMARK(BM_SecondLayoutSameSize)->Unit(benchmark::kNanosecond);

void BM_AligningAll(benchmark::State& state) {
  FormTree t;
  for (auto _ : state) {
    t.form->AligningAll();
    benchmark::ClobberMemory();
  }
}
BENCHMARK(BM_AligningAll)->Unit(benchmark::kNanosecond);

}  // namespace

int main(int argc, char** argv) {
  for (int i = 1; i < argc; ++i)
    if (std::strncmp(argv[i], "--snapshot=", 11) == 0) {
      FormTree t;
      t.form->Draw(t.target.GetCanvas(), {-1, -1, -1, -1});
      platform::gui::Surface shot(370, 400);
      for (int y = 0; y < 400; ++y)
        for (int x = 0; x < 370; ++x) shot.setPixel(x, y, uint32_t(t.target.GetPixel(x, y)));
      return platform::gui::writePngFile(shot, argv[i] + 11, false) ? 0 : 1;
    }
  benchmark::Initialize(&argc, argv);
  benchmark::RunSpecifiedBenchmarks();
  benchmark::Shutdown();
  return 0;
}
