#include "framework/gui/Canvas.h"

#include "framework/gui/Graphic.h"

namespace z5t8::framework {

namespace pg = platform::gui;

TCanvas::TCanvas() : FFont(std::make_unique<TFont>()) {}

TCanvas::~TCanvas() = default;

pg::DeviceContext* TCanvas::Handle() {
  if (!FDC) CreateHandle();
  return FDC;
}

void TCanvas::SetHandle(pg::DeviceContext* dc) { FDC = dc; }

void TCanvas::SetFont(const TFont& font) { FFont->Assign(&font); }

pg::DeviceContext* TCanvas::Prepared() {
  pg::DeviceContext* dc = Handle();
  if (!dc) return nullptr;
  dc->selectPen(FPen.Realize());
  dc->setROP2(FPen.RasterOp());
  dc->selectBrush(FBrush.Realize());
  dc->selectFont(RealizeFont(*FFont));
  dc->setTextColor(ColorToRGB(FFont->Color()));
  // Text over a hollow brush lets the background show, as with an opaque one
  // its cells take the brush colour.
  if (FBrush.Style() == bsClear) {
    dc->setBkMode(pg::TRANSPARENT);
  } else {
    dc->setBkMode(pg::OPAQUE);
    dc->setBkColor(ColorToRGB(FBrush.Color()));
  }
  return dc;
}

void TCanvas::FillRect(const TRect& r) {
  if (auto* dc = Prepared()) dc->fillRect(r, dc->brush());
  Changed();
}

void TCanvas::FrameRect(const TRect& r) {
  if (auto* dc = Prepared()) dc->frameRect(r, dc->brush());
  Changed();
}

void TCanvas::Rectangle(int x1, int y1, int x2, int y2) {
  if (auto* dc = Prepared()) dc->rectangle(x1, y1, x2, y2);
  Changed();
}

void TCanvas::Ellipse(int x1, int y1, int x2, int y2) {
  if (auto* dc = Prepared()) dc->ellipse(x1, y1, x2, y2);
  Changed();
}

void TCanvas::RoundRect(int x1, int y1, int x2, int y2, int cornerWidth, int cornerHeight) {
  if (auto* dc = Prepared()) dc->roundRect(x1, y1, x2, y2, cornerWidth, cornerHeight);
  Changed();
}

void TCanvas::Polygon(std::span<const TPoint> points) {
  if (auto* dc = Prepared()) dc->polygon(points);
  Changed();
}

void TCanvas::Polyline(std::span<const TPoint> points) {
  if (auto* dc = Prepared()) dc->polyline(points);
  Changed();
}

void TCanvas::MoveTo(int x, int y) {
  if (auto* dc = Handle()) dc->moveTo(x, y);
}

void TCanvas::LineTo(int x, int y) {
  if (auto* dc = Prepared()) dc->lineTo(x, y);
  Changed();
}

TPoint TCanvas::PenPos() {
  auto* dc = Handle();
  return dc ? dc->currentPosition() : TPoint{};
}

void TCanvas::DrawFocusRect(const TRect& r) {
  if (auto* dc = Prepared()) dc->drawFocusRect(r);
  Changed();
}

void TCanvas::TextOut(int x, int y, std::u16string_view text) {
  if (auto* dc = Prepared()) dc->textOut(x, y, text);
  Changed();
}

void TCanvas::TextRect(const TRect& r, int x, int y, std::u16string_view text) {
  auto* dc = Prepared();
  if (!dc) return;
  dc->saveDC();
  dc->intersectClipRect(r.left, r.top, r.right, r.bottom);
  if (FBrush.Style() != bsClear) dc->fillRect(r, dc->brush());
  dc->setBkMode(pg::TRANSPARENT);
  dc->textOut(x, y, text);
  dc->restoreDC(-1);
  Changed();
}

TSize TCanvas::TextExtent(std::u16string_view text) {
  if (auto* dc = Handle()) {
    dc->selectFont(RealizeFont(*FFont));
    return dc->textExtent(text);
  }
  return RealizeFont(*FFont).textExtent(text);
}

int TCanvas::DrawText(std::u16string_view text, TRect& r, uint32_t format) {
  auto* dc = Prepared();
  if (!dc) return 0;
  int h = dc->drawText(text, r, format);
  Changed();
  return h;
}

void TCanvas::Draw(int x, int y, TGraphic* graphic) {
  if (!graphic || graphic->Empty()) return;
  TRect r = Bounds(x, y, graphic->Width(), graphic->Height());
  graphic->Draw(this, r);
  Changed();
}

void TCanvas::StretchDraw(const TRect& r, TGraphic* graphic) {
  if (!graphic || graphic->Empty()) return;
  graphic->Draw(this, r);
  Changed();
}

void TCanvas::CopyRect(const TRect& dest, TCanvas* source, const TRect& sourceRect) {
  auto* dc = Prepared();
  auto* src = source ? source->Handle() : nullptr;
  if (!dc || !src) return;
  dc->stretchBlt(dest.left, dest.top, dest.width(), dest.height(), *src, sourceRect.left, sourceRect.top,
                 sourceRect.width(), sourceRect.height(), FCopyMode);
  Changed();
}

TColor TCanvas::Pixel(int x, int y) {
  auto* dc = Handle();
  if (!dc) return clNone;
  pg::ColorRef c = dc->getPixel(x, y);
  return c == pg::CLR_INVALID ? clNone : TColor(c);
}

void TCanvas::SetPixel(int x, int y, TColor color) {
  if (auto* dc = Handle()) dc->setPixel(x, y, ColorToRGB(color));
  Changed();
}

TRect TCanvas::ClipRect() {
  auto* dc = Handle();
  return dc ? dc->clipBox() : TRect{};
}

}  // namespace z5t8::framework
