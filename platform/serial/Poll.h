// Waiting for a descriptor with a deadline of nanosecond precision.
#pragma once

#include <chrono>
#include <optional>

namespace z5t8::platform::serial {

// Waits until fd is ready for events or the deadline passes (none: without
// end). The poll result bits, 0 at the deadline, -1 on failure.
int Poll_Until(int fd, short events, std::optional<std::chrono::steady_clock::time_point> deadline);

}  // namespace z5t8::platform::serial
