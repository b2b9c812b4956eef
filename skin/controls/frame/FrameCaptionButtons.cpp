// The caption buttons: which the frame shows, where each one is, the part it
// answers to, how it is drawn in each state, and the hover that lights it.

#include "skin/controls/frame/DefaultForm.h"

#include <array>

#include "platform/gui/FrameControls.h"
#include "skin/controls/frame/FrameParts.h"
#include "skin/render/SystemQueries.h"

namespace z5t8::skin::controls {

using namespace theme;
using namespace frame;

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

TteWindowButtonDrawState TTeDefaultForm::ButtonDrawState(TteWindowHitTest part) const {
  if (!FFrameActive) return kwbdsInactive;
  if (FHeldButtons.Contains(fw::ssLeft) && FPressedPart == part && FHotPart == part) return kwbdsPressed;
  if (FHotPart == part && !FDragging_) return kwbdsHot;
  return kwbdsNormal;
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

void TTeDefaultForm::HoverTimer(fw::TObject*) {
  if (Loading() || InState(fw::csDestroying) || !GetHandle()) return;
  if (!IsCaptionButton(FHotPart)) return;
  TPoint cursor;
  pg::GetCursorPos(&cursor);
  TPoint p = ScreenToWindow(cursor);
  TteWindowHitTest part = GetHitTest(p.x, p.y);
  // Outside the window nothing is hot, whatever the geometry says.
  if (p.x < 0 || p.y < 0 || p.x >= FWindowWidth || p.y >= FWindowHeight) part = kwhtClient;
  SetHot(part);
}

void TTeDefaultForm::SetHot(TteWindowHitTest part) {
  if (part == FHotPart) return;
  FHotPart = part;
  UpdateNonClientArea();
}

}  // namespace z5t8::skin::controls
