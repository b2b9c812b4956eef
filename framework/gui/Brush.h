#pragma once

#include <functional>
#include <memory>

#include "framework/gui/ColorMap.h"
#include "platform/gui/Brush.h"

namespace z5t8::framework {

class TBitmap;

enum TBrushStyle {
  bsSolid,
  bsClear,
  bsHorizontal,
  bsVertical,
  bsFDiagonal,
  bsBDiagonal,
  bsCross,
  bsDiagCross
};

// The canvas's fill settings. A brush bitmap (the top-left 8 by 8 pixels)
// replaces the style, as the halftone fills need.
class TBrush {
public:
  TColor Color() const { return FColor; }
  void SetColor(TColor value);
  TBrushStyle Style() const { return FStyle; }
  void SetStyle(TBrushStyle value);
  // Not owned; none clears it.
  TBitmap* Bitmap() const { return FBitmap; }
  void SetBitmap(TBitmap* value);
  void Assign(const TBrush& source);

  platform::gui::Brush Realize() const;

  std::function<void()> OnChange;

private:
  void Changed();

  TColor FColor = clWhite;
  TBrushStyle FStyle = bsSolid;
  TBitmap* FBitmap = nullptr;
};

}  // namespace z5t8::framework
