#include "platform/serial/SerialDevices.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>

using namespace z5t8::platform::serial;
using ::testing::ElementsAre;

namespace {

TEST(SerialDevices, ComNumbers) {
  EXPECT_EQ(Com_Number_Of("COM5"), 5);
  EXPECT_EQ(Com_Number_Of("com12"), 12);
  EXPECT_EQ(Com_Number_Of("COM65535"), 65535);
  EXPECT_EQ(Com_Number_Of("COM65536"), std::nullopt);
  EXPECT_EQ(Com_Number_Of("COM"), std::nullopt);
  EXPECT_EQ(Com_Number_Of("COM5a"), std::nullopt);
  EXPECT_EQ(Com_Number_Of("LPT5"), std::nullopt);
}

TEST(SerialDevices, MapEntries) {
  std::vector<SerialDevice> map = Parse_Serial_Map("COM5=/dev/pts/3:junk:com7=/tmp/x=y::COM5=/dev/pts/4");
  ASSERT_EQ(map.size(), 3u);
  EXPECT_EQ(map[0].com_name, "COM5");
  EXPECT_EQ(map[0].path, "/dev/pts/3");
  EXPECT_EQ(map[1].com_name, "com7");
  EXPECT_EQ(map[1].path, "/tmp/x=y");
  EXPECT_EQ(map[2].path, "/dev/pts/4");
  EXPECT_NE(map[0].value_name, map[2].value_name);
  EXPECT_EQ(map[0].value_name.rfind("\\Device\\", 0), 0u);
  EXPECT_TRUE(Parse_Serial_Map("").empty());
}

TEST(SerialDevices, Numbering) {
  EXPECT_THAT(
      Number_Serial_Devices({"ttyS0", "ttyS3", "ttyUSB0", "ttyUSB2", "ttyACM1", "ttyAMA0", "rfcomm0"}),
      ElementsAre(1, 4, 33, 35, 66, 98, 97));
  // Other devices skip numbers the fixed rules took.
  EXPECT_THAT(Number_Serial_Devices({"ttyXR0", "ttyS96", "ttyXR1"}), ElementsAre(98, 97, 99));
}

class SysfsTree : public ::testing::Test {
protected:
  void SetUp() override {
    root = std::filesystem::temp_directory_path() /
           ("z5t8-sysfs-" + std::string(::testing::UnitTest::GetInstance()->current_test_info()->name()));
    std::filesystem::remove_all(root);
    std::filesystem::create_directories(root / "dev");
    roots.sys = (root / "sys").string();
    roots.dev = (root / "dev").string();
    roots.map_variable = "Z5T8_TEST_SERIAL_MAP";
    unsetenv(roots.map_variable);
  }
  void TearDown() override {
    unsetenv(roots.map_variable);
    std::filesystem::remove_all(root);
  }
  void Tty(const std::string& name, bool device, const char* type = nullptr, bool node = true) {
    auto dir = root / "sys" / "class" / "tty" / name;
    std::filesystem::create_directories(dir);
    if (device) std::filesystem::create_directories(dir / "device");
    if (type) std::ofstream(dir / "type") << type << "\n";
    if (node) std::ofstream(root / "dev" / name);
  }
  std::filesystem::path root;
  SerialDeviceRoots roots;
};

TEST_F(SysfsTree, ListsDeviceBackedTtysWithTheirNumbers) {
  Tty("tty1", false);
  Tty("ttyS0", true, "4");
  Tty("ttyS1", true, "0");
  Tty("ttyUSB0", true);
  Tty("ttyACM0", true, nullptr, false);
  auto devices = List_Serial_Devices(roots);
  ASSERT_TRUE(devices);
  ASSERT_EQ(devices->size(), 4u);
  EXPECT_EQ((*devices)[0].value_name, "\\Device\\ttyACM0");
  EXPECT_EQ((*devices)[0].com_name, "COM65");
  EXPECT_FALSE((*devices)[0].in_dev_names);
  EXPECT_EQ((*devices)[1].com_name, "COM1");
  EXPECT_TRUE((*devices)[1].in_device_map);
  EXPECT_EQ((*devices)[1].path, (root / "dev" / "ttyS0").string());
  EXPECT_EQ((*devices)[2].com_name, "COM2");
  EXPECT_FALSE((*devices)[2].in_device_map);  // a UART of unknown type
  EXPECT_TRUE((*devices)[2].in_dev_names);
  EXPECT_EQ((*devices)[3].com_name, "COM33");
  EXPECT_TRUE((*devices)[3].in_device_map);
}

TEST_F(SysfsTree, UnreadableSysfsIsAFailure) { EXPECT_FALSE(List_Serial_Devices(roots)); }

TEST_F(SysfsTree, TheMapReplacesTheListing) {
  Tty("ttyS0", true, "4");
  setenv(roots.map_variable, "COM9=/x", 1);
  auto devices = List_Serial_Devices(roots);
  ASSERT_TRUE(devices);
  ASSERT_EQ(devices->size(), 1u);
  EXPECT_EQ((*devices)[0].com_name, "COM9");
  setenv(roots.map_variable, "", 1);
  EXPECT_TRUE(List_Serial_Devices(roots)->empty());
}

}  // namespace
