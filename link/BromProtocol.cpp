// The boot ROM's command protocol, as further operations of CComport.
#include "link/CComport.h"

#include "link/EnumComPorts.h"
#include "link/WindowHooks.h"

#include <algorithm>
#include <array>

namespace z5t8::link {

bool CComport::Brom_Ack(std::uint8_t command) {
  std::uint8_t reply = 0;
  if (!Read_Byte(reply, Brom_Ack_Timeout) || reply != command) return false;
  if (!Write_Byte(Brom_Challenge)) return false;
  if (!Read_Byte(reply, Brom_Ack_Timeout) || reply != Brom_Challenge_Answer) return false;
  return Write_Byte(Brom_Confirm);
}

bool CComport::Wait_Byte(std::uint8_t expected, std::uint32_t timeout) {
  for (;;) {
    std::uint8_t reply = 0;
    if (!Read_Byte(reply, timeout)) return false;
    if (reply == expected) return true;
    if (reply != Brom_Filler) return false;
  }
}

bool CComport::Brom_Sync() {
  for (std::uint32_t i = 0; i < Brom_Sync_Count; ++i) {
    std::uint8_t answer = 0;
    if (!Write_Byte(Brom_Sync_Command) || !Brom_Ack(Brom_Sync_Command) || !Write_Byte(Brom_Sync_Probe) ||
        !Read_Byte(answer, Brom_Probe_Timeout) || answer != Brom_Probe_Answer)
      return false;
  }
  return true;
}

bool CComport::Find_Brom_Port(std::uint16_t& port) {
  Init_Progress(100);
  std::array<std::uint16_t, Com_Port_Capacity> ports{};
  for (;;) {
    Delay(Brom_Search_Pause);
    Step_Progress(1);
    // Once a pass: ports that fail to open make no pumping serial call, and
    // the window must stay alive until a phone is plugged in.
    Process_Messages();
    std::uint16_t count = Com_Port_Capacity;
    std::uint8_t result = Enum_Com_Ports(Enum_Source_Registry, ports.data(), &count, system_);
    if (result == Enum_No_Port) continue;
    if (result != Enum_Ports_Listed) {
      Show_Message(" Enumerate COM port fail! ");
      return false;
    }
    for (std::uint16_t i = 0; i < count; ++i) {
      if (!Open_Port("\\\\.\\COM" + std::to_string(ports[i]))) continue;
      if (Brom_Sync()) {
        port = ports[i];
        return true;
      }
      Close_Port();
    }
  }
}

bool CComport::Write_Size(std::uint32_t size) {
  const std::uint8_t bytes[4] = {static_cast<std::uint8_t>(size), static_cast<std::uint8_t>(size >> 8),
                                 static_cast<std::uint8_t>(size >> 16),
                                 static_cast<std::uint8_t>(size >> 24)};
  return Write_Data(bytes, 4);
}

bool CComport::Brom_Erase(std::uint32_t size) {
  Init_Progress(100);
  if (!Write_Byte(Brom_Erase_Command) || !Brom_Ack(Brom_Erase_Command) || !Write_Size(size)) return false;
  std::uint8_t last = 0;
  for (;;) {
    std::uint8_t reply = 0;
    if (!Read_Byte(reply, Brom_Erase_Timeout)) return false;
    if (reply <= 100) {
      // A percentage; no filler is skipped here, so 0x55 reads as 85.
      if (reply > last) {
        Step_Progress(reply - last);
        last = reply;
      }
    } else if (reply == Brom_Done) {
      return Get_InQueue_Count() == 0 || Purge_Port();
    } else {
      return false;
    }
  }
}

bool CComport::Brom_Download(std::uint32_t size, const std::uint8_t* data, std::uint32_t block,
                             std::uint8_t checksum) {
  if (block == 0) return false;
  Init_Progress(size);
  if (!Write_Size(size)) return false;
  Delay(Brom_Size_Pause);
  const std::uint32_t rest = size % block;
  const std::uint32_t full = (size - rest) / block;
  for (std::uint32_t i = 0; i < full; ++i) {
    if (!Write_Data(data + std::size_t(i) * block, block) ||
        !Wait_Byte(Brom_Block_Ack, Brom_Block_Ack_Timeout))
      return false;
    Step_Progress(block);
  }
  if (!Write_Data(data + std::size_t(full) * block, rest)) return false;
  Step_Progress(rest);
  if (checksum == 1) {
    std::uint8_t sums[2] = {0, 0};
    for (std::uint32_t i = 0; i < size; ++i) sums[i & 1] ^= data[i];
    if (!Write_Data(sums, 2)) return false;
  }
  return Wait_Byte(Brom_Done, Brom_Download_Done_Timeout);
}

bool CComport::Brom_Read_Byte(std::uint8_t& value) {
  return Write_Byte(Brom_Read_Command) && Brom_Ack(Brom_Read_Command) && Read_Byte(value, Brom_Read_Timeout);
}

bool CComport::Brom_Read_String(char* dest, std::uint32_t capacity) {
  std::uint8_t length = 0;
  if (!Write_Byte(Brom_Read_Command) || !Brom_Ack(Brom_Read_Command) || !Read_Byte(length, Brom_Read_Timeout))
    return false;
  if (length == 0) return true;
  // The whole record is read off the line, so nothing of it is left for the
  // next exchange; only what fits is kept.
  std::array<char, 255> record{};
  if (!Read_Data(record.data(), length, Brom_Read_Timeout)) return false;
  std::copy_n(record.begin(), std::min<std::uint32_t>(length, capacity), dest);
  return true;
}

bool CComport::Brom_Write_Byte(std::uint8_t value) {
  if (!Write_Byte(Brom_Write_Command) || !Brom_Ack(Brom_Write_Command)) return false;
  Delay(Brom_Write_Pause);
  return Write_Byte(value);
}

bool CComport::Brom_Write_String(std::string& text) {
  if (!Write_Byte(Brom_Write_Command) || !Brom_Ack(Brom_Write_Command)) return false;
  text += ',';
  const auto length = static_cast<std::uint32_t>(text.size());
  if (!Write_Byte(static_cast<std::uint8_t>(length))) return false;
  Delay(Brom_Write_Pause);
  return Write_Data(text.data(), length);
}

bool CComport::Brom_Finish() { return Write_Byte(Brom_Finish_Command); }

}  // namespace z5t8::link
