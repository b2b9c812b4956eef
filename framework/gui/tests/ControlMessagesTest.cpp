#include <gtest/gtest.h>

#include <memory>
#include <string>
#include <vector>

#include "framework/Properties.h"
#include "framework/gui/Bitmap.h"
#include "framework/gui/Button.h"
#include "framework/gui/Form.h"
#include "framework/gui/Label.h"
#include "framework/gui/Memo.h"
#include "framework/gui/tests/GuiFixture.h"
#include "platform/gui/Input.h"
#include "platform/gui/VirtualKeys.h"

namespace z5t8::framework {
namespace {

namespace pg = platform::gui;

std::vector<std::string> gLog;

// Handlers chosen by message number, as the skinned controls register theirs.
template <class Base>
class TSpy : public Base {
public:
  using Base::Base;
  void Note(TMessage& m) {
    static const std::pair<uint32_t, const char*> names[] = {
        {CM_MOUSEENTER, "enter"},       {CM_MOUSELEAVE, "leave"},   {CM_ENTER, "CM_ENTER"},
        {CM_EXIT, "CM_EXIT"},           {CM_FOCUSCHANGED, "focus"}, {CM_VISIBLECHANGED, "visible"},
        {CM_ENABLEDCHANGED, "enabled"}, {CM_TEXTCHANGED, "text"}};
    for (auto [msg, name] : names)
      if (m.Msg == msg) gLog.push_back(std::string(name) + " " + this->Name());
    this->InheritedMessage(Base::StaticClass(), m);
  }
};

class TSpyLabel : public TSpy<TLabel> {
  Z5T8_CLASS(TSpyLabel, TLabel)
public:
  using TSpy<TLabel>::TSpy;
};
class TSpyButton : public TSpy<TButton> {
  Z5T8_CLASS(TSpyButton, TButton)
public:
  using TSpy<TButton>::TSpy;
};

template <class T>
void Listen(TPublisher<T>& p) {
  for (uint32_t m : {CM_MOUSEENTER, CM_MOUSELEAVE, CM_ENTER, CM_EXIT, CM_FOCUSCHANGED, CM_VISIBLECHANGED,
                     CM_ENABLEDCHANGED, CM_TEXTCHANGED})
    p.Message(m, &T::Note);
}
Z5T8_IMPLEMENT_CLASS(TSpyLabel, TLabel) { Listen(p); }
Z5T8_IMPLEMENT_CLASS(TSpyButton, TButton) { Listen(p); }

class ControlMessagesIntegration : public GuiTest {
protected:
  void SetUp() override {
    GuiTest::SetUp();
    gLog.clear();
    form = std::make_unique<TForm>(nullptr);
    form->SetBounds(100, 100, 300, 200);
    label = new TSpyLabel(form.get());
    label->SetName("L");
    label->SetParent(form.get());
    label->SetAutoSize(false);
    label->SetBounds(10, 10, 80, 20);
    a = new TSpyButton(form.get());
    a->SetName("A");
    a->SetParent(form.get());
    a->SetBounds(10, 50, 75, 25);
    b = new TSpyButton(form.get());
    b->SetName("B");
    b->SetParent(form.get());
    b->SetBounds(100, 50, 75, 25);
    form->Show();
    Application()->ProcessMessages();
  }
  void TearDown() override {
    form.reset();
    GuiTest::TearDown();
  }
  std::unique_ptr<TForm> form;
  TSpyLabel* label = nullptr;
  TSpyButton* a = nullptr;
  TSpyButton* b = nullptr;
};

TEST_F(ControlMessagesIntegration, FocusMovesSendExitEnterAndBroadcastTheChange) {
  EXPECT_TRUE(a->Focused());
  gLog.clear();
  b->SetFocus();
  Application()->ProcessMessages();
  EXPECT_EQ(gLog, (std::vector<std::string>{"CM_EXIT A", "CM_ENTER B", "focus L", "focus A", "focus B"}));
  EXPECT_EQ(form->ActiveControl(), b);
}

TEST_F(ControlMessagesIntegration, MouseEnterAndLeaveFollowThePointer) {
  TPoint o = form->ClientOrigin();
  gLog.clear();
  pg::headless::MoveMouse(o.x + 20, o.y + 15);
  pg::headless::MoveMouse(o.x + 30, o.y + 15);
  Application()->ProcessMessages();
  pg::headless::MoveMouse(o.x + 20, o.y + 60);
  Application()->ProcessMessages();
  pg::headless::MoveMouse(o.x + 150, o.y + 150);
  Application()->ProcessMessages();
  pg::headless::MoveMouse(o.x - 50, o.y - 50);
  Application()->ProcessMessages();
  EXPECT_EQ(gLog, (std::vector<std::string>{"enter L", "leave L", "enter A", "leave A"}));
}

TEST_F(ControlMessagesIntegration, PropertyChangesNotifyAndPerformReturnsTheResult) {
  gLog.clear();
  label->SetVisible(false);
  label->SetVisible(false);
  b->SetCaption(u"Bee");
  // Disabling the focused control moves the focus on.
  a->SetEnabled(false);
  EXPECT_EQ(gLog, (std::vector<std::string>{"visible L", "text B", "enabled A", "CM_EXIT A", "CM_ENTER B",
                                            "focus L", "focus A", "focus B"}));
  EXPECT_TRUE(b->Focused());
  EXPECT_EQ(b->Perform(pg::WM_GETTEXTLENGTH), 3);
  EXPECT_EQ(b->GetText(), u"Bee");
  // A disabled button takes no focus and clicks on nothing.
  int clicks = 0;
  a->OnClick = [&](TObject*) { ++clicks; };
  TPoint o = form->ClientOrigin();
  pg::headless::Click(o.x + 20, o.y + 60);
  Application()->ProcessMessages();
  EXPECT_EQ(clicks, 0);
}

TEST_F(ControlMessagesIntegration, ButtonClicksOnReleaseInsideOnly) {
  int clicks = 0;
  b->OnClick = [&](TObject*) { ++clicks; };
  TPoint o = form->ClientOrigin();
  pg::headless::Click(o.x + 110, o.y + 60);
  Application()->ProcessMessages();
  EXPECT_EQ(clicks, 1);
  pg::headless::MoveMouse(o.x + 110, o.y + 60);
  pg::headless::PressButton();
  pg::headless::MoveMouse(o.x + 250, o.y + 150);
  Application()->ProcessMessages();
  EXPECT_FALSE(b->Pressed());
  pg::headless::ReleaseButton();
  Application()->ProcessMessages();
  EXPECT_EQ(clicks, 1);
  // Escape clicks the cancel button wherever the focus is.
  b->SetCancel(true);
  a->SetFocus();
  pg::headless::TypeKey(pg::VK_ESCAPE);
  Application()->ProcessMessages();
  EXPECT_EQ(clicks, 2);
}

}  // namespace
}  // namespace z5t8::framework

namespace z5t8::framework {
namespace {

TEST_F(ControlMessagesIntegration, LabelSizesToItsTextAndPaintsThroughItsParent) {
  auto* l = new TLabel(form.get());
  l->SetParent(form.get());
  l->SetLeft(200);
  l->SetCaption(u"Hello");
  int width = RealizeFont(*l->Font()).textExtent(u"Hello").cx;
  EXPECT_EQ(l->Width(), width);
  // Right-aligned, a longer caption grows to the left.
  l->SetAlignment(taRightJustify);
  int right = l->Left() + l->Width();
  l->SetCaption(u"Hello, world");
  EXPECT_EQ(l->Left() + l->Width(), right);
  EXPECT_GT(l->Width(), width);
  EXPECT_TRUE(l->ControlStyle().Contains(csOpaque));
  l->SetTransparent(true);
  EXPECT_FALSE(l->ControlStyle().Contains(csOpaque));
  // Drawn into the form's window at its place.
  l->SetTransparent(false);
  l->SetColor(clYellow);
  form->Repaint();
  TBitmap shot;
  shot.SetSize(form->Width(), form->Height());
  form->PaintTo(shot.DC(), 0, 0);
  TPoint at = l->ClientToScreen({1, 1});
  EXPECT_EQ(shot.Canvas()->Pixel(at.x - form->Left(), at.y - form->Top()), clYellow);
}

}  // namespace
}  // namespace z5t8::framework

namespace z5t8::framework {
namespace {

TEST_F(ControlMessagesIntegration, AlignedChildrenShareTheClientAreaInAlignOrder) {
  std::unique_ptr<TForm> host(new TForm(nullptr));
  host->SetClientSize(300, 200);
  auto make = [&](TAlign align, int size) {
    auto* c = new TLabel(host.get());
    c->SetAutoSize(false);
    c->SetParent(host.get());
    c->SetBounds(0, 0, size, size);
    c->SetAlign(align);
    return c;
  };
  TLabel* client = make(alClient, 5);
  TLabel* left = make(alLeft, 40);
  TLabel* bottom = make(alBottom, 30);
  TLabel* top = make(alTop, 20);
  EXPECT_EQ(top->BoundsRect(), Rect(0, 0, 300, 20));
  EXPECT_EQ(bottom->BoundsRect(), Rect(0, 170, 300, 200));
  EXPECT_EQ(left->BoundsRect(), Rect(0, 20, 40, 170));
  EXPECT_EQ(client->BoundsRect(), Rect(40, 20, 300, 170));
  host->Show();
  host->SetClientSize(400, 300);
  EXPECT_EQ(bottom->BoundsRect(), Rect(0, 270, 400, 300));
  EXPECT_EQ(client->BoundsRect(), Rect(40, 20, 400, 270));
  top->SetVisible(false);
  EXPECT_EQ(left->BoundsRect(), Rect(0, 0, 40, 270));
}

}  // namespace
}  // namespace z5t8::framework
