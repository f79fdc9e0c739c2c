#pragma once

// Shared steps of the session tests.

#include <gtest/gtest.h>

#include <string>

#include "ExerciseSession.h"
#include "SchemaText.h"

inline Schema MakeSchema(const std::string& letters, const std::string& deps) {
  Schema schema;
  schema.SetAttributes(Names(letters));
  schema.ReplaceDependencies(Deps(deps));
  return schema;
}

// Whatever calls the check of an exercise without a task, it judges and
// scores nothing.
template <typename Session>
void ExpectNoVerdict(Session& session) {
  const ExerciseSession::Score before = session.score();
  EXPECT_FALSE(session.canCheck());
  EXPECT_EQ(session.judge(), std::nullopt);
  session.conclude();
  EXPECT_NE(session.phase(), ExerciseSession::Phase::Checked);
  EXPECT_EQ(session.score(), before);
}

// Nothing is judged or scored without a task: after a reset, after the
// schema changed, and for a schema without attributes. `hasItems` tells
// whether the session holds the items of a task.
template <typename Session, typename HasItems>
void ExpectNoVerdictWithoutTask(Session& session, const Schema& schema, HasItems hasItems) {
  session.load(schema);
  session.clear();
  EXPECT_FALSE(hasItems(session));
  ExpectNoVerdict(session);

  session.load(schema);
  session.markOutOfDate();
  EXPECT_TRUE(session.isOutOfDate());
  ExpectNoVerdict(session);

  session.load(MakeSchema("", ""));
  EXPECT_FALSE(session.isOutOfDate());
  EXPECT_FALSE(hasItems(session));
  ExpectNoVerdict(session);
}
