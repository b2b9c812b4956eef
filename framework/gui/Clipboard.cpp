#include "framework/gui/Clipboard.h"

namespace z5t8::framework {

TClipboard& Clipboard() {
  static TClipboard clipboard;
  return clipboard;
}

}  // namespace z5t8::framework
