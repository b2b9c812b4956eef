#include "skin/render/CanvasDrawing.h"

#include <algorithm>
#include <cmath>
#include <cstdlib>

#include "framework/gui/Bitmap.h"
#include "framework/gui/ColorMap.h"
#include "framework/gui/Icon.h"
#include "platform/gui/Region.h"
#include "platform/gui/SystemMetrics.h"

namespace z5t8::skin::render {

namespace {

using framework::bsClear;
using framework::bsSolid;
using framework::psClear;
using framework::psSolid;

void SolidPen(TCanvas* canvas, TColor colour) {
  canvas->Pen()->SetStyle(psSolid);
  canvas->Pen()->SetColor(colour);
}

void SolidBrush(TCanvas* canvas, TColor colour) {
  canvas->Brush()->SetBitmap(nullptr);
  canvas->Brush()->SetStyle(bsSolid);
  canvas->Brush()->SetColor(colour);
}

void ClearBrush(TCanvas* canvas) {
  canvas->Brush()->SetBitmap(nullptr);
  canvas->Brush()->SetStyle(bsClear);
}

// rint((i * (c2 * 255 - c1 * 255) / n + c1 * 255) / 255): the linear step
// rounded to nearest, halves to even.
uint8_t Step(int c1, int c2, int i, int n) {
  double v = (double(i) * (c2 * 255.0 - c1 * 255.0) / n + c1 * 255.0) / 255.0;
  return uint8_t(std::clamp(std::nearbyint(v), 0.0, 255.0));
}

TColor StepColour(uint32_t rgb1, uint32_t rgb2, int i, int n) {
  auto ch = [&](int shift) {
    return uint32_t(Step(int(rgb1 >> shift & 0xFF), int(rgb2 >> shift & 0xFF), i, n)) << shift;
  };
  return ch(0) | ch(8) | ch(16);
}

// The halftone brush: colour1 with colour2 where x and y are both even or
// both odd.
void MakeHalftone(framework::TBitmap& pattern, TColor colour1, TColor colour2) {
  pattern.SetPixelFormat(framework::pf32bit);
  pattern.SetSize(8, 8);
  auto p1 = platform::gui::pixelFromColor(framework::ColorToRGB(colour1));
  auto p2 = platform::gui::pixelFromColor(framework::ColorToRGB(colour2));
  for (int y = 0; y < 8; ++y) {
    platform::gui::Pixel* row = pattern.ScanLine(y);
    for (int x = 0; x < 8; ++x) row[x] = (x % 2) == (y % 2) ? p2 : p1;
  }
}

// Keeps the pattern on the brush for one fill only.
class HalftoneBrush {
public:
  HalftoneBrush(TCanvas* canvas, TColor colour1, TColor colour2) : canvas_(canvas) {
    MakeHalftone(pattern_, colour1, colour2);
    canvas_->Brush()->SetBitmap(&pattern_);
  }
  ~HalftoneBrush() { canvas_->Brush()->SetBitmap(nullptr); }
  HalftoneBrush(const HalftoneBrush&) = delete;
  HalftoneBrush& operator=(const HalftoneBrush&) = delete;

private:
  TCanvas* canvas_;
  framework::TBitmap pattern_;
};

// The canvas's context clipped to r until destroyed, then as before.
class ClipScope {
public:
  ClipScope(TCanvas* canvas, const Rect& r) : dc_(canvas->Handle()) {
    if (!dc_) return;
    level_ = dc_->saveDC();
    dc_->intersectClipRect(r.left, r.top, r.right, r.bottom);
  }
  ~ClipScope() {
    if (dc_) dc_->restoreDC(level_);
  }
  ClipScope(const ClipScope&) = delete;
  ClipScope& operator=(const ClipScope&) = delete;

private:
  platform::gui::DeviceContext* dc_;
  int level_ = 0;
};

}  // namespace

int MulDiv(int a, int b, int c) {
  if (c == 0) return -1;
  int64_t p = int64_t(a) * b;
  int64_t q = (std::llabs(p) + std::llabs(int64_t(c)) / 2) / std::llabs(int64_t(c));
  if ((p < 0) != (c < 0)) q = -q;
  return Saturate(q);
}

void MoveTo(TCanvas* canvas, int x, int y) {
  if (canvas) canvas->MoveTo(x, y);
}

void LineTo(TCanvas* canvas, int x, int y, TColor colour) {
  if (!canvas) return;
  SolidPen(canvas, colour);
  canvas->LineTo(x, y);
}

void DrawEdge(TCanvas* canvas, const Rect& r, TColor colour1, TColor colour2) {
  if (!canvas) return;
  ClearBrush(canvas);
  SolidPen(canvas, colour1);
  canvas->MoveTo(r.left, r.bottom - 2);
  canvas->LineTo(r.left, r.top);
  canvas->LineTo(r.right - 1, r.top);
  SolidPen(canvas, colour2);
  canvas->LineTo(r.right - 1, r.bottom - 1);
  canvas->LineTo(r.left - 1, r.bottom - 1);
}

void DrawEdge(TCanvas* canvas, int x1, int y1, int x2, int y2, TColor colour1, TColor colour2) {
  DrawEdge(canvas, Rect{x1, y1, x2, y2}, colour1, colour2);
}

void DrawRect(TCanvas* canvas, const Rect& r, TColor colour) {
  if (!canvas) return;
  ClearBrush(canvas);
  SolidPen(canvas, colour);
  canvas->Rectangle(r);
}

void DrawRect(TCanvas* canvas, int x1, int y1, int x2, int y2, TColor colour) {
  DrawRect(canvas, Rect{x1, y1, x2, y2}, colour);
}

void DrawFocusRect(TCanvas* canvas, const Rect& r, TColor colour) {
  if (!canvas) return;
  SolidBrush(canvas, colour);
  canvas->DrawFocusRect(r);
}

void FillRect(TCanvas* canvas, const Rect& r, TColor colour) {
  if (!canvas) return;
  SolidBrush(canvas, colour);
  canvas->FillRect(r);
}

void FillRect(TCanvas* canvas, int x1, int y1, int x2, int y2, TColor colour) {
  FillRect(canvas, Rect{x1, y1, x2, y2}, colour);
}

void FillRect(platform::gui::DeviceContext& dc, int x1, int y1, int x2, int y2, TColor colour) {
  TCanvas canvas;
  canvas.SetHandle(&dc);
  FillRect(&canvas, Rect{x1, y1, x2, y2}, colour);
  canvas.SetHandle(nullptr);
}

void FillEllipse(TCanvas* canvas, const Rect& r, TColor colour) {
  if (!canvas) return;
  SolidBrush(canvas, colour);
  canvas->Pen()->SetStyle(psClear);
  canvas->Ellipse(r);
}

void FillEllipse(TCanvas* canvas, int x1, int y1, int x2, int y2, TColor colour) {
  FillEllipse(canvas, Rect{x1, y1, x2, y2}, colour);
}

void DrawRoundRect(TCanvas* canvas, const Rect& r, int radius, TColor colour) {
  if (!canvas) return;
  ClearBrush(canvas);
  SolidPen(canvas, colour);
  canvas->RoundRect(r.left, r.top, r.right, r.bottom, radius, radius);
}

void FillRoundRect(TCanvas* canvas, const Rect& r, int radius, TColor colour) {
  if (!canvas) return;
  SolidBrush(canvas, colour);
  SolidPen(canvas, colour);
  canvas->RoundRect(r.left, r.top, r.right, r.bottom, radius, radius);
}

void DrawPolygon(TCanvas* canvas, std::span<const Point> points, TColor colour) {
  if (!canvas) return;
  ClearBrush(canvas);
  SolidPen(canvas, colour);
  canvas->Polygon(points);
}

void FillPolygon(TCanvas* canvas, std::span<const Point> points, TColor colour) {
  if (!canvas) return;
  SolidBrush(canvas, colour);
  SolidPen(canvas, colour);
  canvas->Polygon(points);
}

bool PointInPolygon(Point p, std::span<const Point> points) {
  return platform::gui::Region::polygon(points, platform::gui::WINDING).contains(p);
}

void FillGradientRect(TCanvas* canvas, const Rect& r, TColor colour1, TColor colour2, bool vertical) {
  if (!canvas || RectWidth(r) <= 0 || RectHeight(r) <= 0) return;
  int extent = vertical ? RectHeight(r) : RectWidth(r);
  int n = std::min(255, extent);
  uint32_t rgb1 = framework::ColorToRGB(colour1), rgb2 = framework::ColorToRGB(colour2);
  for (int i = 0; i <= n; ++i) {
    int from = MulDiv(i, extent, n), to = MulDiv(i + 1, extent, n);
    Rect band = vertical
                    ? Rect{r.left, Saturate(int64_t(r.top) + from), r.right, Saturate(int64_t(r.top) + to)}
                    : Rect{Saturate(int64_t(r.left) + from), r.top, Saturate(int64_t(r.left) + to), r.bottom};
    band = platform::gui::intersectRect(band, r);
    if (IsRectEmpty(band)) continue;
    FillRect(canvas, band, StepColour(rgb1, rgb2, i, n));
  }
}

void FillRadialGradientRect(TCanvas* canvas, const Rect& r, TColor colour1, TColor colour2, Point centre) {
  if (!canvas || RectWidth(r) <= 0 || RectHeight(r) <= 0) return;
  constexpr int n = 50;
  int w = RectWidth(r), h = RectHeight(r), d = std::max(w, h);
  int cx = Saturate(r.left + int64_t(std::nearbyint(double(w) * centre.x / 100.0)));
  int cy = Saturate(r.top + int64_t(std::nearbyint(double(h) * centre.y / 100.0)));
  ClipScope clip(canvas, r);
  for (int k = n; k >= 0; --k) {
    int s = MulDiv(k + 1, d, n);
    FillEllipse(canvas, Saturate(int64_t(cx) - s), Saturate(int64_t(cy) - s), Saturate(int64_t(cx) + s),
                Saturate(int64_t(cy) + s), StepColour(colour1 & 0xFFFFFF, colour2 & 0xFFFFFF, k, n));
  }
}

void FillHalftoneRect(TCanvas* canvas, Rect r, TColor colour1, TColor colour2) {
  if (!canvas) return;
  r.left = std::max(r.left, 0);
  r.top = std::max(r.top, 0);
  if (IsRectEmpty(r)) return;
  HalftoneBrush brush(canvas, colour1, colour2);
  canvas->FillRect(r);
}

void FillHalftonePolygon(TCanvas* canvas, std::span<const Point> points, TColor colour1, TColor colour2) {
  if (!canvas) return;
  HalftoneBrush brush(canvas, colour1, colour2);
  canvas->Pen()->SetStyle(psClear);
  canvas->Polygon(points);
}

int TextWidth(TCanvas* canvas, std::u16string_view text, uint32_t flags) {
  if (!canvas) return 0;
  if (flags == 0) return canvas->TextExtent(text).cx;
  Rect r{};
  platform::gui::DeviceContext* dc = canvas->Prepared();
  if (!dc) return canvas->TextExtent(text).cx;
  dc->drawText(text, r, flags | platform::gui::DT_CALCRECT);
  return RectWidth(r);
}

int TextHeight(TCanvas* canvas, std::u16string_view text) { return canvas ? canvas->TextExtent(text).cy : 0; }

int DrawText(TCanvas* canvas, std::u16string_view text, Rect& r, uint32_t format) {
  if (!canvas) return 0;
  platform::gui::DeviceContext* dc = canvas->Prepared();
  if (!dc) return 0;
  dc->setBkMode(platform::gui::TRANSPARENT);
  return dc->drawText(text, r, format);
}

int DrawText(TCanvas* canvas, std::u16string_view text, int x, int y) {
  Rect r{x, y, Saturate(int64_t(x) + TextWidth(canvas, text)),
         Saturate(int64_t(y) + TextHeight(canvas, text))};
  return DrawText(canvas, text, r, 0);
}

std::u16string FormatStr(platform::gui::DeviceContext& dc, std::u16string_view text, int maxWidth) {
  if (dc.textExtent(text).cx <= maxWidth) return std::u16string(text);
  static constexpr std::u16string_view kEllipsis = u"...";
  std::u16string result;
  for (size_t i = 0; i < text.size();) {
    // A surrogate pair is one character.
    size_t len = (text[i] >= 0xD800 && text[i] < 0xDC00 && i + 1 < text.size()) ? 2 : 1;
    std::u16string trial = result;
    trial.append(text.substr(i, len));
    trial.append(kEllipsis);
    if (dc.textExtent(trial).cx > maxWidth) break;
    result.append(text.substr(i, len));
    i += len;
  }
  return result.append(kEllipsis);
}

void DrawIcon(platform::gui::DeviceContext& dc, const Rect& r, const platform::gui::Icon* icon) {
  if (!icon) return;
  Rect small{0, 0, platform::gui::GetSystemMetrics(platform::gui::SM_CXSMICON),
             platform::gui::GetSystemMetrics(platform::gui::SM_CYSMICON)};
  RectCenter(small, r);
  dc.drawIconEx(small.left, small.top, *icon, 0, 0, platform::gui::DI_NORMAL);
}

void DrawIcon(TCanvas* canvas, const Rect& r, const framework::TIcon* icon) {
  if (!canvas || !icon || !canvas->Handle()) return;
  DrawIcon(*canvas->Handle(), r, icon->Handle());
}

}  // namespace z5t8::skin::render
