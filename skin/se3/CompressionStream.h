#pragma once

#include "skin/se3/ZlibStream.h"

namespace z5t8::skin::se3 {

// Write-only: deflates what is written into the destination stream. The zlib stream is
// completed by Finish, or at the latest by the destructor.
class TCompressionStream : public TCustomZlibStream {
public:
  TCompressionStream(TCompressionLevel compressionLevel, framework::TStream& dest);
  // Completes the stream if Finish was not called; errors cannot leave a destructor and
  // are dropped here, so writers that must know call Finish first.
  ~TCompressionStream() override;

  // ECompressionError "Invalid stream operation".
  int32_t Read(void* buffer, int32_t count) override;
  int32_t Write(const void* buffer, int32_t count) override;
  // Only Seek(0, soCurrent), which answers the number of bytes taken so far.
  int64_t Seek(int64_t offset, framework::TSeekOrigin origin) override;

  // Flushes the rest of the zlib stream to the destination; later writes are refused.
  void Finish();
  // Percentage saved: 0 before any input, else (1 - out / in) * 100.
  double CompressionRate() const;

private:
  void FlushBuffer();

  bool FFinished = false;
};

}  // namespace z5t8::skin::se3
