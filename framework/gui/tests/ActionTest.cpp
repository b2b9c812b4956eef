#include <gtest/gtest.h>

#include <memory>
#include <string>
#include <vector>

#include "framework/gui/Action.h"
#include "framework/gui/Bitmap.h"
#include "framework/gui/Button.h"
#include "framework/gui/ImageList.h"
#include "framework/gui/tests/GuiFixture.h"

namespace z5t8::framework {
namespace {

// Counts what the control hears from its action.
class TActionClient : public TButton {
public:
  using TButton::TButton;
  int Changes = 0;
  bool LastCheckDefaults = false;
  void ActionChange(TObject* sender, bool checkDefaults) override {
    TButton::ActionChange(sender, checkDefaults);
    ++Changes;
    LastCheckDefaults = checkDefaults;
  }
};

class ActionsTest : public GuiTest {
protected:
  void SetUp() override {
    GuiTest::SetUp();
    action = std::make_unique<TAction>(nullptr);
    action->SetCaption(u"&Save");
    action->SetHint(u"Saves the file");
    action->OnExecute = [this](TObject* sender) { runs.push_back(sender); };
    button = std::make_unique<TActionClient>(nullptr);
  }
  std::unique_ptr<TAction> action;
  std::unique_ptr<TActionClient> button;
  std::vector<TObject*> runs;
};

TEST_F(ActionsTest, AControlShowsItsActionAndFollowsItsChanges) {
  button->SetCaption(u"Old");
  button->SetEnabled(false);
  button->SetAction(action.get());
  EXPECT_EQ(button->Action(), action.get());
  EXPECT_EQ(action->ClientCount(), 1);
  EXPECT_FALSE(button->LastCheckDefaults) << "set in code, everything is taken";
  EXPECT_EQ(button->Caption(), u"&Save");
  EXPECT_EQ(button->Hint(), u"Saves the file");
  EXPECT_TRUE(button->Enabled());

  const struct {
    const char* what;
    void (*change)(TAction&);
    bool (*shows)(TButton&);
  } changes[] = {
      {"caption", [](TAction& a) { a.SetCaption(u"Store"); },
       [](TButton& b) { return b.Caption() == u"Store"; }},
      {"enabled", [](TAction& a) { a.SetEnabled(false); }, [](TButton& b) { return !b.Enabled(); }},
      {"hint", [](TAction& a) { a.SetHint(u"Keeps it"); },
       [](TButton& b) { return b.Hint() == u"Keeps it"; }},
      {"visible", [](TAction& a) { a.SetVisible(false); }, [](TButton& b) { return !b.Visible(); }},
  };
  for (const auto& c : changes) {
    int before = button->Changes;
    c.change(*action);
    EXPECT_TRUE(c.shows(*button)) << c.what;
    EXPECT_EQ(button->Changes, before + 1) << c.what;
  }
  // The same value again is no change.
  int before = button->Changes;
  action->SetCaption(u"Store");
  EXPECT_EQ(button->Changes, before);

  // A property set by hand since keeps its value; the others still follow.
  action->SetVisible(true);
  button->SetCaption(u"By hand");
  action->SetCaption(u"Renamed");
  action->SetHint(u"Again");
  EXPECT_EQ(button->Caption(), u"By hand");
  EXPECT_EQ(button->Hint(), u"Again");
  EXPECT_TRUE(button->Visible());
  before = button->Changes;

  // Unlinked, the control keeps what it showed and hears nothing more.
  button->SetAction(nullptr);
  EXPECT_EQ(action->ClientCount(), 0);
  action->SetCaption(u"Later");
  EXPECT_EQ(button->Caption(), u"By hand");
  EXPECT_EQ(button->Changes, before);
}

TEST_F(ActionsTest, AClickRunsTheActionUnlessTheControlHasAHandlerOfItsOwn) {
  button->SetAction(action.get());
  button->Click();
  EXPECT_EQ(runs.size(), 1u) << "the click handler came from the action";

  // A disabled action does not run, even when something clicks the control.
  action->SetEnabled(false);
  EXPECT_FALSE(action->Execute());
  button->Click();
  EXPECT_EQ(runs.size(), 1u);
  action->SetEnabled(true);

  // Without a click handler the action still runs, as its own sender.
  button->OnClick = nullptr;
  button->Click();
  ASSERT_EQ(runs.size(), 2u);
  EXPECT_EQ(runs.back(), action.get());

  // A handler of the control's own wins over the action.
  int own = 0;
  button->OnClick = [&](TObject* sender) { own += sender == button.get(); };
  button->Click();
  EXPECT_EQ(own, 1);
  EXPECT_EQ(runs.size(), 2u);

  // An action with no handler does nothing and says so.
  TAction idle(nullptr);
  EXPECT_FALSE(idle.Execute());
}

TEST_F(ActionsTest, ActionsListsAndClientsMayGoInAnyOrder) {
  // The action first: the control forgets it and a click runs nothing.
  button->SetAction(action.get());
  action.reset();
  EXPECT_EQ(button->Action(), nullptr);
  button->OnClick = nullptr;
  button->Click();
  EXPECT_TRUE(runs.empty());

  // The control first: the action has no client left to tell.
  action = std::make_unique<TAction>(nullptr);
  auto other = std::make_unique<TActionClient>(nullptr);
  other->SetAction(action.get());
  button->SetAction(action.get());
  other.reset();
  EXPECT_EQ(action->ClientCount(), 1);
  action->SetCaption(u"Still here");
  EXPECT_EQ(button->Caption(), u"Still here");

  // The list's images reach the clients; the list or its images going takes them away.
  auto list = std::make_unique<TActionList>(nullptr);
  auto images = std::make_unique<TImageList>(nullptr);
  action->SetActionList(list.get());
  int before = button->Changes;
  list->SetImages(images.get());
  EXPECT_EQ(action->Images(), images.get());
  EXPECT_EQ(button->Changes, before + 1) << "clients take their pictures again";
  images.reset();
  EXPECT_EQ(list->Images(), nullptr);
  EXPECT_EQ(action->Images(), nullptr);
  EXPECT_EQ(button->Changes, before + 2);
  ASSERT_EQ(list->ActionCount(), 1);
  EXPECT_EQ(list->Actions(0), action.get());
  EXPECT_THROW(list->Actions(1), EListError);
  list.reset();
  EXPECT_EQ(action->ActionList(), nullptr);
  EXPECT_EQ(action->Images(), nullptr);
}

}  // namespace
}  // namespace z5t8::framework
