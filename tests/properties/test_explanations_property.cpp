#include <gtest/gtest.h>

#include <random>

#include "BruteForce.h"
#include "Explanations.h"
#include "PropertyScale.h"
#include "SchemaText.h"

namespace {

// Every explanation an exercise shows is true: each step of a traced closure
// fires a record whose left side was already reached, the trace ends at the
// closure, a candidate called a superkey that is not minimal holds a smaller
// key, and one called no superkey misses what its closure misses.
TEST(ExplanationsProperty, AgreeWithTheDefinitions) {
  std::mt19937 rng(7001);
  for (int round = 0; round < Rounds(2000); ++round) {
    const int n = 1 + static_cast<int>(rng() % (round < 10 ? 20 : 8));
    const DependencyList deps = brute::RandomEdgeDependencies(rng, n, round < 10 ? 90 : 8, 4);
    const std::vector<brute::Fd> fds = brute::FromList(deps);
    const std::uint32_t all = (1u << n) - 1u;
    const AttributeSet start{static_cast<std::uint32_t>(rng()) & all};
    const std::string context = DepsText(deps) + " from " + Letters(start);

    AttributeSet reached = start;
    for (const ClosureStep& step : TraceClosure(start, deps)) {
      ASSERT_TRUE(step.record->LhsSet().IsSubsetOf(reached)) << context;
      ASSERT_EQ(step.record->Rhs(), step.attribute) << context;
      ASSERT_FALSE(reached.Has(step.attribute)) << context;
      reached.Add(step.attribute);
    }
    ASSERT_EQ(reached.mask, brute::Closure(start.mask, fds)) << context;

    const AttributeIndex target = static_cast<AttributeIndex>(rng() % n);
    const std::vector<ClosureStep> toTarget = TraceClosure(start, deps, target);
    ASSERT_EQ(Reached(start, toTarget).Has(target), brute::Implies(fds, start.mask, target))
        << context;

    // A key: a superkey none of whose attributes can go.
    const auto superkey = [&](std::uint32_t s) { return (brute::Closure(s, fds) & all) == all; };
    const auto isKey = [&](std::uint32_t s) {
      if (!superkey(s)) return false;
      for (int a = 0; a < n; ++a)
        if ((s >> a & 1u) != 0 && superkey(s & ~(1u << a))) return false;
      return true;
    };
    const KeyExplanation key = ExplainKeyCandidate(start, AttributeSet{all}, deps);
    ASSERT_EQ(key.verdict == KeyVerdict::Key, isKey(start.mask)) << context;
    ASSERT_EQ(key.closure.mask, brute::Closure(start.mask, fds) & all) << context;
    if (key.verdict == KeyVerdict::NotSuperkey) {
      ASSERT_EQ(key.missing.mask, all & ~brute::Closure(start.mask, fds)) << context;
    }
    if (key.verdict == KeyVerdict::NotMinimal) {
      ASSERT_TRUE(key.smallerKey.IsSubsetOf(start) && key.smallerKey != start) << context;
      ASSERT_TRUE(isKey(key.smallerKey.mask)) << context;
    }
  }
}

}  // namespace
