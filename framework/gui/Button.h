#pragma once

#include "framework/gui/CustomControl.h"
#include "framework/gui/Form.h"

namespace z5t8::framework {

// A classic push button: clicks on release inside it, on Space, on Enter when
// it is the default (or focused) button, on Escape when it is the cancel button,
// and on its accelerator character; a click hands its ModalResult to the form.
class TButton : public TCustomControl {
  Z5T8_CLASS(TButton, TCustomControl)
public:
  explicit TButton(TComponent* owner);
  bool Default() const { return FDefault; }
  void SetDefault(bool value);
  bool Cancel() const { return FCancel; }
  void SetCancel(bool value) { FCancel = value; }
  TModalResult ModalResult() const { return FModalResult; }
  void SetModalResult(TModalResult value) { FModalResult = value; }
  bool Pressed() const { return FPressed; }
  void Click() override;

protected:
  void CreateParams(TCreateParams& params) override;
  void Paint() override;
  void MouseDown(TMouseButton button, TShiftState shift, int x, int y) override;
  void MouseMove(TShiftState shift, int x, int y) override;
  void MouseUp(TMouseButton button, TShiftState shift, int x, int y) override;
  void KeyDown(uint16_t& key, TShiftState shift) override;
  void KeyUp(uint16_t& key, TShiftState shift) override;
  void WMGetDlgCode(TMessage& message);
  void CMDialogKey(TMessage& message);
  void CMDialogChar(TMessage& message);
  void CMFocusChanged(TMessage& message);
  void CMEnterExit(TMessage& message);
  void CMTextChanged(TMessage& message);

private:
  void SetPressed(bool value);
  bool FDefault = false;
  bool FCancel = false;
  bool FActive = false;
  bool FPressed = false;
  bool FTracking = false;
  bool FSpaceDown = false;
  TModalResult FModalResult = mrNone;
};

// The character after a single "&" in a caption, upper-cased; 0 when none.
char16_t AcceleratorOf(std::u16string_view caption);

}  // namespace z5t8::framework
