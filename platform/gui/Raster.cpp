#include "platform/gui/Raster.h"

#include <algorithm>
#include <cmath>
#include <limits>

#include "platform/gui/Region.h"

namespace z5t8::platform::gui::raster {

namespace {

// Shapes come from code, but a wild coordinate must not make a scan run for ever.
constexpr int64_t kRowLimit = 1 << 16;
int64_t firstRow(int64_t top) { return std::max(top, -kRowLimit); }
int64_t endRow(int64_t bottom) { return std::min(bottom, kRowLimit); }

struct Crossing {
  double x;
  int dir;
};

// A run of pixels whose centres lie in [a, b].
bool centreRun(double a, double b, int32_t& x0, int32_t& x1) {
  double lo = std::ceil(a - 0.5);
  double hi = std::floor(b - 0.5) + 1;
  if (!(hi > lo)) return false;
  x0 = int32_t(std::clamp(lo, -1e9, 1e9));
  x1 = int32_t(std::clamp(hi, -1e9, 1e9));
  return true;
}

// The pixels of an ellipse inscribed in r, one run per row (or none).
bool ellipseRow(const Rect& r, int32_t y, int32_t& x0, int32_t& x1) {
  double rx = (double(r.right) - r.left) / 2.0;
  double ry = (double(r.bottom) - r.top) / 2.0;
  if (rx <= 0 || ry <= 0) return false;
  double cx = (double(r.left) + r.right) / 2.0;
  double cy = (double(r.top) + r.bottom) / 2.0;
  double dy = (y + 0.5 - cy) / ry;
  if (std::fabs(dy) >= 1.0) return false;
  double hw = rx * std::sqrt(1.0 - dy * dy);
  // The tiny allowance keeps symmetric shapes symmetric despite rounding.
  return centreRun(cx - hw - 1e-9, cx + hw + 1e-9, x0, x1);
}

}  // namespace

std::vector<Span> polygon(std::span<const Point> points, int fillMode) {
  std::vector<Span> spans;
  if (points.size() < 3) return spans;
  int32_t top = std::numeric_limits<int32_t>::max();
  int32_t bottom = std::numeric_limits<int32_t>::min();
  for (const Point& p : points) {
    top = std::min(top, p.y);
    bottom = std::max(bottom, p.y);
  }
  std::vector<Crossing> crossings;
  for (int64_t y = firstRow(top); y < endRow(bottom); ++y) {
    double yc = double(y) + 0.5;
    crossings.clear();
    for (size_t i = 0; i < points.size(); ++i) {
      const Point& a = points[i];
      const Point& b = points[(i + 1) % points.size()];
      if (a.y == b.y) continue;
      double y0 = std::min(a.y, b.y), y1 = std::max(a.y, b.y);
      if (yc < y0 || yc >= y1) continue;
      double t = (yc - a.y) / (double(b.y) - a.y);
      crossings.push_back({a.x + t * (double(b.x) - a.x), b.y > a.y ? 1 : -1});
    }
    std::sort(crossings.begin(), crossings.end(),
              [](const Crossing& l, const Crossing& r) { return l.x < r.x; });
    int winding = 0;
    for (size_t i = 0; i + 1 < crossings.size(); ++i) {
      winding += fillMode == WINDING ? crossings[i].dir : 1;
      bool inside = fillMode == WINDING ? winding != 0 : (winding & 1) != 0;
      if (!inside) continue;
      // Half-open in x: the pixel centre must lie in [a, b).
      double lo = std::ceil(crossings[i].x - 0.5);
      double hi = std::ceil(crossings[i + 1].x - 0.5);
      if (hi > lo) {
        int32_t x0 = int32_t(lo), x1 = int32_t(hi);
        if (!spans.empty() && spans.back().y == y && spans.back().x1 >= x0)
          spans.back().x1 = std::max(spans.back().x1, x1);
        else
          spans.push_back({int32_t(y), x0, x1});
      }
    }
  }
  return spans;
}

std::vector<Span> ellipse(const Rect& r) {
  std::vector<Span> spans;
  for (int64_t y = firstRow(r.top); y < endRow(r.bottom); ++y) {
    int32_t x0, x1;
    if (ellipseRow(r, int32_t(y), x0, x1)) spans.push_back({int32_t(y), x0, x1});
  }
  return spans;
}

std::vector<Span> roundRect(const Rect& r, int32_t cornerWidth, int32_t cornerHeight) {
  std::vector<Span> spans;
  if (r.isEmpty()) return spans;
  int32_t w = std::clamp(cornerWidth, 0, r.width());
  int32_t h = std::clamp(cornerHeight, 0, r.height());
  if (w < 2 || h < 2) {
    for (int64_t y = firstRow(r.top); y < endRow(r.bottom); ++y)
      spans.push_back({int32_t(y), r.left, r.right});
    return spans;
  }
  Rect topLeft{r.left, r.top, r.left + w, r.top + h};
  Rect topRight{r.right - w, r.top, r.right, r.top + h};
  Rect bottomLeft{r.left, r.bottom - h, r.left + w, r.bottom};
  Rect bottomRight{r.right - w, r.bottom - h, r.right, r.bottom};
  double topBand = r.top + h / 2.0, bottomBand = r.bottom - h / 2.0;
  for (int64_t yy = firstRow(r.top); yy < endRow(r.bottom); ++yy) {
    int32_t y = int32_t(yy);
    double yc = y + 0.5;
    int32_t x0 = r.left, x1 = r.right, a, b;
    if (yc < topBand) {
      if (!ellipseRow(topLeft, y, x0, a) || !ellipseRow(topRight, y, b, x1)) continue;
    } else if (yc > bottomBand) {
      if (!ellipseRow(bottomLeft, y, x0, a) || !ellipseRow(bottomRight, y, b, x1)) continue;
    }
    if (x1 > x0) spans.push_back({y, x0, x1});
  }
  return spans;
}

std::vector<Span> erode(const std::vector<Span>& shape, int32_t thickness) {
  std::vector<Span> current = shape;
  for (int32_t pass = 0; pass < thickness && !current.empty(); ++pass) {
    std::vector<Span> next;
    for (size_t i = 0; i < current.size(); ++i) {
      const Span& s = current[i];
      bool hasAbove = i > 0 && current[i - 1].y == s.y - 1;
      bool hasBelow = i + 1 < current.size() && current[i + 1].y == s.y + 1;
      if (!hasAbove || !hasBelow) continue;
      int32_t x0 = std::max({s.x0 + 1, current[i - 1].x0, current[i + 1].x0});
      int32_t x1 = std::min({s.x1 - 1, current[i - 1].x1, current[i + 1].x1});
      if (x1 > x0) next.push_back({s.y, x0, x1});
    }
    current = std::move(next);
  }
  return current;
}

std::vector<Span> outline(const std::vector<Span>& shape, int32_t thickness) {
  std::vector<Span> inner = erode(shape, thickness);
  std::vector<Span> out;
  size_t j = 0;
  for (const Span& s : shape) {
    while (j < inner.size() && inner[j].y < s.y) ++j;
    if (j < inner.size() && inner[j].y == s.y) {
      if (inner[j].x0 > s.x0) out.push_back({s.y, s.x0, inner[j].x0});
      if (s.x1 > inner[j].x1) out.push_back({s.y, inner[j].x1, s.x1});
    } else {
      out.push_back(s);
    }
  }
  return out;
}

}  // namespace z5t8::platform::gui::raster
