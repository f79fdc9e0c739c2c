// The minimal cover and the redundant attributes exercise against the
// definitions, on random schemas with empty left-hand sides, trivial records
// and repeated attributes; every tenth has twenty attributes and ninety
// records, the most a schema file holds.

#include <gtest/gtest.h>

#include <random>

#include "BruteForce.h"
#include "Explanations.h"
#include "MinimalCover.h"
#include "PropertyScale.h"
#include "Redundance.h"
#include "SchemaText.h"

namespace {

DependencyList Draw(std::mt19937& rng, int round) {
  if (round % 10 == 0) {
    DependencyList most;
    while (most.size() < 90)
      most.splice(most.end(), brute::RandomEdgeDependencies(rng, MaxAttributes, 90, 4));
    most.resize(90);
    return most;
  }
  const int n = 1 + static_cast<int>(rng() % 8);
  return brute::RandomEdgeDependencies(rng, n, 12, 3);
}

// The record's left-hand side without one copy of `a`, read off its slots.
std::uint32_t SideWithoutOneCopy(const Dependency& d, AttributeIndex a) {
  std::uint32_t rest = 0;
  bool skipped = false;
  for (int i = 0; i < MaxAttributes && d.lhs[i] != NoAttribute; ++i) {
    if (!skipped && d.lhs[i] == a) {
      skipped = true;
      continue;
    }
    rest |= 1u << d.lhs[i];
  }
  return rest;
}

TEST(MinimalCoverProperty, EquivalentWithNothingRedundant) {
  std::mt19937 rng(8080);
  for (int round = 0; round < Rounds(300); ++round) {
    const DependencyList deps = Draw(rng, round);
    const DependencyList cover = PrepareSynthesisInput(deps, {}).cover;
    const std::string context = DepsText(deps) + " gives " + DepsText(cover);
    const std::vector<brute::Fd> reduced = brute::FromList(cover);
    ASSERT_TRUE(brute::Equivalent(brute::FromList(deps), reduced)) << context;
    for (std::size_t i = 0; i < reduced.size(); ++i) {
      const brute::Fd f = reduced[i];
      std::vector<brute::Fd> others = reduced;
      others.erase(others.begin() + static_cast<std::ptrdiff_t>(i));
      ASSERT_FALSE(brute::Implies(others, f.lhs, f.rhs)) << context;
      for (std::uint32_t bits = f.lhs; bits != 0; bits &= bits - 1)
        ASSERT_FALSE(brute::Implies(reduced, f.lhs & ~(bits & (~bits + 1)), f.rhs)) << context;
    }
    for (const Dependency& d : cover)
      ASSERT_EQ(d.LhsSet().Count(), d.LhsCount()) << context;
  }
}

// What the exercise marks as redundant and what its explanation traces agree
// with each other and with the definition, for every attribute it offers.
TEST(MinimalCoverProperty, ExerciseVerdictAndExplanationAgree) {
  std::mt19937 rng(9090);
  int loneRedundant = 0;
  for (int round = 0; round < Rounds(300); ++round) {
    const DependencyList deps = Draw(rng, round);
    const std::vector<brute::Fd> fds = brute::FromList(deps);
    for (const Dependency& d : deps) {
      const AttributeSet judged = RedundantLhsAttributes(d, deps);
      for (int i = 0; i < d.LhsCount(); ++i) {
        const AttributeIndex a = d.lhs[i];
        const std::string context = DepsText(deps) + ", " + Letters(AttributeSet::Of({a})) +
                                    " in " + DepsText(DependencyList{d});
        const std::uint32_t rest = SideWithoutOneCopy(d, a);
        const bool redundant = brute::Implies(fds, rest, static_cast<int>(d.Rhs()));
        const AttributeSet start = LhsWithoutOneCopy(d, a);
        ASSERT_EQ(start.mask, rest) << context;
        ASSERT_EQ(judged.Has(a), redundant) << context;
        ASSERT_EQ(Reached(start, TraceClosure(start, deps, d.Rhs())).Has(d.Rhs()), redundant)
            << context;
        loneRedundant += redundant && d.LhsCount() == 1 ? 1 : 0;
      }
    }
  }
  EXPECT_GT(loneRedundant, 0);
}

}  // namespace
