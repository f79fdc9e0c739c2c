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
// and per set the places where it stands, in ascending order.
class WorkList {
 public:
  explicit WorkList(const SetList& source) : size_(source.size()) {
    if (source.empty()) return;
    head_ = source.front().member;
    hasHead_ = true;
    // The copy reads source[0], source[last], ..., source[1].
    for (std::size_t i = 1; i < source.size(); ++i)
      Push(source[i].member);
  }

  void InsertBehindHead(AttributeSet s) {
    ++size_;
    if (hasHead_) {
      Push(s);
    } else {
      head_ = s;
      hasHead_ = true;
    }
  }

  bool Contains(AttributeSet s) const {
    if (hasHead_ && head_ == s) return true;
    const auto it = places_.find(s.mask);
    return it != places_.end() && !it->second.empty();
  }

  std::size_t Size() const { return size_; }

  void EraseFirstEqual(AttributeSet s) {
    if (!Contains(s)) return;
    --size_;
    if (head_ == s) {
      // The next node in list order, the newest live one, becomes the head.
      hasHead_ = false;
      while (!rest_.empty()) {
        const Entry last = rest_.back();
        rest_.pop_back();
        if (!last.live) continue;
        places_[last.set.mask].pop_back();
        head_ = last.set;
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
    copy.push_back(SetNode{head_});
    for (const Entry& e : rest_) {
      if (e.live) copy.push_back(SetNode{e.set});
    }
    return copy;
  }

 private:
  struct Entry {
    AttributeSet set;
    bool live;
  };
  void Push(AttributeSet s) {
    places_[s.mask].push_back(rest_.size());
    rest_.push_back(Entry{s, true});
  }

  std::size_t size_;
  AttributeSet head_;
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
// Kept as stated, equal sets multiply from step to step and the families can
// outgrow any memory. A step therefore gives up once the families of the
// step hold more than `limit` sets; in distinct mode it enters no set that
// the family holds already.
class MaxStep {
 public:
  MaxStep(const FastClosure& closure, AttributeSet all, bool distinct, std::size_t limit)
      : closure_(closure), all_(all), distinct_(distinct), budget_(limit) {}

  std::optional<SetList> Family(const MaxSetFamily& before, AttributeIndex j, const Dependency& d) {
    maximal_.clear();
    accepted_.clear();
    const AttributeSet x = d.LhsSet();
    WorkList work(before[j]);
    for (const SetNode& m : before[j]) {
      if (!x.IsSubsetOf(m.member) || m.member.Has(d.Rhs())) continue;
      work.EraseFirstEqual(m.member);
      for (AttributeSet c : Accepted(before, j, d, m.member)) {
        if (distinct_ && work.Contains(c)) continue;
        work.InsertBehindHead(c);
        if (!distinct_ && work.Size() > budget_) return std::nullopt;
      }
    }
    if (!distinct_ && work.Size() > budget_) return std::nullopt;
    budget_ -= std::min(budget_, work.Size());
    return work.CopyInsertingBehindHead();
  }

 private:
  // The intersections of m with the maximal sets of each left-hand attribute
  // that are maximal sets of j, in the order they are formed.
  const std::vector<AttributeSet>& Accepted(const MaxSetFamily& before, AttributeIndex j,
                                            const Dependency& d, AttributeSet m) {
    const auto [it, added] = accepted_.try_emplace(m.mask);
    if (!added) return it->second;
    for (int slot = 0; slot < MaxAttributes && d.lhs[slot] != NoAttribute; ++slot) {
      for (const SetNode& other : before[d.lhs[slot]]) {
        const AttributeSet c = m & other.member;
        if (Maximal(c, j)) it->second.push_back(c);
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
  bool distinct_;
  std::size_t budget_;
  std::unordered_map<std::uint32_t, bool> maximal_;
  std::unordered_map<std::uint32_t, std::vector<AttributeSet>> accepted_;
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
// dependency can double the family. Beyond `limit` nodes the family is marked
// overflowed and stops growing; in distinct mode a set that holds a node
// already is not entered, which leaves the transversals as they are.
class LhsFamily {
 public:
  LhsFamily(AttributeSet first, AttributeSet universe, bool distinct, std::size_t limit)
      : first_(first), universe_(universe), minimal_{first}, distinct_(distinct), limit_(limit) {}

  bool HoldsSubsetOf(AttributeSet s) const {
    if (upset_) return upset_->Holds(s);
    return std::any_of(minimal_.begin(), minimal_.end(),
                       [s](AttributeSet p) { return p.IsSubsetOf(s); });
  }

  bool Overflowed() const { return overflowed_; }

  // Returns whether the set went in.
  bool InsertBehindHead(AttributeSet s) {
    const bool holdsNode = HoldsSubsetOf(s);
    if (overflowed_ || (distinct_ && holdsNode)) return false;
    if (!distinct_ && rest_.size() + 2 > limit_) {
      overflowed_ = true;
      return false;
    }
    rest_.push_back(s);
    if (holdsNode) return true;
    if (upset_) {
      upset_->Add(s);
      return true;
    }
    std::erase_if(minimal_, [s](AttributeSet p) { return s.IsSubsetOf(p); });
    minimal_.push_back(s);
    if (rest_.size() >= kUpsetFrom) {
      upset_.emplace(universe_);
      for (AttributeSet p : minimal_)
        upset_->Add(p);
    }
    return true;
  }

  // Calls visit(P) for every node from the first in list order. A node that
  // visit inserts comes in front of P, so the walk does not reach it, except
  // behind the first node, whose successor it becomes.
  template <typename Visit>
  void Walk(Visit visit) {
    visit(first_);
    for (std::size_t i = rest_.size(); i-- > 0 && !overflowed_;)
      visit(AttributeSet{rest_[i]});
  }

  SetList ToSetList() const {
    SetList list{SetNode{first_}};
    for (std::size_t i = rest_.size(); i-- > 0;)
      list.push_back(SetNode{rest_[i]});
    return list;
  }

 private:
  static constexpr std::size_t kUpsetFrom = 4096;

  AttributeSet first_;
  AttributeSet universe_;
  std::vector<AttributeSet> rest_;
  std::vector<AttributeSet> minimal_;
  std::optional<Upset> upset_;
  bool distinct_;
  std::size_t limit_;
  bool overflowed_ = false;
};

std::string Members(AttributeSet s, const AttributeTable& names, int n) {
  std::string out;
  for (AttributeIndex i = 0; i < static_cast<AttributeIndex>(n); ++i) {
    if (!s.Has(i)) continue;
    out += ' ';
    out += NameOf(names, i);
  }
  return out;
}

}  // namespace

bool IsMaximalSet(AttributeSet x, AttributeIndex a, const DependencyList& dependencies, int n) {
  return IsMaximal(x, a, FastClosure(dependencies), FirstAttributes(n));
}

namespace {

std::optional<MaxSetFamily> BuildMaxSets(const DependencyList& dependencies, int n, bool distinct,
                                         std::size_t limit) {
  const AttributeSet all = FirstAttributes(n);
  MaxSetFamily maxSets;
  for (AttributeIndex j = 0; j < static_cast<AttributeIndex>(n); ++j)
    maxSets[j].push_back(SetNode{all - Single(j)});

  DependencyList processed;
  for (const Dependency& d : dependencies) {
    InsertBehindHead(processed, d);
    const FastClosure closure(processed);
    MaxStep step(closure, all, distinct, limit);
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
                                      bool distinct, std::size_t limit) {
  // Every node is made of A and left-hand attributes.
  AttributeSet universe = Single(a);
  for (const Dependency& d : dependencies)
    universe = universe | d.LhsSet();
  LhsFamily family(Single(a) & FirstAttributes(n), universe, distinct, limit);
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
        family.InsertBehindHead(x);
        continue;
      }
      // Every reached attribute other than A stands in a node (each node
      // inserted holds its dependency's whole left-hand side), so some node
      // holds the right-hand attribute. In distinct mode a node can be left
      // out, and a generator missed here; the completion below finds it.
      family.Walk([&](AttributeSet p) {
        if (p.Has(d.Rhs())) family.InsertBehindHead((p | x) - Single(d.Rhs()));
      });
    }
  }

  // Looking at each dependency once can cut a chain of substitutions short.
  // Substitute until nothing new comes up, keeping only sets that hold no
  // node already there; where the passes found everything this adds nothing.
  for (bool inserted = true; inserted;) {
    inserted = false;
    for (const Dependency& d : dependencies) {
      if (IsTrivial(d)) continue;
      const AttributeSet x = d.LhsSet();
      family.Walk([&](AttributeSet p) {
        if (!p.Has(d.Rhs())) return;
        const AttributeSet c = (p | x) - Single(d.Rhs());
        if (!family.HoldsSubsetOf(c) && family.InsertBehindHead(c)) inserted = true;
      });
    }
  }
  if (family.Overflowed()) return std::nullopt;
  return family.ToSetList();
}

}  // namespace

MaxSetFamily ComputeMaxSets(const DependencyList& dependencies, int n, std::size_t limit) {
  if (std::optional<MaxSetFamily> exact = BuildMaxSets(dependencies, n, false, limit)) {
    return std::move(*exact);
  }
  return *BuildMaxSets(dependencies, n, true, limit);
}

SetList LeftHandSideFamily(const DependencyList& dependencies, AttributeIndex a, int n,
                           std::size_t limit) {
  if (std::optional<SetList> exact = BuildLhsFamily(dependencies, a, n, false, limit)) {
    return std::move(*exact);
  }
  return *BuildLhsFamily(dependencies, a, n, true, limit);
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

std::string LhsFamilyLine(const SetList& family, const AttributeTable& names, int n) {
  std::string line = "{ ";
  for (std::size_t i = 0; i < family.size(); ++i) {
    line += Members(family[i].member, names, n);
    if (i + 1 < family.size()) line += " ;";
  }
  return line + " }";
}

std::string TransversalsLine(const std::vector<SetNode>& transversals, const AttributeTable& names,
                             int n) {
  std::string line = "{ ";
  for (std::size_t i = 0; i < transversals.size(); ++i) {
    line += Members(transversals[i].member, names, n);
    if (i + 1 < transversals.size()) line += "; ";
  }
  return line + " }";
}

std::string MaxOfALine(const std::vector<SetNode>& maxOfA, const AttributeTable& names, int n) {
  std::string line = "{";
  for (std::size_t i = 0; i < maxOfA.size(); ++i) {
    line += Members(maxOfA[i].member, names, n);
    if (i + 1 < maxOfA.size()) line += " ;";
  }
  return line + "}";
}

std::vector<std::string> MaxFamilyLines(const MaxSetFamily& maxSets, const AttributeTable& names,
                                        int n) {
  std::vector<std::string> lines;
  for (AttributeIndex j = 0; j < static_cast<AttributeIndex>(n); ++j) {
    lines.push_back("Mnozina Max(" + NameOf(names, j) + ") = ");
    std::string sets = "   {";
    const SetList& family = maxSets[j];
    for (std::size_t i = 0; i < family.size(); ++i) {
      sets += Members(family[i].member, names, n);
      if (i + 1 < family.size()) sets += ", ";
    }
    lines.push_back(sets + " }");
    lines.emplace_back();
  }
  return lines;
}
