#include "skin/render/Tokens.h"

namespace z5t8::skin::render {

namespace {

TSysCharSet SetOf(std::string_view chars) {
  TSysCharSet set;
  for (char c : chars) set.set(static_cast<unsigned char>(c));
  return set;
}

}  // namespace

std::string Trim(std::string_view text) {
  size_t b = 0, e = text.size();
  while (b < e && static_cast<unsigned char>(text[b]) <= ' ') ++b;
  while (e > b && static_cast<unsigned char>(text[e - 1]) <= ' ') --e;
  return std::string(text.substr(b, e - b));
}

std::string GetToken(std::string& text, const TSysCharSet& delimiters) {
  size_t i = 0;
  while (i < text.size() && !delimiters.test(static_cast<unsigned char>(text[i]))) ++i;
  std::string token = Trim(std::string_view(text).substr(0, i));
  text = i < text.size() ? Trim(std::string_view(text).substr(i + 1)) : std::string();
  return token;
}

std::string GetToken(std::string& text, std::string_view delimiters) {
  return GetToken(text, SetOf(delimiters));
}

std::string GetToken(std::string& text) {
  static const TSysCharSet standard = SetOf(" (),:;=");
  return GetToken(text, standard);
}

}  // namespace z5t8::skin::render
