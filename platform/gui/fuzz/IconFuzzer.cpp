#include <cstddef>
#include <cstdint>

#include "platform/gui/DeviceContext.h"
#include "platform/gui/Icon.h"

using namespace z5t8::platform::gui;

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  std::optional<Icon> icon = Icon::fromIco({data, size}, 32, 32);
  if (!icon) return 0;
  Surface target(48, 48);
  DeviceContext dc(&target);
  dc.drawIconEx(-4, -4, *icon);
  dc.drawIconEx(8, 8, *icon, 17, 5, DI_MASK);
  return 0;
}
