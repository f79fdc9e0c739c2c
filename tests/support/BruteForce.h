#pragma once

// Independent reference computations over all subsets, for property tests.
// They use only the definitions, never the program's algorithms.

#include <algorithm>
#include <bit>
#include <cstdint>
#include <random>
#include <vector>

#include "Schema.h"

namespace brute {

struct Fd {
  std::uint32_t lhs;
  int rhs;
};

inline std::vector<Fd> FromList(const DependencyList& list) {
  std::vector<Fd> fds;
  for (const Dependency& d : list) {
    std::uint32_t lhs = 0;
    for (int i = 0; i < MaxAttributes && d.lhs[i] != NoAttribute; ++i)
      lhs |= 1u << d.lhs[i];
    fds.push_back({lhs, static_cast<int>(d.rhs.attribute)});
  }
  return fds;
}

// Naive fixpoint: apply every dependency until nothing changes.
inline std::uint32_t Closure(std::uint32_t set, const std::vector<Fd>& fds) {
  for (;;) {
    std::uint32_t next = set;
    for (const Fd& f : fds) {
      if ((f.lhs & set) == f.lhs) next |= 1u << f.rhs;
    }
    if (next == set) return set;
    set = next;
  }
}

inline bool Implies(const std::vector<Fd>& fds, std::uint32_t lhs, int rhs) {
  return (Closure(lhs, fds) >> rhs) & 1u;
}

inline bool Equivalent(const std::vector<Fd>& a, const std::vector<Fd>& b) {
  for (const Fd& f : a) {
    if (!Implies(b, f.lhs, f.rhs)) return false;
  }
  for (const Fd& f : b) {
    if (!Implies(a, f.lhs, f.rhs)) return false;
  }
  return true;
}

// Minimal keys of the relation over attributes 0..n-1, ascending by mask.
inline std::vector<std::uint32_t> MinimalKeys(int n, const std::vector<Fd>& fds) {
  const std::uint32_t all = (n == 32) ? ~0u : ((1u << n) - 1u);
  std::vector<std::uint32_t> superkeys;
  for (std::uint32_t s = 0; s <= all; ++s) {
    if ((Closure(s, fds) & all) == all) superkeys.push_back(s);
  }
  std::vector<std::uint32_t> keys;
  for (std::uint32_t s : superkeys) {
    bool minimal = true;
    for (std::uint32_t t : superkeys) {
      if (t != s && (t & s) == t) {
        minimal = false;
        break;
      }
    }
    if (minimal) keys.push_back(s);
  }
  return keys;
}

// Maximal sets of attribute a over attributes 0..n-1, ascending by mask: a
// stays out of the closure, and adding any further attribute brings it in.
// Whether a set determines a is settled for every set once, in ascending
// order, so that twenty attributes take a fraction of a second: a set holding
// one that determines a determines it as well.
inline std::vector<std::uint32_t> MaximalSets(int n, const std::vector<Fd>& fds, int a) {
  const std::uint32_t all = (1u << n) - 1u;
  std::vector<bool> determines(std::size_t{all} + 1);
  for (std::uint32_t s = 0; s <= all; ++s) {
    bool held = false;
    for (std::uint32_t rest = s; rest != 0 && !held; rest &= rest - 1)
      held = determines[s & ~(rest & (~rest + 1))];
    determines[s] = held || ((Closure(s, fds) >> a) & 1u) != 0;
  }
  std::vector<std::uint32_t> sets;
  for (std::uint32_t s = 0; s <= all; ++s) {
    if (determines[s]) continue;
    bool maximal = true;
    for (int i = 0; i < n && maximal; ++i)
      maximal = ((s >> i) & 1u) != 0 || determines[s | (1u << i)];
    if (maximal) sets.push_back(s);
  }
  return sets;
}

// BCNF over attributes 0..n-1: every set determines nothing beyond itself or
// determines everything.
inline bool IsBcnf(int n, const std::vector<Fd>& fds) {
  const std::uint32_t all = (1u << n) - 1u;
  for (std::uint32_t s = 0; s <= all; ++s) {
    const std::uint32_t closed = Closure(s, fds) & all;
    if (closed != s && closed != all) return false;
  }
  return true;
}

// A random schema of n attributes: between 0 and maxDeps dependencies, each
// with a non-empty left-hand side of up to maxLhs distinct attributes.
inline DependencyList RandomDependencies(std::mt19937& rng, int n, int maxDeps, int maxLhs) {
  DependencyList list;
  std::uniform_int_distribution<int> count(0, maxDeps);
  std::uniform_int_distribution<int> attr(0, n - 1);
  std::uniform_int_distribution<int> width(1, maxLhs);
  const int deps = count(rng);
  for (int d = 0; d < deps; ++d) {
    std::vector<AttributeIndex> lhs;
    const int w = width(rng);
    std::uint32_t used = 0;
    for (int k = 0; k < w; ++k) {
      const int a = attr(rng);
      if ((used >> a) & 1u) continue;
      used |= 1u << a;
      lhs.push_back(static_cast<AttributeIndex>(a));
    }
    list.push_back(NewDependency(lhs, static_cast<AttributeIndex>(attr(rng))));
  }
  return list;
}

// Like RandomDependencies, with the inputs at the edges mixed in: empty
// left-hand sides, trivial records (the right-hand attribute on the left as
// well) and an attribute repeated within one left-hand side.
inline DependencyList RandomEdgeDependencies(std::mt19937& rng, int n, int maxDeps, int maxLhs) {
  DependencyList list;
  std::uniform_int_distribution<int> attr(0, n - 1);
  std::uniform_int_distribution<int> width(0, maxLhs);
  std::uniform_int_distribution<int> kind(0, 9);
  const int deps = std::uniform_int_distribution<int>(0, maxDeps)(rng);
  for (int d = 0; d < deps; ++d) {
    std::vector<AttributeIndex> lhs;
    const int w = kind(rng) == 0 ? 0 : std::max(1, width(rng));
    lhs.reserve(static_cast<std::size_t>(w) + 1);
    for (int k = 0; k < w; ++k)
      lhs.push_back(static_cast<AttributeIndex>(attr(rng)));
    if (!lhs.empty() && kind(rng) == 0) lhs.push_back(lhs.front());
    AttributeIndex rhs = static_cast<AttributeIndex>(attr(rng));
    if (!lhs.empty() && kind(rng) == 0) rhs = lhs.back();
    list.push_back(NewDependency(lhs, rhs));
  }
  return list;
}

// Calls f on every subset of `members`, the empty set first.
template <typename F>
void ForEachSubset(std::uint32_t members, F f) {
  std::uint32_t s = 0;
  do {
    f(s);
    s = (s - members) & members;
  } while (s != 0);
}

// The keys of the schema over `members` in which the dependencies hold:
// the sets whose closure holds every member while no set one smaller does.
// Ascending by mask.
inline std::vector<std::uint32_t> KeysOf(std::uint32_t members, const std::vector<Fd>& fds) {
  const auto superkey = [&](std::uint32_t s) { return (Closure(s, fds) & members) == members; };
  std::vector<std::uint32_t> keys;
  ForEachSubset(members, [&](std::uint32_t s) {
    if (!superkey(s)) return;
    for (std::uint32_t rest = s; rest != 0; rest &= rest - 1) {
      if (superkey(s & ~(rest & (~rest + 1)))) return;
    }
    keys.push_back(s);
  });
  std::sort(keys.begin(), keys.end());
  return keys;
}

// The members that belong to some key.
inline std::uint32_t PrimeMembers(const std::vector<std::uint32_t>& keys) {
  std::uint32_t prime = 0;
  for (std::uint32_t k : keys)
    prime |= k;
  return prime;
}

// 4 when the schema over `members` is in BCNF, 3 when only in 3NF, 2 below:
// every set determines no further member, or is a superkey, or (3NF) only
// prime members.
// `keys` are the keys over `members`.
inline int NormalFormOf(std::uint32_t members, const std::vector<Fd>& fds,
                        const std::vector<std::uint32_t>& keys) {
  const std::uint32_t prime = PrimeMembers(keys);
  int nf = 4;
  ForEachSubset(members, [&](std::uint32_t s) {
    const std::uint32_t closed = Closure(s, fds) & members;
    if (closed == s || closed == members) return;
    nf = std::min(nf, (closed & ~s & ~prime) != 0 ? 2 : 3);
  });
  return nf;
}

// 2NF over `members`, whose keys are `keys`: no member outside every key
// depends on a proper subset of a key.
inline bool IsSecondNormalForm(std::uint32_t members, const std::vector<Fd>& fds,
                               const std::vector<std::uint32_t>& keys) {
  const std::uint32_t prime = PrimeMembers(keys);
  const std::uint32_t nonPrime = members & ~prime;
  bool second = true;
  for (std::uint32_t k : keys) {
    ForEachSubset(k, [&](std::uint32_t s) {
      if (s != k && (Closure(s, fds) & nonPrime) != 0) second = false;
    });
  }
  return second;
}

// Whether the dependencies that hold in the schemas together imply every
// dependency: the left-hand side grows by what each schema derives from its
// share of it.
inline bool Preserves(const std::vector<std::uint32_t>& schemas, const std::vector<Fd>& fds) {
  for (const Fd& f : fds) {
    std::uint32_t z = f.lhs;
    for (std::uint32_t before = ~z; before != z;) {
      before = z;
      for (std::uint32_t r : schemas)
        z |= Closure(z & r, fds) & r;
    }
    if (((z >> f.rhs) & 1u) == 0) return false;
  }
  return true;
}

// Every dependency X -> a that holds in the schema over `members`: X a
// subset of the members, a a member outside X in its closure.
inline std::vector<Fd> Projection(std::uint32_t members, const std::vector<Fd>& fds) {
  std::vector<Fd> projected;
  ForEachSubset(members, [&](std::uint32_t x) {
    const std::uint32_t reached = Closure(x, fds) & members & ~x;
    for (int a = 0; a < MaxAttributes; ++a) {
      if ((reached >> a) & 1u) projected.push_back({x, a});
    }
  });
  return projected;
}

// The chase tableau of the schemas over attributes 0..n-1: row i starts with
// 'a' (-1) where schema i has the attribute and b_i (i) elsewhere. While two
// rows agree on a left-hand side but not on its right-hand attribute, the
// larger of the two symbols is replaced by the smaller in that whole column.
inline std::vector<std::vector<int>> ChaseTableau(int n, const std::vector<std::uint32_t>& schemas,
                                                  const std::vector<Fd>& fds) {
  std::vector<std::vector<int>> t;
  t.reserve(schemas.size());
  for (std::size_t i = 0; i < schemas.size(); ++i) {
    std::vector<int> row;
    row.reserve(static_cast<std::size_t>(n));
    for (int c = 0; c < n; ++c)
      row.push_back(((schemas[i] >> c) & 1u) ? -1 : static_cast<int>(i));
    t.push_back(row);
  }
  const auto agree = [&](const std::vector<int>& r, const std::vector<int>& s, std::uint32_t lhs) {
    for (int c = 0; c < n; ++c) {
      if (((lhs >> c) & 1u) && r[c] != s[c]) return false;
    }
    return true;
  };
  for (bool violated = true; violated;) {
    violated = false;
    for (const Fd& f : fds) {
      for (const auto& r : t) {
        for (const auto& s : t) {
          if (violated || !agree(r, s, f.lhs) || r[f.rhs] == s[f.rhs]) continue;
          violated = true;
          const int from = std::max(r[f.rhs], s[f.rhs]);
          const int to = std::min(r[f.rhs], s[f.rhs]);
          for (auto& row : t) {
            if (row[f.rhs] == from) row[f.rhs] = to;
          }
        }
      }
    }
  }
  return t;
}

// The highest normal form of the schema over attributes 0..n-1: 4 BCNF, 3
// third, 2 second, 1 first (some non-prime attribute depends on a proper
// subset of a key).
inline int HighestNormalForm(int n, const std::vector<Fd>& fds) {
  const std::uint32_t all = (1u << n) - 1u;
  const std::vector<std::uint32_t> keys = KeysOf(all, fds);
  const int nf = NormalFormOf(all, fds, keys);
  if (nf > 2) return nf;
  return IsSecondNormalForm(all, fds, keys) ? 2 : 1;
}

// The records that follow from the others.
inline int RedundantRecordCount(const std::vector<Fd>& fds) {
  int count = 0;
  for (std::size_t i = 0; i < fds.size(); ++i) {
    std::vector<Fd> others = fds;
    others.erase(others.begin() + static_cast<std::ptrdiff_t>(i));
    count += Implies(others, fds[i].lhs, fds[i].rhs) ? 1 : 0;
  }
  return count;
}

// The pairs of a record of two or more left-hand attributes and one of them
// without which the rest of the side still implies the right-hand attribute
// (left-hand sides without repeated entries).
inline int RedundantAttributeCount(const std::vector<Fd>& fds) {
  int count = 0;
  for (const Fd& f : fds) {
    if (std::popcount(f.lhs) < 2) continue;
    for (int a = 0; a < 32; ++a) {
      if (((f.lhs >> a) & 1u) && Implies(fds, f.lhs & ~(1u << a), f.rhs)) ++count;
    }
  }
  return count;
}

// Whether some permutation of attributes 0..n-1 maps the set of (left-hand
// set, right-hand attribute) pairs of `a` onto that of `b`, trying them all.
inline bool SameUpToRenaming(int n, const std::vector<Fd>& a, const std::vector<Fd>& b) {
  const auto set = [](const std::vector<Fd>& fds) {
    std::vector<std::pair<std::uint32_t, int>> pairs;
    pairs.reserve(fds.size());
    for (const Fd& f : fds)
      pairs.emplace_back(f.lhs, f.rhs);
    std::sort(pairs.begin(), pairs.end());
    pairs.erase(std::unique(pairs.begin(), pairs.end()), pairs.end());
    return pairs;
  };
  const auto target = set(b);
  std::vector<int> p(static_cast<std::size_t>(n));
  for (int i = 0; i < n; ++i)
    p[i] = i;
  do {
    std::vector<Fd> mapped;
    for (const Fd& f : a) {
      std::uint32_t lhs = 0;
      for (int i = 0; i < n; ++i) {
        if ((f.lhs >> i) & 1u) lhs |= 1u << p[i];
      }
      mapped.push_back({lhs, p[f.rhs]});
    }
    if (set(mapped) == target) return true;
  } while (std::next_permutation(p.begin(), p.end()));
  return false;
}

inline AttributeTable GeneratedNames(int n) {
  AttributeTable names;
  for (int i = 0; i < n; ++i)
    names[i] = std::string(1, static_cast<char>('A' + i));
  return names;
}

}  // namespace brute
