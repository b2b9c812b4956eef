#pragma once

#include <memory>
#include <string>

#include "framework/Exceptions.h"
#include "framework/Persistent.h"
#include "framework/Stream.h"
#include "platform/gui/DeviceContext.h"
#include "platform/gui/Surface.h"
#include "skin/render/Color.h"
#include "skin/render/PixelView.h"
#include "skin/render/RectUtils.h"

namespace z5t8::framework {
class TCanvas;
class TGraphic;
}  // namespace z5t8::framework

namespace z5t8::skin::render {

using platform::gui::DeviceContext;

class TteBitmapLink;

// Raised when a bitmap cannot get its pixels.
class ETeBitmapError : public framework::Exception {
public:
  using framework::Exception::Exception;
};

// A 32-bit picture with alpha whose pixels are plain memory (top row first,
// blue, green, red, alpha) and are also selected into a device context of
// its own, so the platform's drawing and direct pixel work share them.
class TteBitmap : public framework::TPersistent {
  Z5T8_CLASS(TteBitmap, framework::TPersistent)

public:
  TteBitmap();
  ~TteBitmap() override;
  TteBitmap(const TteBitmap&) = delete;
  TteBitmap& operator=(const TteBitmap&) = delete;

  std::string Name;
  // Drawing blends by the pixels' alpha.
  bool AlphaBlend = false;
  // Drawing leaves out pixels equal to the key 0x007F007F.
  bool Transparent = false;

  // Negative sizes count as their absolute values; a zero side or the
  // current size changes nothing. The old pixels are not kept.
  void SetSize(int width, int height);
  bool Empty() const { return !dc_; }
  int Width() const { return width_; }
  int Height() const { return height_; }
  Rect BoundsRect() const { return {0, 0, width_, height_}; }
  teColor* Bits() { return bits_; }
  const teColor* Bits() const { return bits_; }
  // Null while empty.
  DeviceContext* DC() const { return dc_.get(); }
  PixelView View() const { return PixelView::TopDown(bits_, width_, height_); }

  // No checks: callers keep inside the bitmap.
  teColor* GetScanLine(int y) { return bits_ + ptrdiff_t(y) * width_; }
  teColor* GetPixelPtr(int x, int y) { return GetScanLine(y) + x; }
  // 0 outside the bitmap or while empty.
  teColor GetPixel(int x, int y) const;
  void SetPixel(int x, int y, teColor c);

  void Clear(teColor c);
  void SetAlpha(uint8_t alpha);
  void SetAlpha(uint8_t alpha, const Rect& r);
  // Blends the colour by its alpha when AlphaBlend is set, else writes it.
  void FillRect(const Rect& r, teColor c);

  // The record: counted name, width, height (below 0: rows bottom first)
  // and the pixels. A zero side stores no pixels and leaves the bitmap as it was;
  // a negative width or a size past the surface's cap raises "Stream read error".
  void LoadFromStream(framework::TStream& stream);
  void SaveToStream(framework::TStream& stream) const;
  // A bitmap file among the program's embedded resources (they stand in for
  // a module's resources here); nothing when there is no bitmap of that name.
  void LoadFromResource(const std::string& resourceName);

  // From another TteBitmap: size, pixels, name and both flags (an empty
  // source changes nothing). From a 32-bit framework bitmap: its pixels with
  // their alpha. From any other bitmap, picture or graphic: its picture,
  // made opaque.
  void Assign(const framework::TPersistent* source) override;
  // The graphic stretched into rect; only what it paints is copied.
  void DrawGraphic(framework::TGraphic* graphic, const Rect& rect);

  // A canvas on the bitmap's device context, made on first use and kept.
  framework::TCanvas* GetCanvas();

  void CheckingAlphaBlend();
  // Pixels within 5 of the key in every channel become 0x007F007F.
  void CheckingTransparent(teColor key);

  // Applied to every pixel that is not fully transparent, keeping its alpha.
  void ChangeBitmapBrightness(int delta);
  void ChangeBitmapHue(int delta);
  void ChangeBitmapSat(int delta);
  void SetBitmapHue(int hue);
  // Reverses the order of the rows.
  void FlipHorz();

  // Onto a device context; one that belongs to a TteBitmap is drawn into
  // directly.
  void Draw(DeviceContext& dc, int x, int y) const;
  void Draw(DeviceContext& dc, int x, int y, const Rect& srcRect) const;
  void Draw(DeviceContext& dc, const Rect& destRect) const;
  void Draw(DeviceContext& dc, const Rect& destRect, const Rect& srcRect) const;
  // Onto another bitmap, clipped to destRect.
  void Draw(TteBitmap& target, int x, int y) const;
  void Draw(TteBitmap& target, int x, int y, const Rect& srcRect) const;
  void Draw(TteBitmap& target, const Rect& destRect) const;
  void Draw(TteBitmap& target, const Rect& destRect, const Rect& srcRect) const;
  void DrawClipped(TteBitmap& target, const Rect& destRect, const Rect& clipRect, const Rect& srcRect) const;
  // Onto a canvas's device context.
  void Draw(framework::TCanvas* canvas, int x, int y) const;
  void Draw(framework::TCanvas* canvas, int x, int y, const Rect& srcRect) const;
  void Draw(framework::TCanvas* canvas, const Rect& destRect) const;
  void Draw(framework::TCanvas* canvas, const Rect& destRect, const Rect& srcRect) const;

  // Fills destRect with copies of srcRect from its top-left; the copies at
  // the right and bottom edges are cut.
  void Tile(DeviceContext& dc, const Rect& destRect, const Rect& srcRect) const;
  void Tile(TteBitmap& target, const Rect& destRect, const Rect& srcRect) const;
  // The same, drawing only the copies that touch a non-empty clipRect.
  void TileClip(DeviceContext& dc, const Rect& destRect, const Rect& srcRect, const Rect& clipRect) const;
  void TileClip(TteBitmap& target, const Rect& destRect, const Rect& srcRect, const Rect& clipRect) const;
  void Tile(framework::TCanvas* canvas, const Rect& destRect, const Rect& srcRect) const;
  void TileClip(framework::TCanvas* canvas, const Rect& destRect, const Rect& srcRect,
                const Rect& clipRect) const;

  // Draws srcRect of source under this bitmap at (x, y).
  void MergeDraw(const TteBitmap& source, int x, int y, const Rect& srcRect);

  // A new link to rect of this bitmap under this bitmap's name.
  std::unique_ptr<TteBitmapLink> GetBitmapLink(const Rect& rect);
  std::unique_ptr<TteBitmapLink> GetBitmapLink(const std::string& rectText);

protected:
  void AssignTo(framework::TPersistent* dest) const override;

private:
  template <class Kind>
  void TileWith(const Rect& destRect, const Rect& srcRect, const Rect& visible, const Rect& clipRect,
                Kind drawTile) const;

  platform::gui::Surface surface_;
  std::unique_ptr<DeviceContext> dc_;
  std::unique_ptr<framework::TCanvas> canvas_;
  teColor* bits_ = nullptr;
  int width_ = 0;
  int height_ = 0;
};

// The live bitmap whose device context this is, or none.
TteBitmap* FindBitmapByDC(const DeviceContext* dc);

// A 32-bit DIB selected in a device context, as the direct-memory drawing
// routines see it; the height is negative for rows stored top first.
struct DibInfo {
  teColor* bits = nullptr;
  int width = 0;
  int height = 0;
  int bitsPerPixel = 0;
};

// The platform's drawing of a bitmap onto a device context.
using StretchToDCFunc = void (*)(DeviceContext& dc, const Rect& destRect, const TteBitmap& source,
                                 const Rect& srcRect);
extern StretchToDCFunc StretchToDCOpaqueFunc;
extern StretchToDCFunc StretchToDCAlphaBlendFunc;
extern StretchToDCFunc StretchToDCTransparentFunc;
// True when the context has a memory DIB whose pixels may be written directly.
extern bool (*GetBitsFromDCFunc)(const DeviceContext& dc, DibInfo& info);

}  // namespace z5t8::skin::render
