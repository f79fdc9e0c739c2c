// The analysis windows' states and steps without widgets: what each step
// finds, in which order, and what it says when there is nothing to find.

#include <gtest/gtest.h>

#include <random>
#include <set>

#include "BruteForce.h"
#include "KeysSession.h"
#include "MaximalSetsSession.h"
#include "RedundantAttributesSession.h"
#include "RedundantDependenciesSession.h"
#include "Renumbering.h"
#include "SchemaDocument.h"
#include "SchemaListing.h"
#include "SchemaText.h"
#include "SessionTests.h"

namespace {

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

// The results belong to the copy taken at load, and each test answers only
// once its maximal sets are computed.
TEST(MaximalSetsSession, ResultsBelongToTheSchemaLoadedAndComeInOrder) {
  MaximalSetsSession session;
  session.load(MakeSchema("ABC", "A->B"));
  EXPECT_EQ(session.isPrime(), std::nullopt);
  EXPECT_EQ(session.isInBcnf(), std::nullopt);
  EXPECT_FALSE(session.computeAttribute(3));
  EXPECT_EQ(session.chosenAttribute(), std::nullopt);

  session.markOutOfDate();
  ASSERT_TRUE(session.computeAttribute(1));
  EXPECT_EQ(session.maxOfAListing().lines, std::vector<std::string>{"{ C}"});
  EXPECT_EQ(session.isPrime(), std::optional<bool>(false));
  // A failed choice keeps the attribute computed before.
  EXPECT_FALSE(session.computeAttribute(7));
  EXPECT_EQ(session.chosenAttribute(), std::optional<AttributeIndex>(1));
  session.computeMaxFamily();
  EXPECT_EQ(session.isInBcnf(), std::optional<bool>(false));

  session.clear();
  EXPECT_EQ(session.isPrime(), std::nullopt);
  EXPECT_EQ(session.isInBcnf(), std::nullopt);
  EXPECT_EQ(session.attributeCount(), 0);
  session.load(MakeSchema("AB", ""));
  EXPECT_FALSE(session.isOutOfDate());
  session.computeAttribute(0);
  EXPECT_EQ(session.isPrime(), std::optional<bool>(true));
}

using RowState = RedundancyFindingsSession::RowState;

void Follow(SchemaDocument& document, ToolSession& session) {
  QObject::connect(&document, &SchemaDocument::changed, &session, &ToolSession::markOutOfDate);
}

// The live schema and a session on it, told of every change as the owner
// tells it.
template <typename Session>
struct Live {
  SchemaDocument document;
  Session session{document};

  Live(const std::string& letters, const std::string& deps) {
    Follow(document, session);
    document.SetAttributes(Names(letters));
    document.ReplaceDependencies(Deps(deps));
  }
  std::vector<std::string> shown() const {
    std::vector<std::string> out;
    for (const RedundancyFindingsSession::Row& row : session.rows())
      out.push_back(row.dependency);
    return out;
  }
  std::vector<RowState> states() const {
    std::vector<RowState> out;
    for (const RedundancyFindingsSession::Row& row : session.rows())
      out.push_back(row.state);
    return out;
  }
};

TEST(RedundantAttributesSession, DeletesAndRetiresTheRowsItNoLongerNeeds) {
  Live<RedundantAttributesSession> live("ABCD", "A->C; B->C; AB->C; AD->B; A->B");
  ASSERT_TRUE(live.session.load());
  std::string attributes;
  for (const RedundancyFindingsSession::Row& row : live.session.rows())
    attributes += static_cast<char>('A' + row.attribute);
  EXPECT_EQ(attributes, "ABD");
  EXPECT_EQ(live.shown(), (std::vector<std::string>{"A + B -> C", "A + B -> C", "A + D -> B"}));

  // Without A, the record keeps B, which is no longer redundant.
  const RedundancyFindingsSession::Deletion deletion = live.session.erase(0);
  EXPECT_EQ(deletion.noLongerRedundant, 1);
  EXPECT_FALSE(deletion.noneLeft);
  EXPECT_EQ(DepsText(live.document.dependencies()), "A->C; B->C; B->C; AD->B; A->B");
  EXPECT_EQ(live.states(), (std::vector<RowState>{RowState::Deleted, RowState::NoLongerRedundant,
                                                  RowState::Redundant}));
  // A retired row keeps the dependency it showed; a row of the same record
  // shows it as it is now.
  EXPECT_EQ(live.shown(), (std::vector<std::string>{"A + B -> C", "B -> C", "A + D -> B"}));
  EXPECT_EQ(live.session.erase(1).noLongerRedundant, 0);
  EXPECT_TRUE(live.session.erase(2).noneLeft);
  EXPECT_TRUE(live.document.dirty());
  EXPECT_EQ(live.session.close(), (std::vector<std::string>{"A -> C", "B -> C", "B -> C", "A -> B",
                                                            "A -> B", "----------------------"}));
  EXPECT_TRUE(live.session.rows().empty());
}

// B follows from nothing, so the lone A of A -> B can go as well.
TEST(RedundantAttributesSession, ALeftSideCanBeDeletedToNothing) {
  Live<RedundantAttributesSession> live("AB", "A->B; ->A");
  ASSERT_TRUE(live.session.load());
  EXPECT_EQ(live.shown(), std::vector<std::string>{"A -> B"});
  EXPECT_TRUE(live.session.erase(0).noneLeft);
  EXPECT_EQ(DepsText(live.document.dependencies()), "->B; ->A");
}

// A change made elsewhere lists the findings again, so that no row acts on
// a record or an attribute number that has moved.
TEST(RedundantAttributesSession, RowsFollowChangesMadeElsewhere) {
  Live<RedundantAttributesSession> live("XABC", "C->D; BC->D");
  int refills = 0;
  QObject::connect(&live.session, &RedundancyFindingsSession::refilled, [&refills] { ++refills; });
  ASSERT_TRUE(live.session.load());
  EXPECT_EQ(live.shown(), std::vector<std::string>{"A + B -> C"});
  // X goes: every other attribute moves one slot down.
  AttributeMap moved{};
  moved.fill(NoAttribute);
  for (AttributeIndex a = 1; a < 4; ++a)
    moved[a] = a - 1;
  live.document.EditAttributes(Names("ABC"), moved);
  EXPECT_EQ(refills, 1);
  live.session.erase(0);
  EXPECT_EQ(DepsText(live.document.dependencies()), "B->C; B->C");

  // New records of the same shape.
  live.document.ReplaceDependencies(Deps("A->C; B->C; AB->C"));
  EXPECT_EQ(refills, 2);
  live.session.erase(0);
  EXPECT_EQ(DepsText(live.document.dependencies()), "A->C; B->C; B->C");
  // A closed session follows nothing.
  live.session.close();
  live.document.ReplaceDependencies(Deps("A->C; AB->C"));
  EXPECT_EQ(refills, 2);
  EXPECT_TRUE(live.session.rows().empty());
}

TEST(RedundantDependenciesSession, DeletingTheHeadOfTheList) {
  Live<RedundantDependenciesSession> live("ABC", "A->C; A->B; B->C");
  ASSERT_TRUE(live.session.load());
  EXPECT_EQ(live.shown(), std::vector<std::string>{"A -> C"});
  EXPECT_TRUE(live.session.erase(0).noneLeft);
  EXPECT_EQ(DepsText(live.document.dependencies()), "A->B; B->C");
  EXPECT_EQ(live.session.close(),
            (std::vector<std::string>{"A -> B", "B -> C", "----------------------"}));
}

TEST(RedundantDependenciesSession, RowsOfAReplacedListActOnTheNewList) {
  Live<RedundantDependenciesSession> live("ABC", "A->B; B->C; A->C");
  ASSERT_TRUE(live.session.load());
  live.document.ReplaceDependencies(Deps("B->C; A->B; A->C"));
  EXPECT_EQ(live.shown(), std::vector<std::string>{"A -> C"});
  live.session.erase(0);
  EXPECT_EQ(DepsText(live.document.dependencies()), "B->C; A->B");
}

// "A + B -> C" without the first left-hand occurrence of `name`.
std::string WithoutLhsName(const std::string& shown, const std::string& name) {
  const std::size_t arrow = shown.find(" -> ");
  std::vector<std::string> lhs;
  std::string rest = shown.substr(0, arrow);
  for (std::size_t plus; (plus = rest.find(" + ")) != std::string::npos;) {
    lhs.push_back(rest.substr(0, plus));
    rest.erase(0, plus + 3);
  }
  lhs.push_back(rest);
  lhs.erase(std::find(lhs.begin(), lhs.end(), name));
  std::string joined;
  for (const std::string& part : lhs)
    joined += (joined.empty() ? "" : " + ") + part;
  return joined + shown.substr(arrow);
}

// Edits of every kind interleaved with deletions of both sessions on one
// live list: each deletion removes exactly what its row shows at that
// moment.
TEST(RedundancyFindingsSession, RandomEditsAndDeletions) {
  std::mt19937 rng(20261209);
  SchemaDocument document;
  RedundantAttributesSession attributes(document);
  RedundantDependenciesSession dependencies(document);
  Follow(document, attributes);
  Follow(document, dependencies);
  std::vector<std::string> names = {"P", "Q", "R", "S", "T"};
  const auto install = [&names] {
    AttributeTable table;
    for (std::size_t i = 0; i < names.size(); ++i)
      table[i] = names[i];
    return table;
  };
  const auto listed = [&document] {
    std::multiset<std::string> shown;
    for (const Dependency& d : document.dependencies())
      shown.insert(ShowDependency(d, document.attributes()));
    return shown;
  };
  document.SetAttributes(install());
  document.ReplaceDependencies(brute::RandomDependencies(rng, 5, 7, 3));
  int deletions = 0;
  for (int step = 0; step < 800; ++step) {
    const int n = static_cast<int>(names.size());
    switch (rng() % 6) {
      case 0:  // rename
        names[rng() % n] += static_cast<char>('a' + rng() % 26);
        document.SetAttributes(install());
        break;
      case 1: {  // erase an attribute no record uses
        const AttributeIndex gone = static_cast<AttributeIndex>(rng() % n);
        if (n < 3 || DependenciesUse(document.dependencies(), gone)) break;
        AttributeMap moved{};
        moved.fill(NoAttribute);
        for (AttributeIndex a = 0; a < static_cast<AttributeIndex>(n); ++a)
          if (a != gone) moved[a] = a < gone ? a : a - 1;
        names.erase(names.begin() + gone);
        document.EditAttributes(install(), moved);
        break;
      }
      case 2:  // add an attribute
        if (n < 8) names.push_back("N" + std::to_string(step));
        document.SetAttributes(install());
        break;
      case 3:  // replace the list
        document.ReplaceDependencies(brute::RandomDependencies(rng, n, 7, 3));
        break;
      default: {  // delete a row of one of the sessions
        RedundancyFindingsSession& session =
            rng() % 2 == 0 ? static_cast<RedundancyFindingsSession&>(attributes) : dependencies;
        if (session.rows().empty()) session.load();
        std::vector<std::size_t> active;
        for (std::size_t k = 0; k < session.rows().size(); ++k)
          if (session.rows()[k].state == RowState::Redundant) active.push_back(k);
        if (active.empty()) break;
        const std::size_t k = active[rng() % active.size()];
        const RedundancyFindingsSession::Row row = session.rows()[k];
        std::multiset<std::string> expected = listed();
        expected.erase(expected.find(row.dependency));
        if (row.attribute != NoAttribute)
          expected.insert(WithoutLhsName(row.dependency, names[row.attribute]));
        session.erase(k);
        ASSERT_EQ(listed(), expected) << "step " << step;
        ++deletions;
      }
    }
  }
  EXPECT_GT(deletions, 40);
}

}  // namespace
