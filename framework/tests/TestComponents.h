#pragma once

#include <string>
#include <vector>

#include "framework/Collection.h"
#include "framework/Color.h"
#include "framework/Component.h"
#include "framework/Event.h"
#include "framework/Font.h"
#include "framework/Strings.h"

namespace z5t8::framework::testing {

enum TTestKind { tkAlpha, tkBeta, tkGamma };
using TTestKinds = TSet<TTestKind>;
inline constexpr std::string_view TestKindNames[] = {"tkAlpha", "tkBeta", "tkGamma"};
inline constexpr TEnumInfo TestKindInfo{"TTestKind", TestKindNames};

// Every value kind a published property can have, and a defined binary property.
class TTestItem : public TCollectionItem {
  Z5T8_CLASS(TTestItem, TCollectionItem)

public:
  using TCollectionItem::TCollectionItem;
  std::string Label;
  int Number = 0;
  std::string Blob;
  void DefineProperties(TFiler& filer) override;
};

class TTestThing;
extern std::vector<std::string> gLoadedLog;
extern int gLiveThings;

// Owned by the root of its stream and placed under a parent thing, as forms do.
class TTestThing : public TComponent {
  Z5T8_CLASS(TTestThing, TComponent)

public:
  explicit TTestThing(TComponent* owner);
  ~TTestThing() override;

  int Number = 0;
  int64_t Big = 0;
  TTestKind Kind = tkAlpha;
  TTestKinds Kinds;
  bool Flag = false;
  std::string Text;
  std::u16string Caption;
  TColor Color = clWindow;
  TFontCharset Charset = DEFAULT_CHARSET;
  TFont Font;
  TOwnedCollection Items{this, TTestItem::StaticClass()};
  TStringList Lines;
  TTestThing* Buddy = nullptr;
  TNotifyEvent OnPing;
  TTestThing* ParentThing = nullptr;
  std::vector<std::pair<std::string, int>> ChildOrders;

  void SetBuddy(TTestThing* buddy);
  void Loaded() override;
  void Notification(TComponent* component, TOperation operation) override;
  void GetChildren(const TGetChildProc& proc, TComponent* root) override;
  void SetParentComponent(TComponent* parent) override { ParentThing = dynamic_cast<TTestThing*>(parent); }
  bool HasParent() const override { return ParentThing != nullptr; }
  void SetChildOrder(TComponent* child, int order) override {
    ChildOrders.emplace_back(child->Name(), order);
  }
  void ReadState(TReader& reader) override;
};

// A root with published methods and a published field.
class TTestRoot : public TTestThing {
  Z5T8_CLASS(TTestRoot, TTestThing)

public:
  using TTestThing::TTestThing;
  TTestThing* First = nullptr;
  int Pings = 0;
  void Ping(TObject*) { ++Pings; }
  void Wrong(int) {}
};

void RegisterTestClasses();

}  // namespace z5t8::framework::testing
