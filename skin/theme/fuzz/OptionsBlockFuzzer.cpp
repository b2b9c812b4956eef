// Any bytes as a stored theme options block.
#include "skin/theme/ThemeOptions.h"
#include "skin/theme/fuzz/BlockRoundTrip.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  return FuzzBlockRoundTrip<z5t8::skin::theme::TteThemeOptions>(data, size);
}
