#pragma once

#include <optional>
#include <string>

#include "platform/gui/Font.h"

namespace z5t8::platform::gui {

struct FontMatch {
  std::string file;
  int index = 0;
  std::string family;
  // The installed face lacks the weight or slant asked for; FreeType makes it.
  bool embolden = false;
  bool oblique = false;
};

// Face matching through fontconfig. Chinese character sets, Chinese face names
// and Chinese characters ask for Traditional Chinese coverage (Simplified for
// GB2312).
namespace fontmatch {

std::optional<FontMatch> match(const LogFont& lf, int32_t emPixels);
// The installed face that best covers c for a font of these attributes; kept per
// character and language.
std::optional<FontMatch> fallback(char32_t c, const LogFont& lf);
bool isChineseRequest(const LogFont& lf);
// Of a Chinese request: one for Simplified Chinese (GB2312 or a Simplified face name).
bool isSimplifiedChineseRequest(const LogFont& lf);

}  // namespace fontmatch
}  // namespace z5t8::platform::gui
