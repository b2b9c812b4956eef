#include "skin/theme/ThemeValueText.h"

#include <cstdio>
#include <vector>

#include "framework/Exceptions.h"

namespace z5t8::skin::theme {

using framework::TColor;
using framework::TFont;
using framework::TFontStyle;

namespace {

struct TStyleWord {
  TFontStyle Style;
  const char* Word;
};
constexpr TStyleWord kStyleWords[] = {
    {framework::fsBold, "bold"},
    {framework::fsItalic, "italic"},
    {framework::fsUnderline, "underline"},
    {framework::fsStrikeOut, "strikeout"},
};

// Items end at every "," and ";" and lose the blanks at both ends.
std::vector<std::string> SplitItems(const std::string& text) {
  std::vector<std::string> items;
  size_t start = 0;
  for (;;) {
    size_t end = text.find_first_of(",;", start);
    size_t stop = end == std::string::npos ? text.size() : end;
    // Spaces and control characters count as blanks.
    size_t first = start, last = stop;
    while (first < last && uint8_t(text[first]) <= ' ') ++first;
    while (last > first && uint8_t(text[last - 1]) <= ' ') --last;
    items.push_back(text.substr(first, last - first));
    if (end == std::string::npos) return items;
    start = end + 1;
  }
}

}  // namespace

std::string ColorToValueText(TColor color) {
  std::string ident;
  if (framework::ColorToIdent(color, ident)) return ident;
  char text[16];
  std::snprintf(text, sizeof text, "0x%08X", unsigned(color));
  return text;
}

TColor ValueTextToColor(const std::string& text) { return framework::StringToColor(text); }

std::string FontToDescription(const TFont& font) {
  const TColor color = font.Color();
  std::string text = font.Name() + ',' + std::to_string(font.Size()) + ',' + std::to_string(font.Charset()) +
                     ',' + std::to_string(color & 0xFF) + ',' + std::to_string(color >> 8 & 0xFF) + ',' +
                     std::to_string(color >> 16 & 0xFF);
  for (const TStyleWord& w : kStyleWords)
    if (font.Style().Contains(w.Style)) text += std::string(",") + w.Word;
  return text;
}

void DescriptionToFont(const std::string& description, TFont& font) {
  const std::vector<std::string> items = SplitItems(description);
  auto item = [&](size_t i) { return i < items.size() ? items[i] : std::string(); };

  const int size = framework::StrToInt(item(1));
  framework::StrToInt(item(2));  // the charset must be a number, but is not applied
  // Channels are not cut to a byte: an out-of-range channel carries into the next one, and
  // the sum wraps like the 32-bit colour value it becomes.
  const TColor color = TColor(framework::StrToInt(item(3))) + 256u * TColor(framework::StrToInt(item(4))) +
                       65536u * TColor(framework::StrToInt(item(5)));
  framework::TFontStyles style;
  for (size_t i = 6; i < items.size(); ++i)
    for (const TStyleWord& w : kStyleWords)
      if (items[i] == w.Word) style.Include(w.Style);

  font.SetName(items[0]);
  font.SetSize(size);
  font.SetColor(color);
  font.SetStyle(style);
}

}  // namespace z5t8::skin::theme
