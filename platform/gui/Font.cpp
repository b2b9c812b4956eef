#include "platform/gui/Font.h"

namespace z5t8::platform::gui {

Font::Font() = default;

}  // namespace z5t8::platform::gui
