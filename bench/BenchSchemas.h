#pragma once

// Worst realistic schemas within the program's limits: 20 attributes and 30
// dependencies.

#include <cstdio>
#include <random>
#include <string>

#include "Decomposition.h"
#include "Schema.h"
#include "Synthesis.h"

inline AttributeTable BenchNames() {
  AttributeTable names;
  for (int i = 0; i < MaxAttributes; ++i) {
    char name[4];
    std::snprintf(name, sizeof name, "A%d", i);
    names[i] = name;
  }
  return names;
}

// `count` random dependencies whose left-hand sides draw `minWidth` to
// `maxWidth` attributes (a repeated draw stays in the side twice).
inline DependencyList RandomSchema(unsigned seed, std::size_t count, int minWidth, int maxWidth) {
  std::mt19937 rng(seed);
  std::uniform_int_distribution<AttributeIndex> attr(0, MaxAttributes - 1);
  std::uniform_int_distribution<int> width(minWidth, maxWidth);
  DependencyList list;
  while (list.size() < count) {
    std::vector<AttributeIndex> lhs;
    const int w = width(rng);
    lhs.reserve(static_cast<std::size_t>(w));
    for (int k = 0; k < w; ++k)
      lhs.push_back(attr(rng));
    list.push_back(NewDependency(lhs, attr(rng)));
  }
  return list;
}

// Thirty random dependencies with left-hand sides of one to three attributes.
inline DependencyList DenseSchema(unsigned seed = 2026) {
  return RandomSchema(seed, 30, 1, 3);
}

// Ten pairs of attributes that determine each other, so every choice of one
// attribute per pair is a key (2^10 keys), plus ten redundant dependencies
// between the pairs.
inline DependencyList ManyKeysSchema() {
  DependencyList list;
  for (AttributeIndex i = 0; i < 10; ++i) {
    list.push_back(NewDependency({2 * i}, 2 * i + 1));
    list.push_back(NewDependency({2 * i + 1}, 2 * i));
  }
  for (AttributeIndex i = 0; i < 10; ++i) {
    list.push_back(NewDependency({2 * i, (2 * i + 2) % 20}, 2 * i + 1));
  }
  return list;
}

// A chain A0 -> A1 -> ... -> A19 listed backwards, so the closure needs a
// pass per record, plus ten redundant shortcuts.
inline DependencyList ChainSchema() {
  DependencyList list;
  for (AttributeIndex i = 19; i-- > 0;)
    list.push_back(NewDependency({i}, i + 1));
  for (AttributeIndex i = 0; i < 10; ++i)
    list.push_back(NewDependency({i, i + 2}, i + 9));
  return list;
}
