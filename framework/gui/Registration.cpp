#include "framework/gui/Registration.h"

#include "framework/Object.h"
#include "framework/gui/Action.h"
#include "framework/gui/Button.h"
#include "framework/gui/Form.h"
#include "framework/gui/GroupBox.h"
#include "framework/gui/Label.h"
#include "framework/gui/Memo.h"
#include "framework/gui/Menus.h"
#include "framework/gui/ProgressBar.h"
#include "framework/gui/Timer.h"

namespace z5t8::framework {

void RegisterFrameworkClasses() {
  RegisterClasses({&TForm::StaticClass(), &TLabel::StaticClass(), &TButton::StaticClass(),
                   &TMemo::StaticClass(), &TProgressBar::StaticClass(), &TTimer::StaticClass(),
                   &TGroupBox::StaticClass(), &TActionList::StaticClass(), &TAction::StaticClass(),
                   &TPopupMenu::StaticClass()});
}

}  // namespace z5t8::framework
