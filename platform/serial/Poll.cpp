#include "platform/serial/Poll.h"

#include <algorithm>
#include <cerrno>

#include <poll.h>

namespace z5t8::platform::serial {

int Poll_Until(int fd, short events, std::optional<std::chrono::steady_clock::time_point> deadline) {
  using Clock = std::chrono::steady_clock;
  for (;;) {
    pollfd p{fd, events, 0};
    timespec ts{};
    timespec* timeout = nullptr;
    if (deadline) {
      auto left = std::max(Clock::duration::zero(), *deadline - Clock::now());
      auto ns = std::chrono::duration_cast<std::chrono::nanoseconds>(left).count();
      ts.tv_sec = static_cast<time_t>(ns / 1000000000);
      ts.tv_nsec = static_cast<long>(ns % 1000000000);
      timeout = &ts;
    }
    int r = ::ppoll(&p, 1, timeout, nullptr);
    if (r < 0 && errno == EINTR) continue;
    return r < 0 ? -1 : (r == 0 ? 0 : p.revents);
  }
}

}  // namespace z5t8::platform::serial
