#include "framework/TextForm.h"

#include <cfloat>
#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <vector>

#include "framework/Exceptions.h"
#include "framework/Filer.h"
#include "framework/MemoryStream.h"
#include "framework/Reader.h"
#include "framework/TextUtils.h"

static_assert(LDBL_MANT_DIG == 64, "extended values are kept in the x87 80-bit long double");

namespace z5t8::framework {

namespace {

constexpr size_t kUnitsPerLine = 64;
constexpr size_t kBytesPerLine = 32;

bool IsDottedIdent(std::string_view text) {
  size_t start = 0;
  while (true) {
    size_t dot = text.find('.', start);
    if (!IsValidIdent(text.substr(start, dot == std::string_view::npos ? dot : dot - start))) return false;
    if (dot == std::string_view::npos) return true;
    start = dot + 1;
  }
}

bool IsReservedIdent(std::string_view text) {
  return SameText(text, "True") || SameText(text, "False") || SameText(text, "nil");
}

uint64_t LoadLe(const std::string& bytes) {
  uint64_t v = 0;
  for (size_t i = bytes.size(); i-- > 0;) v = v << 8 | uint8_t(bytes[i]);
  return v;
}

std::string Hex(const std::string& bytes) {
  static const char digits[] = "0123456789ABCDEF";
  std::string out;
  for (char c : bytes) {
    out += digits[uint8_t(c) >> 4];
    out += digits[uint8_t(c) & 15];
  }
  return out;
}

// Shortest decimal that reads back to exactly the same bits, or empty when none does.
template <class F>
std::string ExactDecimal(F value, int maxDigits, F (*parse)(const char*, char**)) {
  if (!std::isfinite(value)) return {};
  char text[64];
  for (int digits = 1; digits <= maxDigits; ++digits) {
    if constexpr (std::is_same_v<F, long double>)
      std::snprintf(text, sizeof text, "%.*Lg", digits, value);
    else
      std::snprintf(text, sizeof text, "%.*g", digits, double(value));
    F back = parse(text, nullptr);
    if (std::memcmp(&back, &value, sizeof(F) == 16 ? 10 : sizeof(F)) == 0) {
      std::string s = text;
      if (s.find_first_of(".eE") == std::string::npos) s += ".0";
      return s;
    }
  }
  return {};
}

long double ParseLongDouble(const char* s, char** end) { return std::strtold(s, end); }
double ParseDouble(const char* s, char** end) { return std::strtod(s, end); }
float ParseFloat(const char* s, char** end) { return std::strtof(s, end); }

// ---------------------------------------------------------------- binary to text

class BinaryToText {
public:
  BinaryToText(TStream& input, TStream& output) : FReader(input), FOutput(output) {}

  void Run() {
    FReader.ReadSignature();
    ConvertObject(0);
    Flush();
  }

private:
  struct Depth {
    explicit Depth(int& d) : FD(d) {
      if (++FD > kObjectTextMaxDepth) throw EReadError(SInvalidImage);
    }
    ~Depth() { --FD; }
    int& FD;
  };

  void Put(std::string_view text) { FText += text; }
  void NewLine(int indent) {
    FText += '\n';
    FText.append(size_t(indent), ' ');
    if (FText.size() > 1 << 16) Flush();
  }
  void Flush() {
    FOutput.WriteBuffer(FText.data(), int64_t(FText.size()));
    FText.clear();
  }
  static void NotText(std::string_view what) {
    throw EReadError("Cannot write " + std::string(what) + " as text");
  }

  void ConvertObject(int indent) {
    Depth depth(FDepth);
    uint8_t flags;
    int32_t position;
    FReader.ReadPrefix(flags, position);
    std::string className = FReader.ReadStr();
    std::string name = FReader.ReadStr();
    if (!IsValidIdent(className) || (!name.empty() && !IsValidIdent(name))) NotText("a component name");
    // Prefix flags text cannot carry (bit 3, both inherited and inline) are refused.
    if ((flags & 8) || ((flags & ffInherited) && (flags & ffInline))) NotText("these component flags");
    Put(flags & ffInline ? "inline " : flags & ffInherited ? "inherited " : "object ");
    if (!name.empty()) Put(name + ": ");
    Put(className);
    if (flags & ffChildPos) Put(" [" + std::to_string(position) + "]");
    while (!FReader.EndOfList()) {
      NewLine(indent + 2);
      ConvertProperty(indent + 2);
    }
    FReader.ReadListEnd();
    while (!FReader.EndOfList()) {
      NewLine(indent + 2);
      ConvertObject(indent + 2);
    }
    FReader.ReadListEnd();
    NewLine(indent);
    Put("end");
    if (indent == 0) Put("\n");
  }

  void ConvertProperty(int indent) {
    std::string name = FReader.ReadStr();
    if (!IsDottedIdent(name)) NotText("a property name");
    Put(name + " = ");
    ConvertValue(indent);
  }

  void PutUnits(const std::vector<uint32_t>& units, int indent) {
    if (units.empty()) return Put("''");
    bool quoted = false;
    for (size_t i = 0; i < units.size(); ++i) {
      if (i > 0 && i % kUnitsPerLine == 0) {
        if (quoted) Put("'");
        quoted = false;
        Put(" +");
        NewLine(indent);
      }
      uint32_t u = units[i];
      if (u >= 32 && u < 127) {
        if (!quoted) Put("'");
        quoted = true;
        if (u == '\'')
          Put("''");
        else
          FText += char(u);
      } else {
        if (quoted) Put("'");
        quoted = false;
        Put("#" + std::to_string(u));
      }
    }
    if (quoted) Put("'");
  }

  static std::vector<uint32_t> ByteUnits(const std::string& bytes) {
    std::vector<uint32_t> units;
    units.reserve(bytes.size());
    for (char c : bytes) units.push_back(uint8_t(c));
    return units;
  }

  void ConvertValue(int indent) {
    Depth depth(FDepth);
    TValueType type = FReader.NextValue();
    switch (type) {
      case vaList:
        FReader.ReadValue();
        Put("(");
        while (!FReader.EndOfList()) {
          NewLine(indent + 2);
          ConvertValue(indent + 2);
        }
        FReader.ReadListEnd();
        Put(")");
        return;
      case vaInt8:
      case vaInt16:
      case vaInt32:
        Put(std::to_string(FReader.ReadInteger()));
        return;
      case vaInt64:
        Put(std::to_string(FReader.ReadInt64()));
        return;
      case vaExtended: {
        FReader.ReadValue();
        std::string bytes = FReader.ReadBytes(10);
        long double value = 0;
        std::memcpy(&value, bytes.data(), 10);
        std::string text = ExactDecimal<long double>(value, 21, ParseLongDouble);
        Put(text.empty() ? "Extended{" + Hex(bytes) + "}" : text);
        return;
      }
      case vaSingle: {
        FReader.ReadValue();
        std::string bytes = FReader.ReadBytes(4);
        float value;
        std::memcpy(&value, bytes.data(), 4);
        std::string text = ExactDecimal<float>(value, 9, ParseFloat);
        Put(text.empty() ? "Single{" + Hex(bytes) + "}" : text + "s");
        return;
      }
      case vaDate: {
        FReader.ReadValue();
        std::string bytes = FReader.ReadBytes(8);
        double value;
        std::memcpy(&value, bytes.data(), 8);
        std::string text = ExactDecimal<double>(value, 17, ParseDouble);
        Put(text.empty() ? "Date{" + Hex(bytes) + "}" : text + "d");
        return;
      }
      case vaCurrency: {
        FReader.ReadValue();
        auto value = int64_t(LoadLe(FReader.ReadBytes(8)));
        uint64_t magnitude = value < 0 ? uint64_t(0) - uint64_t(value) : uint64_t(value);
        std::string fraction = std::to_string(magnitude % 10000);
        fraction.insert(0, 4 - fraction.size(), '0');
        while (fraction.size() > 1 && fraction.back() == '0') fraction.pop_back();
        Put((value < 0 ? "-" : "") + std::to_string(magnitude / 10000) + "." + fraction + "c");
        return;
      }
      case vaString:
      case vaLString:
        PutUnits(ByteUnits(FReader.ReadString()), indent + 2);
        return;
      case vaUTF8String: {
        FReader.ReadValue();
        std::string length = FReader.ReadBytes(4);
        Put("U");
        PutUnits(ByteUnits(FReader.ReadBytes(LoadLe(length))), indent + 2);
        return;
      }
      case vaWString: {
        std::u16string text = FReader.ReadWideString();
        std::vector<uint32_t> units(text.begin(), text.end());
        bool fitsBytes = true;
        for (uint32_t u : units) fitsBytes &= u < 256;
        if (fitsBytes) Put("W");
        PutUnits(units, indent + 2);
        return;
      }
      case vaIdent: {
        FReader.ReadValue();
        std::string ident = FReader.ReadStr();
        if (!IsDottedIdent(ident) || IsReservedIdent(ident)) NotText("an identifier");
        Put(ident);
        return;
      }
      case vaFalse:
        FReader.ReadValue();
        Put("False");
        return;
      case vaTrue:
        FReader.ReadValue();
        Put("True");
        return;
      case vaNil:
        FReader.ReadValue();
        Put("nil");
        return;
      case vaBinary: {
        FReader.ReadValue();
        std::string bytes = FReader.ReadBytes(LoadLe(FReader.ReadBytes(4)));
        Put("{");
        for (size_t i = 0; i < bytes.size(); i += kBytesPerLine) {
          NewLine(indent + 2);
          Put(Hex(bytes.substr(i, kBytesPerLine)));
        }
        Put("}");
        return;
      }
      case vaSet: {
        FReader.ReadValue();
        Put("[");
        bool first = true;
        while (true) {
          std::string element = FReader.ReadStr();
          if (element.empty()) break;
          if (!IsValidIdent(element)) NotText("a set element");
          if (!first) Put(", ");
          first = false;
          Put(element);
        }
        Put("]");
        return;
      }
      case vaCollection: {
        FReader.ReadValue();
        Put("<");
        while (!FReader.EndOfList()) {
          NewLine(indent + 2);
          Put("item");
          TValueType next = FReader.NextValue();
          if (next == vaInt8 || next == vaInt16 || next == vaInt32)
            Put(" [" + std::to_string(FReader.ReadInteger()) + "]");
          if (FReader.ReadValue() != vaList) throw EReadError(SInvalidImage);
          while (!FReader.EndOfList()) {
            NewLine(indent + 4);
            ConvertProperty(indent + 4);
          }
          FReader.ReadListEnd();
          NewLine(indent + 2);
          Put("end");
        }
        FReader.ReadListEnd();
        Put(">");
        return;
      }
      default:
        throw EReadError(SInvalidImage);
    }
  }

  TReader FReader;
  TStream& FOutput;
  std::string FText;
  int FDepth = 0;
};

}  // namespace

void ObjectBinaryToText(TStream& input, TStream& output) { BinaryToText(input, output).Run(); }

std::string ObjectBinaryToText(std::string_view binary) {
  TCustomMemoryStream input(binary.data(), int64_t(binary.size()));
  TMemoryStream output;
  ObjectBinaryToText(input, output);
  return std::string(reinterpret_cast<const char*>(output.Memory()), size_t(output.Size()));
}

}  // namespace z5t8::framework
