// The maximal-set computations on random schemas against brute force and
// against the step-by-step version.

#include <gtest/gtest.h>

#include <algorithm>
#include <random>

#include "BruteForce.h"
#include "LiteralMaxSets.h"
#include "MaxSets.h"
#include "PropertyScale.h"
#include "SchemaText.h"

namespace {

TEST(MaxSetsProperty, AgreeWithBruteForceOnRandomSchemas) {
  std::mt19937 rng(4004);
  int chainsMended = 0;
  for (int round = 0; round < Rounds(3000); ++round) {
    const int n = 1 + static_cast<int>(rng() % (kWideSchemas ? 8 : 7));
    const DependencyList deps = brute::RandomDependencies(rng, n, 8, 3);
    const std::vector<brute::Fd> fds = brute::FromList(deps);
    const std::vector<std::uint32_t> keys = brute::MinimalKeys(n, fds);
    SCOPED_TRACE(DepsText(deps) + " n=" + std::to_string(n));

    const MaxSetFamily max = ComputeMaxSets(deps, n);
    EXPECT_EQ(IsInBcnf(max, deps, n), brute::IsBcnf(n, fds));
    const auto literalMax = literal::MaxSets(deps, n);
    // With no room for the full list, the condensed build's order.
    const MaxSetFamily condensed = ComputeMaxSets(deps, n, 0);
    const auto literalCondensed = literal::CondensedMaxSets(deps, n);
    for (AttributeIndex a = 0; a < static_cast<AttributeIndex>(n); ++a) {
      const std::vector<std::uint32_t> expected = brute::MaximalSets(n, fds, static_cast<int>(a));
      EXPECT_EQ(Distinct(max[a]), expected) << "MAX of " << a;
      EXPECT_EQ(max[a], EachOnce(AsSetList(literalMax[a]))) << "MAX order of " << a;
      EXPECT_EQ(condensed[a], literalCondensed[a]) << "condensed MAX order of " << a;

      const AttributeMaxSets one = ComputeMaxSetsOfAttribute(deps, a, n);
      EXPECT_EQ(Distinct(one.maxOfA), expected) << "max of " << a;
      EXPECT_EQ(Distinct(one.maxOfA).size(), one.maxOfA.size());
      const bool prime =
          std::any_of(keys.begin(), keys.end(), [a](std::uint32_t k) { return (k >> a) & 1u; });
      EXPECT_EQ(IsPrimeAttribute(one.maxOfA, a, deps, n), prime) << "prime " << a;

      // Where looking at each dependency once already finds every generator,
      // the listings are exactly those of the passes alone.
      if (HasTrivialDependency(deps)) continue;
      const literal::List family = literal::LhsFamily(deps, a);
      const literal::List transversals = literal::Transversals(family);
      std::vector<SetNode> literalMaxOfA = Complements(AsSetList(transversals), n);
      if (Distinct(literalMaxOfA) != expected) {
        ++chainsMended;
        continue;
      }
      EXPECT_EQ(one.lhsFamily, AsSetList(family)) << "lhs family of " << a;
      EXPECT_EQ(one.transversals, AsSetList(transversals)) << "transversals of " << a;
      EXPECT_EQ(one.maxOfA, literalMaxOfA);
    }
  }
  // The mended cases do occur among these schemas.
  EXPECT_GT(chainsMended, 0);
}

// The sets of a family, ascending by mask, as often as the family lists them.
std::vector<std::uint32_t> Listed(const std::vector<SetNode>& sets) {
  std::vector<std::uint32_t> out;
  out.reserve(sets.size());
  for (const SetNode& s : sets)
    out.push_back(s.member.mask);
  std::sort(out.begin(), out.end());
  return out;
}

// The listings hold exactly the maximal sets, each once, also on the inputs
// at the edges (empty left-hand sides, trivial records, an attribute twice in
// a left-hand side) and on full schema files of twenty attributes and ninety
// records, within the MAX family's limit and past it.
TEST(MaxSetsProperty, ListingsHoldTheMaximalSetsEachOnce) {
  std::mt19937 rng(5005);
  for (int round = 0; round < Rounds(400); ++round) {
    // A full file as the dependency editor writes it, and one with the
    // inputs at the edges too.
    const bool fullFile = round % 800 < 2;
    int n = MaxAttributes;
    DependencyList deps;
    if (fullFile) {
      while (deps.size() < 90) {
        deps.splice(deps.end(), round % 2 == 0 ? brute::RandomDependencies(rng, n, 90, 4)
                                               : brute::RandomEdgeDependencies(rng, n, 90, 4));
      }
      deps.resize(90);
    } else {
      n = 1 + static_cast<int>(rng() % 8);
      deps = brute::RandomEdgeDependencies(rng, n, 10, 3);
    }
    const std::vector<brute::Fd> fds = brute::FromList(deps);
    SCOPED_TRACE(DepsText(deps) + " n=" + std::to_string(n));
    const std::size_t limit = round % 2 == 0 ? MaxFamilyLimit : static_cast<std::size_t>(n);
    const MaxSetFamily max = ComputeMaxSets(deps, n, limit);
    // Brute force at twenty attributes takes a while; one of them does.
    for (int k = 0; k < (fullFile ? 1 : n); ++k) {
      const auto a = static_cast<AttributeIndex>(fullFile ? rng() % MaxAttributes : k);
      const std::vector<std::uint32_t> expected = brute::MaximalSets(n, fds, static_cast<int>(a));
      EXPECT_EQ(Listed(max[a]), expected) << "MAX of " << a;
      EXPECT_EQ(Listed(ComputeMaxSetsOfAttribute(deps, a, n).maxOfA), expected) << "max of " << a;
    }
  }
}

}  // namespace
