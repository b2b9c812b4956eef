#pragma once

#include <cstdint>
#include <functional>
#include <memory>
#include <optional>
#include <string>
#include <type_traits>

#include "framework/Collection.h"
#include "framework/Component.h"
#include "framework/Event.h"
#include "framework/Object.h"
#include "framework/Set.h"
#include "framework/TypeInfo.h"

namespace z5t8::framework {

enum class TPropKind {
  Integer,
  Int64,
  Enumeration,
  Set,
  Boolean,
  String,
  WideString,
  Object,
  Component,
  Method
};

// One published property: its name, kind and accessors. Ordinal kinds (integers,
// enumerations, sets, booleans) go through GetOrd/SetOrd; Integer values are the 32-bit
// pattern sign-extended, so colours such as 0x80000008 keep their bits.
struct TPropInfo {
  std::string Name;
  TPropKind Kind = TPropKind::Integer;
  const TEnumInfo* Enum = nullptr;                  // Enumeration: value names; Set: element names
  TIdentMap Idents;                                 // Integer: identifiers written instead of numbers
  const TMetaClass& (*ComponentClass)() = nullptr;  // Component: the class a reference must have
  std::optional<int64_t> Default;                   // ordinal kinds: left out by writers when equal
  bool StoredFlag = true;
  std::function<bool(const TObject&)> StoredFn;

  std::function<int64_t(const TObject&)> GetOrd;
  std::function<void(TObject&, int64_t)> SetOrd;
  std::function<std::string(const TObject&)> GetStr;
  std::function<void(TObject&, const std::string&)> SetStr;
  std::function<std::u16string(const TObject&)> GetWStr;
  std::function<void(TObject&, const std::u16string&)> SetWStr;
  std::function<TPersistent*(const TObject&)> GetObj;  // Object: the nested persistent object
  std::function<TComponent*(const TObject&)> GetComp;
  std::function<void(TObject&, TComponent*)> SetComp;  // called with a component of ComponentClass
  std::function<TMethodRef(const TObject&)> GetMethod;
  std::function<bool(TObject&, const TMethodRef&)> SetMethod;  // false: parameters differ

  bool IsStored(const TObject& instance) const { return StoredFlag && (!StoredFn || StoredFn(instance)); }
};

namespace detail {
template <class V>
int64_t ToOrdinal(const V& v) {
  if constexpr (requires { v.Bits(); })
    return int64_t(v.Bits());
  else
    return int64_t(v);
}
template <class V>
V FromOrdinal(int64_t x) {
  if constexpr (requires { V::FromBits(0u); })
    return V::FromBits(uint32_t(x));
  else
    return static_cast<V>(x);
}
template <class T, class G>
using Value = std::remove_cvref_t<std::invoke_result_t<G, const T&>>;

template <class T, class S, class V>
void Assign(T& o, S set, V&& v) {
  if constexpr (std::is_member_object_pointer_v<S>)
    o.*set = std::forward<V>(v);
  else
    std::invoke(set, o, std::forward<V>(v));
}

template <class F>
struct MethodTraits;
template <class R, class C, class... Args>
struct MethodTraits<R (C::*)(Args...)> {
  using Invoker = std::function<R(TObject*, Args...)>;
  template <class T>
  static Invoker Make(R (C::*m)(Args...)) {
    return [m](TObject* self, Args... args) -> R {
      return (static_cast<T*>(self)->*m)(std::forward<Args>(args)...);
    };
  }
};
}  // namespace detail

template <class T>
class TPropBuilder {
public:
  explicit TPropBuilder(TPropInfo& info) : FInfo(info) {}
  TPropBuilder& Default(int64_t value) {
    FInfo.Default = FInfo.Kind == TPropKind::Integer ? int64_t(int32_t(value)) : value;
    return *this;
  }
  TPropBuilder& Stored(bool stored) {
    FInfo.StoredFlag = stored;
    return *this;
  }
  template <class F>
  TPropBuilder& Stored(F predicate) {
    FInfo.StoredFn = [predicate](const TObject& o) {
      return bool(std::invoke(predicate, static_cast<const T&>(o)));
    };
    return *this;
  }
  TPropBuilder& Idents(TIdentMap map) {
    FInfo.Idents = map;
    return *this;
  }

private:
  TPropInfo& FInfo;
};

// Describes the published part of class T. Getters are member functions, data members or
// callables taking const T&; setters member functions, data members or callables taking
// (T&, value).
template <class T>
class TPublisher {
public:
  explicit TPublisher(TMetaClass& meta) : FMeta(meta) {}

  template <class G, class S>
  TPropBuilder<T> Integer(std::string name, G get, S set) {
    using V = detail::Value<T, G>;
    auto& p = Add(std::move(name), TPropKind::Integer);
    p.GetOrd = [get](const TObject& o) { return int64_t(int32_t(detail::ToOrdinal(Get(o, get)))); };
    p.SetOrd = [set](TObject& o, int64_t v) {
      detail::Assign(static_cast<T&>(o), set, static_cast<V>(int32_t(v)));
    };
    return TPropBuilder<T>(p);
  }
  template <class G, class S>
  TPropBuilder<T> Int64(std::string name, G get, S set) {
    using V = detail::Value<T, G>;
    auto& p = Add(std::move(name), TPropKind::Int64);
    p.GetOrd = [get](const TObject& o) { return int64_t(Get(o, get)); };
    p.SetOrd = [set](TObject& o, int64_t v) { detail::Assign(static_cast<T&>(o), set, static_cast<V>(v)); };
    return TPropBuilder<T>(p);
  }
  template <class G, class S>
  TPropBuilder<T> Enum(std::string name, const TEnumInfo& info, G get, S set) {
    using V = detail::Value<T, G>;
    auto& p = Add(std::move(name), TPropKind::Enumeration);
    p.Enum = &info;
    p.GetOrd = [get](const TObject& o) { return int64_t(Get(o, get)); };
    p.SetOrd = [set](TObject& o, int64_t v) { detail::Assign(static_cast<T&>(o), set, static_cast<V>(v)); };
    return TPropBuilder<T>(p);
  }
  template <class G, class S>
  TPropBuilder<T> Set(std::string name, const TEnumInfo& elements, G get, S set) {
    using V = detail::Value<T, G>;
    auto& p = Add(std::move(name), TPropKind::Set);
    p.Enum = &elements;
    p.GetOrd = [get](const TObject& o) { return detail::ToOrdinal(Get(o, get)); };
    p.SetOrd = [set](TObject& o, int64_t v) {
      detail::Assign(static_cast<T&>(o), set, detail::FromOrdinal<V>(v));
    };
    return TPropBuilder<T>(p);
  }
  template <class G, class S>
  TPropBuilder<T> Boolean(std::string name, G get, S set) {
    auto& p = Add(std::move(name), TPropKind::Boolean);
    p.GetOrd = [get](const TObject& o) { return int64_t(bool(Get(o, get))); };
    p.SetOrd = [set](TObject& o, int64_t v) { detail::Assign(static_cast<T&>(o), set, v != 0); };
    return TPropBuilder<T>(p);
  }
  template <class G, class S>
  TPropBuilder<T> String(std::string name, G get, S set) {
    auto& p = Add(std::move(name), TPropKind::String);
    p.GetStr = [get](const TObject& o) { return std::string(Get(o, get)); };
    p.SetStr = [set](TObject& o, const std::string& v) { detail::Assign(static_cast<T&>(o), set, v); };
    return TPropBuilder<T>(p);
  }
  template <class G, class S>
  TPropBuilder<T> WideString(std::string name, G get, S set) {
    auto& p = Add(std::move(name), TPropKind::WideString);
    p.GetWStr = [get](const TObject& o) { return std::u16string(Get(o, get)); };
    p.SetWStr = [set](TObject& o, const std::u16string& v) { detail::Assign(static_cast<T&>(o), set, v); };
    return TPropBuilder<T>(p);
  }
  // A nested persistent object owned by the instance ("Font.Name"); a TCollection streams
  // as a collection value.
  template <class G>
  TPropBuilder<T> Object(std::string name, G get) {
    auto& p = Add(std::move(name), TPropKind::Object);
    p.GetObj = [get](const TObject& o) -> TPersistent* { return ToPointer(Get(o, get)); };
    return TPropBuilder<T>(p);
  }
  // A reference to another component, streamed by name and fixed up after reading.
  template <class G, class S>
  TPropBuilder<T> Component(std::string name, G get, S set) {
    using V = std::remove_pointer_t<detail::Value<T, G>>;
    auto& p = Add(std::move(name), TPropKind::Component);
    p.ComponentClass = &V::StaticClass;
    p.GetComp = [get](const TObject& o) -> TComponent* { return Get(o, get); };
    p.SetComp = [set](TObject& o, TComponent* c) {
      detail::Assign(static_cast<T&>(o), set, static_cast<V*>(c));
    };
    return TPropBuilder<T>(p);
  }
  // An event data member (TEvent<...> T::*), bound by method name to the stream's root.
  template <class... Args>
  TPropBuilder<T> Event(std::string name, TEvent<Args...> T::*field) {
    auto& p = Add(std::move(name), TPropKind::Method);
    p.GetMethod = [field](const TObject& o) { return (static_cast<const T&>(o).*field).Method(); };
    p.SetMethod = [field](TObject& o, const TMethodRef& m) { return (static_cast<T&>(o).*field).Bind(m); };
    return TPropBuilder<T>(p);
  }
  // A published method (R T::Name(Args...)); streams bind events to those returning void.
  template <class M>
  void Method(std::string name, M method) {
    FMeta.AddMethod(std::move(name), detail::MethodTraits<M>::template Make<T>(method));
  }
  // A handler for a message number: void T::Handler(TMessage&).
  template <class C>
  void Message(uint32_t msg, void (C::*handler)(TMessage&)) {
    FMeta.AddMessageHandler(msg, [handler](TObject& o, TMessage& m) { (static_cast<T&>(o).*handler)(m); });
  }
  // A published field the owner binds to its owned component of the same name.
  template <class C>
  void Field(std::string name, C* T::*field) {
    FMeta.AddField(std::move(name), [field](TObject& owner, TComponent* value) {
      static_cast<T&>(owner).*field = dynamic_cast<C*>(value);
    });
  }

private:
  template <class G>
  static decltype(auto) Get(const TObject& o, G get) {
    return std::invoke(get, static_cast<const T&>(o));
  }
  template <class P>
  static TPersistent* ToPointer(P&& p) {
    if constexpr (std::is_pointer_v<std::remove_cvref_t<P>>)
      return const_cast<TPersistent*>(static_cast<const TPersistent*>(p));
    else
      return const_cast<TPersistent*>(static_cast<const TPersistent*>(&p));
  }
  TPropInfo& Add(std::string name, TPropKind kind) {
    auto info = std::make_unique<TPropInfo>();
    info->Name = std::move(name);
    info->Kind = kind;
    return FMeta.AddProperty(std::move(info));
  }
  TMetaClass& FMeta;
};

template <class T>
TMetaClass MakeMetaClass(const char* name, const TMetaClass* parent) {
  TMetaClass meta(name, parent);
  TMetaClass::TComponentFactory component = nullptr;
  TMetaClass::TItemFactory item = nullptr;
  TMetaClass::TPersistentFactory persistent = nullptr;
  if constexpr (!std::is_abstract_v<T>) {
    if constexpr (std::is_base_of_v<TComponent, T> && std::is_constructible_v<T, TComponent*>)
      component = [](TComponent* owner) -> TComponent* { return new T(owner); };
    else if constexpr (std::is_base_of_v<TCollectionItem, T> && std::is_constructible_v<T, TCollection*>)
      item = [](TCollection* collection) -> TCollectionItem* { return new T(collection); };
    else if constexpr (std::is_base_of_v<TPersistent, T> && std::is_default_constructible_v<T>)
      persistent = []() -> TPersistent* { return new T(); };
  }
  meta.SetFactories(component, item, persistent);
  TPublisher<T> publisher(meta);
  T::Publish(publisher);
  return meta;
}

// Defines Self::StaticClass and opens the body of Self::Publish (the parameter is p).
#define Z5T8_IMPLEMENT_CLASS(Self, Base)                                     \
  const ::z5t8::framework::TMetaClass& Self::StaticClass() {                 \
    static const ::z5t8::framework::TMetaClass meta =                        \
        ::z5t8::framework::MakeMetaClass<Self>(#Self, &Base::StaticClass()); \
    return meta;                                                             \
  }                                                                          \
  void Self::Publish([[maybe_unused]] ::z5t8::framework::TPublisher<Self>& p)

}  // namespace z5t8::framework
