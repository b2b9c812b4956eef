#pragma once

#include <cstdint>
#include <span>
#include <vector>

#include "platform/gui/Geometry.h"

namespace z5t8::platform::gui {

// CombineRgn modes and results.
constexpr int RGN_AND = 1;
constexpr int RGN_OR = 2;
constexpr int RGN_XOR = 3;
constexpr int RGN_DIFF = 4;
constexpr int RGN_COPY = 5;

constexpr int RGN_ERROR = 0;
constexpr int NULLREGION = 1;
constexpr int SIMPLEREGION = 2;
constexpr int COMPLEXREGION = 3;

// Polygon fill modes.
constexpr int ALTERNATE = 1;
constexpr int WINDING = 2;

// A set of pixels made of rectangles (pixman underneath); a value type.
class Region {
public:
  Region();
  explicit Region(const Rect& r);
  Region(const Region& other);
  Region& operator=(const Region& other);
  Region(Region&& other) noexcept;
  Region& operator=(Region&& other) noexcept;
  ~Region();

  static Region fromRects(std::span<const Rect> rects);
  // The shape RoundRect fills: corner ellipses of cornerWidth by cornerHeight.
  static Region roundRect(const Rect& r, int32_t cornerWidth, int32_t cornerHeight);
  static Region ellipse(const Rect& r);
  // Pixels whose centres lie inside the polygon under the fill mode.
  static Region polygon(std::span<const Point> points, int fillMode);

  // this = a <mode> b; returns NULLREGION, SIMPLEREGION or COMPLEXREGION
  // (RGN_ERROR for an unknown mode, leaving this unchanged).
  int combine(const Region& a, const Region& b, int mode);
  static Region combined(const Region& a, const Region& b, int mode);

  void offset(int32_t dx, int32_t dy);
  void intersect(const Rect& r);
  void subtract(const Rect& r);
  void unite(const Rect& r);

  bool isEmpty() const;
  int complexity() const;
  bool contains(Point p) const;
  // True when any pixel of r lies in the region.
  bool intersects(const Rect& r) const;
  // True when all of r lies in the region.
  bool containsRect(const Rect& r) const;
  // (0, 0, 0, 0) for an empty region.
  Rect box() const;
  // Bands top to bottom, left to right within a band.
  std::vector<Rect> rects() const;
  int rectCount() const;

  friend bool operator==(const Region& a, const Region& b);

  // For drawing code that walks the rectangles without copying them.
  struct RectView {
    const void* data;
    int count;
  };
  RectView rectView() const;

private:
  alignas(8) unsigned char storage_[24];
  void* raw();
  const void* raw() const;
};

}  // namespace z5t8::platform::gui
