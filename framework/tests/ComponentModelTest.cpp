#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "TestComponents.h"
#include "framework/Exceptions.h"
#include "framework/Strings.h"

using namespace z5t8::framework;
using namespace z5t8::framework::testing;

namespace {
// Records what its owner tells it.
class TWatcher : public TComponent {
public:
  using TComponent::TComponent;
  std::vector<std::string> Heard;
  void Notification(TComponent* c, TOperation op) override {
    TComponent::Notification(c, op);
    Heard.push_back((op == opInsert ? "+" : "-") + (c == this ? std::string("self") : c->Name()));
  }
};
}  // namespace

TEST(ComponentModel, OwnershipNamesAndNotifications) {
  auto* owner = new TComponent(nullptr);
  auto* watcher = new TWatcher(owner);
  watcher->SetName("Watcher");
  auto* a = new TComponent(owner);
  a->SetName("A");
  auto* b = new TComponent(owner);
  EXPECT_EQ(owner->ComponentCount(), 3);
  EXPECT_EQ(b->ComponentIndex(), 2);
  EXPECT_EQ(owner->FindComponent("a"), a);
  EXPECT_EQ(owner->FindComponent(""), nullptr);
  b->SetName("");  // any number of unnamed components
  try {
    b->SetName("WATCHER");
    FAIL();
  } catch (const EComponentError& e) {
    EXPECT_EQ(e.Message(), "A component named WATCHER already exists");
  }
  EXPECT_THROW(b->SetName("1st"), EComponentError);
  a->SetName("a");  // a change of case only is no clash with itself
  delete a;
  EXPECT_EQ(watcher->Heard, (std::vector<std::string>{"+", "+", "-a"}));
  EXPECT_THROW(owner->Components(5), EListError);

  // Free notifications reach components outside the owner, both ways.
  TTestThing outsider(nullptr);
  outsider.SetBuddy(static_cast<TTestThing*>(nullptr));
  auto* watched = new TTestThing(owner);
  outsider.SetBuddy(watched);
  delete owner;  // frees watched, which tells outsider
  EXPECT_EQ(outsider.Buddy, nullptr);
}

TEST(ComponentModel, PublishedFieldFollowsTheName) {
  TTestRoot root(nullptr);
  auto* child = new TTestThing(&root);
  EXPECT_EQ(root.First, nullptr);
  child->SetName("First");
  EXPECT_EQ(root.First, child);
  child->SetName("Other");
  EXPECT_EQ(root.First, nullptr);
  child->SetName("First");
  delete child;
  EXPECT_EQ(root.First, nullptr);
}

TEST(ComponentModel, ClassReferencesCreateByName) {
  RegisterTestClasses();
  const TMetaClass& cls = FindClass("ttestroot");
  EXPECT_EQ(cls.ClassName(), "TTestRoot");
  EXPECT_TRUE(cls.InheritsFrom(TComponent::StaticClass()));
  EXPECT_EQ(cls.ClassParent(), &TTestThing::StaticClass());
  TComponent owner(nullptr);
  TComponent* made = cls.CreateComponent(&owner);
  EXPECT_EQ(&made->ClassType(), &cls);
  EXPECT_TRUE(made->InheritsFrom(TTestThing::StaticClass()));
  EXPECT_EQ(made->Owner(), &owner);
  EXPECT_NE(cls.FindProperty("font"), nullptr);  // inherited, found without regard to case
  EXPECT_NE(cls.FindMethod("PING"), nullptr);
  EXPECT_EQ(TTestThing::StaticClass().FindMethod("Ping"), nullptr);
  EXPECT_EQ(GetClass("TNoSuchClass"), nullptr);
  try {
    FindClass("TNoSuchClass");
    FAIL();
  } catch (const EClassNotFound& e) {
    EXPECT_EQ(e.Message(), "Class TNoSuchClass not found");
  }
  EXPECT_FALSE(TStrings::StaticClass().CanCreatePersistent());  // abstract
  EXPECT_TRUE(TStringList::StaticClass().CanCreatePersistent());
  EXPECT_TRUE(TTestItem::StaticClass().CanCreateItem());
}

TEST(ComponentModel, MessagesGoToTheNearestHandler) {
  struct TBase : TComponent {
    using TComponent::TComponent;
    std::vector<std::string> Log;
    void DefaultHandler(TMessage& m) override { Log.push_back("default " + std::to_string(m.Msg)); }
  };
  TBase object(nullptr);
  TMessage message{15, 0, 0, 0};
  object.Dispatch(message);
  EXPECT_EQ(object.Log, (std::vector<std::string>{"default 15"}));
}

TEST(Collection, ItemsInOrderWithIdsAndOwnership) {
  TTestThing owner(nullptr);
  owner.SetName("Owner");
  auto* first = static_cast<TTestItem*>(owner.Items.Add());
  auto* second = static_cast<TTestItem*>(owner.Items.Add());
  second->Label = "two";
  EXPECT_EQ(owner.Items.Count(), 2);
  EXPECT_EQ(second->Index(), 1);
  EXPECT_EQ(second->ID(), 1);
  EXPECT_EQ(owner.Items.GetNamePath(), "Owner.Items");
  EXPECT_EQ(second->GetNamePath(), "Owner.Items[1]");
  second->SetIndex(0);
  EXPECT_EQ(owner.Items.Items(0), second);
  delete first;  // an item leaves its collection when freed
  EXPECT_EQ(owner.Items.Count(), 1);
  EXPECT_EQ(owner.Items.FindItemID(1), second);

  // Copying goes item by item through the items' Assign, which this item class lacks.
  TTestThing other(nullptr);
  try {
    other.Items.Assign(&owner.Items);
    FAIL();
  } catch (const EConvertError& e) {
    EXPECT_EQ(e.Message(), "Cannot assign a TTestItem to a TTestItem");
  }
  EXPECT_THROW(other.Items.Assign(&owner.Font), EConvertError);
  EXPECT_THROW(other.Items.Items(2), EListError);
}

TEST(StringList, TextUsesCrLfAndNotifiesOncePerUpdate) {
  TStringList list;
  int changes = 0;
  list.OnChange = [&](TObject*) { ++changes; };
  list.SetText("a\r\nb\nc\rd");
  EXPECT_EQ(list.Count(), 4);
  EXPECT_EQ(list.Text(), "a\r\nb\r\nc\r\nd\r\n");
  EXPECT_EQ(changes, 1);
  list.SetText("x\r\n\r\n");
  EXPECT_EQ(list.Count(), 2);
  EXPECT_EQ(list[1], "");
  list.Add("Last");
  EXPECT_EQ(list.IndexOf("LAST"), 2);
  EXPECT_EQ(changes, 3);
  EXPECT_THROW(list.Get(3), EListError);
  EXPECT_THROW(list.Insert(5, "z"), EListError);
  TStringList copy;
  copy.Assign(&list);
  EXPECT_EQ(copy.Text(), list.Text());
}
