// Where the frame's parts are: its bounds and origin, the caption band, the
// client area, the rectangles of each window state, its region, and which
// part a point is over.

#include "skin/controls/frame/DefaultForm.h"

#include <algorithm>

#include "platform/gui/SystemMetrics.h"
#include "skin/controls/frame/FrameParts.h"
#include "skin/render/WindowUtils.h"

namespace z5t8::skin::controls {

using namespace theme;
using namespace frame;

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

}  // namespace z5t8::skin::controls
