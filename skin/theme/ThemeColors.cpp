#include "skin/theme/ThemeColors.h"

#include "framework/Properties.h"
#include "skin/theme/ThemeBlock.h"
#include "skin/theme/ThemeColorShift.h"
#include "skin/theme/ThemeNames.h"
#include "skin/theme/ThemeValueText.h"

namespace z5t8::skin::theme {

using namespace framework;

Z5T8_IMPLEMENT_CLASS(TteThemeColors, TPersistent) {}

void TteThemeColors::Assign(const TPersistent* source) {
  const auto* other = dynamic_cast<const TteThemeColors*>(source);
  if (!other) return TPersistent::Assign(source);
  FColors = other->FColors;
}

TColor TteThemeColors::GetColor(TteThemeColor index) const {
  return index < FColors.size() ? FColors[index] : clNone;
}

void TteThemeColors::SetColor(TteThemeColor index, TColor color) {
  if (index < FColors.size()) FColors[index] = color;
}

void TteThemeColors::ChangeColorsHue(int delta) {
  if (delta == 0) return;
  for (TColor& c : FColors) c = HueShifted(c, delta);
}

void TteThemeColors::ChangeColorsBrightness(int delta) {
  if (delta == 0) return;
  for (TColor& c : FColors) c = BrightnessShifted(c, delta);
}

void TteThemeColors::SetDefaultColors() {
  FColors[ktcCaptionNormal] = 0xFF0000;
  FColors[ktcCaptionInactive] = 0xC0C0C0;
  FColors[ktcWindow] = 0xC0C0C0;
  FColors[ktcWindowBorder] = 0x808080;
  for (TteThemeColor c : {ktcPanelNormal, ktcPanelDisabled, ktcButtonNormal, ktcButtonHot, ktcButtonPressed,
                          ktcButtonFocused, ktcButtonDisabled, ktcEditDisabled, ktcBarDock})
    FColors[c] = clBtnFace;
  for (TteThemeColor c : {ktcEditNormal, ktcEditHot, ktcEditFocused, ktcList, ktcTree, ktcGrid})
    FColors[c] = clWindow;
  FColors[ktcEditSelection] = clHighlight;
  FColors[ktcHint] = clInfoBk;
}

void TteThemeColors::LoadFromStream(TStream& stream) {
  const int count = stream.ReadByte() + 1;
  for (int i = 0; i < count; ++i) {
    const std::string value = ReadBlockEntry(stream);
    if (size_t(i) < FColors.size()) FColors[size_t(i)] = ValueTextToColor(value);
  }
}

void TteThemeColors::SaveToStream(TStream& stream) const {
  stream.WriteByte(uint8_t(FColors.size() - 1));
  for (size_t i = 0; i < FColors.size(); ++i)
    WriteBlockEntry(stream, ThemeColorNames[i], ColorToValueText(FColors[i]));
}

}  // namespace z5t8::skin::theme
