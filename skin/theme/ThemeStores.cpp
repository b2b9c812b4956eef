#include "skin/theme/ThemeStores.h"

#include <cctype>

#include "framework/Component.h"
#include "framework/Font.h"
#include "skin/theme/ThemeUnit.h"

namespace z5t8::skin::theme {

using namespace framework;

namespace {

std::pair<const TObject*, std::string> PropKey(const TObject* object, const std::string& propName) {
  std::string lower = propName;
  for (char& c : lower) c = char(std::tolower(static_cast<unsigned char>(c)));
  return {object, std::move(lower)};
}

// A blank object of the same class, to copy into; null for a class without a virtual
// constructor.
std::unique_ptr<TPersistent> NewInstanceOf(const TPersistent& object) {
  if (dynamic_cast<const TFont*>(&object)) return std::make_unique<TFont>();
  const TMetaClass& cls = object.ClassType();
  if (cls.CanCreatePersistent()) return std::unique_ptr<TPersistent>(cls.CreatePersistent());
  if (cls.CanCreateComponent()) return std::unique_ptr<TPersistent>(cls.CreateComponent(nullptr));
  return nullptr;
}

}  // namespace

void AddObjectToStore(TPersistent* object) {
  if (!object) return;
  auto& objects = ThemeUnit().Objects;
  auto it = objects.find(object);
  if (it != objects.end()) {
    it->second->Assign(object);
    return;
  }
  std::unique_ptr<TPersistent> copy = NewInstanceOf(*object);
  if (!copy) return;
  copy->Assign(object);
  objects.emplace(object, std::move(copy));
}

void RemoveObjectFromStore(TPersistent* object) { ThemeUnit().Objects.erase(object); }

void AssignFromStoredObject(TPersistent* object) {
  if (!object) return;
  auto& objects = ThemeUnit().Objects;
  auto it = objects.find(object);
  if (it != objects.end()) object->Assign(it->second.get());
}

void AddPropToStore(TObject* object, const std::string& propName, int32_t value) {
  ThemeUnit().Props[PropKey(object, propName)] = value;
}

void RemovePropFromStore(TObject* object, const std::string& propName) {
  ThemeUnit().Props.erase(PropKey(object, propName));
}

int32_t GetPropFromStore(TObject* object, const std::string& propName) {
  auto& props = ThemeUnit().Props;
  auto it = props.find(PropKey(object, propName));
  return it == props.end() ? 0 : it->second;
}

}  // namespace z5t8::skin::theme
