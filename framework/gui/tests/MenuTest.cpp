#include <gtest/gtest.h>

#include <functional>
#include <memory>
#include <string>

#include "framework/gui/Form.h"
#include "framework/gui/ImageList.h"
#include "framework/gui/Menus.h"
#include "framework/gui/SystemMenuImages.h"
#include "framework/gui/Timer.h"
#include "framework/gui/tests/GuiFixture.h"
#include "platform/gui/Input.h"
#include "platform/gui/Paint.h"
#include "platform/gui/SystemMetrics.h"
#include "platform/gui/VirtualKeys.h"
#include "platform/gui/Window.h"

namespace z5t8::framework {
namespace {

namespace pg = platform::gui;
using namespace pg::headless;

TEST(ShortCutText, NamesModifiersAndKeys) {
  EXPECT_EQ(ShortCutToText(ShortCut(pg::VK_F4, {ssAlt})), u"Alt+F4");
  EXPECT_EQ(ShortCutToText(ShortCut('A', {ssCtrl, ssShift})), u"Shift+Ctrl+A");
  EXPECT_EQ(ShortCutToText(ShortCut(pg::VK_DELETE, {})), u"Del");
  EXPECT_EQ(ShortCutToText(scNone), u"");
  EXPECT_EQ(GetHotkey(u"Mi&nimize"), u'n');
  EXPECT_EQ(GetHotkey(u"Minimize to &Tray"), u't');
  EXPECT_EQ(GetHotkey(u"Save && &Quit"), u'q');
  EXPECT_EQ(GetHotkey(u"No key&"), 0);
  EXPECT_EQ(StripHotkey(u"Save && &Quit&"), u"Save & Quit");
}

TEST(SystemMenuImages, SixPicturesByNameOnTransparentGround) {
  const char* names[] = {"TE_FORM_CLOSE",   "TE_FORM_MINIMIZE", "TE_FORM_MAXIMIZE",
                         "TE_FORM_RESTORE", "TE_FORM_ROLLUP",   "te_form_tray"};
  for (const char* name : names) {
    TBitmap b;
    ASSERT_TRUE(LoadSystemMenuImage(name, b)) << name;
    EXPECT_EQ(b.Width(), 16);
    EXPECT_EQ(b.Height(), 16);
    int drawn = 0;
    for (int y = 0; y < 16; ++y)
      for (int x = 0; x < 16; ++x) drawn += (b.ScanLine(y)[x] & 0xFFFFFF) != 0xFF00FF;
    EXPECT_GT(drawn, 10) << name;
    EXPECT_LT(drawn, 128) << name << " leaves most of its square clear";
  }
  TBitmap none;
  EXPECT_FALSE(LoadSystemMenuImage("TE_FORM_HELP", none));
  TImageList list(nullptr);
  EXPECT_EQ(AddSystemMenuImages(list), 0);
  EXPECT_EQ(list.Count(), 6);
}

// The built-in system menu of a window, as a frame builds it.
class PopupMenuIntegration : public GuiTest {
protected:
  void SetUp() override {
    GuiTest::SetUp();
    form_.reset(new TForm(nullptr));
    form_->SetBounds(100, 100, 300, 200);
    form_->Show();
    Application()->ProcessMessages();
    images_ = std::make_unique<TImageList>(nullptr);
    AddSystemMenuImages(*images_);
    menu_ = std::make_unique<TPopupMenu>(nullptr);
    menu_->SetImages(images_.get());
    struct Def {
      const char16_t* caption;
      int image;
    };
    const Def defs[] = {{u"&Restore", 3},          {u"Mi&nimize", 1}, {u"Ma&ximize", 2}, {u"Ro&llup", 4},
                        {u"Minimize to &Tray", 5}, {u"-", -1},        {u"&Close", 0}};
    for (const Def& d : defs) {
      auto* item = new TMenuItem(nullptr);
      item->SetCaption(d.caption);
      item->SetImageIndex(d.image);
      item->OnClick = [this](TObject* sender) { clicked_ += static_cast<TMenuItem*>(sender)->Caption(); };
      menu_->Items()->Add(item);
    }
    item(6)->SetShortCut(ShortCut(pg::VK_F4, {ssAlt}));
  }
  void TearDown() override {
    menu_.reset();
    images_.reset();
    form_.reset();
    GuiTest::TearDown();
  }

  TMenuItem* item(int i) { return menu_->Items()->Items(i); }

  // Where an item of the last shown menu is on the screen.
  pg::Point itemPoint(int i) {
    TRect r = menu_->ItemRect(i);
    return {menu_->MenuBounds().left + r.left + 10, menu_->MenuBounds().top + (r.top + r.bottom) / 2};
  }

  std::unique_ptr<TForm> form_;
  std::unique_ptr<TImageList> images_;
  std::unique_ptr<TPopupMenu> menu_;
  std::u16string clicked_;
};

TEST_F(PopupMenuIntegration, ShowsAtThePointInAMenuWindowWithItsItemsLaidOut) {
  pg::HWND shown = nullptr;
  std::unique_ptr<TTimer> timer(new TTimer(nullptr));
  timer->SetInterval(10);
  timer->OnTimer = [&](TObject*) {
    timer->SetEnabled(false);
    shown = menu_->WindowHandle();
    ASSERT_TRUE(shown);
    EXPECT_TRUE(pg::IsWindowVisible(shown));
    EXPECT_TRUE(pg::IsMenuStyle(pg::DWORD(pg::GetWindowLongPtrW(shown, pg::GWL_STYLE)),
                                pg::DWORD(pg::GetWindowLongPtrW(shown, pg::GWL_EXSTYLE))));
    EXPECT_NE(pg::GetActiveWindow(), shown) << "the form stays active";
    pg::Rect r;
    pg::GetWindowRect(shown, &r);
    EXPECT_EQ(r, menu_->MenuBounds());
    menu_->CloseMenu();
  };
  menu_->Popup(150, 120);
  EXPECT_NE(shown, nullptr);
  EXPECT_FALSE(pg::IsWindow(shown)) << "the window goes with the menu";
  EXPECT_FALSE(menu_->Showing());
  EXPECT_EQ(clicked_, u"");
  TRect b = menu_->MenuBounds();
  EXPECT_EQ(b.left, 150);
  EXPECT_EQ(b.top, 120);
  // Items top to bottom inside the border; the separator is thinner.
  int top = 3;
  for (int i = 0; i < 7; ++i) {
    TRect r = menu_->ItemRect(i);
    EXPECT_EQ(r.top, top) << i;
    EXPECT_EQ(r.left, 3);
    EXPECT_EQ(r.right, b.width() - 3);
    top = r.bottom;
  }
  EXPECT_LT(menu_->ItemRect(5).height(), menu_->ItemRect(0).height());
  EXPECT_GE(menu_->ItemRect(0).height(), 20) << "room for a 16-pixel picture";
  EXPECT_EQ(b.height(), top + 3);
  // Hidden items take no place.
  item(0)->SetVisible(false);
  menu_->OnPopup = [&](TObject*) { timer->SetEnabled(true); };
  timer->OnTimer = [&](TObject*) {
    timer->SetEnabled(false);
    menu_->CloseMenu();
  };
  menu_->Popup(150, 120);
  EXPECT_TRUE(menu_->ItemRect(0).isEmpty());
  EXPECT_EQ(menu_->ItemRect(1).top, 3);
}

TEST_F(PopupMenuIntegration, OpensTowardsTheScreenWhereThePointIsNearItsEdge) {
  int sw = pg::GetSystemMetrics(pg::SM_CXSCREEN), sh = pg::GetSystemMetrics(pg::SM_CYSCREEN);
  TypeKey(pg::VK_ESCAPE);
  menu_->Popup(sw - 5, sh - 5);
  TRect b = menu_->MenuBounds();
  EXPECT_EQ(b.right, sw - 5);
  EXPECT_EQ(b.bottom, sh - 5);
}

TEST_F(PopupMenuIntegration, ChoosingByMouseKeysAndAcceleratorsAndClosingWithout) {
  // The layout is the same each time; learn it from a first showing.
  TypeKey(pg::VK_ESCAPE);
  menu_->Popup(200, 150);
  item(3)->SetEnabled(false);
  struct Case {
    const char* what;
    std::function<void()> input;
    std::u16string clicked;
  };
  const Case cases[] = {
      {"click on an item",
       [&] {
         pg::Point p = itemPoint(2);
         Click(p.x, p.y);
       },
       u"Ma&ximize"},
      {"press, slide and release on another item",
       [&] {
         pg::Point a = itemPoint(0), b = itemPoint(6);
         MoveMouse(a.x, a.y);
         PressButton();
         MoveMouse(b.x, b.y);
         ReleaseButton();
       },
       u"&Close"},
      {"right button", [&] { Click(itemPoint(1).x, itemPoint(1).y, 1); }, u"Mi&nimize"},
      {"down twice and Enter",
       [&] {
         TypeKey(pg::VK_DOWN);
         TypeKey(pg::VK_DOWN);
         TypeKey(pg::VK_RETURN);
       },
       u"Mi&nimize"},
      {"up from nothing is the last item, skipping lines",
       [&] {
         TypeKey(pg::VK_UP);
         TypeKey(pg::VK_UP);
         TypeKey(pg::VK_RETURN);
       },
       u"Minimize to &Tray"},
      {"accelerator", [&] { TypeText(u"n"); }, u"Mi&nimize"},
      {"accelerator in upper case", [&] { TypeText(u"X"); }, u"Ma&ximize"},
      {"Escape", [&] { TypeKey(pg::VK_ESCAPE); }, u""},
      {"Alt", [&] { TypeKey(pg::VK_MENU); }, u""},
      {"a press outside", [&] { Click(20, 20); }, u""},
      {"a disabled item, its accelerator, a line and a key no item has, then Escape",
       [&] {
         Click(itemPoint(3).x, itemPoint(3).y);
         TypeText(u"lq");
         Click(itemPoint(5).x, itemPoint(5).y);
         TypeKey(pg::VK_ESCAPE);
       },
       u""},
  };
  for (const Case& c : cases) {
    clicked_.clear();
    c.input();
    // Had the menu stayed open, this would choose.
    TypeText(u"c");
    menu_->Popup(200, 150);
    EXPECT_EQ(clicked_, c.clicked) << c.what;
    EXPECT_FALSE(menu_->Showing()) << c.what;
    Application()->ProcessMessages();
  }
}

TEST_F(PopupMenuIntegration, ThePressThatClosesItReachesNoWindowAndTheChoiceRunsAfterTheMenuIsGone) {
  int formClicks = 0;
  form_->OnMouseDown = [&](TObject*, TMouseButton, TShiftState, int, int) { ++formClicks; };
  TPoint o = form_->ClientOrigin();
  Click(o.x + 280, o.y + 150);
  TypeText(u"c");
  menu_->Popup(o.x + 5, o.y + 5);
  EXPECT_EQ(clicked_, u"");
  Application()->ProcessMessages();
  EXPECT_EQ(formClicks, 0);

  bool menuShowingInClick = true;
  item(6)->OnClick = [&](TObject*) { menuShowingInClick = menu_->Showing(); };
  TypeText(u"c");
  menu_->Popup(o.x + 5, o.y + 5);
  EXPECT_FALSE(menuShowingInClick);
}

TEST_F(PopupMenuIntegration, AMenuFreedWhileItShowsEndsItsLoop) {
  std::unique_ptr<TTimer> timer(new TTimer(nullptr));
  timer->SetInterval(10);
  timer->OnTimer = [&](TObject*) {
    timer->SetEnabled(false);
    menu_.reset();
  };
  menu_->Popup(100, 100);
  EXPECT_EQ(menu_, nullptr);
  EXPECT_EQ(clicked_, u"");
}

// From the notification area the menu opens with no window of the program
// active; the keys still reach it.
TEST_F(PopupMenuIntegration, KeysReachAMenuOpenedWhileNoWindowIsActive) {
  form_->Hide();
  Application()->ProcessMessages();
  ASSERT_EQ(pg::GetActiveWindow(), nullptr);
  TypeKey(pg::VK_END);
  TypeKey(pg::VK_RETURN);
  menu_->Popup(600, 700);
  EXPECT_EQ(clicked_, u"&Close");
}

}  // namespace
}  // namespace z5t8::framework
