#pragma once

#include <cstdint>
#include <string_view>

#include "framework/TypeInfo.h"
#include "framework/gui/BiDiMode.h"

namespace z5t8::skin::se3 {

// How a parent places a child (Aligning).
enum TSeAlign : uint8_t {
  saNone,
  saLeft,
  saMostLeft,
  saTop,
  saMostTop,
  saRight,
  saMostRight,
  saBottom,
  saMostBottom,
  saClient,
  saTopLeft,
  saTopRight,
  saBottomLeft,
  saBottomRight,
  saCenter,
  saText,
  saTopRightAngle,
  saAll
};

// The role of an object; stored skins spell the two transparent kinds this way.
enum TSeKind : uint8_t {
  skNone,
  skForm,
  skCaption,
  skTitle,
  skTop,
  skLeft,
  skRight,
  skBottom,
  skTopLeft,
  skTopRight,
  skBottomLeft,
  skBottomRight,
  skSysButton,
  skClient,
  skMenuBar,
  skMenuBarItem,
  skMenuBarItemText,
  skPopupMenu,
  skPopupMenuItem,
  skPopupMenuItemText,
  skItemText,
  skTranparentOnly,
  skTranparent,
  skRoundMask,
  skNoMask
};

enum TSeState : uint8_t {
  ssNormal,
  ssDesign,
  ssMaximized,
  ssMinimized,
  ssRollup,
  ssHot,
  ssPressed,
  ssFocused,
  ssDisabled
};

enum TSeTextAlign : uint8_t {
  taTopLeft,
  taTopCenter,
  taTopRight,
  taLeft,
  taCenter,
  taRight,
  taBottomLeft,
  taBottomCenter,
  taBottomRight
};

enum TSeTextEffect : uint8_t { teNone, teShadow };

enum TscTileStyle : uint8_t {
  tsTile,
  tsStretch,
  tsCenter,
  tsVertCenterStretch,
  tsVertCenterTile,
  tsHorzCenterStretch,
  tsHorzCenterTile
};

enum TSeAction : uint8_t {
  sbaNone,
  sbaClose,
  sbaHelp,
  sbaMinimize,
  sbaMaximize,
  sbaRestore,
  sbaRollUp,
  sbaRollDown,
  sbaTray,
  sbaSysMenu,
  sbaRollPanel,
  sbaCustom
};

enum TSeButtonState : uint8_t { sbsNormal, sbsHover, sbsDown };

enum TSeRollKind : uint8_t { rkLeft, rkTop, rkRight, rkBottom };

// The bidirectional mode a skin object takes from the control it draws for.
using framework::bdLeftToRight;
using framework::bdRightToLeft;
using framework::bdRightToLeftNoAlign;
using framework::bdRightToLeftReadingOnly;
using framework::TBiDiMode;

namespace detail {
inline constexpr std::string_view AlignNames[] = {
    "saNone",       "saLeft",        "saMostLeft",   "saTop",    "saMostTop",       "saRight",
    "saMostRight",  "saBottom",      "saMostBottom", "saClient", "saTopLeft",       "saTopRight",
    "saBottomLeft", "saBottomRight", "saCenter",     "saText",   "saTopRightAngle", "saAll"};
inline constexpr std::string_view KindNames[] = {"skNone",
                                                 "skForm",
                                                 "skCaption",
                                                 "skTitle",
                                                 "skTop",
                                                 "skLeft",
                                                 "skRight",
                                                 "skBottom",
                                                 "skTopLeft",
                                                 "skTopRight",
                                                 "skBottomLeft",
                                                 "skBottomRight",
                                                 "skSysButton",
                                                 "skClient",
                                                 "skMenuBar",
                                                 "skMenuBarItem",
                                                 "skMenuBarItemText",
                                                 "skPopupMenu",
                                                 "skPopupMenuItem",
                                                 "skPopupMenuItemText",
                                                 "skItemText",
                                                 "skTranparentOnly",
                                                 "skTranparent",
                                                 "skRoundMask",
                                                 "skNoMask"};
inline constexpr std::string_view StateNames[] = {"ssNormal",    "ssDesign",  "ssMaximized",
                                                  "ssMinimized", "ssRollup",  "ssHot",
                                                  "ssPressed",   "ssFocused", "ssDisabled"};
inline constexpr std::string_view TextAlignNames[] = {"taTopLeft",    "taTopCenter",    "taTopRight",
                                                      "taLeft",       "taCenter",       "taRight",
                                                      "taBottomLeft", "taBottomCenter", "taBottomRight"};
inline constexpr std::string_view TextEffectNames[] = {"teNone", "teShadow"};
inline constexpr std::string_view TileStyleNames[] = {
    "tsTile",           "tsStretch",           "tsCenter",        "tsVertCenterStretch",
    "tsVertCenterTile", "tsHorzCenterStretch", "tsHorzCenterTile"};
inline constexpr std::string_view ActionNames[] = {"sbaNone",     "sbaClose",   "sbaHelp",      "sbaMinimize",
                                                   "sbaMaximize", "sbaRestore", "sbaRollUp",    "sbaRollDown",
                                                   "sbaTray",     "sbaSysMenu", "sbaRollPanel", "sbaCustom"};
inline constexpr std::string_view RollKindNames[] = {"rkLeft", "rkTop", "rkRight", "rkBottom"};
}  // namespace detail

inline constexpr framework::TEnumInfo SeAlignInfo{"TSeAlign", detail::AlignNames};
inline constexpr framework::TEnumInfo SeKindInfo{"TSeKind", detail::KindNames};
inline constexpr framework::TEnumInfo SeStateInfo{"TSeState", detail::StateNames};
inline constexpr framework::TEnumInfo SeTextAlignInfo{"TSeTextAlign", detail::TextAlignNames};
inline constexpr framework::TEnumInfo SeTextEffectInfo{"TSeTextEffect", detail::TextEffectNames};
inline constexpr framework::TEnumInfo ScTileStyleInfo{"TscTileStyle", detail::TileStyleNames};
inline constexpr framework::TEnumInfo SeActionInfo{"TSeAction", detail::ActionNames};
inline constexpr framework::TEnumInfo SeRollKindInfo{"TSeRollKind", detail::RollKindNames};

}  // namespace z5t8::skin::se3
