// Feeds one skin object record to the readers: the first byte picks the binary or the
// text form, the rest is the record. An object that reads is written back and must read
// and write again to the same bytes; then it is laid out, hit-tested, drawn and shaped
// as a theme would, with a picture list where the name "p" resolves.

#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <memory>
#include <string>

#include "framework/Exceptions.h"
#include "framework/MemoryStream.h"
#include "skin/render/Bitmap.h"
#include "skin/render/BitmapList.h"
#include "skin/se3/SkinObject.h"
#include "skin/se3/SkinObjectRecords.h"

using namespace z5t8;
using skin::se3::TSeSkinObject;

namespace {

[[noreturn]] void Fail(const char* what) {
  std::fprintf(stderr, "fuzz check failed: %s\n", what);
  std::abort();
}

std::string Save(TSeSkinObject* object, bool binary) {
  framework::TMemoryStream out;
  (binary ? skin::se3::SaveSkinObjectBinary : skin::se3::SaveSkinObject)(out, object);
  return std::string(reinterpret_cast<const char*>(out.Memory()), size_t(out.Size()));
}

skin::render::TteBitmapList& Pictures() {
  static const std::unique_ptr<skin::render::TteBitmapList> list = [] {
    auto l = std::make_unique<skin::render::TteBitmapList>();
    auto b = std::make_unique<skin::render::TteBitmap>();
    b->Name = "p";
    b->SetSize(8, 8);
    for (int y = 0; y < 8; ++y)
      for (int x = 0; x < 8; ++x) b->SetPixel(x, y, (x + y) % 3 ? 0xFF204080u : 0x007F007Fu);
    l->Add(std::move(b));
    return l;
  }();
  return *list;
}

// Regions of objects beyond this size are left out: building one costs time in
// proportion to its height, which says nothing about the reader.
bool Small(TSeSkinObject* o) {
  if (o->Width() > 512 || o->Height() > 512) return false;
  for (int i = 0; i < o->GetCount(); ++i)
    if (!Small(o->GetObject(i))) return false;
  return true;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  if (size < 1) return 0;
  const bool binary = data[0] & 1;
  framework::TCustomMemoryStream in(data + 1, int64_t(size - 1));
  std::unique_ptr<TSeSkinObject> object;
  try {
    object.reset(binary ? skin::se3::LoadSkinObjectBinary(in, nullptr)
                        : skin::se3::LoadSkinObject(in, nullptr));
  } catch (const framework::Exception&) {
    return 0;
  }
  if (!object) return 0;

  const std::string first = Save(object.get(), binary);
  framework::TCustomMemoryStream again(first.data(), int64_t(first.size()));
  std::unique_ptr<TSeSkinObject> copy;
  try {
    copy.reset(binary ? skin::se3::LoadSkinObjectBinary(again, nullptr)
                      : skin::se3::LoadSkinObject(again, nullptr));
  } catch (const framework::Exception&) {
    Fail("a written record does not read back");
  }
  if (!copy || Save(copy.get(), binary) != first) Fail("a record does not write back to the same bytes");
  std::unique_ptr<TSeSkinObject> clone(object->CreateCopy(nullptr));
  if (!clone || Save(clone.get(), true) != Save(object.get(), true)) Fail("a copy differs from its source");

  object->SetBitmaps(&Pictures());
  object->AfterLoad();
  object->SetState(skin::se3::TSeState(data[0] >> 1 & 7));
  object->SetActive(data[0] & 0x10);
  object->SetText(u"Title");
  object->SetBoundsRect({0, 0, 64, 48});
  object->AligningAll();
  (void)object->FindObjectByPoint({10, 10});
  (void)object->FindObjectByPointAll({60, 40});
  (void)object->FindObjectByName("a\\b");
  skin::render::TteBitmap target;
  target.SetSize(64, 48);
  object->Draw(target.GetCanvas(), {0, 0, 64, 48});
  object->Draw(target.GetCanvas(), {-1, -1, -1, -1});
  if (Small(object.get())) (void)object->GetRegion();
  object->ChangeHue(30);
  object->ChangeBrightness(-20);
  return 0;
}
