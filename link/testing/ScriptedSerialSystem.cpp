#include "link/testing/ScriptedSerialSystem.h"

#include <algorithm>
#include <cctype>
#include <cstdio>
#include <cstring>
#include <optional>

namespace z5t8::link::testing {

std::string Hex(const std::vector<std::uint8_t>& bytes) {
  std::string text;
  char digits[4];
  for (std::uint8_t b : bytes) {
    std::snprintf(digits, sizeof digits, "%02X", b);
    if (!text.empty()) text += ' ';
    text += digits;
  }
  return text;
}

Script& Script::Host(std::vector<std::uint8_t> bytes) {
  steps.push_back({Step::Host_Bytes, std::move(bytes)});
  return *this;
}
Script& Script::Rom(std::vector<std::uint8_t> bytes) {
  steps.push_back({Step::Rom_Bytes, std::move(bytes)});
  return *this;
}
Script& Script::Pause(std::uint32_t milliseconds) {
  steps.push_back({Step::Sleep, {}, milliseconds});
  return *this;
}
Script& Script::Purge() {
  steps.push_back({Step::Purge_Queues, {}});
  return *this;
}
Script& Script::Fail_Write() {
  steps.push_back({Step::Write_Failure, {}});
  return *this;
}
Script& Script::Fail_Read() {
  steps.push_back({Step::Read_Failure, {}});
  return *this;
}
Script& Script::Hang_Up() {
  steps.push_back({Step::Line_Gone, {}});
  return *this;
}
Script& Script::Handshake(std::uint8_t command) {
  return Rom({command}).Host({0xA3}).Rom({0x5C}).Host({0xA5});
}
Script& Script::Sync(std::uint32_t exchanges) {
  for (std::uint32_t i = 0; i < exchanges; ++i) Host({0x58}).Handshake(0x58).Host({0x55}).Rom({0xAA});
  return *this;
}

ScriptedSerialSystem::ScriptedSerialSystem() = default;

bool ScriptedSerialSystem::Finished() const {
  return std::all_of(ports.begin(), ports.end(),
                     [](const auto& p) { return p.second.cursor >= p.second.script.steps.size(); });
}

std::vector<std::uint32_t> ScriptedSerialSystem::Sleeps() const {
  std::vector<std::uint32_t> sleeps;
  for (const std::string& line : log)
    if (line.rfind("sleep ", 0) == 0)
      sleeps.push_back(static_cast<std::uint32_t>(std::stoul(line.substr(6))));
  return sleeps;
}

std::vector<std::uint32_t> ScriptedSerialSystem::Read_Timeouts() const {
  std::vector<std::uint32_t> timeouts;
  for (const std::string& line : log)
    if (line.rfind("timeouts ", 0) == 0)
      timeouts.push_back(static_cast<std::uint32_t>(std::stoul(line.substr(9))));
  return timeouts;
}

void ScriptedSerialSystem::advance(FakePort& port) {
  while (port.cursor < port.script.steps.size()) {
    const Script::Step& step = port.script.steps[port.cursor];
    switch (step.kind) {
      case Script::Step::Rom_Bytes:
        port.input.insert(port.input.end(), step.bytes.begin(), step.bytes.end());
        break;
      case Script::Step::Write_Failure:
        port.write_fails = true;
        break;
      case Script::Step::Read_Failure:
        port.read_fails = true;
        break;
      case Script::Step::Line_Gone:
        port.gone = true;
        break;
      default:
        return;  // waits for the host
    }
    ++port.cursor;
  }
}

FakePort* ScriptedSerialSystem::open_port(Handle handle) {
  auto it = handles_.find(handle);
  if (it == handles_.end()) {
    last_error_ = ERROR_INVALID_HANDLE;
    return nullptr;
  }
  FakePort& port = ports[it->second];
  if (port.gone) {
    last_error_ = ERROR_DEVICE_NOT_CONNECTED;
    return nullptr;
  }
  return &port;
}

Handle ScriptedSerialSystem::CreateFile(const std::string& path) {
  log.push_back("open " + path);
  static const std::string prefix = "\\\\.\\COM";
  std::optional<std::uint16_t> number;
  if (path.compare(0, prefix.size(), prefix) == 0)
    number = static_cast<std::uint16_t>(std::stoul(path.substr(prefix.size())));
  auto it = number ? ports.find(*number) : ports.end();
  if (it == ports.end() || !it->second.exists) {
    last_error_ = it == ports.end() ? ERROR_FILE_NOT_FOUND : it->second.open_error;
    return INVALID_HANDLE_VALUE;
  }
  for (const auto& [handle, n] : handles_)
    if (n == *number) {
      last_error_ = ERROR_ACCESS_DENIED;
      return INVALID_HANDLE_VALUE;
    }
  Handle handle = next_handle_++;
  handles_[handle] = *number;
  ++it->second.opens;
  it->second.read_timeout = 0;  // a fresh open has the driver's time-outs
  advance(it->second);
  return handle;
}

bool ScriptedSerialSystem::CloseHandle(Handle handle) {
  log.push_back("close");
  return handles_.erase(handle) > 0;
}

bool ScriptedSerialSystem::GetCommState(Handle handle, DCB& dcb) {
  log.push_back("get state");
  FakePort* port = open_port(handle);
  if (!port || port->state_fails) return false;
  dcb = port->dcb;
  return true;
}

bool ScriptedSerialSystem::SetCommState(Handle handle, const DCB& dcb) {
  log.push_back("set state " + std::to_string(dcb.BaudRate));
  FakePort* port = open_port(handle);
  if (!port || port->set_state_fails) return false;
  port->dcb = dcb;
  return true;
}

bool ScriptedSerialSystem::SetupComm(Handle handle, std::uint32_t in_queue, std::uint32_t out_queue) {
  log.push_back("setup " + std::to_string(in_queue) + " " + std::to_string(out_queue));
  FakePort* port = open_port(handle);
  return port && !port->setup_fails;
}

bool ScriptedSerialSystem::SetCommTimeouts(Handle handle, const COMMTIMEOUTS& timeouts) {
  log.push_back("timeouts " + std::to_string(timeouts.ReadTotalTimeoutConstant));
  if (timeouts.ReadIntervalTimeout || timeouts.ReadTotalTimeoutMultiplier ||
      timeouts.WriteTotalTimeoutConstant || timeouts.WriteTotalTimeoutMultiplier)
    problems.push_back("time-outs other than the read total");
  FakePort* port = open_port(handle);
  if (!port) return false;
  port->read_timeout = timeouts.ReadTotalTimeoutConstant;
  return true;
}

bool ScriptedSerialSystem::ReadFile(Handle handle, void* buffer, std::uint32_t n, std::uint32_t& read) {
  log.push_back("read " + std::to_string(n));
  read = 0;
  FakePort* port = open_port(handle);
  if (!port) return false;
  if (port->read_fails) {
    port->read_fails = false;
    return false;
  }
  auto* out = static_cast<std::uint8_t*>(buffer);
  while (read < n && !port->input.empty()) {
    out[read++] = port->input.front();
    port->input.pop_front();
  }
  if (read < n) waited += port->read_timeout;
  return true;
}

bool ScriptedSerialSystem::WriteFile(Handle handle, const void* buffer, std::uint32_t n,
                                     std::uint32_t& written) {
  const auto* in = static_cast<const std::uint8_t*>(buffer);
  std::vector<std::uint8_t> bytes(in, in + n);
  log.push_back("write " + (n <= 16 ? Hex(bytes) : std::to_string(n) + " bytes"));
  written = 0;
  FakePort* port = open_port(handle);
  if (!port) return false;
  if (port->write_fails) {
    port->write_fails = false;
    return false;
  }
  for (std::uint8_t b : bytes) {
    const auto& steps = port->script.steps;
    if (port->cursor >= steps.size() || steps[port->cursor].kind != Script::Step::Host_Bytes) {
      problems.push_back("unexpected write of " + Hex({b}) + " at step " + std::to_string(port->cursor));
      port->cursor = steps.size();  // the rest of the script cannot match any more
      continue;
    }
    const Script::Step& step = steps[port->cursor];
    if (step.bytes[port->host_offset] != b) {
      problems.push_back("step " + std::to_string(port->cursor) + " expected " +
                         Hex({step.bytes[port->host_offset]}) + ", host wrote " + Hex({b}));
      port->cursor = steps.size();
      continue;
    }
    if (++port->host_offset == step.bytes.size()) {
      port->host_offset = 0;
      ++port->cursor;
      advance(*port);
    }
  }
  written = n;
  return true;
}

bool ScriptedSerialSystem::ClearCommError(Handle handle, std::uint32_t& errors, COMSTAT& status) {
  log.push_back("queue");
  FakePort* port = open_port(handle);
  if (!port || port->queue_check_fails) return false;
  errors = port->queue_errors;
  status = {};
  status.cbInQue = static_cast<std::uint32_t>(port->input.size());
  return true;
}

bool ScriptedSerialSystem::PurgeComm(Handle handle, std::uint32_t flags) {
  log.push_back("purge " + std::to_string(flags));
  FakePort* port = open_port(handle);
  if (!port) return false;
  if (flags & PURGE_RXCLEAR) port->input.clear();
  const auto& steps = port->script.steps;
  if (port->cursor < steps.size() && steps[port->cursor].kind == Script::Step::Purge_Queues) {
    ++port->cursor;
    advance(*port);
  }
  return true;
}

bool ScriptedSerialSystem::GetCommProperties(Handle handle, COMMPROP& properties) {
  log.push_back("properties");
  FakePort* port = open_port(handle);
  if (!port || port->properties_fail) return false;
  properties.dwProvSubType = port->subtype;
  return true;
}

void ScriptedSerialSystem::Sleep(std::uint32_t milliseconds) {
  log.push_back("sleep " + std::to_string(milliseconds));
  for (auto& [handle, number] : handles_) {
    FakePort& port = ports[number];
    const auto& steps = port.script.steps;
    if (port.cursor < steps.size() && steps[port.cursor].kind == Script::Step::Sleep) {
      if (steps[port.cursor].milliseconds != milliseconds)
        problems.push_back("expected a pause of " + std::to_string(steps[port.cursor].milliseconds) +
                           " ms, got " + std::to_string(milliseconds));
      ++port.cursor;
      advance(port);
    }
  }
}

bool ScriptedSerialSystem::GetVersionEx(OSVERSIONINFO& info) {
  if (version_fails) return false;
  info.dwPlatformId = platform;
  return true;
}

std::int32_t ScriptedSerialSystem::RegOpenKeyEx(const std::string& sub_key, std::uint32_t access,
                                                RegKey& key) {
  ++registry_opens;
  if (on_registry_open) on_registry_open(*this);
  log.push_back("registry " + sub_key + " " + std::to_string(access));
  if (registry_fails) return ERROR_FILE_NOT_FOUND;
  key = 1;
  return ERROR_SUCCESS;
}

std::int32_t ScriptedSerialSystem::RegEnumValue(RegKey key, std::uint32_t index, char* name,
                                                std::uint32_t& name_length, std::uint32_t& type,
                                                std::uint8_t* data, std::uint32_t& data_length) {
  if (name_length != 512 || data_length != 512) problems.push_back("registry buffers not 512 bytes");
  if (index >= registry.size()) return ERROR_NO_MORE_ITEMS;
  const Value& v = registry[index];
  std::memcpy(name, v.name.c_str(), v.name.size() + 1);
  name_length = static_cast<std::uint32_t>(v.name.size());
  std::memcpy(data, v.data.c_str(), v.data.size() + 1);
  data_length = static_cast<std::uint32_t>(v.data.size() + 1);
  type = v.type;
  return ERROR_SUCCESS;
}

std::int32_t ScriptedSerialSystem::RegCloseKey(RegKey key) {
  log.push_back("registry closed");
  return ERROR_SUCCESS;
}

std::uint32_t ScriptedSerialSystem::QueryDosDevice(char* buffer, std::uint32_t capacity) {
  std::string names;
  for (const std::string& n : dos_names) names.append(n).push_back('\0');
  names.push_back('\0');
  if (dos_names.empty() || names.size() > capacity) return 0;
  std::memcpy(buffer, names.data(), names.size());
  return static_cast<std::uint32_t>(names.size());
}

}  // namespace z5t8::link::testing
