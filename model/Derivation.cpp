#include "Derivation.h"

#include <map>
#include <optional>

#include "Closure.h"
#include "SchemaListing.h"

namespace {

struct Step {
  const Dependency* record;
  AttributeSet lhs;
  AttributeIndex rhs;
};

using Steps = std::vector<Step>;

AttributeSet CloseUnder(AttributeSet x, const Steps& records) {
  for (bool changed = true; changed;) {
    changed = false;
    for (const Step& r : records) {
      if (r.lhs.IsSubsetOf(x) && !x.Has(r.rhs)) {
        x.Add(r.rhs);
        changed = true;
      }
    }
  }
  return x;
}

// The closure of x in rounds until it holds `goal`: each round fires every
// record whose left-hand side the earlier rounds gave, so that each
// attribute comes from as few records in a row as possible; among the
// records of a round that give the same attribute the first in list order
// is taken. The records in the order fired.
Steps FireInRounds(AttributeSet x, AttributeSet goal, const Steps& records) {
  Steps fired;
  for (AttributeSet have = x; !goal.IsSubsetOf(have);) {
    AttributeSet added;
    for (const Step& r : records) {
      if (!r.lhs.IsSubsetOf(have) || have.Has(r.rhs) || added.Has(r.rhs)) continue;
      fired.push_back(r);
      added.Add(r.rhs);
    }
    have = have | added;
  }
  return fired;
}

// The fired records that `goal` needs: back from the goal, each needed
// attribute's record and then the attributes of its left-hand side.
Steps NeededFor(AttributeSet x, AttributeSet goal, const Steps& fired) {
  AttributeSet wanted = goal - x;
  std::vector<bool> keep(fired.size());
  for (std::size_t i = fired.size(); i-- > 0;) {
    if (!wanted.Has(fired[i].rhs)) continue;
    keep[i] = true;
    wanted = wanted | (fired[i].lhs - x);
  }
  Steps needed;
  for (std::size_t i = 0; i < fired.size(); ++i) {
    if (keep[i]) needed.push_back(fired[i]);
  }
  return needed;
}

// Writes the lines, remembering for every set S the line X -> S, so that
// a set is derived once and then cited.
class Writer final {
 public:
  explicit Writer(AttributeSet x) : x_(x) {}

  // The line X -> a for the record's attribute: the record itself when its
  // left-hand side is X, else by transitivity from X -> its left-hand side.
  void Apply(const Step& step) {
    const AttributeSet rhs = AttributeSet::Of({step.rhs});
    if (step.lhs == x_) {
      fromX_[rhs.mask] = Given(step);
      return;
    }
    const int toLhs = Reach(step.lhs);
    const int given = Given(step);
    fromX_[rhs.mask] = Add(x_, rhs, DerivationRule::Transitivity, {toLhs, given});
  }

  // The line X -> s; s lies within X and the attributes already derived.
  int Reach(AttributeSet s) {
    if (const auto known = fromX_.find(s.mask); known != fromX_.end()) return known->second;
    if (s.IsSubsetOf(x_)) return Remember(Add(x_, s, DerivationRule::Reflexivity, {}), s);

    // By union from the widest set within s derived so far, then
    // augmentation by the attributes of X still missing; or, when a single
    // line holds all of s and more, by decomposition of that line.
    AttributeSet start;
    int startLine = 0;
    std::optional<int> wider;
    for (const auto& [mask, line] : fromX_) {
      const AttributeSet t{mask};
      if (t.IsSubsetOf(s) && t.Count() > start.Count()) {
        start = t;
        startLine = line;
      }
      if (s.IsSubsetOf(t) && !wider) wider = line;
    }
    const AttributeSet derived = s - x_ - start;
    const AttributeSet own = (s & x_) - start;
    const int unionLines = derived.Count() - (start.Empty() ? 1 : 0) + (own.Empty() ? 0 : 1);
    if (wider && unionLines > 1)
      return Remember(Add(x_, s, DerivationRule::Decomposition, {*wider}), s);

    AttributeSet built = start;
    int line = startLine;
    for (AttributeIndex a = 0; a < MaxAttributes; ++a) {
      if (!derived.Has(a)) continue;
      const int single = fromX_.at(AttributeSet::Of({a}).mask);
      if (built.Empty()) {
        built.Add(a);
        line = single;
        continue;
      }
      built.Add(a);
      line = Remember(Add(x_, built, DerivationRule::Union, {line, single}), built);
    }
    if (!own.Empty()) {
      line = Add(x_, built | own, DerivationRule::Augmentation, {line});
      lines_.back().augmentedBy = own;
      Remember(line, built | own);
    }
    return line;
  }

  std::vector<DerivationLine> Lines() && { return std::move(lines_); }

 private:
  int Given(const Step& step) {
    const int line = Add(step.lhs, AttributeSet::Of({step.rhs}), DerivationRule::Given, {});
    lines_.back().source = step.record;
    return line;
  }

  int Add(AttributeSet lhs, AttributeSet rhs, DerivationRule rule, std::vector<int> uses) {
    DerivationLine line;
    line.number = static_cast<int>(lines_.size()) + 1;
    line.lhs = lhs;
    line.rhs = rhs;
    line.rule = rule;
    line.uses = std::move(uses);
    lines_.push_back(std::move(line));
    return lines_.back().number;
  }

  int Remember(int line, AttributeSet s) {
    fromX_.emplace(s.mask, line);
    return line;
  }

  AttributeSet x_;
  std::vector<DerivationLine> lines_;
  std::map<std::uint32_t, int> fromX_;
};

}  // namespace

DerivationResult DeriveDependency(const DependencyList& dependencies, AttributeSet lhs,
                                  AttributeSet rhs) {
  DerivationResult result;
  result.closure = FastClosure(dependencies).Close(lhs);
  result.follows = rhs.IsSubsetOf(result.closure);
  if (!result.follows) return result;

  // A record whose right-hand attribute stands on its left adds nothing.
  Steps records;
  for (const Dependency& d : dependencies) {
    if (!d.LhsHas(d.Rhs())) records.push_back({&d, d.LhsSet(), d.Rhs()});
  }
  Steps used = NeededFor(lhs, rhs, FireInRounds(lhs, rhs, records));
  // Leave out every record the others can do without, so that none of the
  // records shown is superfluous.
  for (std::size_t i = 0; i < used.size();) {
    Steps without = used;
    without.erase(without.begin() + static_cast<std::ptrdiff_t>(i));
    if (rhs.IsSubsetOf(CloseUnder(lhs, without))) {
      used = std::move(without);
    } else {
      ++i;
    }
  }

  Writer writer(lhs);
  for (const Step& step : NeededFor(lhs, rhs, FireInRounds(lhs, rhs, used)))
    writer.Apply(step);
  writer.Reach(rhs);
  result.lines = std::move(writer).Lines();
  return result;
}

std::string ShowSetDependency(AttributeSet lhs, AttributeSet rhs, const AttributeTable& names) {
  const auto side = [&](AttributeSet set) {
    std::string text;
    for (AttributeIndex a = 0; a < MaxAttributes; ++a) {
      if (!set.Has(a)) continue;
      if (!text.empty()) text += " + ";
      text += NameOf(names, a);
    }
    return text;
  };
  return side(lhs) + " -> " + side(rhs);
}

std::string ShowDerivationLine(const DerivationLine& line, const AttributeTable& names,
                               const RuleNames& ruleNames) {
  std::string text = std::to_string(line.number) + ". " +
                     ShowSetDependency(line.lhs, line.rhs, names) + " (" +
                     ruleNames[static_cast<std::size_t>(line.rule)];
  for (std::size_t i = 0; i < line.uses.size(); ++i) {
    text += i == 0 ? ": " : ", ";
    text += std::to_string(line.uses[i]);
  }
  return text + ")";
}
