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

TEditText::TEditText(TTextMeasure* measure) : measure_(measure) { LayoutFrom(0); }

void TEditText::SetMeasure(TTextMeasure* measure) {
  measure_ = measure;
  LayoutFrom(0);
}

void TEditText::SetWrapWidth(int width) {
  if (width == wrapWidth_) return;
  wrapWidth_ = width;
  LayoutFrom(0);
}

void TEditText::SetText(std::u16string_view text) {
  size_t common = 0;
  size_t limit = std::min(text.size(), text_.size());
  while (common < limit && text_[common] == text[common]) ++common;
  // A line whose break may have changed (CR then LF) is laid out again.
  int restart = LineOfOffset(common > 0 ? static_cast<int>(common) - 1 : 0);
  text_.assign(text);
  LayoutFrom(restart);
  anchor_ = caret_ = 0;
  goalX_ = -1;
}

int TEditText::Advance(char32_t c, int x) const {
  if (!measure_) return 0;
  if (c == U'\t') {
    int stop = 8 * measure_->CharWidth(U' ');
    return stop > 0 ? stop - x % stop : 0;
  }
  if (c < 0x20) return 0;
  return measure_->CharWidth(c);
}

int TEditText::BreakAt(int offset) const {
  if (offset >= static_cast<int>(text_.size())) return 0;
  if (text_[offset] == u'\r') return offset + 1 < static_cast<int>(text_.size()) && text_[offset + 1] == u'\n' ? 2 : 1;
  return text_[offset] == u'\n' ? 1 : 0;
}

void TEditText::LayoutFrom(int line) {
  line = std::clamp(line, 0, LineCount());
  int start = line < LineCount() ? lineStarts_[line] : 0;
  if (line >= LineCount()) line = 0;
  if (line < LineCount()) rows_.resize(lineFirstRow_[line]);
  else rows_.clear();
  lineStarts_.resize(line);
  lineFirstRow_.resize(line);
  int size = static_cast<int>(text_.size());
  for (;;) {
    int end = start;
    while (end < size && !IsBreakChar(text_[end])) ++end;
    int breakLength = BreakAt(end);
    lineStarts_.push_back(start);
    lineFirstRow_.push_back(static_cast<int>(rows_.size()));
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
    char32_t c = Decode(text_, i, end, n);
    int w = Advance(c, x);
    bool ideographic = IsIdeographic(c);
    if (wrapWidth_ > 0 && !IsBlank(text_[i]) && x + w > wrapWidth_ && i > rowStart) {
      int cut = lastBreak > rowStart ? lastBreak : i;
      int width = 0;
      for (int k = rowStart; k < cut;) {
        int m;
        width += Advance(Decode(text_, k, end, m), width);
        k += m;
      }
      rows_.push_back({rowStart, cut - rowStart, 0, width});
      rowStart = cut;
      lastBreak = -1;
      x = 0;
      for (int k = rowStart; k < i;) {
        int m;
        x += Advance(Decode(text_, k, end, m), x);
        k += m;
      }
      continue;
    }
    if (ideographic && i > rowStart) lastBreak = i;
    x += w;
    i += n;
    if (IsBlank(text_[i - n]) || ideographic) lastBreak = i;
  }
  rows_.push_back({rowStart, end - rowStart, breakLength, x});
}

int TEditText::RowOfOffset(int offset) const {
  auto it = std::upper_bound(rows_.begin(), rows_.end(), offset,
                             [](int value, const TEditRow& row) { return value < row.Start; });
  return std::max(0, static_cast<int>(it - rows_.begin()) - 1);
}

int TEditText::MaxRowWidth() const {
  int width = 0;
  for (const TEditRow& row : rows_) width = std::max(width, row.Width);
  return width;
}

int TEditText::LineLength(int line) const {
  int lastRow = (line + 1 < LineCount() ? lineFirstRow_[line + 1] : RowCount()) - 1;
  return rows_[lastRow].Start + rows_[lastRow].Length - lineStarts_[line];
}

int TEditText::LineOfOffset(int offset) const {
  auto it = std::upper_bound(lineStarts_.begin(), lineStarts_.end(), offset);
  return std::max(0, static_cast<int>(it - lineStarts_.begin()) - 1);
}

int TEditText::XOfOffset(int offset) const {
  const TEditRow& row = rows_[RowOfOffset(offset)];
  int end = row.Start + row.Length;
  int x = 0;
  for (int i = row.Start; i < offset && i < end;) {
    int n;
    x += Advance(Decode(text_, i, end, n), x);
    i += n;
  }
  return x;
}

int TEditText::OffsetAtX(int rowIndex, int x) const {
  rowIndex = std::clamp(rowIndex, 0, RowCount() - 1);
  const TEditRow& row = rows_[rowIndex];
  int end = row.Start + row.Length;
  // A soft-wrapped row's end is the next row's start; keep the caret on this row.
  int last = row.BreakLength == 0 && rowIndex + 1 < RowCount() && end > row.Start ? Snap(end - 1) : end;
  int at = 0;
  for (int i = row.Start; i < last;) {
    int n;
    int w = Advance(Decode(text_, i, end, n), at);
    if (x < at + (w + 1) / 2) return i;
    at += w;
    i += n;
  }
  return last;
}

int TEditText::Snap(int offset) const {
  int size = static_cast<int>(text_.size());
  offset = std::clamp(offset, 0, size);
  if (offset > 0 && offset < size) {
    if (text_[offset - 1] == u'\r' && text_[offset] == u'\n') --offset;
    else if (IsLow(text_[offset]) && IsHigh(text_[offset - 1])) --offset;
  }
  return offset;
}

std::u16string TEditText::SelText() const { return text_.substr(SelStart(), SelEnd() - SelStart()); }

void TEditText::SetCaret(int offset, bool extend) {
  caret_ = Snap(offset);
  if (!extend) anchor_ = caret_;
  goalX_ = -1;
}

void TEditText::SetSelection(int anchor, int caret) {
  anchor_ = Snap(anchor);
  caret_ = Snap(caret);
  goalX_ = -1;
}

void TEditText::SelectAll() { SetSelection(0, static_cast<int>(text_.size())); }

void TEditText::SelectWordAt(int offset) {
  offset = Snap(offset);
  int size = static_cast<int>(text_.size());
  int start = offset;
  int end = offset;
  if (end < size && IsWordChar(text_[end])) {
    while (start > 0 && IsWordChar(text_[start - 1])) --start;
    while (end < size && IsWordChar(text_[end])) ++end;
  } else {
    while (end < size && IsBlank(text_[end])) ++end;
  }
  SetSelection(start, end);
}

void TEditText::MoveRows(int rows, bool extend) {
  if (goalX_ < 0) goalX_ = XOfOffset(caret_);
  int goal = goalX_;
  int row = std::clamp(RowOfOffset(caret_) + rows, 0, RowCount() - 1);
  caret_ = OffsetAtX(row, goal);
  if (!extend) anchor_ = caret_;
  goalX_ = goal;
}

void TEditText::MoveCaret(TCaretMove move, bool extend, int rows) {
  int size = static_cast<int>(text_.size());
  int at = caret_;
  switch (move) {
    case TCaretMove::Up: return MoveRows(-rows, extend);
    case TCaretMove::Down: return MoveRows(rows, extend);
    case TCaretMove::Left:
      if (!extend && anchor_ != caret_) at = SelStart();
      else if (at > 0) at = Snap(at - 1);
      break;
    case TCaretMove::Right:
      if (!extend && anchor_ != caret_) at = SelEnd();
      else if (at < size) at = BreakAt(at) == 2 ? at + 2 : (IsHigh(text_[at]) && at + 1 < size && IsLow(text_[at + 1]) ? at + 2 : at + 1);
      break;
    case TCaretMove::WordLeft:
      while (at > 0 && !IsWordChar(text_[at - 1])) --at;
      while (at > 0 && IsWordChar(text_[at - 1])) --at;
      break;
    case TCaretMove::WordRight:
      while (at < size && IsWordChar(text_[at])) ++at;
      while (at < size && !IsWordChar(text_[at])) ++at;
      break;
    case TCaretMove::RowHome: at = rows_[RowOfOffset(at)].Start; break;
    case TCaretMove::RowEnd: {
      int row = RowOfOffset(at);
      at = OffsetAtX(row, rows_[row].Width + 1);
      break;
    }
    case TCaretMove::TextHome: at = 0; break;
    case TCaretMove::TextEnd: at = size; break;
  }
  SetCaret(at, extend);
}

void TEditText::ReplaceSelection(std::u16string_view with) {
  int start = SelStart();
  text_.replace(start, SelEnd() - start, with);
  LayoutFrom(LineOfOffset(start > 0 ? start - 1 : 0));
  caret_ = anchor_ = Snap(start + static_cast<int>(with.size()));
  goalX_ = -1;
}

void TEditText::DeleteBackward() {
  if (anchor_ == caret_) {
    if (caret_ == 0) return;
    anchor_ = Snap(caret_ - 1);
  }
  ReplaceSelection(u"");
}

void TEditText::DeleteForward() {
  if (anchor_ == caret_) {
    if (caret_ >= static_cast<int>(text_.size())) return;
    MoveCaret(TCaretMove::Right, true);
  }
  ReplaceSelection(u"");
}

}  // namespace z5t8::framework
