// The minimal cover handed to the synthesis, the split by left-hand sides,
// the merge of schemas with equivalent keys, the projection step and the
// reports.

#include <gtest/gtest.h>

#include <algorithm>
#include <cstring>
#include <deque>
#include <random>

#include "BruteForce.h"
#include "Keys.h"
#include "Redundance.h"
#include "SchemaText.h"
#include "ScriptedDialogs.h"
#include "Synthesis.h"

namespace {

using ScriptedDialog = ScriptedSynthesisDialog;

using Told = std::vector<SynthesisShown>;
const SynthesisShown kSplitFirst = SynthesisOutcome::SplitFirst;
const SynthesisShown kNoEquivalentKeys = SynthesisOutcome::NoEquivalentKeys;
const SynthesisShown kNoProjection = SynthesisOutcome::NoProjection;
const SynthesisShown kQuestion = SynthesisQuestion::UndoProjections;

std::string Join(const std::vector<std::string>& items, const char* separator) {
  std::string out;
  for (const std::string& item : items) {
    if (!out.empty()) out += separator;
    out += item;
  }
  return out;
}

// A schema as "members {dependencies} keys nf/state".
std::string SchemaText(const SubSchema& r) {
  return Letters(r.member) + " {" + DepsText(r.dependencies) + "} " +
         Join(KeyLetters(r.keys), ",") + " " + std::to_string(static_cast<int>(r.normalForm)) +
         "/" + std::to_string(static_cast<int>(r.state));
}

// A slot as "slot: members {dependencies} keys nf/state".
std::string SlotText(const SynthesisState& state, int s) {
  return std::to_string(s) + ": " + SchemaText(state.schemas[s]);
}

// Every non-empty slot after 0.
std::vector<std::string> Slots(const SynthesisState& state) {
  std::vector<std::string> out;
  for (int s = 1; s < SlotCount(state); ++s) {
    if (state.schemas[s].state != SlotState::Empty) out.push_back(SlotText(state, s));
  }
  return out;
}

using Lines = std::vector<std::string>;

TEST(MinimalCover, ThirdPassRemovesWhatShorteningMadeRedundant) {
  // The main window's copy of A + C -> B, B -> C, A -> C.
  const DependencyList copy = CopyInsertingBehindHead(Deps("AC->B; B->C; A->C"));
  ASSERT_EQ(DepsText(copy), "AC->B; A->C; B->C");

  DependencyList twoPasses = copy;
  RemoveRedundantDependencies(twoPasses);
  RemoveRedundantAttributes(twoPasses);
  EXPECT_EQ(DepsText(twoPasses), "A->B; A->C; B->C");
  EXPECT_TRUE(HasRedundantDependency(twoPasses));

  DependencyList cover = copy;
  ReduceToMinimalCover(cover);
  EXPECT_EQ(DepsText(cover), "A->B; B->C");

  SynthesisState state;
  const AttributeTable names = Names("ABC");
  LoadSynthesis(state, names, cover, ComputeKeys(Deps("AC->B; B->C; A->C"), names));
  ScriptedDialog dialog;
  dialog.Split(state);
  EXPECT_EQ(Slots(state), (Lines{"1: AB {A->B} A 4/1", "2: BC {B->C} B 4/1"}));
}

TEST(MinimalCover, SameAsTwoPassesWhereThoseGiveAMinimalCover) {
  for (const char* text : {"A->B; B->C; A->C", "AB->C; A->B", "A->B; B->A; A->C; B->C",
                           "AC->D; D->A; C->B; AB->C", "A->A; A->B"}) {
    DependencyList twoPasses = Deps(text);
    RemoveRedundantDependencies(twoPasses);
    RemoveRedundantAttributes(twoPasses);
    DependencyList cover = Deps(text);
    ReduceToMinimalCover(cover);
    EXPECT_EQ(DepsText(cover), DepsText(twoPasses)) << text;
  }
}

TEST(Synthesis, LoadTakesTheCoverAndKeysIntoSlotZero) {
  SynthesisState state = LoadedSynthesis("ABC", "A->B; B->C");
  const SubSchema& start = state.schemas[0];
  EXPECT_EQ(Letters(start.member), "ABC");
  EXPECT_EQ(DepsText(start.dependencies), "A->B; B->C");
  EXPECT_EQ(KeyLetters(start.keys), (Lines{"A"}));
  EXPECT_EQ(start.normalForm, NormalFormClass::Violates3NF);
  EXPECT_EQ(start.state, SlotState::Current);
  EXPECT_EQ(SynthesisFieldText(state, 0), "A; B; C; ");
  EXPECT_EQ(state.equivalentKeysPossible, true);
  EXPECT_EQ(state.projectionPossible, true);

  // A cover without dependencies leaves the schema in BCNF; without names
  // the slot is empty.
  EXPECT_EQ(LoadedSynthesis("AB", "").schemas[0].normalForm, NormalFormClass::Bcnf);
  EXPECT_EQ(LoadedSynthesis("", "").schemas[0].state, SlotState::Empty);
}

TEST(Synthesis, SplitByLeftSides) {
  struct Case {
    const char* names;
    const char* cover;
    Lines slots;
  } cases[] = {
      // The key A lies in slot 1: no key schema.
      {"ABCD", "A->B; A->C; B->D", {"1: ABC {A->B; A->C} A 4/1", "2: BD {B->D} B 4/1"}},
      // Later records of the same side go directly behind the first one.
      // B -> C holds inside slot 1 as well, so slot 1 is below 3NF although
      // its own list does not show it.
      {"ABCD",
       "A->B; A->C; A->D; B->C",
       {"1: ABCD {A->B; A->D; A->C} A 2/1", "2: BC {B->C} B 4/1"}},
      // The key A, C lies in no split schema.
      {"ABCD", "A->B; C->D", {"1: AB {A->B} A 4/1", "2: CD {C->D} C 4/1", "3: AC {} AC 4/1"}},
      // The same attributes in another order are another left-hand side.
      {"ABCDE",
       "AB->C; BA->D; C->E",
       {"1: ABC {AB->C} AB 4/1", "2: ABD {BA->D} AB 4/1", "3: CE {C->E} C 4/1"}},
      // A key of the whole schema lying in a split schema is added to its
      // keys: A to slot 2, B to slot 1.
      {"ABCD",
       "A->B; B->A; A->C; C->D",
       {"1: ABC {A->B; A->C} A,B 4/1", "2: AB {B->A} B,A 4/1", "3: CD {C->D} C 4/1"}},
      // C -> A holds inside slot 1 too: the textbook schema in 3NF but not
      // in BCNF, with the key B C its own list does not show.
      {"ABC", "AB->C; C->A", {"1: ABC {AB->C} AB,BC 3/1", "2: AC {C->A} C 4/1"}},
  };
  for (const Case& c : cases) {
    SynthesisState state = LoadedSynthesis(c.names, c.cover);
    ScriptedDialog dialog;
    dialog.Split(state);
    EXPECT_EQ(Slots(state), c.slots) << c.cover;
    EXPECT_EQ(state.schemas[0].state, SlotState::Replaced) << c.cover;
    EXPECT_EQ(state.schemaCount, static_cast<int>(c.slots.size())) << c.cover;
    EXPECT_TRUE(dialog.messages.empty()) << c.cover;
  }
}

TEST(Synthesis, SplitOfABcnfSchemaCreatesNothing) {
  // An empty cover too: the schema's records were all trivial.
  for (const char* cover : {"A->B; A->C", ""}) {
    SynthesisState state = LoadedSynthesis("ABC", cover);
    ASSERT_EQ(state.schemas[0].normalForm, NormalFormClass::Bcnf) << cover;
    ScriptedDialog dialog;
    dialog.Split(state);
    EXPECT_TRUE(Slots(state).empty()) << cover;
    EXPECT_EQ(state.schemas[0].state, SlotState::Current) << cover;
    EXPECT_EQ(state.leftSidesShown, true) << cover;

    // The later steps find nothing to merge or absorb.
    dialog.Merge(state);
    dialog.Absorb(state);
    EXPECT_EQ(dialog.messages, (Told{kNoEquivalentKeys, kNoProjection})) << cover;
  }
}

TEST(Synthesis, StepsOutOfOrderOrRepeatedOnlyTellTheStudent) {
  SynthesisState state = LoadedSynthesis("ABCD", "A->B; B->A; A->C; C->D");
  ScriptedDialog dialog;
  dialog.Merge(state);
  dialog.Absorb(state);
  EXPECT_EQ(dialog.messages, (Told{kSplitFirst, kSplitFirst}));
  EXPECT_TRUE(Slots(state).empty());
  EXPECT_EQ(state.equivalentKeysShown, false);
  EXPECT_EQ(state.projectionsShown, false);

  dialog.Split(state);
  const Lines afterSplit = Slots(state);
  dialog.Merge(state);
  const Lines afterMerge = Slots(state);
  dialog.messages.clear();
  dialog.Split(state);
  dialog.Merge(state);
  dialog.Absorb(state);
  dialog.Absorb(state);
  EXPECT_EQ(dialog.messages,
            (Told{SynthesisOutcome::SplitAlreadyShown, SynthesisOutcome::MergeAlreadyShown,
                  kNoProjection, kNoProjection}));
  EXPECT_NE(afterSplit, afterMerge);
  EXPECT_EQ(Slots(state), afterMerge);
}

TEST(Synthesis, MergeOfSchemasWithEquivalentKeys) {
  // The main window hands over A -> B, C -> D, A -> C, B -> A.
  SynthesisState state = SynthesisFromMainWindow("ABCD", "A->B; B->A; A->C; C->D");
  ScriptedDialog dialog;
  dialog.Split(state);
  dialog.Merge(state);
  EXPECT_TRUE(dialog.messages.empty());
  EXPECT_EQ(Slots(state), (Lines{"1: ABC {A->B; A->C} A,B 4/2", "2: CD {C->D} C 4/1",
                                 "3: AB {B->A} B,A 4/2", "4: ABC {A->B; A->C; B->A} A,B 4/1"}));
  EXPECT_EQ(LabelText(state.numberLabel[4]), "Schema 4: 1+3");
  EXPECT_EQ(state.schemaCount, 4);
  EXPECT_EQ(state.lastMergedSlot, 0);
  EXPECT_EQ(DisplayNumber(state, 4), 4);
  EXPECT_EQ(DisplayNumber(state, 3), 3);
}

TEST(Synthesis, ThreeEquivalentKeysGiveTwoUnions) {
  SynthesisState state = LoadedSynthesis("ABCDE", "A->B; B->C; C->A; A->D; D->E");
  ScriptedDialog dialog;
  dialog.Split(state);
  dialog.Merge(state);
  EXPECT_TRUE(dialog.messages.empty());
  // Slot 1 pairs with 2 and again with 3; 2 and 3 are not paired, since 2
  // is replaced before its turn.
  ASSERT_EQ(state.firstMergedSlot, 5);
  ASSERT_EQ(MergedCount(state), 2);
  EXPECT_EQ(LabelText(state.numberLabel[5]), "Schema 5: 1+2");
  EXPECT_EQ(LabelText(state.numberLabel[6]), "Schema 6: 1+3");
  EXPECT_EQ(Letters(state.schemas[5].member), "ABCD");
  EXPECT_EQ(Letters(state.schemas[6].member), "ABCD");
  EXPECT_EQ(state.schemaCount, 6);
  EXPECT_EQ(state.lastMergedSlot, 1);
  EXPECT_EQ(DisplayNumber(state, 5), 5);
  EXPECT_EQ(DisplayNumber(state, 6), 6);
  for (int s : {1, 2, 3})
    EXPECT_EQ(state.schemas[s].state, SlotState::Replaced) << s;
  EXPECT_EQ(state.schemas[4].state, SlotState::Current);
}

TEST(Synthesis, UnionBelowThirdNormalFormIsDropped) {
  // The first keys B + D (slot 2) and B + C (slot 3) determine each other,
  // but their union holds D -> A with A not prime.
  SynthesisState state = LoadedSynthesis("ABCD", "AC->D; DB->C; BC->A; D->A");
  ScriptedDialog dialog;
  dialog.Split(state);
  ASSERT_EQ(Letters(state.schemas[2].keys.front().member), "BD");
  ASSERT_EQ(Letters(state.schemas[3].keys.front().member), "BC");
  const Lines afterSplit = Slots(state);
  dialog.Merge(state);
  EXPECT_EQ(Slots(state), afterSplit);
  EXPECT_EQ(state.equivalentKeysPossible, false);
  EXPECT_EQ(state.lastMergedSlot, -1);
  // A second press says the same at once.
  dialog.Merge(state);
  EXPECT_EQ(dialog.messages, (Told{kNoEquivalentKeys, kNoEquivalentKeys}));
}

TEST(Synthesis, ProjectionAbsorbsContainedSchemas) {
  struct Case {
    const char* names;
    const char* cover;
    Lines projections;
    Lines labels;
  } cases[] = {
      // A, B (slot 2) inside A, B, C (slot 1); B -> A does not follow from
      // slot 1's dependencies, so it joins them.
      {"ABCD", "A->B; A->C; B->A; C->D", {"ABC {A->B; B->A; A->C} A,B 4/1"}, {"Schema 4: 1+2"}},
      // Two schemas with the same attributes absorb each other, the lower
      // slot as the container.
      {"ABCD", "A->B; B->A; C->D", {"AB {A->B; B->A} A,B 4/1"}, {"Schema 5: 1+2"}},
      // A dependency of the contained schema that follows from the
      // container's is left out (a cover that is not minimal shows it).
      {"ABCD", "A->B; A->C; AB->C; C->D", {"ABC {A->B; A->C} A 4/1"}, {"Schema 4: 1+2"}},
      // Further contained schemas run on in the label; their dependencies
      // join without the closure test.
      {"ABCDE",
       "A->B; A->C; B->A; C->A; D->E",
       {"ABC {A->B; C->A; B->A; A->C} C,A,B 4/1"},
       {"Schema 6: 1+2+3"}},
      // The container comes first in the label, whatever its slot.
      {"ABCD", "D->A; BD->C; BA->D", {"ABD {BA->D; D->A} AB,BD 3/1"}, {"Schema 4: 3+1"}},
  };
  for (const Case& c : cases) {
    SynthesisState state = LoadedSynthesis(c.names, c.cover);
    ScriptedDialog dialog;
    dialog.Split(state);
    const int count = state.schemaCount;
    dialog.Absorb(state);
    Lines projections, labels;
    for (int s = state.firstProjectionSlot; s < SlotCount(state); ++s) {
      if (state.schemas[s].state == SlotState::Empty) continue;
      projections.push_back(SchemaText(state.schemas[s]));
      labels.push_back(LabelText(state.numberLabel[s]));
    }
    EXPECT_EQ(projections, c.projections) << c.cover;
    EXPECT_EQ(labels, c.labels) << c.cover;
    EXPECT_EQ(state.schemaCount, count) << c.cover;
    EXPECT_TRUE(dialog.messages.empty()) << c.cover;
  }
}

TEST(Synthesis, MergeAfterProjectionAsksWhetherToUndoIt) {
  // Yes: the projection is undone, and its schemas merge instead.
  {
    SynthesisState state = LoadedSynthesis("ABCD", "A->B; A->C; B->A; C->D");
    ScriptedDialog dialog;
    dialog.Split(state);
    dialog.Absorb(state);
    ASSERT_EQ(ProjectionCount(state), 1);
    dialog.answers = {true};
    dialog.Merge(state);
    EXPECT_EQ(dialog.messages, (Told{kQuestion}));
    EXPECT_EQ(ProjectionCount(state), 0);
    EXPECT_EQ(SlotCount(state), 5);
    EXPECT_EQ(state.projectionsShown, false);
    EXPECT_EQ(LabelText(state.numberLabel[4]), "Schema 4: 1+2");
    EXPECT_EQ(state.schemas[3].state, SlotState::Current);
    // The projection may run again.
    dialog.messages.clear();
    dialog.Absorb(state);
    EXPECT_EQ(dialog.messages, (Told{kNoProjection}));
  }
  // No: the projection stays, and the merge still runs, also over the
  // absorbed slot 3 as the second schema of a pair.
  {
    SynthesisState state = LoadedSynthesis("ABCD", "D->A; BD->C; BA->D");
    ScriptedDialog dialog;
    dialog.Split(state);
    dialog.Absorb(state);
    dialog.answers = {false};
    dialog.Merge(state);
    EXPECT_EQ(dialog.messages, (Told{kQuestion}));
    EXPECT_EQ(dialog.unanswered, 0);
    // The union goes in front of the projection schema.
    ASSERT_EQ(SlotCount(state), 6);
    EXPECT_EQ(LabelText(state.numberLabel[5]), "Schema 4: 3+1");
    EXPECT_EQ(state.schemas[5].state, SlotState::Current);
    EXPECT_EQ(LabelText(state.numberLabel[4]), "Schema 4: 2+3");
    EXPECT_EQ(state.projectionsShown, true);
  }
  // A projection that found nothing is undone without a question.
  {
    SynthesisState state = LoadedSynthesis("ABC", "A->B; B->C");
    ScriptedDialog dialog;
    dialog.Split(state);
    dialog.Absorb(state);
    ASSERT_EQ(dialog.messages, (Told{kNoProjection}));
    dialog.Merge(state);
    EXPECT_EQ(dialog.messages, (Told{kNoProjection, kNoEquivalentKeys}));
    EXPECT_EQ(state.projectionPossible, true);
    EXPECT_EQ(state.projectionsShown, false);
  }
}

// Each row holds as many schemas as its step makes; nothing is cut short.
TEST(Synthesis, RowsGrowWithTheCover) {
  // Thirteen left-hand sides and the key schema.
  {
    SynthesisState state =
        LoadedSynthesis("ABCDEFGHIJKLMN",
                        "A->N; B->N; C->N; D->N; E->N; F->N; G->N; H->N; I->N; J->N; "
                        "K->N; L->N; M->N");
    ScriptedDialog dialog;
    dialog.Split(state);
    EXPECT_TRUE(dialog.messages.empty());
    EXPECT_EQ(state.schemaCount, 14);
    EXPECT_EQ(LeftSideCount(state), 14);
    EXPECT_EQ(Letters(state.schemas[13].member), "MN");
    EXPECT_EQ(Letters(state.schemas[14].member), "ABCDEFGHIJKLM");
    EXPECT_EQ(LabelText(state.numberLabel[14]), "14");
  }
  // Slot 1 (A -> B .. H) has keys equivalent to those of the seven slots
  // B -> A .. H -> A: seven unions.
  {
    SynthesisState state =
        LoadedSynthesis("ABCDEFGHIJ",
                        "A->B; A->C; A->D; A->E; A->F; A->G; A->H; B->A; C->A; D->A; "
                        "E->A; F->A; G->A; H->A; I->J");
    ScriptedDialog dialog;
    dialog.Split(state);
    const int count = state.schemaCount;
    dialog.Merge(state);
    EXPECT_TRUE(dialog.messages.empty());
    ASSERT_EQ(MergedCount(state), 7);
    for (int k = 0; k < 7; ++k) {
      EXPECT_EQ(LabelText(state.numberLabel[state.firstMergedSlot + k]),
                "Schema " + std::to_string(count + k + 1) + ": 1+" + std::to_string(k + 2));
    }
    EXPECT_EQ(state.schemaCount, count + 7);
    EXPECT_EQ(state.lastMergedSlot, 6);
    EXPECT_EQ(DisplayNumber(state, state.firstMergedSlot + 6), count + 7);
  }
  // Nine pairs of a schema and one lying inside it: nine projections.
  {
    SynthesisState state = LoadedSynthesis("ABCDEFGHIJKLMNOPQR", "");
    state.leftSidesShown = true;
    state.schemaCount = 18;
    state.schemas.resize(19);
    state.numberLabel.resize(19);
    state.firstMergedSlot = state.firstProjectionSlot = 19;
    for (int k = 0; k < 9; ++k) {
      SubSchema& outer = state.schemas[2 * k + 1];
      SubSchema& inner = state.schemas[2 * k + 2];
      outer.member = AttributeSet::Of({AttributeIndex(2 * k), AttributeIndex(2 * k + 1)});
      inner.member = AttributeSet::Of({AttributeIndex(2 * k)});
      outer.state = inner.state = SlotState::Current;
    }
    ScriptedDialog dialog;
    dialog.Absorb(state);
    EXPECT_TRUE(dialog.messages.empty());
    EXPECT_EQ(ProjectionCount(state), 9);
    for (int s = 1; s < SlotCount(state); ++s)
      EXPECT_EQ(state.schemas[s].state, s < 19 ? SlotState::Replaced : SlotState::Current) << s;
    EXPECT_EQ(LabelText(state.numberLabel.back()), "Schema 27: 17+18");
  }
}

// Random schemas of up to seven attributes taken through the main window's
// preparation and the split.
}  // namespace
