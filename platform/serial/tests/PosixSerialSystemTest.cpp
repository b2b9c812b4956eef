// The Linux serial system over real pseudo-terminals.
#include "platform/serial/PosixSerialSystem.h"
#include "platform/serial/SerialLine.h"

#include <gtest/gtest.h>

#include <chrono>
#include <cstdlib>
#include <cstring>
#include <thread>

using namespace z5t8::platform::serial;
using Clock = std::chrono::steady_clock;

namespace {

class SerialPortIntegration : public ::testing::Test {
protected:
  void SetUp() override {
    std::string error;
    line = SerialLine::Open_Pseudo_Terminal(error);
    ASSERT_TRUE(line) << error;
    setenv("Z5T8_SERIAL_MAP", ("COM7=" + line->Path() + ":COM8=/nonexistent/port").c_str(), 1);
  }
  void TearDown() override {
    if (handle != INVALID_HANDLE_VALUE) system.CloseHandle(handle);
    unsetenv("Z5T8_SERIAL_MAP");
  }
  void Open() {
    handle = system.CreateFile("\\\\.\\COM7");
    ASSERT_NE(handle, INVALID_HANDLE_VALUE) << system.GetLastError();
    DCB dcb;
    ASSERT_TRUE(system.GetCommState(handle, dcb));
    dcb.BaudRate = 115200;
    dcb.ByteSize = 8;
    dcb.Parity = NOPARITY;
    dcb.StopBits = ONESTOPBIT;
    dcb.fDtrControl = DTR_CONTROL_DISABLE;
    dcb.fRtsControl = RTS_CONTROL_DISABLE;
    ASSERT_TRUE(system.SetCommState(handle, dcb));
  }
  void Send(const std::string& bytes) {
    ASSERT_EQ(line->Write(reinterpret_cast<const std::uint8_t*>(bytes.data()), bytes.size()),
              static_cast<long>(bytes.size()));
  }
  std::string Received() {
    std::string got;
    std::uint8_t buffer[256];
    auto deadline = Clock::now() + std::chrono::milliseconds(500);
    while (Clock::now() < deadline) {
      long n = line->Read(buffer, sizeof buffer);
      if (n > 0)
        got.append(reinterpret_cast<char*>(buffer), static_cast<std::size_t>(n));
      else if (!got.empty())
        break;
      else
        line->Wait(false, Clock::now() + std::chrono::milliseconds(20));
    }
    return got;
  }
  void Timeouts(std::uint32_t total) {
    COMMTIMEOUTS t;
    t.ReadTotalTimeoutConstant = total;
    ASSERT_TRUE(system.SetCommTimeouts(handle, t));
  }

  PosixSerialSystem system;
  std::unique_ptr<SerialLine> line;
  Handle handle = INVALID_HANDLE_VALUE;
};

TEST_F(SerialPortIntegration, OpensMappedPortsOnly) {
  Open();
  EXPECT_EQ(system.CreateFile("\\\\.\\COM8"), INVALID_HANDLE_VALUE);
  EXPECT_EQ(system.GetLastError(), ERROR_FILE_NOT_FOUND);
  EXPECT_EQ(system.CreateFile("\\\\.\\COM1"), INVALID_HANDLE_VALUE);
  EXPECT_EQ(system.GetLastError(), ERROR_FILE_NOT_FOUND);
}

TEST_F(SerialPortIntegration, ASecondOpenIsDenied) {
  Open();
  EXPECT_EQ(system.CreateFile("\\\\.\\COM7"), INVALID_HANDLE_VALUE);
  EXPECT_EQ(system.GetLastError(), ERROR_ACCESS_DENIED);
  PosixSerialSystem other;
  EXPECT_EQ(other.CreateFile(line->Path()), INVALID_HANDLE_VALUE);
  EXPECT_EQ(other.GetLastError(), ERROR_ACCESS_DENIED);
  ASSERT_TRUE(system.CloseHandle(handle));
  handle = other.CreateFile(line->Path());
  EXPECT_NE(handle, INVALID_HANDLE_VALUE);
  other.CloseHandle(handle);
  handle = INVALID_HANDLE_VALUE;
}

TEST_F(SerialPortIntegration, SettingsRoundTrip) {
  Open();
  DCB dcb;
  ASSERT_TRUE(system.GetCommState(handle, dcb));
  EXPECT_EQ(dcb.BaudRate, 115200u);
  EXPECT_EQ(dcb.ByteSize, 8);
  EXPECT_EQ(dcb.Parity, NOPARITY);
  EXPECT_EQ(dcb.StopBits, ONESTOPBIT);
  EXPECT_EQ(dcb.fOutX, 0u);
  EXPECT_EQ(dcb.fOutxCtsFlow, 0u);
  EXPECT_EQ(dcb.fDtrControl, DTR_CONTROL_DISABLE);
  dcb.BaudRate = 12345;
  EXPECT_FALSE(system.SetCommState(handle, dcb));
}

TEST_F(SerialPortIntegration, RawBytesBothWays) {
  Open();
  std::string all;
  for (int i = 0; i < 256; ++i) all.push_back(static_cast<char>(i));
  std::uint32_t written = 0;
  ASSERT_TRUE(system.WriteFile(handle, all.data(), 256, written));
  EXPECT_EQ(written, 256u);
  EXPECT_EQ(Received(), all);
  Send(all);
  Timeouts(500);
  char buffer[256];
  std::uint32_t read = 0;
  ASSERT_TRUE(system.ReadFile(handle, buffer, 256, read));
  EXPECT_EQ(read, 256u);
  EXPECT_EQ(std::string(buffer, 256), all);
}

TEST_F(SerialPortIntegration, TheTimeoutIsTheTotalOfOneRead) {
  Open();
  Timeouts(300);
  std::thread drip([this] {
    for (int i = 0; i < 5; ++i) {
      std::this_thread::sleep_for(std::chrono::milliseconds(40));
      std::uint8_t b = static_cast<std::uint8_t>('a' + i);
      line->Write(&b, 1);
    }
  });
  char buffer[10] = {};
  std::uint32_t read = 0;
  auto start = Clock::now();
  EXPECT_TRUE(system.ReadFile(handle, buffer, 10, read));
  auto took = Clock::now() - start;
  drip.join();
  EXPECT_EQ(read, 5u);
  EXPECT_EQ(std::string(buffer, 5), "abcde");
  EXPECT_GE(took, std::chrono::milliseconds(295));
  EXPECT_LT(took, std::chrono::milliseconds(600));
}

TEST_F(SerialPortIntegration, QueueCountAndPurge) {
  Open();
  Send("12345");
  std::this_thread::sleep_for(std::chrono::milliseconds(50));
  std::uint32_t errors = 99;
  COMSTAT status;
  ASSERT_TRUE(system.ClearCommError(handle, errors, status));
  EXPECT_EQ(errors, 0u);
  EXPECT_EQ(status.cbInQue, 5u);
  ASSERT_TRUE(system.PurgeComm(handle, PURGE_TXCLEAR | PURGE_RXCLEAR));
  ASSERT_TRUE(system.ClearCommError(handle, errors, status));
  EXPECT_EQ(status.cbInQue, 0u);
}

TEST_F(SerialPortIntegration, APseudoTerminalIsAnRs232Port) {
  Open();
  COMMPROP properties;
  ASSERT_TRUE(system.GetCommProperties(handle, properties));
  EXPECT_EQ(properties.dwProvSubType, PST_RS232);
}

TEST_F(SerialPortIntegration, AHungUpLineFailsReadsAndWritesAtOnce) {
  Open();
  line->Close();
  Timeouts(2000);
  char c;
  std::uint32_t n = 0;
  auto start = Clock::now();
  EXPECT_FALSE(system.ReadFile(handle, &c, 1, n));
  EXPECT_FALSE(system.WriteFile(handle, "x", 1, n));
  EXPECT_LT(Clock::now() - start, std::chrono::milliseconds(500));
  std::uint32_t errors;
  COMSTAT status;
  EXPECT_FALSE(system.ClearCommError(handle, errors, status));
}

// The simulator's side of a finished connection: it must not vanish while
// the host still drains its last byte, nor wait on once the host has gone.
TEST_F(SerialPortIntegration, TheLineStaysUntilTheHostHasClosedItsEnd) {
  Open();
  std::uint32_t n = 0;
  bool written = false;
  std::thread host([&] {
    std::this_thread::sleep_for(std::chrono::milliseconds(100));
    written = system.WriteFile(handle, "`", 1, n);
    system.CloseHandle(handle);
    handle = INVALID_HANDLE_VALUE;
  });
  auto start = Clock::now();
  line->Wait_For_Host_Close(start + std::chrono::seconds(5));
  host.join();
  EXPECT_TRUE(written);
  EXPECT_EQ(n, 1u);
  EXPECT_LT(Clock::now() - start, std::chrono::seconds(3));
}

TEST_F(SerialPortIntegration, TheDeviceMapAndTheNamesComeFromTheMap) {
  RegKey key = 0;
  ASSERT_EQ(system.RegOpenKeyEx(SERIALCOMM_KEY, KEY_QUERY_VALUE | KEY_ENUMERATE_SUB_KEYS, key), 0);
  char name[512];
  std::uint8_t data[512];
  std::uint32_t name_length = 512, data_length = 512, type = 0;
  ASSERT_EQ(system.RegEnumValue(key, 0, name, name_length, type, data, data_length), 0);
  EXPECT_EQ(type, REG_SZ);
  EXPECT_STREQ(reinterpret_cast<char*>(data), "COM7");
  EXPECT_EQ(std::string(name).rfind("\\Device\\", 0), 0u);
  name_length = data_length = 512;
  ASSERT_EQ(system.RegEnumValue(key, 1, name, name_length, type, data, data_length), 0);
  EXPECT_STREQ(reinterpret_cast<char*>(data), "COM8");
  name_length = data_length = 512;
  EXPECT_EQ(system.RegEnumValue(key, 2, name, name_length, type, data, data_length),
            static_cast<std::int32_t>(ERROR_NO_MORE_ITEMS));
  EXPECT_EQ(system.RegCloseKey(key), 0);

  char names[64];
  std::uint32_t length = system.QueryDosDevice(names, sizeof names);
  EXPECT_EQ(std::string(names, length), std::string("COM7\0COM8\0\0", 11));
  EXPECT_EQ(system.QueryDosDevice(names, 5), 0u);
}

}  // namespace
