#include "platform/gui/SystemParameters.h"

#include <algorithm>

#include "platform/gui/Backend.h"
#include "platform/gui/SystemMetrics.h"
#include "platform/gui/WindowManager.h"

namespace z5t8::platform::gui {

namespace {

LogFont classicFont(bool bold) {
  LogFont lf;
  lf.height = -11;
  lf.weight = bold ? FW_BOLD : FW_NORMAL;
  lf.faceName = "Tahoma";
  lf.charSet = DEFAULT_CHARSET;
  return lf;
}

}  // namespace

BOOL SystemParametersInfoW(UINT action, UINT uiParam, void* param, UINT) {
  WindowManager& m = wm();
  switch (action) {
    case SPI_GETWORKAREA:
      if (!param) return FALSE;
      *static_cast<Rect*>(param) = m.backend().workArea();
      return TRUE;
    case SPI_GETKEYBOARDDELAY:
      if (!param) return FALSE;
      *static_cast<int*>(param) = m.keyboardDelay;
      return TRUE;
    case SPI_SETKEYBOARDDELAY:
      m.keyboardDelay = std::clamp(int(uiParam), 0, 3);
      return TRUE;
    case SPI_GETKEYBOARDSPEED:
      if (!param) return FALSE;
      *static_cast<int*>(param) = m.keyboardSpeed;
      return TRUE;
    case SPI_SETKEYBOARDSPEED:
      m.keyboardSpeed = std::clamp(int(uiParam), 0, 31);
      return TRUE;
    case SPI_GETDRAGFULLWINDOWS:
      if (!param) return FALSE;
      *static_cast<BOOL*>(param) = m.dragFullWindows;
      return TRUE;
    case SPI_SETDRAGFULLWINDOWS:
      m.dragFullWindows = uiParam != 0;
      return TRUE;
    case SPI_SETDOUBLECLICKTIME:
      m.doubleClickTime = uiParam ? uiParam : 500;
      return TRUE;
    case SPI_GETBEEP:
      if (!param) return FALSE;
      *static_cast<BOOL*>(param) = FALSE;
      return TRUE;
    case SPI_GETWHEELSCROLLLINES:
      if (!param) return FALSE;
      *static_cast<int*>(param) = 3;
      return TRUE;
    case SPI_GETNONCLIENTMETRICS: {
      if (!param) return FALSE;
      auto* ncm = static_cast<NONCLIENTMETRICSW*>(param);
      ncm->iBorderWidth = 1;
      ncm->iScrollWidth = GetSystemMetrics(SM_CXVSCROLL);
      ncm->iScrollHeight = GetSystemMetrics(SM_CYHSCROLL);
      ncm->iCaptionWidth = GetSystemMetrics(SM_CXSIZE);
      ncm->iCaptionHeight = GetSystemMetrics(SM_CYSIZE);
      ncm->lfCaptionFont = m.captionFont.value_or(classicFont(true));
      ncm->iSmCaptionWidth = GetSystemMetrics(SM_CXSMSIZE);
      ncm->iSmCaptionHeight = GetSystemMetrics(SM_CYSMSIZE);
      ncm->lfSmCaptionFont = m.smallCaptionFont.value_or(classicFont(true));
      ncm->iMenuWidth = GetSystemMetrics(SM_CXMENUSIZE);
      ncm->iMenuHeight = GetSystemMetrics(SM_CYMENUSIZE);
      ncm->lfMenuFont = classicFont(false);
      ncm->lfStatusFont = classicFont(false);
      ncm->lfMessageFont = classicFont(false);
      return TRUE;
    }
    case SPI_SETNONCLIENTMETRICS: {
      if (!param) return FALSE;
      const auto* ncm = static_cast<const NONCLIENTMETRICSW*>(param);
      m.captionFont = ncm->lfCaptionFont;
      m.smallCaptionFont = ncm->lfSmCaptionFont;
      return TRUE;
    }
    default:
      return FALSE;
  }
}

}  // namespace z5t8::platform::gui
