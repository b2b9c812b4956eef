#pragma once

// What every picture of the skin is drawn with: straight colours, shapes tested at one
// sample point, and the sheet that averages 16 x 16 samples a pixel into its cells.

#include <algorithm>
#include <cmath>
#include <cstdint>
#include <functional>
#include <string>

#include "platform/gui/Png.h"
#include "platform/gui/Surface.h"

namespace z5t8::tools::aqua_art {

using z5t8::platform::gui::Surface;

// Straight (not premultiplied) colour, channels 0 to 1.
struct Rgba {
  double r = 0, g = 0, b = 0, a = 0;
};

inline Rgba Hex(uint32_t rgb, double alpha = 1) {
  return {(rgb >> 16 & 0xFF) / 255.0, (rgb >> 8 & 0xFF) / 255.0, (rgb & 0xFF) / 255.0, alpha};
}

inline Rgba Mix(Rgba a, Rgba b, double t) {
  t = std::clamp(t, 0.0, 1.0);
  return {a.r + (b.r - a.r) * t, a.g + (b.g - a.g) * t, a.b + (b.b - a.b) * t, a.a + (b.a - a.a) * t};
}

inline Rgba Scale(Rgba c, double f) { return {c.r * f, c.g * f, c.b * f, c.a}; }
inline Rgba Alpha(Rgba c, double a) { return {c.r, c.g, c.b, c.a * a}; }

// Source over destination.
inline Rgba Over(Rgba top, Rgba bottom) {
  double a = top.a + bottom.a * (1 - top.a);
  if (a <= 0) return {};
  auto ch = [&](double t, double b) { return (t * top.a + b * bottom.a * (1 - top.a)) / a; };
  return {ch(top.r, bottom.r), ch(top.g, bottom.g), ch(top.b, bottom.b), a};
}

// ---- shapes: inside tests at one sample point ----

struct Box {
  double x0, y0, x1, y1;
  Box Inset(double d) const { return {x0 + d, y0 + d, x1 - d, y1 - d}; }
  double Width() const { return x1 - x0; }
  double Height() const { return y1 - y0; }
};

// A rounded rectangle; topOnly leaves the bottom corners square.
inline bool InRound(double x, double y, Box b, double r, bool topOnly = false) {
  if (x < b.x0 || x >= b.x1 || y < b.y0 || y >= b.y1) return false;
  if (r <= 0) return true;
  double cx = std::clamp(x, b.x0 + r, b.x1 - r);
  double cy = std::clamp(y, b.y0 + r, b.y1 - r);
  if (topOnly && y > b.y0 + r) return true;
  double dx = x - cx, dy = y - cy;
  return dx * dx + dy * dy <= r * r;
}

inline bool InCircle(double x, double y, double cx, double cy, double r) {
  double dx = x - cx, dy = y - cy;
  return dx * dx + dy * dy <= r * r;
}

// Within half a width of the segment from (ax, ay) to (bx, by).
inline bool OnSegment(double x, double y, double ax, double ay, double bx, double by, double width) {
  double vx = bx - ax, vy = by - ay;
  double t = std::clamp(((x - ax) * vx + (y - ay) * vy) / (vx * vx + vy * vy), 0.0, 1.0);
  double dx = x - (ax + t * vx), dy = y - (ay + t * vy);
  return dx * dx + dy * dy <= width * width / 4;
}

inline bool InTriangle(double x, double y, double ax, double ay, double bx, double by, double cx, double cy) {
  auto side = [&](double px, double py, double qx, double qy) {
    return (qx - px) * (y - py) - (qy - py) * (x - px);
  };
  double d1 = side(ax, ay, bx, by), d2 = side(bx, by, cx, cy), d3 = side(cx, cy, ax, ay);
  return (d1 >= 0 && d2 >= 0 && d3 >= 0) || (d1 <= 0 && d2 <= 0 && d3 <= 0);
}

// ---- pictures ----

using Sampler = std::function<Rgba(double x, double y)>;
constexpr int kSamples = 16;

// A picture made of cells laid side by side, one per state.
class Sheet {
public:
  Sheet(int cellWidth, int cellHeight, int cells, bool keyed)
      : FCellWidth(cellWidth),
        FCellHeight(cellHeight),
        FKeyed(keyed),
        FPixels(cellWidth * cells, cellHeight) {}

  // Draws cell index with the sampler in cell-local coordinates.
  void Cell(int index, const Sampler& sample) {
    for (int y = 0; y < FCellHeight; ++y)
      for (int x = 0; x < FCellWidth; ++x) {
        double pr = 0, pg = 0, pb = 0, pa = 0;
        for (int sy = 0; sy < kSamples; ++sy)
          for (int sx = 0; sx < kSamples; ++sx) {
            Rgba c = sample(x + (sx + 0.5) / kSamples, y + (sy + 0.5) / kSamples);
            pr += c.r * c.a;
            pg += c.g * c.a;
            pb += c.b * c.a;
            pa += c.a;
          }
        const double n = kSamples * kSamples;
        Rgba c = pa > 0 ? Rgba{pr / pa, pg / pa, pb / pa, pa / n} : Rgba{};
        Put(index * FCellWidth + x, y, c);
      }
  }

  bool Save(const std::string& path) {
    if (!FKeyed) Bleed();
    return z5t8::platform::gui::writePngFile(FPixels, path, true);
  }

private:
  static uint32_t Byte(double v) { return uint32_t(std::lround(std::clamp(v, 0.0, 1.0) * 255)); }

  void Put(int x, int y, Rgba c) {
    uint32_t a = Byte(c.a);
    if (FKeyed) {
      // A region has no partial pixels: half covered is in, the rest is the key colour.
      if (c.a < 0.5) {
        FPixels.setPixel(x, y, 0x007F007Fu);
        return;
      }
      a = 255;
    }
    FPixels.setPixel(x, y, a << 24 | Byte(c.r) << 16 | Byte(c.g) << 8 | Byte(c.b));
  }

  // Fully transparent pixels take their neighbours' colour, so nothing that filters or
  // stretches the picture can pull a dark fringe in from them.
  void Bleed() {
    for (int pass = 0; pass < 4; ++pass) {
      Surface next = FPixels;
      for (int y = 0; y < FPixels.height(); ++y)
        for (int x = 0; x < FPixels.width(); ++x) {
          if (FPixels.pixel(x, y) >> 24) continue;
          for (auto [dx, dy] : {std::pair{-1, 0}, {1, 0}, {0, -1}, {0, 1}}) {
            if (x + dx < 0 || y + dy < 0 || x + dx >= FPixels.width() || y + dy >= FPixels.height()) continue;
            uint32_t p = FPixels.pixel(x + dx, y + dy);
            if (p != 0) {
              next.setPixel(x, y, p & 0xFFFFFF);
              break;
            }
          }
        }
      FPixels = next;
    }
  }

  int FCellWidth, FCellHeight;
  bool FKeyed;
  Surface FPixels;
};

}  // namespace z5t8::tools::aqua_art
