#pragma once

#include <string>

#include "framework/Collection.h"
#include "framework/Component.h"
#include "skin/theme/ThemeStream.h"

namespace z5t8::skin::theme {

// The items of a theme list, named and streamed through the list that owns them.
class TTeThemeCollection : public framework::TOwnedCollection {
  Z5T8_CLASS(TTeThemeCollection, framework::TOwnedCollection)

public:
  explicit TTeThemeCollection(framework::TPersistent* owner);

  TTeThemeStream* Items(int index) const { return static_cast<TTeThemeStream*>(TCollection::Items(index)); }
  TTeThemeStream* Add() { return static_cast<TTeThemeStream*>(TCollection::Add()); }
};

// Themes kept as stored data inside a window's layout, for engines and links to pick from.
class TTeThemeList : public framework::TComponent {
  Z5T8_CLASS(TTeThemeList, framework::TComponent)

public:
  explicit TTeThemeList(framework::TComponent* owner);
  ~TTeThemeList() override;

  TTeThemeCollection* Themes() { return &FThemes; }
  const TTeThemeCollection* Themes() const { return &FThemes; }
  std::string Version() const { return "6.0"; }

  // Frees the themes that version 1 values were decoded into while the layout was read.
  void Loaded() override;

private:
  TTeThemeCollection FThemes{this};
};

}  // namespace z5t8::skin::theme
