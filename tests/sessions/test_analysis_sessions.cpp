// The analysis windows' states and steps without widgets: what each step
// finds, in which order, and what it says when there is nothing to find.

#include <gtest/gtest.h>

#include "KeysSession.h"
#include "SchemaText.h"

namespace {

Schema MakeSchema(const std::string& letters, const std::string& deps) {
  Schema schema;
  schema.SetAttributes(Names(letters));
  schema.ReplaceDependencies(Deps(deps));
  return schema;
}

using KeysOutcome = KeysSession::Outcome;

// The first key by elimination, the further ones in the order
// Lucchesi-Osborn finds them; every step again answers again.
TEST(KeysSession, FindsTheKeysInTheirOrder) {
  const struct {
    const char* names;
    const char* deps;
    std::vector<std::string> keys;
  } cases[] = {
      {"ABC", "", {"ABC"}},
      {"ABC", "A->B; B->C; C->A", {"C", "B", "A"}},
      {"ABCD", "AC->D; D->A; C->B; AB->C", {"AC", "CD", "AB", "BD"}},
      {"ABCDEFGHIJKLMNOPQRST", "A->BCDEFGHIJKLMNOPQRS", {"AT"}},
      {"AB", "->A; ->B", {""}},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.deps);
    KeysSession session;
    session.load(MakeSchema(c.names, c.deps));
    EXPECT_EQ(session.findFirstKey(), KeysOutcome::Shown);
    EXPECT_EQ(session.findFirstKey(), KeysOutcome::AlreadyShown);
    EXPECT_EQ(KeyLetters(session.keys()), std::vector<std::string>{c.keys.front()});
    const KeysOutcome further = c.keys.size() > 1 ? KeysOutcome::Shown : KeysOutcome::NoFurtherKeys;
    EXPECT_EQ(session.findFurtherKeys(), further);
    EXPECT_EQ(session.findFurtherKeys(),
              c.keys.size() > 1 ? KeysOutcome::AlreadyShown : KeysOutcome::NoFurtherKeys);
    EXPECT_EQ(KeyLetters(session.keys()), c.keys);
  }
}

TEST(KeysSession, FurtherKeysNeedTheFirstAndTheFirstNeedsAttributes) {
  KeysSession session;
  session.load(MakeSchema("", ""));
  EXPECT_EQ(session.findFurtherKeys(), KeysOutcome::FirstKeyMissing);
  EXPECT_EQ(session.findFirstKey(), KeysOutcome::NoData);
  EXPECT_TRUE(session.keys().empty());
}

// The keys belong to the copy taken at load: a later change of the live
// schema marks them out of date, and loading again starts afresh.
TEST(KeysSession, KeysBelongToTheSchemaLoaded) {
  KeysSession session;
  int changes = 0;
  QObject::connect(&session, &KeysSession::keysChanged, [&changes] { ++changes; });
  session.load(MakeSchema("ABC", "A->B; B->C"));
  session.markOutOfDate();
  session.findFirstKey();
  EXPECT_EQ(KeyLetters(session.keys()), std::vector<std::string>{"A"});
  EXPECT_TRUE(session.isOutOfDate());

  session.load(MakeSchema("ABC", "C->A; C->B"));
  EXPECT_FALSE(session.isOutOfDate());
  EXPECT_TRUE(session.keys().empty());
  EXPECT_EQ(changes, 2);
  session.findFirstKey();
  EXPECT_EQ(KeyLetters(session.keys()), std::vector<std::string>{"C"});
}

}  // namespace
