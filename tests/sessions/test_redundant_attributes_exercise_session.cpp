// The redundant attributes exercise without widgets: each left-hand
// attribute judged against the model's redundancy test, the reduced list,
// and when nothing can be judged.

#include <gtest/gtest.h>

#include "Redundance.h"
#include "RedundantAttributesExerciseSession.h"
#include "SessionTests.h"

namespace {

using Mark = RedundantAttributesExerciseSession::Mark;
using Phase = ExerciseSession::Phase;

// Marks the items whose position holds 'X'.
void MarkItems(RedundantAttributesExerciseSession& session, const std::string& marks) {
  for (std::size_t k = 0; k < marks.size(); ++k) {
    if (marks[k] == 'X') session.toggle(k);
  }
}

TEST(RedundantAttributesExercise, JudgesEachAttributeAgainstTheWholeList) {
  const struct {
    const char* deps;
    const char* marks;
    bool right;
    const char* reduced;
  } cases[] = {
      // Both attributes of A + B -> C can go, each judged alone.
      {"A->C; B->C; AB->C", "..XX", true, "A->C; B->C; B->C"},
      {"A->C; B->C; AB->C", "..X.", false, "A->C; B->C; B->C"},
      {"A->C; B->C; AB->C", "X.XX", false, "A->C; B->C; B->C"},
      {"A->B; B->C", "..", true, "A->B; B->C"},
      {"AB->C; A->B", ".X.", true, "A->C; A->B"},
      // The right side follows from nothing: the lone attribute can go too.
      {"->C; A->C; AB->C", "XXX", true, "->C; ->C; ->C"},
  };
  for (const auto& c : cases) {
    RedundantAttributesExerciseSession session;
    session.load(MakeSchema("ABC", c.deps));
    MarkItems(session, c.marks);
    EXPECT_EQ(session.judge(), std::optional<bool>(c.right)) << c.deps << " " << c.marks;
    session.conclude();
    EXPECT_EQ(DepsText(session.reduced()), DepsText(Deps(c.reduced))) << c.deps;
    EXPECT_EQ(session.explanation().isEmpty(), c.right) << c.deps << " " << c.marks;
  }
}

// An item is redundant exactly when the model finds the attribute
// redundant in its dependency; a schema without dependencies has no items.
TEST(RedundantAttributesExercise, ItemsFollowTheModel) {
  for (const char* deps : {"AB->C; C->D; D->B; A->D", "ABC->D; A->B; B->C", "->A; AB->C", ""}) {
    const Schema schema = MakeSchema("ABCD", deps);
    RedundantAttributesExerciseSession session;
    session.load(schema);
    std::size_t k = 0;
    std::size_t d = 0;
    for (const Dependency& dependency : schema.dependencies) {
      const AttributeSet redundant = RedundantLhsAttributes(dependency, schema.dependencies);
      for (int i = 0; i < MaxAttributes && dependency.lhs[i] != NoAttribute; ++i, ++k) {
        const auto& item = session.items().at(k);
        EXPECT_EQ(item.dependency, d);
        EXPECT_EQ(item.attribute, dependency.lhs[i]);
        EXPECT_EQ(item.redundant, redundant.Has(dependency.lhs[i])) << deps;
      }
      ++d;
    }
    EXPECT_EQ(session.items().size(), k);
    EXPECT_EQ(session.phase(), Phase::Answering);
  }
}

TEST(RedundantAttributesExercise, RetryDropsTheMarks) {
  RedundantAttributesExerciseSession session;
  session.load(MakeSchema("ABC", "A->C; B->C; AB->C"));
  MarkItems(session, "X.XX");
  session.conclude();
  // A checked answer no longer changes.
  session.toggle(1);
  EXPECT_EQ(session.items()[1].mark, Mark::Kept);
  session.retry();
  EXPECT_EQ(session.phase(), Phase::Answering);
  EXPECT_EQ(session.items()[0].mark, Mark::Kept);
  MarkItems(session, "..XX");
  session.conclude();
  EXPECT_EQ(session.score(), (ExerciseSession::Score{1, 2}));
}

TEST(RedundantAttributesExercise, NoTaskNoVerdict) {
  RedundantAttributesExerciseSession session;
  ExpectNoVerdictWithoutTask(session, MakeSchema("ABC", "A->C; B->C; AB->C"),
                             [](const auto& s) { return !s.items().empty(); });
}

}  // namespace
