#include "framework/gui/GraphicControl.h"

#include "framework/Properties.h"

namespace z5t8::framework {

Z5T8_IMPLEMENT_CLASS(TGraphicControl, TControl) {
  p.Message(platform::gui::WM_PAINT, &TGraphicControl::WMPaint);
}

TGraphicControl::TGraphicControl(TComponent* owner)
    : TControl(owner), FCanvas(std::make_unique<TControlCanvas>(this)) {}

TGraphicControl::~TGraphicControl() = default;

void TGraphicControl::WMPaint(TMessage& message) {
  auto* dc = reinterpret_cast<platform::gui::DeviceContext*>(message.WParam);
  // A control whose background is being copied is left out of that copy: painting it
  // there would also take its canvas from the paint in progress.
  if (!dc || ControlState().Contains(csPaintCopy)) return;
  FCanvas->PaintOn(dc, [this] { Paint(); });
}

}  // namespace z5t8::framework
