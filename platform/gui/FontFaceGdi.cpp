// Faces and face matching on Windows: the system's font mapper chooses the face
// for a logical font, and GDI renders the glyphs as 8-bit coverage that our own
// device contexts blend onto their surfaces, as with every other glyph source.
// Here a face is named, not opened from a file: FontMatch::file carries the face
// name that the mapper resolved and FontMatch::index the character set asked for.
#include "platform/gui/FontFace.h"
#include "platform/gui/FontMatcher.h"

#include <windows.h>

#include <algorithm>
#include <cmath>
#include <map>
#include <stdexcept>
#include <string_view>
#include <tuple>

namespace z5t8::platform::gui {

namespace {

std::wstring wide(const std::string& text) {
  std::wstring out(text.size(), L'\0');
  int n = MultiByteToWideChar(CP_UTF8, 0, text.data(), int(text.size()), out.data(), int(out.size()));
  out.resize(size_t(std::max(n, 0)));
  return out;
}

std::string narrow(const wchar_t* text) {
  int n = WideCharToMultiByte(CP_UTF8, 0, text, -1, nullptr, 0, nullptr, nullptr);
  if (n <= 1) return {};
  std::string out(size_t(n), '\0');
  WideCharToMultiByte(CP_UTF8, 0, text, -1, out.data(), n, nullptr, nullptr);
  out.resize(size_t(n - 1));
  return out;
}

bool looksLikeFile(const std::string& name) { return name.find_first_of("/\\") != std::string::npos; }

// Outline faces only: the mapper would otherwise answer "MS Sans Serif" with a
// bitmap face, which has no outlines to render coverage from.
HFONT makeFont(const std::string& face, uint8_t charSet, int32_t height, int32_t width, bool bold,
               bool italic) {
  LOGFONTW lf{};
  lf.lfHeight = height;
  lf.lfWidth = width;
  lf.lfWeight = bold ? FW_BOLD : FW_NORMAL;
  lf.lfItalic = italic;
  lf.lfCharSet = charSet;
  lf.lfOutPrecision = OUT_TT_ONLY_PRECIS;
  lf.lfQuality = ANTIALIASED_QUALITY;
  std::wstring name = wide(face).substr(0, LF_FACESIZE - 1);
  std::copy(name.begin(), name.end(), lf.lfFaceName);
  return CreateFontIndirectW(&lf);
}

// A memory device context with one font selected, for the mapper's answers.
struct FontDc {
  HDC dc = CreateCompatibleDC(nullptr);
  HFONT font = nullptr;
  HGDIOBJ old = nullptr;
  explicit FontDc(HFONT f) : font(f) {
    if (!dc || !font) throw std::runtime_error("the system cannot make the font");
    old = SelectObject(dc, font);
  }
  ~FontDc() {
    if (dc) {
      SelectObject(dc, old);
      DeleteDC(dc);
    }
    if (font) DeleteObject(font);
  }
  FontDc(const FontDc&) = delete;
  FontDc& operator=(const FontDc&) = delete;

  std::string faceName() const {
    wchar_t name[LF_FACESIZE] = {};
    GetTextFaceW(dc, LF_FACESIZE, name);
    return narrow(name);
  }
  bool hasChar(char32_t c) const {
    if (c > 0xFFFF) return false;
    wchar_t ch = wchar_t(c);
    WORD index = 0xFFFF;
    return GetGlyphIndicesW(dc, &ch, 1, &index, GGI_MARK_NONEXISTING_GLYPHS) == 1 && index != 0xFFFF;
  }
};

// Rounded Traditional Chinese faces are asked for by names ending in "圓體"; the
// heavy ones ("粗") are bold whatever weight the caller gave.
bool heavyRoundedFace(const LogFont& lf) {
  return lf.faceName.find("圓體") != std::string::npos && lf.faceName.find("粗") != std::string::npos;
}

}  // namespace

struct FontFace::Impl {
  std::unique_ptr<FontDc> dc;
};

FontFace::FontFace(const std::string& file, int index, const Style& style)
    : impl_(std::make_unique<Impl>()), file_(file), style_(style) {
  // Pinning a face to a font file is for tests on systems without a font mapper.
  if (looksLikeFile(file)) throw std::runtime_error("cannot open font " + file);
  style_.emPixels = std::clamp(style_.emPixels, 1, 2048);
  const uint8_t charSet = uint8_t(index);
  impl_->dc =
      std::make_unique<FontDc>(makeFont(file, charSet, -style_.emPixels, 0, style_.embolden, style_.oblique));
  TEXTMETRICW tm{};
  GetTextMetricsW(impl_->dc->dc, &tm);
  if (style_.xScale != 1.0 && tm.tmAveCharWidth > 0) {
    int32_t width = std::max(1, int32_t(std::lround(tm.tmAveCharWidth * style_.xScale)));
    impl_->dc = std::make_unique<FontDc>(
        makeFont(file, charSet, -style_.emPixels, width, style_.embolden, style_.oblique));
    GetTextMetricsW(impl_->dc->dc, &tm);
  }
  family_ = impl_->dc->faceName();

  metrics_.emPixels = style_.emPixels;
  metrics_.ascent = tm.tmAscent;
  metrics_.descent = tm.tmDescent;
  metrics_.lineGap = tm.tmExternalLeading;
  metrics_.avgCharWidth = tm.tmAveCharWidth;
  metrics_.maxCharWidth = tm.tmMaxCharWidth;
  OUTLINETEXTMETRICW otm{};
  otm.otmSize = sizeof otm;
  if (GetOutlineTextMetricsW(impl_->dc->dc, sizeof otm, &otm)) {
    metrics_.underlinePosition = std::max(1, -otm.otmsUnderscorePosition);
    metrics_.underlineThickness = std::max(1, int32_t(otm.otmsUnderscoreSize));
    metrics_.strikeoutPosition = otm.otmsStrikeoutPosition;
    metrics_.strikeoutThickness = std::max(1, int32_t(otm.otmsStrikeoutSize));
  }
  if (metrics_.strikeoutPosition <= 0) metrics_.strikeoutPosition = metrics_.ascent / 3;
}

FontFace::~FontFace() = default;

uint32_t FontFace::glyphIndex(char32_t c) const {
  if (c > 0xFFFF) return 0;
  wchar_t ch = wchar_t(c);
  WORD index = 0xFFFF;
  if (GetGlyphIndicesW(impl_->dc->dc, &ch, 1, &index, GGI_MARK_NONEXISTING_GLYPHS) != 1 || index == 0xFFFF)
    return 0;
  return index;
}

const Glyph& FontFace::glyph(uint32_t index) {
  auto found = glyphs_.find(index);
  if (found != glyphs_.end()) return found->second;
  Glyph& g = glyphs_[index];
  HDC dc = impl_->dc->dc;
  const MAT2 identity{{0, 1}, {0, 0}, {0, 0}, {0, 1}};
  GLYPHMETRICS gm{};
  const UINT format = GGO_GRAY8_BITMAP | GGO_GLYPH_INDEX;
  DWORD size = GetGlyphOutlineW(dc, index, format, &gm, 0, nullptr, &identity);
  if (size == GDI_ERROR) return g;
  g.advance = gm.gmCellIncX;
  if (size == 0) return g;  // a blank glyph: only its advance
  std::vector<uint8_t> levels(size);
  if (GetGlyphOutlineW(dc, index, format, &gm, size, levels.data(), &identity) == GDI_ERROR) return g;
  g.left = gm.gmptGlyphOrigin.x;
  g.top = gm.gmptGlyphOrigin.y;
  g.width = int32_t(gm.gmBlackBoxX);
  g.height = int32_t(gm.gmBlackBoxY);
  // Rows are padded to whole double words; the 65 grey levels run 0 to 64.
  const size_t pitch = (size_t(g.width) + 3) & ~size_t(3);
  if (pitch * size_t(g.height) > levels.size()) {
    g.width = g.height = 0;
    return g;
  }
  g.coverage.resize(size_t(g.width) * size_t(g.height));
  for (int32_t y = 0; y < g.height; ++y)
    for (int32_t x = 0; x < g.width; ++x) {
      unsigned v = std::min<unsigned>(levels[size_t(y) * pitch + size_t(x)], 64);
      g.coverage[size_t(y) * size_t(g.width) + size_t(x)] = uint8_t((v * 255 + 32) / 64);
    }
  return g;
}

int32_t FontFace::emForCellHeight(const std::string& file, int index, int32_t cellHeight) {
  try {
    FontDc probe(makeFont(file, uint8_t(index), cellHeight, 0, false, false));
    TEXTMETRICW tm{};
    if (!GetTextMetricsW(probe.dc, &tm)) return cellHeight;
    return std::max<int32_t>(1, tm.tmHeight - tm.tmInternalLeading);
  } catch (const std::runtime_error&) {
    return cellHeight;
  }
}

namespace fontmatch {

namespace {

uint8_t chineseCharSet(const LogFont& lf) {
  return isSimplifiedChineseRequest(lf) ? GB2312_CHARSET : CHINESEBIG5_CHARSET;
}

}  // namespace

std::optional<FontMatch> match(const LogFont& lf, int32_t emPixels) {
  const bool bold = lf.weight >= FW_SEMIBOLD || heavyRoundedFace(lf);
  uint8_t charSet = lf.charSet;
  if (charSet == DEFAULT_CHARSET && isChineseRequest(lf)) charSet = chineseCharSet(lf);
  try {
    FontDc probe(makeFont(lf.faceName, charSet, -std::max(1, emPixels), 0, bold, lf.italic));
    FontMatch m;
    m.family = probe.faceName();
    if (m.family.empty()) return std::nullopt;
    m.file = m.family;
    m.index = charSet;
    m.embolden = bold;
    m.oblique = lf.italic;
    return m;
  } catch (const std::runtime_error&) {
    return std::nullopt;
  }
}

std::optional<FontMatch> fallback(char32_t c, const LogFont& lf) {
  static std::map<std::tuple<char32_t, uint8_t, int32_t, bool>, std::optional<FontMatch>> cache;
  const uint8_t chinese = chineseCharSet(lf);
  auto key = std::make_tuple(c, chinese, lf.weight, lf.italic);
  if (auto it = cache.find(key); it != cache.end()) return it->second;
  // The mapper's own choice for the Chinese character set first, then for any.
  std::optional<FontMatch> found;
  for (uint8_t charSet : {chinese, uint8_t(chinese == GB2312_CHARSET ? CHINESEBIG5_CHARSET : GB2312_CHARSET),
                          uint8_t(DEFAULT_CHARSET)}) {
    try {
      FontDc probe(makeFont("", charSet, -12, 0, false, false));
      if (!probe.hasChar(c)) continue;
      FontMatch m;
      m.family = m.file = probe.faceName();
      m.index = charSet;
      m.embolden = lf.weight >= FW_SEMIBOLD;
      m.oblique = lf.italic;
      found = m;
      break;
    } catch (const std::runtime_error&) {
    }
  }
  cache[key] = found;
  return found;
}

}  // namespace fontmatch
}  // namespace z5t8::platform::gui
