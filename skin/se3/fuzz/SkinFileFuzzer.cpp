// Any bytes as a whole skin container loaded into a skin theme: kind, store body, working
// copy and object cache. (The store body fuzzer shifts colours.)
#include <cstddef>
#include <cstdint>

#include "framework/Exceptions.h"
#include "framework/MemoryStream.h"
#include "skin/se3/SkinFile.h"

using namespace z5t8;

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  framework::TCustomMemoryStream stream(data, int64_t(size));
  skin::se3::TTeSkinFile theme;
  try {
    theme.LoadFromStream(stream);
  } catch (const framework::Exception&) {
  }
  return 0;
}
