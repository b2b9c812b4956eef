// Any bytes as a stored theme colour block.
#include <cstddef>
#include <cstdint>

#include "framework/Exceptions.h"
#include "framework/MemoryStream.h"
#include "skin/theme/ThemeColors.h"

using namespace z5t8;

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  framework::TCustomMemoryStream stream(data, int64_t(size));
  skin::theme::TteThemeColors block(nullptr);
  try {
    block.LoadFromStream(stream);
  } catch (const framework::Exception&) {
    return 0;
  }
  // Whatever was read must be written so that it reads back to the same block.
  framework::TMemoryStream first, second;
  block.SaveToStream(first);
  first.SetPosition(0);
  skin::theme::TteThemeColors again(nullptr);
  again.LoadFromStream(first);
  again.SaveToStream(second);
  if (first.Bytes() != second.Bytes()) __builtin_trap();
  return 0;
}
