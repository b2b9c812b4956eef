#pragma once

#include <memory>
#include <string>

#include "framework/Event.h"
#include "framework/gui/Timer.h"
#include "skin/controls/Control.h"
#include "skin/theme/ThemeTypes.h"
#include "skin/theme/ThemeForward.h"

namespace z5t8::skin::controls {

using TTeScrollEvent = framework::TEvent<TObject*, TTeScrollCode, int&>;

// The skinned scroll bar: two arrow buttons, a track and a thumb, with hot
// and pressed looks, auto-repeat on the keyboard's timing and thumb dragging.
// Serves as a control's own bar and as the bar laid over a memo's.
class TTeScrollBar : public TTeGraphicControl {
  Z5T8_CLASS(TTeScrollBar, TTeGraphicControl)

public:
  explicit TTeScrollBar(TComponent* owner);
  ~TTeScrollBar() override;

  int Min() const { return FMin; }
  void SetMin(int value);
  int Max() const { return FMax; }
  void SetMax(int value);
  int PageSize() const { return FPageSize; }
  void SetPageSize(int value);
  int Position() const { return FPosition; }
  void SetPosition(int value);
  int SmallChange() const { return FSmallChange; }
  void SetSmallChange(int value) { FSmallChange = ClampChange(value); }
  int LargeChange() const { return FLargeChange; }
  void SetLargeChange(int value) { FLargeChange = ClampChange(value); }
  TTeScrollOrientation Orientation() const { return FOrientation; }
  void SetOrientation(TTeScrollOrientation value);
  bool ShowButtons() const { return FShowButtons; }
  void SetShowButtons(bool value);
  int BorderWidth() const { return FBorderWidth; }
  void SetBorderWidth(int value);
  const std::string& ThemeObject() const { return FThemeObject; }
  void SetThemeObject(const std::string& value);
  theme::TteCustomThemeLink* ThemeLink() const { return FThemeLink; }
  void SetThemeLink(theme::TteCustomThemeLink* value);

  // Thickness across the bar from the system's thumb size and the border.
  void UpdateSytemSize();

  virtual int GetBtnSize() const;
  virtual int GetSliderSize() const;
  virtual TRect GetLeftTopBtnRect() const;
  virtual TRect GetRightBottomBtnRect() const;
  virtual TRect GetSliderRect() const;
  virtual TRect GetBackgroundRect() const;
  virtual TRect GetLeftTopTrackRect() const;
  virtual TRect GetRightBottomTrackRect() const;
  virtual bool PtInLeftTopBtn(int x, int y) const;
  virtual bool PtInRightBottomBtn(int x, int y) const;
  virtual bool PtInSlider(int x, int y) const;
  virtual bool PtInLeftTopTrack(int x, int y) const;
  virtual bool PtInRightBottomTrack(int x, int y) const;

  // Where the thumb starts for the current position, and the position a
  // thumb start stands for.
  int PositionCoordinate() const;
  int CoordinatePosition(int coordinate) const;
  bool SliderVisible() const;

  // One step as the keys make it: zqcLineUp ... zqcPageDown, zqcTop, zqcBottom.
  void ScrollStep(TTeScrollCode code);
  bool AutoScrollUp() const { return FAutoScrollUp; }
  void SetAutoScrollUp(bool value);
  bool AutoScrollDown() const { return FAutoScrollDown; }
  void SetAutoScrollDown(bool value);
  // The thumb's grab offset, -1 while it is not held.
  int GrabOffset() const { return FGrabOffset; }
  bool RepeatRunning() const;

  void PaintBuffer() override;
  void Notification(TComponent* component, framework::TOperation operation) override;

  TNotifyEvent OnChange;
  TTeScrollEvent OnScroll;

protected:
  virtual void DrawLeftTopBtn();
  virtual void DrawRightBottomBtn();
  virtual void DrawTrack();
  virtual void DrawSlider();
  virtual void DrawBackground();
  virtual void DrawBorder();

  virtual void Change();
  virtual void Scroll(TTeScrollCode code, int& position);
  void MouseDown(framework::TMouseButton button, framework::TShiftState shift, int x, int y) override;
  void MouseMove(framework::TShiftState shift, int x, int y) override;
  void MouseUp(framework::TMouseButton button, framework::TShiftState shift, int x, int y) override;
  void MouseLeave() override;
  void CMEnabledChanged(TMessage& message);
  void WMCancelMode(TMessage& message);
  void WMGetDlgCode(TMessage& message);
  void TMThemeNotify(TMessage& message);

private:
  static int ClampChange(int value) { return value < 1 ? 1 : value > 32767 ? 32767 : value; }
  bool Vertical() const { return FOrientation == zqoVertical; }
  // The theme drawing this bar, or null for the classic look.
  theme::TteTheme* Theme() const;
  theme::TteScrollButtonDrawState ButtonState(bool pressed, bool hot) const;
  // Track start and length along the bar.
  int TrackStart() const;
  int TrackLength() const;
  // Recomputes the hot flags at a point; true when one changed.
  bool UpdateHot(int x, int y, bool buttons, bool tracks);
  void StartRepeat(bool immediate);
  void StopRepeat();
  // Drag, presses and repeat end where they are: the mouse was taken away.
  void CancelMode();
  void RepeatStep();
  void Changed();

  int FMin = 0;
  int FMax = 100;
  int FPageSize = 0;
  int FPosition = 0;
  int FSmallChange = 1;
  int FLargeChange = 1;
  TTeScrollOrientation FOrientation = zqoHorizontal;
  bool FShowButtons = true;
  int FBorderWidth = 0;
  std::string FThemeObject = "default";
  theme::TteCustomThemeLink* FThemeLink = nullptr;

  int FGrabOffset = -1;
  bool FSliderHot = false;
  bool FLeftTopBtnHot = false;
  bool FRightBottomBtnHot = false;
  bool FLeftTopTrackHot = false;
  bool FRightBottomTrackHot = false;
  bool FLeftTopBtnPressed = false;
  bool FRightBottomBtnPressed = false;
  bool FLeftTopTrackPressed = false;
  bool FRightBottomTrackPressed = false;
  bool FAutoScrollUp = false;
  bool FAutoScrollDown = false;
  framework::TPoint FMousePos{-1, -1};
  bool FFirstRepeat = false;
  std::unique_ptr<framework::TTimer> FTimer;
};

}  // namespace z5t8::skin::controls
