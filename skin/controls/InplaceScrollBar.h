#pragma once

#include <functional>

#include "framework/gui/WinControl.h"
#include "skin/controls/ScrollBar.h"

namespace z5t8::skin::controls {

class TTeSubScrollBar;

// Makes the skinned bar of an in-place bar, owned by `owner`.
using TTeScrollBarFactory = std::function<TTeScrollBar*(TComponent* owner)>;

// A small window laid exactly over one platform scroll bar of a control,
// holding a skinned bar: it copies the platform bar's place, range, page and
// position to the skinned one and turns the skinned bar's scroll requests
// into scroll messages for the control.
class TTeInplaceScrollBar : public framework::TWinControl {
  Z5T8_CLASS(TTeInplaceScrollBar, framework::TWinControl)

public:
  TTeInplaceScrollBar(TComponent* owner, framework::TWinControl* control, TTeSubScrollBar* subScrollBar,
                      TTeScrollOrientation orientation, const TTeScrollBarFactory& factory);
  ~TTeInplaceScrollBar() override;

  TTeScrollBar* ScrollBar() const { return FScrollBar; }
  framework::TWinControl* Control() const { return FControl; }
  bool Closing() const { return FClosing; }
  void SetClosing() { FClosing = true; }
  bool TakePosition() const { return FTakePosition; }

  // Moves only while an update places it over the platform bar.
  void SetBounds(int left, int top, int width, int height) override;
  // One message the control received (handed on by the sub scroll bar).
  void ControlMessage(TMessage& message);
  // Copies the platform bar's place and state.
  void UpdateFromControl();

  virtual void DoScroll(TObject* sender, TTeScrollCode code, int& position);

protected:
  void WMEraseBkgnd(TMessage& message);

private:
  bool Vertical() const { return FOrientation == zqoVertical; }

  TTeScrollBar* FScrollBar = nullptr;
  framework::TWinControl* FControl;
  TTeSubScrollBar* FSubScrollBar;
  TTeScrollOrientation FOrientation;
  bool FTakePosition = true;
  bool FBoundsAllowed = false;
  bool FClosing = false;
};

// The memo's helper that owns its two in-place bars and hands them the
// memo's window messages.
class TTeSubScrollBar : public framework::TComponent {
  Z5T8_CLASS(TTeSubScrollBar, framework::TComponent)

public:
  TTeSubScrollBar(framework::TWinControl* control, const TTeScrollBarFactory& factory);
  ~TTeSubScrollBar() override;

  framework::TWinControl* Control() const { return FControl; }
  TTeInplaceScrollBar* VertScrollBar() const { return FVertScrollBar; }
  TTeInplaceScrollBar* HorzScrollBar() const { return FHorzScrollBar; }
  bool Closing() const { return FClosing; }

  // Gives both bars the control's parent, so they lie over it as siblings.
  void SetParent(framework::TWinControl* parent);
  void ControlMessage(TMessage& message);
  // Marks itself closing and takes both bars off their parent.
  void Detach();

private:
  framework::TWinControl* FControl;
  TTeInplaceScrollBar* FVertScrollBar = nullptr;
  TTeInplaceScrollBar* FHorzScrollBar = nullptr;
  bool FClosing = false;
};

}  // namespace z5t8::skin::controls
