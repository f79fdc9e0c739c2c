#pragma once

// The relation schema as every algorithm sees it: attribute names addressed by
// index, functional dependencies with one right-hand attribute each, and the
// candidate keys found for them.

#include <array>
#include <bit>
#include <cstdint>
#include <initializer_list>
#include <iterator>
#include <list>
#include <optional>
#include <string>
#include <vector>

using AttributeIndex = std::uint32_t;

inline constexpr int MaxAttributes = 20;
inline constexpr int MaxNameLength = 15;
// Terminator of every left-hand index array, and the closure target that asks
// for no particular attribute.
inline constexpr AttributeIndex NoAttribute = 0xFFFFFFFFu;

inline constexpr std::uint32_t AllAttributesMask = (1u << MaxAttributes) - 1u;

// A set of attribute indexes as a bit mask; bit i stands for attribute i.
struct AttributeSet {
  std::uint32_t mask = 0;

  static constexpr AttributeSet Of(std::initializer_list<AttributeIndex> members) {
    AttributeSet s;
    for (AttributeIndex a : members)
      s.Add(a);
    return s;
  }
  constexpr bool Has(AttributeIndex a) const { return a < 32 && ((mask >> a) & 1u) != 0; }
  constexpr void Add(AttributeIndex a) { mask |= 1u << a; }
  constexpr void Remove(AttributeIndex a) { mask &= ~(1u << a); }
  constexpr bool Empty() const { return mask == 0; }
  constexpr int Count() const { return std::popcount(mask); }
  constexpr bool IsSubsetOf(AttributeSet other) const { return (mask & ~other.mask) == 0; }
  constexpr bool operator==(const AttributeSet&) const = default;
  constexpr AttributeSet operator|(AttributeSet o) const { return {mask | o.mask}; }
  constexpr AttributeSet operator&(AttributeSet o) const { return {mask & o.mask}; }
  constexpr AttributeSet operator-(AttributeSet o) const { return {mask & ~o.mask}; }
};

// Attribute names; slot i names attribute i, an empty string marks an empty
// slot. Names are UTF-8 text.
using AttributeTable = std::array<std::string, MaxAttributes>;

struct RhsItem {
  AttributeIndex attribute = NoAttribute;
  std::uint32_t mark = 0;
};

// One functional dependency with a single right-hand attribute.
struct Dependency {
  // Left-hand attribute indexes packed from slot 0; every slot after the last
  // index holds NoAttribute.
  std::array<AttributeIndex, MaxAttributes> lhs = FilledWithNoAttribute();
  RhsItem rhs;
  // Scratch mark: the closure routine rewrites it on every call, and some
  // algorithms use it between closure calls to remember handled records. It
  // carries no schema data, so reading algorithms may write it.
  mutable std::uint32_t used = 0;

  AttributeIndex Rhs() const { return rhs.attribute; }
  int LhsCount() const;
  AttributeSet LhsSet() const;
  bool LhsHas(AttributeIndex a) const;

 private:
  static constexpr std::array<AttributeIndex, MaxAttributes> FilledWithNoAttribute() {
    std::array<AttributeIndex, MaxAttributes> a{};
    a.fill(NoAttribute);
    return a;
  }
};

// List order is visible to the user and drives every algorithm's scan order.
// Records keep their identity while others are inserted or erased, so windows
// may point at them.
using DependencyList = std::list<Dependency>;

struct KeyRecord {
  AttributeSet member;
  std::uint32_t mark = 0;
};

// Keys in the order found: the first key, then the keys the all-keys search
// appended.
using KeyList = std::vector<KeyRecord>;

// A new record with the given left-hand indexes (in the given order) and one
// right-hand item with mark 0.
Dependency NewDependency(std::initializer_list<AttributeIndex> lhs, AttributeIndex rhs);
Dependency NewDependency(const std::vector<AttributeIndex>& lhs, AttributeIndex rhs);

// Inserts a record directly behind the first one, so that the rest of the
// list runs newest first; into an empty list it becomes the head.
template <typename List>
void InsertBehindHead(List& list, typename List::value_type record) {
  if (list.empty()) {
    list.push_back(std::move(record));
  } else {
    list.insert(std::next(list.begin()), std::move(record));
  }
}

// Copies a list the way the synthesis command hands it over: the first
// record stays first, every further one goes directly behind it.
template <typename List>
List CopyInsertingBehindHead(const List& source) {
  List copy;
  for (const auto& record : source)
    InsertBehindHead(copy, record);
  return copy;
}

// A whole schema: names, dependencies and the keys found for them.
struct Schema {
  AttributeTable attributes;
  DependencyList dependencies;
  KeyList keys;

  void SetAttributes(const AttributeTable& names) { attributes = names; }
  const std::string& AttributeName(std::size_t index) const;
  void ReplaceDependencies(DependencyList list) { dependencies = std::move(list); }
  void ClearSchema();
};
