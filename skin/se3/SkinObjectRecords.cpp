#include "skin/se3/SkinObjectRecords.h"

#include <algorithm>
#include <string>

#include "framework/Exceptions.h"
#include "framework/MemoryStream.h"
#include "framework/Reader.h"
#include "framework/TextForm.h"
#include "framework/Writer.h"
#include "skin/render/StreamStrings.h"
#include "skin/se3/SkinObject.h"
#include "skin/se3/SkinObjectRegistry.h"

namespace z5t8::skin::se3 {

namespace {

constexpr uint32_t kBinaryChildren = 0x000F0000;

TSeObjectBudget* gBudget = nullptr;

// Reads a component stream into a new object of the resolved class; the object is freed
// when the read fails.
TSeSkinObject* ReadObject(TSeSkinObjectClass cls, framework::TStream& data, framework::TComponent* owner) {
  TSeObjectBudget::Charge();
  std::unique_ptr<TSeSkinObject> object(CreateSkinObject(cls, owner));
  framework::ReadComponent(data, object.get());
  object->SetCharset(framework::DEFAULT_CHARSET);
  return object.release();
}

std::string WriteObject(TSeSkinObject* object) {
  framework::TMemoryStream data;
  framework::WriteComponent(data, object);
  return std::string(reinterpret_cast<const char*>(data.Memory()), size_t(data.Size()));
}

}  // namespace

TSeObjectBudget::TSeObjectBudget(int limit) : FLeft(limit), FOuter(gBudget) { gBudget = this; }

TSeObjectBudget::~TSeObjectBudget() { gBudget = FOuter; }

void TSeObjectBudget::Charge() {
  if (!gBudget) return;
  if (gBudget->FLeft <= 0) throw framework::EReadError(framework::SReadError);
  --gBudget->FLeft;
}

void SaveSkinObjectBinary(framework::TStream& stream, TSeSkinObject* object) {
  std::string bytes = WriteObject(object);
  if (bytes.size() > UINT32_MAX) throw framework::EWriteError("Stream write error");
  render::WriteString(stream, object->ClassName());
  stream.WriteUInt32(uint32_t(bytes.size()));
  stream.WriteBuffer(bytes.data(), int64_t(bytes.size()));
}

TSeSkinObject* LoadSkinObjectBinary(framework::TStream& stream, framework::TComponent* owner) {
  std::string className = render::ReadString(stream);
  uint32_t count = stream.ReadUInt32();
  // A view of the record within its parent's bytes, so nesting costs no copies.
  std::string holder;
  framework::TCustomMemoryStream bytes = framework::ReadBlock(stream, count, holder);
  // The byte count is known, so an unknown class skips its record whole and the records
  // after it stay readable.
  TSeSkinObjectClass cls = ResolveSkinObjectClass(className);
  if (!cls) return nullptr;
  return ReadObject(cls, bytes, owner);
}

void SaveSkinObject(framework::TStream& stream, TSeSkinObject* object) {
  std::string text = framework::ObjectBinaryToText(WriteObject(object));
  render::WriteString(stream, object->ClassName());
  render::WriteString(stream, text);
}

TSeSkinObject* LoadSkinObject(framework::TStream& stream, framework::TComponent* owner) {
  std::string className = render::ReadString(stream);
  std::string text = render::ReadString(stream);
  TSeSkinObjectClass cls = ResolveSkinObjectClass(className);
  if (!cls) return nullptr;
  std::string binary = framework::ObjectTextToBinary(text);
  framework::TCustomMemoryStream data(binary.data(), int64_t(binary.size()));
  return ReadObject(cls, data, owner);
}

std::string SaveSkinObjectSource(TSeSkinObject* object) {
  TSeSourceForm nested;
  return framework::ObjectBinaryToText(WriteObject(object));
}

TSeSkinObject* LoadSkinObjectSource(std::string_view text, framework::TComponent* owner) {
  std::string binary = framework::ObjectTextToBinary(text);
  std::string className;
  {
    framework::TCustomMemoryStream head(binary.data(), int64_t(binary.size()));
    framework::TReader reader(head);
    reader.ReadSignature();
    uint8_t flags;
    int32_t position;
    reader.ReadPrefix(flags, position);
    className = reader.ReadStr();
  }
  TSeSkinObjectClass cls = ResolveSkinObjectClass(className);
  if (!cls) return nullptr;
  framework::TCustomMemoryStream data(binary.data(), int64_t(binary.size()));
  return ReadObject(cls, data, owner);
}

void ReadSkinObjects(framework::TStream& stream, TSeSkinObject* owner) {
  uint32_t word = stream.ReadUInt32();
  const bool binary = (word & kBinaryChildren) == kBinaryChildren;
  const uint32_t count = binary ? word & ~kBinaryChildren : word;
  // Every record takes at least its class name's length word, so a count beyond what
  // the stream holds ends in a read error rather than a long loop.
  for (uint32_t i = 0; i < count; ++i) {
    if (binary)
      LoadSkinObjectBinary(stream, owner);
    else
      LoadSkinObject(stream, owner);
  }
}

void WriteSkinObjects(framework::TStream& stream, const TSeSkinObject* owner) {
  if (uint32_t(owner->GetCount()) & kBinaryChildren) throw framework::EWriteError("Stream write error");
  stream.WriteUInt32(uint32_t(owner->GetCount()) | kBinaryChildren);
  for (int i = 0; i < owner->GetCount(); ++i) SaveSkinObjectBinary(stream, owner->GetObject(i));
}

}  // namespace z5t8::skin::se3
