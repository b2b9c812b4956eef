#include "platform/gui/Locale.h"

#include <cstdlib>
#include <string_view>

namespace z5t8::platform::gui {

bool LocaleIsRightToLeft() {
  // The first of these that is set names the language, as the C library reads them.
  for (const char* name : {"LC_ALL", "LC_MESSAGES", "LANG"}) {
    const char* value = std::getenv(name);
    if (!value || !*value) continue;
    std::string_view lang(value);
    lang = lang.substr(0, lang.find_first_of("_.@"));
    for (std::string_view l : {"ar", "he", "iw", "fa", "ur", "yi", "ps", "sd", "ug", "dv"})
      if (lang == l) return true;
    return false;
  }
  return false;
}

}  // namespace z5t8::platform::gui
