#include "skin/controls/Button.h"

#include <algorithm>

#include "framework/Properties.h"
#include "framework/gui/Action.h"
#include "skin/controls/ControlTheme.h"
#include "skin/theme/CustomThemeLink.h"
#include "skin/theme/ThemeManager.h"
#include "skin/theme/ThemeServices.h"

namespace z5t8::skin::controls {

using namespace framework;
using namespace theme;
namespace pg = platform::gui;

Z5T8_IMPLEMENT_CLASS(TTeButton, TTeControl) {
  p.Enum("Alignment", AlignmentInfo, &TTeButton::Alignment, &TTeButton::SetAlignment).Default(taCenter);
  p.Boolean("Cancel", &TTeButton::Cancel, &TTeButton::SetCancel).Default(0);
  p.Boolean("Default", &TTeButton::Default, &TTeButton::SetDefault).Default(0);
  p.Object("FontOptions", &TTeButton::FontOptions);
  p.Object("Glyph", &TTeButton::Glyph).Stored([](const TTeButton& b) {
    return !b.Glyph()->Empty() && b.Kind() == bkCustom;
  });
  p.Integer("ImageIndex", &TTeButton::ImageIndex, &TTeButton::SetImageIndex).Default(-1);
  p.Component("Images", &TTeButton::Images, &TTeButton::SetImages);
  p.Enum("Kind", BitBtnKindInfo, &TTeButton::Kind, &TTeButton::SetKind).Default(bkCustom);
  p.Enum("Layout", ButtonLayoutInfo, &TTeButton::Layout, &TTeButton::SetLayout).Default(blGlyphLeft);
  p.Integer("ModalResult", &TTeButton::ModalResult, &TTeButton::SetModalResult).Default(0);
  p.Integer("NumGlyphs", &TTeButton::NumGlyphs, &TTeButton::SetNumGlyphs).Default(1);
  p.Integer("Spacing", &TTeButton::Spacing, &TTeButton::SetSpacing).Default(4);
  p.Boolean("BlackAndWhiteGlyph", &TTeButton::BlackAndWhiteGlyph, &TTeButton::SetBlackAndWhiteGlyph)
      .Default(0);
  p.Boolean("Transparent", &TTeButton::Transparent, &TTeButton::SetTransparent).Default(0);
  p.Boolean("WordWrap", &TTeButton::WordWrap, &TTeButton::SetWordWrap).Default(0);
  p.String("ThemeObject", &TTeButton::ThemeObject, &TTeButton::SetThemeObject).Stored([](const TTeButton& b) {
    return b.ThemeObject() != "default";
  });
  p.Boolean("TabStop", &TTeButton::TabStop, &TTeButton::SetTabStop).Default(1);
  p.Enum("Performance", PerformanceInfo, &TTeButton::Performance, &TTeButton::SetPerformance)
      .Default(zqpDoubleBuffer);
  p.Message(CM_ENABLEDCHANGED, &TTeButton::CMEnabledChanged);
  p.Message(CM_DIALOGKEY, &TTeButton::CMDialogKey);
  p.Message(CM_DIALOGCHAR, &TTeButton::CMDialogChar);
  p.Message(CM_FOCUSCHANGED, &TTeButton::CMFocusChanged);
  p.Message(CM_TEXTCHANGED, &TTeButton::CMTextChanged);
  p.Message(pg::WM_CANCELMODE, &TTeButton::WMCancelMode);
  p.Message(pg::WM_CAPTURECHANGED, &TTeButton::WMCaptureChanged);
  p.Message(TM_THEMENOTIFY, &TTeButton::TMThemeNotify);
  p.Message(TM_THEMELINKCHANGED, &TTeButton::TMThemeLinkChanged);
  p.Component("ThemeLink", &TTeButton::ThemeLink, &TTeButton::SetThemeLink);
  p.Component("Action", &TTeButton::Action, &TTeButton::SetAction);
  p.Component("PopupMenu", &TTeButton::PopupMenu, &TTeButton::SetPopupMenu);
  p.Enum("BiDiMode", BiDiModeInfo, &TTeButton::BiDiMode, &TTeButton::SetBiDiMode).Default(bdLeftToRight);
}

TTeButton::TTeButton(TComponent* owner)
    : TTeControl(owner),
      FGlyph(std::make_unique<TBitmap>()),
      FFontOptions(std::make_unique<TTeFontOptions>()),
      FGlyphCopy(std::make_unique<TBitmap>()) {
  ControlStyle() = {csCaptureMouse, csSetCaption, csDoubleClicks, csActionClient};
  SetColor(clBtnFace);
  SetBounds(0, 0, 75, 25);
  SetTabStop(true);
  SetPerformance(zqpDoubleBuffer);
  FGlyph->OnChange = [this] { GlyphChanged(); };
  FFontOptions->OnChange = [this] {
    if (InState(csDesigning)) Invalidate();
  };
  AddThemeNotification(this);
}

TTeButton::~TTeButton() {
  RemoveThemeNotification(this);
  Destroying();
  DestroyHandle();
}

void TTeButton::SetCaption(const std::u16string& value) {
  if (value == FCaption) return;
  FCaption = value;
  SetText(value);
  Invalidate();
}

void TTeButton::SetAlignment(TAlignment value) {
  if (value == FAlignment) return;
  FAlignment = value;
  Invalidate();
}

void TTeButton::SetDefault(bool value) {
  FDefault = value;
  if (HandleAllocated())
    if (TCustomForm* form = GetParentForm(this))
      form->Perform(CM_FOCUSCHANGED, 0, reinterpret_cast<intptr_t>(form->ActiveControl()));
  Invalidate();
}

void TTeButton::SetKind(TBitBtnKind value) {
  if (value == FKind) return;
  FKind = value;
  if (value == bkCustom) return;
  SetDefault(value == bkOK || value == bkYes);
  if (!InState(csLoading) || FCaption.empty()) SetCaption(BitBtnKindCaption(value));
  static constexpr TModalResult results[] = {mrNone, mrOk,    mrCancel, mrNone,   mrYes, mrNo,
                                             mrNone, mrAbort, mrRetry,  mrIgnore, mrAll};
  FModalResult = results[value];
  DrawBitBtnKindGlyph(value, *FGlyph);
  FNumGlyphs = 2;
  Invalidate();
}

void TTeButton::SetNumGlyphs(int value) {
  value = std::clamp(value, 1, 4);
  if (value == FNumGlyphs) return;
  FNumGlyphs = value;
  Invalidate();
}

void TTeButton::GlyphChanged() {
  int w = FGlyph->Width(), h = FGlyph->Height();
  if (h != 0 && w % h == 0) FNumGlyphs = w / h < 5 ? w / h : 1;
  Invalidate();
}

void TTeButton::SetImages(TImageList* value) {
  if (value == FImages) return;
  if (FImages) FImages->RemoveFreeNotification(this);
  FImages = value;
  if (FImages) FImages->FreeNotification(this);
  Invalidate();
}

void TTeButton::SetImageIndex(int value) {
  if (value == FImageIndex) return;
  FImageIndex = value;
  Invalidate();
}

void TTeButton::SetLayout(TButtonLayout value) {
  if (value == FLayout) return;
  FLayout = value;
  Invalidate();
}

void TTeButton::SetSpacing(int value) {
  if (value == FSpacing) return;
  FSpacing = value;
  Invalidate();
}

void TTeButton::SetBlackAndWhiteGlyph(bool value) {
  if (value == FBlackAndWhiteGlyph) return;
  FBlackAndWhiteGlyph = value;
  Invalidate();
}

void TTeButton::SetTransparent(bool value) {
  if (value == FTransparent) return;
  FTransparent = value;
  Invalidate();
}

void TTeButton::SetWordWrap(bool value) {
  if (value == FWordWrap) return;
  FWordWrap = value;
  Invalidate();
}

void TTeButton::SetThemeObject(const std::string& value) {
  if (value == FThemeObject) return;
  FThemeObject = value;
  UpdateThemeLink(this, FThemeLink, FThemeObject, true);
}

void TTeButton::SetThemeLink(TteCustomThemeLink* value) {
  if (value == FThemeLink) return;
  if (FThemeLink) FThemeLink->RemoveFreeNotification(this);
  FThemeLink = value;
  if (FThemeLink) FThemeLink->FreeNotification(this);
  UpdateThemeLink(this, FThemeLink, FThemeObject, true);
}

TteTheme* TTeButton::Theme() const {
  return IsObjectDefined(kbscButton, FThemeObject, FThemeLink) ? GetThemeLink(FThemeLink) : nullptr;
}

void TTeButton::TMThemeNotify(TMessage& message) {
  switch (message.WParam) {
    case tncChanged:
    case tncApplied:
      Invalidate();
      if (TteTheme* theme = GetThemeLink(FThemeLink)) {
        TRect bounds = theme->GetBounds(FThemeObject);
        if (!bounds.isEmpty()) SetBoundsRect(bounds);
      }
      break;
    case tncReleased:
    case tncRepaint:
      Invalidate();
      break;
    default:
      break;
  }
}

void TTeButton::TMThemeLinkChanged(TMessage& message) {
  if (reinterpret_cast<TteCustomThemeLink*>(message.WParam) == FThemeLink)
    UpdateThemeLink(this, FThemeLink, FThemeObject, true);
}

void TTeButton::Loaded() {
  TTeControl::Loaded();
  UpdateThemeLink(this, FThemeLink, FThemeObject, false);
}

void TTeButton::WriteState(TWriter& writer) {
  BeforeWriteState(this);
  struct After {
    TTeButton* button;
    ~After() { AfterWriteState(button); }
  } after{this};
  TTeControl::WriteState(writer);
}

void TTeButton::Notification(TComponent* component, TOperation operation) {
  TTeControl::Notification(component, operation);
  if (operation != opRemove) return;
  if (component == FImages) FImages = nullptr;
  if (component == FThemeLink) SetThemeLink(nullptr);
}

void TTeButton::ActionChange(TObject* sender, bool checkDefaults) {
  TTeControl::ActionChange(sender, checkDefaults);
  auto* action = dynamic_cast<TCustomAction*>(sender);
  if (!action) return;
  // The caption came through the control's text; the own copy follows it.
  FCaption = GetText();
  // The glyph may be the action's picture, which may just have changed.
  Invalidate();
}

}  // namespace z5t8::skin::controls
