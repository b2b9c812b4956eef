#include <gtest/gtest.h>

#include <memory>

#include "framework/gui/Dialogs.h"
#include "framework/gui/Screen.h"
#include "framework/gui/tests/GuiFixture.h"
#include "platform/gui/Input.h"
#include "platform/gui/VirtualKeys.h"

namespace z5t8::framework {
namespace {

namespace pg = platform::gui;

class DialogsIntegration : public GuiTest {};

TEST_F(DialogsIntegration, EnterOrEscapeEndsTheModalBox) {
  for (int key : {pg::VK_RETURN, pg::VK_ESCAPE, pg::VK_SPACE}) {
    pg::headless::TypeKey(key);
    EXPECT_EQ(MessageBox(u"\u66F4\u65B0\u5B8C\u6210.", u"Title"), mrOk) << key;
    EXPECT_EQ(Screen()->FormCount(), 0) << "the box is freed";
  }
}

TEST_F(DialogsIntegration, BoxIsSizedToItsTextAndCentred) {
  std::unique_ptr<TCustomForm> small(CreateMessageForm(u"OK?", u""));
  std::unique_ptr<TCustomForm> wide(CreateMessageForm(std::u16string(60, u'W'), u""));
  std::unique_ptr<TCustomForm> tall(CreateMessageForm(u"a\r\nb\r\nc\r\nd", u""));
  EXPECT_GT(wide->ClientWidth(), small->ClientWidth() + 200);
  EXPECT_GT(tall->ClientHeight(), small->ClientHeight() + 30);
  // A text wider than half the screen wraps instead of growing further.
  std::u16string words;
  for (int i = 0; i < 100; ++i) words += u"word ";
  std::unique_ptr<TCustomForm> wrapped(CreateMessageForm(words, u""));
  EXPECT_LE(wrapped->Width(), Screen()->Width() / 2 + 40);
  EXPECT_GT(wrapped->ClientHeight(), small->ClientHeight());
  wrapped->Show();
  int cx = wrapped->Left() + wrapped->Width() / 2, cy = wrapped->Top() + wrapped->Height() / 2;
  EXPECT_NEAR(cx, Screen()->Width() / 2, 1);
  EXPECT_NEAR(cy, Screen()->Height() / 2, 1);
}

TEST_F(DialogsIntegration, BoxIsWideEnoughForItsWholeCaption) {
  std::unique_ptr<TCustomForm> plain(CreateMessageForm(u"OK?", u""));
  std::unique_ptr<TCustomForm> titled(CreateMessageForm(u"OK?", u"z5t8-updater: a caption longer than the text"));
  EXPECT_GT(titled->ClientWidth(), plain->ClientWidth() + 150);
}

TEST_F(DialogsIntegration, ModalBoxDisablesOtherFormsUntilClosed) {
  std::unique_ptr<TForm> main(new TForm(nullptr));
  main->Show();
  Application()->ProcessMessages();
  bool disabledDuring = false;
  std::unique_ptr<TCustomForm> box(CreateMessageForm(u"x", u""));
  box->OnShow = [&](TObject*) { disabledDuring = !pg::IsWindowEnabled(main->Handle()); };
  pg::headless::TypeKey(pg::VK_RETURN);
  EXPECT_EQ(box->ShowModal(), mrOk);
  EXPECT_TRUE(disabledDuring);
  EXPECT_TRUE(pg::IsWindowEnabled(main->Handle()));
  EXPECT_FALSE(box->Visible());
}

}  // namespace
}  // namespace z5t8::framework
