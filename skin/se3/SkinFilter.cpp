#include "skin/se3/SkinFilter.h"

#include "framework/Properties.h"
#include "skin/se3/CompressionStream.h"
#include "skin/se3/DecompressionStream.h"

namespace z5t8::skin::se3 {

using framework::TSeekOrigin;
using framework::TStream;

Z5T8_IMPLEMENT_CLASS(TSeSkinFilter, framework::TPersistent) {}

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

void TSeSkinFilter::ReadCompressed(TStream& stream) {
  // Any four bytes are taken as the magic; the zlib data decides.
  uint8_t magic[ZlibMagic.size()];
  stream.Read(magic, int32_t(sizeof magic));
  TDecompressionStream body(stream);
  ReadSkinSource(body);
}

void TSeSkinFilter::WriteCompressed(TStream& stream, TCompressionLevel level) {
  stream.WriteBuffer(ZlibMagic.data(), int64_t(ZlibMagic.size()));
  TCompressionStream body(level, stream);
  WriteSkinSource(body);
  body.Finish();
}

}  // namespace z5t8::skin::se3
