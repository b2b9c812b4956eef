#include "framework/gui/ControlCanvas.h"

#include <algorithm>
#include <vector>

#include "framework/gui/WinControl.h"
#include "platform/gui/Paint.h"

namespace z5t8::framework {

namespace {

std::vector<TControlCanvas*>& Holding() {
  static std::vector<TControlCanvas*> list;
  return list;
}

}  // namespace

TControlCanvas::~TControlCanvas() { FreeHandle(); }

void TControlCanvas::PaintOn(platform::gui::DeviceContext* dc, const std::function<void()>& paint) {
  FreeHandle();
  Lock();
  SetHandle(dc);
  SetFont(*FControl->Font());
  Brush()->SetColor(FControl->Color());
  struct Release {
    TControlCanvas* canvas;
    ~Release() {
      canvas->SetHandle(nullptr);
      canvas->Unlock();
    }
  } release{this};
  paint();
}

void TControlCanvas::CreateHandle() {
  TWinControl* window = dynamic_cast<TWinControl*>(FControl);
  TPoint offset{0, 0};
  if (!window) {
    window = FControl->Parent();
    offset = {FControl->Left(), FControl->Top()};
  }
  if (!window || !window->HandleAllocated()) return;
  FWindow = window->Handle();
  FOwnDC = platform::gui::GetDC(FWindow);
  if (!FOwnDC) return;
  FOwnDC->offsetWindowOrg(-offset.x, -offset.y);
  if (window != FControl) FOwnDC->intersectClipRect(0, 0, FControl->Width(), FControl->Height());
  SetHandle(FOwnDC);
  Holding().push_back(this);
}

void TControlCanvas::FreeHandle() {
  if (!FOwnDC) return;
  if (Handle() == FOwnDC) SetHandle(nullptr);
  platform::gui::ReleaseDC(FWindow, FOwnDC);
  FOwnDC = nullptr;
  FWindow = nullptr;
  auto& list = Holding();
  list.erase(std::remove(list.begin(), list.end(), this), list.end());
}

void TControlCanvas::FreeDeviceContexts() {
  std::vector<TControlCanvas*> list = Holding();
  for (TControlCanvas* c : list)
    if (c->LockCount() == 0) c->FreeHandle();
}

}  // namespace z5t8::framework
