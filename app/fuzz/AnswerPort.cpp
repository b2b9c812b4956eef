#include "app/fuzz/AnswerPort.h"

#include "app/DownloadFormat.h"
#include "app/UpdateProcedure.h"

#include <algorithm>
#include <cstring>

namespace z5t8::app::fuzzing {

namespace {

constexpr char Port_Path[] = "\\\\.\\COM5";
constexpr char Device_Name[] = "\\Device\\Serial0";
constexpr char Port_Name[] = "COM5";

class Quiet_Window : public UpdateWindow {
public:
  void Clean_Memo() override {}
  void Print_Str_to_Memo(const std::string&) override {}
  void Enable_Download_Button(bool) override {}
  void Show_Message(const std::string& text) override { last_message = text; }
  link::ProgressBar* Progress_Bar() override { return nullptr; }
  void Process_Messages() override {}
  void End_Process(int) override { ended = true; }

  std::string last_message;
  bool ended = false;
};

}  // namespace

Handle OnePortSystem::CreateFile(const std::string& path) {
  if (path != Port_Path) {
    last_error_ = ERROR_FILE_NOT_FOUND;
    return INVALID_HANDLE_VALUE;
  }
  if (open_) {
    last_error_ = ERROR_ACCESS_DENIED;
    return INVALID_HANDLE_VALUE;
  }
  open_ = true;
  return Port_Handle;
}

bool OnePortSystem::CloseHandle(Handle handle) {
  if (!is_open(handle)) return false;
  open_ = false;
  return true;
}

bool OnePortSystem::ReadFile(Handle handle, void* buffer, std::uint32_t n, std::uint32_t& read) {
  read = 0;
  if (!is_open(handle)) return false;
  // Nothing more arrives while the host waits: what is there is all a
  // time-out leaves it.
  read = static_cast<std::uint32_t>(std::min<std::size_t>(n, arrived_.size()));
  std::copy_n(arrived_.begin(), read, static_cast<std::uint8_t*>(buffer));
  arrived_.erase(arrived_.begin(), arrived_.begin() + read);
  bytes_read += read;
  return true;
}

bool OnePortSystem::WriteFile(Handle handle, const void* buffer, std::uint32_t n, std::uint32_t& written) {
  written = 0;
  if (!is_open(handle)) return false;
  written = n;
  if (n == 0) return true;
  ++writes;
  Answer(static_cast<const std::uint8_t*>(buffer), n);
  return true;
}

bool OnePortSystem::ClearCommError(Handle handle, std::uint32_t& errors, COMSTAT& status) {
  if (!is_open(handle)) return false;
  errors = 0;
  status = {};
  status.cbInQue = static_cast<std::uint32_t>(arrived_.size());
  return true;
}

bool OnePortSystem::PurgeComm(Handle handle, std::uint32_t flags) {
  if (!is_open(handle)) return false;
  if (flags & PURGE_RXCLEAR) arrived_.clear();
  return true;
}

bool OnePortSystem::GetCommProperties(Handle handle, COMMPROP& properties) {
  if (!is_open(handle)) return false;
  properties.dwProvSubType = PST_RS232;
  return true;
}

bool OnePortSystem::GetVersionEx(OSVERSIONINFO& info) {
  info.dwPlatformId = VER_PLATFORM_WIN32_NT;
  return true;
}

std::int32_t OnePortSystem::RegOpenKeyEx(const std::string&, std::uint32_t, RegKey& key) {
  if (++map_openings_ > search_passes_) return ERROR_FILE_NOT_FOUND;
  key = 1;
  return ERROR_SUCCESS;
}

std::int32_t OnePortSystem::RegEnumValue(RegKey, std::uint32_t index, char* name, std::uint32_t& name_length,
                                         std::uint32_t& type, std::uint8_t* data,
                                         std::uint32_t& data_length) {
  if (index > 0) return ERROR_NO_MORE_ITEMS;
  if (name_length < sizeof Device_Name || data_length < sizeof Port_Name) return ERROR_INSUFFICIENT_BUFFER;
  std::memcpy(name, Device_Name, sizeof Device_Name);
  name_length = sizeof Device_Name - 1;
  std::memcpy(data, Port_Name, sizeof Port_Name);
  data_length = sizeof Port_Name;
  type = REG_SZ;
  return ERROR_SUCCESS;
}

void AnswerPort::Answer(const std::uint8_t*, std::size_t) {
  while (at_ < size_) {
    const std::size_t length = data_[at_++];
    const std::size_t n = std::min(length, size_ - at_);
    arrived_.insert(arrived_.end(), data_ + at_, data_ + at_ + n);
    at_ += n;
    if (length < 255) break;
  }
}

Update_Outcome Run_Update(SerialSystem& system) {
  Quiet_Window window;
  UpdateProcedure update(window, system);
  // The image area is shared with whatever ran before in this process.
  Image_File.size = static_cast<std::int32_t>(Fuzz_Image_Size);
  std::memset(Image_File.data, 0, Fuzz_Image_Size);
  Demo_Phone = false;
  Update_Outcome outcome;
  std::uint16_t port = 0;
  outcome.found = update.Comport.Find_Brom_Port(port);
  if (outcome.found) {
    if (update.Check_Version())
      update.Download_File();
    else
      outcome.process_ended = window.ended;
  }
  outcome.message = window.last_message;
  update.Comport.Close_Port();
  return outcome;
}

}  // namespace z5t8::app::fuzzing
