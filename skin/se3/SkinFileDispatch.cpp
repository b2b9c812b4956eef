#include "skin/se3/SkinFileDispatch.h"

#include <memory>

#include "platform/gui/FrameControls.h"
#include "skin/render/BitmapDrawing.h"
#include "skin/se3/SkinBitmapObjects.h"
#include "skin/se3/SkinBitmapSkinObjects.h"
#include "skin/se3/SkinStateObjects.h"

namespace z5t8::skin::se3 {

using framework::TCanvas;
using framework::TColor;
using render::IsRectEmpty;
using namespace theme;
using namespace dispatch;

namespace dispatch {

TSeSkinObject* PickObject(const TTeSkinFile& theme, const std::string& name, TSeSkinObject* entry) {
  if (!IsDefault(name))
    if (TSeSkinObject* named = theme.WorkingSource()->GetObjectByName(name)) return named;
  return entry;
}

TSeSkinObject* FindPart(TSeSkinObject* object, std::string_view part) {
  return object ? object->FindObjectByName(part) : nullptr;
}

TSeSkinObject* PickPart(const TTeSkinFile& theme, const std::string& name, TSeSkinObject* entry,
                        std::string_view part) {
  if (!IsDefault(name))
    if (TSeSkinObject* inNamed = FindPart(theme.WorkingSource()->GetObjectByName(name), part)) return inNamed;
  return FindPart(entry, part);
}

void DrawObject(TCanvas* canvas, TSeSkinObject* object, TSeState state, const Rect& rect) {
  if (!canvas || !object) return;
  object->SetState(state);
  object->SetBoundsRect(rect);
  object->Draw(canvas, NullRect);
}

}  // namespace dispatch

namespace {

// The Form group serves every framed subclass, the ToolWindow group tool windows.
bool UsesForm(TteWindowSubclass s) {
  return s == kwscStandard || s == kwscDialog || s == kwscBorder || s == kwscNoBorder;
}

// A window group's entry for the subclass; none for the subclasses without a frame.
TSeSkinObject* GroupEntry(const TTeSkinFile& theme, TteWindowSubclass subclass, TTeSkinCacheEntry formEntry) {
  if (UsesForm(subclass)) return theme.CachedObject(formEntry);
  if (subclass == kwscToolWindow)
    return theme.CachedObject(TTeSkinCacheEntry(formEntry - kseForm + kseToolWindow));
  return nullptr;
}

// The client entries answer only for the two subclasses that draw a client of their own.
TSeSkinObject* ClientEntry(const TTeSkinFile& theme, TteWindowSubclass subclass) {
  if (subclass == kwscStandard || subclass == kwscDialog) return theme.CachedObject(kseFormClient);
  if (subclass == kwscToolWindow) return theme.CachedObject(kseToolWindowClient);
  return nullptr;
}

constexpr TSeAction kButtonActions[] = {sbaSysMenu,  sbaClose,   sbaHelp,   sbaMinimize, sbaRestore,
                                        sbaMaximize, sbaRestore, sbaRollUp, sbaRollDown, sbaTray,
                                        sbaNone,     sbaNone,    sbaNone};
static_assert(std::size(kButtonActions) == size_t(kwbCustom) + 1);

// The cached frames have their caption buttons hidden for drawing the frame; a name that
// picks one of them works on its copy, so the frame keeps its hidden buttons.
TSeSkinObject* ButtonFrameOf(const TTeSkinFile& theme, TSeSkinObject* frame, bool drawing) {
  if (frame && frame == theme.CachedObject(kseForm))
    return theme.CachedObject(drawing ? kseFormButtonDrawingFrame : kseFormButtonFrame);
  if (frame && frame == theme.CachedObject(kseToolWindow))
    return theme.CachedObject(drawing ? kseToolWindowButtonDrawingFrame : kseToolWindowButtonFrame);
  return frame;
}

TSeAction ActionOf(TteWindowButtonClass button) {
  return size_t(button) < std::size(kButtonActions) ? kButtonActions[button] : sbaNone;
}

// The frame's state from the restore buttons (the last one present wins), its buttons,
// the window's rectangle and a fresh layout of the whole tree.
void PrepareWindow(TSeSkinObject* frame, const TteWindowInfo& info) {
  TSeState state = ssNormal;
  if (info.Buttons.Contains(kwbMaxRestore)) state = ssMaximized;
  if (info.Buttons.Contains(kwbMinRestore)) state = ssMinimized;
  if (info.Buttons.Contains(kwbRollRestore)) state = ssRollup;
  frame->SetState(state);
  frame->SetSysButtons(info.Buttons);
  frame->SetBoundsRect(info.Rect);
  frame->AligningAll();
}

std::optional<TteWindowHitTest> ActionHitTest(TSeAction action) {
  switch (action) {
    case sbaClose:
      return kwhtCloseButton;
    case sbaMinimize:
      return kwhtMinButton;
    case sbaMaximize:
    case sbaRestore:
      return kwhtMaxButton;
    case sbaRollUp:
    case sbaRollDown:
      return kwhtRollButton;
    case sbaTray:
      return kwhtTrayButton;
    default:
      return std::nullopt;
  }
}

// A border answer becomes the client while the non-client area is disabled.
TteWindowHitTest BorderToClient(TteWindowHitTest h) {
  return h == kwhtLeft || h == kwhtTop || h == kwhtRight || h == kwhtBottom ? kwhtClient : h;
}

void SetButtonState(TSeSkinObject* button, TSeButtonState state) {
  if (auto* b = dynamic_cast<TSeSystemButton*>(button)) b->SetButtonState(state);
  if (auto* b = dynamic_cast<TSeSysButtonSkinObject*>(button)) b->SetButtonState(state);
}

TSeState ButtonState(TteButtonDrawState s) {
  switch (s) {
    case kbdsDisabled:
      return ssDisabled;
    case kbdsPressed:
    case kbdsChecked:
      return ssPressed;
    case kbdsHot:
    case kbdsFocusedHot:
    case kbdsDefaultHot:
      return ssHot;
    case kbdsFocused:
    case kbdsDefault:
      return ssFocused;
    default:
      return ssNormal;
  }
}

TSeState ScrollState(TteScrollButtonDrawState s) {
  switch (s) {
    case zqbdsDisabled:
      return ssDisabled;
    case zqbdsPressed:
      return ssPressed;
    case zqbdsHot:
      return ssHot;
    default:
      return ssNormal;
  }
}

TSeState ScrollState(TteScrollAreaDrawState s) {
  switch (s) {
    case zqadsDisabled:
      return ssDisabled;
    case zqadsPressed:
      return ssPressed;
    case zqadsHot:
      return ssHot;
    default:
      return ssNormal;
  }
}

const char* ScrollPart(TteScrollButtonClass c) {
  switch (c) {
    case zqbcUp:
      return "TopButton";
    case zqbcDown:
      return "BottomButton";
    case zqbcLeft:
      return "LeftButton";
    case zqbcRight:
      return "RightButton";
    case zqbcHorzSlider:
      return "HorzSlider";
    case zqbcVertSlider:
      return "VertSlider";
    default:
      return nullptr;
  }
}

TteTextAlign TextAlignOf(TSeTextAlign a) {
  switch (a) {
    case taTopLeft:
      return ktxaTopLeft;
    case taTopCenter:
      return ktxaTopCenter;
    case taTopRight:
      return ktxaTopRight;
    case taLeft:
      return ktxaMiddleLeft;
    case taCenter:
      return ktxaMiddleCenter;
    case taRight:
      return ktxaMiddleRight;
    case taBottomLeft:
      return ktxaBottomLeft;
    case taBottomCenter:
      return ktxaBottomCenter;
    default:
      return ktxaBottomRight;
  }
}

// The Button entry for push buttons, the SpinButton entry for the vertical spin buttons.
TSeSkinObject* ButtonEntry(const TTeSkinFile& theme, TteButtonSubclass subclass) {
  if (subclass == kbscButton) return theme.CachedObject(kseButton);
  if (subclass == kbscSpinUp || subclass == kbscSpinDown) return theme.CachedObject(kseSpinButton);
  return nullptr;
}

}  // namespace

// Window.

bool TTeSkinFile::IsWindowDefined(TteWindowSubclass subclass, const std::string& objectName) {
  if (!IsDefault(objectName) && FWorking->GetObjectByName(objectName)) return true;
  if (subclass == kwscStandard || subclass == kwscDialog) return FCache[kseForm] != nullptr;
  if (subclass == kwscToolWindow) return FCache[kseToolWindow] != nullptr;
  return false;
}

std::optional<Region> TTeSkinFile::WindowGetRegion(TteWindowSubclass subclass, const TRect& rect,
                                                   const std::string& objectName) {
  TSeSkinObject* frame = PickObject(*this, objectName, GroupEntry(*this, subclass, kseForm));
  if (!frame) return std::nullopt;
  frame->SetBoundsRect(rect);
  return frame->GetRegion();
}

TRect TTeSkinFile::WindowGetClientRect(TteWindowSubclass subclass, const TRect& rect,
                                       const std::string& objectName) {
  TSeSkinObject* frame = nullptr;
  TSeSkinObject* client = nullptr;
  bool named = false;
  if (!IsDefault(objectName)) {
    frame = FWorking->GetObjectByName(objectName);
    client = frame ? frame->FindObjectByKind(skClient) : nullptr;
    named = frame && client;
  }
  if (!named) {
    frame = GroupEntry(*this, subclass, kseForm);
    client = GroupEntry(*this, subclass, kseFormClientPlaceholder);
  }
  if (!frame || !client) return inherited::WindowGetClientRect(subclass, rect, objectName);
  frame->SetBoundsRect(rect);
  if (named) frame->AligningAll();
  return client->GetBoundsRect();
}

TRect TTeSkinFile::WindowGetTitleRect(TteWindowSubclass subclass, const TteWindowInfo& info,
                                      const std::string& objectName) {
  TSeSkinObject* frame = PickObject(*this, objectName, GroupEntry(*this, subclass, kseForm));
  if (!frame) return inherited::WindowGetTitleRect(subclass, info, objectName);
  frame->SetActive(info.States.Contains(kwdsActive));
  frame->SetBoundsRect(info.Rect);
  frame->AligningAll();
  TSeSkinObject* title = frame->FindObjectByKind(skTitle);
  if (!title) return NullRect;
  TScopeExit clearText([title] { title->SetText({}); });
  title->SetText(info.Caption);
  if (auto* owner = dynamic_cast<TSeSkinObject*>(title->Owner())) owner->Aligning();
  return title->GetBoundsRect();
}

TRect TTeSkinFile::WindowGetButtonRect(TteWindowSubclass subclass, const TteWindowInfo& info,
                                       TteWindowButtonClass button, const std::string& objectName) {
  TSeSkinObject* frame = ButtonFrameOf(
      *this, PickObject(*this, objectName, GroupEntry(*this, subclass, kseFormButtonFrame)), false);
  if (!frame) return NullRect;
  PrepareWindow(frame, info);
  TSeAction action = ActionOf(button);
  if (action == sbaNone || !info.Buttons.Contains(button)) return NullRect;
  TSeSkinObject* found = frame->FindObjectByAction(action);
  if (!found) return NullRect;
  if (button == kwbSysMenu)
    if (auto* owner = dynamic_cast<TSeSkinObject*>(found->Owner())) owner->Aligning();
  return found->GetBoundsRect();
}

TteWindowHitTest TTeSkinFile::WindowGetHitTest(TteWindowSubclass subclass, const TteWindowInfo& info, int x,
                                               int y, const std::string& objectName) {
  TSeSkinObject* frame = ButtonFrameOf(
      *this, PickObject(*this, objectName, GroupEntry(*this, subclass, kseFormButtonFrame)), false);
  if (!frame) return inherited::WindowGetHitTest(subclass, info, x, y, objectName);
  PrepareWindow(frame, info);
  TSeSkinObject* hit = frame->FindObjectByPoint({x, y});
  TSeKind kind = hit ? hit->Kind() : skNone;
  // Only this class is recognised here; the other caption buttons reach the base test,
  // which finds them through WindowGetButtonRect.
  auto* button = dynamic_cast<TSeSystemButton*>(hit);

  if (!info.DisabledNCArea) {
    if (kind == skCaption || kind == skTitle) return kwhtCaption;
    if (kind == skTop) return kwhtTop;
    if (button)
      if (std::optional<TteWindowHitTest> h = ActionHitTest(button->Action())) return *h;
    return inherited::WindowGetHitTest(subclass, info, x, y, objectName);
  }

  switch (kind) {
    case skCaption:
    case skTitle:
      return kwhtCaption;
    case skTop:
      return kwhtTop;
    case skLeft:
      return kwhtLeft;
    case skRight:
      return kwhtRight;
    case skBottom:
      return kwhtBottom;
    case skBottomRight:
      return kwhtBottomRight;
    case skBottomLeft:
      return kwhtBottomLeft;
    default:
      break;
  }
  if (button)
    if (std::optional<TteWindowHitTest> h = ActionHitTest(button->Action())) return *h;
  TteWindowInfo noButtons = info;
  noButtons.Buttons = {};
  return BorderToClient(inherited::WindowGetHitTest(subclass, noButtons, x, y, objectName));
}

void TTeSkinFile::WindowDraw(TteWindowSubclass subclass, TCanvas* canvas, const TteWindowInfo& info,
                             const std::string& objectName) {
  if (!canvas) return;
  TSeSkinObject* frame = nullptr;
  TSeSkinObject* hidden = nullptr;
  if (!IsDefault(objectName)) {
    frame = FWorking->GetObjectByName(objectName);
    // The window paints its own client; the named frame's client would cover it.
    if (frame && (hidden = frame->FindObjectByKind(skClient)) && !hidden->Visible()) hidden = nullptr;
  }
  if (!frame) frame = GroupEntry(*this, subclass, kseForm);
  if (!frame) return;
  TScopeExit showClient([hidden] {
    if (hidden) hidden->SetVisible(true);
  });
  if (hidden) hidden->SetVisible(false);
  frame->SetActive(info.States.Contains(kwdsActive));
  frame->SetBoundsRect(info.Rect);
  frame->Draw(canvas, info.ClipRect);
}

void TTeSkinFile::WindowDrawClient(TteWindowSubclass subclass, TCanvas* canvas, const TRect& rect,
                                   const std::string& objectName) {
  TSeSkinObject* client = nullptr;
  if (!IsDefault(objectName))
    if (TSeSkinObject* named = FWorking->GetObjectByName(objectName))
      client = named->FindObjectByKind(skClient);
  if (!client) client = ClientEntry(*this, subclass);
  if (!canvas || !client) return;
  client->SetBoundsRect(rect);
  client->Draw(canvas, NullRect);
}

void TTeSkinFile::WindowDrawText(TteWindowSubclass subclass, TCanvas* canvas, const TteWindowInfo& info,
                                 const TRect& rect, const std::string& objectName) {
  if (!canvas) return;
  TSeSkinObject* frame = PickObject(*this, objectName, GroupEntry(*this, subclass, kseForm));
  TSeSkinObject* title = frame ? frame->FindObjectByKind(skTitle) : nullptr;
  if (!title) return;
  const bool active = info.States.Contains(kwdsActive);
  // Everything set on the title below is put back when the call ends, however it ends.
  const TSeState oldState = title->State();
  const Rect oldBounds = title->GetBoundsRect();
  const int oldMarginLeft = title->TextMarginLeft();
  const int oldMarginRight = title->TextMarginRight();
  std::unique_ptr<framework::TFont> oldFont;
  TScopeExit restore([&] {
    title->SetText({});
    title->SetTextMarginLeft(oldMarginLeft);
    title->SetTextMarginRight(oldMarginRight);
    if (oldFont) title->SetFont(*oldFont);
    if (title->State() != oldState) title->SetState(oldState);
    title->SetBoundsRect(oldBounds);
  });

  // The title picture follows the window's activity even when the frame was not drawn first.
  frame->SetActive(active);
  if (IsDefault(objectName)) {
    oldFont = std::make_unique<framework::TFont>();
    oldFont->Assign(title->Font());
    title->SetFont(*Fonts()->GetFont(active ? ktfCaptionTextNormal : ktfCaptionTextInactive));
  } else {
    title->SetState(active ? ssFocused : ssNormal);
  }

  const bool shifted = info.Buttons.Contains(kwbSysMenu) && title->TextShiftSysIton();
  if (title->TextMarginRightStretch()) {
    // Buttons left of where the text starts (the system-menu button under a title that
    // begins at the frame's edge) do not end the caption.
    const int64_t textLeft = int64_t(title->Left()) + oldMarginLeft + (shifted ? 20 : 0);
    int limit = rect.right;
    for (int b = kwbSysMenu; b <= kwbCustom; ++b) {
      TRect button = WindowGetButtonRect(subclass, info, TteWindowButtonClass(b), "default");
      if (!IsRectEmpty(button) && button.left > textLeft && button.left < limit) limit = button.left;
    }
    title->SetTextMarginRight(render::SatDiff(rect.right, limit));
  }
  title->SetText(info.Caption);
  title->SetBoundsRect(rect);
  if (shifted) title->SetTextMarginLeft(render::Saturate(int64_t(oldMarginLeft) + 20));
  title->Draw(canvas, NullRect);
}

void TTeSkinFile::WindowDrawButton(TteWindowSubclass subclass, TCanvas* canvas,
                                   const TteWindowButtonInfo& info, const std::string& objectName) {
  if (!canvas || IsRectEmpty(info.Rect)) return;
  TSeSkinObject* frame = ButtonFrameOf(
      *this, PickObject(*this, objectName, GroupEntry(*this, subclass, kseFormButtonDrawingFrame)), true);
  TSeAction action = ActionOf(info.ButtonClass);
  TSeSkinObject* button = frame && action != sbaNone ? frame->FindObjectByAction(action) : nullptr;
  if (button) {
    TScopeExit rest([button] { SetButtonState(button, sbsNormal); });
    button->SetActive(info.DrawState != kwbdsInactive);
    SetButtonState(button, info.DrawState == kwbdsPressed ? sbsDown
                           : info.DrawState == kwbdsHot   ? sbsHover
                                                          : sbsNormal);
    button->SetBoundsRect(info.Rect);
    button->Draw(canvas, NullRect);
  }
  // The skin's system-menu button has no picture of its own here: the window's icon goes on it.
  if (info.ButtonClass == kwbSysMenu) inherited::WindowDrawButton(subclass, canvas, info, objectName);
}

void TTeSkinFile::WindowDrawGripper(TteWindowSubclass subclass, TCanvas* canvas,
                                    const TteWindowGripperInfo& info, const std::string& objectName) {
  WindowDrawClient(subclass, canvas, info.Rect, objectName);
  // A window that cannot be sized shows no grip, as in the base look.
  if (info.Visible) DrawObject(canvas, FindPart(FCache[kseStatusBar], "Gripper"), ssNormal, info.Rect);
}

// Button.

bool TTeSkinFile::IsButtonDefined(TteButtonSubclass subclass, const std::string& objectName) {
  if (!IsDefault(objectName) && FWorking->GetObjectByName(objectName)) return true;
  return ButtonEntry(*this, subclass) != nullptr;
}

bool TTeSkinFile::IsButtonTransparent(TteButtonSubclass subclass, const std::string& objectName) {
  TSeSkinObject* face = FindPart(PickObject(*this, objectName, ButtonEntry(*this, subclass)), "Face");
  return face && face->Masked();
}

void TTeSkinFile::ButtonDraw(TteButtonSubclass subclass, TCanvas* canvas, const TteButtonInfo& info,
                             const std::string& objectName) {
  TSeSkinObject* entry = ButtonEntry(*this, subclass);
  if (subclass == kbscSpinLeft || subclass == kbscSpinRight) entry = FCache[kseScrollBar];
  TSeSkinObject* object = PickObject(*this, objectName, entry);
  if (!canvas || !object) return;
  if (subclass == kbscSpinLeft)
    object = FindPart(object, "LeftButton");
  else if (subclass == kbscSpinRight)
    object = FindPart(object, "RightButton");
  else if (TSeSkinObject* face = FindPart(object, "Face"))
    object = face;
  if (!object) return;
  DrawObject(canvas, object, ButtonState(info.DrawState), info.Rect);

  unsigned direction;
  switch (subclass) {
    case kbscSpinUp:
      direction = platform::gui::DFCS_SCROLLUP;
      break;
    case kbscSpinDown:
      direction = platform::gui::DFCS_SCROLLDOWN;
      break;
    case kbscSpinLeft:
      direction = platform::gui::DFCS_SCROLLLEFT;
      break;
    case kbscSpinRight:
      direction = platform::gui::DFCS_SCROLLRIGHT;
      break;
    default:
      return;
  }
  TRect arrow = info.DrawState == kbdsPressed ? info.Rect.offset(1, 1) : info.Rect;
  render::DrawFrameControlGlyph(canvas, arrow, platform::gui::DFC_SCROLL, direction,
                                Colors()->GetColor(ktcBorder));
}

void TTeSkinFile::ButtonDrawText(TteButtonSubclass subclass, TCanvas* canvas, const TteButtonInfo& info,
                                 const TteTextInfo& text, const std::string& objectName) {
  TSeSkinObject* named = IsDefault(objectName) ? nullptr : FWorking->GetObjectByName(objectName);
  if (!named) return inherited::ButtonDrawText(subclass, canvas, info, text, objectName);
  if (!canvas) return;
  TteTextInfo aligned = text;
  if (auto* textObject = dynamic_cast<TSeTextObject*>(named))
    aligned.Align = TextAlignOf(textObject->TextAlign());
  DrawThemeText(canvas, aligned);
}

// Memo: the Edit entry's frame, whatever the name.

bool TTeSkinFile::IsMemoDefined(TteMemoSubclass subclass, const std::string&) {
  return subclass == kmscMemo && FCache[kseEdit] != nullptr;
}

TRect TTeSkinFile::MemoGetClientRect(TteMemoSubclass, TCanvas*, const TteMemoInfo& info, const std::string&) {
  return info.Rect.inflate(-4, -4);
}

void TTeSkinFile::MemoDraw(TteMemoSubclass, TCanvas* canvas, const TteMemoInfo& info, const std::string&) {
  DrawObject(canvas, FindPart(FCache[kseEdit], "Frame"),
             info.DrawState == kmdsDisabled ? ssDisabled : ssNormal, info.Rect);
}

// Scroll.

bool TTeSkinFile::IsScrollDefined(TteScrollSubclass subclass, const std::string& objectName) {
  if (!IsDefault(objectName) && FWorking->GetObjectByName(objectName)) return true;
  return subclass == zqscScrollBar && FCache[kseScrollBar] != nullptr;
}

bool TTeSkinFile::IsScrollTransparent(TteScrollSubclass subclass, const std::string&) {
  return subclass == zqscScrollBar && FCache[kseScrollBar] && FCache[kseScrollBar]->Masked();
}

void TTeSkinFile::ScrollDraw(TteScrollSubclass, TCanvas* canvas, const TteScrollInfo& info,
                             const std::string& objectName) {
  DrawObject(canvas, PickPart(*this, objectName, FCache[kseScrollBox], "Frame"), ssNormal, info.Rect);
}

void TTeSkinFile::ScrollDrawButton(TteScrollSubclass, TCanvas* canvas, const TteScrollButtonInfo& info,
                                   const std::string& objectName) {
  const char* part = ScrollPart(info.ButtonClass);
  if (!part) return;
  DrawObject(canvas, PickPart(*this, objectName, FCache[kseScrollBar], part), ScrollState(info.DrawState),
             info.Rect);
}

void TTeSkinFile::ScrollDrawArea(TteScrollSubclass, TCanvas* canvas, const TteScrollAreaInfo& info,
                                 const std::string& objectName) {
  const char* part = info.AreaClass == zqacVertical ? "VertFrame" : "HorzFrame";
  DrawObject(canvas, PickPart(*this, objectName, FCache[kseScrollBar], part), ScrollState(info.DrawState),
             info.Rect);
}

// Named values.

TRect TTeSkinFile::GetBounds(const std::string& objectName) {
  if (TSeSkinObject* bounds = FindPart(FWorking->GetObjectByName(objectName), "Bounds"))
    return bounds->GetBoundsRect();
  return inherited::GetBounds(objectName);
}

TColor TTeSkinFile::CustomColor(const std::string& objectName) {
  TSeSkinObject* found = nullptr;
  if (objectName.find('\\') != std::string::npos) found = FWorking->GetObjectByName(objectName);
  if (!found) {
    if (TSeSkinObject* table = FWorking->GetObjectByName("CustomColors"))
      found = table->FindObjectByName(objectName);
    else
      found = FWorking->GetObjectByName(objectName);
  }
  return found ? found->Color() : inherited::CustomColor(objectName);
}

}  // namespace z5t8::skin::se3
