#include "TestComponents.h"

#include "framework/Properties.h"
#include "framework/Reader.h"
#include "framework/Stream.h"
#include "framework/Writer.h"
#include "framework/tests/BytesProperty.h"

namespace z5t8::framework::testing {

std::vector<std::string> gLoadedLog;
int gLiveThings = 0;

Z5T8_IMPLEMENT_CLASS(TTestItem, TCollectionItem) {
  p.String("Label", &TTestItem::Label, &TTestItem::Label);
  p.Integer("Number", &TTestItem::Number, &TTestItem::Number).Default(0);
}

void TTestItem::DefineProperties(TFiler& filer) { DefineBytesProperty(filer, "Blob", Blob); }

Z5T8_IMPLEMENT_CLASS(TTestThing, TComponent) {
  p.Integer("Number", &TTestThing::Number, &TTestThing::Number).Default(0);
  p.Int64("Big", &TTestThing::Big, &TTestThing::Big).Default(0);
  p.Enum("Kind", TestKindInfo, &TTestThing::Kind, &TTestThing::Kind).Default(tkAlpha);
  p.Set("Kinds", TestKindInfo, &TTestThing::Kinds, &TTestThing::Kinds);
  p.Boolean("Flag", &TTestThing::Flag, &TTestThing::Flag).Default(false);
  p.String("Text", &TTestThing::Text, &TTestThing::Text);
  p.WideString("Caption", &TTestThing::Caption, &TTestThing::Caption);
  p.Integer("Color", &TTestThing::Color, &TTestThing::Color).Idents(ColorIdents()).Default(clWindow);
  p.Integer("Charset", &TTestThing::Charset, &TTestThing::Charset)
      .Idents(CharsetIdents())
      .Default(DEFAULT_CHARSET);
  p.Object("Font", &TTestThing::Font);
  p.Object("Items", &TTestThing::Items);
  p.Object("Lines", &TTestThing::Lines);
  p.Component("Buddy", &TTestThing::Buddy, &TTestThing::SetBuddy);
  p.Event("OnPing", &TTestThing::OnPing);
}

Z5T8_IMPLEMENT_CLASS(TTestRoot, TTestThing) {
  p.Method("Ping", &TTestRoot::Ping);
  p.Method("Wrong", &TTestRoot::Wrong);
  p.Field("First", &TTestRoot::First);
}

TTestThing::TTestThing(TComponent* owner) : TComponent(owner) { ++gLiveThings; }
TTestThing::~TTestThing() { --gLiveThings; }

void TTestThing::SetBuddy(TTestThing* buddy) {
  Buddy = buddy;
  if (buddy) buddy->FreeNotification(this);
}

void TTestThing::Loaded() {
  TComponent::Loaded();
  gLoadedLog.push_back(Name() + (Buddy ? "->" + Buddy->Name() : ""));
}

void TTestThing::Notification(TComponent* component, TOperation operation) {
  TComponent::Notification(component, operation);
  if (operation == opRemove && component == Buddy) Buddy = nullptr;
}

void TTestThing::GetChildren(const TGetChildProc& proc, TComponent* root) {
  for (int i = 0; i < root->ComponentCount(); ++i) {
    auto* thing = dynamic_cast<TTestThing*>(root->Components(i));
    if (thing && thing->ParentThing == this) proc(thing);
  }
}

void TTestThing::ReadState(TReader& reader) {
  if (reader.Parent() != this) SetParentComponent(reader.Parent());
  TComponent::ReadState(reader);
}

void RegisterTestClasses() { RegisterClasses({&TTestThing::StaticClass(), &TTestRoot::StaticClass()}); }

}  // namespace z5t8::framework::testing
