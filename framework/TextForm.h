#pragma once

#include <functional>
#include <string>
#include <string_view>

namespace z5t8::framework {

class TStream;

// The text form of component streams, converted both ways without knowing any class:
//
//   object Form1: TForm1
//     Caption = 'QUEX Z5T8  '#36575#39636
//     Font.Style = [fsBold]
//     Lines.Strings = (
//       'first'
//       'second')
//     Themes = <
//       item
//         Tag = 0
//       end>
//     Data = {
//       0A0B0C}
//     object Child: TChild [2]
//     end
//   end
//
// `inherited` and `inline` open components with those flags, "[n]" after the class gives
// the child position. Strings are quoted runs and #n escapes joined by '+': escapes up to
// 255 are bytes of an 8-bit string; an escape above 255 or a literal non-ASCII character
// makes the string wide (UTF-16). W'...' marks a wide string whose units all fit a byte,
// U'...' a UTF-8 string. Floats are extended, or single, currency and date with the
// suffixes s, c and d; Extended{..}, Single{..} and Date{..} hold the raw bytes of values
// that have no exact decimal form. Streams the writer produces come back byte for byte.

// How deep components may nest, in either direction.
inline constexpr int kObjectTextMaxDepth = 200;

// Binary to text. EReadError for a malformed stream or one whose names are not identifiers.
void ObjectBinaryToText(TStream& input, TStream& output);
std::string ObjectBinaryToText(std::string_view binary);
// Text to binary. EParserError "<what> on line <n>" for malformed text.
void ObjectTextToBinary(TStream& input, TStream& output);
std::string ObjectTextToBinary(std::string_view text);

// For layouts compiled at build time: a binary value written {@name} takes the bytes the
// resolver gives for name (a file made by another build step). Without a resolver such a
// value is an error.
using TBinaryIncludes = std::function<std::string(const std::string& name)>;
std::string ObjectTextToBinary(std::string_view text, const TBinaryIncludes& includes);

}  // namespace z5t8::framework
