// The skinned controls on one window: two push buttons, the long read-only
// memo with its skinned vertical bar, a control with both own bars and a
// standalone horizontal bar, drawn by the embedded Aqua skin (--unthemed draws
// the controls' own look).
// controls-demo [--headless] [--snapshot FILE.png] [--unthemed]
#include <cstdio>
#include <cstring>
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
#include "framework/gui/Timer.h"
#include "platform/gui/Backend.h"
#include "platform/gui/Snapshot.h"
#include "platform/gui/headless/HeadlessBackend.h"
#include "skin/controls/Button.h"
#include "skin/controls/Memo.h"
#include "skin/controls/Registration.h"
#include "skin/controls/ScrollBar.h"
#include "skin/se3/SkinFile.h"
#include "skin/theme/Theme.h"
#include "skin/theme/ThemeManager.h"

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
  std::string snapshot;
  bool headless = false, unthemed = false;
  for (int i = 1; i < argc; ++i) {
    if (!std::strcmp(argv[i], "--headless")) {
      headless = true;
    } else if (!std::strcmp(argv[i], "--unthemed")) {
      unthemed = true;
    } else if (!std::strcmp(argv[i], "--snapshot") && i + 1 < argc) {
      snapshot = argv[++i];
    } else {
      std::fprintf(stderr, "usage: controls-demo [--headless] [--snapshot FILE.png] [--unthemed]\n");
      return 2;
    }
  }
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
    // The picture is taken once the window has shown and painted.
    auto shot = std::make_unique<TTimer>(nullptr);
    shot->SetEnabled(false);
    if (!snapshot.empty()) {
      shot->SetInterval(headless ? 10 : 500);
      shot->OnTimer = [&](TObject*) {
        shot->SetEnabled(false);
        Application()->ProcessMessages();
        saved = pg::SnapshotWindow(form->Handle(), snapshot);
        Application()->Terminate();
      };
      shot->SetEnabled(true);
    }
    Application()->Run();
    shot.reset();
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
