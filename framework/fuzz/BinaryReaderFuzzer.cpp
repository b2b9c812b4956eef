// Fuzzes the binary component stream: conversion to text (and back) and reading into
// components of every property kind.

#include <cstddef>
#include <cstdint>
#include <string>

#include "FuzzChecks.h"

using namespace z5t8::framework;
using namespace z5t8::framework::fuzzing;

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  std::string bytes(reinterpret_cast<const char*>(data), size);
  std::string text;
  bool converted = true;
  try {
    text = ObjectBinaryToText(bytes);
  } catch (const Exception&) {
    converted = false;
  }
  if (converted) CheckTextTrip(text);
  CheckComponentRead(bytes);
  return 0;
}
