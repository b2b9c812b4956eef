#include "app/ProgramStartUp.h"

#include "app/MainWindow.h"
#include "framework/Object.h"
#include "framework/gui/Registration.h"
#include "skin/controls/Form.h"
#include "skin/controls/Registration.h"
#include "skin/se3/SkinFile.h"
#include "skin/se3/SkinFilterRegistry.h"
#include "skin/se3/SkinObjectRegistry.h"
#include "skin/theme/ThemeComponents.h"
#include "skin/theme/ThemeManager.h"

namespace z5t8::app {

void Program_Start_Up() {
  static const bool done = [] {
    // The registries fill on first use; asking for them fixes the order.
    (void)skin::se3::RegisteredSkinFilters();
    (void)skin::se3::RegisteredSkinObjects();
    // Static start-up of the skin theme's unit may have registered it already; twice would
    // list it twice, in the file dialog's filter too.
    skin::se3::RegisterSkinTheme();
    framework::RegisterFrameworkClasses();
    skin::theme::RegisterThemeComponents();
    skin::controls::RegisterSkinControlClasses();
    framework::RegisterClasses({&skin::controls::TTeForm::StaticClass(), &TForm1::StaticClass()});
    return true;
  }();
  (void)done;
}

}  // namespace z5t8::app
