#include "framework/gui/EditText.h"

#include <gtest/gtest.h>

namespace z5t8::framework {
namespace {

// Latin characters 10 pixels, ideographs 20.
class FixedMeasure : public TTextMeasure {
public:
  int CharWidth(char32_t c) override { return c >= 0x2E80 ? 20 : 10; }
};

std::vector<std::u16string> Rows(const TEditText& t) {
  std::vector<std::u16string> rows;
  for (int i = 0; i < t.RowCount(); ++i) rows.push_back(t.Text().substr(t.Row(i).Start, t.Row(i).Length));
  return rows;
}

using R = std::vector<std::u16string>;

TEST(EditText, WrapsAtBlanksBetweenIdeographsAndInsideLongWords) {
  struct Case {
    const char16_t* text;
    int width;
    R rows;
  } cases[] = {
      {u"hello world", 0, {u"hello world"}},
      {u"hello world", 80, {u"hello ", u"world"}},
      // A blank never pushes a row over: it hangs at the end.
      {u"abc def", 30, {u"abc ", u"def"}},
      {u"abcdefghij", 40, {u"abcd", u"efgh", u"ij"}},
      {u"中文字元測試", 50, {u"中文", u"字元", u"測試"}},
      {u"ab中文cd", 50, {u"ab中", u"文cd"}},
      {u"one\r\ntwo\nthree\rfour", 0, {u"one", u"two", u"three", u"four"}},
      {u"x\r\n", 0, {u"x", u""}},
      {u"", 40, {u""}},
      // At least one character per row, however narrow.
      {u"中中", 5, {u"中", u"中"}},
  };
  FixedMeasure m;
  int index = 0;
  for (const Case& c : cases) {
    TEditText t(&m);
    t.SetWrapWidth(c.width);
    t.SetText(c.text);
    EXPECT_EQ(Rows(t), c.rows) << "case " << index++;
  }
}

TEST(EditText, AppendKeepsLayoutEqualToAFreshOne) {
  FixedMeasure m;
  TEditText grown(&m);
  grown.SetWrapWidth(70);
  std::u16string text;
  for (int i = 0; i < 40; ++i) {
    text += (i % 3 ? u"line 中文 number" : u"x") + std::u16string(i % 5, u'y') + u"\r\n";
    grown.SetText(text);
  }
  // Replacing a trailing CR by CR LF must join them into one break.
  text += u"tail\r";
  grown.SetText(text);
  text += u"\n";
  grown.SetText(text);
  TEditText fresh(&m);
  fresh.SetWrapWidth(70);
  fresh.SetText(text);
  ASSERT_EQ(Rows(grown), Rows(fresh));
  for (int i = 0; i < fresh.RowCount(); ++i) {
    EXPECT_EQ(grown.Row(i).BreakLength, fresh.Row(i).BreakLength);
    EXPECT_EQ(grown.Row(i).Width, fresh.Row(i).Width);
  }
  EXPECT_EQ(grown.LineCount(), fresh.LineCount());
  EXPECT_EQ(grown.LineCount(), 42);
}

TEST(EditText, LinesCountHardBreaksOnly) {
  FixedMeasure m;
  TEditText t(&m);
  t.SetWrapWidth(40);
  t.SetText(u"abcdefgh\r\nxy");
  EXPECT_EQ(t.RowCount(), 3);
  EXPECT_EQ(t.LineCount(), 2);
  EXPECT_EQ(t.LineStart(1), 10);
  EXPECT_EQ(t.LineLength(0), 8);
  EXPECT_EQ(t.LineLength(1), 2);
  EXPECT_EQ(t.LineOfOffset(9), 0);
  EXPECT_EQ(t.LineOfOffset(10), 1);
}

TEST(EditText, CaretMovesByCharacterRowAndText) {
  FixedMeasure m;
  TEditText t(&m);
  t.SetWrapWidth(40);
  // rows: "abcd" "efgh" / "xy" / "𝄞z"
  t.SetText(u"abcdefgh\r\nxy\r\n\U0001D11Ez");
  struct Step {
    TCaretMove move;
    int expected;
  } steps[] = {
      {TCaretMove::Right, 1},    {TCaretMove::Down, 5},     {TCaretMove::Down, 11},
      {TCaretMove::Down, 16},    {TCaretMove::Left, 14},    {TCaretMove::Left, 12},
      {TCaretMove::Left, 11},    {TCaretMove::Right, 12},   {TCaretMove::Right, 14},
      {TCaretMove::Right, 16},   {TCaretMove::RowHome, 14}, {TCaretMove::Up, 10},
      {TCaretMove::Up, 4},       {TCaretMove::RowEnd, 8},   {TCaretMove::RowHome, 4},
      {TCaretMove::TextEnd, 17}, {TCaretMove::TextHome, 0}, {TCaretMove::Up, 0},
  };
  for (const Step& s : steps) {
    t.MoveCaret(s.move, false);
    EXPECT_EQ(t.Caret(), s.expected) << static_cast<int>(s.move);
    EXPECT_EQ(t.Anchor(), t.Caret());
  }
  // The goal column survives a short row between two long ones.
  t.SetWrapWidth(0);
  t.SetText(u"abcdef\r\na\r\nabcdef");
  t.SetCaret(5, false);
  t.MoveCaret(TCaretMove::Down, false);
  EXPECT_EQ(t.Caret(), 9);
  t.MoveCaret(TCaretMove::Down, false);
  EXPECT_EQ(t.Caret(), 16);
}

TEST(EditText, SelectionExtendsCollapsesAndCopiesText) {
  FixedMeasure m;
  TEditText t(&m);
  t.SetText(u"one two\r\nthree");
  t.SetCaret(4, false);
  t.MoveCaret(TCaretMove::Right, true);
  t.MoveCaret(TCaretMove::Down, true);
  EXPECT_EQ(t.SelText(), u"two\r\nthree");
  t.MoveCaret(TCaretMove::Left, false);
  EXPECT_EQ(t.Caret(), 4);
  EXPECT_EQ(t.SelText(), u"");
  t.SelectWordAt(5);
  EXPECT_EQ(t.SelText(), u"two");
  t.MoveCaret(TCaretMove::WordRight, true);
  EXPECT_EQ(t.SelText(), u"two\r\n");
  t.SelectAll();
  EXPECT_EQ(t.SelText(), t.Text());
  // Offsets inside a CR LF pair or a surrogate pair snap before it.
  t.SetText(u"a\r\n\U0001D11E");
  t.SetSelection(2, 4);
  EXPECT_EQ(t.Anchor(), 1);
  EXPECT_EQ(t.Caret(), 3);
}

TEST(EditText, EditingReplacesSelectionAndDeletesWholeBreaks) {
  FixedMeasure m;
  TEditText t(&m);
  t.SetWrapWidth(40);
  t.SetText(u"ab\r\ncd");
  t.SetCaret(4, false);
  t.DeleteBackward();
  EXPECT_EQ(t.Text(), u"abcd");
  EXPECT_EQ(t.Caret(), 2);
  t.ReplaceSelection(u"XYZ\r\n");
  EXPECT_EQ(t.Text(), u"abXYZ\r\ncd");
  EXPECT_EQ(Rows(t), (R{u"abXY", u"Z", u"cd"}));
  t.SetCaret(5, false);
  t.DeleteForward();
  EXPECT_EQ(t.Text(), u"abXYZcd");
  EXPECT_EQ(Rows(t), (R{u"abXY", u"Zcd"}));
  t.SetCaret(0, false);
  t.DeleteBackward();
  t.SetCaret(7, false);
  t.DeleteForward();
  EXPECT_EQ(t.Text(), u"abXYZcd");
}

}  // namespace
}  // namespace z5t8::framework
