#include "skin/controls/ScrollBar.h"

#include <algorithm>
#include <climits>
#include <cmath>

#include "framework/Properties.h"
#include "platform/gui/FrameControls.h"
#include "platform/gui/SystemMetrics.h"
#include "skin/render/CanvasDrawing.h"
#include "skin/render/WindowUtils.h"
#include "skin/theme/ControlBackground.h"
#include "skin/theme/CustomThemeLink.h"
#include "skin/theme/Theme.h"
#include "skin/theme/ThemeManager.h"
#include "skin/theme/ThemeServices.h"

namespace z5t8::skin::controls {

using namespace framework;
using namespace theme;
namespace pg = platform::gui;

namespace {

int ThumbMetric() { return pg::GetSystemMetrics(pg::SM_CYVTHUMB); }

// Nearest integer, ties to even, in extended precision.
// Saturated: with a range near the ends of int, a quotient can fall outside it.
int Nearest(long double x) {
  return static_cast<int>(std::clamp<long double>(std::nearbyint(x), INT_MIN, INT_MAX));
}

// Max - Min + 1 in 64 bits (Min and Max may span all of int), as the largest page it allows.
int PageLimit(int min, int max) { return int(std::min<int64_t>(int64_t(max) - min + 1, INT_MAX)); }

}  // namespace

Z5T8_IMPLEMENT_CLASS(TTeScrollBar, TTeGraphicControl) {
  p.Integer("Min", &TTeScrollBar::Min, &TTeScrollBar::SetMin).Default(0);
  p.Integer("Max", &TTeScrollBar::Max, &TTeScrollBar::SetMax).Default(100);
  p.Integer("PageSize", &TTeScrollBar::PageSize, &TTeScrollBar::SetPageSize).Default(0);
  p.Integer("Position", &TTeScrollBar::Position, &TTeScrollBar::SetPosition).Default(0);
  p.Integer("SmallChange", &TTeScrollBar::SmallChange, &TTeScrollBar::SetSmallChange).Default(1);
  p.Integer("LargeChange", &TTeScrollBar::LargeChange, &TTeScrollBar::SetLargeChange).Default(1);
  p.Enum("Orientation", ScrollOrientationInfo, &TTeScrollBar::Orientation, &TTeScrollBar::SetOrientation)
      .Default(zqoHorizontal);
  p.Boolean("ShowButtons", &TTeScrollBar::ShowButtons, &TTeScrollBar::SetShowButtons).Default(1);
  p.Integer("BorderWidth", &TTeScrollBar::BorderWidth, &TTeScrollBar::SetBorderWidth).Default(0);
  p.String("ThemeObject", &TTeScrollBar::ThemeObject, &TTeScrollBar::SetThemeObject)
      .Stored([](const TTeScrollBar& b) { return b.ThemeObject() != "default"; });
  p.Enum("Performance", PerformanceInfo, &TTeScrollBar::Performance, &TTeScrollBar::SetPerformance)
      .Default(zqpDoubleBuffer);
  p.Event("OnChange", &TTeScrollBar::OnChange);
  p.Event("OnScroll", &TTeScrollBar::OnScroll);
  p.Message(CM_ENABLEDCHANGED, &TTeScrollBar::CMEnabledChanged);
  p.Message(pg::WM_GETDLGCODE, &TTeScrollBar::WMGetDlgCode);
  p.Message(pg::WM_CANCELMODE, &TTeScrollBar::WMCancelMode);
  p.Message(pg::WM_CAPTURECHANGED, &TTeScrollBar::WMCancelMode);
  p.Message(TM_THEMENOTIFY, &TTeScrollBar::TMThemeNotify);
  p.Component("ThemeLink", &TTeScrollBar::ThemeLink, &TTeScrollBar::SetThemeLink);
}

TTeScrollBar::TTeScrollBar(TComponent* owner) : TTeGraphicControl(owner) {
  ControlStyle().Include(csCaptureMouse);
  SetPerformance(zqpDoubleBuffer);
  SetBounds(Left(), Top(), 121, ThumbMetric() + 2 * FBorderWidth);
  AddThemeNotification(this);
}

TTeScrollBar::~TTeScrollBar() {
  RemoveThemeNotification(this);
  StopRepeat();
}

void TTeScrollBar::Notification(TComponent* component, TOperation operation) {
  TTeGraphicControl::Notification(component, operation);
  if (operation == opRemove && component == FThemeLink) SetThemeLink(nullptr);
}

void TTeScrollBar::TMThemeNotify(TMessage& message) {
  // A bar standing on its own follows theme changes; one inside a memo is
  // repainted with the memo anyway.
  if (message.WParam != tncBeforeChange && message.WParam != tncAfterChange) Invalidate();
}

// Setters

void TTeScrollBar::Changed() { Refresh(); }

void TTeScrollBar::SetMin(int value) {
  if (value == FMin) return;
  FMin = std::min(value, FMax);
  if (FPosition < FMin) FPosition = FMin;
  FPageSize = std::min(FPageSize, PageLimit(FMin, FMax));
  Changed();
}

void TTeScrollBar::SetMax(int value) {
  if (value == FMax) return;
  FMax = std::max(value, FMin);
  if (FPosition > FMax) FPosition = FMax;
  FPageSize = std::min(FPageSize, PageLimit(FMin, FMax));
  Changed();
}

void TTeScrollBar::SetPageSize(int value) {
  if (value == FPageSize || value < 0) return;
  FPageSize = std::min(value, PageLimit(FMin, FMax));
  Changed();
}

void TTeScrollBar::SetPosition(int value) {
  if (value == FPosition) return;
  FPosition = std::clamp(value, FMin, FMax);
  Changed();
  Change();
}

void TTeScrollBar::SetOrientation(TTeScrollOrientation value) {
  if (value == FOrientation) return;
  FOrientation = value;
  if (InState(csDesigning)) SetBounds(Left(), Top(), Height(), Width());
  Changed();
}

void TTeScrollBar::SetShowButtons(bool value) {
  if (value == FShowButtons) return;
  FShowButtons = value;
  Changed();
}

void TTeScrollBar::SetBorderWidth(int value) {
  if (value == FBorderWidth) return;
  FBorderWidth = std::max(0, value);
  Changed();
}

void TTeScrollBar::SetThemeObject(const std::string& value) {
  if (value == FThemeObject) return;
  FThemeObject = value;
  if (value != "default") Changed();
}

void TTeScrollBar::SetThemeLink(TteCustomThemeLink* value) {
  if (value == FThemeLink) return;
  if (FThemeLink) FThemeLink->RemoveFreeNotification(this);
  FThemeLink = value;
  if (FThemeLink) FThemeLink->FreeNotification(this);
  Changed();
}

void TTeScrollBar::UpdateSytemSize() {
  int thickness = ThumbMetric() + 2 * FBorderWidth;
  if (Vertical())
    SetBounds(Left(), Top(), thickness, Height());
  else
    SetBounds(Left(), Top(), Width(), thickness);
}

void TTeScrollBar::Change() { OnChange(this); }

// A copy runs: the handler may free the bar, and its event with it.
void TTeScrollBar::Scroll(TTeScrollCode code, int& position) {
  auto handler = OnScroll;
  handler(this, code, position);
}

// Geometry

int TTeScrollBar::GetBtnSize() const {
  int length = (Vertical() ? Height() : Width()) - 2 * FBorderWidth;
  return length < 2 * ThumbMetric() ? length / 2 : ThumbMetric();
}

TRect TTeScrollBar::GetLeftTopBtnRect() const {
  int w = Width(), h = Height(), b = FBorderWidth, s = GetBtnSize();
  return Vertical() ? Rect(b, b, w - b, b + s) : Rect(b, b, b + s, h - b);
}

TRect TTeScrollBar::GetRightBottomBtnRect() const {
  int w = Width(), h = Height(), b = FBorderWidth, s = GetBtnSize();
  return Vertical() ? Rect(b, h - b - s, w - b, h - b) : Rect(w - b - s, b, w - b, h - b);
}

TRect TTeScrollBar::GetBackgroundRect() const {
  TRect r = Rect(0, 0, Width(), Height()).inflate(-FBorderWidth, -FBorderWidth);
  if (FShowButtons) {
    int s = GetBtnSize();
    if (Vertical()) {
      r.top += s;
      r.bottom -= s;
    } else {
      r.left += s;
      r.right -= s;
    }
  }
  return r;
}

int TTeScrollBar::TrackStart() const {
  TRect r = GetBackgroundRect();
  return Vertical() ? r.top : r.left;
}

int TTeScrollBar::TrackLength() const {
  TRect r = GetBackgroundRect();
  return Vertical() ? r.height() : r.width();
}

int TTeScrollBar::GetSliderSize() const {
  int track = TrackLength();
  int size;
  if (FPageSize > 0) {
    long double range = static_cast<long double>(FMax) - FMin + 1;
    size = std::max(Nearest(track * static_cast<long double>(FPageSize) / range), (ThumbMetric() / 3) * 2);
  } else {
    size = ThumbMetric();
  }
  return size >= track ? 0 : size;
}

namespace {

// Positions the thumb can stand for, counted as the bar counts them.
int64_t ScrollRange(int min, int max, int page) {
  int64_t r = int64_t(max) - min - page;
  return page != 0 ? r + 1 : r;
}

}  // namespace

int TTeScrollBar::PositionCoordinate() const {
  int start = TrackStart();
  int free = TrackLength() - GetSliderSize();
  int64_t range = ScrollRange(FMin, FMax, FPageSize);
  int64_t coordinate;
  if (int64_t(FMax) - FMin - FPageSize + 1 <= 0 || range <= 0)
    coordinate = start;
  else if (int64_t(FPosition) > int64_t(FMax) - FPageSize + 1)
    coordinate = int64_t(start) + free;
  else
    coordinate = start + Nearest(static_cast<long double>(int64_t(FPosition) - FMin) * free / range);
  // Coordinates travel as 16-bit unsigned values.
  return static_cast<uint16_t>(coordinate);
}

int TTeScrollBar::CoordinatePosition(int coordinate) const {
  int free = TrackLength() - GetSliderSize();
  int64_t range = ScrollRange(FMin, FMax, FPageSize);
  int64_t position = 0;
  if (free != 0 && range > 0)
    position = Nearest(static_cast<long double>(coordinate - TrackStart()) * range / free + FMin);
  position = std::max<int64_t>(position, FMin);
  position = std::min<int64_t>(position, int64_t(FMax) - FPageSize + 1);
  return static_cast<int>(position);
}

TRect TTeScrollBar::GetSliderRect() const {
  TRect track = GetBackgroundRect();
  int start = PositionCoordinate(), size = GetSliderSize();
  if (Vertical()) return Rect(track.left, start, track.right, start + size);
  return Rect(start, track.top, start + size, track.bottom);
}

TRect TTeScrollBar::GetLeftTopTrackRect() const {
  TRect track = GetBackgroundRect();
  int start = PositionCoordinate();
  if (Vertical()) return Rect(track.left, track.top, track.right, start);
  return Rect(track.left, track.top, start, track.bottom);
}

TRect TTeScrollBar::GetRightBottomTrackRect() const {
  TRect track = GetBackgroundRect();
  int end = PositionCoordinate() + GetSliderSize();
  if (Vertical()) return Rect(track.left, end, track.right, track.bottom);
  return Rect(end, track.top, track.right, track.bottom);
}

bool TTeScrollBar::SliderVisible() const {
  return (Enabled() || InState(csDesigning)) && !GetSliderRect().isEmpty();
}

bool TTeScrollBar::PtInLeftTopBtn(int x, int y) const { return GetLeftTopBtnRect().contains({x, y}); }
bool TTeScrollBar::PtInRightBottomBtn(int x, int y) const { return GetRightBottomBtnRect().contains({x, y}); }
bool TTeScrollBar::PtInSlider(int x, int y) const {
  return SliderVisible() && GetSliderRect().contains({x, y});
}
bool TTeScrollBar::PtInLeftTopTrack(int x, int y) const { return GetLeftTopTrackRect().contains({x, y}); }
bool TTeScrollBar::PtInRightBottomTrack(int x, int y) const {
  return GetRightBottomTrackRect().contains({x, y});
}

// Steps and repeat

void TTeScrollBar::ScrollStep(TTeScrollCode code) {
  int64_t p = FPosition;
  switch (code) {
    case zqcLineUp:
      p -= FSmallChange;
      break;
    case zqcLineDown:
      p += FSmallChange;
      break;
    case zqcPageUp:
      p -= FPageSize < 1 ? FLargeChange : FPageSize;
      break;
    case zqcPageDown:
      p += FPageSize < 1 ? FLargeChange : FPageSize;
      break;
    case zqcTop:
      p = FMin;
      break;
    case zqcBottom:
      p = FMax;
      break;
    default:
      return;
  }
  int position = static_cast<int>(std::clamp<int64_t>(p, FMin, FMax));
  std::shared_ptr<bool> alive = FAlive;
  Scroll(code, position);
  if (!*alive) return;
  SetPosition(position);
  if (code == zqcLineUp && FAutoScrollUp && FPosition <= FMin) SetAutoScrollUp(false);
  if (code == zqcLineDown && FAutoScrollDown && FPosition >= FMax) SetAutoScrollDown(false);
}

void TTeScrollBar::SetAutoScrollUp(bool value) {
  if (value == FAutoScrollUp) return;
  FAutoScrollUp = value;
  if (value) {
    FAutoScrollDown = false;
    StartRepeat(false);
  } else {
    StopRepeat();
  }
}

void TTeScrollBar::SetAutoScrollDown(bool value) {
  if (value == FAutoScrollDown) return;
  FAutoScrollDown = value;
  if (value) {
    FAutoScrollUp = false;
    StartRepeat(false);
  } else {
    StopRepeat();
  }
}

bool TTeScrollBar::RepeatRunning() const { return FTimer && FTimer->Enabled(); }

void TTeScrollBar::StartRepeat(bool immediate) {
  if (!FTimer) {
    FTimer = std::make_unique<TTimer>(nullptr);
    FTimer->SetEnabled(false);
    FTimer->OnTimer = [this](TObject*) {
      try {
        RepeatStep();
      } catch (...) {
        StopRepeat();
        throw;
      }
    };
  }
  FTimer->SetEnabled(false);
  if (immediate) {
    std::shared_ptr<bool> alive = FAlive;
    RepeatStep();
    if (!*alive) return;
    FTimer->SetInterval(static_cast<unsigned>(render::GetKeyBoardDelayInterval()));
  } else {
    FTimer->SetInterval(static_cast<unsigned>(render::GetKeyBoardSpeedInterval()));
  }
  FTimer->SetEnabled(true);
}

void TTeScrollBar::StopRepeat() {
  if (FTimer) FTimer->SetEnabled(false);
}

void TTeScrollBar::RepeatStep() {
  if (FTimer && FTimer->Enabled())
    FTimer->SetInterval(static_cast<unsigned>(render::GetKeyBoardSpeedInterval()));
  if ((FLeftTopBtnPressed && FLeftTopBtnHot) || FAutoScrollUp) {
    ScrollStep(zqcLineUp);
  } else if ((FRightBottomBtnPressed && FRightBottomBtnHot) || FAutoScrollDown) {
    ScrollStep(zqcLineDown);
  } else {
    bool changed = UpdateHot(FMousePos.x, FMousePos.y, false, true);
    std::shared_ptr<bool> alive = FAlive;
    if (FLeftTopTrackPressed && FLeftTopTrackHot)
      ScrollStep(zqcPageUp);
    else if (FRightBottomTrackPressed && FRightBottomTrackHot)
      ScrollStep(zqcPageDown);
    if (changed && *alive) Changed();
  }
}

// Mouse

bool TTeScrollBar::UpdateHot(int x, int y, bool buttons, bool tracks) {
  bool changed = false;
  auto set = [&changed](bool& flag, bool value) {
    if (flag != value) {
      flag = value;
      changed = true;
    }
  };
  if (buttons) {
    set(FSliderHot, PtInSlider(x, y));
    if (FShowButtons) {
      set(FLeftTopBtnHot, PtInLeftTopBtn(x, y));
      set(FRightBottomBtnHot, PtInRightBottomBtn(x, y));
    }
  }
  if (tracks) {
    set(FLeftTopTrackHot, PtInLeftTopTrack(x, y));
    set(FRightBottomTrackHot, PtInRightBottomTrack(x, y));
  }
  return changed;
}

void TTeScrollBar::MouseDown(TMouseButton button, TShiftState shift, int x, int y) {
  TTeGraphicControl::MouseDown(button, shift, x, y);
  if (button != mbLeft) return;
  FMousePos = {x, y};
  UpdateHot(x, y, true, true);
  // Every Scroll may free the bar: its handler is the owner's code.
  std::shared_ptr<bool> alive = FAlive;
  if (PtInSlider(x, y)) {
    FGrabOffset = (Vertical() ? y : x) - PositionCoordinate();
    int position = FPosition;
    Scroll(zqcTrack, position);
    if (!*alive) return;
    SetPosition(position);
    Changed();
  }
  bool wasPressed =
      (FLeftTopBtnPressed && FLeftTopBtnHot) || (FRightBottomBtnPressed && FRightBottomBtnHot) ||
      (FLeftTopTrackPressed && FLeftTopTrackHot) || (FRightBottomTrackPressed && FRightBottomTrackHot);
  bool inThumb = FGrabOffset >= 0;
  FLeftTopBtnPressed = FShowButtons && PtInLeftTopBtn(x, y);
  FRightBottomBtnPressed = FShowButtons && PtInRightBottomBtn(x, y);
  FLeftTopTrackPressed = !inThumb && PtInLeftTopTrack(x, y);
  FRightBottomTrackPressed = !inThumb && PtInRightBottomTrack(x, y);
  bool pressed = (FLeftTopBtnPressed && FLeftTopBtnHot) || (FRightBottomBtnPressed && FRightBottomBtnHot) ||
                 (FLeftTopTrackPressed && FLeftTopTrackHot) ||
                 (FRightBottomTrackPressed && FRightBottomTrackHot);
  if (pressed && !wasPressed && Enabled()) {
    Changed();
    StartRepeat(true);
  }
}

void TTeScrollBar::MouseMove(TShiftState shift, int x, int y) {
  TTeGraphicControl::MouseMove(shift, x, y);
  FMousePos = {x, y};
  if (FGrabOffset >= 0) {
    TRect track = GetBackgroundRect();
    int trackStart = Vertical() ? track.top : track.left;
    int trackEnd = Vertical() ? track.bottom : track.right;
    int c = (Vertical() ? y : x) - FGrabOffset;
    c = std::clamp(c, trackStart, std::max(trackStart, trackEnd));
    int position = CoordinatePosition(c);
    std::shared_ptr<bool> alive = FAlive;
    Scroll(zqcTrack, position);
    if (!*alive) return;
    SetPosition(CoordinatePosition(c));
  }
  if (UpdateHot(x, y, true, true)) Changed();
}

void TTeScrollBar::MouseUp(TMouseButton button, TShiftState shift, int x, int y) {
  TTeGraphicControl::MouseUp(button, shift, x, y);
  if (button != mbLeft) return;
  std::shared_ptr<bool> alive = FAlive;
  if (FGrabOffset >= 0) {
    int position = FPosition;
    Scroll(zqcPosition, position);
    if (!*alive) return;
    SetPosition(position);
  }
  FGrabOffset = -1;
  FLeftTopBtnPressed = FRightBottomBtnPressed = false;
  FLeftTopTrackPressed = FRightBottomTrackPressed = false;
  StopRepeat();
  int position = FPosition;
  Scroll(zqcEndScroll, position);
  if (!*alive) return;
  SetPosition(position);
  Changed();
}

void TTeScrollBar::MouseLeave() {
  TTeGraphicControl::MouseLeave();
  if (FSliderHot || FLeftTopBtnHot || FRightBottomBtnHot || FLeftTopTrackHot || FRightBottomTrackHot) {
    FSliderHot = FLeftTopBtnHot = FRightBottomBtnHot = FLeftTopTrackHot = FRightBottomTrackHot = false;
    Changed();
  }
}

void TTeScrollBar::CancelMode() {
  bool busy = FGrabOffset >= 0 || FLeftTopBtnPressed || FRightBottomBtnPressed || FLeftTopTrackPressed ||
              FRightBottomTrackPressed || RepeatRunning();
  StopRepeat();
  if (!busy) return;
  FGrabOffset = -1;
  FLeftTopBtnPressed = FRightBottomBtnPressed = false;
  FLeftTopTrackPressed = FRightBottomTrackPressed = false;
  FAutoScrollUp = FAutoScrollDown = false;
  int position = FPosition;
  std::shared_ptr<bool> alive = FAlive;
  Scroll(zqcEndScroll, position);
  if (!*alive) return;
  SetPosition(position);
  Changed();
}

// Both reach a windowless bar through its parent window while it holds the capture.
void TTeScrollBar::WMCancelMode(TMessage& message) {
  CancelMode();
  InheritedMessage(StaticClass(), message);
}

void TTeScrollBar::CMEnabledChanged(TMessage& message) {
  InheritedMessage(StaticClass(), message);
  Changed();
}

void TTeScrollBar::WMGetDlgCode(TMessage& message) { message.Result = 1; }

// Painting

TteTheme* TTeScrollBar::Theme() const {
  return IsObjectDefined(zqscScrollBar, FThemeObject, FThemeLink) ? GetThemeLink(FThemeLink) : nullptr;
}

TteScrollButtonDrawState TTeScrollBar::ButtonState(bool pressed, bool hot) const {
  if (!Enabled()) return zqbdsDisabled;
  if (pressed) return zqbdsPressed;
  if (hot) return zqbdsHot;
  return zqbdsNormal;
}

void TTeScrollBar::PaintBuffer() {
  TteTheme* theme = Theme();
  if (theme && theme->IsScrollTransparent(zqscScrollBar, FThemeObject)) DrawControlBackground(this, Canvas());
  DrawBorder();
  DrawBackground();
  if (FShowButtons) {
    DrawLeftTopBtn();
    DrawRightBottomBtn();
  }
  if (theme) DrawTrack();
  if (SliderVisible()) DrawSlider();
}

void TTeScrollBar::DrawBorder() {
  if (Theme() || FBorderWidth <= 0) return;
  render::DrawEdge(Canvas(), Rect(0, 0, Width(), Height()), clBtnShadow, clBtnHighlight);
}

void TTeScrollBar::DrawBackground() {
  if (Theme()) return;
  render::FillHalftoneRect(Canvas(), GetBackgroundRect(), clScrollBar, clBtnHighlight);
}

namespace {

void DrawClassicArrow(TCanvas* canvas, TRect r, pg::UINT arrow, bool pressed, bool disabled) {
  pg::UINT state = arrow;
  if (disabled)
    state |= pg::DFCS_INACTIVE;
  else if (pressed)
    state |= pg::DFCS_PUSHED | pg::DFCS_FLAT;
  pg::DrawFrameControl(*canvas->Prepared(), &r, pg::DFC_SCROLL, state);
}

}  // namespace

void TTeScrollBar::DrawLeftTopBtn() {
  bool pressed = FLeftTopBtnPressed && FLeftTopBtnHot;
  TRect r = GetLeftTopBtnRect();
  if (TteTheme* theme = Theme()) {
    theme->ScrollDrawButton(
        zqscScrollBar, Canvas(),
        ScrollButtonInfo(r, ButtonState(pressed, FLeftTopBtnHot), Vertical() ? zqbcUp : zqbcLeft),
        FThemeObject);
    return;
  }
  DrawClassicArrow(Canvas(), r, Vertical() ? pg::DFCS_SCROLLUP : pg::DFCS_SCROLLLEFT, pressed, !Enabled());
}

void TTeScrollBar::DrawRightBottomBtn() {
  bool pressed = FRightBottomBtnPressed && FRightBottomBtnHot;
  TRect r = GetRightBottomBtnRect();
  if (TteTheme* theme = Theme()) {
    theme->ScrollDrawButton(
        zqscScrollBar, Canvas(),
        ScrollButtonInfo(r, ButtonState(pressed, FRightBottomBtnHot), Vertical() ? zqbcDown : zqbcRight),
        FThemeObject);
    return;
  }
  DrawClassicArrow(Canvas(), r, Vertical() ? pg::DFCS_SCROLLDOWN : pg::DFCS_SCROLLRIGHT, pressed, !Enabled());
}

void TTeScrollBar::DrawTrack() {
  if (TteTheme* theme = Theme())
    theme->ScrollDrawArea(
        zqscScrollBar, Canvas(),
        ScrollAreaInfo(GetBackgroundRect(), zqadsNormal, Vertical() ? zqacVertical : zqacHorizontal),
        FThemeObject);
}

void TTeScrollBar::DrawSlider() {
  TRect r = GetSliderRect();
  if (TteTheme* theme = Theme()) {
    theme->ScrollDrawButton(zqscScrollBar, Canvas(),
                            ScrollButtonInfo(r, ButtonState(FGrabOffset >= 0, FSliderHot),
                                             Vertical() ? zqbcVertSlider : zqbcHorzSlider),
                            FThemeObject);
    return;
  }
  pg::UINT state = pg::DFCS_BUTTONPUSH;
  if (FGrabOffset >= 0) state |= pg::DFCS_PUSHED;
  pg::DrawFrameControl(*Canvas()->Prepared(), &r, pg::DFC_BUTTON, state);
}

}  // namespace z5t8::skin::controls
