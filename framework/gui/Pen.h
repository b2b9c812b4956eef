#pragma once

#include <functional>

#include "framework/gui/ColorMap.h"
#include "platform/gui/Pen.h"

namespace z5t8::framework {

enum TPenStyle { psSolid, psDash, psDot, psDashDot, psDashDotDot, psClear, psInsideFrame };
enum TPenMode { pmBlack, pmWhite, pmNop, pmNot, pmCopy, pmNotCopy, pmMergePenNot, pmMaskPenNot,
                pmMergeNotPen, pmMaskNotPen, pmMerge, pmNotMerge, pmMask, pmNotMask, pmXor, pmNotXor };

// The canvas's line settings; a change tells the owning canvas.
class TPen {
public:
  TColor Color() const { return color_; }
  void SetColor(TColor value);
  int Width() const { return width_; }
  void SetWidth(int value);
  TPenStyle Style() const { return style_; }
  void SetStyle(TPenStyle value);
  TPenMode Mode() const { return mode_; }
  void SetMode(TPenMode value);
  void Assign(const TPen& source);

  // The platform pen and binary raster operation this pen stands for.
  platform::gui::Pen Realize() const;
  int RasterOp() const;

  std::function<void()> OnChange;

private:
  void Changed();

  TColor color_ = clBlack;
  int width_ = 1;
  TPenStyle style_ = psSolid;
  TPenMode mode_ = pmCopy;
};

}  // namespace z5t8::framework
