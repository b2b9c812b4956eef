#pragma once

#include <cstddef>
#include <cstdint>
#include <span>
#include <string>
#include <string_view>

#include "framework/MemoryStream.h"

namespace z5t8::framework {

class TComponent;
class TMetaClass;

// Data compiled into the program at build time (cmake/Resources.cmake), found by name
// without regard to case.
void RegisterResource(std::string_view name, const uint8_t* data, size_t size);
// Empty span data() == nullptr when there is no such resource.
std::span<const uint8_t> FindResource(std::string_view name);

// What the generated resource sources instantiate, one per embedded file.
struct TResourceRegistrar {
  TResourceRegistrar(const char* name, const uint8_t* data, size_t size) {
    RegisterResource(name, data, size);
  }
};

// A read-only stream over an embedded resource; EResNotFound "Resource %s not found".
class TResourceStream : public TCustomMemoryStream {
public:
  explicit TResourceStream(std::string_view name);
};

// Reads the component stream stored as resource name into instance; false when there is none.
bool ReadComponentRes(std::string_view name, TComponent* instance);
// Reads into instance the layouts of its classes, from the one below rootAncestor down to
// its own, each from the resource named after the class in upper case ("TFORM1"); false
// when none of them has one.
bool InitInheritedComponent(TComponent* instance, const TMetaClass& rootAncestor);

}  // namespace z5t8::framework
