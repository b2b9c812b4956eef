// Feeds arbitrary bytes to the bitmap stream record reader, then to a link
// record, and runs the checks, region building and drawing on whatever they
// accept, as a skin's images and the links of its objects would be used.

#include <cstddef>
#include <cstdint>

#include "framework/Exceptions.h"
#include "framework/MemoryStream.h"
#include "skin/render/Bitmap.h"
#include "skin/render/BitmapLink.h"
#include "skin/render/BitmapRegion.h"

using namespace z5t8;
using skin::render::Rect;

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

  skin::render::TteBitmapLink link;
  Rect margins;
  try {
    link.LoadFromStream(in);
    margins = {in.ReadInt32(), in.ReadInt32(), in.ReadInt32(), in.ReadInt32()};
  } catch (const framework::Exception&) {
    return 0;
  }
  link.Bitmap = &bitmap;
  link.CheckingMasked(margins);
  skin::render::TteBitmap target;
  target.SetSize(17, 13);
  bitmap.AlphaBlend = link.MaskClient;
  bitmap.Transparent = link.MaskBorder;
  link.Draw(target, margins.left, margins.top);
  bitmap.Draw(target, margins, link.GetRect());
  bitmap.Tile(target, margins, link.GetRect());
  bitmap.TileClip(*target.DC(), margins, link.GetRect(), Rect{2, 2, 9, 9});
  target.MergeDraw(bitmap, margins.right, margins.bottom, link.GetRect());
  return 0;
}
