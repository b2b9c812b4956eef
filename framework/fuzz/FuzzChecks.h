#pragma once

// The properties both fuzz targets check on every input that converts or reads.

#include <cstdio>
#include <cstdlib>
#include <string>

#include "FuzzClasses.h"
#include "framework/Exceptions.h"
#include "framework/MemoryStream.h"
#include "framework/Reader.h"
#include "framework/TextForm.h"
#include "framework/Writer.h"

namespace z5t8::framework::fuzzing {

[[noreturn]] inline void Fail(const char* what) {
  std::fprintf(stderr, "fuzz check failed: %s\n", what);
  std::abort();
}

inline void RegisterFuzzClasses() {
  static bool done = [] {
    RegisterClasses({&TFuzzThing::StaticClass(), &TFuzzRoot::StaticClass()});
    return true;
  }();
  (void)done;
}

// Text from binary must convert back, and a second trip must change nothing.
inline void CheckTextTrip(const std::string& text) {
  std::string binary;
  try {
    binary = ObjectTextToBinary(text);
  } catch (const Exception&) {
    Fail("text written by the converter does not convert back");
  }
  std::string again = ObjectBinaryToText(binary);
  if (again != text) Fail("text is not stable over a round trip");
  if (ObjectTextToBinary(again) != binary) Fail("binary is not stable over a round trip");
}

// A stream the reader accepts is written back, and what is written reads and writes the same.
inline void CheckComponentRead(const std::string& bytes) {
  RegisterFuzzClasses();
  TCustomMemoryStream input(bytes.data(), int64_t(bytes.size()));
  TComponent* root = nullptr;
  try {
    root = ReadComponent(input, nullptr);
  } catch (const Exception&) {
    return;
  }
  TMemoryStream written;
  WriteComponent(written, root);
  delete root;
  std::string first(reinterpret_cast<const char*>(written.Memory()), size_t(written.Size()));
  written.SetPosition(0);
  TComponent* copy = ReadComponent(written, nullptr);
  TMemoryStream rewritten;
  WriteComponent(rewritten, copy);
  delete copy;
  if (std::string(reinterpret_cast<const char*>(rewritten.Memory()), size_t(rewritten.Size())) != first)
    Fail("a component written and read back writes differently");
}

}  // namespace z5t8::framework::fuzzing
