#pragma once

#include <memory>
#include <span>
#include <string>
#include <string_view>

#include "framework/gui/Brush.h"
#include "framework/gui/ColorMap.h"
#include "framework/gui/FontRealizer.h"
#include "framework/gui/Pen.h"
#include "platform/gui/DeviceContext.h"

namespace z5t8::framework {

class TGraphic;

using TRect = platform::gui::Rect;
using TPoint = platform::gui::Point;
using TSize = platform::gui::Size;

inline TRect Rect(int left, int top, int right, int bottom) { return {left, top, right, bottom}; }
inline TRect Bounds(int left, int top, int width, int height) {
  return {left, top, left + width, top + height};
}
inline TPoint Point(int x, int y) { return {x, y}; }

// Drawing with a pen, a brush and a font on a device context. The canvas
// selects its objects into the context before each operation, so code that
// shares the context with it may change the context's state freely.
class TCanvas {
public:
  TCanvas();
  virtual ~TCanvas();
  TCanvas(const TCanvas&) = delete;
  TCanvas& operator=(const TCanvas&) = delete;

  // Asks CreateHandle for a context when none is bound.
  platform::gui::DeviceContext* Handle();
  void SetHandle(platform::gui::DeviceContext* dc);
  bool HandleAllocated() const { return FDC != nullptr; }

  // Nested locks keep the context bound while a paint runs.
  void Lock() { ++FLockCount; }
  void Unlock() {
    if (FLockCount > 0) --FLockCount;
  }
  int LockCount() const { return FLockCount; }

  TFont* Font() { return FFont.get(); }
  TPen* Pen() { return &FPen; }
  TBrush* Brush() { return &FBrush; }
  void SetFont(const TFont& font);
  void SetPen(const TPen& pen) { FPen.Assign(pen); }
  void SetBrush(const TBrush& brush) { FBrush.Assign(brush); }
  uint32_t CopyMode() const { return FCopyMode; }
  void SetCopyMode(uint32_t rop) { FCopyMode = rop; }

  void FillRect(const TRect& r);
  void FrameRect(const TRect& r);
  void Rectangle(int x1, int y1, int x2, int y2);
  void Rectangle(const TRect& r) { Rectangle(r.left, r.top, r.right, r.bottom); }
  void Ellipse(int x1, int y1, int x2, int y2);
  void Ellipse(const TRect& r) { Ellipse(r.left, r.top, r.right, r.bottom); }
  void RoundRect(int x1, int y1, int x2, int y2, int cornerWidth, int cornerHeight);
  void Polygon(std::span<const TPoint> points);
  void Polyline(std::span<const TPoint> points);
  void MoveTo(int x, int y);
  void LineTo(int x, int y);
  TPoint PenPos();
  void DrawFocusRect(const TRect& r);

  void TextOut(int x, int y, std::u16string_view text);
  // Text at (x, y) clipped to r; with an opaque brush r is filled first.
  void TextRect(const TRect& r, int x, int y, std::u16string_view text);
  TSize TextExtent(std::u16string_view text);
  int TextWidth(std::u16string_view text) { return TextExtent(text).cx; }
  int TextHeight(std::u16string_view text) { return TextExtent(text).cy; }
  // The platform's formatted text; returns the text height.
  int DrawText(std::u16string_view text, TRect& r, uint32_t format);

  void Draw(int x, int y, TGraphic* graphic);
  void StretchDraw(const TRect& r, TGraphic* graphic);
  void CopyRect(const TRect& dest, TCanvas* source, const TRect& sourceRect);

  TColor Pixel(int x, int y);
  void SetPixel(int x, int y, TColor color);
  TRect ClipRect();

  // Selects pen, brush and font into the context.
  platform::gui::DeviceContext* Prepared();

protected:
  virtual void CreateHandle() {}
  virtual void Changed() {}

private:
  platform::gui::DeviceContext* FDC = nullptr;
  int FLockCount = 0;
  std::unique_ptr<TFont> FFont;
  TPen FPen;
  TBrush FBrush;
  uint32_t FCopyMode = platform::gui::SRCCOPY;
};

}  // namespace z5t8::framework
