#pragma once

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

}  // namespace z5t8::framework
