// The terminal a command-line program writes to, where systems differ.
#pragma once

#include <cstddef>

namespace z5t8::platform::process {

// True when standard error is a terminal (a console window on Windows).
bool Standard_Error_Is_Terminal();

// Standard output and error pass our bytes on as they are (no line-end
// translation), so a redirected log reads the same on every system; a console
// that shows them reads them as UTF-8, which our texts are.
void Prepare_Output();

// Writes to standard error without buffering; safe in an interrupt handler.
void Write_Standard_Error(const char* text, std::size_t n);

}  // namespace z5t8::platform::process
