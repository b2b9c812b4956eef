#pragma once

#include <cstdint>
#include <memory>
#include <string>
#include <string_view>

#include "platform/gui/Geometry.h"

namespace z5t8::platform::gui {

constexpr int32_t FW_DONTCARE = 0;
constexpr int32_t FW_THIN = 100;
constexpr int32_t FW_LIGHT = 300;
constexpr int32_t FW_NORMAL = 400;
constexpr int32_t FW_MEDIUM = 500;
constexpr int32_t FW_SEMIBOLD = 600;
constexpr int32_t FW_BOLD = 700;
constexpr int32_t FW_HEAVY = 900;

constexpr uint8_t ANSI_CHARSET = 0;
constexpr uint8_t DEFAULT_CHARSET = 1;
constexpr uint8_t SYMBOL_CHARSET = 2;
constexpr uint8_t SHIFTJIS_CHARSET = 128;
constexpr uint8_t HANGUL_CHARSET = 129;
constexpr uint8_t GB2312_CHARSET = 134;
constexpr uint8_t CHINESEBIG5_CHARSET = 136;

// A logical font: what the caller asks for. A negative height is the character
// height (em size) in pixels, a positive one the cell height (ascent + descent),
// 0 the default size. Escapement is in tenths of a degree; 900 and 2700 give
// vertical text.
struct LogFont {
  int32_t height = 0;
  int32_t width = 0;
  int32_t escapement = 0;
  int32_t weight = FW_NORMAL;
  bool italic = false;
  bool underline = false;
  bool strikeOut = false;
  uint8_t charSet = DEFAULT_CHARSET;
  // UTF-8; matched through fontconfig, so "Tahoma" or a Chinese face name resolve
  // to an installed font.
  std::string faceName;
  friend bool operator==(const LogFont&, const LogFont&) = default;
};

struct TextMetric {
  int32_t tmHeight = 0;
  int32_t tmAscent = 0;
  int32_t tmDescent = 0;
  int32_t tmInternalLeading = 0;
  int32_t tmExternalLeading = 0;
  int32_t tmAveCharWidth = 0;
  int32_t tmMaxCharWidth = 0;
  int32_t tmWeight = 0;
  bool tmItalic = false;
  bool tmUnderlined = false;
  bool tmStruckOut = false;
  uint8_t tmCharSet = 0;
};

class FontEngine;

// A realised font: the logical font matched to an installed face, with glyph
// fallback for characters the face lacks. Copies share the face and glyph cache.
class Font {
public:
  // The default font ("MS Sans Serif", character height 11).
  Font();
  explicit Font(const LogFont& lf);
  // Pins the primary face to a font file (tests use this for stable layout).
  static Font fromFile(const std::string& path, const LogFont& lf, int faceIndex = 0);

  const LogFont& logFont() const;
  // The file and family of the primary face.
  const std::string& fileName() const;
  const std::string& familyName() const;
  const TextMetric& metrics() const;
  // Width of the text in pixels and the font's cell height.
  Size textExtent(std::u16string_view text) const;
  // True when some installed face (the primary one or a fallback) has a glyph.
  bool hasGlyph(char32_t c) const;

  // The realised face and glyph cache (the default font's for a default Font).
  FontEngine& engine() const;
  friend bool operator==(const Font& a, const Font& b) { return &a.engine() == &b.engine(); }

private:
  explicit Font(std::shared_ptr<FontEngine> engine) : engine_(std::move(engine)) {}
  std::shared_ptr<FontEngine> engine_;
};

}  // namespace z5t8::platform::gui
