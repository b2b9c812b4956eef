#include "framework/gui/ProgressBar.h"

#include <algorithm>

#include "framework/Properties.h"
#include "framework/gui/Edges.h"

namespace z5t8::framework {

namespace {
const std::string_view OrientationNames[] = {"pbHorizontal", "pbVertical"};
const TEnumInfo OrientationInfo{"TProgressBarOrientation", OrientationNames};
}  // namespace

Z5T8_IMPLEMENT_CLASS(TProgressBar, TCustomControl) {
  p.Integer("Min", &TProgressBar::Min, &TProgressBar::SetMin).Default(0);
  p.Integer("Max", &TProgressBar::Max, &TProgressBar::SetMax).Default(100);
  p.Integer("Position", &TProgressBar::Position, &TProgressBar::SetPosition).Default(0);
  p.Integer("Step", &TProgressBar::Step, &TProgressBar::SetStep).Default(10);
  p.Boolean("Smooth", &TProgressBar::Smooth, &TProgressBar::SetSmooth).Default(0);
  p.Enum("Orientation", OrientationInfo, &TProgressBar::Orientation, &TProgressBar::SetOrientation)
      .Default(pbHorizontal);
}

TProgressBar::TProgressBar(TComponent* owner) : TCustomControl(owner) {
  ControlStyle() = {csOpaque};
  SetBounds(0, 0, 150, 16);
  SetParentColor(false);
  SetColor(clBtnFace);
}

void TProgressBar::SetRange(int min, int max) {
  if (max < min) max = min;
  if (min == FMin && max == FMax) return;
  FMin = min;
  FMax = max;
  FPosition = std::clamp(FPosition, FMin, FMax);
  Invalidate();
}

void TProgressBar::SetPosition(int value) {
  value = std::clamp(value, FMin, FMax);
  if (value == FPosition) return;
  FPosition = value;
  Invalidate();
}

void TProgressBar::SetSmooth(bool value) {
  if (value == FSmooth) return;
  FSmooth = value;
  Invalidate();
}

void TProgressBar::SetOrientation(TProgressBarOrientation value) {
  if (value == FOrientation) return;
  FOrientation = value;
  Invalidate();
}

void TProgressBar::StepIt() {
  int next = FPosition + FStep;
  if (FMax > FMin && next > FMax)
    next = FMin + (next - FMin) % (FMax - FMin);
  else if (FMax > FMin && next < FMin)
    next = FMax - (FMin - next) % (FMax - FMin);
  SetPosition(next);
}

std::vector<TRect> TProgressBar::Blocks() const {
  std::vector<TRect> blocks;
  TRect inner = ClientRect().inflate(-1, -1);
  bool vertical = FOrientation == pbVertical;
  int length = vertical ? inner.height() : inner.width();
  int thickness = vertical ? inner.width() : inner.height();
  if (length <= 0 || thickness <= 0 || FMax <= FMin) return blocks;
  int filled = static_cast<int>(static_cast<int64_t>(FPosition - FMin) * length / (FMax - FMin));
  if (filled <= 0) return blocks;
  auto piece = [&](int from, int to) {
    return vertical ? Rect(inner.left, inner.bottom - to, inner.right, inner.bottom - from)
                    : Rect(inner.left + from, inner.top, inner.left + to, inner.bottom);
  };
  if (FSmooth) {
    blocks.push_back(piece(0, filled));
    return blocks;
  }
  int block = std::max(1, thickness * 2 / 3);
  const int gap = 2;
  for (int at = 0; at < filled; at += block + gap) blocks.push_back(piece(at, std::min(at + block, length)));
  return blocks;
}

void TProgressBar::Paint() {
  pg::DeviceContext* dc = Canvas()->Handle();
  if (!dc) return;
  TRect r = ClientRect();
  DrawEdgeRing(*dc, r, ColorToRGB(clBtnShadow), ColorToRGB(clBtnHighlight));
  dc->fillRect(r.inflate(-1, -1), pg::Brush::solid(ColorToRGB(Color())));
  pg::Brush bar = pg::Brush::solid(ColorToRGB(clHighlight));
  for (const TRect& b : Blocks()) dc->fillRect(b, bar);
}

}  // namespace z5t8::framework
