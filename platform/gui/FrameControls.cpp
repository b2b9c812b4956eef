#include "platform/gui/FrameControls.h"

#include <algorithm>

#include "platform/gui/SystemMetrics.h"

namespace z5t8::platform::gui {

namespace {

void fill(DeviceContext& dc, const Rect& r, int color) {
  if (!r.isEmpty()) dc.fillRect(r, Brush::solid(GetSysColor(color)));
}

void fillColor(DeviceContext& dc, const Rect& r, ColorRef c) {
  if (!r.isEmpty()) dc.fillRect(r, Brush::solid(c));
}

// One ring: top and left lines in `tl`, bottom and right in `br`.
void ring(DeviceContext& dc, Rect& r, UINT flags, ColorRef tl, ColorRef br) {
  if (flags & BF_TOP) fillColor(dc, {r.left, r.top, r.right, r.top + 1}, tl);
  if (flags & BF_LEFT) fillColor(dc, {r.left, r.top, r.left + 1, r.bottom}, tl);
  if (flags & BF_BOTTOM) fillColor(dc, {r.left, r.bottom - 1, r.right, r.bottom}, br);
  if (flags & BF_RIGHT) fillColor(dc, {r.right - 1, r.top, r.right, r.bottom}, br);
  if (flags & BF_LEFT) ++r.left;
  if (flags & BF_TOP) ++r.top;
  if (flags & BF_RIGHT) --r.right;
  if (flags & BF_BOTTOM) --r.bottom;
}

// Stroke cells of a glyph laid on a grid of `cell`-pixel squares.
void hline(DeviceContext& dc, int x, int y, int len, ColorRef c) { fillColor(dc, {x, y, x + len, y + 1}, c); }

void drawGlyph(DeviceContext& dc, const Rect& face, UINT type, UINT kind, ColorRef c) {
  int w = face.width(), h = face.height();
  int s = std::min(w, h);
  int cx = face.left + w / 2, cy = face.top + h / 2;
  if (type == DFC_SCROLL) {
    int rows = std::max((s + 1) / 4, 1);
    for (int i = 0; i < rows; ++i) {
      int len = 1 + 2 * i;
      switch (kind) {
        case DFCS_SCROLLUP:
          hline(dc, cx - i, cy - rows / 2 + i, len, c);
          break;
        case DFCS_SCROLLDOWN:
          hline(dc, cx - i, cy + (rows - 1) / 2 - i, len, c);
          break;
        case DFCS_SCROLLLEFT:
          fillColor(dc, {cx - rows / 2 + i, cy - i, cx - rows / 2 + i + 1, cy - i + len}, c);
          break;
        case DFCS_SCROLLRIGHT:
          fillColor(dc, {cx + (rows - 1) / 2 - i, cy - i, cx + (rows - 1) / 2 - i + 1, cy - i + len}, c);
          break;
        default:
          break;
      }
    }
    return;
  }
  if (type != DFC_CAPTION) return;
  int g = std::max(s - 6, 3);  // glyph box
  int gx = face.left + (w - g) / 2, gy = face.top + (h - g) / 2;
  switch (kind) {
    case DFCS_CAPTIONCLOSE:
      for (int i = 0; i < g; ++i) {
        fillColor(dc, {gx + i, gy + i, gx + i + 2, gy + i + 1}, c);
        fillColor(dc, {gx + g - 1 - i - 1, gy + i, gx + g - i, gy + i + 1}, c);
      }
      break;
    case DFCS_CAPTIONMIN:
      fillColor(dc, {gx + 1, gy + g - 2, gx + g - 2, gy + g}, c);
      break;
    case DFCS_CAPTIONMAX:
      fillColor(dc, {gx, gy, gx + g, gy + 2}, c);
      fillColor(dc, {gx, gy, gx + 1, gy + g}, c);
      fillColor(dc, {gx + g - 1, gy, gx + g, gy + g}, c);
      fillColor(dc, {gx, gy + g - 1, gx + g, gy + g}, c);
      break;
    case DFCS_CAPTIONRESTORE: {
      int b = std::max(g * 2 / 3, 3);
      int ox = gx + g - b, oy = gy;
      fillColor(dc, {ox, oy, ox + b, oy + 2}, c);
      fillColor(dc, {ox + b - 1, oy, ox + b, oy + b}, c);
      int ix = gx, iy = gy + g - b;
      fillColor(dc, {ix, iy, ix + b, iy + 2}, c);
      fillColor(dc, {ix, iy, ix + 1, iy + b}, c);
      fillColor(dc, {ix + b - 1, iy, ix + b, iy + b}, c);
      fillColor(dc, {ix, iy + b - 1, ix + b, iy + b}, c);
      break;
    }
    case DFCS_CAPTIONHELP: {
      int t = gx + g / 4, r = gx + g - g / 4;
      hline(dc, t + 1, gy, r - t - 1, c);
      fillColor(dc, {t, gy + 1, t + 2, gy + 3}, c);
      fillColor(dc, {r - 1, gy + 1, r + 1, gy + g / 2}, c);
      fillColor(dc, {cx - 1, gy + g / 2, cx + 1, gy + g - 3}, c);
      fillColor(dc, {cx - 1, gy + g - 2, cx + 1, gy + g}, c);
      break;
    }
    default:
      break;
  }
}

}  // namespace

BOOL DrawEdge(DeviceContext& dc, Rect* rect, UINT edge, UINT flags) {
  if (!rect) return FALSE;
  Rect r = *rect;
  ColorRef light = GetSysColor(COLOR_3DLIGHT), hi = GetSysColor(COLOR_BTNHIGHLIGHT);
  ColorRef shadow = GetSysColor(COLOR_BTNSHADOW), dark = GetSysColor(COLOR_3DDKSHADOW);
  ColorRef face = GetSysColor(COLOR_BTNFACE);
  if (flags & BF_MONO) {
    if (edge & (BDR_RAISEDOUTER | BDR_SUNKENOUTER))
      ring(dc, r, flags, GetSysColor(COLOR_WINDOWFRAME), GetSysColor(COLOR_WINDOWFRAME));
    if (edge & (BDR_RAISEDINNER | BDR_SUNKENINNER))
      ring(dc, r, flags, GetSysColor(COLOR_WINDOW), GetSysColor(COLOR_WINDOW));
  } else if (flags & BF_FLAT) {
    if (edge & (BDR_RAISEDOUTER | BDR_SUNKENOUTER)) ring(dc, r, flags, shadow, shadow);
    if (edge & (BDR_RAISEDINNER | BDR_SUNKENINNER)) ring(dc, r, flags, face, face);
  } else {
    bool soft = flags & BF_SOFT;
    if (edge & BDR_RAISEDOUTER)
      ring(dc, r, flags, soft ? hi : light, dark);
    else if (edge & BDR_SUNKENOUTER)
      ring(dc, r, flags, soft ? dark : shadow, hi);
    if (edge & BDR_RAISEDINNER)
      ring(dc, r, flags, soft ? light : hi, shadow);
    else if (edge & BDR_SUNKENINNER)
      ring(dc, r, flags, soft ? shadow : dark, light);
  }
  if (flags & BF_MIDDLE) fillColor(dc, r, (flags & BF_MONO) ? GetSysColor(COLOR_WINDOW) : face);
  if (flags & BF_ADJUST) *rect = r;
  return TRUE;
}

BOOL DrawFrameControl(DeviceContext& dc, Rect* rect, UINT type, UINT state) {
  if (!rect || rect->isEmpty()) return FALSE;
  if (type != DFC_CAPTION && type != DFC_SCROLL && type != DFC_BUTTON) return FALSE;
  Rect r = *rect;
  bool pushed = state & (DFCS_PUSHED | DFCS_CHECKED);
  if (state & DFCS_FLAT) {
    fill(dc, r, COLOR_BTNFACE);
    Rect f = r;
    ring(dc, f, BF_RECT, GetSysColor(COLOR_BTNSHADOW), GetSysColor(COLOR_BTNSHADOW));
  } else if (pushed) {
    Rect f = r;
    if (type == DFC_SCROLL) {
      ring(dc, f, BF_RECT, GetSysColor(COLOR_BTNSHADOW), GetSysColor(COLOR_BTNSHADOW));
    } else {
      ring(dc, f, BF_RECT, GetSysColor(COLOR_3DDKSHADOW), GetSysColor(COLOR_BTNHIGHLIGHT));
      ring(dc, f, BF_RECT, GetSysColor(COLOR_BTNSHADOW), GetSysColor(COLOR_3DLIGHT));
    }
    fill(dc, f, COLOR_BTNFACE);
  } else {
    Rect f = r;
    DrawEdge(dc, &f, EDGE_RAISED,
             BF_RECT | BF_MIDDLE | BF_SOFT * (type != DFC_SCROLL && type != DFC_CAPTION));
  }
  if (type == DFC_BUTTON) return TRUE;
  Rect face = r;
  if (pushed) face = face.offset(1, 1);
  UINT kind = state & 0xFF;
  if (state & DFCS_INACTIVE) {
    drawGlyph(dc, face.offset(1, 1), type, kind, GetSysColor(COLOR_BTNHIGHLIGHT));
    drawGlyph(dc, face, type, kind, GetSysColor(COLOR_BTNSHADOW));
  } else {
    drawGlyph(dc, face, type, kind, GetSysColor(COLOR_BTNTEXT));
  }
  return TRUE;
}

}  // namespace z5t8::platform::gui
