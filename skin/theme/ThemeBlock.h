#pragma once

#include <string>
#include <string_view>

#include "framework/Stream.h"

namespace z5t8::skin::theme {

// An entry of a stored colour or font table: three counted strings, the entry's name,
// ":" and the value. Entries are placed by position, so only the value is kept.
std::string ReadBlockEntry(framework::TStream& stream);
void WriteBlockEntry(framework::TStream& stream, std::string_view name, const std::string& value);

}  // namespace z5t8::skin::theme
