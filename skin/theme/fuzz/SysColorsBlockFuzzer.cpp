// Any bytes as a stored theme system colour block.
#include "skin/theme/ThemeSysColors.h"
#include "skin/theme/fuzz/BlockRoundTrip.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  return FuzzBlockRoundTrip<z5t8::skin::theme::TteThemeSysColors>(data, size);
}
