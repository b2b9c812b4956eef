// The serial, device-listing and timing calls the boot-ROM link is written
// against, in the shape of the Win32 functions the link's behaviour is defined
// by. The link calls only this interface, so its logic can be exercised with
// every port operation scripted; PosixSerialSystem answers it on Linux.
#pragma once

#include <cstdint>
#include <string>

namespace z5t8::platform::serial {

using Handle = std::int32_t;
inline constexpr Handle INVALID_HANDLE_VALUE = -1;

// Last-error values the link distinguishes, with Win32's numbers.
enum : std::uint32_t {
  ERROR_SUCCESS = 0,
  ERROR_FILE_NOT_FOUND = 2,
  ERROR_TOO_MANY_OPEN_FILES = 4,
  ERROR_ACCESS_DENIED = 5,
  ERROR_INVALID_HANDLE = 6,
  ERROR_GEN_FAILURE = 31,
  ERROR_INVALID_PARAMETER = 87,
  ERROR_INSUFFICIENT_BUFFER = 122,
  ERROR_NO_MORE_ITEMS = 259,
  ERROR_DEVICE_NOT_CONNECTED = 1167,
};

// Port settings, member for member as the link sets them.
struct DCB {
  std::uint32_t BaudRate = 0;
  std::uint32_t fBinary = 0;
  std::uint32_t fParity = 0;
  std::uint32_t fOutxCtsFlow = 0;
  std::uint32_t fOutxDsrFlow = 0;
  std::uint32_t fDtrControl = 0;
  std::uint32_t fDsrSensitivity = 0;
  std::uint32_t fTXContinueOnXoff = 0;
  std::uint32_t fOutX = 0;
  std::uint32_t fInX = 0;
  std::uint32_t fErrorChar = 0;
  std::uint32_t fNull = 0;
  std::uint32_t fRtsControl = 0;
  std::uint32_t fAbortOnError = 0;
  std::uint16_t XonLim = 0;
  std::uint16_t XoffLim = 0;
  std::uint8_t ByteSize = 0;
  std::uint8_t Parity = 0;
  std::uint8_t StopBits = 0;
  char XonChar = 0;
  char XoffChar = 0;
  char ErrorChar = 0;
  char EofChar = 0;
  char EvtChar = 0;
};

inline constexpr std::uint32_t DTR_CONTROL_DISABLE = 0;
inline constexpr std::uint32_t DTR_CONTROL_ENABLE = 1;
inline constexpr std::uint32_t RTS_CONTROL_DISABLE = 0;
inline constexpr std::uint32_t RTS_CONTROL_ENABLE = 1;
inline constexpr std::uint32_t RTS_CONTROL_HANDSHAKE = 2;
inline constexpr std::uint8_t NOPARITY = 0;
inline constexpr std::uint8_t ODDPARITY = 1;
inline constexpr std::uint8_t EVENPARITY = 2;
inline constexpr std::uint8_t MARKPARITY = 3;
inline constexpr std::uint8_t SPACEPARITY = 4;
inline constexpr std::uint8_t ONESTOPBIT = 0;
inline constexpr std::uint8_t ONE5STOPBITS = 1;
inline constexpr std::uint8_t TWOSTOPBITS = 2;

// Read and write time-outs in milliseconds; all zero means no time-out.
struct COMMTIMEOUTS {
  std::uint32_t ReadIntervalTimeout = 0;
  std::uint32_t ReadTotalTimeoutMultiplier = 0;
  std::uint32_t ReadTotalTimeoutConstant = 0;
  std::uint32_t WriteTotalTimeoutMultiplier = 0;
  std::uint32_t WriteTotalTimeoutConstant = 0;
};
inline constexpr std::uint32_t MAXDWORD = 0xFFFFFFFFu;

struct COMSTAT {
  std::uint32_t cbInQue = 0;
  std::uint32_t cbOutQue = 0;
};

// Error bits reported by ClearCommError.
inline constexpr std::uint32_t CE_RXOVER = 0x0001;
inline constexpr std::uint32_t CE_OVERRUN = 0x0002;
inline constexpr std::uint32_t CE_RXPARITY = 0x0004;
inline constexpr std::uint32_t CE_FRAME = 0x0008;
inline constexpr std::uint32_t CE_BREAK = 0x0010;

inline constexpr std::uint32_t PURGE_TXABORT = 0x0001;
inline constexpr std::uint32_t PURGE_RXABORT = 0x0002;
inline constexpr std::uint32_t PURGE_TXCLEAR = 0x0004;
inline constexpr std::uint32_t PURGE_RXCLEAR = 0x0008;

struct COMMPROP {
  std::uint32_t dwMaxTxQueue = 0;
  std::uint32_t dwMaxRxQueue = 0;
  std::uint32_t dwMaxBaud = 0;
  std::uint32_t dwProvSubType = 0;
  std::uint32_t dwCurrentTxQueue = 0;
  std::uint32_t dwCurrentRxQueue = 0;
};

// Provider subtypes.
inline constexpr std::uint32_t PST_UNSPECIFIED = 0;
inline constexpr std::uint32_t PST_RS232 = 1;
inline constexpr std::uint32_t PST_MODEM = 6;

struct OSVERSIONINFO {
  std::uint32_t dwPlatformId = 0;
};
inline constexpr std::uint32_t VER_PLATFORM_WIN32_WINDOWS = 1;
inline constexpr std::uint32_t VER_PLATFORM_WIN32_NT = 2;

// The one registry key the link reads.
using RegKey = std::int32_t;
inline constexpr char SERIALCOMM_KEY[] = "HARDWARE\\DEVICEMAP\\SERIALCOMM";
inline constexpr std::uint32_t KEY_QUERY_VALUE = 0x0001;
inline constexpr std::uint32_t KEY_ENUMERATE_SUB_KEYS = 0x0008;
inline constexpr std::uint32_t REG_SZ = 1;

class SerialSystem {
public:
  virtual ~SerialSystem() = default;

  // Opens a port for reading and writing, exclusively and synchronously.
  // "\\.\COM<n>" names the port numbered n; any other text is a device path.
  virtual Handle CreateFile(const std::string& path) = 0;
  virtual bool CloseHandle(Handle handle) = 0;
  // The reason of the last failed call of this interface.
  virtual std::uint32_t GetLastError() = 0;

  virtual bool GetCommState(Handle handle, DCB& dcb) = 0;
  virtual bool SetCommState(Handle handle, const DCB& dcb) = 0;
  virtual bool SetupComm(Handle handle, std::uint32_t in_queue, std::uint32_t out_queue) = 0;
  virtual bool SetCommTimeouts(Handle handle, const COMMTIMEOUTS& timeouts) = 0;
  virtual bool ReadFile(Handle handle, void* buffer, std::uint32_t n, std::uint32_t& read) = 0;
  virtual bool WriteFile(Handle handle, const void* buffer, std::uint32_t n, std::uint32_t& written) = 0;
  virtual bool ClearCommError(Handle handle, std::uint32_t& errors, COMSTAT& status) = 0;
  virtual bool PurgeComm(Handle handle, std::uint32_t flags) = 0;
  virtual bool GetCommProperties(Handle handle, COMMPROP& properties) = 0;

  virtual void Sleep(std::uint32_t milliseconds) = 0;
  virtual bool GetVersionEx(OSVERSIONINFO& info) = 0;

  // The serial device map: values named by device, data "COM<n>".
  // Results are Win32 error codes (ERROR_SUCCESS when it worked).
  virtual std::int32_t RegOpenKeyEx(const std::string& sub_key, std::uint32_t access, RegKey& key) = 0;
  virtual std::int32_t RegEnumValue(RegKey key, std::uint32_t index, char* name, std::uint32_t& name_length,
                                    std::uint32_t& type, std::uint8_t* data, std::uint32_t& data_length) = 0;
  virtual std::int32_t RegCloseKey(RegKey key) = 0;

  // All device names as consecutive NUL-terminated texts ended by an empty
  // one; the number of characters stored, or 0 on failure.
  virtual std::uint32_t QueryDosDevice(char* buffer, std::uint32_t capacity) = 0;
};

// The process-wide system of this platform.
SerialSystem& Default_Serial_System();

}  // namespace z5t8::platform::serial
