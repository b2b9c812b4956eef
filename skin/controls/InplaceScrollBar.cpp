#include "skin/controls/InplaceScrollBar.h"

#include "framework/Properties.h"
#include "platform/gui/Window.h"
#include "skin/render/WindowUtils.h"
#include "skin/theme/ThemeManager.h"

namespace z5t8::skin::controls {

using namespace framework;
namespace pg = platform::gui;

// TTeInplaceScrollBar

Z5T8_IMPLEMENT_CLASS(TTeInplaceScrollBar, TWinControl) {
  p.Message(pg::WM_ERASEBKGND, &TTeInplaceScrollBar::WMEraseBkgnd);
}

TTeInplaceScrollBar::TTeInplaceScrollBar(TComponent* owner, TWinControl* control,
                                         TTeSubScrollBar* subScrollBar, TTeScrollOrientation orientation,
                                         const TTeScrollBarFactory& factory)
    : TWinControl(owner), FControl(control), FSubScrollBar(subScrollBar), FOrientation(orientation) {
  SetAnchors({});
  FScrollBar = factory ? factory(this) : new TTeScrollBar(this);
  FScrollBar->SetBorderWidth(0);
  FScrollBar->SetOrientation(orientation);
  FScrollBar->SetParent(this);
  FScrollBar->SetAlign(alClient);
  FScrollBar->SetPerformance(zqpDoubleBuffer);
  FScrollBar->OnScroll = [this](TObject* sender, TTeScrollCode code, int& position) {
    DoScroll(sender, code, position);
  };
}

TTeInplaceScrollBar::~TTeInplaceScrollBar() {
  Destroying();
  DestroyHandle();
}

void TTeInplaceScrollBar::SetBounds(int left, int top, int width, int height) {
  if (FBoundsAllowed) TWinControl::SetBounds(left, top, width, height);
}

void TTeInplaceScrollBar::WMEraseBkgnd(TMessage& message) { message.Result = 1; }

void TTeInplaceScrollBar::ControlMessage(TMessage& message) {
  if (!FControl->HandleAllocated() || !HandleAllocated() || FControl->InState(csDestroying)) return;
  // The control's window going is no end: the control makes a new one, and
  // the bar follows that one from its first paint.
  switch (message.Msg) {
    case CM_VISIBLECHANGED:
      SetVisible(FControl->Visible());
      if (FControl->Visible()) UpdateFromControl();
      break;
    case pg::WM_PAINT:
    case pg::WM_ERASEBKGND:
    case pg::WM_HSCROLL:
    case pg::WM_VSCROLL:
    case pg::WM_CTLCOLORSCROLLBAR:
      UpdateFromControl();
      break;
    default:
      break;
  }
}

void TTeInplaceScrollBar::UpdateFromControl() {
  pg::HWND control = FControl->Handle();
  pg::SCROLLBARINFO info;
  if (!render::MyGetScrollBarInfo(control, Vertical() ? pg::OBJID_VSCROLL : pg::OBJID_HSCROLL, info) ||
      (info.rgstate[0] & pg::STATE_SYSTEM_INVISIBLE)) {
    SetVisible(false);
    return;
  }
  TRect r = info.rcScrollBar;
  if (Parent()) {
    TPoint topLeft = Parent()->ScreenToClient({r.left, r.top});
    r = Bounds(topLeft.x, topLeft.y, r.width(), r.height());
  }
  bool placed = Visible() && r == BoundsRect();
  SetVisible(true);
  FBoundsAllowed = true;
  SetBoundsRect(r);
  FBoundsAllowed = false;
  // A bar whose window was made before the control's would lie under it.
  if (!placed) BringToFront();
  pg::SCROLLINFO si;
  si.fMask = pg::SIF_ALL;
  if (!pg::GetScrollInfo(control, Vertical() ? pg::SB_VERT : pg::SB_HORZ, &si)) return;
  FScrollBar->SetEnabled(FControl->Enabled());
  FScrollBar->SetMin(si.nMin);
  FScrollBar->SetMax(si.nMax);
  FScrollBar->SetPageSize(static_cast<int>(std::min<pg::UINT>(si.nPage, INT32_MAX)));
  if (FTakePosition) FScrollBar->SetPosition(si.nPos);
  FScrollBar->Repaint();
}

void TTeInplaceScrollBar::DoScroll(TObject*, TTeScrollCode code, int& position) {
  pg::UINT msg = Vertical() ? pg::WM_VSCROLL : pg::WM_HSCROLL;
  if (code == zqcLineUp || code == zqcLineDown) {
    FControl->Perform(msg, static_cast<uintptr_t>(code), 0);
    return;
  }
  FTakePosition = false;
  struct Restore {
    bool& flag;
    ~Restore() { flag = true; }
  } restore{FTakePosition};
  FControl->Perform(msg, pg::MAKEWPARAM(static_cast<uint32_t>(code), static_cast<uint32_t>(position)), 0);
}

// TTeSubScrollBar

Z5T8_IMPLEMENT_CLASS(TTeSubScrollBar, TComponent) {}

TTeSubScrollBar::TTeSubScrollBar(TWinControl* control, const TTeScrollBarFactory& factory)
    : TComponent(nullptr), FControl(control) {
  FVertScrollBar = new TTeInplaceScrollBar(this, control, this, zqoVertical, factory);
  FHorzScrollBar = new TTeInplaceScrollBar(this, control, this, zqoHorizontal, factory);
}

TTeSubScrollBar::~TTeSubScrollBar() { Detach(); }

void TTeSubScrollBar::SetParent(TWinControl* parent) {
  for (TTeInplaceScrollBar* bar : {FVertScrollBar, FHorzScrollBar})
    if (bar) bar->SetParent(parent);
}

void TTeSubScrollBar::Detach() {
  FClosing = true;
  for (TTeInplaceScrollBar* bar : {FVertScrollBar, FHorzScrollBar})
    if (bar) {
      bar->SetClosing();
      bar->SetParent(nullptr);
    }
}

void TTeSubScrollBar::ControlMessage(TMessage& message) {
  if (FClosing || FControl->InState(csDesigning) || FControl->InState(csDestroying)) return;
  if (message.Msg == theme::TM_THEMENOTIFY || message.Msg == theme::TM_THEMELINKCHANGED) return;
  if (!FControl->HandleAllocated()) return;
  for (TTeInplaceScrollBar* bar : {FVertScrollBar, FHorzScrollBar})
    if (bar && !bar->Closing()) bar->ControlMessage(message);
  if (message.Msg == pg::WM_WINDOWPOSCHANGED) {
    auto* pos = reinterpret_cast<pg::WINDOWPOS*>(message.LParam);
    if (pos && !(pos->flags & pg::SWP_NOZORDER))
      for (TTeInplaceScrollBar* bar : {FVertScrollBar, FHorzScrollBar})
        if (bar && bar->Parent()) bar->BringToFront();
  }
}

}  // namespace z5t8::skin::controls
