#include "platform/gui/FontFace.h"

#include <ft2build.h>
#include FT_FREETYPE_H
#include FT_OUTLINE_H
#include FT_SYNTHESIS_H
#include FT_TRUETYPE_TABLES_H
#include FT_BITMAP_H

#include <algorithm>
#include <cmath>
#include <stdexcept>

namespace z5t8::platform::gui {

namespace {

struct Library {
  FT_Library handle = nullptr;
  Library() {
    if (FT_Init_FreeType(&handle)) throw std::runtime_error("FreeType cannot start");
  }
};

// Never torn down: faces held by long-lived fonts are closed during exit, in no
// order we control, and each needs the library alive.
FT_Library library() {
  static Library* lib = new Library;
  return lib->handle;
}

// The face's vertical extent in font units as the classic text metrics count it.
void winExtent(FT_Face face, int32_t& ascent, int32_t& descent) {
  auto* os2 = static_cast<TT_OS2*>(FT_Get_Sfnt_Table(face, FT_SFNT_OS2));
  if (os2 && os2->version != 0xFFFF && (os2->usWinAscent || os2->usWinDescent)) {
    ascent = os2->usWinAscent;
    descent = os2->usWinDescent;
  } else {
    ascent = face->ascender;
    descent = -face->descender;
  }
}

int32_t scaled(int64_t units, int32_t em, int32_t upem) {
  return upem > 0 ? int32_t(std::lround(double(units) * em / upem)) : 0;
}

}  // namespace

struct FontFace::Impl {
  FT_Face face = nullptr;
  ~Impl() {
    if (face) FT_Done_Face(face);
  }
};

FontFace::FontFace(const std::string& file, int index, const Style& style)
    : impl_(std::make_unique<Impl>()), file_(file), style_(style) {
  if (FT_New_Face(library(), file.c_str(), index, &impl_->face))
    throw std::runtime_error("cannot open font " + file);
  FT_Face face = impl_->face;
  family_ = face->family_name ? face->family_name : "";
  style_.emPixels = std::clamp(style_.emPixels, 1, 2048);
  if (FT_IS_SCALABLE(face)) {
    FT_Set_Pixel_Sizes(face, 0, FT_UInt(style_.emPixels));
  } else if (face->num_fixed_sizes > 0) {
    FT_Select_Size(face, 0);
  }
  if (style_.xScale != 1.0) {
    FT_Matrix m{FT_Fixed(style_.xScale * 65536.0), 0, 0, 0x10000};
    FT_Set_Transform(face, &m, nullptr);
  }

  int32_t em = style_.emPixels;
  int32_t upem = face->units_per_EM;
  int32_t a, d;
  winExtent(face, a, d);
  metrics_.emPixels = em;
  if (upem > 0) {
    metrics_.ascent = scaled(a, em, upem);
    metrics_.descent = scaled(d, em, upem);
    int32_t hheaGap = face->height - (face->ascender - face->descender);
    metrics_.lineGap = std::max(0, scaled(hheaGap, em, upem));
    metrics_.underlinePosition = std::max(1, scaled(-face->underline_position, em, upem));
    metrics_.underlineThickness = std::max(1, scaled(face->underline_thickness, em, upem));
    auto* os2 = static_cast<TT_OS2*>(FT_Get_Sfnt_Table(face, FT_SFNT_OS2));
    if (os2 && os2->version != 0xFFFF) {
      metrics_.avgCharWidth = scaled(os2->xAvgCharWidth, em, upem);
      metrics_.strikeoutPosition = scaled(os2->yStrikeoutPosition, em, upem);
      metrics_.strikeoutThickness = std::max(1, scaled(os2->yStrikeoutSize, em, upem));
    }
    metrics_.maxCharWidth = scaled(face->max_advance_width, em, upem);
  } else {
    metrics_.ascent = int32_t(face->size->metrics.ascender >> 6);
    metrics_.descent = int32_t(-face->size->metrics.descender >> 6);
    metrics_.maxCharWidth = int32_t(face->size->metrics.max_advance >> 6);
  }
  if (metrics_.strikeoutPosition <= 0) metrics_.strikeoutPosition = metrics_.ascent / 3;
  if (metrics_.avgCharWidth <= 0) {
    uint32_t x = glyphIndex(U'x');
    metrics_.avgCharWidth = x ? glyph(x).advance : em / 2;
  }
  metrics_.avgCharWidth = int32_t(std::lround(metrics_.avgCharWidth * style_.xScale));
  metrics_.maxCharWidth = int32_t(std::lround(metrics_.maxCharWidth * style_.xScale));
}

FontFace::~FontFace() = default;

uint32_t FontFace::glyphIndex(char32_t c) const { return FT_Get_Char_Index(impl_->face, FT_ULong(c)); }

const Glyph& FontFace::glyph(uint32_t index) {
  auto found = glyphs_.find(index);
  if (found != glyphs_.end()) return found->second;
  Glyph& g = glyphs_[index];
  FT_Face face = impl_->face;
  // Synthetic styles need outlines; otherwise small sizes may use the font's own
  // bitmaps, which are crisper for Chinese faces.
  FT_Int32 flags = FT_LOAD_DEFAULT | FT_LOAD_TARGET_NORMAL;
  if (style_.embolden || style_.oblique || style_.xScale != 1.0) flags |= FT_LOAD_NO_BITMAP;
  if (FT_Load_Glyph(face, index, flags)) return g;
  FT_GlyphSlot slot = face->glyph;
  if (style_.oblique) FT_GlyphSlot_Oblique(slot);
  if (style_.embolden) FT_GlyphSlot_Embolden(slot);
  if (FT_Render_Glyph(slot, FT_RENDER_MODE_NORMAL)) return g;
  g.advance = int32_t((slot->advance.x + 32) >> 6);
  g.left = slot->bitmap_left;
  g.top = slot->bitmap_top;
  const FT_Bitmap& bm = slot->bitmap;
  g.width = int32_t(bm.width);
  g.height = int32_t(bm.rows);
  g.coverage.assign(size_t(g.width) * size_t(g.height), 0);
  for (int32_t y = 0; y < g.height; ++y) {
    const unsigned char* row = bm.buffer + std::ptrdiff_t(y) * bm.pitch;
    for (int32_t x = 0; x < g.width; ++x) {
      uint8_t v = 0;
      if (bm.pixel_mode == FT_PIXEL_MODE_MONO)
        v = (row[x >> 3] & (0x80 >> (x & 7))) ? 255 : 0;
      else if (bm.pixel_mode == FT_PIXEL_MODE_GRAY)
        v = bm.num_grays == 256 ? row[x] : uint8_t(row[x] * 255 / std::max(1, bm.num_grays - 1));
      g.coverage[size_t(y) * size_t(g.width) + size_t(x)] = v;
    }
  }
  return g;
}

int32_t FontFace::emForCellHeight(const std::string& file, int index, int32_t cellHeight) {
  FT_Face face = nullptr;
  if (FT_New_Face(library(), file.c_str(), index, &face)) return cellHeight;
  int32_t a, d;
  winExtent(face, a, d);
  int32_t upem = face->units_per_EM;
  FT_Done_Face(face);
  if (a + d <= 0 || upem <= 0) return cellHeight;
  return std::max(1, int32_t(std::lround(double(cellHeight) * upem / (a + d))));
}

}  // namespace z5t8::platform::gui
