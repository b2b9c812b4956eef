#include "platform/serial/SerialLine.h"

#include "platform/serial/BaudRates.h"
#include "platform/serial/Poll.h"

#include <algorithm>
#include <cerrno>
#include <cstdlib>
#include <cstring>

#include <fcntl.h>
#include <poll.h>
#include <termios.h>
#include <unistd.h>

namespace z5t8::platform::serial {

namespace {

void make_raw(int fd) {
  termios t{};
  if (::tcgetattr(fd, &t) != 0) return;
  ::cfmakeraw(&t);
  t.c_cflag |= CLOCAL | CREAD;
  // Non-blocking reads of an empty line fail with EAGAIN; end of file is a
  // hang-up.
  t.c_cc[VMIN] = 1;
  t.c_cc[VTIME] = 0;
  ::tcsetattr(fd, TCSANOW, &t);
}

std::string describe(const char* what) { return std::string(what) + ": " + std::strerror(errno); }

}  // namespace

SerialLine::SerialLine(int fd, int slave_fd, std::string path)
    : fd_(fd), slave_fd_(slave_fd), path_(std::move(path)) {}

SerialLine::~SerialLine() { Close(); }

std::unique_ptr<SerialLine> SerialLine::Open_Pseudo_Terminal(std::string& error) {
  int master = ::posix_openpt(O_RDWR | O_NOCTTY | O_NONBLOCK | O_CLOEXEC);
  if (master < 0) {
    error = describe("posix_openpt");
    return nullptr;
  }
  char name[128];
  if (::grantpt(master) != 0 || ::unlockpt(master) != 0 || ::ptsname_r(master, name, sizeof name) != 0) {
    error = describe("pseudo-terminal");
    ::close(master);
    return nullptr;
  }
  int slave = ::open(name, O_RDWR | O_NOCTTY | O_NONBLOCK | O_CLOEXEC);
  if (slave < 0) {
    error = describe(name);
    ::close(master);
    return nullptr;
  }
  make_raw(slave);
  return std::unique_ptr<SerialLine>(new SerialLine(master, slave, name));
}

std::unique_ptr<SerialLine> SerialLine::Open_Device(const std::string& path, std::uint32_t baud,
                                                    std::string& error) {
  int fd = ::open(path.c_str(), O_RDWR | O_NOCTTY | O_NONBLOCK | O_CLOEXEC);
  if (fd < 0) {
    error = describe(path.c_str());
    return nullptr;
  }
  if (::isatty(fd)) {
    make_raw(fd);
    if (baud != 0) {
      std::optional<speed_t> speed = Speed_Code(baud);
      termios t{};
      if (!speed || ::tcgetattr(fd, &t) != 0) {
        error = path + ": no baud rate " + std::to_string(baud);
        ::close(fd);
        return nullptr;
      }
      ::cfsetispeed(&t, *speed);
      ::cfsetospeed(&t, *speed);
      ::tcsetattr(fd, TCSANOW, &t);
    }
  }
  return std::unique_ptr<SerialLine>(new SerialLine(fd, -1, path));
}

long SerialLine::Read(std::uint8_t* buffer, std::size_t capacity) {
  if (fd_ < 0) return -1;
  for (;;) {
    ssize_t got = ::read(fd_, buffer, capacity);
    if (got >= 0) return got == 0 && capacity > 0 ? -1 : got;
    if (errno == EINTR) continue;
    return errno == EAGAIN ? 0 : -1;
  }
}

long SerialLine::Write(const std::uint8_t* buffer, std::size_t n) {
  if (fd_ < 0) return -1;
  for (;;) {
    ssize_t put = ::write(fd_, buffer, n);
    if (put >= 0) return put;
    if (errno == EINTR) continue;
    return errno == EAGAIN ? 0 : -1;
  }
}

int SerialLine::Wait(bool want_write, std::optional<Clock::time_point> deadline) {
  if (fd_ < 0) return Hung_Up;
  int r = Poll_Until(fd_, static_cast<short>(POLLIN | (want_write ? POLLOUT : 0)), deadline);
  if (r < 0) return Hung_Up;
  int ready = 0;
  if (r & POLLIN) ready |= Readable;
  if (r & POLLOUT) ready |= Writable;
  if (r & (POLLHUP | POLLERR | POLLNVAL)) ready |= Hung_Up;
  return ready;
}

void SerialLine::Wait_For_Host_Close(Clock::time_point deadline) {
  if (fd_ < 0 || slave_fd_ < 0) return;
  // With our own copy of the slave gone, the master hangs up once the host's is.
  ::close(slave_fd_);
  slave_fd_ = -1;
  std::uint8_t discard[256];
  while (!(Wait(false, deadline) & Hung_Up) && Clock::now() < deadline)
    if (Read(discard, sizeof discard) < 0) return;
}

void SerialLine::Close() {
  if (slave_fd_ >= 0) ::close(slave_fd_);
  if (fd_ >= 0) ::close(fd_);
  fd_ = slave_fd_ = -1;
}

}  // namespace z5t8::platform::serial
