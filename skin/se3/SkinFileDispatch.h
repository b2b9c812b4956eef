#pragma once

#include <string>
#include <string_view>

#include "skin/se3/SkinFile.h"

namespace z5t8::skin::se3::dispatch {

// The object a call works on: unless the name is "default", the skin's object of that
// name (paths with "\" allowed); else the cache entry of the family.
TSeSkinObject* PickObject(const TTeSkinFile& theme, const std::string& name, TSeSkinObject* entry);

// A part of an object (depth first, the object itself included); none without either.
TSeSkinObject* FindPart(TSeSkinObject* object, std::string_view part);

// The part in the named object, else in the cache entry.
TSeSkinObject* PickPart(const TTeSkinFile& theme, const std::string& name, TSeSkinObject* entry,
                        std::string_view part);

// Puts the object into a state and a rectangle and draws it unclipped; nothing for none.
void DrawObject(framework::TCanvas* canvas, TSeSkinObject* object, TSeState state, const Rect& rect);

inline bool IsDefault(const std::string& name) { return name == "default"; }

}  // namespace z5t8::skin::se3::dispatch
