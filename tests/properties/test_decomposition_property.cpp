// Decomposition steps on random schemas against brute force.

#include <gtest/gtest.h>

#include <algorithm>
#include <random>

#include "BruteForce.h"
#include "Decomposition.h"
#include "Keys.h"
#include "Nf.h"
#include "PropertyScale.h"
#include "SchemaText.h"
#include "ScriptedDialogs.h"

namespace {

// Every slot holds the keys and the normal form of the dependencies of the
// root that hold inside it, each key once; the reports tell first from
// second normal form.
void ExpectExactSlot(const SubSchema& slot, const std::vector<brute::Fd>& root,
                     const std::string& trace) {
  std::vector<std::uint32_t> keys;
  for (const KeyRecord& k : slot.keys)
    keys.push_back(k.member.mask);
  std::sort(keys.begin(), keys.end());
  const std::vector<std::uint32_t> exact = brute::KeysOf(slot.member.mask, root);
  EXPECT_EQ(keys, exact) << trace;
  const int nf = brute::NormalFormOf(slot.member.mask, root, exact);
  EXPECT_EQ(static_cast<int>(slot.normalForm), nf) << trace;
  if (nf == static_cast<int>(NormalFormClass::Violates3NF)) {
    EXPECT_EQ(slot.belowSecondNormalForm, !brute::IsSecondNormalForm(slot.member.mask, root, exact))
        << trace;
  }
}

// After any sequence of steps every split is lossless and keeps the parent's
// attributes, every completed dependency holds in the root, and every
// schema made carries its exact keys and normal form. The schemas hold
// trivial records, empty left-hand sides and repeated attributes; a few
// have all twenty attributes.
TEST(DecompositionProperty, SplitsAreLosslessAndEverySchemaIsExact) {
  std::mt19937 rng(20260505);
  int splits = 0;
  int wide = 0;
  const int rounds = Rounds(1500);
  for (int round = 0; round < rounds; ++round) {
    // Brute force over a twenty-attribute schema takes about a second.
    const bool twenty = round < 2;
    const int n =
        twenty ? MaxAttributes : std::uniform_int_distribution<int>(1, kWideSchemas ? 12 : 10)(rng);
    const DependencyList list =
        brute::RandomEdgeDependencies(rng, n, twenty ? 24 : 10, twenty ? 6 : 3);
    const AttributeTable names = brute::GeneratedNames(n);
    DecompositionState state;
    LoadDecomposition(state, names, list, ComputeKeys(list, names));
    const std::vector<brute::Fd> root = brute::FromList(list);
    ScriptedDecompositionDialog dialog;
    for (int step = 0; step < 6; ++step) {
      dialog.answers = {true};
      std::vector<int> candidates;
      for (int slot = 0; slot < SplitNodes; ++slot) {
        if (state.schemas[slot].state != SlotState::Empty) candidates.push_back(slot);
      }
      const int s = candidates[rng() % candidates.size()];
      const SubSchema& parent = state.schemas[s];
      if (parent.dependencies.empty()) continue;
      const int d = std::uniform_int_distribution<int>(
          0, static_cast<int>(parent.dependencies.size()) - 1)(rng);
      const Dependency& chosen = *std::next(parent.dependencies.begin(), d);
      if (DependencyNormalForm(chosen, parent.keys, MarkNonPrimeAttributes(parent.keys)) ==
          NormalFormClass::Bcnf)
        continue;
      const AttributeSet x = chosen.LhsSet();
      if (!dialog.Split(state, d, s)) continue;
      ++splits;
      wide += twenty ? 1 : 0;
      const SubSchema& left = state.schemas[2 * s + 1];
      const SubSchema& right = state.schemas[2 * s + 2];
      const std::string trace = DepsText(list) + " split " + std::to_string(s);
      EXPECT_EQ((left.member | right.member), state.schemas[s].member) << trace;
      EXPECT_EQ((left.member & right.member), x) << trace;
      // X determines the left child under the root, so the join is lossless.
      EXPECT_EQ(brute::Closure(x.mask, root) & left.member.mask, left.member.mask) << trace;
      for (const brute::Fd& f : brute::FromList(right.dependencies))
        EXPECT_TRUE(brute::Implies(root, f.lhs, f.rhs)) << trace;
      ExpectExactSlot(left, root, trace + " left");
      ExpectExactSlot(right, root, trace + " right");
    }
    dialog.AddUncovered(state);
    dialog.AddProjections(state);
    for (int slot = FirstAddedSlot; slot < SlotCount(state); ++slot) {
      const SubSchema& extra = state.schemas[slot];
      if (extra.state == SlotState::Empty) continue;
      for (const brute::Fd& f : brute::FromList(extra.dependencies))
        EXPECT_TRUE(brute::Implies(root, f.lhs, f.rhs)) << DepsText(list);
      ExpectExactSlot(extra, root, DepsText(list) + " slot " + std::to_string(slot));
    }
  }
  EXPECT_GT(splits, Rounds(2000));
  EXPECT_GT(wide, 0);
}

// A decomposition carried as far as the tree goes, each node split by a
// violating dependency chosen at random, then completed by the schemas for
// the uncovered dependencies and the projections, loses no dependency of
// the root, however many schemas that takes: the schemas shown as results
// preserve every dependency.
TEST(DecompositionProperty, AFinishedDecompositionLosesNoDependency) {
  std::mt19937 rng(20260612);
  int manyAdded = 0;
  const int rounds = Rounds(250);
  for (int round = 0; round < rounds; ++round) {
    const int n = std::uniform_int_distribution<int>(8, 17)(rng);
    const DependencyList list = brute::RandomDependencies(rng, n, 26, 2);
    const AttributeTable names = brute::GeneratedNames(n);
    DecompositionState state;
    LoadDecomposition(state, names, list, ComputeKeys(list, names));
    ScriptedDecompositionDialog dialog;
    for (int s = 0; s < SplitNodes; ++s) {
      const SubSchema& parent = state.schemas[s];
      if (parent.state == SlotState::Empty) continue;
      const AttributeSet nonPrime = MarkNonPrimeAttributes(parent.keys);
      std::vector<int> violating;
      int d = 0;
      for (const Dependency& e : parent.dependencies) {
        if (DependencyNormalForm(e, parent.keys, nonPrime) != NormalFormClass::Bcnf)
          violating.push_back(d);
        ++d;
      }
      if (!violating.empty()) dialog.Split(state, violating[rng() % violating.size()], s);
    }
    dialog.answers = {true};
    dialog.AddUncovered(state);
    manyAdded += AddedCount(state) > 7 ? 1 : 0;
    const std::vector<brute::Fd> root = brute::FromList(list);
    const auto preserved = [&state, &root] {
      std::vector<std::uint32_t> results;
      for (const SubSchema& schema : state.schemas) {
        if (schema.state == SlotState::Current) results.push_back(schema.member.mask);
      }
      return brute::Preserves(results, root);
    };
    EXPECT_TRUE(preserved()) << DepsText(list);
    dialog.AddProjections(state);
    EXPECT_TRUE(preserved()) << DepsText(list) << " after the projections";
  }
  // The schemas reach decompositions that lose many dependencies.
  EXPECT_GT(manyAdded, 0);
}

}  // namespace
