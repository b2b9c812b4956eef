#include "skin/controls/Form.h"

#include <algorithm>

#include "framework/Properties.h"
#include "platform/gui/SystemMetrics.h"
#include "skin/controls/ControlTheme.h"
#include "skin/render/Bitmap.h"
#include "skin/theme/ThemeInfo.h"
#include "skin/theme/ThemeManager.h"
#include "skin/theme/ThemeServices.h"

namespace z5t8::skin::controls {

using namespace theme;

namespace {

bool IsEmpty(const TRect& r) { return r.right <= r.left || r.bottom <= r.top; }

// How the controls find this frame and have it paint under their children.
void InstallFrameHooks() {
  static bool done = false;
  if (done) return;
  done = true;
  TTeFormFrameHooks hooks;
  hooks.ActiveFrame = [](fw::TComponent* component) -> TTeForm* {
    auto* frame = dynamic_cast<TTeForm*>(component);
    return frame && frame->Active() ? frame : nullptr;
  };
  hooks.PaintClientBackground = [](TTeForm* frame, fw::TCanvas* canvas, const TRect& rect) {
    frame->PaintChildBackground(canvas, rect);
  };
  SetFormFrameHooks(hooks);
}

}  // namespace

Z5T8_IMPLEMENT_CLASS(TTeForm, TTeDefaultForm) {
  p.Component("ThemeLink", &TTeForm::ThemeLink, &TTeForm::SetThemeLink);
  p.String("ThemeObject", &TTeForm::ThemeObject, &TTeForm::SetThemeObject).Stored([](const TTeForm& f) {
    return f.ThemeObject() != "default";
  });
  p.Message(TM_THEMENOTIFY, &TTeForm::ThemeNotify);
  p.Message(TM_THEMELINKCHANGED, &TTeForm::ThemeLinkChanged);
}

TTeForm::TTeForm(fw::TComponent* owner) : TTeDefaultForm(owner) {
  InstallFrameHooks();
  AddThemeNotification(this);
}

TTeForm::~TTeForm() {
  RemoveThemeNotification(this);
  if (FThemeLink) FThemeLink->RemoveFreeNotification(this);
}

void TTeForm::SetThemeLink(TteCustomThemeLink* link) {
  if (link == FThemeLink) return;
  if (FThemeLink) FThemeLink->RemoveFreeNotification(this);
  FThemeLink = link;
  if (FThemeLink) FThemeLink->FreeNotification(this);
  if (InState(fw::csDesigning)) return;
  if (Loading())
    InvalidateNow();
  else
    Update();
}

void TTeForm::SetThemeObject(const std::string& name) {
  if (name == FThemeObject) return;
  FThemeObject = name;
  if (!InState(fw::csDesigning)) InvalidateNow();
}

void TTeForm::Notification(fw::TComponent* component, fw::TOperation operation) {
  TTeDefaultForm::Notification(component, operation);
  if (operation == fw::opRemove && component == FThemeLink) {
    FThemeLink = nullptr;
    if (!InState(fw::csDestroying) && !InState(fw::csDesigning) && GetHandle()) Update();
  }
}

TteTheme* TTeForm::Theme() const { return GetThemeLink(FThemeLink); }

bool TTeForm::Themed() { return Theme() && IsObjectDefined(WindowSubclass(this), FThemeObject, FThemeLink); }

TteWindowInfo TTeForm::WindowInfo() {
  return theme::WindowInfo({0, 0, FFrameWidth, FFrameHeight}, WindowStates(this), NullRect,
                           WindowButtons(this), GetCaption(), FDisabledNCArea);
}

bool TTeForm::ButtonClassOf(TTeBorderIcon icon, TteWindowButtonClass& out) const {
  switch (icon) {
    case kbiClose:
      out = kwbClose;
      return true;
    case kbiSystemMenu:
      out = kwbSysMenu;
      return true;
    case kbiMinimize:
      out = FWindowState == kwsMinimized ? kwbMinRestore : kwbMin;
      return true;
    case kbiMaximize:
      out = FWindowState == kwsMaximized ? kwbMaxRestore : kwbMax;
      return true;
    case kbiHelp:
      out = kwbHelp;
      return true;
    case kbiRollup:
      out = FWindowState == kwsRollup ? kwbRollRestore : kwbRoll;
      return true;
    case kbiTray:
      out = kwbTray;
      return true;
    default:
      return false;
  }
}

// --- Geometry -------------------------------------------------------------------------

TRect TTeForm::GetClientBounds() {
  if (!Themed()) return TTeDefaultForm::GetClientBounds();
  return Theme()->WindowGetClientRect(WindowSubclass(this), {0, 0, FFrameWidth, FFrameHeight}, FThemeObject);
}

std::optional<pg::Region> TTeForm::GetRegion() {
  if (!Themed()) return TTeDefaultForm::GetRegion();
  return Theme()->WindowGetRegion(WindowSubclass(this), {0, 0, FFrameWidth, FFrameHeight}, FThemeObject);
}

TRect TTeForm::GetCaptionButtonRect(TTeBorderIcon icon) {
  if (!Themed()) return TTeDefaultForm::GetCaptionButtonRect(icon);
  TteWindowButtonClass cls;
  if (!FBorderIcons.Contains(icon) || !ButtonClassOf(icon, cls)) return {};
  TRect r = Theme()->WindowGetButtonRect(WindowSubclass(this), WindowInfo(), cls, FThemeObject);
  return r == NullRect ? TRect{} : r;
}

TRect TTeForm::GetRollupRect() { return TTeDefaultForm::GetRollupRect(); }
TRect TTeForm::GetMinimizedRect() { return TTeDefaultForm::GetMinimizedRect(); }
TRect TTeForm::GetMaximizedRect() { return TTeDefaultForm::GetMaximizedRect(); }
TPoint TTeForm::GetMaxTrackSize() { return TTeDefaultForm::GetMaxTrackSize(); }
TPoint TTeForm::GetMinTrackSize() { return TTeDefaultForm::GetMinTrackSize(); }

TteWindowHitTest TTeForm::GetHitTest(int x, int y) {
  if (!Themed()) return TTeDefaultForm::GetHitTest(x, y);
  TteWindowHitTest r = Theme()->WindowGetHitTest(WindowSubclass(this), WindowInfo(), x, y, FThemeObject);
  if (r == kwhtClient && FDragging->Sizeable()) {
    TRect g = GetGripperRect();
    if (x >= g.left && x < g.right && y >= g.top && y < g.bottom) r = kwhtBottomRight;
  }
  return r;
}

// --- Painting ---------------------------------------------------------------------------

void TTeForm::PaintNonClientArea(fw::TCanvas* canvas) {
  if (!Themed()) {
    TTeDefaultForm::PaintNonClientArea(canvas);
    return;
  }
  PaintThemed(canvas, Theme());
}

void TTeForm::DrawThemedTitle(fw::TCanvas* canvas, TteTheme* theme, const TteWindowInfo& info) {
  TteWindowSubclass subclass = WindowSubclass(this);
  theme->WindowDraw(subclass, canvas, info, FThemeObject);
  TRect title = theme->WindowGetTitleRect(subclass, info, FThemeObject);
  if (!IsEmpty(title) && title != NullRect)
    theme->WindowDrawText(subclass, canvas, info, title, FThemeObject);
  for (TTeBorderIcon icon :
       {kbiClose, kbiSystemMenu, kbiMinimize, kbiMaximize, kbiHelp, kbiRollup, kbiTray}) {
    if (!FBorderIcons.Contains(icon)) continue;
    TteWindowButtonClass cls;
    ButtonClassOf(icon, cls);
    TRect r = theme->WindowGetButtonRect(subclass, info, cls, FThemeObject);
    if (IsEmpty(r) || r == NullRect) continue;
    if (cls == kwbSysMenu) {
      const pg::Icon* small = GetIconFast() ? GetIconFast() : GetIcon();
      int cx = pg::GetSystemMetrics(pg::SM_CXSMICON), cy = pg::GetSystemMetrics(pg::SM_CYSMICON);
      if (small)
        canvas->Handle()->drawIconEx(r.left + (r.width() - cx) / 2, r.top + (r.height() - cy) / 2, *small, cx,
                                     cy);
      continue;
    }
    TteWindowHitTest part = WindowButtonToHitTest(cls);
    theme->WindowDrawButton(subclass, canvas, WindowButtonInfo(r, cls, ButtonDrawState(part), nullptr),
                            FThemeObject);
  }
}

void TTeForm::PaintThemed(fw::TCanvas* canvas, TteTheme* theme) {
  TteWindowInfo info = WindowInfo();
  if (FPerformance != zqfpNoBuffer || FIntoBuffer) {
    DrawThemedTitle(canvas, theme, info);
    return;
  }
  // The title band (with the most motion: hot and pressed buttons) goes to the
  // window in one copy; the frame below it is drawn straight on the window.
  TRect cb = GetClientBounds();
  int bandHeight = std::max(0, int(cb.top)) + 50;
  render::TteBitmap band;
  band.SetSize(std::max(FFrameWidth, 1), bandHeight);
  fw::TCanvas bandCanvas;
  bandCanvas.SetHandle(band.DC());
  bandCanvas.Font()->Assign(canvas->Font());
  DrawThemedTitle(&bandCanvas, theme, info);
  bandCanvas.SetHandle(nullptr);

  pg::DeviceContext* dc = canvas->Handle();
  info.ClipRect = {0, bandHeight, FFrameWidth, FFrameHeight};
  dc->saveDC();
  dc->excludeClipRect(0, 0, FFrameWidth, bandHeight);
  theme->WindowDraw(WindowSubclass(this), canvas, info, FThemeObject);
  dc->restoreDC(-1);
  dc->bitBlt(0, 0, FFrameWidth, std::min(bandHeight, FFrameHeight), *band.DC(), 0, 0, pg::SRCCOPY);
}

void TTeForm::PaintClientArea() {
  if (!Themed()) {
    TTeDefaultForm::PaintClientArea();
    return;
  }
  Theme()->WindowDrawClient(WindowSubclass(this), FWorkCanvas.get(), GetClientRect(), FThemeObject);
}

void TTeForm::PaintGripper(fw::TCanvas* canvas) {
  TRect r = GetGripperRect();
  if (IsEmpty(r)) return;
  if (!Themed()) {
    TTeDefaultForm::PaintGripper(canvas);
    return;
  }
  Theme()->WindowDrawGripper(WindowSubclass(this), canvas, WindowGripperInfo(r, FDragging->Sizeable()),
                             FThemeObject);
}

// --- Theme messages -------------------------------------------------------------------

void TTeForm::ThemeNotify(fw::TMessage& m) {
  if (!GetHandle() || InState(fw::csDestroying)) return;
  switch (m.WParam) {
    case tncChanged:
    case tncApplied:
    case 4:
      Update();
      if (FWindowState == kwsMaximized) MoveWindow(GetMaximizedRect());
      break;
    case 5:
      UpdateNonClientArea();
      InvalidateNow();
      break;
    default:
      break;
  }
}

void TTeForm::ThemeLinkChanged(fw::TMessage& m) {
  if (!GetHandle() || !FThemeLink) return;
  if (reinterpret_cast<TteCustomThemeLink*>(m.WParam) == FThemeLink ||
      reinterpret_cast<TteCustomThemeLink*>(m.LParam) == FThemeLink)
    Update();
}

}  // namespace z5t8::skin::controls
