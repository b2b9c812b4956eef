#pragma once

#include <string>

#include "framework/Component.h"
#include "skin/theme/Theme.h"

namespace z5t8::skin::theme {

class TTeThemeList;

// The resource string an engine or link shows while no built-in theme is selected.
inline constexpr const char* SNoTheme = "No theme";

// The first registered class that is built in and whose display name equals name,
// ignoring case; null when none.
TteThemeClass FindBuiltInTheme(const std::string& name);

// The item that index selects in list: the index itself, or the last item's for an index
// beyond it; -1 for a negative index, no list or an empty one. The index is tested first,
// so a list that is going away is not touched for -1.
int SelectThemeIndex(const TTeThemeList* list, int index);

// Points an engine's or link's list reference at list, moving the free notification
// from the old list to the new one, and clears the index when the list goes.
void SetThemeListReference(framework::TComponent* owner, TTeThemeList*& field, int& index,
                           TTeThemeList* list);

}  // namespace z5t8::skin::theme
