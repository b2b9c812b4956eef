#pragma once

#include <functional>

#include "framework/gui/Canvas.h"
#include "platform/gui/WindowTypes.h"

namespace z5t8::framework {

class TControl;

// A canvas on a control: during a paint it is bound to the paint's context;
// outside one it takes the window's context (a windowless control draws in its
// parent's, moved to its position) and gives it back when the program is idle.
class TControlCanvas : public TCanvas {
public:
  explicit TControlCanvas(TControl* control) : FControl(control) {}
  ~TControlCanvas() override;
  TControl* Control() const { return FControl; }
  // Gives back a context taken outside a paint.
  void FreeHandle();
  // Runs paint with the canvas on dc, set up with the control's font and
  // colour, and lets go of dc afterwards, also when paint throws.
  void PaintOn(platform::gui::DeviceContext* dc, const std::function<void()>& paint);
  static void FreeDeviceContexts();

protected:
  void CreateHandle() override;

private:
  TControl* FControl;
  platform::gui::HWND FWindow = nullptr;
  platform::gui::DeviceContext* FOwnDC = nullptr;
};

}  // namespace z5t8::framework
