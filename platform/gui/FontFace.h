#pragma once

#include <cstdint>
#include <memory>
#include <string>
#include <unordered_map>
#include <vector>

namespace z5t8::platform::gui {

// One rendered glyph: 8-bit coverage, rows top first, placed relative to the pen
// position on the baseline (left to the right, top upwards).
struct Glyph {
  int32_t left = 0;
  int32_t top = 0;
  int32_t width = 0;
  int32_t height = 0;
  int32_t advance = 0;
  std::vector<uint8_t> coverage;
};

struct FaceMetrics {
  int32_t emPixels = 0;
  int32_t ascent = 0;
  int32_t descent = 0;
  int32_t lineGap = 0;
  int32_t avgCharWidth = 0;
  int32_t maxCharWidth = 0;
  // Distances below (underline) and above (strikeout) the baseline.
  int32_t underlinePosition = 0;
  int32_t underlineThickness = 1;
  int32_t strikeoutPosition = 0;
  int32_t strikeoutThickness = 1;
};

// A FreeType face opened at one pixel size and style, with its glyph cache.
class FontFace {
public:
  struct Style {
    int32_t emPixels = 12;
    bool embolden = false;
    bool oblique = false;
    // Horizontal stretch for a requested average character width; 1 keeps it.
    double xScale = 1.0;
  };
  // Throws std::runtime_error when the file cannot be opened as a font.
  FontFace(const std::string& file, int index, const Style& style);
  ~FontFace();
  FontFace(const FontFace&) = delete;
  FontFace& operator=(const FontFace&) = delete;

  // 0 when the face has no glyph for the character.
  uint32_t glyphIndex(char32_t c) const;
  // Rendered on first use and kept.
  const Glyph& glyph(uint32_t index);
  const FaceMetrics& metrics() const { return metrics_; }
  const std::string& file() const { return file_; }
  const std::string& family() const { return family_; }
  // Scales a height given as the cell height (ascent + descent) to the em size.
  static int32_t emForCellHeight(const std::string& file, int index, int32_t cellHeight);

private:
  struct Impl;
  std::unique_ptr<Impl> impl_;
  std::string file_;
  std::string family_;
  Style style_;
  FaceMetrics metrics_;
  std::unordered_map<uint32_t, Glyph> glyphs_;
};

}  // namespace z5t8::platform::gui
