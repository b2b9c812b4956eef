// The skinned controls on one window: two push buttons, the long read-only
// memo with its skinned vertical bar, a control with both own bars and a
// standalone horizontal bar, drawn by the embedded Aqua skin (--unthemed draws
// the controls' own look). A second window wears the skinned frame with a drop
// shadow and translucent bands over a patterned backdrop, with a follower
// window beside it that moves with it; the demo drags it once by its title.
// The snapshot is the whole screen.
// controls-demo [--headless] [--snapshot FILE.png] [--unthemed]
#include <cstdio>
#include <functional>
#include <memory>
#include <span>
#include <stdexcept>
#include <string>

#include "framework/MemoryStream.h"
#include "framework/Properties.h"
#include "framework/Resources.h"
#include "framework/Stream.h"
#include "framework/gui/Application.h"
#include "framework/gui/Form.h"
#include "framework/gui/GraphicControl.h"
#include "framework/gui/Label.h"
#include "framework/gui/Timer.h"
#include "platform/gui/Backend.h"
#include "platform/gui/Snapshot.h"
#include "platform/gui/headless/HeadlessBackend.h"
#include "skin/controls/Button.h"
#include "skin/controls/Form.h"
#include "skin/controls/Memo.h"
#include "skin/controls/Registration.h"
#include "skin/controls/ScrollBar.h"
#include "skin/render/CanvasDrawing.h"
#include "skin/se3/SkinFile.h"
#include "skin/theme/Theme.h"
#include "skin/theme/ThemeManager.h"
#include "tools/demo-common/DemoCommandLine.h"

using namespace z5t8::framework;
using namespace z5t8::skin::controls;
namespace pg = z5t8::platform::gui;
namespace theme = z5t8::skin::theme;

class TControlsForm : public TForm {
  Z5T8_CLASS(TControlsForm, TForm)
public:
  explicit TControlsForm(TComponent* owner) : TForm(owner) {}
  TTeMemo* mReceive = nullptr;
  TTeButton* Button_Download = nullptr;
  TTeButton* Button_Exit_System = nullptr;
  TTeControl* Panel1 = nullptr;
  TTeScrollBar* ScrollBar1 = nullptr;
};

Z5T8_IMPLEMENT_CLASS(TControlsForm, TForm) {
  p.Field("mReceive", &TControlsForm::mReceive);
  p.Field("Button_Download", &TControlsForm::Button_Download);
  p.Field("Button_Exit_System", &TControlsForm::Button_Exit_System);
  p.Field("Panel1", &TControlsForm::Panel1);
  p.Field("ScrollBar1", &TControlsForm::ScrollBar1);
}

// Drags the frame by its title band, as the mouse would.
static void DragByTitle(TTeForm* frame, int dx, int dy) {
  TRect title = frame->GetClientBounds();
  int x = frame->FrameWidth() / 2, y = title.top / 2;
  frame->NCMouseDown(mbLeft, {ssLeft}, x, y);
  for (int step = 1; step <= 5; ++step)
    frame->NCMouseMove({ssLeft}, x + dx * step / 5 - dx * (step - 1) / 5,
                       y + dy * step / 5 - dy * (step - 1) / 5);
  frame->NCMouseUp(mbLeft, {}, x, y);
  Application()->ProcessMessages();
}

// A checkerboard with a stripe, for the effects to show through.
class TPattern : public TGraphicControl {
public:
  using TGraphicControl::TGraphicControl;
  void Paint() override {
    const int cell = 24;
    for (int y = 0; y < Height(); y += cell)
      for (int x = 0; x < Width(); x += cell) {
        bool dark = ((x + y) / cell) % 2 != 0;
        z5t8::skin::render::FillRect(Canvas(), x, y, x + cell, y + cell,
                                     dark ? TColor(0x8F9D2A) : TColor(0xF4F1EC));
      }
    z5t8::skin::render::FillRect(Canvas(), 0, 300, Width(), 340, TColor(0x3A6FE7));
  }
};

struct EffectsWindows {
  std::unique_ptr<TForm> backdrop;
  std::unique_ptr<TForm> owner;
  std::unique_ptr<TForm> follower;
  TTeForm* ownerFrame = nullptr;
};

// A form with a skinned frame, made the way a layout makes one.
static TTeForm* AddFrame(TForm* form, const std::function<void(TTeForm*)>& configure) {
  auto* frame = new TTeForm(form);
  frame->IncludeState(csLoading);
  configure(frame);
  frame->ExcludeState(csLoading);
  frame->Loaded();
  return frame;
}

static void AddLabel(TForm* form, const std::u16string& text) {
  auto* label = new TLabel(form);
  label->SetParent(form);
  label->SetWordWrap(true);
  label->SetTransparent(true);
  label->SetBounds(12, 12, form->ClientWidth() - 24, form->ClientHeight() - 24);
  label->SetCaption(text);
}

static EffectsWindows ShowEffects() {
  EffectsWindows w;
  w.backdrop = std::make_unique<TForm>(nullptr);
  w.backdrop->SetBorderStyle(bsNone);
  w.backdrop->SetBounds(520, 0, 504, 738);
  auto* pattern = new TPattern(w.backdrop.get());
  pattern->SetParent(w.backdrop.get());
  pattern->SetAlign(alClient);
  w.backdrop->Show();
  Application()->ProcessMessages();

  w.owner = std::make_unique<TForm>(nullptr);
  w.owner->SetCaption(u"Shadow and blending");
  w.owner->SetBounds(540, 40, 300, 240);
  w.owner->SetColor(clWindow);
  w.ownerFrame = AddFrame(w.owner.get(), [](TTeForm* f) {
    f->Shadow()->SetSize(8);
    f->Shadow()->SetEnabled(true);
    f->Blending()->SetValue(150);
    f->Blending()->SetEnabled(true);
    f->Gravitation()->SetOwnedForm(true);
    f->Gravitation()->SetSnapToDesktop(false);
  });
  AddLabel(w.owner.get(),
           u"The frame's bands are translucent and its shadow fades out over the "
           u"pattern. The window beside it follows it when it is dragged.");
  w.owner->Show();
  Application()->ProcessMessages();

  w.follower = std::make_unique<TForm>(nullptr);
  w.follower->SetCaption(u"Follower");
  w.follower->SetColor(clWindow);
  AddFrame(w.follower.get(), [](TTeForm* f) {
    f->SetBorderStyle(kbsToolWindow);
    f->SetBorderIcons({kbiClose});
    f->Gravitation()->SetSnapToForms(true);
  });
  TRect o = w.owner->BoundsRect();
  w.follower->SetBounds(o.right, o.top + 30, 150, 160);
  AddLabel(w.follower.get(), u"Owned follower");
  w.follower->Show();
  w.follower->SetBounds(o.right, o.top + 30, 150, 160);
  Application()->ProcessMessages();

  // One drag by the title: 20 right and 150 down.
  DragByTitle(w.ownerFrame, 20, 150);
  return w;
}

// The Aqua skin from the embedded theme list value: version 2, the skin's
// name, the container's length and a zero word, then the container itself.
static std::unique_ptr<z5t8::skin::se3::TTeSkinFile> LoadAqua() {
  std::span<const uint8_t> value = FindResource("AquaThemeStream");
  TCustomMemoryStream wrapper(value.data(), int64_t(value.size()));
  if (value.size() < 13 || wrapper.ReadByte() != 2) throw std::runtime_error("bad embedded skin");
  (void)ReadCountedString(wrapper);
  const uint32_t count = wrapper.ReadUInt32();
  if (wrapper.ReadUInt32() != 0 || int64_t(count) != wrapper.Size() - wrapper.Position())
    throw std::runtime_error("bad embedded skin");
  TMemoryStream container;
  container.WriteBuffer(value.data() + wrapper.Position(), int64_t(count));
  container.SetPosition(0);
  auto aqua = std::make_unique<z5t8::skin::se3::TTeSkinFile>();
  if (!aqua->LoadFromStream(container)) throw std::runtime_error("the embedded skin does not load");
  return aqua;
}

int main(int argc, char** argv) {
  auto line =
      z5t8::tools::ReadDemoCommandLine(argc, argv, "--snapshot", false, {"--headless", "--unthemed"},
                                       "controls-demo [--headless] [--snapshot FILE.png] [--unthemed]");
  if (!line) return 2;
  const std::string& snapshot = line->picture;
  const bool unthemed = line->has("--unthemed");
  const bool headless = line->has("--headless");
  if (headless) pg::UseHeadlessBackend();
  bool saved = false;
  try {
    Application()->Initialize();
    RegisterSkinControlClasses();
    RegisterClass(TControlsForm::StaticClass());
    Application()->SetTitle(u"controls-demo");
    int failed = 0;
    if (!snapshot.empty())
      Application()->OnException = [&failed](TObject*, const std::exception& e) {
        std::fprintf(stderr, "controls-demo: %s\n", e.what());
        failed = 1;
        Application()->Terminate();
      };
    if (!unthemed) theme::ChangeTheme(LoadAqua());
    TControlsForm* form = nullptr;
    Application()->CreateForm(form);
    form->Panel1->SetScrollBars(ssBoth);
    form->Panel1->SetBevelWidth(1);
    form->Panel1->SetColor(clWindow);
    form->Button_Exit_System->OnClick = [form](TObject*) { form->Close(); };
    form->Show();
    Application()->ProcessMessages();
    EffectsWindows effects;
    if (!unthemed) effects = ShowEffects();
    // The picture is taken once the window has shown and painted.
    auto shot = std::make_unique<TTimer>(nullptr);
    shot->SetEnabled(false);
    if (!snapshot.empty()) {
      shot->SetInterval(headless ? 10 : 500);
      shot->OnTimer = [&](TObject*) {
        shot->SetEnabled(false);
        Application()->ProcessMessages();
        saved = unthemed ? pg::SnapshotWindow(form->Handle(), snapshot) : pg::SnapshotScreen(snapshot);
        Application()->Terminate();
      };
      shot->SetEnabled(true);
    }
    Application()->Run();
    shot.reset();
    effects = EffectsWindows();
    Application()->Done();
    theme::ReleaseTheme();
    pg::ShutdownWindowSystem();
    if (failed) return 1;
  } catch (const std::exception& e) {
    std::fprintf(stderr, "controls-demo: %s\n", e.what());
    return 1;
  }
  if (!snapshot.empty() && !saved) {
    std::fprintf(stderr, "controls-demo: could not save %s\n", snapshot.c_str());
    return 1;
  }
  return 0;
}
