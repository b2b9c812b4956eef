#include "skin/theme/ThemeSelection.h"

#include "framework/TextUtils.h"
#include "skin/theme/ThemeList.h"
#include "skin/theme/ThemeManager.h"

namespace z5t8::skin::theme {

TteThemeClass FindBuiltInTheme(const std::string& name) {
  TteThemeManager* manager = ThemeManager();
  for (int i = 0; i < manager->GetThemeCount(); ++i) {
    TteThemeClass c = manager->GetTheme(i);
    if (c && c->GetThemeConfig().BuiltIn && framework::SameText(c->GetThemeName(), name)) return c;
  }
  return nullptr;
}

int SelectThemeIndex(const TTeThemeList* list, int index) {
  if (index < 0 || !list) return -1;
  int count = list->Themes()->Count();
  if (count == 0) return -1;
  return index < count ? index : count - 1;
}

void SetThemeListReference(framework::TComponent* owner, TTeThemeList*& field, int& index,
                           TTeThemeList* list) {
  if (list != field) {
    if (field) field->RemoveFreeNotification(owner);
    field = list;
    if (field) field->FreeNotification(owner);
  }
  if (!list) index = -1;
}

}  // namespace z5t8::skin::theme
