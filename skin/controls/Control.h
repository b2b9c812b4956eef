#pragma once

#include <memory>

#include "framework/gui/CustomControl.h"
#include "framework/gui/GraphicControl.h"
#include "framework/gui/Memo.h"
#include "platform/gui/ScrollBar.h"
#include "skin/controls/ControlTypes.h"

namespace z5t8::skin::controls {

using framework::TComponent;
using framework::TMessage;
using framework::TNotifyEvent;
using framework::TObject;
using framework::TRect;
using framework::TScrollStyle;

class TTeScrollBar;

// Base of the windowed skinned controls: a paint pipeline with an optional
// off-screen buffer, a border of bevels and plain rings, hover and focus
// flags, and skinned scroll bars of its own instead of the platform's.
class TTeControl : public framework::TCustomControl {
  Z5T8_CLASS(TTeControl, framework::TCustomControl)

public:
  explicit TTeControl(TComponent* owner);
  ~TTeControl() override;

  TTePerformance Performance() const { return FPerformance; }
  void SetPerformance(TTePerformance value);
  TScrollStyle ScrollBars() const { return FScrollBars; }
  void SetScrollBars(TScrollStyle value);
  int BorderWidth() const { return FBorderWidth; }
  void SetBorderWidth(int value);
  TTeBevelCut BevelInner() const { return FBevelInner; }
  void SetBevelInner(TTeBevelCut value);
  TTeBevelCut BevelOuter() const { return FBevelOuter; }
  void SetBevelOuter(TTeBevelCut value);
  TTeBevelSides BevelSides() const { return FBevelSides; }
  void SetBevelSides(TTeBevelSides value);
  TTeBevelKind BevelKind() const { return FBevelKind; }
  void SetBevelKind(TTeBevelKind value);
  int BevelWidth() const { return FBevelWidth; }
  void SetBevelWidth(int value);
  bool UseVisualStyles() const { return FUseVisualStyles; }
  void SetUseVisualStyles(bool value) { FUseVisualStyles = value; }

  bool IsHot() const { return FHot; }
  bool IsFocused() const { return FFocused; }
  TTeScrollBar* HorzScrollBar() const { return FHorzScrollBar; }
  TTeScrollBar* VertScrollBar() const { return FVertScrollBar; }
  // The size last given to SetBounds or seen in WM_WINDOWPOSCHANGING.
  int CachedWidth() const { return FCachedWidth; }
  int CachedHeight() const { return FCachedHeight; }
  // A copy of Font taken at the start of each paint.
  framework::TFont* PaintFont() const { return FPaintFont.get(); }

  virtual void PaintBorder();
  virtual void PaintBuffer();
  virtual TRect GetBorderRect() const;
  virtual TTeScrollBar* CreateScrollBar();
  virtual int GetScrollBarHeight() const;
  virtual void BorderChanged() {}

  TRect GetClientRect() const override;
  void SetBounds(int left, int top, int width, int height) override;
  void Loaded() override;
  void Paint() override;

  void InvalidateRect(const TRect& rect);
  // Invalidates the client area and dispatches the thread's pending paints now.
  void InvalidateNow();
  void InvalidateBorder();

  // The platform's scroll interface on the own bars: 0 horizontal, 1 vertical.
  int GetScrollPos(int bar) const;
  bool GetScrollInfo(int bar, platform::gui::SCROLLINFO& info) const;
  void GetScrollRange(int bar, int& min, int& max) const;
  void SetScrollPos(int bar, int pos, bool redraw);
  void SetScrollInfo(int bar, const platform::gui::SCROLLINFO& info, bool redraw);
  void SetScrollRange(int bar, int min, int max, bool redraw);

  void InitScrollBars();
  void UpdateScrollBars();

  TNotifyEvent OnMouseEnter;
  TNotifyEvent OnMouseLeave;

protected:
  void CreateParams(framework::TCreateParams& params) override;
  void CreateWnd() override;

  virtual void MouseEnter();
  virtual void MouseLeave();
  virtual void HasFocus();
  virtual void KillFocus();

  void DoHScroll(TObject* sender, TTeScrollCode code, int& position);
  void DoVScroll(TObject* sender, TTeScrollCode code, int& position);

  void WMPaint(TMessage& message);
  void CMMouseEnter(TMessage& message);
  void CMMouseLeave(TMessage& message);
  void CMVisibleChanged(TMessage& message);
  void WMEraseBkgnd(TMessage& message);
  void WMWindowPosChanging(TMessage& message);
  void CMEnter(TMessage& message);
  void CMExit(TMessage& message);
  void WMThemeChanged(TMessage& message);

  bool FHot = false;
  bool FFocused = false;
  // While set, the bars' scroll notifications are not forwarded.
  bool FScrollSuppression = false;
  // False once the control is gone: an event it raises may free it.
  std::shared_ptr<bool> FAlive = std::make_shared<bool>(true);

private:
  TTeScrollBar* Bar(int bar) const { return bar == 0 ? FHorzScrollBar : bar == 1 ? FVertScrollBar : nullptr; }
  void FreeScrollBars();

  TTeScrollBar* FHorzScrollBar = nullptr;
  TTeScrollBar* FVertScrollBar = nullptr;
  TTePerformance FPerformance = zqpNoBuffer;
  TScrollStyle FScrollBars = framework::ssNone;
  std::unique_ptr<framework::TFont> FPaintFont;
  int FBorderWidth = 0;
  TTeBevelCut FBevelInner = kbvLowered;
  TTeBevelCut FBevelOuter = kbvLowered;
  TTeBevelSides FBevelSides{kbsLeft, kbsTop, kbsRight, kbsBottom};
  TTeBevelKind FBevelKind = kbkNone;
  int FBevelWidth = 0;
  bool FUseVisualStyles = true;
  int FCachedWidth = 0;
  int FCachedHeight = 0;
};

// Base of the windowless skinned controls: the same paint pipeline without
// border and scroll bars.
class TTeGraphicControl : public framework::TGraphicControl {
  Z5T8_CLASS(TTeGraphicControl, framework::TGraphicControl)

public:
  explicit TTeGraphicControl(TComponent* owner);
  ~TTeGraphicControl() override;

  TTePerformance Performance() const { return FPerformance; }
  void SetPerformance(TTePerformance value);
  bool IsHot() const { return FHot; }
  framework::TFont* PaintFont() const { return FPaintFont.get(); }

  virtual void PaintBuffer();
  void Loaded() override;
  void Paint() override;

  TNotifyEvent OnMouseEnter;
  TNotifyEvent OnMouseLeave;

protected:
  virtual void MouseEnter();
  virtual void MouseLeave();
  void CMMouseEnter(TMessage& message);
  void CMMouseLeave(TMessage& message);

  bool FHot = false;
  // False once the control is gone: an event it raises may free it.
  std::shared_ptr<bool> FAlive = std::make_shared<bool>(true);

private:
  TTePerformance FPerformance = zqpNoBuffer;
  std::unique_ptr<framework::TFont> FPaintFont;
};

}  // namespace z5t8::skin::controls
