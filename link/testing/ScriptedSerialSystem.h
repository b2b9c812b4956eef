// A SerialSystem for tests: ports that exist or fail as told, each with a
// script of the bytes the host must write and the boot ROM answers, the
// device map and the device names as tables. Nothing sleeps and no read
// waits: a read that the script cannot serve is a time-out at once.
#pragma once

#include "platform/serial/SerialSystem.h"

#include <cstdint>
#include <deque>
#include <functional>
#include <initializer_list>
#include <map>
#include <string>
#include <vector>

namespace z5t8::link::testing {

using namespace platform::serial;

// One port's wire, in order. Host steps wait for the host's bytes; ROM bytes
// join the input queue as soon as everything before them has happened.
class Script {
public:
  Script& Host(std::vector<std::uint8_t> bytes);
  Script& Rom(std::vector<std::uint8_t> bytes);
  Script& Pause(std::uint32_t milliseconds);  // a Sleep the host must make here
  Script& Purge();                            // a purge the host must make here
  Script& Fail_Write();                       // the next write fails
  Script& Fail_Read();                        // the next read fails
  Script& Hang_Up();                          // from here every call fails

  // The boot ROM's side of exchanges, for building scripts.
  Script& Handshake(std::uint8_t command);
  Script& Sync(std::uint32_t exchanges = 50);

  struct Step {
    enum Kind { Host_Bytes, Rom_Bytes, Sleep, Purge_Queues, Write_Failure, Read_Failure, Line_Gone } kind;
    std::vector<std::uint8_t> bytes;
    std::uint32_t milliseconds = 0;
  };
  std::vector<Step> steps;
};

struct FakePort {
  bool exists = true;
  std::uint32_t open_error = ERROR_FILE_NOT_FOUND;  // when it does not exist
  std::uint32_t subtype = PST_RS232;
  bool properties_fail = false;
  bool state_fails = false;      // GetCommState
  bool set_state_fails = false;  // SetCommState
  bool setup_fails = false;
  bool queue_check_fails = false;
  std::uint32_t queue_errors = 0;
  Script script;

  // Filled in as the port is used.
  std::size_t cursor = 0;
  std::size_t host_offset = 0;  // bytes of the current host step already written
  std::deque<std::uint8_t> input;
  bool read_fails = false, write_fails = false, gone = false;
  DCB dcb;
  std::uint32_t opens = 0;
  std::uint32_t read_timeout = 0;  // the total time-out the port holds
};

class ScriptedSerialSystem : public SerialSystem {
public:
  ScriptedSerialSystem();

  // Ports by COM number; a number without an entry does not exist.
  std::map<std::uint16_t, FakePort> ports;
  // The device map: values in order; and its failure.
  struct Value {
    std::string name;
    std::uint32_t type;
    std::string data;
  };
  std::vector<Value> registry;
  bool registry_fails = false;
  bool version_fails = false;
  std::uint32_t platform = VER_PLATFORM_WIN32_NT;
  std::vector<std::string> dos_names;
  // Runs before every opening of the device map: one search pass each.
  std::function<void(ScriptedSerialSystem&)> on_registry_open;

  // What happened: one line per call ("open \\.\COM5", "sleep 100",
  // "timeouts 3000", "read 1", "write 58 A3", "queue", "purge 12", ...).
  std::vector<std::string> log;
  std::vector<std::string> problems;  // script mismatches
  std::uint32_t registry_opens = 0;
  // The fake clock of reads: a read that comes back short has waited its
  // port's whole time-out.
  std::uint64_t waited = 0;

  FakePort& Port(std::uint16_t number) { return ports[number]; }
  // Plays a port's script up to its next host step (for scripts written
  // after the port was opened).
  void Resume(std::uint16_t number) { advance(ports[number]); }
  // True when every port's script was played to its end.
  bool Finished() const;
  std::vector<std::uint32_t> Sleeps() const;
  std::vector<std::uint32_t> Read_Timeouts() const;

  Handle CreateFile(const std::string& path) override;
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
  FakePort* open_port(Handle handle);
  void advance(FakePort& port);

  std::uint32_t last_error_ = ERROR_SUCCESS;
  std::map<Handle, std::uint16_t> handles_;
  Handle next_handle_ = 100;
};

// Hex bytes as the log writes them: "58 A3".
std::string Hex(const std::vector<std::uint8_t>& bytes);

}  // namespace z5t8::link::testing
