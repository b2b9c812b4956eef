#include "framework/Stream.h"

#include <algorithm>
#include <vector>

#include "framework/Exceptions.h"
#include "framework/MemoryStream.h"

namespace z5t8::framework {

int64_t TStream::Size() {
  int64_t position = Seek(0, TSeekOrigin::soCurrent);
  int64_t size = Seek(0, TSeekOrigin::soEnd);
  Seek(position, TSeekOrigin::soBeginning);
  return size;
}

void TStream::SetSize(int64_t) { throw EStreamError("Stream size cannot be changed"); }

void TStream::ReadBuffer(void* buffer, int64_t count) {
  auto* p = static_cast<uint8_t*>(buffer);
  while (count > 0) {
    int32_t chunk = int32_t(std::min<int64_t>(count, 0x40000000));
    int32_t got = Read(p, chunk);
    if (got <= 0) throw EReadError(SReadError);
    p += got;
    count -= got;
  }
}

void TStream::WriteBuffer(const void* buffer, int64_t count) {
  auto* p = static_cast<const uint8_t*>(buffer);
  while (count > 0) {
    int32_t chunk = int32_t(std::min<int64_t>(count, 0x40000000));
    int32_t put = Write(p, chunk);
    if (put <= 0) throw EWriteError(SWriteError);
    p += put;
    count -= put;
  }
}

int64_t TStream::CopyFrom(TStream& source, int64_t count) {
  if (count == 0) {
    source.SetPosition(0);
    count = source.Size();
  }
  int64_t result = count;
  std::vector<uint8_t> buffer(size_t(std::min<int64_t>(std::max<int64_t>(count, 1), 0xF000)));
  while (count > 0) {
    int64_t n = std::min<int64_t>(count, int64_t(buffer.size()));
    source.ReadBuffer(buffer.data(), n);
    WriteBuffer(buffer.data(), n);
    count -= n;
  }
  return result;
}

uint8_t TStream::ReadByte() {
  uint8_t b;
  ReadBuffer(&b, 1);
  return b;
}

uint32_t TStream::ReadUInt32() {
  uint8_t b[4];
  ReadBuffer(b, 4);
  return uint32_t(b[0]) | uint32_t(b[1]) << 8 | uint32_t(b[2]) << 16 | uint32_t(b[3]) << 24;
}

int32_t TStream::ReadInt32() { return int32_t(ReadUInt32()); }

void TStream::WriteUInt32(uint32_t value) {
  uint8_t b[4] = {uint8_t(value), uint8_t(value >> 8), uint8_t(value >> 16), uint8_t(value >> 24)};
  WriteBuffer(b, 4);
}

void TStream::WriteInt32(int32_t value) { WriteUInt32(uint32_t(value)); }

int64_t TStream::Remaining() {
  int64_t position = Position();
  return std::max<int64_t>(0, Size() - position);
}

std::string ReadCountedString(TStream& stream) {
  int32_t length = stream.ReadInt32();
  if (length <= 0) return {};
  // A length past the end of a stream in memory fails before anything is allocated; other
  // streams (decompressors cannot tell their size) are bounded by what they deliver.
  std::string holder;
  TCustomMemoryStream text = ReadBlock(stream, length, holder);
  if (!holder.empty()) return holder;
  return std::string(reinterpret_cast<const char*>(text.Memory()), size_t(length));
}

void WriteCountedString(TStream& stream, const std::string& text) {
  stream.WriteInt32(int32_t(text.size()));
  stream.WriteBuffer(text.data(), int64_t(text.size()));
}

}  // namespace z5t8::framework
