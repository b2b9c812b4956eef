#pragma once

#include <bitset>
#include <string>
#include <string_view>

namespace z5t8::skin::render {

using TSysCharSet = std::bitset<256>;

// Takes the next token from the front of text: characters up to the first
// delimiter, which is removed too. Token and rest are trimmed of blanks.
// The default delimiters are blank ( ) , : ; =
std::string GetToken(std::string& text);
std::string GetToken(std::string& text, std::string_view delimiters);
std::string GetToken(std::string& text, const TSysCharSet& delimiters);

// Removes leading and trailing blanks and control characters.
std::string Trim(std::string_view text);

}  // namespace z5t8::skin::render
