// The window states: maximize, minimize, roll-up, restore and close, the
// system commands and private messages that ask for them, and the
// application-wide minimize and restore a main frame follows.

#include "skin/controls/frame/DefaultForm.h"

#include <algorithm>

#include "framework/gui/Application.h"
#include "platform/gui/Input.h"
#include "platform/gui/MessageQueue.h"
#include "skin/controls/frame/FrameParts.h"

namespace z5t8::skin::controls {

using namespace theme;
using namespace frame;

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
