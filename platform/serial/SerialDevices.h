// The serial devices of this machine as COM ports: the sysfs listing, the
// COM numbering, and the Z5T8_SERIAL_MAP override that replaces both.
#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <vector>

namespace z5t8::platform::serial {

// One port as the device map shows it.
struct SerialDevice {
  std::string value_name;     // "\Device\ttyS0": the name of its device-map value
  std::string com_name;       // "COM1": the data of that value
  std::string path;           // what opening the COM number opens
  bool in_device_map = true;  // listed by the device map ("registry") source
  bool in_dev_names = true;   // listed by the device-name source
};

struct SerialDeviceRoots {
  std::string sys = "/sys";  // sysfs: class/tty/* and dev/char/*
  std::string dev = "/dev";
  const char* map_variable = "Z5T8_SERIAL_MAP";
};

// The number n of a name "COM<n>" (any letter case, decimal digits only),
// or nothing for any other name.
std::optional<std::uint16_t> Com_Number_Of(const std::string& name);

// Entries "COM<n>=<path>" separated by ':'; entries without '=' are skipped.
std::vector<SerialDevice> Parse_Serial_Map(const std::string& text);

// COM numbers of tty names: ttyS<k> is k+1, ttyUSB<k> is k+33, ttyACM<k> is
// k+65; every other name gets the next number from 97 not taken, in name order.
// The result is in the order of the names given; 0 for a name left without a
// number (past 65535).
std::vector<std::uint16_t> Number_Serial_Devices(const std::vector<std::string>& names);

// The current listing: the map when the variable is set, else every tty under
// sys/class/tty with a device, in name order. Nothing when sysfs cannot be read.
std::optional<std::vector<SerialDevice>> List_Serial_Devices(const SerialDeviceRoots& roots);

}  // namespace z5t8::platform::serial
