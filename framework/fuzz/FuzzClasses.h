#pragma once

// Component classes with every kind of published property, for the reader fuzz targets.

#include <string>

#include "framework/Collection.h"
#include "framework/Component.h"
#include "framework/Event.h"
#include "framework/Filer.h"
#include "framework/Font.h"
#include "framework/Properties.h"
#include "framework/Stream.h"
#include "framework/Strings.h"
#include "framework/tests/BytesProperty.h"

namespace z5t8::framework::fuzzing {

enum TFuzzKind { fkOne, fkTwo, fkThree };
inline constexpr std::string_view FuzzKindNames[] = {"fkOne", "fkTwo", "fkThree"};
inline constexpr TEnumInfo FuzzKindInfo{"TFuzzKind", FuzzKindNames};

class TFuzzItem : public TCollectionItem {
  Z5T8_CLASS(TFuzzItem, TCollectionItem)

public:
  using TCollectionItem::TCollectionItem;
  std::string Label;
  int Number = 0;
  std::string Blob;
  void DefineProperties(TFiler& filer) override { testing::DefineBytesProperty(filer, "Blob", Blob); }
};

class TFuzzThing : public TComponent {
  Z5T8_CLASS(TFuzzThing, TComponent)

public:
  using TComponent::TComponent;
  int Number = 0;
  int64_t Big = 0;
  TFuzzKind Kind = fkOne;
  TSet<TFuzzKind> Kinds;
  bool Flag = false;
  std::string Text;
  std::u16string Caption;
  TColor Color = clWindow;
  TFontCharset Charset = DEFAULT_CHARSET;
  TFont Font;
  TOwnedCollection Items{this, TFuzzItem::StaticClass()};
  TStringList Lines;
  TFuzzThing* Buddy = nullptr;
  TNotifyEvent OnPing;
  TComponent* ParentThing = nullptr;

  void SetBuddy(TFuzzThing* buddy) {
    Buddy = buddy;
    if (buddy) buddy->FreeNotification(this);
  }
  void Notification(TComponent* component, TOperation operation) override {
    TComponent::Notification(component, operation);
    if (operation == opRemove && component == Buddy) Buddy = nullptr;
    if (operation == opRemove && component == ParentThing) ParentThing = nullptr;
  }
  void SetParentComponent(TComponent* parent) override {
    ParentThing = parent;
    if (parent) parent->FreeNotification(this);
  }
  void GetChildren(const TGetChildProc& proc, TComponent* root) override {
    for (int i = 0; i < root->ComponentCount(); ++i) {
      auto* thing = dynamic_cast<TFuzzThing*>(root->Components(i));
      if (thing && thing != this && thing->ParentThing == this) proc(thing);
    }
  }
  void ReadState(TReader& reader) override;
};

class TFuzzRoot : public TFuzzThing {
  Z5T8_CLASS(TFuzzRoot, TFuzzThing)

public:
  using TFuzzThing::TFuzzThing;
  TFuzzThing* First = nullptr;
  void Ping(TObject*) {}
};

}  // namespace z5t8::framework::fuzzing
