#pragma once

#include <string>

#include "framework/Color.h"
#include "framework/Font.h"

namespace z5t8::skin::theme {

// A colour as stored skins write it: its identifier ("clWhite"), else "0x" and eight
// upper-case hexadecimal digits.
std::string ColorToValueText(framework::TColor color);
// An identifier (any case) or a number, decimal or hexadecimal; EConvertError otherwise.
framework::TColor ValueTextToColor(const std::string& text);

// "Face,size,charset,red,green,blue" and ",bold", ",italic", ",underline", ",strikeout"
// for the styles the font has; red, green and blue are the colour's three low bytes.
std::string FontToDescription(const framework::TFont& font);
// Sets face, size, colour and style from a description whose items are separated by ","
// or ";" and trimmed; colour = red + 256 * green + 65536 * blue. The charset item is not
// applied. A missing or malformed number raises EConvertError.
void DescriptionToFont(const std::string& description, framework::TFont& font);

}  // namespace z5t8::skin::theme
