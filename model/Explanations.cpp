#include "Explanations.h"

#include "Closure.h"

std::vector<ClosureStep> TraceClosure(AttributeSet start, const DependencyList& dependencies,
                                      AttributeIndex target, const Dependency* excluded) {
  std::vector<ClosureStep> steps;
  AttributeSet reached = start;
  for (bool grew = true; grew && !(target != NoAttribute && reached.Has(target));) {
    grew = false;
    for (const Dependency& d : dependencies) {
      if (&d == excluded || reached.Has(d.Rhs()) || !d.LhsSet().IsSubsetOf(reached)) continue;
      reached.Add(d.Rhs());
      steps.push_back({d.Rhs(), &d});
      grew = true;
      if (d.Rhs() == target) break;
    }
  }
  return steps;
}

AttributeSet Reached(AttributeSet start, const std::vector<ClosureStep>& steps) {
  for (const ClosureStep& step : steps)
    start.Add(step.attribute);
  return start;
}

KeyExplanation ExplainKeyCandidate(AttributeSet candidate, AttributeSet members,
                                   const DependencyList& dependencies) {
  const FastClosure closure(dependencies);
  KeyExplanation explanation;
  explanation.closure = closure.Close(candidate) & members;
  explanation.missing = members - explanation.closure;
  if (!explanation.missing.Empty()) {
    explanation.verdict = KeyVerdict::NotSuperkey;
    return explanation;
  }
  // Dropping attributes while the rest still determines everything ends in a
  // key inside the candidate.
  AttributeSet key = candidate;
  for (AttributeIndex a = 0; a < MaxAttributes; ++a) {
    if (!key.Has(a)) continue;
    AttributeSet smaller = key;
    smaller.Remove(a);
    if (members.IsSubsetOf(closure.Close(smaller))) key = smaller;
  }
  if (key != candidate) {
    explanation.verdict = KeyVerdict::NotMinimal;
    explanation.smallerKey = key;
  }
  return explanation;
}
