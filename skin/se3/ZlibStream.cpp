#include "skin/se3/ZlibStream.h"

#include <cstdlib>

namespace z5t8::skin::se3 {

namespace {
voidpf HeapAlloc(voidpf, uInt items, uInt size) { return std::calloc(items, size); }
void HeapFree(voidpf, voidpf address) { std::free(address); }
}  // namespace

int ZlibLevel(TCompressionLevel level) {
  switch (level) {
    case clNone:
      return Z_NO_COMPRESSION;
    case clFastest:
      return Z_BEST_SPEED;
    case clDefault:
      return Z_DEFAULT_COMPRESSION;
    case clMax:
      return Z_BEST_COMPRESSION;
  }
  return Z_DEFAULT_COMPRESSION;
}

TCustomZlibStream::TCustomZlibStream(framework::TStream& strm) : FStrm(strm), FStrmPos(strm.Position()) {
  FZRec.zalloc = HeapAlloc;
  FZRec.zfree = HeapFree;
}

void TCustomZlibStream::Progress(TCustomZlibStream* sender) { OnProgress(sender); }

void TCustomZlibStream::RestoreStreamPosition() {
  if (FStrm.Position() != FStrmPos) FStrm.SetPosition(FStrmPos);
}

void TCustomZlibStream::RecordStreamPosition() { FStrmPos = FStrm.Position(); }

}  // namespace z5t8::skin::se3
