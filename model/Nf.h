#pragma once

#include "Schema.h"

// Normal-form classes of a dependency; a schema takes the weakest class of
// its dependencies.
inline constexpr int NfViolates3NF = 2;
inline constexpr int Nf3NFOnly = 3;
inline constexpr int NfBCNF = 4;

// The attributes that belong to no key of the list (empty name slots
// included).
AttributeSet MarkNonPrimeAttributes(const KeyList& keys);

// 4 when the dependency is trivial or its left-hand side holds a key, 3 when
// its right-hand attribute is prime, 2 otherwise.
int DependencyNormalForm(const Dependency& dependency, const KeyList& keys, AttributeSet nonPrime);

// Second normal form by closures: no attribute of `member` outside every key
// depends on a proper subset of a key. Closure is monotone, so it is enough
// to close each key less one attribute. `keys` must be all the keys.
bool IsSecondNormalForm(AttributeSet member, const DependencyList& dependencies,
                        const KeyList& keys);
