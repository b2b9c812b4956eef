#include "framework/gui/CustomControl.h"

#include "framework/Properties.h"

namespace z5t8::framework {

Z5T8_IMPLEMENT_CLASS(TCustomControl, TWinControl) {}

TCustomControl::TCustomControl(TComponent* owner)
    : TWinControl(owner), FCanvas(std::make_unique<TControlCanvas>(this)) {}

TCustomControl::~TCustomControl() = default;

void TCustomControl::PaintWindow(pg::DeviceContext* dc) {
  FCanvas->FreeHandle();
  FCanvas->Lock();
  FCanvas->SetHandle(dc);
  FCanvas->SetFont(*Font());
  FCanvas->Brush()->SetColor(Color());
  try {
    Paint();
  } catch (...) {
    FCanvas->SetHandle(nullptr);
    FCanvas->Unlock();
    throw;
  }
  FCanvas->SetHandle(nullptr);
  FCanvas->Unlock();
}

}  // namespace z5t8::framework
