// What the frame does with the mouse and the window states: caption buttons,
// moving, sizing, snapping, the system menu, maximize, minimize, roll-up,
// the tray and restore.

#include <algorithm>
#include <cstdlib>

#include "framework/gui/Application.h"
#include "framework/gui/Screen.h"
#include "framework/gui/SystemMenuImages.h"
#include "platform/gui/Cursor.h"
#include "platform/gui/DeviceContext.h"
#include "platform/gui/Input.h"
#include "platform/gui/MessageQueue.h"
#include "platform/gui/NotifyIcon.h"
#include "platform/gui/VirtualKeys.h"
#include "platform/gui/Paint.h"
#include "platform/gui/SystemMetrics.h"
#include "skin/controls/frame/DefaultForm.h"
#include "skin/render/WindowUtils.h"

namespace z5t8::skin::controls {

using namespace theme;

namespace {

bool IsEmpty(const TRect& r) { return r.right <= r.left || r.bottom <= r.top; }

bool IsBorderPart(TteWindowHitTest part) { return part >= kwhtCaption && part <= kwhtBottomRight; }

bool IsCaptionButton(TteWindowHitTest part) { return part >= kwhtCloseButton && part <= kwhtSysMenu; }

TRect Offset(const TRect& r, int dx, int dy) {
  return {r.left + dx, r.top + dy, r.right + dx, r.bottom + dy};
}

bool Touches(const TRect& a, const TRect& b) {
  bool vertical = a.top <= b.bottom && b.top <= a.bottom;
  bool horizontal = a.left <= b.right && b.left <= a.right;
  return (vertical && (a.left == b.right || a.right == b.left)) ||
         (horizontal && (a.top == b.bottom || a.bottom == b.top));
}

}  // namespace

// --- Message entry points --------------------------------------------------------

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

void TTeDefaultForm::HoverTimer(fw::TObject*) {
  if (Loading() || InState(fw::csDestroying) || !GetHandle()) return;
  if (!IsCaptionButton(FHotPart)) return;
  TPoint cursor;
  pg::GetCursorPos(&cursor);
  TPoint p = ScreenToWindow(cursor);
  TteWindowHitTest part = GetHitTest(p.x, p.y);
  // Outside the window nothing is hot, whatever the geometry says.
  if (p.x < 0 || p.y < 0 || p.x >= FWindowWidth || p.y >= FWindowHeight) part = kwhtClient;
  SetHot(part);
}

void TTeDefaultForm::SetHot(TteWindowHitTest part) {
  if (part == FHotPart) return;
  FHotPart = part;
  UpdateNonClientArea();
}

// --- Mouse ------------------------------------------------------------------------------

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

// --- Moving --------------------------------------------------------------------------------

void TTeDefaultForm::MoveWindow(int dx, int dy) {
  if (dx == 0 && dy == 0) return;
  TRect b = FormBounds();
  MoveWindow(b.left + dx, b.top + dy, b.width(), b.height());
}

void TTeDefaultForm::MoveWindow(const TRect& rect) {
  MoveWindow(rect.left, rect.top, rect.width(), rect.height());
}

void TTeDefaultForm::MoveWindow(int x, int y, int width, int height) {
  fw::TWinControl* control = GetWinControl();
  if (!control) return;
  if (pg::HWND h = GetHandle()) {
    pg::MINMAXINFO info{};
    pg::SendMessageW(h, pg::WM_GETMINMAXINFO, 0, reinterpret_cast<pg::LPARAM>(&info));
    if (info.ptMinTrackSize.x) width = std::max(width, int(info.ptMinTrackSize.x));
    if (info.ptMinTrackSize.y) height = std::max(height, int(info.ptMinTrackSize.y));
    if (info.ptMaxTrackSize.x) width = std::min(width, int(info.ptMaxTrackSize.x));
    if (info.ptMaxTrackSize.y) height = std::min(height, int(info.ptMaxTrackSize.y));
  }
  if (!(control = GetWinControl())) return;
  control->SetBounds(x, y, width, height);
  if (FSavedDragMode) {
    pg::MSG msg;
    while (pg::PeekMessageW(&msg, nullptr, pg::WM_PAINT, pg::WM_PAINT, pg::PM_REMOVE))
      pg::DispatchMessageW(&msg);
  }
}

void TTeDefaultForm::DrawDragFrame(const TRect& r) {
  if (FWindowState == kwsMaximized) return;
  FGravitationRect = r;
  pg::DeviceContext* dc = pg::GetDC(nullptr);
  if (dc) {
    dc->saveDC();
    dc->selectBrush(pg::Brush());
    dc->selectPen(pg::Pen{pg::PS_INSIDEFRAME, 2, 0xFFFFFF});
    dc->setROP2(pg::R2_XORPEN);
    if (!IsEmpty(FOutlineRect))
      dc->rectangle(FOutlineRect.left, FOutlineRect.top, FOutlineRect.right, FOutlineRect.bottom);
    if (!IsEmpty(r)) dc->rectangle(r.left, r.top, r.right, r.bottom);
    dc->restoreDC(-1);
    pg::ReleaseDC(nullptr, dc);
  }
  FOutlineRect = r;
}

TRect TTeDefaultForm::ApplyGravitation(const TRect& rect) {
  TRect result = rect;
  const TTeGravitation& g = *FGravitation;
  if (!g.Enabled()) return result;
  int s = g.Size();
  TRect w = rect;
  if (FShadow->Enabled()) {
    w.right -= FShadow->Size();
    w.bottom -= FShadow->Size();
  }
  if (g.SnapToDesktop()) {
    TRect p;
    fw::TWinControl* control = GetWinControl();
    if (control && control->Parent())
      p = control->Parent()->ClientRect();
    else
      render::GetRectOfMonitorContainingWindow(GetHandle(), !FStayOnTop, p);
    int dx = 0, dy = 0;
    if (std::abs(w.left - p.left) < s)
      dx = p.left - w.left;
    else if (std::abs(w.right - p.right) < s)
      dx = p.right - w.right;
    if (std::abs(w.top - p.top) < s)
      dy = p.top - w.top;
    else if (std::abs(w.bottom - p.bottom) < s)
      dy = p.bottom - w.bottom;
    result = Offset(result, dx, dy);
  }
  pg::HWND self = GetHandle();
  TRect mine = FFrameDrag && !IsEmpty(FGravitationRect) ? FGravitationRect : FormBounds();
  if (g.SnapToForms()) {
    for (fw::TCustomForm* other : fw::Screen()->Forms()) {
      if (!other->Visible() || !other->HandleAllocated() || other->Handle() == self) continue;
      if (!FrameOfWindow(other->Handle())) continue;
      TRect o = other->BoundsRect();
      if (g.OwnedForm() && Touches(mine, o)) continue;
      // Near where the window is going, not where it was a move ago.
      TRect grown{result.left - s, result.top - s, result.right + s, result.bottom + s};
      bool meets =
          grown.left < o.right && o.left < grown.right && grown.top < o.bottom && o.top < grown.bottom;
      if (!meets) continue;
      int dx = 0, dy = 0;
      bool side = false, level = false;
      if (std::abs(result.left - o.right) < s) {
        dx = o.right - result.left;
        side = true;
      } else if (std::abs(result.right - o.left) < s) {
        dx = o.left - result.right;
        side = true;
      }
      if (side) {
        if (std::abs(result.top - o.top) < s)
          dy = o.top - result.top;
        else if (std::abs(result.bottom - o.bottom) < s)
          dy = o.bottom - result.bottom;
      } else {
        if (std::abs(result.top - o.bottom) < s) {
          dy = o.bottom - result.top;
          level = true;
        } else if (std::abs(result.bottom - o.top) < s) {
          dy = o.top - result.bottom;
          level = true;
        }
        if (level) {
          if (std::abs(result.left - o.left) < s)
            dx = o.left - result.left;
          else if (std::abs(result.right - o.right) < s)
            dx = o.right - result.right;
        }
      }
      result = Offset(result, dx, dy);
    }
  }
  if (g.OwnedForm()) {
    // Followers are the forms touching the window where it is now; they keep
    // their place beside it.
    TRect current = FormBounds();
    int dx = result.left - current.left, dy = result.top - current.top;
    bool moveNow = FDragging->DragMode() != kfdmBorder || FFinalOutline;
    if (moveNow && (dx != 0 || dy != 0)) {
      for (TTeDefaultForm* follower : Followers()) follower->MoveWindow(dx, dy);
    } else if (!moveNow && FFrameDrag) {
      for (TTeDefaultForm* follower : Followers()) {
        TRect b = follower->FormBounds();
        follower->DrawDragFrame(Offset(b, dx, dy));
        pg::HWND h = follower->GetHandle();
        if (std::find(FOutlinedFollowers.begin(), FOutlinedFollowers.end(), h) == FOutlinedFollowers.end())
          FOutlinedFollowers.push_back(h);
      }
    }
  }
  return result;
}

std::vector<TTeDefaultForm*> TTeDefaultForm::Followers() const {
  std::vector<TTeDefaultForm*> found;
  pg::HWND self = GetHandle();
  TRect current = FormBounds();
  for (fw::TCustomForm* other : fw::Screen()->Forms()) {
    if (!other->Visible() || !other->HandleAllocated() || other->Handle() == self) continue;
    TTeDefaultForm* frame = FrameOfWindow(other->Handle());
    if (frame && frame->Gravitation()->SnapToForms() && Touches(current, other->BoundsRect()))
      found.push_back(frame);
  }
  return found;
}

void TTeDefaultForm::EraseFollowerOutlines() {
  std::vector<pg::HWND> outlined;
  outlined.swap(FOutlinedFollowers);
  for (pg::HWND h : outlined)
    if (TTeDefaultForm* follower = FrameOfWindow(h)) follower->DrawDragFrame({});
}

// --- Window states -----------------------------------------------------------------------

// False also when the handler freed the frame (or its form with it).
bool TTeDefaultForm::DoAction(const TTeFormActionEvent& event) {
  bool allow = true;
  std::shared_ptr<bool> alive = FAlive;
  TTeFormActionEvent handler = event;
  handler(this, allow);
  return *alive && allow;
}

void TTeDefaultForm::FinishState() { FRequestedState.reset(); }

void TTeDefaultForm::Maximize() {
  FHotPart = kwhtNonClient;
  if (!DoAction(OnMaximize)) return;
  if (FWindowState == kwsMaximized) {
    Restore();
    return;
  }
  FPreviousState = FWindowState;
  if ((FWindowState == kwsNormal || FWindowState == kwsTray) && !FRequestedState)
    FNormalBounds = BoundsToRemember();
  FWindowState = kwsMaximized;
  SyncFrameSize();
  MoveWindow(GetMaximizedRect());
  if (fw::TWinControl* control = GetWinControl()) control->Invalidate();
  UpdateNonClientArea();
  FinishState();
}

void TTeDefaultForm::Minimize() {
  FHotPart = kwhtNonClient;
  fw::TCustomForm* form = GetForm();
  if (!form || InState(fw::csDesigning)) return;
  if (form->FormState().Contains(fw::fsModal) && !FMinimizeApplication) return;
  if (!DoAction(OnMinimize)) return;
  if (FWindowState == kwsMinimized) {
    Restore();
    return;
  }
  FPreviousState = FWindowState;
  FWindowState = kwsMinimized;
  if ((FPreviousState == kwsNormal || FPreviousState == kwsTray) && !FRequestedState)
    FNormalBounds = BoundsToRemember();
  pg::HWND h = GetHandle();
  if (h && !pg::GetWindow(h, pg::GW_OWNER))
    pg::PostMessageW(h, pg::WM_SYSCOMMAND, pg::SC_MINIMIZE, 0);
  else if (FMinimizeApplication)
    fw::Application()->Minimize();
  else
    MoveWindow(GetMinimizedRect());
  FinishState();
}

void TTeDefaultForm::Rollup() {
  FHotPart = kwhtNonClient;
  if (InState(fw::csDesigning)) return;
  if (!DoAction(OnRollup)) return;
  if (FWindowState == kwsRollup) {
    Restore();
    return;
  }
  FPreviousState = FWindowState;
  if (FWindowState == kwsNormal || FWindowState == kwsTray) FNormalBounds = BoundsToRemember();
  FWindowState = kwsRollup;
  MoveWindow(GetRollupRect());
  UpdateNonClientArea();
  FinishState();
}

void TTeDefaultForm::MinToTray() {
  FHotPart = kwhtNonClient;
  fw::TCustomForm* form = GetForm();
  if (!form || InState(fw::csDesigning) || form->FormState().Contains(fw::fsModal)) return;
  pg::HWND h = GetHandle();
  if (h && pg::SendMessageW(h, WM_MINTOTRAYQUERY, reinterpret_cast<pg::WPARAM>(h), 0) == 1) return;
  if (!DoAction(OnMinToTray)) return;
  if (FWindowState == kwsTray) {
    Restore();
    return;
  }
  // Without a notification area, or when it refuses the icon, a hidden window
  // could never be brought back: it is minimized instead. The icon goes in
  // before the window goes out.
  auto minimizeInstead = [&] {
    if (FWindowState != kwsMinimized) {
      FPreviousState = FWindowState;
      FWindowState = kwsMinimized;
      if (FPreviousState == kwsNormal && !FRequestedState) FNormalBounds = BoundsToRemember();
      if (h && !pg::GetWindow(h, pg::GW_OWNER))
        pg::PostMessageW(h, pg::WM_SYSCOMMAND, pg::SC_MINIMIZE, 0);
      else
        fw::Application()->Minimize();
    }
    FinishState();
  };
  if (!pg::HasNotifyArea()) {
    minimizeInstead();
    return;
  }
  std::u16string tip;
  fw::TCustomForm* main = fw::Application()->MainForm();
  bool application = FMinimizeApplication && main;
  if (application) {
    tip = fw::Application()->Title();
    if (tip.empty()) tip = main->Caption();
  } else {
    tip = GetCaption();
  }
  FTrayTip = tip.substr(0, 63);
  AddTrayIcon(FTrayTip);
  if (!FTrayIconAdded) {
    minimizeInstead();
    return;
  }
  FPreviousState = FWindowState;
  FWindowState = kwsTray;
  if (FPreviousState == kwsNormal && !FRequestedState) FNormalBounds = BoundsToRemember();
  if (application) {
    fw::Application()->Minimize();
    if (main->HandleAllocated()) pg::ShowWindow(main->Handle(), pg::SW_HIDE);
  } else if (h) {
    pg::ShowWindow(h, pg::SW_HIDE);
  }
  FinishState();
}

void TTeDefaultForm::AddTrayIcon(const std::u16string& tip) {
  pg::HWND tray = TrayWindow();
  if (!tray) return;
  pg::NOTIFYICONDATAW data;
  data.hWnd = tray;
  data.uID = TrayIconId();
  data.uFlags = pg::NIF_MESSAGE | pg::NIF_ICON | pg::NIF_TIP;
  data.uCallbackMessage = WM_TRAYCALLBACK;
  data.hIcon = GetIconFast() ? GetIconFast() : GetIcon();
  std::copy_n(tip.begin(), std::min<size_t>(tip.size(), 63), data.szTip);
  if (FTrayIconAdded) pg::Shell_NotifyIconW(pg::NIM_DELETE, &data);
  FTrayIconAdded = pg::Shell_NotifyIconW(pg::NIM_ADD, &data);
}

void TTeDefaultForm::RefreshTrayRecord() {
  fw::TCustomForm* main = fw::Application()->MainForm();
  std::u16string tip = FMinimizeApplication && main ? fw::Application()->Title() : GetCaption();
  if (tip.empty() && main) tip = main->Caption();
  FTrayTip = tip.substr(0, 63);
  const pg::Icon* icon = GetIcon();
  if (!FTrayIconAdded) return;
  pg::NOTIFYICONDATAW data;
  data.hWnd = TrayWindow();
  data.uID = TrayIconId();
  data.uFlags = pg::NIF_ICON | pg::NIF_TIP;
  data.hIcon = icon;
  std::copy_n(FTrayTip.begin(), FTrayTip.size(), data.szTip);
  pg::Shell_NotifyIconW(pg::NIM_MODIFY, &data);
}

void TTeDefaultForm::RemoveTrayIcon() {
  if (!FTrayIconAdded) return;
  FTrayIconAdded = false;
  if (pg::HWND tray = TrayWindow()) {
    pg::NOTIFYICONDATAW data;
    data.hWnd = tray;
    data.uID = TrayIconId();
    pg::Shell_NotifyIconW(pg::NIM_DELETE, &data);
  }
}

std::optional<pg::LRESULT> TTeDefaultForm::TrayMessage(pg::UINT msg, pg::LPARAM lParam) {
  switch (msg) {
    case WM_TRAYCALLBACK:
      if (lParam == pg::LPARAM(pg::WM_LBUTTONDBLCLK))
        Restore();
      else if (lParam == pg::LPARAM(pg::WM_RBUTTONUP))
        SysMenu();
      return 0;
    case pg::WM_QUERYENDSESSION:
      return 1;
    case pg::WM_ENDSESSION:
      RemoveTrayIcon();
      return 0;
    default:
      return std::nullopt;
  }
}

void TTeDefaultForm::Restore() {
  FHotPart = kwhtNonClient;
  std::shared_ptr<bool> alive = FAlive;
  fw::TWinControl* control = GetWinControl();
  auto toNormal = [&] {
    FWindowState = kwsNormal;
    SyncFrameSize();
    if (!IsEmpty(FNormalBounds)) MoveWindow(FNormalBounds);
  };
  pg::HWND h = GetHandle();
  switch (FWindowState) {
    case kwsMaximized:
      if (FPreviousState == kwsMinimized) {
        if (FMinimizeApplication) break;
        toNormal();
        Maximize();
      } else if (FPreviousState == kwsRollup) {
        toNormal();
        Rollup();
      } else {
        FPreviousState = kwsMaximized;
        toNormal();
        if (FShadow->Enabled()) {
          if (control) control->Invalidate();
          UpdateNonClientArea();
        }
      }
      break;
    case kwsMinimized:
      if (h && pg::IsIconic(h)) pg::ShowWindow(h, pg::SW_RESTORE);
      if (FPreviousState == kwsMaximized || FPreviousState == kwsRollup) {
        if (FPreviousState == kwsMaximized)
          Maximize();
        else
          Rollup();
        if (!*alive) return;
        // Refused by its event, the window stays shown: as a normal one.
        if (FWindowState == kwsMinimized) toNormal();
        FPreviousState = kwsNormal;
      } else {
        toNormal();
      }
      break;
    case kwsNormal:
      toNormal();
      break;
    case kwsRollup: {
      TRect maxRect = GetMaximizedRect();
      if (maxRect.width() == FFrameWidth || FPreviousState == kwsMaximized) {
        Maximize();
        FPreviousState = kwsNormal;
      } else {
        FWindowState = kwsNormal;
        TRect b = FormBounds();
        MoveWindow(TRect{b.left, b.top, b.left + FNormalBounds.width(), b.top + FNormalBounds.height()});
      }
      break;
    }
    case kwsTray: {
      fw::TCustomForm* main = fw::Application()->MainForm();
      if (FMinimizeApplication && main && main->HandleAllocated()) {
        fw::Application()->Restore();
        pg::ShowWindow(main->Handle(), pg::SW_SHOW);
        pg::SetForegroundWindow(main->Handle());
      }
      if (h) {
        if (pg::IsIconic(h)) pg::ShowWindow(h, pg::SW_RESTORE);
        pg::ShowWindow(h, pg::SW_SHOW);
        pg::SetForegroundWindow(h);
      }
      RemoveTrayIcon();
      if (FPreviousState == kwsMaximized || FPreviousState == kwsRollup) {
        TRect normal = FNormalBounds;
        if (FPreviousState == kwsMaximized)
          Maximize();
        else
          Rollup();
        if (!*alive) return;
        FNormalBounds = normal;
        if (FWindowState == kwsTray) toNormal();
      } else {
        toNormal();
      }
      break;
    }
  }
  if (!*alive) return;
  UpdateNonClientArea();
  FinishState();
}

void TTeDefaultForm::Close() {
  if (!DoAction(OnClose)) return;
  fw::TCustomForm* form = GetForm();
  if (!form) return;
  if (InState(fw::csDesigning)) {
    form->Close();
    return;
  }
  if (form->FormState().Contains(fw::fsModal)) {
    form->SetModalResult(fw::mrCancel);
    return;
  }
  // The form's own close events may free it, and this frame with it.
  std::shared_ptr<bool> alive = FAlive;
  auto gone = [&] { return !*alive || GetForm() != form; };
  if (!form->CloseQuery() || gone()) return;
  fw::TCloseAction action = fw::caHide;
  form->DoClose(action);
  if (gone() || action == fw::caNone) return;
  if (fw::Application()->MainForm() == form) {
    fw::Application()->Terminate();
    return;
  }
  switch (action) {
    case fw::caHide:
      form->Hide();
      break;
    case fw::caMinimize:
      Minimize();
      break;
    case fw::caFree:
      form->Release();
      break;
    default:
      break;
  }
}

void TTeDefaultForm::Help() {
  if (InState(fw::csDesigning)) return;
  if (pg::HWND h = GetHandle()) pg::SendMessageW(h, pg::WM_SYSCOMMAND, pg::SC_CONTEXTHELP, 0);
}

std::vector<TTeSysMenuItem> TTeDefaultForm::CreateSysMenu() const {
  std::vector<TTeSysMenuItem> items;
  TTeWindowState s = FWindowState;
  auto in = [&](std::initializer_list<TTeWindowState> states) {
    return std::find(states.begin(), states.end(), s) != states.end();
  };
  if (s != kwsNormal) items.push_back({u"&Restore", 3, {}});
  if (FBorderIcons.Contains(kbiMinimize) && in({kwsNormal, kwsMaximized, kwsRollup}))
    items.push_back({u"Mi&nimize", 1, {}});
  if (FBorderIcons.Contains(kbiMaximize) && in({kwsNormal, kwsRollup}))
    items.push_back({u"Ma&ximize", 2, {}});
  if (FBorderIcons.Contains(kbiRollup) && in({kwsNormal, kwsMaximized})) items.push_back({u"Ro&llup", 4, {}});
  if (FBorderIcons.Contains(kbiTray) && in({kwsNormal, kwsMaximized, kwsRollup}))
    items.push_back({u"Minimize to &Tray", 5, {}});
  if (FBorderIcons.Contains(kbiClose)) {
    if (!items.empty()) items.push_back({u"-", -1, {}});
    items.push_back({u"&Close", 0, u"Alt+F4"});
  }
  return items;
}

void TTeDefaultForm::SysMenuItemClick(const std::u16string& caption) {
  if (caption == u"&Close")
    Close();
  else if (caption == u"Ma&ximize")
    Maximize();
  else if (caption == u"Mi&nimize")
    Minimize();
  else if (caption == u"Ro&llup")
    Rollup();
  else if (caption == u"Minimize to &Tray")
    MinToTray();
  else if (caption == u"&Restore")
    Restore();
}

void TTeDefaultForm::SysMenu() {
  if (InState(fw::csDesigning)) return;
  TPoint at;
  if (FWindowState == kwsTray) {
    pg::GetCursorPos(&at);
  } else if (FSysMenuPos.x != 0 || FSysMenuPos.y != 0) {
    at = FSysMenuPos;
  } else if (fw::TWinControl* control = GetWinControl()) {
    at = control->ClientOrigin();
  }
  if (FWindowState == kwsTray && FTrayMenuLink) {
    PopupMenuAt(FTrayMenuLink, at);
    return;
  }
  if (FWindowState != kwsTray && FSystemMenuLink && !FSystemMenuLinkMerge) {
    PopupMenuAt(FSystemMenuLink, at);
    return;
  }
  ShowBuiltInSystemMenu(at);
}

void TTeDefaultForm::PopupMenuAt(fw::TPopupMenu* menu, TPoint at) {
  FLastSysMenuPoint = at;
  if (auto* skinned = dynamic_cast<TTePopupMenu*>(menu)) {
    bool tray = FWindowState == kwsTray;
    skinned->SetOptions(tray ? FTrayMenuOptions.get() : FSystemMenuOptions.get());
    skinned->SetTray(tray);
  }
  menu->Popup(at.x, at.y);
}

void TTeDefaultForm::ShowBuiltInSystemMenu(TPoint at) {
  FLastSysMenu = CreateSysMenu();
  if (!FMenuImages) {
    FMenuImages = std::make_unique<fw::TImageList>(nullptr);
    fw::AddSystemMenuImages(*FMenuImages);
  }
  if (FSysMenu && FSysMenu->Showing()) return;
  FSysMenu = std::make_unique<TTePopupMenu>(nullptr);
  FSysMenu->SetImages(FMenuImages.get());
  fw::TMenuItem* root = FSysMenu->Items();
  for (const TTeSysMenuItem& def : FLastSysMenu) {
    auto* item = new fw::TMenuItem(nullptr);
    item->SetCaption(def.Caption);
    item->SetImageIndex(def.ImageIndex);
    if (!def.ShortCut.empty()) item->SetShortCut(fw::ShortCut(pg::VK_F4, {fw::ssAlt}));
    std::u16string caption = def.Caption;
    item->OnClick = [this, caption](fw::TObject*) {
      FMenuChose = true;
      SysMenuItemClick(caption);
    };
    root->Add(item);
  }
  if (FWindowState != kwsTray && FSystemMenuLink && FSystemMenuLinkMerge) {
    int at0 = FSystemMenuLinkMergeAtFirst ? 0 : root->Count();
    fw::TMenuItem* source = FSystemMenuLink->Items();
    for (int i = 0; i < source->Count(); ++i) {
      fw::TMenuItem* original = source->Items(i);
      auto* copy = new fw::TMenuItem(nullptr);
      copy->SetCaption(original->Caption());
      copy->SetShortCut(original->ShortCut());
      copy->SetEnabled(original->Enabled());
      copy->SetVisible(original->Visible());
      copy->OnClick = [this, original](fw::TObject*) {
        FMenuChose = true;
        original->Click();
      };
      root->Insert(at0 + i, copy);
    }
  }
  PopupMenuAt(FSysMenu.get(), at);
}

void TTeDefaultForm::SetSystemMenuLink(fw::TPopupMenu* menu) {
  if (FSystemMenuLink) FSystemMenuLink->RemoveFreeNotification(this);
  FSystemMenuLink = menu;
  if (menu) menu->FreeNotification(this);
}

void TTeDefaultForm::SetMenuBar(TTeMenuBar* value) {
  if (FMenuBar) FMenuBar->RemoveFreeNotification(this);
  FMenuBar = value;
  if (value) value->FreeNotification(this);
}

void TTeDefaultForm::SetWindowMenu(fw::TMenuItem* value) {
  if (FWindowMenu) FWindowMenu->RemoveFreeNotification(this);
  FWindowMenu = value;
  if (value) value->FreeNotification(this);
}

void TTeDefaultForm::ShortCut(fw::TObject* sender, fw::TShortCut shortCut, bool& handled) {
  if (FMenuBar && FMenuBar->IsShortCut(shortCut)) {
    handled = true;
    return;
  }
  FPrevShortCut(sender, shortCut, handled);
}

void TTeDefaultForm::SetTrayMenuLink(fw::TPopupMenu* menu) {
  if (FTrayMenuLink) FTrayMenuLink->RemoveFreeNotification(this);
  FTrayMenuLink = menu;
  if (menu) menu->FreeNotification(this);
}

void TTeDefaultForm::Notification(fw::TComponent* component, fw::TOperation operation) {
  TTeHook::Notification(component, operation);
  if (operation != fw::opRemove) return;
  if (component == FSystemMenuLink) FSystemMenuLink = nullptr;
  if (component == FWindowlessTarget) FWindowlessTarget = nullptr;
  if (component == FMenuBar) FMenuBar = nullptr;
  if (component == FWindowMenu) FWindowMenu = nullptr;
  if (component == FTrayMenuLink) FTrayMenuLink = nullptr;
}

// --- System commands, private messages, the application's events -----------------------

void TTeDefaultForm::WMSysCommand(fw::TMessage& m) {
  switch (m.WParam & 0xFFF0) {
    case pg::SC_KEYMENU: {
      auto c = char16_t(m.LParam);
      pg::HWND h = GetHandle();
      if (c != 0 && c != u' ' && c != u'-' && FMenuBar && h && !pg::GetCapture()) {
        MessageHandled();
        pg::PostMessageW(h, pg::WM_CHAR, pg::WPARAM(c), 0);
        FMenuBar->KeyboardLoop(h);
        m.Result = 1;
        return;
      }
      SysMenu();
      break;
    }
    case pg::SC_MOUSEMENU:
      SysMenu();
      break;
    case pg::SC_RESTORE:
      // Restoring a window that is already normal would move it for nothing.
      if (FWindowState != kwsNormal) Restore();
      break;
    case pg::SC_MINIMIZE:
      // Our own Minimize posts this; seeing it again must not restore.
      if (FWindowState != kwsMinimized) Minimize();
      break;
    default:
      break;
  }
}

void TTeDefaultForm::WMMaximizeMsg(fw::TMessage&) {
  MessageHandled();
  Maximize();
}

void TTeDefaultForm::WMStartAction(fw::TMessage& m) {
  MessageHandled();
  if (FActionRunning) return;
  FActionRunning = true;
  try {
    switch (m.WParam) {
      case 1:
        Maximize();
        break;
      case 2:
        Minimize();
        break;
      case 3:
        Rollup();
        break;
      case 4:
        MinToTray();
        break;
      default:
        break;
    }
  } catch (...) {
    FActionRunning = false;
    throw;
  }
  FActionRunning = false;
}

namespace {

// The frames whose handlers are in the application's events, oldest first:
// each calls the one before it.
std::vector<TTeDefaultForm*>& ChainedFrames() {
  static std::vector<TTeDefaultForm*> frames;
  return frames;
}

}  // namespace

void TTeDefaultForm::ChainApplicationEvents() {
  if (FAppEventsChained) return;
  fw::TApplication* app = fw::Application();
  FPrevAppMinimize = app->OnMinimize;
  FPrevAppRestore = app->OnRestore;
  app->OnMinimize = [this](fw::TObject* sender) { ApplicationMinimize(sender); };
  app->OnRestore = [this](fw::TObject* sender) { ApplicationRestore(sender); };
  FAppEventsChained = true;
  ChainedFrames().push_back(this);
}

// Out of the middle of the chain, the frame after this one takes over what
// this one called; only the last one hands the application its old events back.
void TTeDefaultForm::UnchainApplicationEvents() {
  if (!FAppEventsChained) return;
  std::vector<TTeDefaultForm*>& frames = ChainedFrames();
  auto self = std::find(frames.begin(), frames.end(), this);
  if (self != frames.end() && self + 1 != frames.end()) {
    TTeDefaultForm* next = *(self + 1);
    next->FPrevAppMinimize = FPrevAppMinimize;
    next->FPrevAppRestore = FPrevAppRestore;
  } else {
    fw::TApplication* app = fw::Application();
    app->OnMinimize = FPrevAppMinimize;
    app->OnRestore = FPrevAppRestore;
  }
  if (self != frames.end()) frames.erase(self);
  FAppEventsChained = false;
}

// While the handler runs, the application's event is what it was before this
// frame, so that it is not entered again; afterwards it is what it was on entry
// (this frame's, or that of a later frame that called this one), unless this
// frame was the last in the chain and is gone: its going put the event right.
void TTeDefaultForm::ApplicationMinimize(fw::TObject* sender) {
  fw::TApplication* app = fw::Application();
  fw::TNotifyEvent entry = app->OnMinimize;
  fw::TNotifyEvent previous = FPrevAppMinimize;
  bool last = !ChainedFrames().empty() && ChainedFrames().back() == this;
  std::shared_ptr<bool> alive = FAlive;
  auto back = [&] {
    if (*alive || !last) app->OnMinimize = entry;
  };
  app->OnMinimize = previous;
  try {
    if (FWindowState != kwsMinimized && FWindowState != kwsTray) Minimize();
    previous(sender);
  } catch (...) {
    back();
    throw;
  }
  back();
}

void TTeDefaultForm::ApplicationRestore(fw::TObject* sender) {
  fw::TApplication* app = fw::Application();
  fw::TNotifyEvent entry = app->OnRestore;
  fw::TNotifyEvent previous = FPrevAppRestore;
  bool last = !ChainedFrames().empty() && ChainedFrames().back() == this;
  std::shared_ptr<bool> alive = FAlive;
  auto back = [&] {
    if (*alive || !last) app->OnRestore = entry;
  };
  app->OnRestore = previous;
  try {
    if (FWindowState == kwsMinimized) {
      Restore();
      if (*alive) UpdateNonClientArea();
    }
    previous(sender);
  } catch (...) {
    back();
    throw;
  }
  back();
}

}  // namespace z5t8::skin::controls
