#include "framework/Font.h"

#include "framework/Properties.h"

namespace z5t8::framework {

namespace {
constexpr TIdentMapEntry kCharsetIdents[] = {
    {ANSI_CHARSET, "ANSI_CHARSET"},
    {DEFAULT_CHARSET, "DEFAULT_CHARSET"},
    {SYMBOL_CHARSET, "SYMBOL_CHARSET"},
    {MAC_CHARSET, "MAC_CHARSET"},
    {SHIFTJIS_CHARSET, "SHIFTJIS_CHARSET"},
    {HANGEUL_CHARSET, "HANGEUL_CHARSET"},
    {JOHAB_CHARSET, "JOHAB_CHARSET"},
    {GB2312_CHARSET, "GB2312_CHARSET"},
    {CHINESEBIG5_CHARSET, "CHINESEBIG5_CHARSET"},
    {GREEK_CHARSET, "GREEK_CHARSET"},
    {TURKISH_CHARSET, "TURKISH_CHARSET"},
    {VIETNAMESE_CHARSET, "VIETNAMESE_CHARSET"},
    {HEBREW_CHARSET, "HEBREW_CHARSET"},
    {ARABIC_CHARSET, "ARABIC_CHARSET"},
    {BALTIC_CHARSET, "BALTIC_CHARSET"},
    {RUSSIAN_CHARSET, "RUSSIAN_CHARSET"},
    {THAI_CHARSET, "THAI_CHARSET"},
    {EASTEUROPE_CHARSET, "EASTEUROPE_CHARSET"},
    {OEM_CHARSET, "OEM_CHARSET"},
};

// n / d rounded to the nearest integer, ties to even; d > 0.
int RoundDiv(long long n, long long d) {
  long long q = n / d, r = n % d;
  if (r < 0) {
    r += d;
    --q;
  }
  if (2 * r > d || (2 * r == d && (q & 1))) ++q;
  return int(q);
}
}  // namespace

TIdentMap CharsetIdents() { return kCharsetIdents; }

bool CharsetToIdent(TFontCharset charset, std::string& ident) {
  std::string_view name;
  if (!IntToIdent(charset, name, kCharsetIdents)) return false;
  ident = std::string(name);
  return true;
}

bool IdentToCharset(std::string_view ident, TFontCharset& charset) {
  int32_t value;
  if (!IdentToInt(ident, value, kCharsetIdents)) return false;
  charset = TFontCharset(value);
  return true;
}

Z5T8_IMPLEMENT_CLASS(TFont, TPersistent) {
  p.Integer("Charset", &TFont::Charset, &TFont::SetCharset).Idents(kCharsetIdents);
  p.Integer("Color", &TFont::Color, &TFont::SetColor).Idents(ColorIdents());
  p.Integer("Height", &TFont::Height, &TFont::SetHeight);
  p.String("Name", &TFont::Name, &TFont::SetName);
  p.Enum("Pitch", FontPitchInfo, &TFont::Pitch, &TFont::SetPitch).Default(fpDefault);
  p.Integer("Size", &TFont::Size, &TFont::SetSize).Stored(false);
  p.Set("Style", FontStyleInfo, &TFont::Style, &TFont::SetStyle);
}

TFont::TFont() {
  FData.Name = "MS Sans Serif";
  FData.Height = -11;
}

void TFont::SetName(const std::string& name) {
  if (name.empty() || name == FData.Name) return;
  FData.Name = name;
  DataChanged();
}

void TFont::SetHeight(int height) {
  if (height == FData.Height) return;
  FData.Height = height;
  DataChanged();
}

int TFont::Size() const { return -RoundDiv((long long)FData.Height * 72, FPixelsPerInch); }

void TFont::SetSize(int size) { SetHeight(-RoundDiv((long long)size * FPixelsPerInch, 72)); }

void TFont::SetCharset(TFontCharset charset) {
  if (charset == FData.Charset) return;
  FData.Charset = charset;
  DataChanged();
}

void TFont::SetColor(TColor color) {
  if (color == FColor) return;
  FColor = color;
  Changed();
}

void TFont::SetStyle(TFontStyles style) {
  if (style == FData.Style) return;
  FData.Style = style;
  DataChanged();
}

void TFont::SetPitch(TFontPitch pitch) {
  if (pitch == FData.Pitch) return;
  FData.Pitch = pitch;
  DataChanged();
}

void TFont::Assign(const TPersistent* source) {
  const auto* other = dynamic_cast<const TFont*>(source);
  if (!other) return TPersistent::Assign(source);
  TFontData data = other->FData;
  if (FPixelsPerInch != other->FPixelsPerInch)
    data.Height = -RoundDiv((long long)other->Size() * FPixelsPerInch, 72);
  bool dataChanged = !(data == FData);
  if (!dataChanged && FColor == other->FColor) return;
  FData = std::move(data);
  FColor = other->FColor;
  if (dataChanged) FHandleCache.reset();
  Changed();
}

void TFont::DataChanged() {
  FHandleCache.reset();
  Changed();
}

void TFont::Changed() { OnChange(this); }

}  // namespace z5t8::framework
