// Images that pass the image check: the unsigned byte sum S and the number H
// of bytes from 0x80 up must satisfy S XOR (S - 256 H) = 0x50C83500 (mod 2^32).
#pragma once

#include <cstdint>
#include <optional>
#include <vector>

namespace z5t8::make_image {

struct Image_Plan {
  std::uint64_t size;
  std::uint64_t high_bytes;  // H
  std::uint64_t sum;         // S, before wrapping
};

// A plan for an image of exactly size bytes; nothing when no such image can
// pass.
std::optional<Image_Plan> Plan_Image(std::uint64_t size);
// The smallest size for which a plan exists.
std::uint64_t Smallest_Image_Size();
// Bytes that follow the plan, varied by the seed.
std::vector<std::uint8_t> Make_Image(const Image_Plan& plan, std::uint32_t seed);

}  // namespace z5t8::make_image
