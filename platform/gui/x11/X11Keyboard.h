#pragma once

#include <string>

#include <X11/Xlib.h>

namespace z5t8::platform::gui {

// The virtual key a keysym stands for; 0 for a key that has none.
int X11VirtualKey(KeySym sym);

// Keys of the extended block (the arrows and the block above them, the right
// Control and Alt, the keypad's Enter and divide), flagged as such in key messages.
bool X11ExtendedKey(KeySym sym);

// What a key press types, from its keysym and the Latin-1 bytes the lookup gave.
std::u16string X11KeyText(KeySym sym, const char* latin1, int n);

}  // namespace z5t8::platform::gui
