// The synthesis cover and steps on random schemas against brute force.

#include <gtest/gtest.h>

#include <algorithm>
#include <array>
#include <functional>
#include <random>

#include "BruteForce.h"
#include "Keys.h"
#include "Nf.h"
#include "PropertyScale.h"
#include "Redundance.h"
#include "SchemaText.h"
#include "ScriptedDialogs.h"
#include "Synthesis.h"

namespace {

// The schemas: up to fifteen attributes, with trivial records, empty
// left-hand sides and repeated attributes. Among the first 600, every
// fiftieth has twenty attributes, every fiftieth is a long chain, and every
// hundredth has the most records a schema file holds; brute force over
// twenty attributes dominates the run time, so the wider runs add narrow
// schemas only.
struct Drawn {
  int n;
  DependencyList deps;
};

constexpr int kRoundsWithWideSchemas = 600;

Drawn Draw(std::mt19937& rng, int round) {
  const bool wide = round < kRoundsWithWideSchemas;
  if (wide && round % 100 == 1) {
    DependencyList most;
    while (most.size() < 90)
      most.splice(most.end(), brute::RandomEdgeDependencies(rng, 20, 90, 3));
    most.resize(90);
    return {MaxAttributes, most};
  }
  if (wide && round % 50 == 0)
    return {MaxAttributes, brute::RandomEdgeDependencies(rng, 20, 24, 4)};
  if (wide && round % 50 == 2) {
    // A chain with a few more records: more split schemas than one screen.
    const int n = 14 + static_cast<int>(rng() % 7);
    DependencyList chain = brute::RandomEdgeDependencies(rng, n, 3, 2);
    for (int a = 0; a + 1 < n; ++a)
      chain.push_back(NewDependency({AttributeIndex(a)}, AttributeIndex(a + 1)));
    return {n, chain};
  }
  const int n = 1 + static_cast<int>(rng() % 15);
  return {n, brute::RandomEdgeDependencies(rng, n, 2 + static_cast<int>(rng() % 14), 3)};
}

TEST(SynthesisProperty, CoverIsMinimalAndEveryResultIsSound) {
  std::mt19937 rng(6006);
  using Step = void (ScriptedSynthesisDialog::*)(SynthesisState&);
  const std::array<Step, 3> steps = {&ScriptedSynthesisDialog::Split,
                                     &ScriptedSynthesisDialog::Merge,
                                     &ScriptedSynthesisDialog::Absorb};
  std::array<int, 3> order = {0, 1, 2};
  int affected = 0;
  int splitPast12 = 0;
  for (int round = 0; round < Rounds(600); ++round) {
    const auto [n, deps] = Draw(rng, round);
    const AttributeTable names = brute::GeneratedNames(n);

    DependencyList cover = CopyInsertingBehindHead(deps);
    const KeyList keys = ComputeKeys(deps, names);
    DependencyList twoPasses = cover;
    RemoveRedundantDependencies(twoPasses);
    RemoveRedundantAttributes(twoPasses);
    ReduceToMinimalCover(cover);
    if (DepsText(cover) != DepsText(twoPasses)) ++affected;

    const std::string context = std::to_string(n) + ": " + DepsText(deps);
    const std::vector<brute::Fd> original = brute::FromList(deps);
    const std::vector<brute::Fd> reduced = brute::FromList(cover);
    ASSERT_TRUE(brute::Equivalent(original, reduced)) << context;
    ASSERT_FALSE(HasRedundantDependency(cover)) << context;
    ASSERT_FALSE(HasRedundantAttribute(cover)) << context;

    // Every order of the three steps, the question answered either way.
    std::next_permutation(order.begin(), order.end());
    SynthesisState state;
    LoadSynthesis(state, names, cover, keys);
    ScriptedSynthesisDialog dialog;
    dialog.answers = {rng() % 2 == 0};
    for (int step : order)
      (dialog.*steps[step])(state);
    splitPast12 += LeftSideCount(state) > 12 ? 1 : 0;

    // The result schemas lose no attribute, keep every dependency, one of
    // them holds a key (determines every attribute), and each is in 3NF with
    // its exact keys and label.
    std::vector<std::uint32_t> results;
    std::uint32_t covered = 0;
    bool holdsKey = false;
    const std::uint32_t all = AllAttributesMask >> (MaxAttributes - n);
    for (int s = 0; s < SlotCount(state); ++s) {
      const SubSchema& r = state.schemas[s];
      if (r.state != SlotState::Current) continue;
      const std::uint32_t m = r.member.mask;
      results.push_back(m);
      covered |= m;
      holdsKey = holdsKey || brute::Closure(m, original) == all;
      if (s == 0) continue;
      std::vector<std::uint32_t> found;
      for (const KeyRecord& k : r.keys)
        found.push_back(k.member.mask);
      std::sort(found.begin(), found.end());
      const std::vector<std::uint32_t> exact = brute::KeysOf(m, original);
      ASSERT_EQ(found, exact) << context << " slot " << s;
      const int nf = brute::NormalFormOf(m, original, exact);
      ASSERT_GE(nf, static_cast<int>(NormalFormClass::ThirdOnly)) << context << " slot " << s;
      ASSERT_EQ(static_cast<int>(r.normalForm), nf) << context << " slot " << s;
      for (const brute::Fd& f : brute::FromList(r.dependencies))
        ASSERT_TRUE(brute::Implies(original, f.lhs, f.rhs)) << context;
    }
    ASSERT_EQ(covered, all) << context;
    ASSERT_TRUE(holdsKey) << context;
    ASSERT_TRUE(brute::Preserves(results, original)) << context;
  }
  // The two passes leave a redundant dependency now and then.
  EXPECT_GT(affected, 0);
  EXPECT_GT(splitPast12, 0);
}

}  // namespace
