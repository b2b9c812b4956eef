#include "platform/process/Program.h"

#ifdef _WIN32
#include <windows.h>

#include <string>
#endif

namespace z5t8::platform::process {

#ifdef _WIN32

std::filesystem::path Program_File(std::error_code& error) {
  std::wstring name(MAX_PATH, L'\0');
  for (;;) {
    DWORD n = GetModuleFileNameW(nullptr, name.data(), DWORD(name.size()));
    if (n == 0) {
      error.assign(int(GetLastError()), std::system_category());
      return {};
    }
    if (n < name.size()) {
      name.resize(n);
      error.clear();
      return name;
    }
    name.resize(name.size() * 2);
  }
}

#else

std::filesystem::path Program_File(std::error_code& error) {
  return std::filesystem::read_symlink("/proc/self/exe", error);
}

#endif

}  // namespace z5t8::platform::process
