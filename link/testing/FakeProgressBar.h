// A progress bar that behaves like the framework's: a position outside
// Min..Max is held at the nearer end.
#pragma once

#include "link/ProgressBar.h"

#include <algorithm>
#include <vector>

namespace z5t8::link::testing {

class FakeProgressBar : public ProgressBar {
public:
  void Set_Min(std::int32_t v) override { min = v; }
  void Set_Max(std::int32_t v) override { max = v; }
  std::int32_t Max() const override { return max; }
  void Set_Step(std::int32_t v) override { step = v; }
  void Set_Position(std::int32_t v) override {
    position = std::clamp(v, min, std::max(min, max));
    positions.push_back(position);
  }
  std::int32_t Position() const override { return position; }

  std::int32_t min = 0, max = 100, step = 10, position = 0;
  std::vector<std::int32_t> positions;  // every position set, in order
};

}  // namespace z5t8::link::testing
