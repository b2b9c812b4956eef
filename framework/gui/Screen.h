#pragma once

#include <vector>

#include "framework/Component.h"
#include "framework/gui/Canvas.h"

namespace z5t8::framework {

class TCustomForm;

// The display: its size, work area and the program's forms.
class TScreen : public TComponent {
  Z5T8_CLASS(TScreen, TComponent)
public:
  explicit TScreen(TComponent* owner) : TComponent(owner) {}
  int Width() const;
  int Height() const;
  TRect WorkAreaRect() const;
  int WorkAreaWidth() const { return WorkAreaRect().width(); }
  int WorkAreaHeight() const { return WorkAreaRect().height(); }
  int PixelsPerInch() const { return 96; }
  int FormCount() const { return static_cast<int>(FForms.size()); }
  TCustomForm* Forms(int index) const { return FForms[static_cast<size_t>(index)]; }
  const std::vector<TCustomForm*>& Forms() const { return FForms; }
  int IndexOf(const TCustomForm* form) const;
  TCustomForm* ActiveForm() const { return FActiveForm; }
  void SetActiveForm(TCustomForm* form) { FActiveForm = form; }
  void AddForm(TCustomForm* form);
  void RemoveForm(TCustomForm* form);

private:
  std::vector<TCustomForm*> FForms;
  TCustomForm* FActiveForm = nullptr;
};

TScreen* Screen();

}  // namespace z5t8::framework
