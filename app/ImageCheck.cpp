#include "app/ImageCheck.h"

namespace z5t8::app {

void Image_Sums::Add(const std::uint8_t* bytes, std::size_t n) {
  // A byte of 0x80 or more counts 256 less in the signed sum, so both sums
  // follow from the plain sum and the number of such bytes. Blocks of 64 KiB
  // keep 32-bit partial sums from overflowing; the loop vectorises.
  constexpr std::size_t block = std::size_t(1) << 16;
  while (n > 0) {
    std::size_t m = n < block ? n : block;
    std::uint32_t sum = 0, high = 0;
    for (std::size_t i = 0; i < m; ++i) {
      sum += bytes[i];
      high += bytes[i] >> 7;
    }
    unsigned_sum += sum;
    signed_sum += sum - 256 * high;
    bytes += m;
    n -= m;
  }
}

}  // namespace z5t8::app
