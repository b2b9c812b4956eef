#include "skin/se3/SkinFilter.h"

#include <algorithm>
#include <cstring>
#include <memory>
#include <string>

#include "framework/Exceptions.h"
#include "framework/MemoryStream.h"
#include "framework/Properties.h"
#include "skin/se3/CompressionStream.h"
#include "skin/se3/DecompressionStream.h"

namespace z5t8::skin::se3 {

using framework::TSeekOrigin;
using framework::TStream;

Z5T8_IMPLEMENT_CLASS(TSeSkinFilter, framework::TPersistent) {}

namespace {

// An inflated store body in one block that grows by doubling; its pages are touched only as
// bytes arrive.
class TInflatedBody {
public:
  // Inflates until the zlib stream ends, the source runs dry or inflate fails; more than
  // limit bytes raise "Stream read error".
  TInflatedBody(TStream& source, int64_t limit) {
    TDecompressionStream zlib(source);
    for (;;) {
      if (FSize == FCapacity) {
        if (FCapacity >= limit) {
          // Full at the limit: one byte more, and the body is too long.
          uint8_t more;
          if (Inflate(zlib, &more, 1) > 0) throw framework::EReadError(framework::SReadError);
          return;
        }
        Grow(limit);
      }
      int32_t got = Inflate(zlib, FBytes.get() + FSize, int32_t(FCapacity - FSize));
      if (got <= 0) return;
      FSize += got;
    }
  }

  const uint8_t* Data() const { return FBytes.get(); }
  int64_t Size() const { return FSize; }
  bool Failed() const { return FFailed; }

private:
  // What inflated before a fault in the zlib data is the body; the fault counts only if the
  // body turns out to need more.
  int32_t Inflate(TDecompressionStream& zlib, uint8_t* into, int32_t count) {
    if (FFailed) return 0;
    const int64_t before = zlib.Position();
    try {
      return zlib.Read(into, count);
    } catch (const ECompressionError&) {
      FFailed = true;
      return int32_t(zlib.Position() - before);
    }
  }

  void Grow(int64_t limit) {
    int64_t capacity = std::min(FCapacity == 0 ? int64_t(1) << 16 : FCapacity * 2, limit);
    std::unique_ptr<uint8_t[]> bytes(new uint8_t[size_t(capacity)]);
    if (FSize > 0) std::memcpy(bytes.get(), FBytes.get(), size_t(FSize));
    FBytes = std::move(bytes);
    FCapacity = capacity;
  }

  std::unique_ptr<uint8_t[]> FBytes;
  int64_t FSize = 0;
  int64_t FCapacity = 0;
  bool FFailed = false;
};

}  // namespace

TSeSkinFilter::TSeSkinFilter() : FSign(FilterSign("0000")) {}

void TSeSkinFilter::ReadSkinSource(TStream& stream) {
  if (FSkinSource) FSkinSource->ReadStore(stream, sslBase);
}

void TSeSkinFilter::WriteSkinSource(TStream& stream) {
  if (FSkinSource) FSkinSource->WriteStore(stream, sslBase);
}

void TSeSkinFilter::ReadSign(TStream& stream) {
  TTeFilterSign sign{};
  int32_t got = stream.Read(sign.data(), int32_t(sign.size()));
  if (got == int32_t(sign.size()) && sign == FSign) return;
  // Step back only over what was read, so a short stream is not left before its start.
  if (got > 0) stream.Seek(-got, TSeekOrigin::soCurrent);
}

void TSeSkinFilter::WriteSign(TStream& stream) { stream.WriteBuffer(FSign.data(), int64_t(FSign.size())); }

void TSeSkinFilter::ReadSkin(TStream& stream) { ReadSign(stream); }

void TSeSkinFilter::WriteSkin(TStream& stream) { WriteSign(stream); }

void TSeSkinFilter::ReadPlain(TStream& stream) {
  if (auto* memory = dynamic_cast<framework::TCustomMemoryStream*>(&stream)) {
    framework::TCustomMemoryStream body =
        memory->ReadView(std::min(kMaxStoreBody, std::max<int64_t>(0, memory->Size() - memory->Position())));
    ReadSkinSource(body);
    memory->Seek(body.Position() - body.Size(), TSeekOrigin::soCurrent);
    return;
  }
  std::string bytes(size_t(std::min(kMaxStoreBody, stream.Remaining())), '\0');
  size_t got = 0;
  while (got < bytes.size()) {
    int32_t n = stream.Read(bytes.data() + got, int32_t(bytes.size() - got));
    if (n <= 0) break;
    got += size_t(n);
  }
  bytes.resize(got);
  framework::TCustomMemoryStream body(bytes.data(), int64_t(bytes.size()));
  ReadSkinSource(body);
  stream.Seek(body.Position() - body.Size(), TSeekOrigin::soCurrent);
}

void TSeSkinFilter::ReadCompressed(TStream& stream) {
  // Any four bytes are taken as the magic; the zlib data decides.
  uint8_t magic[ZlibMagic.size()];
  stream.Read(magic, int32_t(sizeof magic));
  // Inflated whole into memory first, so every count in the body is checked against the
  // bytes that can still follow, and nested records are read in place rather than copied.
  TInflatedBody body(stream, kMaxStoreBody);
  framework::TCustomMemoryStream bytes(body.Data(), body.Size());
  try {
    ReadSkinSource(bytes);
  } catch (const framework::EReadError&) {
    // The body ran out where inflate had failed: the fault in the zlib data is the cause.
    if (body.Failed()) throw ECompressionError(SZlibError);
    throw;
  }
}

void TSeSkinFilter::WriteCompressed(TStream& stream, TCompressionLevel level) {
  stream.WriteBuffer(ZlibMagic.data(), int64_t(ZlibMagic.size()));
  TCompressionStream body(level, stream);
  WriteSkinSource(body);
  body.Finish();
}

}  // namespace z5t8::skin::se3
