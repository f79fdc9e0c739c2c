// The judgement of a proposed decomposition against brute force.

#include <gtest/gtest.h>

#include <algorithm>
#include <random>

#include "BruteForce.h"
#include "DecompositionCheck.h"
#include "PropertyScale.h"
#include "SchemaText.h"

namespace {

std::uint32_t RandomSubset(std::mt19937& rng, std::uint32_t of, int maxSize) {
  std::vector<int> members;
  for (int a = 0; a < MaxAttributes; ++a) {
    if ((of >> a) & 1u) members.push_back(a);
  }
  std::shuffle(members.begin(), members.end(), rng);
  const int size = std::uniform_int_distribution<int>(
      1, std::min<int>(maxSize, static_cast<int>(members.size())))(rng);
  std::uint32_t s = 0;
  for (int k = 0; k < size; ++k)
    s |= 1u << members[k];
  return s;
}

// Random parts, often covering; or a split by the closure of a random set,
// which the join never loses; or random parts plus the whole schema.
std::vector<std::uint32_t> RandomParts(std::mt19937& rng, std::uint32_t all, int maxSize,
                                       const std::vector<brute::Fd>& fds) {
  std::vector<std::uint32_t> parts;
  switch (rng() % 3) {
    case 0: {
      const std::uint32_t x = RandomSubset(rng, all, 3);
      const std::uint32_t left = brute::Closure(x, fds) & all;
      parts = {left, (all & ~left) | x};
      break;
    }
    default:
      for (int k = std::uniform_int_distribution<int>(1, 4)(rng); k > 0; --k)
        parts.push_back(RandomSubset(rng, all, maxSize));
      if (parts.size() > 1 && rng() % 2 == 0) parts.push_back(all);
  }
  return parts;
}

int Level(std::uint32_t part, const std::vector<brute::Fd>& fds) {
  const std::vector<std::uint32_t> keys = brute::KeysOf(part, fds);
  const int nf = brute::NormalFormOf(part, fds, keys);
  if (nf == 2) return brute::IsSecondNormalForm(part, fds, keys) ? 2 : 1;
  return nf;
}

// Coverage, the chase table with its all-'a' row, the lost dependencies, and
// each part's cover, keys, level and the reason it reaches no higher level,
// on schemas with trivial records, empty left-hand sides and repeated
// attributes; a few with twenty attributes and ninety dependencies.
TEST(DecompositionCheckProperty, VerdictMatchesBruteForce) {
  std::mt19937 rng(20260601);
  int lossless = 0;
  int lossy = 0;
  int lost = 0;
  const int rounds = Rounds(1200);
  for (int round = 0; round < rounds; ++round) {
    const bool twenty = round < 3;
    const int n = twenty ? MaxAttributes : std::uniform_int_distribution<int>(1, 8)(rng);
    DependencyList list = brute::RandomEdgeDependencies(rng, n, twenty ? 90 : 10, twenty ? 4 : 3);
    while (twenty && list.size() < 90) {
      const int missing = 90 - static_cast<int>(list.size());
      list.splice(list.end(), brute::RandomEdgeDependencies(rng, n, missing, 4));
    }
    const std::vector<brute::Fd> fds = brute::FromList(list);
    const std::uint32_t all = (1u << n) - 1u;
    std::vector<std::uint32_t> masks = RandomParts(rng, all, twenty ? 8 : n, fds);
    if (twenty) {
      // Brute force over the subsets of each part stays small.
      for (std::uint32_t& m : masks)
        if (std::popcount(m) > 10) m = RandomSubset(rng, m, 10);
    }
    std::vector<AttributeSet> parts;
    parts.reserve(masks.size());
    for (std::uint32_t m : masks)
      parts.push_back(AttributeSet{m});
    const std::string trace = DepsText(list) + " parts " + std::to_string(masks.size());

    const DecompositionVerdict v = CheckDecomposition(brute::GeneratedNames(n), list, parts);

    std::uint32_t covered = 0;
    for (std::uint32_t m : masks)
      covered |= m;
    EXPECT_EQ(v.uncovered.mask, all & ~covered) << trace;

    const auto tableau = brute::ChaseTableau(n, masks, fds);
    std::optional<int> allA;
    ASSERT_EQ(v.chase.size(), tableau.size()) << trace;
    for (std::size_t r = 0; r < tableau.size(); ++r) {
      ASSERT_EQ(v.chase[r].size(), static_cast<std::size_t>(n)) << trace;
      for (int c = 0; c < n; ++c) {
        const int symbol = tableau[r][c];
        EXPECT_EQ(v.chase[r][c], (symbol < 0 ? ChaseCell{true, 0} : ChaseCell{false, symbol}))
            << trace << " row " << r << " column " << c;
      }
      if (!allA && std::all_of(tableau[r].begin(), tableau[r].end(), [](int s) { return s < 0; }))
        allA = static_cast<int>(r);
    }
    EXPECT_EQ(v.losslessRow, allA) << trace;
    (allA ? lossless : lossy) += 1;
    // Two covering parts join without loss exactly when their common
    // attributes determine one of them.
    if (masks.size() == 2 && covered == all) {
      const std::uint32_t common = brute::Closure(masks[0] & masks[1], fds);
      const bool determines = (common & masks[0]) == masks[0] || (common & masks[1]) == masks[1];
      EXPECT_EQ(v.losslessRow.has_value(), determines) << trace;
    }

    std::vector<brute::Fd> kept;
    for (std::uint32_t m : masks) {
      const std::vector<brute::Fd> p = brute::Projection(m, fds);
      kept.insert(kept.end(), p.begin(), p.end());
    }
    std::vector<std::pair<std::uint32_t, int>> expectedLost, actualLost;
    for (const brute::Fd& f : fds) {
      if (!brute::Implies(kept, f.lhs, f.rhs)) expectedLost.emplace_back(f.lhs, f.rhs);
    }
    for (const brute::Fd& f : brute::FromList(v.lost))
      actualLost.emplace_back(f.lhs, f.rhs);
    EXPECT_EQ(actualLost, expectedLost) << trace;
    lost += expectedLost.empty() ? 0 : 1;

    ASSERT_EQ(v.parts.size(), masks.size()) << trace;
    for (std::size_t i = 0; i < masks.size(); ++i) {
      const PartVerdict& part = v.parts[i];
      const std::uint32_t m = masks[i];
      const std::string at = trace + " part " + std::to_string(i);
      EXPECT_TRUE(brute::Equivalent(brute::FromList(part.dependencies), brute::Projection(m, fds)))
          << at;
      std::vector<std::uint32_t> keys;
      for (const KeyRecord& k : part.keys)
        keys.push_back(k.member.mask);
      std::sort(keys.begin(), keys.end());
      const std::vector<std::uint32_t> exact = brute::KeysOf(m, fds);
      EXPECT_EQ(keys, exact) << at;
      const int level = Level(m, fds);
      EXPECT_EQ(static_cast<int>(part.level) + 1, level) << at;
      ASSERT_EQ(part.reason.has_value(), level != 4) << at;
      if (!part.reason) continue;
      // The reason holds in the part and breaks the next level.
      const brute::Fd r = brute::FromList(DependencyList{*part.reason})[0];
      std::uint32_t prime = 0;
      for (std::uint32_t k : exact)
        prime |= k;
      EXPECT_TRUE(brute::Implies(fds, r.lhs, r.rhs)) << at;
      EXPECT_EQ(r.lhs & ~m, 0u) << at;
      EXPECT_TRUE(((m & ~r.lhs) >> r.rhs) & 1u) << at;
      EXPECT_NE(brute::Closure(r.lhs, fds) & m, m) << at;
      EXPECT_EQ(((prime >> r.rhs) & 1u) != 0, level == 3) << at;
      if (level == 1) {
        EXPECT_TRUE(std::any_of(exact.begin(), exact.end(), [&](std::uint32_t k) {
          return (r.lhs & k) == r.lhs;
        })) << at;
      }
    }
  }
  EXPECT_GT(lossless, rounds / 8);
  EXPECT_GT(lossy, rounds / 8);
  EXPECT_GT(lost, rounds / 10);
}

}  // namespace
