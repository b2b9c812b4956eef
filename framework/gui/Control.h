#pragma once

#include <functional>
#include <memory>
#include <string>

#include "framework/Component.h"
#include "framework/Event.h"
#include "framework/Font.h"
#include "framework/Set.h"
#include "framework/gui/BiDiMode.h"
#include "framework/gui/Canvas.h"
#include "framework/gui/ColorMap.h"
#include "framework/gui/ControlMessages.h"
#include "framework/gui/SizeConstraints.h"

namespace z5t8::framework {

namespace pg = platform::gui;

class TBasicAction;
class TBasicActionLink;
class TPopupMenu;
class TWinControl;

enum TAlign { alNone, alTop, alBottom, alLeft, alRight, alClient, alCustom };
enum TAnchorKind { akLeft, akTop, akRight, akBottom };
using TAnchors = TSet<TAnchorKind>;

enum TControlStyleFlag {
  csAcceptsControls,
  csCaptureMouse,
  csDesignInteractive,
  csClickEvents,
  csFramed,
  csSetCaption,
  csOpaque,
  csDoubleClicks,
  csFixedWidth,
  csFixedHeight,
  csNoDesignVisible,
  csReplicatable,
  csNoStdEvents,
  csDisplayDragImage,
  csReflector,
  csActionClient,
  csMenuEvents,
  csNeedsBorderPaint,
  csParentBackground
};
using TControlStyle = TSet<TControlStyleFlag>;

enum TControlStateFlag {
  csLButtonDown,
  csClicked,
  csPalette,
  csReadingState,
  csAlignmentNeeded,
  csFocusing,
  csCreating,
  csPaintCopy,
  csCustomPaint,
  csDestroyingHandle,
  csDocking
};
using TControlState = TSet<TControlStateFlag>;

enum TMouseButton { mbLeft, mbRight, mbMiddle };
enum TShiftStateFlag { ssShift, ssAlt, ssCtrl, ssLeft, ssRight, ssMiddle, ssDouble };
using TShiftState = TSet<TShiftStateFlag>;

using TMouseEvent = TEvent<TObject*, TMouseButton, TShiftState, int, int>;
using TMouseMoveEvent = TEvent<TObject*, TShiftState, int, int>;
using TKeyEvent = TEvent<TObject*, uint16_t&, TShiftState>;
using TKeyPressEvent = TEvent<TObject*, char16_t&>;

// The keyboard and mouse-button state of a mouse message's key flags.
TShiftState KeysToShiftState(uintptr_t keys);
// The current modifier keys, for keyboard messages.
TShiftState KeyboardShiftState();

// A visual component: a rectangle in its parent, with font, colour, text,
// visibility and mouse handling. Every message reaches it through WindowProc,
// whose default is WndProc; handlers are chosen by message number (Dispatch).
class TControl : public TComponent {
  Z5T8_CLASS(TControl, TComponent)
public:
  explicit TControl(TComponent* owner);
  ~TControl() override;

  TWinControl* Parent() const { return FParent; }
  virtual void SetParent(TWinControl* parent);
  TComponent* GetParentComponent() const override;
  void SetParentComponent(TComponent* parent) override;
  bool HasParent() const override { return true; }

  int Left() const { return FLeft; }
  int Top() const { return FTop; }
  int Width() const { return FWidth; }
  int Height() const { return FHeight; }
  void SetLeft(int value) { SetBounds(value, FTop, FWidth, FHeight); }
  void SetTop(int value) { SetBounds(FLeft, value, FWidth, FHeight); }
  void SetWidth(int value) { SetBounds(FLeft, FTop, value, FHeight); }
  void SetHeight(int value) { SetBounds(FLeft, FTop, FWidth, value); }
  virtual void SetBounds(int left, int top, int width, int height);
  TRect BoundsRect() const { return Bounds(FLeft, FTop, FWidth, FHeight); }
  void SetBoundsRect(const TRect& r) { SetBounds(r.left, r.top, r.width(), r.height()); }

  virtual TRect GetClientRect() const { return Rect(0, 0, FWidth, FHeight); }
  TRect ClientRect() const { return GetClientRect(); }
  int ClientWidth() const { return GetClientRect().width(); }
  int ClientHeight() const { return GetClientRect().height(); }
  void SetClientWidth(int value) { SetClientSize(value, ClientHeight()); }
  void SetClientHeight(int value) { SetClientSize(ClientWidth(), value); }
  virtual void SetClientSize(int width, int height);
  // The client area's top-left corner on the screen.
  virtual TPoint ClientOrigin() const;
  TPoint ClientToScreen(TPoint p) const;
  TPoint ScreenToClient(TPoint p) const;
  TPoint ClientToParent(TPoint p, TWinControl* parent = nullptr) const;

  bool Visible() const { return FVisible; }
  virtual void SetVisible(bool value);
  void Show() { SetVisible(true); }
  void Hide() { SetVisible(false); }
  bool Enabled() const { return FEnabled; }
  virtual void SetEnabled(bool value);
  // Visible here and in every parent up to a top-level one.
  bool Showing() const;

  TFont* Font() const { return FFont.get(); }
  void SetFont(const TFont* font) { FFont->Assign(font); }
  bool ParentFont() const { return FParentFont; }
  void SetParentFont(bool value);
  TColor Color() const { return FColor; }
  void SetColor(TColor value);
  bool ParentColor() const { return FParentColor; }
  void SetParentColor(bool value);
  bool ShowHint() const { return FShowHint; }
  void SetShowHint(bool value) {
    FShowHint = value;
    FParentShowHint = false;
  }
  bool ParentShowHint() const { return FParentShowHint; }
  void SetParentShowHint(bool value) { FParentShowHint = value; }
  const std::u16string& Hint() const { return FHint; }
  void SetHint(std::u16string value) { FHint = std::move(value); }

  std::u16string GetText();
  void SetText(std::u16string_view text);
  std::u16string Caption() { return GetText(); }
  void SetCaption(std::u16string_view text) { SetText(text); }

  // The action whose caption, state and handler the control shows and runs;
  // null for none. Setting one takes its properties at once (after loading,
  // only into properties still at their defaults).
  TBasicAction* Action() const;
  void SetAction(TBasicAction* action);
  // The menu a right click or the menu key opens over the control.
  TPopupMenu* PopupMenu() const { return FPopupMenu; }
  void SetPopupMenu(TPopupMenu* menu);

  TBiDiMode BiDiMode() const { return FBiDiMode; }
  void SetBiDiMode(TBiDiMode value);
  bool UseRightToLeftAlignment() const { return framework::UseRightToLeftAlignment(FBiDiMode); }
  bool UseRightToLeftReading() const { return framework::UseRightToLeftReading(FBiDiMode); }
  // Text-drawing flags with the control's bidirectional mode applied.
  uint32_t DrawTextBiDiModeFlags(uint32_t flags) const {
    return framework::DrawTextBiDiModeFlags(FBiDiMode, flags);
  }

  TAlign Align() const { return FAlign; }
  void SetAlign(TAlign value);
  TAnchors Anchors() const { return FAnchors; }
  void SetAnchors(TAnchors value) { FAnchors = value; }
  TSizeConstraints* Constraints() const { return FConstraints.get(); }

  TControlStyle& ControlStyle() { return FControlStyle; }
  TControlStyle ControlStyle() const { return FControlStyle; }
  TControlState& ControlState() { return FControlState; }
  TControlState ControlState() const { return FControlState; }

  // The message entry; replace it to hook the control, call the saved one on.
  std::function<void(TMessage&)> WindowProc;
  intptr_t Perform(uint32_t msg, uintptr_t wParam = 0, intptr_t lParam = 0);
  virtual void WndProc(TMessage& message);
  void DefaultHandler(TMessage& message) override;

  virtual void Invalidate();
  virtual void Repaint();
  virtual void Refresh() { Repaint(); }
  virtual void Update();
  void BringToFront();
  void SendToBack();

  bool MouseCapture() const;
  void SetMouseCapture(bool value);

  void Loaded() override;
  void ReadState(TReader& reader) override;

  TNotifyEvent OnClick;
  TNotifyEvent OnDblClick;
  TNotifyEvent OnResize;
  TMouseEvent OnMouseDown;
  TMouseEvent OnMouseUp;
  TMouseMoveEvent OnMouseMove;

  // With an action whose handler is the click handler (or with no click
  // handler), runs the action; otherwise OnClick.
  virtual void Click();
  virtual void DblClick();

protected:
  // The action changed, or was just set: the control takes its caption,
  // enabled and visible state, hint and handler. With checkDefaults only
  // properties still at their defaults change.
  virtual void ActionChange(TObject* sender, bool checkDefaults);
  void Notification(TComponent* component, TOperation operation) override;
  void WMContextMenu(TMessage& message);
  virtual void MouseDown(TMouseButton button, TShiftState shift, int x, int y);
  virtual void MouseMove(TShiftState shift, int x, int y);
  virtual void MouseUp(TMouseButton button, TShiftState shift, int x, int y);
  virtual void Resize();
  virtual void FontChanged();
  // The control's own text storage while it has no window.
  std::u16string FText;

  void WMMouseButton(TMessage& message);
  void WMMouseMove(TMessage& message);
  void CMEnabledChanged(TMessage& message);
  void CMVisibleChanged(TMessage& message);
  void CMFontChanged(TMessage& message);
  void CMColorChanged(TMessage& message);
  void CMParentFontChanged(TMessage& message);
  void CMParentColorChanged(TMessage& message);

private:
  friend class TWinControl;
  void DoMouseDown(TMessage& message, TMouseButton button, TShiftState shift);
  void DoMouseUp(TMessage& message, TMouseButton button);

  TWinControl* FParent = nullptr;
  int FLeft = 0;
  int FTop = 0;
  int FWidth = 0;
  int FHeight = 0;
  bool FVisible = true;
  bool FEnabled = true;
  std::unique_ptr<TFont> FFont;
  bool FParentFont = true;
  TColor FColor = clWindow;
  bool FParentColor = true;
  bool FShowHint = false;
  bool FParentShowHint = true;
  std::u16string FHint;
  TAlign FAlign = alNone;
  TAnchors FAnchors{akLeft, akTop};
  std::unique_ptr<TSizeConstraints> FConstraints;
  TControlStyle FControlStyle;
  TControlState FControlState;
  // Right and bottom distances to the parent's client edges, for anchoring.
  int FAnchorRight = 0;
  int FAnchorBottom = 0;
  bool FAnchorsValid = false;
  bool FFontChanging = false;
  std::unique_ptr<TBasicActionLink> FActionLink;
  TPopupMenu* FPopupMenu = nullptr;
  TBiDiMode FBiDiMode = bdLeftToRight;

public:
  // Anchoring: the right and bottom gaps to the parent's client edges are
  // taken now and kept when the parent's client size changes.
  void UpdateAnchorRules();
  void ApplyAnchors(int parentWidth, int parentHeight);
  void ChangeScale(int multiplier, int divider);
};

}  // namespace z5t8::framework
