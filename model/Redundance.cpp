#include "Redundance.h"

#include "Closure.h"

namespace {

// Removes the first occurrence of `a` from the left-hand side; the later
// entries move one slot left.
void EraseLhsEntry(Dependency& d, AttributeIndex a) {
  int i = 0;
  while (i < MaxAttributes && d.lhs[i] != a)
    ++i;
  for (; i < MaxAttributes - 1; ++i)
    d.lhs[i] = d.lhs[i + 1];
  d.lhs[MaxAttributes - 1] = NoAttribute;
}

}  // namespace

bool IsRedundantDependency(const DependencyList& dependencies, const Dependency& record) {
  AttributeSet s = record.LhsSet();
  ComputeClosure(s, record.Rhs(), dependencies, &record);
  return s.Has(record.Rhs());
}

int HasRedundantDependency(const DependencyList& dependencies, const DependencyReport& report) {
  int result = 0;
  for (const Dependency& d : dependencies) {
    if (!IsRedundantDependency(dependencies, d)) continue;
    result = 1;
    if (report) report(d);
  }
  return result;
}

int HasRedundantAttribute(const DependencyList& dependencies, const AttributeReport& report) {
  int result = 0;
  for (const Dependency& d : dependencies) {
    if (d.LhsCount() < 2) continue;
    std::array<int, MaxAttributes> counters{};
    for (int k = 0; k < MaxAttributes && d.lhs[k] != NoAttribute; ++k)
      ++counters[d.lhs[k]];
    const AttributeSet lhs = d.LhsSet();
    for (AttributeIndex i = 0; i < MaxAttributes; ++i) {
      if (counters[i] == 0) continue;
      // With a second copy of i in the left-hand side, i stays in the set.
      AttributeSet s = lhs;
      if (counters[i] == 1) s.Remove(i);
      ComputeClosure(s, d.Rhs(), dependencies, nullptr);
      if (!s.Has(d.Rhs())) continue;
      result = 1;
      if (report) report(i, d);
    }
  }
  return result;
}

int RemoveRedundantDependencies(DependencyList& dependencies) {
  for (auto it = dependencies.begin(); it != dependencies.end();) {
    if (IsRedundantDependency(dependencies, *it)) {
      it = dependencies.erase(it);
    } else {
      ++it;
    }
  }
  return 1;
}

int RemoveRedundantAttributes(DependencyList& dependencies) {
  for (Dependency& d : dependencies) {
    if (d.LhsCount() < 2) continue;
    AttributeSet s = d.LhsSet();
    for (AttributeIndex i = 0; i < MaxAttributes; ++i) {
      if (!s.Has(i)) continue;
      s.Remove(i);
      ComputeClosure(s, d.Rhs(), dependencies, nullptr);
      if (s.Has(d.Rhs())) {
        EraseLhsEntry(d, i);
        // With a second copy of i still there, i is tried once more.
        if (d.LhsHas(i)) --i;
      }
      s = d.LhsSet();
    }
  }
  return 1;
}
