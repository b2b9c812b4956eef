#include "skin/theme/ControlBackground.h"

#include "framework/gui/Bitmap.h"
#include "framework/gui/ControlCanvas.h"
#include "framework/gui/CustomControl.h"
#include "framework/gui/WinControl.h"
#include "skin/render/CanvasDrawing.h"
#include "skin/theme/ThemeUnit.h"

namespace z5t8::skin::theme {

using namespace framework;
namespace pg = platform::gui;

namespace {

// Walking from the last registration, a match replaces the chosen one only when its class
// descends from the chosen class, so the most derived class wins and, for one class, the
// latest registration.
TteDrawBackgroundProc FindBackgroundProc(const TWinControl& parent) {
  const TMetaClass* chosenClass = nullptr;
  TteDrawBackgroundProc chosen = nullptr;
  const auto& list = ThemeUnit().Backgrounds;
  for (auto it = list.rbegin(); it != list.rend(); ++it) {
    if (!parent.InheritsFrom(*it->ControlClass)) continue;
    if (!chosenClass || (it->ControlClass != chosenClass && it->ControlClass->InheritsFrom(*chosenClass))) {
      chosenClass = it->ControlClass;
      chosen = it->Proc;
    }
  }
  return chosen;
}

// The parent draws itself into dc, whose origin already stands at the parent's client
// origin.
void PaintParent(TWinControl* parent, pg::DeviceContext* dc) {
  if (auto* custom = dynamic_cast<TCustomControl*>(parent)) {
    if (auto* canvas = dynamic_cast<TControlCanvas*>(custom->Canvas())) {
      canvas->PaintOn(dc, [custom] { custom->Paint(); });
      return;
    }
  }
  parent->Perform(pg::WM_ERASEBKGND, reinterpret_cast<uintptr_t>(dc), 0);
  parent->Perform(pg::WM_PAINT, reinterpret_cast<uintptr_t>(dc), 0);
}

}  // namespace

void RegisterDrawControlBackground(const TMetaClass& controlClass, TteDrawBackgroundProc proc) {
  ThemeUnit().Backgrounds.push_back({&controlClass, proc});
}

void DrawControlBackground(TControl* control, pg::DeviceContext* dc) {
  if (!control || !dc) return;
  TWinControl* parent = control->Parent();
  if (!parent || control->Width() <= 0 || control->Height() <= 0) return;
  if (control->ControlState().Contains(csPaintCopy)) return;

  int saved = dc->saveDC();
  TPoint at = parent->ScreenToClient(control->ClientOrigin());
  dc->offsetWindowOrg(at.x, at.y);
  control->ControlState().Include(csPaintCopy);
  struct Restore {
    TControl* control;
    pg::DeviceContext* dc;
    int saved;
    ~Restore() {
      control->ControlState().Exclude(csPaintCopy);
      dc->restoreDC(saved);
    }
  } restore{control, dc, saved};

  if (TteDrawBackgroundProc proc = FindBackgroundProc(*parent)) {
    TteBackground background{control->BoundsRect(), control->BoundsRect(), control, parent};
    render::WithCanvas(dc, [&](TCanvas* canvas) { proc(canvas, background); });
    return;
  }

  if (dynamic_cast<TWinControl*>(control)) {
    PaintParent(parent, dc);
    return;
  }
  // A windowless control lies in its parent's window: the parent paints into a bitmap
  // of the control's size, which then covers the control's place.
  TBitmap copy;
  copy.SetSize(control->Width(), control->Height());
  pg::DeviceContext* copyDC = copy.DC();
  copyDC->saveDC();
  copyDC->offsetWindowOrg(at.x, at.y);
  PaintParent(parent, copyDC);
  copyDC->restoreDC(-1);
  dc->bitBlt(at.x, at.y, control->Width(), control->Height(), *copyDC, 0, 0, pg::SRCCOPY);
}

void DrawControlBackground(TControl* control, TCanvas* canvas) {
  if (canvas) DrawControlBackground(control, canvas->Handle());
}

}  // namespace z5t8::skin::theme
