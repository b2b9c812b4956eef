#pragma once

#include <memory>
#include <optional>
#include <vector>

#include "framework/Component.h"
#include "framework/gui/Form.h"
#include "framework/gui/WinControl.h"
#include "platform/gui/MessageWindow.h"
#include "platform/gui/Window.h"

namespace z5t8::skin::controls {

namespace fw = framework;
namespace pg = platform::gui;

// Sent to the hook list's utility window; the second parameter is the hook.
constexpr pg::UINT WM_TEHOOK_REINSTALL = 45278;  // 0xB0DE
constexpr pg::UINT WM_TEHOOK_FREE = 45279;       // 0xB0DF

class TControlHook;

// A component that sees the messages of another control's window before and
// after that window's own procedure, without changing the control's class.
class TTeHook : public fw::TComponent {
  Z5T8_CLASS(TTeHook, fw::TComponent)
public:
  explicit TTeHook(fw::TComponent* owner);
  ~TTeHook() override;

  bool Active() const { return FActive; }
  virtual void SetActive(bool value);
  // Messages the window's own procedure has processed (not those handled before it).
  virtual void DoAfterMessage(fw::TMessage& message, bool& handled);
  // Dispatches to the component's message handlers; a handler that calls
  // MessageHandled keeps the message from the window's own procedure.
  virtual void DoBeforeMessage(fw::TMessage& message, bool& handled);
  // The last client of a hook is told before the window gets its procedure back.
  virtual void DoBeforeDestruction() {}

  void HookControl();
  void UnhookControl();
  void MessageHandled() { FHandled = true; }
  void SetWinControl(fw::TWinControl* control);
  fw::TWinControl* GetWinControl() const { return FWinControl; }
  fw::TCustomForm* GetForm() const;
  pg::HWND GetHandle() const;
  static pg::HWND GetHookHandle();

  void Notification(fw::TComponent* component, fw::TOperation operation) override;

protected:
  virtual void DoUnhookControl();
  bool FActive = true;
  fw::TWinControl* FWinControl = nullptr;
  TControlHook* FHook = nullptr;
  bool FHandled = false;
  // False once the component is gone: a handler may free it mid-message.
  std::shared_ptr<bool> FAlive = std::make_shared<bool>(true);
};

// The window procedure installed on one control's window, shared by every
// TTeHook that hooks that control.
class TControlHook {
public:
  explicit TControlHook(fw::TWinControl* control);
  ~TControlHook();
  TControlHook(const TControlHook&) = delete;
  TControlHook& operator=(const TControlHook&) = delete;

  fw::TWinControl* Control() const { return FControl; }
  void AddClient(TTeHook* client);
  void RemoveClient(TTeHook* client);
  bool HasClients() const { return !FClients.empty(); }
  TTeHook* LastClient() const { return FLastClient; }
  const std::vector<TTeHook*>& Clients() const { return FClients; }
  // Makes sure the control has a window and puts this hook's procedure on it.
  void Install();
  // Gives the window its remembered procedure back when ours is still on it.
  void Restore();
  // The control went away; nothing of it may be touched again.
  void ControlGone();
  bool Busy() const { return FDepth > 0; }

  static pg::LRESULT HookProc(pg::HWND hwnd, pg::UINT msg, pg::WPARAM wParam, pg::LPARAM lParam);

private:
  pg::LRESULT WindowProc(pg::HWND hwnd, pg::UINT msg, pg::WPARAM wParam, pg::LPARAM lParam);
  bool ControlDestroying() const;

  fw::TWinControl* FControl;
  std::vector<TTeHook*> FClients;
  pg::HWND FHandle = nullptr;
  pg::WNDPROC FOldProc = nullptr;
  TTeHook* FLastClient = nullptr;
  bool FClosing = false;
  int FDepth = 0;
};

// Every control hook of the process, and the hidden window that runs their
// deferred re-installation and release.
class THookList {
public:
  static THookList& Instance();
  ~THookList();

  TControlHook* Find(const fw::TWinControl* control) const;
  TControlHook* Obtain(fw::TWinControl* control);
  // Frees the hook now when nothing runs in it, else once its messages return.
  void Release(TControlHook* hook);
  // One in every window-system session; none while no window system runs.
  pg::HWND UtilityWindow();
  bool Contains(const TControlHook* hook) const;

private:
  THookList();
  std::optional<pg::LRESULT> UtilityMessage(pg::UINT msg, pg::LPARAM lParam);
  std::vector<std::unique_ptr<TControlHook>> FHooks;
  pg::MessageWindow FWindow;
};

}  // namespace z5t8::skin::controls
