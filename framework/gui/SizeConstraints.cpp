#include "framework/gui/SizeConstraints.h"

#include "framework/Properties.h"

namespace z5t8::framework {

Z5T8_IMPLEMENT_CLASS(TSizeConstraints, TPersistent) {
  p.Integer("MaxHeight", &TSizeConstraints::MaxHeight, &TSizeConstraints::SetMaxHeight).Default(0);
  p.Integer("MaxWidth", &TSizeConstraints::MaxWidth, &TSizeConstraints::SetMaxWidth).Default(0);
  p.Integer("MinHeight", &TSizeConstraints::MinHeight, &TSizeConstraints::SetMinHeight).Default(0);
  p.Integer("MinWidth", &TSizeConstraints::MinWidth, &TSizeConstraints::SetMinWidth).Default(0);
}

void TSizeConstraints::SetMinWidth(int value) {
  if (value < 0 || value == FMinWidth) return;
  FMinWidth = value;
  if (FMaxWidth > 0 && FMaxWidth < value) FMaxWidth = value;
  Changed();
}

void TSizeConstraints::SetMinHeight(int value) {
  if (value < 0 || value == FMinHeight) return;
  FMinHeight = value;
  if (FMaxHeight > 0 && FMaxHeight < value) FMaxHeight = value;
  Changed();
}

void TSizeConstraints::SetMaxWidth(int value) {
  if (value < 0 || value == FMaxWidth) return;
  FMaxWidth = value;
  if (value > 0 && FMinWidth > value) FMinWidth = value;
  Changed();
}

void TSizeConstraints::SetMaxHeight(int value) {
  if (value < 0 || value == FMaxHeight) return;
  FMaxHeight = value;
  if (value > 0 && FMinHeight > value) FMinHeight = value;
  Changed();
}

void TSizeConstraints::Assign(const TPersistent* source) {
  if (const auto* other = dynamic_cast<const TSizeConstraints*>(source)) {
    FMinWidth = other->FMinWidth;
    FMinHeight = other->FMinHeight;
    FMaxWidth = other->FMaxWidth;
    FMaxHeight = other->FMaxHeight;
    Changed();
    return;
  }
  TPersistent::Assign(source);
}

void TSizeConstraints::Apply(int& width, int& height) const {
  if (FMaxWidth > 0 && width > FMaxWidth) width = FMaxWidth;
  if (FMaxHeight > 0 && height > FMaxHeight) height = FMaxHeight;
  if (FMinWidth > 0 && width < FMinWidth) width = FMinWidth;
  if (FMinHeight > 0 && height < FMinHeight) height = FMinHeight;
}

void TSizeConstraints::Changed() {
  if (OnChange) OnChange();
}

}  // namespace z5t8::framework
