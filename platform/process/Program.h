// The running program's own file, where systems differ.
#pragma once

#include <filesystem>
#include <system_error>

namespace z5t8::platform::process {

// The executable file of this process; empty with error set when the system
// cannot tell.
std::filesystem::path Program_File(std::error_code& error);

}  // namespace z5t8::platform::process
