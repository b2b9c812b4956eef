#pragma once

#include <cstdint>
#include <span>
#include <string_view>

namespace z5t8::framework {

// The value names of an enumeration, in value order; also names the elements of its sets.
// Tables are constant-initialised so classes can be described during static start-up.
struct TEnumInfo {
  std::string_view TypeName;
  std::span<const std::string_view> Names;

  // -1 when no value has that name (names compare without regard to case).
  int ValueOf(std::string_view name) const;
  // Empty for a value outside the enumeration.
  std::string_view NameOf(int64_t value) const;
};

// Identifiers for integer values (colours, character sets), both ways.
struct TIdentMapEntry {
  int32_t Value;
  std::string_view Name;
};
using TIdentMap = std::span<const TIdentMapEntry>;

bool IdentToInt(std::string_view ident, int32_t& value, TIdentMap map);
bool IntToIdent(int32_t value, std::string_view& ident, TIdentMap map);

}  // namespace z5t8::framework
