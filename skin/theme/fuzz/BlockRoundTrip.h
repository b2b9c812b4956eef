// Shared body of the block fuzzers whose blocks must write back exactly what
// they read.
#pragma once

#include <cstddef>
#include <cstdint>

#include "framework/Exceptions.h"
#include "framework/MemoryStream.h"

template <class Block>
int FuzzBlockRoundTrip(const uint8_t* data, size_t size) {
  using namespace z5t8;
  framework::TCustomMemoryStream stream(data, int64_t(size));
  Block block(nullptr);
  try {
    block.LoadFromStream(stream);
  } catch (const framework::Exception&) {
    return 0;
  }
  // Whatever was read must be written so that it reads back to the same block.
  framework::TMemoryStream first, second;
  block.SaveToStream(first);
  first.SetPosition(0);
  Block again(nullptr);
  again.LoadFromStream(first);
  again.SaveToStream(second);
  if (first.Bytes() != second.Bytes()) __builtin_trap();
  return 0;
}
