#pragma once

#include <string_view>
#include <vector>

#include "framework/Object.h"

namespace z5t8::skin::se3 {

class TSeSkinObject;

// A class reference to TSeSkinObject or a descendant.
using TSeSkinObjectClass = const framework::TMetaClass*;

// The registered skin object classes: the seventeen of this library, in their fixed
// order, from the first use on; further classes are appended.
void RegisterSkinObject(const framework::TMetaClass& cls);
void UnregisterSkinObject(const framework::TMetaClass& cls);
const std::vector<TSeSkinObjectClass>& RegisteredSkinObjects();
// The first registered class of exactly that name (case matters), or none.
TSeSkinObjectClass GetSkinObjectClass(std::string_view name);
// GetSkinObjectClass, then, for a name longer than three characters, the name with its
// second and third characters replaced by "Se", then by "Tw".
TSeSkinObjectClass ResolveSkinObjectClass(std::string_view name);
// A new object of the class owned by owner.
TSeSkinObject* CreateSkinObject(TSeSkinObjectClass cls, framework::TComponent* owner);

}  // namespace z5t8::skin::se3
