#include "platform/gui/FontMatcher.h"

#include <fontconfig/fontconfig.h>

#include <algorithm>
#include <cctype>
#include <map>
#include <tuple>
#include <memory>
#include <string_view>

#if defined(__has_feature)
#if __has_feature(address_sanitizer)
// fontconfig loses a few bytes while parsing its configuration at start-up; that is
// its own leak, not ours, and must not fail every sanitizer run that draws text.
extern "C" const char* __lsan_default_suppressions() { return "leak:libfontconfig.so\n"; }
extern "C" const char* __lsan_default_options() { return "print_suppressions=0"; }
#endif
#endif

namespace z5t8::platform::gui::fontmatch {

namespace {

struct PatternDeleter {
  void operator()(FcPattern* p) const { FcPatternDestroy(p); }
};
using Pattern = std::unique_ptr<FcPattern, PatternDeleter>;
struct FontSetDeleter {
  void operator()(FcFontSet* s) const { FcFontSetDestroy(s); }
};
struct CharSetDeleter {
  void operator()(FcCharSet* s) const { FcCharSetDestroy(s); }
};

FcConfig* config() {
  static FcConfig* cfg = [] {
    FcInit();
    return FcConfigGetCurrent();
  }();
  return cfg;
}

// Installed families tried, in order, when Chinese coverage is wanted.
const char* const kTraditionalFamilies[] = {"AR PL UMing TW", "AR PL UMing HK", "AR PL New Sung",
                                            "Noto Sans CJK TC", "Noto Serif CJK TC"};
const char* const kSimplifiedFamilies[] = {"AR PL UMing CN", "AR PL SungtiL GB", "Noto Sans CJK SC",
                                           "Noto Serif CJK SC"};

// Rounded Traditional Chinese faces are asked for by names ending in "圓體"; the
// heavy ones ("粗", as opposed to "細") are bold whatever weight the caller gave.
constexpr std::string_view kRoundedSuffix = "圓體";
constexpr std::string_view kHeavyMark = "粗";
const char* const kRoundedFamilies[] = {"cwTeXYen"};

bool roundedFace(const LogFont& lf) { return lf.faceName.find(kRoundedSuffix) != std::string::npos; }

LogFont withRoundedWeight(const LogFont& lf) {
  LogFont out = lf;
  if (roundedFace(lf) && lf.faceName.find(kHeavyMark) != std::string::npos && out.weight < FW_BOLD)
    out.weight = FW_BOLD;
  return out;
}

void addChinese(FcPattern* p, bool simplifiedChinese) {
  FcPatternAddString(p, FC_LANG, reinterpret_cast<const FcChar8*>(simplifiedChinese ? "zh-cn" : "zh-tw"));
  if (simplifiedChinese) {
    for (const char* f : kSimplifiedFamilies)
      FcPatternAddString(p, FC_FAMILY, reinterpret_cast<const FcChar8*>(f));
  } else {
    for (const char* f : kTraditionalFamilies)
      FcPatternAddString(p, FC_FAMILY, reinterpret_cast<const FcChar8*>(f));
  }
}

Pattern basePattern(const LogFont& lf) {
  Pattern p(FcPatternCreate());
  if (!lf.faceName.empty())
    FcPatternAddString(p.get(), FC_FAMILY, reinterpret_cast<const FcChar8*>(lf.faceName.c_str()));
  int weight = lf.weight == FW_DONTCARE ? FW_NORMAL : std::clamp(lf.weight, 1, 1000);
  FcPatternAddInteger(p.get(), FC_WEIGHT, FcWeightFromOpenType(weight));
  FcPatternAddInteger(p.get(), FC_SLANT, lf.italic ? FC_SLANT_ITALIC : FC_SLANT_ROMAN);
  return p;
}

std::optional<FontMatch> fromPattern(FcPattern* font, const LogFont& lf) {
  FcChar8* file = nullptr;
  if (FcPatternGetString(font, FC_FILE, 0, &file) != FcResultMatch || !file) return std::nullopt;
  FontMatch m;
  m.file = reinterpret_cast<const char*>(file);
  int index = 0;
  FcPatternGetInteger(font, FC_INDEX, 0, &index);
  m.index = index;
  FcChar8* family = nullptr;
  if (FcPatternGetString(font, FC_FAMILY, 0, &family) == FcResultMatch && family)
    m.family = reinterpret_cast<const char*>(family);
  int weight = FC_WEIGHT_REGULAR, slant = FC_SLANT_ROMAN;
  FcPatternGetInteger(font, FC_WEIGHT, 0, &weight);
  FcPatternGetInteger(font, FC_SLANT, 0, &slant);
  FcBool configEmbolden = FcFalse;
  FcPatternGetBool(font, FC_EMBOLDEN, 0, &configEmbolden);
  m.embolden = lf.weight >= FW_SEMIBOLD && (weight < FC_WEIGHT_DEMIBOLD || configEmbolden);
  m.oblique = lf.italic && slant == FC_SLANT_ROMAN;
  return m;
}

}  // namespace

std::optional<FontMatch> match(const LogFont& requested, int32_t emPixels) {
  FcConfig* cfg = config();
  const LogFont lf = withRoundedWeight(requested);
  Pattern p = basePattern(lf);
  if (roundedFace(lf))
    for (const char* f : kRoundedFamilies)
      FcPatternAddString(p.get(), FC_FAMILY, reinterpret_cast<const FcChar8*>(f));
  if (isChineseRequest(lf)) addChinese(p.get(), isSimplifiedChineseRequest(lf));
  FcPatternAddDouble(p.get(), FC_PIXEL_SIZE, double(emPixels));
  FcConfigSubstitute(cfg, p.get(), FcMatchPattern);
  FcDefaultSubstitute(p.get());
  FcResult result;
  Pattern font(FcFontMatch(cfg, p.get(), &result));
  if (!font) return std::nullopt;
  return fromPattern(font.get(), lf);
}

std::optional<FontMatch> fallback(char32_t c, const LogFont& lf) {
  bool simple = isSimplifiedChineseRequest(lf);
  LogFont key = lf;
  key.faceName.clear();
  static std::map<std::tuple<char32_t, bool, int32_t, bool>, std::optional<FontMatch>> cache;
  auto cacheKey = std::make_tuple(c, simple, lf.weight, lf.italic);
  if (auto it = cache.find(cacheKey); it != cache.end()) return it->second;

  FcConfig* cfg = config();
  Pattern p = basePattern(key);
  addChinese(p.get(), simple);
  std::unique_ptr<FcCharSet, CharSetDeleter> want(FcCharSetCreate());
  FcCharSetAddChar(want.get(), FcChar32(c));
  FcPatternAddCharSet(p.get(), FC_CHARSET, want.get());
  FcConfigSubstitute(cfg, p.get(), FcMatchPattern);
  FcDefaultSubstitute(p.get());
  FcResult result;
  FcCharSet* coverage = nullptr;
  std::unique_ptr<FcFontSet, FontSetDeleter> set(FcFontSort(cfg, p.get(), FcTrue, &coverage, &result));
  std::unique_ptr<FcCharSet, CharSetDeleter> coverageOwner(coverage);
  std::optional<FontMatch> found;
  for (int i = 0; set && i < set->nfont && !found; ++i) {
    FcCharSet* cs = nullptr;
    if (FcPatternGetCharSet(set->fonts[i], FC_CHARSET, 0, &cs) != FcResultMatch ||
        !FcCharSetHasChar(cs, FcChar32(c)))
      continue;
    found = fromPattern(set->fonts[i], lf);
  }
  cache[cacheKey] = found;
  return found;
}

}  // namespace z5t8::platform::gui::fontmatch
