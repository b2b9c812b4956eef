#pragma once

#include <memory>

#include "framework/gui/ControlCanvas.h"
#include "framework/gui/WinControl.h"

namespace z5t8::framework {

// A windowed control that paints itself on its own canvas in Paint.
class TCustomControl : public TWinControl {
  Z5T8_CLASS(TCustomControl, TWinControl)
public:
  explicit TCustomControl(TComponent* owner);
  ~TCustomControl() override;
  TCanvas* Canvas() const { return FCanvas.get(); }
  // Draws the control on Canvas; callers that paint a parent's background
  // under a child bind the canvas elsewhere and call it too.
  virtual void Paint() {}

protected:
  void PaintWindow(pg::DeviceContext* dc) override;

private:
  std::unique_ptr<TControlCanvas> FCanvas;
};

}  // namespace z5t8::framework
