#include "framework/gui/Button.h"

#include "framework/Properties.h"
#include "framework/gui/Edges.h"
#include "framework/gui/EditControl.h"
#include "platform/gui/VirtualKeys.h"

namespace z5t8::framework {

char16_t AcceleratorOf(std::u16string_view caption) {
  for (size_t i = 0; i + 1 < caption.size(); ++i) {
    if (caption[i] != u'&') continue;
    if (caption[i + 1] == u'&') {
      ++i;
      continue;
    }
    char16_t c = caption[i + 1];
    return (c >= u'a' && c <= u'z') ? char16_t(c - 32) : c;
  }
  return 0;
}

Z5T8_IMPLEMENT_CLASS(TButton, TCustomControl) {
  p.Boolean("Default", &TButton::Default, &TButton::SetDefault).Default(0);
  p.Boolean("Cancel", &TButton::Cancel, &TButton::SetCancel).Default(0);
  p.Integer("ModalResult", &TButton::ModalResult, &TButton::SetModalResult).Default(0);
  p.Message(pg::WM_GETDLGCODE, &TButton::WMGetDlgCode);
  p.Message(CM_DIALOGKEY, &TButton::CMDialogKey);
  p.Message(CM_DIALOGCHAR, &TButton::CMDialogChar);
  p.Message(CM_FOCUSCHANGED, &TButton::CMFocusChanged);
  p.Message(CM_ENTER, &TButton::CMEnterExit);
  p.Message(CM_EXIT, &TButton::CMEnterExit);
  p.Message(CM_TEXTCHANGED, &TButton::CMTextChanged);
}

TButton::TButton(TComponent* owner) : TCustomControl(owner) {
  ControlStyle() = {csSetCaption, csDoubleClicks, csOpaque};
  SetTabStop(true);
  SetBounds(0, 0, 75, 25);
  SetParentColor(false);
  SetColor(clBtnFace);
}

void TButton::CreateParams(TCreateParams& params) {
  TCustomControl::CreateParams(params);
  params.ClassStyle &= ~pg::CS_DBLCLKS;
}

void TButton::SetDefault(bool value) {
  FDefault = value;
  FActive = value;
  Invalidate();
}

void TButton::Click() {
  if (TCustomForm* form = GetParentForm(this); form && FModalResult != mrNone)
    form->SetModalResult(FModalResult);
  TCustomControl::Click();
}

void TButton::SetPressed(bool value) {
  if (value == FPressed) return;
  FPressed = value;
  Invalidate();
}

void TButton::Paint() {
  pg::DeviceContext* dc = Canvas()->Handle();
  if (!dc) return;
  TRect r = ClientRect();
  bool focused = Focused();
  if (focused || FActive) {
    dc->frameRect(r, pg::Brush::solid(0));
    r = r.inflate(-1, -1);
  }
  dc->fillRect(r, pg::Brush::solid(ColorToRGB(Color())));
  if (FPressed) {
    DrawEdgeRing(*dc, r, ColorToRGB(clBtnShadow), ColorToRGB(clBtnShadow));
  } else {
    DrawEdgeRing(*dc, r, ColorToRGB(clBtnHighlight), ColorToRGB(cl3DDkShadow));
    DrawEdgeRing(*dc, r.inflate(-1, -1), ColorToRGB(Color()), ColorToRGB(clBtnShadow));
  }
  TRect text = ClientRect();
  if (FPressed) text = text.offset(1, 1);
  Canvas()->Brush()->SetStyle(bsClear);
  if (!Enabled()) Canvas()->Font()->SetColor(clGrayText);
  Canvas()->DrawText(GetText(), text, pg::DT_CENTER | pg::DT_VCENTER | pg::DT_SINGLELINE);
  if (focused) dc->drawFocusRect(ClientRect().inflate(-4, -4));
}

void TButton::MouseDown(TMouseButton button, TShiftState shift, int x, int y) {
  TCustomControl::MouseDown(button, shift, x, y);
  if (button != mbLeft || !Enabled()) return;
  if (CanFocus()) SetFocus();
  FTracking = true;
  SetMouseCapture(true);
  SetPressed(true);
}

void TButton::MouseMove(TShiftState shift, int x, int y) {
  TCustomControl::MouseMove(shift, x, y);
  if (FTracking) SetPressed(ClientRect().contains({x, y}));
}

void TButton::MouseUp(TMouseButton button, TShiftState shift, int x, int y) {
  TCustomControl::MouseUp(button, shift, x, y);
  if (!FTracking || button != mbLeft) return;
  FTracking = false;
  SetMouseCapture(false);
  SetPressed(false);
  if (ClientRect().contains({x, y})) Click();
}

void TButton::KeyDown(uint16_t& key, TShiftState shift) {
  TCustomControl::KeyDown(key, shift);
  if (key == pg::VK_SPACE && !shift.Contains(ssAlt)) {
    FSpaceDown = true;
    SetPressed(true);
  }
}

void TButton::KeyUp(uint16_t& key, TShiftState shift) {
  TCustomControl::KeyUp(key, shift);
  if (key == pg::VK_SPACE && FSpaceDown) {
    FSpaceDown = false;
    SetPressed(false);
    key = 0;
    Click();
  }
}

void TButton::WMGetDlgCode(TMessage& message) {
  message.Result = FActive ? DLGC_DEFPUSHBUTTON : DLGC_UNDEFPUSHBUTTON;
  message.Result |= DLGC_BUTTON;
}

void TButton::CMDialogKey(TMessage& message) {
  bool enter = message.WParam == pg::VK_RETURN && (FActive || Focused());
  bool escape = message.WParam == pg::VK_ESCAPE && FCancel;
  if ((enter || escape) && KeyboardShiftState().Empty() && CanFocus()) {
    Click();
    message.Result = 1;
    return;
  }
  TCustomControl::CMDialogKey(message);
}

void TButton::CMDialogChar(TMessage& message) {
  char16_t c = static_cast<char16_t>(message.WParam);
  if (c >= u'a' && c <= u'z') c = char16_t(c - 32);
  char16_t accel = AcceleratorOf(GetText());
  if (accel && c == accel && CanFocus()) {
    SetFocus();
    Click();
    message.Result = 1;
    return;
  }
  TCustomControl::CMDialogChar(message);
}

void TButton::CMFocusChanged(TMessage& message) {
  auto* focused = reinterpret_cast<TWinControl*>(message.LParam);
  bool active = dynamic_cast<TButton*>(focused) ? focused == this : FDefault;
  if (active != FActive) {
    FActive = active;
    Invalidate();
  }
  TCustomControl::CMFocusChanged(message);
}

void TButton::CMEnterExit(TMessage& message) {
  Invalidate();
  if (message.Msg == CM_ENTER)
    TCustomControl::CMEnter(message);
  else
    TCustomControl::CMExit(message);
}

void TButton::CMTextChanged(TMessage&) { Invalidate(); }

}  // namespace z5t8::framework
