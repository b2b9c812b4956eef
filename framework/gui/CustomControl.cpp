#include "framework/gui/CustomControl.h"

#include "framework/Properties.h"

namespace z5t8::framework {

Z5T8_IMPLEMENT_CLASS(TCustomControl, TWinControl) {}

TCustomControl::TCustomControl(TComponent* owner)
    : TWinControl(owner), FCanvas(std::make_unique<TControlCanvas>(this)) {}

TCustomControl::~TCustomControl() = default;

void TCustomControl::PaintWindow(pg::DeviceContext* dc) {
  FCanvas->PaintOn(dc, [this] { Paint(); });
}

}  // namespace z5t8::framework
