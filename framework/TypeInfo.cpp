#include "framework/TypeInfo.h"

#include "framework/TextUtils.h"

namespace z5t8::framework {

int TEnumInfo::ValueOf(std::string_view name) const {
  for (size_t i = 0; i < Names.size(); ++i)
    if (SameText(Names[i], name)) return int(i);
  return -1;
}

std::string_view TEnumInfo::NameOf(int64_t value) const {
  if (value < 0 || uint64_t(value) >= Names.size()) return {};
  return Names[size_t(value)];
}

bool IdentToInt(std::string_view ident, int32_t& value, TIdentMap map) {
  for (const auto& entry : map)
    if (SameText(entry.Name, ident)) {
      value = entry.Value;
      return true;
    }
  return false;
}

bool IntToIdent(int32_t value, std::string_view& ident, TIdentMap map) {
  for (const auto& entry : map)
    if (entry.Value == value) {
      ident = entry.Name;
      return true;
    }
  return false;
}

}  // namespace z5t8::framework
