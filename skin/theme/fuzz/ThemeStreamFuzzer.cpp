// Any bytes as a theme list item's "ThemeStream" value: read, written, read again.
#include <cstring>

#include "framework/Exceptions.h"
#include "framework/MemoryStream.h"
#include "framework/Properties.h"
#include "skin/theme/ThemeList.h"
#include "skin/theme/ThemeManager.h"

namespace {

using namespace z5t8;

// Stores itself as "FZ" and its name, so bare (version 1) values decode into something.
class TFuzzTheme : public skin::theme::TteTheme {
  Z5T8_CLASS(TFuzzTheme, skin::theme::TteTheme)
  Z5T8_THEME_CLASS(TFuzzTheme)

public:
  static std::string GetThemeName() { return "Fuzz"; }
  static skin::theme::TteThemeConfig GetThemeConfig() {
    return {false, true, true, "Fuzz (*.fz)|*.fz", "fz"};
  }
  static bool CheckStream(framework::TStream& stream) {
    char magic[2];
    return stream.Read(magic, 2) == 2 && std::memcmp(magic, "FZ", 2) == 0;
  }
  bool LoadFromStream(framework::TStream& stream) override {
    if (!CheckStream(stream)) return false;
    ThemeName = framework::ReadCountedString(stream);
    return !ThemeName.empty();
  }
  bool SaveToStream(framework::TStream& stream) override {
    stream.WriteBuffer("FZ", 2);
    framework::WriteCountedString(stream, ThemeName);
    return true;
  }
};

Z5T8_IMPLEMENT_CLASS(TFuzzTheme, skin::theme::TteTheme) {}

[[maybe_unused]] const bool registered =
    (skin::theme::RegisterTheme(skin::theme::ThemeClass<TFuzzTheme>()), true);

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  skin::theme::TTeThemeList list(nullptr);
  skin::theme::TTeThemeStream* item = list.Themes()->Add();
  framework::TCustomMemoryStream value(data, int64_t(size));
  try {
    item->ReadData(value);
  } catch (const framework::Exception&) {
    return 0;
  }
  list.Loaded();
  framework::TMemoryStream written;
  item->WriteData(written);
  skin::theme::TTeThemeStream* again = list.Themes()->Add();
  written.SetPosition(0);
  again->ReadData(written);
  if (again->Data() != item->Data()) __builtin_trap();
  if (!item->Data().empty() && again->StoreName() != item->StoreName()) __builtin_trap();
  // Decoding errors are the caller's to handle, as when a property is set.
  try {
    if (std::unique_ptr<skin::theme::TteTheme> theme = item->GetTheme())
      if (!dynamic_cast<TFuzzTheme*>(theme.get())) __builtin_trap();
  } catch (const framework::Exception&) {
  }
  return 0;
}
