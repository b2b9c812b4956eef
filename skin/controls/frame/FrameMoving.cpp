// Moving and sizing the frame: the moves themselves, the drag outline,
// snapping to screen edges and other frames, the frames that follow, and the
// limits the window manager is given.

#include "skin/controls/frame/DefaultForm.h"

#include <algorithm>
#include <cstdlib>

#include "framework/gui/Screen.h"
#include "platform/gui/MessageQueue.h"
#include "platform/gui/Paint.h"
#include "skin/controls/frame/FrameParts.h"
#include "skin/render/WindowUtils.h"

namespace z5t8::skin::controls {

using namespace theme;
using namespace frame;

namespace {

bool Touches(const TRect& a, const TRect& b) {
  bool vertical = a.top <= b.bottom && b.top <= a.bottom;
  bool horizontal = a.left <= b.right && b.left <= a.right;
  return (vertical && (a.left == b.right || a.right == b.left)) ||
         (horizontal && (a.top == b.bottom || a.bottom == b.top));
}

}  // namespace

void TTeDefaultForm::MoveWindow(int dx, int dy) {
  if (dx == 0 && dy == 0) return;
  TRect b = FormBounds();
  MoveWindow(b.left + dx, b.top + dy, b.width(), b.height());
}

void TTeDefaultForm::MoveWindow(const TRect& rect) {
  MoveWindow(rect.left, rect.top, rect.width(), rect.height());
}

void TTeDefaultForm::MoveWindow(int x, int y, int width, int height) {
  fw::TWinControl* control = GetWinControl();
  if (!control) return;
  if (pg::HWND h = GetHandle()) {
    pg::MINMAXINFO info{};
    pg::SendMessageW(h, pg::WM_GETMINMAXINFO, 0, reinterpret_cast<pg::LPARAM>(&info));
    if (info.ptMinTrackSize.x) width = std::max(width, int(info.ptMinTrackSize.x));
    if (info.ptMinTrackSize.y) height = std::max(height, int(info.ptMinTrackSize.y));
    if (info.ptMaxTrackSize.x) width = std::min(width, int(info.ptMaxTrackSize.x));
    if (info.ptMaxTrackSize.y) height = std::min(height, int(info.ptMaxTrackSize.y));
  }
  if (!(control = GetWinControl())) return;
  control->SetBounds(x, y, width, height);
  if (FSavedDragMode) {
    pg::MSG msg;
    while (pg::PeekMessageW(&msg, nullptr, pg::WM_PAINT, pg::WM_PAINT, pg::PM_REMOVE))
      pg::DispatchMessageW(&msg);
  }
}

void TTeDefaultForm::DrawDragFrame(const TRect& r) {
  if (FWindowState == kwsMaximized) return;
  FGravitationRect = r;
  pg::DeviceContext* dc = pg::GetDC(nullptr);
  if (dc) {
    dc->saveDC();
    dc->selectBrush(pg::Brush());
    dc->selectPen(pg::Pen{pg::PS_INSIDEFRAME, 2, 0xFFFFFF});
    dc->setROP2(pg::R2_XORPEN);
    if (!IsEmpty(FOutlineRect))
      dc->rectangle(FOutlineRect.left, FOutlineRect.top, FOutlineRect.right, FOutlineRect.bottom);
    if (!IsEmpty(r)) dc->rectangle(r.left, r.top, r.right, r.bottom);
    dc->restoreDC(-1);
    pg::ReleaseDC(nullptr, dc);
  }
  FOutlineRect = r;
}

TRect TTeDefaultForm::ApplyGravitation(const TRect& rect) {
  TRect result = rect;
  const TTeGravitation& g = *FGravitation;
  if (!g.Enabled()) return result;
  int s = g.Size();
  TRect w = rect;
  if (FShadow->Enabled()) {
    w.right -= FShadow->Size();
    w.bottom -= FShadow->Size();
  }
  if (g.SnapToDesktop()) {
    TRect p;
    fw::TWinControl* control = GetWinControl();
    if (control && control->Parent())
      p = control->Parent()->ClientRect();
    else
      render::GetRectOfMonitorContainingWindow(GetHandle(), !FStayOnTop, p);
    int dx = 0, dy = 0;
    if (std::abs(w.left - p.left) < s)
      dx = p.left - w.left;
    else if (std::abs(w.right - p.right) < s)
      dx = p.right - w.right;
    if (std::abs(w.top - p.top) < s)
      dy = p.top - w.top;
    else if (std::abs(w.bottom - p.bottom) < s)
      dy = p.bottom - w.bottom;
    result = Offset(result, dx, dy);
  }
  pg::HWND self = GetHandle();
  TRect mine = FFrameDrag && !IsEmpty(FGravitationRect) ? FGravitationRect : FormBounds();
  if (g.SnapToForms()) {
    for (fw::TCustomForm* other : fw::Screen()->Forms()) {
      if (!other->Visible() || !other->HandleAllocated() || other->Handle() == self) continue;
      if (!FrameOfWindow(other->Handle())) continue;
      TRect o = other->BoundsRect();
      if (g.OwnedForm() && Touches(mine, o)) continue;
      // Near where the window is going, not where it was a move ago.
      TRect grown{result.left - s, result.top - s, result.right + s, result.bottom + s};
      bool meets =
          grown.left < o.right && o.left < grown.right && grown.top < o.bottom && o.top < grown.bottom;
      if (!meets) continue;
      int dx = 0, dy = 0;
      bool side = false, level = false;
      if (std::abs(result.left - o.right) < s) {
        dx = o.right - result.left;
        side = true;
      } else if (std::abs(result.right - o.left) < s) {
        dx = o.left - result.right;
        side = true;
      }
      if (side) {
        if (std::abs(result.top - o.top) < s)
          dy = o.top - result.top;
        else if (std::abs(result.bottom - o.bottom) < s)
          dy = o.bottom - result.bottom;
      } else {
        if (std::abs(result.top - o.bottom) < s) {
          dy = o.bottom - result.top;
          level = true;
        } else if (std::abs(result.bottom - o.top) < s) {
          dy = o.top - result.bottom;
          level = true;
        }
        if (level) {
          if (std::abs(result.left - o.left) < s)
            dx = o.left - result.left;
          else if (std::abs(result.right - o.right) < s)
            dx = o.right - result.right;
        }
      }
      result = Offset(result, dx, dy);
    }
  }
  if (g.OwnedForm()) {
    // Followers are the forms touching the window where it is now; they keep
    // their place beside it.
    TRect current = FormBounds();
    int dx = result.left - current.left, dy = result.top - current.top;
    bool moveNow = FDragging->DragMode() != kfdmBorder || FFinalOutline;
    if (moveNow && (dx != 0 || dy != 0)) {
      for (TTeDefaultForm* follower : Followers()) follower->MoveWindow(dx, dy);
    } else if (!moveNow && FFrameDrag) {
      for (TTeDefaultForm* follower : Followers()) {
        TRect b = follower->FormBounds();
        follower->DrawDragFrame(Offset(b, dx, dy));
        pg::HWND h = follower->GetHandle();
        if (std::find(FOutlinedFollowers.begin(), FOutlinedFollowers.end(), h) == FOutlinedFollowers.end())
          FOutlinedFollowers.push_back(h);
      }
    }
  }
  return result;
}

std::vector<TTeDefaultForm*> TTeDefaultForm::Followers() const {
  std::vector<TTeDefaultForm*> found;
  pg::HWND self = GetHandle();
  TRect current = FormBounds();
  for (fw::TCustomForm* other : fw::Screen()->Forms()) {
    if (!other->Visible() || !other->HandleAllocated() || other->Handle() == self) continue;
    TTeDefaultForm* frame = FrameOfWindow(other->Handle());
    if (frame && frame->Gravitation()->SnapToForms() && Touches(current, other->BoundsRect()))
      found.push_back(frame);
  }
  return found;
}

void TTeDefaultForm::EraseFollowerOutlines() {
  std::vector<pg::HWND> outlined;
  outlined.swap(FOutlinedFollowers);
  for (pg::HWND h : outlined)
    if (TTeDefaultForm* follower = FrameOfWindow(h)) follower->DrawDragFrame({});
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

}  // namespace z5t8::skin::controls
