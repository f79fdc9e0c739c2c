// Keys, closures and covers against brute force over all subsets, on seeded
// random schemas, sparse and dense, of up to eight attributes (ten in the
// differential tests); the covers also on some of twenty attributes.

#include <gtest/gtest.h>

#include <algorithm>

#include "BruteForce.h"
#include "Closure.h"
#include "Keys.h"
#include "PropertyScale.h"
#include "Redundance.h"
#include "SchemaText.h"

namespace {

const int kSchemas = Rounds(3000);

struct RandomSchema {
  int n;
  DependencyList list;
};

// Mixes sparse and dense schemas: few wide dependencies, many narrow ones.
// Now and then a record loses its left-hand side or gets an attribute twice
// in it, as schema files may hold them. With `widest`, one schema in forty
// has all twenty attributes and up to ninety records with left-hand sides of
// up to seven entries, the most the program accepts.
RandomSchema Draw(std::mt19937& rng, bool widest = false) {
  const bool largest = widest && rng() % 40 == 0;
  const int n =
      largest ? MaxAttributes : std::uniform_int_distribution<int>(1, kWideSchemas ? 10 : 8)(rng);
  const int maxDeps = std::uniform_int_distribution<int>(1, largest ? 90 : 16)(rng);
  const int maxLhs = std::uniform_int_distribution<int>(1, largest ? 6 : 4)(rng);
  RandomSchema schema{n, brute::RandomDependencies(rng, n, maxDeps, maxLhs)};
  for (Dependency& d : schema.list) {
    const std::uint32_t edge = rng() % 16;
    if (edge == 0) d.lhs.fill(NoAttribute);
    if (edge == 1) d.lhs[d.LhsCount()] = d.lhs[rng() % d.LhsCount()];
  }
  return schema;
}

TEST(Properties, KeysAreExactlyTheMinimalKeysEachOnce) {
  std::mt19937 rng(20261208);
  for (int s = 0; s < kSchemas; ++s) {
    const RandomSchema schema = Draw(rng);
    const KeyList keys = ComputeKeys(schema.list, brute::GeneratedNames(schema.n));
    std::vector<std::uint32_t> found;
    for (const KeyRecord& k : keys)
      found.push_back(k.member.mask);
    std::sort(found.begin(), found.end());
    EXPECT_EQ(found, brute::MinimalKeys(schema.n, brute::FromList(schema.list)))
        << "schema " << s << ": " << DepsText(schema.list);
  }
}

TEST(Properties, ClosureEqualsNaiveFixpoint) {
  std::mt19937 rng(7);
  for (int s = 0; s < kSchemas; ++s) {
    const RandomSchema schema = Draw(rng);
    const std::vector<brute::Fd> fds = brute::FromList(schema.list);
    const std::uint32_t start =
        std::uniform_int_distribution<std::uint32_t>(0, (1u << schema.n) - 1)(rng);
    AttributeSet set{start};
    ComputeClosure(set, NoAttribute, schema.list, nullptr);
    EXPECT_EQ(set.mask, brute::Closure(start, fds)) << DepsText(schema.list);
    EXPECT_EQ(FastClosure(schema.list).Close(AttributeSet{start}), set) << DepsText(schema.list);
    // With a target, only the target's membership is exact.
    const AttributeIndex target =
        std::uniform_int_distribution<AttributeIndex>(0, schema.n - 1)(rng);
    AttributeSet targeted{start};
    ComputeClosure(targeted, target, schema.list, nullptr);
    EXPECT_EQ(targeted.Has(target), ((brute::Closure(start, fds) >> target) & 1u) != 0);
  }
}

TEST(Properties, ReductionsKeepTheMeaningAndLeaveNothingRedundant) {
  std::mt19937 rng(42);
  for (int s = 0; s < kSchemas; ++s) {
    const RandomSchema schema = Draw(rng, true);
    const std::vector<brute::Fd> original = brute::FromList(schema.list);

    DependencyList list = schema.list;
    RemoveRedundantDependencies(list);
    EXPECT_TRUE(brute::Equivalent(original, brute::FromList(list))) << DepsText(schema.list);
    EXPECT_FALSE(HasRedundantDependency(list)) << DepsText(schema.list);

    RemoveRedundantAttributes(list);
    const std::vector<brute::Fd> reduced = brute::FromList(list);
    EXPECT_TRUE(brute::Equivalent(original, reduced)) << DepsText(schema.list);
    // No left-hand attribute can go, nor a copy of one: by the definition,
    // without the program's own test.
    for (const Dependency& d : list) {
      EXPECT_EQ(d.LhsSet().Count(), d.LhsCount()) << DepsText(schema.list);
      const brute::Fd f = brute::FromList(DependencyList{d}).front();
      for (int a = 0; a < schema.n; ++a) {
        if (((f.lhs >> a) & 1u) == 0) continue;
        EXPECT_FALSE(brute::Implies(reduced, f.lhs & ~(1u << a), f.rhs))
            << DepsText(schema.list) << " reduced to " << DepsText(list);
      }
    }
  }
}

TEST(Properties, RedundancyTestsMatchTheDefinition) {
  std::mt19937 rng(99);
  for (int s = 0; s < kSchemas; ++s) {
    const RandomSchema schema = Draw(rng, true);
    const std::vector<brute::Fd> fds = brute::FromList(schema.list);
    std::vector<const Dependency*> reported;
    HasRedundantDependency(schema.list, [&](const Dependency& d) { reported.push_back(&d); });
    std::vector<std::pair<AttributeIndex, const Dependency*>> attributesReported;
    HasRedundantAttribute(schema.list, [&](AttributeIndex a, const Dependency& d) {
      attributesReported.emplace_back(a, &d);
    });
    std::vector<const Dependency*> expected;
    std::vector<std::pair<AttributeIndex, const Dependency*>> attributesExpected;
    for (const Dependency& d : schema.list) {
      std::vector<brute::Fd> others;
      for (const Dependency& o : schema.list) {
        if (&o != &d) others.push_back(brute::FromList(DependencyList{o}).front());
      }
      if (brute::Implies(others, d.LhsSet().mask, static_cast<int>(d.Rhs()))) {
        expected.push_back(&d);
      }
      // One copy of a left-hand attribute can go when the rest of the side,
      // empty or not, still implies the right-hand attribute.
      AttributeSet verdicts;
      for (AttributeIndex a = 0; a < MaxAttributes; ++a) {
        const auto copies = std::count(d.lhs.begin(), d.lhs.end(), a);
        if (copies == 0) continue;
        AttributeSet rest = d.LhsSet();
        if (copies == 1) rest.Remove(a);
        if (!brute::Implies(fds, rest.mask, static_cast<int>(d.Rhs()))) continue;
        attributesExpected.emplace_back(a, &d);
        verdicts.Add(a);
      }
      // The exercise judges each record as the window does.
      EXPECT_EQ(RedundantLhsAttributes(d, schema.list), verdicts) << DepsText(schema.list);
    }
    EXPECT_EQ(reported, expected) << DepsText(schema.list);
    EXPECT_EQ(attributesReported, attributesExpected) << DepsText(schema.list);
  }
}

}  // namespace
