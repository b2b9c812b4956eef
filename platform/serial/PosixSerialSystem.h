// SerialSystem on Linux: termios ports, the sysfs device listing as the
// serial device map, and /dev names as the device-name list.
#pragma once

#include "platform/serial/SerialDevices.h"
#include "platform/serial/SerialSystem.h"

#include <array>
#include <map>
#include <vector>

namespace z5t8::platform::serial {

class PosixSerialSystem : public SerialSystem {
public:
  explicit PosixSerialSystem(SerialDeviceRoots roots = {});

  Handle CreateFile(const std::string& path) override;
  // Safe to call from a signal handler: it only releases the descriptor.
  bool CloseHandle(Handle handle) override;
  std::uint32_t GetLastError() override { return last_error_; }

  bool GetCommState(Handle handle, DCB& dcb) override;
  bool SetCommState(Handle handle, const DCB& dcb) override;
  bool SetupComm(Handle handle, std::uint32_t in_queue, std::uint32_t out_queue) override;
  bool SetCommTimeouts(Handle handle, const COMMTIMEOUTS& timeouts) override;
  bool ReadFile(Handle handle, void* buffer, std::uint32_t n, std::uint32_t& read) override;
  bool WriteFile(Handle handle, const void* buffer, std::uint32_t n, std::uint32_t& written) override;
  bool ClearCommError(Handle handle, std::uint32_t& errors, COMSTAT& status) override;
  bool PurgeComm(Handle handle, std::uint32_t flags) override;
  bool GetCommProperties(Handle handle, COMMPROP& properties) override;

  void Sleep(std::uint32_t milliseconds) override;
  bool GetVersionEx(OSVERSIONINFO& info) override;

  std::int32_t RegOpenKeyEx(const std::string& sub_key, std::uint32_t access, RegKey& key) override;
  std::int32_t RegEnumValue(RegKey key, std::uint32_t index, char* name, std::uint32_t& name_length,
                            std::uint32_t& type, std::uint8_t* data, std::uint32_t& data_length) override;
  std::int32_t RegCloseKey(RegKey key) override;
  std::uint32_t QueryDosDevice(char* buffer, std::uint32_t capacity) override;

private:
  // What Win32 keeps per port and termios does not. A fixed table, so that
  // closing needs no allocation.
  struct Port {
    int fd = -1;
    COMMTIMEOUTS timeouts;
    DCB kept;  // the members termios has no place for
    std::uint32_t in_queue = 0, out_queue = 0;
    std::array<int, 5> line_errors{};  // frame, overrun, parity, break, buffer overrun
  };

  Port* port(Handle handle);
  bool fail(std::uint32_t error);
  std::uint32_t line_error_bits(Port& port);

  SerialDeviceRoots roots_;
  std::uint32_t last_error_ = ERROR_SUCCESS;
  std::array<Port, 32> ports_;
  std::map<RegKey, std::vector<SerialDevice>> open_keys_;
  RegKey next_key_ = 1;
};

}  // namespace z5t8::platform::serial
