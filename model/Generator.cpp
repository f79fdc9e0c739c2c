#include "Generator.h"

#include <algorithm>
#include <bit>
#include <cstddef>
#include <numeric>
#include <random>
#include <vector>

#include "DbcFormat.h"
#include "Keys.h"
#include "Redundance.h"
#include "SubSchema.h"

// How a schema is laid out. The prime attributes are the free ones, which
// stand in every key and on no right-hand side, and one or more blocks. A
// block holds alternative key parts of equal size; its records lead from each
// part to the next in a cycle, so every part determines the whole block and,
// as no record leads into a block from outside, a set determines a block
// only by holding one of its parts. The keys are therefore exactly the free
// attributes with one part of every block. The non-prime attributes are
// determined afterwards; a record with a non-prime right-hand attribute never
// changes the keys. What makes the normal form is the kind of left-hand side:
//   - BCNF: every left-hand side holds a key (one block, its records carry
//     all free attributes);
//   - 3NF: all non-prime attributes hang on keys, but some record inside a
//     block lacks a free attribute or a part of another block;
//   - 2NF: some non-prime attribute hangs on another non-prime one (never on
//     a part of a key);
//   - 1NF: some non-prime attribute hangs on a proper part of a key.

namespace {

using Mask = std::uint32_t;

constexpr Mask Bit(int a) {
  return Mask{1} << a;
}

constexpr bool Holds(Mask set, int a) {
  return (set >> a) & 1u;
}

// Draws from the seeded engine by rejection rather than through the standard
// distributions, whose results differ between library implementations.
class Draws final {
 public:
  explicit Draws(std::uint64_t seed) : engine_(seed) {}

  // A number in 0 .. bound - 1 (bound > 0), every one equally likely.
  std::uint64_t Below(std::uint64_t bound) {
    // 2^64 mod bound: the engine values under it would favour small results.
    const std::uint64_t skip = (0 - bound) % bound;
    std::uint64_t r = engine_();
    while (r < skip)
      r = engine_();
    return r % bound;
  }
  int Between(int low, int high) {
    return low + static_cast<int>(Below(static_cast<std::uint64_t>(high - low) + 1));
  }
  bool Percent(int chance) { return Below(100) < static_cast<std::uint64_t>(chance); }
  int MemberOf(Mask set) {
    for (auto k = Below(static_cast<std::uint64_t>(std::popcount(set))); k > 0; --k)
      set &= set - 1;
    return std::countr_zero(set);
  }
  // Each member kept with even odds.
  Mask SubsetOf(Mask set) { return set & static_cast<Mask>(engine_()); }
  template <typename T>
  void Shuffle(std::vector<T>& items) {
    for (std::size_t i = items.size(); i > 1; --i)
      std::swap(items[i - 1], items[Below(i)]);
  }

 private:
  std::mt19937_64 engine_;
};

struct Rule {
  Mask lhs;
  int rhs;
  bool operator==(const Rule&) const = default;
};

using Rules = std::vector<Rule>;

constexpr std::size_t kNoRule = static_cast<std::size_t>(-1);

// The closure under the records other than `skip`; the construction asks
// for many closures of small lists, where masks beat the record list.
Mask Close(Mask start, const Rules& rules, std::size_t skip = kNoRule) {
  Mask set = start;
  for (bool changed = true; changed;) {
    changed = false;
    for (std::size_t i = 0; i < rules.size(); ++i) {
      if (i == skip || (rules[i].lhs & ~set) != 0 || Holds(set, rules[i].rhs)) continue;
      set |= Bit(rules[i].rhs);
      changed = true;
    }
  }
  return set;
}

// Whether the closure reaches `goal`; stops as soon as it does.
bool Reaches(Mask start, int goal, const Rules& rules, std::size_t skip = kNoRule) {
  Mask set = start;
  for (bool changed = !Holds(set, goal); changed;) {
    changed = false;
    for (std::size_t i = 0; i < rules.size(); ++i) {
      if (i == skip || (rules[i].lhs & ~set) != 0 || Holds(set, rules[i].rhs)) continue;
      if (rules[i].rhs == goal) return true;
      set |= Bit(rules[i].rhs);
      changed = true;
    }
  }
  return Holds(set, goal);
}

int RedundantRecords(const Rules& rules) {
  int count = 0;
  for (std::size_t i = 0; i < rules.size(); ++i)
    count += Reaches(rules[i].lhs, rules[i].rhs, rules, i) ? 1 : 0;
  return count;
}

int RedundantLhsAttributes(const Rules& rules) {
  int count = 0;
  for (const Rule& r : rules) {
    if (std::popcount(r.lhs) < 2) continue;
    for (Mask rest = r.lhs; rest != 0; rest &= rest - 1) {
      const Mask without = r.lhs & ~(rest & (~rest + 1));
      count += Reaches(without, r.rhs, rules) ? 1 : 0;
    }
  }
  return count;
}

// No attribute of `lhs` follows from the others, so none is redundant in a
// record with this left-hand side and a right-hand attribute new to it.
bool Irreducible(Mask lhs, const Rules& rules) {
  for (Mask rest = lhs; rest != 0; rest &= rest - 1) {
    const int a = std::countr_zero(rest);
    if (Reaches(lhs & ~Bit(a), a, rules)) return false;
  }
  return true;
}

bool Present(const Rules& rules, const Rule& rule) {
  return std::find(rules.begin(), rules.end(), rule) != rules.end();
}

std::uint64_t Choose(int n, int k) {
  std::uint64_t c = 1;
  for (int i = 1; i <= k; ++i)
    c = c * static_cast<std::uint64_t>(n - k + i) / static_cast<std::uint64_t>(i);
  return c;
}

// The number of records of a block: each part leads to the attributes of the
// next part it lacks.
int CycleLength(const std::vector<Mask>& parts) {
  int length = 0;
  for (std::size_t i = 0; i < parts.size(); ++i)
    length += std::popcount(parts[(i + 1) % parts.size()] & ~parts[i]);
  return length;
}

// `keys` as a product of factors of at least 2, one per block; one factor
// when the keys must share a single block. Small factors are favoured: a
// block of k keys takes k records at least, so prime factors need the
// fewest.
std::vector<int> KeyFactors(int keys, bool single, Draws& draws) {
  std::vector<int> factors;
  while (keys > 1) {
    std::vector<int> divisors;
    for (int d = 2; d <= keys; ++d) {
      if (keys % d == 0) divisors.push_back(d);
    }
    int d = keys;
    if (!single) d = draws.Percent(75) ? divisors.front() : divisors[draws.Below(divisors.size())];
    factors.push_back(d);
    keys /= d;
  }
  return factors;
}

constexpr int kWidestPart = 3;

// The fewest attributes that hold `count` distinct parts of `size`.
int BlockWidth(int count, int size) {
  int width = size + 1;
  while (Choose(width, size) < static_cast<std::uint64_t>(count))
    ++width;
  return width;
}

int NarrowestBlock(int count) {
  int narrowest = BlockWidth(count, 1);
  for (int size = 2; size <= kWidestPart; ++size)
    narrowest = std::min(narrowest, BlockWidth(count, size));
  return narrowest;
}

// `count` distinct parts of equal size over the block's own attributes 0,
// 1, ..., in the order of the cycle, on at most `room` attributes.
std::optional<std::vector<Mask>> SampleBlock(int count, int room, Draws& draws) {
  // Parts of two or three attributes carry many keys on few attributes.
  std::vector<int> sizes;
  for (int size = 1; size <= kWidestPart; ++size) {
    if (BlockWidth(count, size) <= room) sizes.push_back(size);
  }
  if (sizes.empty()) return std::nullopt;
  const int size = sizes[draws.Below(sizes.size())];
  const int narrowest = BlockWidth(count, size);
  const int width = draws.Between(narrowest, std::min(room, narrowest + 2));

  std::vector<Mask> subsets;
  for (Mask m = Bit(size) - 1; m < Bit(width);) {
    subsets.push_back(m);
    const Mask lowest = m & (~m + 1);
    const Mask ripple = m + lowest;
    m = (((ripple ^ m) >> 2) / lowest) | ripple;
  }
  for (std::size_t i = 0; i < static_cast<std::size_t>(count); ++i)
    std::swap(subsets[i], subsets[i + draws.Below(subsets.size() - i)]);
  subsets.resize(static_cast<std::size_t>(count));

  // Attributes no part takes would not belong to the block: close the gaps.
  Mask used = 0;
  for (Mask m : subsets)
    used |= m;
  std::vector<Mask> parts;
  for (Mask m : subsets) {
    Mask packed = 0;
    int slot = 0;
    for (int a = 0; a < width; ++a) {
      if (!Holds(used, a)) continue;
      if (Holds(m, a)) packed |= Bit(slot);
      ++slot;
    }
    parts.push_back(packed);
  }

  // Either order: a random cycle leads through many attributes per part, a
  // cycle of near neighbours through few.
  if (draws.Percent(50)) {
    draws.Shuffle(parts);
  } else {
    std::swap(parts[0], parts[draws.Below(parts.size())]);
    for (std::size_t i = 1; i < parts.size(); ++i) {
      const std::size_t start = i + draws.Below(parts.size() - i);
      std::size_t best = start;
      for (std::size_t k = 0; k < parts.size() - i; ++k) {
        const std::size_t j = i + (start - i + k) % (parts.size() - i);
        if (std::popcount(parts[j] & ~parts[i - 1]) < std::popcount(parts[best] & ~parts[i - 1]))
          best = j;
      }
      std::swap(parts[i], parts[best]);
    }
  }
  return parts;
}

struct Layout {
  Mask all = 0;
  Mask free = 0;
  std::vector<std::vector<Mask>> blocks;  // the parts of each block, over schema attributes
  Mask nonPrime = 0;
  int extras = 0;  // records wanted beyond one per non-prime attribute
};

// A layout whose records, one cycle per block and one record per non-prime
// attribute (plus the extras for 2NF and 1NF), come to `budget` or as near
// below it as the attributes allow.
std::optional<Layout> SampleLayout(const GeneratorRequest& request, int keys, int budget,
                                   Draws& draws) {
  const int n = request.attributes;
  const NormalFormLevel target = request.target;
  const bool bcnf = target == NormalFormLevel::BoyceCodd;
  const std::vector<int> factors = KeyFactors(keys, bcnf, draws);

  int minNonPrime = 0;
  if (target == NormalFormLevel::Second) minNonPrime = 2;
  if (target == NormalFormLevel::First || (bcnf && keys == 1)) minNonPrime = 1;
  // A single block with no free attribute leaves every left-hand side a key.
  int minFree = keys == 1 || (target == NormalFormLevel::Third && factors.size() == 1) ? 1 : 0;

  Layout layout;
  layout.all = Bit(n) - 1;
  int used = 0;
  int cycles = 0;
  int keyWidth = 0;
  // Each block leaves the later ones the fewest attributes they need.
  int reserved = 0;
  for (int count : factors)
    reserved += NarrowestBlock(count);
  for (int count : factors) {
    reserved -= NarrowestBlock(count);
    std::optional<std::vector<Mask>> parts =
        SampleBlock(count, n - minNonPrime - minFree - used - reserved, draws);
    if (!parts) return std::nullopt;
    Mask width = 0;
    for (Mask& p : *parts) {
      width |= p;
      p <<= used;
    }
    cycles += CycleLength(*parts);
    keyWidth += std::popcount(parts->front());
    used += std::popcount(width);
    layout.blocks.push_back(std::move(*parts));
  }
  // A partial dependency needs a key of two attributes at least.
  if (target == NormalFormLevel::First) minFree = std::max(minFree, 2 - keyWidth);
  const int rest = n - used;
  if (rest < minFree + minNonPrime || cycles + minNonPrime > budget) return std::nullopt;

  // As many non-prime attributes as the records allow keep the keys short.
  // Under BCNF and 3NF each has one record that is not redundant; below,
  // further records may lead to them from other left-hand sides.
  const int nonPrime = std::min(rest - minFree, budget - cycles);
  if (target == NormalFormLevel::Second || target == NormalFormLevel::First)
    layout.extras = budget - cycles - nonPrime;
  layout.nonPrime = layout.all & ~(Bit(n - nonPrime) - 1);
  layout.free = layout.all & ~layout.nonPrime & ~(Bit(used) - 1);
  return layout;
}

Mask RandomKey(const Layout& layout, Draws& draws) {
  Mask key = layout.free;
  for (const std::vector<Mask>& parts : layout.blocks)
    key |= parts[draws.Below(parts.size())];
  return key;
}

enum class Side : std::uint8_t { Key, PartOfKey, NonPrime };

// A left-hand side of the kind asked for, for a record to `rhs`: a key; a
// proper part of a key; or one or two non-prime attributes of `from`, maybe
// with a prime attribute, and no key. None of its attributes follows from the
// others, and it does not determine `rhs` yet.
std::optional<Mask> DrawSide(Side side, int rhs, Mask from, const Layout& layout,
                             const Rules& rules, Draws& draws) {
  const Mask prime = layout.all & ~layout.nonPrime;
  from &= ~Bit(rhs);
  for (int attempt = 0; attempt < 8; ++attempt) {
    Mask lhs = 0;
    switch (side) {
      case Side::Key:
        return RandomKey(layout, draws);
      case Side::PartOfKey: {
        const Mask key = RandomKey(layout, draws);
        lhs = draws.SubsetOf(key);
        if (lhs == key) continue;
        break;
      }
      case Side::NonPrime:
        if (from == 0) return std::nullopt;
        lhs = Bit(draws.MemberOf(from));
        if (draws.Percent(30) && (from & ~lhs) != 0) lhs |= Bit(draws.MemberOf(from & ~lhs));
        if (draws.Percent(40)) lhs |= Bit(draws.MemberOf(prime));
        if ((Close(lhs, rules) & prime) == prime) continue;
        break;
    }
    if (lhs == 0 || Reaches(lhs, rhs, rules) || !Irreducible(lhs, rules)) continue;
    return lhs;
  }
  return std::nullopt;
}

// The records of a layout in the order they were laid out; nothing when a
// left-hand side of the kind needed could not be found.
std::optional<Rules> BuildRecords(const Layout& layout, NormalFormLevel target, Draws& draws) {
  Rules rules;
  const bool bcnf = target == NormalFormLevel::BoyceCodd;
  for (const std::vector<Mask>& parts : layout.blocks) {
    for (std::size_t i = 0; i < parts.size(); ++i) {
      Mask with = bcnf ? layout.free : draws.SubsetOf(layout.free);
      // The only block of a 3NF schema: one part must fall short of a key.
      if (target == NormalFormLevel::Third && layout.blocks.size() == 1 && i == 0)
        with &= ~Bit(draws.MemberOf(layout.free));
      const Mask next = parts[(i + 1) % parts.size()];
      for (Mask rest = next & ~parts[i]; rest != 0; rest &= rest - 1)
        rules.push_back({parts[i] | with, std::countr_zero(rest)});
    }
  }

  Mask done = 0;
  const int count = std::popcount(layout.nonPrime);
  int index = 0;
  bool transitive = false;
  for (Mask rest = layout.nonPrime; rest != 0; rest &= rest - 1, ++index) {
    const int c = std::countr_zero(rest);
    Side side = Side::Key;
    if (target == NormalFormLevel::Second && index > 0) {
      side = draws.Percent(50) || (index == count - 1 && !transitive) ? Side::NonPrime : Side::Key;
    } else if (target == NormalFormLevel::First) {
      constexpr Side kAny[] = {Side::Key, Side::PartOfKey, Side::NonPrime};
      side = index == 0 ? Side::PartOfKey : kAny[draws.Below(3)];
    }
    const std::optional<Mask> lhs = DrawSide(side, c, done, layout, rules, draws);
    if (!lhs) return std::nullopt;
    transitive = transitive || side == Side::NonPrime;
    rules.push_back({*lhs, c});
    done |= Bit(c);
  }

  // Further records to non-prime attributes, each kept only if it adds no
  // redundant record or attribute.
  const int redundantRecords = RedundantRecords(rules);
  const int redundantAttributes = RedundantLhsAttributes(rules);
  for (int extra = 0; extra < layout.extras; ++extra) {
    bool added = false;
    for (int attempt = 0; attempt < 8 && !added; ++attempt) {
      const int c = draws.MemberOf(layout.nonPrime);
      const Side side =
          target == NormalFormLevel::First && draws.Percent(50) ? Side::PartOfKey : Side::NonPrime;
      const std::optional<Mask> lhs = DrawSide(side, c, layout.nonPrime, layout, rules, draws);
      if (!lhs) continue;
      rules.push_back({*lhs, c});
      added = RedundantRecords(rules) == redundantRecords &&
              RedundantLhsAttributes(rules) == redundantAttributes;
      if (!added) rules.pop_back();
    }
    if (!added) break;
  }
  return rules;
}

// Appends `count` records that follow from the others: mostly a shortcut to
// an attribute a left-hand side determines, sometimes a copy of a record
// with one more left-hand attribute. When random picks keep hitting records
// already there, the pick is made among all records that follow from a
// present left-hand side, widened by at most one attribute.
bool AddRedundantRecords(Rules& rules, int count, Mask all, Draws& draws) {
  for (; count > 0; --count) {
    bool added = false;
    for (int attempt = 0; attempt < 64 && !added; ++attempt) {
      const Rule base = rules[draws.Below(rules.size())];
      Rule rule = base;
      if (draws.Percent(70)) {
        const Mask reach = Close(base.lhs, rules) & all & ~base.lhs;
        rule.rhs = draws.MemberOf(reach);
      } else {
        const Mask room = all & ~base.lhs & ~Bit(base.rhs);
        if (room == 0) continue;
        rule.lhs |= Bit(draws.MemberOf(room));
      }
      if (Present(rules, rule)) continue;
      rules.push_back(rule);
      added = true;
    }
    if (added) continue;

    Rules following;
    for (const Rule& base : rules) {
      for (Mask wider = all & ~base.lhs;; wider &= wider - 1) {
        const Mask lhs = base.lhs | (wider & (~wider + 1));
        for (Mask reach = Close(lhs, rules) & all & ~lhs; reach != 0; reach &= reach - 1) {
          const Rule rule{lhs, std::countr_zero(reach)};
          if (!Present(rules, rule)) following.push_back(rule);
        }
        if (wider == 0) break;
      }
    }
    if (following.empty()) return false;
    std::sort(following.begin(), following.end(), [](const Rule& a, const Rule& b) {
      return a.lhs != b.lhs ? a.lhs < b.lhs : a.rhs < b.rhs;
    });
    following.erase(std::unique(following.begin(), following.end()), following.end());
    rules.push_back(following[draws.Below(following.size())]);
  }
  return true;
}

// Widenings tried for the redundant attributes of one layout.
constexpr int kWidenings = 256;

// Widens left-hand sides by attributes they determine without the record
// until there are `wanted` redundant attributes: the other records bring in
// every added attribute before this one is needed, so each is redundant and
// the dependencies stay equivalent. A record takes one or two attributes at
// a time, more only when many are wanted. A widening that would leave fewer
// than `keep` redundant records is not taken.
bool AddRedundantAttributes(Rules& rules, int wanted, int keep, Mask all, Draws& draws) {
  int missing = wanted - RedundantLhsAttributes(rules);
  for (int attempt = 0; missing > 0 && attempt < kWidenings; ++attempt) {
    const std::size_t i = draws.Below(rules.size());
    Mask room = Close(rules[i].lhs, rules, i) & all & ~rules[i].lhs & ~Bit(rules[i].rhs);
    Mask taken = 0;
    for (int k = draws.Between(1, std::max(2, missing / 8)); k > 0 && room != 0; --k) {
      taken |= Bit(draws.MemberOf(room));
      room &= ~taken;
    }
    const Rule wider{rules[i].lhs | taken, rules[i].rhs};
    if (taken == 0 || Present(rules, wider)) continue;
    const Rule before = rules[i];
    rules[i] = wider;
    if (keep > 0 && RedundantRecords(rules) < keep) {
      rules[i] = before;
      continue;
    }
    missing -= std::popcount(taken);
  }
  return missing <= 0;
}

AttributeTable DrawNames(const GeneratorRequest& request, Draws& draws) {
  const std::span<const std::string_view> pool = ThemeNames(request.theme, request.language);
  std::vector<std::size_t> order(pool.size());
  std::iota(order.begin(), order.end(), std::size_t{0});
  // Letters keep their order, so that a schema of n attributes reads A to
  // the n-th letter.
  if (request.theme != NameTheme::Letters) draws.Shuffle(order);
  AttributeTable names;
  for (int i = 0; i < request.attributes; ++i)
    names[i] = std::string(pool[order[i]]);
  return names;
}

ReportedNormalForm Reported(NormalFormLevel level) {
  switch (level) {
    case NormalFormLevel::First:
      return ReportedNormalForm::First;
    case NormalFormLevel::Second:
      return ReportedNormalForm::Second;
    case NormalFormLevel::Third:
      return ReportedNormalForm::Third;
    case NormalFormLevel::BoyceCodd:
      break;
  }
  return ReportedNormalForm::Bcnf;
}

// Fills up the records with redundant ones and adds the redundant
// attributes asked for, renames the attributes at random, shuffles
// the records and checks the outcome with the program's own routines.
std::optional<GeneratedSchema> Finish(Rules rules, const GeneratorRequest& request, Draws& draws) {
  const int n = request.attributes;
  const Mask all = Bit(n) - 1;
  if (!AddRedundantRecords(rules, request.dependencies - static_cast<int>(rules.size()), all,
                           draws) ||
      !AddRedundantAttributes(rules, request.redundantAttributes, request.redundantDependencies,
                              all, draws)) {
    return std::nullopt;
  }

  std::vector<AttributeIndex> rename(static_cast<std::size_t>(n));
  std::iota(rename.begin(), rename.end(), AttributeIndex{0});
  draws.Shuffle(rename);
  draws.Shuffle(rules);
  DependencyList list;
  for (const Rule& r : rules) {
    Mask lhs = 0;
    for (Mask rest = r.lhs; rest != 0; rest &= rest - 1)
      lhs |= Bit(static_cast<int>(rename[std::countr_zero(rest)]));
    std::vector<AttributeIndex> members;
    for (; lhs != 0; lhs &= lhs - 1)
      members.push_back(static_cast<AttributeIndex>(std::countr_zero(lhs)));
    list.push_back(NewDependency(members, rename[r.rhs]));
  }

  GeneratedSchema generated;
  Schema& schema = generated.schema;
  schema.SetAttributes(DrawNames(request, draws));
  schema.ReplaceDependencies(std::move(list));
  schema.keys = ComputeKeys(schema.dependencies, schema.attributes);
  if (request.keys && static_cast<int>(schema.keys.size()) != *request.keys) return std::nullopt;

  SubSchema judged;
  judged.member = AttributeSet{all};
  judged.dependencies = schema.dependencies;
  judged.keys = schema.keys;
  ComputeNormalForm(judged);
  if (ReportedNormalFormOf(judged) != Reported(request.target)) return std::nullopt;

  HasRedundantDependency(schema.dependencies,
                         [&](const Dependency&) { ++generated.redundantDependencies; });
  HasRedundantAttribute(schema.dependencies, [&](AttributeIndex, const Dependency&) {
    ++generated.redundantAttributes;
  });
  if (generated.redundantDependencies < request.redundantDependencies ||
      generated.redundantAttributes < request.redundantAttributes) {
    return std::nullopt;
  }
  return generated;
}

// The requests that no schema meets, and the requests outside the ranges
// the generator takes.
std::optional<GeneratorFailure> Refuse(const GeneratorRequest& request) {
  const int n = request.attributes;
  const int m = request.dependencies;
  const NormalFormLevel target = request.target;
  using enum GeneratorRefusal;
  if (n < 2 || n > MaxAttributes)
    return GeneratorFailure{AttributesOutOfRange, std::clamp(n, 2, MaxAttributes)};
  if (m < 1 || m > DbcMaxEntries)
    return GeneratorFailure{DependenciesOutOfRange, std::clamp(m, 1, DbcMaxEntries)};
  if (request.keys && (*request.keys < 1 || *request.keys > MaxGeneratedKeys))
    return GeneratorFailure{KeysOutOfRange, std::clamp(*request.keys, 1, MaxGeneratedKeys)};
  if (request.redundantAttributes < 0 || request.redundantDependencies < 0)
    return GeneratorFailure{RedundancyOutOfRange, 0};

  // Below BCNF some record has a left-hand side that is no key and a
  // right-hand attribute outside it: with two attributes the side would be
  // the other attribute, a key.
  if (target != NormalFormLevel::BoyceCodd && n < 3) return GeneratorFailure{TooFewAttributes, 3};
  // Records are distinct pairs of a non-empty left-hand side and an
  // attribute outside it.
  const std::uint64_t distinct =
      static_cast<std::uint64_t>(n) * ((std::uint64_t{1} << (n - 1)) - 1);
  if (static_cast<std::uint64_t>(m) > distinct)
    return GeneratorFailure{TooManyDependencies, static_cast<int>(distinct)};
  // A single record X -> a leaves one key, all attributes but a: X is that
  // key (BCNF) or a proper part of it (1NF).
  if ((target == NormalFormLevel::Second || target == NormalFormLevel::Third) && m < 2)
    return GeneratorFailure{TooFewDependencies, 2};
  if (request.keys) {
    const int keys = *request.keys;
    // With one key, a prime right-hand attribute outside a left-hand side
    // that is no key would give a second key.
    if (target == NormalFormLevel::Third && keys < 2) return GeneratorFailure{TooFewKeys, 2};
    // Keys are sets none of which holds another; 2NF and 1NF keep a
    // non-prime attribute out of all of them.
    const int pool =
        target == NormalFormLevel::Second || target == NormalFormLevel::First ? n - 1 : n;
    const std::uint64_t most = Choose(pool, pool / 2);
    if (static_cast<std::uint64_t>(keys) > most)
      return GeneratorFailure{TooManyKeys, static_cast<int>(most)};
    // Under BCNF every key is the left-hand side of some record.
    if (target == NormalFormLevel::BoyceCodd && keys > m)
      return GeneratorFailure{TooFewDependencies, keys};
  }
  if (request.redundantDependencies > m) return GeneratorFailure{TooManyRedundantDependencies, m};
  const int mostAttributes = n >= 3 ? m * (n - 1) : 0;
  if (request.redundantAttributes > mostAttributes)
    return GeneratorFailure{TooManyRedundantAttributes, mostAttributes};
  return std::nullopt;
}

constexpr int kAttempts = 48;
// Layouts that fall short mostly fall short again: after this many the
// nearest are filled up.
constexpr std::size_t kShortLayouts = 16;

}  // namespace

GeneratorResult GenerateSchema(const GeneratorRequest& request) {
  if (const std::optional<GeneratorFailure> refusal = Refuse(request)) return *refusal;

  Draws draws(request.seed);
  // Redundant records come last, so the laid-out records leave room for them.
  const int budget = request.dependencies - request.redundantDependencies;
  std::vector<Rules> nearest;
  for (int attempt = 0; attempt < kAttempts && nearest.size() < kShortLayouts; ++attempt) {
    const int keys = request.keys                               ? *request.keys
                     : request.target == NormalFormLevel::Third ? draws.Between(2, 4)
                                                                : draws.Between(1, 3);
    const std::optional<Layout> layout = SampleLayout(request, keys, budget, draws);
    if (!layout) continue;
    std::optional<Rules> rules = BuildRecords(*layout, request.target, draws);
    if (!rules) continue;
    if (static_cast<int>(rules->size()) < budget) {
      nearest.push_back(std::move(*rules));
    } else if (std::optional<GeneratedSchema> done = Finish(std::move(*rules), request, draws)) {
      return std::move(*done);
    }
  }
  // No layout came to the budget: the nearest ones, the largest first,
  // filled up with redundant records.
  std::stable_sort(nearest.begin(), nearest.end(),
                   [](const Rules& a, const Rules& b) { return a.size() > b.size(); });
  for (Rules& rules : nearest) {
    if (std::optional<GeneratedSchema> done = Finish(std::move(rules), request, draws))
      return std::move(*done);
  }
  return GeneratorFailure{GeneratorRefusal::NotFound, 0};
}
