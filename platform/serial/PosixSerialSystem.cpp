#include "platform/serial/PosixSerialSystem.h"

#include "platform/serial/BaudRates.h"
#include "platform/serial/Poll.h"

#include <algorithm>
#include <cerrno>
#include <chrono>
#include <cstring>
#include <filesystem>
#include <fstream>
#include <optional>
#include <thread>

#include <fcntl.h>
#include <linux/serial.h>
#include <poll.h>
#include <sys/file.h>
#include <sys/ioctl.h>
#include <sys/stat.h>
#include <sys/sysmacros.h>
#include <termios.h>
#include <unistd.h>

namespace z5t8::platform::serial {

namespace fs = std::filesystem;
using Clock = std::chrono::steady_clock;

namespace {

std::uint32_t open_error(int error) {
  switch (error) {
    case ENOENT:
    case ENOTDIR:
    case ENXIO:
    case ENODEV:
      return ERROR_FILE_NOT_FOUND;
    case EACCES:
    case EPERM:
    case EBUSY:
    case EWOULDBLOCK:
      return ERROR_ACCESS_DENIED;
    case EIO:  // a UART without hardware: not there at all
      return ERROR_DEVICE_NOT_CONNECTED;
    default:
      return ERROR_GEN_FAILURE;
  }
}

bool is_pseudo_terminal_slave(dev_t device) {
  // UNIX98 pseudo-terminal slaves have majors 136 to 143.
  return major(device) >= 136 && major(device) <= 143;
}

void set_modem_line(int fd, int line, bool on) {
  // Pseudo-terminals have no modem lines; that is not an error for a port.
  ::ioctl(fd, on ? TIOCMBIS : TIOCMBIC, &line);
}

}  // namespace

PosixSerialSystem::PosixSerialSystem(SerialDeviceRoots roots) : roots_(std::move(roots)) {}

SerialSystem& Default_Serial_System() {
  static PosixSerialSystem system;
  return system;
}

bool PosixSerialSystem::fail(std::uint32_t error) {
  last_error_ = error;
  return false;
}

PosixSerialSystem::Port* PosixSerialSystem::port(Handle handle) {
  if (handle >= 0)
    for (Port& p : ports_)
      if (p.fd == handle) return &p;
  last_error_ = ERROR_INVALID_HANDLE;
  return nullptr;
}

Handle PosixSerialSystem::CreateFile(const std::string& path) {
  std::string device = path;
  static const std::string device_prefix = "\\\\.\\";
  if (path.compare(0, device_prefix.size(), device_prefix) == 0) {
    std::string name = path.substr(device_prefix.size());
    std::optional<std::uint16_t> number = Com_Number_Of(name);
    std::optional<std::vector<SerialDevice>> devices = List_Serial_Devices(roots_);
    device.clear();
    if (number && devices)
      for (const SerialDevice& d : *devices)
        if (Com_Number_Of(d.com_name) == number) {
          device = d.path;
          break;
        }
    if (device.empty()) {
      last_error_ = ERROR_FILE_NOT_FOUND;
      return INVALID_HANDLE_VALUE;
    }
  }

  Port* slot = nullptr;
  for (Port& p : ports_)
    if (p.fd < 0) {
      slot = &p;
      break;
    }
  if (!slot) {
    last_error_ = ERROR_TOO_MANY_OPEN_FILES;
    return INVALID_HANDLE_VALUE;
  }

  // Non-blocking, so that a port without carrier opens at once; reads and
  // writes wait with poll.
  int fd = ::open(device.c_str(), O_RDWR | O_NOCTTY | O_NONBLOCK | O_CLOEXEC);
  if (fd < 0) {
    last_error_ = open_error(errno);
    return INVALID_HANDLE_VALUE;
  }
  // Exclusive: a second open, from any process, fails as access denied.
  if (::flock(fd, LOCK_EX | LOCK_NB) != 0) {
    int error = errno;
    ::close(fd);
    last_error_ = open_error(error);
    return INVALID_HANDLE_VALUE;
  }
  ::ioctl(fd, TIOCEXCL);

  *slot = Port{};
  slot->fd = fd;
  slot->kept.fDtrControl = DTR_CONTROL_ENABLE;
  slot->kept.fRtsControl = RTS_CONTROL_ENABLE;
  serial_icounter_struct counts{};
  if (::ioctl(fd, TIOCGICOUNT, &counts) == 0)
    slot->line_errors = {counts.frame, counts.overrun, counts.parity, counts.brk, counts.buf_overrun};
  last_error_ = ERROR_SUCCESS;
  return fd;
}

bool PosixSerialSystem::CloseHandle(Handle handle) {
  for (Port& p : ports_)
    if (p.fd == handle && handle >= 0) {
      ::ioctl(p.fd, TIOCNXCL);
      ::close(p.fd);
      p.fd = -1;
      return true;
    }
  last_error_ = ERROR_INVALID_HANDLE;
  return false;
}

bool PosixSerialSystem::GetCommState(Handle handle, DCB& dcb) {
  Port* p = port(handle);
  if (!p) return false;
  termios t{};
  if (::tcgetattr(p->fd, &t) != 0) return fail(ERROR_INVALID_PARAMETER);
  dcb = p->kept;
  dcb.BaudRate = Speed_Rate(::cfgetospeed(&t));
  dcb.fBinary = 1;
  dcb.fParity = (t.c_iflag & INPCK) ? 1 : 0;
  dcb.fOutxCtsFlow = (t.c_cflag & CRTSCTS) ? 1 : 0;
  if (t.c_cflag & CRTSCTS) dcb.fRtsControl = RTS_CONTROL_HANDSHAKE;
  dcb.fOutX = (t.c_iflag & IXON) ? 1 : 0;
  dcb.fInX = (t.c_iflag & IXOFF) ? 1 : 0;
  switch (t.c_cflag & CSIZE) {
    case CS5:
      dcb.ByteSize = 5;
      break;
    case CS6:
      dcb.ByteSize = 6;
      break;
    case CS7:
      dcb.ByteSize = 7;
      break;
    default:
      dcb.ByteSize = 8;
      break;
  }
  if (!(t.c_cflag & PARENB))
    dcb.Parity = NOPARITY;
  else if (t.c_cflag & CMSPAR)
    dcb.Parity = (t.c_cflag & PARODD) ? MARKPARITY : SPACEPARITY;
  else
    dcb.Parity = (t.c_cflag & PARODD) ? ODDPARITY : EVENPARITY;
  dcb.StopBits = (t.c_cflag & CSTOPB) ? TWOSTOPBITS : ONESTOPBIT;
  dcb.XonChar = static_cast<char>(t.c_cc[VSTART]);
  dcb.XoffChar = static_cast<char>(t.c_cc[VSTOP]);
  dcb.EofChar = static_cast<char>(t.c_cc[VEOF]);
  return true;
}

bool PosixSerialSystem::SetCommState(Handle handle, const DCB& dcb) {
  Port* p = port(handle);
  if (!p) return false;
  std::optional<speed_t> speed = Speed_Code(dcb.BaudRate);
  if (!speed || dcb.ByteSize < 5 || dcb.ByteSize > 8 || dcb.Parity > SPACEPARITY ||
      (dcb.StopBits != ONESTOPBIT && dcb.StopBits != TWOSTOPBITS))
    return fail(ERROR_INVALID_PARAMETER);
  termios t{};
  if (::tcgetattr(p->fd, &t) != 0) return fail(ERROR_INVALID_PARAMETER);

  // Raw bytes both ways: no line editing, echo, signals or translation.
  t.c_iflag = (dcb.fParity ? INPCK : IGNPAR) | (dcb.fOutX ? IXON : 0) | (dcb.fInX ? IXOFF : 0);
  t.c_oflag = 0;
  t.c_lflag = 0;
  static const tcflag_t sizes[] = {CS5, CS6, CS7, CS8};
  t.c_cflag = CREAD | CLOCAL | sizes[dcb.ByteSize - 5];
  if (dcb.Parity != NOPARITY) t.c_cflag |= PARENB;
  if (dcb.Parity == ODDPARITY || dcb.Parity == MARKPARITY) t.c_cflag |= PARODD;
  if (dcb.Parity == MARKPARITY || dcb.Parity == SPACEPARITY) t.c_cflag |= CMSPAR;
  if (dcb.StopBits == TWOSTOPBITS) t.c_cflag |= CSTOPB;
  if (dcb.fOutxCtsFlow || dcb.fRtsControl == RTS_CONTROL_HANDSHAKE) t.c_cflag |= CRTSCTS;
  // With the descriptor non-blocking, a read of an empty queue fails with
  // EAGAIN and only a hung-up line reads as end of file.
  t.c_cc[VMIN] = 1;
  t.c_cc[VTIME] = 0;
  t.c_cc[VSTART] = static_cast<cc_t>(dcb.XonChar);
  t.c_cc[VSTOP] = static_cast<cc_t>(dcb.XoffChar);
  ::cfsetispeed(&t, *speed);
  ::cfsetospeed(&t, *speed);
  if (::tcsetattr(p->fd, TCSANOW, &t) != 0) return fail(ERROR_INVALID_PARAMETER);

  set_modem_line(p->fd, TIOCM_DTR, dcb.fDtrControl != DTR_CONTROL_DISABLE);
  if (dcb.fRtsControl != RTS_CONTROL_HANDSHAKE)
    set_modem_line(p->fd, TIOCM_RTS, dcb.fRtsControl != RTS_CONTROL_DISABLE);
  p->kept = dcb;
  return true;
}

bool PosixSerialSystem::SetupComm(Handle handle, std::uint32_t in_queue, std::uint32_t out_queue) {
  Port* p = port(handle);
  if (!p) return false;
  if (in_queue == 0 || out_queue == 0) return fail(ERROR_INVALID_PARAMETER);
  // The tty layer sizes its own buffers; the request is kept for
  // GetCommProperties.
  p->in_queue = in_queue;
  p->out_queue = out_queue;
  return true;
}

bool PosixSerialSystem::SetCommTimeouts(Handle handle, const COMMTIMEOUTS& timeouts) {
  Port* p = port(handle);
  if (!p) return false;
  p->timeouts = timeouts;
  return true;
}

bool PosixSerialSystem::ReadFile(Handle handle, void* buffer, std::uint32_t n, std::uint32_t& read) {
  read = 0;
  Port* p = port(handle);
  if (!p) return false;
  const COMMTIMEOUTS& t = p->timeouts;
  auto* out = static_cast<std::uint8_t*>(buffer);
  const Clock::time_point start = Clock::now();

  // The Win32 cases: return at once with what is there; wait for the first
  // byte only; or a total time-out for the whole call plus an optional
  // interval between bytes. All zero waits for every byte.
  bool return_at_once = t.ReadIntervalTimeout == MAXDWORD && t.ReadTotalTimeoutMultiplier == 0 &&
                        t.ReadTotalTimeoutConstant == 0;
  bool first_byte_only = t.ReadIntervalTimeout == MAXDWORD && t.ReadTotalTimeoutMultiplier == MAXDWORD &&
                         t.ReadTotalTimeoutConstant != 0 && t.ReadTotalTimeoutConstant != MAXDWORD;
  std::optional<Clock::time_point> total;
  if (first_byte_only)
    total = start + std::chrono::milliseconds(t.ReadTotalTimeoutConstant);
  else if (t.ReadTotalTimeoutMultiplier != 0 || t.ReadTotalTimeoutConstant != 0)
    total = start + std::chrono::milliseconds(std::uint64_t(t.ReadTotalTimeoutMultiplier) * n +
                                              t.ReadTotalTimeoutConstant);
  std::optional<std::chrono::milliseconds> interval;
  if (t.ReadIntervalTimeout != 0 && t.ReadIntervalTimeout != MAXDWORD)
    interval = std::chrono::milliseconds(t.ReadIntervalTimeout);

  Clock::time_point last_byte = start;
  bool hung_up = false;
  while (read < n) {
    ssize_t got = ::read(p->fd, out + read, n - read);
    if (got > 0) {
      read += static_cast<std::uint32_t>(got);
      last_byte = Clock::now();
      if (first_byte_only) return_at_once = true;
      continue;
    }
    if (got < 0 && errno != EAGAIN && errno != EINTR) return fail(ERROR_DEVICE_NOT_CONNECTED);
    // Nothing waiting. After a hang-up the line has nothing more to give.
    if (hung_up) return fail(ERROR_DEVICE_NOT_CONNECTED);
    if (return_at_once) break;
    std::optional<Clock::time_point> deadline = total;
    if (interval && read > 0 && (!deadline || last_byte + *interval < *deadline))
      deadline = last_byte + *interval;
    int ready = Poll_Until(p->fd, POLLIN, deadline);
    if (ready == 0) break;  // time-out: what arrived stays in the buffer
    if (ready < 0) return fail(ERROR_GEN_FAILURE);
    hung_up = ready & (POLLHUP | POLLERR | POLLNVAL);
  }
  last_error_ = ERROR_SUCCESS;
  return true;
}

bool PosixSerialSystem::WriteFile(Handle handle, const void* buffer, std::uint32_t n,
                                  std::uint32_t& written) {
  written = 0;
  Port* p = port(handle);
  if (!p) return false;
  const COMMTIMEOUTS& t = p->timeouts;
  std::optional<Clock::time_point> deadline;
  if (t.WriteTotalTimeoutMultiplier != 0 || t.WriteTotalTimeoutConstant != 0)
    deadline = Clock::now() + std::chrono::milliseconds(std::uint64_t(t.WriteTotalTimeoutMultiplier) * n +
                                                        t.WriteTotalTimeoutConstant);
  const auto* in = static_cast<const std::uint8_t*>(buffer);
  while (written < n) {
    ssize_t put = ::write(p->fd, in + written, n - written);
    if (put > 0) {
      written += static_cast<std::uint32_t>(put);
      continue;
    }
    if (put < 0 && errno != EAGAIN && errno != EINTR) return fail(ERROR_DEVICE_NOT_CONNECTED);
    int ready = Poll_Until(p->fd, POLLOUT, deadline);
    if (ready == 0) return true;  // time-out: the count tells how far it got
    if (ready < 0 || (!(ready & POLLOUT) && (ready & (POLLHUP | POLLERR | POLLNVAL))))
      return fail(ERROR_DEVICE_NOT_CONNECTED);
  }
  // Synchronous: the call returns when the bytes have left the port.
  if (n > 0 && ::tcdrain(p->fd) != 0 && errno != EINTR) return fail(ERROR_DEVICE_NOT_CONNECTED);
  return true;
}

std::uint32_t PosixSerialSystem::line_error_bits(Port& p) {
  serial_icounter_struct counts{};
  if (::ioctl(p.fd, TIOCGICOUNT, &counts) != 0)
    return 0;  // no line counters (pseudo-terminals, some USB adapters)
  std::array<int, 5> now = {counts.frame, counts.overrun, counts.parity, counts.brk, counts.buf_overrun};
  static const std::uint32_t bits[] = {CE_FRAME, CE_OVERRUN, CE_RXPARITY, CE_BREAK, CE_RXOVER};
  std::uint32_t errors = 0;
  for (std::size_t i = 0; i < now.size(); ++i)
    if (now[i] != p.line_errors[i]) errors |= bits[i];
  p.line_errors = now;
  return errors;
}

bool PosixSerialSystem::ClearCommError(Handle handle, std::uint32_t& errors, COMSTAT& status) {
  errors = 0;
  status = {};
  Port* p = port(handle);
  if (!p) return false;
  int ready = Poll_Until(p->fd, POLLIN, Clock::now());
  if (ready < 0 || (!(ready & POLLIN) && (ready & (POLLHUP | POLLERR | POLLNVAL))))
    return fail(ERROR_DEVICE_NOT_CONNECTED);
  int in = 0, out = 0;
  if (::ioctl(p->fd, FIONREAD, &in) != 0) return fail(ERROR_GEN_FAILURE);
  if (::ioctl(p->fd, TIOCOUTQ, &out) != 0) out = 0;
  status.cbInQue = static_cast<std::uint32_t>(in);
  status.cbOutQue = static_cast<std::uint32_t>(out);
  errors = line_error_bits(*p);
  return true;
}

bool PosixSerialSystem::PurgeComm(Handle handle, std::uint32_t flags) {
  Port* p = port(handle);
  if (!p) return false;
  bool out = flags & (PURGE_TXCLEAR | PURGE_TXABORT);
  bool in = flags & (PURGE_RXCLEAR | PURGE_RXABORT);
  if (!in && !out) return fail(ERROR_INVALID_PARAMETER);
  if (::tcflush(p->fd, in && out ? TCIOFLUSH : (in ? TCIFLUSH : TCOFLUSH)) != 0)
    return fail(ERROR_GEN_FAILURE);
  return true;
}

bool PosixSerialSystem::GetCommProperties(Handle handle, COMMPROP& properties) {
  Port* p = port(handle);
  if (!p) return false;
  struct stat st {};
  if (::fstat(p->fd, &st) != 0 || !S_ISCHR(st.st_mode) || !::isatty(p->fd))
    return fail(ERROR_INVALID_PARAMETER);
  properties = {};
  properties.dwMaxBaud = 0x10000000;  // any rate of the speed table
  properties.dwCurrentTxQueue = p->out_queue;
  properties.dwCurrentRxQueue = p->in_queue;
  properties.dwProvSubType = PST_UNSPECIFIED;
  if (is_pseudo_terminal_slave(st.st_rdev)) {
    properties.dwProvSubType = PST_RS232;
    return true;
  }
  // A serial driver's tty has a device in sysfs; a UART also tells its type,
  // 0 when the driver found no UART there.
  std::error_code error;
  fs::path link = fs::path(roots_.sys) / "dev" / "char" /
                  (std::to_string(major(st.st_rdev)) + ":" + std::to_string(minor(st.st_rdev)));
  fs::path tty = fs::canonical(link, error);
  if (!error && fs::exists(tty / "device", error)) {
    std::string type = "1";
    if (fs::exists(tty / "type", error)) {
      std::ifstream in(tty / "type");
      std::getline(in, type);
    }
    if (type != "0") properties.dwProvSubType = PST_RS232;
  }
  return true;
}

void PosixSerialSystem::Sleep(std::uint32_t milliseconds) {
  std::this_thread::sleep_for(std::chrono::milliseconds(milliseconds));
}

bool PosixSerialSystem::GetVersionEx(OSVERSIONINFO& info) {
  info.dwPlatformId = VER_PLATFORM_WIN32_NT;
  return true;
}

std::int32_t PosixSerialSystem::RegOpenKeyEx(const std::string& sub_key, std::uint32_t access, RegKey& key) {
  if (strcasecmp(sub_key.c_str(), SERIALCOMM_KEY) != 0) return ERROR_FILE_NOT_FOUND;
  if (access & ~(KEY_QUERY_VALUE | KEY_ENUMERATE_SUB_KEYS)) return ERROR_ACCESS_DENIED;
  std::optional<std::vector<SerialDevice>> devices = List_Serial_Devices(roots_);
  if (!devices) return ERROR_FILE_NOT_FOUND;
  std::vector<SerialDevice> listed;
  for (const SerialDevice& d : *devices)
    if (d.in_device_map) listed.push_back(d);
  key = next_key_++;
  open_keys_[key] = std::move(listed);
  return ERROR_SUCCESS;
}

std::int32_t PosixSerialSystem::RegEnumValue(RegKey key, std::uint32_t index, char* name,
                                             std::uint32_t& name_length, std::uint32_t& type,
                                             std::uint8_t* data, std::uint32_t& data_length) {
  auto it = open_keys_.find(key);
  if (it == open_keys_.end()) return ERROR_INVALID_HANDLE;
  if (index >= it->second.size()) return ERROR_NO_MORE_ITEMS;
  const SerialDevice& d = it->second[index];
  constexpr std::int32_t ERROR_MORE_DATA = 234;
  if (d.value_name.size() + 1 > name_length || d.com_name.size() + 1 > data_length) return ERROR_MORE_DATA;
  std::memcpy(name, d.value_name.c_str(), d.value_name.size() + 1);
  name_length = static_cast<std::uint32_t>(d.value_name.size());
  std::memcpy(data, d.com_name.c_str(), d.com_name.size() + 1);
  data_length = static_cast<std::uint32_t>(d.com_name.size() + 1);
  type = REG_SZ;
  return ERROR_SUCCESS;
}

std::int32_t PosixSerialSystem::RegCloseKey(RegKey key) {
  return open_keys_.erase(key) ? ERROR_SUCCESS : ERROR_INVALID_HANDLE;
}

std::uint32_t PosixSerialSystem::QueryDosDevice(char* buffer, std::uint32_t capacity) {
  std::optional<std::vector<SerialDevice>> devices = List_Serial_Devices(roots_);
  if (!devices) {
    last_error_ = ERROR_FILE_NOT_FOUND;
    return 0;
  }
  std::string names;
  for (const SerialDevice& d : *devices)
    if (d.in_dev_names) names.append(d.com_name).push_back('\0');
  names.push_back('\0');
  if (names.size() > capacity) {
    last_error_ = ERROR_INSUFFICIENT_BUFFER;
    return 0;
  }
  std::memcpy(buffer, names.data(), names.size());
  return static_cast<std::uint32_t>(names.size());
}

}  // namespace z5t8::platform::serial
