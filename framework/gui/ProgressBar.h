#pragma once

#include "framework/gui/CustomControl.h"

namespace z5t8::framework {

enum TProgressBarOrientation { pbHorizontal, pbVertical };

// A progress bar in the classic look: a sunken frame filled from the start
// with blocks in the highlight colour (one solid bar when Smooth).
class TProgressBar : public TCustomControl {
  Z5T8_CLASS(TProgressBar, TCustomControl)
public:
  explicit TProgressBar(TComponent* owner);
  int Min() const { return FMin; }
  int Max() const { return FMax; }
  int Position() const { return FPosition; }
  int Step() const { return FStep; }
  bool Smooth() const { return FSmooth; }
  TProgressBarOrientation Orientation() const { return FOrientation; }
  void SetMin(int value) { SetRange(value, std::max(value, FMax)); }
  void SetMax(int value) { SetRange(std::min(FMin, value), value); }
  void SetRange(int min, int max);
  // Held within Min .. Max.
  void SetPosition(int value);
  void SetStep(int value) { FStep = value; }
  void SetSmooth(bool value);
  void SetOrientation(TProgressBarOrientation value);
  // Moves by Step; past Max it starts again from Min.
  void StepIt();
  // Moves by delta, held within the range.
  void StepBy(int delta) { SetPosition(FPosition + delta); }
  // The filled blocks' rectangles in client coordinates.
  std::vector<TRect> Blocks() const;

protected:
  void Paint() override;

private:
  int FMin = 0;
  int FMax = 100;
  int FPosition = 0;
  int FStep = 10;
  bool FSmooth = false;
  TProgressBarOrientation FOrientation = pbHorizontal;
};

}  // namespace z5t8::framework
