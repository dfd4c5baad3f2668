#pragma once
// TSet<E>: the framework's "set of" an enumeration, as a bit set. The
// enumeration's values must lie in 0..63.
#include <cstdint>
#include <initializer_list>

template <typename E>
class TSet {
public:
  constexpr TSet() = default;
  constexpr TSet(std::initializer_list<E> Items) {
    for (E item : Items) Include(item);
  }

  constexpr bool Contains(E Item) const { return FBits & Bit(Item); }
  constexpr TSet& Include(E Item) {
    FBits |= Bit(Item);
    return *this;
  }
  constexpr TSet& Exclude(E Item) {
    FBits &= ~Bit(Item);
    return *this;
  }
  constexpr bool Empty() const { return FBits == 0; }
  constexpr uint64_t Bits() const { return FBits; }
  static constexpr TSet FromBits(uint64_t Bits) {
    TSet s;
    s.FBits = Bits;
    return s;
  }

  constexpr TSet operator+(TSet Other) const { return FromBits(FBits | Other.FBits); }
  constexpr TSet operator-(TSet Other) const { return FromBits(FBits & ~Other.FBits); }
  constexpr TSet operator*(TSet Other) const { return FromBits(FBits & Other.FBits); }
  constexpr bool operator==(const TSet&) const = default;
  // A <= B: every member of A is in B.
  constexpr bool operator<=(TSet Other) const { return (FBits & ~Other.FBits) == 0; }

private:
  static constexpr uint64_t Bit(E Item) { return uint64_t{1} << static_cast<unsigned>(Item); }
  uint64_t FBits = 0;
};
