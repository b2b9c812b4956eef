#include "framework/gui/Application.h"

#include <algorithm>
#include <cstdio>

#include "framework/Properties.h"
#include "framework/TextUtils.h"
#include "framework/gui/ControlCanvas.h"
#include "framework/gui/Dialogs.h"
#include "framework/gui/EditControl.h"
#include "framework/gui/Registration.h"
#include "framework/gui/WinControl.h"
#include "platform/gui/Backend.h"
#include "platform/gui/Input.h"
#include "platform/gui/MessageQueue.h"

namespace z5t8::framework {

namespace pg = platform::gui;

Z5T8_IMPLEMENT_CLASS(TApplication, TComponent) {}

TApplication::TApplication(TComponent* owner) : TComponent(owner), FIcon(std::make_unique<TIcon>()) {}

TApplication::~TApplication() { FreeReleased(); }

void TApplication::Initialize() {
  if (!pg::HasBackend()) {
    std::string error;
    if (!pg::OpenDefaultBackend(error)) throw EInvalidOperation(error);
  }
  RegisterEditClass();
  RegisterFrameworkClasses();
  FTerminated = false;
  FAlive = true;
}

void TApplication::Run() {
  if (FMainForm) FMainForm->Show();
  while (!FTerminated)
    if (!HandleMessage()) break;
}

bool TApplication::IsKeyMsg(const pg::MSG& msg) {
  if (msg.message < pg::WM_KEYFIRST || msg.message > pg::WM_KEYLAST) return false;
  for (pg::HWND h = msg.hwnd; h; h = pg::GetParent(h)) {
    if (TWinControl* control = TWinControl::FindControl(h)) {
      return control->Perform(CN_BASE + msg.message, msg.wParam, msg.lParam) != 0;
    }
    if (!(pg::GetWindowLongPtrW(h, pg::GWL_STYLE) & pg::WS_CHILD)) break;
  }
  return false;
}

bool TApplication::ProcessMessage() {
  pg::MSG msg;
  if (!pg::PeekMessageW(&msg, nullptr, 0, 0, pg::PM_REMOVE)) return false;
  if (msg.message == pg::WM_QUIT) {
    FTerminated = true;
    return true;
  }
  try {
    if (!IsKeyMsg(msg)) {
      pg::TranslateMessage(&msg);
      pg::DispatchMessageW(&msg);
    }
  } catch (const std::exception& e) {
    HandleException(this, e);
  }
  FreeReleased();
  return true;
}

void TApplication::ProcessMessages() {
  while (ProcessMessage()) {
  }
}

bool TApplication::HandleMessage() {
  if (ProcessMessage()) return true;
  Idle();
  if (!FAlive) return false;
  if (!pg::WaitMessage()) FAlive = false;
  return FAlive;
}

void TApplication::Idle() {
  TControlCanvas::FreeDeviceContexts();
  OnIdle(this);
}

void TApplication::Terminate() {
  if (FTerminated) return;
  pg::PostQuitMessage(0);
}

void TApplication::Done() {
  FreeReleased();
  DestroyComponents();
  FMainForm = nullptr;
  FCaptureControl = nullptr;
  FMouseControl = nullptr;
}

void TApplication::ShowException(const std::exception& e) {
  std::u16string text = Utf8ToUtf16(e.what());
  if (!text.empty() && text.back() != u'.') text += u'.';
  try {
    MessageBox(text, FTitle);
  } catch (const std::exception&) {
    std::fprintf(stderr, "%s\n", e.what());
  }
}

void TApplication::HandleException(TObject*, const std::exception& e) {
  if (OnException)
    OnException(this, e);
  else
    ShowException(e);
}

// The main form stands in for the application's window: its state is the
// application's, and asking for the state it is already in changes nothing and
// tells no one, so handlers that minimize or restore in turn cannot loop.
void TApplication::Minimize() {
  if (!FMainForm || !FMainForm->HandleAllocated() || pg::IsIconic(FMainForm->Handle())) return;
  pg::ShowWindow(FMainForm->Handle(), pg::SW_MINIMIZE);
  OnMinimize(this);
}

void TApplication::Restore() {
  if (!FMainForm || !FMainForm->HandleAllocated() || !pg::IsIconic(FMainForm->Handle())) return;
  pg::ShowWindow(FMainForm->Handle(), pg::SW_RESTORE);
  OnRestore(this);
}

void TApplication::SetCaptureControl(TControl* control) {
  FCaptureControl = control;
  if (!control) {
    pg::ReleaseCapture();
    return;
  }
  TWinControl* window = dynamic_cast<TWinControl*>(control);
  if (!window) window = control->Parent();
  if (window && window->HandleAllocated()) pg::SetCapture(window->Handle());
}

bool TApplication::MouseEntered(TControl* control) {
  if (control == FMouseControl) return false;
  TControl* old = FMouseControl;
  FMouseControl = control;
  if (old) old->Perform(CM_MOUSELEAVE, 0, 0);
  if (control && FMouseControl == control) control->Perform(CM_MOUSEENTER, 0, 0);
  return true;
}

void TApplication::MouseLeft(TWinControl* window) {
  if (!FMouseControl) return;
  if (FMouseControl == window ||
      (FMouseControl->Parent() == window && !dynamic_cast<TWinControl*>(FMouseControl))) {
    TControl* old = FMouseControl;
    FMouseControl = nullptr;
    old->Perform(CM_MOUSELEAVE, 0, 0);
  }
}

void TApplication::ControlDestroyed(TControl* control) {
  if (FMouseControl == control) FMouseControl = nullptr;
  if (FCaptureControl == control) FCaptureControl = nullptr;
}

void TApplication::FormDestroyed(TCustomForm* form) {
  if (FMainForm == form) FMainForm = nullptr;
  FReleased.erase(std::remove(FReleased.begin(), FReleased.end(), form), FReleased.end());
}

void TApplication::ReleaseLater(TCustomForm* form) {
  if (std::find(FReleased.begin(), FReleased.end(), form) == FReleased.end()) FReleased.push_back(form);
}

void TApplication::FreeReleased() {
  while (!FReleased.empty()) {
    TCustomForm* form = FReleased.back();
    FReleased.pop_back();
    delete form;
  }
}

TApplication* Application() {
  // Lives as long as the program, so forms it owns are never freed after the
  // window system has gone.
  static TApplication* application = new TApplication(nullptr);
  return application;
}

}  // namespace z5t8::framework
