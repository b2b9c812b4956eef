#include <gtest/gtest.h>

#include <memory>
#include <string>
#include <vector>

#include "framework/MemoryStream.h"
#include "framework/Properties.h"
#include "framework/Resources.h"
#include "framework/TextForm.h"
#include "framework/Writer.h"
#include "framework/gui/Action.h"
#include "framework/gui/Bitmap.h"
#include "framework/gui/ImageList.h"
#include "framework/gui/Menus.h"
#include "framework/gui/Registration.h"
#include "platform/gui/Messages.h"
#include "platform/gui/WindowTypes.h"
#include "skin/controls/Button.h"
#include "skin/controls/Registration.h"
#include "skin/controls/tests/ControlsFixture.h"
#include "skin/render/CanvasDrawing.h"

namespace z5t8::skin::controls {
namespace {

namespace fw = framework;
using fw::TObject;

// A window whose buttons take an action from its layout.
class TActionWindow : public fw::TForm {
  Z5T8_CLASS(TActionWindow, fw::TForm)
public:
  using fw::TForm::TForm;
  fw::TAction* Save = nullptr;
  TTeButton* Button1 = nullptr;
  TTeButton* Button2 = nullptr;
  fw::TPopupMenu* Menu1 = nullptr;
  std::vector<TObject*> Saves;
  std::vector<TObject*> OwnClicks;
  void SaveExecute(TObject* sender) { Saves.push_back(sender); }
  void Button2Click(TObject* sender) { OwnClicks.push_back(sender); }
};

Z5T8_IMPLEMENT_CLASS(TActionWindow, fw::TForm) {
  p.Field("Save", &TActionWindow::Save);
  p.Field("Button1", &TActionWindow::Button1);
  p.Field("Button2", &TActionWindow::Button2);
  p.Field("Menu1", &TActionWindow::Menu1);
  p.Method("SaveExecute", &TActionWindow::SaveExecute);
  p.Method("Button2Click", &TActionWindow::Button2Click);
}

// Remembers where it was asked to open instead of opening.
class TRecordingMenu : public fw::TPopupMenu {
public:
  using fw::TPopupMenu::TPopupMenu;
  std::vector<pg::Point> Opened;
  void Popup(int x, int y) override { Opened.push_back({x, y}); }
};

class ButtonActionIntegration : public ControlsTest {};

// The second button sets its own caption, state and click handler; reading the
// layout must keep them, while the first takes all of them from the action.
TEST_F(ButtonActionIntegration, ALayoutLinksTheActionAndKeepsWhatAButtonSetItself) {
  fw::RegisterFrameworkClasses();
  RegisterSkinControlClasses();
  fw::RegisterClass(TActionWindow::StaticClass());
  AddLayout("TACTIONWINDOW", R"(object ActionWindow: TActionWindow
  Left = 40
  Top = 40
  Caption = 'Actions'
  ClientHeight = 200
  ClientWidth = 300
  object Menu1: TPopupMenu
  end
  object Actions1: TActionList
    object Save: TAction
      Caption = '&Save'
      Hint = 'Saves the log'
      OnExecute = SaveExecute
    end
  end
  object Button1: TTeButton
    Left = 10
    Top = 10
    Width = 120
    Height = 30
    Action = Save
  end
  object Button2: TTeButton
    Left = 10
    Top = 60
    Width = 120
    Height = 30
    Action = Save
    Caption = 'Mine'
    Enabled = False
    OnClick = Button2Click
    PopupMenu = Menu1
  end
end
)");
  std::unique_ptr<TActionWindow> window(fw::TCustomForm::CreateForm<TActionWindow>(nullptr));
  ASSERT_NE(window->Save, nullptr);
  EXPECT_NE(window->Save->ActionList(), nullptr) << "read as a child of its list";
  EXPECT_EQ(window->Save->ClientCount(), 2);
  EXPECT_EQ(window->Button1->Action(), window->Save);
  EXPECT_EQ(window->Button1->Caption(), u"&Save");
  EXPECT_EQ(window->Button1->Hint(), u"Saves the log");
  EXPECT_EQ(window->Button2->Caption(), u"Mine");
  EXPECT_FALSE(window->Button2->Enabled());
  EXPECT_EQ(window->Button2->Hint(), u"Saves the log") << "an empty hint is a default";
  EXPECT_EQ(window->Button2->PopupMenu(), window->Menu1);

  window->Show();
  Pump();
  Press(window->Button1, 20, 15);
  Release();
  ASSERT_EQ(window->Saves.size(), 1u);
  EXPECT_EQ(window->Saves[0], window->Save) << "the handler runs as the action's";
  window->Button2->SetEnabled(true);
  window->Button2->Click();
  EXPECT_EQ(window->OwnClicks, std::vector<TObject*>{window->Button2});
  EXPECT_EQ(window->Saves.size(), 1u);

  // Later changes reach what a button took from the action, not what it set itself.
  window->Save->SetCaption(u"Keep");
  window->Save->SetHint(u"Keeps the log");
  EXPECT_EQ(window->Button1->Caption(), u"Keep");
  EXPECT_EQ(window->Button2->Caption(), u"Mine");
  EXPECT_EQ(window->Button2->Hint(), u"Keeps the log");
  window->Button2->Click();
  EXPECT_EQ(window->OwnClicks.size(), 2u) << "its own click handler stays";

  // Written back, the action sits in its list and the buttons name it.
  fw::TMemoryStream binary;
  fw::WriteComponent(binary, window.get());
  std::string text = fw::ObjectBinaryToText(
      std::string_view(reinterpret_cast<const char*>(binary.Memory()), size_t(binary.Size())));
  size_t list = text.find("object Actions1: TActionList");
  size_t action = text.find("object Save: TAction");
  ASSERT_NE(list, std::string::npos) << text;
  EXPECT_GT(action, list) << text;
  EXPECT_NE(text.find("Action = Save"), std::string::npos) << text;
  EXPECT_NE(text.find("PopupMenu = Menu1"), std::string::npos) << text;
  EXPECT_EQ(text.find("OnClick = SaveExecute"), std::string::npos) << "the action stores its handler";
  EXPECT_NE(text.find("OnClick = Button2Click"), std::string::npos) << text;
}

class ButtonActionLook : public ControlsTest {
protected:
  void SetUp() override {
    ControlsTest::SetUp();
    images = new fw::TImageList(form.get());
    fw::TBitmap strip;
    strip.SetSize(32, 16);
    render::FillRect(strip.Canvas(), fw::Rect(0, 0, 16, 16), fw::TColor(0x000000C8));
    render::FillRect(strip.Canvas(), fw::Rect(16, 0, 32, 16), fw::TColor(0x00C80000));
    images->AddMasked(strip, fw::clFuchsia);
    list = new fw::TActionList(form.get());
    list->SetImages(images);
    action = new fw::TAction(form.get());
    action->SetActionList(list);
    action->SetImageIndex(0);
    button = new TTeButton(form.get());
    button->SetParent(form.get());
    button->SetBounds(10, 10, 100, 40);
    button->SetTabStop(false);
    button->SetAction(action);
  }
  int Count(uint32_t rgb) { return CountIn(button, rgb); }
  fw::TImageList* images = nullptr;
  fw::TActionList* list = nullptr;
  fw::TAction* action = nullptr;
  TTeButton* button = nullptr;
};

TEST_F(ButtonActionLook, TheActionsPictureIsTheGlyphOnlyWhenTheButtonHasNone) {
  Show();
  EXPECT_EQ(Count(0xC80000), 256) << "the action's image 0";
  action->SetImageIndex(1);
  Pump();
  EXPECT_EQ(Count(0xC80000), 0);
  EXPECT_EQ(Count(0x0000C8), 256) << "the action's new image, at once";
  action->SetImageIndex(2);
  Pump();
  EXPECT_EQ(Count(0x0000C8), 0) << "an index beyond the list gives no glyph";

  // The button's own image list, then its own glyph, come first.
  action->SetImageIndex(0);
  auto* own = new fw::TImageList(form.get());
  fw::TBitmap green;
  green.SetSize(16, 16);
  render::FillRect(green.Canvas(), fw::Rect(0, 0, 16, 16), fw::TColor(0x0000C800));
  own->AddMasked(green, fw::clFuchsia);
  button->SetImages(own);
  button->SetImageIndex(0);
  Pump();
  EXPECT_EQ(Count(0x00C800), 256);
  EXPECT_EQ(Count(0xC80000), 0);
  fw::TBitmap glyph;
  glyph.SetSize(8, 8);
  render::FillRect(glyph.Canvas(), fw::Rect(0, 0, 8, 8), fw::TColor(0x00808000));
  render::FillRect(glyph.Canvas(), fw::Rect(0, 7, 1, 8), fw::TColor(0x0000FF00));
  button->SetGlyph(&glyph);
  Pump();
  EXPECT_EQ(Count(0x008080), 63);
  EXPECT_EQ(Count(0x00C800), 0);
}

TEST_F(ButtonActionLook, APopupMenuOpensWhereTheRightButtonWasReleasedOrOverTheButton) {
  auto* menu = new TRecordingMenu(form.get());
  button->SetPopupMenu(menu);
  Show();
  MoveTo(button, 30, 12);
  hl::PressButton(1);
  Pump();
  hl::ReleaseButton(1);
  Pump();
  pg::Point released = ScreenOf(button, 30, 12);
  ASSERT_EQ(menu->Opened.size(), 1u);
  EXPECT_EQ(menu->Opened[0].x, released.x);
  EXPECT_EQ(menu->Opened[0].y, released.y);

  // The menu key gives no point: the menu opens over the middle of the button.
  button->Perform(pg::WM_CONTEXTMENU, 0, pg::pointToLParam({-1, -1}));
  pg::Point middle = ScreenOf(button, 50, 20);
  ASSERT_EQ(menu->Opened.size(), 2u);
  EXPECT_EQ(menu->Opened[1].x, middle.x);
  EXPECT_EQ(menu->Opened[1].y, middle.y);

  // A menu that goes is forgotten; a right click then opens nothing.
  delete menu;
  EXPECT_EQ(button->PopupMenu(), nullptr);
  EXPECT_EQ(button->Perform(pg::WM_CONTEXTMENU, 0, pg::pointToLParam({-1, -1})), 0);
}

}  // namespace
}  // namespace z5t8::skin::controls
