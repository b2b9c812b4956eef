#pragma once

#include <functional>
#include <string>
#include <string_view>

#include "framework/gui/Form.h"

namespace z5t8::framework {

// A modal box with the text, sized to it and centred on the screen, with an OK
// button that Enter and Escape press; the caption is the application's title.
void ShowMessage(std::u16string_view text);
void ShowMessage(std::string_view utf8Text);
// The same box with a caption of its own; returns the modal result.
TModalResult MessageBox(std::u16string_view text, std::u16string_view caption);

// The message box form itself, for callers that show it in their own way.
TCustomForm* CreateMessageForm(std::u16string_view text, std::u16string_view caption);

// How a library that draws windows its own way gives message boxes its look.
// Either member may be empty or decline (a null button, nothing done); that part
// of the box then stays the framework's own. Text, size, keys and position are
// the box's whatever the look.
struct TMessageFormLook {
  // The box's button, owned by the form, with this caption and modal result,
  // the default and the cancel button at once.
  std::function<TWinControl*(TCustomForm* form, std::u16string_view caption, TModalResult result)>
      CreateButton;
  // The finished box, before it is centred: a frame of the look's own.
  std::function<void(TCustomForm* form)> Dress;
};
void SetMessageFormLook(TMessageFormLook look);

}  // namespace z5t8::framework
