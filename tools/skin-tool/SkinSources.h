#pragma once

#include <memory>
#include <string>

#include "skin/se3/SkinSource.h"

namespace z5t8::skin_tool {

// A skin as a directory of sources that can be read and diffed:
//
//   Skin.txt        the header strings, then the pictures and the top-level objects in
//                   stored order:   SkinName = 'Aqua'
//                                   Image = 'name' file.png [TRANSPARENT ALPHA]
//                                   Object = Form.txt
//   *.png           the pictures, straight alpha; the two flags are 0 or 1 and, when left
//                   out, follow from the pixels (the key colour, partial alpha)
//   *.txt objects   one top-level object each in the framework's text form, its children
//                   nested as object ... end blocks
//   Colors.txt, SysColors.txt, Fonts.txt
//                   one "Name = value" line per table entry, in stored order
//
// Lines starting with "#" are comments. Strings are quoted as in the text form.
// Errors raise framework::Exception with a message naming the file and the line.
std::unique_ptr<skin::se3::TSeSkinSource> ReadSkinSources(const std::string& dir);
// The inverse; the directory is created when missing. Reading the result back gives a
// skin that stores to the same bytes.
void WriteSkinSources(skin::se3::TSeSkinSource& skin, const std::string& dir);

// A readable account of a skin: header, pictures with their flags, the object tree as an
// outline, and the tables.
std::string DescribeSkin(skin::se3::TSeSkinSource& skin);

}  // namespace z5t8::skin_tool
