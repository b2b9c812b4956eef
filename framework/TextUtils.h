#pragma once

#include <string>
#include <string_view>

namespace z5t8::framework {

// Names (classes, components, properties, identifiers) compare without regard to ASCII case.
bool SameText(std::string_view a, std::string_view b);
std::string UpperCase(std::string_view text);
// A letter or underscore, then letters, digits or underscores.
bool IsValidIdent(std::string_view text);

// 8-bit strings are UTF-8; drawn texts are UTF-16. Malformed input becomes U+FFFD.
std::u16string Utf8ToUtf16(std::string_view text);
std::string Utf16ToUtf8(std::u16string_view text);
// Appends one code point, as a surrogate pair above U+FFFF.
void AppendUtf16(std::u16string& out, char32_t cp);
// Decodes the code point at text[i] and moves i past it; false (i moved one byte) when malformed.
bool DecodeUtf8Char(std::string_view text, size_t& i, char32_t& cp);
// True when the bytes are well-formed UTF-8 (no surrogates, no overlong forms).
bool IsValidUtf8(std::string_view text);

}  // namespace z5t8::framework
