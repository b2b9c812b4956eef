// Region on Windows: the system's own region object. Shapes come from our own
// rasteriser (RegionShapes.cpp), as on every system.
#include "platform/gui/Region.h"

#include <windows.h>

#include <new>
#include <utility>

namespace z5t8::platform::gui {

namespace {

// The region handle and the rectangles last read out of it, which drawing code
// walks without copying; null until the region first holds pixels.
struct GdiRegion {
  HRGN handle = nullptr;
  std::vector<int32_t> boxes;  // left, top, right, bottom per rectangle
  bool boxesFresh = false;

  GdiRegion() : handle(CreateRectRgn(0, 0, 0, 0)) {
    if (!handle) throw std::bad_alloc();
  }
  ~GdiRegion() { DeleteObject(handle); }
};

static_assert(sizeof(GdiRegion*) <= 24);

GdiRegion*& slot(void* p) { return *static_cast<GdiRegion**>(p); }
GdiRegion* slot(const void* p) { return *static_cast<GdiRegion* const*>(p); }

// The region to change, made on first need; every change makes the kept
// rectangles stale.
HRGN changing(void* p) {
  GdiRegion*& r = slot(p);
  if (!r) r = new GdiRegion;
  r->boxesFresh = false;
  return r->handle;
}

HRGN reading(const void* p) {
  GdiRegion* r = slot(p);
  return r ? r->handle : nullptr;
}

// A scratch handle for one operand.
struct TempRgn {
  HRGN handle;
  explicit TempRgn(const Rect& r) : handle(CreateRectRgn(r.left, r.top, r.right, r.bottom)) {
    if (!handle) throw std::bad_alloc();
  }
  TempRgn() : TempRgn(Rect{}) {}
  ~TempRgn() { DeleteObject(handle); }
  TempRgn(const TempRgn&) = delete;
  TempRgn& operator=(const TempRgn&) = delete;
};

const std::vector<int32_t>& boxesOf(const void* p) {
  static const std::vector<int32_t> none;
  GdiRegion* r = slot(p);
  if (!r) return none;
  if (!r->boxesFresh) {
    r->boxes.clear();
    DWORD size = GetRegionData(r->handle, 0, nullptr);
    if (size >= sizeof(RGNDATAHEADER)) {
      std::vector<unsigned char> bytes(size);
      auto* data = reinterpret_cast<RGNDATA*>(bytes.data());
      if (GetRegionData(r->handle, size, data) == size) {
        const auto* rects = reinterpret_cast<const RECT*>(data->Buffer);
        r->boxes.reserve(size_t(data->rdh.nCount) * 4);
        for (DWORD i = 0; i < data->rdh.nCount; ++i)
          r->boxes.insert(r->boxes.end(), {int32_t(rects[i].left), int32_t(rects[i].top),
                                           int32_t(rects[i].right), int32_t(rects[i].bottom)});
      }
    }
    r->boxesFresh = true;
  }
  return r->boxes;
}

}  // namespace

void* Region::raw() { return storage_; }
const void* Region::raw() const { return storage_; }

Region::Region() { slot(raw()) = nullptr; }

Region::Region(const Rect& r) : Region() {
  if (!r.isEmpty()) SetRectRgn(changing(raw()), r.left, r.top, r.right, r.bottom);
}

Region::Region(const Region& other) : Region() { *this = other; }

Region& Region::operator=(const Region& other) {
  if (this == &other) return *this;
  if (HRGN from = reading(other.raw()))
    CombineRgn(changing(raw()), from, nullptr, RGN_COPY);
  else if (slot(raw()))
    SetRectRgn(changing(raw()), 0, 0, 0, 0);
  return *this;
}

Region::Region(Region&& other) noexcept : Region() { std::swap(slot(raw()), slot(other.raw())); }

Region& Region::operator=(Region&& other) noexcept {
  std::swap(slot(raw()), slot(other.raw()));
  return *this;
}

Region::~Region() { delete slot(raw()); }

Region Region::fromRects(std::span<const Rect> rects) {
  Region result;
  std::vector<unsigned char> bytes(sizeof(RGNDATAHEADER) + rects.size() * sizeof(RECT));
  auto* data = reinterpret_cast<RGNDATA*>(bytes.data());
  auto* out = reinterpret_cast<RECT*>(data->Buffer);
  DWORD n = 0;
  Rect bound{};
  for (const Rect& r : rects) {
    if (r.isEmpty()) continue;
    out[n++] = {r.left, r.top, r.right, r.bottom};
    bound = bound.isEmpty() ? r
                            : Rect{std::min(bound.left, r.left), std::min(bound.top, r.top),
                                   std::max(bound.right, r.right), std::max(bound.bottom, r.bottom)};
  }
  if (n == 0) return result;
  data->rdh.dwSize = sizeof(RGNDATAHEADER);
  data->rdh.iType = RDH_RECTANGLES;
  data->rdh.nCount = n;
  data->rdh.nRgnSize = n * sizeof(RECT);
  data->rdh.rcBound = {bound.left, bound.top, bound.right, bound.bottom};
  HRGN made = ExtCreateRegion(nullptr, DWORD(sizeof(RGNDATAHEADER) + n * sizeof(RECT)), data);
  if (!made) throw std::bad_alloc();
  CombineRgn(changing(result.raw()), made, nullptr, RGN_COPY);
  DeleteObject(made);
  return result;
}

int Region::combine(const Region& a, const Region& b, int mode) {
  if (mode < RGN_AND || mode > RGN_COPY) return RGN_ERROR;
  TempRgn emptyA, emptyB;
  HRGN ha = reading(a.raw()), hb = reading(b.raw());
  if (!ha) ha = emptyA.handle;
  if (!hb) hb = emptyB.handle;
  // The operands may be this region itself, so the result is made apart.
  TempRgn out;
  if (CombineRgn(out.handle, ha, hb, mode) == ERROR) throw std::bad_alloc();
  CombineRgn(changing(raw()), out.handle, nullptr, RGN_COPY);
  return complexity();
}

Region Region::combined(const Region& a, const Region& b, int mode) {
  Region r;
  r.combine(a, b, mode);
  return r;
}

void Region::offset(int32_t dx, int32_t dy) {
  if (slot(raw())) OffsetRgn(changing(raw()), dx, dy);
}

void Region::intersect(const Rect& r) {
  if (!slot(raw())) return;
  if (r.isEmpty()) {
    SetRectRgn(changing(raw()), 0, 0, 0, 0);
    return;
  }
  TempRgn other(r);
  HRGN h = changing(raw());
  CombineRgn(h, h, other.handle, RGN_AND);
}

void Region::subtract(const Rect& r) {
  if (r.isEmpty() || !slot(raw())) return;
  TempRgn other(r);
  HRGN h = changing(raw());
  CombineRgn(h, h, other.handle, RGN_DIFF);
}

void Region::unite(const Rect& r) {
  if (r.isEmpty()) return;
  TempRgn other(r);
  HRGN h = changing(raw());
  CombineRgn(h, h, other.handle, RGN_OR);
}

bool Region::isEmpty() const {
  HRGN h = reading(raw());
  RECT b;
  return !h || GetRgnBox(h, &b) == NULLREGION;
}

int Region::complexity() const {
  int n = rectCount();
  return n == 0 ? NULLREGION : n == 1 ? SIMPLEREGION : COMPLEXREGION;
}

bool Region::contains(Point p) const {
  HRGN h = reading(raw());
  return h && PtInRegion(h, p.x, p.y);
}

bool Region::intersects(const Rect& r) const {
  HRGN h = reading(raw());
  if (!h || r.isEmpty()) return false;
  RECT q{r.left, r.top, r.right, r.bottom};
  return RectInRegion(h, &q);
}

bool Region::containsRect(const Rect& r) const {
  HRGN h = reading(raw());
  if (!h || r.isEmpty()) return false;
  TempRgn part(r);
  TempRgn outside;
  return CombineRgn(outside.handle, part.handle, h, RGN_DIFF) == NULLREGION;
}

Rect Region::box() const {
  HRGN h = reading(raw());
  RECT b{};
  if (!h || GetRgnBox(h, &b) == NULLREGION) return {};
  return {b.left, b.top, b.right, b.bottom};
}

Region::RectView Region::rectView() const {
  const std::vector<int32_t>& boxes = boxesOf(raw());
  return {boxes.data(), int(boxes.size() / 4)};
}

std::vector<Rect> Region::rects() const {
  const std::vector<int32_t>& b = boxesOf(raw());
  std::vector<Rect> out;
  out.reserve(b.size() / 4);
  for (size_t i = 0; i + 3 < b.size(); i += 4) out.push_back({b[i], b[i + 1], b[i + 2], b[i + 3]});
  return out;
}

int Region::rectCount() const { return int(boxesOf(raw()).size() / 4); }

bool operator==(const Region& a, const Region& b) {
  HRGN ha = reading(a.raw()), hb = reading(b.raw());
  if (!ha || !hb) return a.isEmpty() && b.isEmpty();
  return EqualRgn(ha, hb);
}

}  // namespace z5t8::platform::gui
