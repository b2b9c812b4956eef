#include "skin/controls/MessageForms.h"

#include "framework/gui/Dialogs.h"
#include "skin/controls/Button.h"
#include "skin/controls/Form.h"
#include "skin/theme/ThemeServices.h"

namespace z5t8::skin::controls {

namespace fw = framework;

void InstallMessageFormLook() {
  static bool done = false;
  if (done) return;
  done = true;
  fw::TMessageFormLook look;
  // Asked at each box, so a theme that comes or goes later is followed.
  look.CreateButton = [](fw::TCustomForm* form, std::u16string_view caption,
                         fw::TModalResult result) -> fw::TWinControl* {
    if (!theme::IsObjectDefined(theme::kbscButton, "default", nullptr)) return nullptr;
    auto* button = new TTeButton(form);
    button->SetCaption(std::u16string(caption));
    button->SetModalResult(result);
    button->SetDefault(true);
    button->SetCancel(true);
    return button;
  };
  look.Dress = [](fw::TCustomForm* form) {
    if (!theme::IsObjectDefined(theme::kwscDialog, "default", nullptr)) return;
    // Made the way a layout makes a frame: properties while loading, then loaded,
    // which hooks the window and keeps its client area under the theme's borders.
    auto* frame = new TTeForm(form);
    frame->SetName("MessageFrame");
    frame->IncludeState(fw::csLoading);
    frame->SetBorderStyle(kbsDialog);
    frame->SetBorderIcons({kbiClose});
    frame->ExcludeState(fw::csLoading);
    frame->Loaded();
  };
  fw::SetMessageFormLook(std::move(look));
}

}  // namespace z5t8::skin::controls
