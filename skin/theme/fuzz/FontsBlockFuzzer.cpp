// Any bytes as a stored theme font block.
#include <cstddef>
#include <cstdint>

#include "framework/Exceptions.h"
#include "framework/MemoryStream.h"
#include "skin/theme/ThemeFonts.h"

using namespace z5t8;

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  framework::TCustomMemoryStream stream(data, int64_t(size));
  skin::theme::TteThemeFonts block(nullptr);
  try {
    block.LoadFromStream(stream);
  } catch (const framework::Exception&) {
    return 0;
  }
  framework::TMemoryStream out;
  block.SaveToStream(out);
  return 0;
}
