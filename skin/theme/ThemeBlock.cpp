#include "skin/theme/ThemeBlock.h"

namespace z5t8::skin::theme {

std::string ReadBlockEntry(framework::TStream& stream) {
  framework::ReadCountedString(stream);
  framework::ReadCountedString(stream);
  return framework::ReadCountedString(stream);
}

void WriteBlockEntry(framework::TStream& stream, std::string_view name, const std::string& value) {
  framework::WriteCountedString(stream, std::string(name));
  framework::WriteCountedString(stream, ":");
  framework::WriteCountedString(stream, value);
}

}  // namespace z5t8::skin::theme
