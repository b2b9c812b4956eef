#pragma once

#include <exception>
#include <string>

namespace z5t8::framework {

// The root of every error the framework raises; carries the user-visible message.
class Exception : public std::exception {
public:
  explicit Exception(std::string message) : FMessage(std::move(message)) {}
  const std::string& Message() const { return FMessage; }
  const char* what() const noexcept override { return FMessage.c_str(); }

private:
  std::string FMessage;
};

#define Z5T8_EXCEPTION(Name, Base) \
  class Name : public Base {       \
  public:                          \
    using Base::Base;              \
  }

Z5T8_EXCEPTION(EStreamError, Exception);
Z5T8_EXCEPTION(EFCreateError, EStreamError);
Z5T8_EXCEPTION(EFOpenError, EStreamError);
Z5T8_EXCEPTION(EFilerError, EStreamError);
Z5T8_EXCEPTION(EReadError, EFilerError);
Z5T8_EXCEPTION(EWriteError, EFilerError);
Z5T8_EXCEPTION(EClassNotFound, EFilerError);
Z5T8_EXCEPTION(EResNotFound, Exception);
Z5T8_EXCEPTION(EParserError, Exception);
Z5T8_EXCEPTION(EConvertError, Exception);
Z5T8_EXCEPTION(EListError, Exception);
Z5T8_EXCEPTION(EComponentError, Exception);
Z5T8_EXCEPTION(EInvalidOperation, Exception);

#undef Z5T8_EXCEPTION

// Message texts shared by several readers and writers.
inline constexpr const char* SReadError = "Stream read error";
inline constexpr const char* SWriteError = "Stream write error";
inline constexpr const char* SInvalidImage = "Invalid stream format";
inline constexpr const char* SInvalidPropertyValue = "Invalid property value";

// StrToInt of the runtime: decimal with an optional sign, or hexadecimal after "$" or "0x";
// anything else raises EConvertError "'%s' is not a valid integer value".
int StrToInt(const std::string& text);
bool TryStrToInt(const std::string& text, int& value);
std::string IntToStr(long long value);

}  // namespace z5t8::framework
