#pragma once

#include <cstdint>
#include <string_view>

#include "framework/TypeInfo.h"

namespace z5t8::framework {

// How a control lays out and reads its text where the user's language runs right
// to left; under a left-to-right locale every mode reads left to right.
enum TBiDiMode : uint8_t { bdLeftToRight, bdRightToLeft, bdRightToLeftNoAlign, bdRightToLeftReadingOnly };

inline constexpr std::string_view BiDiModeNames[] = {"bdLeftToRight", "bdRightToLeft", "bdRightToLeftNoAlign",
                                                     "bdRightToLeftReadingOnly"};
inline constexpr TEnumInfo BiDiModeInfo{"TBiDiMode", BiDiModeNames};

// Text is aligned from the right: a right-to-left locale and any mode but left to right.
bool UseRightToLeftAlignment(TBiDiMode mode);
// Text is read from the right: a right-to-left locale and bdRightToLeft.
bool UseRightToLeftReading(TBiDiMode mode);
// The text-drawing flags with the mode applied: DT_RIGHT swapped for left
// alignment (centred text stays centred) and DT_RTLREADING added.
uint32_t DrawTextBiDiModeFlags(TBiDiMode mode, uint32_t flags);

}  // namespace z5t8::framework
