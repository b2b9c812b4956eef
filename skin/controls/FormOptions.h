#pragma once

#include <functional>
#include <memory>
#include <string>

#include "framework/Persistent.h"

namespace z5t8::skin::controls {

namespace fw = framework;

enum TTeGravitationKind { kgkDock, kgkSite };
enum TTeDirection { kdNone, kdNoRotate, kdRotate90, kdRotate180, kdRotate270 };
enum TTeFormDragMode { kfdmBorder, kfdmFullDrag, kfdmSystemSettings };

// Window translucency; Value is the alpha of the frame bands.
class TTeBlending : public fw::TPersistent {
  Z5T8_CLASS(TTeBlending, fw::TPersistent)
public:
  bool Enabled() const { return FEnabled; }
  void SetEnabled(bool value);
  int Value() const { return FValue; }
  void SetValue(int value);
  void Assign(const fw::TPersistent* source) override;
  std::function<void()> OnChange;

private:
  void Changed();
  bool FEnabled = false;
  int FValue = 150;
};

class TTeShadow : public fw::TPersistent {
  Z5T8_CLASS(TTeShadow, fw::TPersistent)
public:
  bool Enabled() const { return FEnabled; }
  void SetEnabled(bool value);
  int Size() const { return FSize; }
  void SetSize(int value);
  void Assign(const fw::TPersistent* source) override;
  std::function<void()> OnChange;

private:
  void Changed();
  bool FEnabled = false;
  int FSize = 4;
};

// Snapping while the window is moved.
class TTeGravitation : public fw::TPersistent {
  Z5T8_CLASS(TTeGravitation, fw::TPersistent)
public:
  bool Enabled() const { return FEnabled; }
  void SetEnabled(bool value) { FEnabled = value; }
  int Size() const { return FSize; }
  void SetSize(int value);
  bool SnapToForms() const { return FSnapToForms; }
  void SetSnapToForms(bool value) { FSnapToForms = value; }
  bool SnapToDesktop() const { return FSnapToDesktop; }
  void SetSnapToDesktop(bool value) { FSnapToDesktop = value; }
  bool OwnedForm() const { return FOwnedForm; }
  void SetOwnedForm(bool value) { FOwnedForm = value; }
  TTeGravitationKind Kind() const { return FKind; }
  void SetKind(TTeGravitationKind value) { FKind = value; }
  void Assign(const fw::TPersistent* source) override;

private:
  bool FEnabled = true;
  int FSize = 20;
  bool FSnapToForms = false;
  bool FSnapToDesktop = true;
  bool FOwnedForm = false;
  TTeGravitationKind FKind = kgkDock;
};

class TTeDragging : public fw::TPersistent {
  Z5T8_CLASS(TTeDragging, fw::TPersistent)
public:
  bool Moveable() const { return FMoveable; }
  void SetMoveable(bool value) { FMoveable = value; }
  bool Sizeable() const { return FSizeable; }
  void SetSizeable(bool value) { FSizeable = value; }
  TTeFormDragMode DragMode() const { return FDragMode; }
  void SetDragMode(TTeFormDragMode value) { FDragMode = value; }
  void Assign(const fw::TPersistent* source) override;

private:
  bool FMoveable = true;
  bool FSizeable = true;
  TTeFormDragMode FDragMode = kfdmFullDrag;
};

// The show animation's settings; this frame stores them and runs no effect.
struct TTeAnimationRecord {
  TTeDirection Direction = kdNone;
  std::string EffectKind = "[ RANDOM ] - Random selection";
  bool Enabled = false;
  int Resolution = 1;
  int TileCount = 1;
  int Time = 400;
};

class TTeAnimation : public fw::TPersistent {
  Z5T8_CLASS(TTeAnimation, fw::TPersistent)
public:
  static const char* DefaultEffectKind() { return "[ RANDOM ] - Random selection"; }
  TTeDirection Direction() const { return FRecord.Direction; }
  void SetDirection(TTeDirection value) { FRecord.Direction = value; }
  const std::string& EffectKind() const { return FRecord.EffectKind; }
  void SetEffectKind(const std::string& value) { FRecord.EffectKind = value; }
  bool Enabled() const { return FRecord.Enabled; }
  void SetEnabled(bool value) { FRecord.Enabled = value; }
  int Resolution() const { return FRecord.Resolution; }
  void SetResolution(int value) { FRecord.Resolution = value; }
  int TileCount() const { return FRecord.TileCount; }
  void SetTileCount(int value) { FRecord.TileCount = value; }
  int Time() const { return FRecord.Time; }
  void SetTime(int value) { FRecord.Time = value; }
  const TTeAnimationRecord& Record() const { return FRecord; }
  void Assign(const fw::TPersistent* source) override;

private:
  TTeAnimationRecord FRecord;
};

class TTePopupMenuOptions : public fw::TPersistent {
  Z5T8_CLASS(TTePopupMenuOptions, fw::TPersistent)
public:
  TTePopupMenuOptions();
  ~TTePopupMenuOptions() override;
  TTeBlending* Blending() const { return FBlending.get(); }
  TTeShadow* Shadow() const { return FShadow.get(); }
  TTeAnimation* Animation() const { return FAnimation.get(); }
  void Assign(const fw::TPersistent* source) override;

private:
  std::unique_ptr<TTeBlending> FBlending;
  std::unique_ptr<TTeShadow> FShadow;
  std::unique_ptr<TTeAnimation> FAnimation;
};

}  // namespace z5t8::skin::controls
