#include "platform/gui/Locale.h"

#include <windows.h>

namespace z5t8::platform::gui {

bool LocaleIsRightToLeft() {
  // The user's own language, as Windows keeps it; its reading layout 1 is right to left.
  DWORD layout = 0;
  if (!GetLocaleInfoEx(LOCALE_NAME_USER_DEFAULT, LOCALE_IREADINGLAYOUT | LOCALE_RETURN_NUMBER,
                       reinterpret_cast<LPWSTR>(&layout), sizeof layout / sizeof(WCHAR)))
    return false;
  return layout == 1;
}

}  // namespace z5t8::platform::gui
