#include "skin/theme/ThemeStream.h"

#include "framework/Exceptions.h"
#include "framework/Filer.h"
#include "framework/Properties.h"
#include "skin/theme/ThemeManager.h"

namespace z5t8::skin::theme {

using namespace framework;

namespace {

enum TThemeStreamVersion : uint8_t { tsvEmpty = 0, tsvBare = 1, tsvWrapped = 2 };

}  // namespace

Z5T8_IMPLEMENT_CLASS(TTeThemeStream, TCollectionItem) {
  // The name is only ever set by the data, so reading the stored one back changes nothing.
  p.String("ThemeStore", &TTeThemeStream::StoreName, [](TTeThemeStream&, const std::string&) {});
  p.Integer("Tag", &TTeThemeStream::Tag, &TTeThemeStream::SetTag);
}

TTeThemeStream::TTeThemeStream(TCollection* collection) : TCollectionItem(collection) {}

TTeThemeStream::~TTeThemeStream() = default;

std::unique_ptr<TteTheme> TTeThemeStream::GetTheme() const {
  const std::vector<uint8_t>& bytes = FData.Bytes();
  if (bytes.empty()) return nullptr;
  TCustomMemoryStream data(bytes.data(), int64_t(bytes.size()));
  return ThemeManager()->LoadFromStream(data);
}

void TTeThemeStream::SetTheme(TteTheme* theme) {
  if (!theme) return;
  FData.Clear();
  ThemeManager()->SaveToStream(theme, FData);
  FStoreName = theme->ThemeName;
  OnChange(this);
}

// Version 1: the theme's own bytes run to the end of the value; they are decoded and
// stored again as this program's theme class writes them.
// Version 2: the store name (counted string), the byte count N as 8 bytes of which only
// the low four count, then N bytes of theme data.
void TTeThemeStream::ReadData(TStream& stream) {
  // An empty value, as a hand-written layout may hold, is an item without data.
  if (stream.Remaining() == 0) return;
  switch (stream.ReadByte()) {
    case tsvBare: {
      std::unique_ptr<TteTheme> theme = ThemeManager()->LoadFromStream(stream);
      if (!theme) return;
      FKeptTheme = std::move(theme);
      FData.Clear();
      ThemeManager()->SaveToStream(FKeptTheme.get(), FData);
      FStoreName = FKeptTheme->ThemeName;
      return;
    }
    case tsvWrapped: {
      std::string name = ReadCountedString(stream);
      uint8_t count[8];
      stream.ReadBuffer(count, 8);
      uint32_t size =
          uint32_t(count[0]) | uint32_t(count[1]) << 8 | uint32_t(count[2]) << 16 | uint32_t(count[3]) << 24;
      // A count beyond the value is a damaged layout, not a short theme.
      if (int64_t(size) > stream.Remaining()) throw EReadError(SReadError);
      FData.SetSize(size);
      stream.ReadBuffer(FData.Memory(), size);
      FData.SetPosition(0);
      FStoreName = std::move(name);
      return;
    }
    default:
      return;
  }
}

void TTeThemeStream::WriteData(TStream& stream) const {
  const std::vector<uint8_t>& bytes = FData.Bytes();
  uint64_t size = bytes.size();
  if (size == 0) {
    stream.WriteByte(tsvEmpty);
    return;
  }
  stream.WriteByte(tsvWrapped);
  WriteCountedString(stream, FStoreName);
  uint8_t count[8];
  for (int i = 0; i < 8; ++i) count[i] = uint8_t(size >> (8 * i));
  stream.WriteBuffer(count, 8);
  stream.WriteBuffer(bytes.data(), int64_t(size));
}

void TTeThemeStream::Assign(const TPersistent* source) {
  const auto* other = dynamic_cast<const TTeThemeStream*>(source);
  if (!other) return TCollectionItem::Assign(source);
  if (other == this) return;
  FData.Clear();
  FData.WriteBuffer(other->FData.Bytes().data(), int64_t(other->FData.Bytes().size()));
  FData.SetPosition(0);
  FStoreName = other->FStoreName;
  FTag = other->FTag;
}

void TTeThemeStream::DefineProperties(TFiler& filer) {
  // Always written, so an item without data still says so with its single 0 byte.
  filer.DefineBinaryProperty(
      "ThemeStream", [this](TStream& s) { ReadData(s); }, [this](TStream& s) { WriteData(s); }, true);
}

}  // namespace z5t8::skin::theme
