// Any bytes as a stored theme colour block.
#include "skin/theme/ThemeColors.h"
#include "skin/theme/fuzz/BlockRoundTrip.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  return FuzzBlockRoundTrip<z5t8::skin::theme::TteThemeColors>(data, size);
}
