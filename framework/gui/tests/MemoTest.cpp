#include <gtest/gtest.h>

#include <memory>

#include "framework/gui/Bitmap.h"
#include "framework/gui/Clipboard.h"
#include "framework/gui/EditControl.h"
#include "framework/gui/Form.h"
#include "framework/gui/Memo.h"
#include "framework/gui/tests/GuiFixture.h"
#include "platform/gui/Caret.h"
#include "platform/gui/Input.h"
#include "platform/gui/ScrollBar.h"
#include "platform/gui/VirtualKeys.h"

namespace z5t8::framework {
namespace {

namespace pg = platform::gui;

class MemoIntegration : public GuiTest {
protected:
  void SetUp() override {
    GuiTest::SetUp();
    form = std::make_unique<TForm>(nullptr);
    form->SetBounds(10, 10, 400, 300);
    memo = new TMemo(form.get());
    memo->SetParent(form.get());
    memo->SetBounds(8, 8, 200, 150);
    memo->SetScrollBars(ssVertical);
    form->Show();
    Application()->ProcessMessages();
  }
  void TearDown() override {
    form.reset();
    GuiTest::TearDown();
  }
  std::u16string Lines(int n) {
    std::u16string text;
    for (int i = 0; i < n; ++i) text += u"line " + std::u16string(1, char16_t(u'A' + i % 26)) + u"\r\n";
    return text;
  }
  TEditControl& Edit() { return *memo->Edit(); }
  std::unique_ptr<TForm> form;
  TMemo* memo = nullptr;
};

TEST_F(MemoIntegration, WrapsToItsWidthAndKeepsTheText) {
  std::u16string text =
      u"The quick brown fox jumps over the lazy dog again and again "
      u"\u4E2D\u6587\u5B57\u5143\u6E2C\u8A66\u4E2D\u6587\u5B57\u5143\u6E2C\u8A66\u4E2D\u6587";
  memo->SetText(text);
  TEditText& t = Edit().Text();
  int width = Edit().FormatRect().width();
  ASSERT_GT(t.RowCount(), 2);
  std::u16string joined;
  for (int i = 0; i < t.RowCount(); ++i) {
    joined += t.Text().substr(t.Row(i).Start, t.Row(i).Length);
    std::u16string_view row(t.Text().data() + t.Row(i).Start, t.Row(i).Length);
    while (!row.empty() && row.back() == u' ') row.remove_suffix(1);
    EXPECT_LE(RealizeFont(*memo->Font()).textExtent(row).cx, width) << "row " << i;
  }
  EXPECT_EQ(joined, text);
  memo->SetWordWrap(false);
  ASSERT_NE(memo->Edit(), nullptr);
  EXPECT_EQ(memo->Edit()->Text().RowCount(), 1);
  EXPECT_EQ(memo->GetText(), text) << "the text survives a new window";
}

TEST_F(MemoIntegration, ScrollMessagesWheelAndScrollBarAgree) {
  memo->SetText(Lines(100));
  int visible = Edit().VisibleRows();
  ASSERT_GT(visible, 3);
  struct Step {
    pg::UINT msg;
    pg::WPARAM wParam;
    int expectedTop;
  } steps[] = {
      {pg::WM_VSCROLL, pg::SB_LINEDOWN, 1},
      {pg::WM_VSCROLL, pg::SB_PAGEDOWN, 1 + visible},
      {pg::WM_VSCROLL, pg::MAKEWPARAM(pg::SB_THUMBPOSITION, 50), 50},
      {pg::WM_VSCROLL, pg::SB_LINEUP, 49},
      {pg::WM_MOUSEWHEEL, pg::MAKEWPARAM(0, uint16_t(-pg::WHEEL_DELTA)), 52},
      {pg::WM_VSCROLL, pg::SB_BOTTOM, 101 - visible},
      {pg::WM_VSCROLL, pg::SB_LINEDOWN, 101 - visible},
      {pg::WM_VSCROLL, pg::SB_TOP, 0},
      {pg::WM_VSCROLL, pg::SB_LINEUP, 0},
  };
  for (const Step& s : steps) {
    memo->Perform(s.msg, s.wParam, 0);
    EXPECT_EQ(memo->Perform(EM_GETFIRSTVISIBLELINE), s.expectedTop);
    pg::SCROLLINFO si;
    si.fMask = pg::SIF_ALL;
    ASSERT_TRUE(pg::GetScrollInfo(memo->Handle(), pg::SB_VERT, &si));
    EXPECT_EQ(si.nPos, s.expectedTop);
    EXPECT_EQ(si.nMax, 100);
    EXPECT_EQ(int(si.nPage), visible);
  }
  pg::SCROLLBARINFO sbi;
  ASSERT_TRUE(pg::GetScrollBarInfo(memo->Handle(), pg::OBJID_VSCROLL, &sbi));
  EXPECT_FALSE(sbi.rgstate[0] & pg::STATE_SYSTEM_INVISIBLE);
  // A short text keeps the bar, disabled, as the edit always shows it.
  memo->SetText(u"short");
  ASSERT_TRUE(pg::GetScrollBarInfo(memo->Handle(), pg::OBJID_VSCROLL, &sbi));
  EXPECT_FALSE(sbi.rgstate[0] & pg::STATE_SYSTEM_INVISIBLE);
}

TEST_F(MemoIntegration, WithoutWrapALongLineScrollsSideways) {
  memo->SetWordWrap(false);
  memo->SetScrollBars(ssBoth);
  memo->SetText(std::u16string(200, u'x') + u"\r\nshort");
  ASSERT_EQ(Edit().Text().RowCount(), 2);
  auto pos = [&] {
    pg::SCROLLINFO si;
    si.fMask = pg::SIF_ALL;
    EXPECT_TRUE(pg::GetScrollInfo(memo->Handle(), pg::SB_HORZ, &si));
    return si.nPos;
  };
  memo->Perform(pg::WM_HSCROLL, pg::SB_LINERIGHT, 0);
  int step = pos();
  EXPECT_GT(step, 0);
  memo->Perform(pg::WM_HSCROLL, pg::SB_PAGERIGHT, 0);
  EXPECT_GT(pos(), step + 100);
  memo->Perform(pg::WM_HSCROLL, pg::SB_RIGHT, 0);
  int end = pos();
  memo->Perform(pg::WM_HSCROLL, pg::SB_LINERIGHT, 0);
  EXPECT_EQ(pos(), end) << "no scrolling past the longest line";
  memo->Perform(pg::WM_HSCROLL, pg::SB_LEFT, 0);
  EXPECT_EQ(pos(), 0);
  // The caret at the end of the long line brings it into view.
  memo->SetFocus();
  memo->Perform(EM_SETSEL, 200, 200);
  memo->Perform(EM_SCROLLCARET, 0, 0);
  EXPECT_GT(pos(), 0);
}

TEST_F(MemoIntegration, KeyboardAndMouseSelectThenCopy) {
  memo->SetText(u"alpha\r\nbeta\r\ngamma");
  memo->SetFocus();
  Application()->ProcessMessages();
  ASSERT_TRUE(memo->Focused());
  pg::headless::PressKey(pg::VK_SHIFT);
  pg::headless::TypeKey(pg::VK_DOWN);
  pg::headless::TypeKey(pg::VK_END);
  pg::headless::ReleaseKey(pg::VK_SHIFT);
  pg::headless::PressKey(pg::VK_CONTROL);
  pg::headless::TypeKey('C');
  pg::headless::ReleaseKey(pg::VK_CONTROL);
  Application()->ProcessMessages();
  EXPECT_EQ(Clipboard().AsText(), u"alpha\r\nbeta");
  // The caret stands after "beta" on the second row.
  pg::Point caret;
  ASSERT_TRUE(pg::GetCaretPos(&caret));
  EXPECT_EQ(caret.y, Edit().LineHeight());
  EXPECT_EQ(caret.x, Edit().FormatRect().left + RealizeFont(*memo->Font()).textExtent(u"beta").cx);
  // Double click selects a word; a drag from the first row into the third extends.
  TPoint origin = memo->ClientOrigin();
  int lh = Edit().LineHeight();
  pg::headless::DoubleClick(origin.x + 8, origin.y + lh + lh / 2);
  Application()->ProcessMessages();
  EXPECT_EQ(memo->SelText(), u"beta");
  pg::headless::MoveMouse(origin.x + 3, origin.y + lh / 2);
  pg::headless::PressButton();
  pg::headless::MoveMouse(origin.x + 200, origin.y + 2 * lh + lh / 2);
  pg::headless::ReleaseButton();
  Application()->ProcessMessages();
  EXPECT_EQ(memo->SelText(), u"alpha\r\nbeta\r\ngamma");
}

TEST_F(MemoIntegration, ReadOnlyRefusesEditsButNotNavigation) {
  memo->SetText(u"abc");
  memo->SetFocus();
  int changes = 0;
  memo->OnChange = [&](TObject*) { ++changes; };
  memo->SetReadOnly(true);
  pg::headless::TypeKey(pg::VK_END);
  pg::headless::TypeText(u"xy");
  pg::headless::TypeKey(pg::VK_BACK);
  Application()->ProcessMessages();
  EXPECT_EQ(memo->GetText(), u"abc");
  EXPECT_EQ(memo->SelStart(), 3);
  EXPECT_EQ(changes, 0);
  memo->SetReadOnly(false);
  pg::headless::TypeText(u"xy");
  pg::headless::TypeKey(pg::VK_BACK);
  pg::headless::TypeKey(pg::VK_RETURN);
  Application()->ProcessMessages();
  EXPECT_EQ(memo->GetText(), u"abcx\r\n");
  EXPECT_EQ(changes, 4);
}

TEST_F(MemoIntegration, AppendingRebuildsTextShowsTopAndNotifiesOnce) {
  int changes = 0;
  memo->OnChange = [&](TObject*) { ++changes; };
  memo->SetText(Lines(50));
  memo->Perform(pg::WM_VSCROLL, pg::SB_BOTTOM, 0);
  memo->SetText(memo->GetText() + u"\u627E\u5230COM5\r\n");
  EXPECT_EQ(changes, 2);
  EXPECT_EQ(memo->Lines()->Count(), 51);
  EXPECT_EQ(memo->Lines()->Get(50),
            "\xE6\x89\xBE\xE5\x88\xB0"
            "COM5");
  EXPECT_EQ(memo->Perform(EM_GETFIRSTVISIBLELINE), 0) << "a new text is shown from its start";
}

TEST_F(MemoIntegration, AsksForColoursAndPaintsIntoAnotherContext) {
  memo->SetReadOnly(true);
  memo->SetText(u"WWWW");
  int statics = 0, edits = 0;
  auto original = memo->WindowProc;
  memo->WindowProc = [&](TMessage& m) {
    if (m.Msg == CN_CTLCOLORSTATIC) ++statics;
    if (m.Msg == CN_CTLCOLOREDIT) ++edits;
    original(m);
  };
  TBitmap bitmap;
  bitmap.SetSize(memo->Width(), memo->Height());
  memo->PaintTo(bitmap.DC(), 0, 0);
  EXPECT_GT(statics, 0);
  EXPECT_EQ(edits, 0);
  // The client edge, the window-coloured background and dark text pixels.
  EXPECT_EQ(bitmap.Canvas()->Pixel(0, 0), ColorToRGB(clBtnShadow));
  EXPECT_EQ(bitmap.Canvas()->Pixel(memo->Width() - 20, memo->Height() - 20), ColorToRGB(clWindow));
  int dark = 0;
  for (int x = 2; x < 60; ++x)
    for (int y = 2; y < 20; ++y)
      if (bitmap.Canvas()->Pixel(x, y) != ColorToRGB(clWindow)) ++dark;
  EXPECT_GT(dark, 20);
  // The frame comes with the platform's scroll bar at the right.
  pg::SCROLLBARINFO sbi;
  ASSERT_TRUE(pg::GetScrollBarInfo(memo->Handle(), pg::OBJID_VSCROLL, &sbi));
  TPoint bar = memo->ScreenToClient({sbi.rcScrollBar.left, sbi.rcScrollBar.top});
  TPoint client = memo->ScreenToClient(memo->ClientOrigin());
  int face = 0;
  for (int x = bar.x - client.x + 2; x < bar.x - client.x + 2 + sbi.rcScrollBar.width(); ++x)
    for (int y = 2; y < memo->Height() - 2; ++y)
      face += bitmap.Canvas()->Pixel(x, y) == ColorToRGB(clBtnFace);
  EXPECT_GT(face, 100);
  memo->WindowProc = original;
}

}  // namespace
}  // namespace z5t8::framework
