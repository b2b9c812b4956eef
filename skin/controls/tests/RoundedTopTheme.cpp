#include "skin/controls/tests/RoundedTopTheme.h"

#include "framework/Properties.h"

namespace z5t8::skin::controls::testing {

framework::TRect TRoundedTopTheme::WindowGetClientRect(theme::TteWindowSubclass, const framework::TRect& r,
                                                       const std::string&) {
  return {r.left + 6, r.top + 30, r.right - 6, r.bottom - 6};
}

std::optional<platform::gui::Region> TRoundedTopTheme::WindowGetRegion(theme::TteWindowSubclass,
                                                                       const framework::TRect& r,
                                                                       const std::string&) {
  platform::gui::Region region =
      platform::gui::Region::roundRect({r.left, r.top, r.right, r.bottom + 20}, 20, 20);
  region.intersect(r);
  return region;
}

Z5T8_IMPLEMENT_CLASS(TRoundedTopTheme, theme::TteTheme) {}

}  // namespace z5t8::skin::controls::testing
