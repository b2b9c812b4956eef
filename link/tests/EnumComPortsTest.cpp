#include "link/EnumComPorts.h"
#include "link/testing/ScriptedSerialSystem.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>

using namespace z5t8::link;
using namespace z5t8::link::testing;
using ::testing::ElementsAre;

namespace {

class EnumComPortsTest : public ::testing::Test {
protected:
  void List(std::initializer_list<const char*> data) {
    for (const char* d : data) system.registry.push_back({"\\Device\\Serial", REG_SZ, d});
  }
  std::vector<std::uint16_t> Found() {
    std::vector<std::uint16_t> found;
    EXPECT_TRUE(Enum_From_Registry(found, system));
    return found;
  }
  ScriptedSerialSystem system;
};

TEST_F(EnumComPortsTest, BadArguments) {
  std::uint16_t ports[4];
  std::uint16_t count = 0;
  EXPECT_EQ(Enum_Com_Ports(1, ports, &count, system), Enum_Bad_Arguments);
  count = 4;
  EXPECT_EQ(Enum_Com_Ports(1, nullptr, &count, system), Enum_Bad_Arguments);
  EXPECT_EQ(Enum_Com_Ports(1, ports, nullptr, system), Enum_Bad_Arguments);
}

TEST_F(EnumComPortsTest, ListsAscendingAndZeroesTheRest) {
  List({"COM12", "COM3", "COM7"});
  system.Port(3);  // the first three ports are tested for presence
  std::uint16_t ports[6] = {9, 9, 9, 9, 9, 9};
  std::uint16_t count = 6;
  EXPECT_EQ(Enum_Com_Ports(1, ports, &count, system), Enum_Ports_Listed);
  EXPECT_EQ(count, 3);
  EXPECT_THAT(ports, ElementsAre(3, 7, 12, 0, 0, 0));
}

TEST_F(EnumComPortsTest, KeepsDuplicates) {
  List({"COM8", "COM5", "COM8"});
  std::uint16_t ports[3];
  std::uint16_t count = 3;
  EXPECT_EQ(Enum_Com_Ports(1, ports, &count, system), Enum_Ports_Listed);
  EXPECT_THAT(ports, ElementsAre(5, 8, 8));
}

TEST_F(EnumComPortsTest, NoPortLeavesTheArgumentsAlone) {
  std::uint16_t ports[2] = {4, 4};
  std::uint16_t count = 2;
  EXPECT_EQ(Enum_Com_Ports(1, ports, &count, system), Enum_No_Port);
  EXPECT_EQ(count, 2);
  EXPECT_THAT(ports, ElementsAre(4, 4));
}

TEST_F(EnumComPortsTest, MorePortsThanCapacityTellsTheNumberNeeded) {
  for (int i = 0; i < 256; ++i)
    system.registry.push_back({"\\Device\\S", REG_SZ, "COM" + std::to_string(100 + i)});
  std::uint16_t ports[255] = {};
  std::uint16_t count = 255;
  EXPECT_EQ(Enum_Com_Ports(1, ports, &count, system), Enum_Too_Many_Ports);
  EXPECT_EQ(count, 256);
  EXPECT_EQ(ports[0], 0);
}

TEST_F(EnumComPortsTest, ExactlyTheCapacityFits) {
  for (int i = 0; i < 255; ++i)
    system.registry.push_back({"\\Device\\S", REG_SZ, "COM" + std::to_string(300 - i)});
  std::uint16_t ports[255] = {};
  std::uint16_t count = 255;
  EXPECT_EQ(Enum_Com_Ports(1, ports, &count, system), Enum_Ports_Listed);
  EXPECT_EQ(count, 255);
  EXPECT_EQ(ports[0], 46);
  EXPECT_EQ(ports[254], 300);
}

TEST_F(EnumComPortsTest, SourceFailure) {
  system.registry_fails = true;
  std::uint16_t ports[2];
  std::uint16_t count = 2;
  EXPECT_EQ(Enum_Com_Ports(1, ports, &count, system), Enum_Source_Failed);
  EXPECT_EQ(system.log.front(), "registry HARDWARE\\DEVICEMAP\\SERIALCOMM 9");
}

TEST_F(EnumComPortsTest, ComNames) {
  EXPECT_TRUE(Is_Com_Name("COM1"));
  EXPECT_TRUE(Is_Com_Name("com7"));
  EXPECT_TRUE(Is_Com_Name("cOm0042"));
  EXPECT_FALSE(Is_Com_Name("COM"));
  EXPECT_FALSE(Is_Com_Name("COM7a"));
  EXPECT_FALSE(Is_Com_Name("COM-1"));
  EXPECT_FALSE(Is_Com_Name("LPT1"));
  EXPECT_FALSE(Is_Com_Name(""));
}

TEST_F(EnumComPortsTest, RegistryDataFollowsTheNameRules) {
  List({"com7", "COM7a", "COM", "COM0009"});
  EXPECT_THAT(Found(), ElementsAre(7, 9));
}

TEST_F(EnumComPortsTest, RegistryTakesOnlyTextValuesUnderThePlatformsPrefix) {
  system.registry = {{"\\Device\\Serial0", REG_SZ, "COM5"},
                     {"\\device\\serial1", REG_SZ, "COM6"},
                     {"Serial2", REG_SZ, "COM7"},
                     {"\\Device\\Serial3", 4, "COM8"}};
  EXPECT_THAT(Found(), ElementsAre(5, 6));
  system.platform = VER_PLATFORM_WIN32_WINDOWS;
  system.registry = {{"COM1", REG_SZ, "COM11"}, {"\\Device\\Serial0", REG_SZ, "COM12"}};
  system.Port(11);
  EXPECT_THAT(Found(), ElementsAre(11));
}

TEST_F(EnumComPortsTest, AFailedVersionCallMeansTheOtherPlatform) {
  system.version_fails = true;
  system.registry = {{"\\Device\\Serial0", REG_SZ, "COM5"}, {"COMX", REG_SZ, "COM6"}};
  system.Port(6);
  EXPECT_THAT(Found(), ElementsAre(6));
}

TEST_F(EnumComPortsTest, OnNtOnlyTheFirstThreePortsAreTested) {
  List({"COM1", "COM2", "COM3", "COM9", "COM0"});
  system.Port(1).exists = false;
  system.Port(1).open_error = ERROR_ACCESS_DENIED;  // another program holds it
  system.Port(2).subtype = PST_MODEM;
  system.Port(3).exists = false;  // not there at all
  EXPECT_THAT(Found(), ElementsAre(1, 9, 0));
  EXPECT_EQ(std::count(system.log.begin(), system.log.end(), "open \\\\.\\COM9"), 0);
}

TEST_F(EnumComPortsTest, OnTheOtherPlatformEveryPortIsTested) {
  system.platform = VER_PLATFORM_WIN32_WINDOWS;
  system.registry = {{"COM", REG_SZ, "COM9"}, {"COM", REG_SZ, "COM10"}};
  system.Port(10);
  EXPECT_THAT(Found(), ElementsAre(10));
}

TEST_F(EnumComPortsTest, PresenceRules) {
  system.Port(1).exists = false;
  system.Port(1).open_error = ERROR_GEN_FAILURE;
  EXPECT_TRUE(Is_Port_Present(1, PST_RS232, system));
  system.Port(2).exists = false;
  EXPECT_FALSE(Is_Port_Present(2, PST_RS232, system));
  system.Port(3).subtype = PST_MODEM;
  EXPECT_FALSE(Is_Port_Present(3, PST_RS232, system));
  EXPECT_TRUE(Is_Port_Present(3, 0, system));
  system.Port(4).properties_fail = true;
  EXPECT_TRUE(Is_Port_Present(4, PST_RS232, system));
  EXPECT_EQ(system.log.back(), "close");
}

TEST_F(EnumComPortsTest, DosDevicesTestsEveryComName) {
  system.dos_names = {"COM4", "LPT1", "com2", "COM4x", "COM6"};
  system.Port(4);
  system.Port(6).subtype = PST_MODEM;
  system.Port(2);
  std::uint16_t ports[8];
  std::uint16_t count = 8;
  EXPECT_EQ(Enum_Com_Ports(Enum_Source_Dos_Devices, ports, &count, system), Enum_Ports_Listed);
  EXPECT_EQ(count, 2);
  EXPECT_EQ(ports[0], 2);
  EXPECT_EQ(ports[1], 4);
}

TEST_F(EnumComPortsTest, DosDevicesWithoutNamesIsAnEmptyList) {
  std::uint16_t ports[2];
  std::uint16_t count = 2;
  EXPECT_EQ(Enum_Com_Ports(Enum_Source_Dos_Devices, ports, &count, system), Enum_No_Port);
}

TEST_F(EnumComPortsTest, DosDevicesOffNtUsesTheRegistry) {
  system.platform = VER_PLATFORM_WIN32_WINDOWS;
  system.registry_fails = true;
  std::uint16_t ports[2];
  std::uint16_t count = 2;
  EXPECT_EQ(Enum_Com_Ports(Enum_Source_Dos_Devices, ports, &count, system), Enum_Source_Failed);
}

}  // namespace
