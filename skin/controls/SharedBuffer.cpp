#include "skin/controls/SharedBuffer.h"

#include "platform/gui/SystemMetrics.h"

namespace z5t8::skin::controls {

namespace pg = platform::gui;

render::TteBitmap& SharedBuffer() {
  static render::TteBitmap buffer;
  return buffer;
}

void InitSharedBuffer() {
  render::TteBitmap& buffer = SharedBuffer();
  if (!buffer.Empty()) return;
  buffer.SetSize(pg::GetSystemMetrics(pg::SM_CXSCREEN) + 500, pg::GetSystemMetrics(pg::SM_CYSCREEN) + 500);
}

TTePaintTarget::TTePaintTarget(framework::TCanvas* canvas, TTePerformance mode, int width, int height,
                               bool fillKey)
    : FCanvas(canvas), FTarget(canvas->Handle()), FWidth(width), FHeight(height) {
  if (mode == zqpSharedBuffer) {
    render::TteBitmap& buffer = SharedBuffer();
    if (buffer.Empty()) InitSharedBuffer();
    buffer.Transparent = false;
    if (fillKey) buffer.FillRect({0, 0, width, height}, render::teColor(0x007F007F));
    FBufferDC = buffer.DC();
  } else if (mode == zqpDoubleBuffer) {
    FOwnBuffer = std::make_unique<render::TteBitmap>();
    FOwnBuffer->SetSize(width, height);
    FOwnBuffer->Transparent = false;
    FBufferDC = FOwnBuffer->DC();
  }
  if (!FBufferDC) return;
  // A shared buffer keeps the clipping and origins of its last user: start clean.
  FBufferDC->saveDC();
  FCanvas->SetHandle(FBufferDC);
}

TTePaintTarget::~TTePaintTarget() {
  if (!FBufferDC) return;
  FBufferDC->restoreDC(-1);
  FCanvas->SetHandle(FTarget);
}

void TTePaintTarget::CopyBack() {
  if (!FBufferDC || !FTarget) return;
  FTarget->bitBlt(0, 0, FWidth, FHeight, *FBufferDC, 0, 0, pg::SRCCOPY);
}

}  // namespace z5t8::skin::controls
