#include "Closure.h"

void ComputeClosure(AttributeSet& set, AttributeIndex target, const DependencyList& dependencies,
                    const Dependency* excluded) {
  for (const Dependency& d : dependencies)
    d.used = 0;
  if (excluded != nullptr) excluded->used = 1;

  bool found = false;
  bool changed = true;
  while (changed && !found) {
    changed = false;
    for (const Dependency& d : dependencies) {
      if (d.used == 1) continue;
      if (!d.LhsSet().IsSubsetOf(set)) continue;
      d.used = 1;
      set.Add(d.Rhs());
      if (d.Rhs() == target) found = true;
      changed = true;
      if (found) break;
    }
  }
}

FastClosure::FastClosure(const DependencyList& dependencies) {
  rules_.reserve(dependencies.size());
  for (const Dependency& d : dependencies) {
    rules_.push_back(Rule{d.LhsSet().mask, 1u << d.Rhs()});
  }
}

AttributeSet FastClosure::Close(AttributeSet start) const {
  std::uint32_t set = start.mask;
  bool changed = true;
  while (changed) {
    changed = false;
    for (const Rule& r : rules_) {
      if ((r.lhs & ~set) == 0 && (set & r.rhs) == 0) {
        set |= r.rhs;
        changed = true;
      }
    }
  }
  return AttributeSet{set};
}
