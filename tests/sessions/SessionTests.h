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
