#include "skin/theme/ThemeOptions.h"

#include "framework/Properties.h"

namespace z5t8::skin::theme {

using namespace framework;

Z5T8_IMPLEMENT_CLASS(TteThemeOptions, TPersistent) {}

void TteThemeOptions::Assign(const TPersistent* source) {
  const auto* other = dynamic_cast<const TteThemeOptions*>(source);
  if (!other) return TPersistent::Assign(source);
  FOptions = other->FOptions;
}

bool TteThemeOptions::GetOptions(TteThemeOption option) const {
  return option < FOptions.size() && FOptions[option];
}

void TteThemeOptions::SetOptions(TteThemeOption option, bool value) {
  if (option < FOptions.size()) FOptions[option] = value;
}

void TteThemeOptions::LoadFromStream(TStream& stream) {
  const int count = stream.ReadByte() + 1;
  for (int i = 0; i < count; ++i) {
    const bool value = stream.ReadByte() != 0;
    if (size_t(i) < FOptions.size()) FOptions[size_t(i)] = value;
  }
}

void TteThemeOptions::SaveToStream(TStream& stream) const {
  stream.WriteByte(uint8_t(FOptions.size() - 1));
  for (bool value : FOptions) stream.WriteByte(value ? 1 : 0);
}

}  // namespace z5t8::skin::theme
