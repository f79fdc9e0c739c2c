#pragma once

#include <cstdint>

#include "Schema.h"

// Normal-form classes of a dependency; a schema takes the weakest class of
// its dependencies. The values grow with the strength of the class, so the
// weakest class is the smallest.
enum class NormalFormClass : std::uint8_t {
  NotComputed = 0,  // only a schema's class: it has no dependencies yet
  Violates3NF = 2,
  ThirdOnly = 3,  // in 3NF, not in BCNF
  Bcnf = 4,
};

constexpr NormalFormClass WeakerClass(NormalFormClass a, NormalFormClass b) {
  return static_cast<std::uint8_t>(a) <= static_cast<std::uint8_t>(b) ? a : b;
}

// The attributes that belong to no key of the list (empty name slots
// included).
AttributeSet MarkNonPrimeAttributes(const KeyList& keys);

// Bcnf when the dependency is trivial or its left-hand side holds a key,
// ThirdOnly when its right-hand attribute is prime, Violates3NF otherwise.
NormalFormClass DependencyNormalForm(const Dependency& dependency, const KeyList& keys,
                                     AttributeSet nonPrime);

// Second normal form by closures: no attribute of `member` outside every key
// depends on a proper subset of a key. Closure is monotone, so it is enough
// to close each key less one attribute. `keys` must be all the keys.
bool IsSecondNormalForm(AttributeSet member, const DependencyList& dependencies,
                        const KeyList& keys);
