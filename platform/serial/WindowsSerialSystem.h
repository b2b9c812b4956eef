// SerialSystem on Windows: each call goes straight to the system's own
// communications, file and registry function of the same name.
#pragma once

#include "platform/serial/SerialSystem.h"

#include <map>

namespace z5t8::platform::serial {

class WindowsSerialSystem : public SerialSystem {
public:
  Handle CreateFile(const std::string& path) override;
  bool CloseHandle(Handle handle) override;
  std::uint32_t GetLastError() override;

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
  // Registry handles are pointers; the interface hands out small numbers.
  std::map<RegKey, void*> keys_;
  RegKey next_key_ = 1;
};

}  // namespace z5t8::platform::serial
