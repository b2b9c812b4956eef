#include "skin/render/Bitmap.h"

#include <algorithm>
#include <bit>
#include <cstdlib>
#include <new>
#include <unordered_map>
#include <utility>
#include <vector>

#include "framework/Properties.h"
#include "framework/MemoryStream.h"
#include "framework/Resources.h"
#include "framework/gui/Bitmap.h"
#include "framework/gui/Canvas.h"
#include "framework/gui/Picture.h"
#include "skin/render/BitmapLink.h"
#include "skin/render/BlitRoutines.h"
#include "skin/render/Cpu.h"
#include "skin/render/PixelRoutines.h"
#include "skin/render/StreamStrings.h"
#include "skin/render/SystemQueries.h"

namespace z5t8::skin::render {

static_assert(std::endian::native == std::endian::little,
              "the stored pixel bytes are the in-memory pixel bytes");

namespace {

using platform::gui::intersectRect;

// Every bitmap with pixels, by its device context. Hashed, so that making and freeing the
// thousands of pictures of a large skin stays linear. Never destroyed, so bitmaps that
// outlive static destruction can still leave it.
std::unordered_map<const DeviceContext*, TteBitmap*>& LiveBitmaps() {
  static auto* live = new std::unordered_map<const DeviceContext*, TteBitmap*>;
  return *live;
}

void Forget(TteBitmap* b) {
  if (b->DC()) LiveBitmaps().erase(b->DC());
}

Rect At(int x, int y, int w, int h) { return {x, y, Saturate(int64_t(x) + w), Saturate(int64_t(y) + h)}; }

Rect ToDevice(const DeviceContext& dc, const Rect& r) {
  Point a = dc.lpToDp({r.left, r.top});
  return At(a.x, a.y, RectWidth(r), RectHeight(r));
}

// What of a device context can be drawn, in device coordinates.
Rect DeviceClip(const DeviceContext& dc) { return ToDevice(dc, dc.clipBox()); }

StretchFunc BitmapStretch(const TteBitmap& b) {
  if (b.AlphaBlend) return StretchAlphaBlendFunc;
  if (b.Transparent) return StretchTransparentFunc;
  return StretchOpaqueFunc;
}

StretchFunc DibStretch(const TteBitmap& b) {
  if (b.AlphaBlend) return StretchToDibAlphaBlendFunc;
  if (b.Transparent) return StretchToDibTransparentFunc;
  return StretchToDibOpaqueFunc;
}

StretchToDCFunc DCStretch(const TteBitmap& b) {
  if (b.AlphaBlend) return StretchToDCAlphaBlendFunc;
  if (b.Transparent) return StretchToDCTransparentFunc;
  return StretchToDCOpaqueFunc;
}

bool SourceFits(const TteBitmap& b, const Rect& srcRect) {
  return !b.Empty() && !IsRectEmpty(srcRect) && srcRect.left >= 0 && srcRect.top >= 0 &&
         srcRect.right <= b.Width() && srcRect.bottom <= b.Height();
}

void StretchToDCOpaque(DeviceContext& dc, const Rect& destRect, const TteBitmap& source,
                       const Rect& srcRect) {
  if (!SourceFits(source, srcRect)) return;
  dc.stretchBlt(destRect.left, destRect.top, RectWidth(destRect), RectHeight(destRect), *source.DC(),
                srcRect.left, srcRect.top, RectWidth(srcRect), RectHeight(srcRect), platform::gui::SRCCOPY);
}

// The visible part of the destination is copied out, drawn on, and put back.
void StretchThroughBitmap(DeviceContext& dc, const Rect& destRect, const TteBitmap& source,
                          const Rect& srcRect, StretchFunc stretch) {
  if (!SourceFits(source, srcRect)) return;
  Rect area = intersectRect(destRect, dc.clipBox());
  if (IsRectEmpty(area)) return;
  int w = RectWidth(area), h = RectHeight(area);
  TteBitmap scratch;
  scratch.SetSize(w, h);
  scratch.DC()->bitBlt(0, 0, w, h, dc, area.left, area.top);
  Rect local = destRect.offset(-area.left, -area.top);
  stretch(scratch.View(), local, scratch.BoundsRect(), source.View(), srcRect);
  dc.bitBlt(area.left, area.top, w, h, *scratch.DC(), 0, 0);
}

void StretchToDCAlphaBlend(DeviceContext& dc, const Rect& destRect, const TteBitmap& source,
                           const Rect& srcRect) {
  StretchThroughBitmap(dc, destRect, source, srcRect, StretchAlphaBlendFunc);
}

void StretchToDCTransparent(DeviceContext& dc, const Rect& destRect, const TteBitmap& source,
                            const Rect& srcRect) {
  if (IsMsImg() && ScreenBitsPerPixel() > 23) {
    if (!SourceFits(source, srcRect)) return;
    dc.transparentBlt(destRect.left, destRect.top, RectWidth(destRect), RectHeight(destRect), *source.DC(),
                      srcRect.left, srcRect.top, RectWidth(srcRect), RectHeight(srcRect), teTransparentRgb);
    return;
  }
  StretchThroughBitmap(dc, destRect, source, srcRect, StretchTransparentFunc);
}

// Only a memory context qualifies, as only those select a DIB; and only
// without a clip of its own, so writing its memory cannot reach pixels the
// context would not draw.
bool GetBitsFromDC(const DeviceContext& dc, DibInfo& info) {
  platform::gui::Surface* s = dc.surface();
  if (!s || s->isEmpty() || !dc.isMemoryContext() || dc.clipRgn()) return false;
  info = {reinterpret_cast<teColor*>(s->bits()), s->width(), -s->height(), 32};
  return true;
}

}  // namespace

StretchToDCFunc StretchToDCOpaqueFunc = StretchToDCOpaque;
StretchToDCFunc StretchToDCAlphaBlendFunc = StretchToDCAlphaBlend;
StretchToDCFunc StretchToDCTransparentFunc = StretchToDCTransparent;
bool (*GetBitsFromDCFunc)(const DeviceContext&, DibInfo&) = GetBitsFromDC;

TteBitmap* FindBitmapByDC(const DeviceContext* dc) {
  if (!dc) return nullptr;
  auto it = LiveBitmaps().find(dc);
  return it != LiveBitmaps().end() ? it->second : nullptr;
}

Z5T8_IMPLEMENT_CLASS(TteBitmap, framework::TPersistent) {}

TteBitmap::TteBitmap() = default;

TteBitmap::~TteBitmap() {
  Forget(this);
  if (canvas_) canvas_->SetHandle(nullptr);
}

framework::TCanvas* TteBitmap::GetCanvas() {
  if (!canvas_) {
    canvas_ = std::make_unique<framework::TCanvas>();
    canvas_->SetHandle(dc_.get());
  }
  return canvas_.get();
}

void TteBitmap::SetSize(int width, int height) {
  int64_t w = std::llabs(int64_t(width)), h = std::llabs(int64_t(height));
  if (w == 0 || h == 0 || (w == width_ && h == height_ && !Empty())) return;
  Forget(this);
  if (canvas_) canvas_->SetHandle(nullptr);
  dc_.reset();
  bits_ = nullptr;
  width_ = height_ = 0;
  try {
    surface_.resize(int32_t(w), int32_t(h));
  } catch (const std::bad_alloc&) {
    surface_.resize(0, 0);
    throw ETeBitmapError("Can't allocate the DIB handle");
  }
  dc_ = std::make_unique<DeviceContext>(&surface_);
  bits_ = reinterpret_cast<teColor*>(surface_.bits());
  width_ = int(w);
  height_ = int(h);
  LiveBitmaps()[dc_.get()] = this;
  if (canvas_) canvas_->SetHandle(dc_.get());
}

teColor TteBitmap::GetPixel(int x, int y) const {
  if (!bits_ || x < 0 || y < 0 || x >= width_ || y >= height_) return 0;
  return bits_[ptrdiff_t(y) * width_ + x];
}

void TteBitmap::SetPixel(int x, int y, teColor c) {
  if (!bits_ || x < 0 || y < 0 || x >= width_ || y >= height_) return;
  bits_[ptrdiff_t(y) * width_ + x] = c;
}

void TteBitmap::Clear(teColor c) {
  if (bits_) FillLongwordFunc(bits_, width_ * height_, c);
}

void TteBitmap::SetAlpha(uint8_t alpha) {
  if (bits_) FillAlphaFunc(bits_, width_ * height_, alpha);
}

void TteBitmap::SetAlpha(uint8_t alpha, const Rect& r) {
  Rect c = intersectRect(r, BoundsRect());
  if (!bits_ || IsRectEmpty(c)) return;
  FillAlphaRectFunc(GetPixelPtr(c.left, c.top), width_, RectWidth(c), RectHeight(c), alpha);
}

void TteBitmap::FillRect(const Rect& r, teColor color) {
  Rect c = intersectRect(r, BoundsRect());
  if (!bits_ || IsRectEmpty(c)) return;
  int w = RectWidth(c);
  if (AlphaBlend) {
    std::vector<teColor> line(size_t(w), color);
    for (int y = c.top; y < c.bottom; ++y) LineAlphaBlendFunc(line.data(), GetPixelPtr(c.left, y), w);
    return;
  }
  FillLongwordRectFunc(GetPixelPtr(c.left, c.top), width_, w, RectHeight(c), color);
}

void TteBitmap::LoadFromStream(framework::TStream& stream) {
  Name = ReadString(stream);
  int32_t w = stream.ReadInt32();
  int32_t h = stream.ReadInt32();
  if (w == 0 || h == 0) return;
  int64_t rows = std::llabs(int64_t(h));
  // Nothing writes a negative width, and a size past the surface's cap is corruption; both
  // fail before anything is allocated.
  using platform::gui::Surface;
  if (w < 0 || w > Surface::kMaxSide || rows > Surface::kMaxSide || w * rows > Surface::kMaxPixels)
    throw framework::EReadError(framework::SReadError);
  const size_t total = size_t(w * rows);
  // In memory the pixels go straight into the picture once the stream is known to hold them.
  if (auto* memory = dynamic_cast<framework::TCustomMemoryStream*>(&stream)) {
    if (int64_t(total) * 4 > memory->Remaining()) throw framework::EReadError(framework::SReadError);
    SetSize(w, h);
    stream.ReadBuffer(bits_, int64_t(total) * 4);
    if (h < 0) FlipHorz();
    return;
  }
  // Elsewhere they are gathered as they arrive, so a stream that cannot tell its size (a
  // decompressor) is bounded by what it delivers, not by what the record claims.
  std::vector<teColor> pixels;
  while (pixels.size() < total) {
    size_t at = pixels.size();
    pixels.resize(at + std::min<size_t>(total - at, size_t(1) << 16));
    stream.ReadBuffer(pixels.data() + at, int64_t(pixels.size() - at) * 4);
  }
  SetSize(w, h);
  std::copy_n(pixels.data(), total, bits_);
  if (h < 0) FlipHorz();
}

void TteBitmap::SaveToStream(framework::TStream& stream) const {
  WriteString(stream, Name);
  stream.WriteInt32(width_);
  stream.WriteInt32(height_);
  if (bits_) stream.WriteBuffer(bits_, int64_t(width_) * height_ * 4);
}

void TteBitmap::Assign(const framework::TPersistent* source) {
  if (auto* other = dynamic_cast<const TteBitmap*>(source)) {
    if (other == this || other->Empty()) return;
    SetSize(other->width_, other->height_);
    if (Empty()) return;
    std::copy_n(other->bits_, ptrdiff_t(width_) * height_, bits_);
    Name = other->Name;
    AlphaBlend = other->AlphaBlend;
    Transparent = other->Transparent;
    return;
  }
  auto* picture = dynamic_cast<const framework::TPicture*>(source);
  const framework::TGraphic* graphic =
      picture ? picture->Graphic() : dynamic_cast<const framework::TGraphic*>(source);
  if (!graphic) return inherited::Assign(source);
  // The framework's graphics draw through non-const canvases.
  auto* g = const_cast<framework::TGraphic*>(graphic);
  SetSize(g->Width(), g->Height());
  if (Empty() || Width() != g->Width() || Height() != g->Height()) return;
  if (auto* bitmap = dynamic_cast<framework::TBitmap*>(g)) {
    if (!picture && bitmap->PixelFormat() == framework::pf32bit && bitmap->HandleType() == framework::bmDIB) {
      for (int y = 0; y < height_; ++y)
        std::copy_n(bitmap->ScanLine(y), width_, reinterpret_cast<uint32_t*>(GetScanLine(y)));
      CheckingAlphaBlend();
      return;
    }
    dc_->bitBlt(0, 0, width_, height_, *bitmap->Canvas()->Handle(), 0, 0, platform::gui::SRCCOPY);
  } else {
    DrawGraphic(g, BoundsRect());
  }
  SetAlpha(255);
}

void TteBitmap::DrawGraphic(framework::TGraphic* graphic, const Rect& rect) {
  if (Empty() || !graphic) return;
  framework::TBitmap scratch;
  scratch.SetPixelFormat(framework::pf32bit);
  scratch.SetSize(width_, height_);
  framework::TCanvas* canvas = scratch.Canvas();
  canvas->Brush()->SetStyle(framework::bsSolid);
  canvas->Brush()->SetColor(framework::clFuchsia);
  canvas->Pen()->SetColor(framework::clFuchsia);
  canvas->Rectangle(-1, -1, width_ + 1, height_ + 1);
  canvas->StretchDraw(rect, graphic);
  for (int y = 0; y < height_; ++y) {
    const uint32_t* row = scratch.ScanLine(y);
    for (int x = 0; x < width_; ++x)
      if ((row[x] & 0x00FFFFFFu) != 0x00FF00FFu) SetPixel(x, y, row[x]);
  }
}

void TteBitmap::AssignTo(framework::TPersistent* dest) const {
  if (auto* picture = dynamic_cast<framework::TPicture*>(dest)) return AssignTo(picture->Bitmap());
  if (auto* bitmap = dynamic_cast<framework::TBitmap*>(dest)) {
    bitmap->SetPixelFormat(framework::pf32bit);
    bitmap->SetSize(width_, height_);
    Draw(bitmap->Canvas(), 0, 0);
    return;
  }
  inherited::AssignTo(dest);
}

void TteBitmap::LoadFromResource(const std::string& resourceName) {
  std::span<const uint8_t> data = framework::FindResource(resourceName);
  if (data.empty()) return;
  framework::TCustomMemoryStream stream(data.data(), int64_t(data.size()));
  framework::TBitmap bitmap;
  try {
    bitmap.LoadFromStream(stream);
  } catch (const framework::EInvalidGraphic&) {
    return;
  } catch (const framework::EReadError&) {
    return;  // too short to be a bitmap file
  }
  Assign(&bitmap);
}

void TteBitmap::CheckingAlphaBlend() {
  AlphaBlend = false;
  const teColor* end = bits_ + ptrdiff_t(width_) * height_;
  for (const teColor* p = bits_; p != end; ++p)
    if (p->A() != 0 && p->A() != 255) {
      AlphaBlend = true;
      return;
    }
}

void TteBitmap::CheckingTransparent(teColor key) {
  Transparent = false;
  auto near = [](int a, int b) { return std::abs(a - b) < 6; };
  teColor* end = bits_ + ptrdiff_t(width_) * height_;
  for (teColor* p = bits_; p != end; ++p)
    if (near(p->R(), key.R()) && near(p->G(), key.G()) && near(p->B(), key.B())) {
      *p = teTransparentVar;
      Transparent = true;
    }
}

namespace {

// Skin images hold few distinct colours, so each is converted once per call
// through a small direct-mapped cache.
template <class Fn>
void MapOpaqueColours(teColor* bits, ptrdiff_t count, Fn fn) {
  constexpr size_t kSlots = 4096;
  constexpr uint32_t kUnused = 0xFFFFFFFFu;
  std::vector<uint32_t> keys(kSlots, kUnused), values(kSlots);
  for (teColor *p = bits, *end = bits + count; p != end; ++p) {
    if (p->A() == 0) continue;
    uint32_t rgb = p->Rgb();
    size_t slot = (rgb * 2654435761u) >> 20;
    if (keys[slot] != rgb) {
      keys[slot] = rgb;
      values[slot] = fn(teColor(rgb | 0xFF000000u)).Rgb();
    }
    *p = values[slot] | (p->value & 0xFF000000u);
  }
}

}  // namespace

void TteBitmap::ChangeBitmapBrightness(int delta) {
  if (delta != 0)
    MapOpaqueColours(bits_, ptrdiff_t(width_) * height_,
                     [delta](teColor c) { return ChangeBrightness(c, delta); });
}

void TteBitmap::ChangeBitmapHue(int delta) {
  if (delta != 0)
    MapOpaqueColours(bits_, ptrdiff_t(width_) * height_, [delta](teColor c) { return ChangeHue(c, delta); });
}

void TteBitmap::ChangeBitmapSat(int delta) {
  if (delta != 0)
    MapOpaqueColours(bits_, ptrdiff_t(width_) * height_, [delta](teColor c) { return ChangeSat(c, delta); });
}

void TteBitmap::SetBitmapHue(int hue) {
  MapOpaqueColours(bits_, ptrdiff_t(width_) * height_, [hue](teColor c) { return SetHue(c, hue); });
}

void TteBitmap::FlipHorz() {
  for (int i = 0, j = height_ - 1; i < j; ++i, --j)
    std::swap_ranges(GetScanLine(i), GetScanLine(i) + width_, GetScanLine(j));
}

void TteBitmap::Draw(DeviceContext& dc, int x, int y) const {
  Draw(dc, At(x, y, width_, height_), BoundsRect());
}

void TteBitmap::Draw(DeviceContext& dc, int x, int y, const Rect& srcRect) const {
  Draw(dc, At(x, y, RectWidth(srcRect), RectHeight(srcRect)), srcRect);
}

void TteBitmap::Draw(DeviceContext& dc, const Rect& destRect) const { Draw(dc, destRect, BoundsRect()); }

void TteBitmap::Draw(DeviceContext& dc, const Rect& destRect, const Rect& srcRect) const {
  if (TteBitmap* target = FindBitmapByDC(&dc)) {
    Rect d = ToDevice(dc, destRect);
    DrawClipped(*target, d, intersectRect(d, DeviceClip(dc)), srcRect);
    return;
  }
  DCStretch (*this)(dc, destRect, *this, srcRect);
}

void TteBitmap::Draw(framework::TCanvas* canvas, int x, int y) const {
  if (canvas && canvas->Handle()) Draw(*canvas->Handle(), x, y);
}

void TteBitmap::Draw(framework::TCanvas* canvas, int x, int y, const Rect& srcRect) const {
  if (canvas && canvas->Handle()) Draw(*canvas->Handle(), x, y, srcRect);
}

void TteBitmap::Draw(framework::TCanvas* canvas, const Rect& destRect) const {
  if (canvas && canvas->Handle()) Draw(*canvas->Handle(), destRect);
}

void TteBitmap::Draw(framework::TCanvas* canvas, const Rect& destRect, const Rect& srcRect) const {
  if (canvas && canvas->Handle()) Draw(*canvas->Handle(), destRect, srcRect);
}

void TteBitmap::Tile(framework::TCanvas* canvas, const Rect& destRect, const Rect& srcRect) const {
  if (canvas && canvas->Handle()) Tile(*canvas->Handle(), destRect, srcRect);
}

void TteBitmap::TileClip(framework::TCanvas* canvas, const Rect& destRect, const Rect& srcRect,
                         const Rect& clipRect) const {
  if (canvas && canvas->Handle()) TileClip(*canvas->Handle(), destRect, srcRect, clipRect);
}

void TteBitmap::Draw(TteBitmap& target, int x, int y) const {
  Draw(target, At(x, y, width_, height_), BoundsRect());
}

void TteBitmap::Draw(TteBitmap& target, int x, int y, const Rect& srcRect) const {
  Draw(target, At(x, y, RectWidth(srcRect), RectHeight(srcRect)), srcRect);
}

void TteBitmap::Draw(TteBitmap& target, const Rect& destRect) const { Draw(target, destRect, BoundsRect()); }

void TteBitmap::Draw(TteBitmap& target, const Rect& destRect, const Rect& srcRect) const {
  DrawClipped(target, destRect, destRect, srcRect);
}

void TteBitmap::DrawClipped(TteBitmap& target, const Rect& destRect, const Rect& clipRect,
                            const Rect& srcRect) const {
  if (Empty()) return;
  BitmapStretch (*this)(target.View(), destRect, clipRect, View(), srcRect);
}

// Walks the tiles of destRect that can touch `visible`; tiles wholly outside
// it would draw nothing, and skipping them keeps huge rectangles cheap.
template <class Kind>
void TteBitmap::TileWith(const Rect& destRect, const Rect& srcRect, const Rect& visible, const Rect& clipRect,
                         Kind drawTile) const {
  int64_t w = RectWidth(srcRect), h = RectHeight(srcRect);
  if (w <= 0 || h <= 0) return;
  Rect area = intersectRect(destRect, visible);
  if (IsRectEmpty(area)) return;
  int64_t c0 = (int64_t(area.left) - destRect.left) / w;
  int64_t c1 = (int64_t(area.right) - destRect.left + w - 1) / w;
  int64_t r0 = (int64_t(area.top) - destRect.top) / h;
  int64_t r1 = (int64_t(area.bottom) - destRect.top + h - 1) / h;
  bool clipping = !IsRectEmpty(clipRect);
  for (int64_t c = c0; c < c1; ++c)
    for (int64_t r = r0; r < r1; ++r) {
      Rect tile = intersectRect(
          At(Saturate(destRect.left + c * w), Saturate(destRect.top + r * h), int(w), int(h)), destRect);
      if (IsRectEmpty(tile)) break;
      if (clipping && IsRectEmpty(intersectRect(tile, clipRect))) continue;
      Rect src = At(srcRect.left, srcRect.top, RectWidth(tile), RectHeight(tile));
      drawTile(tile, src);
    }
}

void TteBitmap::Tile(TteBitmap& target, const Rect& destRect, const Rect& srcRect) const {
  TileClip(target, destRect, srcRect, Rect{});
}

void TteBitmap::TileClip(TteBitmap& target, const Rect& destRect, const Rect& srcRect,
                         const Rect& clipRect) const {
  if (Empty()) return;
  StretchFunc stretch = BitmapStretch(*this);
  PixelView to = target.View(), from = View();
  TileWith(destRect, srcRect, target.BoundsRect(), clipRect,
           [&](const Rect& tile, const Rect& src) { stretch(to, tile, tile, from, src); });
}

void TteBitmap::Tile(DeviceContext& dc, const Rect& destRect, const Rect& srcRect) const {
  if (Empty()) return;
  if (TteBitmap* target = FindBitmapByDC(&dc)) {
    Rect d = ToDevice(dc, destRect);
    StretchFunc stretch = BitmapStretch(*this);
    PixelView to = target->View(), from = View();
    TileWith(d, srcRect, DeviceClip(dc), Rect{},
             [&](const Rect& tile, const Rect& src) { stretch(to, tile, tile, from, src); });
    return;
  }
  DibInfo dib;
  if (EnableDibOperation && GetBitsFromDCFunc(dc, dib) && dib.bitsPerPixel == 32) {
    PixelView to = dib.height < 0 ? PixelView::TopDown(dib.bits, dib.width, -dib.height)
                                  : PixelView::BottomUp(dib.bits, dib.width, dib.height);
    Rect d = ToDevice(dc, destRect);
    StretchFunc stretch = DibStretch(*this);
    PixelView from = View();
    TileWith(d, srcRect, to.Bounds(), Rect{},
             [&](const Rect& tile, const Rect& src) { stretch(to, tile, tile, from, src); });
    return;
  }
  TileClip(dc, destRect, srcRect, Rect{});
}

void TteBitmap::TileClip(DeviceContext& dc, const Rect& destRect, const Rect& srcRect,
                         const Rect& clipRect) const {
  if (Empty()) return;
  if (TteBitmap* target = FindBitmapByDC(&dc)) {
    Rect d = ToDevice(dc, destRect);
    Rect clip = IsRectEmpty(clipRect) ? clipRect : ToDevice(dc, clipRect);
    StretchFunc stretch = BitmapStretch(*this);
    PixelView to = target->View(), from = View();
    TileWith(d, srcRect, DeviceClip(dc), clip,
             [&](const Rect& tile, const Rect& src) { stretch(to, tile, tile, from, src); });
    return;
  }
  StretchToDCFunc stretch = DCStretch(*this);
  TileWith(destRect, srcRect, dc.clipBox(), clipRect,
           [&](const Rect& tile, const Rect& src) { stretch(dc, tile, *this, src); });
}

void TteBitmap::MergeDraw(const TteBitmap& source, int x, int y, const Rect& srcRect) {
  if (Empty() || source.Empty()) return;
  Rect r = srcRect;
  int64_t ox = x, oy = y;
  if (r.left < 0) {
    ox += -int64_t(r.left);
    r.left = 0;
  }
  if (r.top < 0) {
    oy += -int64_t(r.top);
    r.top = 0;
  }
  r.right = std::min(r.right, source.Width());
  r.bottom = std::min(r.bottom, source.Height());
  for (int sy = r.top; sy < r.bottom; ++sy) {
    int64_t ty = oy + sy - r.top;
    if (ty < 0 || ty >= height_) continue;
    for (int sx = r.left; sx < r.right; ++sx) {
      int64_t tx = ox + sx - r.left;
      if (tx < 0 || tx >= width_) continue;
      teColor& d = bits_[ptrdiff_t(ty) * width_ + tx];
      teColor s = source.bits_[ptrdiff_t(sy) * source.width_ + sx];
      if (d.A() == 0)
        d = s;
      else if (d.A() < 255)
        d = PixelAlphaBlendFunc(d, s);
    }
  }
  EMMS();
}

std::unique_ptr<TteBitmapLink> TteBitmap::GetBitmapLink(const Rect& rect) {
  auto link = std::make_unique<TteBitmapLink>();
  link->Bitmap = this;
  link->Name = Name;
  link->Left = rect.left;
  link->Top = rect.top;
  link->Right = rect.right;
  link->Bottom = rect.bottom;
  return link;
}

std::unique_ptr<TteBitmapLink> TteBitmap::GetBitmapLink(const std::string& rectText) {
  return GetBitmapLink(StringToRect(rectText));
}

}  // namespace z5t8::skin::render
