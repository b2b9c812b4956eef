// Any bytes as a skin store body: the first byte picks the layout (its low bit: extended),
// the rest is read into a skin source, which is then copied, shifted and written again.
#include <cstddef>
#include <cstdint>

#include "framework/Exceptions.h"
#include "framework/MemoryStream.h"
#include "skin/se3/SkinSource.h"

using namespace z5t8;
using namespace z5t8::skin::se3;

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  if (size == 0) return 0;
  const TSeSkinStoreLayout layout = data[0] & 1 ? sslExtended : sslBase;
  framework::TCustomMemoryStream stream(data + 1, int64_t(size - 1));
  TSeSkinSource skin;
  try {
    skin.ReadStore(stream, layout);
  } catch (const framework::Exception&) {
    return 0;
  }
  try {
    TSeSkinSource copy;
    copy.Assign(&skin);
    copy.ChangeSkinSourceHue(30);
    copy.ChangeSkinSourceBrightness(-20);
    copy.CheckingObject();
    copy.FillColorsAndFonts();
    copy.GetObjectByName("Form\\Client");
    framework::TMemoryStream out;
    copy.WriteStore(out, layout);
  } catch (const framework::Exception&) {
  }
  return 0;
}
