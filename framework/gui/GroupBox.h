#pragma once

#include "framework/gui/CustomControl.h"

namespace z5t8::framework {

// An etched frame with its caption on the top line; it parents the controls inside, which
// align within the frame below the caption.
class TGroupBox : public TCustomControl {
  Z5T8_CLASS(TGroupBox, TCustomControl)

public:
  explicit TGroupBox(TComponent* owner);

protected:
  void Paint() override;
  void AlignControls(TControl* control, TRect& rect) override;
  // The caption's line height in the control's font.
  int CaptionHeight();
  void CMTextChanged(TMessage& message);
  void CMFontChanged(TMessage& message);
};

}  // namespace z5t8::framework
