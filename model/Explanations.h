#pragma once

// Why an exercise's verdict holds, computed from the schema itself: the
// records by which a closure grows, and a key inside a superkey.

#include <vector>

#include "Schema.h"

// One attribute a closure gained and the record that brought it.
struct ClosureStep {
  AttributeIndex attribute = NoAttribute;
  const Dependency* record = nullptr;
};

// The closure of `start` step by step: the records fire in list order, round
// after round, until none adds anything or `target` (when not NoAttribute)
// is reached. `excluded` takes no part.
std::vector<ClosureStep> TraceClosure(AttributeSet start, const DependencyList& dependencies,
                                      AttributeIndex target = NoAttribute,
                                      const Dependency* excluded = nullptr);

// `start` with every attribute the steps added.
AttributeSet Reached(AttributeSet start, const std::vector<ClosureStep>& steps);

enum class KeyVerdict { Key, NotSuperkey, NotMinimal };

struct KeyExplanation {
  KeyVerdict verdict = KeyVerdict::Key;
  AttributeSet closure;     // the candidate's closure
  AttributeSet missing;     // what it does not determine (NotSuperkey)
  AttributeSet smallerKey;  // a key strictly inside it (NotMinimal)
};

// Whether `candidate` is a key of the schema over `members`, and why not.
KeyExplanation ExplainKeyCandidate(AttributeSet candidate, AttributeSet members,
                                   const DependencyList& dependencies);
