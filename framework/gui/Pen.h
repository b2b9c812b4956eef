#pragma once

#include <functional>

#include "framework/gui/ColorMap.h"
#include "platform/gui/Pen.h"

namespace z5t8::framework {

enum TPenStyle { psSolid, psDash, psDot, psDashDot, psDashDotDot, psClear, psInsideFrame };
enum TPenMode {
  pmBlack,
  pmWhite,
  pmNop,
  pmNot,
  pmCopy,
  pmNotCopy,
  pmMergePenNot,
  pmMaskPenNot,
  pmMergeNotPen,
  pmMaskNotPen,
  pmMerge,
  pmNotMerge,
  pmMask,
  pmNotMask,
  pmXor,
  pmNotXor
};

// The canvas's line settings; a change tells the owning canvas.
class TPen {
public:
  TColor Color() const { return FColor; }
  void SetColor(TColor value);
  int Width() const { return FWidth; }
  void SetWidth(int value);
  TPenStyle Style() const { return FStyle; }
  void SetStyle(TPenStyle value);
  TPenMode Mode() const { return FMode; }
  void SetMode(TPenMode value);
  void Assign(const TPen& source);

  // The platform pen and binary raster operation this pen stands for.
  platform::gui::Pen Realize() const;
  int RasterOp() const;

  std::function<void()> OnChange;

private:
  void Changed();

  TColor FColor = clBlack;
  int FWidth = 1;
  TPenStyle FStyle = psSolid;
  TPenMode FMode = pmCopy;
};

}  // namespace z5t8::framework
