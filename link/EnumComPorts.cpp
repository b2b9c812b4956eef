#include "link/EnumComPorts.h"

#include <algorithm>
#include <cctype>
#include <cstdlib>
#include <cstring>

namespace z5t8::link {

using namespace platform::serial;

namespace {

bool starts_with_ignoring_case(const std::string& text, const std::string& prefix) {
  if (text.size() < prefix.size()) return false;
  for (std::size_t i = 0; i < prefix.size(); ++i)
    if (std::tolower(static_cast<unsigned char>(text[i])) !=
        std::tolower(static_cast<unsigned char>(prefix[i])))
      return false;
  return true;
}

// The platform: NT when the call works and says so. A failed call reads as
// the other platform.
bool is_nt(SerialSystem& system) {
  OSVERSIONINFO info;
  info.dwPlatformId = VER_PLATFORM_WIN32_WINDOWS;
  return system.GetVersionEx(info) && info.dwPlatformId == VER_PLATFORM_WIN32_NT;
}

std::uint16_t port_number(const std::string& com_name) {
  return static_cast<std::uint16_t>(std::atol(com_name.c_str() + 3));
}

}  // namespace

bool Is_Com_Name(const std::string& text) {
  if (text.size() < 4 || !starts_with_ignoring_case(text, "COM")) return false;
  return std::all_of(text.begin() + 3, text.end(), [](char c) { return c >= '0' && c <= '9'; });
}

bool Is_Port_Present(std::uint16_t number, std::uint32_t subtype, SerialSystem& system) {
  Handle handle = system.CreateFile("\\\\.\\COM" + std::to_string(number));
  if (handle == INVALID_HANDLE_VALUE) {
    // Held by another program, or there but failing: still a port.
    std::uint32_t error = system.GetLastError();
    return error == ERROR_ACCESS_DENIED || error == ERROR_GEN_FAILURE;
  }
  COMMPROP properties{};
  bool present =
      subtype == 0 || !system.GetCommProperties(handle, properties) || properties.dwProvSubType == subtype;
  system.CloseHandle(handle);
  return present;
}

bool Enum_From_Registry(std::vector<std::uint16_t>& list, SerialSystem& system) {
  RegKey key = 0;
  if (system.RegOpenKeyEx(SERIALCOMM_KEY, KEY_QUERY_VALUE | KEY_ENUMERATE_SUB_KEYS, key) != ERROR_SUCCESS)
    return false;
  const bool nt = is_nt(system);
  const std::string prefix = nt ? "\\Device\\" : "COM";

  constexpr std::uint32_t buffer_size = 512;
  char name[buffer_size];
  std::uint8_t data[buffer_size];
  for (std::uint32_t index = 0;; ++index) {
    std::uint32_t name_length = buffer_size, data_length = buffer_size, type = 0;
    if (system.RegEnumValue(key, index, name, name_length, type, data, data_length) != ERROR_SUCCESS) break;
    std::string value_name(name, std::min(name_length, buffer_size));
    value_name.resize(std::strlen(value_name.c_str()));
    std::string value(reinterpret_cast<const char*>(data), std::min(data_length, buffer_size));
    value.resize(std::strlen(value.c_str()));
    if (type != REG_SZ || !starts_with_ignoring_case(value_name, prefix) || !Is_Com_Name(value)) continue;
    std::uint16_t number = port_number(value);
    // On NT only the first three ports are tested; the device map lists
    // the others only when they are there.
    bool tested = !nt || (number >= 1 && number <= 3);
    if (!tested || Is_Port_Present(number, PST_RS232, system)) list.push_back(number);
  }
  system.RegCloseKey(key);
  return true;
}

bool Enum_From_DosDevices(std::vector<std::uint16_t>& list, SerialSystem& system) {
  if (!is_nt(system)) return Enum_From_Registry(list, system);
  static char names[65535];
  std::uint32_t length = system.QueryDosDevice(names, sizeof names);
  if (length == 0) return true;
  length = std::min<std::uint32_t>(length, sizeof names);
  for (std::uint32_t at = 0; at < length && names[at] != '\0';) {
    std::string name(names + at, strnlen(names + at, length - at));
    at += static_cast<std::uint32_t>(name.size()) + 1;
    if (Is_Com_Name(name)) {
      std::uint16_t number = port_number(name);
      if (Is_Port_Present(number, PST_RS232, system)) list.push_back(number);
    }
  }
  return true;
}

std::uint8_t Enum_Com_Ports(std::uint8_t source, std::uint16_t* ports, std::uint16_t* count,
                            SerialSystem& system) {
  if (!ports || !count || *count == 0) return Enum_Bad_Arguments;
  std::vector<std::uint16_t> found;
  bool listed = source == Enum_Source_Dos_Devices ? Enum_From_DosDevices(found, system)
                                                  : Enum_From_Registry(found, system);
  if (!listed) return Enum_Source_Failed;
  if (found.empty()) return Enum_No_Port;
  if (found.size() > *count) {
    *count = static_cast<std::uint16_t>(std::min<std::size_t>(found.size(), 0xFFFF));
    return Enum_Too_Many_Ports;
  }
  std::fill(ports, ports + *count, 0);
  std::copy(found.begin(), found.end(), ports);
  *count = static_cast<std::uint16_t>(found.size());
  std::sort(ports, ports + *count);
  return Enum_Ports_Listed;
}

}  // namespace z5t8::link
