#pragma once

#include <memory>

#include "framework/gui/Icon.h"
#include "framework/gui/Menus.h"
#include "framework/gui/WinControl.h"

namespace z5t8::framework {

enum TFormBorderStyle { bsNone, bsSingle, bsSizeable, bsDialog, bsToolWindow, bsSizeToolWin };
using TBorderStyle = TFormBorderStyle;
enum TBorderIcon { biSystemMenu, biMinimize, biMaximize, biHelp };
using TBorderIcons = TSet<TBorderIcon>;
enum TPosition {
  poDesigned,
  poDefault,
  poDefaultPosOnly,
  poDefaultSizeOnly,
  poScreenCenter,
  poDesktopCenter,
  poMainFormCenter,
  poOwnerFormCenter
};
enum TWindowState { wsNormal, wsMinimized, wsMaximized };
enum TCloseAction { caNone, caHide, caFree, caMinimize };
enum TFormStateFlag { fsCreating, fsVisible, fsShowing, fsModal, fsCreatedMDIChild, fsActivated };
using TFormState = TSet<TFormStateFlag>;

using TModalResult = int;
constexpr TModalResult mrNone = 0;
constexpr TModalResult mrOk = 1;
constexpr TModalResult mrCancel = 2;
constexpr TModalResult mrAbort = 3;
constexpr TModalResult mrRetry = 4;
constexpr TModalResult mrIgnore = 5;
constexpr TModalResult mrYes = 6;
constexpr TModalResult mrNo = 7;
constexpr TModalResult mrAll = 8;

using TCloseEvent = TEvent<TObject*, TCloseAction&>;
using TCloseQueryEvent = TEvent<TObject*, bool&>;
// A key with its modifiers pressed on the form; setting the flag true takes it
// before the focused control sees it.
using TShortCutEvent = TEvent<TObject*, TShortCut, bool&>;

extern const TEnumInfo FormBorderStyleInfo;

// A top-level window. A form class with a layout resource named after it
// ("TFORM1") is built from it: create it with CreateForm<T>() (or call
// AfterConstruction after new), which reads the layout once the derived object
// exists, binds its published fields and events, and then runs OnCreate.
class TCustomForm : public TWinControl {
  Z5T8_CLASS(TCustomForm, TWinControl)
public:
  explicit TCustomForm(TComponent* owner);
  ~TCustomForm() override;

  // Reads the class's layout (when there is one) and runs OnCreate.
  virtual void AfterConstruction();
  template <class T>
  static T* CreateForm(TComponent* owner) {
    auto* form = new T(owner);
    try {
      form->AfterConstruction();
    } catch (...) {
      delete form;
      throw;
    }
    return form;
  }

  TFormBorderStyle BorderStyle() const { return FBorderStyle; }
  void SetBorderStyle(TFormBorderStyle value);
  TBorderIcons BorderIcons() const { return FBorderIcons; }
  void SetBorderIcons(TBorderIcons value);
  TPosition Position() const { return FPosition; }
  void SetPosition(TPosition value) { FPosition = value; }
  TWindowState WindowState() const;
  void SetWindowState(TWindowState value);
  bool KeyPreview() const { return FKeyPreview; }
  void SetKeyPreview(bool value) { FKeyPreview = value; }
  bool OldCreateOrder() const { return FOldCreateOrder; }
  void SetOldCreateOrder(bool value) { FOldCreateOrder = value; }
  int PixelsPerInch() const { return FPixelsPerInch; }
  void SetPixelsPerInch(int value) {
    if (value > 0) FPixelsPerInch = value;
  }
  int TextHeight() const { return FTextHeight; }
  void SetTextHeight(int value) { FTextHeight = value; }
  bool Scaled() const { return FScaled; }
  void SetScaled(bool value) { FScaled = value; }
  bool AutoScroll() const { return FAutoScroll; }
  void SetAutoScroll(bool value) { FAutoScroll = value; }
  bool AutoSize() const { return FAutoSize; }
  void SetAutoSize(bool value);
  TIcon* Icon() const { return FIcon.get(); }
  TFormState FormState() const { return FFormState; }

  // While the window does not exist yet, the client size is remembered and
  // turned into the outer size from the window's frame when it is created.
  TRect GetClientRect() const override;
  void SetClientSize(int width, int height) override;

  TWinControl* ActiveControl() const { return FActiveControl; }
  void SetActiveControl(TWinControl* control);
  void FocusControl(TWinControl* control);
  bool SetFocusedControl(TWinControl* control);
  void DefocusControl(TWinControl* control, bool removing);
  void ControlRemoving(TWinControl* control);
  bool Active() const { return FActive; }
  void SetFocus() override;

  void Show();
  void Hide() { SetVisible(false); }
  void Close();
  virtual bool CloseQuery();
  // The close procedure: OnClose with the action proposed.
  virtual void DoClose(TCloseAction& action);
  // Frees the form once the messages now waiting have run.
  void Release();
  virtual int ShowModal();
  TModalResult ModalResult() const { return FModalResult; }
  void SetModalResult(TModalResult value) { FModalResult = value; }

  bool DoKeyDown(TMessage& message) { return TWinControl::DoKeyDown(message); }
  bool DoKeyUp(TMessage& message) { return TWinControl::DoKeyUp(message); }
  bool DoKeyPress(TMessage& message) { return TWinControl::DoKeyPress(message); }

  void SetVisible(bool value) override;
  void Loaded() override;
  // The controls, then, for the form as root, the owned components without a parent
  // (timers, theme components), so a written layout keeps them.
  void GetChildren(const TGetChildProc& proc, TComponent* root) override;

  TNotifyEvent OnCreate;
  TNotifyEvent OnDestroy;
  TNotifyEvent OnShow;
  TNotifyEvent OnHide;
  TNotifyEvent OnActivate;
  TNotifyEvent OnDeactivate;
  TNotifyEvent OnPaint;
  TCloseEvent OnClose;
  TCloseQueryEvent OnCloseQuery;
  TShortCutEvent OnShortCut;

protected:
  void CreateParams(TCreateParams& params) override;
  void CreateWnd() override;
  virtual void DoCreate();
  void ScaleControls(int multiplier, int divider);
  void PlaceOnScreen();
  void UpdateAutoSize();

  void WMClose(TMessage& message);
  void WMActivate(TMessage& message);
  void WMGetMinMaxInfo(TMessage& message);
  void WMSysCommand(TMessage& message);
  void CMDialogKey(TMessage& message);
  void CMRelease(TMessage& message);
  void CMIconChanged(TMessage& message);

private:
  TFormBorderStyle FBorderStyle = bsSizeable;
  TBorderIcons FBorderIcons{biSystemMenu, biMinimize, biMaximize};
  TPosition FPosition = poDesigned;
  TWindowState FWindowState = wsNormal;
  bool FKeyPreview = false;
  bool FOldCreateOrder = false;
  int FPixelsPerInch = 96;
  int FTextHeight = 13;
  bool FScaled = true;
  bool FAutoScroll = true;
  bool FAutoSize = false;
  std::unique_ptr<TIcon> FIcon;
  TFormState FFormState;
  TWinControl* FActiveControl = nullptr;
  TWinControl* FFocusedControl = nullptr;
  bool FActive = false;
  TModalResult FModalResult = mrNone;
};

// The form that layouts name: it publishes what the stored window layouts use.
class TForm : public TCustomForm {
  Z5T8_CLASS(TForm, TCustomForm)
public:
  using TCustomForm::TCustomForm;
};

}  // namespace z5t8::framework
