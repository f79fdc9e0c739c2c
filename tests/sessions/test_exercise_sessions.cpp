// The exercises' states and steps without widgets: what can be checked when,
// what is scored, and what the solution says.

#include <gtest/gtest.h>

#include "RedundantDependenciesExerciseSession.h"
#include "SessionTests.h"

namespace {

using Phase = ExerciseSession::Phase;

TEST(RedundantDependenciesExercise, JudgesEachDependencyAgainstTheWholeList) {
  RedundantDependenciesExerciseSession session;
  session.load(MakeSchema("ABC", "A->B; B->C; A->C"));
  ASSERT_EQ(session.phase(), Phase::Answering);
  ASSERT_EQ(session.rowCount(), 3u);
  EXPECT_FALSE(session.isRedundant(0));
  EXPECT_FALSE(session.isRedundant(1));
  EXPECT_TRUE(session.isRedundant(2));

  session.setTicked(0, true);
  EXPECT_EQ(session.judge(), std::optional<bool>(false));
  session.conclude();
  EXPECT_EQ(session.phase(), Phase::Checked);
  EXPECT_EQ(session.score(), (ExerciseSession::Score{0, 1}));
  EXPECT_TRUE(session.isWrong(0));
  EXPECT_TRUE(session.isWrong(2));
  EXPECT_FALSE(session.explanation().isEmpty());
  // Ticks of a checked answer no longer change.
  session.setTicked(1, true);
  EXPECT_FALSE(session.isTicked(1));

  session.retry();
  EXPECT_EQ(session.phase(), Phase::Answering);
  session.setTicked(2, true);
  EXPECT_EQ(session.judge(), std::optional<bool>(true));
  session.conclude();
  EXPECT_EQ(session.score(), (ExerciseSession::Score{1, 2}));
}

TEST(RedundantDependenciesExercise, NoTaskNoVerdict) {
  RedundantDependenciesExerciseSession session;
  ExpectNoVerdictWithoutTask(session, MakeSchema("ABC", "A->B; B->C; A->C"),
                             [](const auto& s) { return s.rowCount() != 0; });
}

}  // namespace
