#include <gtest/gtest.h>

#include <map>
#include <memory>

#include "framework/Properties.h"
#include "platform/gui/Region.h"
#include "platform/gui/SystemMetrics.h"
#include "platform/gui/VirtualKeys.h"
#include "framework/TextForm.h"
#include "framework/gui/Button.h"
#include "framework/gui/Dialogs.h"
#include "framework/gui/Screen.h"
#include "framework/Resources.h"
#include "skin/controls/Button.h"
#include "skin/controls/Form.h"
#include "skin/controls/Registration.h"
#include "skin/controls/tests/FrameFixture.h"
#include "skin/controls/tests/RoundedTopTheme.h"
#include "skin/render/CanvasDrawing.h"
#include "skin/theme/CustomThemeLink.h"
#include "skin/theme/ThemeInfo.h"
#include "skin/theme/ThemeManager.h"

namespace z5t8::skin::controls::testing {
namespace {

using namespace theme;

// The rounded test window, with a record of how each caption button was drawn.
class TFrameTestTheme : public TRoundedTopTheme {
  Z5T8_CLASS(TFrameTestTheme, TRoundedTopTheme)
  Z5T8_THEME_CLASS(TFrameTestTheme)
public:
  std::string Name = "default";
  std::map<TteWindowButtonClass, TteWindowButtonDrawState> Drawn;
  bool IsWindowDefined(TteWindowSubclass, const std::string& name) override { return name == Name; }
  void WindowDrawButton(TteWindowSubclass subclass, fw::TCanvas* canvas, const TteWindowButtonInfo& info,
                        const std::string& name) override {
    Drawn[info.ButtonClass] = info.DrawState;
    TteTheme::WindowDrawButton(subclass, canvas, info, name);
  }
};

Z5T8_IMPLEMENT_CLASS(TFrameTestTheme, TRoundedTopTheme) {}

class TFrameTestLink : public TteCustomThemeLink {
  Z5T8_CLASS(TFrameTestLink, TteCustomThemeLink)
public:
  using TteCustomThemeLink::TteCustomThemeLink;
  std::unique_ptr<TFrameTestTheme> Theme = std::make_unique<TFrameTestTheme>();
  TteTheme* GetTheme() override { return Theme.get(); }
};

Z5T8_IMPLEMENT_CLASS(TFrameTestLink, TteCustomThemeLink) {}

class ThemedFormIntegration : public FrameTest<TTeForm> {
protected:
  void MakeLinked(const std::string& objectName = "default") {
    link = new TFrameTestLink(nullptr);
    link->Theme->Name = objectName;
    Make(100, 100, 378, 397, false, [&](TTeForm* f) { f->SetThemeLink(link); });
  }
  void TearDown() override {
    FrameTest<TTeForm>::TearDown();
    delete link;
  }
  TFrameTestLink* link = nullptr;
};

TEST_F(ThemedFormIntegration, TheClientAreaKeepsItsSizeUnderTheThemedFrame) {
  MakeLinked();
  EXPECT_EQ(form->ClientWidth(), 370);
  EXPECT_EQ(form->ClientHeight(), 370);
  EXPECT_EQ(form->Width(), 382);
  EXPECT_EQ(form->Height(), 406);
  EXPECT_EQ(frame->GetClientBounds(), (TRect{6, 30, 376, 400}));
  EXPECT_TRUE(pg::SnapshotWindow(hwnd(), "/tmp/ff-themed.png"));
}

TEST_F(ThemedFormIntegration, TheThemesRegionShapesTheWindow) {
  MakeLinked();
  pg::Region region;
  ASSERT_NE(pg::GetWindowRgn(hwnd(), region), pg::RGN_ERROR);
  EXPECT_FALSE(region.contains({0, 0})) << "the rounded corner is outside";
  EXPECT_FALSE(region.contains({381, 0}));
  EXPECT_TRUE(region.contains({20, 0}));
  EXPECT_TRUE(region.contains({0, 405}));
}

// The shape belongs to the frame: a window made again, or a frame turned off
// and on, comes back rounded; without the frame the window has the platform's
// frame and no shape.
TEST_F(ThemedFormIntegration, TheShapeFollowsTheFrameThroughReCreationActiveAndItsEnd) {
  MakeLinked();
  auto shaped = [&](const char* when) {
    pg::Region region;
    ASSERT_NE(pg::GetWindowRgn(hwnd(), region), pg::RGN_ERROR) << when;
    EXPECT_FALSE(region.contains({0, 0})) << when;
    EXPECT_TRUE(region.contains({20, 0})) << when;
    pg::Rect client;
    pg::GetClientRect(hwnd(), &client);
    EXPECT_EQ(client.width(), 370) << when;
  };
  auto plain = [&](const char* when) {
    pg::Region region;
    EXPECT_EQ(pg::GetWindowRgn(hwnd(), region), pg::RGN_ERROR) << when << ": no shape";
    pg::Rect client;
    pg::GetClientRect(hwnd(), &client);
    EXPECT_EQ(client.width(), form->Width() - 2 * pg::GetSystemMetrics(pg::SM_CXFRAME))
        << when << ": the platform's frame";
  };
  shaped("at first");
  pg::HWND old = hwnd();
  form->RecreateWnd();
  pump();
  ASSERT_NE(hwnd(), old);
  shaped("after the window was made again");
  frame->SetActive(false);
  pump();
  plain("inactive");
  frame->SetActive(true);
  pump();
  shaped("active again");
  delete frame;
  frame = nullptr;
  pump();
  plain("without the frame");
}

TEST_F(ThemedFormIntegration, HitTestAndButtonsComeFromTheTheme) {
  MakeLinked();
  // The base theme's geometry over this theme's client rectangle.
  TRect close = frame->GetCaptionButtonRect(kbiClose);
  EXPECT_EQ(close, (TRect{353, 4, 375, 29}));
  EXPECT_EQ(frame->GetHitTest(close.left + 3, close.top + 3), kwhtCloseButton);
  EXPECT_EQ(hitAt(close.left + 3, close.top + 3), pg::HTCLOSE);
  EXPECT_EQ(hitAt(100, 12), pg::HTCAPTION);
  EXPECT_EQ(hitAt(2, 200), pg::HTLEFT);
  EXPECT_EQ(frame->GetMaximizedRect(), (TRect{0, 0, 1024, 738}))
      << "a themed frame fills the work area as it is";
}

TEST_F(ThemedFormIntegration, DeactivationDrawsEveryCaptionButtonInactive) {
  MakeLinked();
  link->Theme->Drawn.clear();
  frame->UpdateNonClientArea();
  ASSERT_FALSE(link->Theme->Drawn.empty());
  for (auto [cls, state] : link->Theme->Drawn) EXPECT_NE(state, kwbdsInactive) << int(cls);
  moveTo(centre(frame->GetCaptionButtonRect(kbiClose)));
  EXPECT_EQ(link->Theme->Drawn[kwbClose], kwbdsHot);

  link->Theme->Drawn.clear();
  pg::SendMessageW(hwnd(), pg::WM_NCACTIVATE, 0, 0);
  EXPECT_EQ(link->Theme->Drawn.size(), 5u) << "close, minimize, maximize, roll-up, tray";
  for (auto [cls, state] : link->Theme->Drawn) EXPECT_EQ(state, kwbdsInactive) << int(cls);
}

TEST_F(ThemedFormIntegration, ALinkWhoseThemeLacksTheObjectGivesTheUnthemedFrame) {
  MakeLinked("Other");
  EXPECT_FALSE(frame->Themed());
  EXPECT_EQ(frame->GetClientBounds(), (TRect{4, 23, 374, 393}));
  EXPECT_EQ(form->ClientWidth(), 370);
  EXPECT_EQ(form->Width(), 378);
  frame->SetThemeObject("Other");
  frame->Update();
  EXPECT_TRUE(frame->Themed());
  EXPECT_EQ(form->Width(), 382);
  EXPECT_EQ(form->ClientHeight(), 370);
}

TEST_F(ThemedFormIntegration, ThemeChangesRelayTheFrame) {
  Make();
  EXPECT_TRUE(frame->Themed() == false);
  ChangeTheme(std::make_unique<TFrameTestTheme>());
  pump();
  EXPECT_TRUE(frame->Themed());
  EXPECT_EQ(form->Width(), 382);
  EXPECT_EQ(form->ClientWidth(), 370);
  ReleaseTheme();
  pump();
  EXPECT_EQ(form->Width(), 378);
  EXPECT_EQ(form->ClientHeight(), 370);
}

class TFramedWindow : public fw::TForm {
  Z5T8_CLASS(TFramedWindow, fw::TForm)
public:
  using fw::TForm::TForm;
  TTeForm* TeForm1 = nullptr;
};

Z5T8_IMPLEMENT_CLASS(TFramedWindow, fw::TForm) { p.Field("TeForm1", &TFramedWindow::TeForm1); }

// The frame as the main window's layout stores it (its link left out).
TEST_F(ThemedFormIntegration, TheFrameReadsFromALayoutAndFramesItsForm) {
  RegisterSkinControlClasses();
  fw::RegisterClass(TFramedWindow::StaticClass());
  static const std::string layout = fw::ObjectTextToBinary(R"(object Form1: TFramedWindow
  Left = 380
  Top = 116
  AutoScroll = False
  AutoSize = True
  BorderIcons = [biMinimize, biMaximize]
  Caption = 'Framed'
  ClientHeight = 370
  ClientWidth = 370
  object TeForm1: TTeForm
    Performance = zqfpNoBuffer
    Gravitation.OwnedForm = False
    SystemMenuLinkMerge = False
    SystemMenuLinkMergeAtFirst = False
    Left = 224
    Top = 320
  end
end
)");
  fw::RegisterResource("TFRAMEDWINDOW", reinterpret_cast<const uint8_t*>(layout.data()), layout.size());
  std::unique_ptr<TFramedWindow> window(fw::TCustomForm::CreateForm<TFramedWindow>(nullptr));
  ASSERT_NE(window->TeForm1, nullptr);
  TTeForm* f = window->TeForm1;
  EXPECT_EQ(f->Performance(), zqfpNoBuffer);
  EXPECT_FALSE(f->Gravitation()->OwnedForm());
  EXPECT_TRUE(f->Gravitation()->Enabled());
  EXPECT_EQ(f->Gravitation()->Size(), 20);
  EXPECT_EQ(f->BorderIcons(),
            (TTeBorderIcons{kbiClose, kbiSystemMenu, kbiMinimize, kbiMaximize, kbiRollup, kbiTray}));
  EXPECT_EQ(f->ThemeObject(), "default");
  window->Show();
  pump();
  EXPECT_TRUE(f->Active());
  EXPECT_EQ(FrameOfWindow(window->Handle()), f);
  EXPECT_EQ(window->ClientWidth(), 370);
  EXPECT_EQ(window->ClientHeight(), 370);
  EXPECT_EQ(window->Width(), 378);
  EXPECT_EQ(window->Height(), 397);
}

// The box's own frame, when the current look gave it one.
TTeForm* FrameOfBox(fw::TCustomForm* box) {
  for (int i = 0; i < box->ComponentCount(); ++i)
    if (auto* f = dynamic_cast<TTeForm*>(box->Components(i))) return f;
  return nullptr;
}

// A box follows the theme that is current when it is made: a skinned frame and
// a skinned OK button with the plain one's roles, then plain again without it.
TEST_F(ThemedFormIntegration, MessageBoxesWearTheCurrentThemesFrame) {
  RegisterSkinControlClasses();
  const std::u16string text = u"\u66F4\u65B0\u5B8C\u6210. The phone has its new firmware.";
  std::unique_ptr<fw::TCustomForm> plain(fw::CreateMessageForm(text, u"Box"));
  EXPECT_EQ(FrameOfBox(plain.get()), nullptr) << "no theme: the framework's own box";

  ChangeTheme(std::make_unique<TFrameTestTheme>());
  std::unique_ptr<fw::TCustomForm> box(fw::CreateMessageForm(text, u"Box"));
  TTeForm* f = FrameOfBox(box.get());
  ASSERT_NE(f, nullptr);
  EXPECT_TRUE(f->Themed());
  EXPECT_EQ(f->BorderStyle(), kbsDialog);
  EXPECT_EQ(f->BorderIcons(), TTeBorderIcons{kbiClose});
  EXPECT_NE(dynamic_cast<fw::TButton*>(plain->FindComponent("OK")), nullptr);
  auto* ok = dynamic_cast<TTeButton*>(box->FindComponent("OK"));
  ASSERT_NE(ok, nullptr);
  EXPECT_EQ(ok->ModalResult(), fw::mrOk);
  EXPECT_TRUE(ok->Default());
  EXPECT_TRUE(ok->Cancel());

  box->Show();
  pump();
  EXPECT_EQ(box->ClientWidth(), plain->ClientWidth()) << "the size rules do not change";
  EXPECT_EQ(box->ClientHeight(), plain->ClientHeight());
  EXPECT_EQ(f->GetClientBounds().top, 30) << "the theme's title band";
  EXPECT_EQ(box->Width(), plain->ClientWidth() + 12);
  EXPECT_NEAR(box->Left() + box->Width() / 2, fw::Screen()->Width() / 2, 1) << "centred as it is now";
  EXPECT_NEAR(box->Top() + box->Height() / 2, fw::Screen()->Height() / 2, 1);
  box->Hide();
  pump();
  hl::TypeKey(pg::VK_ESCAPE);
  EXPECT_EQ(fw::MessageBox(text, u"Box"), fw::mrOk) << "Escape still ends the skinned box";

  ReleaseTheme();
  std::unique_ptr<fw::TCustomForm> after(fw::CreateMessageForm(text, u"Box"));
  EXPECT_EQ(FrameOfBox(after.get()), nullptr) << "the theme gone, boxes are plain again";
  EXPECT_NE(dynamic_cast<fw::TButton*>(after->FindComponent("OK")), nullptr);
}

}  // namespace
}  // namespace z5t8::skin::controls::testing
