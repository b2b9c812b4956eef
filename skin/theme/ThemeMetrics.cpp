#include "skin/theme/ThemeMetrics.h"

#include "framework/Properties.h"
#include "skin/render/RectUtils.h"
#include "skin/theme/Theme.h"
#include "skin/theme/ThemeManager.h"
#include "skin/theme/ThemeServices.h"

namespace z5t8::skin::theme {

Z5T8_IMPLEMENT_CLASS(TteThemeMetrics, framework::TPersistent) {}

void TteThemeMetrics::Assign(const framework::TPersistent* source) {
  // Nothing to copy but the class check: the owner stays.
  if (!dynamic_cast<const TteThemeMetrics*>(source)) framework::TPersistent::Assign(source);
}

TktlMargin TteThemeMetrics::GetMargin(TktlMarginId id) const {
  static const std::string defaultName = "default";
  TteWindowSubclass subclass = kwscStandard;
  switch (id) {
    case ktmiWindowDialog:
      subclass = kwscDialog;
      break;
    case ktmiWindowBorder:
      subclass = kwscBorder;
      break;
    case ktmiWindowMessage:
      subclass = kwscMessage;
      break;
    case ktmiWindowTextured:
      subclass = kwscTextured;
      break;
    case ktmiWindowToolWindow:
      subclass = kwscToolWindow;
      break;
    default:
      break;
  }
  if (!IsObjectDefined(subclass, defaultName, nullptr)) {
    subclass = kwscStandard;
    if (!IsObjectDefined(subclass, defaultName, nullptr)) return Margin(0, 0, 0, 0);
  }
  // The current theme answers, not the theme these metrics belong to.
  TRect c = CurrentTheme()->WindowGetClientRect(subclass, TRect{0, 0, 400, 400}, defaultName);
  // The skin's layout decides the client rectangle, so its edges may lie anywhere.
  return Margin(c.left, c.top, render::SatDiff(400, c.right), render::SatDiff(400, c.bottom));
}

}  // namespace z5t8::skin::theme
