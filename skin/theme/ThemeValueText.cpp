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

std::vector<std::string> SplitFields(const std::string& text) {
  std::vector<std::string> fields;
  size_t start = 0;
  for (;;) {
    size_t comma = text.find(',', start);
    fields.push_back(text.substr(start, comma == std::string::npos ? std::string::npos : comma - start));
    if (comma == std::string::npos) return fields;
    start = comma + 1;
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
  const std::string face = description.substr(0, description.find_first_of(";,"));
  const size_t comma = description.find(',');
  const std::vector<std::string> fields =
      SplitFields(comma == std::string::npos ? std::string() : description.substr(comma + 1));
  auto field = [&](size_t i) { return i < fields.size() ? fields[i] : std::string(); };

  const int size = framework::StrToInt(field(0));
  const uint8_t red = uint8_t(framework::StrToInt(field(2)));
  const uint8_t green = uint8_t(framework::StrToInt(field(3)));
  const uint8_t blue = uint8_t(framework::StrToInt(field(4)));
  framework::TFontStyles style;
  for (size_t i = 5; i < fields.size(); ++i)
    for (const TStyleWord& w : kStyleWords)
      if (fields[i] == w.Word) style.Include(w.Style);

  font.SetName(face);
  font.SetSize(size);
  font.SetColor(framework::RGBColor(red, green, blue));
  font.SetStyle(style);
}

}  // namespace z5t8::skin::theme
