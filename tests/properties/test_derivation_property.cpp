// Derivations against an independent checker: every line follows from the
// lines it cites by the rule it names, given lines are records of the
// schema, the last line is X -> Y, every other line is cited later, and no
// record used could be left out; a dependency that does not follow gets the
// closure of X. On seeded random schemas with the edge cases schema files
// may hold.

#include <gtest/gtest.h>

#include <array>

#include "BruteForce.h"
#include "Derivation.h"
#include "PropertyScale.h"
#include "SchemaText.h"

namespace {

// Whether `line` follows by its rule from the lines before it.
bool FollowsByItsRule(const DerivationLine& line, const std::vector<DerivationLine>& lines,
                      const DependencyList& list) {
  const auto cited = [&](std::size_t i) -> const DerivationLine& {
    return lines[static_cast<std::size_t>(line.uses[i]) - 1];
  };
  for (int use : line.uses) {
    if (use < 1 || use >= line.number) return false;
  }
  const std::size_t uses = line.uses.size();
  switch (line.rule) {
    case DerivationRule::Given:
      return uses == 0 && line.source != nullptr &&
             std::any_of(list.begin(), list.end(),
                         [&](const Dependency& d) { return &d == line.source; }) &&
             line.lhs == line.source->LhsSet() &&
             line.rhs == AttributeSet::Of({line.source->Rhs()});
    case DerivationRule::Reflexivity:
      return uses == 0 && line.rhs.IsSubsetOf(line.lhs);
    case DerivationRule::Augmentation: {
      if (uses != 1) return false;
      const DerivationLine& from = cited(0);
      const AttributeSet z = line.augmentedBy;
      return (from.lhs | z) == line.lhs && (from.rhs | z) == line.rhs;
    }
    case DerivationRule::Transitivity:
      return uses == 2 && cited(0).lhs == line.lhs && cited(0).rhs == cited(1).lhs &&
             cited(1).rhs == line.rhs;
    case DerivationRule::Union:
      return uses == 2 && cited(0).lhs == line.lhs && cited(1).lhs == line.lhs &&
             (cited(0).rhs | cited(1).rhs) == line.rhs;
    case DerivationRule::Decomposition:
      return uses == 1 && cited(0).lhs == line.lhs && line.rhs.IsSubsetOf(cited(0).rhs);
  }
  return false;
}

TEST(DerivationProperties, EveryLineChecksAndNothingIsSuperfluous) {
  std::mt19937 rng(31337);
  std::array<int, DerivationRuleCount> rulesSeen{};
  for (int s = 0; s < Rounds(3000); ++s) {
    const int n = std::uniform_int_distribution<int>(1, kWideSchemas ? 12 : 8)(rng);
    const DependencyList list =
        brute::RandomEdgeDependencies(rng, n, std::uniform_int_distribution<int>(1, 14)(rng), 3);
    const std::vector<brute::Fd> fds = brute::FromList(list);
    const std::uint32_t x = std::uniform_int_distribution<std::uint32_t>(0, (1u << n) - 1)(rng);
    // Mostly a Y within the closure and outside X, so that most cases have
    // a derivation that uses records.
    const std::uint32_t closure = brute::Closure(x, fds);
    std::uint32_t y = closure & static_cast<std::uint32_t>(rng()) & (rng() % 4 != 0 ? ~x : ~0u);
    if (rng() % 4 == 0) y |= 1u << (rng() % n);
    const std::string what =
        DepsText(list) + " X=" + Letters(AttributeSet{x}) + " Y=" + Letters(AttributeSet{y});

    const DerivationResult result = DeriveDependency(list, AttributeSet{x}, AttributeSet{y});
    EXPECT_EQ(result.closure.mask, closure) << what;
    EXPECT_EQ(result.follows, (y & ~closure) == 0) << what;
    if (!result.follows) {
      EXPECT_TRUE(result.lines.empty()) << what;
      continue;
    }

    const std::vector<DerivationLine>& lines = result.lines;
    ASSERT_FALSE(lines.empty()) << what;
    EXPECT_EQ(lines.back().lhs.mask, x) << what;
    EXPECT_EQ(lines.back().rhs.mask, y) << what;
    std::vector<bool> cited(lines.size());
    std::vector<brute::Fd> given;
    for (std::size_t i = 0; i < lines.size(); ++i) {
      EXPECT_EQ(lines[i].number, static_cast<int>(i) + 1) << what;
      EXPECT_TRUE(FollowsByItsRule(lines[i], lines, list)) << what << " line " << i + 1;
      for (int use : lines[i].uses)
        cited[static_cast<std::size_t>(use) - 1] = true;
      if (lines[i].rule == DerivationRule::Given)
        given.push_back({lines[i].lhs.mask, static_cast<int>(lines[i].source->Rhs())});
      ++rulesSeen[static_cast<std::size_t>(lines[i].rule)];
    }
    for (std::size_t i = 0; i + 1 < lines.size(); ++i)
      EXPECT_TRUE(cited[i]) << what << " line " << i + 1 << " is never cited";
    for (std::size_t i = 0; i < given.size(); ++i) {
      std::vector<brute::Fd> others = given;
      others.erase(others.begin() + static_cast<std::ptrdiff_t>(i));
      EXPECT_NE(brute::Closure(x, others) & y, y) << what << " could do without a record";
    }
  }
  // The schemas are varied enough to need every rule but decomposition,
  // which pays off only after a union of four derived attributes or more
  // (the derivation table has one).
  for (std::size_t rule = 0; rule < DerivationRuleCount; ++rule) {
    if (static_cast<DerivationRule>(rule) != DerivationRule::Decomposition) {
      EXPECT_GT(rulesSeen[rule], 0) << rule;
    }
  }
}

}  // namespace
