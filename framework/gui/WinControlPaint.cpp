#include "framework/gui/WinControl.h"

#include <algorithm>

#include "framework/Properties.h"
#include "framework/TextUtils.h"
#include "framework/gui/Application.h"
#include "framework/gui/EditControl.h"
#include "framework/gui/Form.h"
#include "platform/gui/DefWindowProc.h"
#include "platform/gui/Input.h"
#include "platform/gui/MessageQueue.h"
#include "platform/gui/Paint.h"
#include "platform/gui/VirtualKeys.h"

namespace z5t8::framework {

void TWinControl::PaintTo(pg::DeviceContext* dc, int x, int y) {
  if (!dc) return;
  ControlState().Include(csPaintCopy);
  dc->saveDC();
  dc->offsetWindowOrg(-x, -y);
  dc->intersectClipRect(0, 0, Width(), Height());
  TRect r = Rect(0, 0, Width(), Height());
  if (FHandle) {
    // The window system draws the frame with its edges and scroll bars.
    dc->saveDC();
    Perform(pg::WM_PRINT, reinterpret_cast<uintptr_t>(dc), pg::PRF_NONCLIENT);
    dc->restoreDC(-1);
    pg::Rect window, client;
    pg::GetWindowRect(FHandle, &window);
    pg::GetClientRect(FHandle, &client);
    pg::Point origin{0, 0};
    pg::ClientToScreen(FHandle, &origin);
    r = Bounds(origin.x - window.left, origin.y - window.top, client.width(), client.height());
  }
  dc->offsetWindowOrg(-r.left, -r.top);
  dc->intersectClipRect(0, 0, r.width(), r.height());
  Perform(pg::WM_ERASEBKGND, reinterpret_cast<uintptr_t>(dc), reinterpret_cast<intptr_t>(dc));
  Perform(pg::WM_PAINT, reinterpret_cast<uintptr_t>(dc), 0);
  for (TWinControl* c : FTabList)
    if (c->Visible()) c->PaintTo(dc, c->Left(), c->Top());
  dc->restoreDC(-1);
  ControlState().Exclude(csPaintCopy);
}

void TWinControl::PaintControls(pg::DeviceContext* dc, TControl* first) {
  auto it = FControls.begin();
  if (first) {
    auto at = std::find(FControls.begin(), FControls.end(), first);
    if (at != FControls.end()) it = at + 1;
  }
  for (; it != FControls.end(); ++it) {
    TControl* c = *it;
    if (dynamic_cast<TWinControl*>(c) || !c->Visible()) continue;
    TRect r = c->BoundsRect();
    if (!dc->rectVisible(r)) continue;
    dc->saveDC();
    dc->offsetWindowOrg(-c->Left(), -c->Top());
    dc->intersectClipRect(0, 0, c->Width(), c->Height());
    c->Perform(pg::WM_PAINT, reinterpret_cast<uintptr_t>(dc), 0);
    dc->restoreDC(-1);
  }
}

void TWinControl::PaintWindow(pg::DeviceContext* dc) {
  TMessage m{pg::WM_PAINT, reinterpret_cast<uintptr_t>(dc), 0, 0};
  DefaultHandler(m);
}

void TWinControl::PaintHandler(TMessage& message) {
  auto* dc = reinterpret_cast<pg::DeviceContext*>(message.WParam);
  pg::PAINTSTRUCT ps;
  if (!dc) dc = pg::BeginPaint(FHandle, &ps);
  if (dc) {
    dc->saveDC();
    for (TControl* c : FControls)
      if (!dynamic_cast<TWinControl*>(c) && c->Visible() && c->ControlStyle().Contains(csOpaque)) {
        TRect r = c->BoundsRect();
        dc->excludeClipRect(r.left, r.top, r.right, r.bottom);
      }
    PaintWindow(dc);
    dc->restoreDC(-1);
    PaintControls(dc, nullptr);
  }
  if (!message.WParam) pg::EndPaint(FHandle, &ps);
}

void TWinControl::WMPaint(TMessage& message) { PaintHandler(message); }

void TWinControl::WMEraseBkgnd(TMessage& message) {
  auto* dc = reinterpret_cast<pg::DeviceContext*>(message.WParam);
  if (dc) dc->fillRect(GetClientRect(), FBrushValue);
  message.Result = 1;
}

}  // namespace z5t8::framework
