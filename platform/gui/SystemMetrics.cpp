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

// Our light scheme for a current Linux desktop, in the palette of our Aqua skin:
// the button face is Aqua's window colour, the highlight its accent, captions its
// title gradient with dark text, the 3-D edges its blue-grey lines. Every part
// drawn without a skin (labels, progress bars, plain message boxes, classic
// frames) takes its colours from here, so it sits calmly on an Aqua window.
constexpr ColorRef kColors[] = {
    RGB(0xEE, 0xF2, 0xF6),  // scroll bar
    RGB(0x6B, 0x8A, 0xA8),  // desktop
    RGB(0xD3, 0xDD, 0xE8),  // active caption
    RGB(0xDF, 0xE2, 0xE5),  // inactive caption
    RGB(0xFB, 0xFC, 0xFD),  // menu
    RGB(0xFF, 0xFF, 0xFF),  // window
    RGB(0x9A, 0xA9, 0xB8),  // window frame
    RGB(0x1B, 0x1F, 0x24),  // menu text
    RGB(0x1B, 0x1F, 0x24),  // window text
    RGB(0x1F, 0x2D, 0x3A),  // caption text
    RGB(0xD3, 0xDD, 0xE8),  // active border
    RGB(0xDF, 0xE2, 0xE5),  // inactive border
    RGB(0xC8, 0xD0, 0xD8),  // application workspace
    RGB(0x3D, 0x7B, 0xD9),  // highlight
    RGB(0xFF, 0xFF, 0xFF),  // highlight text
    RGB(0xE8, 0xED, 0xF2),  // button face
    RGB(0xAA, 0xBA, 0xC8),  // button shadow
    RGB(0x9A, 0xA4, 0xAE),  // grey text
    RGB(0x00, 0x00, 0x00),  // button text: black, since the frame controls' glyphs are
                            // drawn in it and the skin lifts out their black strokes
    RGB(0x6B, 0x77, 0x85),  // inactive caption text
    RGB(0xFF, 0xFF, 0xFF),  // button highlight
    RGB(0x8C, 0x9D, 0xB0),  // 3D dark shadow
    RGB(0xF4, 0xF7, 0xFB),  // 3D light
    RGB(0x1B, 0x1F, 0x24),  // tooltip text
    RGB(0xEE, 0xF3, 0xF8),  // tooltip background
    RGB(0xB5, 0xBD, 0xC5),  // (unused slot)
    RGB(0x2B, 0x62, 0xB8),  // hot-tracked item
    RGB(0xF4, 0xF7, 0xFB),  // active caption gradient
    RGB(0xF3, 0xF4, 0xF5),  // inactive caption gradient
    RGB(0x3D, 0x7B, 0xD9),  // menu highlight
    RGB(0xE8, 0xED, 0xF2),  // menu bar
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
