#pragma once

// The theme interface's window family as the frame uses it. The values and
// their order are the theme interface's; this header goes once the theme
// interface itself is in the tree.

#include <cstdint>

#include "framework/Set.h"

namespace z5t8::skin::theme {

enum TteWindowSubclass : uint8_t {
  kwscStandard,
  kwscDialog,
  kwscBorder,
  kwscMessage,
  kwscNoBorder,
  kwscTextured,
  kwscToolWindow
};
enum TteWindowDrawState : uint8_t { kwdsActive, kwdsMaximized, kwdsMinimized, kwdsRolled, kwdsTopmost };
using TteWindowDrawStates = framework::TSet<TteWindowDrawState>;
enum TteWindowButtonClass : uint8_t {
  kwbSysMenu,
  kwbClose,
  kwbHelp,
  kwbMin,
  kwbMinRestore,
  kwbMax,
  kwbMaxRestore,
  kwbRoll,
  kwbRollRestore,
  kwbTray,
  kwbTopmost,
  kwbTopmostRestore,
  kwbCustom
};
using TteWindowButtons = framework::TSet<TteWindowButtonClass>;
enum TteWindowButtonDrawState : uint8_t { kwbdsNormal, kwbdsHot, kwbdsPressed, kwbdsInactive };
enum TteWindowHitTest : uint8_t {
  kwhtClient,
  kwhtCaption,
  kwhtLeft,
  kwhtTop,
  kwhtRight,
  kwhtBottom,
  kwhtBorder,
  kwhtTopLeft,
  kwhtTopRight,
  kwhtBottomLeft,
  kwhtBottomRight,
  kwhtCloseButton,
  kwhtHelpButton,
  kwhtMinButton,
  kwhtMaxButton,
  kwhtRollButton,
  kwhtTrayButton,
  kwhtSysMenu,
  kwhtNonClient,
  kwhtMenu
};

}  // namespace z5t8::skin::theme
