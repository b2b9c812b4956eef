#pragma once

#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "framework/Event.h"
#include "framework/gui/Canvas.h"
#include "framework/gui/ImageList.h"
#include "framework/gui/Menus.h"
#include "framework/gui/SizeConstraints.h"
#include "framework/gui/Timer.h"
#include "platform/gui/Font.h"
#include "platform/gui/Icon.h"
#include "platform/gui/MessageWindow.h"
#include "platform/gui/Region.h"
#include "skin/controls/FormOptions.h"
#include "skin/controls/frame/FrameEffects.h"
#include "skin/controls/Menus.h"
#include "skin/theme/ThemeTypes.h"
#include "skin/controls/Hook.h"
#include "skin/render/Bitmap.h"

namespace z5t8::skin::controls {

using fw::TPoint;
using fw::TRect;
using theme::TteWindowButtons;
using theme::TteWindowDrawStates;
using theme::TteWindowHitTest;
using theme::TteWindowSubclass;

enum TTeBorderStyle { kbsNone, kbsBorder, kbsStandard, kbsDialog, kbsToolWindow };
enum TTeBorderIcon {
  kbiClose,
  kbiSystemMenu,
  kbiMinimize,
  kbiMaximize,
  kbiHelp,
  kbiRollup,
  kbiTray,
  kbiTop,
  kbiCustom
};
using TTeBorderIcons = fw::TSet<TTeBorderIcon>;
enum TTeWindowState { kwsNormal, kwsMaximized, kwsMinimized, kwsRollup, kwsTray };
enum TTeFormPerformance { zqfpNoBuffer, zqfpSharedBuffer, zqfpPersistentBuffer, zqfpDoubleBuffer };

using TTeFormActionEvent = fw::TEvent<fw::TObject*, bool&>;
using TTeBackgroundPaintEvent = fw::TEvent<fw::TObject*, pg::DeviceContext*, const TRect&>;

// Messages the frame sends its form's window.
constexpr pg::UINT WM_TRAYCALLBACK = 1388;         // 0x056C, to the tray window
constexpr pg::UINT WM_UPDATENONCLIENTAREA = 1389;  // 0x056D
constexpr pg::UINT WM_TEMAXIMIZE = 1390;           // 0x056E
constexpr pg::UINT WM_STARTACTION = 1391;          // 0x056F
constexpr pg::UINT WM_MINTOTRAYQUERY = 17684;      // 0x4514
constexpr pg::UINT CM_PAINTTOBITMAP = 0xB1C8;

// One entry of the built-in system menu.
struct TTeSysMenuItem {
  std::u16string Caption;
  int ImageIndex = -1;  // into the TE_FORM_* pictures
  std::u16string ShortCut;
  bool IsSeparator() const { return Caption == u"-"; }
};

class TTeDefaultForm;
TteWindowSubclass WindowSubclass(const TTeDefaultForm* frame);
TteWindowDrawStates WindowStates(const TTeDefaultForm* frame);
TteWindowButtons WindowButtons(const TTeDefaultForm* frame);
// The active frame hooked to a form window, if any.
TTeDefaultForm* FrameOfWindow(pg::HWND window);

// Gives its form a frame of its own: title bar, borders, caption buttons,
// window shape, client background, and the moving, sizing and window states
// that go with them. It hooks the form's window and answers the non-client
// messages itself, in the platform's classic look.
class TTeDefaultForm : public TTeHook {
  Z5T8_CLASS(TTeDefaultForm, TTeHook)
public:
  explicit TTeDefaultForm(fw::TComponent* owner);
  ~TTeDefaultForm() override;

  // Published properties.
  TTeAnimation* Animation() const { return FAnimation.get(); }
  TTeBlending* Blending() const { return FBlending.get(); }
  TTeShadow* Shadow() const { return FShadow.get(); }
  TTeGravitation* Gravitation() const { return FGravitation.get(); }
  TTeDragging* Dragging() const { return FDragging.get(); }
  fw::TSizeConstraints* Constraints() const { return FConstraints.get(); }
  TTePopupMenuOptions* SystemMenuOptions() const { return FSystemMenuOptions.get(); }
  TTePopupMenuOptions* TrayMenuOptions() const { return FTrayMenuOptions.get(); }
  TTeBorderIcons BorderIcons() const { return FBorderIcons; }
  void SetBorderIcons(TTeBorderIcons value);
  TTeBorderStyle BorderStyle() const { return FBorderStyle; }
  void SetBorderStyle(TTeBorderStyle value);
  std::u16string GetCaption() const;
  void SetCaption(const std::u16string& text);
  bool SystemMenuLinkMerge() const { return FSystemMenuLinkMerge; }
  void SetSystemMenuLinkMerge(bool value) { FSystemMenuLinkMerge = value; }
  bool SystemMenuLinkMergeAtFirst() const { return FSystemMenuLinkMergeAtFirst; }
  void SetSystemMenuLinkMergeAtFirst(bool value) { FSystemMenuLinkMergeAtFirst = value; }
  bool MinimizeApplication() const { return FMinimizeApplication; }
  void SetMinimizeApplication(bool value) { FMinimizeApplication = value; }
  TTeFormPerformance Performance() const { return FPerformance; }
  void SetPerformance(TTeFormPerformance value) { FPerformance = value; }
  bool StayOnTop() const { return FStayOnTop; }
  void SetStayOnTop(bool value);
  bool StretchBackground() const { return FStretchBackground; }
  void SetStretchBackground(bool value) { FStretchBackground = value; }
  TTeWindowState WindowState() const { return FWindowState; }
  void SetWindowState(TTeWindowState value);
  fw::TPopupMenu* SystemMenuLink() const { return FSystemMenuLink; }
  void SetSystemMenuLink(fw::TPopupMenu* menu);
  fw::TPopupMenu* TrayMenuLink() const { return FTrayMenuLink; }
  void SetTrayMenuLink(fw::TPopupMenu* menu);
  // Keyboard menu and shortcuts go to the menu bar first.
  TTeMenuBar* MenuBar() const { return FMenuBar; }
  void SetMenuBar(TTeMenuBar* value);
  // The window list's menu item of a multiple-document parent (stored only).
  fw::TMenuItem* WindowMenu() const { return FWindowMenu; }
  void SetWindowMenu(fw::TMenuItem* value);
  bool DisabledNCArea() const { return FDisabledNCArea; }
  void SetDisabledNCArea(bool value) { FDisabledNCArea = value; }

  fw::TNotifyEvent OnFormShown;
  fw::TNotifyEvent OnCreate;
  fw::TNotifyEvent OnPaint;
  fw::TNotifyEvent OnResize;
  TTeFormActionEvent OnClose;
  TTeFormActionEvent OnMinimize;
  TTeFormActionEvent OnMaximize;
  TTeFormActionEvent OnRollup;
  TTeFormActionEvent OnMinToTray;
  TTeBackgroundPaintEvent OnPaintBackground;

  // Geometry and look; a themed frame replaces them.
  virtual void ChangeSize();
  virtual std::optional<pg::Region> GetRegion();
  virtual TRect GetCaptionButtonRect(TTeBorderIcon icon);
  virtual TRect GetClientBounds();
  virtual TRect GetRollupRect();
  virtual TRect GetMinimizedRect();
  virtual TRect GetMaximizedRect();
  virtual TPoint GetMaxTrackSize();
  virtual TPoint GetMinTrackSize();
  virtual TRect GetGripperRect();
  virtual void PaintGripper(fw::TCanvas* canvas);
  virtual void PaintNonClientArea(fw::TCanvas* canvas);
  virtual void PaintClientArea();
  virtual TteWindowHitTest GetHitTest(int x, int y);

  void SetActive(bool value) override;
  void DoAfterMessage(fw::TMessage& message, bool& handled) override;
  void DoBeforeDestruction() override;
  void Loaded() override;

  void UpdateNonClientArea(const pg::Region* region = nullptr);
  void InvalidateNonClientArea() { UpdateNonClientArea(nullptr); }
  void InvalidateNow();
  void InvalidateRect(const TRect& rect);
  void Update();
  // Paints the client background under a child, on the child's canvas (set up
  // for this form's client coordinates); `rect` is the child's rectangle.
  void PaintChildBackground(fw::TCanvas* canvas, const TRect& rect);
  void DisableDrawing() { FDrawingEnabled = false; }
  void EnableDrawing() { FDrawingEnabled = true; }
  bool DrawingEnabled() const { return FDrawingEnabled; }
  TRect GetClientRect();
  const pg::Icon* GetIcon();
  const pg::Icon* GetIconFast() const { return FSmallIcon.get(); }
  bool IsFrameActive() const { return FFrameActive; }
  TteWindowHitTest HotPart() const { return FHotPart; }
  TteWindowHitTest PressedPart() const { return FPressedPart; }
  fw::TShiftState HeldButtons() const { return FHeldButtons; }
  bool IsDragging() const { return FDragging_; }
  TTeWindowState PreviousState() const { return FPreviousState; }
  TRect NormalBounds() const { return FNormalBounds; }
  int FrameWidth() const { return FFrameWidth; }
  int FrameHeight() const { return FFrameHeight; }
  // The shadow's and the translucent bands' copy of the screen under the window.
  const TTeFrameEffects& Effects() const { return *FEffects; }

  // Mouse handling and window states, in window coordinates.
  void NCMouseDown(fw::TMouseButton button, fw::TShiftState shift, int x, int y);
  void NCMouseMove(fw::TShiftState shift, int x, int y);
  void NCMouseUp(fw::TMouseButton button, fw::TShiftState shift, int x, int y);
  void Close();
  void Maximize();
  void Minimize();
  void Rollup();
  void MinToTray();
  void Restore();
  void Help();
  void SysMenu();
  void MoveWindow(int dx, int dy);
  void MoveWindow(int x, int y, int width, int height);
  void MoveWindow(const TRect& rect);
  TRect ApplyGravitation(const TRect& rect);
  // The items of the built-in system menu for the current state.
  std::vector<TTeSysMenuItem> CreateSysMenu() const;
  // Runs the system-menu item of that caption.
  void SysMenuItemClick(const std::u16string& caption);
  // The menu SysMenu shows, while and after it shows.
  fw::TPopupMenu* SystemMenu() const { return FSysMenu.get(); }
  // The tray window's handle and the icon's id there (while in the tray).
  pg::HWND TrayWindow() const { return FTrayWindow ? FTrayWindow->handle() : nullptr; }
  // The frame itself is the icon's id there (the tray window tells frames apart).
  pg::UINT TrayIconId() const { return pg::UINT(reinterpret_cast<uintptr_t>(this)); }
  // The tip the tray icon shows, refreshed at loading and on going to the tray.
  const std::u16string& TrayTip() const { return FTrayTip; }
  bool InTray() const { return FTrayIconAdded; }
  void Notification(fw::TComponent* component, fw::TOperation operation) override;
  // Where the next system menu opens, and what the last one showed.
  TPoint SystemMenuPosition() const { return FSysMenuPos; }
  const std::vector<TTeSysMenuItem>& LastSystemMenu() const { return FLastSysMenu; }
  TPoint LastSystemMenuPoint() const { return FLastSysMenuPoint; }

  // How a caption button of that part is drawn now.
  theme::TteWindowButtonDrawState ButtonDrawState(TteWindowHitTest part) const;
  // The window's top-left corner on the screen; window coordinates start there.
  TPoint WindowOrigin() const;

protected:
  // Whether the frame's look and geometry come from a theme.
  virtual bool Themed() { return false; }
  bool Loading() const { return InState(fw::csLoading); }
  void RefreshMetrics();
  int CaptionHeight() const;
  TRect UnthemedCaptionButtonRect(TTeBorderIcon icon);
  void PaintUnthemed(fw::TCanvas* canvas);
  void DrawCaption(fw::TCanvas* canvas, const TRect& band);
  void DrawCaptionButton(pg::DeviceContext& dc, TTeBorderIcon icon, const TRect& r);
  TteWindowHitTest BorderIconPart(TTeBorderIcon icon) const;
  void PaintBuffered(pg::DeviceContext* target, const TRect& bounds, bool nonClient,
                     const std::optional<TRect>& only);
  int ShadowSize() const;
  bool HasEffects() const { return FBlending->Enabled() || FShadow->Enabled(); }
  // Where the window is on the screen.
  TRect ScreenBounds() const;
  void TakeBackground(const TRect& target);
  void SyncFrameSize();
  TRect FormBounds() const;
  // The bounds to remember as the normal ones: the form's, or while the
  // platform has it minimized, the last it had outside that.
  TRect BoundsToRemember() const;
  TPoint ScreenToWindow(TPoint screen) const;
  // A point of the form's client area in window coordinates (the two are
  // the same when the frame is drawn inside the client area).
  TPoint ClientToWindow(TPoint client) const;
  void SetHot(TteWindowHitTest part);
  void DrawDragFrame(const TRect& r);
  // With DisabledNCArea: the windowless control under a window point, and a
  // mouse message for it in its own coordinates.
  fw::TControl* WindowlessAt(int x, int y) const;
  void SendToWindowless(fw::TControl* control, pg::UINT msg, pg::WPARAM keys, int x, int y);
  void SetWindowlessTarget(fw::TControl* control);
  // The visible skinned forms that move with this one (Gravitation.OwnedForm):
  // those snapping to forms that touch it.
  std::vector<TTeDefaultForm*> Followers() const;
  void EraseFollowerOutlines();
  void ChainApplicationEvents();
  void UnchainApplicationEvents();
  void ApplicationMinimize(fw::TObject* sender);
  void ApplicationRestore(fw::TObject* sender);
  void HoverTimer(fw::TObject* sender);
  void ShowBuiltInSystemMenu(TPoint at);
  bool DoAction(const TTeFormActionEvent& event);
  void AddTrayIcon(const std::u16string& tip);
  void RefreshTrayRecord();
  void ShortCut(fw::TObject* sender, fw::TShortCut shortCut, bool& handled);
  void RemoveTrayIcon();
  std::optional<pg::LRESULT> TrayMessage(pg::UINT msg, pg::LPARAM lParam);
  void PopupMenuAt(fw::TPopupMenu* menu, TPoint at);
  void FinishState();
  // Ends a press or drag without its release: the mouse was taken away.
  void CancelMouseMode();

  // Message handlers.
  void WMNCCalcSize(fw::TMessage& m);
  void WMNCHitTest(fw::TMessage& m);
  void WMNCPaint(fw::TMessage& m);
  void WMNCActivate(fw::TMessage& m);
  void WMActivate(fw::TMessage& m);
  void WMEraseBkgnd(fw::TMessage& m);
  void WMPaint(fw::TMessage& m);
  void WMWindowPosChanging(fw::TMessage& m);
  void WMGetMinMaxInfo(fw::TMessage& m);
  void WMNCLButtonDown(fw::TMessage& m);
  void WMNCLButtonUp(fw::TMessage& m);
  void WMNCLButtonDblClk(fw::TMessage& m);
  void WMNCRButtonDown(fw::TMessage& m);
  void WMNCRButtonUp(fw::TMessage& m);
  void WMNCMouseMove(fw::TMessage& m);
  void WMMouseMove(fw::TMessage& m);
  void WMLButtonUp(fw::TMessage& m);
  void WMCancelMode(fw::TMessage& m);
  void WMCaptureChanged(fw::TMessage& m);
  void WMSysCommand(fw::TMessage& m);
  void WMEnterMenuLoop(fw::TMessage& m);
  void WMThemeChanged(fw::TMessage& m);
  void WMUpdateNonClientArea(fw::TMessage& m);
  void WMMaximizeMsg(fw::TMessage& m);
  void WMStartAction(fw::TMessage& m);
  void CMPaintToBitmap(fw::TMessage& m);

  std::unique_ptr<TTeAnimation> FAnimation;
  std::unique_ptr<TTeBlending> FBlending;
  std::unique_ptr<TTeShadow> FShadow;
  std::unique_ptr<TTeGravitation> FGravitation;
  std::unique_ptr<TTeDragging> FDragging;
  std::unique_ptr<fw::TSizeConstraints> FConstraints;
  std::unique_ptr<TTePopupMenuOptions> FSystemMenuOptions;
  std::unique_ptr<TTePopupMenuOptions> FTrayMenuOptions;
  TTeBorderIcons FBorderIcons;
  TTeBorderStyle FBorderStyle = kbsStandard;
  bool FSystemMenuLinkMerge = false;
  bool FSystemMenuLinkMergeAtFirst = false;
  bool FMinimizeApplication = true;
  TTeFormPerformance FPerformance = zqfpNoBuffer;
  bool FStayOnTop = false;
  bool FStretchBackground = false;
  TTeWindowState FWindowState = kwsNormal;
  bool FDisabledNCArea = false;

  // Frame state.
  int FFrameWidth = 0;
  int FFrameHeight = 0;
  int FWindowWidth = 0;
  int FWindowHeight = 0;
  bool FFrameActive = false;
  TteWindowHitTest FHotPart = theme::kwhtClient;
  TteWindowHitTest FPressedPart = theme::kwhtClient;
  fw::TShiftState FHeldButtons;
  bool FDragging_ = false;
  bool FDrawingEnabled = true;
  TTeWindowState FPreviousState = kwsNormal;
  TRect FNormalBounds;
  TRect FLastShownBounds;
  std::optional<TTeWindowState> FRequestedState;
  TPoint FSysMenuPos{0, 0};
  std::u16string FCachedCaption;
  std::unique_ptr<fw::TCanvas> FWorkCanvas;
  std::unique_ptr<render::TteBitmap> FPersistentBuffer;
  std::unique_ptr<TTeFrameEffects> FEffects;
  // The frame is being painted into a bitmap that goes to the window in one
  // copy, so the look needs no band bitmap of its own.
  bool FIntoBuffer = false;
  std::unique_ptr<pg::Icon> FSmallIcon;
  fw::TTimer* FHoverTimer = nullptr;
  bool FFormShown = false;
  bool FAppEventsChained = false;
  bool FInAppEvent = false;
  bool FActionRunning = false;
  bool FSuppressResize = false;
  std::optional<TRect> FRequestedRect;  // the erase handler's "this rectangle only"

  // Interaction state.
  TPoint FDownPoint;
  TPoint FLastPoint;
  bool FFrameDrag = false;
  TRect FOutlineRect;
  TRect FGravitationRect;
  fw::TControl* FWindowlessTarget = nullptr;  // took the last press over the frame
  std::vector<pg::HWND> FOutlinedFollowers;   // followers whose outline a frame-drag drew
  bool FFinalOutline = false;
  bool FSavedDragMode = true;
  bool FReleasingCapture = false;  // our own release, not a loss
  fw::TNotifyEvent FPrevAppMinimize;
  fw::TNotifyEvent FPrevAppRestore;
  std::vector<TTeSysMenuItem> FLastSysMenu;
  std::unique_ptr<TTePopupMenu> FSysMenu;
  std::unique_ptr<fw::TImageList> FMenuImages;
  std::unique_ptr<pg::MessageWindow> FTrayWindow;
  bool FTrayIconAdded = false;
  bool FMenuChose = false;
  TTeMenuBar* FMenuBar = nullptr;
  fw::TMenuItem* FWindowMenu = nullptr;
  fw::TShortCutEvent FPrevShortCut;
  bool FShortCutChained = false;
  std::u16string FTrayTip;
  fw::TPopupMenu* FSystemMenuLink = nullptr;
  fw::TPopupMenu* FTrayMenuLink = nullptr;
  TPoint FLastSysMenuPoint;

  // Unthemed metrics.
  int FBorderWidth = 4;
  int FCaptionHeight = 19;
  int FToolCaptionHeight = 15;
  int FButtonWidth = 18;
  int FButtonHeight = 18;
  std::unique_ptr<pg::Font> FCaptionFont;
  std::unique_ptr<pg::Font> FSmallCaptionFont;
};

}  // namespace z5t8::skin::controls
