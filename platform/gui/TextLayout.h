#pragma once

#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

namespace z5t8::platform::gui {

class FontEngine;

// One line of laid-out text: its characters in visual order and its width.
struct TextLine {
  std::u32string text;
  std::vector<bool> underlined;
  int32_t width = 0;
};

// The line breaking of drawText: paragraphs at CR, LF or CR LF (unless single
// line), word breaks at blanks and around Chinese characters within maxWidth,
// "&" prefixes (unless noPrefix), and right-to-left reading order.
struct TextLayoutOptions {
  bool singleLine = false;
  bool wordBreak = false;
  bool noPrefix = false;
  bool rtlReading = false;
  int32_t maxWidth = 0;
};
std::vector<TextLine> layoutText(std::u16string_view text, FontEngine& font,
                                 const TextLayoutOptions& options);

}  // namespace z5t8::platform::gui
