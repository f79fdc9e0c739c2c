#pragma once

#include <vector>

#include "Schema.h"

// Extends `set` by every attribute that `dependencies` imply (X+), leaving out
// `excluded`. With a target other than NoAttribute the routine may stop as
// soon as a firing record adds the target, so only the target's membership is
// exact then. On return each record's `used` is 1 if it fired or is the
// excluded one, 0 otherwise.
void ComputeClosure(AttributeSet& set, AttributeIndex target, const DependencyList& dependencies,
                    const Dependency* excluded);

// The full closure on a precompiled list, for loops that close many sets
// under the same dependencies. Gives the same set as ComputeClosure with
// NoAttribute, but touches no `used` mark.
class FastClosure {
 public:
  explicit FastClosure(const DependencyList& dependencies);
  AttributeSet Close(AttributeSet start) const;

 private:
  struct Rule {
    std::uint32_t lhs;
    std::uint32_t rhs;
  };
  std::vector<Rule> rules_;
};
