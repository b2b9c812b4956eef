#pragma once

#include <optional>
#include <string>

#include "platform/gui/Region.h"
#include "skin/theme/Theme.h"

namespace z5t8::skin::controls::testing {

// A window object with rounded top corners, thicker borders than the
// platform's (6 pixels) and a 30-pixel title: what the frame must turn into a
// window region and a client area.
class TRoundedTopTheme : public theme::TteTheme {
  Z5T8_CLASS(TRoundedTopTheme, theme::TteTheme)
  Z5T8_THEME_CLASS(TRoundedTopTheme)
public:
  framework::TRect WindowGetClientRect(theme::TteWindowSubclass, const framework::TRect& r,
                                       const std::string&) override;
  std::optional<platform::gui::Region> WindowGetRegion(theme::TteWindowSubclass, const framework::TRect& r,
                                                       const std::string&) override;
};

}  // namespace z5t8::skin::controls::testing
