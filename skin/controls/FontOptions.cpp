#include "skin/controls/FontOptions.h"

#include "framework/Properties.h"

namespace z5t8::skin::controls {

using namespace framework;

Z5T8_IMPLEMENT_CLASS(TTeFontOptions, TPersistent) {
  p.Boolean("Bold", &TTeFontOptions::Bold, &TTeFontOptions::SetBold).Default(0);
  p.Boolean("Italic", &TTeFontOptions::Italic, &TTeFontOptions::SetItalic).Default(0);
  p.Integer("SizeDelta", &TTeFontOptions::SizeDelta, &TTeFontOptions::SetSizeDelta).Default(0);
  p.String("FontName", &TTeFontOptions::FontName, &TTeFontOptions::SetFontName);
  p.Integer("FontColor", &TTeFontOptions::FontColor, &TTeFontOptions::SetFontColor)
      .Idents(ColorIdents())
      .Default(clNone);
  p.Boolean("StrikeOut", &TTeFontOptions::StrikeOut, &TTeFontOptions::SetStrikeOut).Default(0);
  p.Boolean("Underline", &TTeFontOptions::Underline, &TTeFontOptions::SetUnderline).Default(0);
}

void TTeFontOptions::Assign(const TPersistent* source) {
  auto* other = dynamic_cast<const TTeFontOptions*>(source);
  if (!other) {
    TPersistent::Assign(source);
    return;
  }
  FBold = other->FBold;
  FItalic = other->FItalic;
  FSizeDelta = other->FSizeDelta;
  FFontName = other->FFontName;
  FFontColor = other->FFontColor;
  FStrikeOut = other->FStrikeOut;
  FUnderline = other->FUnderline;
  Change();
}

void TTeFontOptions::Change() {
  if (OnChange) OnChange();
}

void TTeFontOptions::ApplyOptions(TFont* font) const {
  if (!font) return;
  TFontStyles style = font->Style();
  if (FBold) style.Include(fsBold);
  if (FItalic) style.Include(fsItalic);
  if (FUnderline) style.Include(fsUnderline);
  if (FStrikeOut) style.Include(fsStrikeOut);
  if (style != font->Style()) font->SetStyle(style);
  if (FSizeDelta != 0) font->SetSize(font->Size() + FSizeDelta);
  if (!FFontName.empty()) font->SetName(FFontName);
  if (FFontColor != clNone) font->SetColor(FFontColor);
}

}  // namespace z5t8::skin::controls
