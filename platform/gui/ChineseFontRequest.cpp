#include <algorithm>
#include <cctype>
#include <iterator>

#include "platform/gui/FontMatcher.h"

namespace z5t8::platform::gui::fontmatch {

namespace {

// Face names of the common Chinese system fonts, which fontconfig does not know.
const char* const kTraditionalNames[] = {"pmingliu", "mingliu", "microsoft jhenghei", "dfkai-sb"};
const char* const kSimplifiedNames[] = {"simsun", "nsimsun", "simhei", "microsoft yahei", "kaiti"};

bool inList(const std::string& name, const char* const* list, size_t n) {
  std::string l = name;
  std::transform(l.begin(), l.end(), l.begin(), [](unsigned char c) { return char(std::tolower(c)); });
  for (size_t i = 0; i < n; ++i)
    if (l == list[i]) return true;
  return false;
}

}  // namespace

bool isChineseRequest(const LogFont& lf) {
  if (lf.charSet == CHINESEBIG5_CHARSET || lf.charSet == GB2312_CHARSET) return true;
  // A face name written in Chinese characters.
  for (unsigned char c : lf.faceName)
    if (c >= 0x80) return true;
  return inList(lf.faceName, kTraditionalNames, std::size(kTraditionalNames)) ||
         inList(lf.faceName, kSimplifiedNames, std::size(kSimplifiedNames));
}

bool isSimplifiedChineseRequest(const LogFont& lf) {
  return lf.charSet == GB2312_CHARSET || inList(lf.faceName, kSimplifiedNames, std::size(kSimplifiedNames));
}

}  // namespace z5t8::platform::gui::fontmatch
