#pragma once

#include "platform/gui/Font.h"
#include "platform/gui/WindowTypes.h"

namespace z5t8::platform::gui {

constexpr UINT SPI_GETBEEP = 0x0001;
constexpr UINT SPI_GETKEYBOARDSPEED = 0x000A;
constexpr UINT SPI_SETKEYBOARDSPEED = 0x000B;
constexpr UINT SPI_GETKEYBOARDDELAY = 0x0016;
constexpr UINT SPI_SETKEYBOARDDELAY = 0x0017;
constexpr UINT SPI_SETDOUBLECLICKTIME = 0x0020;
constexpr UINT SPI_GETDRAGFULLWINDOWS = 0x0026;
constexpr UINT SPI_SETDRAGFULLWINDOWS = 0x0025;
constexpr UINT SPI_GETNONCLIENTMETRICS = 0x0029;
constexpr UINT SPI_SETNONCLIENTMETRICS = 0x002A;
constexpr UINT SPI_GETWORKAREA = 0x0030;
constexpr UINT SPI_GETWHEELSCROLLLINES = 0x0068;

struct NONCLIENTMETRICSW {
  UINT cbSize = sizeof(NONCLIENTMETRICSW);
  int iBorderWidth = 0;
  int iScrollWidth = 0;
  int iScrollHeight = 0;
  int iCaptionWidth = 0;
  int iCaptionHeight = 0;
  LogFont lfCaptionFont;
  int iSmCaptionWidth = 0;
  int iSmCaptionHeight = 0;
  LogFont lfSmCaptionFont;
  int iMenuWidth = 0;
  int iMenuHeight = 0;
  LogFont lfMenuFont;
  LogFont lfStatusFont;
  LogFont lfMessageFont;
};

// Supported: the getters above and the keyboard, double-click and drag
// setters. `param` points to: Rect (work area), int (delay 0..3, speed 0..31,
// wheel lines), BOOL (full drag, beep), NONCLIENTMETRICSW. Setters take the
// value in `uiParam`; SPI_SETNONCLIENTMETRICS takes NONCLIENTMETRICSW in
// `param` and keeps its caption fonts (the sizes stay the fixed ones).
BOOL SystemParametersInfoW(UINT action, UINT uiParam, void* param, UINT winIni);

}  // namespace z5t8::platform::gui
