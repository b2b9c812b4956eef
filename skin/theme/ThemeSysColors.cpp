#include "skin/theme/ThemeSysColors.h"

#include "framework/Properties.h"
#include "skin/theme/ThemeBlock.h"
#include "skin/theme/ThemeColorShift.h"
#include "skin/theme/ThemeValueText.h"

namespace z5t8::skin::theme {

using namespace framework;

Z5T8_IMPLEMENT_CLASS(TteThemeSysColors, TPersistent) {}

namespace {
size_t IndexOf(TColor sysColor) {
  for (size_t i = 0; i < SysColors.size(); ++i)
    if (SysColors[i].Color == sysColor) return i;
  return SysColors.size();
}
}  // namespace

TteThemeSysColors::TteThemeSysColors(IteThemeOwner* theme) : FTheme(theme) { SetPlatformColors(); }

void TteThemeSysColors::SetPlatformColors() {
  for (size_t i = 0; i < SysColors.size(); ++i) FColors[i] = ResolvedColor(SysColors[i].Color);
}

void TteThemeSysColors::Assign(const TPersistent* source) {
  const auto* other = dynamic_cast<const TteThemeSysColors*>(source);
  if (!other) return TPersistent::Assign(source);
  FColors = other->FColors;
}

TColor TteThemeSysColors::GetColor(TColor sysColor) const {
  const size_t i = IndexOf(sysColor);
  return i < FColors.size() ? FColors[i] : clNone;
}

void TteThemeSysColors::SetColor(TColor sysColor, TColor color) {
  const size_t i = IndexOf(sysColor);
  if (i < FColors.size()) FColors[i] = color;
}

void TteThemeSysColors::ChangeColorsHue(int delta) {
  if (delta == 0) return;
  for (TColor& c : FColors) c = HueShifted(c, delta);
}

void TteThemeSysColors::ChangeColorsBrightness(int delta) {
  if (delta == 0) return;
  for (TColor& c : FColors) c = BrightnessShifted(c, delta);
}

void TteThemeSysColors::LoadFromStream(TStream& stream) {
  // Each entry takes at least twelve bytes, so a huge count ends with the stream.
  const uint32_t count = stream.ReadUInt32();
  for (uint32_t i = 0; i < count; ++i) {
    const std::string value = ReadBlockEntry(stream);
    if (i < FColors.size()) FColors[i] = ValueTextToColor(value);
  }
}

void TteThemeSysColors::SaveToStream(TStream& stream) const {
  stream.WriteUInt32(uint32_t(FColors.size()));
  for (size_t i = 0; i < FColors.size(); ++i)
    WriteBlockEntry(stream, SysColors[i].Name, ColorToValueText(FColors[i]));
}

}  // namespace z5t8::skin::theme
