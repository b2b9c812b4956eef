#include "platform/gui/TextLayout.h"

#include <algorithm>

#include "platform/gui/FontEngine.h"

namespace z5t8::platform::gui {

namespace {

// Characters between which a line may break even without a blank.
bool isCjk(char32_t c) {
  return (c >= 0x2E80 && c <= 0x9FFF) || (c >= 0xAC00 && c <= 0xD7AF) || (c >= 0xF900 && c <= 0xFAFF) ||
         (c >= 0xFE30 && c <= 0xFE4F) || (c >= 0xFF00 && c <= 0xFFEF) || (c >= 0x20000 && c <= 0x3FFFF);
}

bool isBlank(char32_t c) { return c == U' ' || c == U'\t' || c == 0x3000; }

// Closing marks that must not start a line, opening ones that must not end one.
bool noBreakBefore(char32_t c) {
  switch (c) {
    case 0x3001:
    case 0x3002:
    case 0xFF0C:
    case 0xFF0E:
    case 0xFF1A:
    case 0xFF1B:
    case 0xFF01:
    case 0xFF1F:
    case 0x300D:
    case 0x300F:
    case 0xFF09:
    case 0x3009:
    case 0x300B:
    case 0x3011:
    case U',':
    case U'.':
    case U')':
    case U'!':
    case U'?':
    case U':':
    case U';':
      return true;
    default:
      return false;
  }
}

bool noBreakAfter(char32_t c) {
  switch (c) {
    case 0x300C:
    case 0x300E:
    case 0xFF08:
    case 0x3008:
    case 0x300A:
    case 0x3010:
    case U'(':
      return true;
    default:
      return false;
  }
}

bool breakBetween(char32_t a, char32_t b) {
  if (noBreakBefore(b) || noBreakAfter(a)) return false;
  return isCjk(a) || isCjk(b);
}

bool isStrongRtl(char32_t c) {
  return (c >= 0x0590 && c <= 0x08FF) || (c >= 0xFB1D && c <= 0xFDFF) || (c >= 0xFE70 && c <= 0xFEFF);
}

bool isNeutral(char32_t c) {
  if (c < 0x80) return !((c >= U'0' && c <= U'9') || (c >= U'A' && c <= U'Z') || (c >= U'a' && c <= U'z'));
  return (c >= 0x2000 && c <= 0x206F) || (c >= 0x3000 && c <= 0x303F) || (c >= 0xFF01 && c <= 0xFF0F);
}

// The visual order of one line: strong characters keep their direction, neutral
// ones between two of the same direction follow them and the rest take the
// paragraph's; then runs are reversed as the levels say.
void reorder(TextLine& line, bool rtlParagraph) {
  size_t n = line.text.size();
  std::vector<int> level(n);
  int base = rtlParagraph ? 1 : 0;
  for (size_t i = 0; i < n; ++i) {
    char32_t c = line.text[i];
    level[i] = isStrongRtl(c) ? 1 : isNeutral(c) ? -1 : (rtlParagraph ? 2 : 0);
  }
  for (size_t i = 0; i < n;) {
    if (level[i] != -1) {
      ++i;
      continue;
    }
    size_t j = i;
    while (j < n && level[j] == -1) ++j;
    int before = i > 0 ? level[i - 1] : base;
    int after = j < n ? level[j] : base;
    int resolved = (before == after && i > 0 && j < n) ? before : base;
    for (size_t k = i; k < j; ++k) level[k] = resolved;
    i = j;
  }
  int maxLevel = 0;
  for (int l : level) maxLevel = std::max(maxLevel, l);
  for (int l = maxLevel; l >= 1; --l) {
    for (size_t i = 0; i < n;) {
      if (level[i] < l) {
        ++i;
        continue;
      }
      size_t j = i;
      while (j < n && level[j] >= l) ++j;
      std::reverse(line.text.begin() + std::ptrdiff_t(i), line.text.begin() + std::ptrdiff_t(j));
      std::reverse(line.underlined.begin() + std::ptrdiff_t(i), line.underlined.begin() + std::ptrdiff_t(j));
      std::reverse(level.begin() + std::ptrdiff_t(i), level.begin() + std::ptrdiff_t(j));
      i = j;
    }
  }
}

}  // namespace

std::vector<TextLine> layoutText(std::u16string_view text, FontEngine& font,
                                 const TextLayoutOptions& options) {
  std::u32string chars = decodeUtf16(text);
  // Prefix processing first: "&&" is "&", "&x" underlines x, a lone final "&" goes.
  std::u32string shown;
  std::vector<bool> marks;
  for (size_t i = 0; i < chars.size(); ++i) {
    if (!options.noPrefix && chars[i] == U'&') {
      if (i + 1 >= chars.size()) break;
      ++i;
      shown.push_back(chars[i]);
      marks.push_back(chars[i] != U'&');
      continue;
    }
    shown.push_back(chars[i]);
    marks.push_back(false);
  }

  std::vector<TextLine> lines;
  bool wordBreak = options.wordBreak && !options.singleLine;
  auto emit = [&](size_t from, size_t to) {
    // Blanks where a line was broken hang past its end and are not drawn.
    if (wordBreak)
      while (to > from && isBlank(shown[to - 1])) --to;
    TextLine line;
    line.text = shown.substr(from, to - from);
    line.underlined.assign(marks.begin() + std::ptrdiff_t(from), marks.begin() + std::ptrdiff_t(to));
    line.width = font.textWidth(line.text);
    lines.push_back(std::move(line));
  };
  auto wrap = [&](size_t from, size_t to) {
    if (!wordBreak || from == to) {
      emit(from, to);
      return;
    }
    size_t start = from;
    while (start < to) {
      int32_t width = 0;
      size_t lastBreak = start, resume = start;
      bool broke = false;
      for (size_t i = start; i < to && !broke; ++i) {
        char32_t c = shown[i];
        if (isBlank(c)) {
          size_t j = i;
          while (j < to && isBlank(shown[j])) width += font.advance(shown[j++]);
          lastBreak = i;
          resume = j;
          i = j - 1;
          continue;
        }
        if (i > start && !isBlank(shown[i - 1]) && breakBetween(shown[i - 1], c)) {
          lastBreak = i;
          resume = i;
        }
        width += font.advance(c);
        // A word longer than the line stays whole; it breaks at its end.
        if (width > options.maxWidth && lastBreak > start) {
          emit(start, lastBreak);
          start = resume;
          broke = true;
        }
      }
      if (!broke) {
        emit(start, to);
        return;
      }
    }
  };

  if (options.singleLine) {
    wrap(0, shown.size());
  } else {
    size_t from = 0;
    for (size_t i = 0; i <= shown.size(); ++i) {
      if (i < shown.size() && shown[i] != U'\r' && shown[i] != U'\n') continue;
      wrap(from, i);
      if (i < shown.size() && shown[i] == U'\r' && i + 1 < shown.size() && shown[i + 1] == U'\n') ++i;
      from = i + 1;
    }
  }
  for (TextLine& line : lines) {
    bool anyRtl = std::any_of(line.text.begin(), line.text.end(), isStrongRtl);
    if (options.rtlReading || anyRtl) reorder(line, options.rtlReading);
  }
  return lines;
}

}  // namespace z5t8::platform::gui
