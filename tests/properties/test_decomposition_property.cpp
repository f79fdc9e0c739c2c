// Decomposition steps on random schemas against brute force.

#include <gtest/gtest.h>

#include <random>

#include "BruteForce.h"
#include "Decomposition.h"
#include "Keys.h"
#include "Nf.h"
#include "PropertyScale.h"
#include "SchemaText.h"
#include "ScriptedDialogs.h"

namespace {

// After any sequence of steps every split is lossless and keeps the parent's
// attributes, and every completed dependency holds in the root.
TEST(DecompositionProperty, SplitsAreLosslessAndCompletionsHold) {
  std::mt19937 rng(20260505);
  int splits = 0;
  for (int round = 0; round < Rounds(1500); ++round) {
    const int n = std::uniform_int_distribution<int>(2, 7)(rng);
    DependencyList list;
    for (const Dependency& d : brute::RandomDependencies(rng, n, 9, 3)) {
      if (!d.LhsHas(d.Rhs())) list.push_back(d);
    }
    const AttributeTable names = brute::GeneratedNames(n);
    DecompositionState state;
    LoadDecomposition(state, names, list, ComputeKeys(list, names));
    const std::vector<brute::Fd> root = brute::FromList(list);
    ScriptedDecompositionDialog dialog;
    for (int step = 0; step < 6; ++step) {
      dialog.answers = {true};
      std::vector<int> candidates;
      for (int slot = 0; slot < SplitNodes; ++slot) {
        if (state.schemas[slot].state != SlotEmpty) candidates.push_back(slot);
      }
      const int s = candidates[rng() % candidates.size()];
      const SubSchema& parent = state.schemas[s];
      if (parent.state == SlotEmpty || parent.dependencies.empty()) continue;
      const int d = std::uniform_int_distribution<int>(
          0, static_cast<int>(parent.dependencies.size()) - 1)(rng);
      const Dependency& chosen = *std::next(parent.dependencies.begin(), d);
      if (DependencyNormalForm(chosen, parent.keys, MarkNonPrimeAttributes(parent.keys)) == NfBCNF)
        continue;
      const AttributeSet x = chosen.LhsSet();
      if (!DecomposeSchema(state, d, s, dialog)) continue;
      ++splits;
      const SubSchema& left = state.schemas[2 * s + 1];
      const SubSchema& right = state.schemas[2 * s + 2];
      const std::string trace = DepsText(list) + " split " + std::to_string(s);
      EXPECT_EQ((left.member | right.member), state.schemas[s].member) << trace;
      EXPECT_EQ((left.member & right.member), x) << trace;
      // X determines the left child under the root, so the join is lossless.
      EXPECT_EQ(brute::Closure(x.mask, root) & left.member.mask, left.member.mask) << trace;
      for (const brute::Fd& f : brute::FromList(right.dependencies))
        EXPECT_TRUE(brute::Implies(root, f.lhs, f.rhs)) << trace;
    }
    AddUncoveredSchemas(state, dialog);
    for (int slot = FirstAddedSlot; slot < FirstProjectionSlot; ++slot) {
      for (const brute::Fd& f : brute::FromList(state.schemas[slot].dependencies))
        EXPECT_TRUE(brute::Implies(root, f.lhs, f.rhs)) << DepsText(list);
    }
  }
  EXPECT_GT(splits, Rounds(2000));
}

}  // namespace
