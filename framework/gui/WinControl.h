#pragma once

#include <string>
#include <vector>

#include "framework/gui/Brush.h"
#include "framework/gui/Control.h"
#include "platform/gui/Window.h"

namespace z5t8::framework {

namespace pg = platform::gui;

// What CreateWnd asks the window system for.
struct TCreateParams {
  std::u16string Caption;
  pg::DWORD Style = 0;
  pg::DWORD ExStyle = 0;
  int X = 0;
  int Y = 0;
  int Width = 0;
  int Height = 0;
  pg::HWND WndParent = nullptr;
  // The window class: a class of the window system to subclass (the edit), or
  // empty for the framework's own class named after the control's class.
  std::u16string SubClassOf;
  pg::UINT ClassStyle = 0;
};

// A control with a window of its own: it has children, takes the focus and
// keyboard input, and paints its windowless children into its window.
class TWinControl : public TControl {
  Z5T8_CLASS(TWinControl, TControl)
public:
  explicit TWinControl(TComponent* owner);
  ~TWinControl() override;

  // Creates the window (and the parents' windows) when it is not there yet.
  pg::HWND Handle();
  bool HandleAllocated() const { return FHandle != nullptr; }
  void HandleNeeded();
  // The control that owns this window, if any.
  static TWinControl* FindControl(pg::HWND hwnd);
  void RecreateWnd();
  // A top-level window's owner (forms); none gives an unowned window.
  pg::HWND ParentWindow() const { return FParentWindow; }
  void SetParentWindow(pg::HWND value) { FParentWindow = value; }

  int ControlCount() const { return static_cast<int>(FControls.size()); }
  TControl* Controls(int index) const { return FControls[static_cast<size_t>(index)]; }
  void InsertControl(TControl* control);
  void RemoveControl(TControl* control);
  bool ContainsControl(const TControl* control) const;
  // The topmost enabled (or, when allowed, disabled) visible child at a client point.
  TControl* ControlAtPos(TPoint p, bool allowDisabled, bool allowWinControls = false) const;

  int TabOrder() const;
  void SetTabOrder(int value);
  bool TabStop() const { return FTabStop; }
  void SetTabStop(bool value);
  // Windowed children in tab order, depth first.
  void GetTabOrderList(std::vector<TWinControl*>& list);
  TWinControl* FindNextControl(TWinControl* current, bool goForward, bool checkTabStop, bool checkParent);
  void SelectNext(TWinControl* current, bool goForward, bool checkTabStop);

  bool Focused() const;
  virtual bool CanFocus() const;
  virtual void SetFocus();

  void SetBounds(int left, int top, int width, int height) override;
  TRect GetClientRect() const override;
  TPoint ClientOrigin() const override;
  void SetClientSize(int width, int height) override;
  void Invalidate() override;
  void Repaint() override;
  void Update() override;

  // Sends the message to every child.
  void Broadcast(TMessage& message);
  void Realign();
  void DisableAlign() { ++FAlignLevel; }
  void EnableAlign();

  // Paints this control, its frame and all its children into dc at (x, y).
  void PaintTo(pg::DeviceContext* dc, int x, int y);
  // Paints the windowless children into dc (the client area's context),
  // starting after `first` when it is one of them.
  void PaintControls(pg::DeviceContext* dc, TControl* first);

  // The brush the window system is given for this control's background.
  TBrush* Brush() { return &FBrush; }

  void WndProc(TMessage& message) override;
  void DefaultHandler(TMessage& message) override;
  void Loaded() override;
  void GetChildren(const TGetChildProc& proc, TComponent* root) override;
  TComponent* GetChildParent() override { return this; }

  TKeyEvent OnKeyDown;
  TKeyEvent OnKeyUp;
  TKeyPressEvent OnKeyPress;
  TNotifyEvent OnEnter;
  TNotifyEvent OnExit;

protected:
  virtual void CreateParams(TCreateParams& params);
  virtual void CreateWnd();
  virtual void CreateWindowHandle(const TCreateParams& params);
  virtual void DestroyWnd();
  void CreateHandle();
  void DestroyHandle();
  // Sizes the control from its window after the window system changed it.
  void UpdateBounds();
  virtual void AlignControls(TControl* control, TRect& rect);
  virtual void PaintWindow(pg::DeviceContext* dc);
  void PaintHandler(TMessage& message);

  virtual void KeyDown(uint16_t& key, TShiftState shift);
  virtual void KeyUp(uint16_t& key, TShiftState shift);
  virtual void KeyPress(char16_t& key);
  bool DoKeyDown(TMessage& message);
  bool DoKeyUp(TMessage& message);
  bool DoKeyPress(TMessage& message);

  void WMPaint(TMessage& message);
  void WMEraseBkgnd(TMessage& message);
  void WMSetFocus(TMessage& message);
  void WMSize(TMessage& message);
  void WMMove(TMessage& message);
  void WMKeyDown(TMessage& message);
  void WMKeyUp(TMessage& message);
  void WMChar(TMessage& message);
  void WMCommand(TMessage& message);
  void WMScroll(TMessage& message);
  void WMCtlColor(TMessage& message);
  void WMMouseLeave(TMessage& message);
  void CNKeyDown(TMessage& message);
  void CNChar(TMessage& message);
  void CNCtlColor(TMessage& message);
  void CMDialogKey(TMessage& message);
  void CMDialogChar(TMessage& message);
  void CMFocusChanged(TMessage& message);
  void CMEnabledChanged(TMessage& message);
  void CMVisibleChanged(TMessage& message);
  void CMColorChanged(TMessage& message);
  void CMFontChanged(TMessage& message);
  void CMShowingChanged(TMessage& message);
  void CMEnter(TMessage& message);
  void CMExit(TMessage& message);

  void FontChanged() override;
  // Whether the control is shown as its window: visible and, for children,
  // inside a parent that is showing.
  bool ShouldShow() const;
  void UpdateShowing();

  pg::HWND FHandle = nullptr;
  pg::WNDPROC FDefWndProc = nullptr;
  pg::Brush FBrushValue;

private:
  friend class TControl;
  friend pg::LRESULT FrameworkWndProc(pg::HWND, pg::UINT, pg::WPARAM, pg::LPARAM);
  void MainWndProc(TMessage& message);
  // The control whose mouse messages a child window should go to instead.
  bool IsControlMouseMsg(TMessage& message);
  void TrackMouse(TControl* target);
  void ApplyFontToWindow();

  std::vector<TControl*> FControls;
  std::vector<TWinControl*> FTabList;
  bool FTabStop = false;
  int FAlignLevel = 0;
  TBrush FBrush;
  pg::HWND FParentWindow = nullptr;
  bool FShowing = false;
  int FOldClientWidth = -1;
  int FOldClientHeight = -1;
};

// The window procedure of every framework window.
pg::LRESULT FrameworkWndProc(pg::HWND hwnd, pg::UINT msg, pg::WPARAM wParam, pg::LPARAM lParam);

// The form (top-level windowed ancestor) of a control, if any.
class TCustomForm;
TCustomForm* GetParentForm(const TControl* control);

}  // namespace z5t8::framework
