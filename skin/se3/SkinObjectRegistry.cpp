#include "skin/se3/SkinObjectRegistry.h"

#include <string>

#include "skin/se3/SkinBitmapObjects.h"
#include "skin/se3/SkinBitmapSkinObjects.h"
#include "skin/se3/SkinStateObjects.h"

namespace z5t8::skin::se3 {

namespace {

// Made on first use with the library's classes, so no static start-up order or linker
// choice can leave a class out; freed at exit.
std::vector<TSeSkinObjectClass>& Registry() {
  static std::vector<TSeSkinObjectClass> list{&TSeSkinObject::StaticClass(),
                                              &TSeActiveObject::StaticClass(),
                                              &TSeBitmapObject::StaticClass(),
                                              &TSeActiveBitmap::StaticClass(),
                                              &TSeSystemButton::StaticClass(),
                                              &TSeButtonObject::StaticClass(),
                                              &TSeTextObject::StaticClass(),
                                              &TSeLinkSkinObject::StaticClass(),
                                              &TSeBitmapSkinObject::StaticClass(),
                                              &TSeFormBitmapSkinObject::StaticClass(),
                                              &TSeSysButtonSkinObject::StaticClass(),
                                              &TSeActiveSkinObject::StaticClass(),
                                              &TSeColorButtonObject::StaticClass(),
                                              &TSeBitmapBoxObject::StaticClass(),
                                              &TSeActiveBitmapBoxObject::StaticClass(),
                                              &TSeButtonBitmapBoxObject::StaticClass(),
                                              &TSeRollPanelObject::StaticClass()};
  // Nested components of a skin source are created by the framework's reader, by name.
  static const bool registered = [] {
    for (TSeSkinObjectClass cls : list) framework::RegisterClass(*cls);
    return true;
  }();
  (void)registered;
  return list;
}

}  // namespace

void RegisterSkinObject(const framework::TMetaClass& cls) {
  if (!cls.InheritsFrom(TSeSkinObject::StaticClass()) || !cls.CanCreateComponent()) return;
  Registry().push_back(&cls);
  framework::RegisterClass(cls);
}

void UnregisterSkinObject(const framework::TMetaClass& cls) { std::erase(Registry(), &cls); }

const std::vector<TSeSkinObjectClass>& RegisteredSkinObjects() { return Registry(); }

TSeSkinObjectClass GetSkinObjectClass(std::string_view name) {
  for (TSeSkinObjectClass cls : Registry())
    if (cls->ClassName() == name) return cls;
  return nullptr;
}

TSeSkinObjectClass ResolveSkinObjectClass(std::string_view name) {
  if (TSeSkinObjectClass cls = GetSkinObjectClass(name)) return cls;
  if (name.size() <= 3) return nullptr;
  std::string other(name);
  for (const char* infix : {"Se", "Tw"}) {
    other[1] = infix[0];
    other[2] = infix[1];
    if (TSeSkinObjectClass cls = GetSkinObjectClass(other)) return cls;
  }
  return nullptr;
}

TSeSkinObject* CreateSkinObject(TSeSkinObjectClass cls, framework::TComponent* owner) {
  if (!cls) return nullptr;
  return static_cast<TSeSkinObject*>(cls->CreateComponent(owner));
}

}  // namespace z5t8::skin::se3
