// A button under the mouse and the keyboard: pressing, hover, capture,
// the space and enter keys, and its default and cancel roles in the form.

#include "skin/controls/Button.h"

#include "framework/gui/Button.h"
#include "platform/gui/VirtualKeys.h"

namespace z5t8::skin::controls {

using namespace framework;
using namespace theme;
namespace pg = platform::gui;

void TTeButton::Click() {
  if (TCustomForm* form = GetParentForm(this)) {
    if (FKind == bkClose) {
      form->Close();
    } else {
      form->SetModalResult(FModalResult);
    }
  }
  TTeControl::Click();
}

void TTeButton::MouseDown(TMouseButton button, TShiftState shift, int x, int y) {
  TTeControl::MouseDown(button, shift, x, y);
  if (button != mbLeft || !Enabled()) return;
  if (!InState(csDesigning) && CanFocus()) SetFocus();
  FPressed = true;
  Invalidate();
  FMouseTracking = true;
}

void TTeButton::MouseMove(TShiftState shift, int x, int y) {
  TTeControl::MouseMove(shift, x, y);
  if (!FMouseTracking) return;
  TRect client = GetClientRect();
  bool pressed = x >= 0 && x < client.width() && y >= 0 && y < client.height();
  if (pressed == FPressed) return;
  FPressed = pressed;
  Invalidate();
}

void TTeButton::MouseUp(TMouseButton button, TShiftState shift, int x, int y) {
  TTeControl::MouseUp(button, shift, x, y);
  if (!FMouseTracking) return;
  FMouseTracking = false;
  FPressed = false;
  // The click may free the button.
  std::shared_ptr<bool> alive = FAlive;
  if (Rect(0, 0, Width(), Height()).contains({x, y})) Click();
  if (*alive) Invalidate();
}

void TTeButton::CancelPress() {
  if (!FMouseTracking && !FPressed) return;
  FMouseTracking = false;
  FPressed = false;
  Invalidate();
}

void TTeButton::WMCancelMode(TMessage& message) {
  CancelPress();
  InheritedMessage(StaticClass(), message);
}

// The framework lets go of the capture itself before a release reaches
// MouseUp; only a capture it still counts on was taken away.
void TTeButton::WMCaptureChanged(TMessage& message) {
  if (MouseCapture()) CancelPress();
  InheritedMessage(StaticClass(), message);
}

void TTeButton::MouseEnter() {
  TTeControl::MouseEnter();
  Invalidate();
}

void TTeButton::MouseLeave() {
  TTeControl::MouseLeave();
  Invalidate();
}

void TTeButton::KeyDown(uint16_t& key, TShiftState shift) {
  TTeControl::KeyDown(key, shift);
  if (key == pg::VK_SPACE && !shift.Contains(ssAlt)) {
    FPressed = true;
    Invalidate();
  }
}

void TTeButton::KeyUp(uint16_t& key, TShiftState shift) {
  TTeControl::KeyUp(key, shift);
  if (key != pg::VK_SPACE) return;
  FPressed = false;
  Invalidate();
  Click();
  key = 0;
}

void TTeButton::CMDialogKey(TMessage& message) {
  bool enter = message.WParam == pg::VK_RETURN && (FActiveDefault || FFocused);
  bool escape = message.WParam == pg::VK_ESCAPE && FCancel;
  TShiftState shift = KeyboardShiftState();
  bool plain = !shift.Contains(ssShift) && !shift.Contains(ssCtrl) && !shift.Contains(ssAlt);
  if ((enter || escape) && plain && CanFocus()) {
    Click();
    message.Result = 1;
    return;
  }
  InheritedMessage(StaticClass(), message);
}

void TTeButton::CMDialogChar(TMessage& message) {
  char16_t c = static_cast<char16_t>(message.WParam);
  if (c >= u'a' && c <= u'z') c = char16_t(c - 32);
  char16_t accel = AcceleratorOf(FCaption);
  if (accel && c == accel && CanFocus()) {
    SetFocus();
    Click();
    message.Result = 1;
    return;
  }
  InheritedMessage(StaticClass(), message);
}

void TTeButton::CMFocusChanged(TMessage& message) {
  auto* focused = reinterpret_cast<TWinControl*>(message.LParam);
  bool active = (dynamic_cast<TTeButton*>(focused) || dynamic_cast<TButton*>(focused)) ? false : FDefault;
  if (active != FActiveDefault) {
    FActiveDefault = active;
    Invalidate();
  }
  InheritedMessage(StaticClass(), message);
}

void TTeButton::CMEnabledChanged(TMessage& message) {
  InheritedMessage(StaticClass(), message);
  Invalidate();
}

void TTeButton::CMTextChanged(TMessage&) { FCaption = GetText(); }

}  // namespace z5t8::skin::controls
