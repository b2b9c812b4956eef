#pragma once

#include <cstdint>
#include <functional>
#include <string>

namespace z5t8::framework {

// What the reader and the writer both speak of.
class TCollection;
class TComponent;
class TPersistent;
class TReader;
class TStream;
class TWriter;
struct TPropInfo;

// The value tags of the component stream format.
enum TValueType : uint8_t {
  vaNull = 0,
  vaList = 1,
  vaInt8 = 2,
  vaInt16 = 3,
  vaInt32 = 4,
  vaExtended = 5,
  vaString = 6,
  vaIdent = 7,
  vaFalse = 8,
  vaTrue = 9,
  vaBinary = 10,
  vaSet = 11,
  vaLString = 12,
  vaNil = 13,
  vaCollection = 14,
  vaSingle = 15,
  vaCurrency = 16,
  vaDate = 17,
  vaWString = 18,
  vaInt64 = 19,
  vaUTF8String = 20,
};
inline constexpr uint8_t vaLast = vaUTF8String;

// Prefix byte flags of a component.
enum TFilerFlag : uint8_t { ffInherited = 1, ffChildPos = 2, ffInline = 4 };

inline constexpr char FilerSignature[4] = {'T', 'P', 'F', '0'};

// What reader and writer share: the hook through which a persistent object streams the
// properties it defines itself (DefineProperties).
class TFiler {
public:
  virtual ~TFiler() = default;
  // A property streamed as any value through the reader and writer; written when hasData.
  virtual void DefineProperty(const std::string& name, const std::function<void(TReader&)>& readData,
                              const std::function<void(TWriter&)>& writeData, bool hasData) = 0;
  // A property streamed as a binary value (tag 10): readData sees a stream over exactly its
  // bytes, writeData writes them.
  virtual void DefineBinaryProperty(const std::string& name, const std::function<void(TStream&)>& readData,
                                    const std::function<void(TStream&)>& writeData, bool hasData) = 0;
};

}  // namespace z5t8::framework
