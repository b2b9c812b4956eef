#pragma once

#include <any>
#include <functional>
#include <memory>
#include <type_traits>

#include "framework/Object.h"

namespace z5t8::framework {

// A published method of an object: what an event is bound to when a stream names it.
struct TMethodRef {
  TObject* Data = nullptr;
  const TPublishedMethod* Method = nullptr;
  explicit operator bool() const { return Method != nullptr; }
};

// An event: either bound to a published method of an object (and then streamed by the
// method's name) or set to any callable in code (and then not streamed).
template <class... Args>
class TEvent {
public:
  using Handler = std::function<void(Args...)>;
  using Invoker = std::function<void(TObject*, Args...)>;

  TEvent() = default;
  TEvent(std::nullptr_t) {}
  template <class F, class = std::enable_if_t<std::is_invocable_v<F&, Args...> &&
                                              !std::is_same_v<std::decay_t<F>, TEvent>>>
  TEvent(F handler) : FHandler(std::make_shared<const Handler>(std::move(handler))) {}

  explicit operator bool() const { return FHandler && *FHandler; }
  void operator()(Args... args) const {
    // The handler may replace the event while it runs; it lives until it returns.
    std::shared_ptr<const Handler> handler = FHandler;
    if (handler && *handler) (*handler)(std::forward<Args>(args)...);
  }
  const TMethodRef& Method() const { return FMethod; }
  // One handler: both bound to one method of one object, or one a copy of the other.
  bool SameHandler(const TEvent& other) const {
    if (FMethod || other.FMethod)
      return FMethod.Data == other.FMethod.Data && FMethod.Method == other.FMethod.Method;
    return FHandler && FHandler == other.FHandler;
  }

  // False when the method's parameters are not the event's.
  bool Bind(const TMethodRef& method) {
    if (!method) {
      *this = TEvent();
      return true;
    }
    const auto* invoker = std::any_cast<Invoker>(&method.Method->Invoker);
    if (!invoker) return false;
    TObject* data = method.Data;
    FHandler = std::make_shared<const Handler>(
        [invoker, data](Args... args) { (*invoker)(data, std::forward<Args>(args)...); });
    FMethod = method;
    return true;
  }

private:
  // Shared by copies, so a copy can be told apart from an equal-looking handler.
  std::shared_ptr<const Handler> FHandler;
  TMethodRef FMethod;
};

using TNotifyEvent = TEvent<TObject*>;

}  // namespace z5t8::framework
