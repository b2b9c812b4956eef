#include <gtest/gtest.h>

#include <memory>
#include <string>
#include <vector>

#include "framework/Properties.h"
#include "framework/gui/Button.h"
#include "framework/gui/Form.h"
#include "framework/gui/Label.h"
#include "framework/gui/Memo.h"
#include "framework/gui/ProgressBar.h"
#include "framework/gui/Timer.h"
#include "framework/gui/tests/GuiFixture.h"
#include "framework/Writer.h"
#include "platform/gui/Input.h"
#include "platform/gui/VirtualKeys.h"

namespace z5t8::framework {
namespace {

namespace pg = platform::gui;

std::vector<std::string>* gEvents = nullptr;

// Records when Loaded runs, to check it comes after every property of the layout.
class TLoggingLabel : public TLabel {
  Z5T8_CLASS(TLoggingLabel, TLabel)
public:
  using TLabel::TLabel;
  void Loaded() override {
    TLabel::Loaded();
    if (gEvents) gEvents->push_back("Loaded " + Name() + " " + std::to_string(Left()));
  }
};

Z5T8_IMPLEMENT_CLASS(TLoggingLabel, TLabel) {}

class TLayoutForm : public TForm {
  Z5T8_CLASS(TLayoutForm, TForm)
public:
  explicit TLayoutForm(TComponent* owner) : TForm(owner) { Events.push_back("constructor"); }
  TLoggingLabel* Label1 = nullptr;
  TProgressBar* ProgressBar1 = nullptr;
  TMemo* Memo1 = nullptr;
  TButton* Button1 = nullptr;
  std::vector<std::string> Events;
  int Clicks = 0;
  void FormCreate(TObject*) {
    Events.push_back(std::string("OnCreate ") +
                     (Label1 && Memo1 && Button1 && ProgressBar1 ? "with fields" : "without"));
  }
  void Button1Click(TObject* sender) { Clicks += sender == Button1 ? 1 : 100; }
  void FormClose(TObject*, TCloseAction& action) {
    Events.push_back("OnClose");
    action = caFree;
  }
};

Z5T8_IMPLEMENT_CLASS(TLayoutForm, TForm) {
  p.Field("Label1", &TLayoutForm::Label1);
  p.Field("ProgressBar1", &TLayoutForm::ProgressBar1);
  p.Field("Memo1", &TLayoutForm::Memo1);
  p.Field("Button1", &TLayoutForm::Button1);
  p.Method("FormCreate", &TLayoutForm::FormCreate);
  p.Method("Button1Click", &TLayoutForm::Button1Click);
  p.Method("FormClose", &TLayoutForm::FormClose);
}

const char* const Layout = R"(object LayoutForm: TLayoutForm
  Left = 40
  Top = 30
  BorderStyle = bsSingle
  Caption = 'Layout '#20013#25991
  ClientHeight = 200
  ClientWidth = 300
  Color = clBtnFace
  Font.Charset = DEFAULT_CHARSET
  Font.Color = clWindowText
  Font.Height = -11
  Font.Name = 'MS Sans Serif'
  Font.Style = []
  OldCreateOrder = False
  OnClose = FormClose
  OnCreate = FormCreate
  PixelsPerInch = 96
  TextHeight = 13
  object Label1: TLoggingLabel
    Left = 8
    Top = 8
    Width = 60
    Height = 13
    Caption = 'Label'
  end
  object ProgressBar1: TProgressBar
    Left = 8
    Top = 180
    Width = 284
    Height = 12
    Anchors = [akLeft, akTop, akRight]
    Max = 50
    TabOrder = 0
  end
  object Memo1: TMemo
    Left = 8
    Top = 28
    Width = 200
    Height = 120
    Lines.Strings = (
      'one'
      'two')
    ReadOnly = True
    ScrollBars = ssVertical
    TabOrder = 1
  end
  object Button1: TButton
    Left = 216
    Top = 28
    Width = 75
    Height = 25
    Caption = '&Go'
    Default = True
    TabOrder = 2
    OnClick = Button1Click
  end
end
)";

class FormIntegration : public GuiTest {
protected:
  void SetUp() override {
    GuiTest::SetUp();
    RegisterClasses({&TLayoutForm::StaticClass(), &TLoggingLabel::StaticClass()});
    AddLayout("TLAYOUTFORM", Layout);
  }
};

TEST_F(FormIntegration, LayoutBindsFieldsAndEventsThenRunsOnCreate) {
  std::vector<std::string> events;
  gEvents = &events;
  std::unique_ptr<TLayoutForm> form(TCustomForm::CreateForm<TLayoutForm>(nullptr));
  gEvents = nullptr;
  ASSERT_TRUE(form->Label1 && form->ProgressBar1 && form->Memo1 && form->Button1);
  EXPECT_EQ(form->Label1->Parent(), form.get());
  EXPECT_EQ(form->Label1->Owner(), form.get());
  // Loaded comes once the whole layout is read, and OnCreate after the constructor.
  EXPECT_EQ(events, (std::vector<std::string>{"Loaded Label1 8"}));
  EXPECT_EQ(form->Events, (std::vector<std::string>{"constructor", "OnCreate with fields"}));
  EXPECT_EQ(form->GetText(), u"Layout \u4E2D\u6587");
  EXPECT_EQ(form->ClientWidth(), 300);
  EXPECT_EQ(form->ClientHeight(), 200);
  EXPECT_EQ(form->Memo1->Lines()->Count(), 2);
  EXPECT_EQ(form->Memo1->Lines()->Get(1), "two");
  EXPECT_EQ(form->ProgressBar1->Max(), 50);
  EXPECT_TRUE(form->Memo1->ReadOnly());
  EXPECT_EQ(form->Memo1->Font()->Name(), "MS Sans Serif");
  form->Button1->Click();
  EXPECT_EQ(form->Clicks, 1);
}

// A written form keeps its controls first, then the components it owns without a parent,
// as stored layouts hold them.
TEST_F(FormIntegration, WrittenFormKeepsItsNonVisualComponentsAfterItsControls) {
  std::unique_ptr<TLayoutForm> form(TCustomForm::CreateForm<TLayoutForm>(nullptr));
  auto* timer = new TTimer(form.get());
  timer->SetName("Timer1");
  TMemoryStream stream;
  WriteComponent(stream, form.get());
  std::string text = ObjectBinaryToText(std::string(stream.Bytes().begin(), stream.Bytes().end()));
  size_t button = text.find("  object Button1: TButton");
  size_t timerAt = text.find("  object Timer1: TTimer");
  ASSERT_NE(button, std::string::npos);
  ASSERT_NE(timerAt, std::string::npos) << text;
  EXPECT_LT(button, timerAt);
  EXPECT_EQ(text.find("object Timer1", timerAt + 3), std::string::npos) << "written once";
}

TEST_F(FormIntegration, ShownFormKeepsClientSizeAnchorsAndClosesThroughOnClose) {
  auto* form = TCustomForm::CreateForm<TLayoutForm>(nullptr);
  form->Show();
  Application()->ProcessMessages();
  ASSERT_TRUE(form->HandleAllocated());
  pg::Rect client;
  pg::GetClientRect(form->Handle(), &client);
  EXPECT_EQ(client.width(), 300);
  EXPECT_EQ(client.height(), 200);
  form->SetClientWidth(340);
  EXPECT_EQ(form->ProgressBar1->Width(), 324) << "right anchor keeps the gap";
  EXPECT_EQ(form->Memo1->Width(), 200);
  // The active control starts as the first tab stop.
  EXPECT_EQ(form->ActiveControl(), form->Memo1);
  EXPECT_TRUE(form->Memo1->Focused());
  bool destroyed = false;
  form->OnDestroy = [&](TObject*) { destroyed = true; };
  form->Close();
  Application()->ProcessMessages();
  EXPECT_TRUE(destroyed) << "caFree releases the form";
}

TEST_F(FormIntegration, TabShiftTabEnterAndAcceleratorsMoveFocusAndClick) {
  std::unique_ptr<TLayoutForm> form(TCustomForm::CreateForm<TLayoutForm>(nullptr));
  form->Show();
  Application()->ProcessMessages();
  ASSERT_TRUE(form->Memo1->Focused());
  pg::headless::TypeKey(pg::VK_TAB);
  Application()->ProcessMessages();
  EXPECT_TRUE(form->Button1->Focused());
  pg::headless::PressKey(pg::VK_SHIFT);
  pg::headless::TypeKey(pg::VK_TAB);
  pg::headless::ReleaseKey(pg::VK_SHIFT);
  Application()->ProcessMessages();
  EXPECT_TRUE(form->Memo1->Focused()) << "the progress bar is no tab stop";
  // The memo wants Enter for itself; on the button Enter clicks.
  pg::headless::TypeKey(pg::VK_RETURN);
  Application()->ProcessMessages();
  EXPECT_EQ(form->Clicks, 0);
  form->Button1->SetFocus();
  pg::headless::TypeKey(pg::VK_RETURN);
  Application()->ProcessMessages();
  EXPECT_EQ(form->Clicks, 1);
  // Alt+G is the button's accelerator.
  form->Memo1->SetFocus();
  pg::headless::PressKey(pg::VK_MENU);
  pg::headless::TypeKey('G');
  pg::headless::ReleaseKey(pg::VK_MENU);
  Application()->ProcessMessages();
  EXPECT_EQ(form->Clicks, 2);
  EXPECT_TRUE(form->Button1->Focused());
}

TEST_F(FormIntegration, LayoutMadeAtAnotherPixelDensityIsScaledToTheScreen) {
  std::string layout = Layout;
  layout.replace(layout.find("PixelsPerInch = 96"), 18, "PixelsPerInch = 120");
  AddLayout("TLAYOUTFORM", layout);
  std::unique_ptr<TLayoutForm> form(TCustomForm::CreateForm<TLayoutForm>(nullptr));
  EXPECT_EQ(form->PixelsPerInch(), 96);
  EXPECT_EQ(form->ClientWidth(), 240);
  EXPECT_EQ(form->ClientHeight(), 160);
  EXPECT_EQ(form->Memo1->BoundsRect(), Bounds(6, 22, 160, 96));
  EXPECT_EQ(form->Button1->Left(), 173);
}

}  // namespace
}  // namespace z5t8::framework

namespace z5t8::framework {
namespace {

class WindowedChildIntegration : public GuiTest {};

TEST_F(WindowedChildIntegration, DeletedWindowedChildLeavesItsParentsLists) {
  TForm form(nullptr);
  form.SetBounds(10, 10, 300, 200);
  auto* first = new TButton(&form);
  first->SetParent(&form);
  auto* second = new TButton(&form);
  second->SetParent(&form);
  second->SetTop(40);
  form.Show();
  Application()->ProcessMessages();
  delete first;
  EXPECT_EQ(form.ControlCount(), 1);
  std::vector<TWinControl*> tabs;
  form.GetTabOrderList(tabs);
  ASSERT_EQ(tabs.size(), 1u);
  EXPECT_EQ(tabs[0], second);
  form.SelectNext(second, true, true);
  Application()->ProcessMessages();
}

}  // namespace
}  // namespace z5t8::framework
