// Practice on schemas made for the exercise: every exercise gets a task
// worth doing on each of many schemas, the score goes on across them, and
// the document's changes leave them alone.

#include <gtest/gtest.h>

#include <functional>
#include <memory>
#include <random>

#include "ClosureExerciseSession.h"
#include "DecompositionExerciseSession.h"
#include "KeysExerciseSession.h"
#include "MaximalSetExerciseSession.h"
#include "OwnDecompositionExerciseSession.h"
#include "RedundantAttributesExerciseSession.h"
#include "RedundantDependenciesExerciseSession.h"
#include "SessionTests.h"

namespace {

using Phase = ExerciseSession::Phase;

// Varied draws, the same in every run.
class SeededRandom final : public RandomSource {
 public:
  int Random(int range) override {
    return range < 1 ? 0 : static_cast<int>(engine_() % static_cast<unsigned>(range));
  }

 private:
  std::mt19937 engine_{7};
};

bool SmallSchema(const std::vector<AttributeIndex>& offered) {
  return offered.size() >= 5 && offered.size() <= 8;
}

template <typename Rows>
bool AnyRow(std::size_t count, Rows row) {
  for (std::size_t r = 0; r < count; ++r) {
    if (row(r)) return true;
  }
  return false;
}

struct Practice {
  const char* name;
  std::function<std::unique_ptr<ExerciseSession>(RandomSource&)> make;
  // The task is there and worth doing.
  std::function<bool(const ExerciseSession&)> fits;
};

template <typename Session>
const Session& As(const ExerciseSession& session) {
  return dynamic_cast<const Session&>(session);
}

TEST(Practice, EveryExerciseGetsATaskWorthDoingOnEachSchema) {
  const Practice practices[] = {
      {"closure", [](RandomSource&) { return std::make_unique<ClosureExerciseSession>(); },
       [](const ExerciseSession& s) {
         return As<ClosureExerciseSession>(s).isPicking() &&
                SmallSchema(As<ClosureExerciseSession>(s).offered());
       }},
      {"maximal sets", [](RandomSource&) { return std::make_unique<MaximalSetExerciseSession>(); },
       [](const ExerciseSession& s) {
         return As<MaximalSetExerciseSession>(s).isPicking() &&
                SmallSchema(As<MaximalSetExerciseSession>(s).offered());
       }},
      {"keys", [](RandomSource& r) { return std::make_unique<KeysExerciseSession>(r); },
       [](const ExerciseSession& s) {
         return As<KeysExerciseSession>(s).hasCandidates() && s.canCheck();
       }},
      {"redundant attributes",
       [](RandomSource&) { return std::make_unique<RedundantAttributesExerciseSession>(); },
       [](const ExerciseSession& s) {
         const auto& items = As<RedundantAttributesExerciseSession>(s).items();
         return s.canCheck() &&
                AnyRow(items.size(), [&](std::size_t k) { return items[k].redundant; });
       }},
      {"redundant dependencies",
       [](RandomSource&) { return std::make_unique<RedundantDependenciesExerciseSession>(); },
       [](const ExerciseSession& s) {
         const auto& e = As<RedundantDependenciesExerciseSession>(s);
         return s.canCheck() &&
                AnyRow(e.rowCount(), [&](std::size_t k) { return e.isRedundant(k); });
       }},
      {"decomposition",
       [](RandomSource&) { return std::make_unique<DecompositionExerciseSession>(); },
       [](const ExerciseSession& s) {
         using V = DecompositionExerciseSession::Violation;
         const auto& e = As<DecompositionExerciseSession>(s);
         return s.canCheck() && AnyRow(e.rowCount(), [&](std::size_t k) {
                  return e.violates(k, V::ThirdNormalForm) || e.violates(k, V::BoyceCoddOnly);
                });
       }},
      {"own decomposition",
       [](RandomSource&) { return std::make_unique<OwnDecompositionExerciseSession>(); },
       [](const ExerciseSession& s) {
         return SmallSchema(As<OwnDecompositionExerciseSession>(s).offered());
       }},
  };
  SeededRandom random;
  for (const Practice& practice : practices) {
    SCOPED_TRACE(practice.name);
    const std::unique_ptr<ExerciseSession> session = practice.make(random);
    for (int k = 0; k < 200; ++k) {
      ASSERT_EQ(session->practise(random), std::nullopt) << "schema " << k;
      ASSERT_TRUE(session->isPractising());
      ASSERT_TRUE(practice.fits(*session)) << "schema " << k;
    }
  }
}

TEST(Practice, ScoreGoesOnAndTheDocumentLeavesThePracticeSchemaAlone) {
  SeededRandom random;
  RedundantDependenciesExerciseSession session;
  session.load(MakeSchema("ABC", "A->B; B->C; A->C"));
  session.conclude();
  ASSERT_EQ(session.score().attempted, 1);

  ASSERT_EQ(session.practise(random), std::nullopt);
  EXPECT_EQ(session.score().attempted, 1);
  // The document changed.
  session.markOutOfDate();
  EXPECT_FALSE(session.isOutOfDate());
  ASSERT_TRUE(session.canCheck());
  session.conclude();
  EXPECT_EQ(session.score().attempted, 2);

  // Loaded from the document again, the exercise follows its changes.
  session.load(MakeSchema("ABC", "A->B; B->C; A->C"));
  EXPECT_FALSE(session.isPractising());
  session.markOutOfDate();
  EXPECT_TRUE(session.isOutOfDate());
  ExpectNoVerdict(session);
  EXPECT_EQ(session.score().attempted, 2);
}

}  // namespace
