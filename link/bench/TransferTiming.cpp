// The transfer of an image through a paced phone-sim on the first boot-ROM
// port found: how close the link comes to the line's 11,520 bytes per second.
// The Windows build's counterpart of TransferBenchmark (Google Benchmark has no
// Windows build here); scripts/bench-windows runs it under Wine.
#include "link/CComport.h"

#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <vector>

int main(int argc, char** argv) {
  constexpr double line_bytes_per_second = 115200.0 / 10.0;
  const auto size = static_cast<std::uint32_t>(argc > 1 ? std::strtoul(argv[1], nullptr, 10) : 262144);
  std::vector<std::uint8_t> image(size);
  for (std::uint32_t i = 0; i < size; ++i) image[i] = static_cast<std::uint8_t>(i * 131 + (i >> 9));

  z5t8::link::CComport port;
  std::uint16_t found = 0;
  if (!port.Find_Brom_Port(found) || !port.Brom_Erase(size)) {
    std::fputs("no boot ROM\n", stderr);
    return 1;
  }
  auto start = std::chrono::steady_clock::now();
  bool ok = port.Brom_Download(size, image.data(), z5t8::link::Brom_Block_Size, 1);
  double seconds = std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
  port.Brom_Finish();
  port.Close_Port();
  if (!ok) {
    std::fputs("the transfer failed\n", stderr);
    return 1;
  }
  std::printf("COM%u: %u bytes in %.3f s, %.0f bytes/s, efficiency %.4f\n", unsigned(found), unsigned(size),
              seconds, size / seconds, size / seconds / line_bytes_per_second);
  return 0;
}
