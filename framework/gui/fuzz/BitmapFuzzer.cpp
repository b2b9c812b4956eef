// Windows bitmap files from outside the program: any bytes must load or be
// refused, never read or write out of bounds.
#include <cstddef>
#include <cstdint>

#include "framework/MemoryStream.h"
#include "framework/gui/Bitmap.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  z5t8::framework::TMemoryStream stream;
  stream.WriteBuffer(data, int64_t(size));
  stream.SetPosition(0);
  z5t8::framework::TBitmap bitmap;
  try {
    bitmap.LoadFromStream(stream);
  } catch (const z5t8::framework::Exception&) {
  }
  return 0;
}
