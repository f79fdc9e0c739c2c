// The synthesis cover and steps on random schemas against brute force.

#include <gtest/gtest.h>

#include <random>

#include "BruteForce.h"
#include "Keys.h"
#include "PropertyScale.h"
#include "Redundance.h"
#include "SchemaText.h"
#include "ScriptedDialogs.h"
#include "Synthesis.h"

namespace {

TEST(SynthesisProperty, CoverIsMinimalAndTheSplitKeepsDependenciesAndAKey) {
  std::mt19937 rng(6006);
  int affected = 0;
  for (int round = 0; round < Rounds(3000); ++round) {
    const int n = 1 + static_cast<int>(rng() % 7);
    std::string letters;
    for (int i = 0; i < n; ++i)
      letters += static_cast<char>('A' + i);
    const AttributeTable names = Names(letters);
    DependencyList deps;
    const int count = static_cast<int>(rng() % 11);
    for (int k = 0; k < count; ++k) {
      std::vector<AttributeIndex> lhs;
      AttributeSet seen;
      for (int w = 1 + static_cast<int>(rng() % 3); w > 0; --w) {
        const AttributeIndex a = rng() % n;
        if (!seen.Has(a)) lhs.push_back(a);
        seen.Add(a);
      }
      deps.push_back(NewDependency(lhs, rng() % n));
    }

    DependencyList cover = CopyInsertingBehindHead(deps);
    const KeyList keys = ComputeKeys(deps, names);
    DependencyList twoPasses = cover;
    RemoveRedundantDependencies(twoPasses);
    RemoveRedundantAttributes(twoPasses);
    ReduceToMinimalCover(cover);
    if (DepsText(cover) != DepsText(twoPasses)) ++affected;

    const std::string context = letters + ": " + DepsText(deps);
    const std::vector<brute::Fd> original = brute::FromList(deps);
    const std::vector<brute::Fd> reduced = brute::FromList(cover);
    ASSERT_TRUE(brute::Equivalent(original, reduced)) << context;
    ASSERT_EQ(HasRedundantDependency(cover), 0) << context;
    ASSERT_EQ(HasRedundantAttribute(cover), 0) << context;

    SynthesisState state;
    LoadSynthesis(state, names, cover, keys);
    ScriptedSynthesisDialog dialog;
    SplitByLeftSides(state, dialog);
    ASSERT_TRUE(dialog.messages.empty()) << context;
    std::vector<AttributeSet> results;
    for (int s = 0; s < state.firstMergedSlot; ++s) {
      if (state.schemas[s].state == SynthesisCurrent) results.push_back(state.schemas[s].member);
    }
    for (const brute::Fd& f : reduced) {
      const std::uint32_t attributes = f.lhs | (1u << f.rhs);
      bool inside = false;
      for (AttributeSet r : results)
        inside = inside || (attributes & ~r.mask) == 0;
      ASSERT_TRUE(inside) << context;
    }
    bool holdsKey = false;
    for (std::uint32_t key : brute::MinimalKeys(n, original)) {
      for (AttributeSet r : results)
        holdsKey = holdsKey || (key & ~r.mask) == 0;
    }
    ASSERT_TRUE(holdsKey) << context;

    // Every dependency of a union or projection holds in the whole schema.
    MergeEquivalentKeys(state, dialog);
    AbsorbProjections(state, dialog);
    for (int s = state.firstMergedSlot; s < SlotCount(state); ++s) {
      for (const brute::Fd& f : brute::FromList(state.schemas[s].dependencies))
        ASSERT_TRUE(brute::Implies(original, f.lhs, f.rhs)) << context;
    }
  }
  // The stated two passes leave a redundant dependency now and then.
  EXPECT_GT(affected, 0);
}

}  // namespace
