#pragma once

#include <memory>

#include "framework/gui/Canvas.h"
#include "skin/controls/ControlTypes.h"
#include "skin/render/Bitmap.h"

namespace z5t8::skin::controls {

// One bitmap larger than the screen, shared by every control painting with
// zqpSharedBuffer; it lives as long as the program and keeps its first size.
render::TteBitmap& SharedBuffer();
// Sizes the shared buffer to the screen plus 500 pixels each way, once.
void InitSharedBuffer();

// Points a canvas at the off-screen target a Performance mode asks for, for
// one paint, and back at its device context when it goes, also on an
// exception. With zqpNoBuffer the canvas stays where it is.
class TTePaintTarget {
public:
  TTePaintTarget(framework::TCanvas* canvas, TTePerformance mode, int width, int height, bool fillKey);
  ~TTePaintTarget();
  TTePaintTarget(const TTePaintTarget&) = delete;
  TTePaintTarget& operator=(const TTePaintTarget&) = delete;

  // Copies what was painted to the device context the canvas had.
  void CopyBack();

private:
  framework::TCanvas* FCanvas;
  platform::gui::DeviceContext* FTarget;
  int FWidth;
  int FHeight;
  std::unique_ptr<render::TteBitmap> FOwnBuffer;
  platform::gui::DeviceContext* FBufferDC = nullptr;
};

}  // namespace z5t8::skin::controls
