#pragma once

#include <string>
#include <vector>

#include "framework/Stream.h"
#include "skin/se3/SkinFilter.h"

namespace z5t8::skin::se3 {

// The process-wide, ordered list of container kinds; the four standard kinds are
// registered before first use and unregistered, last first, at exit. Order decides
// which kind a lookup finds first and the order of the dialog filter.
void RegisterSkinFilter(TSeSkinFilterClass filterClass);
void UnregisterSkinFilter(TSeSkinFilterClass filterClass);
std::vector<TSeSkinFilterClass> RegisteredSkinFilters();

// The first kind whose signature begins the stream, or none; the stream's position is
// left where it was.
TSeSkinFilterClass GetThemeFilterBySign(framework::TStream& stream);
// The first kind whose extension is the file name's, ignoring ASCII case, or none.
TSeSkinFilterClass GetThemeFilterByExt(const std::string& fileName);
// "Name (*.ext)|*.ext" for every kind, joined with "|".
std::string GetDialogFilter3();

// The kind used where neither signature nor extension decides.
TSeSkinFilterClass DefaultSkinFilterClass();
void SetDefaultSkinFilterClass(TSeSkinFilterClass filterClass);

}  // namespace z5t8::skin::se3
