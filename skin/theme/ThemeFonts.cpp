#include "skin/theme/ThemeFonts.h"

#include <initializer_list>

#include "framework/Properties.h"
#include "skin/theme/ThemeBlock.h"
#include "skin/theme/ThemeColorShift.h"
#include "skin/theme/ThemeNames.h"
#include "skin/theme/ThemeValueText.h"

namespace z5t8::skin::theme {

using namespace framework;

Z5T8_IMPLEMENT_CLASS(TteThemeFonts, TPersistent) {}

namespace {
constexpr const char* kFaceName = "Tahoma";
}

TteThemeFonts::TteThemeFonts(IteThemeOwner* theme) : FTheme(theme) {
  for (TFont& f : FFonts) f.SetName(kFaceName);
  FScratchFont.SetName(kFaceName);
}

void TteThemeFonts::Assign(const TPersistent* source) {
  const auto* other = dynamic_cast<const TteThemeFonts*>(source);
  if (!other) return TPersistent::Assign(source);
  for (size_t i = 0; i < FFonts.size(); ++i) FFonts[i].Assign(&other->FFonts[i]);
}

TFont* TteThemeFonts::GetFont(TteThemeFont index) { return index < FFonts.size() ? &FFonts[index] : nullptr; }

void TteThemeFonts::SetFont(TteThemeFont index, const TFont* font) {
  if (index < FFonts.size()) FFonts[index].Assign(font);
}

TFont* TteThemeFonts::GetFontForObject(TteThemeFont index, const std::string& objectName) {
  TFont* font = GetFont(index);
  if (!font || objectName == "default" || !FTheme) return font;
  FScratchFont.Assign(font);
  FTheme->SetFontForObject(FScratchFont, index, objectName);
  return &FScratchFont;
}

void TteThemeFonts::ChangeFontsHue(int delta) {
  for (TFont& f : FFonts) f.SetColor(HueShifted(f.Color(), delta));
}

void TteThemeFonts::ChangeFontsBrightness(int delta) {
  for (TFont& f : FFonts) f.SetColor(BrightnessShifted(f.Color(), delta));
}

void TteThemeFonts::SetDefaultFonts() {
  auto set = [this](std::initializer_list<TteThemeFont> fonts, int size, TColor color, TFontStyles style) {
    for (TteThemeFont id : fonts) {
      TFont& f = FFonts[id];
      f.SetName(kFaceName);
      f.SetSize(size);
      f.SetColor(color);
      f.SetStyle(style);
    }
  };
  set({ktfCaptionTextNormal}, 10, 0xFFFFFF, {fsBold});
  set({ktfCaptionTextInactive}, 10, 0xC0C0C0, {fsBold});
  set({ktfSmCaptionTextNormal}, 8, 0xFFFFFF, {fsBold});
  set({ktfSmCaptionTextInactive}, 8, 0xC0C0C0, {fsBold});
  set({ktfStaticTextNormal,     ktfStaticTextHot,          ktfStaticTextFocused,
       ktfStaticTextDisabled,   ktfButtonTextNormal,       ktfButtonTextPressed,
       ktfButtonTextHot,        ktfButtonTextFocused,      ktfCheckBoxTextNormal,
       ktfCheckBoxTextPressed,  ktfCheckBoxTextHot,        ktfCheckBoxTextFocused,
       ktfCheckBoxTextDisabled, ktfRadioButtonTextNormal,  ktfRadioButtonTextPressed,
       ktfRadioButtonTextHot,   ktfRadioButtonTextFocused, ktfRadioButtonTextDisabled,
       ktfGroupBoxTextNormal,   ktfWindowTextNormal,       ktfEditBoxTextNormal,
       ktfEditBoxTextFocused,   ktfEditBoxTextHot,         ktfHeaderSectionTextHot},
      8, clBlack, {});
  set({ktfButtonTextDisabled, ktfGroupBoxTextDisabled, ktfWindowTextDisabled, ktfEditBoxTextDisabled,
       ktfMenuItemTextDisabled, ktfToolItemTextDisabled, ktfPopupMenuItemTextDisabled},
      8, clBtnShadow, {});
  set({ktfEditBoxTextSelected}, 8, 0xFFFFFF, {});
}

void TteThemeFonts::LoadFromStream(TStream& stream) {
  const int count = stream.ReadByte() + 1;
  for (int i = 0; i < count; ++i) {
    const std::string value = ReadBlockEntry(stream);
    if (size_t(i) < FFonts.size()) DescriptionToFont(value, FFonts[size_t(i)]);
  }
}

void TteThemeFonts::SaveToStream(TStream& stream) const {
  stream.WriteByte(uint8_t(FFonts.size() - 1));
  for (size_t i = 0; i < FFonts.size(); ++i)
    WriteBlockEntry(stream, ThemeFontNames[i], FontToDescription(FFonts[i]));
}

}  // namespace z5t8::skin::theme
