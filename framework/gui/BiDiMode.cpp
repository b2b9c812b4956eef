#include "framework/gui/BiDiMode.h"

#include "platform/gui/DeviceContext.h"
#include "platform/gui/Locale.h"

namespace z5t8::framework {

namespace pg = platform::gui;

bool UseRightToLeftAlignment(TBiDiMode mode) { return mode != bdLeftToRight && pg::LocaleIsRightToLeft(); }

bool UseRightToLeftReading(TBiDiMode mode) { return mode == bdRightToLeft && pg::LocaleIsRightToLeft(); }

uint32_t DrawTextBiDiModeFlags(TBiDiMode mode, uint32_t flags) {
  if (UseRightToLeftAlignment(mode)) {
    if (flags & pg::DT_RIGHT)
      flags &= ~pg::DT_RIGHT;
    else if (!(flags & pg::DT_CENTER))
      flags |= pg::DT_RIGHT;
  }
  if (UseRightToLeftReading(mode)) flags |= pg::DT_RTLREADING;
  return flags;
}

}  // namespace z5t8::framework
