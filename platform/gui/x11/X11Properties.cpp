#include "platform/gui/x11/X11Properties.h"

namespace z5t8::platform::gui {

namespace {

std::string utf8(const std::u16string& s) {
  std::string out;
  for (size_t i = 0; i < s.size(); ++i) {
    char32_t c = s[i];
    if (c >= 0xD800 && c < 0xDC00 && i + 1 < s.size() && s[i + 1] >= 0xDC00 && s[i + 1] < 0xE000) {
      c = 0x10000 + ((c - 0xD800) << 10) + (s[i + 1] - 0xDC00);
      ++i;
    }
    if (c < 0x80) {
      out += char(c);
    } else if (c < 0x800) {
      out += char(0xC0 | (c >> 6));
      out += char(0x80 | (c & 0x3F));
    } else if (c < 0x10000) {
      out += char(0xE0 | (c >> 12));
      out += char(0x80 | ((c >> 6) & 0x3F));
      out += char(0x80 | (c & 0x3F));
    } else {
      out += char(0xF0 | (c >> 18));
      out += char(0x80 | ((c >> 12) & 0x3F));
      out += char(0x80 | ((c >> 6) & 0x3F));
      out += char(0x80 | (c & 0x3F));
    }
  }
  return out;
}

}  // namespace

void SetX11WindowName(Display* d, Window w, Atom netWmName, Atom utf8String, const std::u16string& name) {
  std::string s = utf8(name);
  XChangeProperty(d, w, netWmName, utf8String, 8, PropModeReplace,
                  reinterpret_cast<const unsigned char*>(s.data()), int(s.size()));
  XStoreName(d, w, s.c_str());
}

}  // namespace z5t8::platform::gui
