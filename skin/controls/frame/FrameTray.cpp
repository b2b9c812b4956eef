// Minimizing the frame to the tray: its icon there, the icon's record, the
// tray's messages and the tray menu.

#include "skin/controls/frame/DefaultForm.h"

#include <algorithm>

#include "framework/gui/Application.h"
#include "platform/gui/MessageQueue.h"
#include "platform/gui/NotifyIcon.h"

namespace z5t8::skin::controls {

using namespace theme;

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

void TTeDefaultForm::SetTrayMenuLink(fw::TPopupMenu* menu) {
  if (FTrayMenuLink) FTrayMenuLink->RemoveFreeNotification(this);
  FTrayMenuLink = menu;
  if (menu) menu->FreeNotification(this);
}

}  // namespace z5t8::skin::controls
