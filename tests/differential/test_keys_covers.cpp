// Keys, closures and covers against brute force over all subsets, on many
// seeded random schemas of up to ten attributes.

#include <gtest/gtest.h>

#include <algorithm>

#include "BruteForce.h"
#include "Closure.h"
#include "Keys.h"
#include "Redundance.h"
#include "SchemaText.h"

namespace {

constexpr int kSchemas = 20000;

struct Drawn {
  int n;
  DependencyList list;
};

// Mixes sparse and dense schemas: few wide dependencies, many narrow ones.
Drawn Draw(std::mt19937& rng) {
  const int n = std::uniform_int_distribution<int>(1, 10)(rng);
  const int maxDeps = std::uniform_int_distribution<int>(1, 16)(rng);
  const int maxLhs = std::uniform_int_distribution<int>(1, 4)(rng);
  return {n, brute::RandomDependencies(rng, n, maxDeps, maxLhs)};
}

TEST(Differential, KeysAreTheMinimalKeys) {
  std::mt19937 rng(1);
  for (int s = 0; s < kSchemas; ++s) {
    const Drawn d = Draw(rng);
    const KeyList keys = ComputeKeys(d.list, brute::GeneratedNames(d.n));
    std::vector<std::uint32_t> found;
    for (const KeyRecord& k : keys)
      found.push_back(k.member.mask);
    std::sort(found.begin(), found.end());
    ASSERT_EQ(found, brute::MinimalKeys(d.n, brute::FromList(d.list)))
        << "seed 1, schema " << s << ": " << DepsText(d.list);
  }
}

TEST(Differential, ClosuresAreFixpoints) {
  std::mt19937 rng(2);
  for (int s = 0; s < kSchemas; ++s) {
    const Drawn d = Draw(rng);
    const std::vector<brute::Fd> fds = brute::FromList(d.list);
    const FastClosure fast(d.list);
    for (int probe = 0; probe < 4; ++probe) {
      const std::uint32_t start =
          std::uniform_int_distribution<std::uint32_t>(0, (1u << d.n) - 1)(rng);
      AttributeSet set{start};
      ComputeClosure(set, NoAttribute, d.list, nullptr);
      ASSERT_EQ(set.mask, brute::Closure(start, fds)) << DepsText(d.list);
      ASSERT_EQ(fast.Close(AttributeSet{start}).mask, set.mask) << DepsText(d.list);
    }
  }
}

TEST(Differential, CoversKeepTheMeaningWithNothingRedundant) {
  std::mt19937 rng(3);
  for (int s = 0; s < kSchemas; ++s) {
    const Drawn d = Draw(rng);
    const std::vector<brute::Fd> original = brute::FromList(d.list);
    DependencyList list = d.list;
    RemoveRedundantDependencies(list);
    std::vector<brute::Fd> reduced = brute::FromList(list);
    ASSERT_TRUE(brute::Equivalent(original, reduced)) << DepsText(d.list);
    for (std::size_t i = 0; i < reduced.size(); ++i) {
      std::vector<brute::Fd> others = reduced;
      others.erase(others.begin() + static_cast<std::ptrdiff_t>(i));
      ASSERT_FALSE(brute::Implies(others, reduced[i].lhs, reduced[i].rhs)) << DepsText(d.list);
    }
    RemoveRedundantAttributes(list);
    reduced = brute::FromList(list);
    ASSERT_TRUE(brute::Equivalent(original, reduced)) << DepsText(d.list);
    for (const brute::Fd& f : reduced) {
      if (__builtin_popcount(f.lhs) < 2) continue;
      for (int a = 0; a < d.n; ++a) {
        if ((f.lhs >> a) & 1u) {
          ASSERT_FALSE(brute::Implies(reduced, f.lhs & ~(1u << a), f.rhs)) << DepsText(d.list);
        }
      }
    }
  }
}

}  // namespace
