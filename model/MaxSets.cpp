#include "MaxSets.h"

#include <algorithm>
#include <bit>
#include <optional>
#include <unordered_map>
#include <unordered_set>

#include "Closure.h"
#include "Data_statement_2.h"

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

// A copy of a list made by insert-after-head, held so that insertions behind
// the head and removals of the first equal node take constant time: the first
// node apart, the others in reverse list order with a mark for removed ones,
// and per set the places where it stands, in ascending order. Nodes carry
// their counts; a condensed list holds each set once.
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

  // Adds the count to the node of the set, or inserts it when it is absent.
  void Merge(SetNode s) {
    if (hasHead_ && head_.member == s.member) {
      head_.count = SaturatingSum(head_.count, s.count);
      return;
    }
    const auto it = places_.find(s.member.mask);
    if (it == places_.end() || it->second.empty()) {
      InsertBehindHead(s);
      return;
    }
    std::uint64_t& count = rest_[it->second.back()].node.count;
    count = SaturatingSum(count, s.count);
  }

  bool Contains(AttributeSet s) const {
    if (hasHead_ && head_.member == s) return true;
    const auto it = places_.find(s.mask);
    return it != places_.end() && !it->second.empty();
  }

  std::size_t Size() const { return size_; }

  void EraseFirstEqual(AttributeSet s) {
    if (!Contains(s)) return;
    --size_;
    if (head_.member == s) {
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
    std::vector<std::size_t>& places = places_[s.mask];
    rest_[places.back()].live = false;
    places.pop_back();
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

// One step of the MAX computation: the family of attribute j once D = X -> B
// is added, already copied by insert-after-head as the step ends. All
// maximality tests of a step run under the same dependencies, and a set that
// occurs several times in a family yields the same intersections each time,
// so both are worked out once per set.
//
// Equal sets multiply from step to step and the families can outgrow any
// memory. A full step therefore gives up once the families of the step hold
// more than `limit` sets. A condensed step holds each set once with the
// number of times it would stand in the full family: a set met again adds
// its count instead of a node. The family before the step is an antichain,
// so an intersection never equals a set of it that a later removal would
// take away with the added count.
class MaxStep {
 public:
  MaxStep(const FastClosure& closure, AttributeSet all, FamilyBuild build, std::size_t limit)
      : closure_(closure), all_(all), condensed_(build == FamilyBuild::Condensed), budget_(limit) {}

  std::optional<SetList> Family(const MaxSetFamily& before, AttributeIndex j, const Dependency& d) {
    maximal_.clear();
    accepted_.clear();
    const AttributeSet x = d.LhsSet();
    WorkList work(before[j]);
    for (const SetNode& m : before[j]) {
      if (!x.IsSubsetOf(m.member) || m.member.Has(d.Rhs())) continue;
      work.EraseFirstEqual(m.member);
      for (SetNode c : Accepted(before, j, d, m.member)) {
        if (condensed_) {
          c.count = SaturatingProduct(c.count, m.count);
          work.Merge(c);
          continue;
        }
        work.InsertBehindHead(c);
        if (work.Size() > budget_) return std::nullopt;
      }
    }
    if (!condensed_ && work.Size() > budget_) return std::nullopt;
    budget_ -= std::min(budget_, work.Size());
    return work.CopyInsertingBehindHead();
  }

 private:
  // The intersections of m with the maximal sets of each left-hand attribute
  // that are maximal sets of j, in the order they are formed, each counted as
  // often as the set it was formed with.
  const std::vector<SetNode>& Accepted(const MaxSetFamily& before, AttributeIndex j,
                                       const Dependency& d, AttributeSet m) {
    const auto [it, added] = accepted_.try_emplace(m.mask);
    if (!added) return it->second;
    for (int slot = 0; slot < MaxAttributes && d.lhs[slot] != NoAttribute; ++slot) {
      for (const SetNode& other : before[d.lhs[slot]]) {
        const AttributeSet c = m & other.member;
        if (Maximal(c, j)) it->second.push_back(SetNode{c, other.count});
      }
    }
    return it->second;
  }

  bool Maximal(AttributeSet c, AttributeIndex j) {
    const auto [it, added] = maximal_.try_emplace(c.mask, false);
    if (added) it->second = IsMaximal(c, j, closure_, all_);
    return it->second;
  }

  const FastClosure& closure_;
  AttributeSet all_;
  bool condensed_;
  std::size_t budget_;
  std::unordered_map<std::uint32_t, bool> maximal_;
  std::unordered_map<std::uint32_t, std::vector<SetNode>> accepted_;
};

// The sets that hold some node of a family, kept as one flag per subset of
// the attributes the family can contain (`universe`), so that asking costs
// the same however many nodes there are. A new node flags its supersets;
// since a flagged set has all its supersets flagged, the search stops there.
class Upset {
 public:
  explicit Upset(AttributeSet universe)
      : universe_(universe), flags_((std::size_t{1} << MaxAttributes) / 64 + 1, 0) {}

  bool Holds(AttributeSet s) const { return Flagged(s.mask); }

  void Add(AttributeSet s) {
    if (Flagged(s.mask)) return;
    Flag(s.mask);
    pending_.push_back(s.mask);
    while (!pending_.empty()) {
      const std::uint32_t x = pending_.back();
      pending_.pop_back();
      for (std::uint32_t free = universe_.mask & ~x; free != 0; free &= free - 1) {
        const std::uint32_t y = x | (free & (~free + 1));
        if (Flagged(y)) continue;
        Flag(y);
        pending_.push_back(y);
      }
    }
  }

 private:
  bool Flagged(std::uint32_t m) const { return ((flags_[m / 64] >> (m % 64)) & 1u) != 0; }
  void Flag(std::uint32_t m) { flags_[m / 64] |= std::uint64_t{1} << (m % 64); }

  AttributeSet universe_;
  std::vector<std::uint64_t> flags_;
  std::vector<std::uint32_t> pending_;
};

// The left-hand-side family while it is built. Insertions go behind the
// head; the nodes after the head are held in reverse list order so that an
// insertion costs constant time. Whether some node is a subset of a set is
// asked of the inclusion-minimal nodes, which answer the same; once the
// family is large, of an Upset, which costs some milliseconds to fill but
// answers at once.
//
// The passes enter sets that hold other nodes, even equal ones, and each
// dependency can double the family. A full family gives up beyond `limit`
// nodes. A condensed family holds each set once with the number of nodes the
// full family would hold of it; a walk visits the counts the nodes had when
// it began, as the full walk does not reach the nodes it inserts (apart from
// those inserted while it visits the first node, which it reaches next).
class LhsFamily {
 public:
  LhsFamily(AttributeSet first, AttributeSet universe, FamilyBuild build, std::size_t limit)
      : first_{first},
        universe_(universe),
        minimal_{first},
        condensed_(build == FamilyBuild::Condensed),
        limit_(limit) {}

  bool HoldsSubsetOf(AttributeSet s) const {
    if (upset_) return upset_->Holds(s);
    return std::any_of(minimal_.begin(), minimal_.end(),
                       [s](AttributeSet p) { return p.IsSubsetOf(s); });
  }

  bool Overflowed() const { return overflowed_; }

  void InsertBehindHead(SetNode s) {
    if (overflowed_) return;
    if (condensed_ && Merged(s)) return;
    if (!condensed_ && rest_.size() + 2 > limit_) {
      overflowed_ = true;
      return;
    }
    const bool holdsNode = HoldsSubsetOf(s.member);
    if (condensed_) places_.emplace(s.member.mask, rest_.size());
    rest_.push_back(s);
    if (holdsNode) return;
    if (upset_) {
      upset_->Add(s.member);
      return;
    }
    std::erase_if(minimal_, [s](AttributeSet p) { return s.member.IsSubsetOf(p); });
    minimal_.push_back(s.member);
    if (rest_.size() >= kUpsetFrom) {
      upset_.emplace(universe_);
      for (AttributeSet p : minimal_)
        upset_->Add(p);
    }
  }

  // Calls visit(P) for every node from the first in list order. A node that
  // visit inserts comes in front of P, so the walk does not reach it, except
  // behind the first node, whose successor it becomes.
  template <typename Visit>
  void Walk(Visit visit) {
    visit(first_);
    walking_ = true;
    for (std::size_t i = rest_.size(); i-- > 0 && !overflowed_;)
      visit(rest_[i]);
    walking_ = false;
    for (const auto& [place, count] : pendingCounts_) {
      std::uint64_t& target = place == kFirst ? first_.count : rest_[place].count;
      target = SaturatingSum(target, count);
    }
    pendingCounts_.clear();
  }

  SetList ToSetList() const {
    SetList list{first_};
    for (std::size_t i = rest_.size(); i-- > 0;)
      list.push_back(rest_[i]);
    return list;
  }

 private:
  static constexpr std::size_t kUpsetFrom = 4096;
  static constexpr std::size_t kFirst = static_cast<std::size_t>(-1);

  // Adds the count of a set the condensed family holds already; while a walk
  // runs, only once it ends.
  bool Merged(SetNode s) {
    std::size_t place = kFirst;
    if (s.member != first_.member) {
      const auto it = places_.find(s.member.mask);
      if (it == places_.end()) return false;
      place = it->second;
    }
    if (walking_) {
      pendingCounts_.emplace_back(place, s.count);
    } else {
      std::uint64_t& target = place == kFirst ? first_.count : rest_[place].count;
      target = SaturatingSum(target, s.count);
    }
    return true;
  }

  SetNode first_;
  AttributeSet universe_;
  std::vector<SetNode> rest_;
  std::vector<AttributeSet> minimal_;
  std::optional<Upset> upset_;
  bool condensed_;
  std::size_t limit_;
  bool overflowed_ = false;
  bool walking_ = false;
  std::unordered_map<std::uint32_t, std::size_t> places_;
  std::vector<std::pair<std::size_t, std::uint64_t>> pendingCounts_;
};

// A set's members, each as a blank and the name, and the count of a set
// that stands more than once in a condensed family.
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

std::optional<MaxSetFamily> BuildMaxSets(const DependencyList& dependencies, int n,
                                         FamilyBuild build, std::size_t limit) {
  const AttributeSet all = FirstAttributes(n);
  MaxSetFamily maxSets;
  for (AttributeIndex j = 0; j < static_cast<AttributeIndex>(n); ++j)
    maxSets[j].push_back(SetNode{all - Single(j)});

  DependencyList processed;
  for (const Dependency& d : dependencies) {
    InsertBehindHead(processed, d);
    const FastClosure closure(processed);
    MaxStep step(closure, all, build, limit);
    // Every family of this step is built from the families before it.
    MaxSetFamily next;
    for (AttributeIndex j = 0; j < static_cast<AttributeIndex>(n); ++j) {
      std::optional<SetList> family = step.Family(maxSets, j, d);
      if (!family) return std::nullopt;
      next[j] = std::move(*family);
    }
    maxSets = std::move(next);
  }
  return maxSets;
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
        family.InsertBehindHead(SetNode{x});
        continue;
      }
      // Every reached attribute other than A stands in a node (each node
      // inserted holds its dependency's whole left-hand side), so some node
      // holds the right-hand attribute.
      family.Walk([&](SetNode p) {
        if (p.member.Has(d.Rhs()))
          family.InsertBehindHead(SetNode{(p.member | x) - Single(d.Rhs()), p.count});
      });
    }
  }

  // Looking at each dependency once can cut a chain of substitutions short.
  // Substitute until nothing new comes up, keeping only sets that hold no
  // node already there; where the passes found everything this adds nothing.
  // Each round enters the inclusion-minimal new sets ascending by their
  // members, so that what it enters does not hang on the order of the nodes,
  // which a condensed family does not keep.
  while (!family.Overflowed()) {
    std::vector<AttributeSet> found;
    for (const Dependency& d : dependencies) {
      if (IsTrivial(d)) continue;
      const AttributeSet x = d.LhsSet();
      family.Walk([&](SetNode p) {
        if (!p.member.Has(d.Rhs())) return;
        const AttributeSet c = (p.member | x) - Single(d.Rhs());
        if (!family.HoldsSubsetOf(c)) found.push_back(c);
      });
    }
    if (found.empty()) break;
    std::sort(found.begin(), found.end(),
              [](AttributeSet l, AttributeSet r) { return l.mask < r.mask; });
    found.erase(std::unique(found.begin(), found.end()), found.end());
    for (AttributeSet c : found) {
      if (std::none_of(found.begin(), found.end(),
                       [c](AttributeSet o) { return o != c && o.IsSubsetOf(c); })) {
        family.InsertBehindHead(SetNode{c});
      }
    }
  }
  if (family.Overflowed()) return std::nullopt;
  return family.ToSetList();
}

}  // namespace

MaxSetFamily ComputeMaxSets(const DependencyList& dependencies, int n, std::size_t limit) {
  if (std::optional<MaxSetFamily> full = BuildMaxSets(dependencies, n, FamilyBuild::Full, limit)) {
    return std::move(*full);
  }
  return *BuildMaxSets(dependencies, n, FamilyBuild::Condensed, limit);
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
  std::vector<AttributeSet> t{AttributeSet{}};
  std::vector<AttributeSet> meeting;
  std::vector<AttributeSet> next;
  std::array<std::vector<AttributeSet>, MaxAttributes> soleCommon;
  const auto lowestCommon = [](AttributeSet e, AttributeSet p) {
    return static_cast<AttributeIndex>(std::countr_zero((e & p).mask));
  };
  for (const SetNode& node : family) {
    const AttributeSet p = node.member & all;
    meeting.clear();
    bool ordered = true;
    for (AttributeSet e : t) {
      if ((e & p).Empty()) continue;
      if (!meeting.empty() && lowestCommon(e, p) < lowestCommon(meeting.back(), p)) {
        ordered = false;
      }
      meeting.push_back(e);
    }
    // Long families mostly hold nodes that every entry meets already; then
    // the entries stay as they are, only ordered by their lowest common member.
    if (meeting.size() == t.size()) {
      if (!ordered) {
        std::stable_sort(t.begin(), t.end(), [&](AttributeSet l, AttributeSet r) {
          return lowestCommon(l, p) < lowestCommon(r, p);
        });
      }
      continue;
    }
    // An extension e + {k} holds an entry m that meets the node only when m
    // shares k alone with the node, so those entries are kept by k.
    for (auto& bucket : soleCommon)
      bucket.clear();
    for (AttributeSet m : meeting) {
      const AttributeSet common = m & p;
      if (common.Count() == 1) soleCommon[lowestCommon(m, p)].push_back(m);
    }
    next.clear();
    for (AttributeIndex k = 0; k < MaxAttributes; ++k) {
      if (!p.Has(k)) continue;
      for (AttributeSet e : t) {
        if (!(e & p).Empty()) {
          if (lowestCommon(e, p) == k) next.push_back(e);
          continue;
        }
        AttributeSet extended = e;
        extended.Add(k);
        if (std::none_of(soleCommon[k].begin(), soleCommon[k].end(),
                         [extended](AttributeSet m) { return m.IsSubsetOf(extended); })) {
          next.push_back(extended);
        }
      }
    }
    t.swap(next);
  }
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
  AttributeSet result;
  for (const SetNode& m : ComputeMaxSetsOfAttribute(dependencies, a, n).maxOfA)
    result = result | m.member;
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
  std::vector<AttributeSet> bySize;
  for (const SetNode& s : family)
    bySize.push_back(s.member);
  std::sort(bySize.begin(), bySize.end(),
            [](AttributeSet l, AttributeSet r) { return l.Count() < r.Count(); });
  std::vector<AttributeSet> minimal;
  for (AttributeSet s : bySize) {
    if (std::none_of(minimal.begin(), minimal.end(),
                     [s](AttributeSet m) { return m.IsSubsetOf(s); })) {
      minimal.push_back(s);
    }
  }
  SetList out;
  for (const SetNode& s : family) {
    if (std::find(minimal.begin(), minimal.end(), s.member) != minimal.end()) out.push_back(s);
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
  std::string line = "{ ";
  for (std::size_t i = 0; i < transversals.size(); ++i) {
    line += Members(transversals[i], names, n);
    if (i + 1 < transversals.size()) line += "; ";
  }
  return line + " }";
}

std::string MaxOfALine(const std::vector<SetNode>& maxOfA, const AttributeTable& names, int n) {
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
    std::string sets = "   {";
    const SetList& family = maxSets[j];
    for (std::size_t i = 0; i < family.size(); ++i) {
      sets += Members(family[i], names, n);
      if (i + 1 < family.size()) sets += ", ";
    }
    entries.push_back({NameOf(names, j), sets + " }"});
  }
  return entries;
}
