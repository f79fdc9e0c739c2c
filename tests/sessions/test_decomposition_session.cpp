// The decomposition window's steps without widgets: splits that can be
// undone, the schema whose details are shown, and a fresh start.

#include <gtest/gtest.h>

#include "DecompositionSession.h"
#include "SchemaText.h"
#include "SessionTests.h"

namespace {

const DecompositionSession::Consent kYes = [](DecompositionQuestion) { return true; };
const DecompositionSession::Consent kNo = [](DecompositionQuestion) { return false; };

// Shows the schema in `slot` and splits it by its dependency written as in
// Deps.
DecompositionOutcome Split(DecompositionSession& session, int slot, const std::string& dep,
                           const DecompositionSession::Consent& consent = kYes) {
  session.showSchema(slot);
  int position = 0;
  for (const Dependency& d : session.state().schemas[slot].dependencies) {
    if (DepsText(DependencyList{d}) == dep) return session.splitShownSchema(position, consent);
    ++position;
  }
  ADD_FAILURE() << dep << " not in slot " << slot;
  return DecompositionOutcome::Unchanged;
}

SlotState StateOf(const DecompositionSession& session, int slot) {
  return session.state().schemas[slot].state;
}

TEST(DecompositionSession, SplitsCanBeUndoneAndRedoneUntilAnotherStep) {
  DecompositionSession session;
  session.load(MakeSchema("ABCDEF", "A->B; B->C; C->D; D->E; E->F"));
  ASSERT_EQ(Split(session, 0, "D->E"), DecompositionOutcome::Done);
  ASSERT_EQ(Split(session, 2, "B->C"), DecompositionOutcome::Done);
  QUndoStack& splits = session.splits();
  ASSERT_EQ(splits.count(), 2);

  splits.undo();
  EXPECT_EQ(StateOf(session, 5), SlotState::Empty);
  EXPECT_EQ(StateOf(session, 2), SlotState::Current);
  EXPECT_EQ(Letters(session.state().schemas[2].member), "ABCD");
  splits.undo();
  EXPECT_EQ(StateOf(session, 1), SlotState::Empty);
  EXPECT_FALSE(splits.canUndo());
  splits.redo();
  EXPECT_EQ(StateOf(session, 1), SlotState::Current);
  EXPECT_EQ(StateOf(session, 0), SlotState::Replaced);

  // A declined question leaves the tree and the splits as they are.
  const std::string before = session.state().splitLabel[0];
  EXPECT_EQ(Split(session, 0, "B->C", kNo), DecompositionOutcome::Unchanged);
  EXPECT_EQ(session.state().splitLabel[0], before);
  EXPECT_EQ(splits.index(), 1);

  // Added schemas change the tree another way: the splits before it stay.
  session.addUncoveredSchemas(kYes);
  EXPECT_EQ(splits.count(), 0);
}

// The details follow the schema shown: they go with it and come back
// afresh when an undo or redo leaves it in place.
TEST(DecompositionSession, TheShownSchemaGoesWithItsSlot) {
  DecompositionSession session;
  int detailsShown = 0;
  QObject::connect(&session, &DecompositionSession::shownSchemaChanged,
                   [&detailsShown] { ++detailsShown; });
  session.load(MakeSchema("ABCDEF", "A->B; B->C; C->D; D->E; E->F"));
  EXPECT_EQ(session.shownSlot(), std::nullopt);
  Split(session, 0, "D->E");
  Split(session, 2, "B->C");
  session.showSchema(5);
  detailsShown = 0;
  session.splits().undo();
  EXPECT_EQ(session.shownSlot(), std::nullopt);
  EXPECT_EQ(detailsShown, 1);
  session.splits().redo();
  // Slot 5 holds its schema again, but the student did not choose it again.
  EXPECT_EQ(session.shownSlot(), std::nullopt);

  session.showSchema(2);
  session.splits().undo();
  EXPECT_EQ(session.shownSlot(), 2);
  EXPECT_EQ(detailsShown, 3);

  // An empty slot has no details to show.
  session.showSchema(13);
  EXPECT_EQ(session.shownSlot(), 2);
}

TEST(DecompositionSession, AddedSchemasTakeAVanishedProjectionsDetails) {
  DecompositionSession session;
  session.load(MakeSchema("ABCD", "CA->D; A->D; C->D"));
  Split(session, 0, "CA->D");  // 1 = ACD, 2 = ABC
  Split(session, 1, "A->D");   // 3 = AD, 4 = AC
  ASSERT_EQ(session.addProjectionSchemas(), DecompositionOutcome::Done);
  const int projection = session.state().firstProjectionSlot;
  ASSERT_EQ(session.state().numberLabel[projection],
            (NumberLabel{std::nullopt, {NumberLabel{2, {}}, NumberLabel{4, {}}}}));
  session.showSchema(projection);

  EXPECT_EQ(session.addUncoveredSchemas(kNo), DecompositionOutcome::Unchanged);
  EXPECT_EQ(session.shownSlot(), projection);
  EXPECT_EQ(session.addUncoveredSchemas(kYes), DecompositionOutcome::Done);
  EXPECT_EQ(ProjectionCount(session.state()), 0);
  EXPECT_EQ(session.shownSlot(), std::nullopt);
}

TEST(DecompositionSession, LoadingStartsAfreshAndClosingEmptiesEverything) {
  DecompositionSession session;
  session.load(MakeSchema("ABC", "A->B; B->C"));
  Split(session, 0, "B->C");
  session.markOutOfDate();
  session.load(MakeSchema("ABC", "A->B; B->C"));
  EXPECT_FALSE(session.isOutOfDate());
  EXPECT_EQ(session.shownSlot(), std::nullopt);
  EXPECT_EQ(session.splits().count(), 0);
  EXPECT_EQ(StateOf(session, 1), SlotState::Empty);
  // Numbering starts again.
  Split(session, 0, "B->C");
  EXPECT_EQ(session.state().numberLabel[1], (NumberLabel{1, {}}));

  session.close();
  EXPECT_FALSE(session.hasSchema());
  EXPECT_EQ(session.shownSlot(), std::nullopt);
  EXPECT_EQ(session.splits().count(), 0);
  EXPECT_EQ(StateOf(session, 0), SlotState::Empty);
}

}  // namespace
