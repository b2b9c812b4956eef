#pragma once

#include <string>

#include "framework/Stream.h"

namespace z5t8::skin::render {

// A signed 32-bit little-endian length, then that many bytes. A negative
// length reads as empty; a stream that ends early raises "Stream read error",
// and memory grows only with the bytes that actually arrive.
std::string ReadString(framework::TStream& stream);
void WriteString(framework::TStream& stream, const std::string& text);

}  // namespace z5t8::skin::render
