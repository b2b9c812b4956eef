#include <algorithm>

#include "platform/gui/DeviceContext.h"
#include "platform/gui/FontEngine.h"
#include "platform/gui/TextLayout.h"

namespace z5t8::platform::gui {

namespace {

// Text runs along `along`; `down` points from the baseline towards the descent.
struct Frame {
  Point along;
  Point down;
};

Frame frameFor(int32_t escapement) {
  int32_t quadrant = ((escapement % 3600 + 3600) % 3600 + 450) / 900 % 4;
  switch (quadrant) {
    case 1:
      return {{0, -1}, {1, 0}};
    case 2:
      return {{-1, 0}, {0, -1}};
    case 3:
      return {{0, 1}, {-1, 0}};
    default:
      return {{1, 0}, {0, 1}};
  }
}

// The surface pixel of text-frame cell (a, b) relative to origin o.
Point cell(const Frame& f, Point o, int32_t a, int32_t b) {
  int64_t x =
      int64_t(o.x) + int64_t(a) * f.along.x + int64_t(b) * f.down.x + ((f.along.x + f.down.x) < 0 ? -1 : 0);
  int64_t y =
      int64_t(o.y) + int64_t(a) * f.along.y + int64_t(b) * f.down.y + ((f.along.y + f.down.y) < 0 ? -1 : 0);
  return {clampToInt32(x), clampToInt32(y)};
}

// The surface rectangle covering text-frame cells [a0, a1) x [b0, b1).
Rect cells(const Frame& f, Point o, int32_t a0, int32_t a1, int32_t b0, int32_t b1) {
  if (a1 <= a0 || b1 <= b0) return {};
  Point p = cell(f, o, a0, b0), q = cell(f, o, a1 - 1, b1 - 1);
  return {std::min(p.x, q.x), std::min(p.y, q.y), clampToInt32(int64_t(std::max(p.x, q.x)) + 1),
          clampToInt32(int64_t(std::max(p.y, q.y)) + 1)};
}

}  // namespace

Size DeviceContext::textExtent(std::u16string_view text) const { return state_.font.textExtent(text); }

TextMetric DeviceContext::textMetrics() const { return state_.font.metrics(); }

void DeviceContext::drawRun(int32_t x, int32_t y, std::u32string_view text,
                            const std::vector<bool>& underlined, const Rect* clip) {
  if (!surface_ || text.empty()) return;
  FontEngine& font = state_.font.engine();
  const FaceMetrics& fm = font.faceMetrics();
  const LogFont& lf = font.logFont();
  Frame f = frameFor(lf.escapement);
  Point origin{x, y};

  Region area = effectiveClip_;
  if (clip) area.intersect(*clip);
  if (area.isEmpty()) return;
  std::vector<Rect> rects = area.rects();
  Rect box = area.box();
  auto inside = [&](int32_t px, int32_t py) {
    if (!box.contains({px, py})) return false;
    if (rects.size() == 1) return true;
    for (const Rect& r : rects)
      if (r.contains({px, py})) return true;
    return false;
  };

  Pixel ink = pixelFromColor(state_.textColor);
  uint32_t inkR = (ink >> 16) & 0xFF, inkG = (ink >> 8) & 0xFF, inkB = ink & 0xFF;
  auto blend = [&](int32_t px, int32_t py, uint32_t a) {
    if (!a || !inside(px, py)) return;
    Pixel& d = surface_->scanLine(py)[px];
    if (a == 255) {
      d = ink;
      return;
    }
    uint32_t inv = 255 - a;
    uint32_t r = (inkR * a + ((d >> 16) & 0xFF) * inv + 127) / 255;
    uint32_t g = (inkG * a + ((d >> 8) & 0xFF) * inv + 127) / 255;
    uint32_t b = (inkB * a + (d & 0xFF) * inv + 127) / 255;
    d = (r << 16) | (g << 8) | b;
  };
  auto fillCells = [&](int32_t a0, int32_t a1, int32_t b0, int32_t b1, Pixel p) {
    Rect r = intersectRect(cells(f, origin, a0, a1, b0, b1), box);
    for (int32_t py = r.top; py < r.bottom; ++py)
      for (int32_t px = r.left; px < r.right; ++px)
        if (inside(px, py)) surface_->scanLine(py)[px] = p;
  };

  int32_t width = font.textWidth(text);
  if (state_.bkMode == OPAQUE) fillCells(0, width, -fm.ascent, fm.descent, pixelFromColor(state_.bkColor));

  int32_t pen = 0;
  for (size_t i = 0; i < text.size(); ++i) {
    const Glyph* g = font.glyphFor(text[i]);
    if (!g) continue;
    if (f.along.x == 1 && rects.size() == 1) {
      // Upright text in one clip rectangle: walk only the visible part of the glyph.
      int64_t gx0 = int64_t(x) + pen + g->left, gy0 = int64_t(y) - g->top;
      bool outside =
          gx0 >= box.right || gy0 >= box.bottom || gx0 + g->width <= box.left || gy0 + g->height <= box.top;
      Rect vis = outside ? Rect{}
                         : intersectRect(rectFromSize(int32_t(gx0), int32_t(gy0), g->width, g->height), box);
      for (int32_t py = vis.top; py < vis.bottom; ++py) {
        const uint8_t* cov = g->coverage.data() + size_t(py - gy0) * size_t(g->width);
        Pixel* row = surface_->scanLine(py);
        for (int32_t px = vis.left; px < vis.right; ++px) {
          uint32_t a = cov[px - gx0];
          if (!a) continue;
          if (a == 255) {
            row[px] = ink;
            continue;
          }
          Pixel d = row[px];
          uint32_t inv = 255 - a;
          row[px] = (((inkR * a + ((d >> 16) & 0xFF) * inv + 127) / 255) << 16) |
                    (((inkG * a + ((d >> 8) & 0xFF) * inv + 127) / 255) << 8) |
                    ((inkB * a + (d & 0xFF) * inv + 127) / 255);
        }
      }
    } else {
      for (int32_t gy = 0; gy < g->height; ++gy)
        for (int32_t gx = 0; gx < g->width; ++gx) {
          Point p = cell(f, origin, pen + g->left + gx, gy - g->top);
          blend(p.x, p.y, g->coverage[size_t(gy) * size_t(g->width) + size_t(gx)]);
        }
    }
    if (i < underlined.size() && underlined[i])
      fillCells(pen, pen + g->advance, fm.underlinePosition, fm.underlinePosition + fm.underlineThickness,
                ink);
    pen += g->advance;
  }
  if (lf.underline)
    fillCells(0, width, fm.underlinePosition, fm.underlinePosition + fm.underlineThickness, ink);
  if (lf.strikeOut)
    fillCells(0, width, -fm.strikeoutPosition, -fm.strikeoutPosition + fm.strikeoutThickness, ink);
}

int DeviceContext::textExtentEx(std::u16string_view text, int32_t maxExtent,
                                std::vector<int32_t>* partialExtents) const {
  FontEngine& font = state_.font.engine();
  if (partialExtents) partialExtents->assign(text.size(), 0);
  int fit = 0;
  int32_t width = 0;
  for (size_t i = 0; i < text.size(); ++i) {
    char32_t c = text[i];
    size_t units = 1;
    if (c >= 0xD800 && c <= 0xDBFF && i + 1 < text.size() && text[i + 1] >= 0xDC00 && text[i + 1] <= 0xDFFF) {
      c = 0x10000 + ((c - 0xD800) << 10) + (char32_t(text[i + 1]) - 0xDC00);
      units = 2;
    } else if (c >= 0xD800 && c <= 0xDFFF) {
      c = 0xFFFD;
    }
    width += font.advance(c);
    for (size_t k = 0; k < units; ++k)
      if (partialExtents) (*partialExtents)[i + k] = width;
    if (width <= maxExtent && fit == int(i)) fit = int(i + units);
    i += units - 1;
  }
  return fit;
}

void DeviceContext::extTextOut(int32_t x, int32_t y, uint32_t options, const Rect* r,
                               std::u16string_view text) {
  if (r && (options & ETO_OPAQUE)) fillRect(*r, Brush::solid(state_.bkColor));
  if (!r || !(options & ETO_CLIPPED)) {
    textOut(x, y, text);
    return;
  }
  saveDC();
  intersectClipRect(r->left, r->top, r->right, r->bottom);
  textOut(x, y, text);
  restoreDC(-1);
}

void DeviceContext::textOut(int32_t x, int32_t y, std::u16string_view text) {
  FontEngine& font = state_.font.engine();
  std::u32string chars = decodeUtf16(text);
  int32_t width = font.textWidth(chars);
  const FaceMetrics& fm = font.faceMetrics();
  Frame f = frameFor(font.logFont().escapement);
  int32_t a = 0, b = 0;
  uint32_t horizontal = state_.textAlign & TA_CENTER;
  if (horizontal == TA_CENTER)
    a = -width / 2;
  else if (horizontal == TA_RIGHT)
    a = -width;
  uint32_t vertical = state_.textAlign & TA_BASELINE;
  if (vertical == TA_TOP)
    b = fm.ascent;
  else if (vertical == TA_BOTTOM)
    b = -fm.descent;
  Point start{clampToInt32(int64_t(sx(x)) + a * f.along.x + b * f.down.x),
              clampToInt32(int64_t(sy(y)) + a * f.along.y + b * f.down.y)};
  drawRun(start.x, start.y, chars, {}, nullptr);
}

int DeviceContext::drawText(std::u16string_view text, Rect& r, uint32_t format) {
  if (text.empty()) {
    if (format & DT_CALCRECT) r = {r.left, r.top, r.left, r.top};
    return 0;
  }
  FontEngine& font = state_.font.engine();
  TextLayoutOptions options;
  options.singleLine = format & DT_SINGLELINE;
  options.wordBreak = format & DT_WORDBREAK;
  options.noPrefix = format & DT_NOPREFIX;
  options.rtlReading = format & DT_RTLREADING;
  options.maxWidth = r.width();
  std::vector<TextLine> lines = layoutText(text, font, options);
  int32_t lineHeight = font.metrics().tmHeight;
  int32_t height = lineHeight * int32_t(lines.size());

  if (format & DT_CALCRECT) {
    int32_t widest = 0;
    for (const TextLine& line : lines) widest = std::max(widest, line.width);
    // Saturated: a rectangle at the end of the coordinate range must not wrap around.
    r.right = clampToInt32(int64_t(r.left) + widest);
    r.bottom = clampToInt32(int64_t(r.top) + height);
    return height;
  }

  int32_t top = r.top;
  bool single = format & DT_SINGLELINE;
  if (single && (format & DT_VCENTER))
    top = clampToInt32(r.top + (int64_t(r.height()) - lineHeight) / 2);
  else if (single && (format & DT_BOTTOM))
    top = clampToInt32(int64_t(r.bottom) - lineHeight);

  Rect clip = toSurface(r);
  const Rect* clipRect = (format & DT_NOCLIP) ? nullptr : &clip;
  int32_t ascent = font.faceMetrics().ascent;
  int32_t y = top;
  for (const TextLine& line : lines) {
    int32_t x = r.left;
    if (format & DT_CENTER)
      x = clampToInt32(r.left + (int64_t(r.width()) - line.width) / 2);
    else if (format & DT_RIGHT)
      x = clampToInt32(int64_t(r.right) - line.width);
    drawRun(sx(x), clampToInt32(int64_t(sy(y)) + ascent), line.text, line.underlined, clipRect);
    y = clampToInt32(int64_t(y) + lineHeight);
  }
  if (single && (format & (DT_VCENTER | DT_BOTTOM))) return clampToInt32(int64_t(top) - r.top + lineHeight);
  return height;
}

}  // namespace z5t8::platform::gui
