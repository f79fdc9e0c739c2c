// The attribute and dependency editors' copies of the schema without
// widgets: what they take, what they refuse, and what accepting installs.

#include <gtest/gtest.h>

#include "AttributeEditorSession.h"
#include "DependencyEditorSession.h"
#include "SchemaDocument.h"
#include "SchemaListing.h"
#include "SchemaText.h"

namespace {

using WordOutcome = AttributeEditorSession::WordOutcome;
using Erasure = AttributeEditorSession::Erasure;

QStringList Words(const AttributeEditorSession& session) {
  QStringList words;
  for (int k = 0; k < session.wordCount(); ++k)
    words << session.word(k);
  return words;
}

TEST(AttributeEditorSession, TakesOnlyNamesTheSchemaFileCanHold) {
  const struct {
    const char* typed;
    WordOutcome outcome;
    const char* stored;
  } cases[] = {
      {"abcdefghijklmno", WordOutcome::Added, "abcdefghijklmno"},
      {"abcdefghijklmnop", WordOutcome::TooLong, nullptr},
      // Limits count characters: these take 30 bytes in UTF-8.
      {"ěščřžýáíéúůďťňó", WordOutcome::Added, "ěščřžýáíéúůďťňó"},
      {"ěščřžýáíéúůďťňóĚ", WordOutcome::TooLong, nullptr},
      {"  Datum   od ", WordOutcome::Added, "Datum od"},
      {"Datum - od", WordOutcome::Added, "Datum - od"},
      {"", WordOutcome::Empty, nullptr},
      // A blank name looks like the empty choice of the pickers, and a name
      // with blanks around it like the name without them.
      {"   ", WordOutcome::Empty, nullptr},
      {"A ", WordOutcome::Duplicate, nullptr},
      {"a", WordOutcome::Added, "a"},
      {"A;B", WordOutcome::ReservedCharacter, nullptr},
      {"Cas:", WordOutcome::ReservedCharacter, nullptr},
      {"αβ", WordOutcome::NotStorable, nullptr},
  };
  Schema schema;
  schema.SetAttributes(Names("AB"));
  for (const auto& c : cases) {
    SCOPED_TRACE(c.typed);
    AttributeEditorSession session;
    session.load(schema);
    EXPECT_EQ(session.enter(QString::fromUtf8(c.typed)), c.outcome);
    QStringList expected{"A", "B"};
    if (c.stored != nullptr) expected << QString::fromUtf8(c.stored);
    EXPECT_EQ(Words(session), expected);
    EXPECT_EQ(session.isModified(), c.stored != nullptr);
  }
}

TEST(AttributeEditorSession, AChangeEndsWithTheWordOrWithAnErasure) {
  Schema schema;
  schema.SetAttributes(Names("ABC"));
  AttributeEditorSession session;
  session.load(schema);
  session.select(1);
  ASSERT_TRUE(session.startChange());
  // The unchanged word is a duplicate like any other.
  EXPECT_EQ(session.enter(QStringLiteral("B")), WordOutcome::Duplicate);
  EXPECT_EQ(session.enter(QStringLiteral("Beta")), WordOutcome::Replaced);
  EXPECT_EQ(session.enter(QStringLiteral("D")), WordOutcome::Added);
  EXPECT_EQ(Words(session), QStringList({"A", "Beta", "C", "D"}));

  session.select(2);
  session.startChange();
  session.eraseSelected();
  // The change was meant for a word that has gone: the next word is added.
  EXPECT_EQ(session.enter(QStringLiteral("E")), WordOutcome::Added);
  EXPECT_EQ(Words(session), QStringList({"A", "Beta", "D", "E"}));
  EXPECT_EQ(session.selected(), 1);
}

// The protection follows the words, not their positions, and accepting
// moves every record and key after its word.
TEST(AttributeEditorSession, ErasingMovesTheRecordsBehindTheErasedWord) {
  SchemaDocument document;
  document.SetAttributes(Names("ABCDE"));
  document.ReplaceDependencies(Deps("BC->D; E->B"));
  document.SetKeys({{Set("ACE"), 0}});
  const Dependency* first = &document.dependencies().front();
  AttributeEditorSession session;
  session.load(document.schema());
  ASSERT_EQ(session.checkErasure(), Erasure::Allowed);
  session.eraseSelected();
  for (int k : {0, 1, 2, 3}) {
    session.select(k);
    EXPECT_EQ(session.checkErasure(), Erasure::UsedByADependency) << k;
  }
  // A word entered since moves nothing.
  session.enter(QStringLiteral("X"));
  session.select(4);
  ASSERT_EQ(session.checkErasure(), Erasure::Allowed);
  session.eraseSelected();

  session.apply(document);
  EXPECT_EQ(ListAttributeLines(document.attributes()),
            (std::vector<std::string>{"B", "C", "D", "E"}));
  EXPECT_EQ(DepsText(document.dependencies()), "AB->C; D->A");
  EXPECT_EQ(&document.dependencies().front(), first);
  EXPECT_EQ(KeyLetters(document.keys()), (std::vector<std::string>{"BD"}));
  EXPECT_TRUE(document.dirty());

  session.clear();
  EXPECT_EQ(session.checkErasure(), Erasure::NothingToErase);
  EXPECT_FALSE(session.startChange());
}

// Letters picker by picker, a blank for a picker left empty: " D B" leaves
// the first and third left-hand pickers empty.
DependencyEditorSession::Choice Pick(const std::string& left, const std::string& right) {
  DependencyEditorSession::Choice choice;
  for (std::size_t i = 0; i < left.size(); ++i) {
    if (left[i] != ' ') choice.lhs[i] = static_cast<AttributeIndex>(left[i] - 'A');
  }
  for (std::size_t i = 0; i < right.size(); ++i) {
    if (right[i] != ' ') choice.rhs[i] = static_cast<AttributeIndex>(right[i] - 'A');
  }
  return choice;
}

TEST(DependencyEditorSession, ALineShowsThePickersAndGivesARecordPerRightHandAttribute) {
  const struct {
    const char* left;
    const char* right;
    const char* line;
    const char* records;
  } cases[] = {
      {"CA", "B", "C + A ->  B", "AC->B"},
      {"A", " B", "A ->  B", "A->B"},
      {"A", "B C", "A ->  B + C", "A->B; A->C"},
      {"B", "DAC", "B ->  D + A + C", "B->D; B->A; B->C"},
      {" D B", "A", "D + B ->  A", "BD->A"},
      {"EDCBA", "F", "E + D + C + B + A ->  F", "ABCDE->F"},
      {"BA", "A", "B + A ->  A", "AB->A"},
  };
  Schema schema;
  schema.SetAttributes(Names("ABCDEF"));
  for (const auto& c : cases) {
    SCOPED_TRACE(c.left);
    DependencyEditorSession session;
    session.load(schema);
    ASSERT_EQ(session.insert(Pick(c.left, c.right)), DependencyEditorSession::Insertion::Inserted);
    EXPECT_EQ(session.lineText(0), c.line);
    EXPECT_EQ(DepsText(session.dependencies()), c.records);
  }
}

TEST(DependencyEditorSession, RefusesIncompleteAndRepeatedChoices) {
  using enum DependencyEditorSession::Insertion;
  Schema schema;
  schema.SetAttributes(Names("ABC"));
  DependencyEditorSession session;
  session.load(schema);
  EXPECT_EQ(session.insert(Pick("", "")), NoLeftSide);
  EXPECT_EQ(session.insert(Pick("  C", "")), NoRightSide);
  EXPECT_EQ(session.insert(Pick("A CA", "B")), RepeatedLeftAttribute);
  EXPECT_EQ(session.lineCount(), 0);
  EXPECT_FALSE(session.isModified());
  for (int i = 0; i < DependencyEditorSession::MostLines; ++i)
    ASSERT_EQ(session.insert(Pick("A", "B")), Inserted);
  EXPECT_EQ(session.insert(Pick("B", "C")), TooMany);
}

// Records read from a file keep their left-hand order, however long, and
// erasing hands the selection on.
TEST(DependencyEditorSession, KeepsTheRecordsItWasGivenAndErasesTheSelectedLine) {
  SchemaDocument document;
  document.SetAttributes(Names("ABCDEFGH"));
  DependencyList list;
  list.push_back(NewDependency({6, 0, 5, 1, 4, 2, 3}, 7));
  list.push_back(NewDependency({1, 0}, 2));
  list.push_back(NewDependency({3}, 4));
  document.ReplaceDependencies(list);
  DependencyEditorSession session;
  session.load(document.schema());
  EXPECT_EQ(session.lineText(0), "G + A + F + B + E + C + D -> H");
  EXPECT_EQ(session.current(), 0);

  session.select(2);
  ASSERT_TRUE(session.eraseCurrent());
  EXPECT_EQ(session.current(), 1);
  session.insert(Pick("H", "A"));
  session.select(0);
  session.eraseCurrent();
  EXPECT_EQ(session.current(), 0);
  EXPECT_EQ(session.lineText(0), "B + A -> C");

  session.apply(document);
  EXPECT_EQ(DepsText(document.dependencies()), "BA->C; H->A");
  EXPECT_TRUE(document.dirty());

  session.clear();
  EXPECT_FALSE(session.eraseCurrent());
}

// The text tab and the rows hold one list: a typed text replaces the lines
// only when it says other records, and a refusal points at the fault and
// leaves the lines alone.
TEST(DependencyEditorSession, TakesTypedTextAgainstItsNamesOrSaysWhereItIsWrong) {
  using enum NotationRefusal::Reason;
  std::string manyRecords;
  for (int i = 0; i <= DbcMaxEntries; ++i)
    manyRecords += "A -> B\n";
  std::string longLeft;
  for (int i = 0; i <= DbcMaxLhs; ++i)
    longLeft += "A, ";
  const struct {
    std::string typed;
    const char* records;  // after the text, or the lines kept on a refusal
    NotationRefusal::Reason reason;
    std::size_t line, column;
  } cases[] = {
      {"# mine\nC, A -> B, D\n\nA -> C  # last", "CA->B; CA->D; A->C", {}, 0, 0},
      {"", "", {}, 0, 0},
      {"A -> B\n A ->  C\n", "A->B; A->C", {}, 0, 0},
      {"A -> B\nA -> Zakaznil", "A->B; A->C", UnknownAttribute, 2, 6},
      {"A -> B\n  Attributes: A, B", "A->B; A->C", UnknownKeyword, 2, 3},
      {"A, B\n", "A->B; A->C", MissingArrow, 1, 1},
      {longLeft + "-> B", "A->B; A->C", TooManyOnLeftSide, 1, 61},
      {manyRecords, "A->B; A->C", TooManyDependencies, 91, 6},
  };
  Schema schema;
  schema.SetAttributes(Names("ABCD"));
  for (const auto& c : cases) {
    SCOPED_TRACE(c.typed);
    DependencyEditorSession session;
    session.load(schema);
    ASSERT_EQ(session.insert(Pick("A", "BC")), DependencyEditorSession::Insertion::Inserted);
    const std::optional<NotationRefusal> refusal = session.takeText(c.typed);
    EXPECT_EQ(DepsText(session.dependencies()), c.records);
    ASSERT_EQ(refusal.has_value(), c.line != 0);
    if (refusal) {
      EXPECT_EQ(refusal->reason, c.reason);
      EXPECT_EQ(refusal->line, c.line);
      EXPECT_EQ(refusal->column, c.column);
      EXPECT_EQ(session.lineText(0), "A ->  B + C");
    }
  }
  DependencyEditorSession session;
  session.load(schema);
  session.insert(Pick("A", "BC"));
  EXPECT_EQ(std::get<std::string>(session.text()), "A -> B\nA -> C\n");
  ASSERT_FALSE(session.takeText("A -> B, C"));
  EXPECT_EQ(session.lineText(0), "A ->  B + C") << "the same records keep the line as composed";
  ASSERT_FALSE(session.takeText("D, A -> B"));
  EXPECT_EQ(session.lineText(0), "D + A -> B");
  EXPECT_EQ(session.current(), 0);

  schema.SetAttributes(Names("AB"));
  schema.attributes[2] = "x, y";
  session.load(schema);
  EXPECT_TRUE(std::holds_alternative<NotationWriteRefusal>(session.text()));
}

}  // namespace
