#pragma once

#include <memory>

#include "framework/gui/Canvas.h"
#include "framework/gui/Graphic.h"
#include "platform/gui/Brush.h"
#include "platform/gui/DeviceContext.h"
#include "platform/gui/Surface.h"

namespace z5t8::framework {

enum TPixelFormat { pfDevice, pf1bit, pf4bit, pf8bit, pf15bit, pf16bit, pf24bit, pf32bit, pfCustom };
enum TBitmapHandleType { bmDIB, bmDDB };

// A picture in memory with a canvas of its own. Pixels are always held as
// 32-bit top-down rows (blue, green, red, alpha); the pixel format records what
// the bitmap was made or loaded as, and a 32-bit one keeps its alpha bytes.
class TBitmap : public TGraphic {
  Z5T8_CLASS(TBitmap, TGraphic)
public:
  TBitmap();
  ~TBitmap() override;

  bool Empty() const override { return FSurface.isEmpty(); }
  int Width() const override { return FSurface.width(); }
  int Height() const override { return FSurface.height(); }
  void SetWidth(int value) override { SetSize(value, Height()); }
  void SetHeight(int value) override { SetSize(Width(), value); }
  // Keeps the pixels that still fit; new ones start white, as a fresh bitmap does.
  void SetSize(int width, int height);
  TPixelFormat PixelFormat() const { return FPixelFormat; }
  void SetPixelFormat(TPixelFormat value);
  TBitmapHandleType HandleType() const { return FPixelFormat == pfDevice ? bmDDB : bmDIB; }
  void SetHandleType(TBitmapHandleType value);

  TCanvas* Canvas();
  platform::gui::DeviceContext* DC() { return &FDC; }
  platform::gui::Surface& Surface() { return FSurface; }
  // Row y, top first; nullptr outside the bitmap.
  platform::gui::Pixel* ScanLine(int y);

  void Draw(TCanvas* canvas, const platform::gui::Rect& r) override;
  // Windows bitmap files (1, 4, 8, 16, 24 and 32 bits per pixel, uncompressed or
  // with bit fields); anything else raises EInvalidGraphic.
  void LoadFromStream(TStream& stream) override;
  // A 32-bit uncompressed Windows bitmap file.
  void SaveToStream(TStream& stream) override;
  void Assign(const TPersistent* source) override;

private:
  platform::gui::Surface FSurface;
  platform::gui::DeviceContext FDC;
  std::unique_ptr<TCanvas> FCanvas;
  TPixelFormat FPixelFormat = pfDevice;
};

// The top-left 8 by 8 pixels, repeated where the bitmap is smaller.
platform::gui::BrushPattern BrushPatternOf(TBitmap& bitmap);

}  // namespace z5t8::framework
