// Any bytes as a skin container: the kind is found by signature (else the default
// kind) and the store body is drained through whatever stream the kind reads it with.
#include <cstddef>
#include <cstdint>

#include "framework/Exceptions.h"
#include "framework/MemoryStream.h"
#include "skin/se3/SkinFilterRegistry.h"

using namespace z5t8;

namespace {

class TDrainingSource : public skin::se3::ISeSkinSource {
public:
  void ReadStore(framework::TStream& stream, skin::se3::TSeSkinStoreLayout) override {
    // Bounded, so a small input that inflates enormously still ends quickly.
    uint8_t chunk[4096];
    for (int total = 0; total < (4 << 20);) {
      int32_t got = stream.Read(chunk, int32_t(sizeof chunk));
      if (got <= 0) break;
      total += got;
    }
    stream.Seek(0, framework::TSeekOrigin::soCurrent);
  }
  void WriteStore(framework::TStream&, skin::se3::TSeSkinStoreLayout) override {}
};

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  framework::TCustomMemoryStream stream(data, int64_t(size));
  try {
    skin::se3::TSeSkinFilterClass cls = skin::se3::GetThemeFilterBySign(stream);
    if (!cls) cls = skin::se3::DefaultSkinFilterClass();
    auto filter = cls->Create();
    TDrainingSource source;
    filter->SetSkinSource(&source);
    filter->ReadSkin(stream);
  } catch (const framework::Exception&) {
  }
  return 0;
}
