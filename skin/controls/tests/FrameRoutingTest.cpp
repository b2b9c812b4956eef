#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "framework/gui/GraphicControl.h"
#include "platform/gui/VirtualKeys.h"
#include "skin/controls/Menus.h"
#include "skin/controls/tests/FrameFixture.h"

namespace z5t8::skin::controls::testing {
namespace {

// A windowless control that notes the mouse it gets, in its own coordinates.
class TMouseLog : public fw::TGraphicControl {
public:
  using fw::TGraphicControl::TGraphicControl;
  std::vector<std::string> log;

protected:
  void MouseDown(fw::TMouseButton button, fw::TShiftState, int x, int y) override {
    log.push_back((button == fw::mbLeft ? "down " : "rdown ") + std::to_string(x) + "," + std::to_string(y));
  }
  void MouseMove(fw::TShiftState, int x, int y) override {
    log.push_back("move " + std::to_string(x) + "," + std::to_string(y));
  }
  void MouseUp(fw::TMouseButton, fw::TShiftState, int x, int y) override {
    log.push_back("up " + std::to_string(x) + "," + std::to_string(y));
  }
};

class InsideFrameIntegration : public FrameTest<> {
protected:
  // The frame drawn inside the client area, with a windowless control on
  // its title band.
  void MakeInside() {
    Make(100, 100, 378, 397, false, [](TTeDefaultForm* f) { f->SetDisabledNCArea(true); });
    control = new TMouseLog(form);
    control->SetParent(form);
    control->SetBounds(150, 6, 40, 12);
    pump();
  }
  TMouseLog* control = nullptr;
};

TEST_F(InsideFrameIntegration, AWindowlessControlUnderTheFrameGetsPressMovesAndRelease) {
  MakeInside();
  ASSERT_EQ(hitAt(160, 10), pg::HTCAPTION);
  press(screen(160, 10));
  moveTo(screen(170, 11));
  moveTo(screen(400, 300));  // off the window: the capture keeps it coming
  release();
  std::vector<std::string> want{"down 10,4", "move 20,5", "move 250,294", "up 250,294"};
  EXPECT_EQ(control->log, want);
  EXPECT_EQ(form->Left(), 100) << "the press on the control does not drag the window";
  EXPECT_EQ(pg::GetCapture(), nullptr);

  // Beside the control the title band still moves the window.
  control->log.clear();
  drag(screen(250, 10), screen(270, 30));
  EXPECT_EQ(form->Left(), 120);
  EXPECT_TRUE(control->log.empty());
}

TEST_F(InsideFrameIntegration, ErasingLeavesWindowlessChildrenAlone) {
  MakeInside();
  render::TteBitmap target;
  target.SetSize(form->Width(), form->Height());
  const uint32_t marker = 0x00FF00FF;
  target.Clear(marker);
  pg::SendMessageW(hwnd(), pg::WM_ERASEBKGND, reinterpret_cast<pg::WPARAM>(target.DC()), 0);
  auto at = [&](int x, int y) { return uint32_t(target.GetPixel(x, y)) & 0xFFFFFF; };
  EXPECT_EQ(at(160, 10), marker) << "under the windowless child";
  EXPECT_NE(at(120, 10), marker) << "the title band beside it";
  TRect cb = frame->GetClientBounds();
  EXPECT_NE(at(cb.left + 5, cb.top + 5), marker) << "the client area";
  EXPECT_NE(at(1, 200), marker) << "the border";
}

TEST_F(InsideFrameIntegration, ChildBackgroundsReachOnPaintBackground) {
  MakeInside();
  TRect seen{};
  frame->OnPaintBackground = [&](fw::TObject*, pg::DeviceContext* dc, const TRect& r) {
    EXPECT_NE(dc, nullptr);
    seen = r;
  };
  render::TteBitmap target;
  target.SetSize(60, 40);
  fw::TCanvas canvas;
  canvas.SetHandle(target.DC());
  frame->PaintChildBackground(&canvas, {20, 30, 80, 70});
  canvas.SetHandle(nullptr);
  EXPECT_EQ(seen, (TRect{20, 30, 80, 70}));
}

class MenuRoutingIntegration : public FrameTest<> {
protected:
  void MakeWithBar() {
    bar = new TTeMenuBar(nullptr);
    auto add = [&](const std::u16string& caption, fw::TShortCut key, int& count) {
      auto* item = new fw::TMenuItem(nullptr);
      item->SetCaption(caption);
      item->SetShortCut(key);
      item->OnClick = [&count](fw::TObject*) { ++count; };
      bar->Items()->Add(item);
    };
    add(u"&Go", fw::scNone, go);
    add(u"&Save", fw::ShortCut('S', {fw::ssCtrl}), save);
    Make(100, 100, 378, 397, false, [this](TTeDefaultForm* f) {
      f->SetMenuBar(bar);
      // The form's own shortcut handling, which the bar goes before.
      form->OnShortCut = [this](fw::TObject*, fw::TShortCut key, bool& handled) {
        int vk = key & 0xFF;
        if (vk == pg::VK_CONTROL || vk == pg::VK_MENU || vk == pg::VK_SHIFT) return;
        formKeys.push_back(key);
        handled = key == fw::ShortCut('Q', {fw::ssCtrl});
      };
    });
  }
  void TearDown() override {
    FrameTest<>::TearDown();
    delete bar;
  }
  void chord(std::initializer_list<int> held, int key) {
    for (int k : held) hl::PressKey(k);
    hl::TypeKey(key);
    for (int k : held) hl::ReleaseKey(k);
    pump();
  }
  TTeMenuBar* bar = nullptr;
  int go = 0, save = 0;
  std::vector<fw::TShortCut> formKeys;
};

TEST_F(MenuRoutingIntegration, AltWithAnItemsCharacterOpensItOnTheMenuBar) {
  MakeWithBar();
  chord({pg::VK_MENU}, 'G');
  EXPECT_EQ(go, 1);
  EXPECT_EQ(frame->SystemMenu(), nullptr) << "the system menu stays shut";
  chord({pg::VK_MENU}, 'Q');  // no item has it
  EXPECT_EQ(go, 1);
}

TEST_F(MenuRoutingIntegration, TheMenuBarAnswersShortcutsBeforeTheForm) {
  MakeWithBar();
  chord({pg::VK_CONTROL}, 'S');
  EXPECT_EQ(save, 1);
  EXPECT_TRUE(formKeys.empty());
  chord({pg::VK_CONTROL}, 'Q');
  EXPECT_EQ(save, 1);
  ASSERT_EQ(formKeys.size(), 1u);
  EXPECT_EQ(formKeys[0], fw::ShortCut('Q', {fw::ssCtrl}));
  // Without the bar the keys reach the form alone.
  delete bar;
  bar = nullptr;
  EXPECT_EQ(frame->MenuBar(), nullptr);
  chord({pg::VK_CONTROL}, 'S');
  EXPECT_EQ(formKeys.size(), 2u);
}

using TrayIntegration = FrameTest<>;

TEST_F(TrayIntegration, EachFrameIsItsOwnTrayIconAndMenusTakeTheirOptions) {
  Make(100, 100, 378, 397, false, [](TTeDefaultForm* f) {
    f->SetMinimizeApplication(false);
    f->TrayMenuOptions()->Shadow()->SetEnabled(true);
    f->SystemMenuOptions()->Blending()->SetEnabled(true);
  });
  EXPECT_EQ(frame->TrayTip(), u"Frame") << "the record is filled at loading";
  auto second = std::make_unique<fw::TForm>(nullptr);
  second->SetCaption(u"Second");
  auto* secondFrame = new TTeDefaultForm(second.get());
  secondFrame->SetMinimizeApplication(false);
  secondFrame->Loaded();
  second->Show();
  pump();
  EXPECT_NE(frame->TrayIconId(), secondFrame->TrayIconId());
  frame->MinToTray();
  secondFrame->MinToTray();
  pump();
  ASSERT_EQ(pg::Headless().notifyIcons().size(), 2u);

  // Each icon reaches its own frame; the menu opened from it is the tray's.
  hl::TypeKey(pg::VK_ESCAPE);
  ASSERT_TRUE(hl::ClickNotifyIcon(frame->TrayWindow(), frame->TrayIconId(), 1));
  pump();
  auto* menu = dynamic_cast<TTePopupMenu*>(frame->SystemMenu());
  ASSERT_NE(menu, nullptr);
  EXPECT_TRUE(menu->Tray());
  EXPECT_TRUE(menu->Options()->Shadow()->Enabled());
  EXPECT_FALSE(menu->Options()->Blending()->Enabled());
  EXPECT_EQ(secondFrame->SystemMenu(), nullptr);

  ASSERT_TRUE(hl::DoubleClickNotifyIcon(frame->TrayWindow(), frame->TrayIconId()));
  pump();
  EXPECT_EQ(frame->WindowState(), kwsNormal);
  EXPECT_EQ(secondFrame->WindowState(), kwsTray);
  hl::TypeKey(pg::VK_ESCAPE);
  frame->SysMenu();
  pump();
  menu = dynamic_cast<TTePopupMenu*>(frame->SystemMenu());
  ASSERT_NE(menu, nullptr);
  EXPECT_FALSE(menu->Tray());
  EXPECT_TRUE(menu->Options()->Blending()->Enabled());
  EXPECT_FALSE(menu->Options()->Shadow()->Enabled());
  second.reset();
}

}  // namespace
}  // namespace z5t8::skin::controls::testing
