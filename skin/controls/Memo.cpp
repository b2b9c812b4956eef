#include "skin/controls/Memo.h"

#include "framework/Properties.h"
#include "framework/gui/Bitmap.h"
#include "platform/gui/Caret.h"
#include "platform/gui/MessageQueue.h"
#include "platform/gui/Paint.h"
#include "platform/gui/Window.h"
#include "skin/render/CanvasDrawing.h"
#include "skin/theme/CustomThemeLink.h"
#include "skin/theme/Theme.h"
#include "skin/theme/ThemeInfo.h"
#include "skin/theme/ThemeManager.h"
#include "skin/theme/ThemeServices.h"

namespace z5t8::skin::controls {

using namespace framework;
using namespace theme;
namespace pg = platform::gui;

Z5T8_IMPLEMENT_CLASS(TTeMemo, TMemo) {
  p.String("ThemeObject", &TTeMemo::ThemeObject, &TTeMemo::SetThemeObject);
  p.Component("ThemeLink", &TTeMemo::ThemeLink, &TTeMemo::SetThemeLink);
  p.Message(pg::WM_ERASEBKGND, &TTeMemo::WMEraseBkgnd);
  p.Message(pg::WM_NCPAINT, &TTeMemo::WMNCPaint);
  p.Message(pg::WM_PAINT, &TTeMemo::WMPaint);
  p.Message(CN_CTLCOLOREDIT, &TTeMemo::CNCtlColor);
  p.Message(CN_CTLCOLORSTATIC, &TTeMemo::CNCtlColor);
  p.Message(CM_MOUSEENTER, &TTeMemo::CMMouseEnter);
  p.Message(CM_MOUSELEAVE, &TTeMemo::CMMouseLeave);
  p.Message(TM_THEMENOTIFY, &TTeMemo::TMThemeNotify);
}

TTeMemo::TTeMemo(TComponent* owner) : TMemo(owner) {
  FSubScrollBar = std::make_unique<TTeSubScrollBar>(this, [this](TComponent* barOwner) {
    TTeScrollBar* bar = nullptr;
    CreateScrollBar(bar, barOwner);
    return bar;
  });
  AddThemeNotification(this);
}

TTeMemo::~TTeMemo() {
  RemoveThemeNotification(this);
  FSubScrollBar->Detach();
  FSubScrollBar.reset();
  Destroying();
  DestroyHandle();
}

void TTeMemo::CreateScrollBar(TTeScrollBar*& bar, TComponent* owner) { bar = new TTeScrollBar(owner); }

void TTeMemo::SetThemeObject(const std::string& value) {
  if (value == FThemeObject) return;
  FThemeObject = value;
  Invalidate();
}

void TTeMemo::SetThemeLink(TteCustomThemeLink* value) {
  if (value == FThemeLink) return;
  if (FThemeLink) FThemeLink->RemoveFreeNotification(this);
  FThemeLink = value;
  if (FThemeLink) FThemeLink->FreeNotification(this);
  Invalidate();
}

void TTeMemo::Notification(TComponent* component, TOperation operation) {
  TMemo::Notification(component, operation);
  if (operation == opRemove && component == FThemeLink) SetThemeLink(nullptr);
}

void TTeMemo::SetParent(TWinControl* parent) {
  TMemo::SetParent(parent);
  if (FSubScrollBar && !FSubScrollBar->Closing()) FSubScrollBar->SetParent(parent);
}

void TTeMemo::WndProc(TMessage& message) {
  if (FSubScrollBar) FSubScrollBar->ControlMessage(message);
  TMemo::WndProc(message);
}

TteTheme* TTeMemo::Theme() const {
  return IsObjectDefined(kmscMemo, FThemeObject, FThemeLink) ? GetThemeLink(FThemeLink) : nullptr;
}

TteMemoDrawState TTeMemo::DrawState() const {
  if (!Enabled()) return kmdsDisabled;
  if (FHot) return kmdsHot;
  if (Focused()) return kmdsFocused;
  return kmdsNormal;
}

// Painting

void TTeMemo::PaintBuffer(TCanvas* canvas, const TRect& rect) {
  if (TteTheme* theme = Theme()) {
    // The object name only decides whether the theme draws; the look is the standard one.
    theme->MemoDraw(kmscMemo, canvas, MemoInfo(rect, DrawState()), "default");
    return;
  }
  render::FillRect(canvas, rect, Color());
}

void TTeMemo::PaintBorder(TCanvas* canvas, const TRect& rect) {
  if (TteTheme* theme = Theme()) {
    theme->MemoDraw(kmscMemo, canvas, MemoInfo(rect, DrawState()), "default");
    return;
  }
  render::FillRect(canvas, Rect(rect.right - 25, rect.bottom - 25, rect.right, rect.bottom), clBtnFace);
  render::DrawEdge(canvas, rect, clBtnShadow, clBtnHighlight);
  render::DrawEdge(canvas, rect.inflate(-1, -1), cl3DDkShadow, clBtnFace);
}

void TTeMemo::WMEraseBkgnd(TMessage& message) {
  message.Result = 1;
  auto* dc = reinterpret_cast<pg::DeviceContext*>(message.WParam);
  if (!dc) return;
  // The look's outer part falls outside the client area.
  TRect r = Rect(-2, -2, Width() + 2, Height() + 2);
  render::WithCanvas(dc, [&](TCanvas* canvas) { PaintBuffer(canvas, r); });
}

void TTeMemo::WMNCPaint(TMessage& message) {
  InheritedMessage(StaticClass(), message);
  message.Result = 0;
  if (!HandleAllocated()) return;
  TRect window;
  pg::GetWindowRect(FHandle, &window);
  TRect r = Rect(0, 0, window.width(), window.height());
  if (BorderStyle() == bsNone) r = r.inflate(2, 2);
  TRect client;
  pg::GetClientRect(FHandle, &client);
  pg::DeviceContext* dc = pg::GetWindowDC(FHandle);
  if (!dc) return;
  dc->excludeClipRect(2, 2, 2 + client.width(), 2 + client.height());
  render::WithCanvas(dc, [&](TCanvas* canvas) { PaintBorder(canvas, r); });
  pg::ReleaseDC(FHandle, dc);
}

void TTeMemo::WMPaint(TMessage& message) {
  InheritedMessage(StaticClass(), message);
  OffscreenRepaint();
}

void TTeMemo::OffscreenRepaint() {
  if (FPainting || !HandleAllocated()) return;
  FPainting = true;
  struct Done {
    bool& painting;
    pg::HWND window;
    ~Done() {
      pg::ShowCaret(window);
      painting = false;
    }
  } done{FPainting, FHandle};
  pg::HideCaret(FHandle);
  TRect client;
  pg::GetClientRect(FHandle, &client);
  int origin = BorderStyle() == bsSingle ? 2 : 0;
  // Large enough for the client area at the frame's offset.
  TBitmap bitmap;
  bitmap.SetSize(client.width() + origin + 1, client.height() + origin + 1);
  PaintTo(bitmap.DC(), 0, 0);
  pg::DeviceContext* dc = pg::GetDC(FHandle);
  if (!dc) return;
  dc->bitBlt(0, 0, client.width(), client.height(), *bitmap.DC(), origin, origin, pg::SRCCOPY);
  pg::ReleaseDC(FHandle, dc);
}

void TTeMemo::Change() {
  OffscreenRepaint();
  TMemo::Change();
}

void TTeMemo::CNCtlColor(TMessage& message) {
  InheritedMessage(StaticClass(), message);
  if (auto* dc = reinterpret_cast<pg::DeviceContext*>(message.WParam)) dc->setBkMode(pg::TRANSPARENT);
}

void TTeMemo::CMMouseEnter(TMessage& message) {
  InheritedMessage(StaticClass(), message);
  FHot = true;
}

void TTeMemo::CMMouseLeave(TMessage& message) {
  InheritedMessage(StaticClass(), message);
  FHot = false;
}

void TTeMemo::TMThemeNotify(TMessage& message) {
  if (message.WParam == tncBeforeChange || message.WParam == tncAfterChange || !HandleAllocated()) return;
  pg::SendMessageW(FHandle, pg::WM_NCPAINT, 1, 0);
  pg::InvalidateRect(FHandle, nullptr, true);
}

}  // namespace z5t8::skin::controls
