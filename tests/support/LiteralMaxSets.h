#pragma once

// The maximal-set computations step by step as the program describes them,
// on linked lists and with the closure routine itself, to hold the faster
// code to the same results in the same order; and small helpers to compare
// set families.

#include <algorithm>
#include <array>
#include <list>
#include <vector>

#include "Closure.h"
#include "MaxSets.h"

// The distinct sets, ascending by mask.
inline std::vector<std::uint32_t> Distinct(const std::vector<SetNode>& sets) {
  std::vector<std::uint32_t> out;
  out.reserve(sets.size());
  for (const SetNode& s : sets)
    out.push_back(s.member.mask);
  std::sort(out.begin(), out.end());
  out.erase(std::unique(out.begin(), out.end()), out.end());
  return out;
}

inline bool HasTrivialDependency(const DependencyList& list) {
  return std::any_of(list.begin(), list.end(),
                     [](const Dependency& d) { return d.LhsHas(d.Rhs()); });
}

namespace literal {

using List = std::list<AttributeSet>;

inline AttributeSet All(int n) {
  return AttributeSet{(1u << n) - 1u};
}

inline bool IsMaximal(AttributeSet x, AttributeIndex a, const DependencyList& deps, int n) {
  AttributeSet s = x;
  ComputeClosure(s, a, deps, nullptr);
  if (s.Has(a)) return false;
  for (AttributeIndex i = 0; i < static_cast<AttributeIndex>(n); ++i) {
    if (x.Has(i)) continue;
    s = x;
    s.Add(i);
    ComputeClosure(s, a, deps, nullptr);
    if (!s.Has(a)) return false;
  }
  return true;
}

inline std::array<List, MaxAttributes> MaxSets(const DependencyList& deps, int n) {
  std::array<List, MaxAttributes> max;
  for (AttributeIndex j = 0; j < static_cast<AttributeIndex>(n); ++j) {
    AttributeSet s = All(n);
    s.Remove(j);
    max[j].push_back(s);
  }
  DependencyList processed;
  for (const Dependency& d : deps) {
    InsertBehindHead(processed, d);
    std::array<List, MaxAttributes> work;
    for (AttributeIndex j = 0; j < static_cast<AttributeIndex>(n); ++j) {
      work[j] = CopyInsertingBehindHead(max[j]);
      for (AttributeSet m : max[j]) {
        if (!d.LhsSet().IsSubsetOf(m) || m.Has(d.Rhs())) continue;
        work[j].erase(std::find(work[j].begin(), work[j].end(), m));
        for (int k = 0; k < MaxAttributes && d.lhs[k] != NoAttribute; ++k) {
          for (AttributeSet other : max[d.lhs[k]]) {
            if (IsMaximal(m & other, j, processed, n)) InsertBehindHead(work[j], m & other);
          }
        }
      }
    }
    for (AttributeIndex j = 0; j < static_cast<AttributeIndex>(n); ++j)
      max[j] = CopyInsertingBehindHead(work[j]);
  }
  return max;
}

// The MAX family as the condensed build makes it: a set formed again adds its
// count to the node already there.
inline std::array<SetList, MaxAttributes> CondensedMaxSets(const DependencyList& deps, int n) {
  using Nodes = std::list<SetNode>;
  std::array<Nodes, MaxAttributes> max;
  for (AttributeIndex j = 0; j < static_cast<AttributeIndex>(n); ++j) {
    AttributeSet s = All(n);
    s.Remove(j);
    max[j].push_back(SetNode{s});
  }
  DependencyList processed;
  for (const Dependency& d : deps) {
    InsertBehindHead(processed, d);
    std::array<Nodes, MaxAttributes> work;
    for (AttributeIndex j = 0; j < static_cast<AttributeIndex>(n); ++j) {
      work[j] = CopyInsertingBehindHead(max[j]);
      for (const SetNode& m : max[j]) {
        if (!d.LhsSet().IsSubsetOf(m.member) || m.member.Has(d.Rhs())) continue;
        work[j].erase(std::find_if(work[j].begin(), work[j].end(),
                                   [&m](const SetNode& s) { return s.member == m.member; }));
        for (int k = 0; k < MaxAttributes && d.lhs[k] != NoAttribute; ++k) {
          for (const SetNode& other : max[d.lhs[k]]) {
            const AttributeSet c = m.member & other.member;
            if (!IsMaximal(c, j, processed, n)) continue;
            const auto same = std::find_if(work[j].begin(), work[j].end(),
                                           [c](const SetNode& s) { return s.member == c; });
            if (same != work[j].end()) {
              same->count += m.count * other.count;
            } else {
              InsertBehindHead(work[j], SetNode{c, m.count * other.count});
            }
          }
        }
      }
    }
    for (AttributeIndex j = 0; j < static_cast<AttributeIndex>(n); ++j)
      max[j] = CopyInsertingBehindHead(work[j]);
  }
  std::array<SetList, MaxAttributes> out;
  for (std::size_t j = 0; j < out.size(); ++j)
    out[j].assign(max[j].begin(), max[j].end());
  return out;
}

// The passes alone, without the completion that mends cut-short chains.
inline List LhsFamily(const DependencyList& deps, AttributeIndex a) {
  List family{AttributeSet::Of({a})};
  AttributeSet reached = AttributeSet::Of({a});
  for (const Dependency& d : deps)
    d.used = 0;
  for (bool applied = true; applied;) {
    applied = false;
    for (const Dependency& d : deps) {
      if (d.used != 0 || !reached.Has(d.Rhs())) continue;
      d.used = 1;
      const AttributeSet x = d.LhsSet();
      if (std::any_of(family.begin(), family.end(),
                      [x](AttributeSet p) { return p.IsSubsetOf(x); })) {
        continue;
      }
      applied = true;
      reached = reached | x;
      if (d.Rhs() == a) {
        InsertBehindHead(family, x);
        continue;
      }
      bool contained = false;
      for (auto p = family.begin(); p != family.end(); ++p) {
        if (!p->Has(d.Rhs())) continue;
        contained = true;
        AttributeSet c = *p | x;
        c.Remove(d.Rhs());
        InsertBehindHead(family, c);
      }
      if (!contained) InsertBehindHead(family, x);
    }
  }
  return family;
}

inline List Transversals(const List& family) {
  std::vector<AttributeSet> t{AttributeSet{}};
  for (AttributeSet p : family) {
    const std::size_t c = t.size();
    for (AttributeIndex k = 0; k < MaxAttributes; ++k) {
      if (!p.Has(k)) continue;
      for (std::size_t i = 0; i < c; ++i)
        t.push_back(t[i] | AttributeSet::Of({k}));
    }
    t.erase(t.begin(), t.begin() + static_cast<std::ptrdiff_t>(c));
    // The entry under comparison stays the same while entries around it go.
    for (std::size_t i = 0; i < t.size(); ++i) {
      for (std::size_t j = 0; j < t.size();) {
        if (j != i && t[i].IsSubsetOf(t[j])) {
          t.erase(t.begin() + static_cast<std::ptrdiff_t>(j));
          if (j < i) --i;
        } else {
          ++j;
        }
      }
    }
  }
  return List(t.begin(), t.end());
}

}  // namespace literal

inline SetList AsSetList(const literal::List& list) {
  SetList out;
  for (AttributeSet s : list)
    out.push_back(SetNode{s});
  return out;
}

// The list with each set once, at its first place, counting its nodes.
inline SetList EachOnce(const SetList& list) {
  SetList out;
  for (const SetNode& s : list) {
    const auto same = std::find_if(out.begin(), out.end(),
                                   [&s](const SetNode& o) { return o.member == s.member; });
    if (same == out.end()) {
      out.push_back(s);
    } else {
      same->count += s.count;
    }
  }
  return out;
}
