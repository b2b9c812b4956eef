// The update procedure against arbitrary boot-ROM answers: whatever bytes the
// port gives, the update ends without a crash, a hang or a false success.
#include "app/UpdateProcedure.h"

#include <algorithm>
#include <cstring>

using namespace z5t8;
using namespace z5t8::platform::serial;

namespace {

// One port, COM5, whose input is the fuzz data; every write goes through.
// The port list fails after a few search passes, which bounds the search.
class Fuzz_System : public SerialSystem {
public:
  Fuzz_System(const std::uint8_t* data, std::size_t size) : data_(data), size_(size) {}

  Handle CreateFile(const std::string& path) override {
    return path == "\\\\.\\COM5" ? 5 : INVALID_HANDLE_VALUE;
  }
  bool CloseHandle(Handle) override { return true; }
  std::uint32_t GetLastError() override { return ERROR_FILE_NOT_FOUND; }
  bool GetCommState(Handle, DCB&) override { return true; }
  bool SetCommState(Handle, const DCB&) override { return true; }
  bool SetupComm(Handle, std::uint32_t, std::uint32_t) override { return true; }
  bool SetCommTimeouts(Handle, const COMMTIMEOUTS&) override { return true; }
  bool ReadFile(Handle, void* buffer, std::uint32_t n, std::uint32_t& read) override {
    read = static_cast<std::uint32_t>(std::min<std::size_t>(n, size_ - at_));
    std::memcpy(buffer, data_ + at_, read);
    at_ += read;
    return true;
  }
  bool WriteFile(Handle, const void*, std::uint32_t n, std::uint32_t& written) override {
    written = n;
    return true;
  }
  bool ClearCommError(Handle, std::uint32_t& errors, COMSTAT& status) override {
    errors = 0;
    status.cbInQue = static_cast<std::uint32_t>(size_ - at_);
    return true;
  }
  bool PurgeComm(Handle, std::uint32_t) override {
    at_ = size_;
    return true;
  }
  bool GetCommProperties(Handle, COMMPROP& p) override {
    p.dwProvSubType = PST_RS232;
    return true;
  }
  void Sleep(std::uint32_t) override {}
  bool GetVersionEx(OSVERSIONINFO& info) override {
    info.dwPlatformId = VER_PLATFORM_WIN32_NT;
    return true;
  }
  std::int32_t RegOpenKeyEx(const std::string&, std::uint32_t, RegKey& key) override {
    key = 1;
    return ++passes_ > 3 ? ERROR_FILE_NOT_FOUND : ERROR_SUCCESS;
  }
  std::int32_t RegEnumValue(RegKey, std::uint32_t index, char* name, std::uint32_t& name_length,
                            std::uint32_t& type, std::uint8_t* data, std::uint32_t& data_length) override {
    if (index > 0) return ERROR_NO_MORE_ITEMS;
    std::strcpy(name, "\\Device\\Serial0");
    name_length = 15;
    std::memcpy(data, "COM5", 5);
    data_length = 5;
    type = REG_SZ;
    return ERROR_SUCCESS;
  }
  std::int32_t RegCloseKey(RegKey) override { return ERROR_SUCCESS; }
  std::uint32_t QueryDosDevice(char*, std::uint32_t) override { return 0; }

private:
  const std::uint8_t* data_;
  std::size_t size_, at_ = 0;
  std::uint32_t passes_ = 0;
};

class Quiet_Window : public app::UpdateWindow {
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

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  Fuzz_System system(data, size);
  Quiet_Window window;
  app::UpdateProcedure update(window, system);
  app::Image_File.size = 4100;
  std::uint16_t port = 0;
  if (!update.Comport.Find_Brom_Port(port) || !update.Check_Version()) return 0;
  update.Download_File();
  // Success takes at least the answers of a real phone: 50 synchronisations
  // (150 bytes), a record of an accepted variant (3 + 19), the erase's echo,
  // challenge answer and end (3), one block acknowledgement and the end (2).
  if (window.last_message == app::Text_Update_Complete && size < 150 + 22 + 3 + 2) __builtin_trap();
  return 0;
}
