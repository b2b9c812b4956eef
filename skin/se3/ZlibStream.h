#pragma once

#include <zlib.h>

#include <cstdint>

#include "framework/Event.h"
#include "framework/Exceptions.h"
#include "framework/Stream.h"

namespace z5t8::skin::se3 {

class EZlibError : public framework::Exception {
public:
  using Exception::Exception;
};
class ECompressionError : public EZlibError {
public:
  using EZlibError::EZlibError;
};
class EDecompressionError : public EZlibError {
public:
  using EZlibError::EZlibError;
};

inline constexpr const char* SInvalidStreamOperation = "Invalid stream operation";
inline constexpr const char* SZlibError = "error";

enum TCompressionLevel : uint8_t { clNone, clFastest, clDefault, clMax };

// zlib's level for each TCompressionLevel: 0, 1, its default, 9.
int ZlibLevel(TCompressionLevel level);

class TCustomZlibStream;
using TZlibProgressEvent = framework::TEvent<TCustomZlibStream*>;

// A stream that moves zlib data to or from another stream (not owned) through a
// buffer held inside the object.
class TCustomZlibStream : public framework::TStream {
public:
  static constexpr int32_t BufferSize = 8192;

  TCustomZlibStream(const TCustomZlibStream&) = delete;
  TCustomZlibStream& operator=(const TCustomZlibStream&) = delete;

  TZlibProgressEvent OnProgress;

protected:
  explicit TCustomZlibStream(framework::TStream& strm);

  virtual void Progress(TCustomZlibStream* sender);
  // Someone else may have moved the underlying stream between our transfers.
  void RestoreStreamPosition();
  void RecordStreamPosition();

  framework::TStream& FStrm;
  int64_t FStrmPos;
  z_stream FZRec{};
  uint8_t FBuffer[BufferSize];
};

}  // namespace z5t8::skin::se3
