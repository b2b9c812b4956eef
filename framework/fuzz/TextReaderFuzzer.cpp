// Fuzzes the text form: what converts to binary must convert back to text and again to the
// same binary, and the binary is read into components.

#include <cstddef>
#include <cstdint>
#include <string>

#include "FuzzChecks.h"

using namespace z5t8::framework;
using namespace z5t8::framework::fuzzing;

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  std::string text(reinterpret_cast<const char*>(data), size);
  std::string binary;
  try {
    binary = ObjectTextToBinary(text);
  } catch (const Exception&) {
    return 0;
  }
  std::string back;
  try {
    back = ObjectBinaryToText(binary);
  } catch (const Exception&) {
    // Text can name things the binary form holds but the text form cannot write back
    // (an identifier True written as a value is the tag for true); nothing to compare then.
    return 0;
  }
  CheckTextTrip(back);
  CheckComponentRead(binary);
  return 0;
}
