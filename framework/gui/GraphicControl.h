#pragma once

#include <memory>

#include "framework/gui/Control.h"
#include "framework/gui/ControlCanvas.h"

namespace z5t8::framework {

// A control without a window: its parent paints it into its own window, at
// its place, with WM_PAINT carrying the parent's context.
class TGraphicControl : public TControl {
  Z5T8_CLASS(TGraphicControl, TControl)
public:
  explicit TGraphicControl(TComponent* owner);
  ~TGraphicControl() override;
  TCanvas* Canvas() const { return FCanvas.get(); }
  virtual void Paint() {}

protected:
  void WMPaint(TMessage& message);

private:
  std::unique_ptr<TControlCanvas> FCanvas;
};

}  // namespace z5t8::framework
