#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "framework/Stream.h"

namespace z5t8::framework {

// A stream over a block of memory it does not own; reading only (embedded resources,
// views into a larger buffer).
class TCustomMemoryStream : public TStream {
public:
  TCustomMemoryStream() = default;
  TCustomMemoryStream(const void* data, int64_t size) { SetPointer(data, size); }

  int32_t Read(void* buffer, int32_t count) override;
  int32_t Write(const void*, int32_t) override { return 0; }
  int64_t Seek(int64_t offset, TSeekOrigin origin) override;
  int64_t Size() override { return FSize; }

  const uint8_t* Memory() const { return FMemory; }
  // The next count bytes as a stream of their own over the same memory, and the position
  // moved past them; fewer bytes left raise "Stream read error" before anything is read.
  TCustomMemoryStream ReadView(int64_t count);
  void SaveToStream(TStream& stream) const;
  void SaveToFile(const std::string& fileName) const;

protected:
  void SetPointer(const void* data, int64_t size) {
    FMemory = static_cast<const uint8_t*>(data);
    FSize = size;
  }
  int64_t FPosition = 0;

private:
  const uint8_t* FMemory = nullptr;
  int64_t FSize = 0;
};

// A growable stream in memory that owns its bytes.
class TMemoryStream : public TCustomMemoryStream {
public:
  TMemoryStream() = default;
  TMemoryStream(const TMemoryStream&) = delete;
  TMemoryStream& operator=(const TMemoryStream&) = delete;

  int32_t Write(const void* buffer, int32_t count) override;
  void SetSize(int64_t newSize) override;
  void Clear();

  uint8_t* Memory() { return FBytes.data(); }
  const uint8_t* Memory() const { return FBytes.data(); }
  // The whole contents as a vector, for tests and tools.
  const std::vector<uint8_t>& Bytes() const { return FBytes; }

  void LoadFromStream(TStream& stream);
  void LoadFromFile(const std::string& fileName);

private:
  void Sync() { SetPointer(FBytes.data(), int64_t(FBytes.size())); }
  std::vector<uint8_t> FBytes;
};

// The next count bytes of any stream as a stream in memory: a view when the stream is in
// memory already, else a copy in holder, gathered as the bytes arrive so that a count the
// stream cannot back costs no more than the bytes it really holds.
TCustomMemoryStream ReadBlock(TStream& stream, int64_t count, std::string& holder);

}  // namespace z5t8::framework
