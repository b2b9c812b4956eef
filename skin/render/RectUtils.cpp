#include "skin/render/RectUtils.h"

#include <algorithm>
#include <charconv>
#include <cstdint>
#include <cmath>

#include "skin/render/Tokens.h"

namespace z5t8::skin::render {

namespace {

int Center(int pos, int outer, int inner) { return Saturate(pos + (int64_t(outer) - inner) / 2); }

int Sat(int64_t v) { return Saturate(v); }

int64_t Rint(float v) {
  double x = std::nearbyint(double(v));
  if (!(x == x)) return 0;
  return int64_t(std::clamp(x, double(INT32_MIN) * 2, double(INT32_MAX) * 2));
}

bool ReadInt(const std::string& s, int& out) {
  const char* b = s.data();
  const char* e = b + s.size();
  if (b != e && *b == '+') ++b;
  auto [p, ec] = std::from_chars(b, e, out);
  return b != e && ec == std::errc() && p == e;
}

}  // namespace

Rect RectCenter(Rect& r, const Rect& bounds) {
  int w = RectWidth(r), h = RectHeight(r);
  int x = Center(bounds.left, RectWidth(bounds), w);
  int y = Center(bounds.top, RectHeight(bounds), h);
  r = {x, y, Saturate(int64_t(x) + w), Saturate(int64_t(y) + h)};
  return r;
}

Rect RectVCenter(Rect& r, const Rect& bounds) {
  int h = RectHeight(r);
  int y = Center(bounds.top, RectHeight(bounds), h);
  r = {r.left, y, r.right, Saturate(int64_t(y) + h)};
  return r;
}

Rect RectHCenter(Rect& r, const Rect& bounds) {
  int w = RectWidth(r);
  int x = Center(bounds.left, RectWidth(bounds), w);
  r = {x, r.top, Saturate(int64_t(x) + w), r.bottom};
  return r;
}

Rect MarginRect(const Rect& r, const Rect& m) {
  auto misfit = [](int64_t extent, int a, int b) {
    return extent < a || extent < b || extent < int64_t(a) + b;
  };
  auto ratio = [](int64_t extent, int a, int b) {
    int64_t sum = int64_t(a) + b;
    return sum == 0 ? 1.0f : float(extent) / float(sum);
  };
  Rect out = r;
  int64_t w = int64_t(r.right) - r.left, h = int64_t(r.bottom) - r.top;
  if (misfit(w, m.left, m.right)) {
    float q = ratio(w, m.left, m.right);
    out.left = Sat(r.left + Rint(float(m.left) * q));
    out.right = Sat(r.right - Rint(float(m.right) * q));
    out.top = Sat(int64_t(r.top) + m.top);
    out.bottom = Sat(int64_t(r.bottom) - m.bottom);
  } else if (misfit(h, m.top, m.bottom)) {
    float q = ratio(h, m.top, m.bottom);
    out.top = Sat(r.top + Rint(float(m.top) * q));
    out.bottom = Sat(r.bottom - Rint(float(m.bottom) * q));
    out.left = Sat(int64_t(r.left) + m.left);
    out.right = Sat(int64_t(r.right) - m.right);
  } else {
    out = {Sat(int64_t(r.left) + m.left), Sat(int64_t(r.top) + m.top), Sat(int64_t(r.right) - m.right),
           Sat(int64_t(r.bottom) - m.bottom)};
  }
  return out;
}

std::string RectToString(const Rect& r) {
  return "(" + std::to_string(r.left) + "," + std::to_string(r.top) + "," + std::to_string(r.right) + "," +
         std::to_string(r.bottom) + ")";
}

Rect StringToRect(const std::string& text) {
  std::string rest = text;
  int v[4];
  for (int& x : v)
    if (!ReadInt(GetToken(rest), x)) return {};
  return {v[0], v[1], v[2], v[3]};
}

}  // namespace z5t8::skin::render
