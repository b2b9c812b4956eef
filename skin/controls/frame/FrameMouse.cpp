// What the frame does with the mouse: the non-client button and move
// messages, capture and its loss, the windowless controls under the caption,
// and pressing, dragging and releasing over the frame's parts.

#include "skin/controls/frame/DefaultForm.h"

#include "framework/gui/Application.h"
#include "platform/gui/Input.h"
#include "platform/gui/MessageQueue.h"
#include "platform/gui/VirtualKeys.h"
#include "skin/controls/frame/FrameParts.h"

namespace z5t8::skin::controls {

using namespace theme;
using namespace frame;

void TTeDefaultForm::WMNCLButtonDown(fw::TMessage& m) {
  MessageHandled();
  m.Result = 0;
  pg::HWND h = GetHandle();
  if (h && !FFrameActive) pg::SetActiveWindow(h);
  FHeldButtons = {fw::ssLeft};
  TPoint p = ScreenToWindow(pg::lParamToPoint(m.LParam));
  NCMouseDown(fw::mbLeft, {fw::ssLeft}, p.x, p.y);
}

void TTeDefaultForm::WMNCLButtonUp(fw::TMessage& m) {
  MessageHandled();
  m.Result = 0;
  FHeldButtons = {};
  TPoint p = ScreenToWindow(pg::lParamToPoint(m.LParam));
  NCMouseUp(fw::mbLeft, {}, p.x, p.y);
}

void TTeDefaultForm::WMNCLButtonDblClk(fw::TMessage& m) {
  MessageHandled();
  m.Result = 1;
  TPoint p = ScreenToWindow(pg::lParamToPoint(m.LParam));
  std::shared_ptr<bool> alive = FAlive;
  NCMouseDown(fw::mbLeft, {fw::ssLeft, fw::ssDouble}, p.x, p.y);
  NCMouseUp(fw::mbLeft, {fw::ssLeft, fw::ssDouble}, p.x, p.y);
  if (*alive) FHeldButtons = {};
}

void TTeDefaultForm::WMNCRButtonDown(fw::TMessage& m) {
  MessageHandled();
  m.Result = 0;
  pg::HWND h = GetHandle();
  if (h && !FFrameActive) pg::SetActiveWindow(h);
  FHeldButtons = {fw::ssRight};
  TPoint p = ScreenToWindow(pg::lParamToPoint(m.LParam));
  NCMouseDown(fw::mbRight, {fw::ssRight}, p.x, p.y);
}

void TTeDefaultForm::WMNCRButtonUp(fw::TMessage& m) {
  MessageHandled();
  m.Result = 0;
  FHeldButtons = {};
  TPoint p = ScreenToWindow(pg::lParamToPoint(m.LParam));
  NCMouseUp(fw::mbRight, {}, p.x, p.y);
}

void TTeDefaultForm::WMNCMouseMove(fw::TMessage& m) {
  MessageHandled();
  m.Result = 0;
  TPoint p = ScreenToWindow(pg::lParamToPoint(m.LParam));
  if (FDisabledNCArea && !FWindowlessTarget) {
    // Hover tracking: the control under the mouse, or the form itself.
    fw::TControl* under = WindowlessAt(p.x, p.y);
    if (!under) under = GetWinControl();
    if (under) fw::Application()->MouseEntered(under);
  }
  NCMouseMove(FHeldButtons, p.x, p.y);
}

// The buttons come from the message: a release that never reached us (taken
// by another window) must not keep a drag going.
void TTeDefaultForm::WMMouseMove(fw::TMessage& m) {
  bool left = m.WParam & pg::MK_LBUTTON;
  if (FHotPart != kwhtClient && !left) {
    FHotPart = kwhtClient;
    UpdateNonClientArea();
  }
  // A windowless control that took the mouse hears the client area's moves
  // from the form itself.
  if (FWindowlessTarget && fw::Application()->CaptureControl() == FWindowlessTarget) return;
  if (FHeldButtons.Empty()) return;
  bool right = m.WParam & pg::MK_RBUTTON;
  if ((FHeldButtons.Contains(fw::ssLeft) && !left) || (FHeldButtons.Contains(fw::ssRight) && !right)) {
    CancelMouseMode();
    return;
  }
  TPoint p = ClientToWindow(pg::lParamToPoint(m.LParam));
  NCMouseMove(FHeldButtons, p.x, p.y);
}

void TTeDefaultForm::WMCancelMode(fw::TMessage&) { CancelMouseMode(); }

void TTeDefaultForm::WMCaptureChanged(fw::TMessage&) {
  if (!FReleasingCapture) CancelMouseMode();
}

void TTeDefaultForm::CancelMouseMode() {
  bool dragging = FDragging_;
  if (!dragging && !FFrameDrag && FPressedPart == kwhtClient && FHeldButtons.Empty()) return;
  FHeldButtons = {};
  FPressedPart = kwhtClient;
  FDragging_ = false;
  if (FFrameDrag) {
    DrawDragFrame({});
    FFrameDrag = false;
    EnableDrawing();
  }
  pg::HWND h = GetHandle();
  if (h && dragging) pg::PostMessageW(h, pg::WM_EXITSIZEMOVE, 0, 0);
  if (h && pg::GetCapture() == h) {
    FReleasingCapture = true;
    pg::ReleaseCapture();
    FReleasingCapture = false;
  }
  if (GetForm()) UpdateNonClientArea();
}

void TTeDefaultForm::WMLButtonUp(fw::TMessage& m) {
  if (FHeldButtons.Empty()) return;
  FHeldButtons = {};
  if (FWindowlessTarget && fw::Application()->CaptureControl() == FWindowlessTarget) {
    SetWindowlessTarget(nullptr);
    return;
  }
  TPoint p = ClientToWindow(pg::lParamToPoint(m.LParam));
  NCMouseUp(fw::mbLeft, {}, p.x, p.y);
}

fw::TControl* TTeDefaultForm::WindowlessAt(int x, int y) const {
  fw::TWinControl* control = GetWinControl();
  if (!control || !FDisabledNCArea) return nullptr;
  TPoint o = WindowOrigin();
  TPoint c = control->ScreenToClient({o.x + x, o.y + y});
  return control->ControlAtPos(c, false);
}

void TTeDefaultForm::SendToWindowless(fw::TControl* target, pg::UINT msg, pg::WPARAM keys, int x, int y) {
  fw::TWinControl* control = GetWinControl();
  if (!control || !target) return;
  TPoint o = WindowOrigin();
  TPoint c = control->ScreenToClient({o.x + x, o.y + y});
  target->Perform(msg, keys, pg::MAKELPARAM(c.x - target->Left(), c.y - target->Top()));
}

void TTeDefaultForm::SetWindowlessTarget(fw::TControl* target) {
  if (target == FWindowlessTarget) return;
  if (FWindowlessTarget) FWindowlessTarget->RemoveFreeNotification(this);
  FWindowlessTarget = target;
  if (target) target->FreeNotification(this);
}

void TTeDefaultForm::NCMouseDown(fw::TMouseButton button, fw::TShiftState, int x, int y) {
  if (fw::TControl* under = WindowlessAt(x, y)) {
    SetWindowlessTarget(under);
    bool left = button == fw::mbLeft;
    SendToWindowless(under, left ? pg::WM_LBUTTONDOWN : pg::WM_RBUTTONDOWN,
                     left ? pg::MK_LBUTTON : pg::MK_RBUTTON, x, y);
    // The release must come back here even off the window.
    if (pg::HWND h = GetHandle(); h && FWindowlessTarget) pg::SetCapture(h);
    return;
  }
  if (button != fw::mbLeft) return;
  FPressedPart = FHotPart = GetHitTest(x, y);
  FDownPoint = FLastPoint = {x, y};
  UpdateNonClientArea();
  pg::HWND h = GetHandle();
  if (IsBorderPart(FPressedPart)) {
    FDragging_ = true;
    FOutlineRect = {};
    if (h) pg::PostMessageW(h, pg::WM_ENTERSIZEMOVE, 0, 0);
    if (FDragging->DragMode() == kfdmBorder) {
      DisableDrawing();
      FFrameDrag = true;
    }
  }
  if (h) pg::SetCapture(h);
}

void TTeDefaultForm::NCMouseMove(fw::TShiftState shift, int x, int y) {
  fw::TCustomForm* form = GetForm();
  if (!form) return;
  if (FDisabledNCArea && FWindowlessTarget) {
    pg::WPARAM keys = (shift.Contains(fw::ssLeft) ? pg::MK_LBUTTON : 0) |
                      (shift.Contains(fw::ssRight) ? pg::MK_RBUTTON : 0);
    SendToWindowless(FWindowlessTarget, pg::WM_MOUSEMOVE, keys, x, y);
    return;
  }
  if (!FDragging_ || !shift.Contains(fw::ssLeft)) {
    SetHot(GetHitTest(x, y));
    return;
  }
  TRect r = FFrameDrag && !IsEmpty(FGravitationRect) ? FGravitationRect : FormBounds();
  TPoint m = GetMinTrackSize();
  int baseX = FFrameDrag ? FDownPoint.x : FLastPoint.x;
  int baseY = FFrameDrag ? FDownPoint.y : FLastPoint.y;
  if (FFrameDrag) r = FormBounds();
  auto left = [&] {
    r.left += x - FDownPoint.x;
    if (r.right - m.x < r.left) r.left = r.right - m.x;
  };
  auto top = [&] {
    r.top += y - FDownPoint.y;
    if (r.bottom - m.y < r.top) r.top = r.bottom - m.y;
  };
  bool sizing = FDragging->Sizeable() && FWindowState == kwsNormal;
  switch (FPressedPart) {
    case kwhtCaption:
      if (FDragging->Moveable() && FWindowState != kwsMaximized) {
        r = Offset(r, x - FDownPoint.x, y - FDownPoint.y);
        r = ApplyGravitation(r);
      }
      break;
    case kwhtLeft:
      if (sizing) left();
      break;
    case kwhtTop:
      if (sizing) top();
      break;
    case kwhtRight:
      if (sizing) r.right += x - baseX;
      break;
    case kwhtBottom:
      if (sizing) r.bottom += y - baseY;
      break;
    case kwhtTopLeft:
      if (sizing) {
        top();
        left();
      }
      break;
    case kwhtTopRight:
      if (sizing) {
        top();
        r.right += x - baseX;
      }
      break;
    case kwhtBottomLeft:
      if (sizing) {
        r.bottom += y - baseY;
        left();
      }
      break;
    case kwhtBottomRight:
      if (sizing) {
        r.bottom += y - baseY;
        r.right += x - baseX;
      }
      break;
    default:
      break;
  }
  if (FDragging->DragMode() != kfdmBorder) {
    MoveWindow(r);
    SetHot(GetHitTest(x, y));
    UpdateNonClientArea();
  } else {
    DrawDragFrame(r);
  }
  FLastPoint = {x, y};
}

void TTeDefaultForm::NCMouseUp(fw::TMouseButton button, fw::TShiftState shift, int x, int y) {
  pg::HWND h = GetHandle();
  if (h) pg::PostMessageW(h, pg::WM_EXITSIZEMOVE, 0, 0);
  fw::TCustomForm* form = GetForm();
  if (!form) return;
  if (FDisabledNCArea && FWindowlessTarget) {
    fw::TControl* target = FWindowlessTarget;
    SetWindowlessTarget(nullptr);
    if (button == fw::mbLeft) pg::ReleaseCapture();
    SendToWindowless(target, button == fw::mbLeft ? pg::WM_LBUTTONUP : pg::WM_RBUTTONUP, 0, x, y);
    FPressedPart = kwhtClient;
    return;
  }
  TteWindowHitTest part = GetHitTest(x, y);
  if (button == fw::mbLeft) {
    FReleasingCapture = true;
    pg::ReleaseCapture();
    FReleasingCapture = false;
    if (shift.Contains(fw::ssDouble)) {
      TteWindowHitTest pressed = FPressedPart;
      bool onCaption = FBorderIcons.Contains(kbiMaximize) && pressed == kwhtCaption;
      if (onCaption || pressed == kwhtSysMenu) {
        FPressedPart = kwhtClient;
        FDragging_ = false;
        if (FFrameDrag) {
          DrawDragFrame({});
          EraseFollowerOutlines();
          FFrameDrag = false;
          EnableDrawing();
        }
        if (!onCaption)
          Close();
        else if (FWindowState == kwsMinimized)
          Restore();
        else
          Maximize();
        return;
      }
      // A double-click on a caption button is a second click on it.
    }
    TteWindowHitTest pressed = FPressedPart;
    bool wasDragging = FDragging_;
    bool frameDrag = FFrameDrag;
    FPressedPart = kwhtClient;
    FDragging_ = false;
    std::shared_ptr<bool> alive = FAlive;
    if (part == pressed) {
      switch (part) {
        case kwhtCloseButton:
          Close();
          // A refused close leaves the button drawn as it is now: not pressed.
          if (*alive && GetForm() && GetHandle()) UpdateNonClientArea();
          return;
        case kwhtHelpButton:
          Help();
          break;
        case kwhtMinButton:
          Minimize();
          break;
        case kwhtMaxButton:
          Maximize();
          break;
        case kwhtRollButton:
          Rollup();
          break;
        case kwhtTrayButton:
          MinToTray();
          break;
        case kwhtSysMenu: {
          TRect r = GetCaptionButtonRect(kbiSystemMenu);
          if (IsEmpty(r)) {
            FSysMenuPos = {0, 0};
          } else {
            TPoint o = WindowOrigin();
            FSysMenuPos = {o.x + r.left, o.y + r.bottom};
          }
          pg::DWORD opened = pg::GetMessageTime();
          FMenuChose = false;
          SysMenu();
          if (!*alive) return;
          // The next menu (Alt+Space, say) opens where the window is then.
          FSysMenuPos = {0, 0};
          // The menu took the second click of a double-click on the icon; that
          // closes the window as the double-click would have.
          TPoint cursor;
          pg::GetCursorPos(&cursor);
          TPoint wp = ScreenToWindow(cursor);
          TRect icon = GetCaptionButtonRect(kbiSystemMenu);
          if (!FMenuChose && GetForm() && pg::GetAsyncKeyState(pg::VK_LBUTTON) < 0 &&
              pg::GetMessageTime() - opened <= pg::GetDoubleClickTime() && wp.x >= icon.left &&
              wp.x < icon.right && wp.y >= icon.top && wp.y < icon.bottom) {
            Close();
            return;
          }
          break;
        }
        default:
          break;
      }
    }
    if (!*alive || !GetForm()) return;
    if (!frameDrag) {
      UpdateNonClientArea();
    } else if (wasDragging) {
      FFinalOutline = true;
      ApplyGravitation(FormBounds());
      DrawDragFrame({});
      EraseFollowerOutlines();
      // The window goes where the mouse was released, the way a full drag
      // would have taken it there, so that snapping and followers apply.
      TTeFormDragMode mode = FDragging->DragMode();
      FDragging->SetDragMode(kfdmFullDrag);
      FSavedDragMode = false;
      FDragging_ = true;
      FPressedPart = pressed;
      try {
        NCMouseMove({fw::ssLeft}, x, y);
      } catch (...) {
        FDragging->SetDragMode(mode);
        FSavedDragMode = true;
        FDragging_ = false;
        FPressedPart = kwhtClient;
        FFinalOutline = false;
        throw;
      }
      FDragging_ = false;
      FPressedPart = kwhtClient;
      FSavedDragMode = true;
      FDragging->SetDragMode(mode);
      FFinalOutline = false;
      if (!GetForm()) return;
      FFrameDrag = false;
      EnableDrawing();
      UpdateNonClientArea();
      form->Invalidate();
    } else {
      FFrameDrag = false;
      EnableDrawing();
    }
  } else if (button == fw::mbRight && part == kwhtCaption) {
    TPoint o = WindowOrigin();
    FSysMenuPos = {o.x + x, o.y + y};
    std::shared_ptr<bool> alive = FAlive;
    SysMenu();
    if (!*alive) return;
    FSysMenuPos = {0, 0};
  }
  FPressedPart = kwhtClient;
}

}  // namespace z5t8::skin::controls
