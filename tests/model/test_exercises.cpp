#include <gtest/gtest.h>

#include <deque>

#include "Exercises.h"
#include "Keys.h"
#include "Redundance.h"
#include "SchemaText.h"

namespace {

// A draw source replaying fixed numbers (taken modulo the range, 0 once they
// run out) and recording every range asked for.
struct Replay {
  std::deque<int> values;
  std::vector<int> ranges;

  Draw AsDraw() {
    return [this](int range) {
      ranges.push_back(range);
      if (range < 1 || values.empty()) return 0;
      const int v = values.front();
      values.pop_front();
      return v % range;
    };
  }
};

std::vector<std::string> CandidateLetters(const KeyCandidates& drawn) {
  std::vector<std::string> out;
  for (AttributeSet c : drawn.candidates)
    out.push_back(Letters(c));
  return out;
}

std::vector<int> Flags(const KeyCandidates& drawn) {
  return {drawn.isKey.begin(), drawn.isKey.end()};
}

}  // namespace

TEST(ShownAttributes, AreTheNonEmptySlotsInOrderAcrossGaps) {
  AttributeTable names;
  names[0] = "A";
  names[2] = "C";
  names[7] = "H";
  EXPECT_EQ(ShownAttributes(names), (std::vector<AttributeIndex>{0, 2, 7}));
  EXPECT_TRUE(ShownAttributes(AttributeTable{}).empty());
}

struct KeyDrawCase {
  const char* name;
  const char* attributes;
  const char* deps;
  std::deque<int> values;
  std::vector<std::string> candidates;
  std::vector<int> correct;
  std::vector<int> ranges;
};

class KeyCandidateDraws : public testing::TestWithParam<KeyDrawCase> {};

TEST_P(KeyCandidateDraws, FollowTheDrawOrderAndJudgeEachCandidate) {
  const KeyDrawCase& c = GetParam();
  const AttributeTable names = Names(c.attributes);
  const KeyList keys = ComputeKeys(Deps(c.deps), names);
  Replay replay{c.values, {}};
  const KeyCandidates drawn = DrawKeyCandidates(keys, ShownAttributes(names), replay.AsDraw());
  EXPECT_EQ(CandidateLetters(drawn), c.candidates);
  EXPECT_EQ(Flags(drawn), c.correct);
  EXPECT_EQ(replay.ranges, c.ranges);
}

INSTANTIATE_TEST_SUITE_P(Exercises, KeyCandidateDraws,
                         testing::Values(
                             // Keys {A, C}, {C, D}, {A, B}, {B, D}: position 2 shows key number 1;
                             // candidates 0 and 1 draw one bit per attribute.
                             KeyDrawCase{"KeyAtDrawnPosition",
                                         "ABCD",
                                         "AC->D; D->A; C->B; AB->C",
                                         {2, 1, 1, 0, 0, 1, 0, 1, 1, 1},
                                         {"AD", "BCD", "CD"},
                                         {0, 0, 1},
                                         {3, 4, 2, 2, 2, 2, 2, 2, 2, 2}},
                             // All bits 0: one more draw over the attribute count forces an
                             // attribute in; the forced {D} is no key.
                             KeyDrawCase{"AllZeroDrawsForceOneAttribute",
                                         "ABCD",
                                         "AC->D; D->A; C->B; AB->C",
                                         {0, 0, 0, 0, 0, 0, 3, 0, 1, 1, 0},
                                         {"AC", "D", "BC"},
                                         {1, 0, 0},
                                         {3, 4, 2, 2, 2, 2, 4, 2, 2, 2, 2}},
                             // A random candidate equal to another key counts as correct; a
                             // proper superset of a key does not.
                             KeyDrawCase{"EqualToKeyIsCorrectSupersetIsNot",
                                         "ABCD",
                                         "AC->D; D->A; C->B; AB->C",
                                         {0, 0, 0, 0, 1, 1, 1, 1, 1, 0},
                                         {"AC", "CD", "ABC"},
                                         {1, 1, 0},
                                         {3, 4, 2, 2, 2, 2, 2, 2, 2, 2}},
                             // {A} repeats the key and the second {B} the first random
                             // candidate: each is drawn again.
                             KeyDrawCase{"EqualSetsAreDrawnAgain",
                                         "ABC",
                                         "A->B; B->C",
                                         {0, 0, 1, 0, 0, 0, 1, 0, 0, 1, 0, 0, 0, 1},
                                         {"A", "B", "C"},
                                         {1, 0, 0},
                                         {3, 1, 2, 2, 2, 2, 2, 2, 2, 2, 2, 2, 2, 2}},
                             // One attribute offers one set only, so nothing is drawn again.
                             KeyDrawCase{"OneAttributeAllowsOneSetOnly",
                                         "A",
                                         "",
                                         {},
                                         {"A", "A", "A"},
                                         {1, 1, 1},
                                         {3, 1, 2, 1, 2, 1}}),
                         [](const testing::TestParamInfo<KeyDrawCase>& info) {
                           return std::string(info.param.name);
                         });

TEST(KeyCandidates, RandomCandidatesStayOnTheShownAttributes) {
  // Names in slots 0, 2 and 5 only: the bits and the forced attribute map to
  // those slots, never to the gaps.
  AttributeTable names;
  names[0] = "A";
  names[2] = "C";
  names[5] = "F";
  const KeyList keys = ComputeKeys(DependencyList{}, names);
  ASSERT_EQ(KeyLetters(keys), std::vector<std::string>{"ACF"});
  Replay replay{{0, 0, 0, 1, 1, 0, 0, 0, 2}, {}};
  const KeyCandidates drawn = DrawKeyCandidates(keys, ShownAttributes(names), replay.AsDraw());
  EXPECT_EQ(CandidateLetters(drawn), (std::vector<std::string>{"ACF", "CF", "F"}));
  EXPECT_EQ(replay.ranges, (std::vector<int>{3, 1, 2, 2, 2, 2, 2, 2, 3}));
}

TEST(KeyCandidates, DrawsThatNeverDifferEndInCountingOrder) {
  // Every draw 0 gives the forced {A}, the key itself; after the last redraw
  // the first free sets in counting order, {B} and then {A, B}, are taken.
  const AttributeTable names = Names("ABC");
  Replay replay;
  const KeyCandidates drawn = DrawKeyCandidates(ComputeKeys(Deps("A->B; B->C"), names),
                                                ShownAttributes(names), replay.AsDraw());
  EXPECT_EQ(CandidateLetters(drawn), (std::vector<std::string>{"A", "B", "AB"}));
  EXPECT_EQ(Flags(drawn), (std::vector<int>{1, 0, 0}));
  EXPECT_EQ(replay.ranges.size(), 2u + 2u * KeyCandidateRedraws * 4u);
}

TEST(KeyCandidates, NoKeysGiveNoCandidatesAndNoDraws) {
  Replay replay;
  const KeyCandidates drawn = DrawKeyCandidates(KeyList{}, {0, 1}, replay.AsDraw());
  EXPECT_EQ(CandidateLetters(drawn), (std::vector<std::string>{"", "", ""}));
  EXPECT_EQ(Flags(drawn), (std::vector<int>{0, 0, 0}));
  EXPECT_TRUE(replay.ranges.empty());
}

struct RedundantLhsCase {
  const char* name;
  const char* deps;
  std::vector<std::string> perRecord;
};

class RedundantLhs : public testing::TestWithParam<RedundantLhsCase> {};

TEST_P(RedundantLhs, EachAttributeTriedAloneAgainstTheWholeList) {
  const RedundantLhsCase& c = GetParam();
  const DependencyList list = Deps(c.deps);
  const std::string before = DepsText(list);
  std::vector<std::string> found;
  for (const Dependency& d : list)
    found.push_back(Letters(RedundantLhsAttributes(d, list)));
  EXPECT_EQ(found, c.perRecord);
  EXPECT_EQ(DepsText(list), before);
}

INSTANTIATE_TEST_SUITE_P(Exercises, RedundantLhs,
                         testing::Values(
                             // Both A and B can go from A + B -> C, each on its own.
                             RedundantLhsCase{"BothOfTwo", "A->C; B->C; AB->C", {"", "", "AB"}},
                             RedundantLhsCase{"OneOfTwo", "AB->C; A->B", {"B", ""}},
                             RedundantLhsCase{"None", "AB->C; C->D", {"", ""}},
                             // The right-hand attribute follows only through a later record.
                             RedundantLhsCase{
                                 "ThroughLaterRecords", "ABD->C; A->E; E->C", {"BD", "", ""}},
                             // A lone attribute can go when the right-hand attribute follows
                             // from nothing; of an attribute entered twice one copy can go.
                             RedundantLhsCase{"LoneAttribute", "->C; A->C", {"", "A"}},
                             RedundantLhsCase{"AttributeEnteredTwice", "AA->C; B->A", {"A", ""}}),
                         [](const testing::TestParamInfo<RedundantLhsCase>& info) {
                           return std::string(info.param.name);
                         });
