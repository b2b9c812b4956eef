#include "skin/theme/ThemeComponents.h"

#include "framework/Object.h"
#include "skin/theme/ThemeEngine.h"
#include "skin/theme/ThemeLink.h"
#include "skin/theme/ThemeList.h"

namespace z5t8::skin::theme {

void RegisterThemeComponents() {
  framework::RegisterClasses(
      {&TTeThemeEngine::StaticClass(), &TTeThemeList::StaticClass(), &TTeThemeLink::StaticClass()});
}

}  // namespace z5t8::skin::theme
