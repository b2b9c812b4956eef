#include "link/CComport.h"

#include "link/WindowHooks.h"

#include <algorithm>
#include <cstdint>

namespace z5t8::link {

using namespace platform::serial;

CComport::CComport(SerialSystem& system) : system_(system) {}

bool CComport::Open_Port(const std::string& path) {
  Close_Port();
  handle = system_.CreateFile(path);
  if (handle == INVALID_HANDLE_VALUE) return false;
  if (!Set_Baudrate(115200)) return false;
  if (!system_.SetupComm(handle, 1024, 1024)) return false;
  if (Get_InQueue_Count() != 0 && !Purge_Port()) return false;
  return true;
}

void CComport::Close_Port() {
  if (handle != INVALID_HANDLE_VALUE) {
    system_.CloseHandle(handle);
    handle = INVALID_HANDLE_VALUE;
  }
  // The next port starts with its driver's time-outs.
  read_timeout_ = 0;
  port_slice_ = 0;
}

bool CComport::Set_Baudrate(std::uint32_t rate) {
  DCB dcb;
  if (!system_.GetCommState(handle, dcb)) return false;
  // Raw 8N1 without any flow control, DTR and RTS dropped; every other
  // member stays as the driver reported it.
  dcb.BaudRate = rate;
  dcb.fBinary = 1;
  dcb.fParity = 0;
  dcb.fOutxCtsFlow = 0;
  dcb.fOutxDsrFlow = 0;
  dcb.fDtrControl = DTR_CONTROL_DISABLE;
  dcb.fDsrSensitivity = 0;
  dcb.fTXContinueOnXoff = 0;
  dcb.fOutX = 0;
  dcb.fInX = 0;
  dcb.fErrorChar = 0;
  dcb.fNull = 0;
  dcb.fRtsControl = RTS_CONTROL_DISABLE;
  dcb.fAbortOnError = 0;
  dcb.ByteSize = 8;
  dcb.Parity = NOPARITY;
  dcb.StopBits = ONESTOPBIT;
  if (!system_.SetCommState(handle, dcb)) return false;
  Delay(Baudrate_Settle_Pause);
  return true;
}

bool CComport::Read_Data(void* buffer, std::uint32_t n, std::uint32_t timeout) {
  // Without a time-out of its own the read waits as the last timed read set
  // the port up; before any, as the driver came.
  const bool keep = timeout == 0;
  if (keep) timeout = read_timeout_;
  if (timeout == 0) {
    Process_Messages();
    std::uint32_t read = 0;
    return system_.ReadFile(handle, buffer, n, read) && read == n;
  }
  // The wait runs in slices with the window's messages between them, so a
  // long acknowledgement never freezes the window. A slice that comes back
  // short has used all its time, so the slices add up to the whole time-out.
  auto* out = static_cast<std::uint8_t*>(buffer);
  std::uint32_t read = 0;
  std::uint32_t left = timeout;
  bool first = !keep;
  for (;;) {
    const std::uint32_t slice = std::min(left, Read_Wait_Slice);
    if (first || slice != port_slice_) {
      COMMTIMEOUTS timeouts;
      timeouts.ReadTotalTimeoutConstant = slice;
      if (!system_.SetCommTimeouts(handle, timeouts)) return false;
      port_slice_ = slice;
      read_timeout_ = timeout;
      first = false;
    }
    Process_Messages();
    std::uint32_t got = 0;
    if (!system_.ReadFile(handle, out + read, n - read, got)) return false;
    read += std::min(got, n - read);
    if (read == n) return true;
    left -= slice;
    if (left == 0) return false;
  }
}

bool CComport::Write_Data(const void* buffer, std::uint32_t n) {
  Process_Messages();
  std::uint32_t written = 0;
  return system_.WriteFile(handle, buffer, n, written) && written == n;
}

std::uint32_t CComport::Get_InQueue_Count() {
  Process_Messages();
  std::uint32_t errors = 0;
  COMSTAT status;
  if (!system_.ClearCommError(handle, errors, status) || errors != 0) return 0;
  return status.cbInQue;
}

bool CComport::Purge_Port() { return system_.PurgeComm(handle, PURGE_TXCLEAR | PURGE_RXCLEAR); }

void CComport::Delay(std::uint32_t milliseconds) { system_.Sleep(milliseconds); }

bool CComport::Set_ProgressBar(ProgressBar* bar) {
  if (progress_bar) return false;
  progress_bar = bar;
  return true;
}

bool CComport::Init_Progress(std::uint32_t max) {
  if (!progress_bar) return true;
  progress_bar->Set_Min(0);
  progress_bar->Set_Max(static_cast<std::int32_t>(max));
  progress_bar->Set_Step(progress_bar->Max() / 20);
  progress_bar->Set_Position(0);
  return true;
}

bool CComport::Step_Progress(std::uint32_t increment) {
  if (!progress_bar) return true;
  std::int64_t position = std::int64_t(progress_bar->Position()) + increment;
  progress_bar->Set_Position(static_cast<std::int32_t>(std::min<std::int64_t>(position, INT32_MAX)));
  if (progress_bar->Position() >= progress_bar->Max()) {
    progress_bar->Set_Position(0);
    return false;
  }
  return true;
}

}  // namespace z5t8::link
