// The keys exercise without widgets: the candidates drawn, each judged by
// the keys the model finds, and when nothing can be judged.

#include <gtest/gtest.h>

#include <algorithm>
#include <deque>
#include <random>

#include "Keys.h"
#include "KeysExerciseSession.h"
#include "SessionTests.h"

namespace {

using Phase = ExerciseSession::Phase;

// Draws the numbers given, then from a seeded generator.
class FixedRandom final : public RandomSource {
 public:
  explicit FixedRandom(std::deque<int> values = {}, unsigned seed = 1)
      : values_(std::move(values)), generator_(seed) {}
  int Random(int range) override {
    if (range < 1) return 0;
    if (values_.empty()) return static_cast<int>(generator_() % static_cast<unsigned>(range));
    const int value = values_.front();
    values_.pop_front();
    return value;
  }

 private:
  std::deque<int> values_;
  std::mt19937 generator_;
};

// Keys {A, C}, {C, D}, {A, B}, {B, D}.
const char* const kFourKeys = "AC->D; D->A; C->B; AB->C";

// Position 1 shows the key {A, B}; the others draw C D (a key) and A B C.
std::deque<int> Draws() {
  return {1, 2, 0, 0, 1, 1, 1, 1, 1, 0};
}

void Tick(KeysExerciseSession& session, const std::string& ticks) {
  for (int c = 0; c < KeyCandidateCount; ++c)
    session.setTicked(c, ticks[c] == '1');
}

TEST(KeysExercise, JudgesEveryCandidate) {
  const struct {
    const char* ticks;
    bool right;
  } cases[] = {
      // The random candidate equal to a key needs its tick too.
      {"110", true},
      {"010", false},
      // A superset of a key is no key.
      {"111", false},
      {"000", false},
  };
  for (const auto& c : cases) {
    FixedRandom random(Draws());
    KeysExerciseSession session(random);
    session.load(MakeSchema("ABCD", kFourKeys));
    ASSERT_EQ(session.phase(), Phase::Answering);
    EXPECT_EQ(Letters(session.candidate(0)) + Letters(session.candidate(1)) +
                  Letters(session.candidate(2)),
              "CDABABC");
    Tick(session, c.ticks);
    EXPECT_EQ(session.judge(), std::optional<bool>(c.right)) << c.ticks;
    session.conclude();
    EXPECT_EQ(session.explanation().isEmpty(), c.right) << c.ticks;
  }
}

// Whatever is drawn, a candidate is a key exactly when the model lists it
// among the keys, and ticking exactly the keys is the right answer; without
// dependencies the one key is the whole schema.
TEST(KeysExercise, CandidatesAreKeysExactlyWhenTheModelSaysSo) {
  for (const char* deps : {kFourKeys, "A->B; B->C", "", "->A; ->B"}) {
    const Schema schema = MakeSchema("ABCD", deps);
    const KeyList keys = ComputeKeys(schema.dependencies, schema.attributes);
    for (unsigned seed = 1; seed <= 20; ++seed) {
      FixedRandom random({}, seed);
      KeysExerciseSession session(random);
      session.load(schema);
      std::string ticks;
      for (int c = 0; c < KeyCandidateCount; ++c) {
        const bool isKey = std::any_of(keys.begin(), keys.end(), [&](const KeyRecord& key) {
          return key.member == session.candidate(c);
        });
        EXPECT_EQ(session.isKey(c), isKey) << deps << " " << Letters(session.candidate(c));
        ticks += isKey ? '1' : '0';
      }
      Tick(session, ticks);
      EXPECT_EQ(session.judge(), std::optional<bool>(true)) << deps;
    }
  }
}

TEST(KeysExercise, ANewTaskDrawsAgainAndScoresOnward) {
  FixedRandom random(Draws());
  KeysExerciseSession session(random);
  session.load(MakeSchema("ABCD", kFourKeys));
  Tick(session, "110");
  session.conclude();
  EXPECT_EQ(session.score(), (ExerciseSession::Score{1, 1}));
  // A checked answer no longer changes.
  session.setTicked(2, true);
  EXPECT_FALSE(session.isTicked(2));
  session.startNewTask();
  EXPECT_EQ(session.phase(), Phase::Answering);
  EXPECT_FALSE(session.isTicked(0));
  session.conclude();
  EXPECT_EQ(session.score().attempted, 2);
}

TEST(KeysExercise, NoTaskNoVerdict) {
  FixedRandom random;
  KeysExerciseSession session(random);
  session.load(MakeSchema("ABCD", kFourKeys));
  session.clear();
  EXPECT_FALSE(session.hasCandidates());
  ExpectNoVerdict(session);

  session.load(MakeSchema("ABCD", kFourKeys));
  session.markOutOfDate();
  ExpectNoVerdict(session);
  EXPECT_FALSE(session.canStartNewTask());
  session.startNewTask();
  ExpectNoVerdict(session);

  session.load(MakeSchema("", ""));
  EXPECT_FALSE(session.hasCandidates());
  ExpectNoVerdict(session);
}

}  // namespace
