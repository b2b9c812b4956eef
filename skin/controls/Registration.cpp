#include "skin/controls/Registration.h"

#include "framework/Object.h"
#include "skin/controls/Button.h"
#include "skin/controls/Form.h"
#include "skin/controls/Memo.h"
#include "skin/controls/Menus.h"
#include "skin/controls/MessageForms.h"
#include "skin/controls/ScrollBar.h"

namespace z5t8::skin::controls {

void RegisterSkinControlClasses() {
  framework::RegisterClasses({&TTeButton::StaticClass(), &TTeMemo::StaticClass(),
                              &TTeScrollBar::StaticClass(), &TTeControl::StaticClass(),
                              &TTeDefaultForm::StaticClass(), &TTeForm::StaticClass(),
                              &TTeMenuBar::StaticClass(), &TTePopupMenu::StaticClass()});
  InstallMessageFormLook();
}

}  // namespace z5t8::skin::controls
