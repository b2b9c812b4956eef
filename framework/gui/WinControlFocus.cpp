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

int TWinControl::TabOrder() const {
  if (!Parent()) return -1;
  const auto& list = Parent()->FTabList;
  return static_cast<int>(std::find(list.begin(), list.end(), this) - list.begin());
}

void TWinControl::SetTabOrder(int value) {
  if (!Parent()) return;
  auto& list = Parent()->FTabList;
  list.erase(std::find(list.begin(), list.end(), this));
  value = std::clamp(value, 0, static_cast<int>(list.size()));
  list.insert(list.begin() + value, this);
}

void TWinControl::SetTabStop(bool value) {
  if (value == FTabStop) return;
  FTabStop = value;
  if (FHandle) {
    auto style = pg::GetWindowLongPtrW(FHandle, pg::GWL_STYLE);
    pg::SetWindowLongPtrW(FHandle, pg::GWL_STYLE,
                          value ? (style | pg::WS_TABSTOP) : (style & ~pg::LONG_PTR(pg::WS_TABSTOP)));
  }
  Perform(CM_TABSTOPCHANGED, 0, 0);
}

void TWinControl::GetTabOrderList(std::vector<TWinControl*>& list) {
  for (TWinControl* c : FTabList) {
    list.push_back(c);
    c->GetTabOrderList(list);
  }
}

TWinControl* TWinControl::FindNextControl(TWinControl* current, bool goForward, bool checkTabStop,
                                          bool checkParent) {
  std::vector<TWinControl*> list;
  GetTabOrderList(list);
  if (list.empty()) return nullptr;
  int n = static_cast<int>(list.size());
  int start = static_cast<int>(std::find(list.begin(), list.end(), current) - list.begin());
  if (start == n) start = goForward ? n - 1 : 0;
  for (int step = 1; step <= n; ++step) {
    TWinControl* c = list[static_cast<size_t>(((goForward ? start + step : start - step) % n + n) % n)];
    if (c == current) break;
    if ((!checkTabStop || c->TabStop()) && (!checkParent || c->Parent() == this) && c->CanFocus()) return c;
  }
  return nullptr;
}

void TWinControl::SelectNext(TWinControl* current, bool goForward, bool checkTabStop) {
  if (TWinControl* next = FindNextControl(current, goForward, checkTabStop, !checkTabStop)) next->SetFocus();
}

bool TWinControl::Focused() const { return FHandle && pg::GetFocus() == FHandle; }

bool TWinControl::CanFocus() const {
  for (const TControl* c = this; c; c = c->Parent())
    if (!c->Visible() || !c->Enabled()) return false;
  return true;
}

void TWinControl::SetFocus() {
  if (TCustomForm* form = GetParentForm(this); form && form != this) {
    form->FocusControl(this);
    return;
  }
  if (Handle()) pg::SetFocus(FHandle);
}

void TWinControl::WMSetFocus(TMessage& message) {
  if (TCustomForm* form = GetParentForm(this); form && !ControlState().Contains(csFocusing))
    form->SetFocusedControl(this);
  DefaultHandler(message);
}

bool TWinControl::DoKeyDown(TMessage& message) {
  TCustomForm* form = GetParentForm(this);
  if (form && form != this && form->KeyPreview() && form->DoKeyDown(message)) return true;
  auto key = static_cast<uint16_t>(message.WParam);
  KeyDown(key, KeyboardShiftState());
  if (key == 0) return true;
  message.WParam = key;
  return false;
}

bool TWinControl::DoKeyUp(TMessage& message) {
  TCustomForm* form = GetParentForm(this);
  if (form && form != this && form->KeyPreview() && form->DoKeyUp(message)) return true;
  auto key = static_cast<uint16_t>(message.WParam);
  KeyUp(key, KeyboardShiftState());
  if (key == 0) return true;
  message.WParam = key;
  return false;
}

bool TWinControl::DoKeyPress(TMessage& message) {
  TCustomForm* form = GetParentForm(this);
  if (form && form != this && form->KeyPreview() && form->DoKeyPress(message)) return true;
  auto c = static_cast<char16_t>(message.WParam);
  KeyPress(c);
  if (c == 0) return true;
  message.WParam = c;
  return false;
}

void TWinControl::KeyDown(uint16_t& key, TShiftState shift) { OnKeyDown(this, key, shift); }
void TWinControl::KeyUp(uint16_t& key, TShiftState shift) { OnKeyUp(this, key, shift); }
void TWinControl::KeyPress(char16_t& key) { OnKeyPress(this, key); }

void TWinControl::WMKeyDown(TMessage& message) {
  if (!DoKeyDown(message)) DefaultHandler(message);
}

void TWinControl::WMKeyUp(TMessage& message) {
  if (!DoKeyUp(message)) DefaultHandler(message);
}

void TWinControl::WMChar(TMessage& message) {
  if (!DoKeyPress(message)) DefaultHandler(message);
}

void TWinControl::CNKeyDown(TMessage& message) {
  message.Result = 1;
  if (TCustomForm* form = GetParentForm(this); form && form->OnShortCut) {
    bool handled = false;
    form->OnShortCut(form, ShortCut(uint16_t(message.WParam), KeyboardShiftState()), handled);
    if (handled) return;
  }
  auto key = static_cast<int>(message.WParam);
  intptr_t mask = 0;
  switch (key) {
    case pg::VK_TAB:
      mask = DLGC_WANTTAB;
      break;
    case pg::VK_LEFT:
    case pg::VK_RIGHT:
    case pg::VK_UP:
    case pg::VK_DOWN:
      mask = DLGC_WANTARROWS;
      break;
    case pg::VK_RETURN:
    case pg::VK_ESCAPE:
    case pg::VK_CANCEL:
      mask = DLGC_WANTALLKEYS;
      break;
    default:
      break;
  }
  if (mask != 0 && (Perform(pg::WM_GETDLGCODE, 0, 0) & mask) == 0) {
    if (TCustomForm* form = GetParentForm(this);
        form && form->Perform(CM_DIALOGKEY, message.WParam, message.LParam) != 0)
      return;
  }
  message.Result = 0;
}

void TWinControl::CNChar(TMessage& message) {
  message.Result = 1;
  bool wantsChars = message.Msg == CN_CHAR && (Perform(pg::WM_GETDLGCODE, 0, 0) & DLGC_WANTCHARS) != 0;
  if (!wantsChars && message.WParam != u' ') {
    if (TCustomForm* form = GetParentForm(this);
        form && form->Perform(CM_DIALOGCHAR, message.WParam, message.LParam) != 0)
      return;
  }
  message.Result = 0;
}

void TWinControl::CMDialogKey(TMessage& message) { Broadcast(message); }
void TWinControl::CMDialogChar(TMessage& message) { Broadcast(message); }
void TWinControl::CMFocusChanged(TMessage& message) {
  Broadcast(message);
  message.Result = 0;
}

void TWinControl::CMEnter(TMessage&) { OnEnter(this); }
void TWinControl::CMExit(TMessage&) { OnExit(this); }

}  // namespace z5t8::framework
