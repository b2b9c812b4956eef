#include "framework/gui/FontRealizer.h"

#include <map>
#include <tuple>

namespace z5t8::framework {

namespace {

struct LogFontLess {
  bool operator()(const platform::gui::LogFont& a, const platform::gui::LogFont& b) const {
    return std::tie(a.height, a.width, a.escapement, a.weight, a.italic, a.underline, a.strikeOut, a.charSet,
                    a.faceName) < std::tie(b.height, b.width, b.escapement, b.weight, b.italic, b.underline,
                                           b.strikeOut, b.charSet, b.faceName);
  }
};

}  // namespace

const platform::gui::Font& RealizeFont(const platform::gui::LogFont& lf) {
  static std::map<platform::gui::LogFont, platform::gui::Font, LogFontLess> fonts;
  auto it = fonts.find(lf);
  if (it == fonts.end()) it = fonts.emplace(lf, platform::gui::Font(lf)).first;
  return it->second;
}

platform::gui::LogFont LogFontOf(const TFont& font) {
  platform::gui::LogFont lf;
  lf.height = font.Height();
  lf.weight = font.Style().Contains(fsBold) ? platform::gui::FW_BOLD : platform::gui::FW_NORMAL;
  lf.italic = font.Style().Contains(fsItalic);
  lf.underline = font.Style().Contains(fsUnderline);
  lf.strikeOut = font.Style().Contains(fsStrikeOut);
  lf.charSet = font.Charset();
  lf.faceName = font.Name();
  return lf;
}

const platform::gui::Font& RealizeFont(const TFont& font) {
  if (const auto& cached = font.HandleCache()) return *static_cast<const platform::gui::Font*>(cached.get());
  auto realised = std::make_shared<platform::gui::Font>(RealizeFont(LogFontOf(font)));
  const platform::gui::Font& result = *realised;
  font.SetHandleCache(std::move(realised));
  return result;
}

int TFontMeasure::CharWidth(char32_t c) {
  auto it = FWidths.find(c);
  if (it != FWidths.end()) return it->second;
  char16_t units[2];
  size_t n = 1;
  if (c >= 0x10000) {
    units[0] = char16_t(0xD800 + ((c - 0x10000) >> 10));
    units[1] = char16_t(0xDC00 + ((c - 0x10000) & 0x3FF));
    n = 2;
  } else {
    units[0] = char16_t(c);
  }
  int w = FFont.textExtent(std::u16string_view(units, n)).cx;
  FWidths.emplace(c, w);
  return w;
}

}  // namespace z5t8::framework
