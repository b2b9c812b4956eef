#include "framework/Writer.h"

#include <cstdint>

#include "framework/Collection.h"
#include "framework/Component.h"
#include "framework/Exceptions.h"
#include "framework/MemoryStream.h"
#include "framework/Properties.h"
#include "framework/Reader.h"
#include "framework/Stream.h"
#include "framework/TextUtils.h"

namespace z5t8::framework {

void TWriter::WriteBytes(const void* data, size_t size) { FStream.WriteBuffer(data, int64_t(size)); }

void TWriter::WriteSignature() { WriteBytes(FilerSignature, 4); }

void TWriter::WriteValue(TValueType value) { FStream.WriteByte(value); }

void TWriter::WriteStr(std::string_view text) {
  if (text.size() > 255)
    throw EWriteError("Short string longer than 255 characters: " + std::string(text.substr(0, 32)));
  FStream.WriteByte(uint8_t(text.size()));
  WriteBytes(text.data(), text.size());
}

void TWriter::WriteInteger(int64_t value) {
  if (value >= -128 && value <= 127) {
    WriteValue(vaInt8);
    FStream.WriteByte(uint8_t(int8_t(value)));
  } else if (value >= -32768 && value <= 32767) {
    WriteValue(vaInt16);
    uint8_t b[2] = {uint8_t(value), uint8_t(value >> 8)};
    WriteBytes(b, 2);
  } else if (value >= INT32_MIN && value <= INT32_MAX) {
    WriteValue(vaInt32);
    FStream.WriteInt32(int32_t(value));
  } else {
    WriteValue(vaInt64);
    uint8_t b[8];
    for (int i = 0; i < 8; ++i) b[i] = uint8_t(uint64_t(value) >> (8 * i));
    WriteBytes(b, 8);
  }
}

void TWriter::WriteString(std::string_view value) {
  bool ascii = true;
  for (char c : value) ascii &= uint8_t(c) < 0x80;
  if (!ascii && IsValidUtf8(value)) return WriteWideString(Utf8ToUtf16(value));
  if (value.size() <= 255) {
    WriteValue(vaString);
    WriteStr(value);
  } else {
    WriteValue(vaLString);
    FStream.WriteUInt32(uint32_t(value.size()));
    WriteBytes(value.data(), value.size());
  }
}

void TWriter::WriteWideString(std::u16string_view value) {
  WriteValue(vaWString);
  FStream.WriteUInt32(uint32_t(value.size()));
  std::string bytes(value.size() * 2, '\0');
  for (size_t i = 0; i < value.size(); ++i) {
    bytes[2 * i] = char(value[i] & 0xFF);
    bytes[2 * i + 1] = char(value[i] >> 8);
  }
  WriteBytes(bytes.data(), bytes.size());
}

void TWriter::WriteUTF8String(std::string_view value) {
  WriteValue(vaUTF8String);
  FStream.WriteUInt32(uint32_t(value.size()));
  WriteBytes(value.data(), value.size());
}

void TWriter::WriteIdent(std::string_view ident) {
  if (SameText(ident, "False")) return WriteValue(vaFalse);
  if (SameText(ident, "True")) return WriteValue(vaTrue);
  if (SameText(ident, "nil")) return WriteValue(vaNil);
  WriteValue(vaIdent);
  WriteStr(ident);
}

void TWriter::WriteBinary(const void* data, uint32_t size) {
  WriteValue(vaBinary);
  FStream.WriteUInt32(size);
  WriteBytes(data, size);
}

void TWriter::WritePropName(std::string_view name) { WriteStr(FPropPath + std::string(name)); }

void TWriter::WriteCollection(const TCollection& collection) {
  WriteValue(vaCollection);
  for (int i = 0; i < collection.Count(); ++i) {
    WriteListBegin();
    std::string saved = std::move(FPropPath);
    FPropPath.clear();
    WriteProperties(collection.Items(i));
    FPropPath = std::move(saved);
    WriteListEnd();
  }
  WriteListEnd();
}

std::string TWriter::ReferenceName(const TComponent* component) const {
  if (component == FRoot) return component->Name();
  if (component->Owner() == FRoot || !component->Owner()) return component->Name();
  if (component->Owner()->Name().empty()) return {};
  return component->Owner()->Name() + "." + component->Name();
}

void TWriter::WriteProperty(const TPersistent* instance, const TPropInfo& info) {
  if (!info.IsStored(*instance)) return;
  switch (info.Kind) {
    case TPropKind::Integer:
    case TPropKind::Int64:
    case TPropKind::Enumeration:
    case TPropKind::Boolean:
    case TPropKind::Set: {
      int64_t value = info.GetOrd(*instance);
      if (info.Default && *info.Default == value) return;
      WritePropName(info.Name);
      std::string_view ident;
      if (info.Kind == TPropKind::Integer && IntToIdent(int32_t(value), ident, info.Idents)) {
        WriteIdent(ident);
      } else if (info.Kind == TPropKind::Enumeration && !(ident = info.Enum->NameOf(value)).empty()) {
        WriteIdent(ident);
      } else if (info.Kind == TPropKind::Boolean) {
        WriteBoolean(value != 0);
      } else if (info.Kind == TPropKind::Set) {
        WriteValue(vaSet);
        for (size_t i = 0; i < info.Enum->Names.size() && i < 32; ++i)
          if (uint64_t(value) >> i & 1) WriteStr(info.Enum->Names[i]);
        WriteStr("");
      } else {
        WriteInteger(value);
      }
      return;
    }
    case TPropKind::String: {
      std::string value = info.GetStr(*instance);
      if (value.empty()) return;
      WritePropName(info.Name);
      WriteString(value);
      return;
    }
    case TPropKind::WideString: {
      std::u16string value = info.GetWStr(*instance);
      if (value.empty()) return;
      WritePropName(info.Name);
      WriteWideString(value);
      return;
    }
    case TPropKind::Object: {
      TPersistent* value = info.GetObj(*instance);
      if (!value) return;
      if (auto* collection = dynamic_cast<TCollection*>(value)) {
        WritePropName(info.Name);
        WriteCollection(*collection);
        return;
      }
      std::string saved = FPropPath;
      FPropPath += info.Name + ".";
      WriteProperties(value);
      FPropPath = std::move(saved);
      return;
    }
    case TPropKind::Component: {
      TComponent* value = info.GetComp(*instance);
      if (!value) return;
      std::string name = ReferenceName(value);
      if (name.empty()) return;
      WritePropName(info.Name);
      WriteIdent(name);
      return;
    }
    case TPropKind::Method: {
      TMethodRef method = info.GetMethod(*instance);
      if (!method || method.Data != FRoot) return;
      WritePropName(info.Name);
      WriteIdent(method.Method->Name);
      return;
    }
  }
}

void TWriter::WriteProperties(const TPersistent* instance) {
  for (const TPropInfo* info : instance->ClassType().Properties()) WriteProperty(instance, *info);
  const_cast<TPersistent*>(instance)->DefineProperties(*this);
}

void TWriter::WriteData(TComponent* instance) {
  WriteStr(instance->ClassName());
  WriteStr(instance->Name());
  WriteProperties(instance);
  WriteListEnd();
  instance->GetChildren([this](TComponent* child) { WriteComponent(child); }, FRoot);
  WriteListEnd();
}

void TWriter::WriteComponent(TComponent* component) {
  component->IncludeState(csWriting);
  try {
    component->WriteState(*this);
  } catch (...) {
    component->ExcludeState(csWriting);
    throw;
  }
  component->ExcludeState(csWriting);
}

void TWriter::WriteRootComponent(TComponent* root) {
  FRoot = root;
  WriteSignature();
  WriteComponent(root);
}

void TWriter::DefineProperty(const std::string& name, const std::function<void(TReader&)>&,
                             const std::function<void(TWriter&)>& writeData, bool hasData) {
  if (!hasData || !writeData) return;
  WritePropName(name);
  writeData(*this);
}

void TWriter::DefineBinaryProperty(const std::string& name, const std::function<void(TStream&)>&,
                                   const std::function<void(TStream&)>& writeData, bool hasData) {
  if (!hasData || !writeData) return;
  TMemoryStream data;
  writeData(data);
  if (data.Size() > int64_t(UINT32_MAX)) throw EWriteError(SWriteError);
  WritePropName(name);
  WriteBinary(data.Memory(), uint32_t(data.Size()));
}

void WriteComponent(TStream& stream, TComponent* component) {
  TWriter writer(stream);
  writer.WriteRootComponent(component);
}

void TComponent::WriteState(TWriter& writer) { writer.WriteData(this); }

// Non-visual components keep their place on the designer's surface as "Left" and "Top".
void TComponent::DefineProperties(TFiler& filer) {
  filer.DefineProperty(
      "Left", [this](TReader& r) { FDesignLeft = uint16_t(r.ReadInteger()); },
      [this](TWriter& w) { w.WriteInteger(FDesignLeft); }, FDesignLeft != 0);
  filer.DefineProperty(
      "Top", [this](TReader& r) { FDesignTop = uint16_t(r.ReadInteger()); },
      [this](TWriter& w) { w.WriteInteger(FDesignTop); }, FDesignTop != 0);
}

}  // namespace z5t8::framework
