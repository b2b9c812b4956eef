#pragma once

#include "framework/gui/Control.h"
#include "skin/theme/ThemeTypes.h"

// What the frame's files share about its parts: which hit-test parts are
// border and which caption buttons, and the rectangle tests they use.
namespace z5t8::skin::controls::frame {

using framework::TRect;

inline bool PtIn(const TRect& r, int x, int y) {
  return x >= r.left && x < r.right && y >= r.top && y < r.bottom;
}

inline bool IsEmpty(const TRect& r) { return r.right <= r.left || r.bottom <= r.top; }

inline TRect Offset(const TRect& r, int dx, int dy) {
  return {r.left + dx, r.top + dy, r.right + dx, r.bottom + dy};
}

inline bool IsBorderPart(theme::TteWindowHitTest part) {
  return part >= theme::kwhtCaption && part <= theme::kwhtBottomRight;
}

inline bool IsCaptionButton(theme::TteWindowHitTest part) {
  return part >= theme::kwhtCloseButton && part <= theme::kwhtSysMenu;
}

}  // namespace z5t8::skin::controls::frame
