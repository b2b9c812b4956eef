#include <cstddef>
#include <cstdint>

#include "platform/gui/Png.h"

using namespace z5t8::platform::gui;

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  if (std::optional<Surface> s = readPng({data, size})) encodePng(*s, true);
  return 0;
}
