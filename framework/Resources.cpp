#include "framework/Resources.h"

#include <unordered_map>
#include <vector>

#include "framework/Component.h"
#include "framework/Exceptions.h"
#include "framework/Reader.h"
#include "framework/TextUtils.h"

namespace z5t8::framework {

namespace {
std::unordered_map<std::string, std::span<const uint8_t>>& Table() {
  static std::unordered_map<std::string, std::span<const uint8_t>> table;
  return table;
}
}  // namespace

void RegisterResource(std::string_view name, const uint8_t* data, size_t size) {
  Table()[UpperCase(name)] = std::span<const uint8_t>(data, size);
}

std::span<const uint8_t> FindResource(std::string_view name) {
  auto it = Table().find(UpperCase(name));
  return it == Table().end() ? std::span<const uint8_t>() : it->second;
}

TResourceStream::TResourceStream(std::string_view name) {
  std::span<const uint8_t> data = FindResource(name);
  if (!data.data()) throw EResNotFound("Resource " + std::string(name) + " not found");
  SetPointer(data.data(), int64_t(data.size()));
}

bool ReadComponentRes(std::string_view name, TComponent* instance) {
  if (!FindResource(name).data()) return false;
  TResourceStream stream(name);
  ReadComponent(stream, instance);
  return true;
}

bool InitInheritedComponent(TComponent* instance, const TMetaClass& rootAncestor) {
  std::vector<const TMetaClass*> chain;
  for (const TMetaClass* c = &instance->ClassType();
       c && c != &rootAncestor && c != &TComponent::StaticClass(); c = c->ClassParent())
    chain.push_back(c);
  bool found = false;
  for (auto it = chain.rbegin(); it != chain.rend(); ++it)
    found |= ReadComponentRes(UpperCase((*it)->ClassName()), instance);
  return found;
}

}  // namespace z5t8::framework
