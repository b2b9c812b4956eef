#pragma once

#include <unordered_map>

#include "framework/Font.h"
#include "framework/gui/EditText.h"
#include "platform/gui/Font.h"

namespace z5t8::framework {

// The logical font a framework font asks for.
platform::gui::LogFont LogFontOf(const TFont& font);

// The realised platform font; matching is done once per distinct logical font
// and kept for the life of the process, as fonts are few and small. A framework
// font also keeps its realisation until its description changes.
const platform::gui::Font& RealizeFont(const platform::gui::LogFont& lf);
const platform::gui::Font& RealizeFont(const TFont& font);

// Character widths of a realised font, cached per character.
class TFontMeasure : public TTextMeasure {
public:
  explicit TFontMeasure(const platform::gui::Font& font) : FFont(font) {}
  int CharWidth(char32_t c) override;
  int LineHeight() const { return FFont.metrics().tmHeight; }
  const platform::gui::Font& Font() const { return FFont; }

private:
  platform::gui::Font FFont;
  std::unordered_map<char32_t, int> FWidths;
};

}  // namespace z5t8::framework
