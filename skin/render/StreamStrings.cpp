#include "skin/render/StreamStrings.h"

#include <limits>

#include "framework/Exceptions.h"

namespace z5t8::skin::render {

std::string ReadString(framework::TStream& stream) {
  int32_t n = stream.ReadInt32();
  if (n <= 0) return {};
  if (n > stream.Remaining()) throw framework::EReadError(framework::SReadError);
  std::string text(size_t(n), '\0');
  stream.ReadBuffer(text.data(), n);
  return text;
}

void WriteString(framework::TStream& stream, const std::string& text) {
  if (text.size() > size_t(std::numeric_limits<int32_t>::max()))
    throw framework::EWriteError(framework::SWriteError);
  stream.WriteInt32(int32_t(text.size()));
  stream.WriteBuffer(text.data(), int64_t(text.size()));
}

}  // namespace z5t8::skin::render
