// The closure and maximal set exercises without widgets: picking A, judging
// the ticked result against the model's own computation, and when nothing
// can be judged.

#include <gtest/gtest.h>

#include "Closure.h"
#include "ClosureExerciseSession.h"
#include "MaxSets.h"
#include "MaximalSetExerciseSession.h"
#include "SessionTests.h"

namespace {

using Phase = ExerciseSession::Phase;
using Fixing = AttributeSetExerciseSession::Fixing;

// Picks `a`, fixes it and ticks `answer`.
void Answer(AttributeSetExerciseSession& session, AttributeSet a, AttributeSet answer) {
  for (AttributeIndex k = 0; k < MaxAttributes; ++k) {
    if (a.Has(k)) session.setPicked(k, true);
  }
  ASSERT_EQ(session.fixPick(), Fixing::TaskSet);
  for (AttributeIndex k = 0; k < MaxAttributes; ++k) {
    if (answer.Has(k)) session.setTicked(k, true);
  }
}

struct JudgingCase {
  const char* name;
  const char* deps;
  const char* a;
  const char* answer;
  bool right;
};

class ClosureJudging : public testing::TestWithParam<JudgingCase> {};

TEST_P(ClosureJudging, JudgesTheTickedClosure) {
  const JudgingCase& c = GetParam();
  ClosureExerciseSession session;
  session.load(MakeSchema("ABCD", c.deps));
  Answer(session, Set(c.a), Set(c.answer));
  EXPECT_EQ(session.judge(), std::optional<bool>(c.right));
}

INSTANTIATE_TEST_SUITE_P(Cases, ClosureJudging,
                         testing::Values(JudgingCase{"Right", "A->B; B->C", "A", "ABC", true},
                                         // A belongs to A+.
                                         JudgingCase{"ALeftOut", "A->B; B->C", "A", "BC", false},
                                         JudgingCase{"TooMuch", "A->B; B->C", "B", "BCD", false},
                                         JudgingCase{"AllOfA", "A->B", "ABCD", "ABCD", true},
                                         // The later record fires only in a second pass.
                                         JudgingCase{"TwoPasses", "B->C; A->B", "A", "AB", false},
                                         JudgingCase{"NoDependencies", "", "AC", "AC", true}),
                         [](const testing::TestParamInfo<JudgingCase>& info) {
                           return info.param.name;
                         });

// Every A of a schema: its closure as the model computes it is the one right
// answer, and one attribute more or less makes it wrong.
TEST(ClosureExercise, TheModelsClosureIsTheOneRightAnswer) {
  const Schema schema = MakeSchema("ABCDE", "AB->C; C->D; D->B; E->A");
  for (std::uint32_t mask = 1; mask < 32; ++mask) {
    const AttributeSet a{mask};
    AttributeSet closure = a;
    ComputeClosure(closure, NoAttribute, schema.dependencies, nullptr);
    for (AttributeIndex flipped = 0; flipped <= 5; ++flipped) {
      AttributeSet answer = closure;
      if (flipped < 5)
        answer = closure.Has(flipped) ? closure - AttributeSet::Of({flipped})
                                      : closure | AttributeSet::Of({flipped});
      ClosureExerciseSession session;
      session.load(schema);
      Answer(session, a, answer);
      EXPECT_EQ(session.solution(), closure) << Letters(a);
      EXPECT_EQ(session.judge(), std::optional<bool>(flipped == 5)) << Letters(a);
    }
  }
}

TEST(ClosureExercise, PicksAFixesItAndScoresEachTask) {
  ClosureExerciseSession session;
  session.load(MakeSchema("ABC", "A->B"));
  EXPECT_TRUE(session.isPicking());
  EXPECT_EQ(session.fixPick(), Fixing::NothingPicked);
  EXPECT_EQ(session.phase(), Phase::NoTask);

  Answer(session, Set("A"), Set("A"));
  EXPECT_EQ(session.phase(), Phase::Answering);
  // A fixed stays fixed.
  session.setPicked(2, true);
  EXPECT_EQ(session.fixed(), Set("A"));
  session.conclude();
  EXPECT_EQ(session.phase(), Phase::Checked);
  EXPECT_EQ(session.score(), (ExerciseSession::Score{0, 1}));
  EXPECT_TRUE(session.isWrong(1));
  // The closure's steps, then what they add derived by Armstrong's rules.
  EXPECT_EQ(session.explanation().constLast(), QStringLiteral("1. A -> B (dano)"))
      << session.explanation().join(QLatin1Char('\n')).toStdString();
  // A checked answer no longer changes.
  session.setTicked(1, true);
  EXPECT_FALSE(session.ticked().Has(1));

  session.startNewTask();
  EXPECT_TRUE(session.isPicking());
  EXPECT_EQ(session.ticked(), AttributeSet{});
  Answer(session, Set("B"), Set("B"));
  session.conclude();
  EXPECT_EQ(session.score(), (ExerciseSession::Score{1, 2}));
  // Closing the window drops the score.
  session.close();
  EXPECT_EQ(session.score(), ExerciseSession::Score{});
}

// Nothing is judged, scored or set as a task after a reset, after the
// schema changed, or for a schema without attributes.
TEST(ClosureExercise, NoTaskNoVerdict) {
  ClosureExerciseSession session;
  session.load(MakeSchema("ABC", "A->B"));
  Answer(session, Set("A"), Set("AB"));
  session.clear();
  EXPECT_TRUE(session.offered().empty());
  ExpectNoVerdict(session);

  session.load(MakeSchema("ABC", "A->B"));
  Answer(session, Set("A"), Set("AB"));
  session.markOutOfDate();
  ExpectNoVerdict(session);
  EXPECT_FALSE(session.isPicking());
  EXPECT_FALSE(session.canStartNewTask());
  session.startNewTask();
  EXPECT_EQ(session.fixed(), Set("A"));

  // Out of date while A is picked: A is not fixed on the old copy.
  session.load(MakeSchema("ABC", "A->B"));
  session.setPicked(0, true);
  session.markOutOfDate();
  EXPECT_EQ(session.fixPick(), Fixing::NotPicking);
  ExpectNoVerdict(session);

  session.load(MakeSchema("", ""));
  EXPECT_FALSE(session.isPicking());
  EXPECT_EQ(session.fixPick(), Fixing::NotPicking);
  ExpectNoVerdict(session);
}

}  // namespace

namespace {

class MaximalSetJudging : public testing::TestWithParam<JudgingCase> {};

TEST_P(MaximalSetJudging, JudgesTheTickedUnion) {
  const JudgingCase& c = GetParam();
  MaximalSetExerciseSession session;
  session.load(MakeSchema("ABCD", c.deps));
  Answer(session, Set(c.a), Set(c.answer));
  EXPECT_EQ(session.judge(), std::optional<bool>(c.right));
}

INSTANTIATE_TEST_SUITE_P(Cases, MaximalSetJudging,
                         testing::Values(
                             // Without dependencies the one maximal set of A is every other
                             // attribute.
                             JudgingCase{"NoDependencies", "", "A", "BCD", true},
                             // A itself is never in a maximal set of A.
                             JudgingCase{"ATicked", "", "B", "ABCD", false},
                             JudgingCase{"OneSet", "A->B", "B", "CD", true},
                             // max(D) = {C} and {B}: their union is asked for, not either one.
                             JudgingCase{"UnionOfTwo", "A->D; BC->D", "D", "BC", true},
                             JudgingCase{"OneOfTwo", "A->D; BC->D", "D", "B", false}),
                         [](const testing::TestParamInfo<JudgingCase>& info) {
                           return info.param.name;
                         });

TEST(MaximalSetExercise, TheModelsUnionIsTheOneRightAnswer) {
  const Schema schema = MakeSchema("ABCDE", "AB->C; C->D; D->B; E->A");
  for (AttributeIndex a = 0; a < 5; ++a) {
    const AttributeSet solution = UnionOfMaximalSets(schema.dependencies, schema.attributes, a);
    MaximalSetExerciseSession right;
    right.load(schema);
    Answer(right, AttributeSet::Of({a}), solution);
    EXPECT_EQ(right.judge(), std::optional<bool>(true)) << a;
    MaximalSetExerciseSession wrong;
    wrong.load(schema);
    Answer(wrong, AttributeSet::Of({a}), solution | AttributeSet::Of({a}));
    EXPECT_EQ(wrong.judge(), std::optional<bool>(false)) << a;
    wrong.conclude();
    EXPECT_FALSE(wrong.explanation().isEmpty());
  }
}

TEST(MaximalSetExercise, APickReplacesThePickBefore) {
  MaximalSetExerciseSession session;
  session.load(MakeSchema("ABC", "A->B"));
  session.setPicked(1, true);
  session.setPicked(2, true);
  EXPECT_EQ(session.picked(), Set("C"));
  EXPECT_EQ(session.fixPick(), Fixing::TaskSet);
  EXPECT_EQ(session.fixed(), Set("C"));
}

}  // namespace
