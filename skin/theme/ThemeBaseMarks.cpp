#include "skin/theme/ThemeBaseMarks.h"

#include <algorithm>

#include "platform/gui/FrameControls.h"
#include "skin/render/BitmapDrawing.h"
#include "skin/render/CanvasDrawing.h"

namespace z5t8::skin::theme::baselook {

using namespace framework;
namespace gui = platform::gui;

using render::DrawFrameControlGlyph;
using render::DrawPolygon;
using render::DrawRect;
using render::FillEllipse;
using render::FillPolygon;
using render::FillRect;
using render::IsRectEmpty;
using render::RectHeight;
using render::RectWidth;

void Marker(TCanvas* canvas, const TRect& r, TColor fill) {
  if (!canvas || IsRectEmpty(r)) return;
  FillRect(canvas, r, fill);
  DrawRect(canvas, r, kMarkerOutline);
}

TRect CentredBox(const TRect& r, int w, int h) {
  return gui::rectFromSize(Add(r.left, (int64_t(RectWidth(r)) - w) / 2),
                           Add(r.top, (int64_t(RectHeight(r)) - h) / 2), w, h);
}

void DrawCentred(TCanvas* canvas, const render::TteBitmap& bitmap, const TRect& r) {
  TRect box = CentredBox(r, bitmap.Width(), bitmap.Height());
  bitmap.Draw(canvas, box.left, box.top);
}

void DrawTriangle(TCanvas* canvas, const TRect& r, bool up, TColor colour) {
  if (IsRectEmpty(r)) return;
  int mid = Add(r.left, (int64_t(RectWidth(r)) - 1) / 2);
  int top = r.top, bottom = Add(r.bottom, -1);
  const TPoint up_[] = {{r.left, bottom}, {Add(r.right, -1), bottom}, {mid, top}};
  const TPoint down[] = {{r.left, top}, {Add(r.right, -1), top}, {mid, bottom}};
  FillPolygon(canvas, up ? up_ : down, colour);
  DrawPolygon(canvas, up ? up_ : down, colour);
}

void DrawCheckMark(TCanvas* canvas, const TRect& box, TColor colour) {
  const int n = std::min(RectWidth(box), RectHeight(box));
  auto at = [&](int x, int y) { return TPoint{box.left + x * n / 16, box.top + y * n / 16}; };
  const TPoint tick[] = {at(3, 7), at(6, 10), at(12, 4), at(12, 7), at(6, 13), at(3, 10)};
  FillPolygon(canvas, tick, colour);
}

void DrawMark(TCanvas* canvas, const TRect& r, const render::TteBitmap* bitmap, TteMenuGlyph glyph) {
  if (!canvas || IsRectEmpty(r)) return;
  TColor ink = canvas->Font()->Color();
  TRect box = CentredBox(r, 16, 16);
  switch (glyph) {
    case kmgGlyph:
      if (bitmap) DrawCentred(canvas, *bitmap, r);
      break;
    case kmgCheckGlyph:
      DrawCheckMark(canvas, box, ink);
      break;
    case kmgRadioGlyph:
      FillEllipse(canvas, CentredBox(r, 6, 6), clBlack);
      break;
    case kmgSubMenuGlyph: {
      TRect t = CentredBox(r, 4, 7);
      const TPoint arrow[] = {{t.left, t.top}, {t.left + 3, t.top + 3}, {t.left, t.top + 6}};
      FillPolygon(canvas, arrow, ink);
      DrawPolygon(canvas, arrow, ink);
      break;
    }
    case kmgSysMenu:
      DrawRect(canvas, box.inflate(-3, -4), ink);
      FillRect(canvas, box.left + 3, box.top + 4, box.right - 3, box.top + 7, ink);
      break;
    case kmgClose:
      DrawFrameControlGlyph(canvas, box, gui::DFC_CAPTION, gui::DFCS_CAPTIONCLOSE, ink);
      break;
    case kmgMin:
      DrawFrameControlGlyph(canvas, box, gui::DFC_CAPTION, gui::DFCS_CAPTIONMIN, ink);
      break;
    case kmgMax:
      DrawFrameControlGlyph(canvas, box, gui::DFC_CAPTION, gui::DFCS_CAPTIONMAX, ink);
      break;
    case kmgMinRestore:
    case kmgMaxRestore:
      DrawFrameControlGlyph(canvas, box, gui::DFC_CAPTION, gui::DFCS_CAPTIONRESTORE, ink);
      break;
    case kmgRoll:
      DrawTriangle(canvas, box.inflate(-4, -5), true, ink);
      break;
    case kmgRollRestore:
      DrawTriangle(canvas, box.inflate(-4, -5), false, ink);
      break;
    case kmgTray:
      FillRect(canvas, box.right - 6, box.bottom - 6, box.right - 3, box.bottom - 3, ink);
      break;
    default:
      break;
  }
}

}  // namespace z5t8::skin::theme::baselook
