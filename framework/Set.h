#pragma once

#include <cstdint>
#include <initializer_list>

namespace z5t8::framework {

// A set of up to 32 values of an enumeration, as the published properties stream them.
template <class E>
class TSet {
public:
  constexpr TSet() = default;
  constexpr TSet(std::initializer_list<E> values) {
    for (E e : values) Include(e);
  }
  static constexpr TSet FromBits(uint32_t bits) {
    TSet s;
    s.FBits = bits;
    return s;
  }

  constexpr uint32_t Bits() const { return FBits; }
  constexpr bool Empty() const { return FBits == 0; }
  constexpr bool Contains(E e) const { return FBits >> unsigned(e) & 1u; }
  constexpr TSet& Include(E e) {
    FBits |= 1u << unsigned(e);
    return *this;
  }
  constexpr TSet& Exclude(E e) {
    FBits &= ~(1u << unsigned(e));
    return *this;
  }

  constexpr TSet operator+(TSet o) const { return FromBits(FBits | o.FBits); }
  constexpr TSet operator-(TSet o) const { return FromBits(FBits & ~o.FBits); }
  constexpr TSet operator*(TSet o) const { return FromBits(FBits & o.FBits); }
  constexpr bool operator==(const TSet&) const = default;

private:
  uint32_t FBits = 0;
};

}  // namespace z5t8::framework
