#include "framework/gui/Control.h"

#include <algorithm>

#include "framework/Properties.h"
#include "framework/Reader.h"
#include "framework/gui/Action.h"
#include "framework/gui/Application.h"
#include "framework/gui/Form.h"
#include "framework/gui/Menus.h"
#include "framework/gui/WinControl.h"
#include "platform/gui/Input.h"
#include "platform/gui/Paint.h"
#include "platform/gui/VirtualKeys.h"

namespace z5t8::framework {

namespace pg = platform::gui;

namespace {

const std::string_view AlignNames[] = {"alNone",  "alTop",    "alBottom", "alLeft",
                                       "alRight", "alClient", "alCustom"};
const TEnumInfo AlignInfo{"TAlign", AlignNames};
const std::string_view AnchorNames[] = {"akLeft", "akTop", "akRight", "akBottom"};
const TEnumInfo AnchorInfo{"TAnchorKind", AnchorNames};

}  // namespace

TShiftState KeysToShiftState(uintptr_t keys) {
  TShiftState s;
  if (keys & pg::MK_SHIFT) s.Include(ssShift);
  if (keys & pg::MK_CONTROL) s.Include(ssCtrl);
  if (keys & pg::MK_LBUTTON) s.Include(ssLeft);
  if (keys & pg::MK_RBUTTON) s.Include(ssRight);
  if (keys & pg::MK_MBUTTON) s.Include(ssMiddle);
  if (pg::GetKeyState(pg::VK_MENU) < 0) s.Include(ssAlt);
  return s;
}

TShiftState KeyboardShiftState() {
  TShiftState s;
  if (pg::GetKeyState(pg::VK_SHIFT) < 0) s.Include(ssShift);
  if (pg::GetKeyState(pg::VK_CONTROL) < 0) s.Include(ssCtrl);
  if (pg::GetKeyState(pg::VK_MENU) < 0) s.Include(ssAlt);
  return s;
}

Z5T8_IMPLEMENT_CLASS(TControl, TComponent) {
  p.Integer("Left", &TControl::Left, &TControl::SetLeft);
  p.Integer("Top", &TControl::Top, &TControl::SetTop);
  p.Integer("Width", &TControl::Width, &TControl::SetWidth);
  p.Integer("Height", &TControl::Height, &TControl::SetHeight);
  p.Enum("Align", AlignInfo, &TControl::Align, &TControl::SetAlign).Default(alNone);
  p.Set("Anchors", AnchorInfo, &TControl::Anchors, &TControl::SetAnchors)
      .Default(TAnchors{akLeft, akTop}.Bits());
  p.Object("Constraints", &TControl::Constraints);
  p.WideString(
       "Caption", [](const TControl& c) { return const_cast<TControl&>(c).GetText(); },
       [](TControl& c, const std::u16string& v) { c.SetText(v); })
      .Stored([](const TControl& c) { return c.ControlStyle().Contains(csSetCaption); });
  p.Boolean("Visible", &TControl::Visible, &TControl::SetVisible).Default(1);
  p.Boolean("Enabled", &TControl::Enabled, &TControl::SetEnabled).Default(1);
  p.Integer("Color", &TControl::Color, &TControl::SetColor)
      .Idents(ColorIdents())
      .Stored([](const TControl& c) { return !c.ParentColor(); });
  p.Boolean("ParentColor", &TControl::ParentColor, &TControl::SetParentColor).Default(1);
  p.Object("Font", &TControl::Font).Stored([](const TControl& c) { return !c.ParentFont(); });
  p.Boolean("ParentFont", &TControl::ParentFont, &TControl::SetParentFont).Default(1);
  p.WideString("Hint", &TControl::Hint, &TControl::SetHint);
  p.Boolean("ShowHint", &TControl::ShowHint, &TControl::SetShowHint).Stored([](const TControl& c) {
    return !c.ParentShowHint();
  });
  p.Boolean("ParentShowHint", &TControl::ParentShowHint, &TControl::SetParentShowHint).Default(1);
  // The action's handler is the action's to store.
  p.Event("OnClick", &TControl::OnClick).Stored([](const TControl& c) {
    TBasicAction* action = c.Action();
    return !action || !c.OnClick.SameHandler(action->OnExecute);
  });
  p.Event("OnDblClick", &TControl::OnDblClick);
  p.Event("OnMouseDown", &TControl::OnMouseDown);
  p.Event("OnMouseMove", &TControl::OnMouseMove);
  p.Event("OnMouseUp", &TControl::OnMouseUp);
  p.Event("OnResize", &TControl::OnResize);
  for (uint32_t m :
       {pg::WM_LBUTTONDOWN, pg::WM_LBUTTONUP, pg::WM_LBUTTONDBLCLK, pg::WM_RBUTTONDOWN, pg::WM_RBUTTONUP,
        pg::WM_RBUTTONDBLCLK, pg::WM_MBUTTONDOWN, pg::WM_MBUTTONUP, pg::WM_MBUTTONDBLCLK})
    p.Message(m, &TControl::WMMouseButton);
  p.Message(pg::WM_MOUSEMOVE, &TControl::WMMouseMove);
  p.Message(CM_ENABLEDCHANGED, &TControl::CMEnabledChanged);
  p.Message(CM_VISIBLECHANGED, &TControl::CMVisibleChanged);
  p.Message(CM_FONTCHANGED, &TControl::CMFontChanged);
  p.Message(CM_COLORCHANGED, &TControl::CMColorChanged);
  p.Message(CM_PARENTFONTCHANGED, &TControl::CMParentFontChanged);
  p.Message(CM_PARENTCOLORCHANGED, &TControl::CMParentColorChanged);
  p.Message(pg::WM_CONTEXTMENU, &TControl::WMContextMenu);
}

TControl::TControl(TComponent* owner)
    : TComponent(owner),
      FFont(std::make_unique<TFont>()),
      FConstraints(std::make_unique<TSizeConstraints>()) {
  WindowProc = [this](TMessage& m) { WndProc(m); };
  FControlStyle = {csCaptureMouse, csClickEvents, csSetCaption, csDoubleClicks};
  FFont->OnChange = [this](TObject*) {
    if (FFontChanging) return;
    FParentFont = false;
    FontChanged();
  };
  FConstraints->OnChange = [this] { SetBounds(FLeft, FTop, FWidth, FHeight); };
}

TControl::~TControl() {
  FActionLink.reset();
  Application()->ControlDestroyed(this);
  if (FParent) FParent->RemoveControl(this);
}

void TControl::SetParent(TWinControl* parent) {
  if (parent == FParent) return;
  if (parent == this) throw EInvalidOperation("A control cannot have itself as its parent");
  if (FParent) FParent->RemoveControl(this);
  if (parent) parent->InsertControl(this);
}

TComponent* TControl::GetParentComponent() const { return FParent; }

void TControl::SetParentComponent(TComponent* parent) {
  if (auto* w = dynamic_cast<TWinControl*>(parent)) SetParent(w);
}

void TControl::SetBounds(int left, int top, int width, int height) {
  FConstraints->Apply(width, height);
  if (left == FLeft && top == FTop && width == FWidth && height == FHeight) return;
  bool resized = width != FWidth || height != FHeight;
  if (FParent && !dynamic_cast<TWinControl*>(this)) FParent->Invalidate();
  FLeft = left;
  FTop = top;
  FWidth = width;
  FHeight = height;
  if (FParent && !dynamic_cast<TWinControl*>(this)) Invalidate();
  UpdateAnchorRules();
  if (FParent && FAlign != alNone) FParent->Realign();
  if (resized) Resize();
}

void TControl::UpdateAnchorRules() {
  if (!FParent || FParent->InState(csLoading) || InState(csLoading)) return;
  FAnchorRight = FParent->ClientWidth() - (FLeft + FWidth);
  FAnchorBottom = FParent->ClientHeight() - (FTop + FHeight);
  FAnchorsValid = true;
}

void TControl::ApplyAnchors(int parentWidth, int parentHeight) {
  if (!FAnchorsValid || FAlign != alNone) return;
  int left = FLeft, top = FTop, width = FWidth, height = FHeight;
  if (FAnchors.Contains(akRight)) {
    if (FAnchors.Contains(akLeft))
      width = std::max(0, parentWidth - FAnchorRight - left);
    else
      left = parentWidth - FAnchorRight - width;
  }
  if (FAnchors.Contains(akBottom)) {
    if (FAnchors.Contains(akTop))
      height = std::max(0, parentHeight - FAnchorBottom - top);
    else
      top = parentHeight - FAnchorBottom - height;
  }
  SetBounds(left, top, width, height);
}

void TControl::SetClientSize(int width, int height) {
  TRect client = GetClientRect();
  SetBounds(FLeft, FTop, FWidth + width - client.width(), FHeight + height - client.height());
}

TPoint TControl::ClientOrigin() const {
  if (!FParent) return {FLeft, FTop};
  TPoint p = FParent->ClientOrigin();
  return {p.x + FLeft, p.y + FTop};
}

TPoint TControl::ClientToScreen(TPoint p) const {
  TPoint o = ClientOrigin();
  return {p.x + o.x, p.y + o.y};
}

TPoint TControl::ScreenToClient(TPoint p) const {
  TPoint o = ClientOrigin();
  return {p.x - o.x, p.y - o.y};
}

TPoint TControl::ClientToParent(TPoint p, TWinControl* parent) const {
  if (!parent) parent = FParent;
  const TControl* c = this;
  while (c && c != parent) {
    p.x += c->FLeft;
    p.y += c->FTop;
    c = c->FParent;
  }
  if (!c) throw EInvalidOperation("Control is not a child of the given parent");
  return p;
}

void TControl::SetVisible(bool value) {
  if (value == FVisible) return;
  FVisible = value;
  Perform(CM_VISIBLECHANGED, value, 0);
}

bool TControl::Showing() const {
  if (!FVisible) return false;
  if (auto* w = dynamic_cast<const TWinControl*>(this); w && !FParent)
    return w->HandleAllocated() && pg::IsWindowVisible(w->FHandle);
  return FParent && FParent->Showing();
}

void TControl::SetEnabled(bool value) {
  if (value == FEnabled) return;
  FEnabled = value;
  Perform(CM_ENABLEDCHANGED, 0, 0);
}

void TControl::SetParentFont(bool value) {
  if (value == FParentFont) return;
  FParentFont = value;
  if (value && FParent) Perform(CM_PARENTFONTCHANGED, 0, 0);
}

void TControl::SetColor(TColor value) {
  if (value == FColor && !FParentColor) return;
  FColor = value;
  FParentColor = false;
  Perform(CM_COLORCHANGED, 0, 0);
}

void TControl::SetParentColor(bool value) {
  if (value == FParentColor) return;
  FParentColor = value;
  if (value && FParent) Perform(CM_PARENTCOLORCHANGED, 0, 0);
}

void TControl::FontChanged() { Perform(CM_FONTCHANGED, 0, 0); }

std::u16string TControl::GetText() {
  auto length = Perform(pg::WM_GETTEXTLENGTH, 0, 0);
  if (length <= 0) return {};
  std::u16string text(static_cast<size_t>(length) + 1, u'\0');
  auto got = Perform(pg::WM_GETTEXT, text.size(), reinterpret_cast<intptr_t>(text.data()));
  text.resize(static_cast<size_t>(std::clamp<intptr_t>(got, 0, length)));
  return text;
}

void TControl::SetText(std::u16string_view text) {
  if (GetText() == text) return;
  std::u16string copy(text);
  Perform(pg::WM_SETTEXT, 0, reinterpret_cast<intptr_t>(copy.c_str()));
  Perform(CM_TEXTCHANGED, 0, 0);
}

void TControl::SetAlign(TAlign value) {
  if (value == FAlign) return;
  FAlign = value;
  if (FParent) FParent->Realign();
}

intptr_t TControl::Perform(uint32_t msg, uintptr_t wParam, intptr_t lParam) {
  TMessage m{msg, wParam, lParam, 0};
  WindowProc(m);
  return m.Result;
}

void TControl::WndProc(TMessage& message) {
  // A control without double clicks sees a second press as a plain press.
  if (!FControlStyle.Contains(csDoubleClicks)) {
    if (message.Msg == pg::WM_LBUTTONDBLCLK)
      message.Msg = pg::WM_LBUTTONDOWN;
    else if (message.Msg == pg::WM_RBUTTONDBLCLK)
      message.Msg = pg::WM_RBUTTONDOWN;
    else if (message.Msg == pg::WM_MBUTTONDBLCLK)
      message.Msg = pg::WM_MBUTTONDOWN;
  }
  Dispatch(message);
}

void TControl::DefaultHandler(TMessage& message) {
  switch (message.Msg) {
    case pg::WM_GETTEXT: {
      if (message.WParam == 0 || !message.LParam) return;
      auto* out = reinterpret_cast<char16_t*>(message.LParam);
      size_t n = std::min(FText.size(), message.WParam - 1);
      std::copy_n(FText.data(), n, out);
      out[n] = 0;
      message.Result = static_cast<intptr_t>(n);
      return;
    }
    case pg::WM_GETTEXTLENGTH:
      message.Result = static_cast<intptr_t>(FText.size());
      return;
    case pg::WM_SETTEXT:
      FText = message.LParam ? reinterpret_cast<const char16_t*>(message.LParam) : u"";
      if (FParent && !dynamic_cast<TWinControl*>(this)) Invalidate();
      message.Result = 1;
      return;
    default:
      return;
  }
}

void TControl::Invalidate() {
  if (!FParent || !FVisible || !FParent->HandleAllocated()) return;
  TRect r = BoundsRect();
  pg::InvalidateRect(FParent->Handle(), &r, !FControlStyle.Contains(csOpaque));
}

void TControl::Repaint() {
  Invalidate();
  Update();
}

void TControl::Update() {
  if (FParent) FParent->Update();
}

void TControl::BringToFront() {
  if (!FParent) return;
  auto& list = FParent->FControls;
  list.erase(std::find(list.begin(), list.end(), this));
  list.push_back(this);
  if (auto* w = dynamic_cast<TWinControl*>(this); w && w->HandleAllocated())
    pg::SetWindowPos(w->FHandle, nullptr, 0, 0, 0, 0, pg::SWP_NOMOVE | pg::SWP_NOSIZE | pg::SWP_NOACTIVATE);
  Invalidate();
}

void TControl::SendToBack() {
  if (!FParent) return;
  auto& list = FParent->FControls;
  list.erase(std::find(list.begin(), list.end(), this));
  list.insert(list.begin(), this);
  if (auto* w = dynamic_cast<TWinControl*>(this); w && w->HandleAllocated())
    pg::SetWindowPos(w->FHandle, pg::HWND_BOTTOM, 0, 0, 0, 0,
                     pg::SWP_NOMOVE | pg::SWP_NOSIZE | pg::SWP_NOACTIVATE);
  Invalidate();
}

bool TControl::MouseCapture() const { return Application()->CaptureControl() == this; }

void TControl::SetMouseCapture(bool value) {
  if (value == MouseCapture()) return;
  Application()->SetCaptureControl(value ? this : nullptr);
}

void TControl::Loaded() {
  TComponent::Loaded();
  if (FParent) {
    if (FParentColor) Perform(CM_PARENTCOLORCHANGED, 0, 0);
    if (FParentFont) Perform(CM_PARENTFONTCHANGED, 0, 0);
  }
  UpdateAnchorRules();
  if (TBasicAction* action = Action(); action && !InState(csDesigning)) ActionChange(action, true);
}

void TControl::ReadState(TReader& reader) {
  if (auto* parent = dynamic_cast<TWinControl*>(reader.Parent()); parent && parent != this) SetParent(parent);
  FControlState.Include(csReadingState);
  try {
    TComponent::ReadState(reader);
  } catch (...) {
    FControlState.Exclude(csReadingState);
    throw;
  }
  FControlState.Exclude(csReadingState);
}

// Actions

namespace {

// What the control took from its action last time: a property still showing
// that value follows the action's changes; one set since by hand keeps its own.
class TControlActionLink : public TBasicActionLink {
public:
  using TBasicActionLink::TBasicActionLink;
  bool Taken = false;
  std::u16string Caption, Hint;
  bool Enabled = true, Visible = true;
  TNotifyEvent Handler;
};

}  // namespace

TBasicAction* TControl::Action() const { return FActionLink ? FActionLink->Action() : nullptr; }

void TControl::SetAction(TBasicAction* action) {
  if (action == Action()) return;
  if (!action) {
    // What the action gave stays, as if it had been set by hand.
    FActionLink.reset();
    return;
  }
  if (!FActionLink)
    FActionLink = std::make_unique<TControlActionLink>([this](TBasicAction* changed) {
      if (changed) ActionChange(changed, false);
    });
  FActionLink->SetAction(action);
  // A layout being read applies its actions in Loaded, once every property is in.
  if (!InState(csLoading)) ActionChange(action, action->InState(csLoading));
}

void TControl::ActionChange(TObject* sender, bool checkDefaults) {
  auto* action = dynamic_cast<TCustomAction*>(sender);
  if (!action) return;
  auto* link = FActionLink && FActionLink->Action() == action
                   ? static_cast<TControlActionLink*>(FActionLink.get())
                   : nullptr;
  // After the first time, only what still shows the action's value follows it.
  const bool follow = link && link->Taken && !checkDefaults;
  std::u16string text = GetText();
  if (follow ? text == link->Caption : !checkDefaults || text.empty()) SetText(action->Caption());
  if (follow ? FEnabled == link->Enabled : !checkDefaults || FEnabled) SetEnabled(action->Enabled());
  if (follow ? FHint == link->Hint : !checkDefaults || FHint.empty()) SetHint(action->Hint());
  if (follow ? FVisible == link->Visible : !checkDefaults || FVisible) SetVisible(action->Visible());
  bool ownClick = OnClick && !(link && OnClick.SameHandler(link->Handler));
  if (follow ? !ownClick : !checkDefaults || !OnClick) OnClick = action->OnExecute;
  if (!link) return;
  link->Taken = true;
  link->Caption = action->Caption();
  link->Hint = action->Hint();
  link->Enabled = action->Enabled();
  link->Visible = action->Visible();
  link->Handler = action->OnExecute;
}

void TControl::Click() {
  TBasicAction* action = Action();
  // The action's own handler runs as the action's execution, so a disabled
  // action stays idle and the handler sees the action as its sender.
  if (action && !InState(csDesigning) && (!OnClick || OnClick.SameHandler(action->OnExecute))) {
    FActionLink->Execute();
    return;
  }
  // A copy runs: the handler may free the control, and its event with it.
  TNotifyEvent handler = OnClick;
  handler(this);
}

// The popup menu

void TControl::SetPopupMenu(TPopupMenu* menu) {
  if (menu == FPopupMenu) return;
  if (FPopupMenu) FPopupMenu->RemoveFreeNotification(this);
  FPopupMenu = menu;
  if (FPopupMenu) FPopupMenu->FreeNotification(this);
}

void TControl::WMContextMenu(TMessage& message) {
  if (!FPopupMenu || InState(csDesigning)) {
    DefaultHandler(message);
    return;
  }
  TPoint at = pg::lParamToPoint(message.LParam);
  // The menu key gives no point: the menu opens over the middle of the control.
  if (at.x == -1 && at.y == -1) at = ClientToScreen({FWidth / 2, FHeight / 2});
  message.Result = 1;
  FPopupMenu->Popup(at.x, at.y);
}

void TControl::Notification(TComponent* component, TOperation operation) {
  TComponent::Notification(component, operation);
  if (operation == opRemove && component == FPopupMenu) FPopupMenu = nullptr;
}

void TControl::SetBiDiMode(TBiDiMode value) {
  if (value == FBiDiMode) return;
  FBiDiMode = value;
  Invalidate();
}

void TControl::DblClick() { OnDblClick(this); }
void TControl::Resize() { OnResize(this); }

void TControl::MouseDown(TMouseButton button, TShiftState shift, int x, int y) {
  OnMouseDown(this, button, shift, x, y);
}
void TControl::MouseMove(TShiftState shift, int x, int y) { OnMouseMove(this, shift, x, y); }
void TControl::MouseUp(TMouseButton button, TShiftState shift, int x, int y) {
  OnMouseUp(this, button, shift, x, y);
}

void TControl::DoMouseDown(TMessage& message, TMouseButton button, TShiftState shift) {
  TPoint p = pg::lParamToPoint(message.LParam);
  MouseDown(button, KeysToShiftState(message.WParam) + shift, p.x, p.y);
}

void TControl::DoMouseUp(TMessage& message, TMouseButton button) {
  TPoint p = pg::lParamToPoint(message.LParam);
  MouseUp(button, KeysToShiftState(message.WParam), p.x, p.y);
}

void TControl::WMMouseButton(TMessage& message) {
  TMouseButton button = mbLeft;
  bool down = false, dbl = false;
  switch (message.Msg) {
    case pg::WM_LBUTTONDOWN:
      down = true;
      break;
    case pg::WM_LBUTTONDBLCLK:
      down = dbl = true;
      break;
    case pg::WM_RBUTTONDOWN:
      button = mbRight;
      down = true;
      break;
    case pg::WM_RBUTTONDBLCLK:
      button = mbRight;
      down = dbl = true;
      break;
    case pg::WM_MBUTTONDOWN:
      button = mbMiddle;
      down = true;
      break;
    case pg::WM_MBUTTONDBLCLK:
      button = mbMiddle;
      down = dbl = true;
      break;
    case pg::WM_RBUTTONUP:
      button = mbRight;
      break;
    case pg::WM_MBUTTONUP:
      button = mbMiddle;
      break;
    default:
      break;
  }
  if (down) {
    if (button == mbLeft && FControlStyle.Contains(csCaptureMouse)) SetMouseCapture(true);
    if (button == mbLeft && FControlStyle.Contains(csClickEvents)) {
      if (dbl)
        DblClick();
      else
        FControlState.Include(csClicked);
    }
    DefaultHandler(message);
    DoMouseDown(message, button, dbl ? TShiftState{ssDouble} : TShiftState{});
    return;
  }
  if (button == mbLeft) {
    if (FControlStyle.Contains(csCaptureMouse)) SetMouseCapture(false);
    if (FControlState.Contains(csClicked)) {
      FControlState.Exclude(csClicked);
      if (GetClientRect().contains(pg::lParamToPoint(message.LParam))) Click();
    }
  }
  DefaultHandler(message);
  DoMouseUp(message, button);
}

void TControl::WMMouseMove(TMessage& message) {
  DefaultHandler(message);
  TPoint p = pg::lParamToPoint(message.LParam);
  MouseMove(KeysToShiftState(message.WParam), p.x, p.y);
}

void TControl::CMEnabledChanged(TMessage&) { Invalidate(); }

void TControl::CMVisibleChanged(TMessage&) {
  if (FParent) FParent->Invalidate();
  if (FParent && FAlign != alNone) FParent->Realign();
}

void TControl::CMFontChanged(TMessage&) { Invalidate(); }

void TControl::CMColorChanged(TMessage&) { Invalidate(); }

void TControl::CMParentFontChanged(TMessage&) {
  if (!FParentFont || !FParent) return;
  FFontChanging = true;
  FFont->Assign(FParent->Font());
  FFontChanging = false;
  FontChanged();
}

void TControl::CMParentColorChanged(TMessage&) {
  if (!FParentColor || !FParent) return;
  FColor = FParent->Color();
  Perform(CM_COLORCHANGED, 0, 0);
}

void TControl::ChangeScale(int multiplier, int divider) {
  if (multiplier == divider || divider == 0) return;
  auto scale = [&](int v) {
    return static_cast<int>((static_cast<int64_t>(v) * multiplier + divider / 2) / divider);
  };
  SetBounds(scale(FLeft), scale(FTop), scale(FWidth), scale(FHeight));
  if (!FParentFont) FFont->SetSize(scale(FFont->Size()));
}

}  // namespace z5t8::framework
