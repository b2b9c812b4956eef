#pragma once

#include <cstdint>
#include <string>
#include <string_view>

#include "framework/Filer.h"

namespace z5t8::framework {

// Writes the component stream format. Published properties are written in declaration
// order, inherited first, leaving out those not stored and those equal to their declared
// default (empty strings, unset references and events, nested objects with nothing to
// write); then the properties a class defines itself; then the children (GetChildren).
class TWriter : public TFiler {
public:
  explicit TWriter(TStream& stream) : FStream(stream) {}

  void WriteRootComponent(TComponent* root);
  void WriteComponent(TComponent* component);
  void WriteData(TComponent* instance);
  void WriteProperties(const TPersistent* instance);

  void WriteSignature();
  void WriteValue(TValueType value);
  void WriteListBegin() { WriteValue(vaList); }
  void WriteListEnd() { WriteValue(vaNull); }
  // Tag 2 for -128..127, tag 3 for -32768..32767, else tag 4; tag 19 only beyond 32 bits.
  void WriteInteger(int64_t value);
  void WriteBoolean(bool value) { WriteValue(value ? vaTrue : vaFalse); }
  // 8-bit text: a short (6) or long (12) string; well-formed UTF-8 beyond ASCII goes as a
  // wide string (18), which every string property reads back to the same bytes.
  void WriteString(std::string_view value);
  void WriteWideString(std::u16string_view value);
  void WriteUTF8String(std::string_view value);
  // False, True and nil become their tags; anything else tag 7.
  void WriteIdent(std::string_view ident);
  // A short string without a tag; EWriteError for more than 255 bytes.
  void WriteStr(std::string_view text);
  void WriteBinary(const void* data, uint32_t size);
  void WriteCollection(const TCollection& collection);

  TComponent* Root() const { return FRoot; }
  TStream& Stream() const { return FStream; }

  void DefineProperty(const std::string& name, const std::function<void(TReader&)>& readData,
                      const std::function<void(TWriter&)>& writeData, bool hasData) override;
  void DefineBinaryProperty(const std::string& name, const std::function<void(TStream&)>& readData,
                            const std::function<void(TStream&)>& writeData, bool hasData) override;

private:
  void WriteProperty(const TPersistent* instance, const TPropInfo& info);
  void WritePropName(std::string_view name);
  void WriteBytes(const void* data, size_t size);
  std::string ReferenceName(const TComponent* component) const;

  TStream& FStream;
  TComponent* FRoot = nullptr;
  std::string FPropPath;
};

// Writes component as the root of a whole component stream.
void WriteComponent(TStream& stream, TComponent* component);

}  // namespace z5t8::framework
