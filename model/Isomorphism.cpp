#include "Isomorphism.h"

#include <algorithm>
#include <bit>
#include <compare>
#include <cstdint>
#include <map>
#include <vector>

// Colour refinement with individualisation: attributes get colours that any
// renaming between the schemas must keep, refined until stable; where a
// colour still holds several attributes, one of them is matched in turn with
// each attribute of that colour in the other schema. The colours of both
// schemas come from one numbering, so equal colours mean the same in both.

namespace {

struct Pair {
  std::uint32_t lhs;
  AttributeIndex rhs;
  auto operator<=>(const Pair&) const = default;
};

using Pairs = std::vector<Pair>;
using Colours = std::vector<std::uint32_t>;
using Signature = std::vector<std::uint32_t>;

Pairs PairsOf(const DependencyList& list) {
  Pairs pairs;
  for (const Dependency& d : list)
    pairs.push_back({d.LhsSet().mask, d.Rhs()});
  std::sort(pairs.begin(), pairs.end());
  pairs.erase(std::unique(pairs.begin(), pairs.end()), pairs.end());
  return pairs;
}

// An attribute's colour together with, for every record it stands in, its
// role there (left, right or both) and the colours of the record's
// right-hand attribute and left-hand side.
std::vector<Signature> Signatures(const Pairs& pairs, const Colours& colours) {
  std::vector<Signature> records;
  for (const Pair& p : pairs) {
    Signature record{colours[p.rhs]};
    for (std::uint32_t rest = p.lhs; rest != 0; rest &= rest - 1)
      record.push_back(colours[static_cast<std::size_t>(std::countr_zero(rest))]);
    std::sort(record.begin() + 1, record.end());
    records.push_back(std::move(record));
  }
  std::vector<Signature> signatures;
  for (std::size_t v = 0; v < colours.size(); ++v) {
    std::vector<Signature> incidences;
    for (std::size_t i = 0; i < pairs.size(); ++i) {
      const std::uint32_t role = ((pairs[i].lhs >> v) & 1u) | (pairs[i].rhs == v ? 2u : 0u);
      if (role == 0) continue;
      Signature incidence{role, static_cast<std::uint32_t>(records[i].size())};
      incidence.insert(incidence.end(), records[i].begin(), records[i].end());
      incidences.push_back(std::move(incidence));
    }
    std::sort(incidences.begin(), incidences.end());
    Signature signature{colours[v]};
    for (const Signature& incidence : incidences)
      signature.insert(signature.end(), incidence.begin(), incidence.end());
    signatures.push_back(std::move(signature));
  }
  return signatures;
}

std::size_t DistinctColours(const Colours& a, const Colours& b) {
  Colours all = a;
  all.insert(all.end(), b.begin(), b.end());
  std::sort(all.begin(), all.end());
  return static_cast<std::size_t>(std::unique(all.begin(), all.end()) - all.begin());
}

// Splits the colour classes of both schemas until no class splits further.
// A new colour keeps the old one in its signature, so classes only split.
void Refine(const Pairs& a, Colours& ca, const Pairs& b, Colours& cb) {
  for (std::size_t classes = DistinctColours(ca, cb);;) {
    const std::vector<Signature> sa = Signatures(a, ca);
    const std::vector<Signature> sb = Signatures(b, cb);
    std::map<Signature, std::uint32_t> numbers;
    for (const Signature& s : sa)
      numbers.emplace(s, 0);
    for (const Signature& s : sb)
      numbers.emplace(s, 0);
    std::uint32_t next = 0;
    for (auto& entry : numbers)
      entry.second = next++;
    for (std::size_t v = 0; v < ca.size(); ++v) {
      ca[v] = numbers.at(sa[v]);
      cb[v] = numbers.at(sb[v]);
    }
    if (numbers.size() == classes) return;
    classes = numbers.size();
  }
}

bool Search(const Pairs& a, Colours ca, const Pairs& b, Colours cb) {
  Refine(a, ca, b, cb);
  std::uint32_t fresh = 0;
  for (std::size_t v = 0; v < ca.size(); ++v)
    fresh = std::max({fresh, ca[v] + 1, cb[v] + 1});
  std::vector<int> inA(fresh), inB(fresh);
  for (std::size_t v = 0; v < ca.size(); ++v) {
    ++inA[ca[v]];
    ++inB[cb[v]];
  }
  if (inA != inB) return false;

  // The smallest class of several attributes leaves the fewest choices.
  std::uint32_t split = fresh;
  for (std::uint32_t c = 0; c < fresh; ++c) {
    if (inA[c] > 1 && (split == fresh || inA[c] < inA[split])) split = c;
  }
  if (split == fresh) {
    std::vector<AttributeIndex> renamed(ca.size());
    for (std::size_t v = 0; v < ca.size(); ++v) {
      const auto w = std::find(cb.begin(), cb.end(), ca[v]) - cb.begin();
      renamed[v] = static_cast<AttributeIndex>(w);
    }
    Pairs mapped;
    for (const Pair& p : a) {
      std::uint32_t lhs = 0;
      for (std::uint32_t rest = p.lhs; rest != 0; rest &= rest - 1)
        lhs |= 1u << renamed[static_cast<std::size_t>(std::countr_zero(rest))];
      mapped.push_back({lhs, renamed[p.rhs]});
    }
    std::sort(mapped.begin(), mapped.end());
    return mapped == b;
  }

  const std::size_t v =
      static_cast<std::size_t>(std::find(ca.begin(), ca.end(), split) - ca.begin());
  for (std::size_t w = 0; w < cb.size(); ++w) {
    if (cb[w] != split) continue;
    Colours na = ca;
    Colours nb = cb;
    na[v] = fresh;
    nb[w] = fresh;
    if (Search(a, na, b, nb)) return true;
  }
  return false;
}

}  // namespace

bool SameUpToRenaming(const DependencyList& first, const DependencyList& second,
                      int attributeCount) {
  const Pairs a = PairsOf(first);
  const Pairs b = PairsOf(second);
  if (a.size() != b.size()) return false;
  const Colours start(static_cast<std::size_t>(attributeCount), 0);
  return Search(a, start, b, start);
}
