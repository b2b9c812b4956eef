#include "platform/gui/SystemMetrics.h"

#include "platform/gui/Backend.h"
#include "platform/gui/WindowManager.h"

namespace z5t8::platform::gui {

namespace {

struct Metric {
  int index;
  int value;
};

// The classic desktop at 96 pixels per inch.
constexpr Metric kMetrics[] = {
    {SM_CXVSCROLL, 16},        {SM_CYHSCROLL, 16},     {SM_CYCAPTION, 19},     {SM_CXBORDER, 1},
    {SM_CYBORDER, 1},          {SM_CXDLGFRAME, 3},     {SM_CYDLGFRAME, 3},     {SM_CYVTHUMB, 16},
    {SM_CXHTHUMB, 16},         {SM_CXICON, 32},        {SM_CYICON, 32},        {SM_CXCURSOR, 32},
    {SM_CYCURSOR, 32},         {SM_CYMENU, 19},        {SM_CYKANJIWINDOW, 0},  {SM_MOUSEPRESENT, 1},
    {SM_CYVSCROLL, 16},        {SM_CXHSCROLL, 16},     {SM_DEBUG, 0},          {SM_SWAPBUTTON, 0},
    {SM_CXMIN, 112},           {SM_CYMIN, 27},         {SM_CXSIZE, 18},        {SM_CYSIZE, 18},
    {SM_CXFRAME, 4},           {SM_CYFRAME, 4},        {SM_CXMINTRACK, 112},   {SM_CYMINTRACK, 27},
    {SM_CXDOUBLECLK, 4},       {SM_CYDOUBLECLK, 4},    {SM_CXICONSPACING, 75}, {SM_CYICONSPACING, 75},
    {SM_MENUDROPALIGNMENT, 0}, {SM_CMOUSEBUTTONS, 3},  {SM_CXEDGE, 2},         {SM_CYEDGE, 2},
    {SM_CXSMICON, 16},         {SM_CYSMICON, 16},      {SM_CYSMCAPTION, 15},   {SM_CXSMSIZE, 12},
    {SM_CYSMSIZE, 14},         {SM_CXMENUSIZE, 18},    {SM_CYMENUSIZE, 18},    {SM_CXMINIMIZED, 160},
    {SM_CYMINIMIZED, 24},      {SM_CXDRAG, 4},         {SM_CYDRAG, 4},         {SM_MOUSEWHEELPRESENT, 1},
    {SM_XVIRTUALSCREEN, 0},    {SM_YVIRTUALSCREEN, 0}, {SM_CMONITORS, 1},
};

// RGB values of the classic scheme.
constexpr ColorRef kColors[] = {
    RGB(0xD4, 0xD0, 0xC8),  // scroll bar
    RGB(0x3A, 0x6E, 0xA5),  // desktop
    RGB(0x0A, 0x24, 0x6A),  // active caption
    RGB(0x80, 0x80, 0x80),  // inactive caption
    RGB(0xD4, 0xD0, 0xC8),  // menu
    RGB(0xFF, 0xFF, 0xFF),  // window
    RGB(0x00, 0x00, 0x00),  // window frame
    RGB(0x00, 0x00, 0x00),  // menu text
    RGB(0x00, 0x00, 0x00),  // window text
    RGB(0xFF, 0xFF, 0xFF),  // caption text
    RGB(0xD4, 0xD0, 0xC8),  // active border
    RGB(0xD4, 0xD0, 0xC8),  // inactive border
    RGB(0x80, 0x80, 0x80),  // application workspace
    RGB(0x0A, 0x24, 0x6A),  // highlight
    RGB(0xFF, 0xFF, 0xFF),  // highlight text
    RGB(0xD4, 0xD0, 0xC8),  // button face
    RGB(0x80, 0x80, 0x80),  // button shadow
    RGB(0x80, 0x80, 0x80),  // grey text
    RGB(0x00, 0x00, 0x00),  // button text
    RGB(0xD4, 0xD0, 0xC8),  // inactive caption text
    RGB(0xFF, 0xFF, 0xFF),  // button highlight
    RGB(0x40, 0x40, 0x40),  // 3D dark shadow
    RGB(0xD4, 0xD0, 0xC8),  // 3D light
    RGB(0x00, 0x00, 0x00),  // tooltip text
    RGB(0xFF, 0xFF, 0xE1),  // tooltip background
    RGB(0xB5, 0xB5, 0xB5),  // (unused slot)
    RGB(0x00, 0x00, 0x80),  // hot-tracked item
    RGB(0xA6, 0xCA, 0xF0),  // active caption gradient
    RGB(0xC0, 0xC0, 0xC0),  // inactive caption gradient
    RGB(0x0A, 0x24, 0x6A),  // menu highlight
    RGB(0xD4, 0xD0, 0xC8),  // menu bar
};

}  // namespace

int GetSystemMetrics(int index) {
  switch (index) {
    case SM_CXSCREEN:
    case SM_CXVIRTUALSCREEN:
      return HasBackend() ? wm().backend().screenSize().cx : 0;
    case SM_CYSCREEN:
    case SM_CYVIRTUALSCREEN:
      return HasBackend() ? wm().backend().screenSize().cy : 0;
    case SM_CXFULLSCREEN:
      return HasBackend() ? wm().backend().workArea().width() : 0;
    case SM_CYFULLSCREEN:
      return HasBackend() ? wm().backend().workArea().height() - GetSystemMetrics(SM_CYCAPTION) : 0;
    case SM_CXMAXTRACK:
      return GetSystemMetrics(SM_CXSCREEN) + 2 * (GetSystemMetrics(SM_CXFRAME) + GetSystemMetrics(SM_CXEDGE));
    case SM_CYMAXTRACK:
      return GetSystemMetrics(SM_CYSCREEN) + 2 * (GetSystemMetrics(SM_CYFRAME) + GetSystemMetrics(SM_CYEDGE));
    case SM_CXMAXIMIZED:
      return (HasBackend() ? wm().backend().workArea().width() : 0) + 2 * GetSystemMetrics(SM_CXFRAME);
    case SM_CYMAXIMIZED:
      return (HasBackend() ? wm().backend().workArea().height() : 0) + 2 * GetSystemMetrics(SM_CYFRAME);
    default:
      for (const Metric& m : kMetrics) {
        if (m.index == index) return m.value;
      }
      return 0;
  }
}

ColorRef GetSysColor(int index) {
  if (index < 0 || index >= int(std::size(kColors))) return 0;
  return kColors[index];
}

Brush GetSysColorBrush(int index) { return Brush::solid(GetSysColor(index)); }

}  // namespace z5t8::platform::gui
