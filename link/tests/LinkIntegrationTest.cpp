// The link against phone-sim over a real pseudo-terminal.
#include "link/CComport.h"
#include "link/EnumComPorts.h"
#include "link/WindowHooks.h"
#include "link/testing/FakeProgressBar.h"
#include "tools/phone-sim/PhoneSimProcess.h"

#include <gtest/gtest.h>

#include <chrono>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <iterator>

using namespace z5t8::link;
using z5t8::phone_sim::PhoneSimProcess;
using Clock = std::chrono::steady_clock;

namespace {

const std::string sim_program = std::string(Z5T8_BIN_DIR) + "/phone-sim";

class LinkIntegration : public ::testing::Test {
protected:
  void SetUp() override {
    out_file = std::filesystem::temp_directory_path() /
               ("z5t8-link-" + std::string(::testing::UnitTest::GetInstance()->current_test_info()->name()));
  }
  void TearDown() override {
    unsetenv("Z5T8_SERIAL_MAP");
    std::filesystem::remove(out_file);
  }
  void Map(const std::string& map) { setenv("Z5T8_SERIAL_MAP", map.c_str(), 1); }

  std::filesystem::path out_file;
};

std::vector<std::uint8_t> Image(std::size_t n) {
  std::vector<std::uint8_t> data(n);
  std::uint32_t x = 12345;
  for (auto& b : data) {
    x = x * 1103515245 + 12345;
    b = static_cast<std::uint8_t>(x >> 16);
  }
  return data;
}

TEST_F(LinkIntegration, WholeConnectionAgainstTheSimulator) {
  PhoneSimProcess sim(sim_program, {"--variant", "retail", "--out", out_file.string()});
  ASSERT_TRUE(sim.Started());
  Map("COM3=/nonexistent/z5t8-no-such-port:COM9=" + sim.Path());

  CComport port;
  z5t8::link::testing::FakeProgressBar bar;
  port.Set_ProgressBar(&bar);
  std::uint16_t found = 0;
  ASSERT_TRUE(port.Find_Brom_Port(found));
  EXPECT_EQ(found, 9);

  char version[64] = {};
  ASSERT_TRUE(port.Brom_Read_String(version, sizeof version));
  EXPECT_STREQ(version, "Z5T8-QUEX-TW-R104-0-V4_3_0");

  std::vector<std::uint8_t> image = Image(12001);
  ASSERT_TRUE(port.Brom_Erase(static_cast<std::uint32_t>(image.size())));
  ASSERT_TRUE(port.Brom_Download(static_cast<std::uint32_t>(image.size()), image.data(), 4000, 1));
  ASSERT_TRUE(port.Brom_Finish());
  port.Close_Port();
  EXPECT_EQ(sim.Wait(std::chrono::seconds(10)), 0) << sim.Errors();

  std::ifstream in(out_file, std::ios::binary);
  std::vector<std::uint8_t> received((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
  EXPECT_EQ(received, image);
}

TEST_F(LinkIntegration, APortIsOpenedExclusively) {
  PhoneSimProcess sim(sim_program, {});
  ASSERT_TRUE(sim.Started());
  Map("COM2=" + sim.Path());
  CComport first, second;
  ASSERT_TRUE(first.Open_Port("\\\\.\\COM2"));
  EXPECT_FALSE(second.Open_Port("\\\\.\\COM2"));
  // Held by another: still present (COM2 is one of the ports tested).
  std::uint16_t ports[4];
  std::uint16_t count = 4;
  EXPECT_EQ(Enum_Com_Ports(Enum_Source_Registry, ports, &count), Enum_Ports_Listed);
  EXPECT_EQ(count, 1);
  first.Close_Port();
  EXPECT_TRUE(second.Open_Port("\\\\.\\COM2"));
  second.Close_Port();
}

TEST_F(LinkIntegration, ASilentPhoneCostsTheEchoTimeout) {
  PhoneSimProcess sim(sim_program, {"--fault", "echo:silent"});
  ASSERT_TRUE(sim.Started());
  Map("COM4=" + sim.Path());
  CComport port;
  ASSERT_TRUE(port.Open_Port("\\\\.\\COM4"));
  auto start = Clock::now();
  EXPECT_FALSE(port.Brom_Sync());
  auto took = Clock::now() - start;
  EXPECT_GE(took, std::chrono::milliseconds(2950));
  EXPECT_LT(took, std::chrono::milliseconds(3800));
  port.Close_Port();
}

TEST_F(LinkIntegration, AHangUpFailsAtOnce) {
  PhoneSimProcess sim(sim_program, {"--fault", "erase:hangup"});
  ASSERT_TRUE(sim.Started());
  Map("COM4=" + sim.Path());
  CComport port;
  std::uint16_t found = 0;
  ASSERT_TRUE(port.Find_Brom_Port(found));
  auto start = Clock::now();
  EXPECT_FALSE(port.Brom_Erase(100));
  EXPECT_LT(Clock::now() - start, std::chrono::milliseconds(1500));
  EXPECT_EQ(sim.Wait(std::chrono::seconds(5)), 1);
  port.Close_Port();
}

TEST_F(LinkIntegration, AFloodAtTheEchoIsAWrongByte) {
  PhoneSimProcess sim(sim_program, {"--fault", "echo:flood"});
  ASSERT_TRUE(sim.Started());
  Map("COM4=" + sim.Path());
  CComport port;
  ASSERT_TRUE(port.Open_Port("\\\\.\\COM4"));
  EXPECT_FALSE(port.Brom_Sync());
  // The flood goes on; a new open purges what waits and fails again.
  ASSERT_TRUE(port.Open_Port("\\\\.\\COM4"));
  EXPECT_FALSE(port.Brom_Sync());
  port.Close_Port();
}

TEST_F(LinkIntegration, FloodedBlockAcknowledgementsKeepTheWaitGoingUntilTheLineGoes) {
  PhoneSimProcess sim(sim_program, {"--fault", "block:flood:2"});
  ASSERT_TRUE(sim.Started());
  Map("COM4=" + sim.Path());
  CComport port;
  std::uint16_t found = 0;
  ASSERT_TRUE(port.Find_Brom_Port(found));
  std::vector<std::uint8_t> image = Image(9000);
  ASSERT_TRUE(port.Brom_Erase(9000));
  auto start = Clock::now();
  bool killed = false;
  Set_Message_Pump([&] {
    if (!killed && Clock::now() - start > std::chrono::milliseconds(400)) {
      killed = true;
      sim.Kill();
    }
  });
  EXPECT_FALSE(port.Brom_Download(9000, image.data(), 4000, 1));
  Set_Message_Pump({});
  EXPECT_TRUE(killed);
  port.Close_Port();
}

}  // namespace
