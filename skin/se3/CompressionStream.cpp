#include "skin/se3/CompressionStream.h"

namespace z5t8::skin::se3 {

TCompressionStream::TCompressionStream(TCompressionLevel compressionLevel, framework::TStream& dest)
    : TCustomZlibStream(dest) {
  FZRec.next_out = FBuffer;
  FZRec.avail_out = BufferSize;
  if (deflateInit(&FZRec, ZlibLevel(compressionLevel)) < 0) throw ECompressionError(SZlibError);
}

TCompressionStream::~TCompressionStream() {
  try {
    Finish();
  } catch (...) {
    // The destination refused the tail; deflate is still ended below.
  }
  deflateEnd(&FZRec);
}

int32_t TCompressionStream::Read(void*, int32_t) { throw ECompressionError(SInvalidStreamOperation); }

void TCompressionStream::FlushBuffer() {
  FStrm.WriteBuffer(FBuffer, BufferSize);
  FZRec.next_out = FBuffer;
  FZRec.avail_out = BufferSize;
  RecordStreamPosition();
}

int32_t TCompressionStream::Write(const void* buffer, int32_t count) {
  if (FFinished) throw ECompressionError(SInvalidStreamOperation);
  if (count <= 0) return 0;
  FZRec.next_in = static_cast<Bytef*>(const_cast<void*>(buffer));
  FZRec.avail_in = uInt(count);
  RestoreStreamPosition();
  while (FZRec.avail_in > 0) {
    if (deflate(&FZRec, Z_NO_FLUSH) < 0) throw ECompressionError(SZlibError);
    if (FZRec.avail_out == 0) {
      FlushBuffer();
      Progress(this);
    }
  }
  return count;
}

void TCompressionStream::Finish() {
  if (FFinished) return;
  FFinished = true;
  FZRec.next_in = nullptr;
  FZRec.avail_in = 0;
  RestoreStreamPosition();
  for (;;) {
    int result = deflate(&FZRec, Z_FINISH);
    if (result < 0) throw ECompressionError(SZlibError);
    if (result == Z_STREAM_END || FZRec.avail_out != 0) break;
    FlushBuffer();
  }
  if (FZRec.avail_out < uInt(BufferSize)) FStrm.WriteBuffer(FBuffer, BufferSize - FZRec.avail_out);
  FZRec.next_out = FBuffer;
  FZRec.avail_out = BufferSize;
  RecordStreamPosition();
}

int64_t TCompressionStream::Seek(int64_t offset, framework::TSeekOrigin origin) {
  if (offset == 0 && origin == framework::TSeekOrigin::soCurrent) return int64_t(FZRec.total_in);
  throw ECompressionError(SInvalidStreamOperation);
}

double TCompressionStream::CompressionRate() const {
  if (FZRec.total_in == 0) return 0;
  return (1.0 - double(FZRec.total_out) / double(FZRec.total_in)) * 100.0;
}

}  // namespace z5t8::skin::se3
