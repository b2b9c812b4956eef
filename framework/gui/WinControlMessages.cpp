#include "framework/gui/WinControl.h"

#include <algorithm>

#include "framework/Properties.h"
#include "framework/TextUtils.h"
#include "framework/gui/Application.h"
#include "framework/gui/EditControl.h"
#include "framework/gui/Form.h"
#include "platform/gui/DefWindowProc.h"
#include "platform/gui/Input.h"
#include "platform/gui/MessageQueue.h"
#include "platform/gui/Paint.h"
#include "platform/gui/VirtualKeys.h"

namespace z5t8::framework {

namespace {

// A child window's notification goes back to that child as its CN_ message,
// so that the control that sent it handles it itself.
bool ReflectToChild(TWinControl* self, TMessage& message, uint32_t notification) {
  TWinControl* child = TWinControl::FindControl(reinterpret_cast<pg::HWND>(message.LParam));
  if (!child || child == self) return false;
  message.Result = child->Perform(notification, message.WParam, message.LParam);
  return true;
}

}  // namespace

void TWinControl::WMSize(TMessage& message) {
  UpdateBounds();
  DefaultHandler(message);
  Realign();
}

void TWinControl::WMMove(TMessage& message) {
  UpdateBounds();
  DefaultHandler(message);
}

void TWinControl::WMCommand(TMessage& message) {
  if (!ReflectToChild(this, message, CN_COMMAND)) DefaultHandler(message);
}

void TWinControl::WMScroll(TMessage& message) {
  if (!ReflectToChild(this, message, CN_BASE + message.Msg)) DefaultHandler(message);
}

void TWinControl::WMCtlColor(TMessage& message) {
  if (!ReflectToChild(this, message, CN_BASE + message.Msg)) DefaultHandler(message);
}

void TWinControl::CNCtlColor(TMessage& message) {
  auto* dc = reinterpret_cast<pg::DeviceContext*>(message.WParam);
  if (dc) {
    dc->setTextColor(ColorToRGB(Font()->Color()));
    dc->setBkColor(ColorToRGB(FBrush.Color()));
  }
  message.Result = reinterpret_cast<intptr_t>(&FBrushValue);
}

void TWinControl::WMMouseLeave(TMessage& message) {
  Application()->MouseLeft(this);
  DefaultHandler(message);
}

void TWinControl::CMEnabledChanged(TMessage& message) {
  if (!Enabled() && Parent() && Focused()) {
    if (TCustomForm* form = GetParentForm(this)) form->SelectNext(this, true, true);
  }
  if (FHandle) pg::EnableWindow(FHandle, Enabled());
  TControl::CMEnabledChanged(message);
}

void TWinControl::CMVisibleChanged(TMessage& message) {
  UpdateShowing();
  if (Parent() && Align() != alNone) Parent()->Realign();
  message.Result = 0;
}

void TWinControl::CMShowingChanged(TMessage&) {
  for (TWinControl* child : FTabList) child->UpdateShowing();
}

void TWinControl::CMColorChanged(TMessage& message) {
  FBrush.SetColor(Color());
  TControl::CMColorChanged(message);
  for (TControl* c : std::vector<TControl*>(FControls)) c->Perform(CM_PARENTCOLORCHANGED, 0, 0);
}

void TWinControl::FontChanged() {
  ApplyFontToWindow();
  TControl::FontChanged();
}

void TWinControl::CMFontChanged(TMessage& message) {
  TControl::CMFontChanged(message);
  for (TControl* c : std::vector<TControl*>(FControls)) c->Perform(CM_PARENTFONTCHANGED, 0, 0);
}

void TWinControl::WndProc(TMessage& message) {
  switch (message.Msg) {
    case pg::WM_CANCELMODE:
    case pg::WM_CAPTURECHANGED: {
      // The platform ends a capture the framework still counts on (a modal box,
      // another window taking the mouse): a windowless control that holds it
      // through this window hears of it too, and the framework forgets it.
      TControl* capture = Application()->CaptureControl();
      bool held =
          capture && (capture == this || (capture->Parent() == this && !dynamic_cast<TWinControl*>(capture)));
      if (held && capture != this) {
        TMessage m{message.Msg, message.WParam, message.LParam, 0};
        capture->WindowProc(m);
      }
      TControl::WndProc(message);
      if (message.Msg == pg::WM_CAPTURECHANGED && held && Application()->CaptureControl() == capture)
        Application()->ForgetCaptureControl();
      return;
    }
    case pg::WM_MOUSEMOVE:
    case pg::WM_LBUTTONDOWN:
    case pg::WM_LBUTTONUP:
    case pg::WM_LBUTTONDBLCLK:
    case pg::WM_RBUTTONDOWN:
    case pg::WM_RBUTTONUP:
    case pg::WM_RBUTTONDBLCLK:
    case pg::WM_MBUTTONDOWN:
    case pg::WM_MBUTTONUP:
    case pg::WM_MBUTTONDBLCLK:
      if (IsControlMouseMsg(message)) return;
      if (message.Msg == pg::WM_MOUSEMOVE) TrackMouse(this);
      break;
    default:
      break;
  }
  TControl::WndProc(message);
}

bool TWinControl::IsControlMouseMsg(TMessage& message) {
  TPoint p = pg::lParamToPoint(message.LParam);
  TControl* target = nullptr;
  TControl* capture = Application()->CaptureControl();
  if (capture && capture->Parent() == this && !dynamic_cast<TWinControl*>(capture))
    target = capture;
  else if (!capture || capture == this)
    target = ControlAtPos(p, false);
  if (!target) return false;
  if (message.Msg == pg::WM_MOUSEMOVE) TrackMouse(target);
  TMessage m{message.Msg, message.WParam, pg::MAKELPARAM(p.x - target->Left(), p.y - target->Top()), 0};
  target->WindowProc(m);
  message.Result = m.Result;
  return true;
}

void TWinControl::TrackMouse(TControl* target) {
  if (Application()->MouseEntered(target) && FHandle) {
    pg::TRACKMOUSEEVENT tme;
    tme.dwFlags = pg::TME_LEAVE;
    tme.hwndTrack = FHandle;
    pg::TrackMouseEvent(&tme);
  }
}

}  // namespace z5t8::framework
