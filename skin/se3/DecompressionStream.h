#pragma once

#include "skin/se3/ZlibStream.h"

namespace z5t8::skin::se3 {

// Read-only: inflates one zlib stream from the source stream. Reading stops at the end
// of the zlib stream or of the source, whichever comes first, and then delivers short.
class TDecompressionStream : public TCustomZlibStream {
public:
  explicit TDecompressionStream(framework::TStream& source);
  ~TDecompressionStream() override;

  int32_t Read(void* buffer, int32_t count) override;
  // EDecompressionError "Invalid stream operation".
  int32_t Write(const void* buffer, int32_t count) override;
  // Seek(0, soCurrent) answers the bytes delivered so far; forward moves read and
  // discard; Seek(0, soBeginning) starts the zlib stream again from where it began.
  int64_t Seek(int64_t offset, framework::TSeekOrigin origin) override;

private:
  void Skip(int64_t count);
  void Rewind();

  int64_t FStartPos;
};

}  // namespace z5t8::skin::se3
