#pragma once

#include <cstdint>
#include <string>

#include "framework/Persistent.h"

namespace z5t8::skin::theme {

// A control's own values, kept while a theme is applied.

// Keeps a copy of the object (a TFont as a TFont, anything else as a new instance of its
// class through Assign) under its address; a stored object has its copy refreshed.
void AddObjectToStore(framework::TPersistent* object);
void RemoveObjectFromStore(framework::TPersistent* object);
// Copies the stored copy back into the object; nothing when it is not stored.
void AssignFromStoredObject(framework::TPersistent* object);

// An integer under the object's address and the property name, ignoring its case.
void AddPropToStore(framework::TObject* object, const std::string& propName, int32_t value);
void RemovePropFromStore(framework::TObject* object, const std::string& propName);
// 0 when absent.
int32_t GetPropFromStore(framework::TObject* object, const std::string& propName);

}  // namespace z5t8::skin::theme
