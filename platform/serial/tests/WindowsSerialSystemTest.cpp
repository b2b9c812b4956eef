// The system's own serial device map and port names, as the Windows suite's
// environment sets them up: COM5 is mapped (to the simulated phone's line when
// one is running); the machine's own serial devices read as /dev/null there.
#include "platform/serial/WindowsSerialSystem.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace z5t8::platform::serial {
namespace {

std::vector<std::string> Device_Map_Ports(WindowsSerialSystem& system) {
  RegKey key = 0;
  EXPECT_EQ(system.RegOpenKeyEx(SERIALCOMM_KEY, KEY_QUERY_VALUE | KEY_ENUMERATE_SUB_KEYS, key), 0);
  std::vector<std::string> ports;
  for (std::uint32_t index = 0;; ++index) {
    char name[512];
    std::uint8_t data[512];
    std::uint32_t name_length = sizeof name, data_length = sizeof data, type = 0;
    std::int32_t result = system.RegEnumValue(key, index, name, name_length, type, data, data_length);
    if (result != 0) {
      EXPECT_EQ(result, std::int32_t(ERROR_NO_MORE_ITEMS));
      break;
    }
    EXPECT_EQ(type, REG_SZ);
    EXPECT_EQ(std::string(name, 8), "\\Device\\");
    ports.emplace_back(reinterpret_cast<const char*>(data));
  }
  EXPECT_EQ(system.RegCloseKey(key), 0);
  return ports;
}

TEST(WindowsSerialSystemIntegration, TheDeviceMapAndTheDeviceNamesListTheMappedPort) {
  WindowsSerialSystem system;
  EXPECT_THAT(Device_Map_Ports(system), ::testing::Contains("COM5"));

  std::vector<char> names(65535);
  std::uint32_t n = system.QueryDosDevice(names.data(), std::uint32_t(names.size()));
  ASSERT_GT(n, 0u);
  std::vector<std::string> com;
  for (const char* p = names.data(); p < names.data() + n && *p; p += std::string(p).size() + 1)
    if (std::string(p).rfind("COM", 0) == 0) com.emplace_back(p);
  EXPECT_THAT(com, ::testing::Contains("COM5"));

  OSVERSIONINFO version;
  version.dwPlatformId = VER_PLATFORM_WIN32_WINDOWS;
  ASSERT_TRUE(system.GetVersionEx(version));
  EXPECT_EQ(version.dwPlatformId, VER_PLATFORM_WIN32_NT);
}

TEST(WindowsSerialSystemIntegration, FailuresGiveTheSystemsReasons) {
  WindowsSerialSystem system;
  EXPECT_EQ(system.CreateFile("\\\\.\\COM7"), INVALID_HANDLE_VALUE);
  EXPECT_EQ(system.GetLastError(), ERROR_FILE_NOT_FOUND);

  RegKey key = 0;
  EXPECT_EQ(system.RegOpenKeyEx("HARDWARE\\DEVICEMAP\\NO SUCH KEY", KEY_QUERY_VALUE, key),
            std::int32_t(ERROR_FILE_NOT_FOUND));
  EXPECT_EQ(system.RegCloseKey(12345), std::int32_t(ERROR_INVALID_HANDLE));
  DCB dcb;
  EXPECT_FALSE(system.GetCommState(INVALID_HANDLE_VALUE, dcb));
  EXPECT_EQ(system.GetLastError(), ERROR_INVALID_HANDLE);
}

}  // namespace
}  // namespace z5t8::platform::serial
