#include "platform/gui/x11/X11Keyboard.h"

#include "platform/gui/VirtualKeys.h"

#include <X11/keysym.h>

namespace z5t8::platform::gui {

namespace {

struct KeyMap {
  KeySym sym;
  int vk;
};

// Keys whose virtual key is not their character.
constexpr KeyMap kKeys[] = {
    {XK_BackSpace, VK_BACK},
    {XK_Tab, VK_TAB},
    {XK_ISO_Left_Tab, VK_TAB},
    {XK_Return, VK_RETURN},
    {XK_KP_Enter, VK_RETURN},
    {XK_Escape, VK_ESCAPE},
    {XK_space, VK_SPACE},
    {XK_Prior, VK_PRIOR},
    {XK_Next, VK_NEXT},
    {XK_End, VK_END},
    {XK_Home, VK_HOME},
    {XK_Left, VK_LEFT},
    {XK_Up, VK_UP},
    {XK_Right, VK_RIGHT},
    {XK_Down, VK_DOWN},
    {XK_Insert, VK_INSERT},
    {XK_Delete, VK_DELETE},
    {XK_Shift_L, VK_SHIFT},
    {XK_Shift_R, VK_SHIFT},
    {XK_Control_L, VK_CONTROL},
    {XK_Control_R, VK_CONTROL},
    {XK_Alt_L, VK_MENU},
    {XK_Alt_R, VK_MENU},
    {XK_Meta_L, VK_MENU},
    {XK_Caps_Lock, VK_CAPITAL},
    {XK_Num_Lock, VK_NUMLOCK},
    {XK_Scroll_Lock, VK_SCROLL},
    {XK_Pause, VK_PAUSE},
    {XK_Print, VK_SNAPSHOT},
    {XK_Menu, VK_APPS},
    {XK_Super_L, VK_LWIN},
    {XK_Super_R, VK_RWIN},
    {XK_KP_Multiply, VK_MULTIPLY},
    {XK_KP_Add, VK_ADD},
    {XK_KP_Subtract, VK_SUBTRACT},
    {XK_KP_Decimal, VK_DECIMAL},
    {XK_KP_Divide, VK_DIVIDE},
    {XK_semicolon, VK_OEM_1},
    {XK_colon, VK_OEM_1},
    {XK_equal, VK_OEM_PLUS},
    {XK_plus, VK_OEM_PLUS},
    {XK_comma, VK_OEM_COMMA},
    {XK_less, VK_OEM_COMMA},
    {XK_minus, VK_OEM_MINUS},
    {XK_underscore, VK_OEM_MINUS},
    {XK_period, VK_OEM_PERIOD},
    {XK_greater, VK_OEM_PERIOD},
    {XK_slash, VK_OEM_2},
    {XK_question, VK_OEM_2},
    {XK_grave, VK_OEM_3},
    {XK_asciitilde, VK_OEM_3},
    {XK_bracketleft, VK_OEM_4},
    {XK_braceleft, VK_OEM_4},
    {XK_backslash, VK_OEM_5},
    {XK_bar, VK_OEM_5},
    {XK_bracketright, VK_OEM_6},
    {XK_braceright, VK_OEM_6},
    {XK_apostrophe, VK_OEM_7},
    {XK_quotedbl, VK_OEM_7},
};

}  // namespace

int X11VirtualKey(KeySym sym) {
  if (sym >= XK_a && sym <= XK_z) return int(sym - XK_a + 'A');
  if (sym >= XK_A && sym <= XK_Z) return int(sym - XK_A + 'A');
  if (sym >= XK_0 && sym <= XK_9) return int(sym - XK_0 + '0');
  if (sym >= XK_F1 && sym <= XK_F12) return int(sym - XK_F1 + VK_F1);
  if (sym >= XK_KP_0 && sym <= XK_KP_9) return int(sym - XK_KP_0 + VK_NUMPAD0);
  for (const KeyMap& k : kKeys) {
    if (k.sym == sym) return k.vk;
  }
  return 0;
}

bool X11ExtendedKey(KeySym sym) {
  switch (sym) {
    case XK_Prior:
    case XK_Next:
    case XK_End:
    case XK_Home:
    case XK_Left:
    case XK_Up:
    case XK_Right:
    case XK_Down:
    case XK_Insert:
    case XK_Delete:
    case XK_Control_R:
    case XK_Alt_R:
    case XK_KP_Enter:
    case XK_KP_Divide:
      return true;
    default:
      return false;
  }
}

// Latin-1 keysyms are their code points; Unicode keysyms carry theirs.
std::u16string X11KeyText(KeySym sym, const char* latin1, int n) {
  char32_t c = 0;
  if (sym >= 0x01000100 && sym <= 0x0110FFFF)
    c = char32_t(sym - 0x01000000);
  else if (n == 1)
    c = char32_t(uint8_t(latin1[0]));
  if (c == 0) return {};
  std::u16string out;
  if (c >= 0x10000) {
    c -= 0x10000;
    out += char16_t(0xD800 + (c >> 10));
    out += char16_t(0xDC00 + (c & 0x3FF));
  } else {
    out += char16_t(c);
  }
  return out;
}

}  // namespace z5t8::platform::gui
