#include "skin/se3/SkinStateObjects.h"

#include "framework/Properties.h"
#include "skin/render/CanvasDrawing.h"
#include "skin/render/Color.h"
#include "skin/render/WindowUtils.h"

namespace z5t8::skin::se3 {

using framework::TColor;
using framework::TFont;

namespace {

std::unique_ptr<TFont> NewFont() { return std::make_unique<TFont>(); }

TColor Shifted(TColor c, int delta, bool hue) {
  render::teColor t(c, 255);
  return render::teColorToColor(hue ? render::ChangeHue(t, delta) : render::ChangeBrightness(t, delta));
}

void ShiftColor(TColor& c, int delta, bool hue) {
  if (c != framework::clNone) c = Shifted(c, delta, hue);
}

void ShiftFont(TFont& font, int delta, bool hue) {
  if (font.Color() != framework::clNone) font.SetColor(Shifted(font.Color(), delta, hue));
}

}  // namespace

// ---- TSeActiveObject

Z5T8_IMPLEMENT_CLASS(TSeActiveObject, TSeSkinObject) {
  using T = TSeActiveObject;
  p.Integer("ActiveColor", &T::ActiveColor, &T::SetActiveColor).Idents(framework::ColorIdents()).Default(0);
  p.Object("ActiveFont", &T::ActiveFont);
  p.Object("DisabledFont", &T::DisabledFont);
}

TSeActiveObject::TSeActiveObject(framework::TComponent* owner)
    : TSeSkinObject(owner), FActiveFont(NewFont()), FDisabledFont(NewFont()) {}

TFont* TSeActiveObject::GetFont() {
  if (FState == ssHot || FState == ssPressed || FState == ssFocused) return FActiveFont.get();
  return FFont;
}

void TSeActiveObject::Draw(framework::TCanvas* canvas, const Rect& clip) {
  const bool lit = FActive || FState == ssHot || FState == ssPressed || FState == ssFocused;
  TColor colour = lit ? FActiveColor : FColor;
  // Disabled decides the font even in an active window; the colour stays the active one.
  TFont* font = FState == ssDisabled ? FDisabledFont.get() : lit ? FActiveFont.get() : FFont;
  TTempValue<TColor> swapColour(FColor, colour);
  TTempValue<TFont*> swapFont(FFont, font);
  TSeSkinObject::Draw(canvas, clip);
}

void TSeActiveObject::ChangeHue(int delta) {
  inherited::ChangeHue(delta);
  ShiftColor(FActiveColor, delta, true);
  ShiftFont(*FActiveFont, delta, true);
  ShiftFont(*FDisabledFont, delta, true);
}

void TSeActiveObject::ChangeBrightness(int delta) {
  inherited::ChangeBrightness(delta);
  ShiftColor(FActiveColor, delta, false);
  ShiftFont(*FActiveFont, delta, false);
  ShiftFont(*FDisabledFont, delta, false);
}

void TSeActiveObject::SetCharset(framework::TFontCharset charset) {
  inherited::SetCharset(charset);
  FActiveFont->SetCharset(charset);
  FDisabledFont->SetCharset(charset);
}

void TSeActiveObject::Assign(const framework::TPersistent* source) {
  inherited::Assign(source);
  if (auto* src = As<TSeActiveObject>(source)) {
    FActiveColor = src->FActiveColor;
    FActiveFont->Assign(src->FActiveFont.get());
    FDisabledFont->Assign(src->FDisabledFont.get());
  }
}

// ---- TSeTextObject

Z5T8_IMPLEMENT_CLASS(TSeTextObject, TSeSkinObject) {
  using T = TSeTextObject;
  p.Object("FontHot", &T::FontHot);
  p.Object("FontFocused", &T::FontFocused);
  p.Object("FontPressed", &T::FontPressed);
  p.Object("FontDisabled", &T::FontDisabled);
}

TSeTextObject::TSeTextObject(framework::TComponent* owner)
    : TSeSkinObject(owner),
      FFontHot(NewFont()),
      FFontFocused(NewFont()),
      FFontPressed(NewFont()),
      FFontDisabled(NewFont()) {}

TFont* TSeTextObject::StateFont() const {
  switch (FState) {
    case ssHot:
      return FFontHot.get();
    case ssPressed:
      return FFontPressed.get();
    case ssFocused:
      return FFontFocused.get();
    case ssDisabled:
      return FFontDisabled.get();
    default:
      return nullptr;
  }
}

TFont* TSeTextObject::GetFont() {
  TFont* font = StateFont();
  return font ? font : FFont;
}

void TSeTextObject::Draw(framework::TCanvas* canvas, const Rect& clip) {
  TFont* font = StateFont();
  TTempValue<TFont*> swapFont(FFont, font ? font : FFont);
  TSeSkinObject::Draw(canvas, clip);
}

void TSeTextObject::ChangeHue(int delta) {
  inherited::ChangeHue(delta);
  for (TFont* f : {FFontHot.get(), FFontFocused.get(), FFontPressed.get(), FFontDisabled.get()})
    ShiftFont(*f, delta, true);
}

void TSeTextObject::ChangeBrightness(int delta) {
  inherited::ChangeBrightness(delta);
  for (TFont* f : {FFontHot.get(), FFontFocused.get(), FFontPressed.get(), FFontDisabled.get()})
    ShiftFont(*f, delta, false);
}

void TSeTextObject::SetCharset(framework::TFontCharset charset) {
  inherited::SetCharset(charset);
  for (TFont* f : {FFontHot.get(), FFontFocused.get(), FFontPressed.get(), FFontDisabled.get()})
    f->SetCharset(charset);
}

void TSeTextObject::Assign(const framework::TPersistent* source) {
  inherited::Assign(source);
  if (auto* src = As<TSeTextObject>(source)) {
    FFontHot->Assign(src->FFontHot.get());
    FFontFocused->Assign(src->FFontFocused.get());
    FFontPressed->Assign(src->FFontPressed.get());
    FFontDisabled->Assign(src->FFontDisabled.get());
  }
}

// ---- TSeLinkSkinObject

Z5T8_IMPLEMENT_CLASS(TSeLinkSkinObject, TSeSkinObject) {
  p.String("LinkControl", &TSeLinkSkinObject::LinkControl, &TSeLinkSkinObject::SetLinkControl);
}

TSeLinkSkinObject::TSeLinkSkinObject(framework::TComponent* owner) : TSeSkinObject(owner) {}

void TSeLinkSkinObject::Draw(framework::TCanvas* canvas, const Rect& clip) {
  if (FState != ssDesign || !canvas || !CanDraw(clip)) return;
  Rect r = GetBoundsRect();
  render::FillRect(canvas, r, framework::clWhite);
  render::DrawRect(canvas, r, framework::clBlack);
  TFont font;
  font.SetName("Arial");
  font.SetStyle({framework::fsItalic});
  font.SetColor(framework::clBlack);
  canvas->SetFont(font);
  render::DrawText(canvas, render::StringToWideString(0, FLinkControl), r,
                   platform::gui::DT_SINGLELINE | platform::gui::DT_CENTER | platform::gui::DT_VCENTER |
                       platform::gui::DT_NOPREFIX);
}

void TSeLinkSkinObject::Assign(const framework::TPersistent* source) {
  inherited::Assign(source);
  if (auto* src = As<TSeLinkSkinObject>(source)) FLinkControl = src->FLinkControl;
}

// ---- TSeActiveSkinObject

Z5T8_IMPLEMENT_CLASS(TSeActiveSkinObject, TSeSkinObject) {
  using T = TSeActiveSkinObject;
  p.Integer("ActiveColor", &T::ActiveColor, &T::SetActiveColor).Idents(framework::ColorIdents()).Default(0);
  p.Object("ActiveFont", &T::ActiveFont);
}

TSeActiveSkinObject::TSeActiveSkinObject(framework::TComponent* owner)
    : TSeSkinObject(owner), FActiveFont(NewFont()) {}

void TSeActiveSkinObject::Draw(framework::TCanvas* canvas, const Rect& clip) {
  const bool lit = FState == ssFocused || FState == ssHot;
  TTempValue<TColor> swapColour(FColor, lit ? FActiveColor : FColor);
  TTempValue<TFont*> swapFont(FFont, lit ? FActiveFont.get() : FFont);
  TSeSkinObject::Draw(canvas, clip);
}

void TSeActiveSkinObject::ChangeHue(int delta) {
  inherited::ChangeHue(delta);
  ShiftColor(FActiveColor, delta, true);
  ShiftFont(*FActiveFont, delta, true);
}

void TSeActiveSkinObject::ChangeBrightness(int delta) {
  inherited::ChangeBrightness(delta);
  ShiftColor(FActiveColor, delta, false);
  ShiftFont(*FActiveFont, delta, false);
}

void TSeActiveSkinObject::Assign(const framework::TPersistent* source) {
  inherited::Assign(source);
  if (auto* src = As<TSeActiveSkinObject>(source)) {
    FActiveColor = src->FActiveColor;
    FActiveFont->Assign(src->FActiveFont.get());
  }
}

// ---- TSeColorButtonObject

Z5T8_IMPLEMENT_CLASS(TSeColorButtonObject, TSeSkinObject) {
  using T = TSeColorButtonObject;
  auto idents = framework::ColorIdents();
  p.Integer("HotColor", &T::HotColor, &T::SetHotColor).Idents(idents).Default(0);
  p.Object("HotFont", &T::HotFont);
  p.Integer("PressedColor", &T::PressedColor, &T::SetPressedColor).Idents(idents).Default(0);
  p.Object("PressedFont", &T::PressedFont);
  p.Integer("FocusedColor", &T::FocusedColor, &T::SetFocusedColor).Idents(idents).Default(0);
  p.Object("FocusedFont", &T::FocusedFont);
  p.Integer("DisabledColor", &T::DisabledColor, &T::SetDisabledColor).Idents(idents).Default(0);
  p.Object("DisabledFont", &T::DisabledFont);
}

TSeColorButtonObject::TSeColorButtonObject(framework::TComponent* owner)
    : TSeSkinObject(owner),
      FHotFont(NewFont()),
      FPressedFont(NewFont()),
      FFocusedFont(NewFont()),
      FDisabledFont(NewFont()) {}

void TSeColorButtonObject::Draw(framework::TCanvas* canvas, const Rect& clip) {
  TColor colour = FColor;
  TFont* font = FFont;
  switch (FState) {
    case ssHot:
      colour = FHotColor, font = FHotFont.get();
      break;
    case ssPressed:
      colour = FPressedColor, font = FPressedFont.get();
      break;
    case ssFocused:
      colour = FFocusedColor, font = FFocusedFont.get();
      break;
    case ssDisabled:
      colour = FDisabledColor, font = FDisabledFont.get();
      break;
    default:
      break;
  }
  TTempValue<TColor> swapColour(FColor, colour);
  TTempValue<TFont*> swapFont(FFont, font);
  TSeSkinObject::Draw(canvas, clip);
}

void TSeColorButtonObject::Assign(const framework::TPersistent* source) {
  inherited::Assign(source);
  if (auto* src = As<TSeColorButtonObject>(source)) {
    FHotColor = src->FHotColor;
    FPressedColor = src->FPressedColor;
    FFocusedColor = src->FFocusedColor;
    FDisabledColor = src->FDisabledColor;
    FHotFont->Assign(src->FHotFont.get());
    FPressedFont->Assign(src->FPressedFont.get());
    FFocusedFont->Assign(src->FFocusedFont.get());
    FDisabledFont->Assign(src->FDisabledFont.get());
  }
}

// ---- TSeRollPanelObject

Z5T8_IMPLEMENT_CLASS(TSeRollPanelObject, TSeSkinObject) {
  using T = TSeRollPanelObject;
  p.Enum("RollKind", SeRollKindInfo, &T::RollKind, &T::SetRollKind).Default(rkLeft);
  p.Integer("RollValue", &T::RollValue, &T::SetRollValue).Default(0);
}

TSeRollPanelObject::TSeRollPanelObject(framework::TComponent* owner) : TSeSkinObject(owner) {}

void TSeRollPanelObject::Assign(const framework::TPersistent* source) {
  inherited::Assign(source);
  if (auto* src = As<TSeRollPanelObject>(source)) {
    FRollKind = src->FRollKind;
    FRollValue = src->FRollValue;
  }
}

}  // namespace z5t8::skin::se3
