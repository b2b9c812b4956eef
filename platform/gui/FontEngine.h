#pragma once

#include <map>
#include <memory>
#include <optional>
#include <string>
#include <string_view>
#include <unordered_map>
#include <utility>
#include <vector>

#include "platform/gui/Font.h"
#include "platform/gui/FontFace.h"

namespace z5t8::platform::gui {

// Code points of UTF-16 text; a lone surrogate becomes U+FFFD.
std::u32string decodeUtf16(std::u16string_view text);

// What a Font shares between its copies: the primary face, the fallback faces of
// the same size and style, and a per-character glyph cache.
class FontEngine {
public:
  FontEngine(const LogFont& lf, const std::string& pinnedFile, int pinnedIndex);

  const LogFont& logFont() const { return logFont_; }
  const TextMetric& metrics() const { return metrics_; }
  const FaceMetrics& faceMetrics() const { return primary_->metrics(); }
  FontFace& primary() { return *primary_; }

  // The glyph that draws c: from the primary face, else from a face that has it,
  // else the primary face's missing-glyph box. Control characters have none.
  const Glyph* glyphFor(char32_t c);
  bool hasGlyph(char32_t c);
  int32_t advance(char32_t c) {
    const Glyph* g = glyphFor(c);
    return g ? g->advance : 0;
  }
  int32_t textWidth(std::u32string_view text);

private:
  LogFont logFont_;
  FontFace::Style style_;
  std::unique_ptr<FontFace> primary_;
  std::map<std::pair<std::string, int>, std::unique_ptr<FontFace>> fallbacks_;
  std::unordered_map<char32_t, const Glyph*> byChar_;
  TextMetric metrics_;
};

}  // namespace z5t8::platform::gui
