// Sub-schemas, the decomposition step, uncovered dependencies, projection and
// the reports.

#include <gtest/gtest.h>

#include <deque>
#include <functional>

#include "BruteForce.h"
#include "Closure.h"
#include "Decomposition.h"
#include "Keys.h"
#include "Nf.h"
#include "SchemaListing.h"
#include "SchemaText.h"
#include "ScriptedDialogs.h"
#include "SubSchema.h"

namespace {

using ScriptedDialog = ScriptedDecompositionDialog;
using Shown = std::vector<DecompositionShown>;

SubSchema Record(const std::string& members, const std::string& deps) {
  SubSchema r;
  r.member = Set(members);
  r.dependencies = Deps(deps);
  return r;
}

TEST(SubSchema, MemberNamesHoldDataAtMembersOnly) {
  const AttributeTable names = MemberNames(Set("BD"));
  EXPECT_EQ(names[0], "");
  EXPECT_EQ(names[1], "data");
  EXPECT_EQ(names[2], "");
  EXPECT_EQ(names[3], "data");
}

// A part on its own names its members only, and its dependencies still
// name the same attributes.
TEST(SubSchema, StandaloneSchemaPacksTheMembers) {
  const SubSchema r = Record("BDE", "E->B; BD->E");
  const Schema alone = StandaloneSchema(r, Names("ABCDE"));
  EXPECT_EQ(CountNames(alone.attributes), 3);
  EXPECT_EQ(ListDependencyLines(alone.dependencies, alone.attributes),
            ListDependencyLines(r.dependencies, Names("ABCDE")));
}

TEST(SubSchema, KeysAreFoundOverTheMembersOnly) {
  // Attribute A is no member, so the key search must not put it into a key.
  SubSchema r = Record("BCD", "B->C; C->B");
  EXPECT_EQ(KeyLetters(FindSchemaKeys(r)), (std::vector<std::string>{"BD", "CD"}));
}

TEST(SubSchema, NormalFormTakesTheWeakestClass) {
  using enum NormalFormClass;
  struct Case {
    const char* members;
    const char* deps;
    NormalFormClass expected;
    ReportedNormalForm reported;
  } cases[] = {
      {"ABC", "", Bcnf, ReportedNormalForm::Bcnf},  // no dependency
      // B -> C violates 3NF; B depends on the key A as a whole.
      {"ABC", "A->B; B->C", Violates3NF, ReportedNormalForm::Second},
      {"ABC", "B->C; A->B", Violates3NF, ReportedNormalForm::Second},  // the order does not matter
      // B depends on A, a part of the key A C: not even 2NF.
      {"ABC", "A->B", Violates3NF, ReportedNormalForm::First},
      // A constant depends on the empty part of any key.
      {"AB", "->B", Violates3NF, ReportedNormalForm::First},
      {"ABC", "AB->C; C->B", ThirdOnly, ReportedNormalForm::Third},  // C -> B violates only BCNF
      {"AB", "A->B; B->A", Bcnf, ReportedNormalForm::Bcnf},          // both sides are keys
      {"ABC", "AB->C; C->B; A->A", ThirdOnly, ReportedNormalForm::Third},
  };
  for (const Case& c : cases) {
    SubSchema r = Record(c.members, c.deps);
    r.keys = FindSchemaKeys(r);
    ComputeNormalForm(r);
    EXPECT_EQ(r.normalForm, c.expected) << c.deps;
    EXPECT_EQ(ReportedNormalFormOf(r), c.reported) << c.deps;
  }
}

TEST(CompleteByProjection, AppendsWhatTheSourceImpliesInsideTheRecord) {
  struct Case {
    const char* members;
    const char* own;
    const char* source;
    const char* expected;
  } cases[] = {
      // The lost A + C -> D comes back as A -> D.
      {"ABD", "A->B", "A->B; B->C; AC->D", "A->B; A->D"},
      // A -> C through the missing B.
      {"AC", "", "A->B; B->C", "A->C"},
      // Right-hand attributes of one subset in index order.
      {"ABC", "", "A->C; A->B", "A->B; A->C"},
      // What the list already implies for a smaller subset is not repeated
      // for a larger one.
      {"ABC", "", "A->C; B->C", "A->C; B->C"},
      // Left-hand sides ascending, whatever the source's order.
      {"ACD", "", "CA->B; B->D", "AC->D"},
      // Subsets of one size in lexicographic order of positions: A D comes
      // before B C.
      {"ABCDE", "", "BC->E; AD->E", "AD->E; BC->E"},
      // Nothing to add when the list already implies everything.
      {"ABC", "A->B; B->C", "A->B; B->C", "A->B; B->C"},
      // A constant keeps its empty left-hand side, also in a schema of one
      // attribute, and is not repeated for larger subsets.
      {"AB", "", "->B", "->B"},
      {"A", "", "->A", "->A"},
      // A single member has no proper non-empty subset.
      {"A", "", "B->A", ""},
      // A record without members.
      {"", "", "A->B", ""},
  };
  for (const Case& c : cases) {
    SubSchema r = Record(c.members, c.own);
    CompleteByProjection(r, Deps(c.source));
    EXPECT_EQ(DepsText(r.dependencies), c.expected) << c.members << " / " << c.source;
  }
}

TEST(CompleteByProjection, AppendedRecordsAreMarkedUsedAndKeepOneRightHandItem) {
  SubSchema r = Record("ABD", "A->B");
  r.dependencies.front().used = 0;
  CompleteByProjection(r, Deps("A->B; B->C; AC->D"));
  ASSERT_EQ(r.dependencies.size(), 2u);
  EXPECT_EQ(r.dependencies.front().used, 0u);
  const Dependency& added = r.dependencies.back();
  EXPECT_EQ(added.used, 1u);
  EXPECT_EQ(added.rhs.mark, 0u);
  EXPECT_EQ(added.LhsCount(), 1);
  for (int i = 1; i < MaxAttributes; ++i)
    EXPECT_EQ(added.lhs[i], NoAttribute);
}

// The completed list is exactly the projection of the source onto the
// members: everything it implies inside the record holds under the source,
// and everything the source implies inside the record follows from it.
TEST(CompleteByProjection, GivesTheProjectionOfTheSource) {
  std::mt19937 rng(515);
  for (int s = 0; s < 500; ++s) {
    const int n = std::uniform_int_distribution<int>(1, 7)(rng);
    const DependencyList source = brute::RandomDependencies(rng, n, 10, 3);
    const std::uint32_t members =
        std::uniform_int_distribution<std::uint32_t>(1, (1u << n) - 1)(rng);
    SubSchema r;
    r.member = AttributeSet{members};
    CompleteByProjection(r, source);
    const std::vector<brute::Fd> f = brute::FromList(source);
    const std::vector<brute::Fd> g = brute::FromList(r.dependencies);
    for (std::uint32_t x = members; x != 0; x = (x - 1) & members) {
      EXPECT_EQ(brute::Closure(x, g) & members, brute::Closure(x, f) & members)
          << DepsText(source) << " on " << Letters(AttributeSet{members});
    }
  }
}

// The completion step by step, with the list-walking closure and a
// recursive enumeration of the subsets, as a reference for the fast one.
void StepwiseCompletion(SubSchema& r, const DependencyList& source) {
  std::vector<AttributeIndex> members;
  for (AttributeIndex i = 0; i < MaxAttributes; ++i) {
    if (r.member.Has(i)) members.push_back(i);
  }
  const int n = static_cast<int>(members.size());
  std::vector<AttributeIndex> chosen;
  std::function<void(int, int)> pick = [&](int from, int k) {
    if (static_cast<int>(chosen.size()) == k) {
      AttributeSet p = AttributeSet::Of({});
      for (AttributeIndex a : chosen)
        p.Add(a);
      AttributeSet q = p;
      ComputeClosure(p, NoAttribute, source, nullptr);
      ComputeClosure(q, NoAttribute, r.dependencies, nullptr);
      for (AttributeIndex a = 0; a < MaxAttributes; ++a) {
        if (r.member.Has(a) && p.Has(a) && !q.Has(a)) {
          Dependency d = NewDependency(chosen, a);
          d.used = 1;
          r.dependencies.push_back(d);
        }
      }
      return;
    }
    for (int i = from; i < n; ++i) {
      chosen.push_back(members[i]);
      pick(i + 1, k);
      chosen.pop_back();
    }
  };
  for (int k = 1; k < n; ++k)
    pick(0, k);
}

TEST(CompleteByProjection, AppendsTheSameRecordsInTheSameOrderAsStepByStep) {
  std::mt19937 rng(5152);
  for (int s = 0; s < 400; ++s) {
    const int n = std::uniform_int_distribution<int>(2, 10)(rng);
    const DependencyList source = brute::RandomDependencies(rng, n, 12, 3);
    SubSchema fast;
    fast.member = AttributeSet{std::uniform_int_distribution<std::uint32_t>(1, (1u << n) - 1)(rng)};
    // Start from some of the source's records inside the record, as the
    // decomposition does.
    for (const Dependency& d : source) {
      if ((d.LhsSet() | AttributeSet::Of({d.Rhs()})).IsSubsetOf(fast.member) && rng() % 2 == 0)
        fast.dependencies.push_back(d);
    }
    SubSchema stepwise = fast;
    CompleteByProjection(fast, source);
    StepwiseCompletion(stepwise, source);
    EXPECT_EQ(DepsText(fast.dependencies), DepsText(stepwise.dependencies)) << DepsText(source);
  }
}

// Everything the window and the reports can show of the state.
std::string Snapshot(const DecompositionState& state) {
  std::string out;
  for (int s = 0; s < SlotCount(state); ++s) {
    const SubSchema& r = state.schemas[s];
    out += std::to_string(s) + ":" + std::to_string(static_cast<int>(r.state)) + "/" +
           std::to_string(static_cast<int>(r.normalForm)) + "[" + LabelText(state.numberLabel[s]) +
           "]" + Letters(r.member) + "|" + DepsText(r.dependencies) + "|";
    for (const std::string& k : KeyLetters(r.keys))
      out += k + ",";
    out += "\n";
  }
  for (int k = 0; k < SplitNodes; ++k)
    out += std::to_string(state.splitDependency[k]) + state.splitLabel[k] + ";";
  out += std::to_string(state.firstProjectionSlot) + "," + std::to_string(state.schemaCounter) +
         "," + std::to_string(state.currentSlot) + "," + std::to_string(state.projectionDone) +
         std::to_string(state.uncoveredDone) + std::to_string(state.uncoveredPossible) +
         std::to_string(state.projectionPossible);
  return out;
}

struct Expected {
  int slot;
  const char* members;
  const char* deps;
  std::vector<std::string> keys;
  int normalForm;
  const char* number;
};

void ExpectSlots(const DecompositionState& state, const std::vector<Expected>& expected) {
  for (const Expected& e : expected) {
    const SubSchema& r = state.schemas[e.slot];
    SCOPED_TRACE("slot " + std::to_string(e.slot));
    EXPECT_EQ(r.state, SlotState::Current);
    EXPECT_EQ(Letters(r.member), e.members);
    EXPECT_EQ(DepsText(r.dependencies), e.deps);
    EXPECT_EQ(KeyLetters(r.keys), e.keys);
    EXPECT_EQ(static_cast<int>(r.normalForm), e.normalForm);
    EXPECT_EQ(LabelText(state.numberLabel[e.slot]), e.number);
  }
}

TEST(LoadDecomposition, TheRootIsACopyOfTheSchema) {
  const AttributeTable names = Names("ABC");
  DependencyList list = Deps("A->B; B->C");
  const KeyList keys = ComputeKeys(list, names);
  DecompositionState state;
  state.schemaCounter = 9;
  state.uncoveredPossible = false;
  state.schemas.resize(20);
  state.firstProjectionSlot = 18;
  LoadDecomposition(state, names, list, keys);
  // The main window may free its lists while the window stays open.
  list.clear();
  ExpectSlots(state, {{0, "ABC", "A->B; B->C", {"A"}, 2, "0"}});
  EXPECT_EQ(state.schemaCounter, 0);
  EXPECT_EQ(state.uncoveredPossible, true);
  EXPECT_EQ(SlotCount(state), TreeSlots);
  EXPECT_EQ(AddedCount(state) + ProjectionCount(state), 0);
  for (int s = 1; s < TreeSlots; ++s)
    EXPECT_EQ(state.schemas[s].state, SlotState::Empty);
}

TEST(LoadDecomposition, ASchemaWithoutDependenciesIsInBcnf) {
  const DecompositionState state = LoadedDecomposition("ABC", "");
  EXPECT_EQ(state.schemas[0].normalForm, NormalFormClass::Bcnf);
  EXPECT_EQ(SchemaFieldText(state, 0), "A; B; C; ");
}

TEST(Split, SplitsByTheChosenDependency) {
  DecompositionState state = LoadedDecomposition("ABC", "A->B; B->C");
  ScriptedDialog dialog;
  ASSERT_TRUE(Split(state, 0, "B->C", dialog));
  EXPECT_TRUE(dialog.shown.empty());
  ExpectSlots(state, {{1, "BC", "B->C", {"B"}, 4, "1"}, {2, "AB", "A->B", {"A"}, 4, "2"}});
  EXPECT_EQ(state.schemas[0].state, SlotState::Replaced);
  EXPECT_EQ(state.splitLabel[0], "B -> C");
  EXPECT_EQ(state.splitDependency[0], 1);
  EXPECT_EQ(state.schemaCounter, 2);
  EXPECT_EQ(state.currentSlot, 2);
  EXPECT_EQ(SchemaFieldText(state, 1), "B; C; ");
}

TEST(Split, SplitLabelListsTheLeftChildsFurtherRightHandNamesApart) {
  DecompositionState state = LoadedDecomposition("ABCD", "A->B; B->C; B->D");
  ScriptedDialog dialog;
  ASSERT_TRUE(Split(state, 0, "B->C", dialog));
  EXPECT_EQ(state.splitLabel[0], "B -> C + D");
  ExpectSlots(state, {{1, "BCD", "B->C; B->D", {"B"}, 4, "1"}, {2, "AB", "A->B", {"A"}, 4, "2"}});

  // A right-hand attribute that stands in the left-hand side adds nothing.
  DecompositionState back = LoadedDecomposition("ABC", "A->B; B->C; C->B");
  ASSERT_TRUE(Split(back, 0, "B->C", dialog));
  EXPECT_EQ(back.splitLabel[0], "B -> C");
  EXPECT_EQ(DepsText(back.schemas[1].dependencies), "B->C; C->B");
}

TEST(Split, TheRightChildIsCompletedUnderTheRoot) {
  DecompositionState state = LoadedDecomposition("ABCD", "A->B; B->C; AC->D");
  ScriptedDialog dialog;
  ASSERT_TRUE(Split(state, 0, "B->C", dialog));
  ExpectSlots(state, {{1, "BC", "B->C", {"B"}, 4, "1"}, {2, "ABD", "A->B; A->D", {"A"}, 4, "2"}});
}

// A trivial record must not make a key of a child (D -> A violates BCNF in
// slot 2), and a constant must reach the child that holds it; where every
// attribute is constant, the empty set is the key.
TEST(Split, TrivialRecordsAndConstantsGiveTheChildrenTheirRightKeys) {
  {
    DecompositionState state = LoadedDecomposition("ABCD", "AC->D; D->A; C->B; AB->C; CA->C");
    ScriptedDialog dialog;
    ASSERT_TRUE(Split(state, 0, "C->B", dialog));
    ExpectSlots(state, {{1, "BC", "C->B", {"C"}, 4, "1"},
                        {2, "ACD", "AC->D; D->A; CA->C", {"AC", "CD"}, 3, "2"}});
  }
  {
    DecompositionState state = LoadedDecomposition("ABC", "->C; C->A");
    ScriptedDialog dialog;
    ASSERT_TRUE(Split(state, 0, "C->A", dialog));
    ExpectSlots(state, {{1, "AC", "C->A; ->C", {""}, 4, "1"}, {2, "BC", "->C", {"B"}, 2, "2"}});
  }
}

TEST(Split, ChildrenAlsoGetTheRootsKeysThatLieInsideThem) {
  // A key list handed over with a further superkey, which the child's own
  // search would not find.
  const AttributeTable names = Names("ABC");
  const DependencyList list = Deps("A->B; B->C");
  DecompositionState state;
  LoadDecomposition(state, names, list, KeyList{{Set("A"), 0}, {Set("AB"), 0}, {Set("AC"), 0}});
  ScriptedDialog dialog;
  ASSERT_TRUE(Split(state, 0, "B->C", dialog));
  EXPECT_EQ(KeyLetters(state.schemas[2].keys), (std::vector<std::string>{"A", "AB"}));
  EXPECT_EQ(KeyLetters(state.schemas[1].keys), (std::vector<std::string>{"B"}));
}

TEST(Split, TheSameDependencyAgainChangesNothing) {
  DecompositionState state = LoadedDecomposition("ABC", "A->B; B->C");
  ScriptedDialog dialog;
  ASSERT_TRUE(Split(state, 0, "B->C", dialog));
  const std::string before = Snapshot(state);
  EXPECT_FALSE(Split(state, 0, "B->C", dialog));
  EXPECT_TRUE(dialog.shown.empty());
  EXPECT_EQ(Snapshot(state), before);
}

// A -> B -> ... -> F, split down to the grandchildren of the root.
DecompositionState ThreeLevels(ScriptedDialog& dialog) {
  DecompositionState state = LoadedDecomposition("ABCDEF", "A->B; B->C; C->D; D->E; E->F");
  EXPECT_TRUE(Split(state, 0, "D->E", dialog));  // 1 = DEF, 2 = ABCD
  EXPECT_TRUE(Split(state, 2, "B->C", dialog));  // 5 = BCD, 6 = AB
  EXPECT_TRUE(Split(state, 5, "C->D", dialog));  // 11 = CD, 12 = BC
  return state;
}

TEST(Split, ReDecompositionAsksAndEmptiesTheWholeSubtree) {
  ScriptedDialog dialog;
  DecompositionState state = ThreeLevels(dialog);
  ExpectSlots(state, {{11, "CD", "C->D", {"C"}, 4, "5"}, {12, "BC", "B->C", {"B"}, 4, "6"}});
  EXPECT_EQ(state.splitLabel[5], "C -> D");

  const std::string before = Snapshot(state);
  dialog.answers = {false};
  EXPECT_FALSE(Split(state, 0, "B->C", dialog));
  EXPECT_EQ(dialog.shown, (Shown{DecompositionQuestion::SplitAgain}));
  EXPECT_EQ(Snapshot(state), before);

  dialog.answers = {true};
  ASSERT_TRUE(Split(state, 0, "B->C", dialog));
  for (int slot : {3, 4, 5, 6, 11, 12}) {
    EXPECT_EQ(state.schemas[slot].state, SlotState::Empty) << slot;
    EXPECT_TRUE(state.schemas[slot].dependencies.empty()) << slot;
    EXPECT_TRUE(state.schemas[slot].keys.empty()) << slot;
  }
  for (int node : {1, 2, 5}) {
    EXPECT_EQ(state.splitDependency[node], -1) << node;
    EXPECT_EQ(state.splitLabel[node], "") << node;
  }
  // Numbers are not reused.
  ExpectSlots(state, {{1, "BCDEF", "B->C; C->D; D->E; E->F", {"B"}, 2, "7"},
                      {2, "AB", "A->B", {"A"}, 4, "8"}});
  EXPECT_EQ(state.splitLabel[0], "B -> C + D + E + F");
}

TEST(Split, OnlyTheUpperThreeLevelsCanBeSplit) {
  ScriptedDialog dialog;
  DecompositionState state = ThreeLevels(dialog);
  // An added schema, which has no place in the tree for children.
  state.schemas.push_back(state.schemas[1]);
  state.numberLabel.push_back(NumberLabel{9, {}});
  ++state.firstProjectionSlot;
  const std::string before = Snapshot(state);
  for (int slot : {7, 11, 14, FirstAddedSlot}) {
    dialog.shown.clear();
    EXPECT_FALSE(dialog.Split(state, 0, slot));
    EXPECT_EQ(dialog.shown, (Shown{DecompositionOutcome::TooDeep}));
  }
  EXPECT_EQ(Snapshot(state), before);
}

TEST(Split, AnEmptiedSlotOrAMissingDependencyIsNotSplit) {
  ScriptedDialog dialog;
  DecompositionState state = LoadedDecomposition("ABC", "A->B; B->C");
  const std::string before = Snapshot(state);
  EXPECT_FALSE(dialog.Split(state, 0, 1));
  EXPECT_FALSE(dialog.Split(state, 2, 0));
  EXPECT_FALSE(dialog.Split(state, -1, 0));
  EXPECT_TRUE(dialog.shown.empty());
  EXPECT_EQ(Snapshot(state), before);
}

// Root A + B -> D, C -> A, B -> A, C -> D split by A + B -> D loses C -> D:
// 1 = ABD, 2 = ABC.
DecompositionState LosingCD(ScriptedDialog& dialog) {
  DecompositionState state = LoadedDecomposition("ABCD", "AB->D; C->A; B->A; C->D");
  EXPECT_TRUE(Split(state, 0, "AB->D", dialog));
  return state;
}

TEST(Uncovered, TwoLostDependenciesGiveOneAddedSchema) {
  ScriptedDialog dialog;
  DecompositionState state = LosingCD(dialog);
  ExpectSlots(state,
              {{1, "ABD", "AB->D; B->A", {"B"}, 4, "1"}, {2, "ABC", "C->A; B->A", {"BC"}, 2, "2"}});
  dialog.AddUncovered(state);
  EXPECT_TRUE(dialog.shown.empty());
  // C -> A keeps its right-hand side, but C reaches D only through the root;
  // the schema added for it covers C -> D as well.
  ExpectSlots(state, {{15, "CD", "C->D", {"C"}, 4, "3"}});
  EXPECT_EQ(AddedCount(state), 1);
  EXPECT_EQ(state.uncoveredDone, true);

  // Once found, the search does not run again until the next split.
  const std::string before = Snapshot(state);
  dialog.AddUncovered(state);
  EXPECT_TRUE(dialog.shown.empty());
  EXPECT_EQ(Snapshot(state), before);
}

// A step with nothing to add (no lost dependency, no part contained in
// another) says so each time it is asked, adds nothing and is offered no
// more.
TEST(Steps, NothingToAddIsReportedEachTime) {
  const struct {
    void (ScriptedDialog::*step)(DecompositionState&);
    DecompositionOutcome outcome;
    bool DecompositionState::*possible;
  } cases[] = {
      {&ScriptedDialog::AddUncovered, DecompositionOutcome::NoUncovered,
       &DecompositionState::uncoveredPossible},
      {&ScriptedDialog::AddProjections, DecompositionOutcome::NoProjection,
       &DecompositionState::projectionPossible},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(static_cast<int>(c.outcome));
    ScriptedDialog dialog;
    DecompositionState state = LoadedDecomposition("ABC", "A->B; B->C");
    ASSERT_TRUE(Split(state, 0, "B->C", dialog));
    (dialog.*c.step)(state);
    (dialog.*c.step)(state);
    EXPECT_EQ(dialog.shown, (Shown{c.outcome, c.outcome}));
    EXPECT_FALSE(state.*c.possible);
    EXPECT_EQ(AddedCount(state) + ProjectionCount(state), 0);
  }
}

TEST(Uncovered, PresentSchemasCountWhateverOrderTheTreeWasSplitIn) {
  ScriptedDialog dialog;
  DecompositionState state = LoadedDecomposition("ABCDEF", "A->B; B->C; C->D; D->E; E->F");
  ASSERT_TRUE(Split(state, 0, "C->D", dialog));  // 1 = CDEF, 2 = ABC
  ASSERT_TRUE(Split(state, 2, "B->C", dialog));  // 5 = BC, 6 = AB
  ASSERT_TRUE(Split(state, 1, "E->F", dialog));  // 3 = EF, 4 = CDE
  EXPECT_EQ(state.currentSlot, 4);
  dialog.AddUncovered(state);
  EXPECT_EQ(dialog.shown, (Shown{DecompositionOutcome::NoUncovered}));
}

TEST(Uncovered, EveryLostDependencyGetsItsSchemaHoweverManyThereAre) {
  // Eight dependencies that no tree schema holds.
  DecompositionState state = LoadedDecomposition("ABCDEFGHIJKLMNOPQ", "");
  state.schemas[0].dependencies = Deps("A->B; C->D; E->F; G->H; I->J; K->L; M->N; O->P");
  state.schemas[0].state = SlotState::Replaced;
  for (int slot : {1, 2}) {
    state.schemas[slot].state = SlotState::Current;
    state.schemas[slot].member = Set("Q");
    state.schemas[slot].keys = {{Set("Q"), 0}};
  }
  ScriptedDialog dialog;
  dialog.AddUncovered(state);
  EXPECT_TRUE(dialog.shown.empty());
  ExpectSlots(state, {{15, "AB", "A->B", {"A"}, 4, "1"}, {22, "OP", "O->P", {"O"}, 4, "8"}});
  EXPECT_EQ(AddedCount(state), 8);
  EXPECT_EQ(state.schemaCounter, 8);
}

TEST(ExtraSchemas, BothOperationsNeedADecompositionFirst) {
  DecompositionState state = LoadedDecomposition("ABC", "A->B; B->C");
  const std::string before = Snapshot(state);
  ScriptedDialog dialog;
  dialog.AddUncovered(state);
  dialog.AddProjections(state);
  EXPECT_EQ(dialog.shown,
            (Shown{DecompositionOutcome::NotDecomposed, DecompositionOutcome::NotDecomposed}));
  EXPECT_EQ(Snapshot(state), before);
}

TEST(Projection, MergesContainedSchemasIntoTheFirstContainer) {
  ScriptedDialog dialog;
  DecompositionState state = WithAddedSchemas(dialog);
  ExpectSlots(state, {{5, "AF", "F->A", {"F"}, 4, "3"},
                      {15, "BF", "F->B", {"F"}, 4, "5"},
                      {16, "ABF", "AB->F; F->B; F->A", {"AB", "F"}, 4, "6"}});
  dialog.AddProjections(state);
  EXPECT_TRUE(dialog.shown.empty());
  // The container's records first (behind the head, newest first); from the
  // first contained schema only what the container does not imply, from the
  // further ones everything.
  ASSERT_EQ(ProjectionCount(state), 1);
  ExpectSlots(state, {{17, "ABF", "AB->F; F->B; F->A; F->B", {"AB", "F"}, 4, "Schema 6+3+5"}});
  for (int slot : {5, 15, 16})
    EXPECT_EQ(state.schemas[slot].state, SlotState::Absorbed) << slot;
  EXPECT_EQ(state.schemas[1].state, SlotState::Current);
  EXPECT_EQ(state.schemaCounter, 6);

  const std::string before = Snapshot(state);
  dialog.AddProjections(state);
  EXPECT_TRUE(dialog.shown.empty());
  EXPECT_EQ(Snapshot(state), before);
}

// A tree of seven leaves below the root: slot k + 1 holds the letters of
// `members[k]`.
DecompositionState HandBuiltLeaves(const std::vector<std::string>& members,
                                   const std::vector<std::string>& numbers) {
  DecompositionState state = LoadedDecomposition("ABCDEFGHIJKLMNOPQRST", "A->B");
  state.schemas[0].state = SlotState::Replaced;
  for (std::size_t k = 0; k < members.size(); ++k) {
    SubSchema& r = state.schemas[k + 1];
    r.state = SlotState::Current;
    r.member = Set(members[k]);
    r.keys = {{r.member, 0}};
    r.normalForm = NormalFormClass::Bcnf;
    state.numberLabel[k + 1] = NumberLabel{std::stoi(numbers[k]), {}};
  }
  return state;
}

TEST(Projection, NumberTextJoinsTheNumbersWithPlus) {
  DecompositionState state = HandBuiltLeaves({"AB", "C", "CD", "B"}, {"1", "3", "5", "6"});
  ScriptedDialog dialog;
  dialog.AddProjections(state);
  // Slot 3 (number 5) takes slot 2 (number 3); slot 1 takes slot 4.
  EXPECT_EQ(LabelText(state.numberLabel[15]), "Schema 1+6");
  EXPECT_EQ(LabelText(state.numberLabel[16]), "Schema 5+3");
  state = HandBuiltLeaves({"C", "AB", "CD"}, {"5", "4", "3"});
  dialog.AddProjections(state);
  EXPECT_EQ(LabelText(state.numberLabel[15]), "Schema 3+5");
  EXPECT_TRUE(dialog.shown.empty());
}

TEST(Projection, EveryContainerGetsItsProjectionHoweverManyThereAre) {
  DecompositionState state =
      HandBuiltLeaves({"AB", "A", "CD", "C", "EF", "E", "GH", "G", "IJ", "I", "KL", "K", "MN", "M"},
                      {"1", "2", "3", "4", "5", "6", "7", "8", "9", "10", "11", "12", "13", "14"});
  ScriptedDialog dialog;
  dialog.AddProjections(state);
  EXPECT_TRUE(dialog.shown.empty());
  EXPECT_EQ(ProjectionCount(state), 7);
  EXPECT_EQ(LabelText(state.numberLabel[21]), "Schema 13+14");
  for (int slot = 1; slot < TreeSlots; ++slot)
    EXPECT_EQ(state.schemas[slot].state, SlotState::Absorbed) << slot;
}

TEST(Uncovered, AsksBeforeDiscardingProjections) {
  ScriptedDialog dialog;
  DecompositionState state = LoadedDecomposition("ABCD", "A->B; B->C; C->D");
  ASSERT_TRUE(Split(state, 0, "C->D", dialog));  // 1 = CD, 2 = ABC
  ASSERT_TRUE(Split(state, 2, "B->C", dialog));  // 5 = BC, 6 = AB
  // The state of a projection that found something.
  state.schemas[5].state = SlotState::Absorbed;
  state.schemas.push_back(state.schemas[5]);
  state.schemas.back().state = SlotState::Current;
  state.numberLabel.push_back(NumberLabel{std::nullopt, {NumberLabel{3, {}}, NumberLabel{9, {}}}});
  state.projectionDone = true;

  const std::string before = Snapshot(state);
  dialog.answers = {false};
  dialog.AddUncovered(state);
  EXPECT_EQ(dialog.shown, (Shown{DecompositionQuestion::UncoveredDiscardsProjections}));
  EXPECT_EQ(Snapshot(state), before);

  dialog.shown.clear();
  dialog.answers = {true};
  dialog.AddUncovered(state);
  EXPECT_EQ(dialog.shown, (Shown{DecompositionQuestion::UncoveredDiscardsProjections,
                                 DecompositionOutcome::NoUncovered}));
  EXPECT_EQ(state.schemas[5].state, SlotState::Current);
  EXPECT_EQ(SlotCount(state), TreeSlots);
  EXPECT_EQ(state.projectionDone, false);
  EXPECT_EQ(state.projectionPossible, true);
}

TEST(Split, AsksBeforeDiscardingAddedAndProjectionSchemas) {
  struct Case {
    const char* name;
    void (*prepare)(DecompositionState&, ScriptedDialog&);
    DecompositionQuestion question;
  } cases[] = {
      {"added schemas", [](DecompositionState& s, ScriptedDialog& d) { d.AddUncovered(s); },
       DecompositionQuestion::SplitDiscardsAddedAndProjections},
      {"added and projection schemas",
       [](DecompositionState& s, ScriptedDialog& d) {
         d.AddUncovered(s);
         d.AddProjections(s);
       },
       DecompositionQuestion::SplitDiscardsAddedAndProjections},
      {"added schemas, projection found nothing",
       [](DecompositionState& s, ScriptedDialog& d) {
         d.AddUncovered(s);
         s.schemas[16] = SubSchema{};  // so that nothing lies inside another
         s.numberLabel[16] = NumberLabel{};
         d.AddProjections(s);
       },
       DecompositionQuestion::SplitDiscardsAdded},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    ScriptedDialog dialog;
    DecompositionState state = WithAddedSchemas(dialog);
    c.prepare(state, dialog);
    dialog.shown.clear();
    const std::string before = Snapshot(state);
    dialog.answers = {false};
    EXPECT_FALSE(Split(state, 1, "D->B", dialog));
    EXPECT_EQ(dialog.shown, (Shown{c.question}));
    EXPECT_EQ(Snapshot(state), before);

    dialog.answers = {true};
    EXPECT_TRUE(Split(state, 1, "D->B", dialog));
    for (int slot = 1; slot < TreeSlots; ++slot)
      EXPECT_NE(state.schemas[slot].state, SlotState::Absorbed) << slot;
    EXPECT_EQ(SlotCount(state), TreeSlots);
    EXPECT_EQ(state.projectionDone + state.uncoveredDone, 0);
    EXPECT_EQ(state.projectionPossible + state.uncoveredPossible, 2);
  }
}

TEST(Split, AProjectionAloneAsksAboutProjections) {
  ScriptedDialog dialog;
  DecompositionState state = LosingCD(dialog);
  dialog.AddUncovered(state);
  ASSERT_EQ(AddedCount(state), 1);
  // Without the added schema the uncovered search would have found nothing.
  DiscardExtraSchemas(state);
  state.uncoveredPossible = false;
  state.schemas[1].member = Set("ABCD");
  dialog.AddProjections(state);
  ASSERT_EQ(ProjectionCount(state), 1);
  dialog.shown.clear();
  dialog.answers = {true};
  EXPECT_TRUE(Split(state, 2, "C->A", dialog));
  EXPECT_EQ(dialog.shown, (Shown{DecompositionQuestion::SplitDiscardsProjections}));
}

}  // namespace
