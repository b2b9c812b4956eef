#pragma once

#include <cstdint>

#include "framework/Stream.h"

namespace z5t8::skin::se3 {

// The two store body layouts a container can carry.
enum TSeSkinStoreLayout : uint8_t { sslBase, sslExtended };

// What a container filter fills when it reads a skin and reads when it writes one: the
// store body in the layout the filter's kind uses.
class ISeSkinSource {
public:
  virtual void ReadStore(framework::TStream& stream, TSeSkinStoreLayout layout) = 0;
  virtual void WriteStore(framework::TStream& stream, TSeSkinStoreLayout layout) = 0;

protected:
  ~ISeSkinSource() = default;
};

}  // namespace z5t8::skin::se3
