// The update procedure against a boot ROM whose answers come from bytes of
// our choosing: a port that behaves like a phone on the line, and one run of
// the update from the port search to the final message.
#pragma once

#include "platform/serial/SerialSystem.h"

#include <cstddef>
#include <cstdint>
#include <deque>
#include <string>

namespace z5t8::app::fuzzing {

using namespace platform::serial;

// One full block and a rest, so the transfer waits for an acknowledgement,
// sends a rest and waits for the end.
inline constexpr std::uint32_t Fuzz_Image_Size = 4100;

// The fewest bytes a real phone answers to a successful update: 50
// synchronisations (echo, challenge answer, probe answer), a record of an
// accepted variant (echo, challenge answer, length, 19 characters), the
// erase (echo, challenge answer, end) and the transfer (one block
// acknowledgement, end).
inline constexpr std::uint64_t Least_Answers = 50 * 3 + (3 + 19) + 3 + 2;

// COM5 is the only port; the device map opens a few times and then fails,
// which ends a search that no answer would end. Bytes reach the host's input
// only through Answer(), so a purge discards what has arrived and nothing
// that is still to come.
class OnePortSystem : public SerialSystem {
public:
  explicit OnePortSystem(std::uint32_t search_passes = 3) : search_passes_(search_passes) {}

  std::uint64_t bytes_read = 0;  // answer bytes the host has read
  std::uint32_t writes = 0;      // writes of at least one byte

  Handle CreateFile(const std::string& path) override;
  bool CloseHandle(Handle handle) override;
  std::uint32_t GetLastError() override { return last_error_; }
  bool GetCommState(Handle handle, DCB& dcb) override { return is_open(handle); }
  bool SetCommState(Handle handle, const DCB& dcb) override { return is_open(handle); }
  bool SetupComm(Handle handle, std::uint32_t, std::uint32_t) override { return is_open(handle); }
  bool SetCommTimeouts(Handle handle, const COMMTIMEOUTS&) override { return is_open(handle); }
  bool ReadFile(Handle handle, void* buffer, std::uint32_t n, std::uint32_t& read) override;
  bool WriteFile(Handle handle, const void* buffer, std::uint32_t n, std::uint32_t& written) override;
  bool ClearCommError(Handle handle, std::uint32_t& errors, COMSTAT& status) override;
  bool PurgeComm(Handle handle, std::uint32_t flags) override;
  bool GetCommProperties(Handle handle, COMMPROP& properties) override;
  void Sleep(std::uint32_t) override {}
  bool GetVersionEx(OSVERSIONINFO& info) override;
  std::int32_t RegOpenKeyEx(const std::string& sub_key, std::uint32_t access, RegKey& key) override;
  std::int32_t RegEnumValue(RegKey key, std::uint32_t index, char* name, std::uint32_t& name_length,
                            std::uint32_t& type, std::uint8_t* data, std::uint32_t& data_length) override;
  std::int32_t RegCloseKey(RegKey) override { return ERROR_SUCCESS; }
  std::uint32_t QueryDosDevice(char*, std::uint32_t) override { return 0; }

protected:
  // The phone's answer to bytes the host wrote: append it to arrived_.
  virtual void Answer(const std::uint8_t* data, std::size_t n) = 0;
  std::deque<std::uint8_t> arrived_;

private:
  bool is_open(Handle handle) const { return open_ && handle == Port_Handle; }

  static constexpr Handle Port_Handle = 5;
  bool open_ = false;
  std::uint32_t search_passes_, map_openings_ = 0;
  std::uint32_t last_error_ = ERROR_SUCCESS;
};

// Answers read from a byte string, one chunk after each write of the host
// (a write of nothing sends the phone nothing and gets no answer). A chunk is
// a length byte and that many bytes; the length 255 means that another chunk
// follows for the same write. Past the end of the string the phone is silent.
class AnswerPort : public OnePortSystem {
public:
  AnswerPort(const std::uint8_t* data, std::size_t size) : data_(data), size_(size) {}

protected:
  void Answer(const std::uint8_t* data, std::size_t n) override;

private:
  const std::uint8_t* data_;
  std::size_t size_, at_ = 0;
};

struct Update_Outcome {
  std::string message;         // the last message box, empty when none
  bool process_ended = false;  // the phone was refused
  bool found = false;          // a boot ROM answered the port search
};

// The update after the image is loaded, as the Download button runs it: the
// port search, the version check and the download, with an image of
// Fuzz_Image_Size zero bytes and a window that shows nothing.
Update_Outcome Run_Update(SerialSystem& system);

}  // namespace z5t8::app::fuzzing
