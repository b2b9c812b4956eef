#include "link/CComport.h"
#include "link/WindowHooks.h"
#include "link/testing/FakeProgressBar.h"
#include "link/testing/ScriptedSerialSystem.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>

using namespace z5t8::link;
using namespace z5t8::link::testing;
using ::testing::ElementsAre;

namespace {

class CComportTest : public ::testing::Test {
protected:
  void SetUp() override {
    Set_Message_Pump([this] { ++pumps; });
  }
  void TearDown() override { Set_Message_Pump({}); }

  ScriptedSerialSystem system;
  CComport port{system};
  int pumps = 0;
};

TEST_F(CComportTest, StartsClosedWithoutBar) {
  EXPECT_EQ(port.handle, INVALID_HANDLE_VALUE);
  EXPECT_EQ(port.progress_bar, nullptr);
}

TEST_F(CComportTest, OpenConfiguresRaw115200WithoutFlowControl) {
  system.Port(5).dcb.XonChar = 0x11;
  system.Port(5).dcb.XonLim = 77;
  system.Port(5).dcb.fOutX = 1;
  system.Port(5).dcb.fDtrControl = DTR_CONTROL_ENABLE;
  system.Port(5).dcb.fRtsControl = RTS_CONTROL_HANDSHAKE;
  system.Port(5).dcb.Parity = EVENPARITY;
  ASSERT_TRUE(port.Open_Port("\\\\.\\COM5"));
  EXPECT_NE(port.handle, INVALID_HANDLE_VALUE);
  EXPECT_THAT(system.log, ElementsAre("open \\\\.\\COM5", "get state", "set state 115200", "sleep 100",
                                      "setup 1024 1024", "queue"));
  const DCB& dcb = system.Port(5).dcb;
  EXPECT_EQ(dcb.BaudRate, 115200u);
  EXPECT_EQ(dcb.fBinary, 1u);
  EXPECT_EQ(dcb.fOutX, 0u);
  EXPECT_EQ(dcb.fInX, 0u);
  EXPECT_EQ(dcb.fDtrControl, DTR_CONTROL_DISABLE);
  EXPECT_EQ(dcb.fRtsControl, RTS_CONTROL_DISABLE);
  EXPECT_EQ(dcb.fOutxCtsFlow, 0u);
  EXPECT_EQ(dcb.ByteSize, 8);
  EXPECT_EQ(dcb.Parity, NOPARITY);
  EXPECT_EQ(dcb.StopBits, ONESTOPBIT);
  // Members it does not set stay as the driver reported them.
  EXPECT_EQ(dcb.XonChar, 0x11);
  EXPECT_EQ(dcb.XonLim, 77);
}

TEST_F(CComportTest, OpenOfMissingPortFailsAndStaysClosed) {
  EXPECT_FALSE(port.Open_Port("\\\\.\\COM9"));
  EXPECT_EQ(port.handle, INVALID_HANDLE_VALUE);
}

TEST_F(CComportTest, RejectedSettingsLeaveThePortOpenUntilTheNextOpen) {
  system.Port(3).set_state_fails = true;
  system.Port(4);
  EXPECT_FALSE(port.Open_Port("\\\\.\\COM3"));
  EXPECT_NE(port.handle, INVALID_HANDLE_VALUE);
  system.log.clear();
  EXPECT_TRUE(port.Open_Port("\\\\.\\COM4"));
  EXPECT_EQ(system.log.front(), "close");
}

TEST_F(CComportTest, OpenPurgesBytesAlreadyWaiting) {
  system.Port(2).script.Rom({1, 2, 3});
  ASSERT_TRUE(port.Open_Port("\\\\.\\COM2"));
  EXPECT_EQ(system.log.back(), "purge 12");
  EXPECT_TRUE(system.Port(2).input.empty());
}

TEST_F(CComportTest, CloseClosesOnceAndDestructionClosesNothing) {
  {
    CComport other(system);
    system.Port(1);
    ASSERT_TRUE(other.Open_Port("\\\\.\\COM1"));
    system.log.clear();
  }
  EXPECT_TRUE(system.log.empty());
  system.Port(2);
  ASSERT_TRUE(port.Open_Port("\\\\.\\COM2"));
  port.Close_Port();
  port.Close_Port();
  EXPECT_EQ(std::count(system.log.begin(), system.log.end(), "close"), 1);
  EXPECT_EQ(port.handle, INVALID_HANDLE_VALUE);
}

TEST_F(CComportTest, ReadSetsTheTotalTimeoutAndPumpsFirst) {
  system.Port(1).script.Host({0x01}).Rom({0x41, 0x42});
  ASSERT_TRUE(port.Open_Port("\\\\.\\COM1"));
  ASSERT_TRUE(port.Write_Data("\x01", 1));
  system.log.clear();
  pumps = 0;
  char buffer[3] = {};
  EXPECT_FALSE(port.Read_Data(buffer, 3, 250));  // two of three arrive
  EXPECT_EQ(buffer[0], 0x41);
  EXPECT_EQ(buffer[1], 0x42);
  // The wait runs in slices, each after the messages; a short read waits the
  // whole time-out all the same.
  std::vector<std::string> expected = {"timeouts 25", "read 3"};
  for (int slice = 1; slice < 10; ++slice) expected.push_back("read 1");
  EXPECT_EQ(system.log, expected);
  EXPECT_EQ(pumps, 10);
  EXPECT_EQ(system.waited, 250u);
}

TEST_F(CComportTest, LongWaitLetsMessagesRunBetweenSlices) {
  system.Port(1);
  ASSERT_TRUE(port.Open_Port("\\\\.\\COM1"));
  system.log.clear();
  pumps = 0;
  // The second message run sees the first byte come in, the third the rest.
  Set_Message_Pump([this] {
    system.log.push_back("pump");
    if (++pumps == 2) system.Port(1).input = {0x41};
    if (pumps == 3) system.Port(1).input = {0x42, 0x43};
  });
  char buffer[3] = {};
  EXPECT_TRUE(port.Read_Data(buffer, 3, 2000));
  EXPECT_EQ(std::string(buffer, 3), "ABC");
  EXPECT_THAT(system.log, ElementsAre("timeouts 25", "pump", "read 3", "pump", "read 3", "pump", "read 2"));
  EXPECT_EQ(system.waited, 50u);

  // A wait that is no whole number of slices ends on the rest, and a read
  // without its own time-out waits as long as the last one did.
  for (std::uint32_t timeout : {60u, 0u}) {
    system.log.clear();
    system.waited = 0;
    EXPECT_FALSE(port.Read_Data(buffer, 1, timeout));
    EXPECT_THAT(system.log, ElementsAre("timeouts 25", "pump", "read 1", "pump", "read 1", "timeouts 10", "pump",
                                        "read 1"));
    EXPECT_EQ(system.waited, 60u);
  }
}

TEST_F(CComportTest, ReadWithoutTimeoutKeepsThePortsTimeouts) {
  system.Port(1).script.Rom({0x41});
  ASSERT_TRUE(port.Open_Port("\\\\.\\COM1"));
  system.Port(1).input = {0x41};
  system.log.clear();
  char c = 0;
  EXPECT_TRUE(port.Read_Data(&c, 1, 0));
  EXPECT_THAT(system.log, ElementsAre("read 1"));
}

TEST_F(CComportTest, ReadOfNothingIsTrueAfterPumping) {
  system.Port(1);
  ASSERT_TRUE(port.Open_Port("\\\\.\\COM1"));
  pumps = 0;
  EXPECT_TRUE(port.Read_Data(nullptr, 0, 100));
  EXPECT_EQ(pumps, 1);
}

TEST_F(CComportTest, ReadAndWriteFailWithoutAPort) {
  char c = 0;
  EXPECT_FALSE(port.Read_Data(&c, 1, 100));
  EXPECT_FALSE(port.Write_Data(&c, 1));
  EXPECT_EQ(port.Get_InQueue_Count(), 0u);
}

TEST_F(CComportTest, WritePumpsAndReportsFailure) {
  system.Port(1).script.Host({0x58}).Fail_Write();
  ASSERT_TRUE(port.Open_Port("\\\\.\\COM1"));
  pumps = 0;
  EXPECT_TRUE(port.Write_Data("\x58", 1));
  EXPECT_FALSE(port.Write_Data("\x58", 1));
  EXPECT_EQ(pumps, 2);
}

TEST_F(CComportTest, QueueCountIsZeroOnLineErrorsOrFailure) {
  system.Port(1);
  ASSERT_TRUE(port.Open_Port("\\\\.\\COM1"));
  system.Port(1).input = {1, 2, 3};
  pumps = 0;
  EXPECT_EQ(port.Get_InQueue_Count(), 3u);
  EXPECT_EQ(pumps, 1);
  system.Port(1).queue_errors = CE_FRAME;
  EXPECT_EQ(port.Get_InQueue_Count(), 0u);
  system.Port(1).queue_errors = 0;
  system.Port(1).queue_check_fails = true;
  EXPECT_EQ(port.Get_InQueue_Count(), 0u);
}

TEST_F(CComportTest, DelaySleepsWithoutPumping) {
  pumps = 0;
  port.Delay(1000);
  EXPECT_EQ(system.Sleeps(), std::vector<std::uint32_t>{1000});
  EXPECT_EQ(pumps, 0);
}

TEST_F(CComportTest, ProgressDoesNothingWithoutABar) {
  EXPECT_TRUE(port.Init_Progress(100));
  EXPECT_TRUE(port.Step_Progress(1000));
}

TEST_F(CComportTest, TheBarIsBoundOnce) {
  FakeProgressBar first, second;
  EXPECT_TRUE(port.Set_ProgressBar(&first));
  EXPECT_FALSE(port.Set_ProgressBar(&second));
  EXPECT_EQ(port.progress_bar, &first);
}

TEST_F(CComportTest, InitProgressSetsRangeStepAndPosition) {
  FakeProgressBar bar;
  bar.min = 7;
  bar.position = 50;
  port.Set_ProgressBar(&bar);
  EXPECT_TRUE(port.Init_Progress(100));
  EXPECT_EQ(bar.min, 0);
  EXPECT_EQ(bar.max, 100);
  EXPECT_EQ(bar.step, 5);
  EXPECT_EQ(bar.position, 0);
  port.Init_Progress(19);
  EXPECT_EQ(bar.step, 0);
}

TEST_F(CComportTest, StepProgressWrapsToZeroWhenTheBarFills) {
  FakeProgressBar bar;
  port.Set_ProgressBar(&bar);
  port.Init_Progress(100);
  bar.position = 95;
  EXPECT_FALSE(port.Step_Progress(10));
  EXPECT_EQ(bar.position, 0);
  EXPECT_TRUE(port.Step_Progress(99));
  EXPECT_EQ(bar.position, 99);
  EXPECT_FALSE(port.Step_Progress(1));
  EXPECT_EQ(bar.position, 0);
}

}  // namespace
