#include "framework/Reader.h"

#include <algorithm>
#include <cstring>

#include "framework/Collection.h"
#include "framework/Component.h"
#include "framework/Exceptions.h"
#include "framework/MemoryStream.h"
#include "framework/Properties.h"
#include "framework/Stream.h"
#include "framework/TextUtils.h"

namespace z5t8::framework {

namespace {
thread_local TReader* gActiveReader = nullptr;
thread_local int gDepth = 0;
// Nesting of components, lists and collections across all readers on the thread (skin
// objects read their children with readers of their own), well within the stack.
constexpr int kMaxDepth = 200;

struct DepthGuard {
  DepthGuard() {
    if (++gDepth > kMaxDepth) {
      --gDepth;
      throw EReadError(SInvalidImage);
    }
  }
  ~DepthGuard() { --gDepth; }
  DepthGuard(const DepthGuard&) = delete;
  DepthGuard& operator=(const DepthGuard&) = delete;
};
}  // namespace

TReader::TReader(TStream& stream) : FStream(stream), FPrevious(gActiveReader) { gActiveReader = this; }

TReader::~TReader() {
  gActiveReader = FPrevious;
  // A byte looked at but not used goes back, so the stream stands right after the data read.
  if (FPeek) {
    try {
      FStream.Seek(-1, TSeekOrigin::soCurrent);
    } catch (...) {
    }
  }
}

void TReader::ObjectDestroyed(TPersistent* object) {
  for (TReader* r = gActiveReader; r; r = r->FPrevious) r->Forget(object);
}

void TReader::Forget(TPersistent* object) {
  std::erase_if(FFixups, [object](const TFixup& f) { return f.Instance == object; });
  std::erase(FLoaded, object);
  std::erase(FCreated, object);
  if (FRoot == object) FRoot = nullptr;
}

void TReader::PropValueError() { throw EReadError(SInvalidPropertyValue); }

uint8_t TReader::ReadByte() {
  if (FPeek) {
    uint8_t b = *FPeek;
    FPeek.reset();
    return b;
  }
  return FStream.ReadByte();
}

void TReader::Read(void* buffer, size_t count) {
  if (count == 0) return;
  auto* p = static_cast<uint8_t*>(buffer);
  if (FPeek) {
    *p++ = *FPeek;
    FPeek.reset();
    --count;
  }
  FStream.ReadBuffer(p, int64_t(count));
}

std::string TReader::ReadBytes(uint64_t count) {
  // A count past the end of a stream in memory fails before anything is allocated.
  if (auto* memory = dynamic_cast<TCustomMemoryStream*>(&FStream))
    if (count > uint64_t(memory->Remaining()) + (FPeek ? 1 : 0)) throw EReadError(SReadError);
  std::string bytes;
  while (bytes.size() < count) {
    size_t chunk = size_t(std::min<uint64_t>(count - bytes.size(), 1 << 16));
    size_t at = bytes.size();
    bytes.resize(at + chunk);
    Read(bytes.data() + at, chunk);
  }
  return bytes;
}

void TReader::SkipBytes(uint64_t count) {
  uint8_t scratch[4096];
  while (count > 0) {
    size_t chunk = size_t(std::min<uint64_t>(count, sizeof scratch));
    Read(scratch, chunk);
    count -= chunk;
  }
}

void TReader::ReadSignature() {
  char signature[4];
  Read(signature, 4);
  if (std::memcmp(signature, FilerSignature, 4) != 0) throw EReadError(SInvalidImage);
}

TValueType TReader::ReadValue() { return TValueType(ReadByte()); }

TValueType TReader::NextValue() {
  if (!FPeek) FPeek = FStream.ReadByte();
  return TValueType(*FPeek);
}

bool TReader::EndOfList() { return NextValue() == vaNull; }

void TReader::ReadListBegin() {
  if (ReadValue() != vaList) PropValueError();
}

void TReader::ReadListEnd() {
  if (ReadValue() != vaNull) PropValueError();
}

std::string TReader::ReadStr() {
  uint8_t length = ReadByte();
  std::string text(length, '\0');
  Read(text.data(), length);
  return text;
}

int32_t TReader::ReadInteger() {
  switch (ReadValue()) {
    case vaInt8: {
      int8_t v;
      Read(&v, 1);
      return v;
    }
    case vaInt16: {
      uint8_t b[2];
      Read(b, 2);
      return int16_t(uint16_t(b[0] | b[1] << 8));
    }
    case vaInt32: {
      uint8_t b[4];
      Read(b, 4);
      return int32_t(uint32_t(b[0]) | uint32_t(b[1]) << 8 | uint32_t(b[2]) << 16 | uint32_t(b[3]) << 24);
    }
    default:
      PropValueError();
  }
}

int64_t TReader::ReadInt64() {
  if (NextValue() != vaInt64) return ReadInteger();
  ReadValue();
  uint8_t b[8];
  Read(b, 8);
  uint64_t v = 0;
  for (int i = 7; i >= 0; --i) v = v << 8 | b[i];
  return int64_t(v);
}

bool TReader::ReadBoolean() {
  switch (ReadValue()) {
    case vaTrue:
      return true;
    case vaFalse:
      return false;
    default:
      PropValueError();
  }
}

namespace {
uint32_t Le32(const uint8_t* b) {
  return uint32_t(b[0]) | uint32_t(b[1]) << 8 | uint32_t(b[2]) << 16 | uint32_t(b[3]) << 24;
}
}  // namespace

std::string TReader::ReadString() {
  switch (ReadValue()) {
    case vaString:
      return ReadStr();
    case vaLString:
    case vaUTF8String: {
      uint8_t b[4];
      Read(b, 4);
      return ReadBytes(Le32(b));
    }
    case vaWString: {
      uint8_t b[4];
      Read(b, 4);
      std::string bytes = ReadBytes(uint64_t(Le32(b)) * 2);
      std::u16string units(bytes.size() / 2, u'\0');
      for (size_t i = 0; i < units.size(); ++i)
        units[i] = char16_t(uint8_t(bytes[2 * i]) | uint8_t(bytes[2 * i + 1]) << 8);
      return Utf16ToUtf8(units);
    }
    default:
      PropValueError();
  }
}

std::u16string TReader::ReadWideString() {
  if (NextValue() != vaWString) return Utf8ToUtf16(ReadString());
  ReadValue();
  uint8_t b[4];
  Read(b, 4);
  std::string bytes = ReadBytes(uint64_t(Le32(b)) * 2);
  std::u16string units(bytes.size() / 2, u'\0');
  for (size_t i = 0; i < units.size(); ++i)
    units[i] = char16_t(uint8_t(bytes[2 * i]) | uint8_t(bytes[2 * i + 1]) << 8);
  return units;
}

std::string TReader::ReadIdent() {
  switch (ReadValue()) {
    case vaIdent:
      return ReadStr();
    case vaFalse:
      return "False";
    case vaTrue:
      return "True";
    case vaNil:
      return "nil";
    default:
      PropValueError();
  }
}

void TReader::SkipValue() {
  DepthGuard depth;
  uint8_t b[4];
  switch (ReadValue()) {
    case vaNull:
    case vaFalse:
    case vaTrue:
    case vaNil:
      return;
    case vaList:
      while (!EndOfList()) SkipValue();
      ReadListEnd();
      return;
    case vaInt8:
      return SkipBytes(1);
    case vaInt16:
      return SkipBytes(2);
    case vaInt32:
      return SkipBytes(4);
    case vaExtended:
      return SkipBytes(10);
    case vaString:
    case vaIdent:
      return SkipBytes(ReadByte());
    case vaBinary:
    case vaLString:
    case vaUTF8String:
      Read(b, 4);
      return SkipBytes(Le32(b));
    case vaWString:
      Read(b, 4);
      return SkipBytes(uint64_t(Le32(b)) * 2);
    case vaSet:
      while (true) {
        uint8_t length = ReadByte();
        if (length == 0) return;
        SkipBytes(length);
      }
    case vaCollection:
      while (!EndOfList()) {
        TValueType next = NextValue();
        if (next == vaInt8 || next == vaInt16 || next == vaInt32) SkipValue();
        if (ReadValue() != vaList) throw EReadError(SInvalidImage);
        while (!EndOfList()) {
          SkipBytes(ReadByte());
          SkipValue();
        }
        ReadListEnd();
      }
      ReadListEnd();
      return;
    case vaSingle:
      return SkipBytes(4);
    case vaCurrency:
    case vaDate:
    case vaInt64:
      return SkipBytes(8);
    default:
      throw EReadError(SInvalidImage);
  }
}

void TReader::ReadPrefix(uint8_t& flags, int32_t& position) {
  flags = 0;
  position = -1;
  if ((NextValue() & 0xF0) != 0xF0) return;
  flags = ReadByte() & 0x0F;
  if (flags & ffChildPos) position = ReadInteger();
}

TComponent* TReader::ReadRootComponent(TComponent* root, TComponent* ownerIfCreated) {
  DepthGuard depth;
  bool created = false;
  try {
    ReadSignature();
    uint8_t flags;
    int32_t position;
    ReadPrefix(flags, position);
    std::string className = ReadStr();
    std::string name = ReadStr();
    if (!root) {
      const TMetaClass& cls = FindClass(className);
      if (!cls.InheritsFrom(TComponent::StaticClass()) || !cls.CanCreateComponent())
        throw EClassNotFound("Class " + className + " not found");
      root = cls.CreateComponent(ownerIfCreated);
      created = true;
      FCreated.push_back(root);
    }
    FRoot = root;
    FOwner = root;
    FParent = root;
    root->IncludeState(csLoading);
    root->IncludeState(csReading);
    root->SetName(name);
    FLoaded.push_back(root);
    root->ReadState(*this);
    if (FRoot) FRoot->ExcludeState(csReading);
    FixupReferences();
    // Loaded may free components; walk a copy and skip what has gone since.
    std::vector<TComponent*> order = FLoaded;
    for (TComponent* c : order) {
      if (std::find(FLoaded.begin(), FLoaded.end(), c) == FLoaded.end()) continue;
      c->Loaded();
      if (std::find(FLoaded.begin(), FLoaded.end(), c) != FLoaded.end()) c->ExcludeState(csLoading);
    }
  } catch (...) {
    FFixups.clear();
    // Freed last first, so owners outlive what they own until its turn.
    while (!FCreated.empty()) {
      TComponent* c = FCreated.back();
      FCreated.pop_back();
      delete c;
    }
    if (!created && FRoot) {
      FRoot->ExcludeState(csReading);
      FRoot->ExcludeState(csLoading);
    }
    FLoaded.clear();
    throw;
  }
  FLoaded.clear();
  FCreated.clear();
  return root;
}

TComponent* TReader::ReadComponent() {
  DepthGuard depth;
  uint8_t flags;
  int32_t position;
  ReadPrefix(flags, position);
  std::string className = ReadStr();
  std::string name = ReadStr();
  TComponent* result = nullptr;
  if (flags & ffInherited) {
    // Components an ancestor made already exist; the stream only adds to them.
    result = FOwner ? FOwner->FindComponent(name) : nullptr;
    if (!result) throw EReadError("Ancestor for '" + name + "' not found");
  } else {
    const TMetaClass& cls = FindClass(className);
    if (!cls.InheritsFrom(TComponent::StaticClass()) || !cls.CanCreateComponent())
      throw EClassNotFound("Class " + className + " not found");
    result = cls.CreateComponent(FOwner);
    FCreated.push_back(result);
    result->IncludeState(csLoading);
    if (flags & ffInline) result->IncludeState(csInline);
    result->SetName(name);
  }
  result->IncludeState(csLoading);
  result->IncludeState(csReading);
  if (std::find(FLoaded.begin(), FLoaded.end(), result) == FLoaded.end()) FLoaded.push_back(result);
  TComponent* parent = FParent;
  result->ReadState(*this);
  result->ExcludeState(csReading);
  if ((flags & ffChildPos) && parent) parent->SetChildOrder(result, position);
  return result;
}

void TReader::ReadData(TComponent* instance) {
  while (!EndOfList()) ReadProperty(instance);
  ReadListEnd();
  TComponent* oldOwner = FOwner;
  TComponent* oldParent = FParent;
  FOwner = instance->GetChildOwner();
  if (!FOwner) FOwner = FRoot;
  FParent = instance->GetChildParent();
  try {
    while (!EndOfList()) ReadComponent();
    ReadListEnd();
  } catch (...) {
    FOwner = oldOwner;
    FParent = oldParent;
    throw;
  }
  FOwner = oldOwner;
  FParent = oldParent;
}

void TReader::ReadProperty(TPersistent* instance) {
  std::string name = ReadStr();
  TPersistent* target = instance;
  size_t start = 0;
  while (true) {
    size_t dot = name.find('.', start);
    std::string_view segment =
        std::string_view(name).substr(start, dot == std::string::npos ? std::string::npos : dot - start);
    if (dot == std::string::npos) {
      if (const TPropInfo* info = target->ClassType().FindProperty(segment)) {
        ReadPropValue(target, *info);
      } else {
        FPropName = std::string(segment);
        target->DefineProperties(*this);
        if (!FPropName.empty()) {
          FPropName.clear();
          throw EReadError("Property " + name + " does not exist");
        }
      }
      return;
    }
    const TPropInfo* info = target->ClassType().FindProperty(segment);
    TPersistent* nested = info && info->Kind == TPropKind::Object ? info->GetObj(*target) : nullptr;
    if (!nested) throw EReadError("Property " + name + " does not exist");
    target = nested;
    start = dot + 1;
  }
}

void TReader::ReadPropValue(TPersistent* instance, const TPropInfo& info) {
  switch (info.Kind) {
    case TPropKind::Integer:
      if (NextValue() == vaIdent) {
        ReadValue();
        int32_t value;
        if (info.Idents.empty() || !IdentToInt(ReadStr(), value, info.Idents)) PropValueError();
        info.SetOrd(*instance, value);
      } else {
        info.SetOrd(*instance, ReadInteger());
      }
      return;
    case TPropKind::Int64:
      info.SetOrd(*instance, ReadInt64());
      return;
    case TPropKind::Enumeration: {
      if (NextValue() != vaIdent) PropValueError();
      int value = info.Enum->ValueOf(ReadIdent());
      if (value < 0) PropValueError();
      info.SetOrd(*instance, value);
      return;
    }
    case TPropKind::Boolean: {
      TValueType next = NextValue();
      if (next == vaIdent) {
        std::string ident = ReadIdent();
        if (SameText(ident, "True"))
          info.SetOrd(*instance, 1);
        else if (SameText(ident, "False"))
          info.SetOrd(*instance, 0);
        else
          PropValueError();
      } else {
        info.SetOrd(*instance, ReadBoolean());
      }
      return;
    }
    case TPropKind::Set: {
      if (ReadValue() != vaSet) PropValueError();
      uint32_t bits = 0;
      while (true) {
        std::string element = ReadStr();
        if (element.empty()) break;
        int index = info.Enum->ValueOf(element);
        if (index < 0 || index >= 32) PropValueError();
        bits |= 1u << index;
      }
      info.SetOrd(*instance, bits);
      return;
    }
    case TPropKind::String:
      info.SetStr(*instance, ReadString());
      return;
    case TPropKind::WideString:
      info.SetWStr(*instance, ReadWideString());
      return;
    case TPropKind::Object: {
      auto* collection = dynamic_cast<TCollection*>(info.GetObj(*instance));
      if (!collection || NextValue() != vaCollection) PropValueError();
      ReadValue();
      ReadCollection(*collection);
      return;
    }
    case TPropKind::Component: {
      TValueType next = ReadValue();
      if (next == vaNil)
        info.SetComp(*instance, nullptr);
      else if (next == vaIdent)
        FFixups.push_back({instance, &info, ReadStr()});
      else
        PropValueError();
      return;
    }
    case TPropKind::Method: {
      TValueType next = ReadValue();
      if (next == vaNil) {
        info.SetMethod(*instance, {});
        return;
      }
      if (next != vaIdent) PropValueError();
      std::string methodName = ReadStr();
      const TPublishedMethod* method = FRoot ? FRoot->ClassType().FindMethod(methodName) : nullptr;
      if (!method || !info.SetMethod(*instance, TMethodRef{FRoot, method})) PropValueError();
      return;
    }
  }
}

void TReader::ReadCollection(TCollection& collection) {
  DepthGuard depth;
  collection.BeginUpdate();
  try {
    if (!EndOfList()) collection.Clear();
    while (!EndOfList()) {
      TValueType next = NextValue();
      if (next == vaInt8 || next == vaInt16 || next == vaInt32) ReadInteger();
      TCollectionItem* item = collection.Add();
      ReadListBegin();
      while (!EndOfList()) ReadProperty(item);
      ReadListEnd();
    }
    ReadListEnd();
  } catch (...) {
    collection.EndUpdate();
    throw;
  }
  collection.EndUpdate();
}

void TReader::FixupReferences() {
  // Taken out first: a setter may free objects, which drops their entries from FFixups.
  while (!FFixups.empty()) {
    TFixup fixup = std::move(FFixups.front());
    FFixups.erase(FFixups.begin());
    TComponent* found = nullptr;
    std::string_view name = fixup.Name;
    size_t dot = name.find('.');
    std::string_view head = name.substr(0, dot);
    if (FRoot) found = SameText(head, FRoot->Name()) ? FRoot : FRoot->FindComponent(head);
    while (found && dot != std::string_view::npos) {
      size_t next = name.find('.', dot + 1);
      found =
          found->FindComponent(name.substr(dot + 1, next == std::string_view::npos ? next : next - dot - 1));
      dot = next;
    }
    // A name that no component of this stream has stays unset.
    if (!found) continue;
    if (!found->InheritsFrom(fixup.Info->ComponentClass())) PropValueError();
    fixup.Info->SetComp(*fixup.Instance, found);
  }
}

void TReader::DefineProperty(const std::string& name, const std::function<void(TReader&)>& readData,
                             const std::function<void(TWriter&)>&, bool) {
  if (FPropName.empty() || !SameText(name, FPropName) || !readData) return;
  FPropName.clear();
  readData(*this);
}

void TReader::DefineBinaryProperty(const std::string& name, const std::function<void(TStream&)>& readData,
                                   const std::function<void(TStream&)>&, bool) {
  if (FPropName.empty() || !SameText(name, FPropName) || !readData) return;
  FPropName.clear();
  if (ReadValue() != vaBinary) PropValueError();
  uint8_t b[4];
  Read(b, 4);
  // A view of the value rather than a copy: nested values (skin objects keep their children
  // in one) would otherwise hold a copy of everything below them at every level.
  std::string holder;
  TCustomMemoryStream data = ReadBlock(FStream, Le32(b), holder);
  readData(data);
}

TComponent* ReadComponent(TStream& stream, TComponent* instance, TComponent* owner) {
  TReader reader(stream);
  return reader.ReadRootComponent(instance, owner);
}

// The default reading of a component: its properties, then its children.
void TComponent::ReadState(TReader& reader) { reader.ReadData(this); }

}  // namespace z5t8::framework
