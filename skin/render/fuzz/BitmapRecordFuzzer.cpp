// Feeds arbitrary bytes to the bitmap stream record reader and runs the
// checks and region building on whatever it accepts.

#include <cstddef>
#include <cstdint>

#include "framework/Exceptions.h"
#include "framework/MemoryStream.h"
#include "skin/render/Bitmap.h"
#include "skin/render/BitmapRegion.h"

using namespace z5t8;

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  framework::TCustomMemoryStream in(data, int64_t(size));
  skin::render::TteBitmap bitmap;
  try {
    bitmap.LoadFromStream(in);
  } catch (const framework::Exception&) {
    return 0;
  }
  bitmap.CheckingAlphaBlend();
  bitmap.CheckingTransparent(0xFFFF00FFu);
  (void)skin::render::CreateRegionFromBitmap(bitmap, 0, 0);
  framework::TMemoryStream out;
  bitmap.SaveToStream(out);
  out.SetPosition(0);
  skin::render::TteBitmap again;
  again.LoadFromStream(out);
  if (again.Width() != bitmap.Width() || again.Height() != bitmap.Height()) __builtin_trap();
  return 0;
}
