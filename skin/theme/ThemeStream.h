#pragma once

#include <memory>
#include <string>
#include <vector>

#include "framework/Collection.h"
#include "framework/Event.h"
#include "framework/MemoryStream.h"
#include "skin/theme/Theme.h"

namespace z5t8::skin::theme {

// One theme kept as stored data in a window's layout: the bytes its theme class's
// SaveToStream wrote, and the name it was stored under. Published ThemeStore and Tag are
// followed by the data as the binary property "ThemeStream".
class TTeThemeStream : public framework::TCollectionItem {
  Z5T8_CLASS(TTeThemeStream, framework::TCollectionItem)

public:
  explicit TTeThemeStream(framework::TCollection* collection);
  ~TTeThemeStream() override;

  // A new theme for the caller decoded from the data, or null when there is none or no
  // registered class accepts it; decoding errors pass on.
  std::unique_ptr<TteTheme> GetTheme() const;
  // The data becomes what the theme manager saves of the theme (nothing for a class that
  // cannot save), the store name its ThemeName; then OnChange.
  void SetTheme(TteTheme* theme);

  const std::string& StoreName() const { return FStoreName; }
  // The stored theme, exactly as its class saved it.
  const std::vector<uint8_t>& Data() const { return FData.Bytes(); }
  int Tag() const { return FTag; }
  void SetTag(int tag) { FTag = tag; }
  // The theme a version 1 value was decoded into; kept only while the layout is read.
  TteTheme* KeptTheme() const { return FKeptTheme.get(); }
  void FreeKeptTheme() { FKeptTheme.reset(); }

  framework::TNotifyEvent OnChange;

  // The "ThemeStream" value: a version byte (0 empty, 1 a bare theme, 2 name, count and
  // data); see the source for the layouts.
  void ReadData(framework::TStream& stream);
  void WriteData(framework::TStream& stream) const;

  std::string DisplayName() const override { return FStoreName; }
  // From another item: data, store name and Tag.
  void Assign(const framework::TPersistent* source) override;
  void DefineProperties(framework::TFiler& filer) override;

private:
  framework::TMemoryStream FData;
  std::string FStoreName = "(empty)";
  std::unique_ptr<TteTheme> FKeptTheme;
  int FTag = 0;
};

}  // namespace z5t8::skin::theme
