#include "platform/process/Console.h"

#ifdef _WIN32
#include <fcntl.h>
#include <io.h>
#include <windows.h>

#include <cstdio>
#else
#include <unistd.h>
#endif

namespace z5t8::platform::process {

#ifdef _WIN32

bool Standard_Error_Is_Terminal() { return _isatty(2) != 0; }

void Prepare_Output() {
  _setmode(_fileno(stdout), _O_BINARY);
  _setmode(_fileno(stderr), _O_BINARY);
  DWORD mode = 0;
  if (GetConsoleMode(GetStdHandle(STD_OUTPUT_HANDLE), &mode) ||
      GetConsoleMode(GetStdHandle(STD_ERROR_HANDLE), &mode))
    SetConsoleOutputCP(CP_UTF8);
}

void Write_Standard_Error(const char* text, std::size_t n) { (void)!_write(2, text, unsigned(n)); }

#else

bool Standard_Error_Is_Terminal() { return ::isatty(STDERR_FILENO) == 1; }

void Prepare_Output() {}

void Write_Standard_Error(const char* text, std::size_t n) { (void)!::write(STDERR_FILENO, text, n); }

#endif

}  // namespace z5t8::platform::process
