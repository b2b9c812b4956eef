#pragma once

#include <cstdint>
#include <optional>
#include <span>
#include <string>
#include <vector>

#include "platform/gui/Surface.h"

namespace z5t8::platform::gui {

// PNG images in and out of surfaces. Reading gives straight (not premultiplied)
// alpha, opaque images alpha 255; malformed or oversized data gives nothing.
std::optional<Surface> readPng(std::span<const uint8_t> data);
std::optional<Surface> readPngFile(const std::string& path);

// keepAlpha false writes an opaque RGB image (snapshots: drawing calls leave
// alpha 0 on surfaces).
std::vector<uint8_t> encodePng(const Surface& surface, bool keepAlpha);
bool writePngFile(const Surface& surface, const std::string& path, bool keepAlpha);

bool isPng(std::span<const uint8_t> data);

}  // namespace z5t8::platform::gui
