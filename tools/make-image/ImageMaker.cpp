#include "tools/make-image/ImageMaker.h"

#include <algorithm>
#include <limits>

namespace z5t8::make_image {

namespace {

constexpr std::uint32_t check_constant = 0x50C83500;

// The bits of S at the constant's set bits decide S - (S XOR C); the other
// bits are free. For each choice of those bits (a mask over them), this is
// the pattern they form and the H it implies.
struct Choice {
  std::uint32_t pattern;
  std::uint64_t high_bytes;  // modulo 2^24
};

std::vector<Choice> choices() {
  std::vector<int> bits;
  for (int b = 0; b < 32; ++b)
    if (check_constant >> b & 1) bits.push_back(b);
  std::vector<Choice> all;
  for (std::uint32_t mask = 0; mask < (1u << bits.size()); ++mask) {
    std::uint32_t pattern = 0, difference = 0;
    for (std::size_t j = 0; j < bits.size(); ++j) {
      if (mask >> j & 1) {
        pattern |= 1u << bits[j];
        difference += 1u << bits[j];
      } else {
        difference -= 1u << bits[j];
      }
    }
    // S - (S XOR C) = S - D = 256 H (mod 2^32).
    all.push_back({pattern, difference >> 8});
  }
  return all;
}

// The smallest f >= t that has none of the bits of m.
std::uint64_t next_free(std::uint64_t t, std::uint64_t m) {
  while (t & m) {
    int top = 63 - __builtin_clzll(t & m);
    std::uint64_t step = std::uint64_t(1) << top;
    if (t > std::numeric_limits<std::uint64_t>::max() - step)
      return std::numeric_limits<std::uint64_t>::max();
    t = (t & ~(step - 1)) + step;
  }
  return t;
}

// The smallest S >= low whose low 32 bits show the pattern at the constant's bits.
std::uint64_t smallest_sum(std::uint64_t low, std::uint32_t pattern) {
  std::uint64_t f = next_free(low > pattern ? low - pattern : 0, check_constant);
  return f == std::numeric_limits<std::uint64_t>::max() ? f : pattern + f;
}

}  // namespace

std::optional<Image_Plan> Plan_Image(std::uint64_t size) {
  for (const Choice& choice : choices()) {
    for (std::uint64_t high = choice.high_bytes; high <= size; high += std::uint64_t(1) << 24) {
      std::uint64_t low = 128 * high, most = 255 * high + 127 * (size - high);
      std::uint64_t sum = smallest_sum(low, choice.pattern);
      if (sum <= most) return Image_Plan{size, high, sum};
    }
  }
  return std::nullopt;
}

std::uint64_t Smallest_Image_Size() {
  std::uint64_t best = std::numeric_limits<std::uint64_t>::max();
  for (const Choice& choice : choices()) {
    std::uint64_t high = choice.high_bytes;
    std::uint64_t sum = smallest_sum(128 * high, choice.pattern);
    std::uint64_t size = high;
    if (sum > 255 * high) size += (sum - 255 * high + 126) / 127;
    best = std::min(best, std::max<std::uint64_t>(size, 1));
  }
  return best;
}

std::vector<std::uint8_t> Make_Image(const Image_Plan& plan, std::uint32_t seed) {
  std::vector<std::uint8_t> image(plan.size);
  std::uint32_t x = seed * 2654435761u + 1;
  std::uint64_t high = 0;
  std::int64_t sum = 0;
  for (std::size_t i = 0; i < image.size(); ++i) {
    if (i % 4 == 0) {
      x ^= x << 13;
      x ^= x >> 17;
      x ^= x << 5;
    }
    std::uint8_t b = static_cast<std::uint8_t>(x >> (8 * (i % 4)));
    image[i] = b;
    high += b >> 7;
    sum += b;
  }
  // Exactly H bytes of 0x80 or more: move bytes across by their top bit.
  for (std::size_t i = 0; high != plan.high_bytes; ++i) {
    bool is_high = image[i] >= 0x80;
    if ((high > plan.high_bytes) == is_high) {
      image[i] ^= 0x80;
      high += is_high ? -1 : 1;
      sum += is_high ? -128 : 128;
    }
  }
  // Then the sum: raise or lower bytes within their half, evenly at first.
  std::int64_t missing = static_cast<std::int64_t>(plan.sum) - sum;
  for (int round = 0; missing != 0 && round < 2; ++round) {
    std::int64_t share = round == 0 ? (std::llabs(missing) + plan.size - 1) / std::int64_t(plan.size) : 255;
    for (std::size_t i = 0; i < image.size() && missing != 0; ++i) {
      int b = image[i];
      int floor = b & 0x80, ceiling = floor + 0x7F;
      std::int64_t step = missing > 0 ? ceiling - b : b - floor;
      if (step > share) step = share;
      if (step > std::llabs(missing)) step = std::llabs(missing);
      image[i] = static_cast<std::uint8_t>(missing > 0 ? b + step : b - step);
      missing += missing > 0 ? -step : step;
    }
  }
  return image;
}

}  // namespace z5t8::make_image
