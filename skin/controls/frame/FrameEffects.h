#pragma once

#include <memory>
#include <optional>

#include "framework/gui/Control.h"
#include "platform/gui/Region.h"
#include "platform/gui/WindowTypes.h"
#include "skin/render/Bitmap.h"

namespace z5t8::skin::controls {

namespace fw = framework;
namespace pg = platform::gui;
using fw::TRect;

// The grey of a frame's drop shadow at its darkest (alpha, then red, green, blue).
constexpr uint32_t ShadowColor = 0x803F3F3F;

// A frame's drop shadow and translucent bands. Windows here have no
// per-pixel transparency, so both are painted into the window's own pixels
// over a copy of what the screen shows under the window.
class TTeFrameEffects {
public:
  // Copies the screen under `target` (screen coordinates), where the window
  // is about to be. `current` is where the window is now, when it shows: the
  // part of the copy it covers, if the screen had to be read with the window
  // on it, comes from the copy taken before.
  void TakeBackground(const TRect& target, pg::HWND window, const std::optional<TRect>& current);
  const render::TteBitmap& Background() const { return FBackground; }
  // Where the copy was taken (screen coordinates); empty before the first.
  TRect BackgroundRect() const { return FBackgroundRect; }

  // The frame's own shape (window coordinates), without its shadow; none
  // means the whole frame rectangle.
  void SetFrameRegion(std::optional<pg::Region> region) { FFrameRegion = std::move(region); }
  const std::optional<pg::Region>& FrameRegion() const { return FFrameRegion; }

  // The shadow below and right of a frame of that size, `size` pixels deep,
  // over the background, on the pixels of `buffer` the frame does not cover.
  void PaintShadow(render::TteBitmap& buffer, int frameWidth, int frameHeight, int size) const;
  // The frame's bands around `client` (window coordinates) at `alpha` over
  // the background.
  void BlendBands(render::TteBitmap& buffer, int frameWidth, int frameHeight, const TRect& client,
                  int alpha) const;

  // The darkness of the shadow `distance` pixels in from its outer edge, for
  // a shadow `size` pixels deep: three lighter steps towards the edge.
  static uint8_t ShadowAlpha(int distance, int size);

private:
  pg::Region FrameArea(int frameWidth, int frameHeight) const;
  render::TteBitmap FBackground;
  TRect FBackgroundRect{};
  std::optional<pg::Region> FFrameRegion;
};

}  // namespace z5t8::skin::controls
