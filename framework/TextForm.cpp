#include "framework/TextForm.h"

#include <cctype>
#include <cfloat>
#include <cmath>
#include <cstdlib>
#include <cstring>
#include <vector>

#include "framework/Exceptions.h"
#include "framework/Filer.h"
#include "framework/MemoryStream.h"
#include "framework/TextUtils.h"
#include "framework/Writer.h"

static_assert(LDBL_MANT_DIG == 64, "extended values are kept in the x87 80-bit long double");

namespace z5t8::framework {

namespace {

// ---------------------------------------------------------------- text to binary

enum class Tok { End, Ident, Typed, Number, String, Symbol };

class TextToBinary {
public:
  TextToBinary(std::string_view text, TStream& output, const TBinaryIncludes* includes = nullptr)
      : FText(text), FOut(output), FWriter(output), FIncludes(includes) {}

  void Run() {
    Next();
    FWriter.WriteSignature();
    ConvertObject();
  }

private:
  struct Depth {
    Depth(int& d, TextToBinary& p) : FD(d) {
      if (++FD > kObjectTextMaxDepth) p.Error("Nesting too deep");
    }
    ~Depth() { --FD; }
    int& FD;
  };

  [[noreturn]] void Error(const std::string& what) const {
    throw EParserError(what + " on line " + std::to_string(FTokenLine));
  }

  // ---- tokens
  static bool IdentStart(char c) { return (c >= 'A' && c <= 'Z') || (c >= 'a' && c <= 'z') || c == '_'; }
  static bool IdentChar(char c) { return IdentStart(c) || (c >= '0' && c <= '9'); }
  static bool Digit(char c) { return c >= '0' && c <= '9'; }
  char At(size_t i) const { return i < FText.size() ? FText[i] : '\0'; }

  void Next() {
    while (FPos < FText.size() &&
           (FText[FPos] == ' ' || FText[FPos] == '\t' || FText[FPos] == '\r' || FText[FPos] == '\n')) {
      if (FText[FPos] == '\n') ++FLine;
      ++FPos;
    }
    FTokenLine = FLine;
    FValue.clear();
    if (FPos >= FText.size()) {
      FTok = Tok::End;
      return;
    }
    char c = FText[FPos];
    size_t start = FPos;
    if (IdentStart(c)) {
      while (IdentChar(At(FPos)) || (At(FPos) == '.' && IdentStart(At(FPos + 1)))) ++FPos;
      FValue = std::string(FText.substr(start, FPos - start));
      char n = At(FPos);
      FTok = (n == '\'' || n == '#' || n == '{') ? Tok::Typed : Tok::Ident;
    } else if (Digit(c) || c == '$' ||
               ((c == '-' || c == '+') && (Digit(At(FPos + 1)) || At(FPos + 1) == '$'))) {
      if (c == '-' || c == '+') ++FPos;
      if (At(FPos) == '$') {
        ++FPos;
        while (std::isxdigit(uint8_t(At(FPos)))) ++FPos;
      } else {
        while (Digit(At(FPos))) ++FPos;
        if (At(FPos) == '.' && Digit(At(FPos + 1))) {
          ++FPos;
          while (Digit(At(FPos))) ++FPos;
        }
        if ((At(FPos) == 'e' || At(FPos) == 'E') &&
            (Digit(At(FPos + 1)) || ((At(FPos + 1) == '-' || At(FPos + 1) == '+') && Digit(At(FPos + 2))))) {
          FPos += 2;
          while (Digit(At(FPos))) ++FPos;
        }
        char s = At(FPos);
        if (s == 's' || s == 'S' || s == 'c' || s == 'C' || s == 'd' || s == 'D') ++FPos;
      }
      FValue = std::string(FText.substr(start, FPos - start));
      FTok = Tok::Number;
    } else if (c == '\'' || c == '#') {
      FTok = Tok::String;
    } else {
      ++FPos;
      FValue = std::string(1, c);
      FTok = Tok::Symbol;
    }
  }

  bool IsSymbol(char c) const { return FTok == Tok::Symbol && FValue[0] == c; }
  void Expect(char c) {
    if (!IsSymbol(c)) Error(std::string("'") + c + "' expected");
    Next();
  }
  bool IsKeyword(std::string_view word) const { return FTok == Tok::Ident && SameText(FValue, word); }
  std::string ExpectIdent(bool dotted) {
    if (FTok != Tok::Ident || (!dotted && FValue.find('.') != std::string::npos))
      Error("Identifier expected");
    std::string ident = FValue;
    if (ident.size() > 255) Error("Identifier too long");
    Next();
    return ident;
  }

  // ---- values
  int64_t ParseInteger(const std::string& text) {
    size_t i = 0;
    bool negative = false;
    if (text[i] == '-' || text[i] == '+') negative = text[i++] == '-';
    int base = 10;
    if (i < text.size() && text[i] == '$') {
      base = 16;
      ++i;
    }
    if (i == text.size()) Error("Invalid integer " + text);
    uint64_t acc = 0;
    for (; i < text.size(); ++i) {
      char c = text[i];
      int d = Digit(c)                 ? c - '0'
              : (c >= 'a' && c <= 'f') ? c - 'a' + 10
              : (c >= 'A' && c <= 'F') ? c - 'A' + 10
                                       : 99;
      if (d >= base) Error("Invalid integer " + text);
      if (acc > (UINT64_MAX - uint64_t(d)) / uint64_t(base)) Error("Integer out of range " + text);
      acc = acc * uint64_t(base) + uint64_t(d);
    }
    if (negative ? acc > uint64_t(INT64_MAX) + 1 : acc > uint64_t(INT64_MAX))
      Error("Integer out of range " + text);
    return negative ? int64_t(uint64_t(0) - acc) : int64_t(acc);
  }

  void WriteRaw(const void* data, size_t size) { FOut.WriteBuffer(data, int64_t(size)); }

  void ConvertNumber() {
    WriteNumber(FValue);
    Next();
  }

  void WriteNumber(std::string text) {
    char suffix = text.back();
    // In a hexadecimal number C, D and E are digits, not suffixes or exponents.
    const bool hex = text.find('$') != std::string::npos;
    bool isFloat = text.find_first_of(".eE") != std::string::npos && !hex;
    char kind = 0;
    if (!hex && (suffix == 's' || suffix == 'S' || suffix == 'c' || suffix == 'C' || suffix == 'd' ||
                 suffix == 'D')) {
      kind = char(suffix | 0x20);
      text.pop_back();
      isFloat = true;
    }
    if (!isFloat) return FWriter.WriteInteger(ParseInteger(text));
    if (kind == 'c') return WriteCurrency(text);
    if (kind == 's') {
      float v = std::strtof(text.c_str(), nullptr);
      if (!std::isfinite(v)) Error("Invalid floating point number " + text);
      FWriter.WriteValue(vaSingle);
      return WriteRaw(&v, 4);
    }
    if (kind == 'd') {
      double v = std::strtod(text.c_str(), nullptr);
      if (!std::isfinite(v)) Error("Invalid floating point number " + text);
      FWriter.WriteValue(vaDate);
      return WriteRaw(&v, 8);
    }
    long double v = std::strtold(text.c_str(), nullptr);
    if (!std::isfinite(v)) Error("Invalid floating point number " + text);
    FWriter.WriteValue(vaExtended);
    WriteRaw(&v, 10);
  }

  void WriteCurrency(const std::string& text) {
    size_t dot = text.find('.');
    std::string whole = text.substr(0, dot);
    std::string fraction = dot == std::string::npos ? "" : text.substr(dot + 1);
    if (whole.empty() || whole == "-" || whole == "+" || fraction.size() > 4 ||
        text.find_first_of("eE") != std::string::npos)
      Error("Invalid currency value " + text);
    bool negative = whole[0] == '-';
    int64_t units = ParseInteger(whole);
    fraction.append(4 - fraction.size(), '0');
    int64_t scaled;
    if (__builtin_mul_overflow(units, int64_t(10000), &scaled)) Error("Currency out of range " + text);
    int64_t part = std::stoll(fraction);
    if (__builtin_add_overflow(scaled, negative ? -part : part, &scaled))
      Error("Currency out of range " + text);
    FWriter.WriteValue(vaCurrency);
    uint8_t b[8];
    for (int i = 0; i < 8; ++i) b[i] = uint8_t(uint64_t(scaled) >> (8 * i));
    WriteRaw(b, 8);
  }

  struct Unit {
    uint32_t Value;
    bool Literal;
  };

  // Quoted runs and #n escapes, joined by '+' (also across lines).
  std::vector<Unit> ParseStringExpression() {
    std::vector<Unit> units;
    while (true) {
      bool any = false;
      while (FPos < FText.size() && (FText[FPos] == '\'' || FText[FPos] == '#')) {
        any = true;
        if (FText[FPos] == '\'') {
          ++FPos;
          while (true) {
            if (FPos >= FText.size() || FText[FPos] == '\n' || FText[FPos] == '\r')
              Error("Unterminated string");
            if (FText[FPos] == '\'') {
              if (At(FPos + 1) != '\'') break;
              ++FPos;
            }
            auto b = uint8_t(FText[FPos]);
            if (b < 0x80) {
              units.push_back({b, true});
              ++FPos;
              continue;
            }
            char32_t cp;
            if (!DecodeUtf8Char(FText, FPos, cp)) Error("Invalid UTF-8 in string");
            units.push_back({uint32_t(cp), true});
          }
          ++FPos;
        } else {
          ++FPos;
          uint64_t value = 0;
          bool hex = At(FPos) == '$';
          if (hex) ++FPos;
          size_t digits = 0;
          while (hex ? std::isxdigit(uint8_t(At(FPos))) != 0 : Digit(At(FPos))) {
            char c = FText[FPos++];
            value = value * (hex ? 16 : 10) + uint64_t(Digit(c) ? c - '0' : (c | 0x20) - 'a' + 10);
            if (value > 0x10FFFF) Error("Character value out of range");
            ++digits;
          }
          if (digits == 0) Error("Character value expected");
          units.push_back({uint32_t(value), false});
        }
      }
      if (!any) Error("String expected");
      Next();
      if (!IsSymbol('+')) return units;
      Next();
      if (FTok != Tok::String) Error("String expected");
    }
  }

  void ConvertString(char marker) {
    std::vector<Unit> units = ParseStringExpression();
    bool wide = marker == 'W';
    if (marker == 0)
      for (const Unit& u : units) wide |= u.Value > 255 || (u.Literal && u.Value >= 0x80);
    if (wide) {
      std::u16string text;
      for (const Unit& u : units) {
        if (!u.Literal && u.Value > 0xFFFF) Error("Character value out of range");
        if (u.Literal)
          AppendUtf16(text, u.Value);
        else
          text += char16_t(u.Value);
      }
      if (text.size() > UINT32_MAX) Error("String too long");
      return FWriter.WriteWideString(text);
    }
    std::string bytes;
    for (const Unit& u : units) {
      if (!u.Literal && u.Value <= 255) {
        bytes += char(u.Value);
      } else {
        if (u.Value >= 0xD800 && u.Value <= 0xDFFF) Error("Character value out of range");
        std::u16string one;
        AppendUtf16(one, u.Value);
        bytes += Utf16ToUtf8(one);
      }
    }
    if (marker == 'U') return FWriter.WriteUTF8String(bytes);
    if (bytes.size() <= 255) {
      FWriter.WriteValue(vaString);
      FWriter.WriteStr(bytes);
    } else {
      FWriter.WriteValue(vaLString);
      FOut.WriteUInt32(uint32_t(bytes.size()));
      WriteRaw(bytes.data(), bytes.size());
    }
  }

  std::string ParseHexBlock() {
    // At '{': hexadecimal digits, whitespace between pairs allowed, up to '}'.
    ++FPos;
    std::string bytes;
    int pending = -1;
    while (true) {
      char c = At(FPos);
      if (FPos >= FText.size()) Error("'}' expected");
      ++FPos;
      if (c == '}') break;
      if (c == ' ' || c == '\t' || c == '\r' || c == '\n') {
        if (c == '\n') ++FLine;
        continue;
      }
      if (!std::isxdigit(uint8_t(c))) Error("Invalid binary value");
      int d = Digit(c) ? c - '0' : (c | 0x20) - 'a' + 10;
      if (pending < 0) {
        pending = d;
      } else {
        bytes += char(pending << 4 | d);
        pending = -1;
      }
    }
    if (pending >= 0) Error("Invalid binary value");
    Next();
    return bytes;
  }

  void ConvertTyped() {
    std::string type = FValue;
    char n = At(FPos);
    if ((SameText(type, "W") || SameText(type, "U")) && n != '{') {
      Next();  // now at the string
      return ConvertString(char(type[0] & ~0x20));
    }
    if (n != '{') Error("Invalid value " + type);
    std::string bytes = ParseHexBlock();
    if (SameText(type, "Extended") && bytes.size() == 10)
      FWriter.WriteValue(vaExtended);
    else if (SameText(type, "Single") && bytes.size() == 4)
      FWriter.WriteValue(vaSingle);
    else if (SameText(type, "Date") && bytes.size() == 8)
      FWriter.WriteValue(vaDate);
    else
      Error("Invalid value " + type);
    WriteRaw(bytes.data(), bytes.size());
  }

  void ConvertValue() {
    Depth depth(FDepth, *this);
    switch (FTok) {
      case Tok::Number:
        return ConvertNumber();
      case Tok::String:
        return ConvertString(0);
      case Tok::Typed:
        return ConvertTyped();
      case Tok::Ident: {
        std::string ident = ExpectIdent(true);
        return FWriter.WriteIdent(ident);
      }
      case Tok::End:
        Error("Value expected");
      case Tok::Symbol:
        break;
    }
    char c = FValue[0];
    if (c == '[') {
      Next();
      FWriter.WriteValue(vaSet);
      if (!IsSymbol(']')) {
        while (true) {
          FWriter.WriteStr(ExpectIdent(false));
          if (IsSymbol(']')) break;
          Expect(',');
        }
      }
      Next();
      FWriter.WriteStr("");
    } else if (c == '(') {
      Next();
      FWriter.WriteListBegin();
      while (!IsSymbol(')')) ConvertValue();
      Next();
      FWriter.WriteListEnd();
    } else if (c == '{' && At(FPos) == '@') {
      size_t end = FText.find('}', FPos);
      if (end == std::string_view::npos) Error("'}' expected");
      std::string name(FText.substr(FPos + 1, end - FPos - 1));
      if (!FIncludes || !*FIncludes) Error("Binary includes are not allowed");
      std::string bytes = (*FIncludes)(name);
      if (bytes.size() > UINT32_MAX) Error("Binary value too long");
      FPos = end + 1;
      Next();
      FWriter.WriteBinary(bytes.data(), uint32_t(bytes.size()));
    } else if (c == '{') {
      FPos -= 1;
      std::string bytes = ParseHexBlock();
      FWriter.WriteBinary(bytes.data(), uint32_t(bytes.size()));
    } else if (c == '<') {
      Next();
      FWriter.WriteValue(vaCollection);
      while (!IsSymbol('>')) {
        if (!IsKeyword("item")) Error("'item' expected");
        Next();
        if (IsSymbol('[')) {
          Next();
          if (FTok != Tok::Number) Error("Integer expected");
          int64_t index = ParseInteger(FValue);
          if (index < INT32_MIN || index > INT32_MAX) Error("Integer out of range");
          Next();
          Expect(']');
          FWriter.WriteInteger(index);
        }
        FWriter.WriteListBegin();
        while (!IsKeyword("end")) ConvertProperty();
        Next();
        FWriter.WriteListEnd();
      }
      Next();
      FWriter.WriteListEnd();
    } else {
      Error("Value expected");
    }
  }

  void ConvertProperty() {
    std::string name = ExpectIdent(true);
    Expect('=');
    FWriter.WriteStr(name);
    ConvertValue();
  }

  void ConvertObject() {
    Depth depth(FDepth, *this);
    uint8_t flags = 0;
    if (IsKeyword("inherited"))
      flags = ffInherited;
    else if (IsKeyword("inline"))
      flags = ffInline;
    else if (!IsKeyword("object"))
      Error("'object' expected");
    Next();
    std::string name;
    std::string className = ExpectIdent(false);
    if (IsSymbol(':')) {
      Next();
      name = className;
      className = ExpectIdent(false);
    }
    int64_t position = 0;
    if (IsSymbol('[')) {
      Next();
      if (FTok != Tok::Number) Error("Integer expected");
      position = ParseInteger(FValue);
      if (position < INT32_MIN || position > INT32_MAX) Error("Integer out of range");
      Next();
      Expect(']');
      flags |= ffChildPos;
    }
    if (flags) {
      FOut.WriteByte(uint8_t(0xF0 | flags));
      if (flags & ffChildPos) FWriter.WriteInteger(position);
    }
    FWriter.WriteStr(className);
    FWriter.WriteStr(name);
    auto isChild = [this] { return IsKeyword("object") || IsKeyword("inherited") || IsKeyword("inline"); };
    while (!IsKeyword("end") && !isChild()) ConvertProperty();
    FWriter.WriteListEnd();
    while (!IsKeyword("end")) ConvertObject();
    FWriter.WriteListEnd();
    Next();
  }

  std::string_view FText;
  size_t FPos = 0;
  int FLine = 1;
  int FTokenLine = 1;
  Tok FTok = Tok::End;
  std::string FValue;
  TStream& FOut;
  TWriter FWriter;
  const TBinaryIncludes* FIncludes;
  int FDepth = 0;
};

}  // namespace

void ObjectTextToBinary(TStream& input, TStream& output) {
  TMemoryStream text;
  int64_t count = input.Size() - input.Position();
  if (count > 0) text.CopyFrom(input, count);
  TextToBinary(std::string_view(reinterpret_cast<const char*>(text.Memory()), size_t(text.Size())), output)
      .Run();
}

std::string ObjectTextToBinary(std::string_view text) { return ObjectTextToBinary(text, TBinaryIncludes()); }

std::string ObjectTextToBinary(std::string_view text, const TBinaryIncludes& includes) {
  TMemoryStream output;
  TextToBinary(text, output, &includes).Run();
  return std::string(reinterpret_cast<const char*>(output.Memory()), size_t(output.Size()));
}

}  // namespace z5t8::framework
