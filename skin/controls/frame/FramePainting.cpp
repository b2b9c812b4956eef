// Painting the frame: the non-client area through the buffer the form asks
// for, the classic frame and caption, the client area and the children's
// background, and the paint messages.

#include "skin/controls/frame/DefaultForm.h"

#include <algorithm>

#include "framework/gui/Application.h"
#include "platform/gui/FrameControls.h"
#include "platform/gui/MessageQueue.h"
#include "platform/gui/Paint.h"
#include "platform/gui/SystemMetrics.h"
#include "skin/controls/SharedBuffer.h"
#include "skin/controls/frame/FrameParts.h"
#include "skin/render/CanvasDrawing.h"

namespace z5t8::skin::controls {

using namespace theme;
using namespace frame;

void TTeDefaultForm::TakeBackground(const TRect& target) {
  pg::HWND h = GetHandle();
  fw::TWinControl* control = GetWinControl();
  bool topLevel = control && !control->Parent();
  std::optional<TRect> current;
  if (h && pg::IsWindowVisible(h) && !pg::IsIconic(h)) current = ScreenBounds();
  FEffects->TakeBackground(target, topLevel ? h : nullptr, current);
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

void TTeDefaultForm::WMNCPaint(fw::TMessage& m) {
  MessageHandled();
  UpdateNonClientArea();
  m.Result = 0;
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

}  // namespace z5t8::skin::controls
