#pragma once

#include <functional>

#include "framework/Persistent.h"

namespace z5t8::framework {

// Smallest and largest size a control may take; 0 means no limit.
class TSizeConstraints : public TPersistent {
  Z5T8_CLASS(TSizeConstraints, TPersistent)
public:
  int MinWidth() const { return FMinWidth; }
  int MinHeight() const { return FMinHeight; }
  int MaxWidth() const { return FMaxWidth; }
  int MaxHeight() const { return FMaxHeight; }
  void SetMinWidth(int value);
  void SetMinHeight(int value);
  void SetMaxWidth(int value);
  void SetMaxHeight(int value);
  void Assign(const TPersistent* source) override;
  // The size limited by the constraints.
  void Apply(int& width, int& height) const;

  std::function<void()> OnChange;

private:
  void Changed();
  int FMinWidth = 0;
  int FMinHeight = 0;
  int FMaxWidth = 0;
  int FMaxHeight = 0;
};

}  // namespace z5t8::framework
