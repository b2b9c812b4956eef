#pragma once

#include <string_view>

#include "framework/Color.h"
#include "framework/Set.h"
#include "framework/TypeInfo.h"

namespace z5t8::skin::controls {

using framework::TColor;

enum TTePerformance { zqpNoBuffer, zqpSharedBuffer, zqpDoubleBuffer };
enum TTeBevelCut { kbvNone, kbvLowered, kbvRaised, kbvSpace, kbvBorder, kbvFlatBorder };
enum TTeBevelSide { kbsLeft, kbsTop, kbsRight, kbsBottom };
using TTeBevelSides = framework::TSet<TTeBevelSide>;
enum TTeBevelKind { kbkNone, kbkSingle, kbkTile, kbkSoft, kbkBorder, kbkFlat };
// Ordinals equal the platform's SB_ codes.
enum TTeScrollCode {
  zqcLineUp,
  zqcLineDown,
  zqcPageUp,
  zqcPageDown,
  zqcPosition,
  zqcTrack,
  zqcTop,
  zqcBottom,
  zqcEndScroll
};
enum TTeScrollOrientation { zqoHorizontal, zqoVertical };

inline constexpr std::string_view PerformanceNames[] = {"zqpNoBuffer", "zqpSharedBuffer", "zqpDoubleBuffer"};
inline constexpr framework::TEnumInfo PerformanceInfo{"TTePerformance", PerformanceNames};
inline constexpr std::string_view BevelCutNames[] = {"kbvNone",  "kbvLowered", "kbvRaised",
                                                     "kbvSpace", "kbvBorder",  "kbvFlatBorder"};
inline constexpr framework::TEnumInfo BevelCutInfo{"TTeBevelCut", BevelCutNames};
inline constexpr std::string_view BevelSideNames[] = {"kbsLeft", "kbsTop", "kbsRight", "kbsBottom"};
inline constexpr framework::TEnumInfo BevelSideInfo{"TTeBevelSide", BevelSideNames};
inline constexpr std::string_view BevelKindNames[] = {"kbkNone", "kbkSingle", "kbkTile",
                                                      "kbkSoft", "kbkBorder", "kbkFlat"};
inline constexpr framework::TEnumInfo BevelKindInfo{"TTeBevelKind", BevelKindNames};
inline constexpr std::string_view ScrollOrientationNames[] = {"zqoHorizontal", "zqoVertical"};
inline constexpr framework::TEnumInfo ScrollOrientationInfo{"TTeScrollOrientation", ScrollOrientationNames};

// The two colours of one bevel ring: top and left lines, bottom and right lines.
struct TTeBevelColors {
  TColor TopLeft;
  TColor BottomRight;
};

// The ring colours of a bevel cut; the outer ring when `outer`, else the inner one.
TTeBevelColors BevelColors(TTeBevelCut cut, bool outer);
// The cut both bevels take for a bevel kind (kbkNone keeps them: kbvNone is returned).
TTeBevelCut BevelCutOfKind(TTeBevelKind kind);

}  // namespace z5t8::skin::controls
