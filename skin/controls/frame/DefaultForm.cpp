// The frame's life: its published properties, construction, loading, the
// theme it follows, and the messages that only pass on what changed.

#include "skin/controls/frame/DefaultForm.h"

#include <algorithm>

#include "framework/Properties.h"
#include "framework/gui/Application.h"
#include "platform/gui/Backend.h"
#include "platform/gui/MessageQueue.h"
#include "platform/gui/Paint.h"
#include "platform/gui/SystemMetrics.h"
#include "platform/gui/SystemParameters.h"

namespace z5t8::skin::controls {

using namespace theme;

namespace {

const std::string_view BorderStyleNames[] = {"kbsNone", "kbsBorder", "kbsStandard", "kbsDialog",
                                             "kbsToolWindow"};
const fw::TEnumInfo BorderStyleInfo{"TTeBorderStyle", BorderStyleNames};
const std::string_view BorderIconNames[] = {"kbiClose",    "kbiSystemMenu", "kbiMinimize",
                                            "kbiMaximize", "kbiHelp",       "kbiRollup",
                                            "kbiTray",     "kbiTop",        "kbiCustom"};
const fw::TEnumInfo BorderIconInfo{"TTeBorderIcon", BorderIconNames};
const std::string_view WindowStateNames[] = {"kwsNormal", "kwsMaximized", "kwsMinimized", "kwsRollup",
                                             "kwsTray"};
const fw::TEnumInfo WindowStateInfo{"TTeWindowState", WindowStateNames};
const std::string_view PerformanceNames[] = {"zqfpNoBuffer", "zqfpSharedBuffer", "zqfpPersistentBuffer",
                                             "zqfpDoubleBuffer"};
const fw::TEnumInfo FormPerformanceInfo{"TTeFormPerformance", PerformanceNames};

constexpr TTeBorderIcons DefaultBorderIcons{kbiClose,    kbiSystemMenu, kbiMinimize,
                                            kbiMaximize, kbiRollup,     kbiTray};

}  // namespace

TteWindowSubclass WindowSubclass(const TTeDefaultForm* frame) {
  switch (frame->BorderStyle()) {
    case kbsNone:
      return kwscNoBorder;
    case kbsBorder:
      return kwscBorder;
    case kbsDialog:
      return kwscDialog;
    case kbsToolWindow:
      return kwscToolWindow;
    case kbsStandard:
    default:
      return kwscStandard;
  }
}

TteWindowDrawStates WindowStates(const TTeDefaultForm* frame) {
  return frame->IsFrameActive() ? TteWindowDrawStates{kwdsActive} : TteWindowDrawStates{};
}

TTeDefaultForm* FrameOfWindow(pg::HWND window) {
  fw::TWinControl* control = fw::TWinControl::FindControl(window);
  if (!control) return nullptr;
  TControlHook* hook = THookList::Instance().Find(control);
  if (!hook) return nullptr;
  for (TTeHook* client : hook->Clients())
    if (auto* frame = dynamic_cast<TTeDefaultForm*>(client); frame && frame->Active()) return frame;
  return nullptr;
}

Z5T8_IMPLEMENT_CLASS(TTeDefaultForm, TTeHook) {
  p.Object("Animation", &TTeDefaultForm::Animation);
  p.Object("Blending", &TTeDefaultForm::Blending);
  p.Set("BorderIcons", BorderIconInfo, &TTeDefaultForm::BorderIcons, &TTeDefaultForm::SetBorderIcons)
      .Default(DefaultBorderIcons.Bits());
  p.Enum("BorderStyle", BorderStyleInfo, &TTeDefaultForm::BorderStyle, &TTeDefaultForm::SetBorderStyle)
      .Default(kbsStandard);
  p.WideString("Caption", &TTeDefaultForm::GetCaption, &TTeDefaultForm::SetCaption).Stored(false);
  p.Object("Dragging", &TTeDefaultForm::Dragging);
  p.Object("Gravitation", &TTeDefaultForm::Gravitation);
  p.Object("Constraints", &TTeDefaultForm::Constraints);
  p.Object("SystemMenuOptions", &TTeDefaultForm::SystemMenuOptions);
  p.Object("TrayMenuOptions", &TTeDefaultForm::TrayMenuOptions);
  p.Component("SystemMenuLink", &TTeDefaultForm::SystemMenuLink, &TTeDefaultForm::SetSystemMenuLink);
  p.Component("TrayMenuLink", &TTeDefaultForm::TrayMenuLink, &TTeDefaultForm::SetTrayMenuLink);
  p.Boolean("SystemMenuLinkMerge", &TTeDefaultForm::SystemMenuLinkMerge,
            &TTeDefaultForm::SetSystemMenuLinkMerge)
      .Default(0);
  p.Boolean("SystemMenuLinkMergeAtFirst", &TTeDefaultForm::SystemMenuLinkMergeAtFirst,
            &TTeDefaultForm::SetSystemMenuLinkMergeAtFirst)
      .Default(0);
  p.Boolean("MinimizeApplication", &TTeDefaultForm::MinimizeApplication,
            &TTeDefaultForm::SetMinimizeApplication)
      .Default(1);
  p.Enum("Performance", FormPerformanceInfo, &TTeDefaultForm::Performance, &TTeDefaultForm::SetPerformance)
      .Default(zqfpNoBuffer);
  p.Object("Shadow", &TTeDefaultForm::Shadow);
  p.Boolean("StayOnTop", &TTeDefaultForm::StayOnTop, &TTeDefaultForm::SetStayOnTop).Default(0);
  p.Boolean("StretchBackground", &TTeDefaultForm::StretchBackground, &TTeDefaultForm::SetStretchBackground)
      .Default(0);
  p.Enum("WindowState", WindowStateInfo, &TTeDefaultForm::WindowState, &TTeDefaultForm::SetWindowState)
      .Default(kwsNormal);
  p.Component("MenuBar", &TTeDefaultForm::MenuBar, &TTeDefaultForm::SetMenuBar);
  p.Component("WindowMenu", &TTeDefaultForm::WindowMenu, &TTeDefaultForm::SetWindowMenu);
  p.Boolean("DisabledNCArea", &TTeDefaultForm::DisabledNCArea, &TTeDefaultForm::SetDisabledNCArea).Default(0);
  p.Event("OnFormShown", &TTeDefaultForm::OnFormShown);
  p.Event("OnCreate", &TTeDefaultForm::OnCreate);
  p.Event("OnPaint", &TTeDefaultForm::OnPaint);
  p.Event("OnClose", &TTeDefaultForm::OnClose);
  p.Event("OnMinimize", &TTeDefaultForm::OnMinimize);
  p.Event("OnMaximize", &TTeDefaultForm::OnMaximize);
  p.Event("OnRollup", &TTeDefaultForm::OnRollup);
  p.Event("OnMinToTray", &TTeDefaultForm::OnMinToTray);
  p.Event("OnResize", &TTeDefaultForm::OnResize);
  p.Event("OnPaintBackground", &TTeDefaultForm::OnPaintBackground);

  p.Message(pg::WM_NCCALCSIZE, &TTeDefaultForm::WMNCCalcSize);
  p.Message(pg::WM_NCHITTEST, &TTeDefaultForm::WMNCHitTest);
  p.Message(pg::WM_NCPAINT, &TTeDefaultForm::WMNCPaint);
  p.Message(pg::WM_NCACTIVATE, &TTeDefaultForm::WMNCActivate);
  p.Message(pg::WM_ACTIVATE, &TTeDefaultForm::WMActivate);
  p.Message(pg::WM_ERASEBKGND, &TTeDefaultForm::WMEraseBkgnd);
  p.Message(pg::WM_PAINT, &TTeDefaultForm::WMPaint);
  p.Message(pg::WM_WINDOWPOSCHANGING, &TTeDefaultForm::WMWindowPosChanging);
  p.Message(pg::WM_GETMINMAXINFO, &TTeDefaultForm::WMGetMinMaxInfo);
  p.Message(pg::WM_NCLBUTTONDOWN, &TTeDefaultForm::WMNCLButtonDown);
  p.Message(pg::WM_NCLBUTTONUP, &TTeDefaultForm::WMNCLButtonUp);
  p.Message(pg::WM_NCLBUTTONDBLCLK, &TTeDefaultForm::WMNCLButtonDblClk);
  p.Message(pg::WM_NCRBUTTONDOWN, &TTeDefaultForm::WMNCRButtonDown);
  p.Message(pg::WM_NCRBUTTONUP, &TTeDefaultForm::WMNCRButtonUp);
  p.Message(pg::WM_NCMOUSEMOVE, &TTeDefaultForm::WMNCMouseMove);
  p.Message(pg::WM_MOUSEMOVE, &TTeDefaultForm::WMMouseMove);
  p.Message(pg::WM_LBUTTONUP, &TTeDefaultForm::WMLButtonUp);
  p.Message(pg::WM_CANCELMODE, &TTeDefaultForm::WMCancelMode);
  p.Message(pg::WM_CAPTURECHANGED, &TTeDefaultForm::WMCaptureChanged);
  p.Message(pg::WM_SYSCOMMAND, &TTeDefaultForm::WMSysCommand);
  p.Message(pg::WM_ENTERMENULOOP, &TTeDefaultForm::WMEnterMenuLoop);
  p.Message(pg::WM_THEMECHANGED, &TTeDefaultForm::WMThemeChanged);
  p.Message(WM_UPDATENONCLIENTAREA, &TTeDefaultForm::WMUpdateNonClientArea);
  p.Message(WM_TEMAXIMIZE, &TTeDefaultForm::WMMaximizeMsg);
  p.Message(WM_STARTACTION, &TTeDefaultForm::WMStartAction);
  p.Message(CM_PAINTTOBITMAP, &TTeDefaultForm::CMPaintToBitmap);
}

TTeDefaultForm::TTeDefaultForm(fw::TComponent* owner)
    : TTeHook(owner),
      FAnimation(std::make_unique<TTeAnimation>()),
      FBlending(std::make_unique<TTeBlending>()),
      FShadow(std::make_unique<TTeShadow>()),
      FGravitation(std::make_unique<TTeGravitation>()),
      FDragging(std::make_unique<TTeDragging>()),
      FConstraints(std::make_unique<fw::TSizeConstraints>()),
      FSystemMenuOptions(std::make_unique<TTePopupMenuOptions>()),
      FTrayMenuOptions(std::make_unique<TTePopupMenuOptions>()),
      FBorderIcons(DefaultBorderIcons),
      FWorkCanvas(std::make_unique<fw::TCanvas>()),
      FEffects(std::make_unique<TTeFrameEffects>()) {
  RefreshMetrics();
  auto changed = [this] {
    if (!Loading() && GetHandle()) Update();
  };
  FBlending->OnChange = changed;
  FShadow->OnChange = changed;
  FConstraints->OnChange = [this] {
    if (Loading() || !GetForm()) return;
    fw::TCustomForm* form = GetForm();
    int w = std::max(form->Width(), FConstraints->MinWidth());
    int h = std::max(form->Height(), FConstraints->MinHeight());
    if (w != form->Width() || h != form->Height()) form->SetBounds(form->Left(), form->Top(), w, h);
    if (GetHandle()) Update();
  };
  if (auto* form = dynamic_cast<fw::TCustomForm*>(owner)) {
    FConstraints->Assign(form->Constraints());
    FCachedCaption = form->Caption();
    form->SetBorderIcons({fw::biMinimize, fw::biMaximize});
    form->SetBorderStyle(fw::bsSizeable);
    form->SetAutoScroll(false);
    if (fw::Application()->MainForm() == form) FMinimizeApplication = true;
  }
  FTrayWindow = std::make_unique<pg::MessageWindow>(
      [this](pg::UINT msg, pg::WPARAM, pg::LPARAM lParam) { return TrayMessage(msg, lParam); });
  if (!InState(fw::csDesigning)) {
    FHoverTimer = new fw::TTimer(this);
    FHoverTimer->SetEnabled(false);
    FHoverTimer->SetInterval(400);
    FHoverTimer->OnTimer = [this](fw::TObject* sender) { HoverTimer(sender); };
  }
  FDrawingEnabled = true;
}

TTeDefaultForm::~TTeDefaultForm() {
  *FAlive = false;
  Destroying();
  if (FHoverTimer) FHoverTimer->SetEnabled(false);
  UnchainApplicationEvents();
  if (!InState(fw::csDesigning)) RemoveTrayIcon();
  // A window that outlives its frame gets the platform's frame and no shape.
  fw::TWinControl* control = GetWinControl();
  pg::HWND h = control && !control->InState(fw::csDestroying) ? GetHandle() : nullptr;
  if (FShortCutChained && Owner() && !Owner()->InState(fw::csDestroying))
    if (auto* form = dynamic_cast<fw::TCustomForm*>(Owner())) form->OnShortCut = FPrevShortCut;
  UnhookControl();
  if (h && pg::IsWindow(h)) {
    pg::SetWindowRgn(h, nullptr, pg::TRUE);
    pg::SetWindowPos(
        h, nullptr, 0, 0, 0, 0,
        pg::SWP_NOMOVE | pg::SWP_NOSIZE | pg::SWP_NOZORDER | pg::SWP_NOACTIVATE | pg::SWP_FRAMECHANGED);
  }
  FWorkCanvas->SetHandle(nullptr);
}

void TTeDefaultForm::RefreshMetrics() {
  FBorderWidth = pg::GetSystemMetrics(pg::SM_CXFRAME);
  FCaptionHeight = pg::GetSystemMetrics(pg::SM_CYCAPTION);
  FToolCaptionHeight = pg::GetSystemMetrics(pg::SM_CYSMCAPTION);
  FButtonWidth = pg::GetSystemMetrics(pg::SM_CXSIZE);
  FButtonHeight = pg::GetSystemMetrics(pg::SM_CYSIZE);
  // The caption fonts too: a theme change may bring others.
  pg::NONCLIENTMETRICSW ncm;
  if (pg::HasBackend() && pg::SystemParametersInfoW(pg::SPI_GETNONCLIENTMETRICS, sizeof(ncm), &ncm, 0)) {
    FCaptionFont = std::make_unique<pg::Font>(ncm.lfCaptionFont);
    FSmallCaptionFont = std::make_unique<pg::Font>(ncm.lfSmCaptionFont);
  }
}

void TTeDefaultForm::Loaded() {
  TTeHook::Loaded();
  fw::TCustomForm* form = dynamic_cast<fw::TCustomForm*>(Owner());
  if (form && !InState(fw::csDesigning)) SetWinControl(form);
  if (pg::HWND h = GetHandle()) {
    SyncFrameSize();
    FCachedCaption = form ? form->Caption() : u"";
    if (FDragging->DragMode() == kfdmSystemSettings) {
      pg::BOOL full = pg::TRUE;
      pg::SystemParametersInfoW(pg::SPI_GETDRAGFULLWINDOWS, 0, &full, 0);
      FDragging->SetDragMode(full ? kfdmFullDrag : kfdmBorder);
    }
    if (!pg::GetWindow(h, pg::GW_OWNER) && form) {
      fw::TBorderIcons icons = form->BorderIcons();
      icons.Include(fw::biSystemMenu);
      form->SetBorderIcons(icons);
      // The form made a new window for its icons: hook that one now rather
      // than on the next turn of the loop, so it never shows the platform's frame.
      if (FHook) FHook->Install();
      h = GetHandle();
    }
    if (form && !FShortCutChained) {
      // The menu bar answers the form's shortcuts first.
      FPrevShortCut = form->OnShortCut;
      form->OnShortCut = [this](fw::TObject* sender, fw::TShortCut key, bool& handled) {
        ShortCut(sender, key, handled);
      };
      FShortCutChained = true;
    }
    if (!InState(fw::csDesigning)) {
      RefreshTrayRecord();
      if (FRequestedState && *FRequestedState != kwsNormal) {
        FNormalBounds = FormBounds();
        if (*FRequestedState != kwsRollup && form)
          form->SetBounds(0, pg::GetSystemMetrics(pg::SM_CYSCREEN), form->Width(), form->Height());
        pg::PostMessageW(h, WM_STARTACTION, pg::WPARAM(*FRequestedState), 0);
      } else {
        FRequestedState.reset();
        fw::TNotifyEvent saved = form ? form->OnResize : fw::TNotifyEvent();
        if (form) form->OnResize = nullptr;
        try {
          Update();
        } catch (...) {
          if (form) form->OnResize = saved;
          throw;
        }
        if (form) form->OnResize = saved;
      }
    }
  }
  OnCreate(this);
  if (FStayOnTop) SetStayOnTop(true);
  if (FHoverTimer) FHoverTimer->SetEnabled(true);
  GetIcon();
}

void TTeDefaultForm::SetActive(bool value) {
  TTeHook::SetActive(value);
  if (pg::HWND h = GetHandle()) {
    // The window gets its own frame back, or ours.
    pg::SetWindowPos(
        h, nullptr, 0, 0, 0, 0,
        pg::SWP_NOMOVE | pg::SWP_NOSIZE | pg::SWP_NOZORDER | pg::SWP_NOACTIVATE | pg::SWP_FRAMECHANGED);
    if (!value) pg::SetWindowRgn(h, nullptr, pg::TRUE);
  }
}

void TTeDefaultForm::DoBeforeDestruction() { FWorkCanvas->SetHandle(nullptr); }

void TTeDefaultForm::SetBorderIcons(TTeBorderIcons value) {
  if (value == FBorderIcons) return;
  FBorderIcons = value;
  if (!Loading() && GetHandle()) Update();
}

void TTeDefaultForm::SetBorderStyle(TTeBorderStyle value) {
  if (value == FBorderStyle) return;
  FBorderStyle = value;
  if (value == kbsDialog) FDragging->SetSizeable(false);
  if (!Loading() && GetHandle()) Update();
}

std::u16string TTeDefaultForm::GetCaption() const {
  if (auto* form = dynamic_cast<fw::TCustomForm*>(GetWinControl() ? GetWinControl() : Owner()))
    return form->Caption();
  return FCachedCaption;
}

void TTeDefaultForm::SetCaption(const std::u16string& text) {
  if (auto* form = dynamic_cast<fw::TCustomForm*>(GetWinControl() ? GetWinControl() : Owner()))
    form->SetCaption(text);
  else
    FCachedCaption = text;
  UpdateNonClientArea();
}

void TTeDefaultForm::SetStayOnTop(bool value) {
  FStayOnTop = value;
  if (Loading()) return;
  if (pg::HWND h = GetHandle())
    pg::SetWindowPos(h, value ? pg::HWND_TOPMOST : pg::HWND_NOTOPMOST, 0, 0, 0, 0,
                     pg::SWP_NOMOVE | pg::SWP_NOSIZE | pg::SWP_NOACTIVATE | pg::SWP_NOCOPYBITS);
}

void TTeDefaultForm::SetWindowState(TTeWindowState value) {
  if (Loading()) {
    FRequestedState = value;
    FWindowState = kwsNormal;
    return;
  }
  switch (value) {
    case kwsNormal:
      Restore();
      break;
    case kwsMaximized:
      Maximize();
      break;
    case kwsMinimized:
      Minimize();
      break;
    case kwsRollup:
      Rollup();
      break;
    case kwsTray:
      MinToTray();
      break;
  }
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

void TTeDefaultForm::WMNCActivate(fw::TMessage& m) {
  MessageHandled();
  FFrameActive = m.WParam != 0;
  if (FMinimizeApplication && !FAppEventsChained) ChainApplicationEvents();
  UpdateNonClientArea();
  pg::HWND h = GetHandle();
  m.Result = (!FFrameActive || !h || !pg::GetWindow(h, pg::GW_OWNER)) ? 1 : 0;
}

void TTeDefaultForm::WMActivate(fw::TMessage& m) {
  if (!FFrameActive && pg::HIWORD(m.WParam) != 0 && FWindowState != kwsMinimized) Minimize();
  UpdateNonClientArea();
}

void TTeDefaultForm::WMEnterMenuLoop(fw::TMessage&) {
  MessageHandled();
  UpdateNonClientArea();
}

void TTeDefaultForm::WMThemeChanged(fw::TMessage& m) {
  MessageHandled();
  RefreshMetrics();
  m.Result = 0;
}

void TTeDefaultForm::WMUpdateNonClientArea(fw::TMessage& m) {
  MessageHandled();
  pg::HWND h = GetHandle();
  if (h && m.WParam == 13) {
    pg::LONG_PTR style = pg::GetWindowLongPtrW(h, pg::GWL_STYLE);
    pg::SetWindowLongPtrW(h, pg::GWL_STYLE, style | pg::WS_CAPTION);
  }
  UpdateNonClientArea();
}

void TTeDefaultForm::DoAfterMessage(fw::TMessage& message, bool& handled) {
  TTeHook::DoAfterMessage(message, handled);
  pg::HWND h = GetHandle();
  if (!h) return;
  switch (message.Msg) {
    case pg::WM_SETTEXT: {
      std::u16string text = message.LParam ? reinterpret_cast<const char16_t*>(message.LParam) : u"";
      if (text == FCachedCaption) break;
      pg::LONG_PTR style = pg::GetWindowLongPtrW(h, pg::GWL_STYLE);
      pg::SetWindowLongPtrW(h, pg::GWL_STYLE, style & ~pg::LONG_PTR(pg::WS_CAPTION));
      pg::PostMessageW(h, WM_UPDATENONCLIENTAREA, 13, 0);
      FCachedCaption = text;
      int strip = CaptionHeight() + FBorderWidth - GetClientBounds().top;
      if (fw::TWinControl* control = GetWinControl())
        for (int i = 0; i < control->ControlCount(); ++i)
          if (control->Controls(i)->Top() <= strip) control->Controls(i)->Invalidate();
      if (strip > 0) {
        TRect r{0, 0, FWindowWidth, strip};
        pg::InvalidateRect(h, &r, pg::FALSE);
      }
      message.Result = 0;
      break;
    }
    case pg::WM_WINDOWPOSCHANGED: {
      if (!pg::IsIconic(h) && FWindowState == kwsNormal) FLastShownBounds = FormBounds();
      // A moved window shows another part of the screen through its effects.
      auto* wp = reinterpret_cast<const pg::WINDOWPOS*>(message.LParam);
      if (HasEffects() && wp && !(wp->flags & pg::SWP_NOMOVE)) UpdateNonClientArea();
      break;
    }
    case pg::WM_SETICON:
      GetIcon();
      UpdateNonClientArea();
      break;
    case pg::WM_NCACTIVATE:
      if (!pg::GetWindow(h, pg::GW_OWNER)) UpdateNonClientArea();
      break;
    case pg::WM_SYSCOMMAND:
      if ((message.WParam & 0xFFF0) == pg::SC_CONTEXTHELP) UpdateNonClientArea();
      break;
    default:
      break;
  }
}

}  // namespace z5t8::skin::controls
