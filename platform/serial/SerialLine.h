// The far end of a serial connection, as a phone simulator serves it: the
// master of a new pseudo-terminal (whose slave a host opens as its port), or a
// serial device opened raw. Non-blocking; Wait tells what is ready.
#pragma once

#include <chrono>
#include <cstddef>
#include <cstdint>
#include <memory>
#include <optional>
#include <string>

namespace z5t8::platform::serial {

class SerialLine {
public:
  using Clock = std::chrono::steady_clock;
  enum Ready : int { Readable = 1, Writable = 2, Hung_Up = 4 };

  // A new pseudo-terminal in raw mode. Its slave stays open here as well, so
  // that a host may open and close it any number of times.
  static std::unique_ptr<SerialLine> Open_Pseudo_Terminal(std::string& error);
  // A serial device in raw 8N1 at the given rate (0: leave the rate).
  static std::unique_ptr<SerialLine> Open_Device(const std::string& path, std::uint32_t baud,
                                                 std::string& error);

  ~SerialLine();
  SerialLine(const SerialLine&) = delete;
  SerialLine& operator=(const SerialLine&) = delete;

  // The path a host opens.
  const std::string& Path() const { return path_; }

  // Bytes read (0 when none is waiting), or -1 when the line is gone.
  long Read(std::uint8_t* buffer, std::size_t capacity);
  // Bytes accepted (0 when the line is full), or -1 when the line is gone.
  long Write(const std::uint8_t* buffer, std::size_t n);
  // Ready bits, 0 at the deadline (none: wait without end).
  int Wait(bool want_write, std::optional<Clock::time_point> deadline);
  // Hangs up: the host's next read or write fails.
  void Close();
  // Waits, until the deadline at the latest, for the host to close its end,
  // taking whatever it still sends. A pseudo-terminal only: a device gives no
  // such sign, so this returns at once there.
  void Wait_For_Host_Close(Clock::time_point deadline);

private:
  SerialLine(int fd, int slave_fd, std::string path);

  int fd_;
  int slave_fd_;
  std::string path_;
};

}  // namespace z5t8::platform::serial
