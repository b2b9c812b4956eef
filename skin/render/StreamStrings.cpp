#include "skin/render/StreamStrings.h"

#include <limits>

#include "framework/Exceptions.h"

namespace z5t8::skin::render {

// The framework's reader grows the text as the bytes arrive, so it needs no stream size and
// decompressors, which cannot tell one, read skins too.
std::string ReadString(framework::TStream& stream) { return framework::ReadCountedString(stream); }

void WriteString(framework::TStream& stream, const std::string& text) {
  if (text.size() > size_t(std::numeric_limits<int32_t>::max()))
    throw framework::EWriteError(framework::SWriteError);
  stream.WriteInt32(int32_t(text.size()));
  stream.WriteBuffer(text.data(), int64_t(text.size()));
}

}  // namespace z5t8::skin::render
