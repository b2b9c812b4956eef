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

const char16_t* const ControlProp = u"z5t8.control";
TWinControl* CreationControl = nullptr;

}  // namespace

Z5T8_IMPLEMENT_CLASS(TWinControl, TControl) {
  p.Integer("TabOrder", &TWinControl::TabOrder, &TWinControl::SetTabOrder).Default(-1);
  p.Boolean("TabStop", &TWinControl::TabStop, &TWinControl::SetTabStop).Default(0);
  p.Event("OnKeyDown", &TWinControl::OnKeyDown);
  p.Event("OnKeyUp", &TWinControl::OnKeyUp);
  p.Event("OnKeyPress", &TWinControl::OnKeyPress);
  p.Event("OnEnter", &TWinControl::OnEnter);
  p.Event("OnExit", &TWinControl::OnExit);
  p.Message(pg::WM_PAINT, &TWinControl::WMPaint);
  p.Message(pg::WM_ERASEBKGND, &TWinControl::WMEraseBkgnd);
  p.Message(pg::WM_SETFOCUS, &TWinControl::WMSetFocus);
  p.Message(pg::WM_SIZE, &TWinControl::WMSize);
  p.Message(pg::WM_MOVE, &TWinControl::WMMove);
  p.Message(pg::WM_KEYDOWN, &TWinControl::WMKeyDown);
  p.Message(pg::WM_SYSKEYDOWN, &TWinControl::WMKeyDown);
  p.Message(pg::WM_KEYUP, &TWinControl::WMKeyUp);
  p.Message(pg::WM_SYSKEYUP, &TWinControl::WMKeyUp);
  p.Message(pg::WM_CHAR, &TWinControl::WMChar);
  p.Message(pg::WM_COMMAND, &TWinControl::WMCommand);
  p.Message(pg::WM_HSCROLL, &TWinControl::WMScroll);
  p.Message(pg::WM_VSCROLL, &TWinControl::WMScroll);
  p.Message(pg::WM_CTLCOLOREDIT, &TWinControl::WMCtlColor);
  p.Message(pg::WM_CTLCOLORSTATIC, &TWinControl::WMCtlColor);
  p.Message(pg::WM_CTLCOLORSCROLLBAR, &TWinControl::WMCtlColor);
  p.Message(pg::WM_MOUSELEAVE, &TWinControl::WMMouseLeave);
  p.Message(CN_KEYDOWN, &TWinControl::CNKeyDown);
  p.Message(CN_SYSKEYDOWN, &TWinControl::CNKeyDown);
  p.Message(CN_CHAR, &TWinControl::CNChar);
  p.Message(CN_SYSCHAR, &TWinControl::CNChar);
  p.Message(CN_CTLCOLOREDIT, &TWinControl::CNCtlColor);
  p.Message(CN_CTLCOLORSTATIC, &TWinControl::CNCtlColor);
  p.Message(CN_CTLCOLORSCROLLBAR, &TWinControl::CNCtlColor);
  p.Message(CM_DIALOGKEY, &TWinControl::CMDialogKey);
  p.Message(CM_DIALOGCHAR, &TWinControl::CMDialogChar);
  p.Message(CM_FOCUSCHANGED, &TWinControl::CMFocusChanged);
  p.Message(CM_ENABLEDCHANGED, &TWinControl::CMEnabledChanged);
  p.Message(CM_VISIBLECHANGED, &TWinControl::CMVisibleChanged);
  p.Message(CM_COLORCHANGED, &TWinControl::CMColorChanged);
  p.Message(CM_FONTCHANGED, &TWinControl::CMFontChanged);
  p.Message(CM_SHOWINGCHANGED, &TWinControl::CMShowingChanged);
  p.Message(CM_ENTER, &TWinControl::CMEnter);
  p.Message(CM_EXIT, &TWinControl::CMExit);
}

TWinControl::TWinControl(TComponent* owner) : TControl(owner) {
  FBrush.SetColor(Color());
  FBrushValue = FBrush.Realize();
  FBrush.OnChange = [this] { FBrushValue = FBrush.Realize(); };
}

TWinControl::~TWinControl() {
  Destroying();
  // Leave the parent while still a windowed control: from ~TControl the parent
  // could no longer tell, and would keep this control in its tab list.
  if (Parent()) Parent()->RemoveControl(this);
  while (!FControls.empty()) RemoveControl(FControls.back());
  DestroyHandle();
}

TWinControl* TWinControl::FindControl(pg::HWND hwnd) {
  return hwnd ? static_cast<TWinControl*>(pg::GetPropW(hwnd, ControlProp)) : nullptr;
}

pg::HWND TWinControl::Handle() {
  HandleNeeded();
  return FHandle;
}

void TWinControl::HandleNeeded() {
  if (FHandle) return;
  if (Parent()) Parent()->HandleNeeded();
  CreateHandle();
}

void TWinControl::CreateHandle() {
  if (FHandle) return;
  CreateWnd();
  if (!FHandle) return;
  UpdateBounds();
  ApplyFontToWindow();
  for (TWinControl* child : FTabList)
    if (child->ShouldShow()) child->UpdateShowing();
}

void TWinControl::CreateParams(TCreateParams& params) {
  params.Caption = FText;
  params.Style = pg::WS_CLIPCHILDREN | pg::WS_CLIPSIBLINGS;
  if (Parent()) params.Style |= pg::WS_CHILD;
  if (FTabStop) params.Style |= pg::WS_TABSTOP;
  if (!Enabled()) params.Style |= pg::WS_DISABLED;
  params.X = Left();
  params.Y = Top();
  params.Width = Width();
  params.Height = Height();
  params.WndParent = Parent() ? Parent()->FHandle : FParentWindow;
  params.ClassStyle = pg::CS_HREDRAW | pg::CS_VREDRAW;
  if (ControlStyle().Contains(csDoubleClicks)) params.ClassStyle |= pg::CS_DBLCLKS;
}

void TWinControl::CreateWnd() {
  TCreateParams params;
  CreateParams(params);
  if (Parent() && !params.WndParent) return;
  CreateWindowHandle(params);
  if (!FHandle) throw EInvalidOperation("Error creating window");
}

void TWinControl::CreateWindowHandle(const TCreateParams& params) {
  std::u16string className;
  if (!params.SubClassOf.empty()) {
    if (params.SubClassOf == EditClassName) RegisterEditClass();
    pg::WNDCLASSEXW wc;
    if (!pg::GetClassInfoExW(params.SubClassOf.c_str(), &wc))
      throw EInvalidOperation("Window class not registered");
    FDefWndProc = wc.lpfnWndProc;
    className = params.SubClassOf;
  } else {
    className = u"z5t8." + Utf8ToUtf16(ClassName());
    pg::WNDCLASSEXW wc;
    if (!pg::GetClassInfoExW(className.c_str(), &wc)) {
      wc.style = params.ClassStyle;
      wc.lpfnWndProc = FrameworkWndProc;
      wc.lpszClassName = className.c_str();
      pg::RegisterClassExW(wc);
    }
    FDefWndProc = pg::DefWindowProcW;
  }
  TWinControl* outer = CreationControl;
  CreationControl = params.SubClassOf.empty() ? this : nullptr;
  pg::HWND hwnd = pg::CreateWindowExW(params.ExStyle, className.c_str(), params.Caption.c_str(),
                                      params.Style & ~pg::WS_VISIBLE, params.X, params.Y, params.Width,
                                      params.Height, params.WndParent, 0, nullptr);
  CreationControl = outer;
  if (!hwnd) return;
  if (!params.SubClassOf.empty()) {
    FHandle = hwnd;
    pg::SetPropW(hwnd, ControlProp, this);
    pg::SetWindowLongPtrW(hwnd, pg::GWLP_WNDPROC, reinterpret_cast<pg::LONG_PTR>(&FrameworkWndProc));
  }
}

void TWinControl::DestroyWnd() {
  FText = GetText();
  pg::HWND hwnd = FHandle;
  if (hwnd) pg::DestroyWindow(hwnd);
  FHandle = nullptr;
}

void TWinControl::DestroyHandle() {
  if (!FHandle) return;
  for (TWinControl* child : FTabList) child->DestroyHandle();
  DestroyWnd();
}

void TWinControl::RecreateWnd() {
  if (!FHandle) return;
  bool focused = Focused();
  DestroyHandle();
  UpdateShowing();
  if (!FHandle && ShouldShow()) CreateHandle();
  if (focused && FHandle) pg::SetFocus(FHandle);
}

void TWinControl::ApplyFontToWindow() {
  if (!FHandle) return;
  const pg::Font& font = RealizeFont(*Font());
  Perform(pg::WM_SETFONT, reinterpret_cast<uintptr_t>(&font), 0);
}

void TWinControl::UpdateBounds() {
  if (!FHandle) return;
  pg::Rect r;
  pg::GetWindowRect(FHandle, &r);
  if (Parent() && Parent()->FHandle) {
    pg::Point pts[2] = {{r.left, r.top}, {r.right, r.bottom}};
    pg::MapWindowPoints(nullptr, Parent()->FHandle, pts, 2);
    r = {pts[0].x, pts[0].y, pts[1].x, pts[1].y};
  }
  if (r.left == Left() && r.top == Top() && r.width() == Width() && r.height() == Height()) return;
  TControl::SetBounds(r.left, r.top, r.width(), r.height());
}

bool TWinControl::ShouldShow() const {
  if (!Visible()) return false;
  if (!Parent()) return true;
  return Parent()->FHandle != nullptr && Parent()->FShowing;
}

void TWinControl::UpdateShowing() {
  bool show = ShouldShow();
  if (show && !FHandle) CreateHandle();
  if (!FHandle) return;
  if (show == FShowing && show == static_cast<bool>(pg::IsWindowVisible(FHandle))) return;
  FShowing = show;
  pg::SetWindowPos(FHandle, nullptr, 0, 0, 0, 0,
                   pg::SWP_NOMOVE | pg::SWP_NOSIZE | pg::SWP_NOZORDER | pg::SWP_NOACTIVATE |
                       (show ? pg::SWP_SHOWWINDOW : pg::SWP_HIDEWINDOW));
  Perform(CM_SHOWINGCHANGED, 0, 0);
}

void TWinControl::InsertControl(TControl* control) {
  control->FParent = this;
  FControls.push_back(control);
  if (auto* w = dynamic_cast<TWinControl*>(control)) FTabList.push_back(w);
  control->Perform(CM_PARENTCOLORCHANGED, 0, 0);
  control->Perform(CM_PARENTFONTCHANGED, 0, 0);
  if (auto* w = dynamic_cast<TWinControl*>(control); w && FHandle) {
    if (w->FHandle) pg::SetParent(w->FHandle, FHandle);
    w->UpdateShowing();
  }
  control->UpdateAnchorRules();
  if (control->Align() != alNone) Realign();
  control->Invalidate();
}

void TWinControl::RemoveControl(TControl* control) {
  auto it = std::find(FControls.begin(), FControls.end(), control);
  if (it == FControls.end()) return;
  control->Invalidate();
  if (auto* w = dynamic_cast<TWinControl*>(control)) {
    if (TCustomForm* form = GetParentForm(this)) form->ControlRemoving(w);
    w->DestroyHandle();
    FTabList.erase(std::find(FTabList.begin(), FTabList.end(), w));
  }
  Application()->ControlDestroyed(control);
  FControls.erase(std::find(FControls.begin(), FControls.end(), control));
  control->FParent = nullptr;
  Realign();
}

bool TWinControl::ContainsControl(const TControl* control) const {
  for (const TControl* c = control; c; c = c->Parent())
    if (c == this) return true;
  return false;
}

TControl* TWinControl::ControlAtPos(TPoint p, bool allowDisabled, bool allowWinControls) const {
  for (auto it = FControls.rbegin(); it != FControls.rend(); ++it) {
    TControl* c = *it;
    if (!allowWinControls && dynamic_cast<TWinControl*>(c)) continue;
    if (!c->Visible() || (!allowDisabled && !c->Enabled())) continue;
    if (c->BoundsRect().contains(p)) return c;
  }
  return nullptr;
}

void TWinControl::SetBounds(int left, int top, int width, int height) {
  Constraints()->Apply(width, height);
  if (FHandle && !InState(csLoading)) {
    if (left != Left() || top != Top() || width != Width() || height != Height())
      pg::SetWindowPos(FHandle, nullptr, left, top, width, height, pg::SWP_NOZORDER | pg::SWP_NOACTIVATE);
    UpdateBounds();
    return;
  }
  int oldW = ClientWidth(), oldH = ClientHeight();
  TControl::SetBounds(left, top, width, height);
  if (ClientWidth() != oldW || ClientHeight() != oldH) Realign();
}

TRect TWinControl::GetClientRect() const {
  if (!FHandle) return TControl::GetClientRect();
  pg::Rect r;
  pg::GetClientRect(FHandle, &r);
  return r;
}

TPoint TWinControl::ClientOrigin() const {
  if (!FHandle) return TControl::ClientOrigin();
  pg::Point p{0, 0};
  pg::ClientToScreen(FHandle, &p);
  return p;
}

void TWinControl::SetClientSize(int width, int height) {
  TRect client = GetClientRect();
  SetBounds(Left(), Top(), Width() + width - client.width(), Height() + height - client.height());
}

void TWinControl::Invalidate() {
  if (FHandle) pg::InvalidateRect(FHandle, nullptr, !ControlStyle().Contains(csOpaque));
}

void TWinControl::Repaint() {
  Invalidate();
  Update();
}

void TWinControl::Update() {
  if (FHandle) pg::UpdateWindow(FHandle);
}

void TWinControl::Broadcast(TMessage& message) {
  std::vector<TControl*> controls = FControls;
  for (TControl* c : controls) {
    if (std::find(FControls.begin(), FControls.end(), c) == FControls.end()) continue;
    c->WindowProc(message);
    if (message.Result != 0) return;
  }
}

void TWinControl::EnableAlign() {
  if (FAlignLevel > 0 && --FAlignLevel == 0) Realign();
}

void TWinControl::Realign() {
  if (FAlignLevel > 0 || InState(csLoading) || InState(csDestroying)) return;
  TRect rect = GetClientRect();
  ++FAlignLevel;
  AlignControls(nullptr, rect);
  --FAlignLevel;
}

void TWinControl::AlignControls(TControl*, TRect& rect) {
  int cw = ClientWidth(), ch = ClientHeight();
  bool resized = FOldClientWidth >= 0 && (cw != FOldClientWidth || ch != FOldClientHeight);
  FOldClientWidth = cw;
  FOldClientHeight = ch;
  for (TAlign align : {alTop, alBottom, alLeft, alRight, alClient}) {
    for (TControl* c : std::vector<TControl*>(FControls)) {
      if (c->Align() != align || !c->Visible()) continue;
      switch (align) {
        case alTop:
          c->SetBounds(rect.left, rect.top, rect.width(), c->Height());
          rect.top += c->Height();
          break;
        case alBottom:
          c->SetBounds(rect.left, rect.bottom - c->Height(), rect.width(), c->Height());
          rect.bottom -= c->Height();
          break;
        case alLeft:
          c->SetBounds(rect.left, rect.top, c->Width(), rect.height());
          rect.left += c->Width();
          break;
        case alRight:
          c->SetBounds(rect.right - c->Width(), rect.top, c->Width(), rect.height());
          rect.right -= c->Width();
          break;
        default:
          c->SetBounds(rect.left, rect.top, rect.width(), rect.height());
          break;
      }
    }
  }
  if (resized)
    for (TControl* c : std::vector<TControl*>(FControls)) c->ApplyAnchors(cw, ch);
}

void TWinControl::Loaded() {
  TControl::Loaded();
  FOldClientWidth = -1;
  Realign();
}

void TWinControl::GetChildren(const TGetChildProc& proc, TComponent* root) {
  for (TControl* c : FControls)
    if (c->Owner() == root) proc(c);
}

void TWinControl::DefaultHandler(TMessage& message) {
  if (!FHandle) {
    TControl::DefaultHandler(message);
    return;
  }
  message.Result = pg::CallWindowProcW(FDefWndProc, FHandle, message.Msg, message.WParam, message.LParam);
}

void TWinControl::MainWndProc(TMessage& message) {
  try {
    WindowProc(message);
  } catch (const std::exception& e) {
    Application()->HandleException(this, e);
  }
}

pg::LRESULT FrameworkWndProc(pg::HWND hwnd, pg::UINT msg, pg::WPARAM wParam, pg::LPARAM lParam) {
  TWinControl* control = TWinControl::FindControl(hwnd);
  if (!control && CreationControl) {
    control = CreationControl;
    CreationControl = nullptr;
    control->FHandle = hwnd;
    pg::SetPropW(hwnd, ControlProp, control);
  }
  if (!control) return pg::DefWindowProcW(hwnd, msg, wParam, lParam);
  TMessage m{msg, wParam, lParam, 0};
  control->MainWndProc(m);
  if (msg == pg::WM_NCDESTROY) {
    pg::RemovePropW(hwnd, ControlProp);
    if (control->FHandle == hwnd) control->FHandle = nullptr;
  }
  return m.Result;
}

TCustomForm* GetParentForm(const TControl* control) {
  const TControl* c = control;
  while (c && c->Parent()) c = c->Parent();
  return const_cast<TCustomForm*>(dynamic_cast<const TCustomForm*>(c));
}

}  // namespace z5t8::framework
