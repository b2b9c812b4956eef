#include "skin/se3/SkinFilters.h"

#include "framework/Properties.h"

namespace z5t8::skin::se3 {

using framework::TStream;

Z5T8_IMPLEMENT_CLASS(TSeSkinFilterUncompressed, TSeSkinFilter) {}
Z5T8_IMPLEMENT_CLASS(TSeSkinFilterCompressed, TSeSkinFilter) {}
Z5T8_IMPLEMENT_CLASS(TSeSkinFilterUltraCompressed, TSeSkinFilter) {}
Z5T8_IMPLEMENT_CLASS(TSeSkinFilterMaxCompression, TSeSkinFilterUltraCompressed) {}

void TSeSkinFilterUncompressed::ReadSkin(TStream& stream) {
  ReadSign(stream);
  ReadPlain(stream);
}

void TSeSkinFilterUncompressed::WriteSkin(TStream& stream) {
  WriteSign(stream);
  WriteSkinSource(stream);
}

void TSeSkinFilterCompressed::ReadSkin(TStream& stream) {
  ReadSign(stream);
  ReadCompressed(stream);
}

void TSeSkinFilterCompressed::WriteSkin(TStream& stream) {
  WriteSign(stream);
  WriteCompressed(stream, clFastest);
}

void TSeSkinFilterUltraCompressed::ReadSkin(TStream& stream) {
  ReadSign(stream);
  ReadCompressed(stream);
}

void TSeSkinFilterUltraCompressed::WriteSkin(TStream& stream) {
  WriteSign(stream);
  WriteCompressed(stream, clDefault);
}

void TSeSkinFilterMaxCompression::ReadSkinSource(TStream& stream) {
  if (FSkinSource) FSkinSource->ReadStore(stream, sslExtended);
}

void TSeSkinFilterMaxCompression::WriteSkinSource(TStream& stream) {
  if (FSkinSource) FSkinSource->WriteStore(stream, sslExtended);
}

}  // namespace z5t8::skin::se3
