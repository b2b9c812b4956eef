#include "skin/se3/DecompressionStream.h"

namespace z5t8::skin::se3 {

TDecompressionStream::TDecompressionStream(framework::TStream& source)
    : TCustomZlibStream(source), FStartPos(FStrmPos) {
  FZRec.next_in = FBuffer;
  FZRec.avail_in = 0;
  if (inflateInit(&FZRec) < 0) throw EDecompressionError(SZlibError);
}

TDecompressionStream::~TDecompressionStream() { inflateEnd(&FZRec); }

int32_t TDecompressionStream::Read(void* buffer, int32_t count) {
  if (count <= 0) return 0;
  FZRec.next_out = static_cast<Bytef*>(buffer);
  FZRec.avail_out = uInt(count);
  RestoreStreamPosition();
  while (FZRec.avail_out > 0) {
    if (FZRec.avail_in == 0) {
      int32_t got = FStrm.Read(FBuffer, BufferSize);
      if (got <= 0) return count - int32_t(FZRec.avail_out);
      FZRec.next_in = FBuffer;
      FZRec.avail_in = uInt(got);
      RecordStreamPosition();
      Progress(this);
    }
    int result = inflate(&FZRec, Z_NO_FLUSH);
    // A preset dictionary is never supplied, so asking for one would repeat forever.
    if (result < 0 || result == Z_NEED_DICT) throw ECompressionError(SZlibError);
    if (result == Z_STREAM_END) return count - int32_t(FZRec.avail_out);
  }
  return count;
}

int32_t TDecompressionStream::Write(const void*, int32_t) {
  throw EDecompressionError(SInvalidStreamOperation);
}

void TDecompressionStream::Skip(int64_t count) {
  uint8_t discard[4096];
  for (; count >= int64_t(sizeof discard); count -= int64_t(sizeof discard))
    ReadBuffer(discard, sizeof discard);
  ReadBuffer(discard, count);
}

void TDecompressionStream::Rewind() {
  if (inflateReset(&FZRec) < 0) throw EDecompressionError(SZlibError);
  FZRec.next_in = FBuffer;
  FZRec.avail_in = 0;
  FStrm.SetPosition(FStartPos);
  RecordStreamPosition();
}

int64_t TDecompressionStream::Seek(int64_t offset, framework::TSeekOrigin origin) {
  const int64_t delivered = int64_t(FZRec.total_out);
  if (origin == framework::TSeekOrigin::soCurrent && offset >= 0) {
    Skip(offset);
  } else if (origin == framework::TSeekOrigin::soBeginning && offset == 0) {
    Rewind();
  } else if (origin == framework::TSeekOrigin::soBeginning && offset > delivered) {
    Skip(offset - delivered);
  } else {
    throw EDecompressionError(SInvalidStreamOperation);
  }
  return int64_t(FZRec.total_out);
}

}  // namespace z5t8::skin::se3
