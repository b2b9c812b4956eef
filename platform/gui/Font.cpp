#include "platform/gui/Font.h"

#include <map>
#include <stdexcept>
#include <tuple>

#include "platform/gui/FontEngine.h"
#include "platform/gui/FontMatcher.h"

namespace z5t8::platform::gui {

namespace {

constexpr int32_t kDefaultCharHeight = 12;

LogFont defaultLogFont() {
  LogFont lf;
  lf.height = -11;
  lf.faceName = "MS Sans Serif";
  return lf;
}

}  // namespace

std::u32string decodeUtf16(std::u16string_view text) {
  std::u32string out;
  out.reserve(text.size());
  for (size_t i = 0; i < text.size(); ++i) {
    char16_t c = text[i];
    if (c >= 0xD800 && c <= 0xDBFF && i + 1 < text.size() && text[i + 1] >= 0xDC00 && text[i + 1] <= 0xDFFF) {
      out.push_back(0x10000 + ((char32_t(c) - 0xD800) << 10) + (char32_t(text[i + 1]) - 0xDC00));
      ++i;
    } else if (c >= 0xD800 && c <= 0xDFFF) {
      out.push_back(0xFFFD);
    } else {
      out.push_back(c);
    }
  }
  return out;
}

FontEngine::FontEngine(const LogFont& lf, const std::string& pinnedFile, int pinnedIndex) : logFont_(lf) {
  std::string file = pinnedFile;
  int index = pinnedIndex;
  bool embolden = false, oblique = false;
  int32_t em = lf.height < 0 ? -lf.height : lf.height == 0 ? kDefaultCharHeight : lf.height;
  if (file.empty()) {
    std::optional<FontMatch> m = fontmatch::match(lf, em);
    if (!m) throw std::runtime_error("no installed font");
    file = m->file;
    index = m->index;
    embolden = m->embolden;
    oblique = m->oblique;
  } else {
    embolden = lf.weight >= FW_SEMIBOLD;
    oblique = lf.italic;
  }
  if (lf.height > 0) em = FontFace::emForCellHeight(file, index, lf.height);
  style_.emPixels = em;
  style_.embolden = embolden;
  style_.oblique = oblique;
  primary_ = std::make_unique<FontFace>(file, index, style_);
  if (lf.width > 0 && primary_->metrics().avgCharWidth > 0) {
    style_.xScale = double(lf.width) / primary_->metrics().avgCharWidth;
    primary_ = std::make_unique<FontFace>(file, index, style_);
  }

  const FaceMetrics& fm = primary_->metrics();
  metrics_.tmAscent = fm.ascent;
  metrics_.tmDescent = fm.descent;
  metrics_.tmHeight = fm.ascent + fm.descent;
  metrics_.tmInternalLeading = std::max(0, metrics_.tmHeight - fm.emPixels);
  metrics_.tmExternalLeading = fm.lineGap;
  metrics_.tmAveCharWidth = fm.avgCharWidth;
  metrics_.tmMaxCharWidth = fm.maxCharWidth;
  metrics_.tmWeight = lf.weight == FW_DONTCARE ? FW_NORMAL : lf.weight;
  metrics_.tmItalic = lf.italic;
  metrics_.tmUnderlined = lf.underline;
  metrics_.tmStruckOut = lf.strikeOut;
  metrics_.tmCharSet = lf.charSet == DEFAULT_CHARSET ? ANSI_CHARSET : lf.charSet;
}

const Glyph* FontEngine::glyphFor(char32_t c) {
  if (c < 0x20 || c == 0x7F) return nullptr;
  auto it = byChar_.find(c);
  if (it != byChar_.end()) return it->second;
  const Glyph* result = nullptr;
  if (uint32_t index = primary_->glyphIndex(c)) {
    result = &primary_->glyph(index);
  } else if (std::optional<FontMatch> m = fontmatch::fallback(c, logFont_)) {
    auto key = std::make_pair(m->file, m->index);
    auto& face = fallbacks_[key];
    if (!face) {
      FontFace::Style s = style_;
      s.embolden = style_.embolden || m->embolden;
      s.oblique = style_.oblique || m->oblique;
      try {
        face = std::make_unique<FontFace>(m->file, m->index, s);
      } catch (const std::runtime_error&) {
        fallbacks_.erase(key);
      }
    }
    auto found = fallbacks_.find(key);
    if (found != fallbacks_.end()) {
      if (uint32_t index = found->second->glyphIndex(c)) result = &found->second->glyph(index);
    }
  }
  if (!result) result = &primary_->glyph(0);
  byChar_[c] = result;
  return result;
}

bool FontEngine::hasGlyph(char32_t c) {
  if (primary_->glyphIndex(c)) return true;
  std::optional<FontMatch> m = fontmatch::fallback(c, logFont_);
  return m.has_value();
}

int32_t FontEngine::textWidth(std::u32string_view text) {
  int32_t w = 0;
  for (char32_t c : text) w += advance(c);
  return w;
}

Font::Font() = default;

namespace {

// Controls copy their fonts at every paint; realising the same logical font again
// must not match faces and fill a glyph cache anew each time.
std::shared_ptr<FontEngine> sharedEngine(const LogFont& lf) {
  using Key = std::tuple<int32_t, int32_t, int32_t, int32_t, bool, bool, bool, uint8_t, std::string>;
  static std::map<Key, std::shared_ptr<FontEngine>> engines;
  constexpr size_t kKept = 64;
  Key key{lf.height,    lf.width,     lf.escapement, lf.weight,  lf.italic,
          lf.underline, lf.strikeOut, lf.charSet,    lf.faceName};
  auto it = engines.find(key);
  if (it != engines.end()) return it->second;
  if (engines.size() >= kKept) {
    for (auto e = engines.begin(); e != engines.end();)
      e = e->second.use_count() == 1 ? engines.erase(e) : std::next(e);
  }
  auto engine = std::make_shared<FontEngine>(lf, std::string(), 0);
  if (engines.size() < kKept) engines.emplace(key, engine);
  return engine;
}

}  // namespace

Font::Font(const LogFont& lf) : engine_(sharedEngine(lf)) {}

Font Font::fromFile(const std::string& path, const LogFont& lf, int faceIndex) {
  return Font(std::make_shared<FontEngine>(lf, path, faceIndex));
}

FontEngine& Font::engine() const {
  if (engine_) return *engine_;
  static FontEngine defaultEngine(defaultLogFont(), std::string(), 0);
  return defaultEngine;
}

const LogFont& Font::logFont() const { return engine().logFont(); }
const std::string& Font::fileName() const { return engine().primary().file(); }
const std::string& Font::familyName() const { return engine().primary().family(); }
const TextMetric& Font::metrics() const { return engine().metrics(); }

Size Font::textExtent(std::u16string_view text) const {
  return {engine().textWidth(decodeUtf16(text)), engine().metrics().tmHeight};
}

bool Font::hasGlyph(char32_t c) const { return engine().hasGlyph(c); }

}  // namespace z5t8::platform::gui
