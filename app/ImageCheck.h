// The image file's check: two 32-bit byte sums, one of the bytes as unsigned
// values and one as two's-complement values, whose XOR must be one constant.
#pragma once

#include <cstddef>
#include <cstdint>

namespace z5t8::app {

inline constexpr std::uint32_t Image_Check_Constant = 0x50C83500;

struct Image_Sums {
  std::uint32_t unsigned_sum = 0;  // wraps modulo 2^32
  std::uint32_t signed_sum = 0;    // wraps modulo 2^32

  void Add(const std::uint8_t* bytes, std::size_t n);
  bool Passes() const { return (unsigned_sum ^ signed_sum) == Image_Check_Constant; }
};

}  // namespace z5t8::app
