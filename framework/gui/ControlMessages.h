#pragma once

#include <cstdint>

#include "platform/gui/Messages.h"

namespace z5t8::framework {

// Notifications controls send one another; the numbers are the ones the skinned
// controls register their handlers for.
constexpr uint32_t CM_BASE = 0xB000;
constexpr uint32_t CM_ACTIVATE = CM_BASE + 0;
constexpr uint32_t CM_DEACTIVATE = CM_BASE + 1;
constexpr uint32_t CM_DIALOGKEY = CM_BASE + 5;
constexpr uint32_t CM_DIALOGCHAR = CM_BASE + 6;
constexpr uint32_t CM_FOCUSCHANGED = CM_BASE + 7;
constexpr uint32_t CM_PARENTFONTCHANGED = CM_BASE + 8;
constexpr uint32_t CM_PARENTCOLORCHANGED = CM_BASE + 9;
constexpr uint32_t CM_VISIBLECHANGED = CM_BASE + 11;
constexpr uint32_t CM_ENABLEDCHANGED = CM_BASE + 12;
constexpr uint32_t CM_COLORCHANGED = CM_BASE + 13;
constexpr uint32_t CM_FONTCHANGED = CM_BASE + 14;
constexpr uint32_t CM_TEXTCHANGED = CM_BASE + 18;
constexpr uint32_t CM_MOUSEENTER = CM_BASE + 19;
constexpr uint32_t CM_MOUSELEAVE = CM_BASE + 20;
constexpr uint32_t CM_SHOWINGCHANGED = CM_BASE + 25;
constexpr uint32_t CM_ENTER = CM_BASE + 26;
constexpr uint32_t CM_EXIT = CM_BASE + 27;
constexpr uint32_t CM_ICONCHANGED = CM_BASE + 29;
constexpr uint32_t CM_RELEASE = CM_BASE + 33;
constexpr uint32_t CM_TABSTOPCHANGED = CM_BASE + 40;
constexpr uint32_t CM_CHILDKEY = CM_BASE + 46;

// Messages a parent window reflects back to the child control they concern.
constexpr uint32_t CN_BASE = 0xBC00;
constexpr uint32_t CN_COMMAND = CN_BASE + platform::gui::WM_COMMAND;
constexpr uint32_t CN_KEYDOWN = CN_BASE + platform::gui::WM_KEYDOWN;
constexpr uint32_t CN_KEYUP = CN_BASE + platform::gui::WM_KEYUP;
constexpr uint32_t CN_CHAR = CN_BASE + platform::gui::WM_CHAR;
constexpr uint32_t CN_SYSKEYDOWN = CN_BASE + platform::gui::WM_SYSKEYDOWN;
constexpr uint32_t CN_SYSCHAR = CN_BASE + platform::gui::WM_SYSCHAR;
constexpr uint32_t CN_HSCROLL = CN_BASE + platform::gui::WM_HSCROLL;
constexpr uint32_t CN_VSCROLL = CN_BASE + platform::gui::WM_VSCROLL;
constexpr uint32_t CN_CTLCOLOREDIT = CN_BASE + platform::gui::WM_CTLCOLOREDIT;
constexpr uint32_t CN_CTLCOLORSTATIC = CN_BASE + platform::gui::WM_CTLCOLORSTATIC;
constexpr uint32_t CN_CTLCOLORSCROLLBAR = CN_BASE + platform::gui::WM_CTLCOLORSCROLLBAR;

static_assert(CM_MOUSEENTER == 0xB013 && CM_MOUSELEAVE == 0xB014 && CM_VISIBLECHANGED == 0xB00B &&
              CM_ENABLEDCHANGED == 0xB00C && CM_DIALOGKEY == 0xB005 && CM_DIALOGCHAR == 0xB006 &&
              CM_FOCUSCHANGED == 0xB007 && CM_TEXTCHANGED == 0xB012 && CM_ENTER == 0xB01A &&
              CM_EXIT == 0xB01B && CN_CTLCOLOREDIT == 0xBD33 && CN_CTLCOLORSTATIC == 0xBD38);

}  // namespace z5t8::framework
