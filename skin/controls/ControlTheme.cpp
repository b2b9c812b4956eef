#include "skin/controls/ControlTheme.h"

#include "framework/gui/Form.h"
#include "skin/controls/Control.h"
#include "skin/controls/InplaceScrollBar.h"
#include "skin/render/CanvasDrawing.h"
#include "skin/theme/ControlBackground.h"
#include "skin/theme/Theme.h"
#include "skin/theme/ThemeServices.h"

namespace z5t8::skin::controls {

using namespace framework;
namespace pg = platform::gui;

namespace {

TTeFormFrameHooks& FrameHooks() {
  static TTeFormFrameHooks hooks;
  return hooks;
}

// A skinned control parent paints border and face on a background request.
bool DrawTeControlBackground(TCanvas* canvas, const theme::TteBackground& background) {
  if (!background.Parent || !canvas) return false;
  background.Parent->Perform(pg::WM_ERASEBKGND, reinterpret_cast<uintptr_t>(canvas->Handle()), 1);
  return true;
}

bool DrawFormBackground(TCanvas* canvas, const theme::TteBackground& background) {
  if (!background.Parent || !canvas) return false;
  bool designing = background.Control && background.Control->InState(csDesigning);
  if (!designing) {
    TTeForm* frame = GetParentZqForm(background.Control);
    if (frame && FrameHooks().PaintClientBackground) {
      FrameHooks().PaintClientBackground(frame, canvas, background.Rect);
      return true;
    }
  }
  render::FillRect(canvas, background.Rect, background.Parent->Color());
  return true;
}

}  // namespace

void UpdateThemeLink(TControl* control, theme::TteCustomThemeLink* link, const std::string& objectName,
                     bool repaint) {
  if (!control) return;
  if (theme::TteTheme* theme = theme::GetThemeLink(link)) {
    TRect b = theme->GetBounds(objectName);
    if (!b.isEmpty()) {
      int left = b.left < 0 ? control->Left() : b.left;
      int top = b.top < 0 ? control->Top() : b.top;
      int right = b.right < 0 ? control->Left() + control->Width() : b.right;
      int bottom = b.bottom < 0 ? control->Top() + control->Height() : b.bottom;
      control->SetBounds(left, top, right - left, bottom - top);
      return;
    }
  }
  if (repaint) control->Invalidate();
}

void SetFormFrameHooks(const TTeFormFrameHooks& hooks) { FrameHooks() = hooks; }

TTeForm* GetParentZqForm(TControl* control) {
  if (!control || !FrameHooks().ActiveFrame) return nullptr;
  TControl* top = control;
  while (top->Parent()) top = top->Parent();
  auto* form = dynamic_cast<TCustomForm*>(top);
  if (!form) return nullptr;
  for (int i = 0; i < form->ComponentCount(); ++i)
    if (TTeForm* frame = FrameHooks().ActiveFrame(form->Components(i))) return frame;
  return nullptr;
}

void RegisterControlBackgrounds() {
  static bool done = false;
  if (done) return;
  done = true;
  theme::RegisterDrawControlBackground(TTeControl::StaticClass(), DrawTeControlBackground);
  theme::RegisterDrawControlBackground(TCustomForm::StaticClass(), DrawFormBackground);
  theme::RegisterDrawControlBackground(TTeInplaceScrollBar::StaticClass(),
                                       [](TCanvas*, const theme::TteBackground&) { return true; });
}

}  // namespace z5t8::skin::controls
