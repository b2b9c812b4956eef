#include "skin/controls/FormOptions.h"

#include <algorithm>

#include "framework/Properties.h"

namespace z5t8::skin::controls {

namespace {
const std::string_view DirectionNames[] = {"kdNone", "kdNoRotate", "kdRotate90", "kdRotate180",
                                           "kdRotate270"};
const fw::TEnumInfo DirectionInfo{"TTeDirection", DirectionNames};
const std::string_view DragModeNames[] = {"kfdmBorder", "kfdmFullDrag", "kfdmSystemSettings"};
const fw::TEnumInfo DragModeInfo{"TTeFormDragMode", DragModeNames};
}  // namespace

Z5T8_IMPLEMENT_CLASS(TTeBlending, fw::TPersistent) {
  p.Boolean("Enabled", &TTeBlending::Enabled, &TTeBlending::SetEnabled).Default(0);
  p.Integer("Value", &TTeBlending::Value, &TTeBlending::SetValue).Default(150);
}

void TTeBlending::SetEnabled(bool value) {
  if (value == FEnabled) return;
  FEnabled = value;
  Changed();
}

void TTeBlending::SetValue(int value) {
  value = std::clamp(value, 0, 255);
  if (value == FValue) return;
  FValue = value;
  Changed();
}

void TTeBlending::Assign(const fw::TPersistent* source) {
  if (auto* s = dynamic_cast<const TTeBlending*>(source)) {
    FEnabled = s->FEnabled;
    FValue = s->FValue;
    Changed();
    return;
  }
  fw::TPersistent::Assign(source);
}

void TTeBlending::Changed() {
  if (OnChange) OnChange();
}

Z5T8_IMPLEMENT_CLASS(TTeShadow, fw::TPersistent) {
  p.Boolean("Enabled", &TTeShadow::Enabled, &TTeShadow::SetEnabled).Default(0);
  p.Integer("Size", &TTeShadow::Size, &TTeShadow::SetSize).Default(4);
}

void TTeShadow::SetEnabled(bool value) {
  if (value == FEnabled) return;
  FEnabled = value;
  Changed();
}

void TTeShadow::SetSize(int value) {
  if (value <= 0) {
    FSize = 0;
    FEnabled = false;
  } else {
    FSize = std::min(value, 20);
  }
  Changed();
}

void TTeShadow::Assign(const fw::TPersistent* source) {
  if (auto* s = dynamic_cast<const TTeShadow*>(source)) {
    FEnabled = s->FEnabled;
    FSize = s->FSize;
    Changed();
    return;
  }
  fw::TPersistent::Assign(source);
}

void TTeShadow::Changed() {
  if (OnChange) OnChange();
}

Z5T8_IMPLEMENT_CLASS(TTeGravitation, fw::TPersistent) {
  p.Boolean("Enabled", &TTeGravitation::Enabled, &TTeGravitation::SetEnabled).Default(1);
  p.Integer("Size", &TTeGravitation::Size, &TTeGravitation::SetSize).Default(20);
  p.Boolean("SnapToForms", &TTeGravitation::SnapToForms, &TTeGravitation::SetSnapToForms).Default(0);
  p.Boolean("SnapToDesktop", &TTeGravitation::SnapToDesktop, &TTeGravitation::SetSnapToDesktop).Default(1);
  p.Boolean("OwnedForm", &TTeGravitation::OwnedForm, &TTeGravitation::SetOwnedForm);
}

void TTeGravitation::SetSize(int value) { FSize = std::clamp(value, 1, 50); }

void TTeGravitation::Assign(const fw::TPersistent* source) {
  if (auto* s = dynamic_cast<const TTeGravitation*>(source)) {
    FEnabled = s->FEnabled;
    FSize = s->FSize;
    FSnapToForms = s->FSnapToForms;
    FSnapToDesktop = s->FSnapToDesktop;
    FOwnedForm = s->FOwnedForm;
    FKind = s->FKind;
    return;
  }
  fw::TPersistent::Assign(source);
}

Z5T8_IMPLEMENT_CLASS(TTeDragging, fw::TPersistent) {
  p.Boolean("Moveable", &TTeDragging::Moveable, &TTeDragging::SetMoveable).Default(1);
  p.Boolean("Sizeable", &TTeDragging::Sizeable, &TTeDragging::SetSizeable).Default(1);
  p.Enum("DragMode", DragModeInfo, &TTeDragging::DragMode, &TTeDragging::SetDragMode).Default(kfdmFullDrag);
}

void TTeDragging::Assign(const fw::TPersistent* source) {
  if (auto* s = dynamic_cast<const TTeDragging*>(source)) {
    FMoveable = s->FMoveable;
    FSizeable = s->FSizeable;
    FDragMode = s->FDragMode;
    return;
  }
  fw::TPersistent::Assign(source);
}

Z5T8_IMPLEMENT_CLASS(TTeAnimation, fw::TPersistent) {
  p.Enum("Direction", DirectionInfo, &TTeAnimation::Direction, &TTeAnimation::SetDirection).Default(kdNone);
  p.String("EffectKind", &TTeAnimation::EffectKind, &TTeAnimation::SetEffectKind)
      .Stored([](const TTeAnimation& a) { return a.EffectKind() != DefaultEffectKind(); });
  p.Boolean("Enabled", &TTeAnimation::Enabled, &TTeAnimation::SetEnabled).Default(0);
  p.Integer("Resolution", &TTeAnimation::Resolution, &TTeAnimation::SetResolution).Default(1);
  p.Integer("TileCount", &TTeAnimation::TileCount, &TTeAnimation::SetTileCount).Default(1);
  p.Integer("Time", &TTeAnimation::Time, &TTeAnimation::SetTime).Default(400);
}

void TTeAnimation::Assign(const fw::TPersistent* source) {
  if (auto* s = dynamic_cast<const TTeAnimation*>(source)) {
    FRecord = s->FRecord;
    return;
  }
  fw::TPersistent::Assign(source);
}

Z5T8_IMPLEMENT_CLASS(TTePopupMenuOptions, fw::TPersistent) {
  p.Object("Blending", &TTePopupMenuOptions::Blending);
  p.Object("Shadow", &TTePopupMenuOptions::Shadow);
  p.Object("Animation", &TTePopupMenuOptions::Animation);
}

TTePopupMenuOptions::TTePopupMenuOptions()
    : FBlending(std::make_unique<TTeBlending>()),
      FShadow(std::make_unique<TTeShadow>()),
      FAnimation(std::make_unique<TTeAnimation>()) {}

TTePopupMenuOptions::~TTePopupMenuOptions() = default;

void TTePopupMenuOptions::Assign(const fw::TPersistent* source) {
  if (auto* s = dynamic_cast<const TTePopupMenuOptions*>(source)) {
    FBlending->Assign(s->FBlending.get());
    FShadow->Assign(s->FShadow.get());
    FAnimation->Assign(s->FAnimation.get());
    return;
  }
  fw::TPersistent::Assign(source);
}

}  // namespace z5t8::skin::controls
