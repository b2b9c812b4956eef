#pragma once

// The most heap a piece of code holds at once, from the address sanitizer's allocation hooks;
// without the sanitizer there is nothing to measure and Available() is false.
#include <cstddef>
#include <cstdint>

#if defined(__has_feature)
#if __has_feature(address_sanitizer)
#define Z5T8_HEAP_HOOKS 1
#endif
#endif
#if !defined(Z5T8_HEAP_HOOKS) && defined(__SANITIZE_ADDRESS__)
#define Z5T8_HEAP_HOOKS 1
#endif

#ifdef Z5T8_HEAP_HOOKS
#include <sanitizer/allocator_interface.h>
#endif

namespace z5t8::testing {

class THeapPeak {
public:
  static bool Available() {
#ifdef Z5T8_HEAP_HOOKS
    return true;
#else
    return false;
#endif
  }

  THeapPeak() {
    Current() = 0;
    Peak() = 0;
    Active() = true;
#ifdef Z5T8_HEAP_HOOKS
    if (!Installed()) Installed() = __sanitizer_install_malloc_and_free_hooks(OnMalloc, OnFree) != 0;
#endif
  }
  ~THeapPeak() { Active() = false; }
  THeapPeak(const THeapPeak&) = delete;
  THeapPeak& operator=(const THeapPeak&) = delete;

  // Bytes above what was held when this object was made.
  static int64_t Bytes() { return Peak(); }

private:
  static int64_t& Current() {
    static int64_t value = 0;
    return value;
  }
  static int64_t& Peak() {
    static int64_t value = 0;
    return value;
  }
  static bool& Active() {
    static bool value = false;
    return value;
  }
  static bool& Installed() {
    static bool value = false;
    return value;
  }
#ifdef Z5T8_HEAP_HOOKS
  static void OnMalloc(const volatile void*, size_t size) {
    if (!Active()) return;
    Current() += int64_t(size);
    if (Current() > Peak()) Peak() = Current();
  }
  static void OnFree(const volatile void* p) {
    if (!Active() || !p) return;
    Current() -= int64_t(__sanitizer_get_allocated_size(const_cast<const void*>(p)));
  }
#endif
};

}  // namespace z5t8::testing
