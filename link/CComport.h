// The serial channel to the phone's boot ROM: one COM port at a time, raw at
// 115200 baud 8N1, reads with a total time-out per call, an optional progress
// bar, and the boot ROM's one-byte command protocol on top.
#pragma once

#include "link/ProgressBar.h"
#include "platform/serial/SerialSystem.h"

#include <cstdint>
#include <string>

namespace z5t8::link {

using platform::serial::Handle;
using platform::serial::SerialSystem;

// Bytes on the wire.
inline constexpr std::uint8_t Brom_Sync_Command = 0x58;
inline constexpr std::uint8_t Brom_Sync_Probe = 0x55;
inline constexpr std::uint8_t Brom_Filler = 0x55;
inline constexpr std::uint8_t Brom_Probe_Answer = 0xAA;
inline constexpr std::uint8_t Brom_Block_Ack = 0xAA;
inline constexpr std::uint8_t Brom_Challenge = 0xA3;
inline constexpr std::uint8_t Brom_Challenge_Answer = 0x5C;
inline constexpr std::uint8_t Brom_Confirm = 0xA5;
inline constexpr std::uint8_t Brom_Done = 0xA5;
inline constexpr std::uint8_t Brom_Erase_Command = 0x56;
inline constexpr std::uint8_t Brom_Read_Command = 0x52;
inline constexpr std::uint8_t Brom_Write_Command = 0x54;
inline constexpr std::uint8_t Brom_Finish_Command = 0x60;

inline constexpr std::uint32_t Brom_Sync_Count = 50;
inline constexpr std::uint32_t Brom_Block_Size = 4000;
inline constexpr std::uint16_t Com_Port_Capacity = 255;

// Time-outs (the total of one read) and pauses, in milliseconds.
inline constexpr std::uint32_t Brom_Ack_Timeout = 3000;
inline constexpr std::uint32_t Brom_Probe_Timeout = 100;
inline constexpr std::uint32_t Brom_Erase_Timeout = 3000;
inline constexpr std::uint32_t Brom_Block_Ack_Timeout = 2000;
inline constexpr std::uint32_t Brom_Download_Done_Timeout = 4000;
inline constexpr std::uint32_t Brom_Read_Timeout = 1000;
inline constexpr std::uint32_t Brom_Size_Pause = 20;
inline constexpr std::uint32_t Brom_Write_Pause = 20;
inline constexpr std::uint32_t Brom_Search_Pause = 100;
inline constexpr std::uint32_t Baudrate_Settle_Pause = 100;
// The longest a read waits before the window's messages run again.
inline constexpr std::uint32_t Read_Wait_Slice = 25;

class CComport {
public:
  explicit CComport(SerialSystem& system = platform::serial::Default_Serial_System());
  // Closes nothing: the owner closes the port before it ends.
  ~CComport() = default;
  CComport(const CComport&) = delete;
  CComport& operator=(const CComport&) = delete;

  // The port ("\\.\COM<n>"): closes the previous one, opens exclusively and
  // sets it up. A failure after the open leaves the port open.
  bool Open_Port(const std::string& path);
  void Close_Port();
  bool Set_Baudrate(std::uint32_t rate);
  // True only when exactly n bytes arrived within timeout ms for the whole
  // call (0: keep the port's time-outs).
  bool Read_Data(void* buffer, std::uint32_t n, std::uint32_t timeout);
  bool Write_Data(const void* buffer, std::uint32_t n);
  std::uint32_t Get_InQueue_Count();
  bool Purge_Port();
  void Delay(std::uint32_t milliseconds);

  bool Set_ProgressBar(ProgressBar* bar);
  bool Init_Progress(std::uint32_t max);
  bool Step_Progress(std::uint32_t increment);

  // The boot-ROM protocol.
  bool Brom_Ack(std::uint8_t command);
  bool Wait_Byte(std::uint8_t expected, std::uint32_t timeout);
  bool Brom_Sync();
  // Searches every listed port, pass after pass, until a boot ROM answers
  // (true, port open) or the port list cannot be had (false, after a message).
  bool Find_Brom_Port(std::uint16_t& port);
  bool Brom_Erase(std::uint32_t size);
  bool Brom_Download(std::uint32_t size, const std::uint8_t* data, std::uint32_t block,
                     std::uint8_t checksum);
  bool Brom_Read_Byte(std::uint8_t& value);
  // Reads a record into dest; bytes past capacity are read from the line and
  // dropped, and dest keeps what lies beyond the record.
  bool Brom_Read_String(char* dest, std::uint32_t capacity);
  bool Brom_Write_Byte(std::uint8_t value);
  // Appends a comma to text, then sends it as a record.
  bool Brom_Write_String(std::string& text);
  bool Brom_Finish();

  Handle handle = platform::serial::INVALID_HANDLE_VALUE;
  ProgressBar* progress_bar = nullptr;

private:
  bool Write_Byte(std::uint8_t value) { return Write_Data(&value, 1); }
  bool Read_Byte(std::uint8_t& value, std::uint32_t timeout) { return Read_Data(&value, 1, timeout); }
  bool Write_Size(std::uint32_t size);

  SerialSystem& system_;
  std::uint32_t read_timeout_ = 0;  // the whole wait the port is set up for; 0: the driver's own
  std::uint32_t port_slice_ = 0;    // the wait of one read call the port holds now
};

}  // namespace z5t8::link
