#pragma once

#include <exception>
#include <memory>
#include <string>
#include <vector>

#include "framework/Component.h"
#include "framework/Event.h"
#include "framework/gui/Form.h"
#include "framework/gui/Icon.h"

namespace z5t8::framework {

class TControl;
class TWinControl;

using TExceptionEvent = TEvent<TObject*, const std::exception&>;

// The program's message loop, main form and process-wide input state.
class TApplication : public TComponent {
  Z5T8_CLASS(TApplication, TComponent)
public:
  explicit TApplication(TComponent* owner);
  ~TApplication() override;

  // Opens the display when none is in use (raises EInvalidOperation with the
  // reason when there is none) and registers the framework's window classes.
  void Initialize();
  // Creates a form built from its layout, owned by the application; the first
  // one becomes the main form.
  template <class T>
  void CreateForm(T*& reference) {
    reference = nullptr;
    T* form = TCustomForm::CreateForm<T>(this);
    reference = form;
    if (!FMainForm) FMainForm = form;
  }
  TCustomForm* MainForm() const { return FMainForm; }
  void SetMainForm(TCustomForm* form) { FMainForm = form; }

  // Shows the main form and handles messages until Terminate.
  void Run();
  // Handles every message that is waiting, then returns.
  void ProcessMessages();
  // Handles one message, or idles and waits for the next. False when no
  // message can ever arrive again (a display with nothing left to deliver).
  bool HandleMessage();
  void Terminate();
  bool Terminated() const { return FTerminated; }
  // Frees the forms and components the application owns, before the window
  // system goes away at the end of the program.
  void Done();
  bool Alive() const { return FAlive; }

  void ShowException(const std::exception& e);
  void HandleException(TObject* sender, const std::exception& e);
  const std::u16string& Title() const { return FTitle; }
  void SetTitle(std::u16string title) { FTitle = std::move(title); }
  TIcon* Icon() const { return FIcon.get(); }
  // Minimize the main form, or bring it back from minimized; nothing (and no
  // event) when it is already so.
  void Minimize();
  void Restore();

  TNotifyEvent OnMinimize;
  TNotifyEvent OnRestore;
  TNotifyEvent OnIdle;
  TExceptionEvent OnException;

  // Process-wide mouse state the controls share.
  TControl* CaptureControl() const { return FCaptureControl; }
  void SetCaptureControl(TControl* control);
  // The platform took the capture away: no control holds it any more.
  void ForgetCaptureControl() { FCaptureControl = nullptr; }
  // The control under the mouse changed to control; sends the leave and enter
  // notifications. False when it was already that control.
  bool MouseEntered(TControl* control);
  void MouseLeft(TWinControl* window);
  TControl* MouseControl() const { return FMouseControl; }
  void ControlDestroyed(TControl* control);
  void FormDestroyed(TCustomForm* form);
  // Frees the form when the current message is done.
  void ReleaseLater(TCustomForm* form);

private:
  bool ProcessMessage();
  bool IsKeyMsg(const platform::gui::MSG& msg);
  void Idle();
  void FreeReleased();

  TCustomForm* FMainForm = nullptr;
  bool FTerminated = false;
  bool FAlive = true;
  std::u16string FTitle;
  std::unique_ptr<TIcon> FIcon;
  TControl* FCaptureControl = nullptr;
  TControl* FMouseControl = nullptr;
  std::vector<TCustomForm*> FReleased;
};

TApplication* Application();

}  // namespace z5t8::framework
