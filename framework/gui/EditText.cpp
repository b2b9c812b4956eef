#include "framework/gui/EditText.h"

#include <algorithm>

namespace z5t8::framework {

namespace {

bool IsHigh(char16_t c) { return c >= 0xD800 && c < 0xDC00; }
bool IsLow(char16_t c) { return c >= 0xDC00 && c < 0xE000; }

// Code point at i and the units it takes.
char32_t Decode(const std::u16string& s, int i, int end, int& n) {
  char16_t c = s[i];
  if (IsHigh(c) && i + 1 < end && IsLow(s[i + 1])) {
    n = 2;
    return 0x10000 + ((char32_t(c) - 0xD800) << 10) + (char32_t(s[i + 1]) - 0xDC00);
  }
  n = 1;
  return c;
}

// Chinese, Japanese and Korean text breaks between any two characters.
bool IsIdeographic(char32_t c) {
  return (c >= 0x2E80 && c < 0xA000) || (c >= 0xAC00 && c < 0xD7B0) || (c >= 0xF900 && c < 0xFB00) ||
         (c >= 0xFE30 && c < 0xFE50) || (c >= 0xFF00 && c < 0xFFF0) || c >= 0x20000;
}

bool IsBlank(char16_t c) { return c == u' ' || c == u'\t'; }
bool IsBreakChar(char16_t c) { return c == u'\r' || c == u'\n'; }
bool IsWordChar(char16_t c) { return !IsBlank(c) && !IsBreakChar(c); }

}  // namespace

TEditText::TEditText(TTextMeasure* measure) : FMeasure(measure) { LayoutFrom(0); }

void TEditText::SetMeasure(TTextMeasure* measure) {
  FMeasure = measure;
  LayoutFrom(0);
}

void TEditText::SetWrapWidth(int width) {
  if (width == FWrapWidth) return;
  FWrapWidth = width;
  LayoutFrom(0);
}

void TEditText::SetText(std::u16string_view text) {
  size_t common = 0;
  size_t limit = std::min(text.size(), FText.size());
  while (common < limit && FText[common] == text[common]) ++common;
  // A line whose break may have changed (CR then LF) is laid out again.
  int restart = LineOfOffset(common > 0 ? static_cast<int>(common) - 1 : 0);
  FText.assign(text);
  LayoutFrom(restart);
  FAnchor = FCaret = 0;
  FGoalX = -1;
}

int TEditText::Advance(char32_t c, int x) const {
  if (!FMeasure) return 0;
  if (c == U'\t') {
    int stop = 8 * FMeasure->CharWidth(U' ');
    return stop > 0 ? stop - x % stop : 0;
  }
  if (c < 0x20) return 0;
  return FMeasure->CharWidth(c);
}

int TEditText::BreakAt(int offset) const {
  if (offset >= static_cast<int>(FText.size())) return 0;
  if (FText[offset] == u'\r')
    return offset + 1 < static_cast<int>(FText.size()) && FText[offset + 1] == u'\n' ? 2 : 1;
  return FText[offset] == u'\n' ? 1 : 0;
}

void TEditText::LayoutFrom(int line) {
  line = std::clamp(line, 0, LineCount());
  int start = line < LineCount() ? FLineStarts[line] : 0;
  if (line >= LineCount()) line = 0;
  if (line < LineCount())
    FRows.resize(FLineFirstRow[line]);
  else
    FRows.clear();
  FLineStarts.resize(line);
  FLineFirstRow.resize(line);
  int size = static_cast<int>(FText.size());
  for (;;) {
    int end = start;
    while (end < size && !IsBreakChar(FText[end])) ++end;
    int breakLength = BreakAt(end);
    FLineStarts.push_back(start);
    FLineFirstRow.push_back(static_cast<int>(FRows.size()));
    LayoutLine(start, end, breakLength);
    if (breakLength == 0) break;
    start = end + breakLength;
  }
}

void TEditText::LayoutLine(int start, int end, int breakLength) {
  int rowStart = start;
  int x = 0;
  int lastBreak = -1;
  int i = start;
  while (i < end) {
    int n;
    char32_t c = Decode(FText, i, end, n);
    int w = Advance(c, x);
    bool ideographic = IsIdeographic(c);
    if (FWrapWidth > 0 && !IsBlank(FText[i]) && x + w > FWrapWidth && i > rowStart) {
      int cut = lastBreak > rowStart ? lastBreak : i;
      int width = 0;
      for (int k = rowStart; k < cut;) {
        int m;
        width += Advance(Decode(FText, k, end, m), width);
        k += m;
      }
      FRows.push_back({rowStart, cut - rowStart, 0, width});
      rowStart = cut;
      lastBreak = -1;
      x = 0;
      for (int k = rowStart; k < i;) {
        int m;
        x += Advance(Decode(FText, k, end, m), x);
        k += m;
      }
      continue;
    }
    if (ideographic && i > rowStart) lastBreak = i;
    x += w;
    i += n;
    if (IsBlank(FText[i - n]) || ideographic) lastBreak = i;
  }
  FRows.push_back({rowStart, end - rowStart, breakLength, x});
}

int TEditText::RowOfOffset(int offset) const {
  auto it = std::upper_bound(FRows.begin(), FRows.end(), offset,
                             [](int value, const TEditRow& row) { return value < row.Start; });
  return std::max(0, static_cast<int>(it - FRows.begin()) - 1);
}

int TEditText::MaxRowWidth() const {
  int width = 0;
  for (const TEditRow& row : FRows) width = std::max(width, row.Width);
  return width;
}

int TEditText::LineLength(int line) const {
  int lastRow = (line + 1 < LineCount() ? FLineFirstRow[line + 1] : RowCount()) - 1;
  return FRows[lastRow].Start + FRows[lastRow].Length - FLineStarts[line];
}

int TEditText::LineOfOffset(int offset) const {
  auto it = std::upper_bound(FLineStarts.begin(), FLineStarts.end(), offset);
  return std::max(0, static_cast<int>(it - FLineStarts.begin()) - 1);
}

int TEditText::XOfOffset(int offset) const {
  const TEditRow& row = FRows[RowOfOffset(offset)];
  int end = row.Start + row.Length;
  int x = 0;
  for (int i = row.Start; i < offset && i < end;) {
    int n;
    x += Advance(Decode(FText, i, end, n), x);
    i += n;
  }
  return x;
}

int TEditText::OffsetAtX(int rowIndex, int x) const {
  rowIndex = std::clamp(rowIndex, 0, RowCount() - 1);
  const TEditRow& row = FRows[rowIndex];
  int end = row.Start + row.Length;
  // A soft-wrapped row's end is the next row's start; keep the caret on this row.
  int last = row.BreakLength == 0 && rowIndex + 1 < RowCount() && end > row.Start ? Snap(end - 1) : end;
  int at = 0;
  for (int i = row.Start; i < last;) {
    int n;
    int w = Advance(Decode(FText, i, end, n), at);
    if (x < at + (w + 1) / 2) return i;
    at += w;
    i += n;
  }
  return last;
}

int TEditText::Snap(int offset) const {
  int size = static_cast<int>(FText.size());
  offset = std::clamp(offset, 0, size);
  if (offset > 0 && offset < size) {
    if (FText[offset - 1] == u'\r' && FText[offset] == u'\n')
      --offset;
    else if (IsLow(FText[offset]) && IsHigh(FText[offset - 1]))
      --offset;
  }
  return offset;
}

std::u16string TEditText::SelText() const { return FText.substr(SelStart(), SelEnd() - SelStart()); }

void TEditText::SetCaret(int offset, bool extend) {
  FCaret = Snap(offset);
  if (!extend) FAnchor = FCaret;
  FGoalX = -1;
}

void TEditText::SetSelection(int anchor, int caret) {
  FAnchor = Snap(anchor);
  FCaret = Snap(caret);
  FGoalX = -1;
}

void TEditText::SelectAll() { SetSelection(0, static_cast<int>(FText.size())); }

void TEditText::SelectWordAt(int offset) {
  offset = Snap(offset);
  int size = static_cast<int>(FText.size());
  int start = offset;
  int end = offset;
  if (end < size && IsWordChar(FText[end])) {
    while (start > 0 && IsWordChar(FText[start - 1])) --start;
    while (end < size && IsWordChar(FText[end])) ++end;
  } else {
    while (end < size && IsBlank(FText[end])) ++end;
  }
  SetSelection(start, end);
}

void TEditText::MoveRows(int rows, bool extend) {
  if (FGoalX < 0) FGoalX = XOfOffset(FCaret);
  int goal = FGoalX;
  int row = std::clamp(RowOfOffset(FCaret) + rows, 0, RowCount() - 1);
  FCaret = OffsetAtX(row, goal);
  if (!extend) FAnchor = FCaret;
  FGoalX = goal;
}

void TEditText::MoveCaret(TCaretMove move, bool extend, int rows) {
  int size = static_cast<int>(FText.size());
  int at = FCaret;
  switch (move) {
    case TCaretMove::Up:
      return MoveRows(-rows, extend);
    case TCaretMove::Down:
      return MoveRows(rows, extend);
    case TCaretMove::Left:
      if (!extend && FAnchor != FCaret)
        at = SelStart();
      else if (at > 0)
        at = Snap(at - 1);
      break;
    case TCaretMove::Right:
      if (!extend && FAnchor != FCaret)
        at = SelEnd();
      else if (at < size)
        at = BreakAt(at) == 2
                 ? at + 2
                 : (IsHigh(FText[at]) && at + 1 < size && IsLow(FText[at + 1]) ? at + 2 : at + 1);
      break;
    case TCaretMove::WordLeft:
      while (at > 0 && !IsWordChar(FText[at - 1])) --at;
      while (at > 0 && IsWordChar(FText[at - 1])) --at;
      break;
    case TCaretMove::WordRight:
      while (at < size && IsWordChar(FText[at])) ++at;
      while (at < size && !IsWordChar(FText[at])) ++at;
      break;
    case TCaretMove::RowHome:
      at = FRows[RowOfOffset(at)].Start;
      break;
    case TCaretMove::RowEnd: {
      int row = RowOfOffset(at);
      at = OffsetAtX(row, FRows[row].Width + 1);
      break;
    }
    case TCaretMove::TextHome:
      at = 0;
      break;
    case TCaretMove::TextEnd:
      at = size;
      break;
  }
  SetCaret(at, extend);
}

void TEditText::ReplaceSelection(std::u16string_view with) {
  int start = SelStart();
  FText.replace(start, SelEnd() - start, with);
  LayoutFrom(LineOfOffset(start > 0 ? start - 1 : 0));
  FCaret = FAnchor = Snap(start + static_cast<int>(with.size()));
  FGoalX = -1;
}

void TEditText::DeleteBackward() {
  if (FAnchor == FCaret) {
    if (FCaret == 0) return;
    FAnchor = Snap(FCaret - 1);
  }
  ReplaceSelection(u"");
}

void TEditText::DeleteForward() {
  if (FAnchor == FCaret) {
    if (FCaret >= static_cast<int>(FText.size())) return;
    MoveCaret(TCaretMove::Right, true);
  }
  ReplaceSelection(u"");
}

}  // namespace z5t8::framework
