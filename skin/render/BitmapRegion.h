#pragma once

#include <optional>

#include "platform/gui/Region.h"
#include "skin/render/Bitmap.h"

namespace z5t8::skin::render {

// The region of every pixel whose colour is not the key 0x7F007F (alpha
// ignored), moved to (x, y); none for an empty bitmap.
std::optional<platform::gui::Region> CreateRegionFromBitmap(const TteBitmap& bitmap, int x, int y);

}  // namespace z5t8::skin::render
