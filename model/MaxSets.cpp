#include "MaxSets.h"

#include <algorithm>
#include <bit>
#include <numeric>
#include <optional>
#include <unordered_map>
#include <unordered_set>

#include "Closure.h"
#include "SchemaListing.h"

namespace {

AttributeSet FirstAttributes(int n) {
  return AttributeSet{n >= 32 ? ~0u : (1u << n) - 1u};
}

AttributeSet Single(AttributeIndex a) {
  return AttributeSet::Of({a});
}

bool IsTrivial(const Dependency& d) {
  return d.LhsHas(d.Rhs());
}

// Counts of a condensed family can pass any fixed width; they stop at the
// largest value.
std::uint64_t SaturatingSum(std::uint64_t a, std::uint64_t b) {
  return a > SetCountCeiling - b ? SetCountCeiling : a + b;
}

std::uint64_t SaturatingProduct(std::uint64_t a, std::uint64_t b) {
  return a != 0 && b > SetCountCeiling / a ? SetCountCeiling : a * b;
}

// A full family lists every set as often as the steps enter it; a condensed
// one each set once with that number.
enum class FamilyBuild { Full, Condensed };

// The maximality test on a precompiled list. Closing X ∪ {i} equals closing
// X+ ∪ {i}, so the closure of X is computed once; and an attribute that X+
// already holds cannot be added to X without leaving A out, which rejects
// most candidates after that one closure.
bool IsMaximal(AttributeSet x, AttributeIndex a, const FastClosure& closure, AttributeSet all) {
  const AttributeSet closed = closure.Close(x);
  if (closed.Has(a)) return false;
  const AttributeSet absent = all - x;
  if (!(closed & absent).Empty()) return false;
  for (AttributeIndex i = 0; i < MaxAttributes; ++i) {
    if (!absent.Has(i) || i == a) continue;
    AttributeSet s = closed;
    s.Add(i);
    if (!closure.Close(s).Has(a)) return false;
  }
  return true;
}

// Closures of many sets at once under one list of dependencies, each set a
// lane of a 64-bit word: per attribute a word tells which lanes hold it, so
// that a dependency fires in every lane with a few word operations.
class LaneClosure {
 public:
  explicit LaneClosure(const DependencyList& dependencies) {
    for (const Dependency& d : dependencies) {
      if (IsTrivial(d)) continue;
      const std::size_t begin = lhs_.size();
      for (int slot = 0; slot < MaxAttributes && d.lhs[slot] != NoAttribute; ++slot)
        lhs_.push_back(d.lhs[slot]);
      rules_.push_back(Rule{begin, lhs_.size(), d.Rhs()});
    }
  }

  // Lanes per set, and how many sets MaximalFor tests at once: as many as
  // a few words hold, which the compiler can treat as one vector.
  static constexpr std::size_t kLanes = MaxAttributes + 1;
  static constexpr std::size_t kPerWord = 64 / kLanes;
  static constexpr std::size_t kWords = 4;
  static constexpr std::size_t kBatch = kPerWord * kWords;

  // For each set x (at most kBatch of them) the attributes A of which x is a
  // maximal set within `all`: x is closed, and closing x with any one absent
  // attribute i brings A in (closing it with A itself does trivially). Each
  // set takes kLanes lanes: lane i closes x + {i}, the last x alone.
  void MaximalFor(const AttributeSet* xs, std::size_t count, AttributeSet all,
                  AttributeSet* result) const {
    std::array<Lanes, MaxAttributes> lanes{};
    Lanes every{};
    for (std::size_t q = 0; q < count; ++q) {
      const std::size_t word = q / kPerWord;
      const std::size_t shift = q % kPerWord * kLanes;
      const AttributeSet absent = all - xs[q];
      const std::uint64_t mine = (std::uint64_t{absent.mask} | kSelf) << shift;
      every[word] |= mine;
      for (AttributeIndex b = 0; b < MaxAttributes; ++b) {
        if (xs[q].Has(b)) {
          lanes[b][word] |= mine;
        } else if (absent.Has(b)) {
          lanes[b][word] |= std::uint64_t{1} << (shift + b);
        }
      }
    }
    for (bool changed = true; changed;) {
      changed = false;
      for (const Rule& r : rules_) {
        Lanes fire;
        for (std::size_t w = 0; w < kWords; ++w)
          fire[w] = every[w] & ~lanes[r.rhs][w];
        for (std::size_t k = r.begin; k < r.end; ++k) {
          for (std::size_t w = 0; w < kWords; ++w)
            fire[w] &= lanes[lhs_[k]][w];
        }
        std::uint64_t any = 0;
        for (std::size_t w = 0; w < kWords; ++w) {
          lanes[r.rhs][w] |= fire[w];
          any |= fire[w];
        }
        changed = changed || any != 0;
      }
    }
    for (std::size_t q = 0; q < count; ++q) {
      const AttributeSet absent = all - xs[q];
      result[q] = AttributeSet{};
      for (std::uint32_t rest = absent.mask; rest != 0; rest &= rest - 1) {
        const auto a = static_cast<AttributeIndex>(std::countr_zero(rest));
        const std::uint64_t mine = lanes[a][q / kPerWord] >> (q % kPerWord * kLanes);
        if ((mine & kSelf) != 0) {
          result[q] = AttributeSet{};
          break;
        }
        if ((mine & absent.mask) == absent.mask) result[q].Add(a);
      }
    }
  }

 private:
  using Lanes = std::array<std::uint64_t, kWords>;
  static constexpr std::uint64_t kSelf = std::uint64_t{1} << MaxAttributes;
  struct Rule {
    std::size_t begin;
    std::size_t end;
    AttributeIndex rhs;
  };
  std::vector<AttributeIndex> lhs_;
  std::vector<Rule> rules_;
};

// The sets that hold one of the sets added, one flag per subset of the
// attributes below the highest one of `universe`. Sets are asked about and
// added only within the universe. A flag word covers the 64 subsets of the
// six lowest attributes, so adding a set flags its supersets a word at a
// time. A word holds the flags of every word below it (the sets flagged are
// closed upwards), so a word that holds the flags being added already has
// them in every word above it too, and the walk upwards stops there: each
// word gains flags at most 64 times, however many sets are added.
class Upset {
 public:
  explicit Upset(AttributeSet universe)
      : free_(universe.mask >> kLowBits),
        flags_(std::size_t{1} << std::max(
                   0, static_cast<int>(std::bit_width(universe.mask)) - kLowBits),
               0) {}

  bool Holds(AttributeSet s) const {
    return ((flags_[s.mask >> kLowBits] >> (s.mask & kLow)) & 1u) != 0;
  }

  void Add(AttributeSet s) {
    std::uint64_t pattern = ~std::uint64_t{0};
    for (std::uint32_t low = s.mask & kLow; low != 0; low &= low - 1)
      pattern &= kWithBit[std::countr_zero(low)];
    // Each word above is reached once, by adding the missing attributes in
    // ascending order: a word is followed by those adding an attribute above
    // the highest it added. The stack holds at most the followers of one
    // word per level.
    struct Word {
      std::uint32_t word;
      std::uint32_t from;
    };
    std::array<Word, kHighBits*(kHighBits + 1) / 2 + 1> stack;
    std::size_t size = 0;
    stack[size++] = Word{s.mask >> kLowBits, 0};
    while (size > 0) {
      const Word w = stack[--size];
      if ((flags_[w.word] & pattern) == pattern) continue;
      flags_[w.word] |= pattern;
      for (std::uint32_t more = free_ & ~w.word & ~((1u << w.from) - 1u); more != 0;
           more &= more - 1) {
        const auto bit = static_cast<std::uint32_t>(std::countr_zero(more));
        stack[size++] = Word{w.word | (1u << bit), bit + 1};
      }
    }
  }

 private:
  static constexpr int kLowBits = 6;
  static constexpr std::size_t kHighBits = MaxAttributes - kLowBits;
  static constexpr std::uint32_t kLow = (1u << kLowBits) - 1;
  // Bit v of kWithBit[b] is set when the low subset v holds attribute b.
  static constexpr std::uint64_t kWithBit[kLowBits] = {
      0xAAAAAAAAAAAAAAAAull, 0xCCCCCCCCCCCCCCCCull, 0xF0F0F0F0F0F0F0F0ull,
      0xFF00FF00FF00FF00ull, 0xFFFF0000FFFF0000ull, 0xFFFFFFFF00000000ull};

  std::uint32_t free_;
  std::vector<std::uint64_t> flags_;
};

// Whether a set holds one of the sets added: asked of the sets themselves
// until going through them has cost about as much as flagging their
// supersets in an Upset would, of the Upset from then on. Flagging a set's
// supersets within twenty attributes can take thousands of words (fewer
// where sets added before have flagged them, hence the eighth), more than a
// small family asks in all; a large one asks the Upset almost from the
// start.
class HeldSets {
 public:
  explicit HeldSets(AttributeSet universe)
      : universe_(universe),
        flagCost_(std::size_t{1} << std::max(
                      0, static_cast<int>(std::bit_width(universe.mask)) - kLowBits)) {}

  bool Holds(AttributeSet s) {
    if (!upset_) {
      scanned_ += sets_.size();
      if (scanned_ <= sets_.size() * flagCost_ / 8) {
        return std::any_of(sets_.begin(), sets_.end(),
                           [s](AttributeSet p) { return p.IsSubsetOf(s); });
      }
      upset_.emplace(universe_);
      for (AttributeSet p : sets_)
        upset_->Add(p);
    }
    return upset_->Holds(s);
  }

  void Add(AttributeSet s) {
    if (upset_) {
      upset_->Add(s);
    } else {
      sets_.push_back(s);
    }
  }

 private:
  static constexpr int kLowBits = 6;

  AttributeSet universe_;
  std::size_t flagCost_;
  std::size_t scanned_ = 0;
  std::vector<AttributeSet> sets_;
  std::optional<Upset> upset_;
};

// What the steps of the MAX computation share. A step adds D = X -> B; the
// sets of attribute j's family that hold X and lack B are taken away, and in
// place of each such set M come its intersections with the sets of each
// left-hand attribute's family that are maximal sets of j under the
// dependencies so far. Such an intersection is maximal only if no other
// intersection of M (with any left-hand family) holds more of M: every
// intersection is closed and lacks a left-hand attribute, so it determines
// nothing new. The intersections of M are therefore worked out once per set
// and step, whichever families hold M, and the maximality test, which does
// not hang on j either, once per intersection and step.
class MaxStepSets {
 public:
  // Works out the intersections of every set the step takes away from a
  // family of `condensed`, the families before the step.
  MaxStepSets(const LaneClosure& closure, AttributeSet all, const Dependency& d,
              const MaxSetFamily& condensed)
      : d_(d), condensed_(condensed) {
    const AttributeSet x = d.LhsSet();
    std::vector<AttributeSet> fresh;
    for (const SetList& family : condensed) {
      for (const SetNode& m : family) {
        if (!x.IsSubsetOf(m.member) || m.member.Has(d.Rhs())) continue;
        const auto [it, added] = intersections_.try_emplace(m.member.mask);
        if (!added) continue;
        Intersect(m.member, it->second);
        for (const Intersection& e : it->second) {
          if (maximalFor_.emplace(e.set.mask, AttributeSet{}).second) fresh.push_back(e.set);
        }
      }
    }
    std::array<AttributeSet, LaneClosure::kBatch> found;
    for (std::size_t i = 0; i < fresh.size(); i += LaneClosure::kBatch) {
      const std::size_t count = std::min(LaneClosure::kBatch, fresh.size() - i);
      closure.MaximalFor(&fresh[i], count, all, found.data());
      for (std::size_t q = 0; q < count; ++q)
        maximalFor_[fresh[i + q].mask] = found[q];
    }
    for (auto& [m, intersections] : intersections_) {
      for (Intersection& e : intersections)
        e.maximalFor = maximalFor_[e.set.mask];
    }
  }

  // The intersections of M, a set the step takes away, that hold no other of
  // its intersections, in the order they are first formed, each with the
  // count of the condensed sets that form it, and the attributes it is a
  // maximal set of.
  struct Intersection {
    AttributeSet set;
    std::uint64_t count;
    AttributeSet maximalFor;
  };
  const std::vector<Intersection>& Of(AttributeSet m) const { return intersections_.at(m.mask); }

 private:
  struct Formed {
    std::uint64_t first;
    std::uint64_t count;
  };
  // A family's sets largest first, and their places in it.
  struct LargestFirst {
    std::vector<std::uint32_t> masks;
    std::vector<std::uint32_t> places;
  };

  // Which intersections hold no other, how often each is formed and where
  // first does not hang on the order they are formed in. Taken from the
  // largest sets down, most fall inside one met before: a block of them at a
  // time is tested against one intersection met, and only those that it
  // does not hold, or equals, are looked at further.
  void Intersect(AttributeSet m, std::vector<Intersection>& out) {
    sets_.clear();
    formed_.clear();
    std::size_t hit = 0;
    std::uint64_t slotStart = 0;
    std::array<std::uint32_t, 64> kept{};
    for (int slot = 0; slot < MaxAttributes && d_.lhs[slot] != NoAttribute; ++slot) {
      const SetList& family = condensed_[d_.lhs[slot]];
      const LargestFirst& sorted = Sorted(d_.lhs[slot]);
      for (std::size_t block = 0; block < sorted.masks.size(); block += kept.size()) {
        const std::size_t end = std::min(sorted.masks.size(), block + kept.size());
        std::size_t count = 0;
        if (sets_.empty()) {
          for (std::size_t k = block; k < end; ++k)
            kept[count++] = static_cast<std::uint32_t>(k);
        } else {
          // The first few intersections kept; an empty set holds none.
          std::array<std::uint32_t, 4> held{};
          std::copy_n(sets_.begin(), std::min(held.size(), sets_.size()), held.begin());
          const auto inside = [](std::uint32_t c, std::uint32_t h) {
            return ((c & ~h) == 0) & (c != h);
          };
          // Tested apart from the gathering, so that the test runs on
          // several sets at once.
          std::array<std::uint32_t, 64> keep{};
          const std::uint32_t* masks = sorted.masks.data() + block;
          for (std::size_t k = 0; k < end - block; ++k) {
            const std::uint32_t c = m.mask & masks[k];
            keep[k] = !(inside(c, held[0]) | inside(c, held[1]) | inside(c, held[2]) |
                        inside(c, held[3]));
          }
          for (std::size_t k = 0; k < end - block; ++k) {
            kept[count] = static_cast<std::uint32_t>(block + k);
            count += keep[k];
          }
        }
        for (std::size_t i = 0; i < count; ++i) {
          const std::uint32_t place = sorted.places[kept[i]];
          const std::uint32_t c = m.mask & sorted.masks[kept[i]];
          if (hit >= sets_.size() || (c & ~sets_[hit]) != 0) {
            hit = 0;
            while (hit < sets_.size() && (c & ~sets_[hit]) != 0)
              ++hit;
            if (hit == sets_.size()) {
              // Those inside c go.
              std::size_t left = 0;
              for (std::size_t e = 0; e < sets_.size(); ++e) {
                if ((sets_[e] & ~c) == 0) continue;
                sets_[left] = sets_[e];
                formed_[left] = formed_[e];
                ++left;
              }
              sets_.resize(left);
              formed_.resize(left);
              sets_.push_back(c);
              formed_.push_back(Formed{slotStart + place, family[place].count});
              hit = left;
              continue;
            }
            // The one found likely holds the next ones too.
            std::swap(sets_[hit], sets_[0]);
            std::swap(formed_[hit], formed_[0]);
            hit = 0;
          }
          if (c != sets_[hit]) continue;
          Formed& f = formed_[hit];
          f.first = std::min(f.first, slotStart + place);
          f.count = SaturatingSum(f.count, family[place].count);
        }
      }
      slotStart += family.size();
    }
    std::vector<std::size_t> byFirst(sets_.size());
    std::iota(byFirst.begin(), byFirst.end(), std::size_t{0});
    std::sort(byFirst.begin(), byFirst.end(),
              [this](std::size_t l, std::size_t r) { return formed_[l].first < formed_[r].first; });
    for (std::size_t i : byFirst)
      out.push_back(Intersection{AttributeSet{sets_[i]}, formed_[i].count, {}});
  }

  const LargestFirst& Sorted(AttributeIndex x) {
    LargestFirst& sorted = largestFirst_[x];
    const SetList& family = condensed_[x];
    if (sorted.masks.size() == family.size()) return sorted;
    std::vector<std::uint32_t> order(family.size());
    std::iota(order.begin(), order.end(), 0u);
    std::stable_sort(order.begin(), order.end(), [&family](std::uint32_t l, std::uint32_t r) {
      return family[l].member.Count() > family[r].member.Count();
    });
    for (std::uint32_t k : order) {
      sorted.masks.push_back(family[k].member.mask);
      sorted.places.push_back(k);
    }
    return sorted;
  }

  const Dependency& d_;
  const MaxSetFamily& condensed_;
  std::array<LargestFirst, MaxAttributes> largestFirst_;
  std::vector<std::uint32_t> sets_;
  std::vector<Formed> formed_;
  std::unordered_map<std::uint32_t, std::vector<Intersection>> intersections_;
  std::unordered_map<std::uint32_t, AttributeSet> maximalFor_;
};

// The condensed family of attribute j once D is added, as the list built by
// insert-after-head would run: the sets D takes away go, the intersections
// replacing them come behind the head, and the list is copied by
// insert-after-head as the step ends. The family before the step is an
// antichain, so an intersection, a proper subset of a set taken away, never
// equals a set of it; equal intersections add their counts to the node the
// first of them made.
SetList CondensedStep(const SetList& before, AttributeIndex j, const Dependency& d,
                      const MaxStepSets& sets) {
  if (before.empty()) return {};
  const AttributeSet x = d.LhsSet();
  // The copy's head apart and the rest in the order the final copy gives
  // them back: the sets after the head, then the insertions oldest first.
  SetNode head = before.front();
  bool hasHead = true;
  std::vector<SetNode> rest(before.begin() + 1, before.end());
  std::vector<bool> live(rest.size(), true);
  // Where the insertions of this step begin in `rest`.
  std::size_t inserted = rest.size();
  for (std::size_t k = 0; k < before.size(); ++k) {
    const SetNode& m = before[k];
    if (!x.IsSubsetOf(m.member) || m.member.Has(d.Rhs())) continue;
    if (hasHead && head.member == m.member) {
      // The node after the head, the newest live one, becomes the head.
      hasHead = false;
      while (!rest.empty()) {
        const SetNode last = rest.back();
        const bool wasLive = live.back();
        rest.pop_back();
        live.pop_back();
        if (!wasLive) continue;
        head = last;
        hasHead = true;
        break;
      }
      inserted = std::min(inserted, rest.size());
    } else {
      live[k - 1] = false;
    }
    for (const MaxStepSets::Intersection& e : sets.Of(m.member)) {
      if (!e.maximalFor.Has(j)) continue;
      const std::uint64_t count = SaturatingProduct(e.count, m.count);
      if (hasHead && head.member == e.set) {
        head.count = SaturatingSum(head.count, count);
        continue;
      }
      const auto same =
          std::find_if(rest.begin() + static_cast<std::ptrdiff_t>(inserted), rest.end(),
                       [&e](const SetNode& s) { return s.member == e.set; });
      if (same != rest.end()) {
        same->count = SaturatingSum(same->count, count);
      } else if (hasHead) {
        rest.push_back(SetNode{e.set, count});
        live.push_back(true);
      } else {
        head = SetNode{e.set, count};
        hasHead = true;
      }
    }
  }
  SetList after;
  if (!hasHead) return after;
  after.push_back(head);
  for (std::size_t i = 0; i < rest.size(); ++i) {
    if (live[i]) after.push_back(rest[i]);
  }
  return after;
}
// A copy of a list made by insert-after-head, held so that insertions behind
// the head and removals of the first equal node take constant time: the first
// node apart, the others in reverse list order with a mark for removed ones,
// and per set the places where it stands, in ascending order.
class WorkList {
 public:
  explicit WorkList(const SetList& source) {
    if (source.empty()) return;
    head_ = source.front();
    hasHead_ = true;
    size_ = 1;
    // The copy reads source[0], source[last], ..., source[1].
    for (std::size_t i = 1; i < source.size(); ++i)
      Push(source[i]);
  }

  void InsertBehindHead(SetNode s) {
    if (hasHead_) {
      Push(s);
    } else {
      head_ = s;
      hasHead_ = true;
      ++size_;
    }
  }

  std::size_t Size() const { return size_; }

  void EraseFirstEqual(AttributeSet s) {
    if (hasHead_ && head_.member == s) {
      --size_;
      // The next node in list order, the newest live one, becomes the head.
      hasHead_ = false;
      while (!rest_.empty()) {
        const Entry last = rest_.back();
        rest_.pop_back();
        if (!last.live) continue;
        places_[last.node.member.mask].pop_back();
        head_ = last.node;
        hasHead_ = true;
        break;
      }
      return;
    }
    const auto it = places_.find(s.mask);
    if (it == places_.end() || it->second.empty()) return;
    --size_;
    rest_[it->second.back()].live = false;
    it->second.pop_back();
  }

  // The list copied by insert-after-head: the head, then the others oldest
  // first.
  SetList CopyInsertingBehindHead() const {
    SetList copy;
    if (!hasHead_) return copy;
    copy.push_back(head_);
    for (const Entry& e : rest_) {
      if (e.live) copy.push_back(e.node);
    }
    return copy;
  }

 private:
  struct Entry {
    SetNode node;
    bool live;
  };
  void Push(SetNode s) {
    ++size_;
    places_[s.member.mask].push_back(rest_.size());
    rest_.push_back(Entry{s, true});
  }

  std::size_t size_ = 0;
  SetNode head_;
  bool hasHead_ = false;
  std::vector<Entry> rest_;
  std::unordered_map<std::uint32_t, std::vector<std::size_t>> places_;
};

// One step of the full MAX family: every intersection stands as often as it
// is formed, from the full families before the step. Equal sets multiply from
// step to step, so the step gives up once the families of the step hold more
// than `budget` sets. Which intersections are maximal the condensed step has
// found already: the full families hold the same sets.
class FullStep {
 public:
  FullStep(const MaxSetFamily& before, const Dependency& d, const MaxStepSets& sets,
           std::size_t budget)
      : before_(before), d_(d), sets_(sets), budget_(budget) {}

  std::optional<SetList> Family(AttributeIndex j) {
    accepted_.clear();
    const AttributeSet x = d_.LhsSet();
    WorkList work(before_[j]);
    for (const SetNode& m : before_[j]) {
      if (!x.IsSubsetOf(m.member) || m.member.Has(d_.Rhs())) continue;
      work.EraseFirstEqual(m.member);
      for (const SetNode& c : Accepted(j, m.member)) {
        work.InsertBehindHead(c);
        if (work.Size() > budget_) return std::nullopt;
      }
    }
    if (work.Size() > budget_) return std::nullopt;
    budget_ -= work.Size();
    return work.CopyInsertingBehindHead();
  }

 private:
  // The maximal intersections of m in the order they are formed, one for
  // each set of the left-hand families that forms them.
  const SetList& Accepted(AttributeIndex j, AttributeSet m) {
    const auto [it, added] = accepted_.try_emplace(m.mask);
    if (!added) return it->second;
    std::vector<AttributeSet> maximal;
    for (const MaxStepSets::Intersection& e : sets_.Of(m)) {
      if (e.maximalFor.Has(j)) maximal.push_back(e.set);
    }
    if (maximal.empty()) return it->second;
    for (int slot = 0; slot < MaxAttributes && d_.lhs[slot] != NoAttribute; ++slot) {
      for (const SetNode& other : before_[d_.lhs[slot]]) {
        const AttributeSet c = m & other.member;
        if (std::find(maximal.begin(), maximal.end(), c) != maximal.end()) {
          it->second.push_back(SetNode{c, other.count});
        }
      }
    }
    return it->second;
  }

  const MaxSetFamily& before_;
  const Dependency& d_;
  const MaxStepSets& sets_;
  std::size_t budget_;
  std::unordered_map<std::uint32_t, SetList> accepted_;
};

// The left-hand-side family while it is built. Insertions go behind the
// head; the nodes after the head are held in reverse list order, so that an
// insertion costs constant time, their sets and counts apart so that a walk
// reads little. Whether some node is a subset of a set is asked of HeldSets.
//
// The passes enter sets that hold other nodes, even equal ones, and each
// dependency can double the family. A full family gives up beyond `limit`
// nodes. A condensed family holds each set once with the number of nodes the
// full family would hold of it, found through a table with a place for every
// subset of the universe.
class LhsFamily {
 public:
  LhsFamily(AttributeSet first, AttributeSet universe, FamilyBuild build, std::size_t limit)
      : first_{first},
        minimal_{first},
        held_(universe),
        condensed_(build == FamilyBuild::Condensed),
        limit_(limit) {
    held_.Add(first);
    if (condensed_) places_.assign(std::size_t{1} << std::bit_width(universe.mask), 0);
  }

  bool HoldsSubsetOf(AttributeSet s) { return held_.Holds(s); }

  bool Overflowed() const { return overflowed_; }

  // The nodes that hold no other node, each set once.
  const std::vector<AttributeSet>& Minimal() const { return minimal_; }

  void InsertBehindHead(AttributeSet s, std::uint64_t count) {
    if (overflowed_) return;
    if (condensed_) {
      if (s == first_.member) {
        first_.count = SaturatingSum(first_.count, count);
        return;
      }
      std::uint32_t& place = places_[s.mask];
      if (place != 0) {
        counts_[place - 1] = SaturatingSum(counts_[place - 1], count);
        return;
      }
      place = static_cast<std::uint32_t>(sets_.size() + 1);
    } else if (sets_.size() + 2 > limit_) {
      overflowed_ = true;
      return;
    }
    sets_.push_back(s.mask);
    counts_.push_back(count);
    if (held_.Holds(s)) return;
    held_.Add(s);
    std::erase_if(minimal_, [s](AttributeSet p) { return s.IsSubsetOf(p); });
    minimal_.push_back(s);
  }

  // Every node that holds b, from the first in list order, gets its set with
  // b replaced by x inserted behind the head, with its count. A node
  // inserted comes in front of the one visited, so the walk does not reach
  // it, except behind the first node, whose successor it becomes. The sets
  // inserted lack b, so a count added to a node during the walk never reaches
  // a node the walk acts on.
  void Substitute(AttributeIndex b, AttributeSet x) {
    if (first_.member.Has(b)) InsertBehindHead((first_.member | x) - Single(b), first_.count);
    for (std::size_t i = sets_.size(); i-- > 0 && !overflowed_;) {
      const AttributeSet p{sets_[i]};
      if (p.Has(b)) InsertBehindHead((p | x) - Single(b), counts_[i]);
    }
  }

  SetList ToSetList() const {
    SetList list{first_};
    list.reserve(sets_.size() + 1);
    for (std::size_t i = sets_.size(); i-- > 0;)
      list.push_back(SetNode{AttributeSet{sets_[i]}, counts_[i]});
    return list;
  }

 private:
  SetNode first_;
  std::vector<std::uint32_t> sets_;
  std::vector<std::uint64_t> counts_;
  std::vector<AttributeSet> minimal_;
  HeldSets held_;
  bool condensed_;
  std::size_t limit_;
  bool overflowed_ = false;
  // For each set of a condensed family its place in sets_ plus one; 0 while
  // it is not in the family.
  std::vector<std::uint32_t> places_;
};

// A set's members, each as a blank and the name, and the count of a set
// that stands for more than one.
std::string Members(const SetNode& s, const AttributeTable& names, int n) {
  std::string out;
  for (AttributeIndex i = 0; i < static_cast<AttributeIndex>(n); ++i) {
    if (!s.member.Has(i)) continue;
    out += ' ';
    out += NameOf(names, i);
  }
  if (s.count > 1) out += " (" + std::to_string(s.count) + "x)";
  return out;
}

}  // namespace

bool IsMaximalSet(AttributeSet x, AttributeIndex a, const DependencyList& dependencies, int n) {
  return IsMaximal(x, a, FastClosure(dependencies), FirstAttributes(n));
}

namespace {

// The families with each set once, at its first place, counting its nodes.
MaxSetFamily EachSetOnce(const MaxSetFamily& families) {
  MaxSetFamily once;
  for (std::size_t j = 0; j < families.size(); ++j) {
    std::unordered_map<std::uint32_t, std::size_t> place;
    for (const SetNode& node : families[j]) {
      const auto [it, added] = place.try_emplace(node.member.mask, once[j].size());
      if (added) {
        once[j].push_back(node);
      } else {
        std::uint64_t& count = once[j][it->second].count;
        count = SaturatingSum(count, node.count);
      }
    }
  }
  return once;
}

// The MAX family built both ways at once: the condensed family always, since
// it tells each step which intersections are maximal, and the full one while
// its steps stay within `limit`. The full one, each set once, where it got
// through.
MaxSetFamily BuildMaxSets(const DependencyList& dependencies, int n, std::size_t limit) {
  const AttributeSet all = FirstAttributes(n);
  MaxSetFamily condensed;
  for (AttributeIndex j = 0; j < static_cast<AttributeIndex>(n); ++j)
    condensed[j].push_back(SetNode{all - Single(j)});
  MaxSetFamily full = condensed;
  bool fullFits = true;

  DependencyList processed;
  for (const Dependency& d : dependencies) {
    InsertBehindHead(processed, d);
    const MaxStepSets sets(LaneClosure(processed), all, d, condensed);
    // Every family of this step is built from the families before it.
    MaxSetFamily next;
    for (AttributeIndex j = 0; j < static_cast<AttributeIndex>(n); ++j)
      next[j] = CondensedStep(condensed[j], j, d, sets);
    if (fullFits) {
      FullStep step(full, d, sets, limit);
      MaxSetFamily nextFull;
      for (AttributeIndex j = 0; j < static_cast<AttributeIndex>(n) && fullFits; ++j) {
        std::optional<SetList> family = step.Family(j);
        fullFits = family.has_value();
        if (fullFits) nextFull[j] = std::move(*family);
      }
      full = fullFits ? std::move(nextFull) : MaxSetFamily{};
    }
    condensed = std::move(next);
  }
  return fullFits ? EachSetOnce(full) : condensed;
}

std::optional<SetList> BuildLhsFamily(const DependencyList& dependencies, AttributeIndex a, int n,
                                      FamilyBuild build, std::size_t limit) {
  // Every node is made of A and left-hand attributes.
  AttributeSet universe = Single(a);
  for (const Dependency& d : dependencies)
    universe = universe | d.LhsSet();
  LhsFamily family(Single(a) & FirstAttributes(n), universe, build, limit);
  AttributeSet reached = Single(a);
  std::vector<bool> used(dependencies.size(), false);

  // Passes over the list; each dependency is looked at once, as soon as its
  // right-hand attribute has been reached.
  for (bool applied = true; applied;) {
    applied = false;
    std::size_t index = 0;
    for (const Dependency& d : dependencies) {
      const std::size_t k = index++;
      if (used[k] || !reached.Has(d.Rhs()) || IsTrivial(d)) continue;
      used[k] = true;
      const AttributeSet x = d.LhsSet();
      if (family.HoldsSubsetOf(x)) continue;
      applied = true;
      reached = reached | x;
      if (d.Rhs() == a) {
        family.InsertBehindHead(x, 1);
        continue;
      }
      // Every reached attribute other than A stands in a node (each node
      // inserted holds its dependency's whole left-hand side), so some node
      // holds the right-hand attribute.
      family.Substitute(d.Rhs(), x);
    }
  }

  // Looking at each dependency once can cut a chain of substitutions short.
  // Substitute until nothing new comes up, keeping only sets that hold no
  // node already there; where the passes found everything this adds nothing.
  // Each round enters the inclusion-minimal new sets ascending by their
  // members, so that what it enters does not hang on the order of the nodes,
  // which a condensed family does not keep. Only the nodes that hold no
  // other node need substituting: what a larger node gives holds what a node
  // inside it gives, or that node itself.
  while (!family.Overflowed()) {
    std::vector<AttributeSet> found;
    for (const Dependency& d : dependencies) {
      if (IsTrivial(d)) continue;
      const AttributeSet x = d.LhsSet();
      for (AttributeSet p : family.Minimal()) {
        if (!p.Has(d.Rhs())) continue;
        const AttributeSet c = (p | x) - Single(d.Rhs());
        if (!family.HoldsSubsetOf(c)) found.push_back(c);
      }
    }
    if (found.empty()) break;
    std::sort(found.begin(), found.end(),
              [](AttributeSet l, AttributeSet r) { return l.mask < r.mask; });
    found.erase(std::unique(found.begin(), found.end()), found.end());
    for (AttributeSet c : found) {
      if (std::none_of(found.begin(), found.end(),
                       [c](AttributeSet o) { return o != c && o.IsSubsetOf(c); })) {
        family.InsertBehindHead(c, 1);
      }
    }
  }
  if (family.Overflowed()) return std::nullopt;
  return family.ToSetList();
}

// The stable sorts of the entries by their lowest member in common with each
// node of a run in turn, done at once. The last sort decides first, ties go
// by the one before it and so on, and entries no node tells apart keep their
// order. So a group of entries still tied is split by the latest node not
// yet used that tells some of them apart, and the parts by earlier ones. A
// node tells apart entries of a group exactly when the lowest member it
// shares with any of them, some member d, is not held by all of them: when
// it holds d but none of the members below d that all of them hold. A short
// run is sorted node by node.
class RunSorter {
 public:
  void Sort(std::vector<AttributeSet>& entries, const std::vector<AttributeSet>& run) {
    if (entries.size() < 2 || run.empty()) return;
    order_ = entries;
    sorted_.resize(entries.size());
    if (run.size() <= kShortRun) {
      for (AttributeSet p : run)
        Split(0, order_.size(), p);
    } else {
      Index(run);
      pending_.clear();
      pending_.push_back({0, order_.size(), Splitter(0, order_.size(), run.size())});
      while (!pending_.empty()) {
        const Group g = pending_.back();
        pending_.pop_back();
        if (g.splitter == kNone) continue;
        Split(g.begin, g.end, run[g.splitter]);
        // Each bucket now ends where the next began.
        std::size_t begin = g.begin;
        for (std::size_t k = 0; k + 1 < bucket_.size(); ++k) {
          const std::size_t end = g.begin + bucket_[k];
          if (end - begin > 1) {
            pending_.push_back({begin, end, Splitter(begin, end, g.splitter)});
          }
          begin = end;
        }
      }
    }
    entries.swap(order_);
  }

 private:
  static constexpr std::size_t kShortRun = 2;
  static constexpr std::size_t kNone = static_cast<std::size_t>(-1);
  struct Group {
    std::size_t begin;
    std::size_t end;
    std::size_t splitter;  // the node that splits the group next, or kNone
  };
  // For an attribute d the places in the run of the nodes holding it, how
  // many of them come before each place of the run, and for each 64 of them
  // a word per attribute below d telling which of them hold it: the latest
  // node holding d and none of a set of attributes below d is found a block
  // at a time.
  struct Holding {
    std::vector<std::size_t> places;
    std::vector<std::size_t> before;
    std::vector<std::uint64_t> words;
  };

  // The stable sort of [begin, end) by the lowest member shared with p;
  // bucket_[k] ends up where the entries with key k end.
  void Split(std::size_t begin, std::size_t end, AttributeSet p) {
    const auto key = [p](AttributeSet e) {
      return static_cast<std::size_t>(std::countr_zero((e & p).mask));
    };
    bucket_.fill(0);
    for (std::size_t i = begin; i < end; ++i)
      ++bucket_[key(order_[i]) + 1];
    for (std::size_t k = 1; k < bucket_.size(); ++k)
      bucket_[k] += bucket_[k - 1];
    for (std::size_t i = begin; i < end; ++i)
      sorted_[begin + bucket_[key(order_[i])]++] = order_[i];
    std::copy(sorted_.begin() + static_cast<std::ptrdiff_t>(begin),
              sorted_.begin() + static_cast<std::ptrdiff_t>(end),
              order_.begin() + static_cast<std::ptrdiff_t>(begin));
  }

  void Index(const std::vector<AttributeSet>& run) {
    for (Holding& h : holding_) {
      h.places.clear();
      h.before.clear();
      h.words.clear();
    }
    for (std::size_t i = 0; i < run.size(); ++i) {
      for (Holding& h : holding_)
        h.before.push_back(h.places.size());
      for (std::uint32_t ds = run[i].mask; ds != 0; ds &= ds - 1) {
        const int d = std::countr_zero(ds);
        Holding& h = holding_[static_cast<std::size_t>(d)];
        const std::size_t k = h.places.size();
        h.places.push_back(i);
        if (k % 64 == 0) h.words.resize(h.words.size() + MaxAttributes, 0);
        for (std::uint32_t bs = run[i].mask & ((1u << d) - 1u); bs != 0; bs &= bs - 1) {
          h.words[k / 64 * MaxAttributes + static_cast<std::size_t>(std::countr_zero(bs))] |=
              std::uint64_t{1} << (k % 64);
        }
      }
    }
    for (Holding& h : holding_)
      h.before.push_back(h.places.size());
  }

  // The latest node before `before` that tells entries of [begin, end) apart.
  std::size_t Splitter(std::size_t begin, std::size_t end, std::size_t before) const {
    AttributeSet common{~0u};
    AttributeSet any;
    for (std::size_t i = begin; i < end; ++i) {
      common = common & order_[i];
      any = any | order_[i];
    }
    std::size_t latest = kNone;
    for (std::uint32_t ds = (any - common).mask; ds != 0; ds &= ds - 1) {
      const int d = std::countr_zero(ds);
      const AttributeSet below = common & AttributeSet{(1u << d) - 1u};
      const Holding& h = holding_[static_cast<std::size_t>(d)];
      for (std::size_t k = h.before[before]; k > 0;) {
        const std::size_t block = (k - 1) / 64;
        std::uint64_t hit = ~std::uint64_t{0} >> (63 - (k - 1) % 64);
        for (std::uint32_t bs = below.mask; bs != 0; bs &= bs - 1)
          hit &= ~h.words[block * MaxAttributes + static_cast<std::size_t>(std::countr_zero(bs))];
        if (hit != 0) {
          const std::size_t place =
              h.places[block * 64 + 63 - static_cast<std::size_t>(std::countl_zero(hit))];
          if (latest == kNone || place > latest) latest = place;
          break;
        }
        k = block * 64;
        if (latest != kNone && k > 0 && h.places[k - 1] <= latest) break;
      }
    }
    return latest;
  }

  std::vector<AttributeSet> order_;
  std::vector<AttributeSet> sorted_;
  std::array<std::size_t, MaxAttributes + 1> bucket_{};
  std::array<Holding, MaxAttributes> holding_;
  std::vector<Group> pending_;
};

}  // namespace

MaxSetFamily ComputeMaxSets(const DependencyList& dependencies, int n, std::size_t limit) {
  return BuildMaxSets(dependencies, n, limit);
}

SetList LeftHandSideFamily(const DependencyList& dependencies, AttributeIndex a, int n,
                           std::size_t limit) {
  if (std::optional<SetList> full = BuildLhsFamily(dependencies, a, n, FamilyBuild::Full, limit)) {
    return std::move(*full);
  }
  return *BuildLhsFamily(dependencies, a, n, FamilyBuild::Condensed, limit);
}

std::vector<SetNode> MinimalTransversals(const SetList& family, int n) {
  const AttributeSet all = FirstAttributes(n);
  // The entries are extended by every member k of a node in turn (k
  // ascending, the entries in order for each k) and the result is minimised.
  // The entries are always minimal and distinct, so the minimisation has a
  // short form: an entry that meets the node comes out unchanged (first for
  // the lowest member it shares with the node) and stays; an entry that
  // misses it yields one extension per member, and an extension stays unless
  // it holds an entry that meets the node. Extensions never hold or equal one
  // another.
  //
  // Every entry meets a node exactly when the node holds an earlier one (the
  // entries being all the minimal transversals of the earlier nodes), and
  // then the entries only come out ordered by their lowest common member.
  // Long families mostly hold such nodes; they are kept back and their sorts
  // done at once before the next node that changes the entries.
  std::vector<AttributeSet> t{AttributeSet{}};
  HeldSets earlier(all);
  std::vector<AttributeSet> run;
  RunSorter sorter;
  std::array<std::vector<std::uint32_t>, MaxAttributes> meeting;
  std::vector<std::uint32_t> missing;
  std::vector<AttributeSet> next;
  std::array<std::vector<AttributeSet>, MaxAttributes> soleCommon;
  const auto lowestCommon = [](AttributeSet e, AttributeSet p) {
    return static_cast<AttributeIndex>(std::countr_zero((e & p).mask));
  };
  for (const SetNode& node : family) {
    const AttributeSet p = node.member & all;
    if (earlier.Holds(p)) {
      // The sort by p goes by p's members up to the first at which they
      // meet every entry, which is where they first hold an earlier node.
      AttributeSet prefix;
      for (std::uint32_t rest = p.mask; !earlier.Holds(prefix); rest &= rest - 1)
        prefix.Add(static_cast<AttributeIndex>(std::countr_zero(rest)));
      run.push_back(prefix);
      continue;
    }
    earlier.Add(p);
    sorter.Sort(t, run);
    run.clear();
    // The entries that meet the node by the lowest member they share with
    // it, and those that miss it, each by their place in t.
    for (auto& bucket : meeting)
      bucket.clear();
    missing.clear();
    for (std::uint32_t i = 0; i < t.size(); ++i) {
      if ((t[i] & p).Empty()) {
        missing.push_back(i);
      } else {
        meeting[lowestCommon(t[i], p)].push_back(i);
      }
    }
    // An extension e + {k} holds an entry m that meets the node only when m
    // shares k alone with the node, so those entries are kept by k.
    for (auto& bucket : soleCommon)
      bucket.clear();
    for (const std::vector<std::uint32_t>& bucket : meeting) {
      for (std::uint32_t i : bucket) {
        const AttributeSet common = t[i] & p;
        if ((common.mask & (common.mask - 1)) == 0)
          soleCommon[lowestCommon(t[i], p)].push_back(t[i]);
      }
    }
    next.clear();
    for (AttributeIndex k = 0; k < MaxAttributes; ++k) {
      if (!p.Has(k)) continue;
      // The entries in order: those meeting the node first at k as they
      // are, those missing it extended by k.
      const std::vector<std::uint32_t>& kept = meeting[k];
      std::size_t a = 0;
      std::size_t b = 0;
      while (a < kept.size() || b < missing.size()) {
        if (b == missing.size() || (a < kept.size() && kept[a] < missing[b])) {
          next.push_back(t[kept[a++]]);
          continue;
        }
        AttributeSet extended = t[missing[b++]];
        extended.Add(k);
        if (std::none_of(soleCommon[k].begin(), soleCommon[k].end(),
                         [extended](AttributeSet m) { return m.IsSubsetOf(extended); })) {
          next.push_back(extended);
        }
      }
    }
    t.swap(next);
  }
  sorter.Sort(t, run);
  std::vector<SetNode> result;
  result.reserve(t.size());
  for (AttributeSet e : t)
    result.push_back(SetNode{e});
  return result;
}

std::vector<SetNode> Complements(const std::vector<SetNode>& sets, int n) {
  const AttributeSet all = FirstAttributes(n);
  std::vector<SetNode> out;
  out.reserve(sets.size());
  for (const SetNode& s : sets)
    out.push_back(SetNode{all - s.member});
  return out;
}

AttributeMaxSets ComputeMaxSetsOfAttribute(const DependencyList& dependencies, AttributeIndex a,
                                           int n, std::size_t limit) {
  AttributeMaxSets result;
  result.lhsFamily = LeftHandSideFamily(dependencies, a, n, limit);
  result.transversals = MinimalTransversals(result.lhsFamily, n);
  result.maxOfA = Complements(result.transversals, n);
  return result;
}

bool IsPrimeAttribute(const std::vector<SetNode>& maxOfA, AttributeIndex a,
                      const DependencyList& dependencies, int n) {
  const AttributeSet all = FirstAttributes(n);
  const FastClosure closure(dependencies);
  return std::any_of(maxOfA.begin(), maxOfA.end(), [&](const SetNode& m) {
    return all.IsSubsetOf(closure.Close(m.member | Single(a)));
  });
}

bool IsInBcnf(const MaxSetFamily& maxSets, const DependencyList& dependencies, int n) {
  const FastClosure closure(dependencies);
  // The answer for a set does not depend on the attribute whose family holds
  // it, and families repeat sets, so each set is tested once.
  std::unordered_set<std::uint32_t> tested;
  for (AttributeIndex j = 0; j < static_cast<AttributeIndex>(n); ++j) {
    for (const SetNode& m : maxSets[j]) {
      if (!tested.insert(m.member.mask).second) continue;
      for (AttributeIndex k = 0; k < static_cast<AttributeIndex>(n); ++k) {
        if (m.member.Has(k) && closure.Close(m.member - Single(k)).Has(k)) return false;
      }
    }
  }
  return true;
}

int CountNonEmptyNames(const AttributeTable& names) {
  return static_cast<int>(
      std::count_if(names.begin(), names.end(), [](const std::string& s) { return !s.empty(); }));
}

AttributeSet UnionOfMaximalSets(const DependencyList& dependencies, const AttributeTable& names,
                                AttributeIndex a) {
  const int n = CountNonEmptyNames(names);
  if (a >= static_cast<AttributeIndex>(n)) return {};
  // An attribute stands in some maximal set of A exactly when it does not
  // determine A on its own: the set of it alone then grows into one.
  const FastClosure closure(dependencies);
  AttributeSet result;
  for (AttributeIndex b = 0; b < static_cast<AttributeIndex>(n); ++b) {
    if (b != a && !closure.Close(Single(b)).Has(a)) result.Add(b);
  }
  return result;
}

std::uint64_t SetsStoodFor(const SetList& family) {
  std::uint64_t total = 0;
  for (const SetNode& s : family)
    total = SaturatingSum(total, s.count);
  return total;
}

std::uint64_t SetsStoodFor(const MaxSetFamily& families) {
  std::uint64_t total = 0;
  for (const SetList& family : families)
    total = SaturatingSum(total, SetsStoodFor(family));
  return total;
}

SetList InclusionMinimal(const SetList& family) {
  // Taken by size, a set holds another set of the family exactly when it
  // holds one of the minimal sets already met; equal sets hold one another
  // only.
  AttributeSet universe;
  for (const SetNode& s : family)
    universe = universe | s.member;
  std::array<std::vector<AttributeSet>, MaxAttributes + 1> bySize;
  for (const SetNode& s : family)
    bySize[static_cast<std::size_t>(s.member.Count())].push_back(s.member);
  HeldSets held(universe);
  std::vector<bool> minimal(std::size_t{1} << std::bit_width(universe.mask), false);
  for (const std::vector<AttributeSet>& sets : bySize) {
    for (AttributeSet s : sets) {
      if (minimal[s.mask] || held.Holds(s)) continue;
      minimal[s.mask] = true;
      held.Add(s);
    }
  }
  SetList out;
  for (const SetNode& s : family) {
    if (minimal[s.member.mask]) out.push_back(s);
  }
  return out;
}

bool IsCondensed(const SetList& family) {
  return std::any_of(family.begin(), family.end(), [](const SetNode& s) { return s.count > 1; });
}

bool IsCondensed(const MaxSetFamily& families) {
  return std::any_of(families.begin(), families.end(),
                     [](const SetList& family) { return IsCondensed(family); });
}

std::string LhsFamilyLine(const SetList& family, const AttributeTable& names, int n) {
  std::string line = "{ ";
  for (std::size_t i = 0; i < family.size(); ++i) {
    line += Members(family[i], names, n);
    if (i + 1 < family.size()) line += " ;";
  }
  return line + " }";
}

std::string TransversalsLine(const std::vector<SetNode>& transversals, const AttributeTable& names,
                             int n) {
  if (transversals.empty()) return {};
  std::string line = "{ ";
  for (std::size_t i = 0; i < transversals.size(); ++i) {
    line += Members(transversals[i], names, n);
    if (i + 1 < transversals.size()) line += "; ";
  }
  return line + " }";
}

std::string MaxOfALine(const std::vector<SetNode>& maxOfA, const AttributeTable& names, int n) {
  if (maxOfA.empty()) return {};
  std::string line = "{";
  for (std::size_t i = 0; i < maxOfA.size(); ++i) {
    line += Members(maxOfA[i], names, n);
    if (i + 1 < maxOfA.size()) line += " ;";
  }
  return line + "}";
}

std::vector<MaxFamilyEntry> MaxFamilyEntries(const MaxSetFamily& maxSets,
                                             const AttributeTable& names, int n) {
  std::vector<MaxFamilyEntry> entries;
  for (AttributeIndex j = 0; j < static_cast<AttributeIndex>(n); ++j) {
    const SetList& family = maxSets[j];
    if (family.empty()) {
      entries.push_back({NameOf(names, j), {}});
      continue;
    }
    std::string sets = "   {";
    for (std::size_t i = 0; i < family.size(); ++i) {
      sets += Members(family[i], names, n);
      if (i + 1 < family.size()) sets += ", ";
    }
    entries.push_back({NameOf(names, j), sets + " }"});
  }
  return entries;
}
