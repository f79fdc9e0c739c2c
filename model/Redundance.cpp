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

bool HasRedundantDependency(const DependencyList& dependencies, const DependencyReport& report) {
  bool result = false;
  for (const Dependency& d : dependencies) {
    if (!IsRedundantDependency(dependencies, d)) continue;
    result = true;
    if (report) report(d);
  }
  return result;
}

AttributeSet LhsWithoutOneCopy(const Dependency& record, AttributeIndex attribute) {
  AttributeSet rest;
  bool skipped = false;
  for (int i = 0; i < record.LhsCount(); ++i) {
    if (!skipped && record.lhs[i] == attribute) {
      skipped = true;
      continue;
    }
    rest.Add(record.lhs[i]);
  }
  return rest;
}

bool IsRedundantLhsAttribute(const DependencyList& dependencies, const Dependency& record,
                             AttributeIndex attribute) {
  if (!record.LhsHas(attribute)) return false;
  AttributeSet s = LhsWithoutOneCopy(record, attribute);
  ComputeClosure(s, record.Rhs(), dependencies, nullptr);
  return s.Has(record.Rhs());
}

AttributeSet RedundantLhsAttributes(const Dependency& record, const DependencyList& dependencies) {
  AttributeSet redundant;
  const AttributeSet lhs = record.LhsSet();
  for (AttributeIndex a = 0; a < MaxAttributes; ++a) {
    if (lhs.Has(a) && IsRedundantLhsAttribute(dependencies, record, a)) redundant.Add(a);
  }
  return redundant;
}

bool HasRedundantAttribute(const DependencyList& dependencies, const AttributeReport& report) {
  bool result = false;
  for (const Dependency& d : dependencies) {
    const AttributeSet redundant = RedundantLhsAttributes(d, dependencies);
    for (AttributeIndex i = 0; i < MaxAttributes; ++i) {
      if (!redundant.Has(i)) continue;
      result = true;
      if (report) report(i, d);
    }
  }
  return result;
}

void RemoveRedundantDependencies(DependencyList& dependencies) {
  for (auto it = dependencies.begin(); it != dependencies.end();) {
    if (IsRedundantDependency(dependencies, *it)) {
      it = dependencies.erase(it);
    } else {
      ++it;
    }
  }
}

void RemoveRedundantAttributes(DependencyList& dependencies) {
  for (Dependency& d : dependencies) {
    for (AttributeIndex i = 0; i < MaxAttributes; ++i) {
      while (IsRedundantLhsAttribute(dependencies, d, i))
        EraseLhsEntry(d, i);
    }
  }
}
