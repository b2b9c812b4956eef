#include "FuzzClasses.h"

#include "framework/Reader.h"

namespace z5t8::framework::fuzzing {

Z5T8_IMPLEMENT_CLASS(TFuzzItem, TCollectionItem) {
  p.String("Label", &TFuzzItem::Label, &TFuzzItem::Label);
  p.Integer("Number", &TFuzzItem::Number, &TFuzzItem::Number).Default(0);
}

Z5T8_IMPLEMENT_CLASS(TFuzzThing, TComponent) {
  p.Integer("Number", &TFuzzThing::Number, &TFuzzThing::Number).Default(0);
  p.Int64("Big", &TFuzzThing::Big, &TFuzzThing::Big).Default(0);
  p.Enum("Kind", FuzzKindInfo, &TFuzzThing::Kind, &TFuzzThing::Kind).Default(fkOne);
  p.Set("Kinds", FuzzKindInfo, &TFuzzThing::Kinds, &TFuzzThing::Kinds);
  p.Boolean("Flag", &TFuzzThing::Flag, &TFuzzThing::Flag).Default(false);
  p.String("Text", &TFuzzThing::Text, &TFuzzThing::Text);
  p.WideString("Caption", &TFuzzThing::Caption, &TFuzzThing::Caption);
  p.Integer("Color", &TFuzzThing::Color, &TFuzzThing::Color).Idents(ColorIdents()).Default(clWindow);
  p.Integer("Charset", &TFuzzThing::Charset, &TFuzzThing::Charset)
      .Idents(CharsetIdents())
      .Default(DEFAULT_CHARSET);
  p.Object("Font", &TFuzzThing::Font);
  p.Object("Items", &TFuzzThing::Items);
  p.Object("Lines", &TFuzzThing::Lines);
  p.Component("Buddy", &TFuzzThing::Buddy, &TFuzzThing::SetBuddy);
  p.Event("OnPing", &TFuzzThing::OnPing);
}

Z5T8_IMPLEMENT_CLASS(TFuzzRoot, TFuzzThing) {
  p.Method("Ping", &TFuzzRoot::Ping);
  p.Field("First", &TFuzzRoot::First);
}

void TFuzzThing::ReadState(TReader& reader) {
  if (reader.Parent() != this) SetParentComponent(reader.Parent());
  TComponent::ReadState(reader);
}

}  // namespace z5t8::framework::fuzzing
