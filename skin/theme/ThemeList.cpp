#include "skin/theme/ThemeList.h"

#include "framework/Properties.h"

namespace z5t8::skin::theme {

using namespace framework;

Z5T8_IMPLEMENT_CLASS(TTeThemeCollection, TOwnedCollection) {}

TTeThemeCollection::TTeThemeCollection(TPersistent* owner)
    : TOwnedCollection(owner, TTeThemeStream::StaticClass()) {}

Z5T8_IMPLEMENT_CLASS(TTeThemeList, TComponent) {
  p.Object("Themes", [](const TTeThemeList& list) { return list.Themes(); });
  p.String("Version", &TTeThemeList::Version, [](TTeThemeList&, const std::string&) {}).Stored(false);
}

TTeThemeList::TTeThemeList(TComponent* owner) : TComponent(owner) {}

TTeThemeList::~TTeThemeList() = default;

void TTeThemeList::Loaded() {
  TComponent::Loaded();
  for (int i = 0; i < FThemes.Count(); ++i) FThemes.Items(i)->FreeKeptTheme();
}

}  // namespace z5t8::skin::theme
