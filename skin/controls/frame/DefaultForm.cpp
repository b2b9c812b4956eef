#include "skin/controls/frame/DefaultForm.h"

#include <algorithm>
#include <array>

#include "framework/Properties.h"
#include "framework/gui/Application.h"
#include "platform/gui/FrameControls.h"
#include "skin/controls/SharedBuffer.h"
#include "platform/gui/MessageQueue.h"
#include "platform/gui/Paint.h"
#include "platform/gui/SystemMetrics.h"
#include "platform/gui/Backend.h"
#include "platform/gui/SystemParameters.h"
#include "skin/render/CanvasDrawing.h"
#include "skin/render/SystemQueries.h"
#include "skin/render/WindowUtils.h"

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

bool PtIn(const TRect& r, int x, int y) { return x >= r.left && x < r.right && y >= r.top && y < r.bottom; }

bool IsEmpty(const TRect& r) { return r.right <= r.left || r.bottom <= r.top; }

}  // namespace

// --- Unit functions ------------------------------------------------------------

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

TteWindowButtons WindowButtons(const TTeDefaultForm* frame) {
  TteWindowButtons set;
  if (frame->BorderStyle() == kbsNone || frame->BorderStyle() == kbsBorder) return set;
  for (int c = kwbSysMenu; c <= kwbCustom; ++c) set.Include(TteWindowButtonClass(c));
  TTeBorderIcons icons = frame->BorderIcons();
  auto drop = [&](TTeBorderIcon icon, std::initializer_list<TteWindowButtonClass> classes) {
    if (!icons.Contains(icon))
      for (auto c : classes) set.Exclude(c);
  };
  drop(kbiSystemMenu, {kwbSysMenu});
  drop(kbiClose, {kwbClose});
  drop(kbiMaximize, {kwbMax, kwbMaxRestore});
  drop(kbiMinimize, {kwbMin, kwbMinRestore});
  drop(kbiTray, {kwbTray});
  drop(kbiRollup, {kwbRoll, kwbRollRestore});
  drop(kbiHelp, {kwbHelp});
  switch (frame->WindowState()) {
    case kwsNormal:
      set = set - TteWindowButtons{kwbMinRestore, kwbMaxRestore, kwbRollRestore};
      break;
    case kwsMaximized:
      set = set - TteWindowButtons{kwbMinRestore, kwbMax, kwbRollRestore};
      break;
    case kwsMinimized:
      set = set - TteWindowButtons{kwbMin, kwbMaxRestore, kwbRollRestore};
      break;
    case kwsRollup:
      set = set - TteWindowButtons{kwbMinRestore, kwbRoll};
      break;
    case kwsTray:
      break;
  }
  return set;
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

// --- Construction --------------------------------------------------------------

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

// --- Properties ------------------------------------------------------------------

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

// --- Geometry ----------------------------------------------------------------------

int TTeDefaultForm::ShadowSize() const {
  return FShadow->Enabled() && FWindowState != kwsMaximized ? FShadow->Size() : 0;
}

TRect TTeDefaultForm::FormBounds() const {
  if (auto* control = GetWinControl()) return control->BoundsRect();
  return {};
}

TRect TTeDefaultForm::BoundsToRemember() const {
  pg::HWND h = GetHandle();
  if (h && pg::IsIconic(h) && FLastShownBounds.width() > 0) return FLastShownBounds;
  return FormBounds();
}

TPoint TTeDefaultForm::WindowOrigin() const {
  fw::TWinControl* control = GetWinControl();
  if (!control) return {0, 0};
  if (control->Parent()) return control->Parent()->ClientToScreen({control->Left(), control->Top()});
  return {control->Left(), control->Top()};
}

TPoint TTeDefaultForm::ScreenToWindow(TPoint screen) const {
  TPoint o = WindowOrigin();
  return {screen.x - o.x, screen.y - o.y};
}

TPoint TTeDefaultForm::ClientToWindow(TPoint client) const {
  fw::TWinControl* control = GetWinControl();
  return control ? ScreenToWindow(control->ClientToScreen(client)) : client;
}

TRect TTeDefaultForm::ScreenBounds() const {
  TPoint o = WindowOrigin();
  return {o.x, o.y, o.x + FWindowWidth, o.y + FWindowHeight};
}

void TTeDefaultForm::TakeBackground(const TRect& target) {
  pg::HWND h = GetHandle();
  fw::TWinControl* control = GetWinControl();
  bool topLevel = control && !control->Parent();
  std::optional<TRect> current;
  if (h && pg::IsWindowVisible(h) && !pg::IsIconic(h)) current = ScreenBounds();
  FEffects->TakeBackground(target, topLevel ? h : nullptr, current);
}

void TTeDefaultForm::SyncFrameSize() {
  TRect b = FormBounds();
  FWindowWidth = b.width();
  FWindowHeight = b.height();
  int s = ShadowSize();
  FFrameWidth = FWindowWidth - s;
  FFrameHeight = FWindowHeight - s;
}

int TTeDefaultForm::CaptionHeight() const {
  switch (FBorderStyle) {
    case kbsStandard:
    case kbsDialog:
      return FCaptionHeight;
    case kbsToolWindow:
      return FToolCaptionHeight;
    default:
      return 0;
  }
}

TRect TTeDefaultForm::GetClientBounds() {
  TRect r{0, 0, FFrameWidth, FFrameHeight};
  if (FBorderStyle == kbsNone || FBorderStyle == kbsBorder) return r;
  r = {r.left + FBorderWidth, r.top + FBorderWidth, r.right - FBorderWidth, r.bottom - FBorderWidth};
  r.top += CaptionHeight();
  r.right = std::max(r.right, r.left);
  r.bottom = std::max(r.bottom, r.top);
  return r;
}

TRect TTeDefaultForm::GetClientRect() {
  TRect r = GetClientBounds();
  return {0, 0, r.width(), r.height()};
}

TPoint TTeDefaultForm::GetMinTrackSize() {
  TPoint p{140, FFrameHeight - GetClientBounds().height()};
  if (FConstraints->MinWidth()) p.x = FConstraints->MinWidth();
  if (FConstraints->MinHeight()) p.y = FConstraints->MinHeight();
  return p;
}

TPoint TTeDefaultForm::GetMaxTrackSize() {
  TRect m = GetMaximizedRect();
  TPoint p{m.width(), m.height()};
  if (FConstraints->MaxWidth()) p.x = FConstraints->MaxWidth();
  if (FConstraints->MaxHeight()) p.y = FConstraints->MaxHeight();
  return p;
}

TRect TTeDefaultForm::GetMaximizedRect() {
  TRect r;
  render::GetRectOfMonitorContainingWindow(GetHandle(), !FStayOnTop, r);
  if (!Themed()) {
    int d = GetClientBounds().left;
    r = {r.left - d, r.top - d, r.right + d, r.bottom + d};
  }
  return r;
}

TRect TTeDefaultForm::GetMinimizedRect() {
  int h = FFrameHeight - GetClientBounds().height();
  int w = pg::GetSystemMetrics(pg::SM_CXMINIMIZED);
  TRect area;
  fw::TWinControl* control = GetWinControl();
  if (control && control->Parent())
    area = control->Parent()->ClientRect();
  else
    render::GetRectOfMonitorContainingWindow(GetHandle(), !FStayOnTop, area);
  return {area.left, area.bottom - h, area.left + w, area.bottom};
}

TRect TTeDefaultForm::GetRollupRect() {
  TRect b = FormBounds();
  int h = FFrameHeight - GetClientBounds().height();
  return {b.left, b.top, b.left + FFrameWidth, b.top + h};
}

TRect TTeDefaultForm::GetGripperRect() { return {}; }

std::optional<pg::Region> TTeDefaultForm::GetRegion() {
  return pg::Region(TRect{0, 0, FFrameWidth, FFrameHeight});
}

void TTeDefaultForm::ChangeSize() {
  pg::HWND h = GetHandle();
  if (FPerformance == zqfpPersistentBuffer && FPersistentBuffer)
    FPersistentBuffer->SetSize(std::max(FWindowWidth, 1), std::max(FWindowHeight, 1));
  DisableDrawing();
  std::optional<pg::Region> region = GetRegion();
  FEffects->SetFrameRegion(region);
  if (region && ShadowSize() > 0) {
    pg::Region moved = *region;
    moved.offset(ShadowSize(), ShadowSize());
    *region = pg::Region::combined(*region, moved, pg::RGN_OR);
  }
  if (h) pg::SetWindowRgn(h, region ? &*region : nullptr, pg::TRUE);
  EnableDrawing();
  OnResize(this);
}

TRect TTeDefaultForm::UnthemedCaptionButtonRect(TTeBorderIcon icon) {
  if (!FBorderIcons.Contains(icon) || FBorderStyle == kbsNone || FBorderStyle == kbsBorder) return {};
  TRect cb = GetClientBounds();
  TRect band{cb.left, FBorderWidth + 1, cb.right, cb.top};
  int bh = band.height();
  if (bh <= 4) return {};
  if (icon == kbiSystemMenu) return {band.left, band.top, band.left + bh, band.bottom};
  bool themes = render::UseThemes();
  int w = themes ? bh - 4 : bh - 2;
  int hgt = bh - 4;
  int top = band.top + 2;
  int right = band.right - 2;
  bool minimized = FWindowState == kwsMinimized;
  bool blankRest = false;
  auto place = [&](TTeBorderIcon which, bool allowed) -> std::optional<TRect> {
    if (!FBorderIcons.Contains(which) || !allowed) return std::nullopt;
    TRect r{right - w, top, right, top + hgt};
    right = r.left - 2;
    if (blankRest) r = {};
    return r;
  };
  std::optional<TRect> found;
  auto take = [&](TTeBorderIcon which, bool allowed) {
    auto r = place(which, allowed);
    if (r && which == icon) found = *r;
  };
  take(kbiClose, true);
  if (FBorderStyle != kbsToolWindow) {
    take(kbiMaximize, !minimized);
    take(kbiMinimize, true);
    for (TTeBorderIcon extra : {kbiRollup, kbiTray}) {
      if (themes && FBorderIcons.Contains(extra) && !minimized) blankRest = true;
      take(extra, !minimized);
    }
    right -= 2;
    take(kbiHelp, !minimized && FWindowState != kwsRollup);
  }
  return found.value_or(TRect{});
}

TRect TTeDefaultForm::GetCaptionButtonRect(TTeBorderIcon icon) { return UnthemedCaptionButtonRect(icon); }

TteWindowHitTest TTeDefaultForm::BorderIconPart(TTeBorderIcon icon) const {
  switch (icon) {
    case kbiClose:
      return kwhtCloseButton;
    case kbiSystemMenu:
      return kwhtSysMenu;
    case kbiMinimize:
      return kwhtMinButton;
    case kbiMaximize:
      return kwhtMaxButton;
    case kbiHelp:
      return kwhtHelpButton;
    case kbiRollup:
      return kwhtRollButton;
    case kbiTray:
      return kwhtTrayButton;
    default:
      return kwhtClient;
  }
}

TteWindowHitTest TTeDefaultForm::GetHitTest(int x, int y) {
  TRect cb = GetClientBounds();
  TteWindowHitTest r = kwhtClient;
  if (y < cb.top && x < FFrameWidth) r = kwhtCaption;
  for (TTeBorderIcon icon : {kbiSystemMenu, kbiClose, kbiMinimize, kbiMaximize, kbiHelp, kbiRollup, kbiTray})
    if (PtIn(GetCaptionButtonRect(icon), x, y)) r = BorderIconPart(icon);
  if (FWindowState == kwsMaximized || FWindowState == kwsMinimized || FWindowState == kwsRollup) return r;
  if (r == kwhtCaption || r == kwhtClient) {
    int W = FFrameWidth, H = FFrameHeight;
    if (y < cb.top - CaptionHeight() && y >= 0)
      r = x <= 19 ? kwhtTopLeft : x > W - 20 ? kwhtTopRight : kwhtTop;
    if (y >= cb.bottom && y < H) r = x <= 19 ? kwhtBottomLeft : x > W - 20 ? kwhtBottomRight : kwhtBottom;
    if (x < cb.left && x >= 0) r = y <= 19 ? kwhtTopLeft : y > H - 20 ? kwhtBottomLeft : kwhtLeft;
    if (x >= cb.right && x < W) r = y <= 19 ? kwhtTopRight : y > H - 20 ? kwhtBottomRight : kwhtRight;
  }
  if (r == kwhtClient && FDragging->Sizeable() && PtIn(GetGripperRect(), x, y)) r = kwhtBottomRight;
  return r;
}

// --- Painting ------------------------------------------------------------------------

TteWindowButtonDrawState TTeDefaultForm::ButtonDrawState(TteWindowHitTest part) const {
  if (!FFrameActive) return kwbdsInactive;
  if (FHeldButtons.Contains(fw::ssLeft) && FPressedPart == part && FHotPart == part) return kwbdsPressed;
  if (FHotPart == part && !FDragging_) return kwbdsHot;
  return kwbdsNormal;
}

void TTeDefaultForm::UpdateNonClientArea(const pg::Region*) {
  pg::HWND h = GetHandle();
  if (!h || !FDrawingEnabled || !pg::IsWindowVisible(h)) return;
  TRect cb = GetClientBounds();
  if ((cb == TRect{0, 0, FFrameWidth, FFrameHeight} && ShadowSize() == 0) || FWindowWidth < 1 ||
      FWindowHeight < 1)
    return;
  pg::DeviceContext* windowDC = FDisabledNCArea ? pg::GetDC(h) : pg::GetWindowDC(h);
  if (!windowDC) return;
  PaintBuffered(windowDC, cb, true, std::nullopt);
  pg::ReleaseDC(h, windowDC);
}

// Paints the frame (or the client area) through the buffer Performance asks
// for, then copies what was painted to `target`.
void TTeDefaultForm::PaintBuffered(pg::DeviceContext* target, const TRect& bounds, bool nonClient,
                                   const std::optional<TRect>& only) {
  std::unique_ptr<render::TteBitmap> temporary;
  render::TteBitmap* buffer = nullptr;
  int w = nonClient ? FWindowWidth : bounds.width();
  int hgt = nonClient ? FWindowHeight : bounds.height();
  switch (FPerformance) {
    case zqfpPersistentBuffer:
      if (!FPersistentBuffer) FPersistentBuffer = std::make_unique<render::TteBitmap>();
      if (FPersistentBuffer->Width() < w || FPersistentBuffer->Height() < hgt)
        FPersistentBuffer->SetSize(std::max(w, FPersistentBuffer->Width()),
                                   std::max(hgt, FPersistentBuffer->Height()));
      buffer = FPersistentBuffer.get();
      break;
    case zqfpSharedBuffer:
      if (SharedBuffer().Empty()) InitSharedBuffer();
      if (SharedBuffer().Width() >= w && SharedBuffer().Height() >= hgt) {
        buffer = &SharedBuffer();
        break;
      }
      [[fallthrough]];
    case zqfpDoubleBuffer:
      temporary = std::make_unique<render::TteBitmap>();
      temporary->SetSize(std::max(w, 1), std::max(hgt, 1));
      buffer = temporary.get();
      break;
    case zqfpNoBuffer:
      if (nonClient && HasEffects()) {
        temporary = std::make_unique<render::TteBitmap>();
        temporary->SetSize(std::max(w, 1), std::max(hgt, 1));
        buffer = temporary.get();
      }
      break;
  }
  fw::TCanvas canvas;
  canvas.Lock();
  canvas.SetHandle(buffer ? buffer->DC() : target);
  pg::DeviceContext* dc = canvas.Handle();
  dc->saveDC();
  if (nonClient) {
    bool effects = buffer && HasEffects();
    if (effects && FEffects->BackgroundRect() != ScreenBounds()) TakeBackground(ScreenBounds());
    if (effects && ShadowSize() > 0) FEffects->PaintShadow(*buffer, FFrameWidth, FFrameHeight, ShadowSize());
    dc->excludeClipRect(bounds.left, bounds.top, bounds.right, bounds.bottom);
    FIntoBuffer = buffer != nullptr;
    PaintNonClientArea(&canvas);
    FIntoBuffer = false;
    if (effects && FBlending->Enabled())
      FEffects->BlendBands(*buffer, FFrameWidth, FFrameHeight, bounds, FBlending->Value());
  } else {
    FWorkCanvas->SetHandle(dc);
    if (OnPaint && !Loading())
      OnPaint(this);
    else
      PaintClientArea();
    FWorkCanvas->SetHandle(nullptr);
  }
  dc->restoreDC(-1);
  if (buffer) {
    auto copy = [&](const TRect& r) {
      if (!IsEmpty(r))
        target->bitBlt(r.left, r.top, r.width(), r.height(), *buffer->DC(), r.left, r.top, pg::SRCCOPY);
    };
    if (only) {
      copy(*only);
    } else if (nonClient) {
      copy({0, 0, FWindowWidth, bounds.top});
      copy({0, bounds.top, bounds.left, bounds.bottom});
      copy({bounds.right, bounds.top, FWindowWidth, bounds.bottom});
      copy({0, bounds.bottom, FWindowWidth, FWindowHeight});
    } else {
      copy({0, 0, w, hgt});
    }
  }
  canvas.SetHandle(nullptr);
  canvas.Unlock();
}

void TTeDefaultForm::PaintNonClientArea(fw::TCanvas* canvas) { PaintUnthemed(canvas); }

void TTeDefaultForm::PaintUnthemed(fw::TCanvas* canvas) {
  if (FBorderStyle == kbsNone && ShadowSize() == 0) return;
  pg::DeviceContext& dc = *canvas->Handle();
  TRect cb = GetClientBounds();
  TRect whole{0, 0, FFrameWidth, FFrameHeight};
  pg::Region bands(whole);
  bands.subtract(cb);
  dc.fillRgn(bands, pg::GetSysColorBrush(pg::COLOR_BTNFACE));
  if (FDisabledNCArea) dc.fillRect(cb, pg::GetSysColorBrush(pg::COLOR_BTNFACE));
  if (FBorderStyle != kbsNone) {
    TRect edge = whole;
    pg::DrawEdge(dc, &edge, pg::EDGE_RAISED, pg::BF_RECT);
  }
  if (CaptionHeight() == 0) return;
  TRect band{cb.left, FBorderWidth, cb.right, cb.top - 1};
  if (IsEmpty(band)) return;
  if (FPerformance == zqfpNoBuffer && !FIntoBuffer) {
    // The title band goes to the screen in one piece, so it never flickers.
    render::TteBitmap title;
    title.SetSize(FFrameWidth, cb.top);
    fw::TCanvas titleCanvas;
    titleCanvas.SetHandle(title.DC());
    title.DC()->bitBlt(0, 0, FFrameWidth, cb.top, dc, 0, 0, pg::SRCCOPY);
    DrawCaption(&titleCanvas, band);
    titleCanvas.SetHandle(nullptr);
    dc.bitBlt(band.left, band.top, band.width(), band.height(), *title.DC(), band.left, band.top,
              pg::SRCCOPY);
  } else {
    DrawCaption(canvas, band);
  }
}

void TTeDefaultForm::DrawCaption(fw::TCanvas* canvas, const TRect& band) {
  pg::DeviceContext& dc = *canvas->Handle();
  fw::TColor c1 = FFrameActive ? fw::clActiveCaption : fw::clInactiveCaption;
  fw::TColor c2 = FFrameActive ? fw::clGradientActiveCaption : fw::clGradientInactiveCaption;
  render::FillGradientRect(canvas, band, c1, c2, false);
  int textLeft = band.left + 2;
  TRect sys = GetCaptionButtonRect(kbiSystemMenu);
  if (!IsEmpty(sys)) {
    if (const pg::Icon* icon = GetIconFast() ? GetIconFast() : GetIcon()) {
      int s = pg::GetSystemMetrics(pg::SM_CXSMICON);
      dc.drawIconEx(sys.left + (sys.width() - s) / 2 + 1, sys.top + (sys.height() - s) / 2, *icon, s, s);
    }
    textLeft = sys.right + 1;
  }
  int textRight = band.right - 2;
  for (TTeBorderIcon icon : {kbiClose, kbiMaximize, kbiMinimize, kbiRollup, kbiTray, kbiHelp}) {
    TRect r = GetCaptionButtonRect(icon);
    if (!IsEmpty(r)) textRight = std::min(textRight, int(r.left) - 2);
  }
  std::u16string caption = GetCaption();
  if (!caption.empty() && textRight > textLeft) {
    dc.saveDC();
    if (!FCaptionFont) RefreshMetrics();
    const std::unique_ptr<pg::Font>& font = FBorderStyle == kbsToolWindow ? FSmallCaptionFont : FCaptionFont;
    if (font) dc.selectFont(*font);
    dc.setBkMode(pg::TRANSPARENT);
    dc.setTextColor(pg::GetSysColor(FFrameActive ? pg::COLOR_CAPTIONTEXT : pg::COLOR_INACTIVECAPTIONTEXT));
    TRect tr{textLeft, band.top, textRight, band.bottom};
    std::u16string shown = render::FormatStr(dc, caption, tr.width());
    dc.drawText(shown, tr, pg::DT_LEFT | pg::DT_VCENTER | pg::DT_SINGLELINE | pg::DT_NOPREFIX);
    dc.restoreDC(-1);
  }
  for (TTeBorderIcon icon : {kbiClose, kbiMaximize, kbiMinimize, kbiRollup, kbiTray, kbiHelp}) {
    TRect r = GetCaptionButtonRect(icon);
    if (!IsEmpty(r)) DrawCaptionButton(dc, icon, r);
  }
}

void TTeDefaultForm::DrawCaptionButton(pg::DeviceContext& dc, TTeBorderIcon icon, const TRect& rect) {
  TRect r = rect;
  bool pushed = ButtonDrawState(BorderIconPart(icon)) == kwbdsPressed;
  pg::UINT state = pushed ? pg::DFCS_PUSHED : 0;
  switch (icon) {
    case kbiClose:
      pg::DrawFrameControl(dc, &r, pg::DFC_CAPTION, pg::DFCS_CAPTIONCLOSE | state);
      return;
    case kbiHelp:
      pg::DrawFrameControl(dc, &r, pg::DFC_CAPTION, pg::DFCS_CAPTIONHELP | state);
      return;
    case kbiMinimize:
      pg::DrawFrameControl(
          dc, &r, pg::DFC_CAPTION,
          (FWindowState == kwsMinimized ? pg::DFCS_CAPTIONRESTORE : pg::DFCS_CAPTIONMIN) | state);
      return;
    case kbiMaximize:
      pg::DrawFrameControl(
          dc, &r, pg::DFC_CAPTION,
          (FWindowState == kwsMaximized ? pg::DFCS_CAPTIONRESTORE : pg::DFCS_CAPTIONMAX) | state);
      return;
    default:
      break;
  }
  pg::DrawFrameControl(dc, &r, pg::DFC_BUTTON, pg::DFCS_BUTTONPUSH | state);
  int shift = pushed ? 1 : 0;
  TRect g{rect.left + 4 + shift, rect.top + 3 + shift, rect.right - 4 + shift, rect.bottom - 3 + shift};
  dc.saveDC();
  dc.selectBrush(pg::Brush::solid(0));
  dc.selectPen(pg::Pen::solid(0));
  if (icon == kbiRollup) {
    bool down = FWindowState == kwsRollup;
    int cx = (g.left + g.right) / 2;
    std::array<pg::Point, 3> tri =
        down ? std::array<pg::Point, 3>{{{g.left, g.top + 1}, {g.right - 1, g.top + 1}, {cx, g.bottom - 2}}}
             : std::array<pg::Point, 3>{
                   {{g.left, g.bottom - 2}, {g.right - 1, g.bottom - 2}, {cx, g.top + 1}}};
    dc.polygon(tri);
  } else {
    dc.ellipse(g.left + 1, g.top + 1, g.right - 1, g.bottom - 1);
  }
  dc.restoreDC(-1);
}

void TTeDefaultForm::PaintGripper(fw::TCanvas* canvas) {
  TRect r = GetGripperRect();
  if (!IsEmpty(r)) canvas->Handle()->fillRect(r, pg::GetSysColorBrush(pg::COLOR_BTNFACE));
}

void TTeDefaultForm::PaintClientArea() {
  fw::TWinControl* control = GetWinControl();
  fw::TColor color = control ? control->Color() : fw::clBtnFace;
  render::FillRect(FWorkCanvas.get(), GetClientRect(), color);
}

const pg::Icon* TTeDefaultForm::GetIcon() {
  int cx = pg::GetSystemMetrics(pg::SM_CXSMICON), cy = pg::GetSystemMetrics(pg::SM_CYSMICON);
  if (cx == 0 || cy == 0) {
    cx = pg::GetSystemMetrics(pg::SM_CXSIZE);
    cy = pg::GetSystemMetrics(pg::SM_CYSIZE);
  }
  std::optional<pg::Icon> icon;
  if (auto* form = GetForm(); form && form->Icon() && !form->Icon()->Empty())
    icon = form->Icon()->ImageAt(cx, cy);
  if (!icon && fw::Application()->Icon() && !fw::Application()->Icon()->Empty())
    icon = fw::Application()->Icon()->ImageAt(cx, cy);
  if (!icon) icon = pg::Icon::standardApplication(cx);
  FSmallIcon = std::make_unique<pg::Icon>(std::move(*icon));
  return FSmallIcon.get();
}

void TTeDefaultForm::PaintChildBackground(fw::TCanvas* canvas, const TRect& rect) {
  if (!canvas || !canvas->Handle()) return;
  FRequestedRect = rect;
  FWorkCanvas->SetHandle(canvas->Handle());
  if (OnPaint && !Loading())
    OnPaint(this);
  else
    PaintClientArea();
  FWorkCanvas->SetHandle(nullptr);
  FRequestedRect.reset();
  // With the frame inside the client area, the program may paint what lies
  // under the child over the frame's look.
  if (FDisabledNCArea && OnPaintBackground) OnPaintBackground(this, canvas->Handle(), rect);
}

void TTeDefaultForm::InvalidateNow() {
  if (fw::TWinControl* control = GetWinControl()) control->Invalidate();
  pg::MSG msg;
  while (pg::PeekMessageW(&msg, nullptr, pg::WM_PAINT, pg::WM_PAINT, pg::PM_REMOVE))
    pg::DispatchMessageW(&msg);
}

void TTeDefaultForm::InvalidateRect(const TRect& rect) {
  pg::HWND h = GetHandle();
  if (!h) return;
  TRect window{0, 0, FWindowWidth, FWindowHeight};
  TRect r{std::max(rect.left, window.left), std::max(rect.top, window.top),
          std::min(rect.right, window.right), std::min(rect.bottom, window.bottom)};
  if (IsEmpty(r)) return;
  FRequestedRect = r;
  fw::TMessage m{pg::WM_ERASEBKGND, 0, 0, 0};
  WMEraseBkgnd(m);
  FRequestedRect.reset();
}

void TTeDefaultForm::Update() {
  fw::TCustomForm* form = GetForm();
  if (!form || !GetHandle()) return;
  int cw = form->ClientWidth(), ch = form->ClientHeight();
  fw::TSizeConstraints* c = form->Constraints();
  auto loosen = [&](auto&& step) {
    bool fixed = (c->MinWidth() && c->MinWidth() == c->MaxWidth()) ||
                 (c->MinHeight() && c->MinHeight() == c->MaxHeight());
    int minW = c->MinWidth(), minH = c->MinHeight(), maxW = c->MaxWidth(), maxH = c->MaxHeight();
    if (fixed) {
      c->SetMaxWidth(0);
      c->SetMaxHeight(0);
      c->SetMinWidth(10);
      c->SetMinHeight(10);
    }
    step();
    if (fixed) {
      c->SetMinWidth(minW);
      c->SetMinHeight(minH);
      c->SetMaxWidth(maxW);
      c->SetMaxHeight(maxH);
    }
  };
  loosen([&] {
    form->SetBounds(form->Left(), form->Top(), form->Width(), form->Height() + 1);
    form->SetBounds(form->Left(), form->Top(), form->Width(), form->Height() - 1);
  });
  int dw = cw - form->ClientWidth(), dh = ch - form->ClientHeight();
  if ((cw != 0 || ch != 0) && (dw != 0 || dh != 0))
    loosen([&] { form->SetBounds(form->Left(), form->Top(), form->Width() + dw, form->Height() + dh); });
  if (pg::HWND h = GetHandle())
    pg::RedrawWindow(h, nullptr, nullptr,
                     pg::RDW_INVALIDATE | pg::RDW_ERASE | pg::RDW_FRAME | pg::RDW_ALLCHILDREN);
}

// --- Messages ---------------------------------------------------------------------------

void TTeDefaultForm::WMNCCalcSize(fw::TMessage& m) {
  MessageHandled();
  m.Result = 0;
  if (!m.WParam || !m.LParam) return;
  auto* p = reinterpret_cast<pg::NCCALCSIZE_PARAMS*>(m.LParam);
  TRect b = FDisabledNCArea ? TRect{0, 0, FWindowWidth, FWindowHeight} : GetClientBounds();
  TRect& r = p->rgrc[0];
  r = {r.left + b.left, r.top + b.top, r.right - (FWindowWidth - b.right),
       r.bottom - (FWindowHeight - b.bottom)};
  r.right = std::max(r.right, r.left);
  r.bottom = std::max(r.bottom, r.top);
  p->rgrc[1] = r;
}

void TTeDefaultForm::WMNCHitTest(fw::TMessage& m) {
  MessageHandled();
  TPoint p = ScreenToWindow(pg::lParamToPoint(m.LParam));
  int answer = pg::HTCLIENT;
  switch (GetHitTest(p.x, p.y)) {
    case kwhtCaption:
      if (FDragging->Moveable()) answer = pg::HTCAPTION;
      break;
    case kwhtLeft:
    case kwhtTop:
    case kwhtRight:
    case kwhtBottom:
    case kwhtTopLeft:
    case kwhtTopRight:
    case kwhtBottomLeft:
    case kwhtBottomRight: {
      if (!FDragging->Sizeable() || FWindowState == kwsMaximized) break;
      static const int codes[] = {0,
                                  0,
                                  pg::HTLEFT,
                                  pg::HTTOP,
                                  pg::HTRIGHT,
                                  pg::HTBOTTOM,
                                  0,
                                  pg::HTTOPLEFT,
                                  pg::HTTOPRIGHT,
                                  pg::HTBOTTOMLEFT,
                                  pg::HTBOTTOMRIGHT};
      answer = codes[GetHitTest(p.x, p.y)];
      break;
    }
    case kwhtBorder:
    case kwhtRollButton:
    case kwhtTrayButton:
    case kwhtNonClient:
      answer = pg::HTBORDER;
      break;
    case kwhtCloseButton:
      answer = pg::HTCLOSE;
      break;
    case kwhtHelpButton:
      answer = pg::HTHELP;
      break;
    case kwhtMinButton:
      answer = pg::HTMINBUTTON;
      break;
    case kwhtMaxButton:
      answer = pg::HTMAXBUTTON;
      break;
    case kwhtSysMenu:
      answer = pg::HTSYSMENU;
      break;
    default:
      break;
  }
  if (FDisabledNCArea && answer == pg::HTCLIENT) {
    fw::TWinControl* control = GetWinControl();
    TPoint c = control ? control->ScreenToClient(pg::lParamToPoint(m.LParam)) : TPoint{};
    if (!control || !control->ControlAtPos(c, false)) answer = pg::HTCAPTION;
  }
  m.Result = answer;
}

void TTeDefaultForm::WMNCPaint(fw::TMessage& m) {
  MessageHandled();
  UpdateNonClientArea();
  m.Result = 0;
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

void TTeDefaultForm::WMEraseBkgnd(fw::TMessage& m) {
  MessageHandled();
  m.Result = 1;
  pg::HWND h = GetHandle();
  if (!h || !FDrawingEnabled) return;
  auto* given = reinterpret_cast<pg::DeviceContext*>(m.WParam);
  pg::DeviceContext* dc = given ? given : pg::GetDC(h);
  if (!dc) return;
  TRect client = GetClientRect();
  dc->saveDC();
  if (FDisabledNCArea) {
    // Windowless children paint themselves over what is left.
    if (fw::TWinControl* control = GetWinControl())
      for (int i = 0; i < control->ControlCount(); ++i) {
        fw::TControl* child = control->Controls(i);
        if (child->Visible() && !dynamic_cast<fw::TWinControl*>(child)) {
          TRect r = child->BoundsRect();
          dc->excludeClipRect(r.left, r.top, r.right, r.bottom);
        }
      }
    fw::TCanvas canvas;
    canvas.SetHandle(dc);
    PaintNonClientArea(&canvas);
    canvas.SetHandle(nullptr);
    // The client area lies inside the frame drawn around it.
    TRect cb = GetClientBounds();
    dc->offsetViewportOrg(cb.left, cb.top);
  }
  PaintBuffered(dc, client, false, FRequestedRect);
  dc->restoreDC(-1);
  if (!given) pg::ReleaseDC(h, dc);
}

void TTeDefaultForm::WMPaint(fw::TMessage& m) {
  MessageHandled();
  m.Result = 0;
  if (!FFormShown) {
    FFormShown = true;
    OnFormShown(this);
  }
  fw::TWinControl* control = GetWinControl();
  pg::HWND h = GetHandle();
  if (!control || !h) return;
  auto* given = reinterpret_cast<pg::DeviceContext*>(m.WParam);
  if (given) {
    control->PaintControls(given, nullptr);
    return;
  }
  pg::PAINTSTRUCT ps;
  pg::DeviceContext* dc = pg::BeginPaint(h, &ps);
  if (dc) control->PaintControls(dc, nullptr);
  pg::EndPaint(h, &ps);
}

void TTeDefaultForm::WMWindowPosChanging(fw::TMessage& m) {
  auto* wp = reinterpret_cast<pg::WINDOWPOS*>(m.LParam);
  if (!wp) return;
  bool sizing = !(wp->flags & pg::SWP_NOSIZE);
  if (sizing || !(wp->flags & pg::SWP_NOMOVE)) {
    if (sizing) {
      TPoint maxSize = GetMaxTrackSize();
      if (maxSize.x > 0) wp->cx = std::min(wp->cx, int(maxSize.x));
      if (maxSize.y > 0) wp->cy = std::min(wp->cy, int(maxSize.y));
      if (FWindowState != kwsMinimized && FWindowState != kwsRollup) {
        TPoint minSize = GetMinTrackSize();
        wp->cx = std::max(wp->cx, int(minSize.x));
        wp->cy = std::max(wp->cy, int(minSize.y));
      }
    }
  }
  bool sizeChanged = false;
  if (sizing && !(wp->flags & pg::SWP_FRAMECHANGED) && (wp->cx != FWindowWidth || wp->cy != FWindowHeight)) {
    FWindowWidth = wp->cx;
    FWindowHeight = wp->cy;
    FFrameWidth = wp->cx - ShadowSize();
    FFrameHeight = wp->cy - ShadowSize();
    sizeChanged = true;
  }
  // A changed frame also comes after the hook returns to a window made again,
  // or after Active turns back on: the window needs its shape again then.
  bool frameChanged = wp->flags & pg::SWP_FRAMECHANGED;
  if (frameChanged) UpdateNonClientArea();
  if (HasEffects() && (sizing || !(wp->flags & pg::SWP_NOMOVE) || (wp->flags & pg::SWP_SHOWWINDOW))) {
    TRect now = ScreenBounds();
    TPoint at{now.left, now.top};
    if (!(wp->flags & pg::SWP_NOMOVE)) {
      at = {wp->x, wp->y};
      fw::TWinControl* control = GetWinControl();
      if (control && control->Parent()) at = control->Parent()->ClientToScreen(at);
    }
    int cx = sizing ? wp->cx : now.width(), cy = sizing ? wp->cy : now.height();
    TakeBackground({at.x, at.y, at.x + cx, at.y + cy});
  }
  if (sizeChanged || frameChanged) ChangeSize();
  if (HasEffects()) wp->flags |= pg::SWP_NOCOPYBITS;
}

void TTeDefaultForm::WMGetMinMaxInfo(fw::TMessage& m) {
  auto* info = reinterpret_cast<pg::MINMAXINFO*>(m.LParam);
  if (!info) return;
  MessageHandled();
  TPoint minSize = GetMinTrackSize();
  if (FWindowState == kwsMinimized) minSize.x = std::min(int(minSize.x), GetMinimizedRect().width());
  info->ptMinTrackSize = minSize;
  TPoint maxSize = GetMaxTrackSize();
  info->ptMaxTrackSize = maxSize;
  TRect maxRect = GetMaximizedRect();
  info->ptMaxSize = {maxRect.width(), maxRect.height()};
  info->ptMaxPosition = {maxRect.left, maxRect.top};
  m.Result = 0;
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

void TTeDefaultForm::CMPaintToBitmap(fw::TMessage& m) {
  MessageHandled();
  auto* dc = reinterpret_cast<pg::DeviceContext*>(m.LParam);
  if (!dc) return;
  int dx = pg::GET_X_LPARAM(pg::LPARAM(m.WParam)), dy = pg::GET_Y_LPARAM(pg::LPARAM(m.WParam));
  dc->saveDC();
  dc->offsetViewportOrg(dx, dy);
  fw::TCanvas canvas;
  canvas.SetHandle(dc);
  TRect cb = GetClientBounds();
  dc->saveDC();
  dc->excludeClipRect(cb.left, cb.top, cb.right, cb.bottom);
  PaintNonClientArea(&canvas);
  dc->restoreDC(-1);
  dc->saveDC();
  dc->intersectClipRect(cb.left, cb.top, cb.right, cb.bottom);
  dc->offsetViewportOrg(cb.left, cb.top);
  FWorkCanvas->SetHandle(dc);
  PaintClientArea();
  FWorkCanvas->SetHandle(nullptr);
  dc->restoreDC(-1);
  canvas.SetHandle(nullptr);
  dc->restoreDC(-1);
  m.Result = 1;
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
