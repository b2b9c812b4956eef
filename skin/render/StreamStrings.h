#pragma once

#include <string>

#include "framework/Stream.h"

namespace z5t8::skin::render {

// A signed 32-bit little-endian length, then that many bytes. A negative
// length reads as empty; a length beyond the stream's end raises
// "Stream read error" before anything is allocated.
std::string ReadString(framework::TStream& stream);
void WriteString(framework::TStream& stream, const std::string& text);

}  // namespace z5t8::skin::render
