#pragma once

namespace z5t8::platform::gui {

// Whether the user's language is written right to left (Arabic, Hebrew, Persian,
// Urdu and their neighbours), as the locale the program runs under says.
bool LocaleIsRightToLeft();

}  // namespace z5t8::platform::gui
