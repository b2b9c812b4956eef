// The progress bar that long serial operations advance. The window implements
// it over its own bar; the link knows nothing more of windows.
#pragma once

#include <cstdint>

namespace z5t8::link {

class ProgressBar {
public:
  virtual ~ProgressBar() = default;

  virtual void Set_Min(std::int32_t min) = 0;
  virtual void Set_Max(std::int32_t max) = 0;
  virtual std::int32_t Max() const = 0;
  virtual void Set_Step(std::int32_t step) = 0;
  // Like the framework's bar, a position outside Min..Max is held at the
  // nearer end.
  virtual void Set_Position(std::int32_t position) = 0;
  virtual std::int32_t Position() const = 0;
};

}  // namespace z5t8::link
