#pragma once

// Why X -> Y follows from a schema's dependencies: a derivation by
// Armstrong's rules, read off the closure of X. Only the records that Y
// needs take part, none of them can be left out, and every line is used
// by a later one. When X -> Y does not follow, the closure of X is the
// answer: the attributes of Y outside it are what X does not determine.

#include <array>
#include <cstdint>
#include <string>
#include <vector>

#include "Schema.h"

enum class DerivationRule : std::uint8_t {
  Given,          // a dependency of the schema
  Reflexivity,    // X -> Y where Y is a subset of X
  Augmentation,   // from X -> Y: X + Z -> Y + Z
  Transitivity,   // from X -> Y and Y -> Z: X -> Z
  Union,          // from X -> Y and X -> Z: X -> Y + Z
  Decomposition,  // from X -> Y + Z: X -> Y
};

inline constexpr std::size_t DerivationRuleCount = 6;

struct DerivationLine {
  int number = 0;  // counted from 1
  AttributeSet lhs;
  AttributeSet rhs;
  DerivationRule rule = DerivationRule::Given;
  // The numbers of the earlier lines the rule takes, in the order the rule
  // above names them.
  std::vector<int> uses;
  // Augmentation: Z, the attributes added to both sides.
  AttributeSet augmentedBy;
  // Given: the schema's record the line states.
  const Dependency* source = nullptr;
};

struct DerivationResult {
  bool follows = false;
  // The closure of X under the dependencies.
  AttributeSet closure;
  // When X -> Y follows: the derivation, its last line X -> Y.
  std::vector<DerivationLine> lines;
};

DerivationResult DeriveDependency(const DependencyList& dependencies, AttributeSet lhs,
                                  AttributeSet rhs);

// A dependency between sets in the notation of every window: the names of
// each side in index order joined by " + ", the sides by " -> ".
std::string ShowSetDependency(AttributeSet lhs, AttributeSet rhs, const AttributeTable& names);

// The rules' names in the student's language, indexed by the rule's value.
using RuleNames = std::array<std::string, DerivationRuleCount>;

// "3. A -> C (transitivity: 1, 2)"; a rule that takes no line shows its
// name alone: "1. A -> B (given)".
std::string ShowDerivationLine(const DerivationLine& line, const AttributeTable& names,
                               const RuleNames& ruleNames);
