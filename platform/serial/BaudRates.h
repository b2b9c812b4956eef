// The termios speed codes of the baud rates this platform offers.
#pragma once

#include <cstdint>
#include <optional>

#include <termios.h>

namespace z5t8::platform::serial {

std::optional<speed_t> Speed_Code(std::uint32_t rate);
// 0 for a code without a rate.
std::uint32_t Speed_Rate(speed_t code);

}  // namespace z5t8::platform::serial
