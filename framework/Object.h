#pragma once

#include <any>
#include <cstdint>
#include <functional>
#include <memory>
#include <string>
#include <string_view>
#include <unordered_map>
#include <vector>

namespace z5t8::framework {

class TObject;
class TPersistent;
class TComponent;
class TCollection;
class TCollectionItem;
class TMetaClass;
struct TPropInfo;
template <class T>
class TPublisher;

// A message sent to an object by number (window messages, theme notifications).
struct TMessage {
  uint32_t Msg = 0;
  uintptr_t WParam = 0;
  intptr_t LParam = 0;
  intptr_t Result = 0;
};

// A method the root of a stream publishes by name, so that events can be bound to it
// while the stream is read. Invoker holds a std::function<void(TObject* self, Args...)>.
struct TPublishedMethod {
  std::string Name;
  std::any Invoker;
};

using TClass = const TMetaClass*;

// A class reference: the class name, its parent, its virtual constructors, and what it
// publishes (properties, methods, message handlers), its own and inherited.
class TMetaClass {
public:
  using TComponentFactory = TComponent* (*)(TComponent* owner);
  using TItemFactory = TCollectionItem* (*)(TCollection* collection);
  using TPersistentFactory = TPersistent* (*)();
  using TMessageHandler = std::function<void(TObject&, TMessage&)>;
  // Stores a component in a published field of its owner (or clears it with nullptr).
  using TFieldSetter = std::function<void(TObject& owner, TComponent* value)>;

  TMetaClass(std::string name, const TMetaClass* parent);
  TMetaClass(TMetaClass&&) noexcept;
  ~TMetaClass();

  const std::string& ClassName() const { return FName; }
  const TMetaClass* ClassParent() const { return FParent; }
  bool InheritsFrom(const TMetaClass& other) const;

  // Virtual constructors; raise EInvalidOperation when the class has no such constructor.
  bool CanCreateComponent() const { return FComponentFactory != nullptr; }
  bool CanCreateItem() const { return FItemFactory != nullptr; }
  bool CanCreatePersistent() const { return FPersistentFactory != nullptr; }
  TComponent* CreateComponent(TComponent* owner) const;
  TCollectionItem* CreateItem(TCollection* collection) const;
  TPersistent* CreatePersistent() const;

  // Published properties, inherited first, in declaration order; a class that publishes a
  // property again under the same name replaces the inherited entry in place.
  const std::vector<const TPropInfo*>& Properties() const { return FProperties; }
  const TPropInfo* FindProperty(std::string_view name) const;
  const TPublishedMethod* FindMethod(std::string_view name) const;
  // The methods this class itself publishes, in the order it published them.
  const std::vector<std::unique_ptr<TPublishedMethod>>& OwnMethods() const { return FMethods; }
  const TMessageHandler* FindMessageHandler(uint32_t msg) const;
  // The published field an owner binds to its owned component of that name.
  const TFieldSetter* FindField(std::string_view name) const;

  // Used while the class is being described (TPublisher).
  void SetFactories(TComponentFactory component, TItemFactory item, TPersistentFactory persistent);
  TPropInfo& AddProperty(std::unique_ptr<TPropInfo> info);
  void AddMethod(std::string name, std::any invoker);
  void AddMessageHandler(uint32_t msg, TMessageHandler handler);
  void AddField(std::string name, TFieldSetter setter);

private:
  std::string FName;
  const TMetaClass* FParent;
  TComponentFactory FComponentFactory = nullptr;
  TItemFactory FItemFactory = nullptr;
  TPersistentFactory FPersistentFactory = nullptr;
  std::vector<std::unique_ptr<TPropInfo>> FOwnProperties;
  std::vector<const TPropInfo*> FProperties;
  std::vector<std::unique_ptr<TPublishedMethod>> FMethods;
  std::unordered_map<uint32_t, TMessageHandler> FMessageHandlers;
  std::vector<std::pair<std::string, TFieldSetter>> FFields;
};

// Declares the class reference of a class; put it first in the class body, and
// Z5T8_IMPLEMENT_CLASS(Self, Base) { ...publish... } in the source file.
#define Z5T8_CLASS(Self, Base)                                                              \
public:                                                                                     \
  using inherited = Base;                                                                   \
  static const ::z5t8::framework::TMetaClass& StaticClass();                                \
  const ::z5t8::framework::TMetaClass& ClassType() const override { return StaticClass(); } \
  static void Publish(::z5t8::framework::TPublisher<Self>& p);

class TObject {
public:
  virtual ~TObject() = default;

  static const TMetaClass& StaticClass();
  virtual const TMetaClass& ClassType() const { return StaticClass(); }
  const std::string& ClassName() const { return ClassType().ClassName(); }
  bool InheritsFrom(const TMetaClass& cls) const { return ClassType().InheritsFrom(cls); }

  // Calls the handler the class (or its nearest ancestor) has for the message number,
  // else DefaultHandler.
  virtual void Dispatch(TMessage& message);
  virtual void DefaultHandler(TMessage&) {}

protected:
  // From a message handler of handlerClass: passes the message on as the base class would.
  void InheritedMessage(const TMetaClass& handlerClass, TMessage& message);
};

// The classes a stream may name; a reader creates components by these names.
void RegisterClass(const TMetaClass& cls);
void RegisterClasses(std::initializer_list<const TMetaClass*> classes);
void UnRegisterClass(const TMetaClass& cls);
// nullptr when unknown.
const TMetaClass* GetClass(std::string_view name);
// EClassNotFound "Class %s not found" when unknown.
const TMetaClass& FindClass(std::string_view name);

}  // namespace z5t8::framework
