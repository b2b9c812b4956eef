#include "framework/gui/Form.h"

#include <algorithm>

#include "framework/Properties.h"
#include "framework/Resources.h"
#include "framework/gui/Application.h"
#include "framework/gui/Screen.h"
#include "platform/gui/Input.h"
#include "platform/gui/MessageQueue.h"
#include "platform/gui/VirtualKeys.h"

namespace z5t8::framework {

namespace {

const std::string_view BorderStyleNames[] = {"bsNone",   "bsSingle",     "bsSizeable",
                                             "bsDialog", "bsToolWindow", "bsSizeToolWin"};
const std::string_view BorderIconNames[] = {"biSystemMenu", "biMinimize", "biMaximize", "biHelp"};
const TEnumInfo BorderIconInfo{"TBorderIcon", BorderIconNames};
const std::string_view PositionNames[] = {"poDesigned",        "poDefault",        "poDefaultPosOnly",
                                          "poDefaultSizeOnly", "poScreenCenter",   "poDesktopCenter",
                                          "poMainFormCenter",  "poOwnerFormCenter"};
const TEnumInfo PositionInfo{"TPosition", PositionNames};
const std::string_view WindowStateNames[] = {"wsNormal", "wsMinimized", "wsMaximized"};
const TEnumInfo WindowStateInfo{"TWindowState", WindowStateNames};

}  // namespace

const TEnumInfo FormBorderStyleInfo{"TFormBorderStyle", BorderStyleNames};

Z5T8_IMPLEMENT_CLASS(TCustomForm, TWinControl) {
  p.Event("OnCreate", &TCustomForm::OnCreate);
  p.Event("OnDestroy", &TCustomForm::OnDestroy);
  p.Event("OnShow", &TCustomForm::OnShow);
  p.Event("OnHide", &TCustomForm::OnHide);
  p.Event("OnActivate", &TCustomForm::OnActivate);
  p.Event("OnDeactivate", &TCustomForm::OnDeactivate);
  p.Event("OnClose", &TCustomForm::OnClose);
  p.Event("OnCloseQuery", &TCustomForm::OnCloseQuery);
  p.Message(pg::WM_CLOSE, &TCustomForm::WMClose);
  p.Message(pg::WM_ACTIVATE, &TCustomForm::WMActivate);
  p.Message(pg::WM_GETMINMAXINFO, &TCustomForm::WMGetMinMaxInfo);
  p.Message(pg::WM_SYSCOMMAND, &TCustomForm::WMSysCommand);
  p.Message(CM_DIALOGKEY, &TCustomForm::CMDialogKey);
  p.Message(CM_RELEASE, &TCustomForm::CMRelease);
  p.Message(CM_ICONCHANGED, &TCustomForm::CMIconChanged);
}

Z5T8_IMPLEMENT_CLASS(TForm, TCustomForm) {
  p.Integer(
       "ClientWidth", [](const TForm& f) { return f.ClientWidth(); },
       [](TForm& f, int v) { f.SetClientWidth(v); })
      .Stored(false);
  p.Integer(
       "ClientHeight", [](const TForm& f) { return f.ClientHeight(); },
       [](TForm& f, int v) { f.SetClientHeight(v); })
      .Stored(false);
  p.Enum("BorderStyle", FormBorderStyleInfo, &TForm::BorderStyle, &TForm::SetBorderStyle).Default(bsSizeable);
  p.Set("BorderIcons", BorderIconInfo, &TForm::BorderIcons, &TForm::SetBorderIcons)
      .Default(TBorderIcons{biSystemMenu, biMinimize, biMaximize}.Bits());
  p.Enum("Position", PositionInfo, &TForm::Position, &TForm::SetPosition).Default(poDesigned);
  p.Enum("WindowState", WindowStateInfo, &TForm::WindowState, &TForm::SetWindowState).Default(wsNormal);
  p.Boolean("KeyPreview", &TForm::KeyPreview, &TForm::SetKeyPreview).Default(0);
  p.Boolean("OldCreateOrder", &TForm::OldCreateOrder, &TForm::SetOldCreateOrder);
  p.Integer("PixelsPerInch", &TForm::PixelsPerInch, &TForm::SetPixelsPerInch);
  p.Integer("TextHeight", &TForm::TextHeight, &TForm::SetTextHeight);
  p.Boolean("Scaled", &TForm::Scaled, &TForm::SetScaled).Default(1);
  p.Boolean("AutoScroll", &TForm::AutoScroll, &TForm::SetAutoScroll).Default(1);
  p.Boolean("AutoSize", &TForm::AutoSize, &TForm::SetAutoSize).Default(0);
  p.Object("Icon", &TForm::Icon);
  p.Component("ActiveControl", &TForm::ActiveControl, &TForm::SetActiveControl);
}

TCustomForm::TCustomForm(TComponent* owner) : TWinControl(owner), FIcon(std::make_unique<TIcon>()) {
  FFormState.Include(fsCreating);
  ControlStyle() = {csAcceptsControls, csCaptureMouse, csClickEvents, csSetCaption, csDoubleClicks};
  TControl::SetVisible(false);
  SetParentColor(false);
  SetColor(clBtnFace);
  SetParentFont(false);
  TControl::SetBounds(0, 0, 320, 240);
  FIcon->OnChange = [this] { Perform(CM_ICONCHANGED, 0, 0); };
  Screen()->AddForm(this);
}

TCustomForm::~TCustomForm() {
  if (!FFormState.Contains(fsCreating)) OnDestroy(this);
  Screen()->RemoveForm(this);
  Application()->FormDestroyed(this);
}

void TCustomForm::AfterConstruction() {
  InitInheritedComponent(this, TForm::StaticClass());
  FFormState.Exclude(fsCreating);
  DoCreate();
}

void TCustomForm::DoCreate() { OnCreate(this); }

void TCustomForm::SetBorderStyle(TFormBorderStyle value) {
  if (value == FBorderStyle) return;
  FBorderStyle = value;
  RecreateWnd();
}

void TCustomForm::SetBorderIcons(TBorderIcons value) {
  if (value == FBorderIcons) return;
  FBorderIcons = value;
  RecreateWnd();
}

TWindowState TCustomForm::WindowState() const {
  if (FHandle) {
    if (pg::IsIconic(FHandle)) return wsMinimized;
    if (pg::IsZoomed(FHandle)) return wsMaximized;
    return wsNormal;
  }
  return FWindowState;
}

void TCustomForm::SetWindowState(TWindowState value) {
  FWindowState = value;
  if (!FHandle || !Visible()) return;
  pg::ShowWindow(FHandle, value == wsMinimized   ? pg::SW_MINIMIZE
                          : value == wsMaximized ? pg::SW_MAXIMIZE
                                                 : pg::SW_RESTORE);
}

void TCustomForm::SetAutoSize(bool value) {
  FAutoSize = value;
  if (value && !InState(csLoading)) UpdateAutoSize();
}

void TCustomForm::UpdateAutoSize() {
  int right = 0, bottom = 0;
  for (int i = 0; i < ControlCount(); ++i) {
    TControl* c = Controls(i);
    if (!c->Visible()) continue;
    right = std::max(right, c->Left() + c->Width());
    bottom = std::max(bottom, c->Top() + c->Height());
  }
  if (right > 0 && bottom > 0) SetClientSize(right, bottom);
}

TRect TCustomForm::GetClientRect() const {
  if (FHandle) return TWinControl::GetClientRect();
  TCreateParams params;
  const_cast<TCustomForm*>(this)->CreateParams(params);
  pg::Rect frame{0, 0, 0, 0};
  pg::AdjustWindowRectEx(&frame, params.Style, pg::FALSE, params.ExStyle);
  return Rect(0, 0, std::max(0, Width() - frame.width()), std::max(0, Height() - frame.height()));
}

void TCustomForm::SetClientSize(int width, int height) {
  TRect client = GetClientRect();
  SetBounds(Left(), Top(), Width() + width - client.width(), Height() + height - client.height());
}

void TCustomForm::GetChildren(const TGetChildProc& proc, TComponent* root) {
  TWinControl::GetChildren(proc, root);
  if (root != this) return;
  for (int i = 0; i < ComponentCount(); ++i)
    if (!Components(i)->HasParent()) proc(Components(i));
}

void TCustomForm::Loaded() {
  TWinControl::Loaded();
  int screenPPI = Screen()->PixelsPerInch();
  if (FScaled && FPixelsPerInch != screenPPI) {
    ScaleControls(screenPPI, FPixelsPerInch);
    FPixelsPerInch = screenPPI;
  }
  if (FAutoSize) UpdateAutoSize();
  for (int i = 0; i < ControlCount(); ++i) Controls(i)->UpdateAnchorRules();
}

void TCustomForm::ScaleControls(int multiplier, int divider) {
  for (int i = 0; i < ControlCount(); ++i) Controls(i)->ChangeScale(multiplier, divider);
  TRect client = GetClientRect();
  SetClientSize(client.width() * multiplier / divider, client.height() * multiplier / divider);
}

void TCustomForm::CreateParams(TCreateParams& params) {
  TWinControl::CreateParams(params);
  params.Style &= ~pg::WS_CHILD;
  params.WndParent = ParentWindow();
  if (!params.WndParent && Application()->MainForm() && Application()->MainForm() != this &&
      Application()->MainForm()->HandleAllocated())
    params.WndParent = Application()->MainForm()->Handle();
  switch (FBorderStyle) {
    case bsNone:
      params.Style |= pg::WS_POPUP;
      break;
    case bsSingle:
      params.Style |= pg::WS_CAPTION;
      break;
    case bsSizeable:
      params.Style |= pg::WS_CAPTION | pg::WS_THICKFRAME;
      break;
    case bsDialog:
      params.Style |= pg::WS_POPUP | pg::WS_CAPTION;
      params.ExStyle |= pg::WS_EX_DLGMODALFRAME | pg::WS_EX_WINDOWEDGE;
      break;
    case bsToolWindow:
      params.Style |= pg::WS_CAPTION;
      params.ExStyle |= pg::WS_EX_TOOLWINDOW;
      break;
    case bsSizeToolWin:
      params.Style |= pg::WS_CAPTION | pg::WS_THICKFRAME;
      params.ExStyle |= pg::WS_EX_TOOLWINDOW;
      break;
  }
  if (FBorderStyle != bsNone) {
    if (FBorderIcons.Contains(biSystemMenu)) params.Style |= pg::WS_SYSMENU;
    bool boxes = FBorderStyle != bsDialog && FBorderStyle != bsToolWindow && FBorderStyle != bsSizeToolWin;
    if (boxes && FBorderIcons.Contains(biMinimize)) params.Style |= pg::WS_MINIMIZEBOX;
    if (boxes && FBorderIcons.Contains(biMaximize)) params.Style |= pg::WS_MAXIMIZEBOX;
    if (FBorderIcons.Contains(biHelp)) params.ExStyle |= pg::WS_EX_CONTEXTHELP;
  }
  params.ClassStyle |= pg::CS_DBLCLKS;
}

void TCustomForm::PlaceOnScreen() {
  TRect area = Screen()->WorkAreaRect();
  TCustomForm* center = nullptr;
  switch (FPosition) {
    case poScreenCenter:
    case poDesktopCenter: {
      TRect screen = Rect(0, 0, Screen()->Width(), Screen()->Height());
      TControl::SetBounds(screen.left + (screen.width() - Width()) / 2,
                          screen.top + (screen.height() - Height()) / 2, Width(), Height());
      return;
    }
    case poMainFormCenter:
    case poOwnerFormCenter:
      center = Application()->MainForm();
      break;
    case poDefault:
    case poDefaultPosOnly:
      TControl::SetBounds(area.left + 22, area.top + 22, Width(), Height());
      return;
    default:
      return;
  }
  if (!center || center == this) return;
  TControl::SetBounds(center->Left() + (center->Width() - Width()) / 2,
                      center->Top() + (center->Height() - Height()) / 2, Width(), Height());
}

void TCustomForm::CreateWnd() {
  PlaceOnScreen();
  TWinControl::CreateWnd();
  if (FHandle && !FIcon->Empty()) Perform(CM_ICONCHANGED, 0, 0);
}

void TCustomForm::SetVisible(bool value) {
  if (value == Visible()) return;
  if (value)
    FFormState.Include(fsVisible);
  else
    FFormState.Exclude(fsVisible);
  TControl::SetVisible(value);
  if (value)
    OnShow(this);
  else
    OnHide(this);
}

void TCustomForm::Show() {
  SetVisible(true);
  if (FHandle) {
    if (FWindowState != wsNormal) SetWindowState(FWindowState);
    pg::SetForegroundWindow(FHandle);
    pg::SetActiveWindow(FHandle);
  }
}

void TCustomForm::CMIconChanged(TMessage&) {
  if (!FHandle) return;
  pg::SendMessageW(FHandle, pg::WM_SETICON, pg::ICON_BIG, reinterpret_cast<pg::LPARAM>(FIcon->Handle()));
}

void TCustomForm::SetActiveControl(TWinControl* control) {
  if (control == FActiveControl) return;
  if (control && !InState(csLoading) && Visible() && !control->CanFocus())
    throw EInvalidOperation("Cannot focus a disabled or invisible window");
  FActiveControl = control;
  if (control && FActive && !InState(csLoading)) FocusControl(control);
}

void TCustomForm::FocusControl(TWinControl* control) {
  FActiveControl = control;
  if (!control || !FActive || !control->CanFocus()) return;
  pg::HWND hwnd = control->Handle();
  if (hwnd) pg::SetFocus(hwnd);
}

void TCustomForm::SetFocus() {
  if (!Handle()) return;
  pg::SetActiveWindow(FHandle);
  if (FActiveControl && FActiveControl->CanFocus())
    pg::SetFocus(FActiveControl->Handle());
  else
    pg::SetFocus(FHandle);
}

bool TCustomForm::SetFocusedControl(TWinControl* control) {
  if (control == FFocusedControl) return false;
  if (control != this) FActiveControl = control;
  TWinControl* focused = FFocusedControl ? FFocusedControl : this;
  FFocusedControl = control;
  TWinControl* walk = focused;
  while (walk && !walk->ContainsControl(control)) {
    walk->Perform(CM_EXIT, 0, 0);
    walk = walk->Parent();
  }
  while (walk && walk != control) {
    TWinControl* step = control;
    while (step->Parent() != walk) step = step->Parent();
    walk = step;
    walk->Perform(CM_ENTER, 0, 0);
  }
  Perform(CM_FOCUSCHANGED, 0, reinterpret_cast<intptr_t>(control));
  return true;
}

void TCustomForm::DefocusControl(TWinControl* control, bool removing) {
  if (removing && control->ContainsControl(FFocusedControl)) FFocusedControl = control->Parent();
  if (control->ContainsControl(FActiveControl)) {
    FActiveControl = nullptr;
    if (removing && FHandle && pg::GetFocus() && control->HandleAllocated() &&
        (pg::GetFocus() == control->Handle() || pg::IsChild(control->Handle(), pg::GetFocus())))
      pg::SetFocus(FHandle);
  }
}

void TCustomForm::ControlRemoving(TWinControl* control) { DefocusControl(control, true); }

void TCustomForm::WMActivate(TMessage& message) {
  bool active = pg::LOWORD(message.WParam) != pg::WA_INACTIVE;
  FActive = active;
  if (!active) {
    OnDeactivate(this);
    return;
  }
  FFormState.Include(fsActivated);
  Screen()->SetActiveForm(this);
  if (!FActiveControl || !FActiveControl->CanFocus())
    FActiveControl = FindNextControl(nullptr, true, true, false);
  if (FActiveControl)
    pg::SetFocus(FActiveControl->Handle());
  else
    pg::SetFocus(FHandle);
  OnActivate(this);
}

void TCustomForm::WMClose(TMessage&) { Close(); }

void TCustomForm::WMGetMinMaxInfo(TMessage& message) {
  DefaultHandler(message);
  auto* info = reinterpret_cast<pg::MINMAXINFO*>(message.LParam);
  if (!info) return;
  const TSizeConstraints* c = Constraints();
  if (c->MinWidth() > 0) info->ptMinTrackSize.x = c->MinWidth();
  if (c->MinHeight() > 0) info->ptMinTrackSize.y = c->MinHeight();
  if (c->MaxWidth() > 0) info->ptMaxTrackSize.x = c->MaxWidth();
  if (c->MaxHeight() > 0) info->ptMaxTrackSize.y = c->MaxHeight();
}

void TCustomForm::WMSysCommand(TMessage& message) {
  if (Application()->MainForm() == this) {
    switch (message.WParam & 0xFFF0) {
      case pg::SC_MINIMIZE:
        Application()->Minimize();
        return;
      case pg::SC_RESTORE:
        // Restoring a maximized form is the form's own business.
        if (pg::IsIconic(FHandle)) {
          Application()->Restore();
          return;
        }
        break;
      default:
        break;
    }
  }
  DefaultHandler(message);
}

void TCustomForm::CMDialogKey(TMessage& message) {
  if (pg::GetKeyState(pg::VK_MENU) >= 0) {
    switch (static_cast<int>(message.WParam)) {
      case pg::VK_TAB:
        if (pg::GetKeyState(pg::VK_CONTROL) >= 0) {
          SelectNext(FActiveControl, pg::GetKeyState(pg::VK_SHIFT) >= 0, true);
          message.Result = 1;
          return;
        }
        break;
      case pg::VK_LEFT:
      case pg::VK_RIGHT:
      case pg::VK_UP:
      case pg::VK_DOWN:
        if (FActiveControl && FActiveControl->Parent()) {
          bool forward = message.WParam == pg::VK_RIGHT || message.WParam == pg::VK_DOWN;
          FActiveControl->Parent()->SelectNext(FActiveControl, forward, false);
          message.Result = 1;
          return;
        }
        break;
      default:
        break;
    }
  }
  TWinControl::CMDialogKey(message);
}

bool TCustomForm::CloseQuery() {
  bool canClose = true;
  OnCloseQuery(this, canClose);
  return canClose;
}

void TCustomForm::DoClose(TCloseAction& action) { OnClose(this, action); }

void TCustomForm::Close() {
  if (FFormState.Contains(fsModal)) {
    FModalResult = mrCancel;
    return;
  }
  if (!CloseQuery()) return;
  TCloseAction action = caHide;
  DoClose(action);
  if (action == caNone) return;
  if (Application()->MainForm() == this)
    Application()->Terminate();
  else if (action == caHide)
    Hide();
  else if (action == caMinimize)
    SetWindowState(wsMinimized);
  else
    Release();
}

void TCustomForm::Release() {
  if (FHandle)
    pg::PostMessageW(FHandle, CM_RELEASE, 0, 0);
  else
    Application()->ReleaseLater(this);
}

void TCustomForm::CMRelease(TMessage&) { Application()->ReleaseLater(this); }

int TCustomForm::ShowModal() {
  if (Visible() || !Enabled() || FFormState.Contains(fsModal))
    throw EInvalidOperation("Cannot make a visible window modal");
  pg::HWND previous = pg::GetActiveWindow();
  std::vector<TCustomForm*> disabled;
  for (TCustomForm* form : Screen()->Forms())
    if (form != this && form->HandleAllocated() && pg::IsWindowEnabled(form->Handle())) {
      pg::EnableWindow(form->Handle(), pg::FALSE);
      disabled.push_back(form);
    }
  FFormState.Include(fsModal);
  FModalResult = mrNone;
  auto restore = [&] {
    for (TCustomForm* form : disabled)
      if (Screen()->IndexOf(form) >= 0 && form->HandleAllocated()) pg::EnableWindow(form->Handle(), pg::TRUE);
    Hide();
    FFormState.Exclude(fsModal);
    if (previous && pg::IsWindow(previous)) pg::SetActiveWindow(previous);
  };
  try {
    Show();
    while (FModalResult == mrNone) {
      if (!Application()->HandleMessage() || Application()->Terminated()) FModalResult = mrCancel;
      if (FModalResult == mrNone) continue;
      // The form may refuse to close; then the loop goes on.
      bool closing = CloseQuery();
      TCloseAction action = closing ? caHide : caNone;
      if (closing) DoClose(action);
      if (action == caNone && !Application()->Terminated() && Application()->Alive()) FModalResult = mrNone;
    }
  } catch (...) {
    restore();
    throw;
  }
  restore();
  return FModalResult;
}

}  // namespace z5t8::framework
