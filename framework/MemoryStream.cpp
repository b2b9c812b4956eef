#include "framework/MemoryStream.h"

#include <algorithm>
#include <cstring>

#include "framework/Exceptions.h"
#include "framework/FileStream.h"

namespace z5t8::framework {

int32_t TCustomMemoryStream::Read(void* buffer, int32_t count) {
  if (count <= 0 || FPosition < 0 || FPosition >= FSize) return 0;
  int64_t n = std::min<int64_t>(count, FSize - FPosition);
  std::memcpy(buffer, FMemory + FPosition, size_t(n));
  FPosition += n;
  return int32_t(n);
}

int64_t TCustomMemoryStream::Seek(int64_t offset, TSeekOrigin origin) {
  switch (origin) {
    case TSeekOrigin::soBeginning:
      FPosition = offset;
      break;
    case TSeekOrigin::soCurrent:
      FPosition += offset;
      break;
    case TSeekOrigin::soEnd:
      FPosition = FSize + offset;
      break;
  }
  return FPosition;
}

TCustomMemoryStream TCustomMemoryStream::ReadView(int64_t count) {
  const int64_t left = FPosition >= 0 && FPosition < FSize ? FSize - FPosition : 0;
  if (count < 0 || count > left) throw EReadError(SReadError);
  TCustomMemoryStream view(FMemory + FPosition, count);
  FPosition += count;
  return view;
}

TCustomMemoryStream ReadBlock(TStream& stream, int64_t count, std::string& holder) {
  if (auto* memory = dynamic_cast<TCustomMemoryStream*>(&stream)) return memory->ReadView(count);
  if (count < 0) throw EReadError(SReadError);
  holder.clear();
  while (int64_t(holder.size()) < count) {
    size_t at = holder.size();
    holder.resize(at + size_t(std::min<int64_t>(count - int64_t(at), int64_t(1) << 16)));
    stream.ReadBuffer(holder.data() + at, int64_t(holder.size() - at));
  }
  return TCustomMemoryStream(holder.data(), count);
}

void TCustomMemoryStream::SaveToStream(TStream& stream) const {
  if (FSize > 0) stream.WriteBuffer(FMemory, FSize);
}

void TCustomMemoryStream::SaveToFile(const std::string& fileName) const {
  TFileStream file(fileName, fmCreate);
  SaveToStream(file);
}

int32_t TMemoryStream::Write(const void* buffer, int32_t count) {
  if (count <= 0 || FPosition < 0) return 0;
  int64_t end = FPosition + count;
  if (end > int64_t(FBytes.size())) {
    // Geometric growth keeps many small writes linear.
    if (size_t(end) > FBytes.capacity()) FBytes.reserve(std::max<size_t>(size_t(end), FBytes.capacity() * 2));
    FBytes.resize(size_t(end));
    Sync();
  }
  std::memcpy(FBytes.data() + FPosition, buffer, size_t(count));
  FPosition = end;
  return count;
}

void TMemoryStream::SetSize(int64_t newSize) {
  if (newSize < 0) throw EStreamError("Invalid stream operation");
  FBytes.resize(size_t(newSize));
  Sync();
  if (FPosition > newSize) FPosition = newSize;
}

void TMemoryStream::Clear() {
  FBytes.clear();
  FBytes.shrink_to_fit();
  Sync();
  FPosition = 0;
}

void TMemoryStream::LoadFromStream(TStream& stream) {
  stream.SetPosition(0);
  int64_t size = stream.Size();
  SetSize(size);
  if (size > 0) stream.ReadBuffer(FBytes.data(), size);
  FPosition = 0;
}

void TMemoryStream::LoadFromFile(const std::string& fileName) {
  TFileStream file(fileName, fmOpenRead | fmShareDenyWrite);
  LoadFromStream(file);
}

}  // namespace z5t8::framework
