#include "skin/controls/Button.h"

#include <algorithm>
#include <cmath>

#include "framework/Properties.h"
#include "framework/Writer.h"
#include "framework/gui/Action.h"
#include "framework/gui/Button.h"
#include "framework/gui/ColorMap.h"
#include "framework/gui/Menus.h"
#include "platform/gui/VirtualKeys.h"
#include "skin/render/CanvasDrawing.h"
#include "skin/render/Color.h"
#include "skin/controls/ControlTheme.h"
#include "skin/theme/ControlBackground.h"
#include "skin/theme/CustomThemeLink.h"
#include "skin/theme/Theme.h"
#include "skin/theme/ThemeManager.h"
#include "skin/theme/ThemeServices.h"
#include "skin/theme/ThemeInfo.h"

namespace z5t8::skin::controls {

using namespace framework;
using namespace theme;
namespace pg = platform::gui;

namespace {

constexpr uint32_t kMagenta = 0xFF00FF;

// A canvas that measures text outside a paint.
TCanvas* MeasureCanvas() {
  static TBitmap bitmap;
  if (bitmap.Empty()) bitmap.SetSize(1, 1);
  return bitmap.Canvas();
}

struct TStates {
  TteButtonDrawState Face;
  TteButtonDrawState Text;
  TteThemeFont Font;
  TteButtonDrawState Glyph;
};

int Nearest(double x) { return static_cast<int>(std::nearbyint(x)); }

}  // namespace

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

// Properties

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

// States

namespace {

TStates StatesOf(bool enabled, bool pressed, bool hot, bool focused, bool activeDefault) {
  if (!enabled) return {kbdsDisabled, kbdsDisabled, ktfButtonTextDisabled, kbdsDisabled};
  if (pressed) return {kbdsPressed, kbdsPressed, ktfButtonTextPressed, kbdsPressed};
  if (hot) return {kbdsHot, kbdsHot, ktfButtonTextHot, kbdsHot};
  if (focused) return {kbdsFocused, kbdsFocused, ktfButtonTextFocused, kbdsFocused};
  if (activeDefault) return {kbdsDefault, kbdsNormal, ktfButtonTextNormal, kbdsDefault};
  return {kbdsNormal, kbdsNormal, ktfButtonTextNormal, kbdsNormal};
}

}  // namespace

// Glyph

bool TTeButton::PrepareGlyph() {
  FHasGlyph = false;
  if (!FGlyph->Empty()) {
    FGlyphCopy->Assign(FGlyph.get());
    FHasGlyph = true;
  } else if (FImages && FImageIndex >= 0 && FImageIndex < FImages->Count()) {
    FGlyphCopy->SetSize(FImages->Width(), FImages->Height());
    render::FillRect(FGlyphCopy->Canvas(), Rect(0, 0, FImages->Width(), FImages->Height()), TColor(kMagenta));
    FImages->Draw(FGlyphCopy->Canvas(), 0, 0, FImageIndex, true);
    FHasGlyph = true;
  } else if (auto* action = dynamic_cast<TCustomAction*>(Action())) {
    TImageList* images = action->Images();
    int index = action->ImageIndex();
    if (images && index >= 0 && index < images->Count()) {
      FGlyphCopy->SetSize(images->Width(), images->Height());
      render::FillRect(FGlyphCopy->Canvas(), Rect(0, 0, images->Width(), images->Height()), TColor(kMagenta));
      images->Draw(FGlyphCopy->Canvas(), 0, 0, index, true);
      FHasGlyph = true;
    }
  }
  return FHasGlyph;
}

TSize TTeButton::GlyphSize() const {
  if (!FHasGlyph) return {0, 0};
  return {FGlyphCopy->Width() / std::max(1, FNumGlyphs), FGlyphCopy->Height()};
}

// Layout

TRect TTeButton::GetLayoutRect() {
  PrepareGlyph();
  TFont font;
  font.Assign(PaintFont()->Name().empty() ? Font() : PaintFont());
  bool enabled = Enabled();
  TStates states = StatesOf(enabled, FPressed, FHot, FFocused, FActiveDefault);
  if (TteTheme* theme = Theme()) font.Assign(theme->Fonts()->GetFontForObject(states.Font, FThemeObject));
  FFontOptions->ApplyOptions(&font);
  TSize glyph = GlyphSize();
  int w = Width(), h = Height();
  TRect l;
  if (FWordWrap) {
    l = Rect(0, 0, w - FSpacing - glyph.cx - 10, h - FSpacing - glyph.cy - 10);
  } else {
    TCanvas* canvas = MeasureCanvas();
    canvas->SetFont(font);
    TSize text = canvas->TextExtent(FCaption);
    l = Rect(0, 0, text.cx, text.cy);
  }
  if (FHasGlyph) {
    if (FLayout == blGlyphTop || FLayout == blGlyphBottom)
      l.bottom += glyph.cy + FSpacing;
    else
      l.right += glyph.cx + FSpacing;
    l.right = std::max(l.right, static_cast<int>(glyph.cx));
    l.bottom = std::max(l.bottom, static_cast<int>(glyph.cy));
  }
  switch (FAlignment) {
    case taLeftJustify:
      l = l.offset(4, (h - l.bottom) / 2);
      break;
    case taRightJustify:
      l = l.offset(w - l.right - 4, (h - l.bottom) / 2);
      break;
    case taCenter:
      l = l.offset((w - l.right) / 2, (h - l.bottom) / 2);
      break;
  }
  if (FPressed) l = l.offset(1, 1);
  return l;
}

TRect TTeButton::GetCaptionRect() {
  TRect r = GetLayoutRect();
  if (!FHasGlyph) return r;
  TSize g = GlyphSize();
  switch (FLayout) {
    case blGlyphLeft:
      r.left += g.cx + FSpacing;
      break;
    case blGlyphRight:
      r.right -= g.cx + FSpacing;
      break;
    case blGlyphTop:
      r.top += g.cy + FSpacing;
      break;
    case blGlyphBottom:
      r.bottom -= g.cy + FSpacing;
      break;
  }
  return r;
}

TRect TTeButton::GetGlyphRect() {
  TRect r = GetLayoutRect();
  if (!FHasGlyph) return r;
  TSize g = GlyphSize();
  switch (FLayout) {
    case blGlyphLeft:
      r.right = r.left + g.cx + FSpacing;
      break;
    case blGlyphRight:
      r.left = r.right - g.cx - FSpacing;
      break;
    case blGlyphTop:
      r.bottom = r.top + g.cy + FSpacing;
      break;
    case blGlyphBottom:
      r.top = r.bottom - g.cy - FSpacing;
      break;
  }
  return r;
}

// Painting

void TTeButton::PaintBuffer() {
  TteTheme* theme = Theme();
  if (theme ? theme->IsButtonTransparent(kbscButton, FThemeObject) : FTransparent)
    DrawControlBackground(this, Canvas());
  else if (!theme)
    TTeControl::PaintBuffer();
  PaintFace();
  PaintText();
  PaintGlyph();
}

void TTeButton::PaintFace() {
  TCanvas* canvas = Canvas();
  TStates states = StatesOf(Enabled(), FPressed, FHot, FFocused, FActiveDefault);
  if (TteTheme* theme = Theme()) {
    theme->ButtonDraw(kbscButton, canvas, ButtonInfo(Rect(0, 0, Width(), Height()), states.Face),
                      FThemeObject);
    return;
  }
  TRect border = GetBorderRect();
  TRect r = border;
  if (FFocused || FActiveDefault) {
    render::DrawRect(canvas, r, clBlack);
    r = r.inflate(-1, -1);
  }
  render::FillRect(canvas, r, Color());
  if (!FPressed) {
    render::DrawEdge(canvas, r, clBtnHighlight, clBlack);
    r = r.inflate(-1, -1);
    render::DrawEdge(canvas, r, Color(), clBtnShadow);
  } else {
    render::DrawEdge(canvas, r, clBtnShadow, clBtnShadow);
  }
  if (FFocused) render::DrawFocusRect(canvas, border.inflate(-4, -4), clBtnShadow);
}

void TTeButton::PaintText() {
  TCanvas* canvas = Canvas();
  TStates states = StatesOf(Enabled(), FPressed, FHot, FFocused, FActiveDefault);
  TteTheme* theme = Theme();
  TFont font;
  font.Assign(PaintFont());
  if (theme) font.Assign(theme->Fonts()->GetFontForObject(states.Font, FThemeObject));
  FFontOptions->ApplyOptions(&font);
  canvas->SetFont(font);
  TRect c = GetCaptionRect();
  uint32_t flags = DrawTextBiDiModeFlags(pg::DT_CENTER | (FWordWrap ? pg::DT_WORDBREAK : 0));
  TRect t;
  if (FWordWrap) {
    TRect measure = Rect(0, 0, c.width(), 0);
    int height = canvas->DrawText(FCaption, measure, pg::DT_CALCRECT | flags);
    t = Rect(0, 0, c.width(), height);
  } else {
    TSize size = canvas->TextExtent(FCaption);
    t = Rect(0, 0, size.cx, size.cy);
  }
  if (theme) {
    int x = FAlignment == taCenter ? c.left + (c.width() - t.right) / 2 : c.left + (c.width() - t.right);
    t = t.offset(x, c.top + (c.height() - t.bottom) / 2);
    theme->ButtonDrawText(kbscButton, canvas, ButtonInfo(t, states.Text), TextInfo(t, FCaption, flags),
                          FThemeObject);
    return;
  }
  t = t.offset(c.left + (c.width() - t.right) / 2, c.top + (c.height() - t.bottom) / 2);
  if (!Enabled()) {
    TRect shadow = t.offset(1, 1);
    canvas->Font()->SetColor(clBtnHighlight);
    render::DrawText(canvas, FCaption, shadow, flags);
    canvas->Font()->SetColor(clBtnShadow);
  }
  render::DrawText(canvas, FCaption, t, flags);
}

void TTeButton::PaintGlyph() {
  if (!PrepareGlyph()) return;
  TSize size = GlyphSize();
  int w = size.cx, h = size.cy;
  if (w <= 0 || h <= 0) return;
  TRect g = Rect(0, 0, w, h);
  TRect glyphRect = GetGlyphRect();
  g = g.offset(glyphRect.left + (glyphRect.width() - w) / 2, glyphRect.top + (glyphRect.height() - h) / 2);
  int frame = 0;
  if (FNumGlyphs > 1 && !Enabled()) frame = 1;
  if (FNumGlyphs > 2 && FPressed) frame = 2;
  uint32_t transparent = kMagenta;
  if (!FGlyph->Empty()) {
    pg::Pixel* last = FGlyphCopy->ScanLine(FGlyphCopy->Height() - 1);
    transparent = last ? ((last[0] & 0xFF) << 16) | (last[0] & 0xFF00) | ((last[0] >> 16) & 0xFF) : kMagenta;
  }
  render::TteBitmap bitmap;
  bitmap.SetSize(w, h);
  bitmap.Clear(render::teColor(0x007F007F));
  bitmap.Transparent = true;
  bool grey = FBlackAndWhiteGlyph && !FHot;
  bool disabledLook = FNumGlyphs == 1 && !Enabled();
  for (int y = 0; y < h; ++y) {
    pg::Pixel* row = FGlyphCopy->ScanLine(y);
    if (!row) continue;
    for (int x = 0; x < w; ++x) {
      int sx = frame * w + x;
      if (sx >= FGlyphCopy->Width()) continue;
      pg::Pixel p = row[sx];
      uint8_t r = (p >> 16) & 0xFF, gr = (p >> 8) & 0xFF, b = p & 0xFF;
      if ((uint32_t(b) << 16 | uint32_t(gr) << 8 | r) == transparent) continue;
      render::teColor c(r, gr, b, 255);
      float hue, sat, light;
      if (grey) {
        render::RGBtoHSL(c, hue, sat, light);
        int level = Nearest(light * 255.0);
        c = render::teColor(int16_t(level), int16_t(level), int16_t(level), 255);
      }
      if (disabledLook) {
        render::RGBtoHSL(c, hue, sat, light);
        int level = 160 + Nearest(light * 50.0);
        c = render::teColor(int16_t(level), int16_t(level), int16_t(level), 255);
      }
      bitmap.SetPixel(x, y, c);
    }
  }
  TStates states = StatesOf(Enabled(), FPressed, FHot, FFocused, FActiveDefault);
  if (TteTheme* theme = Theme()) {
    theme->ButtonDrawGlyph(kbscButton, Canvas(), ButtonInfo(g, states.Glyph),
                           GlyphInfo(g, &bitmap, kgfaCenter), FThemeObject);
    return;
  }
  bitmap.Draw(Canvas(), g.left, g.top);
}

// Mouse and keys

void TTeButton::Click() {
  if (TCustomForm* form = GetParentForm(this)) {
    if (FKind == bkClose) {
      form->Close();
    } else {
      form->SetModalResult(FModalResult);
    }
  }
  TTeControl::Click();
}

void TTeButton::MouseDown(TMouseButton button, TShiftState shift, int x, int y) {
  TTeControl::MouseDown(button, shift, x, y);
  if (button != mbLeft || !Enabled()) return;
  if (!InState(csDesigning) && CanFocus()) SetFocus();
  FPressed = true;
  Invalidate();
  FMouseTracking = true;
}

void TTeButton::MouseMove(TShiftState shift, int x, int y) {
  TTeControl::MouseMove(shift, x, y);
  if (!FMouseTracking) return;
  TRect client = GetClientRect();
  bool pressed = x >= 0 && x < client.width() && y >= 0 && y < client.height();
  if (pressed == FPressed) return;
  FPressed = pressed;
  Invalidate();
}

void TTeButton::MouseUp(TMouseButton button, TShiftState shift, int x, int y) {
  TTeControl::MouseUp(button, shift, x, y);
  if (!FMouseTracking) return;
  FMouseTracking = false;
  FPressed = false;
  // The click may free the button.
  std::shared_ptr<bool> alive = FAlive;
  if (Rect(0, 0, Width(), Height()).contains({x, y})) Click();
  if (*alive) Invalidate();
}

void TTeButton::CancelPress() {
  if (!FMouseTracking && !FPressed) return;
  FMouseTracking = false;
  FPressed = false;
  Invalidate();
}

void TTeButton::WMCancelMode(TMessage& message) {
  CancelPress();
  InheritedMessage(StaticClass(), message);
}

// The framework lets go of the capture itself before a release reaches
// MouseUp; only a capture it still counts on was taken away.
void TTeButton::WMCaptureChanged(TMessage& message) {
  if (MouseCapture()) CancelPress();
  InheritedMessage(StaticClass(), message);
}

void TTeButton::MouseEnter() {
  TTeControl::MouseEnter();
  Invalidate();
}

void TTeButton::MouseLeave() {
  TTeControl::MouseLeave();
  Invalidate();
}

void TTeButton::KeyDown(uint16_t& key, TShiftState shift) {
  TTeControl::KeyDown(key, shift);
  if (key == pg::VK_SPACE && !shift.Contains(ssAlt)) {
    FPressed = true;
    Invalidate();
  }
}

void TTeButton::KeyUp(uint16_t& key, TShiftState shift) {
  TTeControl::KeyUp(key, shift);
  if (key != pg::VK_SPACE) return;
  FPressed = false;
  Invalidate();
  Click();
  key = 0;
}

void TTeButton::CMDialogKey(TMessage& message) {
  bool enter = message.WParam == pg::VK_RETURN && (FActiveDefault || FFocused);
  bool escape = message.WParam == pg::VK_ESCAPE && FCancel;
  TShiftState shift = KeyboardShiftState();
  bool plain = !shift.Contains(ssShift) && !shift.Contains(ssCtrl) && !shift.Contains(ssAlt);
  if ((enter || escape) && plain && CanFocus()) {
    Click();
    message.Result = 1;
    return;
  }
  InheritedMessage(StaticClass(), message);
}

void TTeButton::CMDialogChar(TMessage& message) {
  char16_t c = static_cast<char16_t>(message.WParam);
  if (c >= u'a' && c <= u'z') c = char16_t(c - 32);
  char16_t accel = AcceleratorOf(FCaption);
  if (accel && c == accel && CanFocus()) {
    SetFocus();
    Click();
    message.Result = 1;
    return;
  }
  InheritedMessage(StaticClass(), message);
}

void TTeButton::CMFocusChanged(TMessage& message) {
  auto* focused = reinterpret_cast<TWinControl*>(message.LParam);
  bool active = (dynamic_cast<TTeButton*>(focused) || dynamic_cast<TButton*>(focused)) ? false : FDefault;
  if (active != FActiveDefault) {
    FActiveDefault = active;
    Invalidate();
  }
  InheritedMessage(StaticClass(), message);
}

void TTeButton::CMEnabledChanged(TMessage& message) {
  InheritedMessage(StaticClass(), message);
  Invalidate();
}

void TTeButton::CMTextChanged(TMessage&) { FCaption = GetText(); }

// Kinds

std::u16string BitBtnKindCaption(TBitBtnKind kind) {
  static const char16_t* const captions[] = {u"",       u"OK",    u"Cancel", u"&Help",   u"&Yes", u"&No",
                                             u"&Close", u"Abort", u"&Retry", u"&Ignore", u"&All"};
  return captions[kind];
}

void DrawBitBtnKindGlyph(TBitBtnKind kind, TBitmap& glyph) {
  glyph.SetSize(36, 18);
  TCanvas* canvas = glyph.Canvas();
  render::FillRect(canvas, Rect(0, 0, 36, 18), TColor(kMagenta));
  static constexpr TColor colours[] = {0,        0x00A000, 0x0000C0, 0xC05000, 0x00A000, 0x0000C0,
                                       0x404040, 0x0000C0, 0x008080, 0x808000, 0x00A000};
  for (int frame = 0; frame < 2; ++frame) {
    TColor colour = frame == 0 ? colours[kind] : TColor(0x808080);
    int x0 = frame * 18;
    // Strokes three pixels wide, so the mark reads beside a large caption.
    auto line = [&](int x1, int y1, int x2, int y2) {
      for (int d = -1; d <= 1; ++d) {
        render::MoveTo(canvas, x0 + x1 + d, y1);
        render::LineTo(canvas, x0 + x2 + d, y2, colour);
        render::MoveTo(canvas, x0 + x1, y1 + d);
        render::LineTo(canvas, x0 + x2, y2 + d, colour);
      }
    };
    switch (kind) {
      case bkOK:
      case bkYes:
      case bkAll:
        line(3, 9, 7, 13);
        line(7, 13, 14, 4);
        break;
      case bkCancel:
      case bkNo:
      case bkAbort:
        line(4, 4, 13, 13);
        line(13, 4, 4, 13);
        break;
      case bkHelp:
      case bkIgnore:
        render::FillEllipse(canvas, Rect(x0 + 3, 3, x0 + 15, 15), colour);
        render::FillRect(canvas, Rect(x0 + 8, 6, x0 + 10, 12), clWhite);
        break;
      case bkRetry:
        line(4, 5, 13, 5);
        line(13, 5, 13, 12);
        line(13, 12, 4, 12);
        break;
      case bkClose:
        render::FillRect(canvas, Rect(x0 + 5, 3, x0 + 13, 15), colour);
        render::FillRect(canvas, Rect(x0 + 10, 9, x0 + 12, 11), clWhite);
        break;
      case bkCustom:
        break;
    }
  }
}

}  // namespace z5t8::skin::controls
