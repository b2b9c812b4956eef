#include "framework/Object.h"

#include "framework/Exceptions.h"
#include "framework/Properties.h"
#include "framework/TextUtils.h"

namespace z5t8::framework {

TMetaClass::TMetaClass(std::string name, const TMetaClass* parent) : FName(std::move(name)), FParent(parent) {
  if (parent) FProperties = parent->FProperties;
}

TMetaClass::TMetaClass(TMetaClass&&) noexcept = default;
TMetaClass::~TMetaClass() = default;

bool TMetaClass::InheritsFrom(const TMetaClass& other) const {
  for (const TMetaClass* c = this; c; c = c->FParent)
    if (c == &other) return true;
  return false;
}

TComponent* TMetaClass::CreateComponent(TComponent* owner) const {
  if (!FComponentFactory) throw EInvalidOperation("Cannot create an instance of " + FName);
  return FComponentFactory(owner);
}

TCollectionItem* TMetaClass::CreateItem(TCollection* collection) const {
  if (!FItemFactory) throw EInvalidOperation("Cannot create an instance of " + FName);
  return FItemFactory(collection);
}

TPersistent* TMetaClass::CreatePersistent() const {
  if (!FPersistentFactory) throw EInvalidOperation("Cannot create an instance of " + FName);
  return FPersistentFactory();
}

const TPropInfo* TMetaClass::FindProperty(std::string_view name) const {
  for (const TPropInfo* info : FProperties)
    if (SameText(info->Name, name)) return info;
  return nullptr;
}

const TPublishedMethod* TMetaClass::FindMethod(std::string_view name) const {
  for (const TMetaClass* c = this; c; c = c->FParent)
    for (const auto& m : c->FMethods)
      if (SameText(m->Name, name)) return m.get();
  return nullptr;
}

const TMetaClass::TMessageHandler* TMetaClass::FindMessageHandler(uint32_t msg) const {
  for (const TMetaClass* c = this; c; c = c->FParent) {
    auto it = c->FMessageHandlers.find(msg);
    if (it != c->FMessageHandlers.end()) return &it->second;
  }
  return nullptr;
}

const TMetaClass::TFieldSetter* TMetaClass::FindField(std::string_view name) const {
  for (const TMetaClass* c = this; c; c = c->FParent)
    for (const auto& [fieldName, setter] : c->FFields)
      if (SameText(fieldName, name)) return &setter;
  return nullptr;
}

void TMetaClass::AddField(std::string name, TFieldSetter setter) {
  FFields.emplace_back(std::move(name), std::move(setter));
}

void TMetaClass::SetFactories(TComponentFactory component, TItemFactory item, TPersistentFactory persistent) {
  FComponentFactory = component;
  FItemFactory = item;
  FPersistentFactory = persistent;
}

TPropInfo& TMetaClass::AddProperty(std::unique_ptr<TPropInfo> info) {
  TPropInfo& added = *info;
  FOwnProperties.push_back(std::move(info));
  for (const TPropInfo*& existing : FProperties)
    if (SameText(existing->Name, added.Name)) {
      existing = &added;
      return added;
    }
  FProperties.push_back(&added);
  return added;
}

void TMetaClass::AddMethod(std::string name, std::any invoker) {
  FMethods.push_back(
      std::make_unique<TPublishedMethod>(TPublishedMethod{std::move(name), std::move(invoker)}));
}

void TMetaClass::AddMessageHandler(uint32_t msg, TMessageHandler handler) {
  FMessageHandlers[msg] = std::move(handler);
}

const TMetaClass& TObject::StaticClass() {
  static const TMetaClass meta("TObject", nullptr);
  return meta;
}

void TObject::Dispatch(TMessage& message) {
  if (const auto* handler = ClassType().FindMessageHandler(message.Msg))
    (*handler)(*this, message);
  else
    DefaultHandler(message);
}

void TObject::InheritedMessage(const TMetaClass& handlerClass, TMessage& message) {
  const TMetaClass* parent = handlerClass.ClassParent();
  const auto* handler = parent ? parent->FindMessageHandler(message.Msg) : nullptr;
  if (handler)
    (*handler)(*this, message);
  else
    DefaultHandler(message);
}

namespace {
std::unordered_map<std::string, const TMetaClass*>& Registry() {
  static std::unordered_map<std::string, const TMetaClass*> registry;
  return registry;
}
}  // namespace

void RegisterClass(const TMetaClass& cls) {
  auto [it, added] = Registry().emplace(UpperCase(cls.ClassName()), &cls);
  if (!added && it->second != &cls) throw EFilerError("A class named " + cls.ClassName() + " already exists");
}

void RegisterClasses(std::initializer_list<const TMetaClass*> classes) {
  for (const TMetaClass* cls : classes) RegisterClass(*cls);
}

void UnRegisterClass(const TMetaClass& cls) {
  auto it = Registry().find(UpperCase(cls.ClassName()));
  if (it != Registry().end() && it->second == &cls) Registry().erase(it);
}

const TMetaClass* GetClass(std::string_view name) {
  auto it = Registry().find(UpperCase(name));
  return it == Registry().end() ? nullptr : it->second;
}

const TMetaClass& FindClass(std::string_view name) {
  if (const TMetaClass* cls = GetClass(name)) return *cls;
  throw EClassNotFound("Class " + std::string(name) + " not found");
}

}  // namespace z5t8::framework
