#include "link/CComport.h"
#include "link/WindowHooks.h"
#include "link/testing/FakeProgressBar.h"
#include "link/testing/ScriptedSerialSystem.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <numeric>

using namespace z5t8::link;
using namespace z5t8::link::testing;
using ::testing::ElementsAre;
using ::testing::IsEmpty;

namespace {

class BromProtocolTest : public ::testing::Test {
protected:
  void SetUp() override {
    Set_Message_Box([this](const std::string& text) { messages.push_back(text); });
    port.Set_ProgressBar(&bar);
  }
  void TearDown() override {
    Set_Message_Box({});
    EXPECT_THAT(system.problems, IsEmpty());
  }
  // Opens COM1 with the script given, after the opening's own calls.
  Script& Wire() { return system.Port(1).script; }
  void Open() {
    system.Port(1);
    ASSERT_TRUE(port.Open_Port("\\\\.\\COM1"));
  }
  // The time-outs of the reads since the port was opened.
  std::vector<std::uint32_t> Timeouts() { return system.Read_Timeouts(); }

  ScriptedSerialSystem system;
  CComport port{system};
  FakeProgressBar bar;
  std::vector<std::string> messages;
};

TEST_F(BromProtocolTest, AckCompletesTheHandshake) {
  Open();
  Wire().Handshake(0x52);
  system.Resume(1);
  EXPECT_TRUE(port.Brom_Ack(0x52));
  EXPECT_TRUE(system.Finished());
  EXPECT_EQ(Timeouts(), (std::vector<std::uint32_t>{Read_Wait_Slice, Read_Wait_Slice}));
}

TEST_F(BromProtocolTest, AckFailsOnAWrongEcho) {
  Open();
  Wire().Rom({0x53});
  system.Resume(1);
  EXPECT_FALSE(port.Brom_Ack(0x52));
  EXPECT_EQ(system.log.back(), "read 1");  // nothing more was sent
}

TEST_F(BromProtocolTest, AckFailsWhenTheEchoNeverComes) {
  Open();
  EXPECT_FALSE(port.Brom_Ack(0x52));
  EXPECT_EQ(system.waited, 3000u);
}

TEST_F(BromProtocolTest, AckFailsOnAWrongAnswerToTheChallenge) {
  Open();
  Wire().Rom({0x52}).Host({0xA3}).Rom({0x5D});
  system.Resume(1);
  EXPECT_FALSE(port.Brom_Ack(0x52));
  EXPECT_EQ(system.log.back(), "read 1");
  EXPECT_TRUE(system.Finished());
}

TEST_F(BromProtocolTest, AckFailsWhenTheChallengeCannotBeWritten) {
  Open();
  Wire().Rom({0x52}).Fail_Write();
  system.Resume(1);
  EXPECT_FALSE(port.Brom_Ack(0x52));
}

TEST_F(BromProtocolTest, WaitByteSkipsFillerOnly) {
  Open();
  system.Port(1).input = {0x55, 0x55, 0x55, 0xAA};
  EXPECT_TRUE(port.Wait_Byte(0xAA, 2000));
  system.Port(1).input = {0x55, 0x54, 0xAA};
  EXPECT_FALSE(port.Wait_Byte(0xAA, 2000));
  system.Port(1).input = {0x55};
  EXPECT_FALSE(port.Wait_Byte(0xAA, 2000));  // then nothing: the time-out
  EXPECT_EQ(system.waited, 2000u);
  EXPECT_EQ(Timeouts().size(), 8u);  // a fresh time-out for every byte
}

TEST_F(BromProtocolTest, SyncMakesFiftyExchanges) {
  Wire().Sync(50);
  Open();
  EXPECT_TRUE(port.Brom_Sync());
  EXPECT_TRUE(system.Finished());
  std::vector<std::uint32_t> timeouts = Timeouts();
  ASSERT_EQ(timeouts.size(), 150u);
}

TEST_F(BromProtocolTest, SyncWaitsShortlyForTheProbesAnswer) {
  Wire().Host({0x58}).Handshake(0x58).Host({0x55});
  Open();
  EXPECT_FALSE(port.Brom_Sync());
  EXPECT_EQ(system.waited, 100u);
}

TEST_F(BromProtocolTest, SyncFailsOnTheThirtySeventhProbe) {
  Wire().Sync(36).Host({0x58}).Handshake(0x58).Host({0x55}).Rom({0xAB});
  Open();
  EXPECT_FALSE(port.Brom_Sync());
  EXPECT_TRUE(system.Finished());
}

TEST_F(BromProtocolTest, SearchTakesThePortThatAnswers) {
  system.registry = {{"\\Device\\Serial0", REG_SZ, "COM7"}, {"\\Device\\Serial1", REG_SZ, "COM3"}};
  system.Port(3).script.Host({0x58});  // opens, then never echoes
  system.Port(7).script.Sync();
  std::uint16_t found = 0;
  EXPECT_TRUE(port.Find_Brom_Port(found));
  EXPECT_EQ(found, 7);
  EXPECT_NE(port.handle, INVALID_HANDLE_VALUE);
  EXPECT_TRUE(system.Finished());
  // Ascending order: COM3 is tried first and closed again.
  auto open3 = std::find(system.log.begin(), system.log.end(), "open \\\\.\\COM3");
  auto open7 = std::find(system.log.begin(), system.log.end(), "open \\\\.\\COM7");
  ASSERT_LT(open3, open7);
  EXPECT_NE(std::find(open3, open7, "close"), open7);
  EXPECT_EQ(system.log.front(), "sleep 100");
  EXPECT_EQ(bar.max, 100);
  EXPECT_EQ(bar.position, 1);
  EXPECT_THAT(messages, IsEmpty());
}

TEST_F(BromProtocolTest, SearchGoesOnPastABrokenSyncAndAPortThatWillNotOpen) {
  system.registry = {
      {"\\Device\\A", REG_SZ, "COM4"}, {"\\Device\\B", REG_SZ, "COM5"}, {"\\Device\\C", REG_SZ, "COM6"}};
  system.Port(4).exists = false;
  system.Port(5).script.Sync(36).Host({0x58}).Handshake(0x58).Host({0x55}).Rom({0x00});
  system.Port(6).script.Sync();
  std::uint16_t found = 0;
  EXPECT_TRUE(port.Find_Brom_Port(found));
  EXPECT_EQ(found, 6);
}

// A listed port that will not open (held by another program, or gone) makes no
// serial call that pumps, so each pass must let the window's messages run by
// itself: counted as each pass asks for the port list, before the port frees.
TEST_F(BromProtocolTest, SearchLetsMessagesRunWhileEveryListedPortFailsToOpen) {
  for (std::uint32_t error : {ERROR_ACCESS_DENIED, ERROR_FILE_NOT_FOUND}) {
    ScriptedSerialSystem system;
    CComport port{system};
    int pumps = 0;
    std::vector<int> pumpsAtPass;
    Set_Message_Pump([&] { ++pumps; });
    system.registry = {{"\\Device\\A", REG_SZ, "COM4"}};
    system.Port(4).exists = false;
    system.Port(4).open_error = error;
    system.on_registry_open = [&](ScriptedSerialSystem& s) {
      pumpsAtPass.push_back(pumps);
      if (s.registry_opens == 4) s.Port(4).exists = true, s.Port(4).script.Sync();
    };
    std::uint16_t found = 0;
    EXPECT_TRUE(port.Find_Brom_Port(found)) << error;
    Set_Message_Pump({});
    EXPECT_EQ(found, 4) << error;
    ASSERT_EQ(pumpsAtPass.size(), 4u) << error;
    // Passes 1 to 3 met the port closed; each ran the messages before its list.
    for (std::size_t pass = 0; pass < 3; ++pass)
      EXPECT_EQ(pumpsAtPass[pass], int(pass) + 1) << error << ", pass " << pass + 1;
    EXPECT_EQ(std::count(system.log.begin(), system.log.end(), "open \\\\.\\COM4"), 4) << error;
    EXPECT_THAT(system.problems, IsEmpty());
  }
}

TEST_F(BromProtocolTest, SearchPassesUntilAPortIsListedAndLetsMessagesRun) {
  int pumps = 0;
  Set_Message_Pump([&] { ++pumps; });
  system.on_registry_open = [&](ScriptedSerialSystem& s) {
    if (s.registry_opens == 4) s.registry = {{"\\Device\\Serial0", REG_SZ, "COM2"}};
  };
  system.Port(2).script.Sync();
  std::uint16_t found = 0;
  EXPECT_TRUE(port.Find_Brom_Port(found));
  Set_Message_Pump({});
  EXPECT_EQ(found, 2);
  EXPECT_EQ(system.registry_opens, 4u);
  EXPECT_GE(pumps, 4);  // one in each pass
  EXPECT_EQ(system.Sleeps()[0], 100u);
  EXPECT_EQ(std::count(system.log.begin(), system.log.end(), "sleep 100"), 5);  // 4 passes, 1 open
  EXPECT_EQ(bar.position, 4);
}

TEST_F(BromProtocolTest, SearchRestartsTheBarWhenItFills) {
  int passes = 0;
  system.on_registry_open = [&](ScriptedSerialSystem& s) {
    if (++passes == 100) s.registry = {{"\\Device\\Serial0", REG_SZ, "COM2"}};
  };
  system.Port(2).script.Sync();
  std::uint16_t found = 0;
  EXPECT_TRUE(port.Find_Brom_Port(found));
  EXPECT_EQ(bar.position, 0);
}

TEST_F(BromProtocolTest, SearchEndsWithAMessageWhenThePortListFails) {
  system.registry_fails = true;
  std::uint16_t found = 99;
  EXPECT_FALSE(port.Find_Brom_Port(found));
  EXPECT_THAT(messages, ElementsAre(" Enumerate COM port fail! "));
  EXPECT_EQ(found, 99);
}

TEST_F(BromProtocolTest, SearchEndsWithAMessageWhenThereAreTooManyPorts) {
  for (int i = 0; i < 256; ++i)
    system.registry.push_back({"\\Device\\S", REG_SZ, "COM" + std::to_string(10 + i)});
  std::uint16_t found = 0;
  EXPECT_FALSE(port.Find_Brom_Port(found));
  EXPECT_THAT(messages, ElementsAre(" Enumerate COM port fail! "));
}

TEST_F(BromProtocolTest, EraseFollowsThePercentages) {
  Wire().Host({0x56}).Handshake(0x56).Host({0x10, 0x27, 0x00, 0x00}).Rom({10, 40, 30, 60, 0xA5});
  Open();
  bar.positions.clear();
  EXPECT_TRUE(port.Brom_Erase(10000));
  EXPECT_TRUE(system.Finished());
  EXPECT_THAT(bar.positions, ElementsAre(0, 10, 40, 60));
}

TEST_F(BromProtocolTest, EraseReadsFillerAsEightyFivePercent) {
  Wire().Host({0x56}).Handshake(0x56).Host({1, 0, 0, 0}).Rom({0x55, 0xA5});
  Open();
  EXPECT_TRUE(port.Brom_Erase(1));
  EXPECT_EQ(bar.positions.back(), 85);
}

TEST_F(BromProtocolTest, EraseFailsOnAnotherByteAboveOneHundred) {
  Wire().Host({0x56}).Handshake(0x56).Host({1, 0, 0, 0}).Rom({20, 0xA6});
  Open();
  EXPECT_FALSE(port.Brom_Erase(1));
}

TEST_F(BromProtocolTest, EraseFailsWhenTheBootRomFallsSilent) {
  Wire().Host({0x56}).Handshake(0x56).Host({1, 0, 0, 0}).Rom({20});
  Open();
  EXPECT_FALSE(port.Brom_Erase(1));
  EXPECT_EQ(system.waited, 3000u);
}

TEST_F(BromProtocolTest, ErasePurgesStrayBytesAtTheEnd) {
  Wire().Host({0x56}).Handshake(0x56).Host({1, 0, 0, 0}).Rom({100, 0xA5, 7, 8}).Purge();
  Open();
  EXPECT_TRUE(port.Brom_Erase(1));
  EXPECT_TRUE(system.Finished());
  EXPECT_EQ(system.log.back(), "purge 12");
}

std::vector<std::uint8_t> Bytes(std::size_t n) {
  std::vector<std::uint8_t> data(n);
  for (std::size_t i = 0; i < n; ++i) data[i] = static_cast<std::uint8_t>(i * 7 + 3);
  return data;
}

std::vector<std::uint8_t> Slice(const std::vector<std::uint8_t>& data, std::size_t from, std::size_t n) {
  return {data.begin() + static_cast<long>(from), data.begin() + static_cast<long>(from + n)};
}

std::vector<std::uint8_t> Checksum(const std::vector<std::uint8_t>& data) {
  std::uint8_t sums[2] = {0, 0};
  for (std::size_t i = 0; i < data.size(); ++i) sums[i % 2] ^= data[i];
  return {sums[0], sums[1]};
}

TEST_F(BromProtocolTest, DownloadSendsAcknowledgedBlocksThenTheChecksum) {
  std::vector<std::uint8_t> data = Bytes(8000);
  Wire()
      .Host({0x40, 0x1F, 0, 0})
      .Pause(20)
      .Host(Slice(data, 0, 4000))
      .Rom({0x55, 0x55, 0xAA})
      .Host(Slice(data, 4000, 4000))
      .Rom({0xAA})
      .Host(Checksum(data))
      .Rom({0x55, 0xA5});
  Open();
  system.log.clear();
  EXPECT_TRUE(port.Brom_Download(8000, data.data(), 4000, 1));
  EXPECT_TRUE(system.Finished());
  // The rest is a write of no bytes.
  EXPECT_NE(std::find(system.log.begin(), system.log.end(), "write "), system.log.end());
  EXPECT_EQ(bar.max, 8000);
  EXPECT_EQ(bar.position, 0);  // driven to its maximum, it shows 0
}

TEST_F(BromProtocolTest, DownloadWaitsLongerForTheFinalAnswerThanForABlocksAcknowledgement) {
  std::vector<std::uint8_t> data = Bytes(4000);
  Wire().Host({0xA0, 0x0F, 0, 0}).Pause(20).Host(data);
  Open();
  EXPECT_FALSE(port.Brom_Download(4000, data.data(), 4000, 1));
  EXPECT_EQ(system.waited, 2000u);

  const std::uint8_t one[] = {9};
  Wire().Host({1, 0, 0, 0}).Pause(20).Host({9}).Host({9, 0});
  system.Resume(1);
  system.waited = 0;
  EXPECT_FALSE(port.Brom_Download(1, one, 4000, 1));
  EXPECT_TRUE(system.Finished());
  EXPECT_EQ(system.waited, 4000u);
}

TEST_F(BromProtocolTest, DownloadOfLessThanABlockWaitsForNoAcknowledgement) {
  std::vector<std::uint8_t> data = Bytes(3999);
  Wire().Host({0x9F, 0x0F, 0, 0}).Pause(20).Host(data).Host(Checksum(data)).Rom({0xA5});
  Open();
  EXPECT_TRUE(port.Brom_Download(3999, data.data(), 4000, 1));
  EXPECT_TRUE(system.Finished());
}

TEST_F(BromProtocolTest, DownloadOfNothingSendsSizeAndChecksumOnly) {
  Wire().Host({0, 0, 0, 0}).Pause(20).Host({0, 0}).Rom({0xA5});
  Open();
  EXPECT_TRUE(port.Brom_Download(0, nullptr, 4000, 1));
  EXPECT_TRUE(system.Finished());
}

TEST_F(BromProtocolTest, DownloadChecksumOfThreeBytes) {
  const std::uint8_t data[] = {1, 2, 3};
  Wire().Host({3, 0, 0, 0}).Pause(20).Host({1, 2, 3}).Host({0x02, 0x02}).Rom({0xA5});
  Open();
  EXPECT_TRUE(port.Brom_Download(3, data, 4000, 1));
  EXPECT_TRUE(system.Finished());
}

TEST_F(BromProtocolTest, DownloadWithoutTheChecksumSwitch) {
  const std::uint8_t data[] = {1, 2, 3};
  Wire().Host({3, 0, 0, 0}).Pause(20).Host({1, 2, 3}).Rom({0xA5});
  Open();
  EXPECT_TRUE(port.Brom_Download(3, data, 4000, 2));
  EXPECT_TRUE(system.Finished());
}

TEST_F(BromProtocolTest, DownloadWithBlockZeroSendsNothing) {
  Open();
  system.log.clear();
  EXPECT_FALSE(port.Brom_Download(10, Bytes(10).data(), 0, 1));
  EXPECT_THAT(system.log, IsEmpty());
}

TEST_F(BromProtocolTest, DownloadFailsOnAWrongAcknowledgement) {
  std::vector<std::uint8_t> data = Bytes(8000);
  Wire().Host({0x40, 0x1F, 0, 0}).Pause(20).Host(Slice(data, 0, 4000)).Rom({0x55, 0xAB});
  Open();
  EXPECT_FALSE(port.Brom_Download(8000, data.data(), 4000, 1));
  EXPECT_TRUE(system.Finished());
}

TEST_F(BromProtocolTest, DownloadFailsWithoutTheFinalAnswer) {
  const std::uint8_t data[] = {9};
  Wire().Host({1, 0, 0, 0}).Pause(20).Host({9}).Host({9, 0}).Rom({0xA4});
  Open();
  EXPECT_FALSE(port.Brom_Download(1, data, 4000, 1));
}

TEST_F(BromProtocolTest, ReadStringTakesTheRecord) {
  Wire().Host({0x52}).Handshake(0x52).Rom({5, 'H', 'e', 'l', 'l', 'o'});
  Open();
  char dest[64];
  std::fill(std::begin(dest), std::end(dest), 'x');
  EXPECT_TRUE(port.Brom_Read_String(dest, sizeof dest));
  EXPECT_EQ(std::string(dest, 6), "Hellox");  // no terminator written
}

TEST_F(BromProtocolTest, ReadStringOfLengthZeroLeavesTheDestination) {
  Wire().Host({0x52}).Handshake(0x52).Rom({0});
  Open();
  char dest[4] = {'a', 'b', 'c', 'd'};
  EXPECT_TRUE(port.Brom_Read_String(dest, sizeof dest));
  EXPECT_EQ(std::string(dest, 4), "abcd");
}

TEST_F(BromProtocolTest, ReadStringKeepsOnlyWhatFits) {
  std::vector<std::uint8_t> record = {200};
  for (int i = 0; i < 200; ++i) record.push_back(static_cast<std::uint8_t>('A' + i % 26));
  Wire().Host({0x52}).Handshake(0x52).Rom(record);
  Open();
  char area[80];
  std::fill(std::begin(area), std::end(area), '#');
  EXPECT_TRUE(port.Brom_Read_String(area, 64));
  EXPECT_EQ(area[63], 'A' + 63 % 26);
  EXPECT_EQ(std::string(area + 64, 16), std::string(16, '#'));
  EXPECT_TRUE(system.Port(1).input.empty());  // nothing left for the next exchange
}

TEST_F(BromProtocolTest, ReadStringFailsOnAShortRecord) {
  Wire().Host({0x52}).Handshake(0x52).Rom({5, 'H', 'e'});
  Open();
  char dest[8] = "old";
  EXPECT_FALSE(port.Brom_Read_String(dest, sizeof dest));
  EXPECT_STREQ(dest, "old");
  EXPECT_EQ(system.waited, 1000u);
}

TEST_F(BromProtocolTest, ReadByte) {
  Wire().Host({0x52}).Handshake(0x52).Rom({0xFE});
  Open();
  std::uint8_t value = 0;
  EXPECT_TRUE(port.Brom_Read_Byte(value));
  EXPECT_EQ(value, 0xFE);
}

TEST_F(BromProtocolTest, WriteStringAppendsACommaAndSendsTheLength) {
  std::string text = "Z5T8-QUEX-TW-R104-0-V4_4_0";
  std::vector<std::uint8_t> payload(text.begin(), text.end());
  payload.push_back(0x2C);
  Wire().Host({0x54}).Handshake(0x54).Host({0x1B}).Pause(20).Host(payload);
  Open();
  EXPECT_TRUE(port.Brom_Write_String(text));
  EXPECT_TRUE(system.Finished());
  EXPECT_EQ(text, "Z5T8-QUEX-TW-R104-0-V4_4_0,");
}

TEST_F(BromProtocolTest, WriteStringStopsAtAFailedHandshake) {
  std::string text = "abc";
  Wire().Host({0x54}).Rom({0x00});
  Open();
  EXPECT_FALSE(port.Brom_Write_String(text));
  EXPECT_EQ(text, "abc");
}

TEST_F(BromProtocolTest, WriteBytePausesBeforeTheValue) {
  Wire().Host({0x54}).Handshake(0x54).Pause(20).Host({0x00});
  Open();
  EXPECT_TRUE(port.Brom_Write_Byte(0));
  EXPECT_TRUE(system.Finished());
}

TEST_F(BromProtocolTest, FinishWritesOneByteAndReadsNothing) {
  Wire().Host({0x60});
  Open();
  system.log.clear();
  EXPECT_TRUE(port.Brom_Finish());
  EXPECT_THAT(system.log, ElementsAre("write 60"));
  port.Close_Port();
  EXPECT_FALSE(port.Brom_Finish());
}

}  // namespace
