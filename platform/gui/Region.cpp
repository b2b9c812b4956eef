#include "platform/gui/Region.h"

#include <pixman.h>

#include <new>

namespace z5t8::platform::gui {

static_assert(sizeof(pixman_region32_t) <= 24 && alignof(pixman_region32_t) <= 8);

namespace {

pixman_region32_t* px(void* p) { return static_cast<pixman_region32_t*>(p); }
const pixman_region32_t* px(const void* p) { return static_cast<const pixman_region32_t*>(p); }
pixman_box32_t toBox(const Rect& r) { return {r.left, r.top, r.right, r.bottom}; }

}  // namespace

void* Region::raw() { return storage_; }
const void* Region::raw() const { return storage_; }

Region::Region() { pixman_region32_init(px(raw())); }

Region::Region(const Rect& r) {
  pixman_box32_t b = toBox(r);
  if (r.isEmpty())
    pixman_region32_init(px(raw()));
  else
    pixman_region32_init_with_extents(px(raw()), &b);
}

Region::Region(const Region& other) {
  pixman_region32_init(px(raw()));
  pixman_region32_copy(px(raw()), const_cast<pixman_region32_t*>(px(other.raw())));
}

Region& Region::operator=(const Region& other) {
  if (this != &other) pixman_region32_copy(px(raw()), const_cast<pixman_region32_t*>(px(other.raw())));
  return *this;
}

Region::Region(Region&& other) noexcept {
  pixman_region32_init(px(raw()));
  std::swap(*px(raw()), *px(other.raw()));
}

Region& Region::operator=(Region&& other) noexcept {
  if (this != &other) std::swap(*px(raw()), *px(other.raw()));
  return *this;
}

Region::~Region() { pixman_region32_fini(px(raw())); }

Region Region::fromRects(std::span<const Rect> rects) {
  std::vector<pixman_box32_t> boxes;
  boxes.reserve(rects.size());
  for (const Rect& r : rects)
    if (!r.isEmpty()) boxes.push_back(toBox(r));
  Region result;
  pixman_region32_fini(px(result.raw()));
  if (!pixman_region32_init_rects(px(result.raw()), boxes.data(), int(boxes.size()))) throw std::bad_alloc();
  return result;
}

int Region::combine(const Region& a, const Region& b, int mode) {
  auto* pa = const_cast<pixman_region32_t*>(px(a.raw()));
  auto* pb = const_cast<pixman_region32_t*>(px(b.raw()));
  pixman_region32_t out;
  pixman_region32_init(&out);
  bool ok = true;
  switch (mode) {
    case RGN_AND:
      ok = pixman_region32_intersect(&out, pa, pb);
      break;
    case RGN_OR:
      ok = pixman_region32_union(&out, pa, pb);
      break;
    case RGN_DIFF:
      ok = pixman_region32_subtract(&out, pa, pb);
      break;
    case RGN_COPY:
      ok = pixman_region32_copy(&out, pa);
      break;
    case RGN_XOR: {
      pixman_region32_t ab, ba;
      pixman_region32_init(&ab);
      pixman_region32_init(&ba);
      ok = pixman_region32_subtract(&ab, pa, pb) && pixman_region32_subtract(&ba, pb, pa) &&
           pixman_region32_union(&out, &ab, &ba);
      pixman_region32_fini(&ab);
      pixman_region32_fini(&ba);
      break;
    }
    default:
      pixman_region32_fini(&out);
      return RGN_ERROR;
  }
  if (!ok) {
    pixman_region32_fini(&out);
    throw std::bad_alloc();
  }
  std::swap(*px(raw()), out);
  pixman_region32_fini(&out);
  return complexity();
}

Region Region::combined(const Region& a, const Region& b, int mode) {
  Region r;
  r.combine(a, b, mode);
  return r;
}

void Region::offset(int32_t dx, int32_t dy) { pixman_region32_translate(px(raw()), dx, dy); }

void Region::intersect(const Rect& r) {
  if (r.isEmpty()) {
    pixman_region32_clear(px(raw()));
    return;
  }
  Region other(r);
  pixman_region32_intersect(px(raw()), px(raw()), px(other.raw()));
}

void Region::subtract(const Rect& r) {
  if (r.isEmpty()) return;
  Region other(r);
  pixman_region32_subtract(px(raw()), px(raw()), px(other.raw()));
}

void Region::unite(const Rect& r) {
  if (r.isEmpty()) return;
  Region other(r);
  pixman_region32_union(px(raw()), px(raw()), px(other.raw()));
}

bool Region::isEmpty() const { return !pixman_region32_not_empty(const_cast<pixman_region32_t*>(px(raw()))); }

int Region::complexity() const {
  int n = rectCount();
  return n == 0 ? NULLREGION : n == 1 ? SIMPLEREGION : COMPLEXREGION;
}

bool Region::contains(Point p) const {
  return pixman_region32_contains_point(const_cast<pixman_region32_t*>(px(raw())), p.x, p.y, nullptr);
}

bool Region::intersects(const Rect& r) const {
  if (r.isEmpty()) return false;
  pixman_box32_t b = toBox(r);
  return pixman_region32_contains_rectangle(const_cast<pixman_region32_t*>(px(raw())), &b) !=
         PIXMAN_REGION_OUT;
}

bool Region::containsRect(const Rect& r) const {
  if (r.isEmpty()) return false;
  pixman_box32_t b = toBox(r);
  return pixman_region32_contains_rectangle(const_cast<pixman_region32_t*>(px(raw())), &b) ==
         PIXMAN_REGION_IN;
}

Rect Region::box() const {
  if (isEmpty()) return {};
  const pixman_box32_t* e = pixman_region32_extents(const_cast<pixman_region32_t*>(px(raw())));
  return {e->x1, e->y1, e->x2, e->y2};
}

Region::RectView Region::rectView() const {
  int n = 0;
  const pixman_box32_t* boxes = pixman_region32_rectangles(const_cast<pixman_region32_t*>(px(raw())), &n);
  return {boxes, n};
}

std::vector<Rect> Region::rects() const {
  RectView v = rectView();
  const auto* boxes = static_cast<const pixman_box32_t*>(v.data);
  std::vector<Rect> out;
  out.reserve(size_t(v.count));
  for (int i = 0; i < v.count; ++i) out.push_back({boxes[i].x1, boxes[i].y1, boxes[i].x2, boxes[i].y2});
  return out;
}

int Region::rectCount() const { return rectView().count; }

bool operator==(const Region& a, const Region& b) {
  return pixman_region32_equal(const_cast<pixman_region32_t*>(px(a.raw())),
                               const_cast<pixman_region32_t*>(px(b.raw())));
}

}  // namespace z5t8::platform::gui
