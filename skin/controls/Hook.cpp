#include "skin/controls/Hook.h"

#include <algorithm>
#include <exception>

#include "framework/Properties.h"
#include "framework/gui/Application.h"
#include "platform/gui/Backend.h"
#include "platform/gui/DefWindowProc.h"
#include "platform/gui/MessageQueue.h"

namespace z5t8::skin::controls {

namespace {

constexpr const char16_t* HookProp = u"TeControlHook";

void ReportException(TTeHook* client, const std::exception& e) {
  fw::Application()->HandleException(client, e);
}

}  // namespace

// --- TTeHook -----------------------------------------------------------------

Z5T8_IMPLEMENT_CLASS(TTeHook, fw::TComponent) {
  p.Boolean("Active", &TTeHook::Active, &TTeHook::SetActive).Default(1);
}

TTeHook::TTeHook(fw::TComponent* owner) : fw::TComponent(owner) {}

TTeHook::~TTeHook() {
  *FAlive = false;
  Destroying();
  UnhookControl();
  if (FWinControl) FWinControl->RemoveFreeNotification(this);
  FWinControl = nullptr;
}

void TTeHook::SetActive(bool value) {
  if (value == FActive) return;
  FActive = value;
  if (value)
    HookControl();
  else
    UnhookControl();
  FActive = value;
}

void TTeHook::DoAfterMessage(fw::TMessage&, bool&) {}

void TTeHook::DoBeforeMessage(fw::TMessage& message, bool& handled) {
  bool outer = FHandled;
  FHandled = handled;
  std::shared_ptr<bool> alive = FAlive;
  Dispatch(message);
  // Freed by its own handler: the message went no further than it.
  if (!*alive) {
    handled = true;
    return;
  }
  handled = FHandled;
  FHandled = outer;
}

void TTeHook::HookControl() {
  if (InState(fw::csDestroying) || !FWinControl || FWinControl->InState(fw::csDestroying)) return;
  FHook = THookList::Instance().Obtain(FWinControl);
  FHook->AddClient(this);
  FHook->Install();
}

void TTeHook::UnhookControl() {
  DoUnhookControl();
  FActive = false;
}

void TTeHook::DoUnhookControl() {
  TControlHook* hook = FHook;
  FHook = nullptr;
  if (!hook || !THookList::Instance().Contains(hook)) return;
  TTeHook* last = hook->LastClient();
  hook->RemoveClient(this);
  if (!hook->HasClients()) {
    if (last) last->DoBeforeDestruction();
    hook->Restore();
    THookList::Instance().Release(hook);
  }
}

void TTeHook::SetWinControl(fw::TWinControl* control) {
  if (control == FWinControl) return;
  bool active = FActive;
  DoUnhookControl();
  if (FWinControl) FWinControl->RemoveFreeNotification(this);
  FWinControl = control;
  if (FWinControl) FWinControl->FreeNotification(this);
  FActive = active;
  if (FActive) HookControl();
}

fw::TCustomForm* TTeHook::GetForm() const { return dynamic_cast<fw::TCustomForm*>(FWinControl); }

pg::HWND TTeHook::GetHandle() const {
  return FWinControl && FWinControl->HandleAllocated() ? FWinControl->Handle() : nullptr;
}

pg::HWND TTeHook::GetHookHandle() { return THookList::Instance().UtilityWindow(); }

void TTeHook::Notification(fw::TComponent* component, fw::TOperation operation) {
  fw::TComponent::Notification(component, operation);
  if (operation != fw::opRemove || component != FWinControl) return;
  // The control is half gone: drop it without calling into it.
  if (FHook && THookList::Instance().Contains(FHook)) {
    TControlHook* hook = FHook;
    hook->ControlGone();
    hook->RemoveClient(this);
    if (!hook->HasClients()) THookList::Instance().Release(hook);
  }
  FHook = nullptr;
  FWinControl = nullptr;
}

// --- TControlHook ----------------------------------------------------------

TControlHook::TControlHook(fw::TWinControl* control) : FControl(control) {}

TControlHook::~TControlHook() {
  FClosing = true;
  Restore();
}

void TControlHook::AddClient(TTeHook* client) {
  if (std::find(FClients.begin(), FClients.end(), client) == FClients.end()) FClients.push_back(client);
  FLastClient = client;
}

void TControlHook::RemoveClient(TTeHook* client) {
  FClients.erase(std::remove(FClients.begin(), FClients.end(), client), FClients.end());
  if (FLastClient == client) FLastClient = FClients.empty() ? nullptr : FClients.back();
}

bool TControlHook::ControlDestroying() const { return !FControl || FControl->InState(fw::csDestroying); }

void TControlHook::Install() {
  if (ControlDestroying()) return;
  pg::HWND hwnd = FControl->Handle();
  if (!hwnd) return;
  auto current = reinterpret_cast<pg::WNDPROC>(pg::GetWindowLongPtrW(hwnd, pg::GWLP_WNDPROC));
  if (current == &HookProc && FHandle == hwnd) return;
  FHandle = hwnd;
  FOldProc = current == &HookProc ? nullptr : current;
  pg::SetPropW(hwnd, HookProp, this);
  pg::SetWindowLongPtrW(hwnd, pg::GWLP_WNDPROC, reinterpret_cast<pg::LONG_PTR>(&HookProc));
}

void TControlHook::Restore() {
  if (!FHandle) return;
  if (pg::IsWindow(FHandle)) {
    auto current = reinterpret_cast<pg::WNDPROC>(pg::GetWindowLongPtrW(FHandle, pg::GWLP_WNDPROC));
    if (current == &HookProc && FOldProc)
      pg::SetWindowLongPtrW(FHandle, pg::GWLP_WNDPROC, reinterpret_cast<pg::LONG_PTR>(FOldProc));
    if (pg::GetPropW(FHandle, HookProp) == this) pg::RemovePropW(FHandle, HookProp);
  }
  FHandle = nullptr;
}

void TControlHook::ControlGone() {
  // Its window went with it (or the window system is shutting down).
  FControl = nullptr;
  FHandle = nullptr;
  FClosing = true;
}

pg::LRESULT TControlHook::HookProc(pg::HWND hwnd, pg::UINT msg, pg::WPARAM wParam, pg::LPARAM lParam) {
  auto* hook = static_cast<TControlHook*>(pg::GetPropW(hwnd, HookProp));
  if (!hook) return pg::DefWindowProcW(hwnd, msg, wParam, lParam);
  return hook->WindowProc(hwnd, msg, wParam, lParam);
}

pg::LRESULT TControlHook::WindowProc(pg::HWND hwnd, pg::UINT msg, pg::WPARAM wParam, pg::LPARAM lParam) {
  ++FDepth;
  fw::TMessage message{msg, wParam, lParam, 0};
  bool handled = false;
  // A client may unhook from inside a message: walk a copy, skip the gone.
  auto pass = [&](bool before) {
    std::vector<TTeHook*> clients(FClients.rbegin(), FClients.rend());
    for (TTeHook* client : clients) {
      if (handled) break;
      if (std::find(FClients.begin(), FClients.end(), client) == FClients.end()) continue;
      try {
        if (before)
          client->DoBeforeMessage(message, handled);
        else
          client->DoAfterMessage(message, handled);
      } catch (const std::exception& e) {
        ReportException(client, e);
      }
    }
  };
  if (msg != pg::WM_QUIT && !ControlDestroying() && !FClosing) pass(true);
  bool handledBefore = handled;
  if (!handled || msg == pg::WM_DESTROY) {
    pg::WNDPROC proc = FOldProc ? FOldProc : pg::DefWindowProcW;
    try {
      message.Result = pg::CallWindowProcW(proc, hwnd, msg, wParam, lParam);
    } catch (...) {
      if (!handledBefore && !ControlDestroying() && !FClosing) pass(false);
      --FDepth;
      throw;
    }
    if (!handledBefore && !ControlDestroying() && !FClosing) pass(false);
  }
  if (msg == pg::WM_DESTROY) {
    bool reinstall = !FClosing && !ControlDestroying();
    Restore();
    if (reinstall)
      if (pg::HWND utility = THookList::Instance().UtilityWindow())
        pg::PostMessageW(utility, WM_TEHOOK_REINSTALL, 0, reinterpret_cast<pg::LPARAM>(this));
  }
  --FDepth;
  return message.Result;
}

// --- THookList ----------------------------------------------------------------

THookList::THookList()
    : FWindow([this](pg::UINT msg, pg::WPARAM, pg::LPARAM lParam) { return UtilityMessage(msg, lParam); }) {}

THookList& THookList::Instance() {
  static THookList list;
  return list;
}

THookList::~THookList() {
  for (auto& hook : FHooks) hook->ControlGone();
}

TControlHook* THookList::Find(const fw::TWinControl* control) const {
  for (const auto& hook : FHooks)
    if (hook->Control() == control) return hook.get();
  return nullptr;
}

bool THookList::Contains(const TControlHook* hook) const {
  return std::any_of(FHooks.begin(), FHooks.end(), [&](const auto& h) { return h.get() == hook; });
}

TControlHook* THookList::Obtain(fw::TWinControl* control) {
  if (TControlHook* hook = Find(control)) return hook;
  FHooks.push_back(std::make_unique<TControlHook>(control));
  return FHooks.back().get();
}

void THookList::Release(TControlHook* hook) {
  if (hook->Busy()) {
    if (pg::HWND utility = UtilityWindow()) {
      pg::PostMessageW(utility, WM_TEHOOK_FREE, 0, reinterpret_cast<pg::LPARAM>(hook));
      return;
    }
  }
  // With nothing running in it (or no loop left to defer to), it can go now.
  if (hook->Busy()) return;
  FHooks.erase(std::remove_if(FHooks.begin(), FHooks.end(), [&](const auto& h) { return h.get() == hook; }),
               FHooks.end());
}

pg::HWND THookList::UtilityWindow() { return FWindow.handle(); }

std::optional<pg::LRESULT> THookList::UtilityMessage(pg::UINT msg, pg::LPARAM lParam) {
  auto* hook = reinterpret_cast<TControlHook*>(lParam);
  switch (msg) {
    case WM_TEHOOK_REINSTALL:
      if (Contains(hook) && hook->HasClients()) {
        hook->Install();
        // The new window was laid out and painted by its own procedure.
        if (fw::TWinControl* control = hook->Control(); control && control->HandleAllocated())
          pg::SetWindowPos(
              control->Handle(), nullptr, 0, 0, 0, 0,
              pg::SWP_NOMOVE | pg::SWP_NOSIZE | pg::SWP_NOZORDER | pg::SWP_NOACTIVATE | pg::SWP_FRAMECHANGED);
      }
      return 0;
    case WM_TEHOOK_FREE:
      if (Contains(hook) && !hook->HasClients()) Release(hook);
      return 0;
    default:
      return std::nullopt;
  }
}

}  // namespace z5t8::skin::controls
