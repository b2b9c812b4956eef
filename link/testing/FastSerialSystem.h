// The real serial system with two changes for tests: pauses are recorded but
// not slept, and the device map can be made to fail after a number of
// openings, which bounds a port search that would otherwise go on for ever.
#pragma once

#include "platform/serial/PosixSerialSystem.h"

#include <cstdint>
#include <vector>

namespace z5t8::link::testing {

using namespace platform::serial;

class FastSerialSystem : public PosixSerialSystem {
public:
  void Sleep(std::uint32_t milliseconds) override { sleeps.push_back(milliseconds); }
  std::int32_t RegOpenKeyEx(const std::string& sub_key, std::uint32_t access, RegKey& key) override {
    if (++map_openings > search_passes) return ERROR_FILE_NOT_FOUND;
    return PosixSerialSystem::RegOpenKeyEx(sub_key, access, key);
  }
  bool WriteFile(Handle handle, const void* buffer, std::uint32_t n, std::uint32_t& written) override {
    if (n == 1) single_writes.push_back(*static_cast<const std::uint8_t*>(buffer));
    return PosixSerialSystem::WriteFile(handle, buffer, n, written);
  }

  std::uint32_t search_passes = 1000;
  std::uint32_t map_openings = 0;
  std::vector<std::uint32_t> sleeps;
  std::vector<std::uint8_t> single_writes;  // command and other one-byte writes, in order
};

}  // namespace z5t8::link::testing
