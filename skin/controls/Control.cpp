#include "skin/controls/Control.h"

#include "framework/Properties.h"
#include "framework/gui/ColorMap.h"
#include "platform/gui/MessageQueue.h"
#include "platform/gui/Paint.h"
#include "platform/gui/SystemMetrics.h"
#include "platform/gui/Window.h"
#include "platform/gui/WindowStyles.h"
#include "skin/controls/ControlTheme.h"
#include "skin/controls/ScrollBar.h"
#include "skin/controls/SharedBuffer.h"
#include "skin/render/CanvasDrawing.h"

namespace z5t8::skin::controls {

using namespace framework;
namespace pg = platform::gui;

namespace {

// The unit's background procedures are there before any control: a parent's
// background is painted the same way whether or not a skinned control was made.
[[maybe_unused]] const bool backgroundsRegistered = (RegisterControlBackgrounds(), true);

}  // namespace

TTeBevelColors BevelColors(TTeBevelCut cut, bool outer) {
  switch (cut) {
    case kbvLowered:
      return outer ? TTeBevelColors{clBtnShadow, clBtnHighlight} : TTeBevelColors{cl3DDkShadow, clBtnFace};
    case kbvRaised:
      return outer ? TTeBevelColors{clBtnHighlight, cl3DDkShadow} : TTeBevelColors{clBtnShadow, clBtnShadow};
    case kbvSpace:
      return {clBtnFace, clBtnFace};
    case kbvBorder:
      return outer ? TTeBevelColors{cl3DDkShadow, cl3DDkShadow} : TTeBevelColors{clWindow, clWindow};
    case kbvFlatBorder:
      return outer ? TTeBevelColors{clBtnShadow, clBtnShadow} : TTeBevelColors{clBtnFace, clBtnFace};
    case kbvNone:
      break;
  }
  return {clNone, clNone};
}

TTeBevelCut BevelCutOfKind(TTeBevelKind kind) {
  switch (kind) {
    case kbkSingle:
    case kbkTile:
    case kbkSoft:
      return kbvLowered;
    case kbkBorder:
      return kbvBorder;
    case kbkFlat:
      return kbvFlatBorder;
    case kbkNone:
      break;
  }
  return kbvNone;
}

// TTeControl

Z5T8_IMPLEMENT_CLASS(TTeControl, TCustomControl) {
  p.Enum("Performance", PerformanceInfo, &TTeControl::Performance, &TTeControl::SetPerformance)
      .Default(zqpNoBuffer);
  p.Event("OnMouseEnter", &TTeControl::OnMouseEnter);
  p.Event("OnMouseLeave", &TTeControl::OnMouseLeave);
  p.Message(pg::WM_PAINT, &TTeControl::WMPaint);
  p.Message(CM_MOUSEENTER, &TTeControl::CMMouseEnter);
  p.Message(CM_MOUSELEAVE, &TTeControl::CMMouseLeave);
  p.Message(CM_VISIBLECHANGED, &TTeControl::CMVisibleChanged);
  p.Message(pg::WM_ERASEBKGND, &TTeControl::WMEraseBkgnd);
  p.Message(pg::WM_WINDOWPOSCHANGING, &TTeControl::WMWindowPosChanging);
  p.Message(CM_ENTER, &TTeControl::CMEnter);
  p.Message(CM_EXIT, &TTeControl::CMExit);
  p.Message(pg::WM_THEMECHANGED, &TTeControl::WMThemeChanged);
}

TTeControl::TTeControl(TComponent* owner) : TCustomControl(owner), FPaintFont(std::make_unique<TFont>()) {
  ControlStyle().Include(csOpaque);
  SetParentColor(false);
  SetColor(clBtnFace);
  SetBounds(0, 0, 100, 30);
}

TTeControl::~TTeControl() {
  *FAlive = false;
  Destroying();
  DestroyHandle();
  FreeScrollBars();
}

void TTeControl::CreateParams(TCreateParams& params) {
  TCustomControl::CreateParams(params);
  params.Style &= ~(pg::WS_HSCROLL | pg::WS_VSCROLL);
}

void TTeControl::CreateWnd() {
  TCustomControl::CreateWnd();
  if (Parent()) InitScrollBars();
}

void TTeControl::Loaded() {
  TCustomControl::Loaded();
  UpdateScrollBars();
}

// Properties

void TTeControl::SetPerformance(TTePerformance value) {
  if (value == FPerformance) return;
  FPerformance = value;
  Invalidate();
}

void TTeControl::SetScrollBars(TScrollStyle value) {
  if (value == FScrollBars) return;
  FScrollBars = value;
  if (HandleAllocated())
    RecreateWnd();
  else if (Parent())
    InitScrollBars();
}

void TTeControl::SetBorderWidth(int value) {
  if (value == FBorderWidth) return;
  FBorderWidth = value;
  BorderChanged();
  Invalidate();
}

void TTeControl::SetBevelInner(TTeBevelCut value) {
  if (value == FBevelInner) return;
  FBevelKind = kbkNone;
  FBevelInner = value;
  BorderChanged();
  Invalidate();
}

void TTeControl::SetBevelOuter(TTeBevelCut value) {
  if (value == FBevelOuter) return;
  FBevelKind = kbkNone;
  FBevelOuter = value;
  BorderChanged();
  Invalidate();
}

void TTeControl::SetBevelSides(TTeBevelSides value) {
  if (value == FBevelSides) return;
  FBevelSides = value;
  BorderChanged();
  Invalidate();
}

void TTeControl::SetBevelKind(TTeBevelKind value) {
  if (value == FBevelKind) return;
  FBevelKind = value;
  if (value != kbkNone) FBevelInner = FBevelOuter = BevelCutOfKind(value);
  BorderChanged();
  Invalidate();
}

void TTeControl::SetBevelWidth(int value) {
  if (value == FBevelWidth) return;
  FBevelWidth = value;
  BorderChanged();
  Invalidate();
}

// Geometry

TRect TTeControl::GetBorderRect() const {
  TRect r = Rect(0, 0, FCachedWidth, FCachedHeight).inflate(-FBorderWidth, -FBorderWidth);
  int bevels = (FBevelInner != kbvNone ? 1 : 0) + (FBevelOuter != kbvNone ? 1 : 0);
  int d = FBevelWidth * bevels;
  if (FBevelSides.Contains(kbsLeft)) r.left += d;
  if (FBevelSides.Contains(kbsTop)) r.top += d;
  if (FBevelSides.Contains(kbsRight)) r.right -= d;
  if (FBevelSides.Contains(kbsBottom)) r.bottom -= d;
  return r;
}

TRect TTeControl::GetClientRect() const {
  TRect r = GetBorderRect();
  if (FVertScrollBar) r.right -= FVertScrollBar->Width();
  if (FHorzScrollBar) r.bottom -= FHorzScrollBar->Height();
  return r;
}

int TTeControl::GetScrollBarHeight() const { return pg::GetSystemMetrics(pg::SM_CYVTHUMB); }

TTeScrollBar* TTeControl::CreateScrollBar() { return new TTeScrollBar(this); }

void TTeControl::SetBounds(int left, int top, int width, int height) {
  TCustomControl::SetBounds(left, top, width, height);
  FCachedWidth = width;
  FCachedHeight = height;
  UpdateScrollBars();
}

void TTeControl::WMWindowPosChanging(TMessage& message) {
  auto* pos = reinterpret_cast<pg::WINDOWPOS*>(message.LParam);
  if (pos && !(pos->flags & pg::SWP_NOSIZE)) {
    FCachedWidth = pos->cx;
    FCachedHeight = pos->cy;
    UpdateScrollBars();
  }
  InheritedMessage(StaticClass(), message);
}

// Own scroll bars

void TTeControl::FreeScrollBars() {
  delete FHorzScrollBar;
  FHorzScrollBar = nullptr;
  delete FVertScrollBar;
  FVertScrollBar = nullptr;
}

void TTeControl::InitScrollBars() {
  FreeScrollBars();
  using framework::ssBoth;
  if (FScrollBars == framework::ssHorizontal || FScrollBars == ssBoth) {
    TTeScrollBar* bar = CreateScrollBar();
    bar->SetBorderWidth(0);
    bar->SetParent(this);
    bar->SetOrientation(zqoHorizontal);
    bar->SetHeight(GetScrollBarHeight());
    bar->SetVisible(true);
    bar->OnScroll = [this](TObject* sender, TTeScrollCode code, int& position) {
      DoHScroll(sender, code, position);
    };
    FHorzScrollBar = bar;
  }
  if (FScrollBars == framework::ssVertical || FScrollBars == ssBoth) {
    TTeScrollBar* bar = CreateScrollBar();
    bar->SetBorderWidth(0);
    bar->SetParent(this);
    bar->SetOrientation(zqoVertical);
    bar->SetWidth(GetScrollBarHeight());
    bar->SetVisible(true);
    bar->OnScroll = [this](TObject* sender, TTeScrollCode code, int& position) {
      DoVScroll(sender, code, position);
    };
    FVertScrollBar = bar;
  }
  UpdateScrollBars();
}

void TTeControl::UpdateScrollBars() {
  if (FCachedWidth < 0 || FCachedHeight < 0) return;
  if (!FHorzScrollBar && !FVertScrollBar) return;
  TRect r;
  if (Parent()) {
    r = GetBorderRect();
    // What the window's own frame takes, measured on the window as it is: while
    // the size changes, its client area still has the old size.
    if (HandleAllocated()) {
      TRect client, window;
      pg::GetClientRect(FHandle, &client);
      pg::GetWindowRect(FHandle, &window);
      r.right += client.width() - window.width();
      r.bottom += client.height() - window.height();
    }
  } else {
    r = Rect(0, 0, FCachedWidth, FCachedHeight);
  }
  int vertWidth = FVertScrollBar ? FVertScrollBar->Width() : 0;
  int horzHeight = FHorzScrollBar ? FHorzScrollBar->Height() : 0;
  if (FHorzScrollBar)
    FHorzScrollBar->SetBoundsRect(Rect(r.left, r.bottom - horzHeight, r.right - vertWidth, r.bottom));
  if (FVertScrollBar)
    FVertScrollBar->SetBoundsRect(Rect(r.right - vertWidth, r.top, r.right, r.bottom - horzHeight));
}

void TTeControl::DoHScroll(TObject*, TTeScrollCode code, int& position) {
  if (FScrollSuppression) return;
  Perform(pg::WM_HSCROLL, static_cast<uintptr_t>(code), position);
  position = FHorzScrollBar ? FHorzScrollBar->Position() : position;
}

void TTeControl::DoVScroll(TObject*, TTeScrollCode code, int& position) {
  if (FScrollSuppression) return;
  Perform(pg::WM_VSCROLL, static_cast<uintptr_t>(code), position);
  position = FVertScrollBar ? FVertScrollBar->Position() : position;
}

int TTeControl::GetScrollPos(int bar) const {
  TTeScrollBar* b = Bar(bar);
  return b ? b->Position() : 0;
}

bool TTeControl::GetScrollInfo(int bar, pg::SCROLLINFO& info) const {
  TTeScrollBar* b = Bar(bar);
  if (!b) {
    info.nMin = info.nMax = info.nPos = info.nTrackPos = 0;
    info.nPage = 0;
    return false;
  }
  info.nMin = b->Min();
  info.nMax = b->Max();
  info.nPage = static_cast<pg::UINT>(b->PageSize());
  info.nPos = info.nTrackPos = b->Position();
  return true;
}

void TTeControl::GetScrollRange(int bar, int& min, int& max) const {
  TTeScrollBar* b = Bar(bar);
  min = b ? b->Min() : 0;
  max = b ? b->Max() : 0;
}

void TTeControl::SetScrollPos(int bar, int pos, bool redraw) {
  if (TTeScrollBar* b = Bar(bar)) b->SetPosition(pos);
  if (redraw) Invalidate();
}

void TTeControl::SetScrollInfo(int bar, const pg::SCROLLINFO& info, bool redraw) {
  if (TTeScrollBar* b = Bar(bar)) {
    if (info.fMask & pg::SIF_RANGE) {
      // Widen first so that neither bound is clamped by the other's old value.
      b->SetMax(std::max(info.nMax, b->Max()));
      b->SetMin(info.nMin);
      b->SetMax(info.nMax);
    }
    if (info.fMask & pg::SIF_PAGE)
      b->SetPageSize(static_cast<int>(std::min<pg::UINT>(info.nPage, INT32_MAX)));
    if (info.fMask & pg::SIF_POS) b->SetPosition(info.nPos);
  }
  if (redraw) Invalidate();
}

void TTeControl::SetScrollRange(int bar, int min, int max, bool redraw) {
  pg::SCROLLINFO info;
  info.fMask = pg::SIF_RANGE;
  info.nMin = min;
  info.nMax = max;
  SetScrollInfo(bar, info, redraw);
}

// Invalidation

void TTeControl::InvalidateRect(const TRect& rect) {
  if (HandleAllocated()) pg::InvalidateRect(FHandle, &rect, false);
}

void TTeControl::InvalidateNow() {
  InvalidateRect(GetClientRect());
  pg::MSG msg;
  // Bounded, so a window that never validates cannot keep us here.
  for (int i = 0; i < 1000 && pg::PeekMessageW(&msg, nullptr, pg::WM_PAINT, pg::WM_PAINT, pg::PM_REMOVE); ++i)
    pg::DispatchMessageW(&msg);
}

void TTeControl::InvalidateBorder() {
  TRect b = GetBorderRect();
  TRect full = Rect(0, 0, FCachedWidth, FCachedHeight);
  if (b == full) return;
  InvalidateRect(Rect(0, 0, b.left, full.bottom));
  InvalidateRect(Rect(0, 0, full.right, b.top));
  InvalidateRect(Rect(b.right, 0, full.right, full.bottom));
  InvalidateRect(Rect(0, b.bottom, full.right, full.bottom));
  if (FScrollBars == framework::ssBoth) InvalidateRect(Rect(b.right - 20, b.bottom - 20, b.right, b.bottom));
}

// Painting

void TTeControl::WMPaint(TMessage& message) {
  // The pipeline paints the windowless children itself, into the buffer.
  auto* dc = reinterpret_cast<pg::DeviceContext*>(message.WParam);
  pg::PAINTSTRUCT ps;
  if (!dc) dc = pg::BeginPaint(FHandle, &ps);
  if (dc) PaintWindow(dc);
  if (!message.WParam) pg::EndPaint(FHandle, &ps);
}

void TTeControl::Paint() {
  if (Width() <= 0 || Height() <= 0 || FCachedWidth <= 0 || FCachedHeight <= 0) return;
  TCanvas* canvas = Canvas();
  TTePaintTarget target(canvas, FPerformance, FCachedWidth, FCachedHeight, true);
  FPaintFont->Assign(Font());
  pg::DeviceContext* dc = canvas->Handle();
  TRect b = GetBorderRect();
  if (FScrollBars == framework::ssBoth) {
    TRect client = GetClientRect();
    b.right = client.right;
    b.bottom = client.bottom;
  }
  dc->saveDC();
  dc->excludeClipRect(b.left, b.top, b.right, b.bottom);
  PaintBorder();
  dc->restoreDC(-1);
  dc->saveDC();
  if (FScrollBars == framework::ssBoth) {
    TRect client = GetClientRect();
    dc->intersectClipRect(client.left, client.top, client.right, client.bottom);
  }
  PaintBuffer();
  dc->restoreDC(-1);
  // The bars lie outside the client area, so they paint without its clip.
  PaintControls(dc, nullptr);
  target.CopyBack();
}

void TTeControl::PaintBorder() {
  TCanvas* canvas = Canvas();
  int w = FCachedWidth, h = FCachedHeight;
  if (FScrollBars == framework::ssBoth) render::FillRect(canvas, Rect(w - 20, h - 20, w, h), Color());
  TRect b = GetBorderRect();
  TRect r = Rect(0, 0, w, h);
  if (b == r) return;
  if (FBevelWidth > 0) {
    for (bool outer : {true, false}) {
      TTeBevelCut cut = outer ? FBevelOuter : FBevelInner;
      if (cut == kbvNone) continue;
      TTeBevelColors colors = BevelColors(cut, outer);
      for (int i = 0; i < FBevelWidth; ++i) {
        if (FBevelSides.Contains(kbsLeft))
          render::FillRect(canvas, r.left, r.top, r.left + 1, r.bottom, colors.TopLeft);
        if (FBevelSides.Contains(kbsTop))
          render::FillRect(canvas, r.left, r.top, r.right, r.top + 1, colors.TopLeft);
        if (FBevelSides.Contains(kbsRight))
          render::FillRect(canvas, r.right - 1, r.top, r.right, r.bottom, colors.BottomRight);
        if (FBevelSides.Contains(kbsBottom))
          render::FillRect(canvas, r.left, r.bottom - 1, r.right, r.bottom, colors.BottomRight);
        if (FBevelSides.Contains(kbsLeft)) ++r.left;
        if (FBevelSides.Contains(kbsTop)) ++r.top;
        if (FBevelSides.Contains(kbsRight)) --r.right;
        if (FBevelSides.Contains(kbsBottom)) --r.bottom;
      }
    }
  }
  for (int i = 0; i < FBorderWidth; ++i) {
    render::DrawRect(canvas, r, Color());
    r = r.inflate(-1, -1);
  }
}

void TTeControl::PaintBuffer() { render::FillRect(Canvas(), GetBorderRect(), Color()); }

void TTeControl::WMEraseBkgnd(TMessage& message) {
  auto* dc = reinterpret_cast<pg::DeviceContext*>(message.WParam);
  message.Result = 1;
  // The platform's own erase (second parameter 0) draws nothing: Paint covers it.
  if (!dc || message.LParam == 0) return;
  TCanvas* canvas = Canvas();
  canvas->Lock();
  pg::DeviceContext* old = canvas->HandleAllocated() ? canvas->Handle() : nullptr;
  struct Restore {
    TCanvas* canvas;
    pg::DeviceContext* old;
    ~Restore() {
      canvas->SetHandle(old);
      canvas->Unlock();
    }
  } restore{canvas, old};
  canvas->SetHandle(dc);
  FPaintFont->Assign(Font());
  dc->saveDC();
  PaintBorder();
  if (FScrollBars == framework::ssBoth) {
    TRect client = GetClientRect();
    dc->intersectClipRect(client.left, client.top, client.right, client.bottom);
  }
  PaintBuffer();
  dc->restoreDC(-1);
}

// Hover and focus

void TTeControl::CMMouseEnter(TMessage& message) {
  InheritedMessage(StaticClass(), message);
  MouseEnter();
}

void TTeControl::CMMouseLeave(TMessage& message) {
  InheritedMessage(StaticClass(), message);
  MouseLeave();
}

void TTeControl::MouseEnter() {
  FHot = true;
  OnMouseEnter(this);
}

void TTeControl::MouseLeave() {
  FHot = false;
  OnMouseLeave(this);
}

void TTeControl::HasFocus() {
  FFocused = true;
  Invalidate();
}

void TTeControl::KillFocus() {
  FFocused = false;
  Invalidate();
}

void TTeControl::CMEnter(TMessage& message) {
  HasFocus();
  InheritedMessage(StaticClass(), message);
}

void TTeControl::CMExit(TMessage& message) {
  KillFocus();
  InheritedMessage(StaticClass(), message);
}

void TTeControl::CMVisibleChanged(TMessage& message) {
  InheritedMessage(StaticClass(), message);
  if (!Visible()) FFocused = false;
}

void TTeControl::WMThemeChanged(TMessage& message) {
  Invalidate();
  DefaultHandler(message);
}

// TTeGraphicControl

Z5T8_IMPLEMENT_CLASS(TTeGraphicControl, TGraphicControl) {
  p.Enum("Performance", PerformanceInfo, &TTeGraphicControl::Performance, &TTeGraphicControl::SetPerformance)
      .Default(zqpNoBuffer);
  p.Event("OnMouseEnter", &TTeGraphicControl::OnMouseEnter);
  p.Event("OnMouseLeave", &TTeGraphicControl::OnMouseLeave);
  p.Message(CM_MOUSEENTER, &TTeGraphicControl::CMMouseEnter);
  p.Message(CM_MOUSELEAVE, &TTeGraphicControl::CMMouseLeave);
}

TTeGraphicControl::TTeGraphicControl(TComponent* owner)
    : TGraphicControl(owner), FPaintFont(std::make_unique<TFont>()) {
  ControlStyle().Include(csOpaque);
  SetParentColor(false);
  SetColor(clBtnFace);
  SetBounds(0, 0, 100, 30);
}

TTeGraphicControl::~TTeGraphicControl() { *FAlive = false; }

void TTeGraphicControl::SetPerformance(TTePerformance value) {
  if (value == FPerformance) return;
  FPerformance = value;
  Invalidate();
}

void TTeGraphicControl::Loaded() {
  TGraphicControl::Loaded();
  Invalidate();
}

void TTeGraphicControl::Paint() {
  if (Width() <= 0 || Height() <= 0) return;
  TCanvas* canvas = Canvas();
  canvas->Lock();
  struct Unlock {
    TCanvas* canvas;
    ~Unlock() { canvas->Unlock(); }
  } unlock{canvas};
  TTePaintTarget target(canvas, FPerformance, Width(), Height(), false);
  FPaintFont->Assign(Font());
  PaintBuffer();
  target.CopyBack();
}

void TTeGraphicControl::PaintBuffer() { render::FillRect(Canvas(), GetClientRect(), Color()); }

void TTeGraphicControl::CMMouseEnter(TMessage& message) {
  InheritedMessage(StaticClass(), message);
  MouseEnter();
}

void TTeGraphicControl::CMMouseLeave(TMessage& message) {
  InheritedMessage(StaticClass(), message);
  MouseLeave();
}

void TTeGraphicControl::MouseEnter() {
  FHot = true;
  OnMouseEnter(this);
}

void TTeGraphicControl::MouseLeave() {
  FHot = false;
  OnMouseLeave(this);
}

}  // namespace z5t8::skin::controls
