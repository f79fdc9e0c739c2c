// The synthesis window's state and steps without widgets: what it starts
// from, which steps it refuses, and which schema it shows.

#include <gtest/gtest.h>

#include "Keys.h"
#include "SchemaText.h"
#include "SynthesisSession.h"

namespace {

Schema MakeSchema(const std::string& letters, const std::string& deps) {
  Schema schema;
  schema.SetAttributes(Names(letters));
  schema.ReplaceDependencies(Deps(deps));
  schema.keys = ComputeKeys(schema.dependencies, schema.attributes);
  return schema;
}

// The session starts from a minimal cover of a copy, with the keys last
// computed; the schema it was given keeps its list.
TEST(SynthesisSession, StartsFromAMinimalCoverOfACopy) {
  const Schema schema = MakeSchema("ABC", "AC->B; B->C; A->C");
  SynthesisSession session;
  session.markOutOfDate();
  session.load(schema);
  EXPECT_FALSE(session.isOutOfDate());
  EXPECT_EQ(DepsText(session.state().schemas[0].dependencies), "A->B; B->C");
  EXPECT_EQ(KeyLetters(session.state().schemas[0].keys), std::vector<std::string>{"A"});
  EXPECT_EQ(DepsText(schema.dependencies), "AC->B; B->C; A->C");
  EXPECT_TRUE(session.hasSchema());

  session.load(MakeSchema("", ""));
  EXPECT_FALSE(session.hasSchema());
}

// A merge runs only where its check allows it, whatever the caller answers;
// every step that ran says the slots changed.
TEST(SynthesisSession, MergeOnlyAfterTheSplit) {
  SynthesisSession session;
  int changes = 0;
  QObject::connect(&session, &SynthesisSession::slotsChanged, [&changes] { ++changes; });
  session.load(MakeSchema("ABCD", "A->B; B->A; A->C; C->D"));
  ASSERT_EQ(changes, 1);
  EXPECT_EQ(session.mergeEquivalentKeys(EarlierProjections::Undo), SynthesisOutcome::SplitFirst);
  EXPECT_EQ(changes, 1);
  EXPECT_EQ(MergedCount(session.state()), 0);

  session.splitByLeftSides();
  EXPECT_EQ(session.mergeEquivalentKeys(EarlierProjections::Undo), SynthesisOutcome::Done);
  EXPECT_EQ(MergedCount(session.state()), 1);
  EXPECT_EQ(changes, 3);
  EXPECT_EQ(session.checkMerge().outcome, SynthesisOutcome::MergeAlreadyShown);
}

TEST(SynthesisSession, ShowsOnlyASchemaItHolds) {
  SynthesisSession session;
  session.load(MakeSchema("ABCD", "A->B; C->D"));
  EXPECT_FALSE(session.showSchema(1));
  session.splitByLeftSides();
  ASSERT_TRUE(session.showSchema(3));
  EXPECT_EQ(Letters(session.shownSchema().member), "AC");
  EXPECT_FALSE(session.showSchema(-1));
  EXPECT_FALSE(session.showSchema(SlotCount(session.state())));
  EXPECT_EQ(Letters(session.shownSchema().member), "AC");

  session.clear();
  EXPECT_EQ(SlotCount(session.state()), 1);
  EXPECT_FALSE(session.hasSchema());
}

}  // namespace
