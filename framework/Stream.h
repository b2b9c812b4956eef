#pragma once

#include <cstdint>
#include <string>

namespace z5t8::framework {

enum class TSeekOrigin { soBeginning, soCurrent, soEnd };

// The abstract byte stream every stored format is read and written through.
// Derived classes supply Read, Write and Seek; the rest is built on them.
class TStream {
public:
  virtual ~TStream() = default;

  // Transfer up to count bytes and return how many were transferred (0 at the end).
  virtual int32_t Read(void* buffer, int32_t count) = 0;
  virtual int32_t Write(const void* buffer, int32_t count) = 0;
  // Returns the new position.
  virtual int64_t Seek(int64_t offset, TSeekOrigin origin) = 0;

  int64_t Position() { return Seek(0, TSeekOrigin::soCurrent); }
  void SetPosition(int64_t position) { Seek(position, TSeekOrigin::soBeginning); }
  virtual int64_t Size();
  // Streams that cannot change their size raise EStreamError.
  virtual void SetSize(int64_t newSize);

  // Exactly count bytes or EReadError "Stream read error" / EWriteError "Stream write error".
  void ReadBuffer(void* buffer, int64_t count);
  void WriteBuffer(const void* buffer, int64_t count);
  // Copies count bytes from source's position; count 0 copies the whole source from its start.
  int64_t CopyFrom(TStream& source, int64_t count);

  // Little-endian helpers for the stored formats.
  uint8_t ReadByte();
  int32_t ReadInt32();
  uint32_t ReadUInt32();
  void WriteByte(uint8_t value) { WriteBuffer(&value, 1); }
  void WriteInt32(int32_t value);
  void WriteUInt32(uint32_t value);
  // Bytes left between the position and the end; never negative.
  int64_t Remaining();
};

// Counted string: a signed 32-bit little-endian length, then that many 8-bit characters.
// A negative length reads as an empty string; a stream that ends early raises "Stream read error".
std::string ReadCountedString(TStream& stream);
void WriteCountedString(TStream& stream, const std::string& text);

}  // namespace z5t8::framework
