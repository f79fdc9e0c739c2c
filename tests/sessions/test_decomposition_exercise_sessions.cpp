// The decomposition exercise without widgets: each dependency's violation
// judged by the keys of the dependencies shown, and when nothing can be
// judged.

#include <gtest/gtest.h>

#include "DecompositionExerciseSession.h"
#include "Keys.h"
#include "SessionTests.h"

namespace {

using Phase = ExerciseSession::Phase;
using Violation = DecompositionExerciseSession::Violation;

// Ticks a row per letter: '3' violates 3NF, 'B' violates BCNF only, '-'
// neither.
void Tick(DecompositionExerciseSession& session, const std::string& rows) {
  for (std::size_t k = 0; k < rows.size(); ++k) {
    session.setTicked(k, Violation::ThirdNormalForm, rows[k] == '3');
    session.setTicked(k, Violation::BoyceCoddOnly, rows[k] == 'B');
  }
}

// The solution in the same letters.
std::string Solution(const DecompositionExerciseSession& session) {
  std::string out;
  for (std::size_t k = 0; k < session.rowCount(); ++k) {
    out += session.violates(k, Violation::ThirdNormalForm) ? '3'
           : session.violates(k, Violation::BoyceCoddOnly) ? 'B'
                                                           : '-';
  }
  return out;
}

TEST(DecompositionExercise, SolutionFollowsTheNormalFormOfEachDependency) {
  const struct {
    const char* letters;
    const char* deps;
    const char* solution;
  } cases[] = {
      // Key A: B -> C is transitive.
      {"ABC", "A->B; B->C", "-3"},
      // Keys AB and AC: C -> B has a prime right side.
      {"ABC", "AB->C; C->B", "-B"},
      // A trivial dependency violates nothing.
      {"AB", "AB->A", "-"},
      {"ABC", "", ""},
  };
  for (const auto& c : cases) {
    const Schema schema = MakeSchema(c.letters, c.deps);
    DecompositionExerciseSession session;
    session.load(schema);
    EXPECT_EQ(Solution(session), c.solution) << c.deps;
    // Against the model: the class of each dependency under all keys.
    const KeyList keys = ComputeKeys(schema.dependencies, schema.attributes);
    std::size_t k = 0;
    for (const Dependency& d : schema.dependencies) {
      const NormalFormClass form = DependencyNormalForm(d, keys, MarkNonPrimeAttributes(keys));
      EXPECT_EQ(session.violates(k, Violation::ThirdNormalForm),
                form == NormalFormClass::Violates3NF);
      EXPECT_EQ(session.violates(k, Violation::BoyceCoddOnly), form == NormalFormClass::ThirdOnly);
      ++k;
    }
    Tick(session, c.solution);
    EXPECT_EQ(session.judge(), std::optional<bool>(true)) << c.deps;
  }
}

TEST(DecompositionExercise, AnyWrongTickMakesTheAnswerWrong) {
  for (const char* ticks : {"--", "33", "-B", "B3"}) {
    DecompositionExerciseSession session;
    session.load(MakeSchema("ABC", "A->B; B->C"));
    Tick(session, ticks);
    EXPECT_EQ(session.judge(), std::optional<bool>(false)) << ticks;
    session.conclude();
    EXPECT_FALSE(session.explanation().isEmpty()) << ticks;
    EXPECT_EQ(session.score(), (ExerciseSession::Score{0, 1}));
    session.retry();
    EXPECT_FALSE(session.isTicked(1, Violation::ThirdNormalForm));
  }
}

TEST(DecompositionExercise, NoTaskNoVerdict) {
  DecompositionExerciseSession session;
  ExpectNoVerdictWithoutTask(session, MakeSchema("ABC", "A->B; B->C"),
                             [](const auto& s) { return s.rowCount() != 0; });
}

}  // namespace
