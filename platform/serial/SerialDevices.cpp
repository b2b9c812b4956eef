#include "platform/serial/SerialDevices.h"

#include <algorithm>
#include <cctype>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <set>

namespace z5t8::platform::serial {

namespace fs = std::filesystem;

namespace {

bool starts_with_digits(const std::string& text, std::size_t from) {
  return from < text.size() && std::all_of(text.begin() + static_cast<long>(from), text.end(),
                                           [](char c) { return c >= '0' && c <= '9'; });
}

// The k of prefix<k>, when name is exactly that.
std::optional<unsigned long> numbered(const std::string& name, const std::string& prefix) {
  if (name.compare(0, prefix.size(), prefix) != 0 || !starts_with_digits(name, prefix.size()))
    return std::nullopt;
  if (name.size() - prefix.size() > 6) return std::nullopt;
  return std::stoul(name.substr(prefix.size()));
}

std::string read_line(const fs::path& file) {
  std::ifstream in(file);
  std::string line;
  std::getline(in, line);
  return line;
}

}  // namespace

std::optional<std::uint16_t> Com_Number_Of(const std::string& name) {
  if (name.size() < 4 || name.size() > 3 + 5) return std::nullopt;
  for (int i = 0; i < 3; ++i)
    if (std::toupper(static_cast<unsigned char>(name[i])) != "COM"[i]) return std::nullopt;
  if (!starts_with_digits(name, 3)) return std::nullopt;
  unsigned long n = std::stoul(name.substr(3));
  if (n > 0xFFFF) return std::nullopt;
  return static_cast<std::uint16_t>(n);
}

std::vector<SerialDevice> Parse_Serial_Map(const std::string& text) {
  std::vector<SerialDevice> devices;
  std::size_t start = 0;
  while (start <= text.size()) {
    std::size_t end = text.find(':', start);
    if (end == std::string::npos) end = text.size();
    std::string entry = text.substr(start, end - start);
    std::size_t equals = entry.find('=');
    if (equals != std::string::npos) {
      SerialDevice device;
      device.value_name = "\\Device\\Z5T8Map" + std::to_string(devices.size());
      device.com_name = entry.substr(0, equals);
      device.path = entry.substr(equals + 1);
      devices.push_back(device);
    }
    start = end + 1;
  }
  return devices;
}

std::vector<std::uint16_t> Number_Serial_Devices(const std::vector<std::string>& names) {
  std::vector<std::uint16_t> numbers(names.size(), 0);
  std::set<unsigned long> taken;
  std::vector<std::size_t> others;
  for (std::size_t i = 0; i < names.size(); ++i) {
    std::optional<unsigned long> k;
    unsigned long base = 0;
    if ((k = numbered(names[i], "ttyS")))
      base = 1;
    else if ((k = numbered(names[i], "ttyUSB")))
      base = 33;
    else if ((k = numbered(names[i], "ttyACM")))
      base = 65;
    if (k && *k + base <= 0xFFFF) {
      numbers[i] = static_cast<std::uint16_t>(*k + base);
      taken.insert(*k + base);
    } else {
      others.push_back(i);
    }
  }
  std::sort(others.begin(), others.end(), [&](std::size_t a, std::size_t b) { return names[a] < names[b]; });
  unsigned long next = 97;
  for (std::size_t i : others) {
    while (taken.count(next)) ++next;
    if (next > 0xFFFF) break;
    numbers[i] = static_cast<std::uint16_t>(next);
    taken.insert(next++);
  }
  return numbers;
}

std::optional<std::vector<SerialDevice>> List_Serial_Devices(const SerialDeviceRoots& roots) {
  if (const char* map = std::getenv(roots.map_variable)) return Parse_Serial_Map(map);

  std::error_code error;
  fs::path class_tty = fs::path(roots.sys) / "class" / "tty";
  fs::directory_iterator it(class_tty, error);
  if (error) return std::nullopt;
  std::vector<std::string> names;
  for (; it != fs::directory_iterator(); it.increment(error)) {
    if (error) return std::nullopt;
    // Only ttys backed by a device are serial ports; virtual consoles and
    // pseudo-terminals have none.
    if (fs::exists(it->path() / "device", error)) names.push_back(it->path().filename().string());
  }
  std::sort(names.begin(), names.end());
  std::vector<std::uint16_t> numbers = Number_Serial_Devices(names);

  std::vector<SerialDevice> devices;
  for (std::size_t i = 0; i < names.size(); ++i) {
    if (numbers[i] == 0) continue;
    SerialDevice device;
    device.value_name = "\\Device\\" + names[i];
    device.com_name = "COM" + std::to_string(numbers[i]);
    device.path = (fs::path(roots.dev) / names[i]).string();
    // A UART whose type the driver does not know has no hardware behind it.
    fs::path type = class_tty / names[i] / "type";
    device.in_device_map = !fs::exists(type, error) || read_line(type) != "0";
    device.in_dev_names = fs::exists(device.path, error);
    devices.push_back(device);
  }
  return devices;
}

}  // namespace z5t8::platform::serial
