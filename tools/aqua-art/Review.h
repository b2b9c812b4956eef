#pragma once

#include <string>

namespace z5t8::tools::aqua_art {

// The review sheet: the pictures in DIR put together the way the skin uses them (the
// frames, caption buttons, push buttons, a memo with its scroll bar), every picture at
// its size and four times, and the joins magnified, written to OUT.
void MakeReview(const std::string& dir, const std::string& out);

}  // namespace z5t8::tools::aqua_art
