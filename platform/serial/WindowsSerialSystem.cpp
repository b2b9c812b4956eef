#include "platform/serial/WindowsSerialSystem.h"

// After our own declarations: the system's headers define many of the same
// names as macros, with the same values.
#include <windows.h>

#undef CreateFile
#undef GetVersionEx
#undef RegOpenKeyEx
#undef RegEnumValue
#undef QueryDosDevice

#include <cstdint>

namespace z5t8::platform::serial {

namespace {

// Kernel handles carry 32 significant bits (they cross between 32- and 64-bit
// processes that way), so the interface's 32-bit handle holds one exactly.
HANDLE system_handle(Handle h) { return reinterpret_cast<HANDLE>(static_cast<std::intptr_t>(h)); }
Handle our_handle(HANDLE h) { return static_cast<Handle>(reinterpret_cast<std::intptr_t>(h)); }

// The members the interface's DCB shares with the system's, by name, either way.
template <class From, class To>
void Copy_Dcb_Fields(const From& from, To& to) {
  to.BaudRate = from.BaudRate;
  to.fBinary = from.fBinary;
  to.fParity = from.fParity;
  to.fOutxCtsFlow = from.fOutxCtsFlow;
  to.fOutxDsrFlow = from.fOutxDsrFlow;
  to.fDtrControl = from.fDtrControl;
  to.fDsrSensitivity = from.fDsrSensitivity;
  to.fTXContinueOnXoff = from.fTXContinueOnXoff;
  to.fOutX = from.fOutX;
  to.fInX = from.fInX;
  to.fErrorChar = from.fErrorChar;
  to.fNull = from.fNull;
  to.fRtsControl = from.fRtsControl;
  to.fAbortOnError = from.fAbortOnError;
  to.XonLim = from.XonLim;
  to.XoffLim = from.XoffLim;
  to.ByteSize = from.ByteSize;
  to.Parity = from.Parity;
  to.StopBits = from.StopBits;
  to.XonChar = from.XonChar;
  to.XoffChar = from.XoffChar;
  to.ErrorChar = from.ErrorChar;
  to.EofChar = from.EofChar;
  to.EvtChar = from.EvtChar;
}

}  // namespace

SerialSystem& Default_Serial_System() {
  static WindowsSerialSystem system;
  return system;
}

Handle WindowsSerialSystem::CreateFile(const std::string& path) {
  HANDLE h = ::CreateFileA(path.c_str(), GENERIC_READ | GENERIC_WRITE, 0, nullptr, OPEN_EXISTING, 0, nullptr);
  return h == INVALID_HANDLE_VALUE ? Handle(-1) : our_handle(h);
}

bool WindowsSerialSystem::CloseHandle(Handle handle) { return ::CloseHandle(system_handle(handle)); }

std::uint32_t WindowsSerialSystem::GetLastError() { return ::GetLastError(); }

bool WindowsSerialSystem::GetCommState(Handle handle, DCB& dcb) {
  ::DCB d{};
  d.DCBlength = sizeof d;
  if (!::GetCommState(system_handle(handle), &d)) return false;
  Copy_Dcb_Fields(d, dcb);
  return true;
}

bool WindowsSerialSystem::SetCommState(Handle handle, const DCB& dcb) {
  // Start from what the driver holds, so that the members the interface does
  // not carry (the reserved ones) stay as they were.
  ::DCB d{};
  d.DCBlength = sizeof d;
  if (!::GetCommState(system_handle(handle), &d)) return false;
  Copy_Dcb_Fields(dcb, d);
  return ::SetCommState(system_handle(handle), &d);
}

bool WindowsSerialSystem::SetupComm(Handle handle, std::uint32_t in_queue, std::uint32_t out_queue) {
  return ::SetupComm(system_handle(handle), in_queue, out_queue);
}

bool WindowsSerialSystem::SetCommTimeouts(Handle handle, const COMMTIMEOUTS& t) {
  ::COMMTIMEOUTS c{t.ReadIntervalTimeout, t.ReadTotalTimeoutMultiplier, t.ReadTotalTimeoutConstant,
                   t.WriteTotalTimeoutMultiplier, t.WriteTotalTimeoutConstant};
  return ::SetCommTimeouts(system_handle(handle), &c);
}

bool WindowsSerialSystem::ReadFile(Handle handle, void* buffer, std::uint32_t n, std::uint32_t& read) {
  DWORD got = 0;
  bool ok = ::ReadFile(system_handle(handle), buffer, n, &got, nullptr);
  read = got;
  return ok;
}

bool WindowsSerialSystem::WriteFile(Handle handle, const void* buffer, std::uint32_t n,
                                    std::uint32_t& written) {
  DWORD put = 0;
  bool ok = ::WriteFile(system_handle(handle), buffer, n, &put, nullptr);
  written = put;
  return ok;
}

bool WindowsSerialSystem::ClearCommError(Handle handle, std::uint32_t& errors, COMSTAT& status) {
  DWORD e = 0;
  ::COMSTAT s{};
  if (!::ClearCommError(system_handle(handle), &e, &s)) return false;
  errors = e;
  status.cbInQue = s.cbInQue;
  status.cbOutQue = s.cbOutQue;
  return true;
}

bool WindowsSerialSystem::PurgeComm(Handle handle, std::uint32_t flags) {
  return ::PurgeComm(system_handle(handle), flags);
}

bool WindowsSerialSystem::GetCommProperties(Handle handle, COMMPROP& properties) {
  ::COMMPROP p{};
  if (!::GetCommProperties(system_handle(handle), &p)) return false;
  properties.dwMaxTxQueue = p.dwMaxTxQueue;
  properties.dwMaxRxQueue = p.dwMaxRxQueue;
  properties.dwMaxBaud = p.dwMaxBaud;
  properties.dwProvSubType = p.dwProvSubType;
  properties.dwCurrentTxQueue = p.dwCurrentTxQueue;
  properties.dwCurrentRxQueue = p.dwCurrentRxQueue;
  return true;
}

void WindowsSerialSystem::Sleep(std::uint32_t milliseconds) { ::Sleep(milliseconds); }

bool WindowsSerialSystem::GetVersionEx(OSVERSIONINFO& info) {
  OSVERSIONINFOA v{};
  v.dwOSVersionInfoSize = sizeof v;  // 148 bytes
  v.dwPlatformId = info.dwPlatformId;
  if (!::GetVersionExA(&v)) return false;
  info.dwPlatformId = v.dwPlatformId;
  return true;
}

std::int32_t WindowsSerialSystem::RegOpenKeyEx(const std::string& sub_key, std::uint32_t access,
                                               RegKey& key) {
  HKEY h = nullptr;
  LONG result = ::RegOpenKeyExA(HKEY_LOCAL_MACHINE, sub_key.c_str(), 0, access, &h);
  if (result != ERROR_SUCCESS) return result;
  key = next_key_++;
  keys_[key] = h;
  return ERROR_SUCCESS;
}

std::int32_t WindowsSerialSystem::RegEnumValue(RegKey key, std::uint32_t index, char* name,
                                               std::uint32_t& name_length, std::uint32_t& type,
                                               std::uint8_t* data, std::uint32_t& data_length) {
  auto found = keys_.find(key);
  if (found == keys_.end()) return ERROR_INVALID_HANDLE;
  DWORD nl = name_length, t = 0, dl = data_length;
  LONG result = ::RegEnumValueA(static_cast<HKEY>(found->second), index, name, &nl, nullptr, &t, data, &dl);
  name_length = nl;
  type = t;
  data_length = dl;
  return result;
}

std::int32_t WindowsSerialSystem::RegCloseKey(RegKey key) {
  auto found = keys_.find(key);
  if (found == keys_.end()) return ERROR_INVALID_HANDLE;
  LONG result = ::RegCloseKey(static_cast<HKEY>(found->second));
  keys_.erase(found);
  return result;
}

std::uint32_t WindowsSerialSystem::QueryDosDevice(char* buffer, std::uint32_t capacity) {
  return ::QueryDosDeviceA(nullptr, buffer, capacity);
}

}  // namespace z5t8::platform::serial
