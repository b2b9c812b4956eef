#pragma once

// A binary property whose value is the bytes of a string, for the test and
// fuzz components: what a stream carries as binary comes back as it went out.

#include <cstdint>
#include <string>

#include "framework/Filer.h"
#include "framework/Stream.h"

namespace z5t8::framework::testing {

inline void DefineBytesProperty(TFiler& filer, const std::string& name, std::string& bytes) {
  filer.DefineBinaryProperty(
      name,
      [&bytes](TStream& s) {
        bytes.resize(size_t(s.Size()));
        s.ReadBuffer(bytes.data(), s.Size());
      },
      [&bytes](TStream& s) { s.WriteBuffer(bytes.data(), int64_t(bytes.size())); }, !bytes.empty());
}

}  // namespace z5t8::framework::testing
