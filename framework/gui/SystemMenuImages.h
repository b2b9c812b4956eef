#pragma once

#include <string_view>

#include "framework/gui/Bitmap.h"
#include "framework/gui/ImageList.h"

namespace z5t8::framework {

// The pictures of a window's system menu, 16 by 16, by name: "TE_FORM_CLOSE",
// "TE_FORM_MINIMIZE", "TE_FORM_MAXIMIZE", "TE_FORM_RESTORE", "TE_FORM_ROLLUP"
// and "TE_FORM_TRAY" (any case). Transparent pixels are clFuchsia.
bool LoadSystemMenuImage(std::string_view name, TBitmap& bitmap);
// All six into the list, in the order above; returns the index of the first.
int AddSystemMenuImages(TImageList& images);

}  // namespace z5t8::framework
