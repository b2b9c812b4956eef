#pragma once

#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

namespace z5t8::framework {

// Widths of single characters in the font the edit draws with.
class TTextMeasure {
public:
  virtual ~TTextMeasure() = default;
  virtual int CharWidth(char32_t c) = 0;
};

// One displayed row: a hard line or the part of one that fits the wrap width.
struct TEditRow {
  int Start = 0;        // offset of the first character in the text
  int Length = 0;       // characters shown, without the line break
  int BreakLength = 0;  // 2 for CR LF, 1 for a lone CR or LF, 0 for a soft wrap or the end
  int Width = 0;        // pixels
};

enum class TCaretMove { Left, Right, WordLeft, WordRight, Up, Down, RowHome, RowEnd, TextHome, TextEnd };

// The text of a multi-line edit with its row layout and selection. Offsets
// count UTF-16 units; the caret never rests inside a line break or a
// surrogate pair.
class TEditText {
public:
  explicit TEditText(TTextMeasure* measure = nullptr);

  void SetMeasure(TTextMeasure* measure);
  // 0 or less: rows are the hard lines.
  void SetWrapWidth(int width);
  int WrapWidth() const { return FWrapWidth; }

  // Replaces the whole text; the layout of an unchanged leading part is
  // kept, so appending to a long text costs only the new part. The
  // selection collapses to the start, as a window text change does.
  void SetText(std::u16string_view text);
  const std::u16string& Text() const { return FText; }

  int RowCount() const { return static_cast<int>(FRows.size()); }
  const TEditRow& Row(int row) const { return FRows[row]; }
  // The row the caret at offset is drawn in.
  int RowOfOffset(int offset) const;
  int MaxRowWidth() const;

  int LineCount() const { return static_cast<int>(FLineStarts.size()); }
  int LineStart(int line) const { return FLineStarts[line]; }
  int LineLength(int line) const;
  int LineOfOffset(int offset) const;

  // x of the caret at offset within its row, and the offset nearest to x.
  int XOfOffset(int offset) const;
  int OffsetAtX(int row, int x) const;

  int SelStart() const { return std::min(FAnchor, FCaret); }
  int SelEnd() const { return std::max(FAnchor, FCaret); }
  int Caret() const { return FCaret; }
  int Anchor() const { return FAnchor; }
  std::u16string SelText() const;
  // Caret to offset; extend keeps the anchor (shift held).
  void SetCaret(int offset, bool extend);
  void SetSelection(int anchor, int caret);
  void SelectAll();
  void SelectWordAt(int offset);
  // pageRows serves Up and Down moves by a page.
  void MoveCaret(TCaretMove move, bool extend, int rows = 1);
  // Replaces the selection and leaves the caret after the new text.
  void ReplaceSelection(std::u16string_view with);
  void DeleteBackward();
  void DeleteForward();

private:
  int Snap(int offset) const;
  int BreakAt(int offset) const;
  void LayoutFrom(int line);
  void LayoutLine(int start, int end, int breakLength);
  int Advance(char32_t c, int x) const;
  void MoveRows(int rows, bool extend);

  TTextMeasure* FMeasure;
  int FWrapWidth = 0;
  std::u16string FText;
  std::vector<TEditRow> FRows;
  std::vector<int> FLineStarts;
  std::vector<int> FLineFirstRow;
  int FAnchor = 0;
  int FCaret = 0;
  int FGoalX = -1;
};

}  // namespace z5t8::framework
